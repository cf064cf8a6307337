// OCIStringAssign, OCIStringAssignText, OCIStringResize, OCIStringSize, OCIStringPtr, OCIStringAllocSize.
#include "nls/oci_string.h"

#include <oci.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/handle.h"
#include "env/kinds.h"
#include "env/trace.h"

using namespace vsk;

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrInitMode = 21301;

// String calls belong to the object layer: they need an environment created in object mode only.
bool object_mode(const OCIEnv *env) noexcept { return env->mode == ENV_OBJECT; }

// The handle and mode checks every call with an error handle starts with; OCI_SUCCESS to go on.
sword check_handles(OCIEnv *env, OCIError *err) noexcept {
    if (!is_kind(env, HANDLE_OCIEnv) || !is_kind(err, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    if (!object_mode(env)) {
        AddErrorRecord(err, OCI_ERROR, kErrInitMode);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

sword argument_error(OCIError *err, int position) noexcept {
    AddArgumentErrorRecord(err, position);
    return OCI_ERROR;
}

sword succeed() noexcept {
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_SUCCESS));
    return OCI_SUCCESS;
}

// A terminated copy of n bytes; null on failure.
char *copy_bytes(const char *bytes, std::size_t n) noexcept {
    auto *copy = static_cast<char *>(alloc_raw(n + 1));
    if (!copy) return nullptr;
    if (n) std::memcpy(copy, bytes, n);
    copy[n] = '\0';
    return copy;
}

// Hands the buffer text (capacity + 1 bytes) to *str, allocating the record when *str is null.
// The old buffer is released only now, so text may have been copied from it. On failure text
// is released and *str left as it was.
bool install_text(OCIString **str, char *text, ub4 size, ub4 capacity) noexcept {
    OCIString *s = *str;
    if (!s) {
        s = static_cast<OCIString *>(alloc_raw(sizeof *s));
        if (!s) {
            std::free(text);
            return false;
        }
    } else {
        std::free(s->text);
    }
    s->text = text;
    s->size = size;
    s->capacity = capacity;
    *str = s;
    return true;
}

// How many bytes of rhs an assignment copies: the terminated text, but never fewer than its
// size, so text with embedded NULs (from the conversions) is not cut below what size claims.
std::size_t copied_length(const OCIString *rhs) noexcept {
    if (!rhs->text) return 0;
    std::size_t n = strnlen(rhs->text, rhs->capacity);
    return n < rhs->size ? rhs->size : n;
}

}  // namespace

namespace vsk {

bool string_assign_bytes(OCIString **str, const char *bytes, std::size_t n) noexcept {
    if (!str || (n && !bytes) || n > UINT32_MAX) return false;
    char *copy = copy_bytes(bytes, n);
    return copy && install_text(str, copy, static_cast<ub4>(n), static_cast<ub4>(n));
}

}  // namespace vsk

extern "C" {

VSK_EXPORT sword OCIStringAssign(OCIEnv *env, OCIError *err, const OCIString *rhs, OCIString **lhs) {
    o2pTrace(3, "OCIStringAssign\n");
    if (sword rc = check_handles(env, err); rc != OCI_SUCCESS) return rc;
    if (!rhs) return argument_error(err, 3);
    if (!lhs) return argument_error(err, 4);
    std::size_t n = copied_length(rhs);
    char *copy = copy_bytes(rhs->text, n);
    if (!copy || !install_text(lhs, copy, rhs->size, static_cast<ub4>(n))) {
        AddErrorRecord(err, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    return succeed();
}

VSK_EXPORT sword OCIStringAssignText(OCIEnv *env, OCIError *err, const oratext *rhs, ub4 rhs_len,
                                     OCIString **lhs) {
    o2pTrace(3, "OCIStringAssignText\n");
    if (sword rc = check_handles(env, err); rc != OCI_SUCCESS) return rc;
    if (!rhs) return argument_error(err, 3);
    if (!lhs) return argument_error(err, 5);
    // The text is terminated; a length shorter than it is refused. Bounding the scan keeps
    // it within rhs_len + 1 bytes.
    const char *text = reinterpret_cast<const char *>(rhs);
    std::size_t n = strnlen(text, static_cast<std::size_t>(rhs_len) + 1);
    if (n > rhs_len) return OCI_ERROR;
    char *copy = copy_bytes(text, n);
    if (!copy || !install_text(lhs, copy, static_cast<ub4>(n), static_cast<ub4>(n))) {
        AddErrorRecord(err, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    return succeed();
}

VSK_EXPORT sword OCIStringResize(OCIEnv *env, OCIError *err, ub4 new_size, OCIString **str) {
    o2pTrace(3, "OCIStringResize\n");
    if (sword rc = check_handles(env, err); rc != OCI_SUCCESS) return rc;
    if (!str) return argument_error(err, 4);
    if (new_size == 0) {
        if (*str) {
            std::free((*str)->text);
            std::free(*str);
            *str = nullptr;
        }
        return succeed();
    }
    // One byte past new_size keeps the buffer terminated when the application fills it.
    auto *buffer = static_cast<char *>(alloc_zeroed(static_cast<std::size_t>(new_size) + 1));
    if (!buffer || !install_text(str, buffer, 0, new_size)) {
        AddErrorRecord(err, OCI_ERROR, kErrNoMemory);
        return OCI_ERROR;
    }
    return succeed();
}

VSK_EXPORT ub4 OCIStringSize(OCIEnv *env, const OCIString *vs) {
    o2pTrace(3, "OCIStringSize\n");
    if (!is_kind(env, HANDLE_OCIEnv)) return static_cast<ub4>(OCI_INVALID_HANDLE);
    if (!object_mode(env)) return static_cast<ub4>(OCI_ERROR);
    ub4 size = vs ? vs->size : 0;
    succeed();
    return size;
}

VSK_EXPORT oratext *OCIStringPtr(OCIEnv *env, const OCIString *vs) {
    o2pTrace(3, "OCIString\n");
    if (!is_kind(env, HANDLE_OCIEnv) || !object_mode(env) || !vs) return nullptr;
    o2pTrace(4, "\tRETURNING %s\n", vs->text ? vs->text : "(null)");
    return reinterpret_cast<oratext *>(vs->text);
}

VSK_EXPORT sword OCIStringAllocSize(OCIEnv *env, OCIError *err, const OCIString *vs, ub4 *allocsize) {
    o2pTrace(3, "OCIStringAllocSize\n");
    if (sword rc = check_handles(env, err); rc != OCI_SUCCESS) return rc;
    if (!vs) return argument_error(err, 3);
    if (!allocsize) return argument_error(err, 4);
    *allocsize = vs->capacity;
    return succeed();
}

}  // extern "C"
