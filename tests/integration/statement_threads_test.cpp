// Four threads, each with its own environment and connection, running statements at the
// same time. Built and run under ThreadSanitizer as well.
#include <gtest/gtest.h>

#include <oci.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

constexpr int kThreads = 4;
constexpr int kRounds = 40;
constexpr int kArrayRows = 50;

class Threads : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS th_rows; CREATE TABLE th_rows (t int, i int, v text)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS th_rows");
    }

    // One thread's whole life: environment, logon, inserts and queries, logoff. The
    // number of rounds that did not go as expected.
    int worker(int t) {
        OCIEnv *env = nullptr;
        OCIError *err = nullptr;
        OCISvcCtx *svc = nullptr;
        OCIStmt *ins = nullptr, *sel = nullptr;
        if (OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) return -1;
        OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
        const std::string u = user(), link = dblink();
        int failures = 0;
        if (OCILogon(env, err, &svc, ot(u), len(u), ot(u), len(u), ot(link), len(link)) != OCI_SUCCESS) {
            OCIHandleFree(env, OCI_HTYPE_ENV);
            return -1;
        }
        OCIHandleAlloc(env, reinterpret_cast<void **>(&ins), OCI_HTYPE_STMT, 0, nullptr);
        OCIHandleAlloc(env, reinterpret_cast<void **>(&sel), OCI_HTYPE_STMT, 0, nullptr);
        const std::string insert = "insert into th_rows values (:t, :i, :v)";
        const std::string query = "select v from th_rows where t = :t and i = :i";
        char tv[8] = {}, iv[8] = {}, vv[32] = {}, got[32] = {};
        std::snprintf(tv, sizeof tv, "%d", t);
        OCIBind *b = nullptr;
        OCIDefine *d = nullptr;
        OCIStmtPrepare(ins, err, ot(insert), len(insert), OCI_NTV_SYNTAX, OCI_DEFAULT);
        OCIBindByName(ins, &b, err, ot(":t"), 2, tv, sizeof tv, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIBindByName(ins, &b, err, ot(":i"), 2, iv, sizeof iv, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIBindByName(ins, &b, err, ot(":v"), 2, vv, sizeof vv, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIStmtPrepare(sel, err, ot(query), len(query), OCI_NTV_SYNTAX, OCI_DEFAULT);
        OCIBindByName(sel, &b, err, ot(":t"), 2, tv, sizeof tv, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIBindByName(sel, &b, err, ot(":i"), 2, iv, sizeof iv, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIDefineByPos(sel, &d, err, 1, got, sizeof got, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT);
        for (int i = 0; i < kRounds; ++i) {
            std::snprintf(iv, sizeof iv, "%d", i);
            std::snprintf(vv, sizeof vv, "t%d-%d", t, i);
            got[0] = 0;
            if (OCIStmtExecute(svc, ins, err, 1, 0, nullptr, nullptr, OCI_COMMIT_ON_SUCCESS) != OCI_SUCCESS ||
                OCIStmtExecute(svc, sel, err, 1, 0, nullptr, nullptr, OCI_DEFAULT) != OCI_SUCCESS ||
                std::string(got) != vv) {
                if (!failures) {
                    sb4 code = 0;
                    char text[512] = {};
                    OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText *>(text), sizeof text, OCI_HTYPE_ERROR);
                    first_failure_[t] = std::to_string(i) + ": " + text + " got '" + got + "'";
                }
                ++failures;
            }
        }
        // An array of rows in one execution.
        int ts[kArrayRows], ids[kArrayRows];
        for (int i = 0; i < kArrayRows; ++i) {
            ts[i] = t;
            ids[i] = 1000 + i;
        }
        const std::string many = "insert into th_rows values (:t, :i, 'array')";
        OCIStmtPrepare(ins, err, ot(many), len(many), OCI_NTV_SYNTAX, OCI_DEFAULT);
        OCIBindByName(ins, &b, err, ot(":t"), 2, ts, sizeof ts[0], SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr, 0);
        OCIBindByName(ins, &b, err, ot(":i"), 2, ids, sizeof ids[0], SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr, 0);
        if (OCIStmtExecute(svc, ins, err, kArrayRows, 0, nullptr, nullptr, OCI_COMMIT_ON_SUCCESS) != OCI_SUCCESS)
            ++failures;
        OCILogoff(svc, err);
        OCIHandleFree(env, OCI_HTYPE_ENV);
        return failures;
    }
    std::string first_failure_[kThreads];
};

TEST_F(Threads, SeparateConnectionsRunStatementsAtOnce) {
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) threads.emplace_back([&, t] { failures[t] = worker(t); });
    for (auto &th : threads) th.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t << ", first: " << first_failure_[t];
    EXPECT_EQ(side_value("SELECT count(DISTINCT (t, i)) FROM th_rows"), std::to_string(kThreads * (kRounds + kArrayRows)));
}

}  // namespace
