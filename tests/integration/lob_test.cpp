// LOB locators through the server: bytea and text columns fetched into locators, server
// large objects in oid columns, temporary LOBs written and bound, locator copies, and
// the errors of writing where the library cannot address the value.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lob_support.h"
#include "oci_session_test.h"

namespace {

using Bytes = std::string;
using vsk::test::u16;

constexpr std::size_t kMiB = 1 << 20;

Bytes pattern(std::size_t n) {
    Bytes b(n, '\0');
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    return b;
}

class Lob : public vsk::test::OciSessionTest {
protected:
    virtual std::string sql(const std::string &s) const { return s; }
    // Character LOBs are counted in the client's character set: UTF-8 here, or UTF-16.
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS lob_vals; CREATE TABLE lob_vals (k int, b bytea, c text, "
                            "v varchar(20), f char(6), o oid)"));
        constexpr ub2 kUtf8 = 6;
        ASSERT_EQ(OCIEnvNlsCreate(&env_, env_mode(), nullptr, nullptr, nullptr, nullptr, 0, nullptr, kUtf8, kUtf8),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        const std::string u = sql(user()), link = sql(dblink());
        ASSERT_EQ(OCILogon(env_, err_, &svc_, vsk::test::ot(u), vsk::test::len(u), vsk::test::ot(u),
                           vsk::test::len(u), vsk::test::ot(link), vsk::test::len(link)),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS lob_vals");
    }

    OCILobLocator *locator() { return vsk::test::new_locator(env_); }
    // Runs sql with the locator bound as dty to its one placeholder, and commits.
    sword run_with(const std::string &text, OCILobLocator **loc, ub2 dty) {
        EXPECT_EQ(prepare(sql(text)), OCI_SUCCESS);
        OCIBind *b = nullptr;
        EXPECT_EQ(OCIBindByPos(stmt_, &b, err_, 1, loc, sizeof *loc, dty, nullptr, nullptr, nullptr, 0, nullptr,
                               OCI_DEFAULT),
                  OCI_SUCCESS);
        return execute(1, OCI_COMMIT_ON_SUCCESS);
    }
    // Stores a row through the side connection, bytes as a binary parameter.
    void put_row(int k, const Bytes &b, const std::string &c = "") {
        const std::string key = std::to_string(k);
        const char *values[3] = {key.c_str(), b.data(), c.c_str()};
        const int lengths[3] = {0, static_cast<int>(b.size()), 0};
        const int formats[3] = {0, 1, 0};
        vsk::test::PgResult r(PQexecParams(conn(), "insert into lob_vals (k, b, c) values ($1, $2, $3)", 3, nullptr,
                                           values, lengths, formats, 0));
        ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << PQerrorMessage(conn());
    }
    // Runs a one-column query and fetches its first row into loc as dty.
    sword fetch_into(const std::string &text, ub2 dty, OCILobLocator **loc, sb2 *ind) {
        EXPECT_EQ(prepare(sql(text)), OCI_SUCCESS);
        OCIDefine *d = nullptr;
        EXPECT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, loc, sizeof *loc, dty, ind, nullptr, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        return execute(1);
    }
    // The whole value through OCILobRead2 in one piece.
    Bytes read_all(OCILobLocator *loc, ub2 csid = 0) {
        oraub8 length = 0;
        EXPECT_EQ(OCILobGetLength2(svc_, err_, loc, &length), OCI_SUCCESS) << error().second;
        Bytes buf(length * 4 + 1, '\0');
        oraub8 bytes = 0, chars = length;
        ub1 csfrm = 0;
        OCILobCharSetForm(env_, err_, loc, &csfrm);
        if (!csfrm) bytes = length;
        EXPECT_EQ(OCILobRead2(svc_, err_, loc, &bytes, &chars, 1, buf.data(), buf.size(), OCI_ONE_PIECE, nullptr,
                              nullptr, csid, csfrm),
                  OCI_SUCCESS)
            << error().second;
        buf.resize(bytes);
        return buf;
    }
    // The value in polled pieces of at most piece bytes; the pieces' sizes to *sizes.
    Bytes read_polled(OCILobLocator *loc, std::size_t piece, std::vector<oraub8> *sizes = nullptr) {
        Bytes out, buf(piece, '\0');
        ub1 code = OCI_FIRST_PIECE;
        for (int guard = 0; guard < 100000; ++guard) {
            oraub8 bytes = 0, chars = 0;
            const sword rc = OCILobRead2(svc_, err_, loc, &bytes, &chars, 1, buf.data(), buf.size(), code, nullptr,
                                         nullptr, 0, 0);
            out.append(buf.data(), bytes);
            if (sizes) sizes->push_back(bytes);
            if (rc != OCI_NEED_DATA) {
                EXPECT_EQ(rc, OCI_SUCCESS) << error().second;
                break;
            }
            code = OCI_NEXT_PIECE;
        }
        return out;
    }
    std::string side(const std::string &sql) { return side_value(sql); }
};


// ---------------------------------------------------------------- bytea columns

class ByteaSizes : public Lob, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(ByteaSizes, FetchedValueReadsWholeInPiecesAndThroughCallbacks) {
    const Bytes value = pattern(GetParam());
    put_row(1, value);
    OCILobLocator *loc = locator();
    sb2 ind = 5;
    ASSERT_EQ(fetch_into("select b from lob_vals", SQLT_BLOB, &loc, &ind), OCI_SUCCESS) << error().second;
    EXPECT_EQ(ind, 0);
    oraub8 len8 = 99;
    ub4 len4 = 99;
    ASSERT_EQ(OCILobGetLength2(svc_, err_, loc, &len8), OCI_SUCCESS);
    ASSERT_EQ(OCILobGetLength(svc_, err_, loc, &len4), OCI_SUCCESS);
    EXPECT_EQ(len8, value.size());
    EXPECT_EQ(len4, value.size());
    EXPECT_TRUE(read_all(loc) == value);
    EXPECT_TRUE(read_polled(loc, 64 * 1024) == value);
    vsk::test::ReadPieces c;
    Bytes buf(100000, '\0');
    oraub8 bytes = 0;
    ASSERT_EQ(OCILobRead2(svc_, err_, loc, &bytes, nullptr, 1, buf.data(), buf.size(), OCI_FIRST_PIECE, &c,
                          vsk::test::collect_pieces2, 0, 0),
              OCI_SUCCESS);
    EXPECT_EQ(bytes, value.size());
    EXPECT_TRUE(c.data == value);
    if (!value.empty()) {
        EXPECT_EQ(c.codes.back(), OCI_LAST_PIECE);
        if (c.codes.size() > 1) {
            EXPECT_EQ(c.codes.front(), OCI_FIRST_PIECE);
        }
    }
    boolean temp = TRUE, init = FALSE;
    EXPECT_EQ(OCILobIsTemporary(env_, err_, loc, &temp), OCI_SUCCESS);
    EXPECT_EQ(temp, FALSE);
    EXPECT_EQ(OCILobLocatorIsInit(env_, err_, loc, &init), OCI_SUCCESS);
    EXPECT_EQ(init, TRUE);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ByteaSizes, ::testing::Values(0, 1, kMiB, 16 * kMiB),
                         [](const auto &info) { return "Bytes" + std::to_string(info.param); });

TEST_F(Lob, ByteaOffsetsAtTheEnds) {
    put_row(1, "0123456789");
    OCILobLocator *loc = locator();
    ASSERT_EQ(fetch_into("select b from lob_vals", SQLT_BLOB, &loc, nullptr), OCI_SUCCESS) << error().second;
    struct Case {
        oraub8 offset, amount;
        Bytes expect;
    } cases[] = {{1, 1, "0"}, {10, 5, "9"}, {11, 5, ""}, {1000, 5, ""}, {3, 0, "23456789"}, {8, 100, "789"}};
    for (const Case &t : cases) {
        char buf[32];
        oraub8 bytes = t.amount;
        ASSERT_EQ(OCILobRead2(svc_, err_, loc, &bytes, nullptr, t.offset, buf, sizeof buf, OCI_ONE_PIECE, nullptr,
                              nullptr, 0, 0),
                  OCI_SUCCESS)
            << t.offset;
        EXPECT_EQ(Bytes(buf, bytes), t.expect) << "offset " << t.offset << " amount " << t.amount;
    }
    // Offsets start at 1.
    char buf[4];
    oraub8 bytes = 1;
    EXPECT_EQ(OCILobRead2(svc_, err_, loc, &bytes, nullptr, 0, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr, 0,
                          0),
              OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    // One piece never goes past the buffer.
    bytes = 10;
    ASSERT_EQ(OCILobRead2(svc_, err_, loc, &bytes, nullptr, 1, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS);
    EXPECT_EQ(Bytes(buf, bytes), "0123");
}

TEST_F(Lob, NullColumnGivesIndicatorAndEachArrayRowItsOwnValue) {
    put_row(1, "one");
    put_row(2, "second");
    ASSERT_TRUE(exec_ok("insert into lob_vals (k) values (3)"));
    OCILobLocator *locs[3] = {locator(), locator(), locator()};
    sb2 inds[3] = {5, 5, 5};
    ASSERT_EQ(prepare("select b from lob_vals order by k"), OCI_SUCCESS);
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, locs, sizeof(OCILobLocator *), SQLT_BLOB, inds, nullptr, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(0), OCI_SUCCESS);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 3, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(inds[0], 0);
    EXPECT_EQ(inds[1], 0);
    EXPECT_EQ(inds[2], -1);
    EXPECT_EQ(read_all(locs[0]), "one");
    EXPECT_EQ(read_all(locs[1]), "second");
}

// Large fetched values are read where the fetch put them: they stay whole after the
// next batch, a re-execution and the statement's release, in copies of the locator,
// and when bound into another statement.
TEST_F(Lob, LargeFetchedValuesOutliveTheirStatement) {
    const Bytes first = pattern(kMiB), second = pattern(kMiB + 7);
    put_row(1, first, std::string(300 * 1024, 'x'));
    put_row(2, second, "short");
    OCILobLocator *blob = locator(), *clob = locator(), *copy = locator();
    ASSERT_EQ(prepare("select b, c from lob_vals order by k"), OCI_SUCCESS);
    OCIDefine *d1 = nullptr, *d2 = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d1, err_, 1, &blob, sizeof blob, SQLT_BLOB, nullptr, nullptr, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d2, err_, 2, &clob, sizeof clob, SQLT_CLOB, nullptr, nullptr, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCILobLocatorAssign(svc_, err_, blob, &copy), OCI_SUCCESS) << error().second;
    EXPECT_EQ(read_all(clob), std::string(300 * 1024, 'x'));
    // The next row replaces what the defined locators hold, not the copy.
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_TRUE(read_all(blob) == second);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    OCIHandleFree(stmt_, OCI_HTYPE_STMT);
    stmt_ = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    EXPECT_TRUE(read_all(copy) == first);
    EXPECT_TRUE(read_all(blob) == first);
    ASSERT_EQ(run_with("insert into lob_vals (k, b) values (3, :1)", &copy, SQLT_BLOB), OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(side("select md5(b) = (select md5(b) from lob_vals where k = 1) from lob_vals where k = 3"), "t");
    OCIDescriptorFree(copy, OCI_DTYPE_LOB);
}

TEST_F(Lob, WritingAFetchedColumnValueFailsAndChangesNothing) {
    put_row(1, "abc", "xyz");
    OCILobLocator *loc = locator();
    ASSERT_EQ(fetch_into("select b from lob_vals", SQLT_BLOB, &loc, nullptr), OCI_SUCCESS);
    oraub8 bytes = 3;
    char data[] = "ZZZ";
    EXPECT_EQ(OCILobWrite2(svc_, err_, loc, &bytes, nullptr, 1, data, 3, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    EXPECT_EQ(OCILobTrim2(svc_, err_, loc, 1), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    ub4 amount = 2;
    EXPECT_EQ(OCILobWriteAppend(svc_, err_, loc, &amount, data, 3, OCI_ONE_PIECE, nullptr, nullptr, 0, 0), OCI_ERROR);
    EXPECT_EQ(read_all(loc), "abc");
    EXPECT_EQ(OCILobFreeTemporary(svc_, err_, loc), OCI_ERROR);
}

// ---------------------------------------------------------------- text columns

TEST_F(Lob, TextColumnsReadByCharacters) {
    // Two, three and four bytes to a character.
    const std::string value = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z";
    put_row(1, "", value);
    ASSERT_TRUE(exec_ok("update lob_vals set v = c, f = 'ab'"));
    for (const char *column : {"c", "v"}) {
        OCILobLocator *loc = locator();
        ASSERT_EQ(fetch_into(std::string("select ") + column + " from lob_vals", SQLT_CLOB, &loc, nullptr),
                  OCI_SUCCESS)
            << error().second;
        oraub8 chars = 0;
        ASSERT_EQ(OCILobGetLength2(svc_, err_, loc, &chars), OCI_SUCCESS);
        EXPECT_EQ(chars, 5u) << column;
        EXPECT_EQ(read_all(loc), value);
        ub1 form = 0;
        EXPECT_EQ(OCILobCharSetForm(env_, err_, loc, &form), OCI_SUCCESS);
        EXPECT_EQ(form, SQLCS_IMPLICIT);
        // Characters 2 and 3, by character offset and amount.
        char buf[16];
        oraub8 bytes = 0, n = 2;
        ASSERT_EQ(OCILobRead2(svc_, err_, loc, &bytes, &n, 2, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr, 0,
                              SQLCS_IMPLICIT),
                  OCI_SUCCESS);
        EXPECT_EQ(Bytes(buf, bytes), "\xc3\xa9\xe2\x82\xac");
        EXPECT_EQ(n, 2u);
        // Pieces of 3 bytes never split a character.
        std::vector<oraub8> sizes;
        EXPECT_EQ(read_polled(loc, 4, &sizes), value);
        EXPECT_EQ(sizes, (std::vector<oraub8>{3, 3, 4, 1}));
    }
    OCILobLocator *loc = locator();
    ASSERT_EQ(fetch_into("select f from lob_vals", SQLT_CLOB, &loc, nullptr), OCI_SUCCESS);
    EXPECT_EQ(read_all(loc), "ab    ");
    // A character that does not fit the buffer at all is a buffer error, not a loop.
    char one[1];
    oraub8 bytes = 0, n = 1;
    OCILobLocator *text = locator();
    ASSERT_EQ(fetch_into("select substr(c, 2) from lob_vals", SQLT_CLOB, &text, nullptr), OCI_SUCCESS);
    EXPECT_EQ(OCILobRead2(svc_, err_, text, &bytes, &n, 1, one, 1, OCI_ONE_PIECE, nullptr, nullptr, 0, 1), OCI_ERROR);
}

class Utf16Lob : public Lob {
protected:
    ub4 env_mode() const override { return OCI_UTF16; }
    std::string sql(const std::string &s) const override { return u16(s); }
};

TEST_F(Utf16Lob, CharacterLobsReadAsUtf16OrAsRequested) {
    put_row(1, "", "a\xc3\xa9\xe2\x82\xac");
    OCILobLocator *loc = locator();
    ASSERT_EQ(fetch_into("select c from lob_vals", SQLT_CLOB, &loc, nullptr), OCI_SUCCESS) << error().second;
    oraub8 chars = 0;
    ASSERT_EQ(OCILobGetLength2(svc_, err_, loc, &chars), OCI_SUCCESS);
    EXPECT_EQ(chars, 3u);
    EXPECT_EQ(read_all(loc), Bytes("a\0\xe9\0\xac\x20", 6));
    EXPECT_EQ(read_all(loc, OCI_UTF16ID), Bytes("a\0\xe9\0\xac\x20", 6));
    EXPECT_EQ(read_all(loc, 873), "a\xc3\xa9\xe2\x82\xac");
    EXPECT_EQ(read_all(loc, 2000), Bytes("\0a\0\xe9\x20\xac", 6));
    // Offsets count characters: the last one only.
    char buf[8];
    oraub8 bytes = 0, n = 1;
    ASSERT_EQ(OCILobRead2(svc_, err_, loc, &bytes, &n, 3, buf, sizeof buf, OCI_ONE_PIECE, nullptr, nullptr, 0, 1),
              OCI_SUCCESS);
    EXPECT_EQ(Bytes(buf, bytes), Bytes("\xac\x20", 2));
    // A temporary CLOB written in UTF-16 goes to the server as text.
    OCILobLocator *temp = locator();
    ASSERT_EQ(OCILobCreateTemporary(svc_, err_, temp, 0, SQLCS_IMPLICIT, OCI_TEMP_CLOB, FALSE, OCI_DURATION_SESSION),
              OCI_SUCCESS);
    const Bytes utf16("x\0\xe9\0", 4);
    bytes = utf16.size();
    ASSERT_EQ(OCILobWrite2(svc_, err_, temp, &bytes, nullptr, 1, const_cast<char *>(utf16.data()), utf16.size(),
                           OCI_ONE_PIECE, nullptr, nullptr, 0, SQLCS_IMPLICIT),
              OCI_SUCCESS)
        << error().second;
    ASSERT_EQ(run_with("update lob_vals set c = :1", &temp, SQLT_CLOB), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side("select c from lob_vals"), "x\xc3\xa9");
}

// ---------------------------------------------------------------- temporary LOBs

TEST_F(Lob, TemporaryBlobWriteAppendTrimEraseCopyAndBind) {
    OCILobLocator *temp = locator();
    ASSERT_EQ(OCILobCreateTemporary(svc_, err_, temp, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION), OCI_SUCCESS);
    boolean flag = FALSE;
    EXPECT_EQ(OCILobIsTemporary(env_, err_, temp, &flag), OCI_SUCCESS);
    EXPECT_EQ(flag, TRUE);
    // Streamed pieces.
    const Bytes value = pattern(kMiB);
    const std::size_t piece = 300000;
    std::size_t done = 0;
    ub1 piece_code = OCI_FIRST_PIECE;
    while (done < value.size()) {
        const std::size_t n = std::min(piece, value.size() - done);
        if (done + n == value.size()) piece_code = OCI_LAST_PIECE;
        oraub8 bytes = value.size();
        const sword rc = OCILobWrite2(svc_, err_, temp, &bytes, nullptr, 1, const_cast<char *>(value.data() + done),
                                      n, piece_code, nullptr, nullptr, 0, 0);
        EXPECT_EQ(rc, piece_code == OCI_LAST_PIECE ? OCI_SUCCESS : OCI_NEED_DATA) << error().second;
        done += n;
        piece_code = OCI_NEXT_PIECE;
    }
    EXPECT_TRUE(read_all(temp) == value);
    // Overwrite inside, write past the end (zero gap), append, trim and erase.
    oraub8 bytes = 3;
    char abc[] = "abc";
    ASSERT_EQ(OCILobTrim2(svc_, err_, temp, 5), OCI_SUCCESS);
    ASSERT_EQ(OCILobWrite2(svc_, err_, temp, &bytes, nullptr, 2, abc, 3, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), value.substr(0, 1) + "abc" + value.substr(4, 1));
    bytes = 1;
    ASSERT_EQ(OCILobWrite2(svc_, err_, temp, &bytes, nullptr, 8, abc, 3, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), value.substr(0, 1) + "abc" + value.substr(4, 1) + Bytes(2, '\0') + "a");
    ub4 amount = 2;
    ASSERT_EQ(OCILobWriteAppend(svc_, err_, temp, &amount, abc + 1, 2, OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
              OCI_SUCCESS);
    oraub8 erase = 2;
    ASSERT_EQ(OCILobErase2(svc_, err_, temp, &erase, 2), OCI_SUCCESS);
    EXPECT_EQ(erase, 2u);
    EXPECT_EQ(read_all(temp), value.substr(0, 1) + Bytes(2, '\0') + "c" + value.substr(4, 1) + Bytes(2, '\0') + "abc");
    EXPECT_EQ(OCILobTrim2(svc_, err_, temp, 100), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    // Copy from a fetched value, then bind it.
    put_row(1, "0123456789");
    OCILobLocator *fetched = locator();
    ASSERT_EQ(fetch_into("select b from lob_vals", SQLT_BLOB, &fetched, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCILobTrim2(svc_, err_, temp, 0), OCI_SUCCESS);
    ASSERT_EQ(OCILobCopy2(svc_, err_, temp, fetched, 4, 1, 3), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCILobAppend(svc_, err_, temp, fetched), OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), "23450123456789");
    ASSERT_EQ(run_with("insert into lob_vals (k, b) values (2, :1)", &temp, SQLT_BLOB), OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(side("select encode(b, 'escape') from lob_vals where k = 2"), "23450123456789");
    // A fetched value bound into another row.
    ASSERT_EQ(run_with("insert into lob_vals (k, b) values (3, :1)", &fetched, SQLT_BLOB), OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(side("select encode(b, 'escape') from lob_vals where k = 3"), "0123456789");
    ASSERT_EQ(OCILobFreeTemporary(svc_, err_, temp), OCI_SUCCESS);
    EXPECT_EQ(OCILobIsTemporary(env_, err_, temp, &flag), OCI_SUCCESS);
    EXPECT_EQ(flag, FALSE);
}

TEST_F(Lob, TemporaryClobThroughCallbacksAndCopies) {
    OCILobLocator *temp = locator();
    ASSERT_EQ(OCILobCreateTemporary(svc_, err_, temp, 0, SQLCS_IMPLICIT, OCI_TEMP_CLOB, FALSE, OCI_DURATION_SESSION),
              OCI_SUCCESS);
    // Written through a callback that hands three more pieces.
    struct Feed {
        int left = 3;
    } feed;
    auto more = [](void *ctx, void *buf, oraub8 *len, ub1 *piece, void **, oraub8 *) -> sb4 {
        auto *f = static_cast<Feed *>(ctx);
        std::memcpy(buf, "\xc3\xa9xy", 4);
        *len = 4;
        *piece = --f->left == 0 ? OCI_LAST_PIECE : OCI_NEXT_PIECE;
        return OCI_CONTINUE;
    };
    char buf[8] = "abcd";
    oraub8 bytes = 0, chars = 0;
    ASSERT_EQ(OCILobWrite2(svc_, err_, temp, &bytes, &chars, 1, buf, 4, OCI_FIRST_PIECE, &feed, more, 0,
                           SQLCS_IMPLICIT),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(bytes, 16u);
    EXPECT_EQ(chars, 13u);
    const std::string expect = "abcd\xc3\xa9xy\xc3\xa9xy\xc3\xa9xy";
    EXPECT_EQ(read_all(temp), expect);
    // Characters replace characters whatever their widths; erasing leaves spaces.
    bytes = 2;
    ASSERT_EQ(OCILobWrite2(svc_, err_, temp, &bytes, nullptr, 3, const_cast<char *>("QR"), 2, OCI_ONE_PIECE, nullptr,
                           nullptr, 0, SQLCS_IMPLICIT),
              OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), "abQR\xc3\xa9xy\xc3\xa9xy\xc3\xa9xy");
    // Character 5 is two bytes wide; two spaces take it and the x after it.
    oraub8 erase = 2;
    ASSERT_EQ(OCILobErase2(svc_, err_, temp, &erase, 5), OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), "abQR  y\xc3\xa9xy\xc3\xa9xy");
    ASSERT_EQ(OCILobTrim2(svc_, err_, temp, 8), OCI_SUCCESS);
    EXPECT_EQ(read_all(temp), "abQR  y\xc3\xa9");
    // Locator copies are values of their own.
    OCILobLocator *copy = nullptr;
    ASSERT_EQ(OCILobLocatorAssign(svc_, err_, temp, &copy), OCI_SUCCESS);
    OCILobLocator *copy2 = locator();
    ASSERT_EQ(OCILobAssign(env_, err_, temp, &copy2), OCI_SUCCESS);
    ASSERT_EQ(OCILobTrim2(svc_, err_, temp, 1), OCI_SUCCESS);
    EXPECT_EQ(read_all(copy), "abQR  y\xc3\xa9");
    EXPECT_EQ(read_all(copy2), "abQR  y\xc3\xa9");
    boolean equal = TRUE;
    EXPECT_EQ(OCILobIsEqual(env_, temp, copy, &equal), OCI_SUCCESS);
    EXPECT_EQ(equal, FALSE);
    EXPECT_EQ(OCILobIsEqual(env_, temp, temp, &equal), OCI_SUCCESS);
    EXPECT_EQ(equal, TRUE);
    // A character LOB into a text column.
    put_row(1, "");
    ASSERT_EQ(run_with("update lob_vals set c = :1", &copy, SQLT_CLOB), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side("select c from lob_vals"), "abQR  y\xc3\xa9");
    // A binary and a character LOB do not mix.
    OCILobLocator *blob = locator();
    ASSERT_EQ(OCILobCreateTemporary(svc_, err_, blob, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION), OCI_SUCCESS);
    EXPECT_EQ(OCILobAppend(svc_, err_, blob, temp), OCI_ERROR);
    ub4 chunk = 0;
    EXPECT_EQ(OCILobGetChunkSize(svc_, err_, temp, &chunk), OCI_SUCCESS);
    EXPECT_GT(chunk, 0u);
}

TEST_F(Lob, TemporaryLobsTheProgramForgetsGoWithTheEnvironment) {
    for (int i = 0; i < 3; ++i) {
        OCILobLocator *temp = locator();
        ASSERT_EQ(OCILobCreateTemporary(svc_, err_, temp, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION),
                  OCI_SUCCESS);
        ub4 amount = 100000;
        const Bytes data = pattern(amount);
        ASSERT_EQ(OCILobWriteAppend(svc_, err_, temp, &amount, const_cast<char *>(data.data()), amount,
                                    OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
                  OCI_SUCCESS);
    }
    // TearDown frees the environment; valgrind sees every value released.
}

TEST_F(Lob, BadArgumentsAreRecordsNotCrashes) {
    OCILobLocator *loc = locator();
    oraub8 n = 0;
    EXPECT_EQ(OCILobGetLength2(svc_, err_, loc, &n), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
    EXPECT_EQ(OCILobGetLength2(svc_, err_, nullptr, &n), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCILobGetLength2(svc_, err_, reinterpret_cast<OCILobLocator *>(err_), &n), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCILobCreateTemporary(svc_, err_, loc, 0, 0, 7, FALSE, OCI_DURATION_SESSION), OCI_ERROR);
    ASSERT_EQ(OCILobCreateTemporary(svc_, err_, loc, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION), OCI_SUCCESS);
    // Polled continuation without a first piece.
    char buf[4];
    oraub8 bytes = 0;
    EXPECT_EQ(OCILobRead2(svc_, err_, loc, &bytes, nullptr, 1, buf, 4, OCI_NEXT_PIECE, nullptr, nullptr, 0, 0),
              OCI_ERROR);
    EXPECT_EQ(OCILobWrite2(svc_, err_, loc, &bytes, nullptr, 1, buf, 4, OCI_NEXT_PIECE, nullptr, nullptr, 0, 0),
              OCI_ERROR);
    // A define element that is no locator.
    put_row(1, "x");
    OCILobLocator *notLoc = reinterpret_cast<OCILobLocator *>(err_);
    sb2 ind = 0;
    EXPECT_EQ(fetch_into("select b from lob_vals", SQLT_BLOB, &notLoc, &ind), OCI_ERROR);
    EXPECT_EQ(code(), 1733);
}

}  // namespace
