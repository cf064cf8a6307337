// The frame every exported call runs in: entry and replace callbacks before the work,
// exit callbacks after it, all under the call's OCI function code and with its arguments.
#pragma once

#include <oci.h>

#include "env/env.h"
#include "env/user_callbacks.h"

namespace vsk {

class CallFrame {
public:
    CallFrame(OCIEnv *env, ub4 fcode) noexcept
        : env_(is_kind(env, HANDLE_OCIEnv) && fcode < static_cast<ub4>(kFunctionCodeSlots) ? env : nullptr),
          fcode_(fcode) {}

    // Callbacks share the call's result: entry callbacks may set it, a replace callback's
    // answer other than OCI_CONTINUE stands (and runs the exit callbacks at once).
    template <class... Args>
    void enter(Args... args) noexcept {
        if (!env_) return;
        _PerformEntryUcbs(env_->ucbEntry[fcode_], &status_, args...);
        _PerformReplaceUcbs(env_, &status_, fcode_, args...);
    }

    // Calls that take replace callbacks only.
    template <class... Args>
    void replace(Args... args) noexcept {
        if (env_) _PerformReplaceUcbs(env_, &status_, fcode_, args...);
    }

    // The work's own result: success keeps what the callbacks left, anything else replaces it.
    void set(sword rc) noexcept {
        if (rc != OCI_SUCCESS) status_ = rc;
    }

    template <class... Args>
    sword leave(Args... args) noexcept {
        if (env_) _PerformExitUcbs(env_->ucbExit[fcode_], &status_, args...);
        return status_;
    }

    sword status() const noexcept { return status_; }

private:
    OCIEnv *env_;
    ub4 fcode_;
    sword status_ = OCI_SUCCESS;
};

// Runs work() inside the frame of function code fcode; args are the call's own arguments.
template <class Work, class... Args>
sword run_in_frame(OCIEnv *env, ub4 fcode, Work &&work, Args... args) noexcept {
    CallFrame frame(env, fcode);
    frame.enter(args...);
    frame.set(work());
    return frame.leave(args...);
}

}  // namespace vsk
