#include "pqx/command.h"

#include <memory>

#include "env/handle.h"
#include "env/trace.h"
#include "pqx/catalog.h"
#include "pqx/connection.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "pqx/read_ahead.h"
#include "pqx/standins.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

void notice_processor(void *errhp, const char *message) { OCINoticeHandler(errhp, message); }

}  // namespace

NoticeScope::NoticeScope(PGconn *conn, void *errhp) noexcept : conn_(conn) {
    if (!conn_) return;
    // libpq hands back the previous processor but not its argument; the connection's
    // state remembers it, so nested scopes restore the outer error handle.
    ConnState *state = state_of(conn_);
    void *arg = is_kind(errhp, HANDLE_OCIError) ? errhp : (state ? state->noticeArg : nullptr);
    if (state) {
        previousArg_ = state->noticeArg;
        state->noticeArg = arg;
    }
    previous_ = PQsetNoticeProcessor(conn_, notice_processor, arg);
}

NoticeScope::~NoticeScope() {
    if (!conn_) return;
    if (ConnState *state = state_of(conn_)) state->noticeArg = previousArg_;
    PQsetNoticeProcessor(conn_, previous_, previousArg_);
}

PGresult *exec(PGconn *conn, void *errhp, const char *command) noexcept {
    if (!conn || !command) return nullptr;
    drain_pending(conn);
    ConnState *state = state_of(conn);
    if (state && !state->vendorExtras) {
        if (PGresult *answer = answer_standin(conn, state, command)) {
            ocitrace(TRACE_CONNECT, "pqx", "answered locally: %s\n", command);
            return answer;
        }
    }
    ocitrace(TRACE_CONNECT, "pqx", "PQexec: %s\n", command);
    NoticeScope notices(conn, errhp);
    PGresult *r = wait_exec(conn, command);
    note_command(conn, r);
    return r;
}

PGresult *exec_params(PGconn *conn, void *errhp, const char *command, int nParams, const Oid *paramTypes,
                      const char *const *values, const int *lengths, const int *formats, int resultFormat) noexcept {
    if (!conn || !command) return nullptr;
    drain_pending(conn);
    ocitrace(TRACE_CONNECT, "pqx", "PQexecParams: %s\n", command);
    NoticeScope notices(conn, errhp);
    return wait_exec_params(conn, command, nParams, paramTypes, values, lengths, formats, resultFormat);
}

PGresult *describe_prepared(PGconn *conn, void *errhp, const char *stmtName) noexcept {
    if (!conn || !stmtName) return nullptr;
    drain_pending(conn);
    ocitrace(TRACE_CONNECT, "pqx", "PQdescribePrepared %s\n", stmtName);
    NoticeScope notices(conn, errhp);
    return wait_describe_prepared(conn, stmtName);
}

std::string quote_identifier(PGconn *conn, std::string_view name) {
    if (!conn) return {};
    // Owned at once: the copy below may throw.
    std::unique_ptr<char, decltype(&PQfreemem)> q(PQescapeIdentifier(conn, name.data(), name.size()), PQfreemem);
    if (!q) return {};
    return std::string(q.get());
}

std::string encrypted_password(PGconn *conn, const std::string &role, const std::string &password) {
    if (!conn) return {};
    settle_connection(conn, state_of(conn));
    std::unique_ptr<char, decltype(&PQfreemem)> hashed(
        PQencryptPasswordConn(conn, password.c_str(), role.c_str(), nullptr), PQfreemem);
    if (!hashed) return {};
    return std::string(hashed.get());
}

PGresult *get_result(PGconn *conn, void *errhp) noexcept {
    if (!conn) return nullptr;
    if (ConnState *state = state_of(conn)) {
        if (!state->ready.empty()) {
            PGresult *r = state->ready.front().release();
            state->ready.pop_front();
            return r;
        }
        // What is on the wire is a FETCH read ahead, not the caller's.
        if (state->inFlight) return nullptr;
    }
    NoticeScope notices(conn, errhp);
    return take_out_row(conn, wait_result(conn));
}

}  // namespace vsk::pqx
