// OCIDefineByPos, OCIDefineArrayOfStruct, OCIDefineDynamic.
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "stmt/records.h"
#include "types/type_codes.h"

using namespace vsk;

namespace {

// Elements of SQLT_TIMESTAMP are descriptor pointers.
constexpr ub4 kTimestampElementSize = 8;
constexpr ub4 kErrNoMemory = 16506;

bool valid_mode(ub4 mode) { return mode == OCI_DEFAULT || mode == OCI_DYNAMIC_FETCH || mode == OCI_DEFINE_SOFT; }

OCIDefine *define_at(OCIStmt *stmt, ub4 position) {
    for (OCIDefine *d : stmt->defines)
        if (d->position == position) return d;
    return nullptr;
}

sword define(OCIStmt *stmt, OCIError *errhp, OCIDefine **defnpp, ub4 position, void *valuep, sb4 value_sz, ub2 dty, void *indp,
             ub2 *rlenp, ub2 *rcodep, ub4 mode) noexcept {
    if (mode == OCI_DEFINE_SOFT) {
        OCIDefine *d = *defnpp;
        if (!is_kind(d, HANDLE_OCIDefine) || d->dty != dty || d->value_sz != static_cast<ub4>(value_sz) ||
            !stmt->executed)
            return OCI_ERROR;
        d->position = position;
        d->valuep = valuep;
        d->indp = static_cast<sb2 *>(indp);
        d->rlenp = rlenp;
        d->rcodep = rcodep;
        return OCI_SUCCESS;
    }
    // One define per column: a new one replaces the old.
    if (OCIDefine *old = define_at(stmt, position)) {
        stmt->defines.remove(old);
        Free_OCIDefine(old);
    }
    OCIDefine *d = nullptr;
    if (OCIHandleAlloc(stmt, reinterpret_cast<void **>(&d), OCI_HTYPE_DEFINE, 0, nullptr) != OCI_SUCCESS)
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    d->position = position;
    d->dty = dty;
    d->value_sz = static_cast<ub4>(value_sz);
    if (mode == OCI_DYNAMIC_FETCH) {
        d->dynamic = 1;
    } else {
        if (dty == SQLT_TIMESTAMP) {
            d->value_sz = kTimestampElementSize;
            stmt->hasTimestampDefine = 1;
        }
        d->valuep = valuep;
        d->indp = static_cast<sb2 *>(indp);
        d->rlenp = rlenp;
        d->rcodep = rcodep;
    }
    *defnpp = d;
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIDefineByPos(OCIStmt *stmtp, OCIDefine **defnpp, OCIError *errhp, ub4 position, void *valuep,
                                sb4 value_sz, ub2 dty, void *indp, ub2 *rlenp, ub2 *rcodep, ub4 mode) {
    if (position == 0 || !IsValidOraDataType(dty) || !is_kind(stmtp, HANDLE_OCIStmt) ||
        !is_kind(errhp, HANDLE_OCIError) || !defnpp)
        return OCI_INVALID_HANDLE;
    if (!valid_mode(mode)) return OCI_ERROR;
    auto work = [&] {
        _ClearErrorHandle(errhp);
        return define(stmtp, errhp, defnpp, position, valuep, value_sz, dty, indp, rlenp, rcodep, mode);
    };
    return run_in_frame(env_of(stmtp), OCI_FNCODE_DEFINEBYPOS, work, stmtp, defnpp, errhp, position, valuep,
                        value_sz, dty, indp, rlenp, rcodep, mode);
}

VSK_EXPORT sword OCIDefineArrayOfStruct(OCIDefine *defnp, OCIError *errhp, ub4 pvskip, ub4 indskip, ub4 rlskip,
                                        ub4 rcskip) {
    if (!is_kind(defnp, HANDLE_OCIDefine) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *stmt = static_cast<OCIStmt *>(defnp->hdr.parenth);
    if (!is_kind(stmt, HANDLE_OCIStmt) || !is_kind(stmt->hdr.parenth, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        defnp->skipSet = 1;
        defnp->pvskip = pvskip;
        defnp->indskip = indskip;
        defnp->rlskip = rlskip;
        defnp->rcskip = rcskip;
        return OCI_SUCCESS;
    };
    return run_in_frame(env_of(stmt), OCI_FNCODE_DEFINEARRAYOFSTRUCT, work, defnp, errhp, pvskip, indskip, rlskip,
                        rcskip);
}

VSK_EXPORT sword OCIDefineDynamic(OCIDefine *defnp, OCIError *errhp, void *octxp, OCICallbackDefine ocbfp) {
    if (!is_kind(defnp, HANDLE_OCIDefine) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        defnp->dynamic = 1;
        defnp->ocbfp = ocbfp;
        defnp->octxp = octxp;
        return OCI_SUCCESS;
    };
    return run_in_frame(env_of(defnp), OCI_FNCODE_DEFINEDYNAMIC, work, defnp, errhp, octxp, ocbfp);
}

}  // extern "C"
