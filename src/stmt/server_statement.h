// What a statement leaves on the server, and its release.
#pragma once

#include <oci.h>

#include <string>

struct OCIServer;

namespace vsk {

// "DEALLOCATE name" on the server; -1 with the server's error recorded (and the
// transaction rolled back) on failure, else 0.
int deallocateStatement(OCIServer *server, OCIError *errhp, const std::string &name) noexcept;

// A statement handed out again by the statement cache keeps its server statement but not
// its binds: the program's new binds take the parameters' places. Binds of other types (or
// of a call, whose parameter modes are not kept) release the server statement, so that the
// execution prepares it again. -1 with a record when a bind names no placeholder or the
// release fails, else 0.
int rebind_prepared(OCIServer *server, OCIStmt *stmt, OCIError *errhp) noexcept;

// Everything an earlier preparation of stmt left on the server: its query's cursor and
// prepared statement, and a non-query's prepared statement. Clears the server-side state.
void release_server_objects(OCIStmt *stmt, OCIError *errhp) noexcept;

}  // namespace vsk
