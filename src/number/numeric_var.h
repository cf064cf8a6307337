// The server's numeric value as the library holds it: the wire layout itself (ndigits,
// weight, sign, dscale, then ndigits base-10000 words), kept in host byte order and
// turned to network order only to send it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vsk {

constexpr std::uint16_t kNumericPositive = 0x0000;
constexpr std::uint16_t kNumericNegative = 0x4000;
constexpr std::uint16_t kNumericNaN = 0xC000;
constexpr std::uint16_t kNumericPlusInfinity = 0xD000;
constexpr std::uint16_t kNumericMinusInfinity = 0xF000;
constexpr int kNumericBase = 10000;
constexpr int kNumericHeaderBytes = 8;
constexpr int kNumericMaxDscale = 0x3FFF;
// No word of a value the server can hold lies below 10000^-4096 (its scale limit).
constexpr int kNumericMinWordWeight = -(kNumericMaxDscale / 4 + 1);

class NumericVar {
public:
    int ndigits() const noexcept { return static_cast<std::int16_t>(header_[0]); }
    int weight() const noexcept { return static_cast<std::int16_t>(header_[1]); }
    std::uint16_t sign() const noexcept { return header_[2]; }
    int dscale() const noexcept { return header_[3]; }
    void set_weight(int w) noexcept { header_[1] = static_cast<std::uint16_t>(w); }
    void set_sign(std::uint16_t s) noexcept { header_[2] = s; }
    void set_dscale(int s) noexcept { header_[3] = static_cast<std::uint16_t>(s); }
    std::uint16_t *digits() noexcept { return digits_.data(); }
    const std::uint16_t *digits() const noexcept { return digits_.data(); }

    // Top bit of the sign: NaN or an infinity.
    bool special() const noexcept { return (sign() & 0x8000) != 0; }
    bool negative() const noexcept { return sign() == kNumericNegative || sign() == kNumericMinusInfinity; }

    // Header and words, in whatever order they currently are: 8 + 2 x ndigits bytes.
    std::size_t byte_size() const noexcept { return kNumericHeaderBytes + 2 * digits_.size(); }
    void copy_bytes(unsigned char *dst) const noexcept;

private:
    friend bool alloc_var(NumericVar &var, int ndigits) noexcept;
    friend void strip_var(NumericVar &var) noexcept;
    friend bool round_var(NumericVar &var, int scale) noexcept;
    friend void ConvertNumericFromNetToHostOrder(NumericVar &var) noexcept;
    friend void ConvertNumericFromHostToNetOrder(NumericVar &var) noexcept;
    void set_ndigits(std::size_t n) noexcept { header_[0] = static_cast<std::uint16_t>(n); }
    void swap_bytes() noexcept;
    std::uint16_t header_[4] = {};
    std::vector<std::uint16_t> digits_;  // exactly ndigits words
};

// Room for ndigits zero words, ndigits set, the rest of the header zero. False when
// memory is exhausted or ndigits is outside 0..32767.
bool alloc_var(NumericVar &var, int ndigits) noexcept;
// Drops leading zero words (each lowering the weight) and trailing ones; a value left
// without words is zero with weight 0 and sign positive.
void strip_var(NumericVar &var) noexcept;
// Rounds half away from zero to scale fraction digits (negative counts as 0), sets the
// display scale and strips. False when memory is exhausted.
bool round_var(NumericVar &var, int scale) noexcept;

// Every field and word byte-swapped in place.
void ConvertNumericFromNetToHostOrder(NumericVar &var) noexcept;
void ConvertNumericFromHostToNetOrder(NumericVar &var) noexcept;

// Reads a binary numeric of length bytes as the server sends it. -1 when it is shorter
// than its header or its words, has an unknown sign, words above 9999, a display scale
// above the server's limit, or words below the smallest weight the server uses.
int decode_numeric(const char *bytes, int length, NumericVar &var) noexcept;

// A value the other conversions may trust: words 0..9999 and a known sign.
bool numeric_valid(const NumericVar &var) noexcept;

}  // namespace vsk
