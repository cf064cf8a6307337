// Queries end to end: both cursor paths, batches, prefetching, scrolling, describe-only,
// exact fetch, and what the server holds afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "oci_session_test.h"
#include "protocol_trace.h"

namespace {

using vsk::test::ot;

class Query : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS q_rows; CREATE TABLE q_rows (id int, name text);"
                            "INSERT INTO q_rows SELECT g, 'name' || g FROM generate_series(1, 25) g"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS q_rows");
    }
    // Defines column 1 as 10 strings of 16 bytes.
    void define_ids() {
        ASSERT_EQ(define_text(1, ids_[0], sizeof ids_[0], inds_, lens_), OCI_SUCCESS) << error().second;
    }
    std::string id(int i) const { return ids_[i]; }
    // A count over a server view, read through the session's own connection (the views
    // show the session's own objects).
    std::string server_count(const std::string &view, const std::string &where = "true") {
        OCIStmt *s = side_stmt();
        char v[16] = {};
        // The counting query's own statement and cursor are left out by their marker, and
        // the protocol's unnamed portal (which runs the FETCH) by its empty name.
        EXPECT_EQ(prepare("select count(*)::text /* vsk_probe */ from " + view + " where (" + where +
                              ") and name <> '' and statement not like '%vsk\\_probe%'",
                          s),
                  OCI_SUCCESS);
        EXPECT_EQ(define_text(1, v, sizeof v, nullptr, nullptr, s), OCI_SUCCESS);
        EXPECT_EQ(execute(1, OCI_DEFAULT, s), OCI_SUCCESS) << error().second;
        EXPECT_EQ(prepare("select 1", s), OCI_SUCCESS);  // releases its own server objects
        return v;
    }
    OCIStmt *side_stmt() {
        if (!side_) {
            EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&side_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        }
        return side_;
    }
    ::testing::AssertionResult run_on(OCIStmt *s, const std::string &sql) {
        sword rc = prepare(sql, s);
        if (rc == OCI_SUCCESS) rc = execute(1, OCI_DEFAULT, s);
        if (rc == OCI_SUCCESS) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << sql << ": " << error().second;
    }

    char ids_[50][16] = {};
    sb2 inds_[50] = {};
    ub2 lens_[50] = {};
    OCIStmt *side_ = nullptr;
};

TEST_F(Query, BatchesOfTenOverTwentyFiveRows) {
    ASSERT_EQ(prepare("select id::text as t from q_rows order by id"), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 10, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 10u);
    EXPECT_EQ(id(0), "1");
    EXPECT_EQ(id(9), "10");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 10, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id(0), "11");
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 10, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 5u);
    EXPECT_EQ(id(0), "21");
    EXPECT_EQ(id(4), "25");
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 25u);
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 10, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 0u);
    EXPECT_EQ(attr_ub4(OCI_ATTR_STMT_STATE), 3u);
}

}  // namespace

namespace {

TEST_F(Query, PrefetchedRowsAreServedWithoutAskingTheServer) {
    ASSERT_EQ(prepare("select id::text as t from q_rows order by id"), OCI_SUCCESS);
    ub4 prefetch = 10;
    ASSERT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &prefetch, 0, OCI_ATTR_PREFETCH_ROWS, err_), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "1");
    // The server cursor stands after the batch while its rows are handed out one by one.
    EXPECT_EQ(attr_ub4(OCI_ATTR_CURRENT_POSITION), 10u);
    for (int expected = 2; expected <= 10; ++expected) {
        ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
        EXPECT_EQ(id(0), std::to_string(expected));
        EXPECT_EQ(attr_ub4(OCI_ATTR_CURRENT_POSITION), 10u);
    }
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id(0), "11");
    EXPECT_EQ(attr_ub4(OCI_ATTR_CURRENT_POSITION), 20u);
    // A batch fetch after single rows continues where the handed-out rows end.
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id(0), "12");
}

TEST_F(Query, DeclaredCursorPathFetchesTheSameRows) {
    ASSERT_EQ(prepare("select id::text as t from q_rows where id > :lo order by id"), OCI_SUCCESS);
    ub4 declared = 1;
    ASSERT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &declared, 0, 5001, err_), OCI_SUCCESS);
    char lo[4] = "20";
    ASSERT_EQ(bind_text(":lo", lo, sizeof lo), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(3), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "21");
    EXPECT_EQ(id(2), "23");
    // A commit does not end a WITH HOLD cursor.
    ASSERT_TRUE(run_on(side_stmt(), "COMMIT"));
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 3, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_EQ(id(0), "24");
    EXPECT_EQ(id(1), "25");
    // Executed again with another bind value.
    std::strcpy(lo, "1");
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "2");
}

TEST_F(Query, ExecutingAgainReusesTheServerStatement) {
    ASSERT_EQ(prepare("select name from q_rows where id = :id"), OCI_SUCCESS);
    char idv[4] = "3";
    ASSERT_EQ(bind_text(":id", idv, sizeof idv), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "name3");
    std::strcpy(idv, "4");
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "name4");
    EXPECT_EQ(server_count("pg_prepared_statements", "name LIKE 'stmt\\_%'"), "1");
    // Its first result fitted the first batch, so it now runs without a cursor.
    EXPECT_EQ(server_count("pg_cursors", "name LIKE 'portal\\_%'"), "0");
}

TEST_F(Query, NothingIsLeftOnTheServerAfterFreeing) {
    for (int i = 0; i < 3; ++i) {
        OCIStmt *s = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&s), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(prepare("select name from q_rows order by id", s), OCI_SUCCESS);
        if (i == 1) {
            ub4 declared = 1;
            ASSERT_EQ(OCIAttrSet(s, OCI_HTYPE_STMT, &declared, 0, 5001, err_), OCI_SUCCESS);
        }
        ASSERT_EQ(define_text(1, ids_[0], sizeof ids_[0], inds_, lens_, s), OCI_SUCCESS);
        ASSERT_EQ(execute(2, OCI_DEFAULT, s), OCI_SUCCESS) << error().second;
        ASSERT_EQ(OCIHandleFree(s, OCI_HTYPE_STMT), OCI_SUCCESS);
    }
    OCIStmt *dml = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&dml), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(prepare("update q_rows set name = name where id = 1", dml), OCI_SUCCESS);
    ASSERT_EQ(execute(1, OCI_DEFAULT, dml), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCIHandleFree(dml, OCI_HTYPE_STMT), OCI_SUCCESS);
    // Re-preparing a handle releases what the old text left.
    ASSERT_EQ(prepare("select name from q_rows"), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    ASSERT_EQ(prepare("select 1"), OCI_SUCCESS);
    EXPECT_EQ(server_count("pg_prepared_statements"), "0");
    EXPECT_EQ(server_count("pg_cursors"), "0");
}

TEST_F(Query, DescribeOnlyGivesColumnsWithoutRows) {
    ASSERT_EQ(prepare("select id, name, 'x'::text as third from q_rows where id = :id"), OCI_SUCCESS);
    ASSERT_EQ(execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS) << error().second;
    EXPECT_EQ(attr_ub4(OCI_ATTR_PARAM_COUNT), 3u);
}

TEST_F(Query, ExactFetchRefusesMoreRowsThanAsked) {
    ASSERT_EQ(prepare("select name from q_rows where id <= 2 order by id"), OCI_SUCCESS);
    define_ids();
    EXPECT_EQ(execute(1, OCI_EXACT_FETCH), OCI_ERROR);
    EXPECT_EQ(code(), 1422);
    EXPECT_EQ(execute(2, OCI_EXACT_FETCH), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(1), "name2");
}

TEST_F(Query, ScrollableCursorEveryOrientation) {
    ASSERT_EQ(prepare("select id::text as t from q_rows order by id"), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(0, OCI_STMT_SCROLLABLE_READONLY), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 5, OCI_FETCH_LAST, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "25");
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROWS_FETCHED), 1u);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_FIRST, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "1");
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_PRIOR, 0, OCI_DEFAULT), OCI_NO_DATA);
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 2, OCI_FETCH_ABSOLUTE, 10, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "10");
    EXPECT_EQ(id(1), "11");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_RELATIVE, -5, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "6");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_CURRENT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "6");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_PRIOR, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "5");
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id(0), "6");
}

TEST_F(Query, FetchChecksAndCancel) {
    OCIStmt *fresh = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&fresh), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(OCIStmtFetch2(fresh, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24338);
    OCIHandleFree(fresh, OCI_HTYPE_STMT);

    ASSERT_EQ(prepare("select name from q_rows order by id"), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_ERROR) << "a query fetching at execute needs its defines";
    EXPECT_EQ(code(), 24374);
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24374);
    define_ids();
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_FIRST, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24391);
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, 3, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24391);
    EXPECT_EQ(OCIStmtFetch(stmt_, err_, 1, OCI_FETCH_ABSOLUTE, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(code(), 24391);
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, 1), OCI_ERROR);
    EXPECT_EQ(code(), 24300);
    EXPECT_EQ(execute(1, OCI_DEFAULT, nullptr, 1), OCI_ERROR);
    EXPECT_EQ(code(), 1002);
    // nrows 0 gives the cursor up; the next execute opens a new one.
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    EXPECT_EQ(OCIStmtFetch2(stmt_, err_, 0, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(server_count("pg_cursors"), "0");
    ASSERT_EQ(execute(1), OCI_SUCCESS);
    EXPECT_EQ(id(0), "name1");
}

TEST_F(Query, DefineForALaterColumnOnlyFillsNothing) {
    ASSERT_EQ(prepare("select name, name from q_rows where id = 1"), OCI_SUCCESS);
    char second[16] = "untouched";
    ASSERT_EQ(define_text(2, second, sizeof second), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(second, "untouched");
}

}  // namespace

namespace {

TEST_F(Query, ExecutingAgainAfterACommitLeavesTheNewTransactionAlone) {
    ASSERT_EQ(prepare("select name from q_rows order by id"), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    ASSERT_TRUE(run_on(side_stmt(), "COMMIT"));  // ends the portal with its transaction
    ASSERT_TRUE(run_on(side_stmt(), "insert into q_rows values (100, 'new')"));
    // The old portal is not closed again inside the new transaction (that would abort it).
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "name1");
    ASSERT_TRUE(run_on(side_stmt(), "COMMIT"));
    EXPECT_EQ(side_value("SELECT count(*) FROM q_rows WHERE id = 100"), "1");
}

}  // namespace

namespace {

TEST_F(Query, TruncationInAnEarlierColumnIsReported) {
    ASSERT_EQ(prepare("select name, 'x'::text from q_rows where id = 12"), OCI_SUCCESS);
    char small[4] = {}, second[8] = {};
    sb2 ind = 0;
    ub2 rcode = 0;
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, small, sizeof small, SQLT_CHR, &ind, nullptr, &rcode, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(define_text(2, second, sizeof second), OCI_SUCCESS);
    EXPECT_EQ(execute(1), OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(code(), 1406);
    EXPECT_EQ(std::string(small, 4), "name");
    EXPECT_EQ(ind, 2);  // the bytes that did not fit
    EXPECT_EQ(rcode, 1406);  // drivers look here, not at the call's warning
    EXPECT_STREQ(second, "x");
}

}  // namespace

namespace {

// Exchanges with the server, counted as the synchronisation messages in libpq's protocol
// trace of a session of its own.
class QueryRoundTrips : public Query {
protected:
    std::size_t syncs() const { return vsk::test::protocol_exchanges(trace_); }
    std::string trace_ = ::testing::TempDir() + "vsk_roundtrips.trace";
};

TEST_F(QueryRoundTrips, RepeatedPointQueryTakesOneExchange) {
    std::remove(trace_.c_str());
    setenv("OCI_TRACE_PROTOCOL", trace_.c_str(), 1);
    OCISvcCtx *svc = nullptr;
    logon(&svc);
    unsetenv("OCI_TRACE_PROTOCOL");
    ASSERT_NE(svc, nullptr);
    std::swap(svc, svc_);
    ASSERT_EQ(prepare("select name from q_rows where id = :id"), OCI_SUCCESS);
    char idv[4] = "3";
    ASSERT_EQ(bind_text(":id", idv, sizeof idv), OCI_SUCCESS);
    define_ids();
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    const std::size_t before = syncs();
    std::strcpy(idv, "4");
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(id(0), "name4");
    EXPECT_EQ(syncs() - before, 1u);
    // The first batch showed there is nothing more: asking needs no exchange.
    ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_EQ(syncs() - before, 1u);
    // A query with more rows than its first batch: its preparation, one exchange for that
    // batch with the cursor's declaration, one per batch after it, and one for the batch
    // read ahead.
    ASSERT_EQ(prepare("select name from q_rows where id <= 20 order by id"), OCI_SUCCESS);
    define_ids();
    const std::size_t start = syncs();
    ASSERT_EQ(execute(5), OCI_SUCCESS) << error().second;
    EXPECT_EQ(syncs() - start, 2u);
    for (int batch = 1; batch < 4; ++batch) {
        ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 5, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
        EXPECT_EQ(id(0), "name" + std::to_string(batch * 5 + 1));
    }
    EXPECT_EQ(syncs() - start, 6u);
    std::swap(svc, svc_);
    OCILogoff(svc, err_);
    std::remove(trace_.c_str());
}

}  // namespace
