// Records of the connection subsystem: server, session, service context and session pool.
#pragma once

#include <oci.h>

#include <optional>
#include <string>

#include <libpq-fe.h>

#include "env/handle.h"
#include "env/list.h"

struct OCIStmt;
struct OCISPool;

namespace vsk {
class PoolBook;
}

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
    // The pool that handed this service context out, until it is released for good.
    OCISPool *pool;
    // Settings drivers make and read back (OCI_ATTR_STMTCACHESIZE, OCI_ATTR_CALL_TIMEOUT).
    ub4 stmtCacheSize;
    ub4 callTimeout;
};

struct OCISPool {
    vsk::Header hdr;
    ub4 sessMin;
    ub4 sessMax;
    ub4 sessIncr;
    // "OCI:SP:" and a suffix unique in the process; handed to the program, which finds
    // the pool again by it.
    std::string poolName;
    // Connect string and credentials, UTF-8.
    std::string connStr;
    std::string userid;
    std::string password;
    ub4 poolMode;
    ub4 stmtCacheSize;
    // Stored for drivers that set it; one server has no shards.
    ub4 maxPerShard;
    // Session handle whose module and other settings new sessions copy (OCI_ATTR_SPOOL_AUTH).
    OCISession *auth;
    // Set once OCISessionPoolCreate succeeded; cleared by OCISessionPoolDestroy.
    ub1 created;
    // Lists, counts and settings, shared by the threads using the pool.
    vsk::PoolBook *book;
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
