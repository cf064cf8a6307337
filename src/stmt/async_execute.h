// Non-blocking execution (server attribute OCI_ATTR_NONBLOCKING_MODE): OCIStmtExecute
// sends the statement and returns OCI_STILL_EXECUTING; the application calls it again
// to poll until the server has answered.
#pragma once

#include <oci.h>

struct OCIServer;

namespace vsk {

// A single DML execution, an array operation, and a query's first batch, sent.
sword start_async_dml(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept;
sword ExecuteAsyncBulkInsertUpdateStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters,
                                       ub4 rowoff) noexcept;
sword continueAsyncSelect(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept;

// A later OCIStmtExecute of a statement whose execution is under way; *underway false
// when there is none (the call is a new execution).
sword continue_async(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, ub4 mode,
                     bool *underway) noexcept;

}  // namespace vsk
