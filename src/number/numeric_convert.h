// Conversions between the server's numeric value and the NUMBER and VARNUM layouts,
// decimal text, and the machine's integers and floating point.
#pragma once

#include <cstdint>
#include <string>

#include "number/numeric_var.h"

namespace vsk {

// The layout's value as a numeric in host order, stripped. Its display scale is one more
// than the fraction digits the digit bytes carry (never below 0). -1 when the digit bytes
// break the layout (a positive 101 or 102, a negative 1, none at all) or, for VARNUM,
// when the length byte lies outside 1..21.
int ConvertNUMBERToNumeric(const unsigned char *number, NumericVar &out) noexcept;
int ConvertVARNUMBERToNumeric(const unsigned char *varnum, NumericVar &out) noexcept;

// The value in the 21-byte NUMBER or 22-byte VARNUM layout, digits beyond it dropped; a
// value too small for the layout becomes zero. -1 for NaN, infinities, invalid values and
// values too large for the layout.
int ConvertNumericToNUMBER(const NumericVar &var, unsigned char *number) noexcept;
int ConvertNumericToVARNUMBER(const NumericVar &var, unsigned char *varnum) noexcept;

// Rounded half away from zero to scale fraction digits (below 0 counts as 0), written with
// exactly that many; "NaN", "Infinity", "-Infinity" for the special values. -1 only when
// memory is exhausted.
int ConvertNumericToString(const NumericVar &var, std::string &text, int scale) noexcept;

// "NaN" in any case, or blanks, a sign, digits with at most one ".", an exponent within
// -1000..1000, blanks. -1 for anything else.
int ConvertStringToNumeric(const char *text, NumericVar &out) noexcept;

// Rounded to an integer: 0; 1 when it does not fit the width; -1 for NaN or an invalid value.
int numericvar_to_int8(const NumericVar &var, std::int64_t *result) noexcept;
int numericvar_to_int4(const NumericVar &var, std::int32_t *result) noexcept;
int numericvar_to_int2(const NumericVar &var, std::int16_t *result) noexcept;
int numericvar_to_int1(const NumericVar &var, std::int8_t *result) noexcept;
// As the signed ones; a negative value does not fit.
int numericvar_to_uint8(const NumericVar &var, std::uint64_t *result) noexcept;

// 0; 1 when the value lies beyond the type's range (or, for float, is not exactly the
// double); -1 for an invalid value. NaN converts to NaN.
int numericvar_to_double(const NumericVar &var, double *result) noexcept;
int numericvar_to_float(const NumericVar &var, float *result) noexcept;

}  // namespace vsk
