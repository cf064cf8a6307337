// What a statement leaves on the server, and its release.
#pragma once

#include <oci.h>

#include <string>

struct OCIServer;

namespace vsk {

// "DEALLOCATE name" on the server; -1 with the server's error recorded (and the
// transaction rolled back) on failure, else 0.
int deallocateStatement(OCIServer *server, OCIError *errhp, const std::string &name) noexcept;

// Everything an earlier preparation of stmt left on the server: its query's cursor and
// prepared statement, and a non-query's prepared statement. Clears the server-side state.
void release_server_objects(OCIStmt *stmt, OCIError *errhp) noexcept;

}  // namespace vsk
