#include "types/conversion_support.h"

#include <cstdlib>
#include <cstring>

#include "env/env.h"
#include "env/error.h"
#include "nls/transcode.h"

namespace vsk {

namespace {
constexpr sb4 kUtf16BeCharset = 40;
}

const OCIEnv *conversion_env(OCIError *errhp) noexcept { return errhp ? env_of(errhp) : nullptr; }
bool oracle_empty_strings(const OCIEnv *env) noexcept { return !env || env->emptyStringSemantics; }
bool transcoding(const OCIEnv *env) noexcept { return env && env->isUtf16; }

bool ConvertedText::convert(bool toServer, const OCIEnv *env, OCIError *errhp, const char *src,
                            std::size_t n) noexcept {
    if (!transcoding(env)) {
        data_ = src ? src : "";
        size_ = src ? n : 0;
        return true;
    }
    std::size_t outlen = 0;
    int err = 0;
    if (transcode(toServer ? env->toUtf8 : env->fromUtf8, &err, src, n, buffer_, &outlen) < 0) {
        AddConversionErrorRecord(errhp, err);
        return false;
    }
    data_ = buffer_ ? buffer_.get() : "";
    size_ = outlen;
    return true;
}

bool ConvertedText::to_server(const OCIEnv *env, OCIError *errhp, const char *src, std::size_t n) noexcept {
    return convert(true, env, errhp, src, n);
}

bool ConvertedText::to_client(const OCIEnv *env, OCIError *errhp, const char *src, std::size_t n) noexcept {
    return convert(false, env, errhp, src, n);
}

int make_text_value(const char *src, std::size_t n, char **value, ub4 *length, ub1 *format) noexcept {
    *value = nullptr;
    *length = 0;
    *format = 0;
    if (n >= 0xFFFFFFFFu) return -1;
    auto *buf = static_cast<char *>(std::malloc(n + 1));
    if (!buf) return -1;
    if (n) std::memcpy(buf, src, n);
    buf[n] = '\0';
    *value = buf;
    *length = static_cast<ub4>(n + 1);
    return 0;
}

int make_binary_value(const void *src, std::size_t n, char **value, ub4 *length, ub1 *format) noexcept {
    *value = nullptr;
    *length = 0;
    *format = 0;
    if (n > 0x7FFFFFFF) return -1;
    // One byte at least, so that an empty value is not mistaken for NULL.
    auto *buf = static_cast<char *>(std::malloc(n ? n : 1));
    if (!buf) return -1;
    if (n) std::memcpy(buf, src, n);
    *value = buf;
    *length = static_cast<ub4>(n);
    *format = 1;
    return 0;
}

int null_result(OCIError *errhp, sb2 *indp, ub2 *rcodep) noexcept {
    if (rcodep) *rcodep = kErrNullReturned;
    if (indp) {
        *indp = -1;
        return 0;
    }
    AddErrorRecord(errhp, OCI_ERROR, kErrNullReturned);
    return 1;
}

sb2 truncated_length(std::size_t missing) noexcept {
    return missing > 65535 ? kTruncatedPastIndicator : static_cast<sb2>(static_cast<ub2>(missing));
}

void report_truncation(OCIError *errhp, sb2 *indp, std::size_t missing) noexcept {
    AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrTruncated);
    if (indp) *indp = truncated_length(missing);
}

void pad_blanks(const OCIEnv *env, char *dst, std::size_t from, std::size_t to) noexcept {
    if (from >= to) return;
    if (!transcoding(env)) {
        std::memset(dst + from, ' ', to - from);
        return;
    }
    const bool big_endian = env->charsetId == kUtf16BeCharset;
    std::size_t i = from;
    for (; i + 1 < to; i += 2) {
        dst[i] = big_endian ? '\0' : ' ';
        dst[i + 1] = big_endian ? ' ' : '\0';
    }
    if (i < to) dst[i] = ' ';
}

std::size_t whole_units(const OCIEnv *env, std::size_t n) noexcept { return transcoding(env) ? n & ~std::size_t{1} : n; }

}  // namespace vsk
