// The form a query's rows travel in. Binary only pays where it is the value's own
// bytes (bytea, which text form doubles as hex), and is taken only where every column
// of the query reads the same in either form.
#pragma once

#include <libpq-fe.h>
#include <oci.h>

#include <vector>

namespace vsk {

// 1 when the rows of a query with these result column types are best fetched in binary
// form for the statement's defines, else 0 (also when the types are unknown).
int result_format(const OCIStmt *stmt, const std::vector<Oid> *columns) noexcept;

}  // namespace vsk
