// Array INSERT and UPDATE (iters N): every row's bind values converted first, then all
// rows sent to the server in one exchange.
#pragma once

#include <oci.h>

struct OCIServer;

namespace vsk {

// Rows rowoff .. iters - 1 of the statement's binds as one array operation, in the mode
// of the execution (OCI_BATCH_ERRORS, OCI_RETURN_ROW_COUNT_ARRAY). A conversion failure
// in any row sends nothing.
sword ExecuteBulkInsertUpdateStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff,
                                  ub4 mode) noexcept;

// OCIParamGet on an error handle: fills the application's error handle *parmdpp with the
// pos-th (0-based) row error that source keeps from an execution with OCI_BATCH_ERRORS.
sword batch_error_param(OCIError *source, OCIError *errhp, void **parmdpp, ub4 pos) noexcept;

}  // namespace vsk
