// Commands held back to travel with the next one, in one exchange instead of a round
// trip each: the savepoint release of the last statement, CLOSEs of cursors, the COMMIT
// of a transaction only queries used, the BEGIN of the next transaction with the
// program's settings, the next statement's savepoint, and the DECLARE of a cursor bound
// but not yet used, in that order.
#pragma once

#include <libpq-fe.h>

#include <cstddef>
#include <vector>

#include "env/trace.h"
#include "pqx/connection.h"
#include "pqx/pipeline.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

// Commands held back; declare false leaves out the held-back DECLARE.
std::size_t held_back_count(const ConnState *state, bool declare = true) noexcept;

// Where the held-back commands went in a pipeline, to read their results by.
struct HeldBackSent {
    int count = 0;
    int savepoint = -1;
};

// Sends the held-back commands into pipeline (with declare false the held-back DECLARE is
// dropped instead: its statement runs without a cursor).
HeldBackSent send_held_back(Pipeline &pipeline, ConnState *state, bool declare = true) noexcept;

// After their exchange: nothing is held back any more, and the statement savepoint is in
// place when it came through.
void held_back_done(ConnState *state, const HeldBackSent &sent, const std::vector<ResultPtr> &results) noexcept;

// A savepoint for one command: set before it, released after it, rolled back to when it
// fails, so the transaction and its earlier work survive the failure.
struct Savepoint {
    const char *set;      // "SAVEPOINT x"
    const char *release;  // "RELEASE SAVEPOINT x"
    const char *undo;     // "ROLLBACK TO SAVEPOINT x; RELEASE SAVEPOINT x"
};

// The held-back commands, then the caller's own (added by last; between the set and the
// release of sp when given), in one exchange. The result of the first held-back command
// that failed, else that of the caller's first command; the results of its further
// commands go to more when given.
template <class Last>
PGresult *run_with_held_back(PGconn *conn, ConnState *state, Last last, bool declare = true,
                             const Savepoint *sp = nullptr, std::vector<ResultPtr> *more = nullptr) noexcept {
    std::vector<ResultPtr> results;
    HeldBackSent sent;
    int own_commands = 0;
    {
        Pipeline pipeline(conn);
        if (pipeline.ok()) {
            sent = send_held_back(pipeline, state, declare);
            if (sp) pipeline.send(sp->set);
            const int before = pipeline.commands();
            last(pipeline);
            own_commands = pipeline.commands() - before;
            if (sp) pipeline.send(sp->release);
        }
        results = pipeline.finish();
    }
    held_back_done(state, sent, results);
    const std::size_t own = static_cast<std::size_t>(sent.count) + (sp ? 1 : 0);
    if (own_commands < 1 || results.size() != own + static_cast<std::size_t>(own_commands) + (sp ? 1 : 0))
        return failed_exchange(conn);
    const auto succeeded = [](const ResultPtr &r) {
        const ExecStatusType st = PQresultStatus(r.get());
        return r && (st == PGRES_COMMAND_OK || st == PGRES_TUPLES_OK);
    };
    for (int i = 0; i < sent.count; ++i)
        if (!succeeded(results[i])) return results[i].release();
    if (sp && succeeded(results[own - 1]) && !succeeded(results[own])) {
        ocitrace(TRACE_EXECUTE, "pqx", "command failed; rolling back to its savepoint\n");
        PQclear(wait_exec(conn, sp->undo));
    }
    if (more) {
        try {
            for (int i = 1; i < own_commands; ++i) more->push_back(std::move(results[own + static_cast<std::size_t>(i)]));
        } catch (...) {
            more->clear();
        }
    }
    return results[own] ? results[own].release() : failed_exchange(conn);
}

}  // namespace vsk::pqx
