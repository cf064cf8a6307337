#include "stmt/records.h"

#include <cstdlib>

#include "connect/records.h"
#include "env/env.h"
#include "stmt/describe_records.h"
#include "stmt/server_statement.h"
#include "pqx/server_listings.h"

namespace vsk {

std::unique_lock<std::mutex> lock_statement_links(const OCIStmt *stmt) noexcept {
    return lock_links(static_cast<OCIEnv *>(stmt->hdr.parenth));
}

OCIStmt *Alloc_OCIStmt() noexcept { return new_record<OCIStmt>(HANDLE_OCIStmt); }
OCIBind *Alloc_OCIBind() noexcept { return new_record<OCIBind>(HANDLE_OCIBind); }
OCIDefine *Alloc_OCIDefine() noexcept { return new_record<OCIDefine>(HANDLE_OCIDefine); }
OCIParam *Alloc_OCIParam() noexcept { return new_record<OCIParam>(HANDLE_OCIParam); }
OCIDescribe *Alloc_OCIDescribe() noexcept { return new_record<OCIDescribe>(HANDLE_OCIDescribe); }
OCITrans *Alloc_OCITrans() noexcept { return new_record<OCITrans>(HANDLE_OCITrans); }

void Free_OCIBind(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIBind)) return;
    auto *bind = static_cast<OCIBind *>(h);
    if (!bind->pgBorrowed) std::free(bind->pgValue);
    delete_record(bind);
}

void Free_OCIDefine(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIDefine)) return;
    delete_record(static_cast<OCIDefine *>(h));
}

void Free_OCIStmt(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIStmt)) return;
    auto *stmt = static_cast<OCIStmt *>(h);
    if (stmt->svcctx) stmt->svcctx->stmtCache.remove(stmt);
    // The server keeps cursors and prepared statements until they are released.
    PGconn *conn = stmt->pgPreparedServer ? stmt->pgPreparedServer->conn : nullptr;
    if (!conn && stmt->cursor && is_kind(stmt->cursor->server, HANDLE_OCIServer)) conn = stmt->cursor->server->conn;
    pqx::trace_server_objects(conn, "Free_OCIStmt, before");
    release_server_objects(stmt, nullptr);
    pqx::trace_server_objects(conn, "Free_OCIStmt, after");
    for (OCIBind *b : stmt->binds) Free_OCIBind(b);
    for (OCIDefine *d : stmt->defines) Free_OCIDefine(d);
    drop_result(stmt);
    PQclear(stmt->outResult);
    delete stmt->cursor;
    FreeMemFromStmtCache(stmt);
    delete_record(stmt);
}

void drop_result(OCIStmt *stmt) noexcept {
    if (stmt->resultShared && stmt->resultShared.get() == stmt->result) stmt->resultShared.reset();
    else PQclear(stmt->result);
    stmt->result = nullptr;
}

std::shared_ptr<const void> share_result(OCIStmt *stmt) noexcept {
    if (!stmt->result) return nullptr;
    if (stmt->resultShared.get() != stmt->result) {
        // The holder is made first, so running out of memory leaves the result with the
        // statement; from then on the holder alone frees it.
        struct Holder {
            PGresult *result = nullptr;
            ~Holder() { PQclear(result); }
        };
        try {
            auto holder = std::make_shared<Holder>();
            holder->result = stmt->result;
            stmt->resultShared = std::shared_ptr<PGresult>(holder, holder->result);
        } catch (...) {
            return nullptr;
        }
    }
    return stmt->resultShared;
}

void Free_OCIParam(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIParam)) return;
    auto *p = static_cast<OCIParam *>(h);
    delete p->record;
    delete_record(p);
}

void Free_OCIDescribe(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCIDescribe)) return;
    auto *d = static_cast<OCIDescribe *>(h);
    delete d->table;
    delete_record(d);
}

void Free_OCITrans(void *h) noexcept {
    if (!is_kind(h, HANDLE_OCITrans)) return;
    auto *t = static_cast<OCITrans *>(h);
    std::free(t->xid);
    delete_record(t);
}

void *AllocateMemFromStmtCache(OCIStmt *stmt, std::size_t size) noexcept {
    return is_kind(stmt, HANDLE_OCIStmt) ? cache_block(stmt->memCache, size) : nullptr;
}

void FreeMemFromStmtCache(OCIStmt *stmt) noexcept {
    if (is_kind(stmt, HANDLE_OCIStmt)) free_cache(stmt->memCache);
}

}  // namespace vsk
