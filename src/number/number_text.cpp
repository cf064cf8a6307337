#include "number/number_text.h"

#include <cstdio>

#include "number/number_layout.h"

namespace vsk {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

template <class Exponent>
int zero_result(int *sign, Exponent *exponent, int *count) {
    *sign = 1;
    *exponent = 0;
    *count = 0;
    return 1;
}

// The exponent after "e"/"E": 0, or -1 when it has no digits or lies outside -126..126.
int read_exponent(const char *&p, long *exponent) {
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!is_digit(*p)) return -1;
    long e = 0;
    for (; is_digit(*p); ++p)
        if (e <= 126) e = e * 10 + (*p - '0');
    if (e > 126) return -1;
    *exponent = negative ? -e : e;
    return 0;
}

// ParseNumber with an exponent wide enough for every value of the layouts: 40 digits
// at the smallest exponent need x = -166, beyond a signed byte.
int parse_decimal(const char *text, int *sign, long *exponent, unsigned char *digits, int *count) {
    zero_result(sign, exponent, count);
    if (!text) return 1;
    const char *p = text;
    while (is_space(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    bool seen_digit = false;
    for (; *p == '0'; ++p) seen_digit = true;
    if (*p == '\0') return 1;
    if ((*p == '.' || *p == ',') && p[1] == '\0') return 1;
    if (*p == '.' && !is_digit(p[1])) return -1;

    // Wide counters: a text may carry far more digits than the buffer keeps.
    long long before_point = 0;  // significant digits left of the point, kept or not
    long long leading_fraction_zeros = 0;
    int n = 0;
    bool fraction = false;
    for (;; ++p) {
        const char c = *p;
        if (is_digit(c)) {
            seen_digit = true;
            if (n == 0 && c == '0') {
                if (fraction) ++leading_fraction_zeros;
                continue;
            }
            if (n < kParsedDigitsMax) digits[n++] = static_cast<unsigned char>(c - '0');
            if (!fraction) ++before_point;
        } else if (c == ',') {
            if (fraction) return -1;
        } else if (c == '.') {
            if (fraction) return -1;
            fraction = true;
        } else {
            break;
        }
    }
    long e = 0;
    if ((*p == 'e' || *p == 'E') && (++p, read_exponent(p, &e) < 0)) return -1;
    if (!seen_digit) return -1;
    while (n > 0 && digits[n - 1] == 0) --n;
    if (n == 0) return 1;
    const long long x = before_point - leading_fraction_zeros + e - n;
    // Far beyond any layout; also keeps the counters' sum in range.
    if (x < -100000 || x > 100000) return -1;
    *sign = negative ? 0 : 1;
    *exponent = static_cast<long>(x);
    *count = n;
    return 0;
}

// Text to the layout's digit bytes: the value 0.D x 10^P regrouped as base-100 digits.
int layout_from_text(const char *text, int max_bytes, NumberLayout *layout) {
    int sign = 1, count = 0;
    long x = 0;
    unsigned char digits[kParsedDigitsMax];
    const int rc = parse_decimal(text, &sign, &x, digits, &count);
    if (rc < 0) return -1;
    if (rc == 1) {
        *layout = NumberLayout{};
        return 0;
    }
    long p = x + count;
    // Beyond the layouts either way; make_number_layout decides which.
    if (p > 1000) p = 1000;
    if (p < -1000) p = -1000;
    // An odd P spends the first decimal digit of the first byte on a zero.
    const int lead = (p % 2 != 0) ? 1 : 0;
    p += lead;
    unsigned char d100[kParsedDigitsMax / 2 + 1];
    int n = 0;
    for (int i = -lead; i < count; i += 2) {
        const int hi = i >= 0 ? digits[i] : 0;
        const int lo = i + 1 < count ? digits[i + 1] : 0;
        d100[n++] = static_cast<unsigned char>(hi * 10 + lo);
    }
    return make_number_layout(sign == 0, static_cast<int>(p / 2), d100, n, max_bytes, layout);
}

}  // namespace

int ParseNumber(const char *text, int *sign, std::int8_t *exponent, unsigned char *digits, int *count) {
    long x = 0;
    const int rc = parse_decimal(text, sign, &x, digits, count);
    if (rc != 0) {
        zero_result(sign, exponent, count);
        return rc;
    }
    if (x < -128 || x > 127) {
        zero_result(sign, exponent, count);
        return -1;
    }
    *exponent = static_cast<std::int8_t>(x);
    return 0;
}

int ConvertStringToNUMBER(const char *text, unsigned char *number) {
    NumberLayout layout;
    if (layout_from_text(text, kNumberDigitBytes, &layout) < 0) return -1;
    write_number(layout, number);
    return 0;
}

int ConvertStringToVARNUM(const char *text, unsigned char *varnum) {
    NumberLayout layout;
    if (layout_from_text(text, kVarnumDigitBytes, &layout) < 0) return -1;
    write_varnum(layout, varnum);
    return 0;
}

int ConvertVARNUMToString(const unsigned char *varnum, char *text) {
    VarnumDigits v;
    if (read_varnum(varnum, &v) != 0) return -1;
    if (v.zero) {
        std::snprintf(text, kVarnumTextSize, "0.0");
        return 0;
    }
    char *out = text;
    if (v.negative) *out++ = '-';
    *out++ = '0';
    *out++ = '.';
    for (int i = 0; i < v.count; ++i) {
        *out++ = static_cast<char>('0' + v.digit[i] / 10);
        *out++ = static_cast<char>('0' + v.digit[i] % 10);
    }
    if (v.exponent != 0) out += std::snprintf(out, 8, "E%d", 2 * v.exponent);
    *out = '\0';
    return 0;
}

}  // namespace vsk
