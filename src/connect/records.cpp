#include "connect/records.h"

#include <cstdlib>

#include "connect/server_connection.h"
#include "env/env.h"
#include "services/context_values.h"
#include "stmt/cursors.h"
#include "stmt/records.h"

namespace vsk {

OCIServer *Alloc_OCIServer() noexcept {
    OCIServer *s = new_record<OCIServer>(HANDLE_OCIServer);
    if (s && std::getenv("OCI_WITH_HOLD")) s->defaultCursorMode = 1;
    return s;
}

OCISession *Alloc_OCISession() noexcept { return new_record<OCISession>(HANDLE_OCISession); }
OCISvcCtx *Alloc_OCISvcCtx() noexcept { return new_record<OCISvcCtx>(HANDLE_OCISvcCtx); }
OCISPool *Alloc_OCISPool() noexcept { return new_record<OCISPool>(HANDLE_OCISPool); }

void Free_OCIServer(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIServer)) return;
    auto *server = static_cast<OCIServer *>(h);
    close_server_connection(server);
    markCursorsClosed(env_of(server->hdr.parenth), server);
    // Service contexts and sessions must not keep pointing at a released server.
    if (OCIEnv *env = env_of(server->hdr.parenth)) {
        for (void *child : env->children) {
            if (is_kind(child, HANDLE_OCISvcCtx) && static_cast<OCISvcCtx *>(child)->server == server)
                static_cast<OCISvcCtx *>(child)->server = nullptr;
            if (is_kind(child, HANDLE_OCISession) && static_cast<OCISession *>(child)->server == server)
                static_cast<OCISession *>(child)->server = nullptr;
        }
    }
    delete_record(server);
}

void Free_OCISession(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCISession)) return;
    auto *session = static_cast<OCISession *>(h);
    // Service contexts must not keep pointing at a released session.
    if (OCIEnv *env = env_of(session->hdr.parenth)) {
        for (void *child : env->children)
            if (is_kind(child, HANDLE_OCISvcCtx) && static_cast<OCISvcCtx *>(child)->session == session)
                static_cast<OCISvcCtx *>(child)->session = nullptr;
    }
    for (char *t : session->texts) std::free(t);
    context_free_all(session->contextValues);
    delete_record(session);
}

void Free_OCISvcCtx(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCISvcCtx)) return;
    auto *svc = static_cast<OCISvcCtx *>(h);
    if (OCIEnv *env = env_of(svc->hdr.parenth)) {
        for (void *child : env->children)
            if (is_kind(child, HANDLE_OCIStmt) && static_cast<OCIStmt *>(child)->svcctx == svc)
                static_cast<OCIStmt *>(child)->svcctx = nullptr;
    }
    for (OCIStmt *stmt : svc->stmtCache)
        if (is_kind(stmt, HANDLE_OCIStmt)) stmt->svcctx = nullptr;
    delete_record(svc);
}

void Free_OCISPool(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCISPool)) return;
    auto *pool = static_cast<OCISPool *>(h);
    if (OCIEnv *env = env_of(pool->hdr.parenth)) env->spools.remove(pool);
    delete_record(pool);
}

}  // namespace vsk
