// Rows of a fetched batch written into the define arrays, column by column.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

namespace vsk {

// The define of result column column (0-based), or null.
OCIDefine *find_define(const OCIStmt *stmt, int column) noexcept;

// The session date format the library applies on the statement's connection, or null.
const char *session_format_of(const OCIStmt *stmt) noexcept;

// Converts up to nrows rows of result, from *resultRow on, into elements 0.. of the
// defines; advances *resultRow and sets *rowsFetched. OCI_NO_DATA when fewer than nrows
// rows were there, else the last conversion's result; -1 with 24374 without defines.
// A NULL value of a define without indicators fails the call (1405, OCI_ERROR) once all
// the other values are in place; *delivered (when given) tells that they are.
sword fill_define_buffers(OCIError *errhp, OCIStmt *stmt, const PGresult *result, ub4 nrows, ub4 *resultRow,
                          ub4 *rowsFetched, bool *delivered = nullptr) noexcept;

// Row prefetchIndex of result into element 0 of every define (OCI_NO_DATA without
// defines), with the same rule for NULLs.
sword fill_define_buffers_prefetch(OCIError *errhp, OCIStmt *stmt, const PGresult *result, ub4 *resultRow,
                                   ub4 *rowsFetched, ub4 prefetchIndex) noexcept;

}  // namespace vsk
