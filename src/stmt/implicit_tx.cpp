#include "stmt/implicit_tx.h"

#include "connect/records.h"

namespace vsk {

void START_TRANSACTION(PGconn *conn, pqx::StatementKind kind) noexcept { pqx::begin_statement(conn, kind); }

void COMMIT_TRANSACTION(PGconn *conn) noexcept { pqx::commit_implicit(conn); }

void ROLLBACK_TRANSACTION(OCIServer *server) noexcept {
    if (!server || !server->conn) return;
    pqx::undo_statement(server->conn, server->stmtLevelTx != 0);
}

}  // namespace vsk
