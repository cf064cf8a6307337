// Answers, on a server without the vendor extras, for the commands that only such a
// server understands.
#pragma once

#include <libpq-fe.h>

#include "pqx/connection.h"

namespace vsk::pqx {

// When command is one the stand-ins answer (and the server lacks the extras), stores
// its effect in state and returns the result the server would have given; else null.
// "ALTER SESSION SET NLS_DATE_FORMAT = '...'", "SET vsk_stmt_level_tx = on|off",
// "RESET vsk_stmt_level_tx", "SHOW vsk_stmt_level_tx".
PGresult *answer_standin(PGconn *conn, ConnState *state, const char *command) noexcept;

// Whether a failed statement rolls back only itself on this connection.
bool statement_level_rollback(const PGconn *conn) noexcept;

// Writes the wait statistics of the session to the trace log (category 8192 only).
void traceKeltoCounters(PGconn *conn) noexcept;

}  // namespace vsk::pqx
