// Trace listings of the cursors and prepared statements the server holds for the session.
#pragma once

#include <libpq-fe.h>

namespace vsk::pqx {

// Both listings under the cursor trace category, labelled; nothing is sent unless it is on.
void trace_server_objects(PGconn *conn, const char *label) noexcept;

}  // namespace vsk::pqx
