// Fetching text, bpchar and varchar values, and the "char" type, into the numeric
// external types.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "number/number_text.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/number_delivery.h"

namespace vsk {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A decimal integer: a digit first (for SQLT_INT a sign may precede it), whatever
// follows the digits ignored. Stored only when it fits the capacity.
int text_integer(OCIError *errhp, const char *value, int length, void *dst, ub4 *lengthp, bool is_unsigned) {
    const std::string text(value, static_cast<std::size_t>(length));
    const char *p = text.c_str();
    const bool signed_text = !is_unsigned && (*p == '-' || *p == '+');
    if (!is_digit(p[signed_text ? 1 : 0])) return conversion_failure(errhp, kErrNumberInvalid);
    errno = 0;
    std::int64_t s = 0;
    std::uint64_t u = 0;
    if (is_unsigned) u = std::strtoull(p, nullptr, 10);
    else s = std::strtoll(p, nullptr, 10);
    if (errno == ERANGE) return conversion_failure(errhp, kErrNumericOverflow);
    const ub4 cap = *lengthp;
    // SQLT_UIN has no 8-byte form for text.
    if (!integer_width(cap) || (is_unsigned && cap == 8)) return conversion_failure(errhp, kErrIllegalConversion);
    if (is_unsigned ? !fits_unsigned(u, cap) : !fits_signed(s, cap))
        return conversion_failure(errhp, kErrNumericOverflow);
    store_integer(dst, cap, is_unsigned ? u : static_cast<std::uint64_t>(s));
    return 0;
}

// A whole number text (trailing blanks of bpchar allowed) as float or double.
int text_real(OCIError *errhp, const char *value, int length, void *dst, ub4 *lengthp) {
    const std::string text(value, static_cast<std::size_t>(length));
    char *end = nullptr;
    const double d = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return conversion_failure(errhp, kErrNumberInvalid);
    while (is_space(*end)) ++end;
    if (*end != '\0') return conversion_failure(errhp, kErrNumberInvalid);
    // Underflow leaves the nearest double, which is kept; overflow is an error.
    if (std::isinf(d)) return conversion_failure(errhp, kErrNumericOverflow);
    const ub4 cap = *lengthp;
    if (cap == 8) {
        std::memcpy(dst, &d, 8);
        return 0;
    }
    if (cap != 4) return conversion_failure(errhp, kErrIllegalConversion);
    return store_exact_float(errhp, d, dst);
}

// The "char" value as decimal text: the character itself in text format, the byte's
// signed value in binary format.
bool char_text(const char *value, int length, int format, std::string &text) {
    if (format == 1) text = std::to_string(static_cast<signed char>(value[0]));
    else if (format == 0) text.assign(value, static_cast<std::size_t>(length));
    else return false;
    return true;
}

}  // namespace

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_INT) {
    return number_member(value, length, format, errhp, indp, rcodep,
                       [&] { return text_integer(errhp, value, length, destination, lengthp, false); });
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_UIN) {
    return number_member(value, length, format, errhp, indp, rcodep,
                       [&] { return text_integer(errhp, value, length, destination, lengthp, true); });
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_FLT) {
    return number_member(value, length, format, errhp, indp, rcodep,
                       [&] { return text_real(errhp, value, length, destination, lengthp); });
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_BFLOAT) {
    return number_member(value, length, format, errhp, indp, rcodep,
                       [&] {
        return with_real_size(lengthp, 4, [&] { return text_real(errhp, value, length, destination, lengthp); });
    });
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_BDOUBLE) {
    return number_member(value, length, format, errhp, indp, rcodep,
                       [&] {
        return with_real_size(lengthp, 8, [&] { return text_real(errhp, value, length, destination, lengthp); });
    });
}

// An empty text is NULL with the Oracle switch on and zero with it off.
VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_NUM) {
    if (indp) *indp = 0;
    if (*lengthp < kNumberSize) return conversion_failure(errhp, kErrTruncated);
    const bool empty = empty_number(value, length, format);
    if (empty && oracle_empty_strings(conversion_env(errhp))) return null_result(errhp, indp, rcodep);
    try {
        const std::string text = empty ? std::string() : std::string(value, static_cast<std::size_t>(length));
        return deliver_number(errhp, text.c_str(), destination, lengthp);
    } catch (const std::bad_alloc &) {
        return -1;
    }
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_VNU) {
    if (indp) *indp = 0;
    if (*lengthp < 2) return conversion_failure(errhp, kErrVarcharLength);
    const bool empty = empty_number(value, length, format);
    if (empty && oracle_empty_strings(conversion_env(errhp))) return null_result(errhp, indp, rcodep);
    try {
        const std::string text = empty ? std::string() : std::string(value, static_cast<std::size_t>(length));
        unsigned char varnum[kVarnumSize] = {};
        if (ConvertStringToVARNUM(text.c_str(), varnum) < 0) return conversion_failure(errhp, kErrNumberInvalid);
        if (copy_varnum(varnum, destination, lengthp) < 0) return conversion_failure(errhp, kErrVarcharLength);
        return 0;
    } catch (const std::bad_alloc &) {
        return -1;
    }
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_NUM) {
    return number_member(value, length, format, errhp, indp, rcodep, [&] {
        std::string text;
        if (!char_text(value, length, format, text)) return -1;
        return deliver_number(errhp, text.c_str(), destination, lengthp);
    });
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_VNU) {
    return number_member(value, length, format, errhp, indp, rcodep, [&] {
        std::string text;
        if (!char_text(value, length, format, text)) return -1;
        return deliver_varnum(errhp, text.c_str(), destination, lengthp);
    });
}

}  // namespace vsk
