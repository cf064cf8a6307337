// Calls ended before the server answers: OCI_ATTR_CALL_TIMEOUT cancels a call that waits
// too long (3156), OCIBreak from another thread cancels the running statement (1013), and
// the session goes on either way. A network that stops carrying anything ends the call as
// a lost connection instead of hanging. The session runs over TCP through a proxy.
#include <oci.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "oci_session_test.h"
#include "tcp_proxy.h"

namespace {

using vsk::test::len;
using vsk::test::ot;
using Clock = std::chrono::steady_clock;

constexpr ub4 kLimitMs = 300;
// A call the limit did not end would take this long; ending well before it is the point.
constexpr int kSleepSeconds = 30;
const std::string kLongSleep = "select pg_sleep(" + std::to_string(kSleepSeconds) + ")";

class CallTimeout : public vsk::test::OciSessionTest {
protected:
    void logon(OCISvcCtx **svc) override {
        const std::string tcp = vsk::test::ReadTcpConnInfo();
        ASSERT_FALSE(tcp.empty()) << "no TCP conninfo from the harness";
        std::string host, port;
        PQconninfoOption *opts = PQconninfoParse(tcp.c_str(), nullptr);
        for (PQconninfoOption *o = opts; o && o->keyword; ++o) {
            if (!o->val) continue;
            if (std::string(o->keyword) == "host") host = o->val;
            if (std::string(o->keyword) == "port") port = o->val;
        }
        PQconninfoFree(opts);
        if (!proxy_) proxy_ = std::make_unique<vsk::test::TcpProxy>(host, std::stoi(port));
        const std::string user = "vsk", link = "127.0.0.1:" + std::to_string(proxy_->port()) + "/vsk";
        ASSERT_EQ(OCILogon(env_, err_, svc, ot(user), len(user), ot(user), len(user), ot(link), len(link)),
                  OCI_SUCCESS)
            << error().second;
    }
    void TearDown() override {
        if (proxy_) proxy_->stall(false);
        if (svc_) OCILogoff(svc_, err_);
        svc_ = nullptr;
        OciSessionTest::TearDown();
        proxy_.reset();
    }

    void set_limit(ub4 ms) {
        ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, &ms, 0, OCI_ATTR_CALL_TIMEOUT, err_), OCI_SUCCESS);
    }
    void set_stmt_level_rollback() {
        OCIServer *server = nullptr;
        ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &server, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
        ub1 on = 1;
        ASSERT_EQ(OCIAttrSet(server, OCI_HTYPE_SERVER, &on, 1, 5000, err_), OCI_SUCCESS) << error().second;
    }
    // Runs sql; the call's result and how long it took.
    std::pair<sword, Clock::duration> timed_run(const std::string &sql) {
        const auto start = Clock::now();
        static char value[64];
        sword rc = prepare(sql);
        if (rc == OCI_SUCCESS && sql.rfind("select", 0) == 0) rc = define_text(1, value, sizeof value);
        if (rc == OCI_SUCCESS) rc = execute();
        return {rc, Clock::now() - start};
    }
    // The call ended long before the server would have answered it.
    static void expect_cut_short(Clock::duration took, const char *what) {
        EXPECT_LT(took, std::chrono::seconds(kSleepSeconds / 2)) << what;
    }
    // A query of one number through the session.
    std::string one_value(const std::string &sql) {
        char buf[64] = {0};
        if (prepare(sql) != OCI_SUCCESS || define_text(1, buf, sizeof buf) != OCI_SUCCESS) return "<prepare failed>";
        if (execute() != OCI_SUCCESS) return "<failed: " + error().second + ">";
        return buf;
    }
    std::string committed_ids(const std::string &table) const {
        return side_value("select coalesce(string_agg(id::text, ',' order by id), '') from " + table);
    }

    std::unique_ptr<vsk::test::TcpProxy> proxy_;
};

TEST_F(CallTimeout, QueryDmlAndCommitEndAtTheLimitAndTheSessionGoesOn) {
    ASSERT_TRUE(exec_ok("drop table if exists ct_rows, ct_locked, ct_child, ct_parent"));
    ASSERT_TRUE(exec_ok("create table ct_rows (id int)"));
    ASSERT_TRUE(exec_ok("create table ct_locked (id int)"));
    ASSERT_TRUE(exec_ok("create table ct_parent (id int primary key)"));
    ASSERT_TRUE(exec_ok("create table ct_child (pid int references ct_parent deferrable initially deferred)"));
    ASSERT_TRUE(exec_ok("insert into ct_parent values (1)"));
    set_stmt_level_rollback();
    set_limit(kLimitMs);

    // A long query: the earlier insert of the transaction stays.
    ASSERT_TRUE(run("insert into ct_rows values (1)"));
    auto [rc, took] = timed_run(kLongSleep);
    EXPECT_EQ(rc, OCI_ERROR);
    EXPECT_EQ(code(), 3156) << error().second;
    expect_cut_short(took, "query");
    EXPECT_EQ(one_value("select count(*) from ct_rows"), "1");
    ASSERT_TRUE(run("insert into ct_rows values (2)"));

    // DML waiting for a lock another session holds.
    {
        vsk::test::PgConn locker = connect_side();
        ASSERT_TRUE(locker.ok()) << locker.error();
        ASSERT_EQ(locker.exec("begin").status(), PGRES_COMMAND_OK);
        ASSERT_EQ(locker.exec("lock table ct_locked in access exclusive mode").status(), PGRES_COMMAND_OK);
        std::tie(rc, took) = timed_run("insert into ct_locked values (3)");
        EXPECT_EQ(rc, OCI_ERROR);
        EXPECT_EQ(code(), 3156) << error().second;
        expect_cut_short(took, "insert");
        ASSERT_EQ(locker.exec("rollback").status(), PGRES_COMMAND_OK);
    }
    ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed_ids("ct_rows"), "1,2");
    EXPECT_EQ(committed_ids("ct_locked"), "");

    // A commit whose deferred check waits for a row another session locked: the
    // transaction ends without its work.
    {
        vsk::test::PgConn locker = connect_side();
        ASSERT_TRUE(locker.ok()) << locker.error();
        ASSERT_EQ(locker.exec("begin").status(), PGRES_COMMAND_OK);
        ASSERT_EQ(locker.exec("select * from ct_parent where id = 1 for update").status(), PGRES_TUPLES_OK);
        ASSERT_TRUE(run("insert into ct_child values (1)"));
        const auto start = Clock::now();
        EXPECT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_ERROR);
        EXPECT_EQ(code(), 3156) << error().second;
        expect_cut_short(Clock::now() - start, "commit");
        ASSERT_EQ(locker.exec("rollback").status(), PGRES_COMMAND_OK);
    }
    EXPECT_EQ(one_value("select count(*) from ct_child"), "0");
    ASSERT_TRUE(run("insert into ct_child values (1)"));
    EXPECT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select count(*) from ct_child"), "1");
    EXPECT_TRUE(exec_ok("drop table ct_rows, ct_locked, ct_child, ct_parent"));
}

TEST_F(CallTimeout, WithoutALimitLongCallsRunToTheirEnd) {
    set_limit(kLimitMs);
    set_limit(0);
    EXPECT_EQ(one_value("select pg_sleep(0.8)::text || 'done'"), "done");
    // Under the limit a call that answers in time is untouched, fetches included.
    set_limit(5000);
    EXPECT_EQ(one_value("select count(*) from (select pg_sleep(0.01) from generate_series(1, 20)) s"), "20");
}

TEST_F(CallTimeout, StalledNetworkEndsTheCallAsALostConnection) {
    set_limit(kLimitMs);
    ASSERT_EQ(one_value("select 1"), "1");
    proxy_->stall(true);
    auto [rc, took] = timed_run("select 2");
    EXPECT_EQ(rc, OCI_ERROR);
    EXPECT_TRUE(code() == 25407 || code() == 3113) << error().second;
    expect_cut_short(took, "stalled query");
    EXPECT_EQ(OCIPing(svc_, err_, OCI_DEFAULT), OCI_ERROR);
    proxy_->stall(false);
    // The session is gone; a new one through the same proxy works.
    OCILogoff(svc_, err_);
    svc_ = nullptr;
    logon(&svc_);
    EXPECT_EQ(one_value("select 3"), "3");
}

TEST_F(CallTimeout, BreakFromAnotherThreadCancelsTheRunningStatement) {
    OCIError *breakErr = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&breakErr), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    // Nothing running: harmless.
    EXPECT_EQ(OCIBreak(svc_, breakErr), OCI_SUCCESS);
    EXPECT_EQ(one_value("select 1"), "1");

    std::atomic<sword> breakRc{OCI_ERROR};
    std::thread breaker([&] {
        // Waits until the statement runs on the server, then breaks it.
        vsk::test::PgConn watch = connect_side();
        const auto giveUp = Clock::now() + std::chrono::seconds(kSleepSeconds / 2);
        while (watch.ok() && Clock::now() < giveUp) {
            vsk::test::PgResult r = watch.exec(
                "select count(*) from pg_stat_activity where wait_event = 'PgSleep'");
            if (r.status() == PGRES_TUPLES_OK && std::string(PQgetvalue(r.get(), 0, 0)) != "0") break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        breakRc = OCIBreak(svc_, breakErr);
    });
    auto [rc, took] = timed_run(kLongSleep);
    breaker.join();
    EXPECT_EQ(breakRc.load(), OCI_SUCCESS);
    EXPECT_EQ(rc, OCI_ERROR);
    EXPECT_EQ(code(), 1013) << error().second;
    expect_cut_short(took, "broken query");
    EXPECT_EQ(one_value("select 2"), "2");
    OCIHandleFree(breakErr, OCI_HTYPE_ERROR);
}

}  // namespace
