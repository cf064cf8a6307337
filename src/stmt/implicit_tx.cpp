#include "stmt/implicit_tx.h"

#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/error.h"
#include "pqx/connection.h"
#include "pqx/pg_error.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrConnectionTerminated = 25407;

}  // namespace

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

sword send_failure(OCIServer *server, OCIError *errhp, const char *what) noexcept {
    if (server && pqx::take_out_of_memory(server->conn))
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
    else if (server && PQstatus(server->conn) == CONNECTION_BAD)
        add_connection_error(errhp, kErrConnectionTerminated, server->conn);
    else
        AddErrorRecordMsg(errhp, OCI_ERROR, what);
    ROLLBACK_TRANSACTION(server);
    return OCI_ERROR;
}

}  // namespace vsk
