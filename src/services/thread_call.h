// The checks every thread call starts with, and the record plumbing they share.
#pragma once

#include <oci.h>

#include "env/env.h"
#include "env/error.h"
#include "services/thread_records.h"

namespace vsk {

constexpr ub4 kErrThreadOperation = 30135;
constexpr ub4 kErrMutexInit = 24320;
constexpr ub4 kErrNoMemory = 16506;

// The environment owning hndl (an environment, or a session whose parent is one) when
// err is an error handle; null otherwise. The object arguments are the caller's to check,
// and then to clear err.
OCIEnv *thread_owner(void *hndl, OCIError *err) noexcept;

// Records number on err; OCI_ERROR.
sword thread_error(OCIError *err, ub4 number) noexcept;

// Hangs a new record on env's children; false when it cannot (the record is the
// caller's to free then).
inline bool adopt_record(OCIEnv *env, void *record) noexcept {
    header_of(record)->parenth = env;
    auto lock = lock_children(env);
    return env->children.append(record);
}

// Takes a record off its environment's children.
void unlink_record(void *record) noexcept;

// Makes a record of kind for *out and hangs it on env. setup(record) readies what the
// record holds and answers 0, or the error number to record after undoing its own work.
// *out stays null on failure.
template <class R, class Setup>
sword make_thread_record(OCIEnv *env, OCIError *err, HandleKind kind, R **out, Setup setup) noexcept {
    *out = nullptr;
    R *r = new_record<R>(kind);
    if (!r) return thread_error(err, kErrNoMemory);
    if (ub4 failed = setup(r)) {
        delete_record(r);
        return thread_error(err, failed);
    }
    if (!adopt_record(env, r)) {
        Free_ThreadRecord(r);
        return thread_error(err, kErrNoMemory);
    }
    *out = r;
    return OCI_SUCCESS;
}

}  // namespace vsk
