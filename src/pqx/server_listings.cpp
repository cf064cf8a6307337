#include "pqx/server_listings.h"

#include "env/trace.h"
#include "pqx/command.h"

namespace vsk::pqx {

namespace {

struct ResultGuard {
    PGresult *r;
    ~ResultGuard() { PQclear(r); }
};

void list_cursors(PGconn *conn, const char *label) {
    ResultGuard g{exec(conn, nullptr, "SELECT creation_time, name, statement FROM pg_cursors")};
    if (PQresultStatus(g.r) != PGRES_TUPLES_OK) return;
    ocitrace(TRACE_CURSORS, "open cursors", "(%d) %s\n", PQntuples(g.r), label);
    for (int i = 0; i < PQntuples(g.r); ++i)
        ocitrace(TRACE_CURSORS, "open cursors", "\t(%s) %s - %s\n", PQgetvalue(g.r, i, 0), PQgetvalue(g.r, i, 1),
                 PQgetvalue(g.r, i, 2));
}

void list_prepared(PGconn *conn, const char *label) {
    ResultGuard g{exec(conn, nullptr, "SELECT prepare_time, from_sql, name, statement FROM pg_prepared_statements")};
    if (PQresultStatus(g.r) != PGRES_TUPLES_OK) return;
    ocitrace(TRACE_CURSORS, "prepared statements", "(%d) %s\n", PQntuples(g.r), label);
    for (int i = 0; i < PQntuples(g.r); ++i)
        ocitrace(TRACE_CURSORS, "prepared statements", "\t(%s) (%s) %s - %s\n", PQgetvalue(g.r, i, 0),
                 PQgetvalue(g.r, i, 1)[0] == 't' ? "SQL" : "protocol", PQgetvalue(g.r, i, 2), PQgetvalue(g.r, i, 3));
}

}  // namespace

void trace_server_objects(PGconn *conn, const char *label) noexcept {
    if (!conn || !ocitracing(TRACE_CURSORS)) return;
    list_cursors(conn, label);
    list_prepared(conn, label);
}

}  // namespace vsk::pqx
