// OCIMultiByteStrlen, OCIMultiByteStrnDisplayLength and OCIMultiByteInSizeToWideChar:
// multibyte text in the environment's character set (UTF-16 in UTF-16 environments).
#include <oci.h>

#include "env/error.h"
#include "env/export.h"
#include "nls/mb_string.h"
#include "nls/nls_call.h"
#include "nls/wchar_table.h"

using namespace vsk;

namespace {

constexpr ub4 kErrUnsupported = 3001;
constexpr size_t kFailedLength = static_cast<size_t>(-1);

const unsigned char *bytes(const OraText *s) noexcept { return reinterpret_cast<const unsigned char *>(s); }

}  // namespace

extern "C" {

// Characters before the terminator; 0 for a bad handle, -1 (as size_t) for a null str.
VSK_EXPORT size_t OCIMultiByteStrlen(void *envhp, const OraText *str) {
    OCIEnv *env = nls_env(envhp);
    if (!env) return 0;
    if (!str) {
        nls_argument_error(env->errorHandle, 2);
        return kFailedLength;
    }
    const vsk_wchar_tbl *row = wchar_row(env->charsetId);
    return mb_char_count(*row, bytes(str), terminated_length(*row, bytes(str)));
}

// Display positions of the whole characters within the first n bytes of str (or up to
// its terminator); 0 for a bad handle, -1 (as size_t) for a null str.
VSK_EXPORT size_t OCIMultiByteStrnDisplayLength(void *envhp, const OraText *str1, size_t n) {
    OCIEnv *env = nls_env(envhp);
    if (!env) return 0;
    if (!str1) {
        nls_argument_error(env->errorHandle, 2);
        return kFailedLength;
    }
    return mb_display_width(*wchar_row(env->charsetId), bytes(str1), n);
}

// Converts srcsz bytes of src (up to a terminator) into at most dstsz wide characters,
// adding a zero wide character when there is room; rsize receives the characters
// converted. Without dst (or with dstsz 0) only counts them.
VSK_EXPORT sword OCIMultiByteInSizeToWideChar(void *envhp, OCIWchar *dst, size_t dstsz, const OraText *src,
                                              size_t srcsz, size_t *rsize) {
    OCIEnv *env = nls_env(envhp);
    if (!env) return OCI_INVALID_HANDLE;
    if (!src) return nls_argument_error(env->errorHandle, 4);
    if (srcsz == 0) return nls_argument_error(env->errorHandle, 5);
    const vsk_wchar_tbl *row = wchar_row(env->charsetId);
    if (!row->to_wchar) {  // the client-only sets have no wide form
        AddErrorRecord(env->errorHandle, OCI_ERROR, kErrUnsupported);
        return OCI_ERROR;
    }
    const bool counting = !dst || dstsz == 0;
    std::size_t count = 0;
    if (int err = mb_to_wide(*row, bytes(src), srcsz, counting ? nullptr : dst, dstsz, &count)) {
        AddConversionErrorRecord(env->errorHandle, err);
        return OCI_ERROR;
    }
    if (rsize) *rsize = count;
    return OCI_SUCCESS;
}

}  // extern "C"
