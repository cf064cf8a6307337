// Roots, powers, logarithms and trigonometric functions of working values, each to `sig`
// significant digits. Arguments are inside the function's domain (the entry points check);
// exp and pow throw ExpOverflow for an argument whose result no number could hold.
#pragma once

#include "number/engine/decimal.h"

namespace vsk::apm::detail {

struct ExpOverflow {};

Dec pi(std::int64_t sig);
Dec exp(const Dec &x, std::int64_t sig);
Dec log(const Dec &x, std::int64_t sig);    // x > 0
Dec log10(const Dec &x, std::int64_t sig);  // x > 0
// x^y; x < 0 only with an integer y, x = 0 only with y >= 0.
Dec pow(const Dec &x, const Dec &y, std::int64_t sig);
Dec sin(const Dec &x, std::int64_t sig);
Dec cos(const Dec &x, std::int64_t sig);
Dec tan(const Dec &x, std::int64_t sig);
Dec atan(const Dec &x, std::int64_t sig);
Dec asin(const Dec &x, std::int64_t sig);  // |x| <= 1
Dec acos(const Dec &x, std::int64_t sig);  // |x| <= 1
Dec atan2(const Dec &y, const Dec &x, std::int64_t sig);  // not both 0
Dec sinh(const Dec &x, std::int64_t sig);
Dec cosh(const Dec &x, std::int64_t sig);
Dec tanh(const Dec &x, std::int64_t sig);

// Drops the calling thread's cached constants.
void release_caches() noexcept;

}  // namespace vsk::apm::detail
