// The libpq connection a server handle owns, and how calls find their server.
#pragma once

#include <oci.h>

#include "connect/records.h"

namespace vsk {

// Writes the wait statistics (when traced) and closes the server's connection, if any.
void close_server_connection(OCIServer *server) noexcept;

// The server named by a service context or a server handle; null for anything else.
OCIServer *server_of(void *hndlp) noexcept;

// The library's error records for connection failures carry libpq's message.
sword add_connection_error(OCIError *errhp, ub4 number, const PGconn *conn) noexcept;

bool connection_ok(const OCIServer *server) noexcept;

// Turns statement-level rollback on or off for the server's connection; false with the
// server's answer recorded on errhp.
bool set_statement_rollback(OCIServer *server, OCIError *errhp, bool on) noexcept;

// A PQserverVersion number packed as OCI release numbers:
// major << 24 | (minor & 0xF) << 20 | (patch & 0xFF) << 12, from v = major * 10000 + minor * 100 + patch.
ub4 pack_server_version(int v) noexcept;

}  // namespace vsk
