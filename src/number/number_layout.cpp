#include "number/number_layout.h"

#include <cstring>

namespace vsk {

namespace {
// Exponent bytes 192 + e and 63 - e stay inside one byte and clear of zero's 128.
constexpr int kMinExponent = -63;
constexpr int kMaxExponent = 63;
}  // namespace

int make_number_layout(bool negative, int e, const unsigned char *d, int n, int max_bytes,
                       NumberLayout *out) noexcept {
    *out = NumberLayout{};
    if (n > max_bytes) n = max_bytes;
    while (n > 0 && d[n - 1] == 0) --n;
    if (n == 0 || e < kMinExponent) return 0;
    if (e > kMaxExponent) return -1;
    out->zero = false;
    out->negative = negative;
    out->exponent = static_cast<unsigned char>(negative ? 63 - e : 192 + e);
    for (int i = 0; i < n; ++i)
        out->bytes[i] = static_cast<unsigned char>(negative ? 101 - d[i] : d[i] + 1);
    out->count = n;
    return 0;
}

void write_number(const NumberLayout &l, unsigned char *number) noexcept {
    number[0] = l.exponent;
    if (l.zero) return;
    // A layout made for VARNUM may carry one digit more than NUMBER holds.
    const int count = l.count < kNumberDigitBytes ? l.count : kNumberDigitBytes;
    std::memcpy(number + 1, l.bytes, static_cast<std::size_t>(count));
    if (l.negative) number[1 + count] = kNegativeTerminator;
}

void write_varnum(const NumberLayout &l, unsigned char *varnum) noexcept {
    varnum[1] = l.exponent;
    if (l.zero) {
        varnum[0] = 1;
        return;
    }
    std::memcpy(varnum + 2, l.bytes, static_cast<std::size_t>(l.count));
    int length = 1 + l.count;
    if (l.negative && l.count < kVarnumDigitBytes) varnum[1 + length++] = kNegativeTerminator;
    varnum[0] = static_cast<unsigned char>(length);
}

int read_varnum(const unsigned char *varnum, VarnumDigits *out) noexcept {
    out->zero = true;
    out->count = 0;
    const int length = varnum[0];
    // Beyond 21 the bytes would run past the 22-byte value.
    if (length < 1 || length > 1 + kVarnumDigitBytes) return -1;
    const unsigned char e = varnum[1];
    if (e == kZeroExponent) return 0;
    if (length == 1) return -1;
    // One loop per sign: this runs for every operand of the byte-level arithmetic.
    const bool positive = (e & 0x80) != 0;
    int count = 0;
    if (positive) {
        for (int i = 2; i <= length; ++i) {
            const unsigned b = varnum[i];
            if (b == 0) break;
            // 101 and above would be a base-100 digit of 100 or more.
            if (b > 100) return -1;
            out->digit[count++] = static_cast<unsigned char>(b - 1);
        }
    } else {
        for (int i = 2; i <= length; ++i) {
            const unsigned b = varnum[i];
            if (b == 0) break;
            if (b == kNegativeTerminator) {
                if (i != length) return -1;
                break;
            }
            if (b < 2 || b > 101) return -1;
            out->digit[count++] = static_cast<unsigned char>(101 - b);
        }
    }
    if (count == 0) return -1;
    out->zero = false;
    out->negative = !positive;
    out->exponent = positive ? e - 192 : 63 - e;
    out->count = count;
    return 0;
}

}  // namespace vsk
