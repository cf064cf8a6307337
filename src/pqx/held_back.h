// Commands held back to travel with the next one, in one exchange instead of a round
// trip each: the savepoint release of the last statement, CLOSEs of cursors, the COMMIT
// of a transaction only queries used, the BEGIN of the next transaction with the
// program's settings, the next statement's savepoint, and the DECLARE of a cursor bound
// but not yet used, in that order.
#pragma once

#include <libpq-fe.h>

#include <cstddef>
#include <vector>

#include "pqx/connection.h"
#include "pqx/pipeline.h"

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

// The held-back commands, then the caller's own (added by last), in one exchange. The
// result of the first command that failed, else that of the caller's command.
template <class Last>
PGresult *run_with_held_back(PGconn *conn, ConnState *state, Last last, bool declare = true) noexcept {
    std::vector<ResultPtr> results;
    HeldBackSent sent;
    {
        Pipeline pipeline(conn);
        if (pipeline.ok()) {
            sent = send_held_back(pipeline, state, declare);
            last(pipeline);
        }
        results = pipeline.finish();
    }
    held_back_done(state, sent, results);
    if (results.size() != static_cast<std::size_t>(sent.count) + 1) return PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
    for (int i = 0; i < sent.count; ++i) {
        const ExecStatusType st = PQresultStatus(results[i].get());
        if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) return results[i].release();
    }
    return results[sent.count].release();
}

}  // namespace vsk::pqx
