#include "number/varnum_arith.h"

#include <cstdint>
#include <cstring>

#include "number/number_call.h"
#include "number/number_layout.h"
#include "number/number_text.h"

namespace vsk::number {

namespace {

constexpr int kDigits = kVarnumDigitBytes;
// Significant digits of the division, as the engine is asked for them.
constexpr int kQuotientDigits = kPlaces + 1;
// An exact sum spans the positions of both operands and a carry: the highest digit of a
// value sits at 100^62, the lowest at 100^-84 (exponent byte 127 with 20 digit bytes).
constexpr int kSumDigits = 64 + 84 + 1;

// sign x 0.d[0]d[1]...d[count-1] x 100^exponent, d[0] and d[count-1] not zero; zero has sign 0.
// d points into the digits as read, so a Value stays where it was made.
struct Value {
    int sign = 0;
    int exponent = 0;
    int count = 0;
    const unsigned char *d = nullptr;
    VarnumDigits raw;

    Value() noexcept = default;
    Value(const Value &) = delete;
    Value &operator=(const Value &) = delete;
};

// The engine route reads an operand through its text, which keeps leading and trailing
// zero digits; they carry no value, so they are dropped here.
bool load(const unsigned char *varnum, Value &v) noexcept {
    VarnumDigits &raw = v.raw;
    if (read_varnum(varnum, &raw) != 0) return false;
    v.sign = 0;
    if (raw.zero) return true;
    int first = 0, last = raw.count;
    while (first < last && raw.digit[first] == 0) ++first;
    while (last > first && raw.digit[last - 1] == 0) --last;
    if (first == last) return true;
    v.sign = raw.negative ? -1 : 1;
    v.exponent = raw.exponent - first;
    v.count = last - first;
    v.d = raw.digit + first;
    return true;
}

int compare_magnitude(const Value &a, const Value &b) noexcept {
    if (a.exponent != b.exponent) return a.exponent > b.exponent ? 1 : -1;
    const int n = a.count < b.count ? a.count : b.count;
    for (int i = 0; i < n; ++i)
        if (a.d[i] != b.d[i]) return a.d[i] > b.d[i] ? 1 : -1;
    // Neither ends in a zero digit, so the longer one is the larger.
    if (a.count != b.count) return a.count > b.count ? 1 : -1;
    return 0;
}

// Rounds 0.r[0..n) half away from zero to its first `slots` decimal digits, counted from
// the high digit of r[0] (a zero there included), in place. A carry out of r[0] leaves 1
// one position higher. Only the first dropped digit decides, as in the engine.
void round_slots(unsigned char *r, int &n, int &exponent, int slots) noexcept {
    const int i = slots / 2;
    unsigned unit;
    int rdigit;
    if (slots % 2 != 0) {
        if (i >= n) return;
        rdigit = r[i] % 10;
        r[i] = static_cast<unsigned char>(r[i] - rdigit);
        n = i + 1;
        unit = 10;
    } else {
        if (i >= n) return;
        rdigit = r[i] / 10;
        n = i;
        unit = 1;
    }
    if (rdigit < 5) return;
    int k = slots % 2 != 0 ? i : i - 1;
    for (; k >= 0; --k) {
        const unsigned v = r[k] + unit;
        if (v < 100) {
            r[k] = static_cast<unsigned char>(v);
            return;
        }
        r[k] = static_cast<unsigned char>(v - 100);
        unit = 1;
    }
    // Every kept digit was 99 (or the top half 9): the value is 1 x 100^exponent.
    r[0] = 1;
    n = 1;
    ++exponent;
}

void write_zero(unsigned char *out) noexcept {
    std::memset(out, 0, kVarnumSize);
    out[0] = 1;
    out[1] = kZeroExponent;
}

// Writes sign x 0.r[0..n) x 100^exponent (r[0] not zero) as the engine route does: its
// fixed-point text has kResultPlaces decimals, or 40 significant digits below 0.1 (decimal
// exponent e10 < 0), and that text is cut to the layout. r is rounded in place.
FastResult store(int sign, unsigned char *r, int n, int exponent, unsigned char *out) noexcept {
    const int e10 = 2 * exponent - (r[0] < 10 ? 1 : 0);
    const int places = e10 >= 0 ? kResultPlaces : kResultPlaces - e10;
    // Decimal slot s of r holds 10^(2 exponent - 1 - s).
    round_slots(r, n, exponent, 2 * exponent + places);
    NumberLayout layout;
    if (make_number_layout(sign < 0, exponent, r, n, kDigits, &layout) != 0) return FastResult::failed;
    unsigned char bytes[kVarnumSize] = {};
    write_varnum(layout, bytes);
    std::memcpy(out, bytes, sizeof bytes);
    return FastResult::ok;
}

// v's magnitude with the given sign (0 for zero).
FastResult store_value(const Value &v, int sign, unsigned char *out) noexcept {
    if (sign == 0) {
        write_zero(out);
        return FastResult::ok;
    }
    unsigned char r[kDigits];
    std::memcpy(r, v.d, static_cast<std::size_t>(v.count));
    return store(sign, r, v.count, v.exponent, out);
}

FastResult sum(const Value &a, const Value &b, bool subtract, unsigned char *out) noexcept {
    const int b_sign = subtract ? -b.sign : b.sign;
    if (b_sign == 0) return store_value(a, a.sign, out);
    if (a.sign == 0) return store_value(b, b_sign, out);
    // The larger magnitude goes first, so that a difference never borrows out of the top.
    const int order = compare_magnitude(a, b);
    if (order == 0 && a.sign != b_sign) {
        write_zero(out);
        return FastResult::ok;
    }
    const Value &big = order >= 0 ? a : b, &small = order >= 0 ? b : a;
    const int sign = order >= 0 ? a.sign : b_sign;
    // r[k] is the digit at 100^(top - k); r[0] takes the carry.
    const int top = big.exponent;
    const int bottom_big = big.exponent - big.count, bottom_small = small.exponent - small.count;
    const int width = top - (bottom_big < bottom_small ? bottom_big : bottom_small) + 1;
    unsigned char r[kSumDigits];
    std::memset(r, 0, static_cast<std::size_t>(width));
    std::memcpy(r + 1, big.d, static_cast<std::size_t>(big.count));
    const int offset = top - small.exponent + 1;
    int k = offset + small.count - 1;
    if (a.sign == b_sign) {
        unsigned carry = 0;
        for (int i = small.count - 1; i >= 0; --i, --k) {
            const unsigned v = r[k] + small.d[i] + carry;
            carry = v >= 100;
            r[k] = static_cast<unsigned char>(carry ? v - 100 : v);
        }
        for (; carry; --k) {
            const unsigned v = r[k] + 1u;
            carry = v >= 100;
            r[k] = static_cast<unsigned char>(carry ? 0 : v);
        }
    } else {
        int borrow = 0;
        for (int i = small.count - 1; i >= 0; --i, --k) {
            const int v = r[k] - small.d[i] - borrow;
            borrow = v < 0;
            r[k] = static_cast<unsigned char>(borrow ? v + 100 : v);
        }
        for (; borrow; --k) {
            const int v = r[k] - 1;
            borrow = v < 0;
            r[k] = static_cast<unsigned char>(borrow ? 99 : v);
        }
    }
    int first = 0;
    while (r[first] == 0) ++first;
    int n = width;
    while (r[n - 1] == 0) --n;
    return store(sign, r + first, n - first, top + 1 - first, out);
}

// Products and quotients work on words of four digits of 100 (10^8), which keeps the long
// multiplication and division to a few dozen 64-bit steps.
constexpr std::uint64_t kWordBase = 100000000;
constexpr int kWords = (kDigits + 3) / 4;

// v's digits as words, most significant first, the last one filled with zero digits on the
// right (so the words stand for v's digits x 100^pad, pad = 4 x words - count).
int to_words(const Value &v, std::uint64_t *w) noexcept {
    const int words = (v.count + 3) / 4;
    unsigned char d[4 * kWords] = {};
    std::memcpy(d, v.d, static_cast<std::size_t>(v.count));
    for (int i = 0; i < words; ++i) {
        const unsigned char *g = d + 4 * i;
        w[i] = ((g[0] * 100u + g[1]) * 100u + g[2]) * 100u + g[3];
    }
    return words;
}

// The exponent of 100 of the last digit of v's words: v = words x 100^unit_exponent.
int unit_exponent(const Value &v) noexcept { return v.exponent - 4 * ((v.count + 3) / 4); }

// words w[0..n) (each below 10^8) as digits of 100; the number of digits.
int from_words(const std::uint64_t *w, int n, unsigned char *d) noexcept {
    for (int i = 0; i < n; ++i) {
        const auto x = static_cast<std::uint32_t>(w[i]);
        const std::uint32_t hi = x / 10000, lo = x % 10000;
        d[4 * i] = static_cast<unsigned char>(hi / 100);
        d[4 * i + 1] = static_cast<unsigned char>(hi % 100);
        d[4 * i + 2] = static_cast<unsigned char>(lo / 100);
        d[4 * i + 3] = static_cast<unsigned char>(lo % 100);
    }
    return 4 * n;
}

// Stores sign x D x 100^unit, D being the integer of the digits of 100 d[0..n) (leading
// zeros allowed, not all zero).
FastResult store_digits(int sign, unsigned char *d, int n, int unit, unsigned char *out) noexcept {
    int first = 0;
    while (d[first] == 0) ++first;
    return store(sign, d + first, n - first, unit + n - first, out);
}

FastResult product(const Value &a, const Value &b, unsigned char *out) noexcept {
    if (a.sign == 0 || b.sign == 0) {
        write_zero(out);
        return FastResult::ok;
    }
    std::uint64_t x[kWords], y[kWords];
    const int nx = to_words(a, x), ny = to_words(b, y);
    // At most 5 products below 10^16 per column: no carry needed until the end.
    std::uint64_t column[2 * kWords] = {};
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) column[i + j + 1] += x[i] * y[j];
    const int n = nx + ny;
    std::uint64_t carry = 0;
    for (int k = n - 1; k >= 0; --k) {
        const std::uint64_t v = column[k] + carry;
        column[k] = v % kWordBase;
        carry = v / kWordBase;
    }
    unsigned char d[4 * 2 * kWords];
    const int digits = from_words(column, n, d);
    return store_digits(a.sign * b.sign, d, digits, unit_exponent(a) + unit_exponent(b), out);
}

// The quotient's first kQuotientDigits significant digits rounded half away from zero, as
// the engine's division gives them, then stored like every other result (whose rounding
// then changes nothing). Knuth's long division (algorithm D) on words.
FastResult quotient(const Value &a, const Value &b, unsigned char *out) noexcept {
    if (a.sign == 0) {
        write_zero(out);
        return FastResult::ok;
    }
    std::uint64_t x[kWords], v[kWords];
    const int na = to_words(a, x), nb = to_words(b, v);
    // X x 10^(8 shift) / V has at least 6 words (49 decimal digits, more than the 41 the
    // rounding needs: the digits of a truncated quotient are exact), as X >= 10^(8(na-1))
    // and V < 10^(8 nb).
    const int shift = nb - na + 7;
    const int nu = na + shift;
    // Scaled so that the divisor's first word is at least half the base, which keeps each
    // trial quotient word at most 2 too large (at most 1 after the second-word test).
    const std::uint64_t scale = kWordBase / (v[0] + 1);
    std::uint64_t carry = 0;
    for (int i = nb - 1; i >= 0; --i) {
        const std::uint64_t t = v[i] * scale + carry;
        v[i] = t % kWordBase;
        carry = t / kWordBase;
    }
    std::uint64_t u[kWords + 8] = {};  // u[0] takes the scaling's carry
    carry = 0;
    for (int i = nu - 1; i >= 0; --i) {
        const std::uint64_t t = (i < na ? x[i] : 0) * scale + carry;
        u[i + 1] = t % kWordBase;
        carry = t / kWordBase;
    }
    u[0] = carry;

    const int nq = nu - nb + 1;
    std::uint64_t q[kWords + 8];
    for (int j = 0; j < nq; ++j) {
        const std::uint64_t top = u[j] * kWordBase + u[j + 1];
        std::uint64_t qhat = top / v[0], rhat = top % v[0];
        while (qhat >= kWordBase || (nb > 1 && qhat * v[1] > rhat * kWordBase + u[j + 2])) {
            --qhat;
            rhat += v[0];
            if (rhat >= kWordBase) break;
        }
        // u[j..j+nb] -= qhat x v
        std::int64_t borrow = 0;
        std::uint64_t mul_carry = 0;
        for (int i = nb - 1; i >= 0; --i) {
            const std::uint64_t p = qhat * v[i] + mul_carry;
            mul_carry = p / kWordBase;
            std::int64_t t = static_cast<std::int64_t>(u[j + 1 + i]) - static_cast<std::int64_t>(p % kWordBase) - borrow;
            borrow = t < 0;
            u[j + 1 + i] = static_cast<std::uint64_t>(borrow ? t + static_cast<std::int64_t>(kWordBase) : t);
        }
        std::int64_t t = static_cast<std::int64_t>(u[j]) - static_cast<std::int64_t>(mul_carry) - borrow;
        if (t < 0) {
            // qhat was one too large: add v back; the carry out cancels the borrow.
            --qhat;
            std::uint64_t c = 0;
            for (int i = nb - 1; i >= 0; --i) {
                const std::uint64_t s = u[j + 1 + i] + v[i] + c;
                c = s >= kWordBase;
                u[j + 1 + i] = c ? s - kWordBase : s;
            }
            t += static_cast<std::int64_t>(c);
        }
        u[j] = static_cast<std::uint64_t>(t);
        q[j] = qhat;
    }
    // The quotient is Q x 100^(unit_exponent(a) - unit_exponent(b) - 4 shift).
    unsigned char d[4 * (kWords + 8)];
    int n = from_words(q, nq, d);
    int first = 0;
    while (d[first] == 0) ++first;
    unsigned char *r = d + first;
    n -= first;
    int exponent = n + unit_exponent(a) - unit_exponent(b) - 4 * shift;
    round_slots(r, n, exponent, kQuotientDigits + (r[0] < 10 ? 1 : 0));
    return store(a.sign * b.sign, r, n, exponent, out);
}

}  // namespace

FastResult varnum_add(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept {
    Value x, y;
    if (!load(a, x) || !load(b, y)) return FastResult::failed;
    return sum(x, y, false, out);
}

FastResult varnum_subtract(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept {
    Value x, y;
    if (!load(a, x) || !load(b, y)) return FastResult::failed;
    return sum(x, y, true, out);
}

FastResult varnum_multiply(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept {
    Value x, y;
    if (!load(a, x) || !load(b, y)) return FastResult::failed;
    return product(x, y, out);
}

FastResult varnum_divide(const unsigned char *a, const unsigned char *b, unsigned char *out) noexcept {
    Value x, y;
    if (!load(a, x) || !load(b, y)) return FastResult::failed;
    if (y.sign == 0) return FastResult::defer;
    return quotient(x, y, out);
}

FastResult varnum_negate(const unsigned char *a, unsigned char *out) noexcept {
    Value x;
    if (!load(a, x)) return FastResult::failed;
    return store_value(x, -x.sign, out);
}

FastResult varnum_absolute(const unsigned char *a, unsigned char *out) noexcept {
    Value x;
    if (!load(a, x)) return FastResult::failed;
    return store_value(x, x.sign != 0 ? 1 : 0, out);
}

FastResult varnum_compare(const unsigned char *a, const unsigned char *b, int *order) noexcept {
    Value x, y;
    if (!load(a, x) || !load(b, y)) return FastResult::failed;
    if (x.sign != y.sign) *order = x.sign < y.sign ? -1 : 1;
    else *order = x.sign == 0 ? 0 : x.sign * compare_magnitude(x, y);
    return FastResult::ok;
}

}  // namespace vsk::number
