#include "pqx/transaction.h"

#include <algorithm>
#include <vector>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/held_back.h"
#include "pqx/pipeline.h"
#include "pqx/read_ahead.h"
#include "pqx/standins.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

const char kStatementSavepoint[] = "SAVEPOINT vsk_statement";
const char kReleaseStatementSavepoint[] = "RELEASE SAVEPOINT vsk_statement";

namespace {

constexpr char kUndo[] = "ROLLBACK TO SAVEPOINT vsk_statement; RELEASE SAVEPOINT vsk_statement";

// The server's transaction ended, or ends with the held-back COMMIT: cursors without
// hold bound so far are gone with it, and nothing of the statement bookkeeping remains.
void transaction_ended(ConnState *state) {
    ConnState::Tx &tx = state->tx;
    ++state->txEpoch;
    tx.owner = ConnState::Tx::NONE;
    tx.readers.clear();
    tx.readerPending = false;
    tx.releaseHeld = tx.savepointHeld = tx.savepointSet = false;
    // Only cursors with hold still need their CLOSE; the others' are gone by then.
    auto &q = state->queuedCloses;
    q.erase(std::remove_if(q.begin(), q.end(), [](const ConnState::QueuedClose &c) { return !c.withHold; }),
            q.end());
}

// A transaction that has not reached the server: nothing to end there.
bool drop_held_begin(ConnState *state) {
    ConnState::Tx &tx = state->tx;
    if (!tx.beginHeld) return false;
    tx.beginHeld = false;
    tx.settings.clear();
    state->deferred.reset();
    transaction_ended(state);
    return true;
}

// The cursors the undone statement declared went with its savepoint: no CLOSE for them.
void forget_statement_cursors(ConnState *state) {
    for (auto &[name, portal] : state->portals) {
        if (portal.statement != state->tx.statement || portal.withHold) continue;
        portal.gone = true;
        portal.ahead.reset();
        auto &r = state->tx.readers;
        r.erase(std::remove(r.begin(), r.end(), name), r.end());
    }
}

void undo_to_savepoint(PGconn *conn, ConnState *state) {
    ConnState::Tx &tx = state->tx;
    tx.savepointHeld = false;
    if (!tx.savepointSet) return;
    tx.savepointSet = false;
    ocitrace(TRACE_EXECUTE, "pqx", "statement failed; rolling back to its savepoint\n");
    PQclear(wait_exec(conn, kUndo));
    forget_statement_cursors(state);
}

// One command that can fail, with the held-back commands before it in one exchange and,
// where needs_own_savepoint says so, between SAVEPOINT and RELEASE, rolled back to the
// savepoint when it fails. The result of the first held-back command that failed, else
// the command's. Null when there was nothing to add: the caller sends it plainly.
template <class Send>
PGresult *run_step(PGconn *conn, ConnState *state, Send send) {
    if (!state) return nullptr;
    const bool guard = needs_own_savepoint(conn, state);
    if (!guard && !held_back_count(state)) return nullptr;
    static constexpr Savepoint kOwn = {kStatementSavepoint, kReleaseStatementSavepoint, kUndo};
    return run_with_held_back(conn, state, send, true, guard ? &kOwn : nullptr);
}

// A reader transaction whose cursors are all done ends: at once, or with the next
// command (later) when one is sure to follow.
void end_reader(PGconn *conn, ConnState *state, bool later) {
    if (drop_held_begin(state)) return;
    if (later) {
        state->tx.commitHeld = true;
        transaction_ended(state);
        return;
    }
    ocitrace(TRACE_CONNECT, "pqx", "queries alone used the transaction: committing it\n");
    PQclear(run_with_held_back(conn, state, [](Pipeline &p) { p.send("COMMIT"); }));
    transaction_ended(state);
}

std::string quoted_literal(PGconn *conn, std::string_view text) {
    std::string out(text.size() * 2 + 1, '\0');
    int error = 0;
    const std::size_t n = PQescapeStringConn(conn, out.data(), text.data(), text.size(), &error);
    if (error) return {};
    out.resize(n);
    return "'" + out + "'";
}

}  // namespace

PGTransactionStatusType logical_status(PGconn *conn, const ConnState *state) noexcept {
    if (state && state->tx.beginHeld) return PQTRANS_INTRANS;
    if (state && state->tx.commitHeld) return PQTRANS_IDLE;
    return PQtransactionStatus(conn);
}

void begin_statement(PGconn *conn, StatementKind kind) noexcept {
    if (!conn) return;
    ConnState *state = state_of(conn);
    const PGTransactionStatusType status = transaction_status(conn);
    if (!state) {
        if (status == PQTRANS_IDLE || status == PQTRANS_UNKNOWN) PQclear(exec(conn, nullptr, "BEGIN"));
        return;
    }
    ConnState::Tx &tx = state->tx;
    ++tx.statement;
    if (state->deferred) state->deferred->earlier = true;
    if (kind == StatementKind::DescribeOnly) {
        if (status != PQTRANS_INTRANS && status != PQTRANS_INERROR) return;
        kind = StatementKind::ReadOnlyQuery;
    }
    const bool reader = kind == StatementKind::ReadOnlyQuery && !PQisnonblocking(conn);
    if (status == PQTRANS_IDLE || status == PQTRANS_UNKNOWN) {
        transaction_ended(state);
        tx.beginHeld = true;
        tx.owner = reader ? ConnState::Tx::READER : ConnState::Tx::PROGRAM;
    } else if (!(reader && tx.owner == ConnState::Tx::READER)) {
        tx.owner = ConnState::Tx::PROGRAM;
    }
    tx.readerPending = tx.owner == ConnState::Tx::READER;
    // A reader transaction loses nothing when a failure ends it whole.
    if (statement_level_rollback(conn) && tx.owner == ConnState::Tx::PROGRAM && !tx.savepointSet)
        tx.savepointHeld = true;
}

void end_statement(PGconn *conn, bool ok) noexcept {
    ConnState *state = state_of(conn);
    if (!state) return;
    ConnState::Tx &tx = state->tx;
    tx.savepointHeld = false;
    if (tx.savepointSet) {
        if (ok) {
            tx.savepointSet = false;
            tx.releaseHeld = true;
        } else {
            settle_connection(conn, state);
            undo_to_savepoint(conn, state);
        }
    }
    // A query that bound no cursor (describe only, parse only, a failure) leaves its
    // reader transaction with nothing to wait for.
    tx.readerPending = false;
    if (tx.owner == ConnState::Tx::READER && tx.readers.empty()) {
        settle_connection(conn, state);
        end_reader(conn, state, false);
    }
}

void undo_statement(PGconn *conn, bool serverKeepsStatements) noexcept {
    if (!conn) return;
    const bool ours = statement_level_rollback(conn);
    if (serverKeepsStatements && !ours) return;
    ConnState *state = state_of(conn);
    if (!state) {
        const PGTransactionStatusType s = transaction_status(conn);
        if (s == PQTRANS_ACTIVE || s == PQTRANS_INTRANS || s == PQTRANS_INERROR) PQclear(exec(conn, nullptr, "ROLLBACK"));
        return;
    }
    settle_connection(conn, state);
    if (ours) {
        undo_to_savepoint(conn, state);
        // Without a savepoint to go back to, a failed transaction can only end whole.
        if (logical_status(conn, state) != PQTRANS_INERROR) return;
    }
    if (drop_held_begin(state)) return;
    const PGTransactionStatusType s = PQtransactionStatus(conn);
    if (s == PQTRANS_ACTIVE || s == PQTRANS_INTRANS || s == PQTRANS_INERROR) PQclear(end_transaction(conn, nullptr, TxEnd::Rollback));
}

PGresult *start_transaction(PGconn *conn, void *errhp, const std::string &settings) noexcept {
    if (!conn) return nullptr;
    try {
        ConnState *state = state_of(conn);
        const PGTransactionStatusType status = transaction_status(conn);
        if (state && (status == PQTRANS_IDLE || state->tx.beginHeld)) {
            ConnState::Tx &tx = state->tx;
            if (!tx.beginHeld) transaction_ended(state);
            tx.beginHeld = true;
            if (!settings.empty()) tx.settings = settings;
            tx.owner = ConnState::Tx::PROGRAM;
            tx.readers.clear();
            return PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
        }
        if (state) state->tx.owner = ConnState::Tx::PROGRAM;
        if (settings.empty()) return PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
        if (!state) PQclear(exec(conn, errhp, "BEGIN"));
        return exec(conn, errhp, settings.c_str());
    } catch (...) {
        return nullptr;
    }
}

PGresult *end_transaction(PGconn *conn, void *errhp, TxEnd how, std::string_view gid) noexcept {
    if (!conn) return nullptr;
    try {
        std::string sql;
        switch (how) {
        case TxEnd::Commit: sql = "COMMIT"; break;
        case TxEnd::Rollback: sql = "ROLLBACK"; break;
        default: {
            const std::string name = quoted_literal(conn, gid);
            if (name.empty()) return nullptr;
            sql = how == TxEnd::Prepare ? "PREPARE TRANSACTION " : how == TxEnd::CommitPrepared ? "COMMIT PREPARED "
                                                                                             : "ROLLBACK PREPARED ";
            sql += name;
        }
        }
        ConnState *state = state_of(conn);
        if (!state) return exec(conn, errhp, sql.c_str());
        settle_connection(conn, state);
        ConnState::Tx &tx = state->tx;
        NoticeScope notices(conn, errhp);
        PGresult *r;
        switch (how) {
        case TxEnd::Commit:
        case TxEnd::Rollback: {
            tx.releaseHeld = tx.savepointHeld = false;
            drop_held_begin(state);
            const PGTransactionStatusType s = PQtransactionStatus(conn);
            if (s == PQTRANS_IDLE) {
                // Nothing open on the server (or only a reader's held-back COMMIT).
                if (tx.commitHeld) drain_pending(conn);
                ocitrace(TRACE_CONNECT, "pqx", "%s: no transaction open, nothing sent\n", sql.c_str());
                transaction_ended(state);
                return PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK);
            }
            if (how == TxEnd::Commit && s == PQTRANS_INTRANS) {
                r = run_with_held_back(conn, state, [&](Pipeline &p) {
                    ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
                    p.send(sql.c_str());
                });
            } else {
                // A failed transaction would skip whatever followed a held-back command
                // in the same exchange: the end goes alone, and the cursors of the
                // transaction need no CLOSE or DECLARE any more.
                state->deferred.reset();
                transaction_ended(state);
                ocitrace(TRACE_CONNECT, "pqx", "PQexec: %s\n", sql.c_str());
                return wait_exec(conn, sql.c_str());
            }
            transaction_ended(state);
            return r;
        }
        case TxEnd::Prepare:
            // An empty transaction is prepared too, so that its commit by name works.
            if (logical_status(conn, state) == PQTRANS_IDLE) {
                transaction_ended(state);
                tx.beginHeld = true;
            }
            tx.releaseHeld = tx.savepointHeld = false;
            r = run_with_held_back(conn, state, [&](Pipeline &p) {
                ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s\n", sql.c_str());
                p.send(sql.c_str());
            });
            transaction_ended(state);
            return r;
        default:
            // Runs outside a transaction block: a BEGIN held back for the next statement waits.
            const bool begin = tx.beginHeld;
            const std::string settings = tx.settings;
            const auto owner = tx.owner;
            tx.beginHeld = false;
            r = exec(conn, errhp, sql.c_str());
            tx.beginHeld = begin;
            tx.settings = settings;
            if (begin) tx.owner = owner;
            return r;
        }
    } catch (...) {
        return nullptr;
    }
}

void commit_implicit(PGconn *conn) noexcept { PQclear(end_transaction(conn, nullptr, TxEnd::Commit)); }

void cursor_bound(ConnState *state, const std::string &portal) noexcept {
    try {
        ConnState::Tx &tx = state->tx;
        auto it = state->portals.find(portal);
        if (it != state->portals.end()) it->second.statement = tx.statement;
        if (tx.readerPending) {
            tx.readers.push_back(portal);
            tx.readerPending = false;
        }
    } catch (...) {
        // Not counted as a reader: the transaction becomes the program's.
        state->tx.owner = ConnState::Tx::PROGRAM;
    }
}

void cursor_done(PGconn *conn, ConnState *state, const std::string &portal, bool later) noexcept {
    if (!state) return;
    ConnState::Tx &tx = state->tx;
    auto it = state->portals.find(portal);
    if (it != state->portals.end() && !it->second.withHold) it->second.detached = true;
    auto r = std::find(tx.readers.begin(), tx.readers.end(), portal);
    if (r == tx.readers.end()) return;
    tx.readers.erase(r);
    if (tx.owner == ConnState::Tx::READER && tx.readers.empty() && !tx.readerPending) end_reader(conn, state, later);
}

bool run_outside_block(ConnState *state, const std::string &portal) noexcept {
    ConnState::Tx &tx = state->tx;
    if (tx.owner != ConnState::Tx::READER || !tx.beginHeld || tx.readerPending || tx.readers.size() != 1 ||
        tx.readers[0] != portal)
        return false;
    tx.beginHeld = false;
    tx.settings.clear();
    tx.savepointHeld = false;
    tx.readers.clear();
    tx.owner = ConnState::Tx::NONE;
    auto it = state->portals.find(portal);
    if (it != state->portals.end()) it->second.detached = true;
    return true;
}

void hold_cursor_declared(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    if (!state) return;
    ConnState::Tx &tx = state->tx;
    if (tx.owner != ConnState::Tx::READER || !tx.readerPending) return;
    tx.readerPending = false;
    if (tx.readers.empty()) {
        settle_connection(conn, state);
        end_reader(conn, state, false);
    }
}

bool needs_own_savepoint(PGconn *conn, const ConnState *state) noexcept {
    if (!state || !statement_level_rollback(conn)) return false;
    const ConnState::Tx &tx = state->tx;
    return !tx.savepointSet && !tx.savepointHeld && tx.owner != ConnState::Tx::READER &&
           logical_status(conn, state) == PQTRANS_INTRANS;
}

PGresult *exec_guarded(PGconn *conn, ConnState *state, const char *sql, int resultFormat) noexcept {
    if (PGresult *r = run_step(conn, state, [&](Pipeline &p) {
            p.send(sql, 0, nullptr, nullptr, nullptr, nullptr, resultFormat);
        }))
        return r;
    return wait_exec_params(conn, sql, 0, nullptr, nullptr, nullptr, nullptr, resultFormat);
}

PGresult *exec_prepared_guarded(PGconn *conn, ConnState *state, const char *stmtName, int nParams,
                                const char *const *values, const int *lengths, const int *formats,
                                int resultFormat) noexcept {
    if (PGresult *r = run_step(conn, state, [&](Pipeline &p) {
            p.send_prepared(stmtName, nParams, values, lengths, formats, resultFormat);
        }))
        return r;
    return wait_exec_prepared(conn, stmtName, nParams, values, lengths, formats, resultFormat);
}

}  // namespace vsk::pqx
