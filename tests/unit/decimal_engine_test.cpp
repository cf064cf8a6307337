// The decimal engine: its number layout, rounding, warnings, failure on exhausted memory,
// per-thread caches, and a differential run against Python's decimal (data/decimal_cases.txt).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "env/handle.h"
#include "number/engine/apm.h"

using namespace vsk::apm;

namespace {

// An engine number for the length of a test.
class Num {
public:
    Num() : n_(m_apm_init()) {}
    explicit Num(const char *text) : Num() { m_apm_set_string(n_, text); }
    ~Num() { m_apm_free(n_); }
    Num(const Num &) = delete;
    Num &operator=(const Num &) = delete;
    operator M_APM() const { return n_; }
    M_APM operator->() const { return n_; }

    std::string sci(int places = -1) const {
        std::string s;
        m_apm_to_string(s, places, n_);
        return s;
    }
    std::string fixed(int places) const {
        std::string s;
        m_apm_to_fixpt_string(s, places, n_);
        return s;
    }

private:
    M_APM n_;
};

thread_local std::string captured;
void capture(const char *line) noexcept { captured += line; }

// Collects the warnings of a test instead of letting them reach standard error.
class DecimalEngine : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = m_apm_set_warning_sink(capture);
        captured.clear();
        m_apm_reset_status();
    }
    void TearDown() override {
        m_apm_set_warning_sink(previous_);
        vsk::alloc_fault::fail_nth(0);
        m_apm_free_all_mem();
    }
    static std::string warnings() {
        std::string w = captured;
        captured.clear();
        return w;
    }

private:
    WarningSink previous_ = nullptr;
};

std::vector<int> bytes_of(const Number *n) {
    return std::vector<int>(n->data, n->data + (n->digits + 1) / 2);
}

}  // namespace

TEST_F(DecimalEngine, ValuesAreStoredNormalisedInBase100) {
    struct Row {
        const char *text;
        int sign, digits, exponent;
        std::vector<int> bytes;
    };
    const Row rows[] = {
        {"0012.3400", 1, 4, 2, {12, 34}},  // leading and trailing zeros go
        {"-0.00050", -1, 1, -3, {50}},     // an odd digit count leaves half a byte
        {"123.456e-2", 1, 6, 1, {12, 34, 56}},
        {"-0", 0, 1, 0, {0}},
        {"  7E+3  ", 1, 1, 4, {70}},
    };
    for (const Row &row : rows) {
        Num n(row.text);
        EXPECT_EQ(n->sign, row.sign) << row.text;
        EXPECT_EQ(n->digits, row.digits) << row.text;
        EXPECT_EQ(n->exponent, row.exponent) << row.text;
        EXPECT_EQ(bytes_of(n), row.bytes) << row.text;
    }
    // Results are normalised too: 0.25 * 4 is the single digit 1.
    Num a("0.25"), b("4"), r;
    m_apm_multiply(r, a, b);
    EXPECT_EQ(r->digits, 1);
    EXPECT_EQ(r->exponent, 1);
    EXPECT_EQ(bytes_of(r), std::vector<int>{10});
    EXPECT_EQ(warnings(), "");
}

TEST_F(DecimalEngine, TextThatIsNotANumberWarnsAndGivesZero) {
    for (const char *bad : {"12x", "1e", "--1", "1.2.3", ".", "0x10"}) {
        Num n("5");
        EXPECT_EQ(m_apm_set_string(n, bad), 0) << bad;
        EXPECT_EQ(n->sign, 0) << bad;
        EXPECT_EQ(warnings(), std::string("MAPM Warning: 'm_apm_set_string', Non-digit char found in parse\n") +
                                  "MAPM Warning: Text = " + bad + "\n");
    }
    Num empty("");
    EXPECT_EQ(empty->sign, 0);
    EXPECT_EQ(warnings(), "");
}

TEST_F(DecimalEngine, DoublesAndFloatsComeThroughFifteenDigits) {
    Num n;
    m_apm_set_double(n, 0.1);
    EXPECT_EQ(n.sci(), "1E-1");
    m_apm_set_float(n, 0.1f);
    EXPECT_EQ(n.fixed(15), "0.100000001490116");
    m_apm_set_double(n, 1234567890123456789.0);
    EXPECT_EQ(n.sci(), "1.23456789012346E+18");
    m_apm_set_double(n, -2.5e-300);
    EXPECT_EQ(n.sci(), "-2.5E-300");
    EXPECT_EQ(warnings(), "");

    m_apm_set_double(n, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(n->sign, 0);
    EXPECT_EQ(warnings(), "MAPM Warning: 'm_apm_set_double', Invalid double input (likely a NAN or +/- INF)\n");
    m_apm_set_float(n, std::numeric_limits<float>::infinity());
    EXPECT_EQ(warnings(), "MAPM Warning: 'm_apm_set_float', Invalid float input (likely a NAN or +/- INF)\n");
}

TEST_F(DecimalEngine, IntegersAreExact) {
    Num n;
    m_apm_set_long(n, LONG_MIN);
    EXPECT_EQ(n.fixed(0), "-9223372036854775808");
    m_apm_set_long(n, 1234567890123456789L);
    EXPECT_EQ(n.fixed(0), "1234567890123456789");
    m_apm_set_unsigned_long(n, ULONG_MAX);
    EXPECT_EQ(n.fixed(0), "18446744073709551615");
    std::string s;
    m_apm_to_integer_string(s, n);
    EXPECT_EQ(s, "18446744073709551615");
}

TEST_F(DecimalEngine, OneThirdToThirtyNinePlacesHasFortyThrees) {
    Num one("1"), three("3"), r;
    ASSERT_EQ(m_apm_divide(r, 39, one, three), 0);
    EXPECT_EQ(r->digits, 40);
    EXPECT_EQ(r.fixed(40), "0.3333333333333333333333333333333333333333");
    Num two("2");
    m_apm_divide(r, 39, two, three);
    EXPECT_EQ(r.sci(), "6.666666666666666666666666666666666666667E-1");
}

TEST_F(DecimalEngine, RoundingIsHalfAwayFromZero) {
    Num r;
    for (auto [in, places, out] : std::vector<std::tuple<const char *, int, const char *>>{
             {"2.5", 0, "3E+0"},  {"-2.5", 0, "-3E+0"},   {"1.005", 2, "1.01E+0"},
             {"9.96", 1, "1E+1"}, {"0.0449", 1, "4.5E-2"}, {"123", 5, "1.23E+2"}}) {
        Num a(in);
        m_apm_round(r, places, a);
        EXPECT_EQ(r.sci(), out) << in << " " << places;
    }
}

TEST_F(DecimalEngine, FixedPointTextRoundsAtItsPlaces) {
    EXPECT_EQ(Num("0.5").fixed(0), "1");
    EXPECT_EQ(Num("-0.5").fixed(0), "-1");
    EXPECT_EQ(Num("-0.4").fixed(0), "0");  // no negative zero
    EXPECT_EQ(Num("-0.04").fixed(1), "0.0");
    EXPECT_EQ(Num("12.345").fixed(2), "12.35");
    EXPECT_EQ(Num("99.995").fixed(2), "100.00");
    EXPECT_EQ(Num("1e5").fixed(1), "100000.0");
    EXPECT_EQ(Num("-1.25e-3").fixed(-1), "-0.00125");  // its own decimals
    EXPECT_EQ(Num("0").fixed(3), "0.000");
    std::string s;
    m_apm_to_integer_string(s, Num("-12.7"));
    EXPECT_EQ(s, "-12");
    m_apm_to_integer_string(s, Num("0.9"));
    EXPECT_EQ(s, "0");
}

TEST_F(DecimalEngine, IntegerDivisionTruncatesAndTheRemainderFollowsTheDividend) {
    Num q, r;
    for (auto [a, b, qs, rs] : std::vector<std::tuple<const char *, const char *, const char *, const char *>>{
             {"17", "5", "3E+0", "2E+0"},
             {"-17", "5", "-3E+0", "-2E+0"},
             {"17", "-5", "-3E+0", "2E+0"},
             {"7.5", "2", "3E+0", "1.5E+0"},
             {"1e20", "3e-5", "3.333333333333333333333333E+24", "1E-5"}}) {
        ASSERT_EQ(m_apm_integer_div_rem(q, r, Num(a), Num(b)), 0);
        EXPECT_EQ(q.sci(), qs) << a << " / " << b;
        EXPECT_EQ(r.sci(), rs) << a << " % " << b;
    }
}

TEST_F(DecimalEngine, NegateAbsCompareAndIsInteger) {
    Num r;
    m_apm_negate(r, Num("4"));
    EXPECT_EQ(r.sci(), "-4E+0");
    m_apm_absolute_value(r, Num("-4"));
    EXPECT_EQ(r.sci(), "4E+0");
    EXPECT_EQ(m_apm_compare(Num("1e-5"), Num("1e-6")), 1);
    EXPECT_EQ(m_apm_compare(Num("-1"), Num("0")), -1);
    EXPECT_EQ(m_apm_compare(Num("2.50"), Num("2.5")), 0);
    EXPECT_EQ(m_apm_is_integer(Num("120")), 1);
    EXPECT_EQ(m_apm_is_integer(Num("12.01")), 0);
    EXPECT_EQ(m_apm_is_integer(Num("0")), 1);
}

TEST_F(DecimalEngine, ResultsMayShareOperands) {
    Num a("1.5");
    m_apm_multiply(a, a, a);
    EXPECT_EQ(a.sci(), "2.25E+0");
    m_apm_add(a, a, a);
    EXPECT_EQ(a.sci(), "4.5E+0");
    m_apm_sqrt(a, 20, a);
    EXPECT_EQ(a.sci(), "2.1213203435596425732E+0");
}

TEST_F(DecimalEngine, LongOperandsMultiplyExactly) {
    // (10^n - 1)^2 = 10^2n - 2 * 10^n + 1: nines, an 8, zeros and a 1.
    const int n = 300;
    Num nines(std::string(n, '9').c_str()), r;
    ASSERT_EQ(m_apm_multiply(r, nines, nines), 0);
    EXPECT_EQ(r.fixed(0), std::string(n - 1, '9') + "8" + std::string(n - 1, '0') + "1");
    // Grows the digit buffer well past its first 80 bytes.
    EXPECT_EQ(r->digits, 2 * n);
    EXPECT_GE(r->capacity, n);
}

TEST_F(DecimalEngine, TranscendentalValuesAtFortyDigits) {
    Num r;
    m_apm_pi(r, 39);
    EXPECT_EQ(r.sci(), "3.141592653589793238462643383279502884197E+0");
    m_apm_log10(r, 39, Num("1000"));
    EXPECT_EQ(r.sci(), "3E+0");
    m_apm_pow(r, 39, Num("-2"), Num("-3"));
    EXPECT_EQ(r.sci(), "-1.25E-1");
    m_apm_sin(r, 39, Num("1e30"));  // the argument is reduced with pi to 70-odd digits
    EXPECT_EQ(r.sci(), "-9.01169019121380580303864289529873302744E-2");
    m_apm_arccos(r, 39, Num("-1"));
    EXPECT_EQ(r.sci(), "3.141592653589793238462643383279502884197E+0");
    m_apm_arctan2(r, 39, Num("0"), Num("-3"));
    EXPECT_EQ(r.sci(), "3.141592653589793238462643383279502884197E+0");
    m_apm_tanh(r, 39, Num("1000"));
    EXPECT_EQ(r.sci(), "1E+0");
    EXPECT_EQ(warnings(), "");
}

TEST_F(DecimalEngine, ExtremeMagnitudesStayCheap) {
    // None of these may build an exact intermediate as long as the gap between its operands.
    Num r;
    ASSERT_EQ(m_apm_log(r, 39, Num("1e2000000000")), 0);
    EXPECT_EQ(r.sci(), "4.605170185988091368035982909368728415202E+9");
    ASSERT_EQ(m_apm_log(r, 39, Num("1e-300")), 0);
    EXPECT_EQ(r.sci(), "-6.907755278982137052053974364053092622803E+2");
    ASSERT_EQ(m_apm_arcsin(r, 39, Num("3e-1000000000")), 0);
    EXPECT_EQ(r.sci(), "3E-1000000000");
    ASSERT_EQ(m_apm_arccos(r, 39, Num("1e-1000000000")), 0);
    EXPECT_EQ(r.sci(), "1.570796326794896619231321691639751442099E+0");
    ASSERT_EQ(m_apm_arctan2(r, 39, Num("1e-1000000000"), Num("-1")), 0);
    EXPECT_EQ(r.sci(), "3.141592653589793238462643383279502884197E+0");
    ASSERT_EQ(m_apm_arctan(r, 39, Num("-1e1000000000")), 0);
    EXPECT_EQ(r.sci(), "-1.570796326794896619231321691639751442099E+0");
    ASSERT_EQ(m_apm_sinh(r, 39, Num("2e-900000000")), 0);
    EXPECT_EQ(r.sci(), "2E-900000000");
    // More digits than asked for, the last kept one a tie: the cubic term breaks it, up for
    // sinh (which lies above x), down for tanh (below x).
    ASSERT_EQ(m_apm_sinh(r, 0, Num("2.5e-900000000")), 0);
    EXPECT_EQ(r.sci(), "3E-900000000");
    ASSERT_EQ(m_apm_tanh(r, 0, Num("2.5e-900000000")), 0);
    EXPECT_EQ(r.sci(), "2E-900000000");
    ASSERT_EQ(m_apm_tanh(r, 0, Num("-2.5e-900000000")), 0);
    EXPECT_EQ(r.sci(), "-2E-900000000");
    ASSERT_EQ(m_apm_cosh(r, 39, Num("1000")), 0);
    EXPECT_EQ(r.sci(), "9.850355570085234969444396761216615626585E+433");
    EXPECT_EQ(m_apm_status(), Status::ok);
}

TEST_F(DecimalEngine, ArgumentsOutsideTheDomainWarnAndGiveZero) {
    struct Row {
        std::function<int(M_APM)> call;
        const char *warning;
    };
    const Row rows[] = {
        {[](M_APM r) { return m_apm_divide(r, 39, Num("1"), Num("0")); }, "'m_apm_divide', Divide by 0"},
        {[](M_APM r) {
             Num rem;
             return m_apm_integer_div_rem(r, rem, Num("1"), Num("0"));
         },
         "'M_apm_sdivide', Divide by 0"},
        {[](M_APM r) { return m_apm_sqrt(r, 39, Num("-4")); }, "'m_apm_sqrt', Negative argument"},
        {[](M_APM r) { return m_apm_log(r, 39, Num("-1")); }, "'m_apm_log', Negative argument"},
        {[](M_APM r) { return m_apm_log(r, 39, Num("0")); }, "'m_apm_log', Negative argument"},
        {[](M_APM r) { return m_apm_log10(r, 39, Num("-1")); }, "'m_apm_log', Negative argument"},
        {[](M_APM r) { return m_apm_pow(r, 39, Num("-2"), Num("0.5")); }, "'m_apm_log', Negative argument"},
        {[](M_APM r) { return m_apm_pow(r, 39, Num("0"), Num("-1")); }, "'m_apm_divide', Divide by 0"},
        {[](M_APM r) { return m_apm_arcsin(r, 39, Num("1.0000001")); }, "'m_apm_arcsin', |Argument| > 1"},
        {[](M_APM r) { return m_apm_arccos(r, 39, Num("-2")); }, "'m_apm_arccos', |Argument| > 1"},
        {[](M_APM r) { return m_apm_arctan2(r, 39, Num("0"), Num("0")); }, "'m_apm_arctan2', Both Inputs = 0"},
        {[](M_APM r) { return m_apm_exp(r, 39, Num("1e16")); }, "'m_apm_exp', Input too large, Overflow"},
        {[](M_APM r) { return m_apm_exp(r, 39, Num("5e9")); }, "'m_apm_exp', Input too large, Overflow"},
        {[](M_APM r) { return m_apm_cosh(r, 39, Num("-5e9")); }, "'m_apm_exp', Input too large, Overflow"},
    };
    for (const Row &row : rows) {
        Num r("7");
        EXPECT_EQ(row.call(r), 0) << row.warning;
        EXPECT_EQ(r->sign, 0) << row.warning;
        EXPECT_EQ(warnings(), std::string("MAPM Warning: ") + row.warning + "\n");
    }
    // Results too small for any number are 0 without a warning.
    Num r("7");
    m_apm_exp(r, 39, Num("-5e9"));
    EXPECT_EQ(r->sign, 0);
    EXPECT_EQ(warnings(), "");
    EXPECT_EQ(m_apm_status(), Status::ok);
}

TEST_F(DecimalEngine, RefusesNumbersWithoutItsIdentifier) {
    Num a("2"), r("5");
    a->id = 0;
    EXPECT_EQ(m_apm_add(r, a, a), -1);
    EXPECT_EQ(r.sci(), "5E+0");  // untouched
    EXPECT_EQ(m_apm_compare(a, r), 0);
    EXPECT_EQ(m_apm_set_string(nullptr, "1"), -1);
    m_apm_free(a);
    EXPECT_EQ(warnings(), "MAPM Warning: 'm_apm_free', Invalid M_APM variable\n");
    a->id = kNumberId;  // so the fixture can free it
}

TEST_F(DecimalEngine, ResultsBeyondTheExponentRangeFailWithoutEndingTheProcess) {
    Num big("1e2000000000"), r("5");
    EXPECT_EQ(m_apm_multiply(r, big, big), -1);
    EXPECT_EQ(m_apm_status(), Status::out_of_range);
    EXPECT_EQ(r->sign, 0);
    m_apm_reset_status();
    EXPECT_EQ(m_apm_status(), Status::ok);
}

TEST_F(DecimalEngine, ExhaustedMemoryFailsTheOperationAndSetsTheStatus) {
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(m_apm_init(), nullptr);
    EXPECT_EQ(m_apm_status(), Status::no_memory);
    vsk::alloc_fault::fail_nth(2);  // the number's digit buffer
    EXPECT_EQ(m_apm_init(), nullptr);

    // Every allocation of each operation in turn fails; the operation must report it, leave
    // its result 0 and, once allocations succeed again, give the right value.
    Num a("1.2345678901234567890123456789"), b("-7.25"), r;
    const std::vector<std::pair<const char *, std::function<int()>>> ops = {
        {"multiply", [&] { return m_apm_multiply(r, a, b); }},
        {"divide", [&] { return m_apm_divide(r, 39, a, b); }},
        {"sqrt", [&] { return m_apm_sqrt(r, 39, a); }},
        {"exp", [&] { return m_apm_exp(r, 39, b); }},
        {"log", [&] { return m_apm_log(r, 39, a); }},
        {"sin", [&] { return m_apm_sin(r, 39, b); }},
        {"arctan", [&] { return m_apm_arctan(r, 39, b); }},
        {"pow", [&] { return m_apm_pow(r, 39, a, b); }},
    };
    for (const auto &[name, op] : ops) {
        m_apm_free_all_mem();
        m_apm_reset_status();
        ASSERT_EQ(op(), 0) << name;
        const std::string expected = r.sci();
        int failures = 0;
        for (int n = 1;; ++n) {
            m_apm_free_all_mem();
            m_apm_reset_status();
            m_apm_set_string(r, "9");
            vsk::alloc_fault::fail_nth(n);
            int rc = op();
            vsk::alloc_fault::fail_nth(0);
            if (rc == 0) {
                EXPECT_EQ(m_apm_status(), Status::ok) << name;
                EXPECT_EQ(r.sci(), expected) << name << " " << n;
                break;
            }
            ++failures;
            EXPECT_EQ(rc, -1);
            EXPECT_EQ(m_apm_status(), Status::no_memory) << name << " " << n;
            EXPECT_EQ(r->sign, 0) << name << " " << n;
            ASSERT_LT(n, 100000) << name;
        }
        EXPECT_GT(failures, 0) << name;
    }
    EXPECT_EQ(warnings(), "");
}

TEST_F(DecimalEngine, ThreadsComputeWithTheirOwnCaches) {
    // Each thread asks for pi and the functions built on it at its own precisions, so
    // shared caches would hand one thread another's digits or race on their growth.
    auto work = [](int seed, std::vector<std::string> *out) {
        for (int i = 0; i < 30; ++i) {
            int places = 20 + (seed * 7 + i * 13) % 90;
            Num r, x("12345.678");
            m_apm_pi(r, places);
            out->push_back(r.sci());
            m_apm_sin(r, places, x);
            out->push_back(r.sci());
            m_apm_log(r, places, x);
            out->push_back(r.sci());
            if (i % 5 == 0) m_apm_free_all_mem();
        }
        m_apm_free_all_mem();
    };
    std::vector<std::vector<std::string>> alone(4), together(4);
    for (int t = 0; t < 4; ++t) work(t, &alone[t]);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) threads.emplace_back(work, t, &together[t]);
    for (auto &th : threads) th.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(alone[t], together[t]) << t;
}

TEST_F(DecimalEngine, WarningsReachStandardErrorByDefault) {
    m_apm_set_warning_sink(nullptr);
    testing::internal::CaptureStderr();
    Num r;
    m_apm_sqrt(r, 10, Num("-1"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "MAPM Warning: 'm_apm_sqrt', Negative argument\n");
}

namespace {

struct Case {
    int line;
    std::string op;
    int places;
    std::vector<std::string> args, results;
};

std::vector<Case> read_cases() {
    std::ifstream in(std::filesystem::path(VSK_UNIT_DATA_DIR) / "decimal_cases.txt");
    std::vector<Case> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        Case c{line, "", 0, {}, {}};
        words >> c.op >> c.places;
        bool after = false;
        for (std::string w; words >> w;) {
            if (w == "=") after = true;
            else (after ? c.results : c.args).push_back(w);
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

using Unary = int (*)(M_APM, int, const Number *);
using Binary = int (*)(M_APM, int, const Number *, const Number *);

const std::map<std::string, Unary> kUnary = {
    {"sqrt", m_apm_sqrt},   {"exp", m_apm_exp},       {"log", m_apm_log},       {"log10", m_apm_log10},
    {"sin", m_apm_sin},     {"cos", m_apm_cos},       {"tan", m_apm_tan},       {"arcsin", m_apm_arcsin},
    {"arccos", m_apm_arccos}, {"arctan", m_apm_arctan}, {"sinh", m_apm_sinh},   {"cosh", m_apm_cosh},
    {"tanh", m_apm_tanh},   {"round", m_apm_round},
};
const std::map<std::string, Binary> kBinary = {
    {"divide", m_apm_divide}, {"pow", m_apm_pow}, {"arctan2", m_apm_arctan2}};

}  // namespace

// Exact operations must match exactly; the rest are held to correct rounding at places + 1
// digits, with one unit of the last place tolerated (and counted) for the series functions.
TEST_F(DecimalEngine, AgreesWithPythonDecimalOnThousandsOfOperands) {
    const std::vector<Case> cases = read_cases();
    ASSERT_GT(cases.size(), 4000u);
    std::map<std::string, int> count, off_by_one;
    for (const Case &c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + ": " + c.op);
        Num a(c.args[0].c_str()), b(c.args.size() > 1 ? c.args[1].c_str() : "0"), r, r2;
        int rc;
        bool exact = true;
        if (c.op == "add") rc = m_apm_add(r, a, b);
        else if (c.op == "subtract") rc = m_apm_subtract(r, a, b);
        else if (c.op == "multiply") rc = m_apm_multiply(r, a, b);
        else if (c.op == "integer_div_rem") rc = m_apm_integer_div_rem(r, r2, a, b);
        else if (c.op == "floor") rc = m_apm_floor(r, a);
        else if (c.op == "ceil") rc = m_apm_ceil(r, a);
        else if (kUnary.count(c.op)) {
            rc = kUnary.at(c.op)(r, c.places, a);
            exact = c.op == "round" || c.op == "sqrt";
        } else {
            ASSERT_TRUE(kBinary.count(c.op));
            rc = kBinary.at(c.op)(r, c.places, a, b);
            exact = c.op == "divide";
        }
        ASSERT_EQ(rc, 0);
        ++count[c.op];
        Num want(c.results[0].c_str());
        if (m_apm_compare(r, want) != 0) {
            ASSERT_FALSE(exact) << "got " << r.sci() << " want " << want.sci();
            // One unit in the last of places + 1 digits of the expected value.
            Num diff, ulp(("1e" + std::to_string(want->exponent - c.places - 1)).c_str());
            m_apm_subtract(diff, r, want);
            m_apm_absolute_value(diff, diff);
            EXPECT_LE(m_apm_compare(diff, ulp), 0) << "got " << r.sci() << " want " << want.sci();
            ++off_by_one[c.op];
        }
        EXPECT_LE(r->digits, c.op == "add" || c.op == "subtract" || c.op == "multiply" || c.op == "floor" ||
                                     c.op == "ceil" || c.op == "integer_div_rem"
                                 ? INT_MAX
                                 : c.places + 1);
        if (c.results.size() > 1) {
            EXPECT_EQ(m_apm_compare(r2, Num(c.results[1].c_str())), 0) << r2.sci();
        }
    }
    int inexact = 0;
    for (const auto &[op, n] : off_by_one) {
        std::printf("  %s: %d of %d off by one unit in the last place\n", op.c_str(), n, count[op]);
        inexact += n;
    }
    EXPECT_LE(inexact, 5);
    EXPECT_EQ(warnings(), "");
}
