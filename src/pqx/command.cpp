#include "pqx/command.h"

#include "env/handle.h"
#include "env/trace.h"
#include "pqx/connection.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "pqx/standins.h"

namespace vsk::pqx {

namespace {

void notice_processor(void *errhp, const char *message) { OCINoticeHandler(errhp, message); }

}  // namespace

NoticeScope::NoticeScope(PGconn *conn, void *errhp) noexcept : conn_(conn) {
    if (!conn_) return;
    void *arg = is_kind(errhp, HANDLE_OCIError) ? errhp : nullptr;
    // libpq hands back the previous processor but not its argument; the connection's
    // state remembers it, so nested scopes restore the outer error handle.
    ConnState *state = state_of(conn_);
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
    return PQexec(conn, command);
}

PGresult *get_result(PGconn *conn, void *errhp) noexcept {
    if (!conn) return nullptr;
    // The results of a CLOSE sent without waiting are nobody's to read.
    if (ConnState *state = state_of(conn); state && state->resultsPending) {
        drain_pending(conn);
        return nullptr;
    }
    NoticeScope notices(conn, errhp);
    return take_out_row(conn, PQgetResult(conn));
}

}  // namespace vsk::pqx
