#include "pqx/large_object.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/extended.h"
#include "pqx/held_back.h"
#include "pqx/read_ahead.h"
#include "pqx/transaction.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

// Parameters go as text, except the bytes lowrite takes; one result row of one column.
struct Call {
    const char *sql;
    int n = 0;
    const char *values[3] = {};
    int lengths[3] = {};
    int formats[3] = {};
    char text[3][24] = {};
    int resultFormat = 0;

    void number(long long v) {
        std::snprintf(text[n], sizeof text[n], "%lld", v);
        values[n] = text[n];
        ++n;
    }
    void bytes(const char *data, std::size_t size) {
        values[n] = data;
        lengths[n] = static_cast<int>(size);
        formats[n] = 1;
        ++n;
    }
};

// The call inside the program's transaction, with whatever was held back in the same
// exchange. Null when the call failed.
ResultPtr run(PGconn *conn, void *errhp, Call &call) {
    if (!conn) return nullptr;
    ConnState *state = state_of(conn);
    if (state) settle_read_ahead(conn, state);
    drain_pending(conn);
    begin_statement(conn, StatementKind::Other);
    ocitrace(TRACE_CONNECT, "pqx", "large object: %s\n", call.sql);
    PGresult *r;
    {
        NoticeScope notices(conn, errhp);
        if (state) {
            r = run_with_held_back(conn, state, [&](Pipeline &p) {
                p.send(call.sql, call.n, nullptr, call.values, call.lengths, call.formats, call.resultFormat);
            });
        } else {
            r = wait_exec_params(conn, call.sql, call.n, nullptr, call.values, call.lengths, call.formats,
                             call.resultFormat);
        }
    }
    ResultPtr result(r);
    const bool ok = r && PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) == 1 && PQnfields(r) == 1 &&
                    !PQgetisnull(r, 0, 0);
    end_statement(conn, ok);
    if (!ok) {
        ocitrace(TRACE_CONNECT, "pqx", "large object call failed: %s", r ? PQresultErrorMessage(r) : "no result\n");
        return nullptr;
    }
    return result;
}

long long integer_of(const ResultPtr &r) {
    if (!r) return -1;
    char *end = nullptr;
    const long long v = std::strtoll(PQgetvalue(r.get(), 0, 0), &end, 10);
    return end && *end == '\0' ? v : -1;
}

}  // namespace

int lo_open_object(PGconn *conn, void *errhp, Oid object) noexcept {
    Call call{"SELECT pg_catalog.lo_open($1::pg_catalog.oid, $2)"};
    call.number(object);
    call.number(kLargeObjectMode);
    const long long fd = integer_of(run(conn, errhp, call));
    return fd < 0 || fd > INT32_MAX ? -1 : static_cast<int>(fd);
}

int lo_close_object(PGconn *conn, void *errhp, int fd) noexcept {
    Call call{"SELECT pg_catalog.lo_close($1)"};
    call.number(fd);
    return integer_of(run(conn, errhp, call)) == 0 ? 0 : -1;
}

long long lo_seek_object(PGconn *conn, void *errhp, int fd, long long offset, int whence) noexcept {
    Call call{"SELECT pg_catalog.lo_lseek64($1, $2, $3)"};
    call.number(fd);
    call.number(offset);
    call.number(whence);
    return integer_of(run(conn, errhp, call));
}

long long lo_read_object(PGconn *conn, void *errhp, int fd, char *out, std::size_t n) noexcept {
    if (n > INT32_MAX) n = INT32_MAX;
    Call call{"SELECT pg_catalog.loread($1, $2)"};
    call.number(fd);
    call.number(static_cast<long long>(n));
    call.resultFormat = 1;
    ResultPtr r = run(conn, errhp, call);
    if (!r) return -1;
    const int got = PQgetlength(r.get(), 0, 0);
    if (got < 0 || static_cast<std::size_t>(got) > n) return -1;
    if (got > 0) std::memcpy(out, PQgetvalue(r.get(), 0, 0), static_cast<std::size_t>(got));
    return got;
}

long long lo_write_object(PGconn *conn, void *errhp, int fd, const char *data, std::size_t n) noexcept {
    if (n > INT32_MAX) return -1;
    Call call{"SELECT pg_catalog.lowrite($1, $2)"};
    call.number(fd);
    call.bytes(n ? data : "", n);
    return integer_of(run(conn, errhp, call));
}

int lo_truncate_object(PGconn *conn, void *errhp, int fd, long long length) noexcept {
    Call call{"SELECT pg_catalog.lo_truncate64($1, $2)"};
    call.number(fd);
    call.number(length);
    return integer_of(run(conn, errhp, call)) == 0 ? 0 : -1;
}

unsigned long long transaction_epoch(const PGconn *conn) noexcept {
    const ConnState *state = state_of(conn);
    return state ? state->txEpoch : 0;
}

}  // namespace vsk::pqx
