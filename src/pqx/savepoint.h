// One command run inside an open transaction block between SAVEPOINT and RELEASE, all
// in one exchange: when the command fails, the transaction is rolled back to the
// savepoint, so it and its earlier work survive the failure.
#pragma once

#include <libpq-fe.h>

#include <vector>

#include "pqx/connection.h"
#include "pqx/pipeline.h"

namespace vsk::pqx {

struct Savepoint {
    const char *set;      // "SAVEPOINT x"
    const char *release;  // "RELEASE SAVEPOINT x"
    const char *undo;     // "ROLLBACK TO SAVEPOINT x; RELEASE SAVEPOINT x"
};

// send(pipeline) adds the one command; its result (the caller's), or null when the
// connection cannot enter pipeline mode.
template <class Send>
PGresult *under_savepoint(PGconn *conn, const Savepoint &sp, Send send) noexcept {
    std::vector<ResultPtr> results;
    {
        Pipeline pipeline(conn);
        if (!pipeline.ok()) return nullptr;
        pipeline.send(sp.set);
        send(pipeline);
        pipeline.send(sp.release);
        results = pipeline.finish();
    }
    if (results.size() != 3) return PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
    const ExecStatusType status = PQresultStatus(results[1].get());
    if (PQresultStatus(results[0].get()) == PGRES_COMMAND_OK && status != PGRES_COMMAND_OK &&
        status != PGRES_TUPLES_OK)
        PQclear(PQexec(conn, sp.undo));
    return results[1] ? results[1].release() : PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
}

}  // namespace vsk::pqx
