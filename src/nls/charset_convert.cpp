// OCICharSetToUnicode, OCIUnicodeToCharSet and OCINlsCharSetConvert.
//
// Unicode here is UTF-16 in the machine's byte order, counted in ub2 units. A result that
// does not fit the destination is cut after its last whole character; the size reported
// is then what was written (without a destination, what the whole result needs).
#include <oci.h>

#include <bit>
#include <cstdint>
#include <cstring>

#include "env/error.h"
#include "env/export.h"
#include "nls/charset.h"
#include "nls/charset_ids.h"
#include "nls/mb_string.h"
#include "nls/nls_call.h"
#include "nls/transcode.h"
#include "nls/wchar_table.h"

using namespace vsk;

namespace {

constexpr int kNativeUtf16 = std::endian::native == std::endian::little ? ENC_UTF16LE : ENC_UTF16BE;

// Converts srclen bytes from one library set to another and copies what fits dstlen
// bytes of dst (when dst is given) in whole characters of the target set. *produced
// receives the bytes written, or without dst the bytes of the whole result.
sword convert(void *errhp, int to, int from, const void *src, std::size_t srclen, void *dst, std::size_t dstlen,
              std::size_t *produced) noexcept {
    IconvHandle cd(pg_encoding_to_char(to), pg_encoding_to_char(from));
    if (!cd) {
        AddConversionErrorRecord(errhp, 0);
        return OCI_ERROR;
    }
    CharBuffer out;
    std::size_t outlen = 0;
    int err = 0;
    if (transcode(cd.get(), &err, static_cast<const char *>(src), srclen, out, &outlen) < 0) {
        AddConversionErrorRecord(errhp, err);
        return OCI_ERROR;
    }
    if (srclen != 0 && !out) {  // no buffer to be had
        AddErrorRecord(errhp, OCI_ERROR, 16506);
        return OCI_ERROR;
    }
    if (!dst) {
        *produced = outlen;
        return OCI_SUCCESS;
    }
    std::size_t n = outlen;
    if (n > dstlen) {
        const vsk_wchar_tbl *row = wchar_row(to);
        const auto *bytes = reinterpret_cast<const unsigned char *>(out.get());
        n = row ? whole_chars_prefix(*row, bytes, outlen, dstlen) : dstlen;
    }
    if (n) std::memcpy(dst, out.get(), n);
    *produced = n;
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

// srclen bytes in the environment's character set to dstlen ub2 units of UTF-16; rsize
// in ub2 units. dstlen 0 (or a null dst) only measures.
VSK_EXPORT sword OCICharSetToUnicode(void *envhp, ub2 *dst, size_t dstlen, const OraText *src, size_t srclen,
                                     size_t *rsize) {
    OCIEnv *env = nls_env(envhp);
    if (!env) return OCI_INVALID_HANDLE;
    if (!src) return nls_argument_error(env->errorHandle, 4);
    if (dstlen > SIZE_MAX / sizeof(ub2)) dstlen = SIZE_MAX / sizeof(ub2);
    std::size_t bytes = 0;
    sword rc = convert(env->errorHandle, kNativeUtf16, env->charsetId, src, srclen, dstlen ? dst : nullptr,
                       dstlen * sizeof(ub2), &bytes);
    if (rc == OCI_SUCCESS && rsize) *rsize = bytes / sizeof(ub2);
    return rc;
}

// srclen ub2 units of UTF-16 to dstlen bytes in the environment's character set; rsize
// in bytes. dstlen 0 (or a null dst) only measures.
VSK_EXPORT sword OCIUnicodeToCharSet(void *envhp, OraText *dst, size_t dstlen, const ub2 *src, size_t srclen,
                                     size_t *rsize) {
    OCIEnv *env = nls_env(envhp);
    if (!env) return OCI_INVALID_HANDLE;
    if (!src) return nls_argument_error(env->errorHandle, 4);
    if (srclen > SIZE_MAX / sizeof(ub2)) return nls_argument_error(env->errorHandle, 5);
    std::size_t bytes = 0;
    sword rc = convert(env->errorHandle, env->charsetId, kNativeUtf16, src, srclen * sizeof(ub2),
                       dstlen ? dst : nullptr, dstlen, &bytes);
    if (rc == OCI_SUCCESS && rsize) *rsize = bytes;
    return rc;
}

// Identifiers of either numbering (library 0..40, vendor numbers above); sizes in bytes.
VSK_EXPORT sword OCINlsCharSetConvert(void *envhp, OCIError *errhp, ub2 dstid, void *dstp, size_t dstlen, ub2 srcid,
                                      const void *srcp, size_t srclen, size_t *rsize) {
    OCIEnv *env = nls_env(envhp);
    if (!env || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (!srcp) return nls_argument_error(errhp, 7);
    const int to = library_id_for_id(dstid), from = library_id_for_id(srcid);
    if (to < 0) return nls_argument_error(errhp, 3);
    if (from < 0) return nls_argument_error(errhp, 6);
    std::size_t bytes = 0;
    sword rc = convert(errhp, to, from, srcp, srclen, dstlen ? dstp : nullptr, dstlen, &bytes);
    if (rc == OCI_SUCCESS && rsize) *rsize = bytes;
    return rc;
}

}  // extern "C"
