// The byte-level route of the OCINumber arithmetic against the engine route it replaces:
// both run on the same operands (random and built to hit carries, cancellations, rounding
// at the 40th place, the layout's exponent limits and malformed bytes), and the return
// code, all 22 result bytes and the error records must agree. VSK_VARNUM_DIFF_ROUNDS
// raises the number of random rounds for a longer run.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "env/handle.h"
#include "number/engine/apm.h"
#include "number/number_reference.h"
#include "number/number_text.h"
#include "oci_handles_test.h"

namespace {

using Binary = sword (*)(OCIError *, const OCINumber *, const OCINumber *, OCINumber *);
using Unary = sword (*)(OCIError *, const OCINumber *, OCINumber *);

struct BinaryPair {
    const char *name;
    Binary fast;
    Binary reference;
};
struct UnaryPair {
    const char *name;
    Unary fast;
    Unary reference;
};

const BinaryPair kBinary[] = {
    {"Add", OCINumberAdd, vsk::number::add_reference},
    {"Sub", OCINumberSub, vsk::number::sub_reference},
    {"Mul", OCINumberMul, vsk::number::mul_reference},
    {"Div", OCINumberDiv, vsk::number::div_reference},
};
const UnaryPair kUnary[] = {
    {"Neg", OCINumberNeg, vsk::number::neg_reference},
    {"Abs", OCINumberAbs, vsk::number::abs_reference},
};

void ignore_warning(const char *) noexcept {}

std::string hex(const OCINumber &n) {
    std::ostringstream out;
    out << std::hex;
    for (ub1 b : n.OCINumberPart) out << static_cast<int>(b) << ' ';
    return out.str();
}

std::string describe(const OCINumber &n) {
    char text[vsk::kVarnumTextSize];
    if (vsk::ConvertVARNUMToString(n.OCINumberPart, text) != 0) return "invalid [" + hex(n) + "]";
    return std::string(text) + " [" + hex(n) + "]";
}

int rounds() {
    const char *env = std::getenv("VSK_VARNUM_DIFF_ROUNDS");
    return env ? std::atoi(env) : 2000;
}

// Operands as raw bytes: sign, base-100 exponent, base-100 digits.
class Operands {
public:
    explicit Operands(unsigned seed) : rng_(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return uniform(0, 99) < percent; }

    // Exponents the layout writes are -63..63; a negative number's exponent byte 127 means -64.
    static OCINumber make(bool negative, int exponent, const std::vector<int> &digits, bool terminator = true) {
        OCINumber n{};
        ub1 *b = n.OCINumberPart;
        b[1] = static_cast<ub1>(negative ? 63 - exponent : 192 + exponent);
        int length = 1;
        for (int d : digits) b[1 + length++] = static_cast<ub1>(negative ? 101 - d : d + 1);
        if (negative && digits.size() < 20 && terminator) b[1 + length++] = 102;
        b[0] = static_cast<ub1>(length);
        return n;
    }

    int exponent(bool negative) {
        switch (uniform(0, 3)) {
        case 0: return uniform(negative ? -64 : -63, 63);
        case 1: return uniform(55, 63);
        case 2: return uniform(negative ? -64 : -63, -55);
        default: return uniform(-12, 12);
        }
    }

    // 1..20 digits of 100 (1..40 decimal digits), first and last not zero.
    std::vector<int> digits() {
        std::vector<int> d(static_cast<std::size_t>(uniform(1, 20)));
        const int style = uniform(0, 9);
        for (int &x : d) x = style == 0 ? 99 : style == 1 ? uniform(90, 99) : style == 2 ? uniform(0, 9) : uniform(0, 99);
        if (d.front() == 0) d.front() = uniform(1, 99);
        if (d.back() == 0) d.back() = uniform(1, 99);
        if (chance(20)) d.front() = uniform(1, 9);  // an odd count of decimal digits
        if (chance(20)) d.back() = 10 * uniform(1, 9);
        return d;
    }

    OCINumber random() {
        const bool negative = chance(50);
        return make(negative, exponent(negative), digits());
    }

    // Digits of 100 at and below the position 100^exponent of x moved by one unit there.
    OCINumber nudge(const OCINumber &x) {
        OCINumber n = x;
        ub1 *b = n.OCINumberPart;
        const bool negative = !(b[1] & 0x80);
        int count = b[0] - 1 - (negative && b[b[0]] == 102 ? 1 : 0);
        if (count < 20 && chance(50)) {
            // One more digit below the last.
            b[2 + count] = static_cast<ub1>(negative ? 101 - uniform(1, 99) : uniform(1, 99) + 1);
            ++count;
        } else {
            ub1 &last = b[1 + count];
            const int d = negative ? 101 - last : last - 1;
            const int moved = d == 0 ? 1 : d == 99 ? 98 : d + (chance(50) ? 1 : -1);
            last = static_cast<ub1>(negative ? 101 - moved : moved + 1);
        }
        int length = 1 + count;
        if (negative && count < 20) b[1 + length++] = 102;
        for (int i = length + 1; i < OCI_NUMBER_SIZE; ++i) b[i] = 0;
        b[0] = static_cast<ub1>(length);
        return n;
    }

    static OCINumber negated(const OCINumber &x) {
        const ub1 *b = x.OCINumberPart;
        const bool negative = !(b[1] & 0x80);
        const int count = b[0] - 1 - (negative && b[b[0]] == 102 ? 1 : 0);
        std::vector<int> d;
        for (int i = 0; i < count; ++i) d.push_back(negative ? 101 - b[2 + i] : b[2 + i] - 1);
        const int e = negative ? 63 - b[1] : b[1] - 192;
        // A positive number has no exponent -64.
        return make(!negative, e < -63 ? -63 : e, d);
    }

    // Bytes the layout allows but the route of the layout never writes, or does not allow.
    OCINumber unusual() {
        const bool negative = chance(50);
        std::vector<int> d = digits();
        switch (uniform(0, 7)) {
        case 0: d.insert(d.begin(), 0); break;            // a leading zero digit
        case 1: d.push_back(0); break;                    // a trailing zero digit
        case 2: d.assign(static_cast<std::size_t>(uniform(1, 3)), 0); break;  // all zero
        case 3: return make(negative, exponent(negative), d, false);        // no terminator
        case 4: {
            OCINumber n{};  // exponent byte 128 with any bytes after it
            n.OCINumberPart[0] = static_cast<ub1>(uniform(1, 21));
            n.OCINumberPart[1] = 0x80;
            for (int i = 2; i < OCI_NUMBER_SIZE; ++i) n.OCINumberPart[i] = static_cast<ub1>(uniform(0, 255));
            return n;
        }
        case 5: {
            OCINumber n = make(negative, exponent(negative), d);  // a zero byte ends the digits
            n.OCINumberPart[uniform(2, n.OCINumberPart[0])] = 0;
            return n;
        }
        case 6: {
            OCINumber n{};  // anything at all
            n.OCINumberPart[0] = static_cast<ub1>(uniform(1, 24));
            for (int i = 1; i < OCI_NUMBER_SIZE; ++i) n.OCINumberPart[i] = static_cast<ub1>(uniform(0, 255));
            return n;
        }
        default: {
            OCINumber n = make(negative, exponent(negative), d);  // one byte changed
            n.OCINumberPart[uniform(1, OCI_NUMBER_SIZE - 1)] = static_cast<ub1>(uniform(0, 255));
            return n;
        }
        }
        if (d.size() > 20) d.resize(20);
        return make(negative, exponent(negative), d);
    }

    std::mt19937_64 &rng() { return rng_; }

private:
    std::mt19937_64 rng_;
};

class VarnumArith : public vsk::test::OciHandlesTest {
protected:
    void SetUp() override {
        OciHandlesTest::SetUp();
        previous_ = vsk::apm::m_apm_set_warning_sink(ignore_warning);
    }
    void TearDown() override {
        vsk::alloc_fault::fail_nth(0);
        vsk::apm::m_apm_set_warning_sink(previous_);
        vsk::apm::m_apm_free_all_mem();
        OciHandlesTest::TearDown();
    }

    // The records left by the last call: count and first number.
    std::pair<int, sb4> records() const {
        int n = 0;
        sb4 code = 0, first = 0;
        OraText buf[256];
        while (OCIErrorGet(err_, n + 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR) == OCI_SUCCESS) {
            if (n == 0) first = code;
            ++n;
        }
        return {n, first};
    }

    // Both routes of every binary call on (a, b), into a result that starts as `start`,
    // and once with the result in the place of a.
    void both_binary(const OCINumber &a, const OCINumber &b, const OCINumber &start) {
        for (const BinaryPair &p : kBinary) {
            OCINumber fast = start, reference = start;
            const sword rc_fast = p.fast(err_, &a, &b, &fast);
            const auto rec_fast = records();
            const sword rc_reference = p.reference(err_, &a, &b, &reference);
            const auto rec_reference = records();
            ASSERT_EQ(rc_fast, rc_reference) << p.name << " " << describe(a) << " , " << describe(b);
            ASSERT_EQ(hex(fast), hex(reference)) << p.name << " " << describe(a) << " , " << describe(b)
                                                 << "\n fast " << describe(fast) << "\n  ref " << describe(reference);
            ASSERT_EQ(rec_fast, rec_reference) << p.name;

            OCINumber in_place_fast = a, in_place_reference = a;
            ASSERT_EQ(p.fast(err_, &in_place_fast, &b, &in_place_fast),
                      p.reference(err_, &in_place_reference, &b, &in_place_reference))
                << p.name;
            ASSERT_EQ(hex(in_place_fast), hex(in_place_reference)) << p.name << " in place";
        }
        sword cmp_fast = 9, cmp_reference = 9;
        ASSERT_EQ(OCINumberCmp(err_, &a, &b, &cmp_fast), vsk::number::cmp_reference(err_, &a, &b, &cmp_reference));
        ASSERT_EQ(cmp_fast, cmp_reference) << "Cmp " << describe(a) << " , " << describe(b);
    }

    void both_unary(const OCINumber &a, const OCINumber &start) {
        for (const UnaryPair &p : kUnary) {
            OCINumber fast = start, reference = start;
            const sword rc_fast = p.fast(err_, &a, &fast);
            const auto rec_fast = records();
            const sword rc_reference = p.reference(err_, &a, &reference);
            ASSERT_EQ(rc_fast, rc_reference) << p.name << " " << describe(a);
            ASSERT_EQ(hex(fast), hex(reference)) << p.name << " " << describe(a);
            ASSERT_EQ(rec_fast, records()) << p.name;
        }
    }

    OCINumber garbage(Operands &g) {
        OCINumber n;
        for (ub1 &b : n.OCINumberPart) b = static_cast<ub1>(g.uniform(0, 255));
        return n;
    }

private:
    vsk::apm::WarningSink previous_ = nullptr;
};

}  // namespace

// The comparisons below mean something only while the reference goes through the engine,
// which allocates, and the exported calls do not.
TEST_F(VarnumArith, TheReferenceIsTheEngineRoute) {
    const OCINumber a = Operands::make(false, 1, {2}), b = Operands::make(true, 1, {3});
    for (const BinaryPair &p : kBinary) {
        OCINumber r{};
        vsk::alloc_fault::fail_nth(1);
        const sword reference = p.reference(err_, &a, &b, &r);
        vsk::alloc_fault::fail_nth(1);
        const sword fast = p.fast(err_, &a, &b, &r);
        vsk::alloc_fault::fail_nth(0);
        EXPECT_EQ(reference, OCI_ERROR) << p.name;
        EXPECT_EQ(fast, OCI_SUCCESS) << p.name;
    }
    for (const UnaryPair &p : kUnary) {
        OCINumber r{};
        vsk::alloc_fault::fail_nth(1);
        const sword reference = p.reference(err_, &b, &r);
        vsk::alloc_fault::fail_nth(1);
        const sword fast = p.fast(err_, &b, &r);
        vsk::alloc_fault::fail_nth(0);
        EXPECT_EQ(reference, OCI_ERROR) << p.name;
        EXPECT_EQ(fast, OCI_SUCCESS) << p.name;
    }
    sword order = 9;
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(vsk::number::cmp_reference(err_, &a, &b, &order), OCI_ERROR);
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCINumberCmp(err_, &a, &b, &order), OCI_SUCCESS);
    vsk::alloc_fault::fail_nth(0);
}

TEST_F(VarnumArith, AgreesOnRandomOperandsAcrossTheWholeRange) {
    Operands g(1);
    for (int i = 0; i < rounds(); ++i) {
        const OCINumber a = g.random(), b = g.random();
        ASSERT_NO_FATAL_FAILURE(both_binary(a, b, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_unary(a, garbage(g)));
    }
}

// Operands of one size: carries through every digit, sums and differences that cancel
// wholly or down to the last digit, and results rounded at the 40th place.
TEST_F(VarnumArith, AgreesOnCarriesAndCancellations) {
    Operands g(2);
    for (int i = 0; i < rounds(); ++i) {
        const OCINumber a = g.random();
        OCINumber b;
        switch (g.uniform(0, 4)) {
        case 0: b = Operands::negated(a); break;
        case 1: b = a; break;
        case 2: b = g.nudge(a); break;
        case 3: b = Operands::negated(g.nudge(a)); break;
        default: {
            // Nearly the same exponent.
            const ub1 *ab = a.OCINumberPart;
            const bool negative = g.chance(50);
            const int ea = (ab[1] & 0x80) ? ab[1] - 192 : 63 - ab[1];
            int e = ea + g.uniform(-21, 21);
            e = e > 63 ? 63 : e < -63 ? -63 : e;
            b = Operands::make(negative, e, g.digits());
        }
        }
        ASSERT_NO_FATAL_FAILURE(both_binary(a, b, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_binary(b, a, garbage(g)));
    }
    // Runs of nines across the 40th place: 99...9 and 0.0...099...9d (the second right below
    // the first) add up to 9s past the rounding place; (10^k - 1)(10^k + 1) = 10^2k - 1.
    for (int i = 0; i < rounds(); ++i) {
        const bool negative = g.chance(50);
        const int e = g.uniform(-40, 40), n = g.uniform(1, 20);
        std::vector<int> low(static_cast<std::size_t>(g.uniform(1, 20)), 99);
        low.back() = g.uniform(1, 99);
        const OCINumber high = Operands::make(negative, e, std::vector<int>(static_cast<std::size_t>(n), 99));
        ASSERT_NO_FATAL_FAILURE(both_binary(high, Operands::make(negative, e - n, low), garbage(g)));

        const int k = g.uniform(1, 39);
        std::string below(static_cast<std::size_t>(k), '9'), above = "1" + std::string(static_cast<std::size_t>(k - 1), '0') + "1";
        below += "e" + std::to_string(g.uniform(-60, 20));
        above += "e" + std::to_string(g.uniform(-60, 20));
        OCINumber x{}, y{};
        ASSERT_EQ(vsk::ConvertStringToVARNUM(below.c_str(), x.OCINumberPart), 0);
        ASSERT_EQ(vsk::ConvertStringToVARNUM(above.c_str(), y.OCINumberPart), 0);
        ASSERT_NO_FATAL_FAILURE(both_binary(x, y, garbage(g)));
    }
    // Every digit 99, plus one unit at each place from the last digit up.
    for (int n = 1; n <= 20; ++n)
        for (int e = -64; e <= 63; e += 21)
            for (bool negative : {false, true}) {
                const OCINumber nines = Operands::make(negative, e, std::vector<int>(static_cast<std::size_t>(n), 99));
                for (int k = 0; k <= n + 2; ++k) {
                    const int ue = e - n + k + 1;
                    if (ue < -63 || ue > 63) continue;
                    ASSERT_NO_FATAL_FAILURE(both_binary(nines, Operands::make(negative, ue, {1}), garbage(g)));
                    ASSERT_NO_FATAL_FAILURE(both_binary(nines, Operands::make(!negative, ue, {1}), garbage(g)));
                    ASSERT_NO_FATAL_FAILURE(both_binary(nines, Operands::make(negative, ue, {50}), garbage(g)));
                }
            }
}

// Products and quotients whose exponents land at the layout's limits: results that
// overflow (fail), underflow (zero) or just fit, also after a carry from the rounding.
TEST_F(VarnumArith, AgreesAtTheExponentLimits) {
    Operands g(3);
    for (int i = 0; i < rounds(); ++i) {
        const bool na = g.chance(50), nb = g.chance(50);
        const int ea = g.uniform(na ? -64 : -63, 63);
        int eb;
        switch (g.uniform(0, 3)) {
        case 0: eb = g.uniform(60, 66) - ea; break;      // product near the top
        case 1: eb = g.uniform(-130, -120) - ea; break;  // product near the bottom
        case 2: eb = ea - g.uniform(60, 66); break;      // quotient near the top
        default: eb = ea + g.uniform(60, 68); break;     // quotient near the bottom
        }
        if (eb < (nb ? -64 : -63) || eb > 63) continue;
        std::vector<int> da = g.digits(), db = g.digits();
        const OCINumber a = Operands::make(na, ea, da), b = Operands::make(nb, eb, db);
        ASSERT_NO_FATAL_FAILURE(both_binary(a, b, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_unary(a, garbage(g)));
    }
    // Sums at the top and the bottom of the range.
    for (int i = 0; i < rounds() / 4; ++i) {
        const bool negative = g.chance(50);
        const int e = g.chance(50) ? g.uniform(60, 63) : g.uniform(negative ? -64 : -63, -58);
        const OCINumber a = Operands::make(negative, e, g.digits());
        const OCINumber b = Operands::make(g.chance(70) == negative, e + g.uniform(-2, 0), g.digits());
        ASSERT_NO_FATAL_FAILURE(both_binary(a, b, garbage(g)));
    }
}

TEST_F(VarnumArith, AgreesOnZerosUnusualAndMalformedBytes) {
    Operands g(4);
    OCINumber canonical_zero{};
    canonical_zero.OCINumberPart[0] = 1;
    canonical_zero.OCINumberPart[1] = 0x80;
    for (int i = 0; i < rounds(); ++i) {
        const OCINumber odd = g.unusual(), plain = g.random();
        ASSERT_NO_FATAL_FAILURE(both_binary(odd, plain, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_binary(plain, odd, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_binary(odd, g.unusual(), garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_unary(odd, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_binary(canonical_zero, plain, garbage(g)));
        ASSERT_NO_FATAL_FAILURE(both_binary(plain, canonical_zero, garbage(g)));
    }
    ASSERT_NO_FATAL_FAILURE(both_binary(canonical_zero, canonical_zero, garbage(g)));
    ASSERT_NO_FATAL_FAILURE(both_unary(canonical_zero, garbage(g)));
}

TEST_F(VarnumArith, AgreesOnHandlesAndMissingArguments) {
    const OCINumber one = Operands::make(false, 1, {1}), empty{};
    auto *env_as_err = reinterpret_cast<OCIError *>(env_);
    for (const BinaryPair &p : kBinary) {
        for (OCIError *e : {static_cast<OCIError *>(nullptr), env_as_err, err_})
            for (const OCINumber *a : {&one, &empty, static_cast<const OCINumber *>(nullptr)})
                for (const OCINumber *b : {&one, &empty, static_cast<const OCINumber *>(nullptr)})
                    for (bool with_result : {true, false}) {
                        OCINumber fast{}, reference{};
                        const sword rc_fast = p.fast(e, a, b, with_result ? &fast : nullptr);
                        const auto rec_fast = records();
                        const sword rc_reference = p.reference(e, a, b, with_result ? &reference : nullptr);
                        ASSERT_EQ(rc_fast, rc_reference) << p.name;
                        ASSERT_EQ(rec_fast, records()) << p.name;
                        ASSERT_EQ(hex(fast), hex(reference)) << p.name;
                    }
    }
    for (const UnaryPair &p : kUnary)
        for (OCIError *e : {static_cast<OCIError *>(nullptr), env_as_err, err_})
            for (const OCINumber *a : {&one, &empty, static_cast<const OCINumber *>(nullptr)})
                for (bool with_result : {true, false}) {
                    OCINumber fast{}, reference{};
                    const sword rc_fast = p.fast(e, a, with_result ? &fast : nullptr);
                    const auto rec_fast = records();
                    ASSERT_EQ(rc_fast, p.reference(e, a, with_result ? &reference : nullptr)) << p.name;
                    ASSERT_EQ(rec_fast, records()) << p.name;
                }
    for (OCIError *e : {static_cast<OCIError *>(nullptr), env_as_err, err_})
        for (const OCINumber *a : {&one, &empty, static_cast<const OCINumber *>(nullptr)})
            for (bool with_result : {true, false}) {
                sword fast = 9, reference = 9;
                const sword rc_fast = OCINumberCmp(e, a, &one, with_result ? &fast : nullptr);
                const auto rec_fast = records();
                ASSERT_EQ(rc_fast, vsk::number::cmp_reference(e, a, &one, with_result ? &reference : nullptr));
                ASSERT_EQ(rec_fast, records());
                ASSERT_EQ(fast, reference);
            }
}

// What both routes must give, worked out by hand: a shared fault would pass the checks above.
TEST_F(VarnumArith, RoundsAtTheFortiethPlaceThenCuts) {
    auto value = [&](const char *text) {
        OCINumber n{};
        EXPECT_EQ(vsk::ConvertStringToVARNUM(text, n.OCINumberPart), 0) << text;
        return n;
    };
    auto text_of = [](const OCINumber &n) {
        char t[vsk::kVarnumTextSize];
        return vsk::ConvertVARNUMToString(n.OCINumberPart, t) == 0 ? std::string(t) : std::string("invalid");
    };
    OCINumber r;
    // 0.(40 nines) + 5e-41: the 41st decimal rounds the sum up to 1.
    const OCINumber nines = value("0.9999999999999999999999999999999999999999"), half = value("5e-41");
    ASSERT_EQ(OCINumberAdd(err_, &nines, &half, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.01E2");
    // Below 0.1 the rounding keeps 40 significant digits: 1e-10 less 5e-51 rounds to 1e-10.
    const OCINumber small_nines = value("0.00000000009999999999999999999999999999999999999999"),
                    small_half = value("5e-51");
    ASSERT_EQ(OCINumberAdd(err_, &small_nines, &small_half, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.01E-8");
    // The exact product 0.99399999999999999999999999999999999999006 rounded at 40 places.
    const OCINumber x = value("0.99999999999999999999999999999999999999"), y = value("0.994");
    ASSERT_EQ(OCINumberMul(err_, &x, &y, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.9939999999999999999999999999999999999901");
    // (1 - 1e-21)(1 + 1e-21) = 1 - 1e-42, rounded at 40 places: a carry out of every digit.
    const OCINumber below_one = value("0.999999999999999999999"), above_one = value("1.000000000000000000001");
    ASSERT_EQ(OCINumberMul(err_, &below_one, &above_one, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.01E2");
    // 2/3: 40 significant digits, rounded up at the last.
    const OCINumber two = value("2"), three = value("3");
    ASSERT_EQ(OCINumberDiv(err_, &two, &three, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.6666666666666666666666666666666666666667");
    // -1e-126 x 0.01 is the smallest magnitude the layout holds; x 0.001 is below it: zero.
    const OCINumber tiny = value("-1e-126"), hundredth = value("0.01"), thousandth = value("0.001");
    ASSERT_EQ(OCINumberMul(err_, &tiny, &hundredth, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "-0.01E-126");
    ASSERT_EQ(OCINumberMul(err_, &tiny, &thousandth, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.0");
    // 1e125 x 9.99 lies just below 1e126, the first value beyond the layout: x 10 fails.
    const OCINumber huge = value("1e125"), nine = value("9.99"), ten = value("10");
    ASSERT_EQ(OCINumberMul(err_, &huge, &nine, &r), OCI_SUCCESS);
    EXPECT_EQ(text_of(r), "0.9990E126");
    EXPECT_EQ(OCINumberMul(err_, &r, &ten, &r), OCI_ERROR);
    EXPECT_EQ(text_of(r), "0.9990E126");
}
