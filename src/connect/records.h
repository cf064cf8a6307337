// Records of the connection subsystem: server, session, service context and session pool.
#pragma once

#include <oci.h>

#include <optional>
#include <string>

#include <libpq-fe.h>

#include "env/handle.h"
#include "env/list.h"

struct OCIStmt;

struct OCIServer {
    vsk::Header hdr;
    ub1 attached;
    // The connect string as given (UTF-8) and what it resolved to; unset fields get
    // the attach defaults.
    std::string dblink;
    ub4 dblinkLength;
    std::optional<std::string> host;
    std::optional<std::string> port;
    std::optional<std::string> dbname;
    std::optional<std::string> uri;
    // Open between OCISessionBegin and OCISessionEnd.
    PGconn *conn;
    ub1 nonBlocking;
    ub1 breakRequested;
    ub1 stmtLevelTx;
    // Cursor defaults of statements run through this server (library attributes).
    ub4 defaultCursorMode;
    ub4 defaultCursorTxMode;
    ub1 uriMode;
    // NLS_DATE_FORMAT taken at session begin, sent before the next statement.
    std::optional<std::string> nlsDateFormat;
    ub1 nlsDateFormatPending;
    ub1 nlsDateFormatApplied;
};

struct OCISession {
    vsk::Header hdr;
    std::string username;
    std::string password;
    std::string module;
    std::string sslmode;
    // Set when the session came from a session pool.
    ub1 pooled;
    // OCI_ATTR_DRIVER_NAME: the connection's application name when no module is set.
    std::string driverName;
    // The server the session was begun on; null before OCISessionBegin.
    OCIServer *server;
    vsk::PtrList<char> texts;
    // Context entries of OCIContextSetValue (services/context_values.h).
    vsk::PtrList<void> contextValues;
};

struct OCISvcCtx {
    vsk::Header hdr;
    OCIServer *server;
    OCISession *session;
    void *trans;
    ub1 stmtCacheEnabled;
    vsk::PtrList<OCIStmt> stmtCache;
    // Settings drivers make and read back (OCI_ATTR_STMTCACHESIZE, OCI_ATTR_CALL_TIMEOUT).
    ub4 stmtCacheSize;
    ub4 callTimeout;
};

struct OCISPool {
    vsk::Header hdr;
    ub4 stmtCacheSize;
};

namespace vsk {

OCIServer *Alloc_OCIServer() noexcept;
OCISession *Alloc_OCISession() noexcept;
OCISvcCtx *Alloc_OCISvcCtx() noexcept;
OCISPool *Alloc_OCISPool() noexcept;

// Each does nothing for a record of another kind.
void Free_OCIServer(void *h) noexcept;
void Free_OCISession(void *h) noexcept;
void Free_OCISvcCtx(void *h) noexcept;
void Free_OCISPool(void *h) noexcept;

}  // namespace vsk
