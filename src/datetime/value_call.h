// What the OCIDate, OCIDateTime and OCIInterval entry points share: the error-handle check,
// the trace lines, the call frame and the argument records.
#pragma once

#include <oci.h>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/trace.h"

namespace vsk::dt {

// Runs work (which returns the call's code) for the call named name: the description
// line, OCI_INVALID_HANDLE for a missing or wrong error handle, the frame of the error
// handle's environment, the error handle cleared, and the RETURNING line on success.
template <class Work, class... Args>
sword value_call(OCIError *err, const char *name, Work &&work, Args... args) noexcept {
    o2pTrace(3, "%s\n", name);
    if (!is_kind(err, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    OCIEnv *env = env_of(err);
    const sword rc = run_in_frame(
        env, 0,
        [&]() -> sword {
            _ClearErrorHandle(err);
            return work();
        },
        args...);
    if (rc == OCI_SUCCESS) o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(rc));
    return rc;
}

// Records 21560 for the argument at that 1-based position (earlier records cleared).
inline sword argument_error(OCIError *err, int position) noexcept {
    _ClearErrorHandle(err);
    AddArgumentErrorRecord(err, position);
    return OCI_ERROR;
}

// value_call for the calls led by an environment or session handle: a missing one is
// argument 1.
template <class Work, class... Args>
sword handle_call(void *hndl, OCIError *err, const char *name, Work &&work, Args... args) noexcept {
    return value_call(
        err, name, [&]() -> sword { return hndl ? work() : argument_error(err, 1); }, args...);
}

// Records number (earlier records cleared); OCI_ERROR.
inline sword value_error(OCIError *err, ub4 number) noexcept {
    _ClearErrorHandle(err);
    AddErrorRecord(err, OCI_ERROR, number);
    return OCI_ERROR;
}

}  // namespace vsk::dt

#include "datetime/descriptors.h"

namespace vsk::dt {

// The payload of a datetime or interval argument: null with 21560 recorded for a missing
// or foreign pointer (position counts the handle and error handle), or with the
// not-a-value error (16384, 932) when needValue and it holds none.
inline DateTimeValue *datetime_arg(OCIError *err, const OCIDateTime *d, int position, bool needValue,
                                   sword *rc) noexcept {
    DateTimeValue *v = datetime_value(d);
    if (!v) *rc = argument_error(err, position);
    else if (needValue && !v->initialised) *rc = value_error(err, 16384), v = nullptr;
    return v;
}

inline IntervalValue *interval_arg(OCIError *err, const OCIInterval *i, int position, bool needValue,
                                   sword *rc) noexcept {
    IntervalValue *v = interval_value(i);
    if (!v) *rc = argument_error(err, position);
    else if (needValue && !v->initialised) *rc = value_error(err, 932), v = nullptr;
    return v;
}

}  // namespace vsk::dt
