// Fetching text, bpchar and varchar values into the character external types.
#include <cstring>
#include <string>

#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/text_fetch.h"

namespace vsk {

namespace {

bool empty_value(const char *value, int length, int format) {
    return !value || length <= 0 || (format == 0 && value[0] == '\0');
}

std::size_t value_length(const char *value, int length) {
    return value && length > 0 ? static_cast<std::size_t>(length) : 0;
}

template <class Prefix>
void write_prefix(void *dst, Prefix p) {
    std::memcpy(dst, &p, sizeof p);
}

// The blank-padded targets: copy what fits, pad the rest, report a cut. avc: the text
// ends with a NUL inside the buffer.
int padded_text(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp,
                sb2 *indp, ub2 *rcodep, bool avc) {
    if (indp) *indp = 0;
    const std::size_t cap = *lengthp;
    if (cap == 0) return 0;
    const OCIEnv *env = conversion_env(errhp);
    if (empty_value(value, length, format) && oracle_empty_strings(env)) return null_result(errhp, indp, rcodep);
    ConvertedText text;
    if (!text.to_client(env, errhp, value, value_length(value, length))) return -1;
    const std::size_t n = text.size();
    auto *dst = static_cast<char *>(destination);
    const bool truncated = n > cap;
    if (truncated) report_truncation(errhp, indp, n - cap);
    std::size_t copied = whole_units(env, truncated ? cap : n);
    std::memcpy(dst, text.data(), copied);
    if (!avc) {
        pad_blanks(env, dst, copied, cap);
        if (copied < cap) *lengthp = static_cast<ub4>(copied);
        return truncated ? 1 : 0;
    }
    if (copied < cap) {
        dst[copied] = '\0';
        pad_blanks(env, dst, copied + 1, cap);
        *lengthp = static_cast<ub4>(copied + 1);
    } else {
        dst[cap - 1] = '\0';
    }
    return truncated ? 1 : 0;
}

}  // namespace

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_CHR) {
    return padded_text(errhp, value, length, format, destination, lengthp, indp, rcodep, false);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_AVC) {
    return padded_text(errhp, value, length, format, destination, lengthp, indp, rcodep, true);
}

int plain_text_to_str(const OCIEnv *env, OCIError *errhp, const char *value, int length, int format,
                      void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep) noexcept {
    if (indp) *indp = 0;
    if (empty_value(value, length, format) && oracle_empty_strings(env)) return null_result(errhp, indp, rcodep);
    const std::size_t len = value ? strnlen(value, value_length(value, length)) : 0;
    const std::size_t cap = *lengthp;
    auto *dst = static_cast<char *>(destination);
    if (len < cap) {
        if (len) std::memcpy(dst, value, len);
        dst[len] = '\0';
    } else if (cap) {
        if (cap > 1) std::memcpy(dst, value, cap - 1);
        dst[cap - 1] = '\0';
    } else {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalConversion);
        return -1;
    }
    *lengthp = static_cast<ub4>(len);
    return 0;
}

// A NUL-terminated copy, cut to the capacity without a truncation report; the length is
// the server value's whether or not it fitted.
VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_STR) {
    const OCIEnv *env = conversion_env(errhp);
    if (!transcoding(env))
        return plain_text_to_str(env, errhp, value, length, format, destination, lengthp, indp, rcodep);
    if (indp) *indp = 0;
    if (empty_value(value, length, format) && oracle_empty_strings(env)) return null_result(errhp, indp, rcodep);
    const std::size_t len = value ? strnlen(value, value_length(value, length)) : 0;
    ConvertedText text, terminator;
    static const char nul = '\0';
    // libpq ends every value with a NUL; only a value without one needs a terminated copy.
    std::string copy;
    const char *whole = value && value[len] == '\0' ? value : (copy.assign(value ? value : "", len), copy.c_str());
    if (!text.to_client(env, errhp, whole, len + 1) || !terminator.to_client(env, errhp, &nul, 1)) return -1;
    const std::size_t cap = *lengthp, m = text.size(), t = terminator.size();
    auto *dst = static_cast<char *>(destination);
    std::size_t copied = whole_units(env, m < cap ? m : cap);
    if (copied < m) {
        if (copied < t) {
            AddErrorRecord(errhp, OCI_ERROR, kErrIllegalConversion);
            return -1;
        }
        std::memcpy(dst, text.data(), copied - t);
        std::memcpy(dst + copied - t, terminator.data(), t);
    } else {
        std::memcpy(dst, text.data(), copied);
    }
    *lengthp = static_cast<ub4>(len);
    return 0;
}

// The bytes as the server sent them: no conversion, no padding.
VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_LNG) {
    if (indp) *indp = 0;
    const std::size_t cap = *lengthp;
    if (cap == 0) return 0;
    if (empty_value(value, length, format) && oracle_empty_strings(conversion_env(errhp)))
        return null_result(errhp, indp, rcodep);
    const std::size_t len = value_length(value, length);
    const bool truncated = len > cap;
    if (truncated) report_truncation(errhp, indp, len - cap);
    const std::size_t copied = truncated ? cap : len;
    if (copied) std::memcpy(destination, value, copied);
    *lengthp = static_cast<ub4>(copied);
    return truncated ? 1 : 0;
}

// Length-prefixed targets. A value longer than the buffer is cut to what fits, with the
// prefix and the returned length describing the cut copy and the indicator the full length.
template <class Prefix>
static int prefixed_text(OCIError *errhp, const char *value, int length, void *destination, ub4 *lengthp, sb2 *indp,
                         ub2 *rcodep) {
    if (indp) *indp = 0;
    const std::size_t cap = *lengthp;
    if (cap < sizeof(Prefix)) return -1;
    auto *dst = static_cast<char *>(destination);
    if (!value || length <= 0) {
        write_prefix<ub2>(dst, 2);
        *lengthp = 2;
        return null_result(errhp, indp, rcodep);
    }
    const OCIEnv *env = conversion_env(errhp);
    ConvertedText text;
    if (!text.to_client(env, errhp, value, static_cast<std::size_t>(length))) return -1;
    const std::size_t room = cap - sizeof(Prefix);
    const std::size_t limit = static_cast<std::size_t>(static_cast<Prefix>(-1));
    std::size_t n = text.size();
    if (n > room || n > limit) {
        if (!indp) return 1;
        const std::size_t full = sizeof(Prefix) == 2 ? n : n + 4 - cap;
        AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrTruncated);
        *indp = sizeof(Prefix) == 2 ? static_cast<sb2>(static_cast<ub2>(full)) : truncated_length(full);
        n = whole_units(env, room < limit ? room : limit);
        write_prefix<Prefix>(dst, static_cast<Prefix>(n));
        std::memcpy(dst + sizeof(Prefix), text.data(), n);
        *lengthp = static_cast<ub4>(n + sizeof(Prefix));
        return 1;
    }
    write_prefix<Prefix>(dst, static_cast<Prefix>(n));
    std::memcpy(dst + sizeof(Prefix), text.data(), n);
    *lengthp = static_cast<ub4>(n + sizeof(Prefix));
    return 0;
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_VCS) {
    (void)format;
    return prefixed_text<ub2>(errhp, value, length, destination, lengthp, indp, rcodep);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_LVC) {
    (void)format;
    return prefixed_text<ub4>(errhp, value, length, destination, lengthp, indp, rcodep);
}

}  // namespace vsk
