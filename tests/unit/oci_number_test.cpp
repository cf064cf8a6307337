// The OCINumber calls: argument checks and error numbers, rounding and truncation, integer,
// real and text conversions, memory exhaustion, threads, and a differential run against
// Python's decimal (data/oci_number_cases.txt).
#include <oci.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "env/handle.h"
#include "number/engine/apm.h"
#include "number/number_text.h"
#include "oci_handles_test.h"

namespace {

thread_local std::string engine_warnings;
void capture(const char *line) noexcept { engine_warnings += line; }

std::vector<int> bytes(const OCINumber &n) {
    const int length = n.OCINumberPart[0] < OCI_NUMBER_SIZE ? n.OCINumberPart[0] : OCI_NUMBER_SIZE - 1;
    return std::vector<int>(n.OCINumberPart, n.OCINumberPart + length + 1);
}

// The number's value as [-]0.<digits>E<exponent> ("0.0" for zero).
std::string value_text(const OCINumber &n) {
    char text[vsk::kVarnumTextSize];
    if (vsk::ConvertVARNUMToString(n.OCINumberPart, text) != 0) return "invalid";
    return text;
}

OCINumber from_bytes(std::vector<int> b) {
    OCINumber n{};
    for (std::size_t i = 0; i < b.size() && i < OCI_NUMBER_SIZE; ++i) n.OCINumberPart[i] = static_cast<ub1>(b[i]);
    return n;
}

const OraText *txt(const char *s) { return reinterpret_cast<const OraText *>(s); }

class OCINumberCalls : public vsk::test::OciHandlesTest {
protected:
    void SetUp() override {
        OciHandlesTest::SetUp();
        previous_ = vsk::apm::m_apm_set_warning_sink(capture);
        engine_warnings.clear();
    }
    void TearDown() override {
        vsk::apm::m_apm_set_warning_sink(previous_);
        vsk::alloc_fault::fail_nth(0);
        vsk::apm::m_apm_free_all_mem();
        OciHandlesTest::TearDown();
    }

    OCINumber num(const char *text) {
        OCINumber n{};
        EXPECT_EQ(OCINumberFromText(err_, txt(text), static_cast<ub4>(std::strlen(text)), nullptr, 0, nullptr, 0, &n),
                  OCI_SUCCESS)
            << text;
        return n;
    }
    // The expected number: the text converted straight into the layout.
    static OCINumber layout(const char *text) {
        OCINumber n{};
        EXPECT_EQ(vsk::ConvertStringToVARNUM(text, n.OCINumberPart), 0) << text;
        return n;
    }
    std::string to_text(const OCINumber &n, const char *format, ub4 *size_out = nullptr) {
        OraText buf[256];
        ub4 size = sizeof buf;
        sword rc = OCINumberToText(err_, &n, txt(format), static_cast<ub4>(std::strlen(format)), nullptr, 0, &size, buf);
        if (size_out) *size_out = size;
        return rc == OCI_SUCCESS ? std::string(reinterpret_cast<char *>(buf)) : "rc " + std::to_string(rc);
    }

private:
    vsk::apm::WarningSink previous_ = nullptr;
};

}  // namespace

TEST_F(OCINumberCalls, ArithmeticOfThePartEdgeCases) {
    OCINumber r;
    const OCINumber one = num("1"), minus_one = num("-1"), three = num("3");
    ASSERT_EQ(OCINumberAdd(err_, &one, &minus_one, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    ASSERT_EQ(OCINumberDiv(err_, &one, &three, &r), OCI_SUCCESS);
    std::vector<int> third = {21, 0xC0};
    third.insert(third.end(), 20, 0x22);
    EXPECT_EQ(bytes(r), third);
    EXPECT_EQ(bytes(minus_one), (std::vector<int>{0x03, 0x3E, 0x64, 0x66}));

    ASSERT_EQ(OCINumberMul(err_, &three, &minus_one, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "-0.03E2");
    ASSERT_EQ(OCINumberSub(err_, &three, &one, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "0.02E2");
    OCINumber seven = num("7"), m = num("-17");
    ASSERT_EQ(OCINumberMod(err_, &m, &seven, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "-0.03E2");  // the remainder follows the dividend
    EXPECT_EQ(records(), 0);
}

TEST_F(OCINumberCalls, ZeroDivisorsAndNegativeRootsGiveTheEngineWarningAndZero) {
    OCINumber r = num("5");
    const OCINumber one = num("1"), zero = num("0"), minus_four = num("-4");
    EXPECT_EQ(OCINumberDiv(err_, &one, &zero, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    EXPECT_EQ(engine_warnings, "MAPM Warning: 'm_apm_divide', Divide by 0\n");
    engine_warnings.clear();
    EXPECT_EQ(OCINumberSqrt(err_, &minus_four, &r), OCI_SUCCESS);
    EXPECT_EQ(engine_warnings, "MAPM Warning: 'm_apm_sqrt', Negative argument\n");
    engine_warnings.clear();
    EXPECT_EQ(OCINumberArcSin(err_, &minus_four, &r), OCI_SUCCESS);
    EXPECT_EQ(engine_warnings, "MAPM Warning: 'm_apm_arcsin', |Argument| > 1\n");
    engine_warnings.clear();
    // The logarithm to base 1 divides by ln 1 = 0.
    EXPECT_EQ(OCINumberLog(err_, &one, &minus_four, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    EXPECT_NE(engine_warnings.find("Divide by 0"), std::string::npos);
    EXPECT_EQ(records(), 0);
}

TEST_F(OCINumberCalls, TruncRoundAndPrec) {
    OCINumber r;
    const OCINumber x = num("123.456"), minus_five = num("-5");
    for (auto [place, want] : std::vector<std::pair<sword, const char *>>{
             {-1, "120"}, {0, "123"}, {2, "123.45"}, {3, "123.456"}, {45, "123.456"}, {-3, "0"}, {-2000000000, "0"}}) {
        ASSERT_EQ(OCINumberTrunc(err_, &x, place, &r), OCI_SUCCESS) << place;
        EXPECT_EQ(bytes(r), bytes(layout(want))) << place;
    }
    ASSERT_EQ(OCINumberTrunc(err_, &minus_five, -1, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    // Truncation never rounds up, even where a 40-place text would carry.
    const OCINumber nines = num("0.0099999999999999999999999999999999999999999");
    ASSERT_EQ(OCINumberTrunc(err_, &nines, 2, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));

    for (auto [in, place, want] : std::vector<std::tuple<const char *, sword, const char *>>{
             {"2.5", 0, "3"}, {"-2.5", 0, "-3"}, {"1.005", 2, "1.01"}, {"0.004", 2, "0"}, {"0.005", 2, "0.01"},
             {"0.0004", 1, "0"}, {"99.96", 1, "100"}}) {
        const OCINumber n = num(in);
        ASSERT_EQ(OCINumberRound(err_, &n, place, &r), OCI_SUCCESS) << in;
        EXPECT_EQ(bytes(r), bytes(layout(want))) << in << " " << place;
    }
    EXPECT_EQ(OCINumberRound(err_, &x, 39, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 1426);
    EXPECT_EQ(OCINumberRound(err_, &x, -1, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 3001);
    const OCINumber tiny = num("1.23456789e-50");
    ASSERT_EQ(OCINumberRound(err_, &tiny, 38, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(tiny));  // 38 places: unchanged

    const OCINumber big = num("123456");
    ASSERT_EQ(OCINumberPrec(err_, &big, 2, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "0.12E6");
    ASSERT_EQ(OCINumberPrec(err_, &big, 4, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "0.1235E6");
    r = num("7");
    EXPECT_EQ(OCINumberPrec(err_, &big, 0, &r), OCI_ERROR);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    EXPECT_EQ(records(), 0);
}

// Ceil, Floor, Neg, Abs and in-range shifts are in the differential cases below.
TEST_F(OCINumberCalls, ShiftOverflowIncAndDec) {
    OCINumber r = num("9");
    const OCINumber y = num("123");
    // Beyond the layout: fails, nothing recorded, the result untouched.
    EXPECT_EQ(OCINumberShift(err_, &y, 400, &r), OCI_ERROR);
    EXPECT_EQ(bytes(r), bytes(layout("9")));
    EXPECT_EQ(records(), 0);

    OCINumber n = num("-0.5");
    ASSERT_EQ(OCINumberInc(err_, &n), OCI_SUCCESS);
    EXPECT_EQ(bytes(n), bytes(layout("0.5")));
    ASSERT_EQ(OCINumberDec(err_, &n), OCI_SUCCESS);
    ASSERT_EQ(OCINumberDec(err_, &n), OCI_SUCCESS);
    EXPECT_EQ(bytes(n), bytes(layout("-1.5")));
}

TEST_F(OCINumberCalls, SmallResultsKeepTheirDigits) {
    // A fixed 40-place text would write these back as 0 or with few digits left.
    OCINumber r;
    const OCINumber a = num("1e-30"), third = num("3e-50"), one = num("1"), seven = num("7");
    ASSERT_EQ(OCINumberMul(err_, &a, &a, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("1e-60")));
    ASSERT_EQ(OCINumberDiv(err_, &one, &third, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "0.3333333333333333333333333333333333333333E50");
    ASSERT_EQ(OCINumberDiv(err_, &third, &seven, &r), OCI_SUCCESS);
    EXPECT_EQ(value_text(r), "0.4285714285714285714285714285714285714286E-50");
    // Below the smallest OCINumber it is 0.
    const OCINumber smallest = num("1e-120");
    ASSERT_EQ(OCINumberMul(err_, &smallest, &smallest, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), (std::vector<int>{0x01, 0x80}));
    // Above the largest it fails without a record, the result untouched.
    const OCINumber big = num("1e100");
    r = num("4");
    EXPECT_EQ(OCINumberMul(err_, &big, &big, &r), OCI_ERROR);
    EXPECT_EQ(bytes(r), bytes(layout("4")));
    EXPECT_EQ(records(), 0);
}

TEST_F(OCINumberCalls, ConstantsAssignAndPredicates) {
    OCINumber n = num("5");
    OCINumberSetPi(err_, &n);
    EXPECT_EQ(to_text(n, "TM9"), "3.1415926535897932384626433832795028841900");
    OCINumberSetZero(err_, &n);
    EXPECT_EQ(bytes(n), (std::vector<int>{0x01, 0x80}));

    boolean flag = 7;
    ASSERT_EQ(OCINumberIsZero(err_, &n, &flag), OCI_SUCCESS);
    EXPECT_EQ(flag, 1);
    sword sign = 9;
    ASSERT_EQ(OCINumberSign(err_, &n, &sign), OCI_SUCCESS);
    EXPECT_EQ(sign, 0);
    const OCINumber neg = num("-0.001"), pos = num("42"), frac = num("4.2");
    OCINumberSign(err_, &neg, &sign);
    EXPECT_EQ(sign, -1);
    OCINumberSign(err_, &pos, &sign);
    EXPECT_EQ(sign, 1);
    OCINumberIsZero(err_, &neg, &flag);
    EXPECT_EQ(flag, 0);
    OCINumberIsInt(err_, &pos, &flag);
    EXPECT_EQ(flag, 1);
    OCINumberIsInt(err_, &frac, &flag);
    EXPECT_EQ(flag, 0);

    OCINumber to;
    std::memset(&to, 0xEE, sizeof to);
    ASSERT_EQ(OCINumberAssign(err_, &neg, &to), OCI_SUCCESS);
    EXPECT_EQ(bytes(to), bytes(neg));
    EXPECT_EQ(to.OCINumberPart[bytes(neg).size()], 0xEE);  // only length + 1 bytes copied
    // A length byte past the layout would read beyond the 22 bytes: refused.
    OCINumber bad = from_bytes({200, 0xC1, 2});
    EXPECT_EQ(OCINumberAssign(err_, &bad, &to), OCI_ERROR);
    EXPECT_EQ(bytes(to), bytes(neg));
}

TEST_F(OCINumberCalls, HandlesAndMissingArguments) {
    OCINumber a = num("1"), r;
    sword s;
    EXPECT_EQ(OCINumberAdd(nullptr, &a, &a, &r), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCINumberAdd(reinterpret_cast<OCIError *>(env_), &a, &a, &r), OCI_INVALID_HANDLE);
    OCINumberSetZero(nullptr, &r);  // nothing to report to, nothing done

    const OCINumber empty = from_bytes({0});
    struct Row {
        std::function<sword()> call;
        int position;
    };
    const Row rows[] = {
        {[&] { return OCINumberAdd(err_, nullptr, &a, &r); }, 2},
        {[&] { return OCINumberAdd(err_, &empty, &a, &r); }, 2},
        {[&] { return OCINumberMul(err_, &a, &a, nullptr); }, 4},
        {[&] { return OCINumberSqrt(err_, &a, nullptr); }, 3},
        {[&] { return OCINumberLog(err_, &a, &empty, &r); }, 3},
        {[&] { return OCINumberRound(err_, &a, 1, nullptr); }, 4},
        {[&] { return OCINumberInc(err_, nullptr); }, 2},
        {[&] { return OCINumberCmp(err_, &a, &a, nullptr); }, 4},
        {[&] { return OCINumberSign(err_, &a, nullptr); }, 3},
        {[&] { return OCINumberAssign(err_, &a, nullptr); }, 3},
        {[&] { return OCINumberFromInt(err_, &s, 4, OCI_NUMBER_SIGNED, nullptr); }, 5},
        {[&] { return OCINumberToInt(err_, &a, 4, OCI_NUMBER_SIGNED, nullptr); }, 5},
        {[&] { return OCINumberToReal(err_, &a, 8, nullptr); }, 4},
        {[&] { return OCINumberToRealArray(err_, nullptr, 1, 8, &s); }, 2},
        {[&] { return OCINumberFromText(err_, nullptr, 1, nullptr, 0, nullptr, 0, &r); }, 2},
        {[&] { return OCINumberFromText(err_, txt("1"), 1, nullptr, 0, nullptr, 0, nullptr); }, 8},
        {[&] {
             ub4 size = 10;
             return OCINumberToText(err_, nullptr, txt("9"), 1, nullptr, 0, &size, nullptr);
         },
         2},
        {[&] {
             ub4 size = 10;
             return OCINumberToText(err_, &a, txt("9"), 1, nullptr, 0, &size, nullptr);
         },
         8},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.call(), OCI_ERROR) << row.position;
        EXPECT_EQ(records(), 1) << row.position;
        EXPECT_EQ(message(), "VSK-21560: null, invalid, or out of range argument " + std::to_string(row.position))
            << row.position;
    }
    OCINumberSetPi(err_, nullptr);
    EXPECT_EQ(error_code(), 21560);
}

TEST_F(OCINumberCalls, InvalidNumbersFailWithoutARecordAndLeaveTheResult) {
    OCINumber r = num("6"), one = num("1");
    for (const auto &b : std::vector<std::vector<int>>{
             {1, 0x81},              // length 1 that is not zero
             {2, 0xC1, 0},           // no digits
             {2, 0xC1, 102},         // a positive digit byte out of range
             {3, 0x3E, 1, 0x66},     // a negative digit byte out of range
             {3, 0x3E, 0x66, 0x64},  // the terminator before the end
             {30, 0xC1, 2}}) {       // a length past the layout
        const OCINumber bad = from_bytes(b);
        EXPECT_EQ(OCINumberAdd(err_, &bad, &one, &r), OCI_ERROR) << b[0] << " " << b[1];
        EXPECT_EQ(records(), 0);
        EXPECT_EQ(bytes(r), bytes(layout("6")));
    }
}

TEST_F(OCINumberCalls, FromIntConvertsEveryWidthExactly) {
    OCINumber r;
    const std::int64_t big = 1234567890123456789;
    ASSERT_EQ(OCINumberFromInt(err_, &big, 8, OCI_NUMBER_SIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("1234567890123456789")));
    const std::uint64_t umax = UINT64_MAX;
    ASSERT_EQ(OCINumberFromInt(err_, &umax, 8, OCI_NUMBER_UNSIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("18446744073709551615")));
    const std::int64_t min64 = INT64_MIN;
    ASSERT_EQ(OCINumberFromInt(err_, &min64, 8, OCI_NUMBER_SIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("-9223372036854775808")));
    const std::int8_t m8 = -128;
    ASSERT_EQ(OCINumberFromInt(err_, &m8, 1, OCI_NUMBER_SIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("-128")));
    ASSERT_EQ(OCINumberFromInt(err_, &m8, 1, OCI_NUMBER_UNSIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("128")));  // the same byte read unsigned
    const std::uint32_t u32 = 4294967295u;
    ASSERT_EQ(OCINumberFromInt(err_, &u32, 4, OCI_NUMBER_UNSIGNED, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("4294967295")));

    r = num("3");
    EXPECT_EQ(OCINumberFromInt(err_, &u32, 3, OCI_NUMBER_SIGNED, &r), OCI_ERROR);
    EXPECT_EQ(OCINumberFromInt(err_, &u32, 4, 1, &r), OCI_ERROR);
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(bytes(r), bytes(layout("3")));
}

TEST_F(OCINumberCalls, ToIntTruncatesAndReportsWhatDoesNotFit) {
    std::int8_t i8 = 0;
    const OCINumber a = num("127.9"), b = num("-128"), c = num("128"), d = num("-129"), e = num("-1"),
                    f = num("2147483647"), g = num("-0.7"), h = num("18446744073709551615");
    ASSERT_EQ(OCINumberToInt(err_, &a, 1, OCI_NUMBER_SIGNED, &i8), OCI_SUCCESS);
    EXPECT_EQ(i8, 127);
    ASSERT_EQ(OCINumberToInt(err_, &b, 1, OCI_NUMBER_SIGNED, &i8), OCI_SUCCESS);
    EXPECT_EQ(i8, -128);
    EXPECT_EQ(OCINumberToInt(err_, &c, 1, OCI_NUMBER_SIGNED, &i8), OCI_ERROR);
    EXPECT_EQ(error_code(), 22053);
    EXPECT_EQ(OCINumberToInt(err_, &d, 1, OCI_NUMBER_SIGNED, &i8), OCI_ERROR);
    EXPECT_EQ(error_code(), 22054);
    EXPECT_EQ(i8, -128);  // left as it was
    std::uint32_t u32 = 5;
    EXPECT_EQ(OCINumberToInt(err_, &e, 4, OCI_NUMBER_UNSIGNED, &u32), OCI_ERROR);
    EXPECT_EQ(error_code(), 22053);
    EXPECT_EQ(u32, 5u);
    ASSERT_EQ(OCINumberToInt(err_, &g, 4, OCI_NUMBER_UNSIGNED, &u32), OCI_SUCCESS);
    EXPECT_EQ(u32, 0u);  // -0.7 truncates to 0, which fits
    std::int32_t i32 = 0;
    ASSERT_EQ(OCINumberToInt(err_, &f, 4, OCI_NUMBER_SIGNED, &i32), OCI_SUCCESS);
    EXPECT_EQ(i32, 2147483647);
    std::uint64_t u64 = 0;
    ASSERT_EQ(OCINumberToInt(err_, &h, 8, OCI_NUMBER_UNSIGNED, &u64), OCI_SUCCESS);
    EXPECT_EQ(u64, UINT64_MAX);
    std::int64_t i64 = 0;
    EXPECT_EQ(OCINumberToInt(err_, &h, 8, OCI_NUMBER_SIGNED, &i64), OCI_ERROR);
    EXPECT_EQ(error_code(), 22053);
    std::int16_t i16 = 0;
    EXPECT_EQ(OCINumberToInt(err_, &f, 2, OCI_NUMBER_SIGNED, &i16), OCI_ERROR);
    EXPECT_EQ(OCINumberToInt(err_, &f, 3, OCI_NUMBER_SIGNED, &i16), OCI_ERROR);
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(OCINumberToInt(err_, &f, 4, 1, &i32), OCI_ERROR);
    EXPECT_EQ(records(), 0);
}

TEST_F(OCINumberCalls, RealsInAndOut) {
    OCINumber r;
    const float tenth = 0.1f;
    ASSERT_EQ(OCINumberFromReal(err_, &tenth, 4, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("0.100000001490116")));
    const double d = -1234.5678;
    ASSERT_EQ(OCINumberFromReal(err_, &d, 8, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("-1234.5678")));
    EXPECT_EQ(OCINumberFromReal(err_, &d, 3, &r), OCI_ERROR);
    EXPECT_EQ(records(), 0);

    double out = 0;
    const OCINumber x = num("-1234.5678"), tiny = num("1.5e-50"), huge = num("1e39");
    ASSERT_EQ(OCINumberToReal(err_, &x, 8, &out), OCI_SUCCESS);
    EXPECT_EQ(out, -1234.5678);
    ASSERT_EQ(OCINumberToReal(err_, &tiny, 8, &out), OCI_SUCCESS);
    EXPECT_EQ(out, 1.5e-50);
    float f = 0;
    ASSERT_EQ(OCINumberToReal(err_, &x, 4, &f), OCI_SUCCESS);
    EXPECT_EQ(f, -1234.5678f);
    EXPECT_EQ(OCINumberToReal(err_, &huge, 4, &f), OCI_ERROR);
    EXPECT_EQ(error_code(), 22053);
    long double ld = 0;
    ASSERT_EQ(OCINumberToReal(err_, &huge, 16, &ld), OCI_SUCCESS);
    EXPECT_EQ(ld, 1e39L);
    EXPECT_EQ(OCINumberToReal(err_, &x, 5, &out), OCI_ERROR);
    EXPECT_EQ(records(), 0);

    const OCINumber *array[] = {&x, &tiny, &huge};
    double outs[3] = {};
    ASSERT_EQ(OCINumberToRealArray(err_, array, 3, 8, outs), OCI_SUCCESS);
    EXPECT_EQ(outs[0], -1234.5678);
    EXPECT_EQ(outs[2], 1e39);
    float fouts[3] = {9, 9, 9};
    EXPECT_EQ(OCINumberToRealArray(err_, array, 3, 4, fouts), OCI_ERROR);  // stops at 1e39
    EXPECT_EQ(fouts[0], -1234.5678f);
    EXPECT_EQ(fouts[2], 9);
    EXPECT_EQ(OCINumberToRealArray(err_, array, 0, 8, outs), OCI_ERROR);
    EXPECT_EQ(OCINumberToRealArray(err_, array, 3, 2, outs), OCI_ERROR);
}

TEST_F(OCINumberCalls, TextFormats) {
    ub4 size = 0;
    EXPECT_EQ(to_text(num("12.5"), "999D99", &size), "  12.50");
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(to_text(num("12.5"), "TM9", &size), "12.5000000000000000000000000000000000000000");
    EXPECT_EQ(size, 44u);
    EXPECT_EQ(to_text(num("1234567"), "9G999G999", &size), " 1,234,567");
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(to_text(num("-12.5"), "999D99"), " -12.50");
    EXPECT_EQ(to_text(num("12.345"), "99D9"), " 12.3");
    EXPECT_EQ(to_text(num("12.355"), "99D99"), " 12.36");
    // Oracle leaves the integer part of a fraction blank unless the model has a "0" there.
    EXPECT_EQ(to_text(num("0.5"), "9D99"), "  .50");
    EXPECT_EQ(to_text(num("0.5"), "0.99"), " 0.50");
    EXPECT_EQ(to_text(num("24692.356"), "99999999.999", &size), "    24692.356");
    EXPECT_EQ(size, 13u);
    EXPECT_EQ(to_text(num("7.5"), "999"), "   8");
    // Digits fill the positions from the right, so a short number keeps its groups.
    EXPECT_EQ(to_text(num("12345"), "9G999G999"), "    12,345");
    EXPECT_EQ(to_text(num("-999"), "9G999"), "  -999");

    EXPECT_EQ(to_text(num("12345"), "999D99"), "rc -1");
    EXPECT_EQ(error_code(), 22065);
    EXPECT_EQ(to_text(num("1"), "G99"), "rc -1");
    EXPECT_EQ(message(), "VSK-22061: Format text not valid [G99]\n");
    EXPECT_EQ(to_text(num("1"), "99D9D9"), "rc -1");
    EXPECT_EQ(message(), "VSK-22061: Format text not valid [99D9D9]\n");
    EXPECT_EQ(to_text(num("-1"), "XX"), "rc -1");
    EXPECT_EQ(error_code(), 22065);
    EXPECT_EQ(to_text(num("1"), "9"), " 1");
    EXPECT_EQ(records(), 0);

    // The buffer must hold the text and its terminator.
    const OCINumber n = num("12.5");
    OraText buf[16];
    size = 7;
    EXPECT_EQ(OCINumberToText(err_, &n, txt("999D99"), 6, nullptr, 0, &size, buf), OCI_ERROR);
    size = 8;
    EXPECT_EQ(OCINumberToText(err_, &n, txt("999D99"), 6, nullptr, 0, &size, buf), OCI_SUCCESS);
    size = 0;
    EXPECT_EQ(OCINumberToText(err_, &n, txt("999D99"), 6, nullptr, 0, &size, buf), OCI_ERROR);
}

TEST_F(OCINumberCalls, FromTextWithGroupSeparators) {
    OCINumber r = num("8");
    ASSERT_EQ(OCINumberFromText(err_, txt("1,234"), 5, txt("9G999"), 5, nullptr, 0, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("1234")));
    ASSERT_EQ(OCINumberFromText(err_, txt("-1,234.5"), 8, txt("9G999D9"), 7, nullptr, 0, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("-1234.5")));
    const char *nls = "NLS_NUMERIC_CHARACTERS=',.'";
    ASSERT_EQ(OCINumberFromText(err_, txt("<1.234,5>"), 9, txt("9G999D9PR"), 9, txt(nls), 27, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("-1234.5")));
    // Without a format the text is read as it stands, up to its length.
    ASSERT_EQ(OCINumberFromText(err_, txt("42.75xyz"), 4, nullptr, 0, nullptr, 0, &r), OCI_SUCCESS);
    EXPECT_EQ(bytes(r), bytes(layout("42.7")));

    EXPECT_EQ(OCINumberFromText(err_, txt("1,234"), 5, txt("G9999"), 5, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(message(), "VSK-22061: Format text not valid [G9999]\n");
    EXPECT_EQ(OCINumberFromText(err_, txt("12,34"), 5, txt("9G999"), 5, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(message(), "VSK-22062: Input string not valid [12,34]\n");
    EXPECT_EQ(OCINumberFromText(err_, txt("12.345"), 6, txt("99D99"), 5, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(message(), "VSK-22062: Input string not valid [12.345]\n");
    EXPECT_EQ(OCINumberFromText(err_, txt("12"), 2, txt("RN"), 2, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 22061);
    EXPECT_EQ(OCINumberFromText(err_, txt("1,234"), 6, txt("9G999"), 5, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(records(), 0);  // a length that is not the text's
    EXPECT_EQ(OCINumberFromText(err_, txt("1"), 0, nullptr, 0, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(OCINumberFromText(err_, txt("1.2.3"), 5, nullptr, 0, nullptr, 0, &r), OCI_ERROR);
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(bytes(r), bytes(layout("42.7")));
}

TEST_F(OCINumberCalls, ExhaustedMemoryRecords16506) {
    const OCINumber a = num("2"), b = num("3");
    const std::vector<std::pair<const char *, std::function<sword(OCINumber *)>>> calls = {
        {"Inc", [&](OCINumber *r) { return OCINumberInc(err_, r); }},
        {"Sqrt", [&](OCINumber *r) { return OCINumberSqrt(err_, &a, r); }},
        {"Sin", [&](OCINumber *r) { return OCINumberSin(err_, &a, r); }},
        {"Log", [&](OCINumber *r) { return OCINumberLog(err_, &a, &b, r); }},
        {"Mod", [&](OCINumber *r) { return OCINumberMod(err_, &b, &a, r); }},
        {"FromInt", [&](OCINumber *r) {
             const std::int64_t v = 1234567890123456789;
             return OCINumberFromInt(err_, &v, 8, OCI_NUMBER_SIGNED, r);
         }},
    };
    for (const auto &[name, call] : calls) {
        OCINumber want = num("9");
        vsk::apm::m_apm_free_all_mem();
        ASSERT_EQ(call(&want), OCI_SUCCESS) << name;
        int failures = 0;
        for (int n = 1;; ++n) {
            vsk::apm::m_apm_free_all_mem();
            OCINumber r = num("9");
            vsk::alloc_fault::fail_nth(n);
            const sword rc = call(&r);
            vsk::alloc_fault::fail_nth(0);
            if (rc == OCI_SUCCESS) {
                EXPECT_EQ(bytes(r), bytes(want)) << name;
                break;
            }
            ++failures;
            EXPECT_EQ(rc, OCI_ERROR) << name << " " << n;
            EXPECT_EQ(error_code(), 16506) << name << " " << n;
            EXPECT_EQ(bytes(r), bytes(layout("9"))) << name << " " << n;
            ASSERT_LT(n, 100000);
        }
        EXPECT_GT(failures, 0) << name;
    }
}

// The byte-level calls allocate nothing, so a failing allocator cannot fail them.
TEST_F(OCINumberCalls, ByteLevelCallsNeedNoMemory) {
    const OCINumber a = num("2.5"), b = num("-3");
    const std::vector<std::pair<const char *, std::function<sword(OCINumber *)>>> calls = {
        {"Add", [&](OCINumber *r) { return OCINumberAdd(err_, &a, &b, r); }},
        {"Sub", [&](OCINumber *r) { return OCINumberSub(err_, &a, &b, r); }},
        {"Mul", [&](OCINumber *r) { return OCINumberMul(err_, &a, &b, r); }},
        {"Div", [&](OCINumber *r) { return OCINumberDiv(err_, &a, &b, r); }},
        {"Neg", [&](OCINumber *r) { return OCINumberNeg(err_, &a, r); }},
        {"Abs", [&](OCINumber *r) { return OCINumberAbs(err_, &b, r); }},
    };
    for (const auto &[name, call] : calls) {
        OCINumber want{}, r{};
        ASSERT_EQ(call(&want), OCI_SUCCESS) << name;
        vsk::alloc_fault::fail_nth(1);
        EXPECT_EQ(call(&r), OCI_SUCCESS) << name;
        vsk::alloc_fault::fail_nth(0);
        EXPECT_EQ(bytes(r), bytes(want)) << name;
        EXPECT_EQ(records(), 0) << name;
    }
    sword order = 9;
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCINumberCmp(err_, &a, &b, &order), OCI_SUCCESS);
    vsk::alloc_fault::fail_nth(0);
    EXPECT_EQ(order, 1);
}

TEST_F(OCINumberCalls, ThreadsWithTheirOwnHandlesComputeTogether) {
    // Each thread has its own environment and error handle, and no lock around the engine.
    auto work = [](int seed, std::vector<std::vector<int>> *out) {
        OCIEnv *env = nullptr;
        OCIError *err = nullptr;
        if (OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) return;
        OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
        for (int i = 0; i < 40; ++i) {
            const std::string s = std::to_string(seed * 1000 + i) + ".125";
            OCINumber x{}, r{};
            OCINumberFromText(err, txt(s.c_str()), static_cast<ub4>(s.size()), nullptr, 0, nullptr, 0, &x);
            OCINumberSin(err, &x, &r);
            out->push_back(bytes(r));
            OCINumberLn(err, &x, &r);
            out->push_back(bytes(r));
            OCINumberArcTan(err, &x, &r);
            out->push_back(bytes(r));
        }
        vsk::apm::m_apm_free_all_mem();
        OCIHandleFree(env, OCI_HTYPE_ENV);
    };
    std::vector<std::vector<std::vector<int>>> alone(4), together(4);
    for (int t = 0; t < 4; ++t) work(t + 1, &alone[t]);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) threads.emplace_back(work, t + 1, &together[t]);
    for (auto &th : threads) th.join();
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(alone[t].size(), 120u);
        EXPECT_EQ(alone[t], together[t]) << t;
    }
}

namespace {

struct NumberCase {
    int line;
    std::string fn;
    std::vector<std::string> args;
    std::string result;
};

std::vector<NumberCase> read_number_cases() {
    std::ifstream in(std::filesystem::path(VSK_UNIT_DATA_DIR) / "oci_number_cases.txt");
    std::vector<NumberCase> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        NumberCase c{line, "", {}, ""};
        words >> c.fn;
        for (std::string w; words >> w && w != "=";) c.args.push_back(w);
        words >> c.result;
        cases.push_back(std::move(c));
    }
    return cases;
}

using Unary = sword (*)(OCIError *, const OCINumber *, OCINumber *);
using Binary = sword (*)(OCIError *, const OCINumber *, const OCINumber *, OCINumber *);
using WithInt = sword (*)(OCIError *, const OCINumber *, sword, OCINumber *);

const std::map<std::string, Unary> kUnaryCalls = {
    {"Neg", OCINumberNeg},       {"Abs", OCINumberAbs},         {"Ceil", OCINumberCeil},
    {"Floor", OCINumberFloor},   {"Sqrt", OCINumberSqrt},       {"Exp", OCINumberExp},
    {"Ln", OCINumberLn},         {"Sin", OCINumberSin},         {"Cos", OCINumberCos},
    {"Tan", OCINumberTan},       {"ArcSin", OCINumberArcSin},   {"ArcCos", OCINumberArcCos},
    {"ArcTan", OCINumberArcTan}, {"HypSin", OCINumberHypSin},   {"HypCos", OCINumberHypCos},
    {"HypTan", OCINumberHypTan},
};
const std::map<std::string, Binary> kBinaryCalls = {
    {"Add", OCINumberAdd}, {"Sub", OCINumberSub},     {"Mul", OCINumberMul},         {"Div", OCINumberDiv},
    {"Mod", OCINumberMod}, {"Power", OCINumberPower}, {"ArcTan2", OCINumberArcTan2}, {"Log", OCINumberLog},
};
const std::map<std::string, WithInt> kIntCalls = {
    {"Trunc", OCINumberTrunc}, {"Round", OCINumberRound}, {"Shift", OCINumberShift}, {"IntPower", OCINumberIntPower},
};

}  // namespace

// Every call's bytes must equal those of the modelled result exactly.
TEST_F(OCINumberCalls, AgreesWithPythonDecimalThroughTheWholeCall) {
    const std::vector<NumberCase> cases = read_number_cases();
    ASSERT_GT(cases.size(), 2000u);
    for (const NumberCase &c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + ": " + c.fn);
        const OCINumber a = num(c.args[0].c_str());
        OCINumber r{};
        sword rc;
        if (c.fn == "Cmp") {
            const OCINumber b = num(c.args[1].c_str());
            sword cmp = 9;
            ASSERT_EQ(OCINumberCmp(err_, &a, &b, &cmp), OCI_SUCCESS);
            EXPECT_EQ(cmp, std::stoi(c.result));
            continue;
        }
        if (kUnaryCalls.count(c.fn)) {
            rc = kUnaryCalls.at(c.fn)(err_, &a, &r);
        } else if (kBinaryCalls.count(c.fn)) {
            const OCINumber b = num(c.args[1].c_str());
            rc = kBinaryCalls.at(c.fn)(err_, &a, &b, &r);
        } else if (kIntCalls.count(c.fn)) {
            rc = kIntCalls.at(c.fn)(err_, &a, std::stoi(c.args[1]), &r);
        } else {
            ASSERT_EQ(c.fn, "Prec");
            rc = OCINumberPrec(err_, &a, std::stoi(c.args[1]), &r);
        }
        if (c.result == "ERROR") {
            EXPECT_EQ(rc, OCI_ERROR);
            continue;
        }
        ASSERT_EQ(rc, OCI_SUCCESS);
        EXPECT_EQ(bytes(r), bytes(layout(c.result.c_str()))) << "got " << value_text(r) << " want " << c.result;
    }
    EXPECT_EQ(engine_warnings, "");
}
