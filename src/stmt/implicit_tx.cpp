#include "stmt/implicit_tx.h"

#include "connect/records.h"
#include "pqx/command.h"
#include "pqx/extended.h"

namespace vsk {

namespace {

// Their results are not checked: a failure shows in the next statement's.
void run(PGconn *conn, const char *command) noexcept { PQclear(pqx::exec(conn, nullptr, command)); }

}  // namespace

void START_TRANSACTION(PGconn *conn) noexcept {
    if (!conn) return;
    PGTransactionStatusType status = pqx::transaction_status(conn);
    if (status == PQTRANS_IDLE || status == PQTRANS_UNKNOWN) run(conn, "BEGIN");
}

void COMMIT_TRANSACTION(PGconn *conn) noexcept {
    if (!conn) return;
    PGTransactionStatusType status = pqx::transaction_status(conn);
    if (status == PQTRANS_ACTIVE || status == PQTRANS_INTRANS) run(conn, "COMMIT");
}

void ROLLBACK_TRANSACTION(OCIServer *server) noexcept {
    if (!server || !server->conn || server->stmtLevelTx) return;
    PGTransactionStatusType status = pqx::transaction_status(server->conn);
    if (status == PQTRANS_ACTIVE || status == PQTRANS_INTRANS || status == PQTRANS_INERROR)
        run(server->conn, "ROLLBACK");
}

}  // namespace vsk
