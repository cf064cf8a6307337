// OCIServerVersion, OCIServerRelease, OCIPing, OCIBreak, OCIReset.
#include <algorithm>
#include <cstring>
#include <string>

#include "connect/call_deadline.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "nls/env_text.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/pg_error.h"
#include "stmt/implicit_tx.h"

using namespace vsk;

namespace {

constexpr ub4 kErrHostDefinition = 1041;
constexpr ub4 kErrConnectionTerminated = 25407;

// The server a version call names: a service context's, or the server handle itself.
OCIServer *version_target(void *hndlp, ub1 hndltype, bool *invalid) noexcept {
    *invalid = false;
    OCIServer *server = nullptr;
    switch (hndltype) {
    case OCI_HTYPE_SVCCTX:
        if (!is_kind(hndlp, HANDLE_OCISvcCtx)) break;
        server = static_cast<OCISvcCtx *>(hndlp)->server;
        break;
    case OCI_HTYPE_SERVER:
        server = static_cast<OCIServer *>(hndlp);
        break;
    default:
        return nullptr;
    }
    if (!is_kind(server, HANDLE_OCIServer) || !env_of(server->hdr.parenth)) {
        *invalid = true;
        return nullptr;
    }
    return server;
}

// "SELECT VERSION()" copied into bufp with its terminator, cut to bufsz bytes.
sword copy_version(OCIServer *server, OCIError *errhp, OraText *bufp, ub4 bufsz) noexcept {
    PGresult *r = pqx::exec(server->conn, errhp, "SELECT VERSION()");
    if (PQresultStatus(r) != PGRES_TUPLES_OK || PQntuples(r) < 1) {
        PQclear(r);
        return OCI_ERROR;
    }
    std::string text;
    bool converted = text_from_utf8(env_of(server->hdr.parenth), errhp, PQgetvalue(r, 0, 0),
                                    static_cast<std::size_t>(PQgetlength(r, 0, 0)), &text);
    PQclear(r);
    if (!converted) return OCI_ERROR;
    const OCIEnv *env = env_of(server->hdr.parenth);
    // The terminator is a whole character: two zero bytes in UTF-16.
    std::size_t terminator = env && env->isUtf16 ? 2 : 1;
    std::size_t n = std::min<std::size_t>(text.size(), bufsz);
    std::memcpy(bufp, text.data(), n);
    for (std::size_t i = 0; i < terminator && n + i < bufsz; ++i) bufp[n + i] = 0;
    return OCI_SUCCESS;
}

// The packed release number of the server a version call names.
sword release_number(void *hndlp, OCIError *errhp, ub1 hndltype, ub4 *version) noexcept {
    if (!is_kind(errhp, HANDLE_OCIError) || !hndlp) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    bool invalid;
    OCIServer *server = version_target(hndlp, hndltype, &invalid);
    if (!server) return invalid ? OCI_INVALID_HANDLE : OCI_ERROR;
    if (!connection_ok(server)) {
        add_connection_error(errhp, kErrConnectionTerminated, server->conn);
        return OCI_ERROR;
    }
    if (version) *version = pack_server_version(PQserverVersion(server->conn));
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIServerVersion(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype) {
    if (!hndlp || !errhp || !bufp || bufsz == 0) return OCI_ERROR;
    bool invalid;
    OCIServer *server = version_target(hndlp, hndltype, &invalid);
    if (!server) return invalid ? OCI_INVALID_HANDLE : OCI_ERROR;
    CallDeadline deadline(hndltype == OCI_HTYPE_SVCCTX ? static_cast<OCISvcCtx *>(hndlp) : nullptr);
    auto work = [&] { return copy_version(server, errhp, bufp, bufsz); };
    return run_in_frame(env_of(server->hdr.parenth), OCI_FNCODE_SERVERVERSION, work, hndlp, errhp, bufp, bufsz,
                        hndltype);
}

VSK_EXPORT sword OCIServerRelease(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype,
                                  ub4 *version) {
    sword rc = release_number(hndlp, errhp, hndltype, version);
    return rc == OCI_SUCCESS ? OCIServerVersion(hndlp, errhp, bufp, bufsz, hndltype) : rc;
}

// Newer clients' form: with OCI_SRVRELEASE2_CACHED only the number is asked for, and
// the buffer may be absent.
VSK_EXPORT sword OCIServerRelease2(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype,
                                   ub4 *version, ub4 mode) {
    (void)mode;
    if (bufp && bufsz > 0) return OCIServerRelease(hndlp, errhp, bufp, bufsz, hndltype, version);
    return release_number(hndlp, errhp, hndltype, version);
}

VSK_EXPORT sword OCIPing(OCISvcCtx *svchp, OCIError *errhp, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    if (mode != OCI_DEFAULT) {
        AddErrorRecord(errhp, OCI_ERROR, kErrConnectionTerminated);
        return OCI_ERROR;
    }
    if (!is_kind(svchp->hdr.parenth, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    CallDeadline deadline(svchp);
    OCIServer *server = server_of(svchp);
    PGresult *r = server ? pqx::exec(server->conn, errhp, "select 1") : nullptr;
    bool ok = PQresultStatus(r) == PGRES_TUPLES_OK;
    PQclear(r);
    if (!ok) {
        AddErrorRecord(errhp, OCI_ERROR, kErrHostDefinition);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIBreak(void *hndlp, OCIError *errhp) {
    if (!hndlp || !errhp) return OCI_ERROR;
    OCIServer *server = server_of(hndlp);
    // A server without a connection has nothing to cancel.
    if (!server || !server->conn || !pqx::cancel(server->conn)) return OCI_ERROR;
    server->breakRequested = 1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIReset(void *hndlp, OCIError *errhp) {
    OCIServer *server = hndlp && errhp ? server_of(hndlp) : nullptr;
    if (!server || !server->conn) return OCI_ERROR;
    PGresult *r = pqx::get_result(server->conn, errhp);
    if (PQresultStatus(r) == PGRES_TUPLES_OK) {
        PQclear(r);
        return OCI_SUCCESS;
    }
    AddPGErrorRecord(errhp, OCI_ERROR, r);
    PQclear(r);
    ROLLBACK_TRANSACTION(server);
    return OCI_ERROR;
}

}  // extern "C"
