// Entry points of the roots, powers, logarithms and trigonometric functions: domain checks
// and their warnings around the series of transcendental.cpp.
#include <climits>

#include "number/engine/apm_internal.h"
#include "number/engine/transcendental.h"

namespace vsk::apm {

using namespace detail;

namespace {

// Results of exp-like functions that no number can hold: too large warns, too small is 0.
void store_exponential(Number *r, const Dec &v) {
    const std::int64_t e = dexp(v);
    if (e > INT_MAX) {
        warn("'m_apm_exp', Input too large, Overflow");
        store(r, Dec{});
    } else {
        store(r, e < INT_MIN + 1 ? Dec{} : v);
    }
}

template <class F>
void exponential(Number *r, F &&f) {
    try {
        store_exponential(r, f());
    } catch (const ExpOverflow &) {
        warn("'m_apm_exp', Input too large, Overflow");
        store(r, Dec{});
    }
}

template <class F>
int unary(Number *r, const Number *a, F &&f) noexcept {
    return guarded({a}, {r}, [&] { store(r, f(load(a))); });
}

// arcsin and arccos: |x| <= 1, else the warning and 0.
int inverse_of_bounded(Number *r, int places, const Number *a, const char *warning,
                       Dec (*f)(const Dec &, std::int64_t)) noexcept {
    return unary(r, a, [&](const Dec &x) {
        if (compare_abs(x, one()) > 0) {
            warn(warning);
            return Dec{};
        }
        return f(x, sig_of(places));
    });
}

}  // namespace

int m_apm_sqrt(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) {
        if (x.sign < 0) {
            warn("'m_apm_sqrt', Negative argument");
            return Dec{};
        }
        return detail::sqrt(x, sig_of(places));
    });
}

int m_apm_exp(M_APM r, int places, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { exponential(r, [&] { return detail::exp(load(a), sig_of(places)); }); });
}

int m_apm_log(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) {
        if (x.sign <= 0) {
            warn("'m_apm_log', Negative argument");
            return Dec{};
        }
        return detail::log(x, sig_of(places));
    });
}

int m_apm_log10(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) {
        if (x.sign <= 0) {
            warn("'m_apm_log', Negative argument");
            return Dec{};
        }
        return detail::log10(x, sig_of(places));
    });
}

int m_apm_pow(M_APM r, int places, const Number *x, const Number *y) noexcept {
    return guarded({x, y}, {r}, [&] {
        const Dec base = load(x), power = load(y);
        if (base.zero() && power.sign < 0) {
            warn("'m_apm_divide', Divide by 0");
            store(r, Dec{});
        } else if (base.sign < 0 && !is_integer(power)) {
            warn("'m_apm_log', Negative argument");
            store(r, Dec{});
        } else {
            exponential(r, [&] { return detail::pow(base, power, sig_of(places)); });
        }
    });
}

int m_apm_sin(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) { return detail::sin(x, sig_of(places)); });
}

int m_apm_cos(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) { return detail::cos(x, sig_of(places)); });
}

int m_apm_tan(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) { return detail::tan(x, sig_of(places)); });
}

int m_apm_arcsin(M_APM r, int places, const Number *a) noexcept {
    return inverse_of_bounded(r, places, a, "'m_apm_arcsin', |Argument| > 1", detail::asin);
}

int m_apm_arccos(M_APM r, int places, const Number *a) noexcept {
    return inverse_of_bounded(r, places, a, "'m_apm_arccos', |Argument| > 1", detail::acos);
}

int m_apm_arctan(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) { return detail::atan(x, sig_of(places)); });
}

int m_apm_arctan2(M_APM r, int places, const Number *y, const Number *x) noexcept {
    return guarded({y, x}, {r}, [&] {
        const Dec dy = load(y), dx = load(x);
        if (dy.zero() && dx.zero()) {
            warn("'m_apm_arctan2', Both Inputs = 0");
            store(r, Dec{});
            return;
        }
        store(r, detail::atan2(dy, dx, sig_of(places)));
    });
}

int m_apm_sinh(M_APM r, int places, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { exponential(r, [&] { return detail::sinh(load(a), sig_of(places)); }); });
}

int m_apm_cosh(M_APM r, int places, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { exponential(r, [&] { return detail::cosh(load(a), sig_of(places)); }); });
}

int m_apm_tanh(M_APM r, int places, const Number *a) noexcept {
    return unary(r, a, [&](const Dec &x) { return detail::tanh(x, sig_of(places)); });
}

int m_apm_pi(M_APM r, int places) noexcept {
    return guarded({}, {r}, [&] { store(r, detail::pi(sig_of(places))); });
}

}  // namespace vsk::apm
