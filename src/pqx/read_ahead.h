// Reading a cursor's next batch while the caller converts the current one: after a full
// batch, the FETCH of the next is sent at once and its answer read when it is asked for
// (or when anything else needs the connection), so the server's work and the client's
// overlap instead of taking turns.
#pragma once

#include <libpq-fe.h>

#include <string>

#include "pqx/connection.h"

namespace vsk::pqx {

// "FETCH FORWARD <count> FROM <quoted portal>"; empty when the name cannot be quoted.
std::string fetch_command(PGconn *conn, const std::string &portal, int count);

// Sends FETCH FORWARD count of portal ahead of the caller's request. Only for cursors
// bound through pqx without scroll, on a blocking connection with nothing in flight.
// Inside a transaction block it runs between SAVEPOINT and RELEASE, so that its failure
// leaves the transaction as it was until the caller asks for those rows.
void read_ahead(PGconn *conn, ConnState *state, const std::string &portal, int count) noexcept;

// Reads the FETCH in flight, if any, into its cursor's record; every other use of the
// connection comes after this. Notices it raised are kept for the caller of the rows.
void settle_read_ahead(PGconn *conn, ConnState *state) noexcept;

// Nothing of the connection's is on the wire or waiting to be handed out: the read-ahead
// and any non-blocking work are settled, and answers kept for later callers dropped.
void settle_connection(PGconn *conn, ConnState *state) noexcept;

// The answer to FETCH FORWARD count of portal from rows read ahead (topped up from the
// server or split as count requires), their notices replayed through the current
// notice processor; null when nothing usable was read ahead.
PGresult *take_read_ahead(PGconn *conn, ConnState *state, const std::string &portal, int count) noexcept;

}  // namespace vsk::pqx
