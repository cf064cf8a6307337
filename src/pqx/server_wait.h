// The one place the library waits for the server. Without a time limit these are libpq's
// blocking calls and cost nothing more. Under the limit of an OCI call (arm_deadline) they
// wait with poll on the connection's socket: at the limit the command is cancelled and
// the server gets a grace period to answer; when it does not (a stalled network), the
// connection is shut and the call fails as a lost connection, never hanging.
#pragma once

#include <libpq-fe.h>

namespace vsk::pqx {

// Starts the time limit of a call on conn; false when one is in force already (an
// outer call's stands) or conn has no state. disarm_deadline ends it.
bool arm_deadline(PGconn *conn, unsigned milliseconds) noexcept;
void disarm_deadline(PGconn *conn) noexcept;

// PQgetResult, waiting under the limit.
PGresult *wait_result(PGconn *conn) noexcept;

// The blocking libpq calls, waiting under the limit: PQexec, PQexecParams,
// PQexecPrepared, PQprepare, PQdescribePrepared, PQdescribePortal.
PGresult *wait_exec(PGconn *conn, const char *sql) noexcept;
PGresult *wait_exec_params(PGconn *conn, const char *sql, int nParams, const Oid *types, const char *const *values,
                           const int *lengths, const int *formats, int resultFormat) noexcept;
PGresult *wait_exec_prepared(PGconn *conn, const char *stmtName, int nParams, const char *const *values,
                             const int *lengths, const int *formats, int resultFormat) noexcept;
PGresult *wait_prepare(PGconn *conn, const char *stmtName, const char *sql, int nParams, const Oid *types) noexcept;
PGresult *wait_describe_prepared(PGconn *conn, const char *stmtName) noexcept;
PGresult *wait_describe_portal(PGconn *conn, const char *portal) noexcept;

}  // namespace vsk::pqx
