// OCISessionBegin, OCISessionEnd: the libpq connection of a server handle.
#include <cstdlib>
#include <new>
#include <string>

#include "connect/connect_string.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/attributes.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/process_globals.h"
#include "env/trace.h"
#include "nls/charset.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/pg_error.h"
#include "stmt/cursors.h"

using namespace vsk;

namespace {

constexpr ub4 kErrConnect = 12154;
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrUninitializedService = 24314;
constexpr ub4 kErrClientEncoding = 24338;
constexpr ub4 kErrConnectionTerminated = 25407;
constexpr sb4 kUtf16BeCharset = 40;
constexpr int kUtf8Encoding = 6;

const char *or_null(const std::optional<std::string> &s) { return s ? s->c_str() : nullptr; }
const char *or_null(const std::string &s) { return s.empty() ? nullptr : s.c_str(); }
const char *shown(const char *s) { return s ? s : "(null)"; }

PGconn *open_connection(const OCIServer *server, const OCISession *session) noexcept {
    const char *keywords[10];
    const char *values[10];
    int n = 0;
    auto add = [&](const char *k, const char *v) {
        keywords[n] = k;
        values[n++] = v;
    };
    // Drivers name themselves; a module the program set comes first.
    const char *application = or_null(session->module.empty() ? session->driverName : session->module);
    if (server->uriMode && server->uri) {
        // Later keywords override what the URI says: the session's credentials only fill
        // in what it leaves out, the application name is set as for every other string.
        add("user", or_null(session->username));
        add("password", or_null(session->password));
        add("dbname", server->uri->c_str());
        add("application_name", application);
        keywords[n] = values[n] = nullptr;
        return pqx::connect_params(keywords, values);
    }
    if (server->uri) add("dbname", server->uri->c_str());
    add("host", or_null(server->host));
    add("port", or_null(server->port));
    add("dbname", or_null(server->dbname));
    add("user", or_null(session->username));
    add("password", or_null(session->password));
    add("application_name", application);
    add("sslmode", or_null(session->sslmode));
    keywords[n] = values[n] = nullptr;
    return pqx::connect_params(keywords, values);
}

// The encoding libpq is told: the environment's, with UTF-16 served as UTF-8.
const char *client_encoding(const OCIEnv *env) noexcept {
    sb4 id = env->charsetId;
    if (id == kUtf16LeCharset || id == kUtf16BeCharset) id = kUtf8Encoding;
    return vsk::pg_encoding_to_char(id);
}

sword begin_session(OCISvcCtx *svc, OCIError *errhp, OCISession *session, OCIEnv *env, ub4 mode) noexcept {
    _ClearErrorHandle(errhp);
    OCIServer *server = svc->server;
    if (!is_kind(server, HANDLE_OCIServer) || !server->attached) {
        AddErrorRecord(errhp, OCI_ERROR, kErrUninitializedService);
        return OCI_ERROR;
    }
    if (ocitracing(TRACE_CONNECT)) {
        try {
            const std::string uri = server->uri ? uri_for_trace(*server->uri) : "(null)";
            ocitrace(TRACE_CONNECT, "OCISessionBegin", "host [%s] port [%s] db [%s], user [%s] app [%s] uri [%s]\n",
                     shown(or_null(server->host)), shown(or_null(server->port)), shown(or_null(server->dbname)),
                     shown(or_null(session->username)), shown(or_null(session->module)), uri.c_str());
        } catch (const std::bad_alloc &) {
        }
    }

    // A connection left from an earlier session (ended badly or never ended) is replaced.
    close_server_connection(server);
    server->conn = open_connection(server, session);
    if (!server->conn) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    if (PQstatus(server->conn) != CONNECTION_OK) {
        add_connection_error(errhp, kErrConnect, server->conn);
        pqx::finish(server->conn);
        server->conn = nullptr;
        return OCI_ERROR;
    }
    if (const char *path = std::getenv("OCI_TRACE_PROTOCOL")) pqx::start_protocol_trace(server->conn, path);

    if (pqx::set_client_encoding(server->conn, client_encoding(env)) != 0) {
        _ClearErrorHandle(errhp);
        add_connection_error(errhp, kErrClientEncoding, server->conn);
        ocitrace(TRACE_CONNECT, "OCISessionBegin", "PQsetClientEncoding failed\n");
        return OCI_ERROR;
    }

    server->nlsDateFormatApplied = 0;
    server->nlsDateFormatPending = 0;
    server->nlsDateFormat.reset();
    if (const char *format = std::getenv("NLS_DATE_FORMAT")) {
        try {
            server->nlsDateFormat = format;
        } catch (...) {
            return OCI_ERROR;
        }
        server->nlsDateFormatPending = 1;
    } else {
        PGresult *r = pqx::exec(server->conn, errhp, "set DateStyle to 'ISO'");
        if (PQresultStatus(r) != PGRES_COMMAND_OK) {
            _ClearErrorHandle(errhp);
            AddPGErrorRecord(errhp, OCI_ERROR, r);
            PQclear(r);
            ocitrace(TRACE_CONNECT, "OCISessionBegin", "PQexec(set datestyle) failed\n");
            return OCI_ERROR;
        }
        PQclear(r);
    }
    // Drivers' programs expect a failed statement to leave the transaction usable.
    if (env->vendorMode && !set_statement_rollback(server, errhp, true)) return OCI_ERROR;
    if (mode & OCI_STMT_CACHE) svc->stmtCacheEnabled = 1;
    session->server = server;
    return OCI_SUCCESS;
}

sword end_session(OCISvcCtx *svc, OCIError *errhp, OCISession *usrhp) noexcept {
    _ClearErrorHandle(errhp);
    OCIServer *server = nullptr;
    if (sword rc = Get_OCISvcCtx(svc, &server, nullptr, OCI_ATTR_SERVER, errhp)) return rc;
    if (!usrhp) {
        OCISession *session = nullptr;
        if (sword rc = Get_OCISvcCtx(svc, &session, nullptr, OCI_ATTR_SESSION, errhp)) return rc;
        if (!session) return OCI_SUCCESS;
    }
    // The statements' server objects go with the connection.
    const bool locked = process_mutex_enabled();
    if (locked) lock_process_mutex();
    markCursorsClosed(env_of(svc), server);
    if (locked) unlock_process_mutex();
    if (server->conn) {
        if (PQstatus(server->conn) == CONNECTION_BAD) {
            AddErrorRecord(errhp, OCI_ERROR, kErrConnectionTerminated);
            return OCI_ERROR;
        }
        close_server_connection(server);
    }
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCISessionBegin(OCISvcCtx *svchp, OCIError *errhp, OCISession *usrhp, ub4 credt, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError) || !is_kind(usrhp, HANDLE_OCISession))
        return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    ocitrace(TRACE_CONNECT, "OCISessionBegin", "OCISessionBegin started\n");
    svchp->stmtCacheEnabled = 0;
    CallFrame frame(env, OCI_FNCODE_SESSIONBEGIN);
    frame.enter(svchp, errhp, usrhp, credt, mode);
    sword rc = begin_session(svchp, errhp, usrhp, env, mode);
    frame.set(rc);
    rc = frame.leave(svchp, errhp, usrhp, credt, mode);
    if (rc == OCI_SUCCESS) ocitrace(TRACE_CONNECT, "OCISessionBegin", "OCISessionBegin() OK\n");
    return rc;
}

VSK_EXPORT sword OCISessionEnd(OCISvcCtx *svchp, OCIError *errhp, OCISession *usrhp, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    auto work = [&] { return end_session(svchp, errhp, usrhp); };
    return run_in_frame(env, OCI_FNCODE_SESSIONEND, work, svchp, errhp, usrhp, mode);
}

}  // extern "C"
