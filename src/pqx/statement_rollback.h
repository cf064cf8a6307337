// Statement-level rollback on a server without it: a statement run inside an open
// transaction is preceded by a savepoint, sent with it in one exchange, and a failure
// rolls back to that savepoint, so the transaction and its earlier work survive.
#pragma once

#include <libpq-fe.h>

namespace vsk::pqx {

// PQexecPrepared, guarded as above when statement-level rollback is on and a
// transaction block is open; plain otherwise. Commands held back for the next one go in
// the same exchange. The result belongs to the caller.
PGresult *exec_prepared(PGconn *conn, void *errhp, const char *stmtName, int nParams, const char *const *values,
                        const int *lengths, const int *formats, int resultFormat) noexcept;

}  // namespace vsk::pqx
