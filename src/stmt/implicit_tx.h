// The transactions the library opens and ends around statements on its own.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include "pqx/transaction.h"

struct OCIServer;

namespace vsk {

// Before a statement's first server step: "BEGIN" when no transaction is open, and the
// statement's savepoint with statement-level rollback, both going with that step.
void START_TRANSACTION(PGconn *conn, pqx::StatementKind kind = pqx::StatementKind::Other) noexcept;
// "COMMIT" when a transaction is open.
void COMMIT_TRANSACTION(PGconn *conn) noexcept;
// A server step failed: the statement is undone (to its savepoint with statement-level
// rollback), else the whole transaction is rolled back.
void ROLLBACK_TRANSACTION(OCIServer *server) noexcept;
// The failed result r recorded on errhp and released, then ROLLBACK_TRANSACTION; OCI_ERROR.
sword server_failure(OCIServer *server, OCIError *errhp, PGresult *r) noexcept;
// A request that could not be sent: 25407 with libpq's reason when the connection is
// gone, else what, then ROLLBACK_TRANSACTION; OCI_ERROR.
sword send_failure(OCIServer *server, OCIError *errhp, const char *what) noexcept;

}  // namespace vsk
