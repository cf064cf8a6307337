// OCIStmtFetch and OCIStmtFetch2: the checks before a fetch.
#include "connect/call_deadline.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "stmt/execute.h"
#include "stmt/records.h"

using namespace vsk;

namespace {

constexpr ub4 kErrIllegalMode = 24300;
constexpr ub4 kErrUnexecuted = 24338;
constexpr ub4 kErrFetchIllegal = 24391;
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kFnCodeStmtFetch2 = 152;

OCIEnv *env_of_stmt(const OCIStmt *stmt) {
    auto *env = static_cast<OCIEnv *>(stmt->hdr.parenth);
    return is_kind(env, HANDLE_OCIEnv) ? env : nullptr;
}

bool known_orientation(ub2 o) {
    return o <= OCI_FETCH_NEXT || o == OCI_FETCH_FIRST || o == OCI_FETCH_LAST || o == OCI_FETCH_PRIOR ||
           o == OCI_FETCH_ABSOLUTE || o == OCI_FETCH_RELATIVE;
}

// A statement that received a server cursor gets its cursor record at its first fetch.
sword open_ref_cursor(OCIStmt *stmt, OCIError *errhp) {
    if (!stmt->isRefCursor || stmt->refCursorOpened) return OCI_SUCCESS;
    OCIServer *server = server_of(stmt->svcctx);
    if (!server) return OCI_INVALID_HANDLE;
    if (prepareCursor(server, stmt, errhp) != 0) return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    stmt->cursor->state = Cursor::OPEN;
    stmt->executed = 1;
    stmt->refCursorOpened = 1;
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIStmtFetch(OCIStmt *stmtp, OCIError *errhp, ub4 nrows, ub2 orientation, ub4 mode) {
    if (!is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of_stmt(stmtp);
    if (!env) return OCI_INVALID_HANDLE;
    CallDeadline deadline(stmtp->svcctx);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        if (const sword rc = open_ref_cursor(stmtp, errhp); rc != OCI_SUCCESS) return rc;
        if (orientation > OCI_FETCH_NEXT && orientation != OCI_FETCH_FIRST && orientation != OCI_FETCH_LAST &&
            orientation != OCI_FETCH_PRIOR)
            return AddErrorRecord(errhp, OCI_ERROR, kErrFetchIllegal), OCI_ERROR;
        if (mode != OCI_DEFAULT) return AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR;
        if (!stmtp->executed) return AddErrorRecord(errhp, OCI_ERROR, kErrUnexecuted), OCI_ERROR;
        return doFetch(stmtp, errhp, nrows, orientation, 0);
    };
    return run_in_frame(env, OCI_FNCODE_STMTFETCH, work, stmtp, errhp, nrows, orientation, mode);
}

VSK_EXPORT sword OCIStmtFetch2(OCIStmt *stmtp, OCIError *errhp, ub4 nrows, ub2 orientation, sb4 scrollOffset,
                               ub4 mode) {
    if (!is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of_stmt(stmtp);
    if (!env) return OCI_INVALID_HANDLE;
    if (env->rogueWaveMode) nrows = 1;
    CallDeadline deadline(stmtp->svcctx);
    auto work = [&]() -> sword {
        _ClearErrorHandle(errhp);
        if (const sword rc = open_ref_cursor(stmtp, errhp); rc != OCI_SUCCESS) return rc;
        if (!known_orientation(orientation)) return AddErrorRecord(errhp, OCI_ERROR, kErrFetchIllegal), OCI_ERROR;
        if (mode != OCI_DEFAULT) return AddErrorRecord(errhp, OCI_ERROR, kErrIllegalMode), OCI_ERROR;
        if (!stmtp->executed) return AddErrorRecord(errhp, OCI_ERROR, kErrUnexecuted), OCI_ERROR;
        return doFetch(stmtp, errhp, nrows, orientation, scrollOffset);
    };
    return run_in_frame(env, kFnCodeStmtFetch2, work, stmtp, errhp, nrows, orientation, scrollOffset, mode);
}

}  // extern "C"
