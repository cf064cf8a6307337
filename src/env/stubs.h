// Entry points that do not perform their OCI operation: guarded stubs, error stubs, and the
// calls whose implementation comes with a later subsystem.
#pragma once

#include <oci.h>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/trace.h"

namespace vsk {

struct GuardedStub {
    const char *function;     // OCI name, for the fatal message
    const char *description;  // level-3 trace line
    ub4 fcode;                // function code its callbacks run under
    bool callbacks;           // runs entry, replace and exit callbacks
    bool message3001;         // leaves the 3001 text in the error handle's message text
    const char *file;
    int line;
};

// Without VSK_OCI_UIFCTN_RET_OK set, writes the fatal message and ends the process.
void guarded_stub_check(const GuardedStub &stub) noexcept;
void guarded_stub_leave_message(const GuardedStub &stub, void *errhp) noexcept;
sword guarded_stub_return() noexcept;

// handle locates the environment whose callbacks run; args are the stub's own arguments.
template <class... Args>
sword guarded_stub(const GuardedStub &stub, void *handle, void *errhp, Args... args) noexcept {
    o2pTrace(3, "%s", stub.description);
    CallFrame frame(stub.callbacks ? env_of(handle) : nullptr, stub.fcode);
    frame.enter(args...);
    guarded_stub_check(stub);
    guarded_stub_leave_message(stub, errhp);
    frame.leave(args...);
    return guarded_stub_return();
}

// Traces its description and fails without recording anything.
sword error_stub(const char *description) noexcept;

// A call whose work is not built yet: runs in its frame, records 3001 and fails.
template <class... Args>
sword pending_call(void *handle, void *errhp, ub4 fcode, Args... args) noexcept {
    OCIEnv *env = env_of(handle);
    return run_in_frame(
        env, fcode,
        [&]() -> sword {
            void *target = is_kind(errhp, HANDLE_OCIError) ? errhp : (env ? env->errorHandle : nullptr);
            _ClearErrorHandle(target);
            AddErrorRecord(target, OCI_ERROR, 3001);
            return OCI_ERROR;
        },
        args...);
}

}  // namespace vsk

#define VSK_GUARDED_STUB(name, description, fcode, callbacks, message3001) \
    vsk::GuardedStub { name, description, fcode, callbacks, message3001, __FILE__, __LINE__ }
