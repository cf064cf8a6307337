// Bound values at execution: converting each bind's element of one iteration into a
// server parameter, and writing OUT values back into the application's buffers.
#pragma once

#include <oci.h>

#include <vector>

namespace vsk {

// Converts every bind's element of iteration into pgValue/pgLength/pgFormat (the
// function result's bind excepted). 0 or 1 (the last conversion's result), 99 when a
// data-at-exec bind has no input callback, -1 or -2 on failure (values released).
int GetOCIBindData(OCIStmt *stmt, OCIError *errhp, ub4 iteration) noexcept;

// The server call's parameter arrays, one entry per server parameter.
struct ParamArrays {
    std::vector<const char *> values;
    std::vector<int> lengths;
    std::vector<int> formats;
};
int bindPgValues(const OCIStmt *stmt, ParamArrays *out) noexcept;

void release_binds_pgdata(OCIStmt *stmt) noexcept;

// Writes a call's function result and OUT values of iteration into their binds. A NULL
// sets the bind's indicator to -1; without an indicator 1405 is recorded and, once the
// other values are written, the result is -1.
int fill_bind_parameters(OCIStmt *stmt, OCIError *errhp, ub4 iteration) noexcept;

}  // namespace vsk
