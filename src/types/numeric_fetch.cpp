// Fetching numeric columns, in text or the server's binary form, into every external type.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "number/number_text.h"
#include "number/numeric_convert.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/number_delivery.h"

namespace vsk {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The binary value read once into host order; 1722 for one that is malformed.
int decode(OCIError *errhp, const char *value, int length, NumericVar &var) {
    return decode_numeric(value, length, var) < 0 ? conversion_failure(errhp, kErrNumberInvalid) : 0;
}

// The value's text: the server's own, or the binary value rendered at its display scale.
int numeric_text(OCIError *errhp, const char *value, int length, int format, std::string &text) {
    if (format == 0) {
        text.assign(value, static_cast<std::size_t>(length));
        return 0;
    }
    if (format != 1) return -1;
    NumericVar var;
    if (decode(errhp, value, length, var) < 0) return -1;
    return ConvertNumericToString(var, text, var.dscale());
}

// The character targets: a value longer than the limit is refused; a text that does not
// fit is cut, recorded as 1406 and the lost length given to the indicator.
int numeric_chars(OCIError *errhp, const char *value, int length, int format, void *dst, ub4 *lengthp, sb2 *indp,
                  long long limit, CharLayout layout) {
    if (length > limit) return -1;
    std::string text;
    if (numeric_text(errhp, value, length, format, text) < 0) return -1;
    return deliver_chars(errhp, text, layout, kTruncatedCut, dst, lengthp, indp);
}

// The leading integer of the server's text, the fraction dropped: 0, or -1 with the
// failure recorded. Its magnitude with its sign.
int leading_integer(OCIError *errhp, const char *value, int length, std::uint64_t *magnitude, bool *negative) {
    const char *p = value, *end = value + length;
    *negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) ++p;
    if (p == end || !is_digit(*p)) return conversion_failure(errhp, kErrNumberInvalid);
    std::uint64_t m = 0;
    for (; p < end && is_digit(*p); ++p) {
        const unsigned d = static_cast<unsigned>(*p - '0');
        if (m > (UINT64_MAX - d) / 10) return conversion_failure(errhp, kErrNumericOverflow);
        m = m * 10 + d;
    }
    *magnitude = m;
    return 0;
}

int numeric_integer(OCIError *errhp, const char *value, int length, int format, void *dst, ub4 *lengthp,
                    bool is_unsigned) {
    const ub4 cap = *lengthp;
    if (cap < 1) return -1;
    const ub4 width = cap == 1 ? 1 : cap < 4 ? 2 : cap < 8 ? 4 : 8;
    std::uint64_t m = 0;
    bool negative = false;
    if (format == 0) {
        if (leading_integer(errhp, value, length, &m, &negative) < 0) return -1;
    } else if (format == 1) {
        NumericVar var;
        if (decode(errhp, value, length, var) < 0) return -1;
        std::int64_t s = 0;
        const int rc = is_unsigned ? numericvar_to_uint8(var, &m) : numericvar_to_int8(var, &s);
        if (rc < 0) return conversion_failure(errhp, kErrNumberInvalid);
        if (rc > 0) return conversion_failure(errhp, kErrNumericOverflow);
        if (!is_unsigned) {
            negative = s < 0;
            m = negative ? 0 - static_cast<std::uint64_t>(s) : static_cast<std::uint64_t>(s);
        }
    } else {
        return -1;
    }
    bool fits;
    std::uint64_t bits;
    if (is_unsigned) {
        fits = (!negative || m == 0) && fits_unsigned(m, width);
        bits = m;
    } else {
        const std::uint64_t limit = std::uint64_t{1} << (8 * width - 1);
        fits = negative ? m <= limit : m < limit;
        bits = negative ? 0 - m : m;
    }
    if (!fits) return conversion_failure(errhp, kErrNumericOverflow);
    store_integer(dst, width, bits);
    *lengthp = width;
    return 0;
}

// A float when the capacity is below 8, else a double. A value beyond the chosen type's
// range is an error; a float that is not exactly the value is stored and recorded.
int numeric_real(OCIError *errhp, const char *value, int length, int format, void *dst, ub4 *lengthp) {
    const ub4 cap = *lengthp;
    if (cap < 4) return -1;
    double d = 0;
    if (format == 0) {
        const std::string text(value, static_cast<std::size_t>(length));
        char *end = nullptr;
        d = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0') return -1;
        if (std::isinf(d)) return conversion_failure(errhp, kErrNumericOverflow);
    } else if (format == 1) {
        NumericVar var;
        if (decode(errhp, value, length, var) < 0) return -1;
        const int rc = numericvar_to_double(var, &d);
        if (rc < 0) return -1;
        if (rc > 0) return conversion_failure(errhp, kErrNumericOverflow);
    } else {
        return -1;
    }
    if (cap >= 8) {
        std::memcpy(dst, &d, 8);
        *lengthp = 8;
        return 0;
    }
    const int rc = store_exact_float(errhp, d, dst);
    if (rc >= 0) *lengthp = 4;
    return rc;
}

int numeric_layout(OCIError *errhp, const char *value, int length, int format, void *dst, ub4 *lengthp,
                   bool varnum) {
    if (!varnum && *lengthp < kNumberSize) return -1;
    if (format == 0) {
        const std::string text(value, static_cast<std::size_t>(length));
        return varnum ? deliver_varnum(errhp, text.c_str(), dst, lengthp)
                      : deliver_number(errhp, text.c_str(), dst, lengthp);
    }
    if (format != 1) return -1;
    NumericVar var;
    unsigned char bytes[kVarnumSize] = {};
    if (decode(errhp, value, length, var) < 0) return -1;
    if ((varnum ? ConvertNumericToVARNUMBER(var, bytes) : ConvertNumericToNUMBER(var, bytes)) < 0)
        return conversion_failure(errhp, kErrNumberInvalid);
    if (varnum) return copy_varnum(bytes, dst, lengthp);
    std::memcpy(dst, bytes, kNumberSize);
    *lengthp = kNumberSize;
    return 0;
}

constexpr long long kChrLimit = 4000, kAfcLimit = 2000, kVcsLimit = 65533, kLvcLimit = 2147483642,
                    kLngLimit = 2147483646;

}  // namespace

#define VSK_NUMERIC_MEMBER(TGT, ...)                                                                  \
    VSK_FETCH_CONVERSION(ConvertNUMERICOIDToSQLT_##TGT) {                                             \
        return number_member(value, length, format, errhp, indp, rcodep, [&]() -> int { __VA_ARGS__ }); \
    }

VSK_NUMERIC_MEMBER(CHR, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kChrLimit,
                                             CharLayout::Blanks);)
VSK_NUMERIC_MEMBER(AFC, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kAfcLimit,
                                             CharLayout::Blanks);)
VSK_NUMERIC_MEMBER(AVC, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kAfcLimit,
                                             CharLayout::Avc);)
VSK_NUMERIC_MEMBER(VCS, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kVcsLimit,
                                             CharLayout::Prefix16);)
VSK_NUMERIC_MEMBER(LVC, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kLvcLimit,
                                             CharLayout::Prefix32);)
VSK_NUMERIC_MEMBER(LNG, return numeric_chars(errhp, value, length, format, destination, lengthp, indp, kLngLimit,
                                             CharLayout::Plain);)

// The text and its NUL must fit whole.
VSK_NUMERIC_MEMBER(STR, {
    if (length > kChrLimit) return -1;
    std::string text;
    if (numeric_text(errhp, value, length, format, text) < 0) return -1;
    if (text.size() + 1 > *lengthp) return -1;
    return deliver_chars(errhp, text, CharLayout::Str, kTruncatedCut, destination, lengthp, indp);
})

VSK_NUMERIC_MEMBER(VST, {
    std::string text;
    if (*lengthp < 4 || numeric_text(errhp, value, length, format, text) < 0) return -1;
    return deliver_string(errhp, text, destination, lengthp, indp);
})

// NUMBER from byte 0 through a zeroed 21 bytes, or VARNUM; 1722 for a value that has none.
VSK_NUMERIC_MEMBER(NUM, return numeric_layout(errhp, value, length, format, destination, lengthp, false);)
VSK_NUMERIC_MEMBER(VNU, return numeric_layout(errhp, value, length, format, destination, lengthp, true);)

VSK_NUMERIC_MEMBER(FLT, return numeric_real(errhp, value, length, format, destination, lengthp);)
VSK_NUMERIC_MEMBER(BFLOAT, return with_real_size(lengthp, 4, [&] {
    return numeric_real(errhp, value, length, format, destination, lengthp);
});)
VSK_NUMERIC_MEMBER(BDOUBLE, return with_real_size(lengthp, 8, [&] {
    return numeric_real(errhp, value, length, format, destination, lengthp);
});)
VSK_NUMERIC_MEMBER(INT, return numeric_integer(errhp, value, length, format, destination, lengthp, false);)
VSK_NUMERIC_MEMBER(UIN, return numeric_integer(errhp, value, length, format, destination, lengthp, true);)

}  // namespace vsk
