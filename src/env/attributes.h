// Attribute getters and setters, one pair per handle kind, and the dispatch between them.
#pragma once

#include <oci.h>

#include "env/error.h"

namespace vsk {

using AttrGetter = sword (*)(void *handle, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp);
using AttrSetter = sword (*)(void *handle, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp);

constexpr ub4 kErrAttrInvalid = 24315;
constexpr ub4 kErrAttrValueInvalid = 24328;
constexpr ub4 kErrAttrSize = 24750;

sword Get_OCIEnv(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCIEnv(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCISvcCtx(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCISvcCtx(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCIServer(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCIServer(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCISession(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCISession(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCISPool(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCISPool(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCIStmt(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCIStmt(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCITrans(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCITrans(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCIBind(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Set_OCIBind(void *, void *, ub4, ub4, OCIError *) noexcept;
sword Get_OCIError(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Get_OCIDescribe(void *, void *, ub4 *, ub4, OCIError *) noexcept;
sword Get_OCIParam(void *, void *, ub4 *, ub4, OCIError *) noexcept;

// Records the refusal number on errhp; OCI_ERROR.
inline sword refuse_attr(OCIError *errhp, ub4 number) noexcept {
    AddErrorRecord(errhp, OCI_ERROR, number);
    return OCI_ERROR;
}

// Writes a fixed-size value and, when asked, its size.
template <class T>
void put_attr(void *attributep, ub4 *sizep, T value) noexcept {
    *static_cast<T *>(attributep) = value;
    if (sizep) *sizep = sizeof(T);
}

template <class T>
T read_attr(const void *attributep) noexcept {
    return *static_cast<const T *>(attributep);
}

}  // namespace vsk
