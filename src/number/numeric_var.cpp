#include "number/numeric_var.h"

#include <cstring>
#include <new>

namespace vsk {

namespace {

std::uint16_t swap16(std::uint16_t v) { return static_cast<std::uint16_t>(v << 8 | v >> 8); }

std::uint16_t read_net16(const char *p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) << 8 | static_cast<unsigned char>(p[1]));
}

bool known_sign(std::uint16_t sign) {
    return sign == kNumericPositive || sign == kNumericNegative || (sign & 0x8000) != 0;
}

}  // namespace

void NumericVar::copy_bytes(unsigned char *dst) const noexcept {
    std::memcpy(dst, header_, kNumericHeaderBytes);
    if (!digits_.empty()) std::memcpy(dst + kNumericHeaderBytes, digits_.data(), 2 * digits_.size());
}

void NumericVar::swap_bytes() noexcept {
    for (auto &h : header_) h = swap16(h);
    for (auto &d : digits_) d = swap16(d);
}

bool alloc_var(NumericVar &var, int ndigits) noexcept {
    if (ndigits < 0 || ndigits > 32767) return false;
    try {
        var.digits_.assign(static_cast<std::size_t>(ndigits), 0);
    } catch (const std::bad_alloc &) {
        return false;
    }
    std::memset(var.header_, 0, sizeof var.header_);
    var.set_ndigits(var.digits_.size());
    return true;
}

void strip_var(NumericVar &var) noexcept {
    auto &d = var.digits_;
    std::size_t lead = 0;
    while (lead < d.size() && d[lead] == 0) ++lead;
    if (lead == d.size()) {
        d.clear();
        var.set_ndigits(0);
        var.set_weight(0);
        if (!var.special()) var.set_sign(kNumericPositive);
        return;
    }
    std::size_t end = d.size();
    while (d[end - 1] == 0) --end;
    d.erase(d.begin() + static_cast<std::ptrdiff_t>(end), d.end());
    d.erase(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(lead));
    var.set_weight(var.weight() - static_cast<int>(lead));
    var.set_ndigits(d.size());
}

bool round_var(NumericVar &var, int scale) noexcept {
    if (scale < 0) scale = 0;
    var.set_dscale(scale);
    if (var.special()) return true;
    auto &d = var.digits_;
    const long n = static_cast<long>(d.size());
    // The word holding fraction digit scale + 1, and how many of its digits stay.
    const long at = var.weight() + 1L + scale / 4;
    const int kept = scale % 4;
    if (at >= n) {
        strip_var(var);
        return true;
    }
    if (at < 0) {
        // Every word lies below the rounding digit, which is itself an implied zero.
        d.clear();
        strip_var(var);
        return true;
    }
    bool carry = false;
    if (kept == 0) {
        carry = d[at] >= kNumericBase / 2;
        d.resize(static_cast<std::size_t>(at));
    } else {
        static const int kDivisor[] = {0, 1000, 100, 10};
        const int div = kDivisor[kept];
        const int rest = d[at] % div;
        d[at] = static_cast<std::uint16_t>(d[at] - rest + (rest >= div / 2 ? div : 0));
        d.resize(static_cast<std::size_t>(at + 1));
    }
    long i = static_cast<long>(d.size()) - 1;
    if (carry && i >= 0) {
        ++d[i];
        carry = false;
    }
    for (; i >= 0 && d[i] >= kNumericBase; --i) {
        d[i] = static_cast<std::uint16_t>(d[i] - kNumericBase);
        if (i > 0) ++d[i - 1];
        else carry = true;
    }
    if (carry) {
        try {
            d.insert(d.begin(), 1);
        } catch (const std::bad_alloc &) {
            return false;
        }
        var.set_weight(var.weight() + 1);
    }
    var.set_ndigits(d.size());
    strip_var(var);
    return true;
}

void ConvertNumericFromNetToHostOrder(NumericVar &var) noexcept { var.swap_bytes(); }
void ConvertNumericFromHostToNetOrder(NumericVar &var) noexcept { var.swap_bytes(); }

int decode_numeric(const char *bytes, int length, NumericVar &var) noexcept {
    if (!bytes || length < kNumericHeaderBytes) return -1;
    const int ndigits = static_cast<std::int16_t>(read_net16(bytes));
    if (ndigits < 0 || length < kNumericHeaderBytes + 2 * ndigits) return -1;
    const int weight = static_cast<std::int16_t>(read_net16(bytes + 2));
    const std::uint16_t sign = read_net16(bytes + 4);
    const int dscale = read_net16(bytes + 6);
    if (!known_sign(sign) || dscale > kNumericMaxDscale) return -1;
    if (ndigits > 0 && weight - (ndigits - 1) < kNumericMinWordWeight) return -1;
    if (!alloc_var(var, ndigits)) return -1;
    for (int i = 0; i < ndigits; ++i) {
        const std::uint16_t w = read_net16(bytes + kNumericHeaderBytes + 2 * i);
        if (w >= kNumericBase) return -1;
        var.digits()[i] = w;
    }
    var.set_weight(weight);
    var.set_sign(sign);
    var.set_dscale(dscale);
    return 0;
}

bool numeric_valid(const NumericVar &var) noexcept {
    if (!known_sign(var.sign())) return false;
    for (int i = 0; i < var.ndigits(); ++i)
        if (var.digits()[i] >= kNumericBase) return false;
    return true;
}

}  // namespace vsk
