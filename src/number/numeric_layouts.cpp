// NUMBER and VARNUM to and from the server's numeric value.
#include <cstring>

#include "number/number_layout.h"
#include "number/numeric_convert.h"

namespace vsk {

namespace {

constexpr int kMaxDigitBytesRead = 20;

// Packs n decimal digits (0..9), the value being 0.d1d2... x 10^point, into words whose
// boundaries fall on the decimal point. -1 when the result cannot be held.
int numeric_from_decimal(bool negative, const unsigned char *digits, long n, long point, int dscale,
                         NumericVar &out) {
    const long q = point >= 0 ? (point + 3) / 4 : -(-point / 4);  // ceil(point / 4)
    const long weight = q - 1;
    const long pad = 4 * q - point;
    const long words = (pad + n + 3) / 4;
    if (weight < -32768 || weight > 32767 || !alloc_var(out, static_cast<int>(words))) return -1;
    for (long i = 0; i < n; ++i) {
        const long at = pad + i;
        std::uint16_t &w = out.digits()[at / 4];
        static const int kPlace[] = {1000, 100, 10, 1};
        w = static_cast<std::uint16_t>(w + digits[i] * kPlace[at % 4]);
    }
    out.set_weight(static_cast<int>(weight));
    out.set_sign(negative ? kNumericNegative : kNumericPositive);
    out.set_dscale(dscale < 0 ? 0 : dscale);
    strip_var(out);
    return 0;
}

// The digit bytes from p on (at most max of them) as a numeric.
int layout_to_numeric(unsigned char exponent, const unsigned char *p, int max, NumericVar &out) {
    if (exponent == kZeroExponent) return alloc_var(out, 0) ? 0 : -1;
    const bool negative = (exponent & 0x80) == 0;
    unsigned char digits[2 * kMaxDigitBytesRead];
    int bytes = 0;
    for (; bytes < max; ++bytes) {
        const int b = p[bytes];
        if (b < 1 || b > 101) {
            if (!negative && b == kNegativeTerminator) return -1;
            break;
        }
        // A base-100 digit of 100 fits neither sign.
        if ((negative && b == 1) || (!negative && b == 101)) return -1;
        const int d = negative ? 101 - b : b - 1;
        digits[2 * bytes] = static_cast<unsigned char>(d / 10);
        digits[2 * bytes + 1] = static_cast<unsigned char>(d % 10);
    }
    if (bytes == 0) return -1;
    const int point = negative ? 2 * (63 - exponent) : 2 * (exponent - 192);
    const int n = 2 * bytes;
    return numeric_from_decimal(negative, digits, n, point, n + 1 - point, out);
}

// The value's leading base-100 digits (enough for either layout) and its base-100 exponent.
int numeric_to_layout(const NumericVar &var, int max_bytes, NumberLayout *layout) {
    *layout = NumberLayout{};
    if (var.special() || !numeric_valid(var)) return -1;
    unsigned char d[kMaxDigitBytesRead + 1];
    int n = 0;
    long e = 2L * var.weight() + 2;
    for (int i = 0; i < var.ndigits() && n <= kMaxDigitBytesRead; ++i) {
        const int w = var.digits()[i];
        for (const int part : {w / 100, w % 100}) {
            if (n == 0 && part == 0) {
                --e;
                continue;
            }
            if (n <= kMaxDigitBytesRead) d[n++] = static_cast<unsigned char>(part);
        }
    }
    if (n == 0) return 0;
    return make_number_layout(var.negative(), static_cast<int>(e), d, n, max_bytes, layout);
}

}  // namespace

int ConvertNUMBERToNumeric(const unsigned char *number, NumericVar &out) noexcept {
    return layout_to_numeric(number[0], number + 1, kMaxDigitBytesRead, out);
}

int ConvertVARNUMBERToNumeric(const unsigned char *varnum, NumericVar &out) noexcept {
    const int length = varnum[0];
    if (length < 1 || length > 1 + kMaxDigitBytesRead) return -1;
    return layout_to_numeric(varnum[1], varnum + 2, length - 1, out);
}

int ConvertNumericToNUMBER(const NumericVar &var, unsigned char *number) noexcept {
    NumberLayout layout;
    if (numeric_to_layout(var, kNumberDigitBytes, &layout) < 0) return -1;
    write_number(layout, number);
    return 0;
}

int ConvertNumericToVARNUMBER(const NumericVar &var, unsigned char *varnum) noexcept {
    NumberLayout layout;
    if (numeric_to_layout(var, kVarnumDigitBytes, &layout) < 0) return -1;
    write_varnum(layout, varnum);
    return 0;
}

}  // namespace vsk
