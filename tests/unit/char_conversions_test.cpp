// Character conversions through the bind and fetch drivers, case by case, in both
// empty-string modes and in UTF-16 environments.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "env/env.h"
#include "env/error.h"
#include "number_conversion_fixture.h"
#include "stmt/records.h"
#include "types/conversion_dispatch.h"
#include "types/type_codes.h"

namespace {

using namespace vsk;
using Bytes = std::string;

struct BindOut {
    int rc = -99;
    std::optional<Bytes> value;  // without the terminating NUL; nullopt for SQL NULL
    ub4 length = 0;
    ub4 error = 0;
    sb2 ind = 0;
};

using FetchOut = vsk::test::FetchResult;

// Binds go through the whole bind driver here (indicator and parameter type included).
class Conversions : public vsk::test::NumberConversionTest {
protected:
    BindOut bind(ub2 sqlt, const void *buf, ub4 size, sb2 ind = 0, Oid oid = 1043) {
        _ClearErrorHandle(err_);
        BindOut out;
        out.ind = ind;
        char *value = reinterpret_cast<char *>(1);
        ub1 format = 9;
        out.rc = OCI2PQType(err_, sqlt, buf, size, &out.ind, oid, &value, &out.length, &format);
        if (value) {
            EXPECT_EQ(format, 0);
            EXPECT_GE(out.length, 1u);
            EXPECT_EQ(value[out.length - 1], '\0');
            out.value = Bytes(value, out.length - 1);
            std::free(value);
        }
        out.error = first_error();
        return out;
    }
    BindOut bind(ub2 sqlt, const Bytes &b, sb2 ind = 0) { return bind(sqlt, b.data(), static_cast<ub4>(b.size()), ind); }

    FetchOut fetch_text(Oid oid, const Bytes &v, ub2 sqlt, ub4 cap, bool with_ind = true) {
        return fetch(oid, v, sqlt, cap, with_ind);
    }
};

// ---- binding ----

struct BindCase {
    const char *what;
    bool oracle;
    ub2 sqlt;
    Bytes input;
    int rc;
    std::optional<Bytes> value;
    ub4 error;
};

// Named in test output by their description (and never printed byte by byte).
void PrintTo(const BindCase &c, std::ostream *os) { *os << c.what; }

class BindCases : public Conversions, public ::testing::WithParamInterface<BindCase> {};

TEST_P(BindCases, Produce) {
    const BindCase &c = GetParam();
    oracle_empty_strings(c.oracle);
    BindOut out = bind(c.sqlt, c.input);
    EXPECT_EQ(out.rc, c.rc);
    EXPECT_EQ(out.value, c.value);
    EXPECT_EQ(out.error, c.error);
}

const Bytes k5000(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Character, BindCases,
    ::testing::Values(
        BindCase{"chr trailing blanks", true, SQLT_CHR, "ab   ", 0, "ab", 0},
        BindCase{"chr all blanks keep one", true, SQLT_CHR, "   ", 0, " ", 0},
        BindCase{"chr leading blanks stay", false, SQLT_CHR, "  a ", 0, "  a", 0},
        BindCase{"chr size 0 is NULL (off)", false, SQLT_CHR, "", 0, std::nullopt, 0},
        BindCase{"lng uses the chr rules", true, SQLT_LNG, "x  ", 0, "x", 0},
        BindCase{"afc keeps blanks", true, SQLT_AFC, "ab  ", 0, "ab  ", 0},
        BindCase{"afc size 0 on is NULL", true, SQLT_AFC, "", 0, std::nullopt, 0},
        BindCase{"afc size 0 off is empty", false, SQLT_AFC, "", 0, "", 0},
        BindCase{"str on", true, SQLT_STR, Bytes("abc\0", 4), 0, "abc", 0},
        BindCase{"str on, last NUL ends it", true, SQLT_STR, Bytes("ab\0c\0", 5), 0, Bytes("ab\0c", 4), 0},
        BindCase{"str on, NUL then size 2 is NULL", true, SQLT_STR, Bytes("\0x", 2), 0, std::nullopt, 0},
        BindCase{"str on, one byte fails", true, SQLT_STR, Bytes("a", 1), -1, std::nullopt, 0},
        BindCase{"str on, no NUL", true, SQLT_STR, "abcd", -1, std::nullopt, 1480},
        BindCase{"str on, only NUL at 0", true, SQLT_STR, Bytes("\0bc", 3), -1, std::nullopt, 1480},
        BindCase{"str on, 5000 bytes", true, SQLT_STR, k5000 + Bytes(1, '\0'), -1, std::nullopt, 1480},
        BindCase{"str on, 3999 + NUL", true, SQLT_STR, Bytes(3999, 'y') + Bytes(1, '\0'), 0, Bytes(3999, 'y'), 0},
        BindCase{"str off, size 0 is empty", false, SQLT_STR, "", 0, "", 0},
        BindCase{"str off, first NUL", false, SQLT_STR, Bytes("ab\0cd\0", 6), 0, "ab", 0},
        BindCase{"str off, no NUL", false, SQLT_STR, "abc", -1, std::nullopt, 1480},
        BindCase{"str off, 5000 bytes pass", false, SQLT_STR, k5000 + Bytes(1, '\0'), 0, k5000, 0},
        BindCase{"avc uses the str rules", true, SQLT_AVC, Bytes("hi\0", 3), 0, "hi", 0},
        BindCase{"vcs", true, SQLT_VCS, Bytes("\x03\x00" "abcXX", 7), 0, "abc", 0},
        BindCase{"vcs empty", true, SQLT_VCS, Bytes("\x00\x00", 2), 0, "", 0},
        BindCase{"vcs size 1", true, SQLT_VCS, Bytes("\x01", 1), -1, std::nullopt, 1084},
        BindCase{"vcs prefix 65534", true, SQLT_VCS, Bytes("\xFE\xFF" "ab", 4), -1, std::nullopt, 1458},
        BindCase{"vcs prefix beyond the buffer", true, SQLT_VCS, Bytes("\x09\x00" "ab", 4), -1, std::nullopt, 1458},
        BindCase{"lvc", true, SQLT_LVC, Bytes("\x02\x00\x00\x00" "hiZ", 7), 0, "hi", 0},
        BindCase{"lvc prefix too long", true, SQLT_LVC, Bytes("\xFC\xFF\xFF\x7F" "a", 5), -1, std::nullopt, 1458},
        BindCase{"lvc prefix beyond the buffer", true, SQLT_LVC, Bytes("\x05\x00\x00\x00" "a", 5), -1, std::nullopt,
                 1458},
        BindCase{"lvc shorter than its prefix", true, SQLT_LVC, Bytes("\x01\x00", 2), -1, std::nullopt, 1084}),
    [](const auto &info) {
        std::string n = info.param.what;
        for (char &c : n)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST_F(Conversions, BindNullRulesOfTheDriver) {
    // Switch on: a null buffer or size 0 is NULL whatever the indicator says.
    EXPECT_EQ(bind(SQLT_STR, nullptr, 10, 0).value, std::nullopt);
    EXPECT_EQ(bind(SQLT_STR, "x", 0, 5).rc, 0);
    EXPECT_EQ(bind(SQLT_CHR, "abc", 3, -1).value, std::nullopt);
    // A negative indicator other than -1 is refused without a record.
    BindOut neg = bind(SQLT_CHR, "abc", 3, -2);
    EXPECT_EQ(neg.rc, -1);
    EXPECT_EQ(neg.error, 0u);
    // Switch off: a null buffer is NULL and says so in the indicator.
    oracle_empty_strings(false);
    BindOut off = bind(SQLT_CHR, nullptr, 3, 0);
    EXPECT_EQ(off.rc, 0);
    EXPECT_EQ(off.value, std::nullopt);
    EXPECT_EQ(off.ind, -1);
    // Ref-cursor binds carry no value.
    EXPECT_EQ(bind(SQLT_RSET, "x", 1, 0, 1790).value, std::nullopt);
    // A pair the table does not have.
    BindOut bad = bind(SQLT_CHR, "abc", 3, 0, PG_INT4);
    EXPECT_EQ(bad.rc, -1);
    EXPECT_EQ(bad.error, 1460u);
    // Arguments the driver cannot work without.
    char *v = nullptr;
    ub4 l = 0;
    ub1 f = 0;
    EXPECT_EQ(OCI2PQType(nullptr, SQLT_CHR, "a", 1, nullptr, PG_VARCHAR, &v, &l, &f), -1);
    EXPECT_EQ(OCI2PQType(err_, SQLT_CHR, "a", 1, nullptr, PG_VARCHAR, nullptr, &l, &f), -1);
    EXPECT_EQ(OCI2PQType(err_, SQLT_CHR, "a", 1, nullptr, PG_VARCHAR, &v, &l, &f), 0);
    std::free(v);
}

// ---- fetching text ----

struct FetchCase {
    const char *what;
    bool oracle;
    ub2 sqlt;
    Bytes value;
    ub4 cap;
    int rc;
    Bytes buffer;  // expected destination contents (whole capacity)
    ub4 length;
    sb2 ind;
    ub4 error;
};

void PrintTo(const FetchCase &c, std::ostream *os) { *os << c.what; }

class FetchCases : public Conversions, public ::testing::WithParamInterface<FetchCase> {};

TEST_P(FetchCases, Write) {
    const FetchCase &c = GetParam();
    oracle_empty_strings(c.oracle);
    FetchOut out = fetch_text(PG_VARCHAR, c.value, c.sqlt, c.cap);
    EXPECT_EQ(out.rc, c.rc);
    EXPECT_EQ(out.buffer, c.buffer);
    EXPECT_EQ(out.length, c.length);
    EXPECT_EQ(out.ind, c.ind);
    EXPECT_EQ(out.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FetchCases,
    ::testing::Values(
        FetchCase{"chr_fits", true, SQLT_CHR, "hello", 8, 0, "hello   ", 5, 0, 0},
        FetchCase{"chr_cut", true, SQLT_CHR, "hello", 3, 1, "hel", 3, 2, 1406},
        FetchCase{"chr_exact", true, SQLT_CHR, "hello", 5, 0, "hello", 5, 0, 0},
        FetchCase{"chr_cap0", true, SQLT_CHR, "hello", 0, 0, "", 0, 0, 0},
        FetchCase{"afc_fits", true, SQLT_AFC, "ab", 4, 0, "ab  ", 2, 0, 0},
        FetchCase{"avc_fits", true, SQLT_AVC, "hello", 8, 0, Bytes("hello\0  ", 8), 6, 0, 0},
        FetchCase{"avc_cut", true, SQLT_AVC, "hello", 3, 1, Bytes("he\0", 3), 3, 2, 1406},
        FetchCase{"avc_exact", true, SQLT_AVC, "hello", 5, 0, Bytes("hell\0", 5), 5, 0, 0},
        FetchCase{"str_fits", true, SQLT_STR, "hello", 8, 0, Bytes("hello\0~~", 8), 5, 0, 0},
        FetchCase{"str_cut", true, SQLT_STR, "hello", 3, 0, Bytes("he\0", 3), 5, 0, 0},
        FetchCase{"str_cap0", true, SQLT_STR, "hello", 0, -1, "", 0, 0, 1460},
        FetchCase{"str_empty_off", false, SQLT_STR, "", 4, 0, Bytes("\0~~~", 4), 0, 0, 0},
        FetchCase{"chr_empty_off", false, SQLT_CHR, "", 3, 0, "   ", 0, 0, 0},
        FetchCase{"lng_cut", true, SQLT_LNG, "hello", 4, 1, "hell", 4, 1, 1406},
        FetchCase{"lng_fits", true, SQLT_LNG, "hi", 4, 0, "hi~~", 2, 0, 0},
        FetchCase{"vcs", true, SQLT_VCS, "hello", 8, 0, Bytes("\x05\x00hello~", 8), 7, 0, 0},
        FetchCase{"vcs_cut", true, SQLT_VCS, "hello", 5, 1, Bytes("\x03\x00hel", 5), 5, 5, 1406},
        FetchCase{"vcs_cap1", true, SQLT_VCS, "hello", 1, -1, "~", 1, 0, 0},
        FetchCase{"lvc", true, SQLT_LVC, "hi", 8, 0, Bytes("\x02\x00\x00\x00hi~~", 8), 6, 0, 0},
        FetchCase{"lvc_cut", true, SQLT_LVC, "hello", 6, 1, Bytes("\x02\x00\x00\x00he", 6), 6, 3, 1406},
        FetchCase{"lvc_cap3", true, SQLT_LVC, "hello", 3, -1, "~~~", 3, 0, 0}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(Conversions, EmptyAndNullValues) {
    // With Oracle semantics the empty string is NULL for the text targets.
    for (ub2 sqlt : {SQLT_CHR, SQLT_AFC, SQLT_AVC, SQLT_STR, SQLT_LNG}) {
        FetchOut out = fetch_text(PG_VARCHAR, "", sqlt, 4);
        EXPECT_EQ(out.rc, 0) << sqlt;
        EXPECT_EQ(out.ind, -1) << sqlt;
        EXPECT_EQ(out.rcode, 1405) << sqlt;
        EXPECT_EQ(out.buffer, "~~~~") << sqlt;
    }
    // The prefixed targets always treat the empty string as NULL.
    oracle_empty_strings(false);
    for (ub2 sqlt : {SQLT_VCS, SQLT_LVC}) {
        FetchOut out = fetch_text(PG_VARCHAR, "", sqlt, 8);
        EXPECT_EQ(out.ind, -1) << sqlt;
        EXPECT_EQ(out.length, 2u) << sqlt;
    }
    // Without an indicator a NULL result is error 1405 and result 1.
    oracle_empty_strings(true);
    FetchOut noind = fetch_text(PG_VARCHAR, "", SQLT_STR, 4, false);
    EXPECT_EQ(noind.rc, 1);
    EXPECT_EQ(noind.error, 1405u);
    // A value the server reported NULL never reaches a conversion and leaves the buffer alone.
    char buf[4] = {'~', '~', '~', '~'};
    ub4 len = 4;
    sb2 ind = 0;
    ub2 rcode = 0;
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType(err_, PG_VARCHAR, "", 0, 0, SQLT_STR, buf, &len, &ind, &rcode, true), 0);
    EXPECT_EQ(ind, -1);
    EXPECT_EQ(rcode, 1405);
    EXPECT_EQ(std::string(buf, 4), "~~~~");
    EXPECT_TRUE(err_->records.empty());
}

TEST_F(Conversions, UnknownServerTypeIs932) {
    FetchOut out = fetch_text(99999, "x", SQLT_STR, 4);
    EXPECT_EQ(out.rc, -1);
    sb4 code = 0;
    OraText text[256];
    OCIErrorGet(err_, 1, nullptr, &code, text, sizeof text, OCI_HTYPE_ERROR);
    EXPECT_EQ(code, 932);
    EXPECT_STREQ(reinterpret_cast<char *>(text), "VSK-00932: data types not consistent - expected  got TEXT");
    // A known server type with a target it cannot give.
    FetchOut date = fetch_text(PG_DATE, "2024-01-01", SQLT_INT, 4);
    EXPECT_EQ(date.error, 932u);
    EXPECT_EQ(PQ2OCIType(nullptr, PG_TEXT, "x", 1, 0, SQLT_STR, nullptr, nullptr, nullptr, nullptr, false), -1);
}

TEST_F(Conversions, RefCursorNameGoesToTheStatement) {
    OCIStmt *stmt = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    ub4 len = 0;
    EXPECT_EQ(PQ2OCIType(err_, PG_REFCURSOR, "<unnamed portal 1>", 18, 0, SQLT_RSET, stmt, &len, nullptr, nullptr,
                         false),
              0);
    EXPECT_EQ(stmt->stmtName, "<unnamed portal 1>");
    // Anything but a statement is refused.
    char buf[32];
    EXPECT_EQ(PQ2OCIType(err_, PG_REFCURSOR, "c", 1, 0, SQLT_RSET, buf, &len, nullptr, nullptr, false), -1);
}

// ---- "char" ----

TEST_F(Conversions, SingleCharacterType) {
    FetchOut chr = fetch_text(PG_CHAR, "A", SQLT_CHR, 3);
    EXPECT_EQ(chr.buffer, "A  ");
    EXPECT_EQ(chr.length, 1u);
    FetchOut avc = fetch_text(PG_CHAR, "A", SQLT_AVC, 4);
    EXPECT_EQ(avc.buffer, Bytes("A\0  ", 4));
    FetchOut str = fetch_text(PG_CHAR, "A", SQLT_STR, 2);
    EXPECT_EQ(str.buffer, Bytes("A\0", 2));
    EXPECT_EQ(fetch_text(PG_CHAR, "A", SQLT_STR, 1).rc, -1);
    EXPECT_EQ(fetch_text(PG_CHAR, "A", SQLT_VCS, 4).buffer, Bytes("\x01\x00" "A~", 4));
    EXPECT_EQ(fetch_text(PG_CHAR, "A", SQLT_LVC, 6).buffer, Bytes("\x01\x00\x00\x00" "A~", 6));
    // Capacities the layout cannot hold write nothing outside the buffer.
    for (ub2 sqlt : {SQLT_CHR, SQLT_AFC, SQLT_LNG, SQLT_AVC}) {
        FetchOut zero = fetch_text(PG_CHAR, "A", sqlt, 0);
        EXPECT_EQ(zero.rc, 1) << sqlt;
        EXPECT_EQ(zero.error, 1406u) << sqlt;
    }
    FetchOut avc1 = fetch_text(PG_CHAR, "A", SQLT_AVC, 1);
    EXPECT_EQ(avc1.buffer, Bytes("\0", 1));
    EXPECT_EQ(avc1.rc, 1);
    EXPECT_EQ(fetch_text(PG_CHAR, "A", SQLT_VCS, 2).rc, -1);
    EXPECT_EQ(fetch_text(PG_CHAR, "A", SQLT_LVC, 4).rc, -1);
    // The empty character is NULL in both modes.
    oracle_empty_strings(false);
    EXPECT_EQ(fetch_text(PG_CHAR, "", SQLT_CHR, 4).ind, -1);
}

TEST_F(Conversions, SingleCharacterNumbers) {
    auto as = [&](const char *v, ub2 sqlt, ub4 cap, int format = 0) {
        return fetch(PG_CHAR, v, sqlt, cap, true, format);
    };
    FetchOut f8 = as("A", SQLT_FLT, 8);
    double d;
    std::memcpy(&d, f8.buffer.data(), 8);
    EXPECT_EQ(d, 65.0);
    FetchOut f4 = as("A", SQLT_BFLOAT, 4);
    float f;
    std::memcpy(&f, f4.buffer.data(), 4);
    EXPECT_EQ(f, 65.0f);
    EXPECT_EQ(as("A", SQLT_BDOUBLE, 4).rc, -1);
    EXPECT_EQ(as("A", SQLT_FLT, 3).buffer, "~~~");

    FetchOut i2 = as("-7", SQLT_INT, 2);
    sb2 v2;
    std::memcpy(&v2, i2.buffer.data(), 2);
    EXPECT_EQ(v2, -7);
    EXPECT_EQ(as("200", SQLT_INT, 4).error, 22053u);
    FetchOut u1 = as("200", SQLT_UIN, 1);
    EXPECT_EQ(static_cast<unsigned char>(u1.buffer[0]), 200);
    EXPECT_EQ(as("-1", SQLT_UIN, 1).rc, -1);
    EXPECT_EQ(as("1", SQLT_INT, 3).rc, -1);
    // Binary format: the byte itself.
    FetchOut bin = as("\xF0", SQLT_INT, 8, 1);
    sb8 v8;
    std::memcpy(&v8, bin.buffer.data(), 8);
    EXPECT_EQ(v8, -16);
}

// ---- UTF-16 ----

Bytes u16(const std::u16string &s) { return Bytes(reinterpret_cast<const char *>(s.data()), s.size() * 2); }

TEST_F(Conversions, Utf16RoundTrips) {
    make_env(OCI_UTF16);
    // Application UTF-16 to server UTF-8, trailing blanks dropped after conversion.
    BindOut chr = bind(SQLT_CHR, u16(u"Grüße  "));
    EXPECT_EQ(chr.value, Bytes("Gr\xC3\xBC\xC3\x9F" "e"));
    BindOut str = bind(SQLT_STR, u16(std::u16string(u"añb") + u'\0'));
    EXPECT_EQ(str.value, Bytes("a\xC3\xB1" "b"));
    oracle_empty_strings(false);
    BindOut str_off = bind(SQLT_STR, u16(std::u16string(u"ü") + u'\0' + u"zz"));
    EXPECT_EQ(str_off.value, Bytes("\xC3\xBC"));
    oracle_empty_strings(true);

    // Server UTF-8 back to UTF-16: padding with UTF-16 blanks, cuts on whole code units.
    const Bytes server = "Gr\xC3\xBC\xC3\x9F" "e";
    FetchOut fits = fetch_text(PG_VARCHAR, server, SQLT_CHR, 14);
    EXPECT_EQ(fits.buffer, u16(u"Grüße  "));
    EXPECT_EQ(fits.length, 10u);
    FetchOut cut = fetch_text(PG_VARCHAR, server, SQLT_CHR, 7);
    EXPECT_EQ(cut.rc, 1);
    EXPECT_EQ(cut.buffer.substr(0, 6), u16(u"Grü"));
    FetchOut s = fetch_text(PG_VARCHAR, server, SQLT_STR, 8);
    EXPECT_EQ(s.buffer, u16(std::u16string(u"Grü") + u'\0'));
    FetchOut v = fetch_text(PG_VARCHAR, "\xC3\xA9", SQLT_VCS, 8);
    EXPECT_EQ(v.buffer.substr(0, 4), Bytes("\x02\x00", 2) + u16(u"é"));
}

TEST_F(Conversions, Utf16MalformedInputIsRefused) {
    make_env(OCI_UTF16);
    // A lone surrogate from the application.
    BindOut lone = bind(SQLT_CHR, Bytes("\x00\xD8" "a\x00", 4));
    EXPECT_EQ(lone.rc, -1);
    EXPECT_EQ(lone.value, std::nullopt);
    ASSERT_FALSE(err_->records.empty());
    EXPECT_EQ(err_->records.nth(0)->msg, "An invalid multibyte sequence has been encountered in the input");
    // Half a code unit.
    BindOut odd = bind(SQLT_AFC, Bytes("a\x00" "b", 3));
    EXPECT_EQ(odd.rc, -1);
    EXPECT_EQ(err_->records.nth(0)->msg, "An incomplete multibyte sequence has been encountered in the input");
    // Truncated and invalid UTF-8 from the server.
    for (const Bytes &bad : {Bytes("ab\xC3"), Bytes("a\xFF" "b")}) {
        for (ub2 sqlt : {SQLT_CHR, SQLT_AVC, SQLT_STR, SQLT_VCS, SQLT_LVC}) {
            FetchOut out = fetch_text(PG_VARCHAR, bad, sqlt, 16);
            EXPECT_EQ(out.rc, -1) << sqlt;
            EXPECT_FALSE(err_->records.empty()) << sqlt;
        }
    }
}

}  // namespace
