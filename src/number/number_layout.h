// The exponent byte and base-100 digit bytes that NUMBER and VARNUM share, built once from
// a sign, a base-100 exponent and base-100 digits, then written in either layout; and a
// VARNUM read back into digits.
#pragma once

namespace vsk {

constexpr int kNumberDigitBytes = 19;
constexpr int kVarnumDigitBytes = 20;
constexpr unsigned char kZeroExponent = 128;
constexpr unsigned char kNegativeTerminator = 102;

struct NumberLayout {
    bool zero = true;
    bool negative = false;
    unsigned char exponent = kZeroExponent;
    unsigned char bytes[kVarnumDigitBytes] = {};
    int count = 0;
};

// d holds n base-100 digits (0..99), the first not 0, the value being
// 0.d1d2... x 100^e. Keeps at most max_bytes digits (dropped, not rounded) without
// trailing zeros. An exponent beyond the layout fails (-1); one below it gives zero.
int make_number_layout(bool negative, int e, const unsigned char *d, int n, int max_bytes,
                       NumberLayout *out) noexcept;

// 21 bytes: exponent, digits, and for a negative value its terminator. Bytes after the
// value are left alone.
void write_number(const NumberLayout &l, unsigned char *number) noexcept;
// 22 bytes: length, exponent, digits, the terminator where fewer than 20 digits leave room.
void write_varnum(const NumberLayout &l, unsigned char *varnum) noexcept;

// A VARNUM's value as stored: 0.d1d2... x 100^exponent, zero and leading or trailing zero
// digits kept as they are (so that its text shows them).
struct VarnumDigits {
    bool zero = true;  // the exponent byte 128, whatever follows
    bool negative = false;
    int exponent = 0;
    unsigned char digit[kVarnumDigitBytes];  // the first count are set
    int count = 0;
};

// 0, or -1 when the bytes break the layout: a length outside 1..21, one byte that is not
// zero, a digit byte out of range for the sign, a terminator before the end, no digits.
// A zero byte ends the digits early.
int read_varnum(const unsigned char *varnum, VarnumDigits *out) noexcept;

}  // namespace vsk
