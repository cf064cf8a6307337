#include "stmt/server_statement.h"

#include <vector>

#include "connect/records.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"
#include "stmt/cursors.h"
#include "stmt/implicit_tx.h"
#include "stmt/placeholders.h"
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

int rebind_prepared(OCIServer *server, OCIStmt *stmt, OCIError *errhp) noexcept {
    constexpr ub4 kErrBindOrDefine = 24305, kErrNoMemory = 16506;
    if (!stmt->serverPrepared || !stmt->paramBinds.empty() || stmt->binds.empty()) return 0;
    try {
        std::vector<OCIBind *> binds(stmt->binds.begin(), stmt->binds.end());
        RewrittenText rw;
        if (!ReplacePlaceholders(binds, stmt->isCall ? stmt->rewrittenText : stmt->stmtText, &rw))
            return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), -1;
        if (!stmt->isCall && rw.paramBinds.size() == stmt->paramCount && rw.paramTypes == stmt->paramTypes) {
            stmt->paramBinds = std::move(rw.paramBinds);
            return 0;
        }
        // A query's server statement belongs to its cursor; anything else's to the statement.
        std::string &name = stmt->cursor && !stmt->cursor->stmtName.empty() ? stmt->cursor->stmtName
                                                                            : stmt->preparedName;
        if (!name.empty() && deallocateStatement(server, errhp, name) != 0) return -1;
        name.clear();
        stmt->sessionDateParams.clear();
        auto lock = lock_statement_links(stmt);
        stmt->pgPreparedServer = nullptr;
        stmt->serverPrepared = 0;
        return 0;
    } catch (...) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), -1;
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
