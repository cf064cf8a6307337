// The engine's working value: a sign, a base-100 magnitude and a base-100 scale, with the
// exact and correctly rounded operations the engine's entry points are built from. Nothing
// here is exported; the functions may throw std::bad_alloc (the allocation seam included),
// which the entry points in apm_number.cpp turn into a failure status.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "env/handle.h"

namespace vsk::apm::detail {

// Routes every engine allocation through the library's allocation seam, so tests can make
// the n-th one fail.
template <class T>
struct SeamAllocator {
    using value_type = T;
    SeamAllocator() noexcept = default;
    template <class U>
    SeamAllocator(const SeamAllocator<U> &) noexcept {}
    T *allocate(std::size_t n) {
        if (alloc_fault::should_fail()) throw std::bad_alloc();
        return std::allocator<T>{}.allocate(n);
    }
    void deallocate(T *p, std::size_t n) noexcept { std::allocator<T>{}.deallocate(p, n); }
    friend bool operator==(SeamAllocator, SeamAllocator) noexcept { return true; }
};

// Base-100 digits, most significant first.
using Limbs = std::vector<std::uint8_t, SeamAllocator<std::uint8_t>>;

// value = sign * mag * 100^scale. Normal form: no leading or trailing zero limbs; zero has an
// empty magnitude, sign 0 and scale 0.
struct Dec {
    int sign = 0;
    Limbs mag;
    std::int64_t scale = 0;

    bool zero() const noexcept { return sign == 0; }
};

// Raised when a result's decimal exponent leaves the range an engine number can hold.
struct RangeError {};

void normalize(Dec &x);

Dec from_int(std::int64_t v);
Dec from_uint(std::uint64_t v);
Dec one();
// 10^e.
Dec pow10(std::int64_t e);

// Significant decimal digits (0 for zero).
std::int64_t digits(const Dec &x) noexcept;
// The decimal exponent E of 0.d1d2... x 10^E (d1 not 0); 0 for zero.
std::int64_t dexp(const Dec &x) noexcept;
// The decimal digit at position pos (10^pos) of |x|.
int digit_at(const Dec &x, std::int64_t pos) noexcept;
bool is_integer(const Dec &x) noexcept;
// A double near x (good to about 15 digits; infinities and zeros outside double range).
double to_double(const Dec &x) noexcept;

int compare_abs(const Dec &a, const Dec &b) noexcept;
int compare(const Dec &a, const Dec &b) noexcept;

Dec add(const Dec &a, const Dec &b);
Dec sub(const Dec &a, const Dec &b);
// a + b correctly rounded to sig digits without building the exact sum when the operands'
// sizes lie far apart.
Dec add_sig(const Dec &a, const Dec &b, std::int64_t sig);
Dec mul(const Dec &a, const Dec &b);
Dec mul_small(const Dec &a, std::uint32_t m);
Dec negate(Dec x) noexcept;
Dec abs(Dec x) noexcept;

// Rounding of x in place, half away from zero or toward zero: to sig significant digits
// (sig >= 1), or to a multiple of 10^pos.
void round_sig(Dec &x, std::int64_t sig);
void trunc_sig(Dec &x, std::int64_t sig);
void round_at(Dec &x, std::int64_t pos);
void trunc_at(Dec &x, std::int64_t pos);
Dec rounded(Dec x, std::int64_t sig);

// a / b (b not zero) correctly rounded, half away from zero, to sig significant digits.
Dec div(const Dec &a, const Dec &b, std::int64_t sig);
Dec div_small(const Dec &a, std::uint32_t d, std::int64_t sig);
// The quotient truncated toward zero and the remainder a - q*b (b not zero); both exact.
void div_rem_int(const Dec &a, const Dec &b, Dec &q, Dec &r);
// sqrt(a) (a > 0) correctly rounded to sig significant digits.
Dec sqrt(const Dec &a, std::int64_t sig);

// Parses [blanks][sign]digits[.digits][e|E[sign]digits][blanks]; false when anything else is
// found (or the exponent is beyond any engine number).
bool parse(const char *text, Dec &out);
// Text forms: fixed point with exactly `places` decimals (rounded half away from zero), the
// truncated integer part, and d.ddd...E[+-]n with `places` digits after the first (all
// significant digits when places is negative).
std::string fixed_text(const Dec &x, std::int64_t places);
std::string integer_text(const Dec &x);
std::string sci_text(const Dec &x, std::int64_t places);

}  // namespace vsk::apm::detail
