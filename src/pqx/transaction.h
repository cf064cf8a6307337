// Transactions as the library runs them for the program.
//
// The vendor's server opens a transaction with the first statement and ends it only when
// the program commits or rolls back. Here "BEGIN" is held back to travel with that first
// statement, costing no round trip of its own. A transaction that read-only queries
// opened on their own belongs to them: it ends (COMMIT) as soon as their rows have all
// been read or their cursors are closed, because programs that only read never commit,
// and an open transaction keeps its locks (another session's DROP TABLE would wait on
// it forever). Any other statement hands the transaction to the program.
//
// With statement-level rollback on, each statement runs after a savepoint, so that a
// failure anywhere in it (prepare, describe, cursor, any fetch, call, DML) undoes that
// statement alone and the transaction goes on.
#pragma once

#include <libpq-fe.h>

#include <string>
#include <string_view>

#include "pqx/connection.h"

namespace vsk::pqx {

extern const char kStatementSavepoint[];         // "SAVEPOINT vsk_statement"
extern const char kReleaseStatementSavepoint[];  // "RELEASE SAVEPOINT vsk_statement"

enum class StatementKind {
    Other,          // DML, DDL, calls, anything that may write
    ReadOnlyQuery,  // a query that takes no row locks
    LockingQuery,   // SELECT ... FOR UPDATE / FOR SHARE
    DescribeOnly,   // a query only prepared and described: needs no transaction of its own
};

// Before a statement's first server step: a transaction block unless one is open, and
// the statement's savepoint with statement-level rollback, both held back to go with
// that step.
void begin_statement(PGconn *conn, StatementKind kind) noexcept;
// After it: on success its savepoint is released (held back); on failure the statement
// is undone to its savepoint when it has one. Nothing else is rolled back here.
void end_statement(PGconn *conn, bool ok) noexcept;
// A server step of the statement failed: back to its savepoint with statement-level
// rollback (the whole transaction when there is none to go back to), else ROLLBACK.
// serverKeepsStatements: the server itself rolls back only the statement.
void undo_statement(PGconn *conn, bool serverKeepsStatements) noexcept;

// OCITransStart: the next transaction is the program's, with settings (a SET TRANSACTION
// command, or empty) sent right after its BEGIN. Inside an open transaction the settings
// go at once; the result of that (or an empty success) belongs to the caller.
PGresult *start_transaction(PGconn *conn, void *errhp, const std::string &settings) noexcept;

enum class TxEnd { Commit, Rollback, Prepare, CommitPrepared, RollbackPrepared };
// Ends the transaction: COMMIT, ROLLBACK, or the two-phase commands with gid quoted as a
// literal. A COMMIT or ROLLBACK with no transaction open on the server sends nothing. Null
// when gid cannot be quoted (bad encoding); else the result belongs to the caller.
PGresult *end_transaction(PGconn *conn, void *errhp, TxEnd how, std::string_view gid = {}) noexcept;
// The library's own COMMIT (after DDL, OCI_COMMIT_ON_SUCCESS): its result is not read by
// anyone; a failure shows in the next statement's.
void commit_implicit(PGconn *conn) noexcept;

// Hooks of the cursor operations (pqx/extended.cpp).
// A cursor is bound: it belongs to the statement begun last, and to its reader transaction.
void cursor_bound(ConnState *state, const std::string &portal) noexcept;
// A cursor needs the server no more (its rows are all here, or it is closed): when it was
// the last a reader transaction waited for, that transaction ends, now or (later true)
// with the next command.
void cursor_done(PGconn *conn, ConnState *state, const std::string &portal, bool later = false) noexcept;
// A query about to run at once without a cursor: true when the transaction block held
// back for it alone can be dropped, so that it runs in an implicit transaction instead.
bool run_outside_block(ConnState *state, const std::string &portal) noexcept;
// A reader declared a cursor WITH HOLD, which outlives its transaction: when the
// transaction is that reader's alone, it ends now.
void hold_cursor_declared(PGconn *conn) noexcept;

// Whether a command that can fail needs its own savepoint: statement-level rollback is
// on, the program's transaction is open and no statement savepoint covers the command.
bool needs_own_savepoint(PGconn *conn, const ConnState *state) noexcept;
// PQexecParams of sql, under its own savepoint where needs_own_savepoint says so.
PGresult *exec_guarded(PGconn *conn, ConnState *state, const char *sql, int resultFormat) noexcept;

// PQexecPrepared, with the held-back commands in the same exchange, or under its own
// savepoint where needs_own_savepoint says so.
PGresult *exec_prepared_guarded(PGconn *conn, ConnState *state, const char *stmtName, int nParams,
                                const char *const *values, const int *lengths, const int *formats,
                                int resultFormat) noexcept;

// The transaction status the program sees: a held-back BEGIN counts as open.
PGTransactionStatusType logical_status(PGconn *conn, const ConnState *state) noexcept;

}  // namespace vsk::pqx
