// Connections lost under the library: closed or cut by a proxy between it and the server,
// or ended by the server. Every call that needed the server fails with an error record
// (never success, never OCI_NO_DATA for rows that did not come), nothing hangs, the
// handles free cleanly, and a new session works.
#include <oci.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "oci_session_test.h"
#include "tcp_proxy.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

constexpr int kRows = 100000;

class LostConnection : public vsk::test::OciSessionTest {
protected:
    // Over TCP through the proxy, as user vsk.
    void logon(OCISvcCtx **svc) override {
        const vsk::test::TcpTarget tcp = vsk::test::ReadTcpTarget();
        ASSERT_FALSE(tcp.port.empty()) << "no TCP conninfo from the harness";
        if (!proxy_) proxy_ = std::make_unique<vsk::test::TcpProxy>(tcp.host, std::stoi(tcp.port));
        const std::string user = "vsk", link = "127.0.0.1:" + std::to_string(proxy_->port()) + "/vsk";
        ASSERT_EQ(OCILogon(env_, err_, svc, ot(user), len(user), ot(user), len(user), ot(link), len(link)),
                  OCI_SUCCESS)
            << error().second;
    }
    void TearDown() override {
        // Logging off a lost session still frees everything.
        if (svc_) OCILogoff(svc_, err_);
        svc_ = nullptr;
        OciSessionTest::TearDown();
        proxy_.reset();
    }

    // The call failed with an error record.
    void expect_failed(sword rc, const char *what) {
        EXPECT_EQ(rc, OCI_ERROR) << what;
        EXPECT_NE(code(), 0) << what << ": " << error().second;
    }
    sword ping() { return OCIPing(svc_, err_, OCI_DEFAULT); }

    // After a loss: a new session through the same proxy works.
    void expect_new_session_works() {
        OCISvcCtx *fresh = nullptr;
        logon(&fresh);
        OCIStmt *s = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&s), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        int one = 0;
        OCIDefine *d = nullptr;
        ASSERT_EQ(prepare("select 1", s), OCI_SUCCESS);
        ASSERT_EQ(OCIDefineByPos(s, &d, err_, 1, &one, sizeof one, SQLT_INT, nullptr, nullptr, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIStmtExecute(fresh, s, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS) << error().second;
        EXPECT_EQ(one, 1);
        OCIHandleFree(s, OCI_HTYPE_STMT);
        EXPECT_EQ(OCILogoff(fresh, err_), OCI_SUCCESS);
    }

    std::unique_ptr<vsk::test::TcpProxy> proxy_;
};

const std::string kSeries = "select g from generate_series(1, " + std::to_string(kRows) + ") g";

TEST_F(LostConnection, DmlDescribeCommitAndPingAfterTheConnectionCloses) {
    ASSERT_TRUE(run("create temporary table lc_t (id int)"));
    ASSERT_TRUE(run("insert into lc_t values (1)"));
    proxy_->close_all();
    expect_failed(execute(), "insert");
    // Preparing needs no server; describing the prepared query does.
    ASSERT_EQ(prepare("select id from lc_t"), OCI_SUCCESS);
    expect_failed(execute(0, OCI_DESCRIBE_ONLY), "describe");
    expect_failed(OCITransCommit(svc_, err_, OCI_DEFAULT), "commit");
    expect_failed(ping(), "ping");
    expect_failed(OCITransRollback(svc_, err_, OCI_DEFAULT), "rollback");
    expect_new_session_works();
}

TEST_F(LostConnection, FetchesEndWithAnErrorNotNoData) {
    struct Case {
        const char *what;
        std::string sql;
        ub4 attr5001;  // 1: a cursor WITH HOLD
        ub4 mode;
        bool cut;
    } cases[] = {
        {"cursor with read-ahead, closed", kSeries, 0, OCI_DEFAULT, false},
        {"cursor with read-ahead, cut mid-message", kSeries, 0, OCI_DEFAULT, true},
        {"cursor WITH HOLD, closed", kSeries, 1, OCI_DEFAULT, false},
        {"scrollable cursor, cut", kSeries, 0, OCI_STMT_SCROLLABLE_READONLY, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(prepare(c.sql), OCI_SUCCESS);
        if (c.attr5001) {
            ub4 hold = c.attr5001;
            ASSERT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &hold, sizeof hold, 5001, err_), OCI_SUCCESS);
        }
        static int ids[100];
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, ids, sizeof(int), SQLT_INT, nullptr, nullptr, nullptr,
                                 OCI_DEFAULT),
                  OCI_SUCCESS);
        ASSERT_EQ(execute(0, c.mode), OCI_SUCCESS) << error().second;
        int fetched = 0;
        sword rc = OCI_SUCCESS;
        for (int i = 0; i < 5 && rc == OCI_SUCCESS; ++i, fetched += 100)
            rc = OCIStmtFetch2(stmt_, err_, 100, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        ASSERT_EQ(rc, OCI_SUCCESS) << error().second;
        if (c.cut) proxy_->cut_server_after(3000);
        else proxy_->close_all();
        while (rc == OCI_SUCCESS) {
            rc = OCIStmtFetch2(stmt_, err_, 100, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
            if (rc == OCI_SUCCESS) fetched += 100;
        }
        EXPECT_LT(fetched, kRows);
        expect_failed(rc, "fetch");
        expect_failed(ping(), "ping");
        // A fresh session for the next case.
        EXPECT_EQ(OCILogoff(svc_, err_), OCI_SUCCESS);
        svc_ = nullptr;
        OCIHandleFree(stmt_, OCI_HTYPE_STMT);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        logon(&svc_);
    }
}

TEST_F(LostConnection, BackendTerminatedByTheServer) {
    int pid = 0;
    OCIDefine *d = nullptr;
    ASSERT_EQ(prepare("select pg_backend_pid()"), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &pid, sizeof pid, SQLT_INT, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    ASSERT_GT(pid, 0);
    EXPECT_EQ(side_value("select pg_terminate_backend(" + std::to_string(pid) + ")"), "t");
    // The server's own notice of the end, or the loss: an error either way.
    expect_failed(execute(), "query");
    expect_failed(ping(), "ping");
    expect_new_session_works();
}

TEST_F(LostConnection, NonBlockingPollSeesTheLoss) {
    OCIServer *server = nullptr;
    ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &server, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(server, OCI_HTYPE_SERVER, nullptr, 0, OCI_ATTR_NONBLOCKING_MODE, err_), OCI_SUCCESS);
    ASSERT_TRUE(run("create temporary table lc_n (id int)"));
    ASSERT_EQ(prepare("insert into lc_n select pg_sleep(1)::text::int"), OCI_SUCCESS);
    sword rc = execute();
    ASSERT_EQ(rc, OCI_STILL_EXECUTING) << error().second;
    proxy_->close_all();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (rc == OCI_STILL_EXECUTING && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        rc = execute();
    }
    expect_failed(rc, "poll");
}

TEST_F(LostConnection, CallBlockLosesItsServerMidCall) {
    ASSERT_TRUE(exec_ok("CREATE OR REPLACE PROCEDURE lc_nap(s float8) LANGUAGE plpgsql AS "
                        "$$ BEGIN PERFORM pg_sleep(s); END $$"));
    char secs[] = "2";
    ASSERT_EQ(prepare("BEGIN lc_nap(:s); END;"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":s", secs, sizeof secs), OCI_SUCCESS);
    std::thread closer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        proxy_->close_all();
    });
    const auto start = std::chrono::steady_clock::now();
    expect_failed(execute(), "call block");
    closer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    expect_failed(ping(), "ping");
    expect_new_session_works();
    exec_ok("DROP PROCEDURE IF EXISTS lc_nap(float8)");
}

TEST_F(LostConnection, LargeObjectReadLosesItsServerBetweenPieces) {
    // 1 MiB server large object, read in 64 KiB pieces: every piece is a round trip.
    ASSERT_TRUE(run("create temporary table lc_lo (o oid)"));
    ASSERT_TRUE(run("insert into lc_lo select lo_from_bytea(0, decode(repeat('ab', 1048576), 'hex'))"));
    OCILobLocator *loc = nullptr;
    ASSERT_EQ(OCIDescriptorAlloc(env_, reinterpret_cast<void **>(&loc), OCI_DTYPE_LOB, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(prepare("select o from lc_lo"), OCI_SUCCESS);
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &loc, sizeof loc, SQLT_BLOB, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    static char buf[65536];
    oraub8 bytes = 0;
    sword rc = OCILobRead2(svc_, err_, loc, &bytes, nullptr, 1, buf, sizeof buf, OCI_FIRST_PIECE, nullptr, nullptr,
                           0, 0);
    ASSERT_EQ(rc, OCI_NEED_DATA) << error().second;
    EXPECT_EQ(bytes, sizeof buf);
    EXPECT_EQ(static_cast<unsigned char>(buf[0]), 0xab);
    proxy_->close_all();
    bytes = 0;
    rc = OCILobRead2(svc_, err_, loc, &bytes, nullptr, 1, buf, sizeof buf, OCI_NEXT_PIECE, nullptr, nullptr, 0, 0);
    expect_failed(rc, "next piece");
    ub4 length = 0;
    expect_failed(OCILobGetLength(svc_, err_, loc, &length), "length");
    expect_failed(ping(), "ping");
    EXPECT_EQ(OCIDescriptorFree(loc, OCI_DTYPE_LOB), OCI_SUCCESS);
    expect_new_session_works();
}

TEST_F(LostConnection, LogonWhenTheServerIsUnreachable) {
    proxy_->cut_server_after(0);
    OCISvcCtx *svc = nullptr;
    const std::string user = "vsk", link = "127.0.0.1:" + std::to_string(proxy_->port()) + "/vsk";
    EXPECT_EQ(OCILogon(env_, err_, &svc, ot(user), len(user), ot(user), len(user), ot(link), len(link)), OCI_ERROR);
    EXPECT_NE(code(), 0);
    if (svc) OCILogoff(svc, err_);
}

}  // namespace
