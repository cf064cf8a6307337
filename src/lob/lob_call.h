// What every LOB call shares: the frame (handle checks, user callbacks, a cleared error
// handle), the environment's character sets, and the records of LOB failures.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include "connect/call_deadline.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "lob/lob_value.h"
#include "lob/locator.h"

namespace vsk {

constexpr ub4 kErrLob = 1733;

// Records 1733 with what went wrong; OCI_ERROR.
sword lob_error(OCIError *errhp, const char *what) noexcept;

// The connection of a service context's server, or null.
PGconn *lob_connection(OCISvcCtx *svchp) noexcept;

// The character set a character LOB's stored bytes are in: the environment's, or UTF-8
// where the environment is UTF-16.
int stored_charset(const OCIEnv *env) noexcept;

// The character set the application reads and writes a character LOB in: csid when
// given (the library's or the vendor's numbering), else the environment's.
int client_charset(const OCIEnv *env, ub2 csid) noexcept;

// A service-context call on a locator: the handles checked (a bad one is
// OCI_INVALID_HANDLE, nothing recorded), the frame run around work(env).
template <class Work, class... Args>
sword lob_svc_call(OCISvcCtx *svchp, OCIError *errhp, const OCILobLocator *locp, ub4 fcode, Work work,
                   Args... args) noexcept {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError) ||
        !is_kind(locp, HANDLE_OCILobLocator))
        return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of(svchp);
    if (!env) return OCI_INVALID_HANDLE;
    CallDeadline deadline(svchp);
    return run_in_frame(env, fcode, [&] {
        _ClearErrorHandle(errhp);
        return work(env);
    }, args...);
}

// An environment call on a locator (the error handle may be that of another call).
template <class Work, class... Args>
sword lob_env_call(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, ub4 fcode, Work work,
                   Args... args) noexcept {
    if (!is_kind(envhp, HANDLE_OCIEnv) || !is_kind(errhp, HANDLE_OCIError) || !is_kind(locp, HANDLE_OCILobLocator))
        return OCI_INVALID_HANDLE;
    return run_in_frame(envhp, fcode, [&] {
        _ClearErrorHandle(errhp);
        return work();
    }, args...);
}

}  // namespace vsk
