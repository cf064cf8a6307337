// Binding character data: the application's text layouts turned into server text.
#include <cstring>

#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

constexpr ub4 kErrInvalidArgument = 1084;
constexpr ub4 kErrInvalidVarcharLength = 1458;
constexpr ub4 kErrStrMissingNull = 1480;
constexpr std::size_t kMaxStrValue = 4000;

int sql_null(char **value, ub4 *length, ub1 *format) {
    *value = nullptr;
    *length = 0;
    *format = 0;
    return 0;
}

int fail(OCIError *errhp, ub4 number, char **value, ub4 *length) {
    if (number) AddErrorRecord(errhp, OCI_ERROR, number);
    *value = nullptr;
    *length = 0;
    return -1;
}

// Converts n bytes of client text and stores them as the value.
int client_text_value(OCIError *errhp, const char *src, std::size_t n, char **value, ub4 *length, ub1 *format) {
    ConvertedText text;
    if (!text.to_server(conversion_env(errhp), errhp, src, n)) return fail(errhp, 0, value, length);
    return make_text_value(text.data(), text.size(), value, length, format);
}

// The length prefix of the VCS and LVC layouts, in the machine's byte order.
template <class Prefix>
Prefix read_prefix(const void *buffer) {
    Prefix p;
    std::memcpy(&p, buffer, sizeof p);
    return p;
}

}  // namespace

// Trailing blanks go; the first byte always stays, so an all-blank value keeps one.
VSK_BIND_CONVERSION(ConvertSQLT_CHRToVARCHAROID) {
    (void)indp;
    if (!buffer || size == 0) return sql_null(value, length, format);
    ConvertedText text;
    if (!text.to_server(conversion_env(errhp), errhp, static_cast<const char *>(buffer), size))
        return fail(errhp, 0, value, length);
    std::size_t n = text.size();
    while (n > 1 && text.data()[n - 1] == ' ') --n;
    return make_text_value(text.data(), n, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_AFCToVARCHAROID) {
    (void)indp;
    if (!buffer) return sql_null(value, length, format);
    if (size == 0) {
        if (oracle_empty_strings(conversion_env(errhp))) return sql_null(value, length, format);
        return make_text_value("", 0, value, length, format);
    }
    return client_text_value(errhp, static_cast<const char *>(buffer), size, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_STRToVARCHAROID) {
    (void)indp;
    const OCIEnv *env = conversion_env(errhp);
    const auto *src = static_cast<const char *>(buffer);
    if (oracle_empty_strings(env)) {
        if (size < 2 || !src) return fail(errhp, 0, value, length);
        if (src[0] == '\0' && size == 2) return sql_null(value, length, format);
        ConvertedText text;
        if (!text.to_server(env, errhp, src, size)) return fail(errhp, 0, value, length);
        // The value ends at the buffer's last NUL.
        std::size_t end = text.size();
        while (end > 1 && text.data()[end - 1] != '\0') --end;
        if (end <= 1 || end > kMaxStrValue) return fail(errhp, kErrStrMissingNull, value, length);
        return make_text_value(text.data(), end - 1, value, length, format);
    }
    if (size == 0 || !src) return make_text_value("", 0, value, length, format);
    // The string up to its first terminator: a zero code unit in UTF-16.
    std::size_t n = 0;
    if (transcoding(env)) {
        while (n + 1 < size && (src[n] != '\0' || src[n + 1] != '\0')) n += 2;
        if (n + 1 >= size) return fail(errhp, kErrStrMissingNull, value, length);
    } else {
        const void *nul = std::memchr(src, '\0', size);
        if (!nul) return fail(errhp, kErrStrMissingNull, value, length);
        n = static_cast<std::size_t>(static_cast<const char *>(nul) - src);
    }
    return client_text_value(errhp, src, n, value, length, format);
}

// A 16-bit length, then the text; the length must lie inside the buffer.
VSK_BIND_CONVERSION(ConvertSQLT_VCSToVARCHAROID) {
    (void)indp;
    if (!buffer || size < 2) return fail(errhp, kErrInvalidArgument, value, length);
    const ub2 n = read_prefix<ub2>(buffer);
    if (n >= 65534 || size >= 65536 || n > size - 2) return fail(errhp, kErrInvalidVarcharLength, value, length);
    return client_text_value(errhp, static_cast<const char *>(buffer) + 2, n, value, length, format);
}

// A 32-bit length, then the text; the length must lie inside the buffer.
VSK_BIND_CONVERSION(ConvertSQLT_LVCToVARCHAROID) {
    (void)indp;
    if (!buffer || size < 4) return fail(errhp, kErrInvalidArgument, value, length);
    const ub4 n = read_prefix<ub4>(buffer);
    if (n > 2147483643u || n > size - 4) return fail(errhp, kErrInvalidVarcharLength, value, length);
    return client_text_value(errhp, static_cast<const char *>(buffer) + 4, n, value, length, format);
}

}  // namespace vsk
