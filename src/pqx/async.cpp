#include "pqx/async.h"

#include <cstdlib>
#include <string>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/read_ahead.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

bool succeeded(const PGresult *r) {
    const ExecStatusType s = PQresultStatus(r);
    return r && (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK);
}

// The connection failed while answers were awaited: nothing more will come.
bool broken(PGconn *conn) { return !PQconsumeInput(conn) && PQstatus(conn) != CONNECTION_OK; }

}  // namespace

void settle_async(PGconn *conn, ConnState *state) noexcept {
    if (state->asyncPending) {
        state->asyncPending = false;
        while (PGresult *r = wait_result(conn)) PQclear(r);
    }
    if (state->bulk) {
        // The rest of the array's answers, waited for now and dropped.
        if (!state->bulk->finishSent && PQpipelineSync(conn) == 1) state->bulk->finishSent = true;
        if (state->bulk->finishSent) {
            for (int nulls = 0; nulls < 2;) {
                PGresult *r = wait_result(conn);
                if (!r) {
                    ++nulls;
                    continue;
                }
                nulls = 0;
                const bool sync = PQresultStatus(r) == PGRES_PIPELINE_SYNC;
                PQclear(r);
                if (sync) break;
            }
        }
        PQexitPipelineMode(conn);
        state->bulk.reset();
    }
}

void drop_async(PGconn *conn) noexcept {
    if (ConnState *state = state_of(conn)) settle_async(conn, state);
}

bool async_pending(const PGconn *conn) noexcept {
    const ConnState *state = state_of(conn);
    return state && (state->asyncPending || state->bulk);
}

int send_prepared_async(PGconn *conn, void *errhp, const char *stmtName, int nParams, const char *const *values,
                        const int *lengths, const int *formats) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !stmtName) return 0;
    drain_pending(conn);
    ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryPrepared %s, not waited for\n", stmtName);
    NoticeScope notices(conn, errhp);
    const int sent = PQsendQueryPrepared(conn, stmtName, nParams, values, lengths, formats, 0);
    state->asyncPending = sent == 1;
    return sent;
}

int send_fetch_async(PGconn *conn, void *errhp, const char *portalName, int count) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !portalName || count < 1) return 0;
    try {
        // The cursor's DECLARE goes now, with whatever else was held back.
        drain_pending(conn);
        auto it = state->portals.find(portalName);
        const int format = it == state->portals.end() ? 0 : it->second.format;
        const std::string sql = fetch_command(conn, portalName, count);
        if (sql.empty()) return 0;
        ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryParams: %s, not waited for\n", sql.c_str());
        NoticeScope notices(conn, errhp);
        const int sent = PQsendQueryParams(conn, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, format);
        state->asyncPending = sent == 1;
        return sent;
    } catch (...) {
        note_out_of_memory(conn);
        return 0;
    }
}

Poll poll_async(PGconn *conn, void *errhp, PGresult **result) noexcept {
    *result = nullptr;
    ConnState *state = state_of(conn);
    if (!state || !state->asyncPending) return Poll::Done;
    NoticeScope notices(conn, errhp);
    if (!broken(conn) && PQisBusy(conn)) return Poll::Busy;
    state->asyncPending = false;
    *result = wait_result(conn);
    while (PGresult *more = wait_result(conn)) PQclear(more);
    return Poll::Done;
}

int PQsendBulkStart(PGconn *conn, const char *stmtName, int nParams, const int *formats) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !stmtName || nParams < 0) return 0;
    try {
        drain_pending(conn);
        ConnState::BulkSend b;
        b.stmtName = stmtName;
        b.nParams = nParams;
        if (formats) b.formats.assign(formats, formats + nParams);
        else b.formats.assign(static_cast<std::size_t>(nParams), 0);
        if (PQenterPipelineMode(conn) != 1) return 0;
        state->bulk = std::move(b);
        return 1;
    } catch (...) {
        note_out_of_memory(conn);
        return 0;
    }
}

int PQsendBulk(PGconn *conn, int nRows, const char *const *values, const int *lengths) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !state->bulk || state->bulk->finishSent || nRows < 0) return 0;
    ConnState::BulkSend &b = *state->bulk;
    ocitrace(TRACE_CONNECT, "pqx", "PQsendQueryPrepared %s for %d rows, not waited for\n", b.stmtName.c_str(), nRows);
    for (int r = 0; r < nRows; ++r) {
        const std::size_t base = static_cast<std::size_t>(r) * static_cast<std::size_t>(b.nParams);
        if (PQsendQueryPrepared(conn, b.stmtName.c_str(), b.nParams, values ? values + base : nullptr,
                                lengths ? lengths + base : nullptr, b.formats.data(), 0) != 1)
            return 0;
    }
    return 1;
}

int PQsendBulkFinish(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !state->bulk || state->bulk->finishSent) return 7;
    if (PQpipelineSync(conn) != 1) return 7;
    state->bulk->finishSent = true;
    return 1;
}

Poll poll_bulk(PGconn *conn, void *errhp, PGresult **failure, unsigned long long *affected) noexcept {
    *failure = nullptr;
    *affected = 0;
    ConnState *state = state_of(conn);
    if (!state || !state->bulk) return Poll::Done;
    ConnState::BulkSend &b = *state->bulk;
    NoticeScope notices(conn, errhp);
    auto done = [&] {
        *affected = b.affected;
        *failure = b.failure.release();
        if (PQpipelineStatus(conn) != PQ_PIPELINE_OFF) PQexitPipelineMode(conn);
        state->bulk.reset();
        return Poll::Done;
    };
    if (broken(conn)) {
        if (!b.failure) b.failure.reset(failed_exchange(conn));
        return done();
    }
    for (;;) {
        if (!b.finishSent || PQisBusy(conn)) return Poll::Busy;
        PGresult *r = wait_result(conn);
        if (!r) {
            // The end of one command's results; the next command's come after it.
            if (b.afterResult) {
                b.afterResult = false;
                continue;
            }
            return Poll::Busy;
        }
        const ExecStatusType status = PQresultStatus(r);
        if (status == PGRES_PIPELINE_SYNC) {
            PQclear(r);
            return done();
        }
        b.afterResult = true;
        if (succeeded(r)) {
            b.affected += std::strtoull(PQcmdTuples(r), nullptr, 10);
            PQclear(r);
        } else if (status != PGRES_PIPELINE_ABORTED && !b.failure) {
            b.failure.reset(r);
        } else {
            PQclear(r);
        }
    }
}

}  // namespace vsk::pqx
