// A statement handle bound as a REF CURSOR OUT value becomes a query over the cursor the
// server opened and named.
#include <string>

#include "connect/records.h"
#include "connect/server_connection.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "stmt/execute.h"
#include "stmt/records.h"

namespace vsk {

void InitializeChildStmt(OCIStmt *stmt, OCIStmt *parent) noexcept {
    if (!is_kind(stmt, HANDLE_OCIStmt) || !is_kind(parent, HANDLE_OCIStmt)) return;
    try {
        // The conversion left the server's cursor name in stmtName.
        stmt->preparedName = stmt->stmtName;
        // A cursor the handle received before is the server's to close with its transaction.
        {
            auto lock = lock_statement_links(stmt);
            delete stmt->cursor;
            stmt->cursor = nullptr;
            stmt->pgPreparedServer = nullptr;
            stmt->svcctx = parent->svcctx;
        }
        drop_result(stmt);
        PQclear(stmt->outResult);
        stmt->outResult = nullptr;
        stmt->stmtType = OCI_STMT_SELECT;
        stmt->executed = 0;
        stmt->language = OCI_NTV_SYNTAX;
        stmt->prepared = 1;
        stmt->serverPrepared = 1;
        stmt->isRefCursor = 1;
        stmt->refCursorOpened = 0;
        stmt->paramCount = 0;
        stmt->execMode = OCI_DEFAULT;
        stmt->prefetchCount = stmt->prefetchIndex = stmt->resultRow = stmt->rowsFetched = 0;
        OCIServer *server = server_of(stmt->svcctx);
        PGconn *conn = server ? server->conn : nullptr;
        const std::string quoted = pqx::quote_identifier(conn, stmt->preparedName);
        stmt->stmtText = "FETCH NEXT IN " + (quoted.empty() ? "\"\"" : quoted);
        if (conn) stmt->result = pqx::describe_portal(conn, stmt->preparedName.c_str());
    } catch (...) {
        stmt->prepared = 0;
    }
}

}  // namespace vsk
