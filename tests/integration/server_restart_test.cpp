// A server that stops at once (pg_ctl stop -m immediate) under open sessions, pooled and
// not, and comes back: every call that needs it fails with an error record, nothing hangs,
// everything frees, and new sessions work once it is back. The cluster is this test's own.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pool_fixture.h"

namespace {

using vsk::test::plen;
using vsk::test::pot;

class ServerRestart : public vsk::test::PoolTest {
protected:
    // tools/pg_cluster crash|restart on the cluster the harness made for this test.
    static ::testing::AssertionResult cluster(const std::string &command) {
        const char *tool = std::getenv("VSK_PG_TOOL"), *dir = std::getenv("VSK_PG_DIR");
        if (!tool || !dir) return ::testing::AssertionFailure() << "VSK_PG_TOOL/VSK_PG_DIR not set";
        const std::string line = std::string(tool) + " " + command + " " + dir;
        if (std::system(line.c_str()) != 0) return ::testing::AssertionFailure() << line << " failed";
        return ::testing::AssertionSuccess();
    }
    sword logon(OCISvcCtx **svc) {
        const std::string user = "vsk";
        return OCILogon(env_, err_, svc, pot(user), plen(user), pot(user), plen(user), pot(direct_), plen(direct_));
    }
    void expect_failed(sword rc, const char *what) {
        EXPECT_EQ(rc, OCI_ERROR) << what;
        EXPECT_NE(error().first, 0) << what << ": " << error().second;
    }
    OCIStmt *statement(OCISvcCtx *svc, const std::string &sql) {
        OCIStmt *s = nullptr;
        EXPECT_EQ(OCIStmtPrepare2(svc, &s, err_, pot(sql), plen(sql), nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
                  OCI_SUCCESS);
        return s;
    }
};

TEST_F(ServerRestart, CallsFailWhileTheServerIsDownAndNewSessionsWorkAfter) {
    OCISPool *pool = new_pool();
    std::string name;
    ASSERT_EQ(create(pool, &name, 2, 4, 1), OCI_SUCCESS) << error().second;
    OCISvcCtx *pooled = nullptr;
    ASSERT_EQ(get(&pooled, name), OCI_SUCCESS) << error().second;

    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(logon(&svc), OCI_SUCCESS) << error().second;
    ASSERT_EQ(run(svc, "create temporary table sr_t (id int)"), OCI_SUCCESS) << error().second;
    OCIStmt *insert = statement(svc, "insert into sr_t values (1)");
    ASSERT_EQ(OCIStmtExecute(svc, insert, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS)
        << error().second;
    // A query left mid-fetch, its next rows read ahead.
    OCIStmt *query = statement(svc, "select g from generate_series(1, 100000) g");
    static int ids[100];
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(query, &d, err_, 1, ids, sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIStmtExecute(svc, query, err_, 100, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS)
        << error().second;

    ASSERT_TRUE(cluster("crash"));
    sword rc = OCI_SUCCESS;
    for (int i = 0; i < 2000 && rc == OCI_SUCCESS; ++i) rc = OCIStmtFetch2(query, err_, 100, OCI_FETCH_NEXT, 0, 0);
    expect_failed(rc, "fetch");
    expect_failed(OCIStmtExecute(svc, insert, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), "insert");
    expect_failed(OCITransCommit(svc, err_, OCI_DEFAULT), "commit");
    expect_failed(OCIPing(svc, err_, OCI_DEFAULT), "ping");
    EXPECT_EQ(value(pooled, "select 1").rfind("<error", 0), 0u);
    expect_failed(OCIPing(pooled, err_, OCI_DEFAULT), "pooled ping");
    EXPECT_EQ(OCISessionRelease(pooled, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    OCISvcCtx *none = nullptr;
    expect_failed(logon(&none), "logon while down");
    expect_failed(get(&none, name), "pooled get while down");

    ASSERT_TRUE(cluster("restart"));
    // Lost sessions stay lost; their handles free.
    expect_failed(OCIPing(svc, err_, OCI_DEFAULT), "ping after restart");
    OCIStmtRelease(query, err_, nullptr, 0, OCI_DEFAULT);
    OCIStmtRelease(insert, err_, nullptr, 0, OCI_DEFAULT);
    OCILogoff(svc, err_);

    ASSERT_EQ(logon(&svc), OCI_SUCCESS) << error().second;
    EXPECT_EQ(value(svc, "select 6 * 7"), "42");
    EXPECT_EQ(OCILogoff(svc, err_), OCI_SUCCESS);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(get(&pooled, name), OCI_SUCCESS) << error().second;
        EXPECT_EQ(value(pooled, "select 1"), "1");
        EXPECT_EQ(OCISessionRelease(pooled, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_EQ(OCISessionPoolDestroy(pool, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    OCIHandleFree(pool, OCI_HTYPE_SPOOL);
}

}  // namespace
