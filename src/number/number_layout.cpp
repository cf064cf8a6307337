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

}  // namespace vsk
