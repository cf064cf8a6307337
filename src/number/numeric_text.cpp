// The server's numeric value to and from decimal text, and to the machine's numbers.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>

#include "number/numeric_convert.h"

namespace vsk {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool equals_nan(const char *p) {
    return (p[0] == 'n' || p[0] == 'N') && (p[1] == 'a' || p[1] == 'A') && (p[2] == 'n' || p[2] == 'N') &&
           p[3] == '\0';
}

void append_word(std::string &out, int w, bool leading) {
    char four[4];
    for (int i = 3; i >= 0; --i, w /= 10) four[i] = static_cast<char>('0' + w % 10);
    int from = 0;
    if (leading)
        while (from < 3 && four[from] == '0') ++from;
    out.append(four + from, 4 - from);
}

// The magnitude rounded to an integer; 1 when it exceeds 64 bits.
int rounded_magnitude(const NumericVar &var, std::uint64_t *magnitude, bool *negative) {
    *magnitude = 0;
    *negative = false;
    if (var.special() || !numeric_valid(var)) return -1;
    NumericVar v = var;
    if (!round_var(v, 0)) return -1;
    *negative = v.negative() && v.ndigits() > 0;
    std::uint64_t m = 0;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / kNumericBase;
    for (int i = 0; i <= v.weight(); ++i) {
        const std::uint64_t w = i < v.ndigits() ? v.digits()[i] : 0;
        if (m > kLimit || m * kNumericBase > std::numeric_limits<std::uint64_t>::max() - w) return 1;
        m = m * kNumericBase + w;
    }
    *magnitude = m;
    return 0;
}

template <class Int>
int narrow(const NumericVar &var, Int *result) {
    std::int64_t v = 0;
    const int rc = numericvar_to_int8(var, &v);
    if (rc != 0) return rc;
    if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max()) return 1;
    *result = static_cast<Int>(v);
    return 0;
}

}  // namespace

int ConvertNumericToString(const NumericVar &var, std::string &text, int scale) noexcept {
    try {
        text.clear();
        if (var.special()) {
            text = var.sign() == kNumericPlusInfinity    ? "Infinity"
                   : var.sign() == kNumericMinusInfinity ? "-Infinity"
                                                         : "NaN";
            return 0;
        }
        if (scale < 0) scale = 0;
        NumericVar v = var;
        if (!round_var(v, scale)) return -1;
        const int n = v.ndigits();
        auto word = [&](long i) { return i >= 0 && i < n ? static_cast<int>(v.digits()[i]) : 0; };
        if (v.negative() && n > 0) text += '-';
        if (v.weight() < 0 || n == 0) {
            text += '0';
        } else {
            for (long i = 0; i <= v.weight(); ++i) append_word(text, word(i), i == 0);
        }
        if (scale > 0) {
            text += '.';
            static const int kPlace[] = {1000, 100, 10, 1};
            for (long k = 0; k < scale; ++k) {
                const int w = word(v.weight() + 1 + k / 4);
                text += static_cast<char>('0' + w / kPlace[k % 4] % 10);
            }
        }
        return 0;
    } catch (const std::bad_alloc &) {
        return -1;
    }
}

int ConvertStringToNumeric(const char *text, NumericVar &out) noexcept {
    if (!text) return -1;
    const char *p = text;
    while (is_space(*p)) ++p;
    if (equals_nan(p)) {
        if (!alloc_var(out, 0)) return -1;
        out.set_sign(kNumericNaN);
        return 0;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    try {
        std::string digits;
        long before_point = 0, fraction_digits = 0;
        bool fraction = false, seen_digit = false;
        for (;; ++p) {
            if (is_digit(*p)) {
                seen_digit = true;
                if (fraction) ++fraction_digits;
                // Leading zeros carry no value; they would only lengthen the words.
                if (digits.empty() && *p == '0') {
                    if (fraction) --before_point;
                    continue;
                }
                digits += static_cast<char>(*p - '0');
                if (!fraction) ++before_point;
            } else if (*p == '.' && !fraction) {
                fraction = true;
            } else {
                break;
            }
        }
        if (!seen_digit) return -1;
        long exponent = 0;
        if (*p == 'e' || *p == 'E') {
            ++p;
            bool eneg = false;
            if (*p == '+' || *p == '-') eneg = *p++ == '-';
            if (!is_digit(*p)) return -1;
            for (; is_digit(*p); ++p)
                if (exponent <= 1000) exponent = exponent * 10 + (*p - '0');
            if (exponent > 1000) return -1;
            if (eneg) exponent = -exponent;
        }
        while (is_space(*p)) ++p;
        if (*p != '\0') return -1;
        const long dscale = fraction_digits - exponent;
        if (dscale > kNumericMaxDscale) return -1;
        const long point = before_point + exponent;
        const long q = point >= 0 ? (point + 3) / 4 : -(-point / 4);
        const long pad = 4 * q - point;
        const long n = static_cast<long>(digits.size());
        if (q - 1 < -32768 || q - 1 > 32767 || !alloc_var(out, static_cast<int>((pad + n + 3) / 4))) return -1;
        static const int kPlace[] = {1000, 100, 10, 1};
        for (long i = 0; i < n; ++i) {
            std::uint16_t &w = out.digits()[(pad + i) / 4];
            w = static_cast<std::uint16_t>(w + digits[static_cast<std::size_t>(i)] * kPlace[(pad + i) % 4]);
        }
        out.set_weight(static_cast<int>(q - 1));
        out.set_sign(negative ? kNumericNegative : kNumericPositive);
        out.set_dscale(dscale < 0 ? 0 : static_cast<int>(dscale));
        strip_var(out);
        return 0;
    } catch (const std::bad_alloc &) {
        return -1;
    }
}

int numericvar_to_int8(const NumericVar &var, std::int64_t *result) noexcept {
    std::uint64_t m = 0;
    bool negative = false;
    const int rc = rounded_magnitude(var, &m, &negative);
    if (rc != 0) return rc;
    constexpr std::uint64_t kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (m > kMax + (negative ? 1 : 0)) return 1;
    *result = negative ? static_cast<std::int64_t>(0 - m) : static_cast<std::int64_t>(m);
    return 0;
}

int numericvar_to_int4(const NumericVar &var, std::int32_t *result) noexcept { return narrow(var, result); }
int numericvar_to_int2(const NumericVar &var, std::int16_t *result) noexcept { return narrow(var, result); }
int numericvar_to_int1(const NumericVar &var, std::int8_t *result) noexcept { return narrow(var, result); }

int numericvar_to_uint8(const NumericVar &var, std::uint64_t *result) noexcept {
    std::uint64_t m = 0;
    bool negative = false;
    const int rc = rounded_magnitude(var, &m, &negative);
    if (rc != 0) return rc;
    if (negative) return 1;
    *result = m;
    return 0;
}

int numericvar_to_double(const NumericVar &var, double *result) noexcept {
    if (!numeric_valid(var)) return -1;
    if (var.special()) {
        if (var.sign() == kNumericPlusInfinity || var.sign() == kNumericMinusInfinity) {
            *result = var.negative() ? -HUGE_VAL : HUGE_VAL;
            return 1;
        }
        *result = std::numeric_limits<double>::quiet_NaN();
        return 0;
    }
    std::string text;
    if (ConvertNumericToString(var, text, var.dscale()) < 0) return -1;
    char *end = nullptr;
    errno = 0;
    const double d = std::strtod(text.c_str(), &end);
    if (*end != '\0') return -1;
    *result = d;
    // An underflow's nearest double is a fine answer; only a value past the range is not.
    return std::isinf(d) ? 1 : 0;
}

int numericvar_to_float(const NumericVar &var, float *result) noexcept {
    double d = 0;
    const int rc = numericvar_to_double(var, &d);
    if (rc < 0) return rc;
    if (std::fabs(d) > std::numeric_limits<float>::max()) {
        *result = d < 0 ? -HUGE_VALF : HUGE_VALF;
        return 1;
    }
    const float f = static_cast<float>(d);
    *result = f;
    if (rc > 0 || std::isnan(d)) return rc;
    return static_cast<double>(f) == d ? 0 : 1;
}

}  // namespace vsk
