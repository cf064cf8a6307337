// Closing and deallocating what queries leave on the server.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

struct OCIServer;

namespace vsk {

struct Cursor;

// PQexec through the notice handler, and its failure test (no result, or neither
// command nor tuples).
PGresult *execSimpleCommand(PGconn *conn, const char *text, OCIError *errhp) noexcept;
bool simpleCommandFailed(const PGresult *result) noexcept;

// Closes the cursor's portal without waiting for the answer; state becomes closed.
// reopening: the statement runs again right away (its commands can take the close along).
void closePortal(Cursor *cursor, OCIError *errhp, bool reopening = false) noexcept;
// Releases the statement's cursor (and with deallocate its prepared statement) on the server.
int deallocateCursor(OCIServer *server, OCIStmt *stmt, OCIError *errhp, bool deallocate) noexcept;
// Forgets, without server traffic, every cursor and prepared statement of the
// environment's statements that lives on server (its connection is going away).
void markCursorsClosed(OCIEnv *env, OCIServer *server) noexcept;
// Drops the statement's results and any results still pending on the connection.
void ClearOCIStmtResultset(OCIServer *server, OCIStmt *stmt) noexcept;

}  // namespace vsk
