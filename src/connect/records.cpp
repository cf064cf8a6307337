#include "connect/records.h"

#include <cstdlib>

#include "connect/pool_book.h"
#include "connect/pool_sessions.h"
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
OCISPool *Alloc_OCISPool() noexcept {
    OCISPool *pool = new_record<OCISPool>(HANDLE_OCISPool);
    if (!pool) return nullptr;
    pool->book = new (std::nothrow) PoolBook();
    if (!pool->book) {
        delete_record(pool);
        return nullptr;
    }
    return pool;
}

void Free_OCIServer(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIServer)) return;
    auto *server = static_cast<OCIServer *>(h);
    close_server_connection(server);
    markCursorsClosed(env_of(server->hdr.parenth), server);
    // Service contexts and sessions must not keep pointing at a released server.
    if (OCIEnv *env = env_of(server->hdr.parenth)) {
        auto lock = lock_children(env);
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
        auto lock = lock_children(env);
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
    {
        // Other threads' statements are read too: their links change under the links lock.
        std::unique_lock<std::mutex> children, links;
        if (OCIEnv *env = env_of(svc->hdr.parenth)) {
            children = lock_children(env);
            links = lock_links(env);
            for (void *child : env->children)
                if (is_kind(child, HANDLE_OCIStmt) && static_cast<OCIStmt *>(child)->svcctx == svc)
                    static_cast<OCIStmt *>(child)->svcctx = nullptr;
        }
        for (OCIStmt *stmt : svc->stmtCache)
            if (is_kind(stmt, HANDLE_OCIStmt)) stmt->svcctx = nullptr;
    }
    // Released behind its pool's back: the pool must not hand it out again.
    if (is_kind(svc->pool, HANDLE_OCISPool)) svc->pool->book->forget(svc);
    delete_record(svc);
}

void Free_OCISPool(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCISPool)) return;
    auto *pool = static_cast<OCISPool *>(h);
    // Its sessions are closed with it, handed out or not.
    destroy_pool(pool, true);
    if (OCIEnv *env = env_of(pool->hdr.parenth)) {
        auto lock = lock_children(env);
        env->spools.remove(pool);
    }
    delete pool->book;
    delete_record(pool);
}

}  // namespace vsk
