// The session's wait statistics, written to the trace log before a connection closes.
#include <libpq-fe.h>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/standins.h"

namespace vsk::pqx {

namespace {

const char *column(const PGresult *r, int row, const char *name) {
    int c = PQfnumber(r, name);
    return c < 0 ? "" : PQgetvalue(r, row, c);
}

}  // namespace

void traceKeltoCounters(PGconn *conn) noexcept {
    if (!conn || !ocitracing(TRACE_WAITS)) return;
    // Stock PostgreSQL keeps no per-session wait totals: the header alone says so.
    const ConnState *state = state_of(conn);
    PGresult *r = nullptr;
    if (state && state->vendorExtras)
        r = exec(conn, nullptr,
                 "SELECT * FROM vsk_mora_session_waits() t1(backend_id bigint, max_wait bigint, total_wait bigint, "
                 "num_waits bigint, wait_name text) WHERE num_waits != 0 AND backend_id = pg_backend_pid()");
    ocitrace(TRACE_WAITS, "traceKeltoCounters", "KELTO Counters (at disconnect)\n");
    if (PQresultStatus(r) == PGRES_TUPLES_OK) {
        for (int i = 0; i < PQntuples(r); ++i)
            ocitrace(TRACE_WAITS, "traceKeltoCounters", "kelto, %s, \"%s\", %s, %s, %s\n", column(r, i, "backend_id"),
                     column(r, i, "wait_name"), column(r, i, "num_waits"), column(r, i, "total_wait"),
                     column(r, i, "max_wait"));
    }
    PQclear(r);
}

}  // namespace vsk::pqx
