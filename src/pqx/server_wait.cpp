#include "pqx/server_wait.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>

#include "env/trace.h"
#include "pqx/connection.h"

namespace vsk::pqx {

namespace {

using Clock = std::chrono::steady_clock;

// How long the server has to answer a cancel before the connection is given up. A server
// that is merely busy answers within milliseconds; one that has not answered in a second
// is behind a network that no longer carries anything.
constexpr auto kGrace = std::chrono::milliseconds(1000);

// Shut both ways: libpq then reads end of file, marks the connection bad and fails the
// command as a lost connection, through its own paths. PQfinish stays with the owner.
void shut(PGconn *conn, ConnState::Deadline &d) noexcept {
    d.request.close();
    const int fd = PQsocket(conn);
    ocitrace(TRACE_CONNECT, "pqx", "no answer to the cancel in time; closing the connection\n");
    if (fd >= 0) shutdown(fd, SHUT_RDWR);
    PQconsumeInput(conn);
}

// The limit passed: the command is cancelled and the grace period begins; at its end the
// connection is shut. False once it is shut.
bool deadline_passed(PGconn *conn, ConnState *state) noexcept {
    ConnState::Deadline &d = state->deadline;
    if (!d.cancelled) {
        ocitrace(TRACE_CONNECT, "pqx", "call timed out; cancelling the command\n");
        d.cancelled = true;
        d.at = Clock::now() + kGrace;
        state->cancelCause.store(CANCEL_TIMEOUT);
        if (state->cancelKey && d.request.start(*state->cancelKey)) return true;
    }
    shut(conn, d);
    return false;
}

int milliseconds_until(Clock::time_point at) noexcept {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(at - Clock::now()).count();
    return left < 0 ? 0 : left > 60000 ? 60000 : static_cast<int>(left);
}

// Until a result can be had without blocking. A cancel still under way is seen through
// first, so that it cannot reach the server after the command and hit the next one.
void await(PGconn *conn, ConnState *state) noexcept {
    ConnState::Deadline &d = state->deadline;
    for (;;) {
        const int fd = PQsocket(conn);
        const bool unsent = fd >= 0 && PQflush(conn) == 1;
        const bool busy = fd >= 0 && PQisBusy(conn);
        if (!busy && !unsent && !d.request.pending()) return;
        if (Clock::now() >= d.at) {
            if (deadline_passed(conn, state)) continue;
            return;
        }
        pollfd fds[2];
        nfds_t n = 0;
        if (busy || unsent) fds[n++] = {fd, static_cast<short>(POLLIN | (unsent ? POLLOUT : 0)), 0};
        const nfds_t request = n;
        if (d.request.pending()) fds[n++] = {d.request.fd(), d.request.events(), 0};
        const int ready = poll(fds, n, milliseconds_until(d.at));
        if (ready < 0 && errno != EINTR) {
            shut(conn, d);
            return;
        }
        if (ready <= 0) continue;
        if (request < n && fds[request].revents) d.request.progress(fds[request].revents);
        if (request > 0 && fds[0].revents) PQconsumeInput(conn);
    }
}

ConnState *timed(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    return state && state->deadline.armed ? state : nullptr;
}

// What PQexec does around a command sent by send(), each wait under the limit: results
// left over are dropped, the last result of the command is kept.
template <class Send>
PGresult *exec_timed(PGconn *conn, ConnState *state, Send send) noexcept {
    for (;;) {
        await(conn, state);
        PGresult *left = PQgetResult(conn);
        if (!left) break;
        PQclear(left);
        if (PQstatus(conn) == CONNECTION_BAD) return nullptr;
    }
    if (!send()) {
        ocitrace(TRACE_CONNECT, "pqx", "not sent: %s", PQerrorMessage(conn));
        return nullptr;
    }
    PGresult *last = nullptr;
    for (;;) {
        await(conn, state);
        PGresult *r = PQgetResult(conn);
        if (!r) break;
        PQclear(last);
        last = r;
        const ExecStatusType s = PQresultStatus(r);
        if (s == PGRES_COPY_IN || s == PGRES_COPY_OUT || s == PGRES_COPY_BOTH || PQstatus(conn) == CONNECTION_BAD)
            break;
    }
    return last;
}

}  // namespace

bool arm_deadline(PGconn *conn, unsigned milliseconds) noexcept {
    ConnState *state = state_of(conn);
    if (!state || milliseconds == 0 || state->deadline.armed) return false;
    ConnState::Deadline &d = state->deadline;
    d.armed = true;
    d.cancelled = false;
    d.at = Clock::now() + std::chrono::milliseconds(milliseconds);
    return true;
}

void disarm_deadline(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    if (!state) return;
    ConnState::Deadline &d = state->deadline;
    d.request.close();
    d.armed = false;
    d.cancelled = false;
    int timeout = CANCEL_TIMEOUT;
    state->cancelCause.compare_exchange_strong(timeout, CANCEL_NONE);
}

PGresult *wait_result(PGconn *conn) noexcept {
    if (ConnState *state = timed(conn)) await(conn, state);
    return PQgetResult(conn);
}

PGresult *wait_exec(PGconn *conn, const char *sql) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQexec(conn, sql);
    return exec_timed(conn, state, [&] { return PQsendQuery(conn, sql); });
}

PGresult *wait_exec_params(PGconn *conn, const char *sql, int nParams, const Oid *types, const char *const *values,
                           const int *lengths, const int *formats, int resultFormat) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQexecParams(conn, sql, nParams, types, values, lengths, formats, resultFormat);
    return exec_timed(conn, state, [&] {
        return PQsendQueryParams(conn, sql, nParams, types, values, lengths, formats, resultFormat);
    });
}

PGresult *wait_exec_prepared(PGconn *conn, const char *stmtName, int nParams, const char *const *values,
                             const int *lengths, const int *formats, int resultFormat) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQexecPrepared(conn, stmtName, nParams, values, lengths, formats, resultFormat);
    return exec_timed(conn, state, [&] {
        return PQsendQueryPrepared(conn, stmtName, nParams, values, lengths, formats, resultFormat);
    });
}

PGresult *wait_prepare(PGconn *conn, const char *stmtName, const char *sql, int nParams, const Oid *types) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQprepare(conn, stmtName, sql, nParams, types);
    return exec_timed(conn, state, [&] { return PQsendPrepare(conn, stmtName, sql, nParams, types); });
}

PGresult *wait_describe_prepared(PGconn *conn, const char *stmtName) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQdescribePrepared(conn, stmtName);
    return exec_timed(conn, state, [&] { return PQsendDescribePrepared(conn, stmtName); });
}

PGresult *wait_describe_portal(PGconn *conn, const char *portal) noexcept {
    ConnState *state = timed(conn);
    if (!state) return PQdescribePortal(conn, portal);
    return exec_timed(conn, state, [&] { return PQsendDescribePortal(conn, portal); });
}

}  // namespace vsk::pqx
