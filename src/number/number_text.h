// Decimal text and the two Oracle number layouts: the 21-byte NUMBER (exponent byte, then
// up to 19 base-100 digit bytes) and the 22-byte VARNUM/OCINumber (a length byte first,
// then up to 20 digit bytes). Digits beyond a layout are dropped, not rounded.
#pragma once

#include <cstdint>

namespace vsk {

constexpr int kNumberSize = 21;
constexpr int kVarnumSize = 22;
constexpr int kParsedDigitsMax = 128;
// "-0.", 40 digits, "E-128" and a NUL.
constexpr int kVarnumTextSize = 49;

// Reads decimal text (blanks, sign, "," group separators before ".", fraction, "e"
// exponent within -126..126; whatever follows the number is ignored) into the
// significant digits D (no leading or trailing zeros, one digit 0..9 per byte, the first
// kParsedDigitsMax kept) and an exponent x with value D x 10^x. sign: 1 positive,
// 0 negative. 0 parsed, 1 zero or empty, -1 malformed or x beyond a signed byte (the
// conversions below have no such limit).
int ParseNumber(const char *text, int *sign, std::int8_t *exponent, unsigned char *digits, int *count);

// 0, or -1 on a malformed text (destination untouched). Zero is the byte 128 (NUMBER) or
// 01 80 (VARNUM).
int ConvertStringToNUMBER(const char *text, unsigned char *number);
int ConvertStringToVARNUM(const char *text, unsigned char *varnum);

// The VARNUM as [-]0.<two digits per byte>[E<decimal exponent>], "0.0" for zero; every
// text reader above accepts it, but for a negative value at exponent byte 127 (digits below
// 10^-128), which only the decimal engine reads. text needs kVarnumTextSize bytes. 0, or -1 when the
// VARNUM breaks the layout.
int ConvertVARNUMToString(const unsigned char *varnum, char *text);

}  // namespace vsk
