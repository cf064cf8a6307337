// Client-library operations beyond stock libpq that the statement code relies on:
// OUT parameters of CALL, named portals bound without running them, and closing a
// portal without waiting. All are built over standard libpq (SQL cursors for portals)
// and go through pqx like every other command.
#pragma once

#include <libpq-fe.h>

#include <vector>

namespace vsk::pqx {

enum ParamMode : int { PARAM_IN = 1, PARAM_OUT = 2, PARAM_INOUT = 3 };

// PQprepare that remembers the text, types and modes under stmtName (null paramTypes:
// all unspecified; null paramModes: all IN). Null when a mode is not a ParamMode.
PGresult *PQprepareOut(PGconn *conn, const char *stmtName, const char *query, int nParams, const Oid *paramTypes,
                       const int *paramModes) noexcept;
// PQprepare that remembers the text and types (all IN).
PGresult *prepare(PGconn *conn, const char *stmtName, const char *query, int nParams, const Oid *paramTypes) noexcept;
// prepare that also learns the types of the statement's result columns, in the same
// exchange; prepared_columns then gives them (null when unknown).
PGresult *prepare_described(PGconn *conn, const char *stmtName, const char *query, int nParams,
                            const Oid *paramTypes) noexcept;
const std::vector<Oid> *prepared_columns(PGconn *conn, const char *stmtName) noexcept;
// After DEALLOCATE; a null name forgets every statement (DEALLOCATE ALL, DISCARD ALL).
void forget_prepared(PGconn *conn, const char *stmtName) noexcept;

// PQsendQueryPrepared. When the statement is a CALL with OUT or IN OUT parameters,
// get_result hands back PGRES_COMMAND_OK in place of the server's row of OUT values,
// and PQgetOutResult then yields them.
int PQsendQueryPreparedOut(PGconn *conn, const char *stmtName, int nParams, const char *const *values,
                           const int *lengths, const int *formats, int resultFormat) noexcept;
// One row, one column per parameter of the last such CALL in parameter order, NULL for
// IN parameters; the caller owns it. Null when there is none (or it was taken).
PGresult *PQgetOutResult(PGconn *conn) noexcept;
// Whether column of such a result holds what the call returned for its parameter (OUT
// or IN OUT, NULL included), rather than the empty place of an IN parameter.
bool returns_value(const PGresult *out, int column) noexcept;

// Binds DECLARE "<portal>" CURSOR FOR <text of stmtName> with the parameters; one
// result (PGRES_COMMAND_OK) then null follow. The DECLARE itself is sent with the
// cursor's first FETCH or describe (or before any other command), in one exchange, and
// a failure to declare is the result of that command. resultFormat applies to the rows
// fetched later. 0 when stmtName was not prepared through pqx. Without a transaction
// block only withHold cursors can be declared.
int PQsendBindPrepared(PGconn *conn, const char *portalName, const char *stmtName, int nParams,
                       const char *const *values, const int *lengths, const int *formats, int resultFormat,
                       bool scroll = false, bool withHold = false) noexcept;
// Sends FETCH FORWARD count; one PGRES_TUPLES_OK (or error) result then null follow.
// 0 when count < 1 or nothing was sent. resultFormat (0 text, 1 binary) is the form of
// this and later FETCHes of a cursor bound through pqx; -1 keeps the one it has.
int PQsendFetchPrepared(PGconn *conn, const char *portalName, int count, int resultFormat = -1) noexcept;
// MOVE <how> FROM portal, blocking. how is one of NEXT, PRIOR, FIRST, LAST, ALL,
// ABSOLUTE n, RELATIVE n, n, FORWARD [n|ALL], BACKWARD [n|ALL]; null for anything else.
PGresult *move_portal(PGconn *conn, void *errhp, const char *portal, const char *how) noexcept;
// PQdescribePortal, blocking: the columns of a bound portal.
PGresult *describe_portal(PGconn *conn, const char *portal) noexcept;
// CLOSE "<portal>", sent with the next command of pqx on the connection (right away on
// a connection without pqx state); its result is discarded. A cursor without hold whose
// transaction has ended, or that was never declared, is not closed again. When it was
// the last cursor a transaction of queries alone waited for, that transaction ends now,
// or with the next command when the caller is reopening the cursor. 1 on success.
int PQsendClosePortal(PGconn *conn, const char *portalName, bool reopening = false) noexcept;

// The connection's transaction status once nothing is in flight any more.
PGTransactionStatusType transaction_status(PGconn *conn) noexcept;

// Reads and discards results nobody waits for and ends any OUT call in flight; every
// command entry point of pqx calls it first.
void drain_pending(PGconn *conn) noexcept;
// For get_result: while a CALL with OUT parameters is in flight, turns its row into the
// OUT result kept on the connection and returns PGRES_COMMAND_OK in its place.
PGresult *take_out_row(PGconn *conn, PGresult *r) noexcept;

}  // namespace vsk::pqx
