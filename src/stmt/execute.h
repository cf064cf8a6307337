// Running a server-prepared statement, opening a query's cursor and fetching its rows:
// the pieces OCIStmtExecute and OCIStmtFetch are made of.
#pragma once

#include <oci.h>

struct OCIServer;

namespace vsk {

// Runs the statement by kind (simple command, query, DML, block). -2 for bad records.
sword ExecuteOCIStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept;
// One server execution of the prepared DML per iteration from rowoff to iters - 1.
sword ExecuteDMLStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept;

// Opens the query: a portal, or a declared WITH HOLD cursor (cursor modes). With
// *finished false and OCI_SUCCESS the execution goes on to ExecuteOCIStmt; otherwise it
// ends with the result (describe-only ends here).
sword open_query(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 rowoff, ub4 mode, bool *finished) noexcept;

// A fresh cursor record for the query, or the existing one with its portal closed.
int prepareCursor(OCIServer *server, OCIStmt *stmt, OCIError *errhp, bool reopening = false) noexcept;

// The first batch, requested by OCIStmtExecute with iters > 0.
sword fetchResults(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters) noexcept;
// Its size (exact fetch and prefetching count), and its rows, once in stmt->result,
// handed to the defines.
ub4 first_batch_size(OCIStmt *stmt, ub4 iters) noexcept;
sword deliver_first_batch(OCIStmt *stmt, OCIError *errhp, ub4 iters) noexcept;
// One OCIStmtFetch/OCIStmtFetch2 after the checks.
sword doFetch(OCIStmt *stmt, OCIError *errhp, ub4 nrows, ub2 orientation, sb4 fetchOffset) noexcept;

// The statement received a server cursor through a REF CURSOR bind of parent: it becomes
// a query fetched from that cursor.
void InitializeChildStmt(OCIStmt *stmt, OCIStmt *parent) noexcept;

// A notice turned into a warning record during the call makes a success
// OCI_SUCCESS_WITH_INFO; the mark is cleared either way.
sword with_notices(OCIError *errhp, sword rc) noexcept;

}  // namespace vsk
