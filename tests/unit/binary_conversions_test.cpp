// Binary values through the bind and fetch drivers: RAW binds as bytea parameters, bytea
// (and raw) in both server text forms and in binary format into every character and
// binary target, and text into the binary targets.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>

#include "env/error.h"
#include "nls/oci_string.h"
#include "number_conversion_fixture.h"
#include "types/binary_conversions.h"
#include "types/conversion_dispatch.h"
#include "types/type_codes.h"

namespace {

using namespace vsk;
using vsk::test::BindResult;
using vsk::test::Bytes;
using vsk::test::FetchResult;
using vsk::test::raw;

Bytes p16(ub2 n) { return raw(n); }
Bytes p32(ub4 n) { return raw(n); }

class Binary : public vsk::test::NumberConversionTest {
protected:
    // Through the bind driver, which decides about NULL before any conversion runs.
    BindResult bind(ub2 sqlt, const void *buf, ub4 size) {
        _ClearErrorHandle(err_);
        BindResult out;
        sb2 ind = 0;
        char *value = reinterpret_cast<char *>(1);
        ub4 length = 0;
        out.rc = OCI2PQType(err_, sqlt, buf, size, &ind, PG_BYTEA, &value, &length, &out.format);
        if (value) out.value = Bytes(value, length);
        std::free(value);
        out.error = first_error();
        return out;
    }
    BindResult bind(ub2 sqlt, const Bytes &b) { return bind(sqlt, b.data(), static_cast<ub4>(b.size())); }
    // A fetch whose length may not point beyond the buffer.
    FetchResult fetch(Oid oid, const Bytes &v, ub2 sqlt, ub4 cap, bool with_ind = true, int format = 0) {
        FetchResult out = NumberConversionTest::fetch(oid, v, sqlt, cap, with_ind, format);
        EXPECT_LE(out.length, cap) << "length beyond the buffer";
        return out;
    }
};

// ---- binds ----

TEST_F(Binary, BindsSendTheBytesInBinaryFormat) {
    const Bytes bytes("\x00\x5c\xff", 3);
    for (ub2 sqlt : {SQLT_BIN, SQLT_LBI}) {
        BindResult b = bind(sqlt, bytes);
        EXPECT_EQ(b.rc, 0) << sqlt;
        EXPECT_EQ(b.value, bytes) << sqlt;
        EXPECT_EQ(b.format, 1) << sqlt;
    }
    BindResult vbi = bind(SQLT_VBI, p16(3) + bytes + "junk");
    EXPECT_EQ(vbi.rc, 0);
    EXPECT_EQ(vbi.value, bytes);
    EXPECT_EQ(vbi.format, 1);
    BindResult lvb = bind(SQLT_LVB, p32(3) + bytes + "junk");
    EXPECT_EQ(lvb.rc, 0);
    EXPECT_EQ(lvb.value, bytes);
    EXPECT_EQ(lvb.format, 1);
}

struct RejectCase {
    const char *what;
    ub2 sqlt;
    Bytes buffer;
    ub4 size;  // passed as the buffer's size (may claim more than the bytes given)
};

void PrintTo(const RejectCase &c, std::ostream *os) { *os << c.what; }

class BindRejections : public Binary, public ::testing::WithParamInterface<RejectCase> {};

// Refused without a record (the bind collection reports it) and without a value.
TEST_P(BindRejections, RefusedWithoutRecord) {
    const RejectCase &c = GetParam();
    BindResult b = bind(c.sqlt, c.buffer.data(), c.size);
    EXPECT_EQ(b.rc, -1);
    EXPECT_EQ(b.value, std::nullopt);
    EXPECT_EQ(b.error, 0u);
}

const Bytes kBig(65536, 'b');

INSTANTIATE_TEST_SUITE_P(
    Binary, BindRejections,
    ::testing::Values(RejectCase{"vbi_length_0", SQLT_VBI, p16(0) + "ab", 4},
                      RejectCase{"vbi_length_65534", SQLT_VBI, p16(65534) + kBig, 65535},
                      RejectCase{"vbi_size_65536", SQLT_VBI, p16(10) + kBig, 65536},
                      RejectCase{"vbi_length_beyond_buffer", SQLT_VBI, p16(5) + "abc", 5},
                      RejectCase{"vbi_size_1", SQLT_VBI, Bytes("\x01", 1), 1},
                      RejectCase{"lvb_length_0", SQLT_LVB, p32(0) + "ab", 6},
                      RejectCase{"lvb_length_2147483643", SQLT_LVB, p32(2147483643u) + "ab", 6},
                      RejectCase{"lvb_length_beyond_buffer", SQLT_LVB, p32(3) + "ab", 6},
                      RejectCase{"lvb_size_3", SQLT_LVB, Bytes("\x01\x00\x00", 3), 3},
                      RejectCase{"lvb_size_2147483647", SQLT_LVB, p32(2) + "ab", 2147483647u},
                      RejectCase{"lbi_size_2147483647", SQLT_LBI, "ab", 2147483647u},
                      RejectCase{"bin_size_beyond_int", SQLT_BIN, "ab", 0xFFFFFFFFu}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(Binary, BindLimitsAndEmptyValues) {
    // The longest VBI value.
    Bytes longest = p16(65533) + Bytes(65533, 'z');
    BindResult vbi = bind(SQLT_VBI, longest);
    EXPECT_EQ(vbi.rc, 0);
    ASSERT_TRUE(vbi.value);
    EXPECT_EQ(vbi.value->size(), 65533u);
    // Null buffers, called directly (the driver turns them into NULL before).
    char *value = reinterpret_cast<char *>(1);
    ub4 length = 7;
    ub1 format = 7;
    for (BindConversion f : {ConvertSQLT_BINToBYTEAOID, ConvertSQLT_LBIToBYTEAOID, ConvertSQLT_VBIToBYTEAOID,
                             ConvertSQLT_LVBToBYTEAOID}) {
        EXPECT_EQ(f(err_, nullptr, 8, nullptr, &value, &length, &format), -1);
        EXPECT_EQ(value, nullptr);
        EXPECT_EQ(length, 0u);
    }
    // Size 0 is NULL with Oracle semantics and an empty value without them.
    EXPECT_EQ(bind(SQLT_BIN, "x", 0).value, std::nullopt);
    oracle_empty_strings(false);
    BindResult empty = bind(SQLT_BIN, "x", 0);
    EXPECT_EQ(empty.rc, 0);
    EXPECT_EQ(empty.value, Bytes());
    EXPECT_EQ(empty.format, 1);
}

// ---- bytea into every target ----

struct FetchCase {
    const char *what;
    Bytes value;  // as the server sends it
    int format;
    ub2 sqlt;
    ub4 cap;
    int rc;
    Bytes buffer;  // the whole destination afterwards ('~' untouched)
    ub4 length;
    sb2 ind;
    ub4 error;
};

void PrintTo(const FetchCase &c, std::ostream *os) { *os << c.what; }

class ByteaFetch : public Binary, public ::testing::WithParamInterface<FetchCase> {};

TEST_P(ByteaFetch, Write) {
    const FetchCase &c = GetParam();
    FetchResult out = fetch(PG_BYTEA, c.value, c.sqlt, c.cap, true, c.format);
    EXPECT_EQ(out.rc, c.rc);
    EXPECT_EQ(out.buffer, c.buffer);
    EXPECT_EQ(out.length, c.length);
    EXPECT_EQ(out.ind, c.ind);
    EXPECT_EQ(out.error, c.error);
    // The server's raw type takes the same road.
    FetchResult raw = fetch(PG_RAW, c.value, c.sqlt, c.cap, true, c.format);
    EXPECT_EQ(raw.buffer, out.buffer);
    EXPECT_EQ(raw.rc, out.rc);
}

// 00 FF 5C in the hex form, in the escape form and as raw bytes.
const Bytes kHex = "\\x00ff5c";
const Bytes kEscape = "\\000\\377\\\\";
const Bytes kRaw("\x00\xff\x5c", 3);
const Bytes kBytes = kRaw;

INSTANTIATE_TEST_SUITE_P(
    Characters, ByteaFetch,
    ::testing::Values(
        // SQLT_CHR (and SQLT_AFC, SQLT_LNG): blank-padded digits.
        FetchCase{"chr_hex_roomy", kHex, 0, SQLT_CHR, 8, 0, "00ff5c  ", 6, 0, 0},
        FetchCase{"chr_hex_exact", kHex, 0, SQLT_CHR, 6, 0, "00ff5c", 6, 0, 0},
        FetchCase{"chr_hex_one_short", kHex, 0, SQLT_CHR, 5, 1, "00ff5", 5, 1, 1406},
        FetchCase{"chr_hex_cap1", kHex, 0, SQLT_CHR, 1, 1, "0", 1, 5, 1406},
        FetchCase{"chr_cap0", kHex, 0, SQLT_CHR, 0, 0, "", 0, 0, 0},
        FetchCase{"chr_escape", kEscape, 0, SQLT_CHR, 8, 0, "00FF5C  ", 6, 0, 0},
        FetchCase{"chr_escape_one_short", kEscape, 0, SQLT_CHR, 5, 1, "00FF5", 5, 1, 1406},
        FetchCase{"chr_escape_cap1", kEscape, 0, SQLT_CHR, 1, 1, "0", 1, 5, 1406},
        FetchCase{"chr_binary", kRaw, 1, SQLT_CHR, 7, 0, "00FF5C ", 6, 0, 0},
        FetchCase{"chr_binary_one_short", kRaw, 1, SQLT_CHR, 5, 1, "00FF5", 5, 1, 1406},
        FetchCase{"afc_escape", kEscape, 0, SQLT_AFC, 7, 0, "00FF5C ", 6, 0, 0},
        FetchCase{"lng_hex", kHex, 0, SQLT_LNG, 7, 0, "00ff5c ", 6, 0, 0},
        FetchCase{"escape_with_octal", "ab\\001", 0, SQLT_CHR, 8, 0, "616201  ", 6, 0, 0},
        // SQLT_AVC: digits and a NUL, counted.
        FetchCase{"avc_roomy", kHex, 0, SQLT_AVC, 9, 0, Bytes("00ff5c\0~~", 9), 7, 0, 0},
        FetchCase{"avc_exact", kEscape, 0, SQLT_AVC, 7, 0, Bytes("00FF5C\0", 7), 7, 0, 0},
        FetchCase{"avc_one_short", kHex, 0, SQLT_AVC, 6, 1, Bytes("00ff5\0", 6), 6, 1, 1406},
        FetchCase{"avc_cap1", kRaw, 1, SQLT_AVC, 1, 1, Bytes("\0", 1), 1, 6, 1406},
        // SQLT_STR: digits and a NUL, not counted.
        FetchCase{"str_roomy", "\\x414243", 0, SQLT_STR, 10, 0, Bytes("414243\0~~~", 10), 6, 0, 0},
        FetchCase{"str_exact", kEscape, 0, SQLT_STR, 7, 0, Bytes("00FF5C\0", 7), 6, 0, 0},
        FetchCase{"str_one_short", kHex, 0, SQLT_STR, 6, 1, Bytes("00ff5\0", 6), 5, 1, 1406},
        FetchCase{"str_cap1", kRaw, 1, SQLT_STR, 1, 1, Bytes("\0", 1), 0, 6, 1406},
        FetchCase{"str_binary", kRaw, 1, SQLT_STR, 8, 0, Bytes("00FF5C\0~", 8), 6, 0, 0},
        // SQLT_VCS and SQLT_LVC: a length prefix, then the digits.
        FetchCase{"vcs_exact", kHex, 0, SQLT_VCS, 8, 0, p16(6) + "00ff5c", 8, 0, 0},
        FetchCase{"vcs_one_short", kEscape, 0, SQLT_VCS, 7, 1, p16(5) + "00FF5", 7, 1, 1406},
        FetchCase{"vcs_cap2", kHex, 0, SQLT_VCS, 2, 1, p16(0), 2, 6, 1406},
        FetchCase{"vcs_cap1", kHex, 0, SQLT_VCS, 1, -1, "~", 1, 0, 0},
        FetchCase{"lvc_exact", kRaw, 1, SQLT_LVC, 10, 0, p32(6) + "00FF5C", 10, 0, 0},
        FetchCase{"lvc_one_short", kHex, 0, SQLT_LVC, 9, 1, p32(5) + "00ff5", 9, 1, 1406},
        FetchCase{"lvc_cap4", kEscape, 0, SQLT_LVC, 4, 1, p32(0), 4, 6, 1406},
        FetchCase{"lvc_cap3", kHex, 0, SQLT_LVC, 3, -1, "~~~", 3, 0, 0}),
    [](const auto &info) { return std::string(info.param.what); });

INSTANTIATE_TEST_SUITE_P(
    Bytes, ByteaFetch,
    ::testing::Values(
        // SQLT_BIN and SQLT_LBI: the bytes; a cut tells the full length.
        FetchCase{"bin_hex_roomy", kHex, 0, SQLT_BIN, 5, 0, kBytes + "~~", 3, 0, 0},
        FetchCase{"bin_hex_exact", kHex, 0, SQLT_BIN, 3, 0, kBytes, 3, 0, 0},
        FetchCase{"bin_hex_one_short", kHex, 0, SQLT_BIN, 2, 1, kBytes.substr(0, 2), 2, 3, 1406},
        FetchCase{"bin_escape_exact", kEscape, 0, SQLT_BIN, 3, 0, kBytes, 3, 0, 0},
        FetchCase{"bin_escape_cap1", kEscape, 0, SQLT_BIN, 1, 1, kBytes.substr(0, 1), 1, 3, 1406},
        FetchCase{"bin_cap0", kHex, 0, SQLT_BIN, 0, 0, "", 0, 0, 0},
        FetchCase{"bin_abc", "\\x414243", 0, SQLT_BIN, 10, 0, "ABC~~~~~~~", 3, 0, 0},
        FetchCase{"bin_abc_cut", "\\x414243", 0, SQLT_BIN, 2, 1, "AB", 2, 3, 1406},
        // Binary format: the bytes copied; a cut tells the bytes lost.
        FetchCase{"bin_binary_exact", kRaw, 1, SQLT_BIN, 3, 0, kBytes, 3, 0, 0},
        FetchCase{"bin_binary_one_short", kRaw, 1, SQLT_BIN, 2, 1, kBytes.substr(0, 2), 2, 1, 1406},
        FetchCase{"lbi_escape", kEscape, 0, SQLT_LBI, 4, 0, kBytes + "~", 3, 0, 0},
        FetchCase{"lbi_binary_cap1", kRaw, 1, SQLT_LBI, 1, 1, kBytes.substr(0, 1), 1, 2, 1406},
        // SQLT_VBI and SQLT_LVB: a length prefix, then the bytes.
        FetchCase{"vbi_hex_exact", kHex, 0, SQLT_VBI, 5, 0, p16(3) + kBytes, 5, 0, 0},
        FetchCase{"vbi_escape_one_short", kEscape, 0, SQLT_VBI, 4, 1, p16(2) + kBytes.substr(0, 2), 4, 3, 1406},
        FetchCase{"vbi_binary_one_short", kRaw, 1, SQLT_VBI, 4, 1, p16(2) + kBytes.substr(0, 2), 4, 1, 1406},
        FetchCase{"vbi_cap2", kHex, 0, SQLT_VBI, 2, 1, p16(0), 2, 3, 1406},
        FetchCase{"vbi_cap1", kHex, 0, SQLT_VBI, 1, -1, "~", 1, 0, 0},
        FetchCase{"lvb_binary_exact", kRaw, 1, SQLT_LVB, 7, 0, p32(3) + kBytes, 7, 0, 0},
        FetchCase{"lvb_hex_one_short", kHex, 0, SQLT_LVB, 6, 1, p32(2) + kBytes.substr(0, 2), 6, 3, 1406},
        FetchCase{"lvb_cap3", kHex, 0, SQLT_LVB, 3, -1, "~~~", 3, 0, 0}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(Binary, MalformedByteaTextIs1465) {
    for (ub2 sqlt : {SQLT_CHR, SQLT_AVC, SQLT_STR, SQLT_VCS, SQLT_LVC, SQLT_BIN, SQLT_LBI, SQLT_VBI, SQLT_LVB}) {
        for (const Bytes &v : {Bytes("ab\\9"), Bytes("\\x4"), Bytes("\\x4g41")}) {
            SCOPED_TRACE(std::to_string(sqlt) + " " + v);
            FetchResult out = fetch(PG_BYTEA, v, sqlt, 16);
            EXPECT_EQ(out.rc, -1);
            EXPECT_EQ(out.error, 1465u);
            // The caller's capacity stays.
            EXPECT_EQ(out.length, 16u);
        }
    }
}

TEST_F(Binary, EmptyByteaIsNullInEveryForm) {
    struct Empty {
        Bytes value;
        int format;
    };
    for (const Empty &e : {Empty{"", 0}, Empty{"\\x", 0}, Empty{"", 1}}) {
        for (ub2 sqlt : {SQLT_CHR, SQLT_STR, SQLT_VCS, SQLT_BIN, SQLT_VBI, SQLT_LVB}) {
            SCOPED_TRACE(std::to_string(sqlt) + " " + e.value);
            FetchResult out = fetch(PG_BYTEA, e.value, sqlt, 8, true, e.format);
            EXPECT_EQ(out.rc, 0);
            EXPECT_EQ(out.ind, -1);
            EXPECT_EQ(out.rcode, 1405);
            // Without an indicator it is recorded.
            FetchResult bare = fetch(PG_BYTEA, e.value, sqlt, 8, false, e.format);
            EXPECT_EQ(bare.rc, 1);
            EXPECT_EQ(bare.error, 1405u);
        }
    }
    // Formats other than text and binary are refused.
    EXPECT_EQ(fetch(PG_BYTEA, kHex, SQLT_BIN, 8, true, 2).rc, -1);
}

TEST_F(Binary, CutsWithoutIndicatorAreReportedAndKeepWhatFits) {
    FetchResult bin = fetch(PG_BYTEA, kRaw, SQLT_BIN, 2, false, 1);
    EXPECT_EQ(bin.rc, 1);
    EXPECT_EQ(bin.error, 1406u);
    EXPECT_EQ(bin.buffer, kBytes.substr(0, 2));
    FetchResult vbi = fetch(PG_BYTEA, kRaw, SQLT_VBI, 3, false, 1);
    EXPECT_EQ(vbi.rc, 1);
    EXPECT_EQ(vbi.error, 1406u);
    EXPECT_EQ(vbi.buffer, p16(1) + kBytes.substr(0, 1));
    FetchResult chr = fetch(PG_BYTEA, kHex, SQLT_CHR, 3, false);
    EXPECT_EQ(chr.rc, 1);
    EXPECT_EQ(chr.error, 1406u);
}

TEST_F(Binary, LongValuesAndTheSixteenBitPrefix) {
    // 70000 bytes: the indicator cannot tell the length, and VBI holds 65535 at most.
    const Bytes bytes(70000, '\x5c');
    Bytes hex = "\\x";
    for (std::size_t i = 0; i < bytes.size(); ++i) hex += "5c";
    FetchResult bin = fetch(PG_BYTEA, hex, SQLT_BIN, 10);
    EXPECT_EQ(bin.rc, 1);
    EXPECT_EQ(bin.ind, -2);
    EXPECT_EQ(bin.buffer, bytes.substr(0, 10));
    FetchResult vbi = fetch(PG_BYTEA, bytes, SQLT_VBI, 80000, true, 1);
    EXPECT_EQ(vbi.rc, 1);
    EXPECT_EQ(vbi.length, 65537u);
    EXPECT_EQ(vbi.buffer.substr(0, 2), p16(65535));
    EXPECT_EQ(vbi.ind, 70000 - 65535);
    FetchResult lvb = fetch(PG_BYTEA, bytes, SQLT_LVB, 80000, true, 1);
    EXPECT_EQ(lvb.rc, 0);
    EXPECT_EQ(lvb.buffer.substr(0, 4 + 70000), p32(70000) + bytes);
    FetchResult chr = fetch(PG_BYTEA, hex, SQLT_CHR, 100);
    EXPECT_EQ(chr.ind, -2);
}

TEST_F(Binary, OciStringTarget) {
    // An existing string keeps its size and room for the NUL.
    OCIString *s = nullptr;
    ASSERT_TRUE(string_assign_bytes(&s, "xxxxx", 5));
    ub4 len = sizeof s;
    sb2 ind = 0;
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType(err_, PG_BYTEA, kHex.c_str(), static_cast<int>(kHex.size()), 0, SQLT_VST, &s, &len, &ind,
                         nullptr, false),
              1);
    EXPECT_STREQ(s->text, "00ff");
    EXPECT_EQ(s->size, 4u);
    EXPECT_EQ(ind, 2);
    EXPECT_EQ(first_error(), 1406u);
    // A failed rendering leaves it empty.
    EXPECT_EQ(PQ2OCIType(err_, PG_BYTEA, "\\9", 2, 0, SQLT_VST, &s, &len, &ind, nullptr, false), -1);
    EXPECT_EQ(s->size, 0u);
    EXPECT_STREQ(s->text, "");
    std::free(s->text);
    std::free(s);
    // Without a string one is made for all the digits.
    OCIString *made = nullptr;
    EXPECT_EQ(PQ2OCIType(err_, PG_BYTEA, kEscape.c_str(), static_cast<int>(kEscape.size()), 0, SQLT_VST, &made, &len,
                         &ind, nullptr, false),
              0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(Bytes(made->text, made->size), "00FF5C");
    std::free(made->text);
    std::free(made);
    // A capacity below a pointer's is refused.
    ub4 small = 3;
    EXPECT_EQ(PQ2OCIType(err_, PG_BYTEA, "\\x41", 4, 0, SQLT_VST, &made, &small, &ind, nullptr, false), -1);
}

// ---- text into the binary targets ----

struct TextCase {
    const char *what;
    bool oracle;
    Bytes value;
    ub2 sqlt;
    ub4 cap;
    int rc;
    Bytes buffer;
    ub4 length;
    sb2 ind;
    ub4 error;
};

void PrintTo(const TextCase &c, std::ostream *os) { *os << c.what; }

class TextToBinary : public Binary, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextToBinary, Write) {
    const TextCase &c = GetParam();
    oracle_empty_strings(c.oracle);
    for (Oid oid : {PG_VARCHAR, PG_TEXT, PG_BPCHAR}) {
        FetchResult out = fetch(oid, c.value, c.sqlt, c.cap);
        EXPECT_EQ(out.rc, c.rc) << oid;
        EXPECT_EQ(out.buffer, c.buffer) << oid;
        EXPECT_EQ(out.length, c.length) << oid;
        EXPECT_EQ(out.ind, c.ind) << oid;
        EXPECT_EQ(out.error, c.error) << oid;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextToBinary,
    ::testing::Values(
        TextCase{"own_bytes", true, "abc", SQLT_BIN, 4, 0, "abc~", 3, 0, 0},
        TextCase{"hex_form", true, "\\x4a", SQLT_BIN, 4, 0, "J~~~", 1, 0, 0},
        TextCase{"escapes", true, "a\\\\b\\101", SQLT_LBI, 4, 0, "a\\bA", 4, 0, 0},
        TextCase{"cut", true, "abc", SQLT_BIN, 2, 1, "ab", 2, 3, 1406},
        TextCase{"cap0", true, "abc", SQLT_BIN, 0, 0, "", 0, 0, 0},
        TextCase{"bad_escape_restores_length", true, "a\\b", SQLT_BIN, 4, -1, "a~~~", 4, 0, 1465},
        TextCase{"empty_on_is_null", true, "", SQLT_BIN, 4, 0, "~~~~", 4, -1, 0},
        TextCase{"empty_off_is_empty", false, "", SQLT_BIN, 4, 0, "~~~~", 0, 0, 0},
        TextCase{"vbi", true, "abc", SQLT_VBI, 6, 0, p16(3) + "abc~", 5, 0, 0},
        TextCase{"vbi_cut", true, "abc", SQLT_VBI, 4, 1, p16(2) + "ab", 4, 3, 1406},
        TextCase{"vbi_cap1", true, "abc", SQLT_VBI, 1, -1, "~", 1, 0, 0},
        TextCase{"lvb", true, "\\x00ff", SQLT_LVB, 6, 0, p32(2) + Bytes("\x00\xff", 2), 6, 0, 0},
        TextCase{"lvb_cap3", true, "abc", SQLT_LVB, 3, -1, "~~~", 3, 0, 0},
        TextCase{"lvb_empty_off", false, "", SQLT_LVB, 6, 0, p32(0) + "~~", 4, 0, 0}),
    [](const auto &info) { return std::string(info.param.what); });

// ---- the shared routines ----

TEST_F(Binary, SharedRoutinesWithinTheirCapacity) {
    char buf[8];
    ub4 len = 4;
    sb2 ind = 0;
    // A hex-form cut is reported like any other, with the characters lost.
    EXPECT_EQ(ConvertPQBinStrToOCIBinStr(err_, "\\x010203", 8, buf, &len, &ind), 1);
    EXPECT_EQ(Bytes(buf, len), "0102");
    EXPECT_EQ(ind, 2);
    len = 0;
    EXPECT_EQ(ConvertPQBinStrToOCIBinStr(err_, "", 0, buf, &len, &ind), 0);
    EXPECT_EQ(len, 0u);
    len = 8;
    EXPECT_EQ(ConvertBinaryToString(err_, "\x01\xab", 2, buf, &len, &ind), 0);
    EXPECT_EQ(Bytes(buf, len), "01AB");
    len = 3;
    EXPECT_EQ(ConvertBinaryToString(err_, "\x01\xab", 2, buf, &len, nullptr), 1);
    EXPECT_EQ(Bytes(buf, len), "01A");
    len = 1;
    _ClearErrorHandle(err_);
    EXPECT_EQ(ConvertStringToBinary(err_, "\\x0102", 6, buf, &len, &ind), 1);
    EXPECT_EQ(ind, 2);
    EXPECT_EQ(len, 1u);
    EXPECT_EQ(first_error(), 1406u);
    len = 8;
    _ClearErrorHandle(err_);
    EXPECT_EQ(ConvertStringToBinary(err_, "\\", 1, buf, &len, &ind), -1);
    EXPECT_EQ(first_error(), 1465u);
    EXPECT_EQ(len, 8u);
}

// ---- NULL values ----

TEST_F(Binary, ServerNullWithoutIndicatorIsRecorded) {
    char buf[4] = {'~', '~', '~', '~'};
    ub4 len = 4;
    ub2 rcode = 0;
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType(err_, PG_BYTEA, "", 0, 0, SQLT_BIN, buf, &len, nullptr, &rcode, true), 1);
    EXPECT_EQ(rcode, 1405);
    EXPECT_EQ(first_error(), 1405u);
    EXPECT_EQ(Bytes(buf, 4), "~~~~");
    // PQ2OCIType_2 and the found-function road alike.
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType_2(err_, PG_TEXT, "", 0, 0, SQLT_STR, buf, &len, nullptr, nullptr, nullptr, true), 1);
    EXPECT_EQ(first_error(), 1405u);
    _ClearErrorHandle(err_);
    EXPECT_EQ(PQ2OCIType_with(nullptr, err_, PG_TEXT, "", 0, 0, SQLT_STR, buf, &len, nullptr, nullptr, true), 1);
    EXPECT_EQ(first_error(), 1405u);
    EXPECT_EQ(Bytes(buf, 4), "~~~~");
}

TEST_F(Binary, RawTypeCodesShareTheByteaConversions) {
    for (Oid raw : {PG_RAW, PG_RAW_ALT, PG_RAW_ALT2}) {
        EXPECT_EQ(findPQToOCIConversion(raw, SQLT_BIN, nullptr), ConvertBYTEAOIDToSQLT_BIN) << raw;
        EXPECT_EQ(findPQToOCIConversion(raw, SQLT_AFC, nullptr), ConvertBYTEAOIDToSQLT_CHR) << raw;
        EXPECT_EQ(findPQToOCIConversion(raw, SQLT_VST, nullptr), ConvertBYTEAOIDToSQLT_VST) << raw;
    }
    FetchResult alt = fetch(PG_RAW_ALT, kHex, SQLT_VBI, 8);
    EXPECT_EQ(alt.buffer, p16(3) + kBytes + "~~~");
}

}  // namespace
