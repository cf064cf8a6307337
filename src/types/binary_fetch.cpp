// Fetching binary data: bytea (and the server's raw type) into the character targets as
// hexadecimal digits and into the binary targets as bytes; text, bpchar and varchar into
// the binary targets.
#include <cstring>
#include <new>
#include <string>

#include "env/error.h"
#include "nls/oci_string.h"
#include "types/binary_conversions.h"
#include "types/bytea_text.h"
#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

std::size_t value_length(const char *value, int length) {
    return value && length > 0 ? static_cast<std::size_t>(length) : 0;
}

int invalid_hex(OCIError *errhp) {
    AddErrorRecord(errhp, OCI_ERROR, kErrHexInvalid);
    return -1;
}

// The written count of a result into *lengthp; a cut character rendering is reported
// with the characters lost.
int rendered(OCIError *errhp, const bytea::Result &r, ub4 *lengthp, sb2 *indp) {
    if (!r.valid) return invalid_hex(errhp);
    *lengthp = static_cast<ub4>(r.written);
    if (!r.cut()) return 0;
    report_truncation(errhp, indp, r.total - r.written);
    return 1;
}

// The length prefix of the prefixed layouts (2 or 4 bytes, machine order); 0: none.
void write_prefix(char *dst, std::size_t width, ub4 n) {
    if (width == 2) {
        const auto p = static_cast<ub2>(n);
        std::memcpy(dst, &p, sizeof p);
    } else if (width == 4) {
        std::memcpy(dst, &n, sizeof n);
    }
}

// The room a layout with a prefix of width bytes leaves in cap; a 16-bit prefix cannot
// count beyond 65535.
ub4 room_after(std::size_t width, ub4 cap) {
    const ub4 room = cap - static_cast<ub4>(width);
    return width == 2 && room > 0xFFFF ? 0xFFFF : room;
}

// An empty bytea, in whichever form it came, is a NULL value. The hex form spells it as
// the bare prefix.
bool empty_bytea(const char *value, int length, int format) {
    if (!value || length <= 0) return true;
    return format == 0 && (value[0] == '\0' || (length == 2 && bytea::is_hex_form(value, 2)));
}

// The checks every bytea target makes first: false with *rc the result to return.
bool bytea_value(OCIError *errhp, const char *value, int length, int format, const ub4 *lengthp, sb2 *indp,
                 ub2 *rcodep, int *rc) {
    if (indp) *indp = 0;
    *rc = 0;
    if (format != 0 && format != 1) *rc = -1;
    else if (*lengthp == 0) *rc = 0;
    else if (empty_bytea(value, length, format)) *rc = null_result(errhp, indp, rcodep);
    else return true;
    return false;
}

// The value's hexadecimal digits (from the server's text form, or from raw bytes in
// binary format), at most *lengthp of them.
int render_hex(OCIError *errhp, const char *value, int length, int format, char *dst, ub4 *lengthp, sb2 *indp) {
    return format == 1 ? ConvertBinaryToString(errhp, value, length, dst, lengthp, indp)
                       : ConvertPQBinStrToOCIBinStr(errhp, value, length, dst, lengthp, indp);
}

// Raw bytes into room bytes: a longer value is cut, recorded, and the indicator gets the
// bytes lost.
int copy_bytes(OCIError *errhp, const char *value, int length, void *dst, ub4 *lengthp, sb2 *indp) {
    const std::size_t n = value_length(value, length), room = *lengthp;
    const std::size_t k = n < room ? n : room;
    if (k) std::memcpy(dst, value, k);
    *lengthp = static_cast<ub4>(k);
    if (k == n) return 0;
    report_truncation(errhp, indp, n - k);
    return 1;
}

// What fill writes into the room after a length prefix of width bytes (0: none), with
// the prefix and the length set from it. fill(dst, &n) gets the room in n and leaves the
// bytes written there.
template <class Fill>
int after_prefix(std::size_t width, void *destination, ub4 *lengthp, Fill fill) {
    if (*lengthp < width) return -1;
    auto *dst = static_cast<char *>(destination);
    ub4 n = room_after(width, *lengthp);
    const int rc = fill(dst + width, &n);
    if (rc < 0) return rc;
    write_prefix(dst, width, n);
    *lengthp = n + static_cast<ub4>(width);
    return rc;
}

// Bytes into a binary target: decoded from text, or copied when the value already is
// raw bytes.
int binary_target(OCIError *errhp, const char *value, int length, bool raw, std::size_t width, void *destination,
                  ub4 *lengthp, sb2 *indp) {
    return after_prefix(width, destination, lengthp, [&](char *dst, ub4 *n) {
        return raw ? copy_bytes(errhp, value, length, dst, n, indp)
                   : ConvertStringToBinary(errhp, value, length, dst, n, indp);
    });
}

int bytea_to_binary(OCIError *errhp, const char *value, int length, int format, std::size_t width, void *destination,
                    ub4 *lengthp, sb2 *indp, ub2 *rcodep) {
    int rc;
    if (!bytea_value(errhp, value, length, format, lengthp, indp, rcodep, &rc)) return rc;
    return binary_target(errhp, value, length, format == 1, width, destination, lengthp, indp);
}

// Text stands for bytes by the bytea rules: hex-decoded after the hex prefix, its own
// bytes otherwise (backslash sequences apart).
int text_to_binary(OCIError *errhp, const char *value, int length, int format, std::size_t width, void *destination,
                   ub4 *lengthp, sb2 *indp, ub2 *rcodep) {
    if (indp) *indp = 0;
    if (*lengthp == 0) return 0;
    const bool empty = !value || length <= 0 || (format == 0 && value[0] == '\0');
    if (empty && oracle_empty_strings(conversion_env(errhp))) return null_result(errhp, indp, rcodep);
    return binary_target(errhp, empty ? "" : value, empty ? 0 : length, false, width, destination, lengthp, indp);
}

// Hexadecimal digits after a length prefix of width bytes.
int hex_prefixed(OCIError *errhp, const char *value, int length, int format, std::size_t width, void *destination,
                 ub4 *lengthp, sb2 *indp, ub2 *rcodep) {
    int rc;
    if (!bytea_value(errhp, value, length, format, lengthp, indp, rcodep, &rc)) return rc;
    return after_prefix(width, destination, lengthp, [&](char *dst, ub4 *n) {
        return render_hex(errhp, value, length, format, dst, n, indp);
    });
}

// The digits and a NUL, which always fits; avc: the length counts it.
int hex_terminated(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp,
                   sb2 *indp, ub2 *rcodep, bool avc) {
    int rc;
    if (!bytea_value(errhp, value, length, format, lengthp, indp, rcodep, &rc)) return rc;
    auto *dst = static_cast<char *>(destination);
    ub4 n = *lengthp - 1;
    rc = render_hex(errhp, value, length, format, dst, &n, indp);
    if (rc < 0) return rc;
    dst[n] = '\0';
    *lengthp = avc ? n + 1 : n;
    return rc;
}

}  // namespace

int ConvertPQBinStrToOCIBinStr(OCIError *errhp, const char *text, int length, char *destination, ub4 *lengthp,
                               sb2 *indp) noexcept {
    const bytea::Result r = bytea::render_text(text, value_length(text, length), destination, *lengthp);
    return rendered(errhp, r, lengthp, indp);
}

int ConvertBinaryToString(OCIError *errhp, const char *bytes, int length, char *destination, ub4 *lengthp,
                          sb2 *indp) noexcept {
    const bytea::Result r = bytea::render_bytes(reinterpret_cast<const unsigned char *>(bytes),
                                                value_length(bytes, length), destination, *lengthp);
    return rendered(errhp, r, lengthp, indp);
}

int ConvertStringToBinary(OCIError *errhp, const char *text, int length, void *destination, ub4 *lengthp,
                          sb2 *indp) noexcept {
    const bytea::Result r = bytea::decode(text, value_length(text, length), static_cast<unsigned char *>(destination),
                                          *lengthp);
    if (!r.valid) return invalid_hex(errhp);
    *lengthp = static_cast<ub4>(r.written);
    if (!r.cut()) return 0;
    AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrTruncated);
    if (indp) *indp = truncated_length(r.total);
    return 1;
}

// ---- bytea into the character targets ----

// Blank-padded to the capacity.
VSK_FETCH_CONVERSION(ConvertBYTEAOIDToSQLT_CHR) {
    int rc;
    if (!bytea_value(errhp, value, length, format, lengthp, indp, rcodep, &rc)) return rc;
    const ub4 cap = *lengthp;
    auto *dst = static_cast<char *>(destination);
    rc = render_hex(errhp, value, length, format, dst, lengthp, indp);
    if (rc >= 0) std::memset(dst + *lengthp, ' ', cap - *lengthp);
    return rc;
}

VSK_FETCH_CONVERSION(ConvertBYTEAOIDToSQLT_AVC) {
    return hex_terminated(errhp, value, length, format, destination, lengthp, indp, rcodep, true);
}

VSK_FETCH_CONVERSION(ConvertBYTEAOIDToSQLT_STR) {
    return hex_terminated(errhp, value, length, format, destination, lengthp, indp, rcodep, false);
}

// Into the OCIString, keeping room for its NUL; a string the digits do not fit keeps
// what does. A failed rendering leaves the string empty.
VSK_FETCH_CONVERSION(ConvertBYTEAOIDToSQLT_VST) {
    int rc;
    if (!bytea_value(errhp, value, length, format, lengthp, indp, rcodep, &rc)) return rc;
    if (*lengthp < 4) return -1;
    auto **slot = static_cast<OCIString **>(destination);
    if (!*slot) {
        // No string yet: one is made to hold all the digits.
        try {
            std::string digits(2 * value_length(value, length), '\0');
            ub4 n = static_cast<ub4>(digits.size());
            rc = render_hex(errhp, value, length, format, digits.data(), &n, indp);
            if (rc < 0) return rc;
            return string_assign_bytes(slot, digits.data(), n) ? rc : -1;
        } catch (const std::bad_alloc &) {
            return -1;
        }
    }
    OCIString *s = *slot;
    if (!s->text) return -1;
    ub4 n = s->capacity ? s->capacity - 1 : 0;
    rc = render_hex(errhp, value, length, format, s->text, &n, indp);
    if (rc < 0) n = 0;
    s->text[n] = '\0';
    s->size = n;
    return rc;
}

// The layouts that only differ by their length prefix (width 0: none).
#define VSK_BINARY_FETCH(NAME, ROUTE, WIDTH)                                                      \
    VSK_FETCH_CONVERSION(NAME) {                                                                  \
        return ROUTE(errhp, value, length, format, WIDTH, destination, lengthp, indp, rcodep); \
    }
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_VCS, hex_prefixed, 2)
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_LVC, hex_prefixed, 4)
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_BIN, bytea_to_binary, 0)
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_LBI, bytea_to_binary, 0)
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_VBI, bytea_to_binary, 2)
VSK_BINARY_FETCH(ConvertBYTEAOIDToSQLT_LVB, bytea_to_binary, 4)
VSK_BINARY_FETCH(ConvertTEXTOIDToSQLT_BIN, text_to_binary, 0)
VSK_BINARY_FETCH(ConvertTEXTOIDToSQLT_LBI, text_to_binary, 0)
VSK_BINARY_FETCH(ConvertTEXTOIDToSQLT_VBI, text_to_binary, 2)
VSK_BINARY_FETCH(ConvertTEXTOIDToSQLT_LVB, text_to_binary, 4)

}  // namespace vsk
