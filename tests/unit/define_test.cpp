// Define calls without a server.
#include <oci.h>

#include <gtest/gtest.h>

#include "env/error.h"
#include "oci_handles_test.h"
#include "stmt/records.h"

namespace {

class Defines : public vsk::test::OciHandlesTest {
protected:
    sword define(ub4 pos, void *buf, sb4 size, ub2 dty, ub4 mode = OCI_DEFAULT) {
        return OCIDefineByPos(stmt_, &def_, err_, pos, buf, size, dty, ind_, rlen_, rcode_, mode);
    }
    OCIDefine *def_ = nullptr;
    sb2 ind_[4] = {};
    ub2 rlen_[4] = {}, rcode_[4] = {};
};

TEST_F(Defines, OnePerColumnAndTheirChecks) {
    char buf[16];
    ASSERT_EQ(define(1, buf, 16, SQLT_STR), OCI_SUCCESS);
    EXPECT_EQ(def_->position, 1u);
    EXPECT_EQ(def_->rlenp, rlen_);
    ASSERT_EQ(define(2, buf, 16, SQLT_CHR), OCI_SUCCESS);
    // Defining a column again replaces its define.
    ASSERT_EQ(define(1, buf, 8, SQLT_AFC), OCI_SUCCESS);
    EXPECT_EQ(stmt_->defines.size(), 2u);
    EXPECT_EQ(def_->value_sz, 8u);

    EXPECT_EQ(define(0, buf, 16, SQLT_STR), OCI_INVALID_HANDLE);
    EXPECT_EQ(define(1, buf, 16, 13), OCI_INVALID_HANDLE);
    EXPECT_EQ(define(1, buf, 16, SQLT_STR, 4), OCI_ERROR);
    // A soft define needs an executed statement and the same type and size.
    EXPECT_EQ(define(1, buf, 8, SQLT_AFC, OCI_DEFINE_SOFT), OCI_ERROR);
    stmt_->executed = 1;
    EXPECT_EQ(define(1, buf + 4, 8, SQLT_AFC, OCI_DEFINE_SOFT), OCI_SUCCESS);
    EXPECT_EQ(def_->valuep, buf + 4);
    EXPECT_EQ(define(1, buf, 9, SQLT_AFC, OCI_DEFINE_SOFT), OCI_ERROR);
}

TEST_F(Defines, TimestampsDynamicAndStrides) {
    OCIDateTime *ts[4] = {};
    ASSERT_EQ(define(1, ts, 1, SQLT_TIMESTAMP), OCI_SUCCESS);
    EXPECT_EQ(def_->value_sz, 8u);
    EXPECT_EQ(stmt_->hasTimestampDefine, 1);

    ASSERT_EQ(define(2, nullptr, 100, SQLT_STR, OCI_DYNAMIC_FETCH), OCI_SUCCESS);
    EXPECT_EQ(def_->dynamic, 1u);
    EXPECT_EQ(def_->valuep, nullptr);
    EXPECT_EQ(def_->indp, nullptr);
    int ctx = 0;
    ASSERT_EQ(OCIDefineDynamic(def_, err_, &ctx, nullptr), OCI_SUCCESS);
    EXPECT_EQ(def_->octxp, &ctx);

    ASSERT_EQ(OCIDefineArrayOfStruct(def_, err_, 24, 24, 24, 0), OCI_SUCCESS);
    EXPECT_EQ(def_->skipSet, 1);
    EXPECT_EQ(def_->rlskip, 24u);
    EXPECT_EQ(OCIDefineArrayOfStruct(def_, nullptr, 1, 1, 1, 1), OCI_INVALID_HANDLE);
}

}  // namespace

#include <libpq-fe.h>

#include <string>
#include <vector>

#include "stmt/define_fill.h"

namespace {

// A text result of rows x columns built on the client: "r<row>c<col>", NULL where asked.
PGresult *make_result(int rows, int cols, int null_row = -1) {
    PGresult *r = PQmakeEmptyPGresult(nullptr, PGRES_TUPLES_OK);
    std::vector<PGresAttDesc> attrs(static_cast<std::size_t>(cols));
    std::vector<std::string> names;
    for (int c = 0; c < cols; ++c) names.push_back("c" + std::to_string(c));
    for (int c = 0; c < cols; ++c) {
        attrs[c] = PGresAttDesc{};
        attrs[c].name = names[c].data();
        attrs[c].typid = 25;
        attrs[c].typlen = -1;
    }
    PQsetResultAttrs(r, cols, attrs.data());
    for (int i = 0; i < rows; ++i)
        for (int c = 0; c < cols; ++c) {
            std::string v = "r" + std::to_string(i) + "c" + std::to_string(c);
            if (i == null_row) PQsetvalue(r, i, c, nullptr, -1);
            else PQsetvalue(r, i, c, v.data(), static_cast<int>(v.size()));
        }
    return r;
}

TEST_F(Defines, BatchesFillColumnsRowByRow) {
    char a[2][8], b[2][8];
    sb2 ia[2] = {}, ib[2] = {};
    ub2 la[2] = {}, lb[2] = {};
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, a, 8, SQLT_STR, ia, la, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, b, 8, SQLT_STR, ib, lb, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    PGresult *r = make_result(3, 2, 1);
    ub4 row = 0, fetched = 0;
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 2, &row, &fetched), OCI_SUCCESS);
    EXPECT_EQ(row, 2u);
    EXPECT_EQ(fetched, 2u);
    EXPECT_STREQ(a[0], "r0c0");
    EXPECT_STREQ(b[0], "r0c1");
    EXPECT_EQ(la[0], 4);
    EXPECT_EQ(ia[1], -1);  // the NULL row
    EXPECT_EQ(ib[1], -1);
    // The rest of the batch: one row where two were asked for.
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 2, &row, &fetched), OCI_NO_DATA);
    EXPECT_EQ(fetched, 1u);
    EXPECT_STREQ(a[0], "r2c0");
    EXPECT_STREQ(b[0], "r2c1");
    EXPECT_EQ(row, 3u);
    // One row out of a prefetched batch.
    EXPECT_EQ(vsk::fill_define_buffers_prefetch(err_, stmt_, r, &row, &fetched, 0), OCI_SUCCESS);
    EXPECT_STREQ(b[0], "r0c1");
    EXPECT_EQ(vsk::fill_define_buffers_prefetch(err_, stmt_, r, &row, &fetched, 3), OCI_NO_DATA);
    PQclear(r);
}

// A NULL with no indicator to go to fails the fetch with 1405, on the text fast path
// (SQLT_STR) and on the general one (SQLT_CHR) alike; the other rows still arrive.
TEST_F(Defines, NullWithoutIndicatorFailsTheFetchAfterTheOtherRows) {
    char a[3][8] = {}, b[3][8] = {};
    ub2 rcb[3] = {};
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, a, 8, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, b, 8, SQLT_CHR, nullptr, nullptr, rcb, OCI_DEFAULT), OCI_SUCCESS);
    PGresult *r = make_result(3, 2, 1);
    ub4 row = 0, fetched = 0;
    bool delivered = false;
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 3, &row, &fetched, &delivered), OCI_ERROR);
    EXPECT_TRUE(delivered);
    EXPECT_EQ(error_code(), 1405);
    EXPECT_EQ(fetched, 3u);
    EXPECT_EQ(row, 3u);
    EXPECT_STREQ(a[0], "r0c0");
    EXPECT_STREQ(a[1], "");
    EXPECT_STREQ(a[2], "r2c0");
    EXPECT_EQ(std::string(b[2], 8), "r2c1    ");
    EXPECT_EQ(rcb[1], 1405);
    EXPECT_EQ(rcb[2], 0);
    // Row by row out of a prefetched batch: only the NULL row fails.
    vsk::_ClearErrorHandle(err_);
    EXPECT_EQ(vsk::fill_define_buffers_prefetch(err_, stmt_, r, &row, &fetched, 0), OCI_SUCCESS);
    EXPECT_EQ(vsk::fill_define_buffers_prefetch(err_, stmt_, r, &row, &fetched, 1), OCI_ERROR);
    EXPECT_EQ(error_code(), 1405);
    // With indicators the same rows are fine.
    sb2 ia[3] = {}, ib[3] = {};
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, a, 8, SQLT_STR, ia, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, b, 8, SQLT_CHR, ib, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    row = 0;
    vsk::_ClearErrorHandle(err_);
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 3, &row, &fetched, &delivered), OCI_SUCCESS);
    EXPECT_EQ(ia[1], -1);
    EXPECT_EQ(ib[1], -1);
    EXPECT_EQ(error_code(), 0);
    PQclear(r);
}

TEST_F(Defines, EmptyTextIsANullWithOracleSemantics) {
    PGresult *r = make_result(1, 1);
    ASSERT_TRUE(PQsetvalue(r, 0, 0, const_cast<char *>(""), 0));
    for (ub2 dty : {SQLT_STR, SQLT_CHR, SQLT_VCS}) {
        SCOPED_TRACE(dty);
        char buf[8];
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, buf, 8, dty, nullptr, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
        ub4 row = 0, fetched = 0;
        vsk::_ClearErrorHandle(err_);
        EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 1, &row, &fetched), OCI_ERROR);
        EXPECT_EQ(error_code(), 1405);
    }
    PQclear(r);
}

TEST_F(Defines, StridesGapsAndMissingDefines) {
    struct Row {
        char text[8];
        sb2 ind;
        ub2 len;
    } rows[2] = {};
    OCIDefine *d = nullptr;
    // Only the second column is defined: nothing is filled from the first column on.
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, rows[0].text, 8, SQLT_STR, &rows[0].ind, &rows[0].len, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    PGresult *r = make_result(2, 2);
    ub4 row = 0, fetched = 0;
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 2, &row, &fetched), OCI_SUCCESS);
    EXPECT_STREQ(rows[0].text, "");
    char second[2][8];
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, second, 8, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, rows[0].text, 8, SQLT_STR, &rows[0].ind, &rows[0].len, nullptr,
                             OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIDefineArrayOfStruct(d, err_, sizeof(Row), sizeof(Row), sizeof(Row), 0), OCI_SUCCESS);
    row = 0;
    EXPECT_EQ(vsk::fill_define_buffers(err_, stmt_, r, 2, &row, &fetched), OCI_SUCCESS);
    EXPECT_STREQ(rows[1].text, "r1c0");
    EXPECT_EQ(rows[1].len, 4);
    EXPECT_STREQ(second[1], "r1c1");
    PQclear(r);
    // Without defines there is nothing to fill.
    OCIStmt *bare = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&bare), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    PGresult *one = make_result(1, 1);
    EXPECT_EQ(vsk::fill_define_buffers(err_, bare, one, 1, &row, &fetched), OCI_ERROR);
    PQclear(one);
}

}  // namespace

#include <cstring>
#include <random>

#include "types/conversion_dispatch.h"

namespace {

// Text into SQLT_STR defines takes a column-wide route; each element must come out as
// the conversion writes it value by value.
TEST_F(Defines, TextColumnsMatchTheValueByValueConversion) {
    constexpr int kRows = 64;
    std::mt19937 rng(7);
    PGresult *r = PQmakeEmptyPGresult(nullptr, PGRES_TUPLES_OK);
    PGresAttDesc attr{};
    char name[] = "t";
    attr.name = name;
    attr.typid = 25;
    attr.typlen = -1;
    ASSERT_TRUE(PQsetResultAttrs(r, 1, &attr));
    for (int i = 0; i < kRows; ++i) {
        const int len = static_cast<int>(rng() % 16);
        std::string v;
        for (int k = 0; k < len; ++k) v += static_cast<char>('a' + rng() % 26);
        if (rng() % 8 == 0) ASSERT_TRUE(PQsetvalue(r, i, 0, nullptr, -1));
        else ASSERT_TRUE(PQsetvalue(r, i, 0, v.data(), len));
    }
    for (ub4 cap = 1; cap <= 12; ++cap) {
        for (bool indicators : {true, false}) {
            SCOPED_TRACE("capacity " + std::to_string(cap) + (indicators ? " with" : " without") + " indicators");
            std::vector<char> buf(kRows * cap, '#'), want(kRows * cap, '#');
            std::vector<sb2> ind(kRows, 7), wantInd(kRows, 7);
            std::vector<ub2> len(kRows, 9), wantLen(kRows, 9), rc(kRows, 5), wantRc(kRows, 5);
            OCIDefine *d = nullptr;
            ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, buf.data(), static_cast<sb4>(cap), SQLT_STR,
                                     indicators ? ind.data() : nullptr, len.data(), rc.data(), OCI_DEFAULT),
                      OCI_SUCCESS);
            ub4 row = 0, fetched = 0;
            const sword got = vsk::fill_define_buffers(err_, stmt_, r, kRows, &row, &fetched);
            bool unindicatedNull = false;
            for (int i = 0; i < kRows; ++i) {
                ub4 l = cap;
                const int one = vsk::PQ2OCIType(err_, 25, PQgetvalue(r, i, 0), PQgetlength(r, i, 0), 0, SQLT_STR,
                                                 want.data() + i * cap, &l, indicators ? &wantInd[i] : nullptr,
                                                 &wantRc[i], PQgetisnull(r, i, 0) != 0);
                ASSERT_GE(one, 0);
                // The text conversion reports no cut: 1 is a NULL without an indicator.
                unindicatedNull |= one == 1;
                wantLen[i] = static_cast<ub2>(l);
            }
            EXPECT_EQ(buf, want);
            if (indicators) EXPECT_EQ(ind, wantInd);
            EXPECT_EQ(len, wantLen);
            EXPECT_EQ(rc, wantRc);
            EXPECT_EQ(got, unindicatedNull ? OCI_ERROR : OCI_SUCCESS);
        }
    }
    PQclear(r);
}

}  // namespace
