// Attributes of the environment handle.
#include "env/attributes.h"
#include "env/compat.h"
#include "env/env.h"

namespace vsk {

sword Get_OCIEnv(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError) || !attributep) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(h);
    switch (attrtype) {
    case OCI_ATTR_OBJECT:
        put_attr<ub4>(attributep, sizep, (env->mode & ENV_OBJECT) ? 1 : 0);
        return OCI_SUCCESS;
    case OCI_ATTR_EMPTY_STRING_MODE:
        put_attr<ub1>(attributep, sizep, env->emptyStringSemantics ? 3 : 4);
        return OCI_SUCCESS;
    case OCI_ATTR_CHARSET_ID:
    case OCI_ATTR_NCHARSET_ID:
        put_attr<ub2>(attributep, sizep, reported_charset_id(env, attrtype == OCI_ATTR_NCHARSET_ID));
        return OCI_SUCCESS;
    default:
        AddErrorRecord(errhp, OCI_ERROR, kErrAttrValueInvalid);
        return OCI_ERROR;
    }
}

sword Set_OCIEnv(void *h, void *attributep, ub4, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError) || !attributep) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(h);
    if (attrtype == OCI_ATTR_EMPTY_STRING_MODE) {
        switch (read_attr<ub1>(attributep)) {
        case 0:
        case 3: env->emptyStringSemantics = 1; return OCI_SUCCESS;
        case 4: env->emptyStringSemantics = 0; return OCI_SUCCESS;
        default: break;
        }
    }
    AddErrorRecord(errhp, OCI_ERROR, kErrAttrValueInvalid);
    return OCI_ERROR;
}

}  // namespace vsk
