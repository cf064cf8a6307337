// Results built on the client from rows already read: parts of a batch, two batches as
// one, and the description of a cursor whose rows are all here.
#pragma once

#include <libpq-fe.h>

namespace vsk::pqx {

// Rows [from, from + count) of a, then every row of b when given, under a's columns and
// status; null when memory runs out.
PGresult *copy_rows(const PGresult *a, int from, int count, const PGresult *b = nullptr) noexcept;

// What PQdescribePortal answers for a cursor whose rows have a's columns.
PGresult *describe_rows(PGconn *conn, const PGresult *a) noexcept;

}  // namespace vsk::pqx
