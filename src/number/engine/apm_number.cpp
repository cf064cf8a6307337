// Engine numbers: their life, the failure status, warnings, conversions from and to text and
// the exact operations.
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "env/handle.h"
#include "number/engine/apm_internal.h"
#include "number/engine/transcendental.h"

namespace vsk::apm {

namespace detail {

namespace {

thread_local Status thread_status = Status::ok;

void standard_error_sink(const char *line) noexcept { std::fputs(line, stderr); }

// Process-wide, but only ever swapped whole, so readers on other threads see one sink or
// the other.
std::atomic<WarningSink> warning_sink{nullptr};

void grow(Number *n, std::size_t bytes) {
    std::size_t capacity = std::max<std::size_t>(bytes, 2 * static_cast<std::size_t>(n->capacity));
    if (capacity > INT_MAX) capacity = bytes;
    if (bytes > INT_MAX) throw std::bad_alloc();
    auto *data = static_cast<unsigned char *>(alloc_raw(capacity));
    if (!data) throw std::bad_alloc();
    std::free(n->data);
    n->data = data;
    n->capacity = static_cast<int>(capacity);
}

// Fraction digits of the value as it stands.
int own_places(const Dec &v) noexcept {
    if (v.zero() || v.scale >= 0) return 0;
    std::int64_t places = -2 * v.scale - (v.mag.back() % 10 == 0 ? 1 : 0);
    return places > INT_MAX ? INT_MAX : static_cast<int>(places);
}

}  // namespace

bool live(const Number *n) noexcept { return n && n->id == kNumberId; }

void set_zero(Number *n) noexcept {
    n->sign = 0;
    n->digits = 1;
    n->exponent = 0;
    n->data[0] = 0;
}

Dec load(const Number *n) {
    Dec v;
    if (n->sign == 0) return v;
    const auto bytes = static_cast<std::size_t>(n->digits + 1) / 2;
    v.mag.assign(n->data, n->data + bytes);
    v.sign = n->sign;
    const std::int64_t e = n->exponent;
    const auto nb = static_cast<std::int64_t>(bytes);
    if (e % 2 == 0) {
        v.scale = e / 2 - nb;
        normalize(v);
        return v;
    }
    // An odd exponent: one more decimal digit moves into each base-100 position.
    v.scale = (e - 1) / 2 - nb;
    normalize(v);
    return mul_small(v, 10);
}

void store(Number *n, const Dec &v) {
    if (v.zero()) {
        set_zero(n);
        return;
    }
    const std::int64_t e = dexp(v), nd = digits(v);
    if (e > INT_MAX || e < INT_MIN + 1 || nd > INT_MAX - 1) throw RangeError{};
    const auto bytes = static_cast<std::size_t>(nd + 1) / 2;
    if (bytes > static_cast<std::size_t>(n->capacity)) grow(n, bytes);
    if (v.mag[0] >= 10) {
        std::memcpy(n->data, v.mag.data(), bytes);
    } else {
        // The first decimal digit must lead the first byte.
        for (std::size_t i = 0; i < bytes; ++i) {
            unsigned hi = v.mag[i] % 10;
            unsigned lo = i + 1 < v.mag.size() ? v.mag[i + 1] / 10 : 0;
            n->data[i] = static_cast<unsigned char>(hi * 10 + lo);
        }
    }
    n->digits = static_cast<int>(nd);
    n->exponent = static_cast<int>(e);
    n->sign = v.sign;
}

void warn(const char *message) noexcept {
    char line[512];
    std::snprintf(line, sizeof line, "MAPM Warning: %s\n", message);
    WarningSink sink = warning_sink.load();
    (sink ? sink : standard_error_sink)(line);
}

void fail(Status s) noexcept {
    if (thread_status == Status::ok) thread_status = s;
}

}  // namespace detail

using namespace detail;

Status m_apm_status() noexcept { return thread_status; }
void m_apm_reset_status() noexcept { thread_status = Status::ok; }

WarningSink m_apm_set_warning_sink(WarningSink sink) noexcept { return warning_sink.exchange(sink); }

M_APM m_apm_init() noexcept {
    auto *n = static_cast<Number *>(alloc_raw(sizeof(Number)));
    unsigned char *data = n ? static_cast<unsigned char *>(alloc_raw(kInitialCapacity)) : nullptr;
    if (!data) {
        std::free(n);
        fail(Status::no_memory);
        return nullptr;
    }
    n->id = kNumberId;
    n->refcount = 1;
    n->capacity = kInitialCapacity;
    n->data = data;
    set_zero(n);
    return n;
}

void m_apm_free(M_APM n) noexcept {
    if (!n) return;
    if (!live(n)) {
        warn("'m_apm_free', Invalid M_APM variable");
        return;
    }
    if (--n->refcount > 0) return;
    n->id = 0;
    std::free(n->data);
    std::free(n);
}

void m_apm_free_all_mem() noexcept { release_caches(); }

int m_apm_set_string(M_APM r, const char *text) noexcept {
    return guarded({}, {r}, [&] {
        Dec v;
        if (!text || !parse(text, v)) {
            warn("'m_apm_set_string', Non-digit char found in parse");
            std::string line = "Text = ";
            line += text ? text : "(null)";
            warn(line.c_str());
            v = Dec{};
        }
        store(r, v);
    });
}

namespace {

// Through the value's "%.14E" text: 15 significant digits.
int set_real(M_APM r, double v, const char *invalid) noexcept {
    return guarded({}, {r}, [&] {
        Dec d;
        if (!std::isfinite(v)) {
            warn(invalid);
        } else {
            char text[48];
            std::snprintf(text, sizeof text, "%.14E", v);
            parse(text, d);
        }
        store(r, d);
    });
}

}  // namespace

int m_apm_set_double(M_APM r, double v) noexcept {
    return set_real(r, v, "'m_apm_set_double', Invalid double input (likely a NAN or +/- INF)");
}

int m_apm_set_float(M_APM r, float v) noexcept {
    return set_real(r, v, "'m_apm_set_float', Invalid float input (likely a NAN or +/- INF)");
}

int m_apm_set_long(M_APM r, long v) noexcept {
    return guarded({}, {r}, [&] { store(r, from_int(v)); });
}

int m_apm_set_unsigned_long(M_APM r, unsigned long v) noexcept {
    return guarded({}, {r}, [&] { store(r, from_uint(v)); });
}

int m_apm_copy(M_APM r, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { store(r, load(a)); });
}

int m_apm_to_fixpt_string(std::string &out, int places, const Number *a) noexcept {
    return guarded({a}, {}, [&] {
        Dec v = load(a);
        out = fixed_text(v, places < 0 ? own_places(v) : places);
    });
}

int m_apm_to_integer_string(std::string &out, const Number *a) noexcept {
    return guarded({a}, {}, [&] { out = integer_text(load(a)); });
}

int m_apm_to_string(std::string &out, int places, const Number *a) noexcept {
    return guarded({a}, {}, [&] { out = sci_text(load(a), places); });
}

int m_apm_add(M_APM r, const Number *a, const Number *b) noexcept {
    return guarded({a, b}, {r}, [&] { store(r, add(load(a), load(b))); });
}

int m_apm_subtract(M_APM r, const Number *a, const Number *b) noexcept {
    return guarded({a, b}, {r}, [&] { store(r, sub(load(a), load(b))); });
}

int m_apm_multiply(M_APM r, const Number *a, const Number *b) noexcept {
    return guarded({a, b}, {r}, [&] { store(r, mul(load(a), load(b))); });
}

int m_apm_divide(M_APM r, int places, const Number *a, const Number *b) noexcept {
    return guarded({a, b}, {r}, [&] {
        Dec d = load(b);
        if (d.zero()) {
            warn("'m_apm_divide', Divide by 0");
            store(r, Dec{});
            return;
        }
        store(r, div(load(a), d, sig_of(places)));
    });
}

int m_apm_integer_div_rem(M_APM q, M_APM r, const Number *a, const Number *b) noexcept {
    return guarded({a, b}, {q, r}, [&] {
        Dec d = load(b);
        Dec quotient, remainder;
        if (d.zero()) warn("'M_apm_sdivide', Divide by 0");
        else div_rem_int(load(a), d, quotient, remainder);
        store(q, quotient);
        store(r, remainder);
    });
}

int m_apm_round(M_APM r, int places, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { store(r, rounded(load(a), sig_of(places))); });
}

int m_apm_ceil(M_APM r, const Number *a) noexcept {
    return guarded({a}, {r}, [&] {
        Dec v = load(a);
        if (!is_integer(v)) {
            const bool up = v.sign > 0;
            trunc_at(v, 0);
            if (up) v = add(v, one());
        }
        store(r, v);
    });
}

int m_apm_floor(M_APM r, const Number *a) noexcept {
    return guarded({a}, {r}, [&] {
        Dec v = load(a);
        if (!is_integer(v)) {
            const bool down = v.sign < 0;
            trunc_at(v, 0);
            if (down) v = sub(v, one());
        }
        store(r, v);
    });
}

int m_apm_negate(M_APM r, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { store(r, negate(load(a))); });
}

int m_apm_absolute_value(M_APM r, const Number *a) noexcept {
    return guarded({a}, {r}, [&] { store(r, abs(load(a))); });
}

int m_apm_compare(const Number *a, const Number *b) noexcept {
    int c = 0;
    guarded({a, b}, {}, [&] { c = compare(load(a), load(b)); });
    return c;
}

int m_apm_sign(const Number *a) noexcept { return live(a) ? a->sign : 0; }

int m_apm_is_integer(const Number *a) noexcept {
    if (!live(a)) return 0;
    return a->sign == 0 || a->exponent >= a->digits ? 1 : 0;
}

int m_apm_exponent(const Number *a) noexcept { return live(a) ? a->exponent : 0; }

int m_apm_significant_digits(const Number *a) noexcept { return live(a) ? a->digits : 0; }

}  // namespace vsk::apm
