#include "services/thread_call.h"

namespace vsk {

OCIEnv *thread_owner(void *hndl, OCIError *err) noexcept {
    OCIEnv *env = nullptr;
    if (is_kind(hndl, HANDLE_OCIEnv)) env = static_cast<OCIEnv *>(hndl);
    else if (is_kind(hndl, HANDLE_OCISession) && is_kind(header_of(hndl)->parenth, HANDLE_OCIEnv))
        env = static_cast<OCIEnv *>(header_of(hndl)->parenth);
    return env && is_kind(err, HANDLE_OCIError) ? env : nullptr;
}

sword thread_error(OCIError *err, ub4 number) noexcept {
    AddErrorRecord(err, OCI_ERROR, number);
    return OCI_ERROR;
}

void unlink_record(void *record) noexcept {
    void *parent = header_of(record)->parenth;
    if (is_kind(parent, HANDLE_OCIEnv)) {
        auto lock = lock_children(static_cast<OCIEnv *>(parent));
        static_cast<OCIEnv *>(parent)->children.remove(record);
    }
}

}  // namespace vsk
