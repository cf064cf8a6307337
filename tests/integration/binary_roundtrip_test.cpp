// Binary values through the server: RAW binds landing in bytea and raw columns, bytea
// read back in either of the server's text forms into every character and binary
// target, text into binary targets, and NULLs fetched where no indicator can take them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "oci_session_test.h"

namespace {

using vsk::test::ot;
using Bytes = std::string;

// The awkward bytes: NUL, backslash, 0xFF, a quote, a newline, and a plain letter.
const Bytes kValue("\x00\x5c\xff\x27\x0a\x41", 6);
const char *const kLowerHex = "005cff270a41";
const char *const kUpperHex = "005CFF270A41";

Bytes p16(ub2 n) { return Bytes(reinterpret_cast<const char *>(&n), 2); }
Bytes p32(ub4 n) { return Bytes(reinterpret_cast<const char *>(&n), 4); }

class BinaryRoundTrip : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS bin_vals; CREATE TABLE bin_vals (k text, b bytea)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS bin_vals; DROP TABLE IF EXISTS bin_raw_vals");
    }
    void bind_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr) {
        OCIBind *b = nullptr;
        ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, pos, buf, size, dty, ind, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
    }
    void define_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr, ub2 *rlen = nullptr) {
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, pos, buf, size, dty, ind, rlen, nullptr, OCI_DEFAULT), OCI_SUCCESS)
            << error().second;
    }
    // The session's bytea text form, kept past the transaction.
    void bytea_output(const std::string &form) {
        ASSERT_TRUE(run("SET bytea_output = '" + form + "'", OCI_COMMIT_ON_SUCCESS));
    }
    // Inserts kValue under k, bound as dty in the layout given.
    void insert(const std::string &k, ub2 dty, Bytes buffer) {
        ASSERT_EQ(prepare("insert into bin_vals (k, b) values ('" + k + "', :1)"), OCI_SUCCESS);
        bind_pos(1, buffer.data(), static_cast<sb4>(buffer.size()), dty);
        ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << k << ": " << error().second;
    }
    bool raw_type_available() { return side_value("select count(*) from pg_type where typname = 'raw'") == "1"; }
};

TEST_F(BinaryRoundTrip, EachBinaryBindLandsInByteaAndComesBack) {
    insert("1bin", SQLT_BIN, kValue);
    insert("2vbi", SQLT_VBI, p16(6) + kValue);
    insert("3lbi", SQLT_LBI, kValue);
    insert("4lvb", SQLT_LVB, p32(6) + kValue);
    EXPECT_EQ(side_value("select string_agg(encode(b, 'hex'), ',' order by k) from bin_vals"),
              std::string(kLowerHex) + "," + kLowerHex + "," + kLowerHex + "," + kLowerHex);

    // Read back without libpq: four rows at once into SQLT_BIN.
    ASSERT_EQ(prepare("select b from bin_vals order by k"), OCI_SUCCESS);
    char bytes[4][16] = {};
    sb2 ind[4] = {};
    ub2 rlen[4] = {};
    define_pos(1, bytes, sizeof bytes[0], SQLT_BIN, ind, rlen);
    ASSERT_EQ(execute(4), OCI_SUCCESS) << error().second;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ind[i], 0) << i;
        ASSERT_EQ(rlen[i], kValue.size()) << i;
        EXPECT_EQ(Bytes(bytes[i], rlen[i]), kValue) << i;
    }
}

TEST_F(BinaryRoundTrip, OversizedOrMalformedBindsAreRefused) {
    // A VBI whose prefix claims more than its buffer holds, and one of length 0.
    Bytes lying = p16(40) + "ab";
    ASSERT_EQ(prepare("insert into bin_vals (k, b) values ('x', :1)"), OCI_SUCCESS);
    bind_pos(1, lying.data(), static_cast<sb4>(lying.size()), SQLT_VBI);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(code(), 16530) << error().second;
    Bytes empty = p16(0) + "ab";
    bind_pos(1, empty.data(), static_cast<sb4>(empty.size()), SQLT_VBI);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(side_value("select count(*) from bin_vals"), "0");
}

// One column per target: bytea read back in the server's current text form.
struct Targets {
    char chr[16], afc[14], lng[16], avc[16], str[16], vcs[16], lvc[18];
    char bin[8], lbi[8], vbi[10], lvb[12];
    ub2 rlen[11];
    sb2 ind[11];
};

class ByteaForms : public BinaryRoundTrip, public ::testing::WithParamInterface<const char *> {};

TEST_P(ByteaForms, EveryTargetFromEachForm) {
    const std::string form = GetParam();
    const std::string digits = form == "hex" ? kLowerHex : kUpperHex;
    insert("v", SQLT_BIN, kValue);
    bytea_output(form);
    ASSERT_EQ(prepare("select b, b, b, b, b, b, b, b, b, b, b from bin_vals"), OCI_SUCCESS);
    Targets t;
    std::memset(&t, '~', sizeof t);
    const ub2 types[] = {SQLT_CHR, SQLT_AFC, SQLT_LNG, SQLT_AVC, SQLT_STR, SQLT_VCS,
                         SQLT_LVC, SQLT_BIN, SQLT_LBI, SQLT_VBI, SQLT_LVB};
    char *bufs[] = {t.chr, t.afc, t.lng, t.avc, t.str, t.vcs, t.lvc, t.bin, t.lbi, t.vbi, t.lvb};
    const sb4 sizes[] = {sizeof t.chr, sizeof t.afc, sizeof t.lng, sizeof t.avc, sizeof t.str, sizeof t.vcs,
                         sizeof t.lvc, sizeof t.bin, sizeof t.lbi, sizeof t.vbi, sizeof t.lvb};
    for (ub4 i = 0; i < 11; ++i) define_pos(i + 1, bufs[i], sizes[i], types[i], &t.ind[i], &t.rlen[i]);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    for (int i = 0; i < 11; ++i) EXPECT_EQ(t.ind[i], 0) << "column " << i + 1;

    EXPECT_EQ(Bytes(t.chr, 16), digits + "    ");
    EXPECT_EQ(t.rlen[0], 12);
    EXPECT_EQ(Bytes(t.lng, 16), digits + "    ");
    EXPECT_EQ(Bytes(t.avc, 13), digits + Bytes(1, '\0'));
    EXPECT_EQ(t.rlen[3], 13);
    EXPECT_STREQ(t.str, digits.c_str());
    EXPECT_EQ(t.rlen[4], 12);
    EXPECT_EQ(Bytes(t.vcs, 14), p16(12) + digits);
    EXPECT_EQ(Bytes(t.lvc, 16), p32(12) + digits);
    EXPECT_EQ(Bytes(t.bin, 6), kValue);
    EXPECT_EQ(t.rlen[7], 6);
    EXPECT_EQ(Bytes(t.lbi, 6), kValue);
    EXPECT_EQ(Bytes(t.vbi, 8), p16(6) + kValue);
    EXPECT_EQ(t.rlen[9], 8);
    EXPECT_EQ(Bytes(t.lvb, 10), p32(6) + kValue);
    EXPECT_EQ(Bytes(t.afc, 14), digits + "  ");
}

TEST_P(ByteaForms, CutsAreReportedInEitherForm) {
    insert("v", SQLT_BIN, kValue);
    bytea_output(GetParam());
    ASSERT_EQ(prepare("select b, b from bin_vals"), OCI_SUCCESS);
    char bin[4], chr[5];
    sb2 ind[2] = {};
    ub2 rlen[2] = {};
    define_pos(1, bin, sizeof bin, SQLT_BIN, &ind[0], &rlen[0]);
    define_pos(2, chr, sizeof chr, SQLT_CHR, &ind[1], &rlen[1]);
    EXPECT_EQ(execute(1), OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(code(), 1406) << error().second;
    EXPECT_EQ(Bytes(bin, 4), kValue.substr(0, 4));
    EXPECT_EQ(ind[0], 6) << "the value's full length";
    EXPECT_EQ(ind[1], 12 - 5) << "the characters lost";
    EXPECT_EQ(rlen[1], 5);
}

INSTANTIATE_TEST_SUITE_P(Forms, ByteaForms, ::testing::Values("hex", "escape"));

// Byte targets beside text columns take the rows in the server's binary form: every
// byte value, empty values (NULL, as the vendor's server has them), NULLs and
// multibyte text survive batches that are read ahead, and a character define on the
// same statement's next execution still gets the server's hex digits.
TEST_F(BinaryRoundTrip, ByteTargetsBesideTextAcrossBatches) {
    ASSERT_TRUE(exec_ok("insert into bin_vals select 'z\u00e9' || i, case when i % 7 = 0 then null "
                        "when i % 7 = 1 then ''::bytea else decode(repeat(lpad(to_hex(i % 256), 2, '0'), i % 40) || "
                        "'005cff', 'hex') end from generate_series(1, 250) i"));
    ASSERT_EQ(prepare("select k, b from bin_vals order by k"), OCI_SUCCESS);
    constexpr int kBatch = 40;
    char keys[kBatch][16] = {};
    char bytes[kBatch][64] = {};
    sb2 kind[kBatch] = {}, bind_[kBatch] = {};
    ub2 klen[kBatch] = {}, blen[kBatch] = {};
    define_pos(1, keys, sizeof keys[0], SQLT_CHR, kind, klen);
    define_pos(2, bytes, sizeof bytes[0], SQLT_BIN, bind_, blen);
    const vsk::test::PgResult expected(
        PQexec(conn(), "select k, b is null, encode(b, 'hex') from bin_vals order by k"));
    ASSERT_EQ(PQntuples(expected.get()), 250);
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    int row = 0;
    for (;;) {
        const sword rc = OCIStmtFetch2(stmt_, err_, kBatch, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        ASSERT_TRUE(rc == OCI_SUCCESS || rc == OCI_NO_DATA) << error().second;
        ub4 got = 0;
        OCIAttrGet(stmt_, OCI_HTYPE_STMT, &got, nullptr, OCI_ATTR_ROWS_FETCHED, err_);
        for (ub4 j = 0; j < got; ++j, ++row) {
            EXPECT_EQ(std::string(keys[j], klen[j]), PQgetvalue(expected.get(), row, 0)) << row;
            const bool null = *PQgetvalue(expected.get(), row, 1) == 't' || !*PQgetvalue(expected.get(), row, 2);
            EXPECT_EQ(bind_[j], null ? -1 : 0) << row;
            if (!null) {
                Bytes hex;
                for (ub2 i = 0; i < blen[j]; ++i) {
                    char two[3];
                    std::snprintf(two, sizeof two, "%02x", static_cast<unsigned char>(bytes[j][i]));
                    hex += two;
                }
                EXPECT_EQ(hex, PQgetvalue(expected.get(), row, 2)) << row;
            }
        }
        if (rc == OCI_NO_DATA) break;
    }
    EXPECT_EQ(row, 250);

    char text[130] = {};
    sb2 tind = 0;
    ASSERT_EQ(prepare("select b from bin_vals where k = 'z\u00e94'"), OCI_SUCCESS);
    define_pos(1, text, sizeof text, SQLT_STR, &tind);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(std::string(text), "04040404005cff");
}

TEST_F(BinaryRoundTrip, RawDomainColumns) {
    if (!raw_type_available()) GTEST_SKIP() << "the server setup made no raw type";
    ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS bin_raw_vals; CREATE TABLE bin_raw_vals (r raw)"));
    Bytes vbi = p16(6) + kValue;
    ASSERT_EQ(prepare("insert into bin_raw_vals (r) values (:1)"), OCI_SUCCESS);
    bind_pos(1, vbi.data(), static_cast<sb4>(vbi.size()), SQLT_VBI);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select encode(r, 'hex') from bin_raw_vals"), kLowerHex);

    ASSERT_EQ(prepare("select r, r, '\\x0102'::raw from bin_raw_vals"), OCI_SUCCESS);
    char bin[8] = {}, str[16] = {}, lit[4] = {};
    ub2 rlen[3] = {};
    define_pos(1, bin, sizeof bin, SQLT_BIN, nullptr, &rlen[0]);
    define_pos(2, str, sizeof str, SQLT_STR, nullptr, &rlen[1]);
    define_pos(3, lit, sizeof lit, SQLT_BIN, nullptr, &rlen[2]);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(Bytes(bin, rlen[0]), kValue);
    EXPECT_STREQ(str, kLowerHex);
    EXPECT_EQ(Bytes(lit, rlen[2]), Bytes("\x01\x02", 2));
}

TEST_F(BinaryRoundTrip, TextIntoBinaryTargets) {
    ASSERT_EQ(prepare("select 'abc'::varchar, '\\x4a'::text, 'a\\\\b'::bpchar(4), 'zz'::varchar"), OCI_SUCCESS);
    char abc[8] = {}, hex[4] = {}, esc[8] = {}, vbi[8] = {};
    ub2 rlen[4] = {};
    define_pos(1, abc, sizeof abc, SQLT_BIN, nullptr, &rlen[0]);
    define_pos(2, hex, sizeof hex, SQLT_LBI, nullptr, &rlen[1]);
    define_pos(3, esc, sizeof esc, SQLT_BIN, nullptr, &rlen[2]);
    define_pos(4, vbi, sizeof vbi, SQLT_VBI, nullptr, &rlen[3]);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(Bytes(abc, rlen[0]), "abc");
    EXPECT_EQ(Bytes(hex, rlen[1]), "\x4a");
    EXPECT_EQ(Bytes(esc, rlen[2]), "a\\b");
    EXPECT_EQ(Bytes(vbi, rlen[3]), p16(2) + "zz");

    // A backslash the bytea forms do not allow.
    ASSERT_EQ(prepare("select 'a\\b'::text"), OCI_SUCCESS);
    define_pos(1, abc, sizeof abc, SQLT_BIN);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 1465) << error().second;
}

// ---- NULL without an indicator ----

TEST_F(BinaryRoundTrip, NullIntoStringWithoutIndicatorFails) {
    ASSERT_EQ(prepare("select null::varchar"), OCI_SUCCESS);
    char buf[8] = "~~~~~~~";
    define_pos(1, buf, sizeof buf, SQLT_STR);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_STREQ(buf, "~~~~~~~");
    // With an indicator the NULL is simply reported there.
    sb2 ind = 0;
    define_pos(1, buf, sizeof buf, SQLT_STR, &ind);
    EXPECT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(ind, -1);
}

TEST_F(BinaryRoundTrip, NullThroughTheGeneralPathFails) {
    ASSERT_EQ(prepare("select null::bytea, null::int4, 'x'::varchar"), OCI_SUCCESS);
    char bin[4];
    int i4 = 7;
    char chr[4];
    define_pos(1, bin, sizeof bin, SQLT_BIN);
    define_pos(2, &i4, sizeof i4, SQLT_INT);
    define_pos(3, chr, sizeof chr, SQLT_CHR);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_EQ(i4, 7);
    EXPECT_EQ(Bytes(chr, 4), "x   ") << "the other columns are still delivered";
}

TEST_F(BinaryRoundTrip, ArrayFetchDeliversTheOtherRowsAndGoesOn) {
    const std::string sql = "select v from (values (1, 'a'), (2, null), (3, 'c'), (4, 'd')) t(n, v) order by n";
    char v[3][4] = {};
    // Rows fetched by the execution itself.
    ASSERT_EQ(prepare(sql), OCI_SUCCESS);
    define_pos(1, v, sizeof v[0], SQLT_STR);
    EXPECT_EQ(execute(3), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_STREQ(v[0], "a");
    EXPECT_STREQ(v[2], "c");
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 3u);
    // The cursor goes on after the failed batch.
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 3, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 1u);
    EXPECT_STREQ(v[0], "d");

    // Rows fetched by OCIStmtFetch2.
    std::memset(v, 0, sizeof v);
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 3, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_STREQ(v[0], "a");
    EXPECT_STREQ(v[2], "c");
    ASSERT_EQ(OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_NEXT, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(v[0], "d");

    // One row at a time out of a prefetched batch: only the NULL row fails.
    ub4 prefetch = 4;
    ASSERT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &prefetch, 0, OCI_ATTR_PREFETCH_ROWS, err_), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(v[0], "a");
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 1405);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(v[0], "c");
}

class NullOutBind : public BinaryRoundTrip {
protected:
    void SetUp() override {
        BinaryRoundTrip::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok(
            "CREATE OR REPLACE PROCEDURE bin_clear(who text, INOUT x text) LANGUAGE plpgsql AS "
            "$$ BEGIN x := CASE WHEN who = 'keep' THEN 'kept' END; END $$;"
            "CREATE OR REPLACE FUNCTION bin_nothing(x text) RETURNS text LANGUAGE sql AS $$ SELECT NULL::text $$;"));
    }
    void TearDown() override {
        BinaryRoundTrip::TearDown();
        exec_ok("DROP PROCEDURE IF EXISTS bin_clear(text, text); DROP FUNCTION IF EXISTS bin_nothing(text)");
    }
};

TEST_F(NullOutBind, NullOutValueWithoutIndicatorFails) {
    char who[8] = "drop", x[8] = "before";
    ASSERT_EQ(prepare("BEGIN bin_clear(:who, :x); END;"), OCI_SUCCESS);
    // The IN argument has no indicator either: only the OUT value counts.
    ASSERT_EQ(bind_text(":who", who, sizeof who), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":x", x, sizeof x), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_STREQ(who, "drop");

    // A value that is not NULL comes back as ever.
    std::strcpy(who, "keep");
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(x, "kept");

    // With an indicator the NULL is told there.
    sb2 ind = 0;
    std::strcpy(who, "drop");
    ASSERT_EQ(bind_text(":x", x, sizeof x, &ind), OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_EQ(ind, -1);
}

TEST_F(NullOutBind, NullFunctionResultWithoutIndicatorFails) {
    char r[8] = "before", x[4] = "a";
    ASSERT_EQ(prepare("BEGIN :r := bin_nothing(:x); END;"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":r", r, sizeof r), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":x", x, sizeof x), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(code(), 1405) << error().second;
    EXPECT_STREQ(r, "before");
}

}  // namespace
