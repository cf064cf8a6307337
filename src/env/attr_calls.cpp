// OCIAttrGet and OCIAttrSet: checks, then dispatch to the getter or setter of the handle's kind.
#include "env/attributes.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/export.h"
#include "env/trace.h"

using namespace vsk;

namespace {

AttrGetter getter_for(ub4 type) noexcept {
    switch (type) {
    case OCI_HTYPE_ENV: return Get_OCIEnv;
    case OCI_HTYPE_SVCCTX: return Get_OCISvcCtx;
    case OCI_HTYPE_STMT: return Get_OCIStmt;
    case OCI_HTYPE_BIND:
    case OCI_HTYPE_DEFINE: return Get_OCIBind;
    case OCI_HTYPE_DESCRIBE: return Get_OCIDescribe;
    case OCI_HTYPE_SERVER: return Get_OCIServer;
    case OCI_HTYPE_SESSION: return Get_OCISession;
    case OCI_HTYPE_TRANS: return Get_OCITrans;
    case OCI_HTYPE_SPOOL: return Get_OCISPool;
    case OCI_DTYPE_PARAM: return Get_OCIParam;
    case OCI_HTYPE_ERROR: return Get_OCIError;
    default: return nullptr;
    }
}

AttrSetter setter_for(ub4 type) noexcept {
    switch (type) {
    case OCI_HTYPE_ENV: return Set_OCIEnv;
    case OCI_HTYPE_SVCCTX: return Set_OCISvcCtx;
    case OCI_HTYPE_STMT: return Set_OCIStmt;
    case OCI_HTYPE_BIND:
    case OCI_HTYPE_DEFINE: return Set_OCIBind;
    case OCI_HTYPE_SERVER: return Set_OCIServer;
    case OCI_HTYPE_SESSION: return Set_OCISession;
    case OCI_HTYPE_TRANS: return Set_OCITrans;
    case OCI_HTYPE_SPOOL: return Set_OCISPool;
    default: return nullptr;
    }
}

// Handle types that can never take an attribute through OCIAttrSet.
bool set_refused_type(ub4 type) noexcept {
    return type == OCI_HTYPE_ERROR || type == OCI_HTYPE_DESCRIBE || (type >= 11 && type <= 19) || type == 26 ||
           type == 28 || type == 29;
}

// Binds and defines belong to their statement rather than to the environment.
bool bind_or_define(const void *h) noexcept { return is_kind(h, HANDLE_OCIBind) || is_kind(h, HANDLE_OCIDefine); }

}  // namespace

extern "C" {

VSK_EXPORT sword OCIAttrGet(const void *trgthndlp, ub4 trghndltyp, void *attributep, ub4 *sizep, ub4 attrtype,
                            OCIError *errhp) {
    void *target = const_cast<void *>(trgthndlp);
    if (!target || !attributep || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    if (!kind_of(target)) return OCI_INVALID_HANDLE;
    void *parent = header_of(target)->parenth;
    if (parent && !is_kind(parent, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    AttrGetter get = getter_for(trghndltyp);
    return get ? get(target, attributep, sizep, attrtype, errhp) : OCI_ERROR;
}

VSK_EXPORT sword OCIAttrSet(void *trgthndlp, ub4 trghndltyp, void *attributep, ub4 size, ub4 attrtype,
                            OCIError *errhp) {
    if (ocitracing(TRACE_ATTRSET)) {
        ocitrace(TRACE_ATTRSET, nullptr, "OCIAttrGet(%p, %d, ..., %d, %d)\n", trgthndlp, static_cast<int>(trghndltyp),
                 static_cast<int>(size), static_cast<int>(attrtype));
        // A password is never written to the log.
        if (attrtype == OCI_ATTR_PASSWORD)
            ocitrace(TRACE_ATTRSET, nullptr, "attributep (%d bytes hidden)\n", static_cast<int>(size));
        else
            ocitracehex(TRACE_ATTRSET, "attributep", attributep, size);
    }
    if (!trgthndlp || !errhp || !kind_of(trgthndlp)) return OCI_ERROR;
    void *parent = header_of(trgthndlp)->parenth;
    OCIEnv *env;
    if (!parent) {
        if (trghndltyp != OCI_HTYPE_ENV || !is_kind(trgthndlp, HANDLE_OCIEnv)) return OCI_ERROR;
        env = static_cast<OCIEnv *>(trgthndlp);
    } else if (bind_or_define(trgthndlp)) {
        env = env_of(parent);
        if (!env) return OCI_ERROR;
    } else {
        if (!is_kind(parent, HANDLE_OCIEnv)) return OCI_ERROR;
        env = static_cast<OCIEnv *>(parent);
    }

    CallFrame frame(env, OCI_FNCODE_ATTRSET);
    frame.enter(trgthndlp, trghndltyp, attributep, size, attrtype, errhp);
    _ClearErrorHandle(errhp);
    if (set_refused_type(trghndltyp)) return OCI_ERROR;
    if (AttrSetter set = setter_for(trghndltyp)) frame.set(set(trgthndlp, attributep, size, attrtype, errhp));
    return frame.leave(trgthndlp, trghndltyp, attributep, size, attrtype, errhp);
}

}  // extern "C"
