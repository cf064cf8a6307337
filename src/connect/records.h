// Records of the connection subsystem: server, session, service context and session pool.
#pragma once

#include <oci.h>

#include <string>

#include "env/handle.h"
#include "env/list.h"

struct OCIServer {
    vsk::Header hdr;
    // Cursor defaults of statements run through this server (library attributes).
    ub4 defaultCursorMode;
    ub4 defaultCursorTxMode;
    ub1 stmtLevelTx;
    ub1 nonBlocking;
};

struct OCISession {
    vsk::Header hdr;
    std::string username;
    std::string password;
    std::string newPassword;
    std::string module;
    std::string sslmode;
    vsk::PtrList<char> texts;
};

struct OCISvcCtx {
    vsk::Header hdr;
    OCIServer *server;
    OCISession *session;
    void *trans;
    vsk::PtrList<void> stmts;
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
