// Queries end to end: both cursor paths, batches, prefetching, scrolling, describe-only,
// exact fetch, and what the server holds afterwards.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "oci_session_test.h"

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

    char ids_[50][16] = {};
    sb2 inds_[50] = {};
    ub2 lens_[50] = {};
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
