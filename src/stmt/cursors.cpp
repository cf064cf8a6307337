#include "stmt/cursors.h"

#include <string>

#include "connect/records.h"
#include "env/env.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"
#include "stmt/server_statement.h"

namespace vsk {

PGresult *execSimpleCommand(PGconn *conn, const char *text, OCIError *errhp) noexcept {
    return pqx::exec(conn, errhp, text);
}

bool simpleCommandFailed(const PGresult *result) noexcept {
    const ExecStatusType s = PQresultStatus(result);
    return !result || (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK);
}

void closePortal(Cursor *cursor, OCIError *, bool reopening) noexcept {
    if (!cursor) return;
    if (!cursor->portalName.empty()) {
        ocitrace(TRACE_CURSORS, "closePortal", "closing %s\n", cursor->portalName.c_str());
        PGconn *conn = is_kind(cursor->server, HANDLE_OCIServer) ? cursor->server->conn : nullptr;
        if (!conn || pqx::PQsendClosePortal(conn, cursor->portalName.c_str(), reopening) != 1)
            ocitrace(TRACE_CURSORS, "closePortal", "close of %s FAILED\n", cursor->portalName.c_str());
        cursor->portalName.clear();
    }
    cursor->state = Cursor::CLOSED;
}

int deallocateCursor(OCIServer *server, OCIStmt *stmt, OCIError *errhp, bool deallocate) noexcept {
    try {
        Cursor *cursor = stmt->cursor;
        if (stmt->isRefCursor && cursor) {
            ocitrace(TRACE_CURSORS, "closeStatement", "deallocating %s\n", cursor->stmtName.c_str());
            PGconn *conn = is_kind(server, HANDLE_OCIServer) ? server->conn : nullptr;
            // The name comes from the server: quoted, it cannot end the identifier.
            std::string command = "CLOSE " + pqx::quote_identifier(conn, cursor->stmtName);
            PGresult *r = execSimpleCommand(conn, command.c_str(), errhp);
            const bool failed = PQresultStatus(r) != PGRES_COMMAND_OK;
            if (failed) {
                ocitrace(TRACE_CURSORS, "closeStatement", "closing %s FAILED\n", cursor->stmtName.c_str());
                AddPGErrorRecord(errhp, OCI_ERROR, r);
            }
            PQclear(r);
            if (failed) {
                ROLLBACK_TRANSACTION(server);
                return -1;
            }
            closePortal(cursor, errhp);
            cursor->stmtName.clear();
            stmt->preparedName.clear();
            return 0;
        }
        if (cursor) {
            if (!cursor->stmtName.empty()) {
                // The CLOSE first: a transaction that only this query used ends with it.
                closePortal(cursor, errhp);
                if (deallocateStatement(server, errhp, cursor->stmtName) != 0) return -1;
                cursor->stmtName.clear();
                return 0;
            }
            if (!cursor->portalName.empty()) {
                if (cursor->state != Cursor::CLOSED && is_kind(server, HANDLE_OCIServer)) {
                    PQclear(execSimpleCommand(server->conn, ("CLOSE " + cursor->portalName).c_str(), errhp));
                    cursor->state = Cursor::CLOSED;
                }
                cursor->portalName.clear();
            }
            return 0;
        }
        if (deallocate && !stmt->preparedName.empty() && deallocateStatement(server, errhp, stmt->preparedName) == 0) {
            stmt->preparedName.clear();
            stmt->serverPrepared = 0;
            auto lock = lock_statement_links(stmt);
            stmt->pgPreparedServer = nullptr;
        }
        return 0;
    } catch (...) {
        return -1;
    }
}

void markCursorsClosed(OCIEnv *env, OCIServer *server) noexcept {
    if (!env || !server) return;
    auto lock = lock_children(env);
    auto links = lock_links(env);
    for (void *child : env->children) {
        if (!is_kind(child, HANDLE_OCIStmt)) continue;
        auto *stmt = static_cast<OCIStmt *>(child);
        if (stmt->cursor && stmt->cursor->server == server) {
            stmt->cursor->state = Cursor::CLOSED;
            stmt->cursor->stmtName.clear();
            stmt->cursor->portalName.clear();
            stmt->cursor->server = nullptr;
        }
        // The service context keeps its server, so that a new session can begin on it.
        if (stmt->pgPreparedServer == server ||
            (is_kind(stmt->svcctx, HANDLE_OCISvcCtx) && stmt->svcctx->server == server)) {
            stmt->preparedName.clear();
            stmt->serverPrepared = 0;
            stmt->pgPreparedServer = nullptr;
        }
    }
}

void ClearOCIStmtResultset(OCIServer *server, OCIStmt *stmt) noexcept {
    PQclear(stmt->outResult);
    stmt->outResult = nullptr;
    PGconn *conn = is_kind(server, HANDLE_OCIServer) ? server->conn : nullptr;
    if (conn)
        while (PGresult *r = pqx::PQgetOutResult(conn)) PQclear(r);
    drop_result(stmt);
    if (conn)
        while (PGresult *r = pqx::get_result(conn, nullptr)) PQclear(r);
}

}  // namespace vsk
