#include "stmt/server_statement.h"

#include "connect/records.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"
#include "stmt/cursors.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"
#include "connect/server_connection.h"

namespace vsk {

int deallocateStatement(OCIServer *server, OCIError *errhp, const std::string &name) noexcept {
    if (!is_kind(server, HANDLE_OCIServer) || !server->conn) return -1;
    try {
        ocitrace(TRACE_CURSORS, "deallocateStatement", "deallocating %s\n", name.c_str());
        PGresult *r = pqx::exec(server->conn, errhp, ("DEALLOCATE " + name).c_str());
        const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        if (!ok) {
            ocitrace(TRACE_CURSORS, "deallocateStatement", "deallocating %s FAILED\n", name.c_str());
            AddPGErrorRecord(errhp, OCI_ERROR, r);
        }
        PQclear(r);
        if (!ok) ROLLBACK_TRANSACTION(server);
        return ok ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

void release_server_objects(OCIStmt *stmt, OCIError *errhp) noexcept {
    if (stmt->cursor) {
        OCIServer *server = server_of(stmt->svcctx);
        if (!server) server = stmt->cursor->server;
        if (is_kind(server, HANDLE_OCIServer) && server->conn) deallocateCursor(server, stmt, errhp, true);
    }
    if (!stmt->preparedName.empty() && stmt->pgPreparedServer)
        deallocateStatement(stmt->pgPreparedServer, errhp, stmt->preparedName);
    stmt->preparedName.clear();
    stmt->sessionDateParams.clear();
    auto lock = lock_statement_links(stmt);
    stmt->pgPreparedServer = nullptr;
    stmt->prepared = stmt->serverPrepared = stmt->executed = 0;
}

}  // namespace vsk
