// The transactions the library opens and ends around statements on its own.
#pragma once

#include <libpq-fe.h>

struct OCIServer;

namespace vsk {

// "BEGIN" when the connection is idle (or its state unknown).
void START_TRANSACTION(PGconn *conn) noexcept;
// "COMMIT" when a transaction is open and not failed.
void COMMIT_TRANSACTION(PGconn *conn) noexcept;
// "ROLLBACK" of an open or failed transaction, unless statement-level rollback is on.
void ROLLBACK_TRANSACTION(OCIServer *server) noexcept;

}  // namespace vsk
