// Series and iterations of the transcendental functions. Each works a fixed number of guard
// digits past the request (more where cancellation eats digits) and rounds once at the end.
#include "number/engine/transcendental.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vsk::apm::detail {

namespace {

constexpr std::int64_t kGuard = 12;
// Beyond this |x| (about 10^(4.3e14)) exp has no representable result.
constexpr double kExpLimit = 1e15;

struct Cached {
    Dec value;
    std::int64_t sig = 0;
};

// Per thread, so that threads working on separate handle trees need no lock.
thread_local Cached pi_cache;
thread_local Cached ln10_cache;

Dec half(const Dec &x) { return mul(mul_small(x, 5), pow10(-1)); }

bool negligible(const Dec &term, const Dec &sum, std::int64_t wp) {
    return term.zero() || dexp(term) < dexp(sum) - wp - 2;
}

// atan(1/n) = 1/n - 1/(3n^3) + 1/(5n^5) - ...
Dec atan_inverse(std::uint32_t n, std::int64_t wp) {
    Dec power = div(one(), from_uint(n), wp);
    const Dec n2 = from_uint(std::uint64_t{n} * n);
    Dec sum = power;
    for (std::uint32_t k = 1;; ++k) {
        power = div(power, n2, wp);
        Dec term = div_small(power, 2 * k + 1, wp);
        if (negligible(term, sum, wp)) break;
        sum = k % 2 ? sub(sum, term) : add(sum, term);
        round_sig(sum, wp + 2);
    }
    return sum;
}

// ln x to about 16 digits from the leading limbs, for any size of x > 0.
double ln_estimate(const Dec &x) {
    double f = 0;
    double unit = 0.01;
    for (std::size_t i = 0; i < x.mag.size() && i < 9; ++i, unit /= 100) f += x.mag[i] * unit;
    double k = static_cast<double>(static_cast<std::int64_t>(x.mag.size()) + x.scale);
    return std::log(f) + k * 4.605170185988091368;
}

Dec from_double(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17e", v);
    Dec d;
    parse(text, d);
    return d;
}

Dec ln10(std::int64_t sig) {
    if (ln10_cache.sig < sig) {
        Dec v = log(from_uint(10), sig + kGuard);
        ln10_cache.value = std::move(v);
        ln10_cache.sig = sig + kGuard;
    }
    return rounded(ln10_cache.value, sig);
}

// sin r and cos r by their Taylor series, |r| about pi/4 at most.
void sin_cos_series(const Dec &r, std::int64_t wp, Dec *s, Dec *c) {
    const Dec r2 = rounded(mul(r, r), wp);
    if (s) {
        Dec term = r, sum = r;
        for (std::uint32_t k = 1; !r.zero(); ++k) {
            term = div_small(negate(rounded(mul(term, r2), wp)), (2 * k) * (2 * k + 1), wp);
            if (negligible(term, sum, wp)) break;
            sum = rounded(add(sum, term), wp + 2);
        }
        *s = std::move(sum);
    }
    if (c) {
        Dec term = one(), sum = one();
        for (std::uint32_t k = 1; !r.zero(); ++k) {
            term = div_small(negate(rounded(mul(term, r2), wp)), (2 * k - 1) * (2 * k), wp);
            if (negligible(term, sum, wp)) break;
            sum = rounded(add(sum, term), wp + 2);
        }
        *c = std::move(sum);
    }
}

// x = k * pi/2 + r; *quadrant = k mod 4. Works at a precision that leaves r (which cancels
// when x lies near a multiple of pi/2) with wp correct digits of its own.
Dec reduce_half_pi(const Dec &x, std::int64_t sig, int *quadrant, std::int64_t *wp_out) {
    std::int64_t extra = 0;
    for (;;) {
        const std::int64_t wp = sig + kGuard + std::max<std::int64_t>(0, dexp(x)) + extra;
        const Dec hp = half(pi(wp));
        Dec k = div(x, hp, std::max<std::int64_t>(1, dexp(x) - dexp(hp) + 3));
        round_at(k, 0);
        if (k.zero()) {
            *quadrant = 0;
            *wp_out = wp;
            return rounded(x, wp);
        }
        Dec r = sub(x, mul(k, hp));
        round_sig(r, wp);
        const std::int64_t lost = r.zero() ? 0 : -dexp(r) + 1;
        if (lost > extra) {
            extra = lost + 2;
            continue;
        }
        unsigned low = k.scale > 0 ? 0 : k.mag.back();
        int q = static_cast<int>(low % 4);
        if (k.sign < 0) q = (4 - q) % 4;
        *quadrant = q;
        *wp_out = wp;
        return r;
    }
}

// Below this size the series of sinh and tanh end after x +- x^3/k: the next term lies
// beyond every digit asked for, and the cubic one only decides the rounding.
bool tiny_for(const Dec &x, std::int64_t sig) noexcept { return 2 * dexp(x) < -(sig + 3); }

Dec cube(const Dec &x) { return mul(x, mul(x, x)); }

// sin(x + shift * pi/2): after reduction, +-sin r or +-cos r by the quadrant.
Dec sine_at_quadrant(const Dec &x, std::int64_t sig, int shift) {
    int q;
    std::int64_t wp;
    const Dec r = reduce_half_pi(x, sig, &q, &wp);
    q = (q + shift) % 4;
    Dec v;
    if (q % 2 == 0) sin_cos_series(r, wp, &v, nullptr);
    else sin_cos_series(r, wp, nullptr, &v);
    if (q >= 2) v = negate(v);
    return rounded(v, sig);
}

// atan of 0 <= a <= 1 at wp digits: halve the angle until a <= 0.1, then sum the series.
Dec atan_small(Dec a, std::int64_t wp) {
    const Dec tenth = pow10(-1);
    std::uint32_t halvings = 0;
    while (compare(a, tenth) > 0) {
        Dec root = sqrt(add(one(), rounded(mul(a, a), wp)), wp);
        a = div(a, add(one(), root), wp);
        ++halvings;
    }
    const Dec a2 = rounded(mul(a, a), wp);
    Dec power = a, sum = a;
    for (std::uint32_t k = 1; !a.zero(); ++k) {
        power = rounded(mul(power, a2), wp);
        Dec term = div_small(power, 2 * k + 1, wp);
        if (negligible(term, sum, wp)) break;
        sum = rounded(k % 2 ? sub(sum, term) : add(sum, term), wp + 2);
    }
    return mul_small(sum, std::uint32_t{1} << halvings);
}

// 1 - x^2 for |x| <= 1, exact near |x| = 1 where the difference cancels; otherwise to
// wp digits, which also keeps a tiny x from asking for an exact sum of enormous length.
Dec one_minus_square(const Dec &x, std::int64_t wp) {
    return add_sig(one(), negate(mul(x, x)), 2 * (wp + digits(x)) + 2);
}

}  // namespace

void release_caches() noexcept {
    Cached empty_pi, empty_ln10;
    std::swap(pi_cache, empty_pi);
    std::swap(ln10_cache, empty_ln10);
}

Dec pi(std::int64_t sig) {
    if (pi_cache.sig < sig) {
        // Machin: pi = 16 atan(1/5) - 4 atan(1/239).
        const std::int64_t wp = sig + kGuard;
        Dec v = sub(mul_small(atan_inverse(5, wp), 16), mul_small(atan_inverse(239, wp), 4));
        round_sig(v, wp);
        pi_cache.value = std::move(v);
        pi_cache.sig = wp;
    }
    return rounded(pi_cache.value, sig);
}

Dec exp(const Dec &x, std::int64_t sig) {
    if (x.zero()) return one();
    const double xd = to_double(x);
    if (xd >= kExpLimit) throw ExpOverflow{};
    if (xd <= -kExpLimit) return Dec{};
    // exp(x) = exp(x / 2^j)^(2^j) with |x / 2^j| <= 0.001; x / 2^j = x * 5^j / 10^j exactly.
    int j = std::fabs(xd) > 1e-3 ? static_cast<int>(std::ceil(std::log2(std::fabs(xd) / 1e-3))) : 0;
    const std::int64_t wp = sig + kGuard + std::max<std::int64_t>(0, dexp(x)) + j * 3 / 10 + 1;
    Dec r = x;
    for (int i = 0; i < j; ++i) r = mul_small(r, 5);
    r = mul(r, pow10(-j));
    round_sig(r, wp);
    Dec term = one(), sum = one();
    for (std::uint32_t k = 1;; ++k) {
        term = div_small(rounded(mul(term, r), wp), k, wp);
        if (negligible(term, sum, wp)) break;
        sum = rounded(add(sum, term), wp + 2);
    }
    for (int i = 0; i < j; ++i) sum = rounded(mul(sum, sum), wp);
    round_sig(sum, sig);
    return sum;
}

Dec log(const Dec &x, std::int64_t sig) {
    const std::int64_t wp = sig + kGuard;
    // x - 1 only matters (and is only cheap to form exactly) for x near 1.
    const bool near_one = dexp(x) == 0 || dexp(x) == 1;
    const Dec d = near_one ? sub(x, one()) : Dec{};
    if (near_one && d.zero()) return Dec{};
    if (near_one && dexp(d) <= -2) {
        // Near 1: ln x = 2 atanh(z), z = (x - 1) / (x + 1), a series in z^2 <= 2.5e-5.
        const Dec z = div(d, add(from_uint(2), d), wp);
        const Dec z2 = rounded(mul(z, z), wp);
        Dec power = z, sum = z;
        for (std::uint32_t k = 3;; k += 2) {
            power = rounded(mul(power, z2), wp);
            Dec term = div_small(power, k, wp);
            if (negligible(term, sum, wp)) break;
            sum = rounded(add(sum, term), wp + 2);
        }
        return rounded(mul_small(sum, 2), sig);
    }
    // Newton on exp: y' = y + x exp(-y) - 1 doubles the correct digits of y each step. |ln x|
    // is at least 0.00995 here, so `frac` fraction digits give wp significant ones.
    Dec y = from_double(ln_estimate(x));
    const std::int64_t abs_digits = wp - dexp(y) + 1;
    for (int i = 0; i < 64; ++i) {
        const Dec e = exp(negate(y), abs_digits + 2);
        const Dec c = sub(rounded(mul(x, e), abs_digits + 2), one());
        y = add(y, c);
        round_at(y, -(abs_digits + 2));
        if (c.zero() || dexp(c) < -(abs_digits / 2) - 1) break;
    }
    return rounded(y, sig);
}

Dec log10(const Dec &x, std::int64_t sig) {
    const std::int64_t wp = sig + kGuard;
    return div(log(x, wp), ln10(wp), sig);
}

Dec pow(const Dec &x, const Dec &y, std::int64_t sig) {
    if (y.zero()) return one();
    if (x.zero()) return Dec{};
    if (x.sign < 0) {
        // Only integer powers come here; an odd one keeps the sign.
        Dec v = pow(abs(x), y, sig);
        if (y.scale == 0 && y.mag.back() % 2 != 0) v = negate(v);
        return v;
    }
    const double yd = to_double(y);
    if (is_integer(y) && std::fabs(yd) < 2147483648.0) {
        // Binary powering; each product rounded to wp, which covers the log2(n) roundings.
        auto n = static_cast<std::uint64_t>(std::llround(std::fabs(yd)));
        const std::int64_t wp = sig + kGuard + 10;
        Dec result = one(), base = x;
        while (n) {
            if (n & 1) result = rounded(mul(result, base), wp);
            n >>= 1;
            if (n) base = rounded(mul(base, base), wp);
        }
        if (y.sign < 0) result = div(one(), result, wp);
        round_sig(result, sig);
        return result;
    }
    // exp(y ln x): the exponent's size costs as many digits of ln x.
    const double t = std::fabs(yd * ln_estimate(x));
    const std::int64_t extra = t > 1 ? static_cast<std::int64_t>(std::ceil(std::log10(t))) + 1 : 0;
    const std::int64_t wp = sig + kGuard + extra;
    Dec e = rounded(mul(y, log(x, wp)), wp);
    return exp(e, sig);
}

Dec sin(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    return sine_at_quadrant(x, sig, 0);
}

Dec cos(const Dec &x, std::int64_t sig) {
    if (x.zero()) return one();
    return sine_at_quadrant(x, sig, 1);  // cos x = sin(x + pi/2)
}

Dec tan(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    int q;
    std::int64_t wp;
    const Dec r = reduce_half_pi(x, sig, &q, &wp);
    Dec s, c;
    sin_cos_series(r, wp, &s, &c);
    if (q % 2 == 0) return div(s, c, sig);
    return negate(div(c, s, sig));
}

Dec atan(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    const std::int64_t wp = sig + kGuard;
    Dec a = abs(x);
    const bool invert = compare(a, one()) > 0;
    if (invert) a = div(one(), a, wp);
    Dec v = atan_small(std::move(a), wp);
    if (invert) v = add_sig(half(pi(wp)), negate(v), wp + 2);
    v.sign = v.zero() ? 0 : x.sign;
    return rounded(v, sig);
}

Dec asin(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    const std::int64_t wp = sig + kGuard;
    const Dec rest = one_minus_square(x, wp);
    if (rest.zero()) {
        Dec v = half(pi(wp));
        v.sign = x.sign;
        return rounded(v, sig);
    }
    return atan(div(x, sqrt(rest, wp), wp), sig);
}

Dec acos(const Dec &x, std::int64_t sig) {
    const std::int64_t wp = sig + kGuard;
    if (x.zero()) return rounded(half(pi(wp)), sig);
    const Dec rest = one_minus_square(x, wp);
    if (rest.zero()) return x.sign > 0 ? Dec{} : pi(sig);
    const Dec a = atan(div(sqrt(rest, wp), abs(x), wp), wp);
    return rounded(x.sign > 0 ? a : add_sig(pi(wp), negate(a), wp + 2), sig);
}

Dec atan2(const Dec &y, const Dec &x, std::int64_t sig) {
    const std::int64_t wp = sig + kGuard;
    if (x.zero()) {
        Dec v = rounded(half(pi(wp)), sig);
        v.sign = y.sign;
        return v;
    }
    if (y.zero()) return x.sign > 0 ? Dec{} : pi(sig);
    Dec a = atan(abs(div(y, x, wp)), wp);
    if (x.sign < 0) a = add_sig(pi(wp), negate(a), wp + 2);
    a.sign = y.sign;
    return rounded(a, sig);
}

Dec sinh(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    if (tiny_for(x, sig)) return add_sig(x, div_small(cube(x), 6, sig), sig);
    const std::int64_t wp = sig + kGuard + std::max<std::int64_t>(0, -dexp(x));
    const Dec e = exp(x, wp);
    return rounded(half(add_sig(e, negate(div(one(), e, wp)), wp)), sig);
}

Dec cosh(const Dec &x, std::int64_t sig) {
    if (x.zero()) return one();
    const std::int64_t wp = sig + kGuard;
    const Dec e = exp(x, wp);
    return rounded(half(add_sig(e, div(one(), e, wp), wp)), sig);
}

Dec tanh(const Dec &x, std::int64_t sig) {
    if (x.zero()) return Dec{};
    // tanh x = 1 - 2 exp(-2x) + ..., which rounds to 1 once exp(2x) > 4 * 10^sig.
    if (to_double(abs(x)) > 1.16 * static_cast<double>(sig + 2) + 1) {
        Dec v = one();
        v.sign = x.sign;
        return v;
    }
    if (tiny_for(x, sig)) return add_sig(x, negate(div_small(cube(x), 3, sig)), sig);
    const std::int64_t wp = sig + kGuard + std::max<std::int64_t>(0, -dexp(x));
    const Dec e2 = exp(mul_small(x, 2), wp);
    return div(sub(e2, one()), add(e2, one()), sig);
}

}  // namespace vsk::apm::detail
