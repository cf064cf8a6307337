// User callbacks registered on an environment per OCI function code.
#pragma once

#include <oci.h>

#include <cstdarg>
#include <vector>

struct OCIEnv;
struct OCIUcb;

namespace vsk {

// Shape of a user callback: (ctxp, hndlp, type, fcode, when, returnCode, errnop, arglist).
using UcbFunction = sword (*)(void *, void *, ub4, ub4, ub4, sword, sb4 *, va_list);

enum UcbKind : ub4 { UCB_ENTRY = 1, UCB_EXIT = 2, UCB_REPLACE = 3 };

struct UcbRegistration {
    void *hndlp;
    ub4 type;
    void *ehndlp;
    UcbFunction callback;
    void *ctxp;
    OCIUcb *ucbDesc;
};

// The registrations of one slot, in registration order.
struct UcbSet {
    std::vector<UcbRegistration> registrations;
};

// True for the function codes callbacks may be registered for.
bool ucb_fcode_valid(ub4 fcode) noexcept;

// Registers a callback; OCI_ERROR for an invalid code or kind.
sword register_user_callback(OCIEnv *env, ub4 type, void *ehndlp, UcbFunction callback, void *ctxp, ub4 fcode,
                             ub4 when, OCIUcb *ucbDesc) noexcept;

// Frees the three slot arrays of an environment.
void free_user_callbacks(OCIEnv *env) noexcept;

// Run the callbacks of a slot with the calling function's arguments; status is the call's result.
void _PerformEntryUcbs(UcbSet *slot, sword *status, ...) noexcept;
void _PerformReplaceUcbs(OCIEnv *env, sword *status, ub4 fcode, ...) noexcept;
void _PerformExitUcbs(UcbSet *slot, sword *status, ...) noexcept;

// Loads the callback packages named by ORA_OCI_UCBPKG into env.
sword o2pLoadUCBs(OCIEnv *env) noexcept;

}  // namespace vsk
