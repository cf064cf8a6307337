// The NUMBER and VARNUM layouts, their decimal text, and the server's numeric value in
// host order and on the wire.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "number/number_text.h"
#include "number/numeric_convert.h"
#include "number/numeric_var.h"

namespace {

using namespace vsk;
using Bytes = std::vector<int>;

Bytes number_of(const char *text, int *rc = nullptr) {
    unsigned char n[kNumberSize + 2];
    std::fill(std::begin(n), std::end(n), 0xEE);
    const int r = ConvertStringToNUMBER(text, n);
    if (rc) *rc = r;
    EXPECT_EQ(n[kNumberSize], 0xEE) << "written past 21 bytes";
    if (r < 0) return {};
    // The value's own bytes: up to the terminator, or the digits that are not 0xEE.
    Bytes out{n[0]};
    for (int i = 1; i < kNumberSize && n[i] != 0xEE; ++i) out.push_back(n[i]);
    return out;
}

Bytes varnum_of(const char *text, int *rc = nullptr) {
    unsigned char v[kVarnumSize + 2];
    std::fill(std::begin(v), std::end(v), 0xEE);
    const int r = ConvertStringToVARNUM(text, v);
    if (rc) *rc = r;
    EXPECT_EQ(v[kVarnumSize], 0xEE) << "written past 22 bytes";
    if (r < 0) return {};
    return Bytes(v, v + 1 + v[0]);
}

std::string varnum_text(Bytes b, int *rc = nullptr) {
    unsigned char v[kVarnumSize] = {};
    for (std::size_t i = 0; i < b.size() && i < sizeof v; ++i) v[i] = static_cast<unsigned char>(b[i]);
    char text[kVarnumTextSize];
    const int r = ConvertVARNUMToString(v, text);
    if (rc) *rc = r;
    return r == 0 ? std::string(text) : std::string("<fail>");
}

// A numeric from its header and words, as decode_numeric reads them off the wire.
std::vector<char> wire(int ndigits, int weight, int sign, int dscale, std::vector<int> words) {
    std::vector<char> out;
    for (int v : {ndigits, weight, sign, dscale}) {
        out.push_back(static_cast<char>((v >> 8) & 0xFF));
        out.push_back(static_cast<char>(v & 0xFF));
    }
    for (int w : words) {
        out.push_back(static_cast<char>((w >> 8) & 0xFF));
        out.push_back(static_cast<char>(w & 0xFF));
    }
    return out;
}

NumericVar numeric(const char *text) {
    NumericVar v;
    EXPECT_EQ(ConvertStringToNumeric(text, v), 0) << text;
    return v;
}

std::string render(const NumericVar &v, int scale) {
    std::string s;
    EXPECT_EQ(ConvertNumericToString(v, s, scale), 0);
    return s;
}

std::vector<int> words(const NumericVar &v) { return std::vector<int>(v.digits(), v.digits() + v.ndigits()); }

// ---- text to NUMBER and VARNUM ----

TEST(NumberLayout, ZeroTextsGiveTheZeroByte) {
    for (const char *t : {"0", "-0", "000", "   ", "", "+", "-", ".", "0.", "0e5", "0.000"}) {
        EXPECT_EQ(number_of(t), Bytes({0x80})) << '"' << t << '"';
        EXPECT_EQ(varnum_of(t), Bytes({0x01, 0x80})) << '"' << t << '"';
    }
}

TEST(NumberLayout, ExamplesOfBothLayouts) {
    EXPECT_EQ(number_of("1"), Bytes({0xC1, 0x02}));
    EXPECT_EQ(varnum_of("1"), Bytes({0x02, 0xC1, 0x02}));
    EXPECT_EQ(number_of("-1"), Bytes({0x3E, 0x64, 0x66}));
    EXPECT_EQ(varnum_of("-1"), Bytes({0x03, 0x3E, 0x64, 0x66}));
    EXPECT_EQ(number_of("100"), Bytes({0xC2, 0x02}));
    EXPECT_EQ(number_of("0.05"), Bytes({0xC0, 0x06}));
    EXPECT_EQ(number_of("12345"), Bytes({0xC3, 0x02, 0x18, 0x2E}));
    EXPECT_EQ(varnum_of("0.0001"), Bytes({0x02, 0xBF, 0x02}));
    EXPECT_EQ(number_of("-12.5"), Bytes({0x3E, 0x59, 0x33, 0x66}));
}

TEST(NumberLayout, ParserSeparatorsExponentsAndJunk) {
    EXPECT_EQ(number_of("1,000.5"), number_of("1000.5"));
    EXPECT_EQ(number_of("  +1000.50"), number_of("1000.5"));
    EXPECT_EQ(number_of("12abc"), number_of("12"));
    EXPECT_EQ(number_of("1e10"), number_of("10000000000"));
    EXPECT_EQ(number_of("25E-3"), number_of("0.025"));
    EXPECT_EQ(number_of(".5"), number_of("0.5"));
    for (const char *bad : {"1.000,5", "1..5", "1e127", "12e", "1e", "abc", "-x", "0.x", "e5", "1e+"}) {
        int rc = 0;
        number_of(bad, &rc);
        EXPECT_EQ(rc, -1) << bad;
    }
    int sign = -1, count = -1;
    std::int8_t x = 0;
    unsigned char d[kParsedDigitsMax];
    ASSERT_EQ(ParseNumber("-1,000.50", &sign, &x, d, &count), 0);
    EXPECT_EQ(sign, 0);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(std::vector<int>(d, d + 5), std::vector<int>({1, 0, 0, 0, 5}));
    EXPECT_EQ(ParseNumber("000", &sign, &x, d, &count), 1);
}

TEST(NumberLayout, LongTextsNeverOverflowTheDigitBuffer) {
    int sign = 0, count = 0;
    std::int8_t x = 0;
    unsigned char d[kParsedDigitsMax];
    // A 10,000-digit integer cannot be scaled into the exponent: refused.
    const std::string big(10000, '7');
    EXPECT_EQ(ParseNumber(big.c_str(), &sign, &x, d, &count), -1);
    // A long fraction keeps its leading digits.
    const std::string frac = "0." + std::string(10000, '3');
    ASSERT_EQ(ParseNumber(frac.c_str(), &sign, &x, d, &count), 0);
    EXPECT_EQ(count, kParsedDigitsMax);
    EXPECT_EQ(x, -kParsedDigitsMax);
    EXPECT_EQ(varnum_of(frac.c_str()), varnum_of(("0." + std::string(40, '3')).c_str()));
    // Zeros after the point beyond the exponent's reach: refused, not wrapped.
    const std::string tiny = "0." + std::string(10000, '0') + "1";
    EXPECT_EQ(ParseNumber(tiny.c_str(), &sign, &x, d, &count), -1);
    // The fixed-point form of the number operations: many digits, the value fits.
    const std::string wide = std::string(100, '9') + "." + std::string(40, '0');
    ASSERT_EQ(ParseNumber(wide.c_str(), &sign, &x, d, &count), 0);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(x, 0);
}

TEST(NumberLayout, DigitsBeyondTheLayoutAreDroppedNotRounded) {
    // 46 digits: 38 of them fit NUMBER, 40 fit VARNUM; the nines after them do not round up.
    const std::string d46 = "1234567890123456789012345678901234567890" "999999";
    Bytes number = number_of(d46.c_str());
    ASSERT_EQ(number.size(), 20u);
    EXPECT_EQ(number[0], 0xC0 + 23);
    EXPECT_EQ(number[1], 13);   // 12
    EXPECT_EQ(number[19], 79);  // 78, the 37th and 38th digits
    Bytes varnum = varnum_of(d46.c_str());
    ASSERT_EQ(varnum.size(), 22u);
    EXPECT_EQ(varnum[0], 21);
    EXPECT_EQ(varnum[21], 91);  // 90, the 39th and 40th digits
    // 45 digits: an odd exponent spends half of the first byte on a zero (37 and 39 kept).
    const std::string d45 = d46.substr(0, 45);
    number = number_of(d45.c_str());
    ASSERT_EQ(number.size(), 20u);
    EXPECT_EQ(number[1], 2);    // 01
    EXPECT_EQ(number[19], 68);  // 67: digits 36 and 37
    varnum = varnum_of(d45.c_str());
    EXPECT_EQ(varnum[21], 90);  // 89: digits 38 and 39
    // A cut that leaves zero digit bytes at the end drops them too.
    EXPECT_EQ(number_of(("1" + std::string(37, '0') + "99").c_str()), Bytes({0xC0 + 20, 0x0B}));
}

TEST(NumberLayout, NegativeTerminatorOnlyWhereThereIsRoom) {
    const std::string d40 = "-" + std::string(40, '1');
    Bytes v = varnum_of(d40.c_str());
    ASSERT_EQ(v.size(), 22u);
    EXPECT_EQ(v[0], 21);
    EXPECT_EQ(v[21], 90);  // a digit (101 - 11), no terminator
    const std::string d38 = "-" + std::string(38, '1');
    v = varnum_of(d38.c_str());
    ASSERT_EQ(v.size(), 22u);
    EXPECT_EQ(v[0], 21);
    EXPECT_EQ(v[21], 102);
    // NUMBER keeps 19 digit bytes and always ends a negative value with 102.
    Bytes n = number_of(d40.c_str());
    ASSERT_EQ(n.size(), 21u);
    EXPECT_EQ(n[20], 102);
}

TEST(NumberLayout, ExponentsBeyondTheLayoutFail) {
    int rc = 0;
    number_of("1e126", &rc);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(number_of("1e125"), Bytes({0xFF, 0x0B}));
    EXPECT_EQ(number_of("-1e125"), Bytes({0x00, 0x5B, 0x66}));
    EXPECT_EQ(number_of("1e-126"), Bytes({0x82, 0x02}));
}

// ---- VARNUM to text ----

TEST(NumberLayout, VarnumTextAndItsRoundTrip) {
    EXPECT_EQ(varnum_text({0x02, 0xC1, 0x02}), "0.01E2");
    EXPECT_EQ(varnum_text({0x03, 0x3E, 0x64, 0x66}), "-0.01E2");
    EXPECT_EQ(varnum_text({0x01, 0x80}), "0.0");
    EXPECT_EQ(varnum_text({0x02, 0xC0, 0x06}), "0.05");
    EXPECT_EQ(varnum_text({0x02, 0xBF, 0x02}), "0.01E-2");
    for (const char *t : {"1", "-1", "12345", "-0.000123", "98765432109876543210.123456789", "1e125", "-1e-126",
                          "3.14159265358979323846264338327950288419"}) {
        const Bytes v = varnum_of(t);
        const std::string text = varnum_text(v);
        EXPECT_EQ(varnum_of(text.c_str()), v) << t << " -> " << text;
    }
    // The longest texts: 40 digits of a negative value with the smallest exponents.
    Bytes longest(22, 2);
    longest[0] = 21;
    longest[1] = 126;
    EXPECT_EQ(varnum_text(longest), "-0." + std::string(40, '9') + "E-126");
    EXPECT_EQ(varnum_of(varnum_text(longest).c_str()), longest);
    longest[1] = 127;
    EXPECT_EQ(varnum_text(longest).size() + 1, static_cast<std::size_t>(kVarnumTextSize));
}

TEST(NumberLayout, MalformedVarnumsFail) {
    const std::vector<Bytes> bad = {
        {0x01, 0x81},                    // one byte that is not zero
        {0x00, 0x80},                    // no length
        {0x16, 0xC1, 0x02},              // longer than 22 bytes
        {0x02, 0xC1, 0x65},              // positive digit byte 101
        {0x02, 0xC1, 0x66},              // positive 102
        {0x03, 0x3E, 0x01, 0x66},        // negative digit byte 1
        {0x04, 0x3E, 0x66, 0x64, 0x66},  // terminator before the end
        {0x02, 0xC1, 0x00},              // no digits
        {0x02, 0x3E, 0x66},              // negative without digits
    };
    for (const Bytes &b : bad) {
        int rc = 0;
        varnum_text(b, &rc);
        EXPECT_EQ(rc, -1) << "length " << b[0] << " exponent " << b[1];
    }
    // A zero byte ends the digits early.
    EXPECT_EQ(varnum_text({0x04, 0xC1, 0x02, 0x00, 0x05}), "0.01E2");
}

// ---- NUMBER and VARNUM to the server's numeric ----

TEST(NumericLayout, NumberToNumericAndTheWire) {
    const unsigned char one[kNumberSize] = {0xC1, 0x02, 0x00};
    NumericVar v;
    ASSERT_EQ(ConvertNUMBERToNumeric(one, v), 0);
    EXPECT_EQ(v.ndigits(), 1);
    EXPECT_EQ(v.weight(), 0);
    EXPECT_EQ(v.sign(), kNumericPositive);
    EXPECT_EQ(v.dscale(), 1);
    EXPECT_EQ(words(v), std::vector<int>({1}));
    ConvertNumericFromHostToNetOrder(v);
    std::vector<unsigned char> bytes(v.byte_size());
    v.copy_bytes(bytes.data());
    EXPECT_EQ(bytes, std::vector<unsigned char>({0, 1, 0, 0, 0, 0, 0, 1, 0, 1}));
    ConvertNumericFromNetToHostOrder(v);
    EXPECT_EQ(v.ndigits(), 1);

    const unsigned char n12345[kNumberSize] = {0xC3, 0x02, 0x18, 0x2E};
    ASSERT_EQ(ConvertNUMBERToNumeric(n12345, v), 0);
    EXPECT_EQ(v.weight(), 1);
    EXPECT_EQ(v.dscale(), 1);
    EXPECT_EQ(words(v), std::vector<int>({1, 2345}));

    const unsigned char minus[kNumberSize] = {0x3E, 0x59, 0x33, 0x66};  // -12.5
    ASSERT_EQ(ConvertNUMBERToNumeric(minus, v), 0);
    EXPECT_EQ(v.sign(), kNumericNegative);
    EXPECT_EQ(words(v), std::vector<int>({12, 5000}));
    EXPECT_EQ(render(v, 1), "-12.5");
}

TEST(NumericLayout, SmallFractionsFromBothLayouts) {
    const unsigned char varnum[kVarnumSize] = {0x02, 0xBF, 0x02};
    const unsigned char number[kNumberSize] = {0xBF, 0x02};
    for (int i = 0; i < 2; ++i) {
        NumericVar v;
        ASSERT_EQ(i ? ConvertNUMBERToNumeric(number, v) : ConvertVARNUMBERToNumeric(varnum, v), 0);
        EXPECT_EQ(v.weight(), -1);
        EXPECT_EQ(v.dscale(), 5);
        EXPECT_EQ(words(v), std::vector<int>({1}));
    }
    const unsigned char zero[kVarnumSize] = {0x01, 0x80};
    NumericVar z;
    ASSERT_EQ(ConvertVARNUMBERToNumeric(zero, z), 0);
    EXPECT_EQ(z.ndigits(), 0);
    EXPECT_EQ(z.byte_size(), 8u);
}

TEST(NumericLayout, BrokenLayoutsAreRefused) {
    NumericVar v;
    const unsigned char positive102[kNumberSize] = {0xC1, 0x02, 0x66};
    const unsigned char negative1[kNumberSize] = {0x3E, 0x01, 0x66};
    const unsigned char positive101[kNumberSize] = {0xC1, 0x65};
    const unsigned char no_digits[kNumberSize] = {0xC1, 0x00};
    EXPECT_EQ(ConvertNUMBERToNumeric(positive102, v), -1);
    EXPECT_EQ(ConvertNUMBERToNumeric(negative1, v), -1);
    EXPECT_EQ(ConvertNUMBERToNumeric(positive101, v), -1);
    EXPECT_EQ(ConvertNUMBERToNumeric(no_digits, v), -1);
    const unsigned char long_varnum[kVarnumSize] = {0x16, 0xC1, 0x02};
    const unsigned char empty_varnum[kVarnumSize] = {0x00, 0xC1, 0x02};
    EXPECT_EQ(ConvertVARNUMBERToNumeric(long_varnum, v), -1);
    EXPECT_EQ(ConvertVARNUMBERToNumeric(empty_varnum, v), -1);
    // The length byte bounds the digits read: the 0x05 after it is not a digit.
    const unsigned char short_varnum[kVarnumSize] = {0x02, 0xC1, 0x02, 0x05};
    ASSERT_EQ(ConvertVARNUMBERToNumeric(short_varnum, v), 0);
    EXPECT_EQ(words(v), std::vector<int>({1}));
}

// ---- the server's numeric to NUMBER, VARNUM, text ----

TEST(NumericLayout, NumericToTheLayouts) {
    unsigned char number[kNumberSize] = {};
    unsigned char varnum[kVarnumSize] = {};
    ASSERT_EQ(ConvertNumericToNUMBER(numeric("12345"), number), 0);
    EXPECT_EQ(Bytes(number, number + 4), Bytes({0xC3, 0x02, 0x18, 0x2E}));
    ASSERT_EQ(ConvertNumericToVARNUMBER(numeric("-1"), varnum), 0);
    EXPECT_EQ(Bytes(varnum, varnum + 4), Bytes({0x03, 0x3E, 0x64, 0x66}));
    ASSERT_EQ(ConvertNumericToVARNUMBER(numeric("0.0001"), varnum), 0);
    EXPECT_EQ(Bytes(varnum, varnum + 3), Bytes({0x02, 0xBF, 0x02}));
    ASSERT_EQ(ConvertNumericToVARNUMBER(numeric("0"), varnum), 0);
    EXPECT_EQ(Bytes(varnum, varnum + 2), Bytes({0x01, 0x80}));
    // The same digits as the text route, for a value longer than either layout.
    const char *long_text = "-123456789012345678901234567890123456789012345.678";
    ASSERT_EQ(ConvertNumericToVARNUMBER(numeric(long_text), varnum), 0);
    EXPECT_EQ(Bytes(varnum, varnum + 22), varnum_of(long_text));
    ASSERT_EQ(ConvertNumericToNUMBER(numeric(long_text), number), 0);
    EXPECT_EQ(Bytes(number, number + 21), number_of(long_text));
    // Too large for the layout fails; too small becomes zero; NaN has no layout.
    EXPECT_EQ(ConvertNumericToNUMBER(numeric("1e200"), number), -1);
    ASSERT_EQ(ConvertNumericToVARNUMBER(numeric("1e-200"), varnum), 0);
    EXPECT_EQ(Bytes(varnum, varnum + 2), Bytes({0x01, 0x80}));
    EXPECT_EQ(ConvertNumericToNUMBER(numeric("NaN"), number), -1);
}

TEST(NumericLayout, TextAtADisplayScaleRoundsHalfAwayFromZero) {
    EXPECT_EQ(render(numeric("12345"), 1), "12345.0");
    EXPECT_EQ(render(numeric("0.6"), 0), "1");
    EXPECT_EQ(render(numeric("2.5"), 0), "3");
    EXPECT_EQ(render(numeric("-2.5"), 0), "-3");
    EXPECT_EQ(render(numeric("2.449"), 1), "2.4");
    EXPECT_EQ(render(numeric("2.45"), 1), "2.5");
    EXPECT_EQ(render(numeric("1.23456"), 3), "1.235");
    EXPECT_EQ(render(numeric("9999.99995"), 4), "10000.0000");
    EXPECT_EQ(render(numeric("0.0001"), 5), "0.00010");
    EXPECT_EQ(render(numeric("-0.0004"), 2), "0.00");
    EXPECT_EQ(render(numeric("100000000"), -3), "100000000");
    EXPECT_EQ(render(numeric("0.00001"), 0), "0");
    NumericVar nan = numeric("nan");
    EXPECT_EQ(render(nan, 2), "NaN");
}

// ---- the server's binary input ----

TEST(NumericWire, DecodesWhatTheServerSends) {
    const std::vector<char> w = wire(2, 1, 0x4000, 2, {12, 3456});
    NumericVar v;
    ASSERT_EQ(decode_numeric(w.data(), static_cast<int>(w.size()), v), 0);
    EXPECT_EQ(render(v, v.dscale()), "-123456.00");
    const std::vector<char> nan = wire(0, 0, 0xC000, 0, {});
    ASSERT_EQ(decode_numeric(nan.data(), 8, v), 0);
    EXPECT_TRUE(v.special());
    EXPECT_EQ(render(v, 0), "NaN");
    const std::vector<char> inf = wire(0, 0, 0xF000, 0, {});
    ASSERT_EQ(decode_numeric(inf.data(), 8, v), 0);
    EXPECT_EQ(render(v, 0), "-Infinity");
}

TEST(NumericWire, MalformedInputIsRefused) {
    NumericVar v;
    const std::vector<char> ok = wire(1, 0, 0, 0, {7});
    EXPECT_EQ(decode_numeric(ok.data(), 7, v), -1);                                  // shorter than the header
    EXPECT_EQ(decode_numeric(ok.data(), 9, v), -1);                                  // a word cut off
    EXPECT_EQ(decode_numeric(nullptr, 10, v), -1);
    const std::vector<char> more = wire(3, 0, 0, 0, {1});
    EXPECT_EQ(decode_numeric(more.data(), static_cast<int>(more.size()), v), -1);  // ndigits beyond the length
    const std::vector<char> big_word = wire(1, 0, 0, 0, {10000});
    EXPECT_EQ(decode_numeric(big_word.data(), 10, v), -1);
    const std::vector<char> sign = wire(1, 0, 0x1234, 0, {1});
    EXPECT_EQ(decode_numeric(sign.data(), 10, v), -1);
    const std::vector<char> scale = wire(1, 0, 0, 0x4000, {1});
    EXPECT_EQ(decode_numeric(scale.data(), 10, v), -1);
    const std::vector<char> negative_count = wire(-1, 0, 0, 0, {});
    EXPECT_EQ(decode_numeric(negative_count.data(), 8, v), -1);
    const std::vector<char> deep = wire(1, -5000, 0, 0, {1});
    EXPECT_EQ(decode_numeric(deep.data(), 10, v), -1);
    // The largest weight is a value of 131072 digits: rendered, not refused.
    const std::vector<char> high = wire(1, 32767, 0, 0, {1});
    ASSERT_EQ(decode_numeric(high.data(), 10, v), 0);
    EXPECT_EQ(render(v, 0).size(), 1u + 4u * 32767u);
    double d = 0;
    EXPECT_EQ(numericvar_to_double(v, &d), 1);
}

// ---- text to the server's numeric ----

TEST(NumericText, TextToNumeric) {
    NumericVar v = numeric("  -12.5e2  ");
    EXPECT_EQ(v.sign(), kNumericNegative);
    EXPECT_EQ(v.dscale(), 0);
    EXPECT_EQ(render(v, 0), "-1250");
    v = numeric("1.25");
    EXPECT_EQ(v.dscale(), 2);
    EXPECT_EQ(v.weight(), 0);
    EXPECT_EQ(words(v), std::vector<int>({1, 2500}));
    v = numeric("5000000000");
    EXPECT_EQ(v.weight(), 2);
    EXPECT_EQ(words(v), std::vector<int>({50}));
    v = numeric("0.00012");
    EXPECT_EQ(v.weight(), -1);
    EXPECT_EQ(v.dscale(), 5);
    EXPECT_EQ(words(v), std::vector<int>({1, 2000}));
    v = numeric("NaN");
    EXPECT_EQ(v.sign(), kNumericNaN);
    EXPECT_EQ(v.ndigits(), 0);
    v = numeric("-000");
    EXPECT_EQ(v.ndigits(), 0);
    EXPECT_EQ(v.sign(), kNumericPositive);
    for (const char *bad : {"", " ", ".", "abc", "1.2.3", "1e1001", "1e", "12 3", "+-1", "NaNa"}) {
        NumericVar b;
        EXPECT_EQ(ConvertStringToNumeric(bad, b), -1) << bad;
    }
}

// ---- the server's numeric to integers and floating point ----

TEST(NumericText, IntegersRoundAndReportWhatDoesNotFit) {
    std::int64_t i8 = 0;
    EXPECT_EQ(numericvar_to_int8(numeric("0.6"), &i8), 0);
    EXPECT_EQ(i8, 1);
    EXPECT_EQ(numericvar_to_int8(numeric("2.5"), &i8), 0);
    EXPECT_EQ(i8, 3);
    EXPECT_EQ(numericvar_to_int8(numeric("-2.5"), &i8), 0);
    EXPECT_EQ(i8, -3);
    EXPECT_EQ(numericvar_to_int8(numeric("9223372036854775807"), &i8), 0);
    EXPECT_EQ(i8, INT64_MAX);
    EXPECT_EQ(numericvar_to_int8(numeric("-9223372036854775808"), &i8), 0);
    EXPECT_EQ(i8, INT64_MIN);
    EXPECT_EQ(numericvar_to_int8(numeric("9223372036854775808"), &i8), 1);
    EXPECT_EQ(numericvar_to_int8(numeric("1e30"), &i8), 1);
    EXPECT_EQ(numericvar_to_int8(numeric("NaN"), &i8), -1);
    std::int32_t i4 = 0;
    EXPECT_EQ(numericvar_to_int4(numeric("2147483647.4"), &i4), 0);
    EXPECT_EQ(numericvar_to_int4(numeric("2147483647.5"), &i4), 1);
    std::int16_t i2 = 0;
    EXPECT_EQ(numericvar_to_int2(numeric("-32768"), &i2), 0);
    EXPECT_EQ(i2, -32768);
    std::int8_t i1 = 0;
    EXPECT_EQ(numericvar_to_int1(numeric("128"), &i1), 1);
    std::uint64_t u8 = 0;
    EXPECT_EQ(numericvar_to_uint8(numeric("18446744073709551615"), &u8), 0);
    EXPECT_EQ(u8, UINT64_MAX);
    EXPECT_EQ(numericvar_to_uint8(numeric("-1"), &u8), 1);
    EXPECT_EQ(numericvar_to_uint8(numeric("-0.4"), &u8), 0);
}

TEST(NumericText, DoublesAndFloats) {
    double d = 0;
    EXPECT_EQ(numericvar_to_double(numeric("0.1"), &d), 0);
    EXPECT_EQ(d, 0.1);
    EXPECT_EQ(numericvar_to_double(numeric("1e400"), &d), 1);
    EXPECT_EQ(numericvar_to_double(numeric("1e-400"), &d), 0);
    EXPECT_EQ(numericvar_to_double(numeric("NaN"), &d), 0);
    EXPECT_TRUE(std::isnan(d));
    float f = 0;
    EXPECT_EQ(numericvar_to_float(numeric("0.5"), &f), 0);
    EXPECT_EQ(f, 0.5f);
    EXPECT_EQ(numericvar_to_float(numeric("0.1"), &f), 1);
    EXPECT_EQ(f, 0.1f);
    EXPECT_EQ(numericvar_to_float(numeric("1e39"), &f), 1);
    EXPECT_EQ(numericvar_to_float(numeric("NaN"), &f), 0);
}

TEST(NumericText, RoundAndStripOnTheVariable) {
    NumericVar v = numeric("0.6");
    ASSERT_TRUE(round_var(v, 0));
    EXPECT_EQ(v.weight(), 0);
    EXPECT_EQ(words(v), std::vector<int>({1}));
    v = numeric("9999.9999");
    ASSERT_TRUE(round_var(v, 2));
    EXPECT_EQ(v.weight(), 1);
    EXPECT_EQ(words(v), std::vector<int>({1}));
    EXPECT_EQ(v.dscale(), 2);
    ASSERT_TRUE(alloc_var(v, 4));
    v.digits()[1] = 7;
    v.set_weight(3);
    strip_var(v);
    EXPECT_EQ(v.weight(), 2);
    EXPECT_EQ(words(v), std::vector<int>({7}));
    ASSERT_TRUE(alloc_var(v, 2));
    v.set_sign(kNumericNegative);
    strip_var(v);
    EXPECT_EQ(v.ndigits(), 0);
    EXPECT_EQ(v.sign(), kNumericPositive);
    EXPECT_FALSE(alloc_var(v, 40000));
}

}  // namespace
