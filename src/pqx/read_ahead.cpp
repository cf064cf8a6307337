#include "pqx/read_ahead.h"

#include <utility>
#include <vector>

#include "env/trace.h"
#include "pqx/async.h"
#include "pqx/command.h"
#include "pqx/pipeline.h"
#include "pqx/result_rows.h"
#include "pqx/transaction.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

constexpr const char *kSavepoint = "SAVEPOINT vsk_read_ahead";
constexpr const char *kRelease = "RELEASE SAVEPOINT vsk_read_ahead";
constexpr const char *kUndo = "ROLLBACK TO SAVEPOINT vsk_read_ahead; RELEASE SAVEPOINT vsk_read_ahead";

bool status_is(const PGresult *r, ExecStatusType s) { return r && PQresultStatus(r) == s; }

void collect_notice(void *arg, const char *message) {
    try {
        static_cast<std::vector<std::string> *>(arg)->emplace_back(message);
    } catch (...) {
        // A notice lost to exhausted memory.
    }
}

void replay_notices(PGconn *conn, const ConnState *state, const std::vector<std::string> &notices) {
    if (notices.empty()) return;
    // A null processor changes nothing and returns the current one.
    const PQnoticeProcessor current = PQsetNoticeProcessor(conn, nullptr, nullptr);
    if (!current) return;
    for (const std::string &m : notices) current(state->noticeArg, m.c_str());
}

}  // namespace

std::string fetch_command(PGconn *conn, const std::string &portal, int count) {
    const std::string name = quote_identifier(conn, portal);
    return name.empty() ? std::string() : "FETCH FORWARD " + std::to_string(count) + " FROM " + name;
}

void read_ahead(PGconn *conn, ConnState *state, const std::string &portal, int count) noexcept {
    if (!conn || !state || state->inFlight || count < 1 || PQisnonblocking(conn) ||
        PQpipelineStatus(conn) != PQ_PIPELINE_OFF || PQisBusy(conn))
        return;
    try {
        auto it = state->portals.find(portal);
        if (it == state->portals.end() || it->second.scroll || it->second.local || it->second.ahead) return;
        const PGTransactionStatusType tx = PQtransactionStatus(conn);
        const bool inBlock = tx == PQTRANS_INTRANS;
        // A cursor without hold lives only in its own transaction: outside it the
        // caller's FETCH is left to fail as the server says.
        if (!it->second.withHold && (!inBlock || it->second.txEpoch != state->txEpoch)) return;
        if (!inBlock && tx != PQTRANS_IDLE) return;
        const std::string sql = fetch_command(conn, portal, count);
        if (sql.empty()) return;
        const int format = it->second.format;
        ocitrace(TRACE_CONNECT, "pqx", "read ahead: %s\n", sql.c_str());
        ConnState::ReadAhead ra{portal, count, inBlock, 0};
        if (!inBlock) {
            if (PQsendQueryParams(conn, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, format) == 1)
                state->inFlight = std::move(ra);
            return;
        }
        if (PQenterPipelineMode(conn) != 1) return;
        for (const char *command : {kSavepoint, sql.c_str(), kRelease}) {
            if (PQsendQueryParams(conn, command, 0, nullptr, nullptr, nullptr, nullptr,
                                  command == sql.c_str() ? format : 0) != 1)
                break;
            ++ra.commands;
        }
        // Also when only part went (a broken connection): settling takes back what did.
        PQpipelineSync(conn);
        state->inFlight = std::move(ra);
    } catch (...) {
        // Nothing sent: the caller's FETCH goes the ordinary way.
    }
}

void settle_connection(PGconn *conn, ConnState *state) noexcept {
    if (!state) return;
    settle_read_ahead(conn, state);
    state->outCall.reset();
    state->ready.clear();
}

void settle_read_ahead(PGconn *conn, ConnState *state) noexcept {
    if (!conn || !state) return;
    if (state->asyncPending || state->bulk) settle_async(conn, state);
    if (!state->inFlight) return;
    const ConnState::ReadAhead ra = std::move(*state->inFlight);
    state->inFlight.reset();
    std::vector<std::string> notices;
    const PQnoticeProcessor previous = PQsetNoticeProcessor(conn, collect_notice, &notices);
    ResultPtr fetched;
    if (ra.savepoint) {
        std::vector<ResultPtr> results = collect_pipeline(conn, ra.commands);
        const bool saved = !results.empty() && status_is(results[0].get(), PGRES_COMMAND_OK);
        if (results.size() >= 2) fetched = std::move(results[1]);
        const bool released = results.size() == 3 && status_is(results[2].get(), PGRES_COMMAND_OK);
        // A failed FETCH: the transaction goes on as before it, and the failure is
        // reported when the caller asks for these rows.
        if (saved && !released)
            PQclear(wait_exec(conn, status_is(fetched.get(), PGRES_TUPLES_OK) ? kRelease : kUndo));
    } else {
        fetched.reset(wait_result(conn));
        while (PGresult *more = wait_result(conn)) PQclear(more);
    }
    PQsetNoticeProcessor(conn, previous, state->noticeArg);
    if (!fetched) {
        // Whatever the FETCH moved past did not reach us.
        if (auto it = state->portals.find(ra.portal); it != state->portals.end()) it->second.aheadLost = true;
        return;
    }
    try {
        auto it = state->portals.find(ra.portal);
        if (it == state->portals.end()) return;
        it->second.aheadEnded = status_is(fetched.get(), PGRES_TUPLES_OK) && PQntuples(fetched.get()) < ra.count;
        if (it->second.aheadEnded) it->second.serverDone = true;
        it->second.ahead = std::move(fetched);
        it->second.aheadNotices = std::move(notices);
    } catch (...) {
        // Dropped: the caller's FETCH then asks the server, which has moved on; the
        // connection is unusable for this cursor either way once memory is gone.
    }
}

PGresult *take_read_ahead(PGconn *conn, ConnState *state, const std::string &portal, int count) noexcept {
    if (!conn || !state || count < 1) return nullptr;
    auto it = state->portals.find(portal);
    if (it == state->portals.end()) return nullptr;
    ConnState::Portal &p = it->second;
    if (p.aheadLost) return failed_exchange(conn);
    if (!p.ahead) return nullptr;
    // From here the rows are off the wire: a failure loses them for good.
    auto lost = [&] {
        p.aheadLost = true;
        return failed_exchange(conn);
    };
    try {
        ResultPtr ahead = std::move(p.ahead);
        const std::vector<std::string> notices = std::move(p.aheadNotices);
        p.aheadNotices.clear();
        // The transaction that held the cursor has ended, and the cursor with it: the
        // server says so.
        if (!p.outlives(state->txEpoch)) return nullptr;
        replay_notices(conn, state, notices);
        const int n = PQntuples(ahead.get());
        if (!status_is(ahead.get(), PGRES_TUPLES_OK)) return ahead.release();
        if (n > count) {
            ResultPtr head(copy_rows(ahead.get(), 0, count));
            ResultPtr rest(copy_rows(ahead.get(), count, n - count));
            if (!head || !rest) return lost();
            p.ahead = std::move(rest);
            return head.release();
        }
        if (n < count && !p.aheadEnded) {
            const std::string sql = fetch_command(conn, portal, count - n);
            if (sql.empty()) return lost();
            ocitrace(TRACE_CONNECT, "pqx", "PQexecParams: %s\n", sql.c_str());
            ResultPtr more(exec_guarded(conn, state, sql.c_str(), p.format));
            if (!status_is(more.get(), PGRES_TUPLES_OK)) return more.release();
            if (PQntuples(more.get()) < count - n) p.serverDone = true;
            PGresult *all = copy_rows(ahead.get(), 0, n, more.get());
            return all ? all : lost();
        }
        // All that is left. A cursor that ran out answers every later FETCH with no rows
        // without asking the server.
        if (p.aheadEnded) p.ahead.reset(n ? copy_rows(ahead.get(), 0, 0) : PQcopyResult(ahead.get(), PG_COPYRES_ATTRS));
        return ahead.release();
    } catch (...) {
        return lost();
    }
}

}  // namespace vsk::pqx
