// Integer and floating-point binds in the server's binary formats, and int2, int4, int8,
// float4, float8 and text columns fetched into every external type.
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <tuple>
#include <utility>

#include "nls/oci_string.h"
#include "number/number_text.h"
#include "number_conversion_fixture.h"

namespace {

using namespace vsk;
using namespace vsk::test;

std::uint64_t bits_of(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, 8);
    return b;
}
std::uint32_t bits_of(float f) {
    std::uint32_t b;
    std::memcpy(&b, &f, 4);
    return b;
}

Bytes number_bytes(const char *text) {
    unsigned char n[kNumberSize] = {};
    EXPECT_EQ(ConvertStringToNUMBER(text, n), 0);
    return Bytes(reinterpret_cast<const char *>(n), kNumberSize);
}

class IntegerFloatConversions : public NumberConversionTest {};

// ---- binds ----

TEST_F(IntegerFloatConversions, IntegerBindsSendNetworkOrder) {
    std::int32_t i4 = 705032704;
    BindResult b = bind(SQLT_INT, &i4, 4, PG_INT4);
    EXPECT_EQ(b.rc, 0);
    EXPECT_EQ(b.format, 1);
    EXPECT_EQ(b.value, net(705032704, 4));
    std::int8_t i1 = -56;
    EXPECT_EQ(bind(SQLT_INT, &i1, 1, PG_INT8).value, net(static_cast<std::uint64_t>(-56), 8));
    std::int16_t i2 = 12345;
    EXPECT_EQ(bind(SQLT_INT, &i2, 2, PG_INT2).value, net(12345, 2));
    std::int64_t i8 = -2;
    EXPECT_EQ(bind(SQLT_INT, &i8, 8, PG_INT2).value, net(0xFFFE, 2));
    i4 = 65;
    EXPECT_EQ(bind(SQLT_INT, &i4, 4, PG_CHAR).value, "A");
}

TEST_F(IntegerFloatConversions, IntegerWiderThanTheParameterIsRefused) {
    std::int64_t big = 5000000000;
    BindResult b = bind(SQLT_INT, &big, 8, PG_INT4);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.error, 1426u);
    EXPECT_EQ(b.value, std::nullopt);
    std::int32_t i4 = 40000;
    EXPECT_EQ(bind(SQLT_INT, &i4, 4, PG_INT2).error, 1426u);
    std::int16_t i2 = -200;
    EXPECT_EQ(bind(SQLT_INT, &i2, 2, PG_CHAR).error, 1426u);
    // Limits themselves pass.
    i4 = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(bind(SQLT_INT, &i4, 4, PG_INT4).value, net(0x80000000u, 4));
    i2 = -32768;
    EXPECT_EQ(bind(SQLT_INT, &i2, 2, PG_INT2).rc, 0);
}

TEST_F(IntegerFloatConversions, UnsignedBindsReadTheValueAsUnsigned) {
    std::uint8_t u1 = 200;
    EXPECT_EQ(bind_with(ConvertSQLT_UINToINT8OID, &u1, 1).value, net(200, 8));
    EXPECT_EQ(bind_with(ConvertSQLT_UINToINT2OID, &u1, 1).value, net(200, 2));
    EXPECT_EQ(bind_with(ConvertSQLT_UINToCHAROID, &u1, 1).value, Bytes(1, '\xC8'));
    std::uint32_t u4 = 0xFFFFFFFFu;
    EXPECT_EQ(bind_with(ConvertSQLT_UINToINT8OID, &u4, 4).value, net(0xFFFFFFFFu, 8));
    BindResult b = bind_with(ConvertSQLT_UINToINT4OID, &u4, 4);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.error, 1426u);
    std::uint64_t u8 = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(bind_with(ConvertSQLT_UINToINT8OID, &u8, 8).error, 1426u);
    std::uint16_t u2 = 256;
    EXPECT_EQ(bind_with(ConvertSQLT_UINToCHAROID, &u2, 2).error, 1426u);
}

TEST_F(IntegerFloatConversions, IntegerBindSizesAndNull) {
    const char three[3] = {1, 2, 3};
    BindResult b = bind_with(ConvertSQLT_INTToINT8OID, three, 3);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.error, 0u);
    EXPECT_EQ(b.value, std::nullopt);
    b = bind_with(ConvertSQLT_INTToINT4OID, three, 0);
    EXPECT_EQ(b.rc, 0);
    EXPECT_EQ(b.value, std::nullopt);
    EXPECT_EQ(b.format, 1);
    EXPECT_EQ(bind_with(ConvertSQLT_INTToINT2OID, nullptr, 2).value, std::nullopt);
    EXPECT_EQ(bind_with(ConvertSQLT_INTToNUMERICOID, three, 5).rc, -1);
}

TEST_F(IntegerFloatConversions, IntegerBindAsNumeric) {
    auto numeric = [](int ndigits, int weight, int sign, std::initializer_list<int> words) {
        Bytes out = net(static_cast<std::uint16_t>(ndigits), 2) + net(static_cast<std::uint16_t>(weight), 2) +
                    net(static_cast<std::uint16_t>(sign), 2) + net(0, 2);
        for (int w : words) out += net(static_cast<std::uint16_t>(w), 2);
        return out;
    };
    std::int64_t i8 = 5000000000;
    BindResult b = bind(SQLT_INT, &i8, 8, PG_NUMERIC);
    EXPECT_EQ(b.format, 1);
    EXPECT_EQ(b.value, numeric(1, 2, 0, {50}));
    std::int16_t i2 = -12345;
    EXPECT_EQ(bind(SQLT_INT, &i2, 2, PG_NUMERIC).value, numeric(2, 1, 0x4000, {1, 2345}));
    std::int8_t zero = 0;
    EXPECT_EQ(bind(SQLT_INT, &zero, 1, PG_NUMERIC).value, numeric(0, 0, 0, {}));
    i8 = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(bind(SQLT_INT, &i8, 8, PG_NUMERIC).value, numeric(5, 4, 0x4000, {922, 3372, 368, 5477, 5808}));
}

TEST_F(IntegerFloatConversions, FloatBinds) {
    float f = 1.5f;
    BindResult b = bind(SQLT_FLT, &f, 4, PG_FLOAT8);
    EXPECT_EQ(b.format, 1);
    EXPECT_EQ(b.value, net(bits_of(1.5), 8));
    double d = -2.25;
    EXPECT_EQ(bind(SQLT_BDOUBLE, &d, 8, PG_FLOAT8).value, net(bits_of(-2.25), 8));
    EXPECT_EQ(bind(SQLT_FLT, &f, 4, PG_FLOAT4).value, net(bits_of(1.5f), 4));
    EXPECT_EQ(bind(SQLT_BFLOAT, &f, 4, PG_FLOAT4).value, net(bits_of(1.5f), 4));
    d = 1.5;
    EXPECT_EQ(bind(SQLT_FLT, &d, 8, PG_FLOAT4).value, net(bits_of(1.5f), 4));
    d = 1e300;
    b = bind(SQLT_FLT, &d, 8, PG_FLOAT4);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.error, 1426u);
    char five[5] = {};
    EXPECT_EQ(bind_with(ConvertSQLT_FLTToFLOAT8OID, five, 5).rc, -1);
    EXPECT_EQ(bind_with(ConvertSQLT_FLTToFLOAT4OID, five, 2).rc, -1);
    EXPECT_EQ(bind_with(ConvertSQLT_FLTToFLOAT8OID, nullptr, 8).rc, -1);
}

// ---- fetch into integers ----

TEST_F(IntegerFloatConversions, IntegerColumnsIntoIntegers) {
    FetchResult r = fetch(PG_INT4, "300", SQLT_INT, 1);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 22053u);
    EXPECT_EQ(r.as<std::uint8_t>(), 44);
    r = fetch(PG_INT4, "300", SQLT_INT, 3);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1460u);
    EXPECT_EQ(r.buffer, "~~~");
    EXPECT_EQ(fetch(PG_INT2, "123", SQLT_UIN, 2).as<std::uint16_t>(), 123);
    EXPECT_EQ(fetch(PG_INT2, "-5", SQLT_UIN, 2).error, 22053u);
    EXPECT_EQ(fetch(PG_INT4, "-5", SQLT_UIN, 4).error, 22053u);
    EXPECT_EQ(fetch(PG_INT2, "-5", SQLT_INT, 8).as<std::int64_t>(), -5);
    r = fetch(PG_INT8, "5000000000", SQLT_INT, 4);
    EXPECT_EQ(r.error, 22053u);
    EXPECT_EQ(r.buffer, "~~~~");
    EXPECT_EQ(fetch(PG_INT8, "5000000000", SQLT_INT, 8).as<std::int64_t>(), 5000000000);
    EXPECT_EQ(fetch(PG_INT8, "-9223372036854775808", SQLT_INT, 8).as<std::int64_t>(), INT64_MIN);
    r = fetch(PG_INT4, "70000", SQLT_INT, 4);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.length, 4u);
    EXPECT_EQ(fetch_binary(PG_INT4, net(static_cast<std::uint32_t>(-7), 4), SQLT_INT, 8).as<std::int64_t>(), -7);
    EXPECT_EQ(fetch_binary(PG_INT2, net(258, 2), SQLT_UIN, 2).as<std::uint16_t>(), 258);
    EXPECT_EQ(fetch_binary(PG_INT4, net(1, 2), SQLT_INT, 4).rc, -1);
    EXPECT_EQ(fetch(PG_INT4, "1", SQLT_INT, 4, true, 2).rc, -1);
}

TEST_F(IntegerFloatConversions, FloatColumnsIntoIntegers) {
    EXPECT_EQ(fetch(PG_FLOAT8, "2.5", SQLT_INT, 4).as<std::int32_t>(), 2);
    EXPECT_EQ(fetch(PG_FLOAT8, "-2.9", SQLT_INT, 2).as<std::int16_t>(), -2);
    EXPECT_EQ(fetch(PG_FLOAT8, "-0.5", SQLT_UIN, 1).as<std::uint8_t>(), 0);
    EXPECT_EQ(fetch(PG_FLOAT4, "16777217", SQLT_INT, 4).as<std::int32_t>(), 16777216);
    for (auto [value, sqlt, cap] : {std::tuple<const char *, ub2, ub4>{"1e20", SQLT_INT, 8},
                                    {"300.5", SQLT_INT, 1},
                                    {"-1.5", SQLT_UIN, 4},
                                    {"4294967296", SQLT_UIN, 4},
                                    {"NaN", SQLT_INT, 4},
                                    {"-Infinity", SQLT_INT, 8}}) {
        FetchResult r = fetch(PG_FLOAT8, value, sqlt, cap);
        EXPECT_EQ(r.rc, -1) << value;
        EXPECT_EQ(r.error, 1426u) << value;
        EXPECT_EQ(r.buffer, Bytes(cap, '~')) << value << ": nothing stored";
    }
    FetchResult r = fetch(PG_FLOAT8, "1.5x", SQLT_INT, 4);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 0u);
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(2.5), 8), SQLT_INT, 4).as<std::int32_t>(), 2);
    EXPECT_EQ(fetch_binary(PG_FLOAT4, net(bits_of(-7.75f), 4), SQLT_INT, 8).as<std::int64_t>(), -7);
    EXPECT_EQ(fetch(PG_FLOAT8, "2.5", SQLT_UIN, 5).error, 1460u);
}

TEST_F(IntegerFloatConversions, TextColumnsIntoIntegers) {
    FetchResult r = fetch(PG_VARCHAR, "-5", SQLT_INT, 4);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<std::int32_t>(), -5);
    r = fetch(PG_TEXT, "5", SQLT_UIN, 2);
    EXPECT_EQ(r.as<std::uint16_t>(), 5);
    EXPECT_EQ(r.length, 2u);
    for (auto [value, sqlt] : {std::pair<const char *, ub2>{"-5", SQLT_UIN}, {"abc", SQLT_INT}, {" 5", SQLT_INT},
                               {"-", SQLT_INT}}) {
        r = fetch(PG_TEXT, value, sqlt, 4);
        EXPECT_EQ(r.rc, -1) << value;
        EXPECT_EQ(r.error, 1722u) << value;
    }
    EXPECT_EQ(fetch(PG_TEXT, "2147483647", SQLT_INT, 4).as<std::int32_t>(), INT32_MAX);
    EXPECT_EQ(fetch(PG_TEXT, "-2147483648", SQLT_INT, 4).as<std::int32_t>(), INT32_MIN);
    EXPECT_EQ(fetch(PG_TEXT, "5000000000", SQLT_INT, 8).as<std::int64_t>(), 5000000000);
    EXPECT_EQ(fetch(PG_BPCHAR, "12  ", SQLT_INT, 1).as<std::int8_t>(), 12);
    for (auto [value, sqlt, cap] : {std::tuple<const char *, ub2, ub4>{"2147483648", SQLT_INT, 4},
                                    {"300", SQLT_INT, 1},
                                    {"70000", SQLT_INT, 2},
                                    {"256", SQLT_UIN, 1},
                                    {"4294967296", SQLT_UIN, 4},
                                    {"99999999999999999999", SQLT_INT, 8}}) {
        r = fetch(PG_TEXT, value, sqlt, cap);
        EXPECT_EQ(r.rc, -1) << value;
        EXPECT_EQ(r.error, 1426u) << value;
        EXPECT_EQ(r.buffer, Bytes(cap, '~')) << value;
    }
    EXPECT_EQ(fetch(PG_TEXT, "5", SQLT_INT, 3).error, 1460u);
    EXPECT_EQ(fetch(PG_TEXT, "5", SQLT_UIN, 8).error, 1460u);
    // An empty value is NULL whatever the Oracle switch says.
    oracle_empty_strings(false);
    r = fetch(PG_TEXT, "", SQLT_INT, 4);
    EXPECT_EQ(r.ind, -1);
    EXPECT_EQ(r.rcode, 1405);
}

// ---- fetch into floating point ----

TEST_F(IntegerFloatConversions, TextColumnsIntoFloats) {
    FetchResult r = fetch(PG_TEXT, "0.1", SQLT_FLT, 4);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(r.as<float>(), 0.1f);
    EXPECT_EQ(r.length, 4u);
    r = fetch(PG_TEXT, "0.1", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<double>(), 0.1);
    EXPECT_EQ(fetch(PG_BPCHAR, "1.5  ", SQLT_FLT, 8).as<double>(), 1.5);
    EXPECT_EQ(fetch(PG_TEXT, "1.5x", SQLT_FLT, 8).error, 1722u);
    EXPECT_EQ(fetch(PG_TEXT, "x", SQLT_FLT, 8).error, 1722u);
    r = fetch(PG_TEXT, "1e400", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(fetch(PG_TEXT, "1e39", SQLT_FLT, 4).error, 1426u);
    EXPECT_EQ(fetch(PG_TEXT, "1e-400", SQLT_FLT, 8).rc, 0);
    r = fetch(PG_TEXT, "NaN", SQLT_FLT, 4);
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(std::isnan(r.as<float>()));
    EXPECT_EQ(fetch(PG_TEXT, "1", SQLT_FLT, 5).error, 1460u);
    r = fetch(PG_TEXT, "2.5", SQLT_BFLOAT, 16);
    EXPECT_EQ(r.as<float>(), 2.5f);
    EXPECT_EQ(r.length, 4u);
    EXPECT_EQ(fetch(PG_TEXT, "2.5", SQLT_BFLOAT, 3).rc, -1);
    r = fetch(PG_TEXT, "abc", SQLT_BDOUBLE, 16);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.length, 16u);
    EXPECT_EQ(fetch(PG_TEXT, "2.5", SQLT_BDOUBLE, 8).as<double>(), 2.5);
}

TEST_F(IntegerFloatConversions, NumberColumnsIntoFloats) {
    EXPECT_EQ(fetch(PG_INT4, "7", SQLT_FLT, 4).as<float>(), 7.0f);
    EXPECT_EQ(fetch(PG_INT8, "-9007199254740993", SQLT_FLT, 8).as<double>(), -9007199254740992.0);
    EXPECT_EQ(fetch(PG_INT4, "7", SQLT_FLT, 5).rc, -1);
    EXPECT_EQ(fetch_binary(PG_INT8, net(static_cast<std::uint64_t>(-3), 8), SQLT_FLT, 8).as<double>(), -3.0);
    EXPECT_EQ(fetch_binary(PG_INT2, net(9, 1), SQLT_FLT, 8).rc, -1);
    FetchResult r = fetch(PG_FLOAT8, "1.5", SQLT_FLT, 16);
    EXPECT_EQ(r.as<double>(), 1.5);
    EXPECT_EQ(r.length, 8u);
    r = fetch(PG_FLOAT8, "1.5", SQLT_FLT, 6);
    EXPECT_EQ(r.as<float>(), 1.5f);
    EXPECT_EQ(r.length, 4u);
    EXPECT_EQ(fetch(PG_FLOAT8, "1.5", SQLT_FLT, 3).rc, -1);
    r = fetch(PG_FLOAT8, "1e300", SQLT_FLT, 4);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(0.25), 8), SQLT_FLT, 8).as<double>(), 0.25);
    EXPECT_EQ(fetch_binary(PG_FLOAT4, net(bits_of(0.25f), 4), SQLT_BFLOAT, 4).as<float>(), 0.25f);
    EXPECT_EQ(fetch(PG_INT2, "3", SQLT_BFLOAT, 10).as<float>(), 3.0f);
    EXPECT_EQ(fetch(PG_FLOAT4, "0.5", SQLT_BDOUBLE, 7).rc, -1);
    EXPECT_EQ(fetch(PG_INT2, "3", SQLT_BDOUBLE, 9).length, 8u);
}

// ---- fetch into character targets ----


class NumberCharCases : public IntegerFloatConversions, public ::testing::WithParamInterface<CharCase> {};

TEST_P(NumberCharCases, Deliver) { expect_delivery(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberCharCases,
    ::testing::Values(
        // Strict fit: without an indicator an exact fit is refused, with one it is written.
        CharCase{"int2 chr exact no ind", PG_INT2, SQLT_CHR, "123", 3, false, 1, "~~~", 3, 77, 0},
        CharCase{"int2 chr exact ind", PG_INT2, SQLT_CHR, "123", 3, true, 0, "123", 3, 0, 0},
        CharCase{"int2 chr pads", PG_INT2, SQLT_CHR, "123", 5, true, 0, "123  ", 3, 0, 0},
        CharCase{"int2 chr cut quietly", PG_INT2, SQLT_CHR, "12345", 3, true, 0, "123", 3, 2, 0},
        CharCase{"int4 chr cut reported", PG_INT4, SQLT_CHR, "12345", 3, true, 0, "123", 3, 2, 1406},
        CharCase{"int4 chr exact", PG_INT4, SQLT_CHR, "123", 3, true, 0, "123", 3, 0, 0},
        CharCase{"int8 chr cut reported", PG_INT8, SQLT_CHR, "12345", 3, true, 0, "123", 3, 2, 1406},
        CharCase{"int8 chr pads", PG_INT8, SQLT_CHR, "-1", 4, true, 0, "-1  ", 2, 0, 0},
        CharCase{"float chr pads", PG_FLOAT8, SQLT_CHR, "1.5", 5, true, 0, "1.5  ", 3, 0, 0},
        CharCase{"float chr cut", PG_FLOAT8, SQLT_CHR, "1.25", 2, true, 0, "1.", 2, 2, 1406},
        CharCase{"int4 afc exact no ind", PG_INT4, SQLT_AFC, "123", 3, false, 1, "~~~", 3, 77, 0},
        CharCase{"float4 afc cut", PG_FLOAT4, SQLT_AFC, "1.25", 3, true, 0, "1.2", 3, 1, 1406},
        CharCase{"int2 lng", PG_INT2, SQLT_LNG, "123", 5, true, 0, "123~~", 3, 0, 0},
        CharCase{"int4 lng cut reported", PG_INT4, SQLT_LNG, "12345", 3, true, 0, "123", 3, 2, 1406},
        CharCase{"float lng pads", PG_FLOAT8, SQLT_LNG, "1.5", 5, true, 0, "1.5  ", 3, 0, 0},
        CharCase{"int2 avc", PG_INT2, SQLT_AVC, "123", 4, true, 0, Bytes("123\0", 4), 4, 0, 0},
        CharCase{"int2 avc cut ind", PG_INT2, SQLT_AVC, "123", 3, true, 0, Bytes("12\0", 3), 3, 1, 0},
        CharCase{"int2 avc cut no ind", PG_INT2, SQLT_AVC, "123", 3, false, 1, "~~~", 3, 77, 0},
        CharCase{"float avc", PG_FLOAT8, SQLT_AVC, "1.5", 10, true, 0, Bytes("1.5\0      ", 10), 4, 0, 0},
        CharCase{"float avc cut", PG_FLOAT8, SQLT_AVC, "1.25", 3, true, 0, Bytes("1.\0", 3), 3, 2, 1406},
        CharCase{"int2 str", PG_INT2, SQLT_STR, "123", 4, true, 0, Bytes("123\0", 4), 3, 0, 0},
        CharCase{"int2 str cut no ind", PG_INT2, SQLT_STR, "123", 3, false, 1, "~~~", 3, 77, 0},
        CharCase{"int2 str cut ind", PG_INT2, SQLT_STR, "123", 3, true, 0, Bytes("12\0", 3), 3, 1, 0},
        CharCase{"int4 str cut reported", PG_INT4, SQLT_STR, "12345", 4, true, 0, Bytes("123\0", 4), 4, 2, 1406},
        CharCase{"int4 str capacity 0", PG_INT4, SQLT_STR, "1", 0, true, -1, "", 0, 0, 0},
        CharCase{"float str cut", PG_FLOAT8, SQLT_STR, "1.25", 3, true, 0, Bytes("1.\0", 3), 3, 2, 1406},
        CharCase{"int2 vcs", PG_INT2, SQLT_VCS, "123", 5, true, 0, Bytes("\x03\x00" "123", 5), 5, 0, 0},
        CharCase{"int2 vcs cut ind", PG_INT2, SQLT_VCS, "123", 4, true, 0, Bytes("\x02\x00" "12", 4), 4, 1, 0},
        CharCase{"int2 vcs cut no ind", PG_INT2, SQLT_VCS, "123", 4, false, 1, "~~~~", 4, 77, 0},
        CharCase{"int4 vcs cut reported", PG_INT4, SQLT_VCS, "12345", 4, true, 0, Bytes("\x02\x00" "12", 4), 4, 3,
                 1406},
        CharCase{"float vcs below prefix", PG_FLOAT8, SQLT_VCS, "1", 1, true, -1, "~", 1, 0, 0},
        CharCase{"int2 lvc cut overflow", PG_INT2, SQLT_LVC, "123", 6, true, 0, Bytes("\x02\x00\x00\x00" "12", 6), 6,
                 1, 22053},
        CharCase{"int2 lvc cut overflow no ind", PG_INT2, SQLT_LVC, "123", 6, false, 1,
                 Bytes("\x02\x00\x00\x00" "12", 6), 6, 77, 22053},
        CharCase{"int4 lvc exact ind", PG_INT4, SQLT_LVC, "123", 7, true, 0, Bytes("\x03\x00\x00\x00" "123", 7), 7, 0,
                 0},
        CharCase{"int4 lvc exact no ind", PG_INT4, SQLT_LVC, "123", 7, false, 1, "~~~~~~~", 7, 77, 0},
        CharCase{"int4 lvc", PG_INT4, SQLT_LVC, "123", 8, true, 0, Bytes("\x03\x00\x00\x00" "123~", 8), 7, 0, 0},
        CharCase{"float lvc cut", PG_FLOAT8, SQLT_LVC, "1.5", 5, true, 0, Bytes("\x01\x00\x00\x00" "1", 5), 5, 2,
                 1406},
        CharCase{"int4 lvc below prefix", PG_INT4, SQLT_LVC, "1", 3, true, -1, "~~~", 3, 0, 0}),
    case_name);

TEST_F(IntegerFloatConversions, BinaryValuesRenderedAsText) {
    EXPECT_EQ(fetch_binary(PG_INT2, net(static_cast<std::uint16_t>(-5), 2), SQLT_CHR, 4).buffer, "-5  ");
    EXPECT_EQ(fetch_binary(PG_INT8, net(0, 8), SQLT_CHR, 2).buffer, "0 ");
    EXPECT_EQ(fetch_binary(PG_INT8, net(0x8000000000000000ull, 8), SQLT_STR, 21).buffer,
              Bytes("-9223372036854775808\0", 21));
    EXPECT_EQ(fetch_binary(PG_FLOAT4, net(bits_of(1.5f), 4), SQLT_CHR, 4).buffer, "1.5 ");
    EXPECT_EQ(fetch_binary(PG_FLOAT4, net(bits_of(0.1f), 4), SQLT_CHR, 4).buffer, "0.1 ");
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(0.1), 8), SQLT_CHR, 4).buffer, "0.1 ");
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(2.0), 8), SQLT_CHR, 2).buffer, "2 ");
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(-1e-20), 8), SQLT_CHR, 2).buffer, "0 ");
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(std::nan("")), 8), SQLT_CHR, 3).buffer, "NaN");
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(1e300), 8), SQLT_LVC, 400).length, 4u + 301u);
    EXPECT_EQ(fetch_binary(PG_INT4, net(1, 3), SQLT_CHR, 4).rc, -1);
    EXPECT_EQ(fetch(PG_FLOAT8, "1", SQLT_CHR, 4, true, 7).rc, -1);
}

TEST_F(IntegerFloatConversions, OCIStringTarget) {
    OCIString *s = nullptr;
    ASSERT_TRUE(string_assign_bytes(&s, "xxx", 3));
    ub4 length = sizeof(OCIString *);
    sb2 ind = 0;
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType(err_, PG_INT4, "12345", 5, 0, SQLT_VST, &s, &length, &ind, nullptr, false), 1);
    EXPECT_EQ(Bytes(s->text), "12");
    EXPECT_EQ(s->size, 2u);
    EXPECT_EQ(ind, 3);
    EXPECT_EQ(first_error(), 1406u);
    EXPECT_EQ(PQ2OCIType(err_, PG_FLOAT8, "12", 2, 0, SQLT_VST, &s, &length, &ind, nullptr, false), 0);
    EXPECT_EQ(Bytes(s->text, s->size), "12");
    length = 3;
    EXPECT_EQ(PQ2OCIType(err_, PG_INT2, "1", 1, 0, SQLT_VST, &s, &length, &ind, nullptr, false), -1);
    std::free(s->text);
    std::free(s);
}

// ---- fetch into NUMBER and VARNUM ----

TEST_F(IntegerFloatConversions, NumberAndVarnumTargets) {
    FetchResult r = fetch(PG_INT4, "12345", SQLT_NUM, 21);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, number_bytes("12345"));
    EXPECT_EQ(r.length, 21u);
    EXPECT_EQ(fetch(PG_INT4, "12345", SQLT_NUM, 20).rc, -1);
    EXPECT_EQ(fetch(PG_FLOAT8, "1.5", SQLT_NUM, 21).buffer, number_bytes("1.5"));
    EXPECT_EQ(fetch(PG_FLOAT8, "1e-05", SQLT_NUM, 21).buffer, number_bytes("0.00001"));
    EXPECT_EQ(fetch(PG_FLOAT4, "2", SQLT_NUM, 2).rc, -1);
    EXPECT_EQ(fetch(PG_FLOAT8, "Infinity", SQLT_NUM, 21).error, 1722u);
    EXPECT_EQ(fetch_binary(PG_INT2, net(7, 2), SQLT_NUM, 21).buffer, number_bytes("7"));
    EXPECT_EQ(fetch_binary(PG_FLOAT8, net(bits_of(-0.5), 8), SQLT_NUM, 21).buffer, number_bytes("-0.5"));
    EXPECT_EQ(fetch_binary(PG_INT4, net(7, 2), SQLT_NUM, 21).rc, -1);
    r = fetch(PG_INT8, "12345", SQLT_VNU, 22);
    EXPECT_EQ(r.buffer.substr(0, 5), bytes({0x04, 0xC3, 0x02, 0x18, 0x2E}));
    EXPECT_EQ(r.length, 5u);
    r = fetch(PG_FLOAT4, "-1", SQLT_VNU, 4);
    EXPECT_EQ(r.buffer, bytes({0x03, 0x3E, 0x64, 0x66}));
    EXPECT_EQ(r.length, 4u);
    EXPECT_EQ(fetch(PG_INT4, "12345", SQLT_VNU, 3).rc, -1);
}

TEST_F(IntegerFloatConversions, CharColumnIntoNumberAndVarnum) {
    EXPECT_EQ(fetch(PG_CHAR, "7", SQLT_NUM, 21).buffer, number_bytes("7"));
    EXPECT_EQ(fetch_binary(PG_CHAR, "\xFF", SQLT_NUM, 21).buffer, number_bytes("-1"));
    EXPECT_EQ(fetch(PG_CHAR, "A", SQLT_NUM, 21).error, 1722u);
    FetchResult r = fetch(PG_CHAR, "7", SQLT_VNU, 22);
    EXPECT_EQ(r.buffer.substr(0, 3), bytes({0x02, 0xC1, 0x08}));
    EXPECT_EQ(r.length, 3u);
    r = fetch(PG_CHAR, "", SQLT_NUM, 21, false);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.error, 1405u);
}

TEST_F(IntegerFloatConversions, NullValuesOfEverySource) {
    for (Oid oid : {PG_INT2, PG_INT4, PG_INT8, PG_FLOAT4, PG_FLOAT8}) {
        for (ub2 sqlt : {SQLT_CHR, SQLT_INT, SQLT_FLT, SQLT_NUM, SQLT_VNU, SQLT_LVC}) {
            FetchResult r = fetch(oid, "", sqlt, 22);
            EXPECT_EQ(r.rc, 0) << oid << " " << sqlt;
            EXPECT_EQ(r.ind, -1);
            EXPECT_EQ(r.rcode, 1405);
        }
    }
}

}  // namespace
