// Exact base-100 arithmetic, rounding, long division and square roots of the engine's
// working values.
#include "number/engine/decimal.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vsk::apm::detail {

namespace {

// Least significant limb first, for the carry loops.
using Work = std::vector<std::uint32_t, SeamAllocator<std::uint32_t>>;

// No operand or result may grow past this many limbs: a quotient of numbers whose scales
// lie far apart would otherwise ask for gigabytes and hours before failing.
constexpr std::size_t kMaxLimbs = std::size_t{1} << 24;

void check_size(std::size_t n) {
    if (n > kMaxLimbs) throw std::bad_alloc();
}

std::int64_t floor_div2(std::int64_t v) noexcept { return v >= 0 ? v / 2 : -((1 - v) / 2); }

// Limb of x standing at base-100 position p (100^p), 0 outside the magnitude.
unsigned limb_at(const Dec &x, std::int64_t p) noexcept {
    std::int64_t i = p - x.scale;
    auto n = static_cast<std::int64_t>(x.mag.size());
    return i >= 0 && i < n ? x.mag[static_cast<std::size_t>(n - 1 - i)] : 0;
}

Work to_work(const Limbs &m) {
    Work w(m.rbegin(), m.rend());
    return w;
}

// A Dec from a work array (least significant first) at the given scale.
Dec from_work(const Work &w, int sign, std::int64_t scale) {
    Dec r;
    r.mag.reserve(w.size());
    for (auto it = w.rbegin(); it != w.rend(); ++it) r.mag.push_back(static_cast<std::uint8_t>(*it));
    r.sign = sign;
    r.scale = scale;
    normalize(r);
    return r;
}

// |a| + |b| or |a| - |b| (then |a| >= |b|), as a normal magnitude with its scale.
Dec add_abs(const Dec &a, const Dec &b, bool subtract) {
    std::int64_t lo = std::min(a.scale, b.scale);
    std::int64_t hi = std::max(a.scale + static_cast<std::int64_t>(a.mag.size()),
                               b.scale + static_cast<std::int64_t>(b.mag.size()));
    check_size(static_cast<std::size_t>(hi - lo + 1));
    Work w(static_cast<std::size_t>(hi - lo + 1), 0);
    int carry = 0;
    for (std::int64_t p = lo; p < hi; ++p) {
        int v = static_cast<int>(limb_at(a, p)) + (subtract ? -carry : carry);
        int other = static_cast<int>(limb_at(b, p));
        if (subtract) {
            v -= other;
            carry = v < 0;
            if (v < 0) v += 100;
        } else {
            v += other;
            carry = v >= 100;
            if (v >= 100) v -= 100;
        }
        w[static_cast<std::size_t>(p - lo)] = static_cast<std::uint32_t>(v);
    }
    w.back() = subtract ? 0 : static_cast<std::uint32_t>(carry);
    return from_work(w, 1, lo);
}

// Knuth's long division on base-100 limbs (least significant first): u = q*v + r,
// v's top limb not zero.
void divmod_work(const Work &u, const Work &v, Work &q, Work &r) {
    const std::size_t n = v.size();
    if (u.size() < n) {
        q.assign(1, 0);
        r = u;
        return;
    }
    const std::size_t m = u.size() - n;
    q.assign(m + 1, 0);
    if (n == 1) {
        std::uint32_t rem = 0;
        for (std::size_t i = u.size(); i-- > 0;) {
            std::uint32_t cur = rem * 100 + u[i];
            q[i] = cur / v[0];
            rem = cur % v[0];
        }
        r.assign(1, rem);
        return;
    }
    // Scaling both by d makes the divisor's top limb at least 50, so that the estimate
    // from two limbs is at most two too large.
    const std::uint32_t d = 100 / (v[n - 1] + 1);
    Work un(u.size() + 1, 0), vn(n, 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        std::uint32_t t = u[i] * d + carry;
        un[i] = t % 100;
        carry = t / 100;
    }
    un[u.size()] = carry;
    carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t t = v[i] * d + carry;
        vn[i] = t % 100;
        carry = t / 100;
    }
    for (std::size_t j = m + 1; j-- > 0;) {
        std::uint32_t num = un[j + n] * 100 + un[j + n - 1];
        std::uint32_t qhat = num / vn[n - 1];
        std::uint32_t rhat = num % vn[n - 1];
        while (qhat >= 100 || qhat * vn[n - 2] > rhat * 100 + un[j + n - 2]) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat >= 100) break;
        }
        int borrow = 0;
        std::uint32_t mcarry = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::uint32_t p = qhat * vn[i] + mcarry;
            mcarry = p / 100;
            int t = static_cast<int>(un[i + j]) - static_cast<int>(p % 100) - borrow;
            borrow = t < 0;
            un[i + j] = static_cast<std::uint32_t>(t < 0 ? t + 100 : t);
        }
        int top = static_cast<int>(un[j + n]) - static_cast<int>(mcarry) - borrow;
        if (top < 0) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            std::uint32_t c = 0;
            for (std::size_t i = 0; i < n; ++i) {
                std::uint32_t t = un[i + j] + vn[i] + c;
                un[i + j] = t % 100;
                c = t / 100;
            }
            top += static_cast<int>(c);
        }
        un[j + n] = static_cast<std::uint32_t>(top);
        q[j] = qhat;
    }
    r.assign(n, 0);
    std::uint32_t rem = 0;
    for (std::size_t i = n; i-- > 0;) {
        std::uint32_t cur = rem * 100 + un[i];
        r[i] = cur / d;
        rem = cur % d;
    }
}

// Removes the k lowest decimal digits of the magnitude (taken as an integer), rounding half
// away from zero when asked.
void drop_digits(Dec &x, std::int64_t k, bool round) {
    if (x.zero() || k <= 0) return;
    const auto len = static_cast<std::int64_t>(x.mag.size());
    int rdigit = 0;
    if (round) {
        std::int64_t j = k - 1;
        if (j / 2 < len) {
            unsigned limb = x.mag[static_cast<std::size_t>(len - 1 - j / 2)];
            rdigit = static_cast<int>(j % 2 == 0 ? limb % 10 : limb / 10);
        }
    }
    const std::int64_t whole = k / 2;
    const bool odd = k % 2 != 0;
    if (whole >= len) {
        x.mag.clear();
    } else {
        x.mag.resize(static_cast<std::size_t>(len - whole));
        if (odd) x.mag.back() = static_cast<std::uint8_t>(x.mag.back() - x.mag.back() % 10);
    }
    x.scale += whole;
    if (rdigit >= 5) {
        unsigned unit = odd ? 10 : 1;
        if (x.mag.empty()) {
            x.mag.push_back(static_cast<std::uint8_t>(unit));
        } else {
            std::size_t i = x.mag.size();
            unsigned carry = unit;
            while (carry && i-- > 0) {
                unsigned v = x.mag[i] + carry;
                x.mag[i] = static_cast<std::uint8_t>(v % 100);
                carry = v / 100;
            }
            if (carry) x.mag.insert(x.mag.begin(), static_cast<std::uint8_t>(carry));
        }
    }
    normalize(x);
}

std::int64_t total_digits(const Dec &x) noexcept {
    return 2 * static_cast<std::int64_t>(x.mag.size()) - (x.mag[0] < 10 ? 1 : 0);
}

// The decimal digits of the magnitude as an integer, no leading zero.
std::string mag_digits(const Limbs &m) {
    std::string s;
    s.reserve(m.size() * 2);
    for (std::uint8_t limb : m) {
        s.push_back(static_cast<char>('0' + limb / 10));
        s.push_back(static_cast<char>('0' + limb % 10));
    }
    if (!s.empty() && s[0] == '0') s.erase(0, 1);
    return s;
}

// Floor of the square root of a positive integer, by Newton's iteration from above.
Dec isqrt(const Dec &n) {
    // n = f * 100^K with f in [0.01, 1): sqrt(n) = sqrt(f) * 10^K. The start is a little above
    // the root, which the iteration needs.
    const auto len = static_cast<std::int64_t>(n.mag.size());
    double f = 0;
    double unit = 0.01;
    for (std::int64_t i = 0; i < len && i < 9; ++i, unit /= 100) f += n.mag[static_cast<std::size_t>(i)] * unit;
    const std::int64_t k = len + n.scale;
    auto lead = static_cast<std::uint64_t>(std::sqrt(f) * (1 + 1e-9) * 1e16) + 1;
    Dec x = mul(from_uint(lead), pow10(k - 16));
    trunc_at(x, 0);
    x = add(x, one());
    const Dec two = from_int(2);
    for (;;) {
        Dec q, r;
        div_rem_int(n, x, q, r);
        Dec y;
        div_rem_int(add(x, q), two, y, r);
        if (compare(y, x) >= 0) return x;
        x = std::move(y);
    }
}

}  // namespace

void normalize(Dec &x) {
    auto first = std::find_if(x.mag.begin(), x.mag.end(), [](std::uint8_t v) { return v != 0; });
    x.mag.erase(x.mag.begin(), first);
    std::size_t trailing = 0;
    while (trailing < x.mag.size() && x.mag[x.mag.size() - 1 - trailing] == 0) ++trailing;
    x.mag.resize(x.mag.size() - trailing);
    x.scale += static_cast<std::int64_t>(trailing);
    if (x.mag.empty()) {
        x.sign = 0;
        x.scale = 0;
    } else if (x.sign == 0) {
        x.sign = 1;
    }
}

Dec from_uint(std::uint64_t v) {
    Dec r;
    std::uint8_t buf[12];
    int n = 0;
    while (v) {
        buf[n++] = static_cast<std::uint8_t>(v % 100);
        v /= 100;
    }
    for (int i = n; i-- > 0;) r.mag.push_back(buf[i]);
    r.sign = n ? 1 : 0;
    normalize(r);
    return r;
}

Dec from_int(std::int64_t v) {
    std::uint64_t m = v < 0 ? ~static_cast<std::uint64_t>(v) + 1 : static_cast<std::uint64_t>(v);
    Dec r = from_uint(m);
    if (v < 0) r.sign = -1;
    return r;
}

Dec one() { return from_uint(1); }

Dec pow10(std::int64_t e) {
    Dec r;
    std::int64_t k = floor_div2(e);
    r.mag.push_back(e - 2 * k == 0 ? 1 : 10);
    r.sign = 1;
    r.scale = k;
    return r;
}

std::int64_t digits(const Dec &x) noexcept {
    if (x.zero()) return 0;
    return total_digits(x) - (x.mag.back() % 10 == 0 ? 1 : 0);
}

std::int64_t dexp(const Dec &x) noexcept { return x.zero() ? 0 : total_digits(x) + 2 * x.scale; }

int digit_at(const Dec &x, std::int64_t pos) noexcept {
    std::int64_t j = pos - 2 * x.scale;
    if (x.zero() || j < 0) return 0;
    unsigned limb = limb_at(x, x.scale + j / 2);
    return static_cast<int>(j % 2 == 0 ? limb % 10 : limb / 10);
}

bool is_integer(const Dec &x) noexcept { return x.zero() || x.scale >= 0; }

double to_double(const Dec &x) noexcept {
    if (x.zero()) return 0;
    double f = 0;
    double unit = 0.01;
    for (std::size_t i = 0; i < x.mag.size() && i < 9; ++i, unit /= 100) f += x.mag[i] * unit;
    std::int64_t k = static_cast<std::int64_t>(x.mag.size()) + x.scale;
    k = std::clamp<std::int64_t>(k, -400, 400);
    return x.sign * f * std::pow(100.0, static_cast<double>(k));
}

int compare_abs(const Dec &a, const Dec &b) noexcept {
    if (a.zero() || b.zero()) return (a.zero() ? 0 : 1) - (b.zero() ? 0 : 1);
    std::int64_t ta = a.scale + static_cast<std::int64_t>(a.mag.size());
    std::int64_t tb = b.scale + static_cast<std::int64_t>(b.mag.size());
    if (ta != tb) return ta < tb ? -1 : 1;
    std::size_t n = std::max(a.mag.size(), b.mag.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned va = i < a.mag.size() ? a.mag[i] : 0;
        unsigned vb = i < b.mag.size() ? b.mag[i] : 0;
        if (va != vb) return va < vb ? -1 : 1;
    }
    return 0;
}

int compare(const Dec &a, const Dec &b) noexcept {
    if (a.sign != b.sign) return a.sign < b.sign ? -1 : 1;
    return a.sign * compare_abs(a, b);
}

Dec add(const Dec &a, const Dec &b) {
    if (a.zero()) return b;
    if (b.zero()) return a;
    if (a.sign == b.sign) {
        Dec r = add_abs(a, b, false);
        r.sign = a.sign;
        return r;
    }
    int c = compare_abs(a, b);
    if (c == 0) return Dec{};
    Dec r = c > 0 ? add_abs(a, b, true) : add_abs(b, a, true);
    r.sign = c > 0 ? a.sign : b.sign;
    return r;
}

Dec sub(const Dec &a, const Dec &b) {
    if (b.zero()) return a;
    Dec nb = b;
    nb.sign = -nb.sign;
    return add(a, nb);
}

Dec add_sig(const Dec &a, const Dec &b, std::int64_t sig) {
    if (a.zero() || b.zero()) return rounded(a.zero() ? b : a, sig);
    const bool a_larger = compare_abs(a, b) >= 0;
    const Dec &big = a_larger ? a : b;
    const Dec &small = a_larger ? b : a;
    const std::int64_t floor_exp = dexp(big) - std::max<std::int64_t>(sig, 1) - 3;
    if (dexp(small) >= floor_exp) return rounded(add(a, b), sig);
    // Below every digit that can matter, only the small operand's sign does (it breaks a
    // tie of the large one), so a single unit stands in for it.
    Dec stand_in = pow10(floor_exp - 1);
    stand_in.sign = small.sign;
    return rounded(add(big, stand_in), sig);
}

Dec mul(const Dec &a, const Dec &b) {
    if (a.zero() || b.zero()) return Dec{};
    const std::size_t na = a.mag.size(), nb = b.mag.size();
    check_size(na + nb);
    std::vector<std::uint64_t, SeamAllocator<std::uint64_t>> acc(na + nb, 0);
    for (std::size_t i = 0; i < na; ++i) {
        std::uint64_t ai = a.mag[na - 1 - i];
        if (!ai) continue;
        for (std::size_t j = 0; j < nb; ++j) acc[i + j] += ai * b.mag[nb - 1 - j];
    }
    Work w(na + nb, 0);
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < acc.size(); ++k) {
        std::uint64_t t = acc[k] + carry;
        w[k] = static_cast<std::uint32_t>(t % 100);
        carry = t / 100;
    }
    return from_work(w, a.sign * b.sign, a.scale + b.scale);
}

Dec mul_small(const Dec &a, std::uint32_t m) {
    if (a.zero() || m == 0) return Dec{};
    Work w = to_work(a.mag);
    std::uint64_t carry = 0;
    for (auto &limb : w) {
        std::uint64_t t = std::uint64_t{limb} * m + carry;
        limb = static_cast<std::uint32_t>(t % 100);
        carry = t / 100;
    }
    while (carry) {
        w.push_back(static_cast<std::uint32_t>(carry % 100));
        carry /= 100;
    }
    return from_work(w, a.sign, a.scale);
}

Dec negate(Dec x) noexcept {
    x.sign = -x.sign;
    return x;
}

Dec abs(Dec x) noexcept {
    if (x.sign < 0) x.sign = 1;
    return x;
}

void round_sig(Dec &x, std::int64_t sig) {
    if (x.zero()) return;
    drop_digits(x, total_digits(x) - std::max<std::int64_t>(sig, 1), true);
}

void trunc_sig(Dec &x, std::int64_t sig) {
    if (x.zero()) return;
    drop_digits(x, total_digits(x) - std::max<std::int64_t>(sig, 1), false);
}

void round_at(Dec &x, std::int64_t pos) { drop_digits(x, pos - 2 * x.scale, true); }

void trunc_at(Dec &x, std::int64_t pos) { drop_digits(x, pos - 2 * x.scale, false); }

Dec rounded(Dec x, std::int64_t sig) {
    round_sig(x, sig);
    return x;
}

Dec div(const Dec &a, const Dec &b, std::int64_t sig) {
    if (a.zero() || b.zero()) return Dec{};
    sig = std::max<std::int64_t>(sig, 1);
    // Pad the dividend so that the integer quotient carries sig + 2 digits or more; digits of
    // a truncated quotient are exact, so the first dropped one decides the rounding.
    const auto la = static_cast<std::int64_t>(a.mag.size()), lb = static_cast<std::int64_t>(b.mag.size());
    std::int64_t pad = std::max<std::int64_t>(0, (sig + 4) / 2 + 1 + lb - la);
    check_size(static_cast<std::size_t>(la + pad));
    Work u(static_cast<std::size_t>(pad), 0);
    for (auto it = a.mag.rbegin(); it != a.mag.rend(); ++it) u.push_back(*it);
    Work q, r;
    divmod_work(u, to_work(b.mag), q, r);
    Dec res = from_work(q, a.sign * b.sign, a.scale - pad - b.scale);
    round_sig(res, sig);
    return res;
}

Dec div_small(const Dec &a, std::uint32_t d, std::int64_t sig) { return div(a, from_uint(d), sig); }

void div_rem_int(const Dec &a, const Dec &b, Dec &q, Dec &r) {
    if (a.zero() || b.zero() || compare_abs(a, b) < 0) {
        q = Dec{};
        r = b.zero() ? Dec{} : a;
        return;
    }
    const std::int64_t s = std::min(a.scale, b.scale);
    auto widen = [&](const Dec &x) {
        check_size(x.mag.size() + static_cast<std::size_t>(x.scale - s));
        Work w(static_cast<std::size_t>(x.scale - s), 0);
        for (auto it = x.mag.rbegin(); it != x.mag.rend(); ++it) w.push_back(*it);
        return w;
    };
    Work u = widen(a), v = widen(b), wq, wr;
    while (v.size() > 1 && v.back() == 0) v.pop_back();
    divmod_work(u, v, wq, wr);
    q = from_work(wq, a.sign * b.sign, 0);
    r = from_work(wr, a.sign, s);
}

Dec sqrt(const Dec &a, std::int64_t sig) {
    if (a.sign <= 0) return Dec{};
    sig = std::max<std::int64_t>(sig, 1);
    // n = mag * 100^pad with an even scale left over, long enough for sig + 2 root digits.
    const auto len = static_cast<std::int64_t>(a.mag.size());
    const std::int64_t need = 2 * ((sig + 3) / 2) + 4;
    std::int64_t pad = std::max<std::int64_t>(0, need - len);
    if ((a.scale - pad) % 2 != 0) ++pad;
    Dec n;
    n.sign = 1;
    n.mag = a.mag;
    n.scale = pad;
    Dec root = isqrt(n);
    root.scale += (a.scale - pad) / 2;
    round_sig(root, sig);
    return root;
}

bool parse(const char *text, Dec &out) {
    out = Dec{};
    const char *p = text;
    while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
    if (!*p) return true;
    int sign = 1;
    if (*p == '+' || *p == '-') sign = *p++ == '-' ? -1 : 1;
    std::string ds;
    std::int64_t frac = 0;
    bool any = false, point = false;
    for (;; ++p) {
        if (*p >= '0' && *p <= '9') {
            any = true;
            if (point) ++frac;
            if (*p != '0' || !ds.empty()) ds.push_back(*p);
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return false;
    std::int64_t exp10 = 0;
    if (*p == 'e' || *p == 'E') {
        ++p;
        int esign = 1;
        if (*p == '+' || *p == '-') esign = *p++ == '-' ? -1 : 1;
        if (*p < '0' || *p > '9') return false;
        for (; *p >= '0' && *p <= '9'; ++p) {
            // Any exponent this large is out of range anyway; stop before it overflows.
            if (exp10 < 1'000'000'000'000) exp10 = exp10 * 10 + (*p - '0');
        }
        exp10 *= esign;
    }
    while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
    if (*p) return false;
    if (ds.empty()) return true;
    // Align the last digit on an even decimal position, then pack digit pairs.
    std::int64_t last = exp10 - frac;
    if (last % 2 != 0) {
        ds.push_back('0');
        --last;
    }
    if (ds.size() % 2 != 0) ds.insert(ds.begin(), '0');
    check_size(ds.size() / 2);
    for (std::size_t i = 0; i < ds.size(); i += 2)
        out.mag.push_back(static_cast<std::uint8_t>((ds[i] - '0') * 10 + (ds[i + 1] - '0')));
    out.sign = sign;
    out.scale = last / 2;
    normalize(out);
    return true;
}

std::string fixed_text(const Dec &x, std::int64_t places) {
    places = std::max<std::int64_t>(places, 0);
    Dec y = x;
    round_at(y, -places);
    std::string ip = "0", fp;
    if (!y.zero()) {
        std::string s = mag_digits(y.mag);
        std::int64_t e = 2 * y.scale;
        if (e >= 0) {
            ip = s + std::string(static_cast<std::size_t>(e), '0');
        } else {
            std::int64_t split = static_cast<std::int64_t>(s.size()) + e;
            if (split <= 0) {
                fp = std::string(static_cast<std::size_t>(-split), '0') + s;
            } else {
                ip = s.substr(0, static_cast<std::size_t>(split));
                fp = s.substr(static_cast<std::size_t>(split));
            }
        }
    }
    // Digits past `places` are zeros left by the base-100 alignment.
    if (static_cast<std::int64_t>(fp.size()) > places) fp.resize(static_cast<std::size_t>(places));
    fp.append(static_cast<std::size_t>(places) - fp.size(), '0');
    std::string out = y.sign < 0 ? "-" : "";
    out += ip;
    if (places > 0) out += "." + fp;
    return out;
}

std::string integer_text(const Dec &x) {
    Dec y = x;
    trunc_at(y, 0);
    if (y.zero()) return "0";
    std::string out = y.sign < 0 ? "-" : "";
    return out + mag_digits(y.mag) + std::string(static_cast<std::size_t>(2 * y.scale), '0');
}

std::string sci_text(const Dec &x, std::int64_t places) {
    Dec y = x;
    if (places >= 0) round_sig(y, places + 1);
    std::string s = y.zero() ? "0" : mag_digits(y.mag);
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    if (places < 0) places = static_cast<std::int64_t>(s.size()) - 1;
    s.resize(static_cast<std::size_t>(places) + 1, '0');
    std::string out = y.sign < 0 ? "-" : "";
    out += s[0];
    if (places > 0) out += "." + s.substr(1);
    char e[32];
    std::snprintf(e, sizeof e, "E%+lld", static_cast<long long>(y.zero() ? 0 : dexp(y) - 1));
    return out + e;
}

}  // namespace vsk::apm::detail
