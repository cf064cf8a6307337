// Long values in pieces through the application's callbacks: data-at-exec binds
// gathered from their pieces, and dynamic defines handed over piece by piece.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "oci_session_test.h"

namespace {

using Bytes = std::string;

constexpr std::size_t kValue = 100000;
constexpr ub4 kPiece = 4000;

Bytes pattern(std::size_t n, bool text) {
    Bytes b(n, '\0');
    for (std::size_t i = 0; i < n; ++i) b[i] = text ? static_cast<char>('a' + i % 26) : static_cast<char>(i * 7);
    return b;
}

// An input callback handing out value in pieces of at most kPiece bytes.
struct Feed {
    Bytes value;
    std::size_t offset = 0;
    int calls = 0;
    sb2 ind = 0;
    sb4 answer = OCI_CONTINUE;
    ub1 fixedPiece = 0xFF;  // a piece code to answer instead
};
sb4 feed(void *ctx, OCIBind *, ub4, ub4, void **bufp, ub4 *alenp, ub1 *piece, void **indp) {
    auto *f = static_cast<Feed *>(ctx);
    ++f->calls;
    const std::size_t n = std::min<std::size_t>(kPiece, f->value.size() - f->offset);
    *bufp = f->value.data() + f->offset;
    *alenp = static_cast<ub4>(n);
    f->offset += n;
    *piece = f->fixedPiece != 0xFF ? f->fixedPiece
             : f->offset >= f->value.size() ? OCI_LAST_PIECE
             : f->calls == 1 ? OCI_FIRST_PIECE
                             : OCI_NEXT_PIECE;
    *indp = &f->ind;
    return f->answer;
}

// A define callback offering buffers of room bytes; collects what it is given.
struct Sink {
    ub4 room = kPiece;
    std::vector<char> buf = std::vector<char>(kPiece);
    ub4 len = 0;
    sb2 ind = 7;
    ub2 rcode = 0;
    Bytes data;
    std::vector<ub4> sizes;
    std::vector<ub1> codes;
    ub1 answerPiece = 0xFF;
};
sb4 sink(void *ctx, OCIDefine *, ub4, void **bufp, ub4 **alenp, ub1 *piece, void **indp, ub2 **rcodep) {
    auto *s = static_cast<Sink *>(ctx);
    // What the previous piece delivered.
    if (!s->codes.empty()) {
        s->data.append(s->buf.data(), s->len);
        s->sizes.push_back(s->len);
    }
    s->codes.push_back(*piece);
    s->len = s->room;
    *bufp = s->buf.data();
    *alenp = &s->len;
    *indp = &s->ind;
    *rcodep = &s->rcode;
    if (s->answerPiece != 0xFF) *piece = s->answerPiece;
    return OCI_CONTINUE;
}
void finish(Sink *s) {
    if (s->codes.empty()) return;
    s->data.append(s->buf.data(), s->len);
    s->sizes.push_back(s->len);
}

class Piecewise : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS pw_vals; CREATE TABLE pw_vals (k int, t text, b bytea, n int)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS pw_vals");
    }
    OCIBind *bind_at_exec(ub4 pos, ub2 dty, Feed *f) {
        OCIBind *b = nullptr;
        EXPECT_EQ(OCIBindByPos(stmt_, &b, err_, pos, nullptr, 0x7FFFFFFF, dty, nullptr, nullptr, nullptr, 0, nullptr,
                               OCI_DATA_AT_EXEC),
                  OCI_SUCCESS);
        if (f) {
            EXPECT_EQ(OCIBindDynamic(b, err_, f, feed, nullptr, nullptr), OCI_SUCCESS);
        }
        return b;
    }
    void define_dynamic(ub4 pos, ub2 dty, Sink *s) {
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, pos, nullptr, 0x7FFFFFFF, dty, nullptr, nullptr, nullptr,
                                 OCI_DYNAMIC_FETCH),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIDefineDynamic(d, err_, s, sink), OCI_SUCCESS);
    }
};

struct TypeCase {
    ub2 dty;
    const char *column;
    bool text;
};
// Printed by name, so that no padding byte is read.
void PrintTo(const TypeCase &t, std::ostream *os) { *os << "type " << t.dty << " into " << t.column; }
class PiecewiseTypes : public Piecewise, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(PiecewiseTypes, HundredThousandBytesGoInAndComeOutInPieces) {
    const TypeCase t = GetParam();
    Feed f;
    f.value = pattern(kValue, t.text);
    ASSERT_EQ(prepare(std::string("insert into pw_vals (k, ") + t.column + ") values (1, :1)"), OCI_SUCCESS);
    bind_at_exec(1, t.dty, &f);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(f.calls, 25);
    EXPECT_EQ(side_value(std::string("select length(") + t.column + ") from pw_vals"), std::to_string(kValue));

    ASSERT_EQ(prepare(std::string("select ") + t.column + " from pw_vals"), OCI_SUCCESS);
    Sink s;
    define_dynamic(1, t.dty, &s);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    finish(&s);
    EXPECT_EQ(s.sizes.size(), 25u);
    EXPECT_EQ(s.sizes.front(), kPiece);
    ASSERT_FALSE(s.codes.empty());
    EXPECT_EQ(s.codes.front(), OCI_FIRST_PIECE);
    for (std::size_t i = 1; i < s.codes.size(); ++i) EXPECT_EQ(s.codes[i], OCI_NEXT_PIECE);
    EXPECT_TRUE(s.data == f.value);
    EXPECT_EQ(s.ind, 0);
}

INSTANTIATE_TEST_SUITE_P(Types, PiecewiseTypes,
                         ::testing::Values(TypeCase{SQLT_LNG, "t", true}, TypeCase{SQLT_CLOB, "t", true},
                                           TypeCase{SQLT_LBI, "b", false}, TypeCase{SQLT_BLOB, "b", false}),
                         [](const auto &info) { return "Type" + std::to_string(info.param.dty); });

TEST_F(Piecewise, TenThousandBytesComeInThreePieces) {
    ASSERT_TRUE(exec_ok("insert into pw_vals (k, t) values (1, repeat('x', 10000)), (2, ''), (3, null)"));
    ASSERT_EQ(prepare("select t from pw_vals order by k"), OCI_SUCCESS);
    Sink s;
    define_dynamic(1, SQLT_LNG, &s);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    finish(&s);
    EXPECT_EQ(s.sizes, (std::vector<ub4>{4000, 4000, 2000}));
    EXPECT_EQ(s.codes, (std::vector<ub1>{OCI_FIRST_PIECE, OCI_NEXT_PIECE, OCI_NEXT_PIECE}));
    // An empty value needs no piece buffer; a NULL sets the indicator.
    Sink empty;
    define_dynamic(1, SQLT_LNG, &empty);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(empty.codes.size(), 1u);
    EXPECT_EQ(empty.len, 0u);
    EXPECT_EQ(empty.ind, 0);
    Sink null;
    define_dynamic(1, SQLT_LNG, &null);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(null.ind, -1);
}

TEST_F(Piecewise, FixedTypesTakeOnePieceOnly) {
    ASSERT_TRUE(exec_ok("insert into pw_vals (k, n) values (1, 42)"));
    ASSERT_EQ(prepare("select n from pw_vals"), OCI_SUCCESS);
    Sink s;
    s.answerPiece = OCI_FIRST_PIECE;
    define_dynamic(1, SQLT_INT, &s);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 24370);
    ASSERT_EQ(prepare("select n from pw_vals"), OCI_SUCCESS);
    Sink one;
    one.answerPiece = OCI_ONE_PIECE;
    one.room = sizeof(int);
    define_dynamic(1, SQLT_INT, &one);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    int v = 0;
    std::memcpy(&v, one.buf.data(), sizeof v);
    EXPECT_EQ(v, 42);
    // An input callback of a fixed type answering a first piece.
    ASSERT_EQ(prepare("insert into pw_vals (k, n) values (2, :1)"), OCI_SUCCESS);
    Feed f;
    f.value = Bytes("\x07\0\0\0", 4);
    f.fixedPiece = OCI_FIRST_PIECE;
    bind_at_exec(1, SQLT_INT, &f);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 24370);
}

TEST_F(Piecewise, CallbackFailuresAndMissingCallbacks) {
    ASSERT_EQ(prepare("insert into pw_vals (k, t) values (1, :1)"), OCI_SUCCESS);
    bind_at_exec(1, SQLT_LNG, nullptr);
    EXPECT_EQ(execute(1), OCI_NEED_DATA);
    ASSERT_EQ(prepare("insert into pw_vals (k, t) values (1, :1)"), OCI_SUCCESS);
    Feed f;
    f.value = "abc";
    f.answer = OCI_ERROR;
    bind_at_exec(1, SQLT_LNG, &f);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 24343);
    EXPECT_EQ(side_value("select count(*) from pw_vals"), "0");
    // A NULL through the indicator.
    ASSERT_EQ(prepare("insert into pw_vals (k, t) values (2, :1)"), OCI_SUCCESS);
    Feed n;
    n.value = "zz";
    n.ind = -1;
    bind_at_exec(1, SQLT_LNG, &n);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select t is null from pw_vals where k = 2"), "t");
    // A define piece buffer of no room.
    ASSERT_TRUE(exec_ok("update pw_vals set t = 'abc'"));
    ASSERT_EQ(prepare("select t from pw_vals"), OCI_SUCCESS);
    Sink s;
    s.room = 0;
    define_dynamic(1, SQLT_LNG, &s);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(code(), 3131);
}

// An output bind callback offering 4000-byte buffers.
sb4 out_sink(void *ctx, OCIBind *, ub4, ub4, void **bufp, ub4 **alenp, ub1 *piece, void **indp, ub2 **rcodep) {
    return sink(ctx, nullptr, 0, bufp, alenp, piece, indp, rcodep);
}

TEST_F(Piecewise, OutValuesOfACallComeInPieces) {
    ASSERT_TRUE(exec_ok("CREATE OR REPLACE PROCEDURE pw_long(n int, INOUT r text) LANGUAGE plpgsql AS "
                        "$$ BEGIN r := repeat('y', n); END $$"));
    ASSERT_EQ(prepare("BEGIN pw_long(:n, :r); END;"), OCI_SUCCESS) << error().second;
    int n = 10000;
    OCIBind *nb = nullptr;
    ASSERT_EQ(OCIBindByPos(stmt_, &nb, err_, 1, &n, sizeof n, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                           OCI_DEFAULT),
              OCI_SUCCESS);
    Feed in;
    in.ind = -1;
    Sink out;
    OCIBind *b = bind_at_exec(2, SQLT_LNG, nullptr);
    ASSERT_EQ(OCIBindDynamic(b, err_, &in, feed, &out, out_sink), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    finish(&out);
    EXPECT_EQ(out.sizes, (std::vector<ub4>{4000, 4000, 2000}));
    EXPECT_EQ(out.codes, (std::vector<ub1>{OCI_ONE_PIECE, OCI_NEXT_PIECE, OCI_NEXT_PIECE}));
    EXPECT_EQ(out.data, std::string(10000, 'y'));
    exec_ok("DROP PROCEDURE IF EXISTS pw_long");
}

}  // namespace
