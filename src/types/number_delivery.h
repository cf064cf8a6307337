// What the number conversions share when they write a value into an application buffer:
// the character layouts with their rules for a value that does not fit, OCIString,
// integers by width, floating point, and the NUMBER and VARNUM layouts.
#pragma once

#include <oci.h>

#include <cstdint>
#include <new>
#include <string>
#include <string_view>

#include "types/conversion_support.h"

namespace vsk {

constexpr ub4 kErrNumericOverflow = 1426;
constexpr ub4 kErrVarcharLength = 1459;
constexpr ub4 kErrNumberInvalid = 1722;
constexpr ub4 kErrOverflow = 22053;

// An empty server value: no bytes, or in text format a first byte of NUL.
bool empty_number(const char *value, int length, int format) noexcept;

// Records number and returns -1.
int conversion_failure(OCIError *errhp, ub4 number) noexcept;

// A fetch member's frame: indicator 0, an empty value as the NULL result, and the body's
// result with memory exhaustion as -1.
template <class Body>
int number_member(const char *value, int length, int format, OCIError *errhp, sb2 *indp, ub2 *rcodep,
                  Body body) noexcept {
    if (indp) *indp = 0;
    if (empty_number(value, length, format)) return null_result(errhp, indp, rcodep);
    try {
        return body();
    } catch (const std::bad_alloc &) {
        return -1;
    }
}

// SQLT_BFLOAT and SQLT_BDOUBLE: at least size bytes, taken as exactly size for the
// SQLT_FLT conversion; the caller's capacity comes back when it fails.
template <class Fetch>
int with_real_size(ub4 *lengthp, ub4 size, Fetch fetch) {
    if (*lengthp < size) return -1;
    const ub4 saved = *lengthp;
    *lengthp = size;
    const int rc = fetch();
    if (rc < 0) *lengthp = saved;
    return rc;
}

enum class CharLayout {
    Blanks,    // SQLT_CHR, SQLT_AFC: the rest of the buffer blank-filled
    Plain,     // SQLT_LNG: the bytes alone
    Avc,       // text, NUL, blanks
    Str,       // text and NUL
    Prefix16,  // SQLT_VCS: 16-bit length, then text
    Prefix32,  // SQLT_LVC: 32-bit length, then text
};

// What happens when the text does not fit the room the layout leaves.
struct CutRule {
    ub4 error;                      // recorded when the cut value is written (0: none)
    int result;                     // with an indicator
    int result_without_indicator;
    bool refuse_without_indicator;  // no indicator: nothing written
    bool exact_fit_is_cut;          // a text exactly as long as the room counts as cut
};

// Without an indicator nothing is written (result 1); with one the cut value is written
// and the indicator tells what was lost, without a record. A text needs a spare byte.
constexpr CutRule kQuietCut{0, 0, 1, true, true};
// The same, an exact fit being a fit.
constexpr CutRule kQuietCutExact{0, 0, 1, true, false};
// Recorded as 1406 with the indicator, result 0.
constexpr CutRule kReportedCut{1406, 0, 0, false, false};
// Recorded as 1406 with the indicator, result 1.
constexpr CutRule kTruncatedCut{1406, 1, 1, false, false};
// Recorded as 22053; result 0 with an indicator, 1 without.
constexpr CutRule kOverflowCut{22053, 0, 1, false, false};

// Writes text into the layout within *lengthp bytes. The length becomes the bytes of the
// value (text, NUL and prefix as the layout counts them) when it fits, the capacity when
// cut. -1 for a capacity below the layout's fixed part (2, 4; 1 for Avc and Str).
int deliver_chars(OCIError *errhp, std::string_view text, CharLayout layout, const CutRule &cut, void *destination,
                  ub4 *lengthp, sb2 *indp) noexcept;

// Into the OCIString whose address the destination holds: a string without room for
// text and NUL keeps what fits and records 1406, result 1. -1 for a capacity below 4.
int deliver_string(OCIError *errhp, std::string_view text, void *destination, ub4 *lengthp, sb2 *indp) noexcept;

// 1, 2, 4 and 8: the widths an integer target stores.
bool integer_width(ub4 width) noexcept;
// Whether v fits a width's signed (or unsigned) range.
bool fits_signed(std::int64_t v, ub4 width) noexcept;
bool fits_unsigned(std::uint64_t v, ub4 width) noexcept;
// The low width bytes of v, in the machine's order.
void store_integer(void *destination, ub4 width, std::uint64_t v) noexcept;
// d truncated toward zero into the width's signed or unsigned range; false when it lies
// beyond it (NaN and infinities included).
bool double_to_integer(double d, ub4 width, bool is_unsigned, std::uint64_t *bits) noexcept;

// A double as float: 0 exact (NaN included), 1 rounded, -1 beyond the float range.
int narrow_to_float(double d, float *f) noexcept;
// Stores d as a float: 0; 1 with 1426 recorded when rounded; -1 with 1426 beyond the
// float range (nothing stored).
int store_exact_float(OCIError *errhp, double d, void *destination) noexcept;

// Fixed-point text with the given fraction digits, trailing fraction zeros (and a bare
// point) removed; "NaN", "Infinity", "-Infinity" as the server writes them.
std::string dtostr(double d, int fraction_digits);

// Decimal text into a 21-byte NUMBER (capacity 21 or more; bytes after the value zero)
// or a VARNUM (the whole 22 bytes when they fit, else the value's own bytes).
// -1 for a capacity that cannot hold it; -1 with 1722 recorded for a text that is not a
// number. Length 21, or the VARNUM's length byte + 1.
int deliver_number(OCIError *errhp, const char *text, void *destination, ub4 *lengthp) noexcept;
int deliver_varnum(OCIError *errhp, const char *text, void *destination, ub4 *lengthp) noexcept;
// A ready 22-byte VARNUM into the destination by the same rule.
int copy_varnum(const unsigned char *varnum, void *destination, ub4 *lengthp) noexcept;

}  // namespace vsk
