#include "pqx/connection.h"

#include <libpq-events.h>

#include <cstring>
#include <mutex>
#include <new>
#include <poll.h>
#include <utility>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"

namespace vsk::pqx {

namespace {

constexpr char kEventName[] = "vskoci";

int conn_event(PGEventId id, void *info, void *) noexcept;

// Marks on a result the server cancelled, saying who asked for the cancel.
char kTimedOutMark, kBrokenMark;

// A cancelled command's failure carries its cause from here to the error record, which
// sees only the result.
void mark_cancelled(PGconn *conn, PGresult *result) noexcept {
    auto *state = static_cast<ConnState *>(PQinstanceData(conn, conn_event));
    if (!state || state->cancelCause.load() == CANCEL_NONE || PQresultStatus(result) != PGRES_FATAL_ERROR) return;
    const char *sqlstate = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    if (!sqlstate || std::strcmp(sqlstate, "57014") != 0) return;
    int cause = state->cancelCause.load();
    // A break answers one cancelled command; a time limit lasts until its call ends.
    if (cause == CANCEL_BREAK && !state->cancelCause.compare_exchange_strong(cause, CANCEL_NONE)) cause = CANCEL_NONE;
    if (cause == CANCEL_TIMEOUT) PQresultSetInstanceData(result, conn_event, &kTimedOutMark);
    if (cause == CANCEL_BREAK) PQresultSetInstanceData(result, conn_event, &kBrokenMark);
}

int conn_event(PGEventId id, void *info, void *) noexcept {
    if (id == PGEVT_RESULTCREATE) {
        auto *created = static_cast<PGEventResultCreate *>(info);
        mark_cancelled(created->conn, created->result);
    } else if (id == PGEVT_CONNDESTROY) {
        auto *destroy = static_cast<PGEventConnDestroy *>(info);
        auto *state = static_cast<ConnState *>(PQinstanceData(destroy->conn, conn_event));
        if (state) {
            if (state->protocolTrace) {
                PQuntrace(destroy->conn);
                std::fclose(state->protocolTrace);
            }
            {
                std::lock_guard<std::mutex> lock(state->cancelMutex);
                PQfreeCancel(state->cancel);
                state->cancel = nullptr;
            }
            delete state;
        }
    }
    return 1;
}

// One round trip: the vendor server knows the setting, stock PostgreSQL does not
// (current_setting with missing_ok gives null there).
bool server_has_extras(PGconn *conn) noexcept {
    PGresult *r = exec(conn, nullptr, "SELECT current_setting('vsk_stmt_level_tx', true) IS NOT NULL");
    bool extras = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) == 1 && !PQgetisnull(r, 0, 0) &&
                  std::strcmp(PQgetvalue(r, 0, 0), "t") == 0;
    PQclear(r);
    return extras;
}

// A connection that failed keeps no state; the caller reads its message and finishes it.
// One that came up but cannot get its state (memory) is closed here: without the state
// it would lose the stand-ins and the transaction book-keeping.
PGconn *prepare(PGconn *conn) noexcept {
    if (!conn || PQstatus(conn) != CONNECTION_OK) return conn;
    ConnState *state = nullptr;
    try {
        state = new ConnState;  // its containers allocate as they are made
    } catch (const std::bad_alloc &) {
    }
    if (!state || !PQregisterEventProc(conn, conn_event, kEventName, nullptr) ||
        !PQsetInstanceData(conn, conn_event, state)) {
        delete state;
        PQfinish(conn);
        return nullptr;
    }
    state->cancel = PQgetCancel(conn);
    CancelKey key;
    if (read_cancel_key(conn, state->cancel, &key)) state->cancelKey = key;
    else ocitrace(TRACE_CONNECT, "pqx", "no cancel key: a call timeout closes the connection\n");
    state->vendorExtras = server_has_extras(conn);
    ocitrace(TRACE_CONNECT, "pqx", "server %s the vendor extras\n", state->vendorExtras ? "has" : "lacks");
    return conn;
}

}  // namespace

PGconn *connect_params(const char *const *keywords, const char *const *values) noexcept {
    return prepare(PQconnectdbParams(keywords, values, 1));
}

PGconn *connect_uri(const char *uri) noexcept { return prepare(PQconnectdb(uri)); }

namespace {
// Marks results of failed_exchange (instance data of the library's event procedure).
char memory_mark;
}  // namespace

PGresult *failed_exchange(PGconn *conn) noexcept {
    PGresult *r = PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
    if (r && conn && PQstatus(conn) == CONNECTION_OK) PQresultSetInstanceData(r, conn_event, &memory_mark);
    return r;
}

bool failed_for_memory(const PGresult *r) noexcept {
    return r && PQresultInstanceData(r, conn_event) == &memory_mark;
}

void note_out_of_memory(PGconn *conn) noexcept {
    if (ConnState *state = state_of(conn)) state->outOfMemory = true;
}

bool take_out_of_memory(PGconn *conn) noexcept {
    ConnState *state = state_of(conn);
    return state && std::exchange(state->outOfMemory, false);
}

ConnState *state_of(const PGconn *conn) noexcept {
    return conn ? static_cast<ConnState *>(PQinstanceData(conn, conn_event)) : nullptr;
}

bool start_protocol_trace(PGconn *conn, const char *path) noexcept {
    ConnState *state = state_of(conn);
    if (!state || !path || std::strlen(path) > 1023) return false;
    std::FILE *f = std::fopen(path, "a");
    if (!f) return false;
    if (state->protocolTrace) {
        PQuntrace(conn);
        std::fclose(state->protocolTrace);
    }
    state->protocolTrace = f;
    PQtrace(conn, f);
    return true;
}

int set_client_encoding(PGconn *conn, const char *encoding) noexcept {
    drain_pending(conn);
    NoticeScope notices(conn, nullptr);
    return PQsetClientEncoding(conn, encoding);
}

bool cancel(PGconn *conn) noexcept {
    char errbuf[256];
    ConnState *state = state_of(conn);
    if (!state) {
        PGcancel *c = PQgetCancel(conn);
        if (!c) return false;
        const bool sent = PQcancel(c, errbuf, sizeof errbuf) == 1;
        PQfreeCancel(c);
        return sent;
    }
    std::lock_guard<std::mutex> lock(state->cancelMutex);
    if (!state->cancel) return false;
    state->cancelCause.store(CANCEL_BREAK);
    if (PQcancel(state->cancel, errbuf, sizeof errbuf) == 1) return true;
    int cause = CANCEL_BREAK;
    state->cancelCause.compare_exchange_strong(cause, CANCEL_NONE);
    return false;
}

int cancel_cause(const PGresult *result) noexcept {
    const void *mark = result ? PQresultInstanceData(result, conn_event) : nullptr;
    return mark == &kTimedOutMark ? CANCEL_TIMEOUT : mark == &kBrokenMark ? CANCEL_BREAK : CANCEL_NONE;
}

void finish(PGconn *conn) noexcept {
    if (conn) PQfinish(conn);
}

bool idle_connection_alive(PGconn *conn) noexcept {
    if (!conn || PQstatus(conn) != CONNECTION_OK || PQtransactionStatus(conn) != PQTRANS_IDLE) return false;
    // An idle connection has nothing to read unless the server is going away (a
    // terminated backend sends its FATAL message and closes) or sent something no one
    // asked for; either way a fresh connection is the safe choice. Looking costs one
    // poll, no round trip.
    pollfd fd{PQsocket(conn), POLLIN, 0};
    return fd.fd >= 0 && poll(&fd, 1, 0) == 0;
}

}  // namespace vsk::pqx
