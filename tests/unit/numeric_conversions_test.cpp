// The numeric column's fetch members, the text-to-NUMBER/VARNUM members and the NUMBER
// and VARNUM binds, through the conversion tables.
#include <cmath>
#include <ostream>
#include <tuple>
#include <utility>

#include "nls/oci_string.h"
#include "number_conversion_fixture.h"

namespace {

using namespace vsk;
using namespace vsk::test;

// The server's binary numeric: header fields and words, big-endian.
Bytes wire(int ndigits, int weight, int sign, int dscale, std::initializer_list<int> words) {
    Bytes out = net(static_cast<std::uint16_t>(ndigits), 2) + net(static_cast<std::uint16_t>(weight), 2) +
                net(static_cast<std::uint16_t>(sign), 2) + net(static_cast<std::uint16_t>(dscale), 2);
    for (int w : words) out += net(static_cast<std::uint16_t>(w), 2);
    return out;
}

const Bytes k12345 = wire(2, 1, 0, 1, {1, 2345});
const Bytes kNaN = wire(0, 0, 0xC000, 0, {});

class NumericConversions : public NumberConversionTest {};

// ---- character targets ----


class NumericCharCases : public NumericConversions, public ::testing::WithParamInterface<CharCase> {};

TEST_P(NumericCharCases, Deliver) { expect_delivery(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Numeric, NumericCharCases,
    ::testing::Values(
        CharCase{"chr pads with blanks", PG_NUMERIC, SQLT_CHR, "123.45", 10, true, 0, "123.45    ", 6, 0, 0},
        CharCase{"chr exact fit", PG_NUMERIC, SQLT_CHR, "123.45", 6, true, 0, "123.45", 6, 0, 0},
        CharCase{"chr cut is reported", PG_NUMERIC, SQLT_CHR, "123.45", 3, true, 1, "123", 3, 3, 1406},
        CharCase{"chr cut without indicator", PG_NUMERIC, SQLT_CHR, "123.45", 3, false, 1, "123", 3, 77, 1406},
        CharCase{"afc pads", PG_NUMERIC, SQLT_AFC, "-7", 4, true, 0, "-7  ", 2, 0, 0},
        CharCase{"afc cut is reported", PG_NUMERIC, SQLT_AFC, "12345", 2, true, 1, "12", 2, 3, 1406},
        CharCase{"avc text NUL blanks", PG_NUMERIC, SQLT_AVC, "1.5", 6, true, 0, Bytes("1.5\0  ", 6), 4, 0, 0},
        CharCase{"avc NUL in the last byte", PG_NUMERIC, SQLT_AVC, "123", 4, true, 0, Bytes("123\0", 4), 4, 0, 0},
        CharCase{"avc cut keeps room for NUL", PG_NUMERIC, SQLT_AVC, "12345", 3, true, 1, Bytes("12\0", 3), 3, 3, 1406},
        CharCase{"avc capacity 0", PG_NUMERIC, SQLT_AVC, "1", 0, true, -1, "", 0, 0, 0},
        CharCase{"str", PG_NUMERIC, SQLT_STR, "123", 4, true, 0, Bytes("123\0", 4), 3, 0, 0},
        CharCase{"str without room for NUL", PG_NUMERIC, SQLT_STR, "123", 3, true, -1, "~~~", 3, 0, 0},
        CharCase{"vcs", PG_NUMERIC, SQLT_VCS, "123", 6, true, 0, Bytes("\x03\x00" "123~", 6), 5, 0, 0},
        CharCase{"vcs cut", PG_NUMERIC, SQLT_VCS, "123", 4, true, 1, Bytes("\x02\x00" "12", 4), 4, 1, 1406},
        CharCase{"vcs below its prefix", PG_NUMERIC, SQLT_VCS, "1", 1, true, -1, "~", 1, 0, 0},
        CharCase{"lvc", PG_NUMERIC, SQLT_LVC, "123", 8, true, 0, Bytes("\x03\x00\x00\x00" "123~", 8), 7, 0, 0},
        CharCase{"lvc cut", PG_NUMERIC, SQLT_LVC, "123", 6, true, 1, Bytes("\x02\x00\x00\x00" "12", 6), 6, 1, 1406},
        CharCase{"lvc below its prefix", PG_NUMERIC, SQLT_LVC, "1", 3, true, -1, "~~~", 3, 0, 0},
        CharCase{"lng no padding", PG_NUMERIC, SQLT_LNG, "123", 5, true, 0, "123~~", 3, 0, 0},
        CharCase{"lng cut", PG_NUMERIC, SQLT_LNG, "123", 2, true, 1, "12", 2, 1, 1406},
        CharCase{"chr value above 4000", PG_NUMERIC, SQLT_CHR, "1" + Bytes(4000, '0'), 8, true, -1, Bytes(8, '~'), 8,
                 0, 0},
        CharCase{"afc value above 2000", PG_NUMERIC, SQLT_AFC, "1" + Bytes(2000, '0'), 8, true, -1, Bytes(8, '~'), 8,
                 0, 0}),
    case_name);

TEST_F(NumericConversions, BinaryValuesAreRenderedAtTheirDisplayScale) {
    FetchResult r = fetch_binary(PG_NUMERIC, k12345, SQLT_CHR, 9);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, "12345.0  ");
    EXPECT_EQ(r.length, 7u);
    r = fetch_binary(PG_NUMERIC, wire(1, -1, 0x4000, 6, {5}), SQLT_STR, 12);
    EXPECT_EQ(r.buffer.substr(0, 10), Bytes("-0.000500\0", 10));
    r = fetch_binary(PG_NUMERIC, kNaN, SQLT_AFC, 4);
    EXPECT_EQ(r.buffer, "NaN ");
    // A binary value that does not hold together is refused, never read past its end.
    for (const Bytes &bad : {k12345.substr(0, 7), k12345.substr(0, 11), wire(1, 0, 0, 0, {10000}),
                             wire(1, 0, 0x2000, 0, {1})}) {
        r = fetch_binary(PG_NUMERIC, bad, SQLT_CHR, 10);
        EXPECT_EQ(r.rc, -1);
        EXPECT_EQ(r.error, 1722u);
    }
    EXPECT_EQ(fetch(PG_NUMERIC, "1", SQLT_CHR, 4, true, 2).rc, -1);
}

TEST_F(NumericConversions, NullValues) {
    for (ub2 sqlt : {SQLT_CHR, SQLT_NUM, SQLT_VNU, SQLT_INT, SQLT_FLT, SQLT_STR}) {
        FetchResult r = fetch(PG_NUMERIC, "", sqlt, 22);
        EXPECT_EQ(r.rc, 0) << sqlt;
        EXPECT_EQ(r.ind, -1);
        EXPECT_EQ(r.rcode, 1405);
        r = fetch(PG_NUMERIC, "", sqlt, 22, false);
        EXPECT_EQ(r.rc, 1);
        EXPECT_EQ(r.error, 1405u);
    }
}

TEST_F(NumericConversions, OCIStringTarget) {
    OCIString *s = nullptr;
    ASSERT_TRUE(string_assign_bytes(&s, "xxxxxxxxxx", 10));
    auto into = [&](const Bytes &v, ub4 cap, int format = 0) {
        _ClearErrorHandle(err_);
        ub4 length = cap;
        sb2 ind = 77;
        const Bytes value = v + '\0';
        return std::make_pair(PQ2OCIType(err_, PG_NUMERIC, value.data(), static_cast<int>(v.size()), format,
                                         SQLT_VST, &s, &length, &ind, nullptr, false),
                              ind);
    };
    auto [rc, ind] = into("123.45", sizeof(OCIString *));
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(Bytes(s->text, s->size), "123.45");
    std::tie(rc, ind) = into(k12345, sizeof(OCIString *), 1);
    EXPECT_EQ(Bytes(s->text, s->size), "12345.0");
    std::tie(rc, ind) = into("1234567890123", sizeof(OCIString *));
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(ind, 4);  // 13 characters and the NUL against 10
    EXPECT_EQ(first_error(), 1406u);
    EXPECT_EQ(Bytes(s->text), "123456789");
    EXPECT_EQ(into("1", 3).first, -1);
    std::free(s->text);
    std::free(s);
    // No string yet: one is made for the value.
    s = nullptr;
    EXPECT_EQ(into("-1.5", sizeof(OCIString *)).first, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Bytes(s->text, s->size), "-1.5");
    std::free(s->text);
    std::free(s);
}

// ---- NUMBER and VARNUM targets ----

TEST_F(NumericConversions, NumberTarget) {
    const Bytes expected = bytes({0xC3, 0x02, 0x18, 0x2E}) + Bytes(17, '\0');
    FetchResult r = fetch(PG_NUMERIC, "12345", SQLT_NUM, 21);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, expected);
    EXPECT_EQ(r.length, 21u);
    r = fetch_binary(PG_NUMERIC, k12345, SQLT_NUM, 21);
    EXPECT_EQ(r.buffer, expected);
    r = fetch(PG_NUMERIC, "12345", SQLT_NUM, 20);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 0u);
    for (int format : {0, 1}) {
        r = fetch(PG_NUMERIC, format ? kNaN : Bytes("NaN"), SQLT_NUM, 21, true, format);
        EXPECT_EQ(r.rc, -1);
        EXPECT_EQ(r.error, 1722u);
    }
    // Too large for NUMBER.
    r = fetch_binary(PG_NUMERIC, wire(1, 40, 0, 0, {1}), SQLT_NUM, 21);
    EXPECT_EQ(r.error, 1722u);
}

TEST_F(NumericConversions, VarnumTarget) {
    FetchResult r = fetch(PG_NUMERIC, "12345", SQLT_VNU, 22);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, bytes({0x04, 0xC3, 0x02, 0x18, 0x2E}) + Bytes(17, '\0'));
    EXPECT_EQ(r.length, 5u);
    // A smaller destination receives exactly the value's bytes, when they fit.
    r = fetch_binary(PG_NUMERIC, k12345, SQLT_VNU, 5);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, bytes({0x04, 0xC3, 0x02, 0x18, 0x2E}));
    EXPECT_EQ(fetch(PG_NUMERIC, "12345", SQLT_VNU, 4).rc, -1);
    r = fetch(PG_NUMERIC, "-1", SQLT_VNU, 22);
    EXPECT_EQ(r.buffer.substr(0, 4), bytes({0x03, 0x3E, 0x64, 0x66}));
    EXPECT_EQ(r.length, 4u);
    r = fetch_binary(PG_NUMERIC, kNaN, SQLT_VNU, 22);
    EXPECT_EQ(r.error, 1722u);
}

TEST_F(NumericConversions, TextColumnsIntoNumberAndVarnum) {
    FetchResult r = fetch(PG_VARCHAR, "-12.5", SQLT_NUM, 21);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, bytes({0x3E, 0x59, 0x33, 0x66}) + Bytes(17, '\0'));
    r = fetch(PG_TEXT, "12", SQLT_NUM, 20);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1406u);
    r = fetch(PG_BPCHAR, "abc", SQLT_NUM, 21);
    EXPECT_EQ(r.error, 1722u);
    r = fetch(PG_TEXT, "7", SQLT_VNU, 1);
    EXPECT_EQ(r.error, 1459u);
    r = fetch(PG_TEXT, "12345", SQLT_VNU, 3);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1459u);
    r = fetch(PG_TEXT, "12345  ", SQLT_VNU, 22);
    EXPECT_EQ(r.buffer.substr(0, 5), bytes({0x04, 0xC3, 0x02, 0x18, 0x2E}));
    // An empty text: NULL with the Oracle switch on, zero with it off.
    r = fetch(PG_TEXT, "", SQLT_NUM, 21);
    EXPECT_EQ(r.ind, -1);
    oracle_empty_strings(false);
    r = fetch(PG_TEXT, "", SQLT_NUM, 21);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, bytes({0x80}) + Bytes(20, '\0'));
    r = fetch(PG_TEXT, "", SQLT_VNU, 22);
    EXPECT_EQ(r.buffer.substr(0, 2), bytes({0x01, 0x80}));
    EXPECT_EQ(r.length, 2u);
}

// ---- floating-point targets ----

TEST_F(NumericConversions, FloatTargets) {
    FetchResult r = fetch(PG_NUMERIC, "1.5", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<double>(), 1.5);
    EXPECT_EQ(r.length, 8u);
    r = fetch(PG_NUMERIC, "1.5", SQLT_FLT, 6);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<float>(), 1.5f);
    EXPECT_EQ(r.length, 4u);
    r = fetch(PG_NUMERIC, "0.1", SQLT_FLT, 4);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.as<float>(), 0.1f);
    EXPECT_EQ(r.error, 1426u);
    r = fetch(PG_NUMERIC, "1e400", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    r = fetch(PG_NUMERIC, "1e39", SQLT_FLT, 4);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(fetch(PG_NUMERIC, "1.5", SQLT_FLT, 3).rc, -1);
    r = fetch(PG_NUMERIC, "12x", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 0u);
    r = fetch(PG_NUMERIC, "NaN", SQLT_FLT, 8);
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(std::isnan(r.as<double>()));
    r = fetch_binary(PG_NUMERIC, wire(2, 0, 0x4000, 1, {2, 5000}), SQLT_FLT, 8);
    EXPECT_EQ(r.as<double>(), -2.5);
    r = fetch_binary(PG_NUMERIC, wire(1, 100, 0, 0, {1}), SQLT_FLT, 8);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(r.rc, -1);
}

TEST_F(NumericConversions, BinaryFloatWrappersTakeTheirOwnSize) {
    FetchResult r = fetch(PG_NUMERIC, "2.25", SQLT_BFLOAT, 10);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<float>(), 2.25f);
    EXPECT_EQ(r.length, 4u);
    EXPECT_EQ(fetch(PG_NUMERIC, "2.25", SQLT_BFLOAT, 3).rc, -1);
    EXPECT_EQ(fetch(PG_NUMERIC, "2.25", SQLT_BDOUBLE, 7).rc, -1);
    r = fetch(PG_NUMERIC, "2.25", SQLT_BDOUBLE, 12);
    EXPECT_EQ(r.as<double>(), 2.25);
    EXPECT_EQ(r.length, 8u);
    // A failure gives the caller's capacity back.
    r = fetch(PG_NUMERIC, "abc", SQLT_BDOUBLE, 12);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.length, 12u);
}

// ---- integer targets ----

TEST_F(NumericConversions, IntegerTargetsPickTheirWidthAndReportOverflow) {
    FetchResult r = fetch(PG_NUMERIC, "123.9", SQLT_INT, 4);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.as<std::int32_t>(), 123);
    EXPECT_EQ(r.length, 4u);
    r = fetch(PG_NUMERIC, "-300", SQLT_INT, 3);
    EXPECT_EQ(r.as<std::int16_t>(), -300);
    EXPECT_EQ(r.length, 2u);
    EXPECT_EQ(r.buffer[2], '~');
    r = fetch(PG_NUMERIC, "5000000000", SQLT_INT, 9);
    EXPECT_EQ(r.as<std::int64_t>(), 5000000000);
    EXPECT_EQ(r.length, 8u);
    r = fetch(PG_NUMERIC, "-128", SQLT_INT, 1);
    EXPECT_EQ(r.as<std::int8_t>(), -128);
    for (const char *big : {"70000", "-129"}) {
        r = fetch(PG_NUMERIC, big, SQLT_INT, big[0] == '-' ? 1 : 2);
        EXPECT_EQ(r.rc, -1) << big;
        EXPECT_EQ(r.error, 1426u);
        EXPECT_EQ(r.buffer.substr(0, 1), "~") << "nothing stored";
    }
    r = fetch(PG_NUMERIC, "99999999999999999999999", SQLT_INT, 8);
    EXPECT_EQ(r.error, 1426u);
    r = fetch(PG_NUMERIC, "NaN", SQLT_INT, 4);
    EXPECT_EQ(r.error, 1722u);
    EXPECT_EQ(fetch(PG_NUMERIC, "1", SQLT_INT, 0).rc, -1);
}

TEST_F(NumericConversions, BinaryIntegersAreRounded) {
    EXPECT_EQ(fetch_binary(PG_NUMERIC, wire(1, -1, 0, 1, {6000}), SQLT_INT, 4).as<std::int32_t>(), 1);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, wire(2, 0, 0, 1, {2, 5000}), SQLT_INT, 4).as<std::int32_t>(), 3);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, wire(2, 0, 0x4000, 1, {2, 5000}), SQLT_INT, 4).as<std::int32_t>(), -3);
    const Bytes five_billion = wire(1, 2, 0, 0, {50});
    FetchResult r = fetch_binary(PG_NUMERIC, five_billion, SQLT_INT, 4);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, five_billion, SQLT_INT, 8).as<std::int64_t>(), 5000000000);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, kNaN, SQLT_INT, 4).error, 1722u);
}

TEST_F(NumericConversions, UnsignedTargetsRefuseNegativeValues) {
    FetchResult r = fetch(PG_NUMERIC, "-5", SQLT_UIN, 4);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1426u);
    EXPECT_EQ(fetch(PG_NUMERIC, "200", SQLT_UIN, 1).as<std::uint8_t>(), 200);
    EXPECT_EQ(fetch(PG_NUMERIC, "-0.5", SQLT_UIN, 1).as<std::uint8_t>(), 0);
    EXPECT_EQ(fetch(PG_NUMERIC, "18446744073709551615", SQLT_UIN, 8).as<std::uint64_t>(), UINT64_MAX);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, wire(2, 1, 0, 0, {6, 5535}), SQLT_UIN, 2).as<std::uint16_t>(), 65535);
    EXPECT_EQ(fetch_binary(PG_NUMERIC, wire(2, 1, 0, 0, {6, 5536}), SQLT_UIN, 2).error, 1426u);
}

// ---- binds ----

TEST_F(NumericConversions, NumberBindSendsTheBinaryNumeric) {
    const Bytes one = bytes({0xC1, 0x02}) + Bytes(19, '\0');
    BindResult b = bind(SQLT_NUM, one, PG_NUMERIC);
    EXPECT_EQ(b.rc, 0);
    EXPECT_EQ(b.format, 1);
    EXPECT_EQ(b.value, wire(1, 0, 0, 1, {1}));
    b = bind(SQLT_NUM, bytes({0xC3, 0x02, 0x18, 0x2E}) + Bytes(17, '\0'), PG_NUMERIC);
    EXPECT_EQ(b.value, wire(2, 1, 0, 1, {1, 2345}));
    b = bind(SQLT_NUM, bytes({0x3E, 0x59, 0x33, 0x66}) + Bytes(17, '\0'), PG_NUMERIC);
    EXPECT_EQ(b.value, wire(2, 0, 0x4000, 3, {12, 5000}));
    b = bind(SQLT_NUM, bytes({0x80}) + Bytes(20, '\x33'), PG_NUMERIC);
    EXPECT_EQ(b.value, wire(0, 0, 0, 0, {}));
    b = bind(SQLT_NUM, bytes({0xBF, 0x02}) + Bytes(19, '\0'), PG_NUMERIC);
    EXPECT_EQ(b.value, wire(1, -1, 0, 5, {1}));
    b = bind(SQLT_NUM, one.substr(0, 20), PG_NUMERIC);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.value, std::nullopt);
    b = bind(SQLT_NUM, bytes({0xC1, 0x02, 0x66}) + Bytes(18, '\0'), PG_NUMERIC);
    EXPECT_EQ(b.rc, -1);
}

TEST_F(NumericConversions, VarnumBindReadsNoMoreThanItsLengthAndBuffer) {
    BindResult b = bind(SQLT_VNU, bytes({0x02, 0xBF, 0x02}), PG_NUMERIC);
    EXPECT_EQ(b.rc, 0);
    EXPECT_EQ(b.value, wire(1, -1, 0, 5, {1}));
    b = bind(SQLT_VNU, bytes({0x03, 0xBF, 0x02, 0x0B, 0x55}), PG_NUMERIC);
    EXPECT_EQ(b.value, wire(2, -1, 0, 7, {1, 1000}));  // 0.00011; the byte after the length is not read
    EXPECT_EQ(bind(SQLT_VNU, bytes({0x02}), PG_NUMERIC).rc, -1);               // length beyond the buffer
    EXPECT_EQ(bind(SQLT_VNU, bytes({0x02, 0xC1, 0x02}) + Bytes(20, '\0'), PG_NUMERIC).rc, -1);  // 23 bytes
    EXPECT_EQ(bind(SQLT_VNU, bytes({0x02, 0xC1, 0x66}), PG_NUMERIC).rc, -1);
    EXPECT_EQ(bind(SQLT_VNU, bytes({0x16, 0xC1, 0x02}) + Bytes(19, '\x02'), PG_NUMERIC).rc, -1);
}

TEST_F(NumericConversions, BoundValueFetchedBackIsTheSameVarnum) {
    for (const char *text : {"-123456789.000123", "0.0001", "98765432109876543210987654321098765432", "-1e-100"}) {
        FetchResult v = fetch(PG_TEXT, text, SQLT_VNU, 22);
        ASSERT_EQ(v.rc, 0) << text;
        BindResult b = bind(SQLT_VNU, v.buffer.data(), v.length, PG_NUMERIC);
        ASSERT_TRUE(b.value) << text;
        FetchResult back = fetch_binary(PG_NUMERIC, *b.value, SQLT_VNU, 22);
        EXPECT_EQ(back.buffer, v.buffer) << text;
    }
}

}  // namespace
