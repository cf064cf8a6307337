#include "connect/pool_sessions.h"

#include <new>
#include <vector>

#include "connect/logon.h"
#include "connect/pool_book.h"
#include "connect/server_connection.h"
#include "env/env.h"
#include "env/error.h"
#include "nls/env_text.h"
#include "pqx/connection.h"
#include "pqx/transaction.h"

namespace vsk {

namespace {
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrPoolBusy = 24422;
}

sword open_session(OCIEnv *env, OCIError *errhp, const OraText *link, ub4 linkLen, const PoolCredentials &creds,
                   const OCISession *settings, OCISvcCtx **svc) noexcept {
    auto fill = [&](OCISession *session) noexcept -> sword {
        try {
            session->username = creds.user;
            session->password = creds.password;
            if (settings) {
                session->module = settings->module;
                session->sslmode = settings->sslmode;
            }
        } catch (const std::bad_alloc &) {
            return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
        }
        return OCI_SUCCESS;
    };
    return logon_with(env, errhp, svc, link, linkLen, fill);
}

sword open_pooled_session(OCISPool *pool, OCIEnv *env, OCIError *errhp, const PoolCredentials &creds,
                          OCISvcCtx **svc) noexcept {
    // The logon takes the connect string as the program gives texts: in the
    // environment's encoding.
    std::string link;
    try {
        if (!text_from_utf8(env, errhp, pool->connStr.data(), pool->connStr.size(), &link)) return OCI_ERROR;
    } catch (...) {
        return OCI_ERROR;
    }
    const OCISession *auth = is_kind(pool->auth, HANDLE_OCISession) ? pool->auth : nullptr;
    sword rc = open_session(env, errhp, reinterpret_cast<const OraText *>(link.data()), static_cast<ub4>(link.size()),
                            creds, auth, svc);
    if (!succeeded(rc)) return rc;
    (*svc)->session->pooled = 1;
    (*svc)->pool = pool;
    if (pool->stmtCacheSize) {
        (*svc)->stmtCacheEnabled = 1;
        (*svc)->stmtCacheSize = pool->stmtCacheSize;
    }
    return rc;
}

void close_pooled_session(OCISvcCtx *svc, OCIError *errhp) noexcept {
    if (!is_kind(svc, HANDLE_OCISvcCtx)) return;
    svc->pool = nullptr;
    if (is_kind(svc->session, HANDLE_OCISession)) svc->session->pooled = 0;
    logoff(svc, errhp);
}

bool reset_pooled_session(OCISvcCtx *svc, OCIError *errhp) noexcept {
    if (!is_kind(svc->session, HANDLE_OCISession) || !connection_ok(svc->server)) return false;
    PGresult *r = pqx::end_transaction(svc->server->conn, errhp, pqx::TxEnd::Rollback);
    const bool ok = r && PQresultStatus(r) == PGRES_COMMAND_OK;
    PQclear(r);
    if (!ok) return false;
    // The transaction handle was the last user's.
    svc->trans = nullptr;
    return connection_ok(svc->server);
}

bool pooled_session_alive(const OCISvcCtx *svc) noexcept {
    return is_kind(svc->session, HANDLE_OCISession) && is_kind(svc->server, HANDLE_OCIServer) &&
           pqx::idle_connection_alive(svc->server->conn);
}

bool destroy_pool(OCISPool *pool, bool force, OCIError *errhp) noexcept {
    std::vector<void *> sessions;
    try {
        if (!pool->book->close(force, &sessions)) return AddErrorRecord(errhp, OCI_ERROR, kErrPoolBusy), false;
    } catch (const std::bad_alloc &) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), false;
    }
    pool->created = 0;
    if (!errhp) {
        OCIEnv *env = env_of(pool->hdr.parenth);
        errhp = env ? env->errorHandle : nullptr;
    }
    for (void *s : sessions) close_pooled_session(static_cast<OCISvcCtx *>(s), errhp);
    return true;
}

}  // namespace vsk
