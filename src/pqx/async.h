// Commands sent without waiting for their answer, for the library's non-blocking
// execution: the caller polls, and gets OCI_STILL_EXECUTING until the server has
// answered. The connection stays in libpq's blocking mode; only the waiting moves to the
// caller. Any other use of the connection first waits for the answer and drops it.
#pragma once

#include <libpq-fe.h>

#include "pqx/bulk.h"
#include "pqx/connection.h"

namespace vsk::pqx {

// What a poll found.
enum class Poll {
    Busy,  // the server is still working
    Done,  // the answer is in (the result, possibly a failure, goes to the caller)
};

// The prepared statement executed once, not waited for. Commands held back go first, in
// their own exchange. 1 when sent.
int send_prepared_async(PGconn *conn, void *errhp, const char *stmtName, int nParams, const char *const *values,
                        const int *lengths, const int *formats) noexcept;
// FETCH FORWARD count of a cursor bound through pqx (its DECLARE goes first), not waited
// for. 1 when sent.
int send_fetch_async(PGconn *conn, void *errhp, const char *portalName, int count) noexcept;
// Reads what has arrived without blocking. Done: *result is the command's answer (the
// caller owns it; null when none came).
Poll poll_async(PGconn *conn, void *errhp, PGresult **result) noexcept;
// Whether an answer is still awaited.
bool async_pending(const PGconn *conn) noexcept;
// Waits for whatever answer is still awaited and drops it: the connection is needed for
// something else.
void settle_async(PGconn *conn, ConnState *state) noexcept;
void drop_async(PGconn *conn) noexcept;

// The vendor client library's non-blocking array calls, over a pipeline: start (statement
// and formats), the rows, then the finish, whose answers poll_bulk reads as they come.
int PQsendBulkStart(PGconn *conn, const char *stmtName, int nParams, const int *formats) noexcept;
int PQsendBulk(PGconn *conn, int nRows, const char *const *values, const int *lengths) noexcept;
// 7 on failure, else 1.
int PQsendBulkFinish(PGconn *conn) noexcept;
// Busy until every row's answer and the finish are read. Done: *failure is the first
// failing row's answer, or null; *affected the rows affected.
Poll poll_bulk(PGconn *conn, void *errhp, PGresult **failure, unsigned long long *affected) noexcept;

}  // namespace vsk::pqx
