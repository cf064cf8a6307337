// Attributes of service contexts, servers, sessions and session pools.
#include <cstdlib>
#include <cstring>
#include <string>

#include "connect/pool_book.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/attributes.h"
#include "env/driver_attributes.h"
#include "env/env.h"
#include "env/trace.h"
#include "nls/env_text.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"

namespace vsk {

namespace {

constexpr ub4 kErrUnsupported = 3001;

bool usable(void *h, HandleKind kind, OCIError *errhp) noexcept {
    return is_kind(h, kind) && is_kind(errhp, HANDLE_OCIError);
}

// A text attribute: size bytes of value, converted to UTF-8 in UTF-16 environments
// (failures recorded on the environment's own error handle). libpq takes these texts as
// C strings, so one holding a NUL is refused rather than cut short there.
sword set_text(OCISession *session, std::string *field, const void *value, ub4 size, OCIError *errhp) noexcept {
    field->clear();
    if (!value || size == 0) return OCI_SUCCESS;
    OCIEnv *env = env_of(session->hdr.parenth);
    if (!text_to_utf8(env, env ? env->errorHandle : nullptr, value, size, field)) return OCI_ERROR;
    if (field->find('\0') == std::string::npos) return OCI_SUCCESS;
    field->clear();
    return refuse_attr(errhp, kErrAttrValueInvalid);
}

sword driver_get_or_refuse(OCIServer *server, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    sword rc = driver_connection_get(server, attributep, sizep, attrtype, errhp);
    return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrValueInvalid) : rc;
}

sword driver_set_or_refuse(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    sword rc = driver_connection_set(h, attributep, size, attrtype, errhp);
    return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrValueInvalid) : rc;
}

}  // namespace

sword Get_OCISvcCtx(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!usable(h, HANDLE_OCISvcCtx, errhp) || !attributep) return OCI_ERROR;
    auto *svc = static_cast<OCISvcCtx *>(h);
    if (sizep) *sizep = 0;
    switch (attrtype) {
    case OCI_ATTR_ENV:
        if (!is_kind(svc->hdr.parenth, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
        *static_cast<void **>(attributep) = svc->hdr.parenth;
        return OCI_SUCCESS;
    case OCI_ATTR_SERVER:
        if (!is_kind(svc->server, HANDLE_OCIServer)) return OCI_INVALID_HANDLE;
        *static_cast<OCIServer **>(attributep) = svc->server;
        return OCI_SUCCESS;
    case OCI_ATTR_SESSION:
        if (!is_kind(svc->session, HANDLE_OCISession)) return OCI_INVALID_HANDLE;
        *static_cast<OCISession **>(attributep) = svc->session;
        return OCI_SUCCESS;
    case OCI_ATTR_TRANS:
    case OCI_ATTR_IN_V8_MODE:
        return OCI_SUCCESS;
    case OCI_ATTR_STMTCACHESIZE:
        put_attr<ub4>(attributep, sizep, svc->stmtCacheSize);
        return OCI_SUCCESS;
    case OCI_ATTR_CALL_TIMEOUT:
        put_attr<ub4>(attributep, sizep, svc->callTimeout);
        return OCI_SUCCESS;
    default: {
        // Unknown service-context attributes fail without a record, as they always have.
        sword rc = driver_connection_get(svc->server, attributep, sizep, attrtype, errhp);
        return rc == kNotDriverAttr ? OCI_ERROR : rc;
    }
    }
}

sword Set_OCISvcCtx(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    if (!usable(h, HANDLE_OCISvcCtx, errhp)) return OCI_ERROR;
    auto *svc = static_cast<OCISvcCtx *>(h);
    switch (attrtype) {
    case OCI_ATTR_SERVER:
        if (attributep && !is_kind(attributep, HANDLE_OCIServer)) return OCI_ERROR;
        ocitrace(TRACE_SVCCTX, "Set_OCISvcCtx", "setting %p.server = %p\n", h, attributep);
        svc->server = static_cast<OCIServer *>(attributep);
        return OCI_SUCCESS;
    case OCI_ATTR_SESSION:
        if (attributep && !is_kind(attributep, HANDLE_OCISession)) return OCI_ERROR;
        ocitrace(TRACE_SVCCTX, "Set_OCISvcCtx", "setting %p.session = %p\n", h, attributep);
        svc->session = static_cast<OCISession *>(attributep);
        return OCI_SUCCESS;
    case OCI_ATTR_TRANS:
        svc->trans = attributep;
        return OCI_SUCCESS;
    default:
        return driver_set_or_refuse(svc, attributep, size, attrtype, errhp);
    }
}

sword Get_OCIServer(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!usable(h, HANDLE_OCIServer, errhp) || !attributep) return OCI_INVALID_HANDLE;
    auto *srv = static_cast<OCIServer *>(h);
    switch (attrtype) {
    case OCI_ATTR_NONBLOCKING_MODE:
        put_attr<ub1>(attributep, sizep, srv->nonBlocking);
        return OCI_SUCCESS;
    case OCI_ATTR_ENV:
        *static_cast<void **>(attributep) = srv->hdr.parenth;
        return OCI_SUCCESS;
    case OCI_ATTR_SERVER_STATUS:
        put_attr<ub4>(attributep, sizep, connection_ok(srv) ? OCI_SERVER_NORMAL : OCI_SERVER_NOT_CONNECTED);
        return OCI_SUCCESS;
    case OCI_ATTR_STMT_LEVEL_TX: {
        PGresult *r = pqx::exec(srv->conn, errhp, "show vsk_stmt_level_tx");
        bool ok = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0 && PQnfields(r) > 0;
        bool on = ok && std::strcmp(PQgetvalue(r, 0, 0), "on") == 0;
        PQclear(r);
        if (!ok) return refuse_attr(errhp, kErrAttrValueInvalid);
        put_attr<ub1>(attributep, sizep, on ? 1 : 0);
        return OCI_SUCCESS;
    }
    case OCI_ATTR_CURSOR_MODE:
        put_attr<ub4>(attributep, sizep, srv->defaultCursorMode);
        return OCI_SUCCESS;
    case OCI_ATTR_CURSOR_TX_MODE:
        put_attr<ub4>(attributep, sizep, srv->defaultCursorTxMode);
        return OCI_SUCCESS;
    default:
        return driver_get_or_refuse(srv, attributep, sizep, attrtype, errhp);
    }
}

sword Set_OCIServer(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    if (!usable(h, HANDLE_OCIServer, errhp)) return OCI_INVALID_HANDLE;
    auto *srv = static_cast<OCIServer *>(h);
    switch (attrtype) {
    case OCI_ATTR_NONBLOCKING_MODE:
        srv->nonBlocking = !srv->nonBlocking;
        return OCI_SUCCESS;
    case 129:
        return OCI_SUCCESS;
    case OCI_ATTR_STMT_LEVEL_TX: {
        const bool on = attributep && read_attr<ub1>(attributep) != 0;
        return set_statement_rollback(srv, errhp, on) ? OCI_SUCCESS : OCI_ERROR;
    }
    case OCI_ATTR_CURSOR_MODE:
        if (!attributep || read_attr<ub4>(attributep) >= 3) return refuse_attr(errhp, kErrAttrValueInvalid);
        srv->defaultCursorMode = read_attr<ub4>(attributep);
        return OCI_SUCCESS;
    case OCI_ATTR_CURSOR_TX_MODE: {
        ub4 v = attributep ? read_attr<ub4>(attributep) : 1;
        if (v != 0 && v != 5 && v != 6) return refuse_attr(errhp, kErrAttrValueInvalid);
        srv->defaultCursorTxMode = v;
        return OCI_SUCCESS;
    }
    default:
        return driver_set_or_refuse(srv, attributep, size, attrtype, errhp);
    }
}

sword Get_OCISession(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCISession) || !errhp || !attributep) return OCI_ERROR;
    auto *session = static_cast<OCISession *>(h);
    if (attrtype == OCI_ATTR_USERNAME) {
        if (session->username.empty()) return OCI_SUCCESS;
        // The application owns the copy.
        char *copy = static_cast<char *>(std::malloc(session->username.size() + 1));
        if (!copy) return refuse_attr(errhp, 16506);
        std::memcpy(copy, session->username.c_str(), session->username.size() + 1);
        *static_cast<char **>(attributep) = copy;
        if (sizep) *sizep = static_cast<ub4>(session->username.size());
        return OCI_SUCCESS;
    }
    sword rc = driver_connection_get(session->server, attributep, sizep, attrtype, errhp);
    return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrInvalid) : rc;
}

sword Set_OCISession(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCISession) || !errhp) return OCI_ERROR;
    auto *session = static_cast<OCISession *>(h);
    switch (attrtype) {
    case OCI_ATTR_USERNAME: return set_text(session, &session->username, attributep, size, errhp);
    case OCI_ATTR_PASSWORD: return set_text(session, &session->password, attributep, size, errhp);
    case OCI_ATTR_MODULE: return set_text(session, &session->module, attributep, size, errhp);
    case OCI_ATTR_SSLMODE: return set_text(session, &session->sslmode, attributep, size, errhp);
    case 86: case 99: case 100: case 169: case 273: case 275: case 276: case 277: case 278: case 300:
    case 367: case 368: case 369:
        return OCI_SUCCESS;
    default:
        return driver_set_or_refuse(session, attributep, size, attrtype, errhp);
    }
}

sword Get_OCISPool(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCISPool) || !errhp) return OCI_ERROR;
    auto *pool = static_cast<OCISPool *>(h);
    if (!attributep) return OCI_ERROR;
    auto put = [&](ub4 value) {
        put_attr<ub4>(attributep, sizep, value);
        return OCI_SUCCESS;
    };
    try {
        const PoolBook::Settings st = pool->book->settings();
        switch (attrtype) {
        case OCI_ATTR_SPOOL_STMTCACHESIZE: return put(pool->stmtCacheSize);
        case OCI_ATTR_SPOOL_TIMEOUT: return put(st.idleTimeoutSec);
        case OCI_ATTR_SPOOL_GETMODE:
            put_attr<ub1>(attributep, sizep, static_cast<ub1>(st.getMode));
            return OCI_SUCCESS;
        case OCI_ATTR_SPOOL_BUSY_COUNT: return put(pool->book->busy_count());
        case OCI_ATTR_SPOOL_OPEN_COUNT: return put(pool->book->open_count());
        case OCI_ATTR_SPOOL_MIN: return put(pool->sessMin);
        case OCI_ATTR_SPOOL_MAX: return put(pool->sessMax);
        case OCI_ATTR_SPOOL_INCR: return put(pool->sessIncr);
        case OCI_ATTR_SPOOL_MAX_LIFETIME_SESSION: return put(st.maxLifetimeSec);
        case OCI_ATTR_SPOOL_WAIT_TIMEOUT: return put(st.waitTimeoutMs);
        case OCI_ATTR_SPOOL_MAX_PER_SHARD: return put(pool->maxPerShard);
        case OCI_ATTR_SPOOL_AUTH:
            *static_cast<OCISession **>(attributep) = pool->auth;
            return OCI_SUCCESS;
        default: break;
        }
    } catch (...) {
        return OCI_ERROR;
    }
    return refuse_attr(errhp, kErrAttrInvalid);
}

sword Set_OCISPool(void *h, void *attributep, ub4, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCISPool) || !errhp) return OCI_ERROR;
    auto *pool = static_cast<OCISPool *>(h);
    if (attrtype == OCI_ATTR_SPOOL_AUTH) {
        // The session handle whose settings (module, SSL mode) new sessions take.
        if (attributep && !is_kind(attributep, HANDLE_OCISession)) return refuse_attr(errhp, kErrAttrValueInvalid);
        pool->auth = static_cast<OCISession *>(attributep);
        return OCI_SUCCESS;
    }
    if (!attributep) return OCI_ERROR;
    try {
        PoolBook::Settings st = pool->book->settings();
        switch (attrtype) {
        case OCI_ATTR_SPOOL_STMTCACHESIZE: pool->stmtCacheSize = read_attr<ub4>(attributep); return OCI_SUCCESS;
        case OCI_ATTR_SPOOL_MAX_PER_SHARD: pool->maxPerShard = read_attr<ub4>(attributep); return OCI_SUCCESS;
        case OCI_ATTR_SPOOL_TIMEOUT: st.idleTimeoutSec = read_attr<ub4>(attributep); break;
        case OCI_ATTR_SPOOL_MAX_LIFETIME_SESSION: st.maxLifetimeSec = read_attr<ub4>(attributep); break;
        case OCI_ATTR_SPOOL_WAIT_TIMEOUT: st.waitTimeoutMs = read_attr<ub4>(attributep); break;
        case OCI_ATTR_SPOOL_GETMODE: {
            const ub1 mode = read_attr<ub1>(attributep);
            if (mode > OCI_SPOOL_ATTRVAL_FORCEGET) return refuse_attr(errhp, kErrAttrValueInvalid);
            st.getMode = static_cast<PoolBook::GetMode>(mode);
            break;
        }
        default: return refuse_attr(errhp, kErrAttrValueInvalid);
        }
        pool->book->set_settings(st);
        return OCI_SUCCESS;
    } catch (...) {
        return OCI_ERROR;
    }
}

}  // namespace vsk
