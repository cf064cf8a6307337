#include "env/user_callbacks.h"

#include <cerrno>

#include "env/env.h"
#include "env/name_tables.h"
#include "env/trace.h"

namespace vsk {

namespace {

UcbSet **slots_for(OCIEnv *env, ub4 when) noexcept {
    switch (when) {
    case UCB_ENTRY: return env->ucbEntry;
    case UCB_EXIT: return env->ucbExit;
    case UCB_REPLACE: return env->ucbReplace;
    default: return nullptr;
    }
}

const char *ucb_kind_name(ub4 when) noexcept {
    return when >= UCB_ENTRY && when <= UCB_REPLACE ? OCICallbackTypes[when] : "";
}

// Every kind calls with the same code, kind and return-code arguments.
sword invoke(const UcbRegistration &r, va_list args) noexcept {
    va_list copy;
    va_copy(copy, args);
    sword rc = r.callback(r.ctxp, r.hndlp, r.type, 13, 1, 0, reinterpret_cast<sb4 *>(&errno), copy);
    va_end(copy);
    return rc;
}

// Entry and exit callbacks: each result is kept unless OCI_CONTINUE was already answered;
// an OCI_CONTINUE left at the end gives the status back.
void run_accumulating(UcbSet *slot, sword *status, va_list args) noexcept {
    if (!slot || !status) return;
    sword before = *status;
    for (const UcbRegistration &r : slot->registrations) {
        sword rc = invoke(r, args);
        if (*status != OCI_CONTINUE) *status = rc;
    }
    if (*status == OCI_CONTINUE) *status = before;
}

void run_exit_va(UcbSet *slot, sword *status, va_list args) noexcept { run_accumulating(slot, status, args); }

}  // namespace

bool ucb_fcode_valid(ub4 fcode) noexcept {
    if (fcode >= 61 && fcode <= 123) return true;
    if (fcode < 1 || fcode > 59) return false;
    switch (fcode) {
    case 9: case 14: case 15: case 16: case 19: case 22: case 23: case 24:
    case 30: case 31: case 36: case 40: case 41: case 49: case 53:
        return false;
    default:
        return true;
    }
}

sword register_user_callback(OCIEnv *env, ub4 type, void *ehndlp, UcbFunction callback, void *ctxp, ub4 fcode,
                             ub4 when, OCIUcb *ucbDesc) noexcept {
    o2pTrace(3, "Registering User Callback\n");
    o2pTrace(4, "\thndlp = %p\n", static_cast<void *>(env));
    o2pTrace(4, "\ttype = %s\n", o2pGetHandleTypeName(type));
    o2pTrace(4, "\tehndlp = %p\n", ehndlp);
    o2pTrace(4, "\tcallback = %p\n", reinterpret_cast<void *>(callback));
    o2pTrace(4, "\tctxp = %p\n", ctxp);
    const char *fname = o2pGetFunctionCode(fcode);
    o2pTrace(4, "\tfcode = %s\n", fname ? fname : "");
    o2pTrace(4, "\twhen = %s\n", ucb_kind_name(when));
    o2pTrace(4, "\tucbDesc = %p\n", static_cast<void *>(ucbDesc));
    if (!ucb_fcode_valid(fcode)) {
        o2pTrace(0, "\tERROR for FNCODE %s\n", "ERROR");
        return OCI_ERROR;
    }
    UcbSet **slots = is_kind(env, HANDLE_OCIEnv) ? slots_for(env, when) : nullptr;
    if (!slots) {
        o2pTrace(0, "\tERROR for WHEN %s\n", "ERROR");
        return OCI_ERROR;
    }
    try {
        if (!slots[fcode]) slots[fcode] = new UcbSet;
        slots[fcode]->registrations.push_back({env, type, ehndlp, callback, ctxp, ucbDesc});
    } catch (...) {
        return OCI_ERROR;
    }
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_SUCCESS));
    return OCI_SUCCESS;
}

void free_user_callbacks(OCIEnv *env) noexcept {
    for (UcbSet **slots : {env->ucbEntry, env->ucbExit, env->ucbReplace})
        for (int i = 0; i < kFunctionCodeSlots; ++i) {
            delete slots[i];
            slots[i] = nullptr;
        }
}

void _PerformEntryUcbs(UcbSet *slot, sword *status, ...) noexcept {
    if (!slot) return;
    va_list args;
    va_start(args, status);
    run_accumulating(slot, status, args);
    va_end(args);
}

void _PerformExitUcbs(UcbSet *slot, sword *status, ...) noexcept {
    if (!slot) return;
    va_list args;
    va_start(args, status);
    run_exit_va(slot, status, args);
    va_end(args);
}

void _PerformReplaceUcbs(OCIEnv *env, sword *status, ub4 fcode, ...) noexcept {
    if (!is_kind(env, HANDLE_OCIEnv) || !status || fcode >= static_cast<ub4>(kFunctionCodeSlots)) return;
    UcbSet *slot = env->ucbReplace[fcode];
    if (!slot) return;
    va_list args;
    va_start(args, fcode);
    sword before = *status;
    bool replaced = false;
    for (const UcbRegistration &r : slot->registrations) {
        *status = invoke(r, args);
        if (*status != OCI_CONTINUE) {
            replaced = true;
            break;
        }
    }
    if (!replaced) *status = before;
    else run_exit_va(env->ucbExit[fcode], status, args);
    va_end(args);
}

}  // namespace vsk
