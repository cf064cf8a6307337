// OCILogon, OCILogon2, OCILogoff: attach, session and service context in one call.
#include "connect/logon.h"
#include "connect/records.h"
#include "env/attributes.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"

using namespace vsk;

namespace vsk {

namespace {

// A handle of the logon. OCIHandleAlloc keeps its failure on the environment; the
// caller of the logon reads errhp, so the record goes there too.
template <class H>
sword alloc_logon_handle(OCIEnv *envhp, OCIError *errhp, H **handle, ub4 type) noexcept {
    const sword rc = OCIHandleAlloc(envhp, reinterpret_cast<void **>(handle), type, 0, nullptr);
    if (rc == OCI_ERROR) AddErrorRecord(errhp, OCI_ERROR, 16506);
    return rc;
}

}  // namespace

sword logon_with(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *dbname, ub4 dbname_len,
                 CredentialsFill credentials) noexcept {
    *svchp = nullptr;
    OCIServer *server = nullptr;
    sword rc = alloc_logon_handle(envhp, errhp, &server, OCI_HTYPE_SERVER);
    if (rc != OCI_SUCCESS) return rc;
    rc = OCIServerAttach(server, errhp, dbname, static_cast<sb4>(dbname_len), OCI_DEFAULT);
    if (rc != OCI_SUCCESS) {
        OCIHandleFree(server, OCI_HTYPE_SERVER);
        return rc;
    }

    OCISvcCtx *svc = nullptr;
    OCISession *session = nullptr;
    auto fail = [&](sword result) {
        if (session) OCIHandleFree(session, OCI_HTYPE_SESSION);
        if (svc) OCIHandleFree(svc, OCI_HTYPE_SVCCTX);
        // The server has nobody else to release it.
        OCIHandleFree(server, OCI_HTYPE_SERVER);
        *svchp = nullptr;
        return result;
    };
    if ((rc = alloc_logon_handle(envhp, errhp, &svc, OCI_HTYPE_SVCCTX)) != OCI_SUCCESS) return fail(rc);
    *svchp = svc;
    if ((rc = OCIAttrSet(svc, OCI_HTYPE_SVCCTX, server, 0, OCI_ATTR_SERVER, errhp)) != OCI_SUCCESS) return fail(rc);
    if ((rc = alloc_logon_handle(envhp, errhp, &session, OCI_HTYPE_SESSION)) != OCI_SUCCESS) return fail(rc);
    try {
        if ((rc = credentials(session)) != OCI_SUCCESS) return fail(rc);
    } catch (...) {
        return fail(OCI_ERROR);
    }
    rc = OCISessionBegin(svc, errhp, session, OCI_CRED_RDBMS, OCI_DEFAULT);
    if (!succeeded(rc)) return fail(rc);
    sword linked = OCIAttrSet(svc, OCI_HTYPE_SVCCTX, session, 0, OCI_ATTR_SESSION, errhp);
    if (linked != OCI_SUCCESS) return fail(linked);
    return rc;
}

sword logoff(OCISvcCtx *svchp, OCIError *errhp) noexcept {
    OCIServer *server = nullptr;
    OCISession *session = nullptr;
    if (sword rc = Get_OCISvcCtx(svchp, &server, nullptr, OCI_ATTR_SERVER, errhp)) return rc;
    if (sword rc = Get_OCISvcCtx(svchp, &session, nullptr, OCI_ATTR_SESSION, errhp)) return rc;
    OCISessionEnd(svchp, errhp, nullptr, OCI_DEFAULT);
    OCIServerDetach(server, errhp, OCI_DEFAULT);
    OCIHandleFree(server, OCI_HTYPE_SERVER);
    OCIHandleFree(session, OCI_HTYPE_SESSION);
    return OCIHandleFree(svchp, OCI_HTYPE_SVCCTX);
}

}  // namespace vsk

namespace {

sword logon(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *username, ub4 uname_len,
            const OraText *password, ub4 passwd_len, const OraText *dbname, ub4 dbname_len) {
    if (!is_kind(envhp, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    if (!svchp) return OCI_ERROR;
    *svchp = nullptr;
    if (!username || !dbname) {
        _ClearErrorHandle(errhp);
        AddArgumentErrorRecord(errhp, username ? 8 : 4);
        return OCI_ERROR;
    }
    auto credentials = [&](OCISession *session) -> sword {
        sword rc = OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<OraText *>(username), uname_len,
                              OCI_ATTR_USERNAME, errhp);
        if (rc != OCI_SUCCESS) return rc;
        return OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<OraText *>(password), passwd_len, OCI_ATTR_PASSWORD,
                          errhp);
    };
    return logon_with(envhp, errhp, svchp, dbname, dbname_len, credentials);
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCILogon(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *username, ub4 uname_len,
                          const OraText *password, ub4 passwd_len, const OraText *dbname, ub4 dbname_len) {
    return logon(envhp, errhp, svchp, username, uname_len, password, passwd_len, dbname, dbname_len);
}

VSK_EXPORT sword OCILogon2(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *username,
                           ub4 uname_len, const OraText *password, ub4 passwd_len, const OraText *dbname,
                           ub4 dbname_len, ub4 mode) {
    sword rc = logon(envhp, errhp, svchp, username, uname_len, password, passwd_len, dbname, dbname_len);
    if (succeeded(rc) && (mode & OCI_LOGON2_STMTCACHE) && svchp && is_kind(*svchp, HANDLE_OCISvcCtx))
        (*svchp)->stmtCacheEnabled = 1;
    return rc;
}

VSK_EXPORT sword OCILogoff(OCISvcCtx *svchp, OCIError *errhp) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    return logoff(svchp, errhp);
}

}  // extern "C"
