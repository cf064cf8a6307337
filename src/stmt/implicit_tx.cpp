#include "stmt/implicit_tx.h"

#include "connect/records.h"
#include "pqx/pg_error.h"

namespace vsk {

void START_TRANSACTION(PGconn *conn, pqx::StatementKind kind) noexcept { pqx::begin_statement(conn, kind); }

void COMMIT_TRANSACTION(PGconn *conn) noexcept { pqx::commit_implicit(conn); }

void ROLLBACK_TRANSACTION(OCIServer *server) noexcept {
    if (!server || !server->conn) return;
    pqx::undo_statement(server->conn, server->stmtLevelTx != 0);
}

sword server_failure(OCIServer *server, OCIError *errhp, PGresult *r) noexcept {
    AddPGErrorRecord(errhp, OCI_ERROR, r);
    PQclear(r);
    ROLLBACK_TRANSACTION(server);
    return OCI_ERROR;
}

}  // namespace vsk
