// Arithmetic worked straight on the base-100 digit bytes of the 22-byte VARNUM (OCINumber)
// layout, with no text and no heap: the fast route of the OCINumber calls that have one.
//
// Each result is byte for byte the one of the engine route (operands through decimal text,
// the exact or 40-digit result written back as fixed-point text and cut to the layout):
// rounded half away from zero at the 40th decimal place, or at the 40th significant digit
// for a value below 0.1, then cut (not rounded) to 20 digit bytes; a result above the
// layout fails, one below it is zero. Operands are accepted exactly as ConvertVARNUMToString
// accepts them.
#pragma once

namespace vsk::number {

enum class FastResult {
    ok,      // the result was written
    failed,  // an operand breaks the layout or the result is beyond it; nothing written
    defer,   // left to the engine route (which prints a warning for it)
};

// Operands and result are 22-byte VARNUMs; out receives all 22 bytes (zero after the value)
// and may be one of the operands.
FastResult varnum_add(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept;
FastResult varnum_subtract(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept;
FastResult varnum_multiply(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept;
// To 40 significant digits; a zero divisor defers.
FastResult varnum_divide(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept;
FastResult varnum_negate(const unsigned char *a, unsigned char *out) noexcept;
FastResult varnum_absolute(const unsigned char *a, unsigned char *out) noexcept;
// *order: -1, 0 or 1 as a is below, equal to or above b.
FastResult varnum_compare(const unsigned char *a, const unsigned char *b, int *order) noexcept;

}  // namespace vsk::number
