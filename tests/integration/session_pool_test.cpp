// Session pools against the private server: creation and names, reuse of backends,
// transactions left open, limits by get mode, growth, idle timeout, dead backends,
// users, destroy, UTF-16 environments.
#include <oci.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>

#include "pool_fixture.h"

namespace {

using vsk::test::PgResult;
using vsk::test::plen;
using vsk::test::pot;
using vsk::test::u16;

class SessionPool : public vsk::test::PoolTest {};

TEST_F(SessionPool, CreateByMode) {
    struct Case {
        ub4 mode;
        sword rc;
        sb4 code;
    } cases[] = {
        {OCI_DEFAULT, OCI_SUCCESS, 0},
        {OCI_SPC_HOMOGENEOUS, OCI_SUCCESS, 0},
        {OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE, OCI_SUCCESS, 0},
        {OCI_SPC_STMTCACHE, OCI_SUCCESS, 0},
        {OCI_SPC_REINITIALIZE, OCI_ERROR, 30475},
        {OCI_SPC_REINITIALIZE | OCI_SPC_HOMOGENEOUS, OCI_ERROR, 30475},
        {OCI_SPC_NO_RLB, OCI_ERROR, 24300},
        {0x100, OCI_ERROR, 24300},
    };
    for (const Case &c : cases) {
        OCISPool *pool = new_pool();
        std::string name;
        EXPECT_EQ(create(pool, &name, 1, 2, 1, c.mode), c.rc) << "mode " << c.mode << " " << error().second;
        if (c.rc != OCI_SUCCESS) {
            EXPECT_EQ(error().first, c.code) << "mode " << c.mode;
        }
        const ub4 opened = c.rc == OCI_SUCCESS && (c.mode & OCI_SPC_HOMOGENEOUS) ? 1 : 0;
        EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), opened) << "mode " << c.mode;
        EXPECT_EQ(OCIHandleFree(pool, OCI_HTYPE_SPOOL), OCI_SUCCESS);
    }
    EXPECT_EQ(backends(0), 0);
    // Connection pools are not offered: a failure the program can read.
    EXPECT_EQ(OCIConnectionPoolCreate(env_, err_, nullptr, nullptr, nullptr, nullptr, 0, 1, 2, 1, nullptr, 0, nullptr,
                                      0, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_EQ(error().first, 3001);
    EXPECT_EQ(OCIConnectionPoolDestroy(nullptr, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 3001);
}

TEST_F(SessionPool, NamesAreUniqueAndFindTheirPool) {
    auto [a, na] = open_pool(1, 2, 1);
    auto [b, nb] = open_pool(0, 2, 1);
    for (const std::string &n : {na, nb}) {
        ASSERT_EQ(n.size(), 29u);
        EXPECT_EQ(n.compare(0, 7, "OCI:SP:"), 0) << n;
        EXPECT_EQ(n.back(), '\0');
    }
    EXPECT_NE(na, nb);

    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, nb), OCI_SUCCESS) << error().second;
    EXPECT_EQ(svc->pool, b);
    EXPECT_EQ(pool_attr(b, OCI_ATTR_SPOOL_BUSY_COUNT), 1u);
    EXPECT_EQ(pool_attr(a, OCI_ATTR_SPOOL_BUSY_COUNT), 0u);
    // The name without its terminator finds the pool as well.
    OCISvcCtx *other = nullptr;
    ASSERT_EQ(get(&other, na.substr(0, 28)), OCI_SUCCESS) << error().second;
    EXPECT_EQ(other->pool, a);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCISessionRelease(other, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);

    EXPECT_EQ(get(&svc, "OCI:SP:nosuchpool"), OCI_ERROR);
    EXPECT_EQ(error().first, 24416);
    EXPECT_EQ(svc, nullptr);
}

TEST_F(SessionPool, AttributesReadBack) {
    OCISPool *pool = new_pool();
    std::string name;
    set_pool_attr(pool, OCI_ATTR_SPOOL_TIMEOUT, 30);
    set_pool_attr(pool, OCI_ATTR_SPOOL_WAIT_TIMEOUT, 1500);
    set_pool_attr(pool, OCI_ATTR_SPOOL_MAX_LIFETIME_SESSION, 3600);
    set_pool_attr(pool, OCI_ATTR_SPOOL_MAX_PER_SHARD, 4);
    set_get_mode(pool, OCI_SPOOL_ATTRVAL_NOWAIT);
    ASSERT_EQ(create(pool, &name, 2, 6, 2), OCI_SUCCESS) << error().second;
    struct Case {
        ub4 attr;
        ub4 value;
    } cases[] = {
        {OCI_ATTR_SPOOL_MIN, 2}, {OCI_ATTR_SPOOL_MAX, 6}, {OCI_ATTR_SPOOL_INCR, 2},
        {OCI_ATTR_SPOOL_OPEN_COUNT, 2}, {OCI_ATTR_SPOOL_BUSY_COUNT, 0}, {OCI_ATTR_SPOOL_TIMEOUT, 30},
        {OCI_ATTR_SPOOL_WAIT_TIMEOUT, 1500}, {OCI_ATTR_SPOOL_MAX_LIFETIME_SESSION, 3600},
        {OCI_ATTR_SPOOL_MAX_PER_SHARD, 4}, {OCI_ATTR_SPOOL_STMTCACHESIZE, 20},
    };
    for (const Case &c : cases) EXPECT_EQ(pool_attr(pool, c.attr), c.value) << "attribute " << c.attr;
    ub1 mode = 9;
    ub4 size = 0;
    ASSERT_EQ(OCIAttrGet(pool, OCI_HTYPE_SPOOL, &mode, &size, OCI_ATTR_SPOOL_GETMODE, err_), OCI_SUCCESS);
    EXPECT_EQ(mode, OCI_SPOOL_ATTRVAL_NOWAIT);
    EXPECT_EQ(size, 1u);
    mode = 7;
    EXPECT_EQ(OCIAttrSet(pool, OCI_HTYPE_SPOOL, &mode, 0, OCI_ATTR_SPOOL_GETMODE, err_), OCI_ERROR);
    EXPECT_EQ(error().first, 24328);
    // The pool's sessions cache statements.
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(svc->stmtCacheEnabled, 1);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, ReleasedSessionIsReusedWithItsBackend) {
    auto [pool, name] = open_pool(1, 3, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    const int first = pid(svc);
    EXPECT_EQ(value(svc, "select pg_backend_pid()"), std::to_string(first));
    EXPECT_EQ(value(svc, "select current_user::text"), "vsk");
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
        EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_BUSY_COUNT), 0u);
        ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
        EXPECT_EQ(pid(svc), first);
        EXPECT_EQ(value(svc, "select pg_backend_pid()"), std::to_string(first));
    }
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
    EXPECT_EQ(backends(1), 1);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, ReleaseRollsBackAnOpenTransaction) {
    const std::string table = "pool_tx_" + std::to_string(::getpid());
    ASSERT_EQ(exec("create table " + table + " (n int)").status(), PGRES_COMMAND_OK);
    auto [pool, name] = open_pool(1, 1, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    const int first = pid(svc);
    ASSERT_EQ(run(svc, "insert into " + table + " values (1)"), OCI_SUCCESS) << error().second;
    EXPECT_EQ(value(svc, "select count(*) from " + table), "1");
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;

    PgResult r = exec("select count(*) from " + table);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "0");
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(pid(svc), first);
    EXPECT_EQ(PQtransactionStatus(svc->server->conn), PQTRANS_IDLE);
    EXPECT_EQ(value(svc, "select count(*) from " + table), "0");
    // A committed row stays.
    ASSERT_EQ(run(svc, "insert into " + table + " values (2)"), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCITransCommit(svc, err_, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    r = exec("select count(*) from " + table);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "1");
    exec("drop table " + table);
}

TEST_F(SessionPool, DropSessionClosesIt) {
    auto [pool, name] = open_pool(1, 2, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    const int first = pid(svc);
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_SESSRLS_DROPSESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 0u);
    EXPECT_TRUE(backend_gone(first));
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_NE(pid(svc), first);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, 0x40), OCI_ERROR);
    EXPECT_EQ(error().first, 24300);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, FullPoolByGetMode) {
    auto [pool, name] = open_pool(1, 1, 1);
    OCISvcCtx *held = nullptr, *svc = nullptr;
    ASSERT_EQ(get(&held, name), OCI_SUCCESS) << error().second;

    set_get_mode(pool, OCI_SPOOL_ATTRVAL_NOWAIT);
    EXPECT_EQ(get(&svc, name), OCI_ERROR);
    EXPECT_EQ(error().first, 24418);

    set_get_mode(pool, OCI_SPOOL_ATTRVAL_WAIT);
    set_pool_attr(pool, OCI_ATTR_SPOOL_WAIT_TIMEOUT, 100);
    EXPECT_EQ(get(&svc, name), OCI_ERROR);
    EXPECT_EQ(error().first, 24457);

    // A waiter gets the session released by another thread.
    set_pool_attr(pool, OCI_ATTR_SPOOL_WAIT_TIMEOUT, 0);
    OCIError *err2 = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err2), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    const int heldPid = pid(held);
    sword waited = OCI_ERROR;
    OCISvcCtx *got = nullptr;
    std::thread waiter([&] { waited = get(&got, name, nullptr, err2); });
    ASSERT_EQ(OCISessionRelease(held, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    waiter.join();
    ASSERT_EQ(waited, OCI_SUCCESS);
    EXPECT_EQ(pid(got), heldPid);

    set_get_mode(pool, OCI_SPOOL_ATTRVAL_FORCEGET);
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 2u);
    EXPECT_EQ(value(svc, "select 1"), "1");
    // The session beyond the maximum is closed on its return.
    const int extra = pid(svc);
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
    EXPECT_TRUE(backend_gone(extra));
    EXPECT_EQ(OCISessionRelease(got, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, GrowsByIncrement) {
    auto [pool, name] = open_pool(0, 5, 3);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 0u);
    OCISvcCtx *s[5] = {};
    ASSERT_EQ(get(&s[0], name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 3u);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_BUSY_COUNT), 1u);
    ASSERT_EQ(get(&s[1], name), OCI_SUCCESS);
    ASSERT_EQ(get(&s[2], name), OCI_SUCCESS);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 3u);
    // Only two more fit under the maximum.
    ASSERT_EQ(get(&s[3], name), OCI_SUCCESS);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 5u);
    ASSERT_EQ(get(&s[4], name), OCI_SUCCESS);
    EXPECT_EQ(backends(5), 5);
    std::set<int> pids;
    for (OCISvcCtx *svc : s) {
        pids.insert(pid(svc));
        EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_EQ(pids.size(), 5u);
}

TEST_F(SessionPool, IdleTimeoutShrinksThePool) {
    OCISPool *pool = new_pool();
    std::string name;
    set_pool_attr(pool, OCI_ATTR_SPOOL_TIMEOUT, 1);
    ASSERT_EQ(create(pool, &name, 1, 4, 1), OCI_SUCCESS) << error().second;
    OCISvcCtx *s[3] = {};
    for (OCISvcCtx *&svc : s) ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    for (OCISvcCtx *svc : s) ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 3u);
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(value(svc, "select 1"), "1");
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
    EXPECT_EQ(backends(1), 1);
}

TEST_F(SessionPool, BackendKilledWhileIdleIsReplaced) {
    auto [pool, name] = open_pool(1, 1, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    const int first = pid(svc);
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(exec("select pg_terminate_backend(" + std::to_string(first) + ")").status(), PGRES_TUPLES_OK);
    ASSERT_TRUE(backend_gone(first));
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_NE(pid(svc), first);
    EXPECT_EQ(value(svc, "select 41 + 1"), "42");
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
    // Killed while handed out: the release drops it instead of pooling it.
    const int second = pid(svc);
    ASSERT_EQ(exec("select pg_terminate_backend(" + std::to_string(second) + ")").status(), PGRES_TUPLES_OK);
    ASSERT_TRUE(backend_gone(second));
    EXPECT_NE(value(svc, "select 1"), "1");
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 0u);
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(value(svc, "select 2"), "2");
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, DestroyWithAndWithoutBusySessions) {
    auto [pool, name] = open_pool(2, 3, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCISessionPoolDestroy(pool, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 24422);
    EXPECT_EQ(backends(2), 2);
    ASSERT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCISessionPoolDestroy(pool, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(backends(0), 0);
    EXPECT_EQ(get(&svc, name), OCI_ERROR);
    EXPECT_EQ(error().first, 24416);

    // Forced: the busy sessions end too.
    OCISPool *forced = new_pool();
    ASSERT_EQ(create(forced, &name, 1, 3, 1), OCI_SUCCESS) << error().second;
    OCISvcCtx *a = nullptr, *b = nullptr;
    ASSERT_EQ(get(&a, name), OCI_SUCCESS);
    ASSERT_EQ(get(&b, name), OCI_SUCCESS);
    EXPECT_EQ(backends(2), 2);
    EXPECT_EQ(OCISessionPoolDestroy(forced, err_, OCI_SPD_FORCE), OCI_SUCCESS) << error().second;
    EXPECT_EQ(backends(0), 0);
    EXPECT_EQ(OCISessionPoolDestroy(forced, err_, 0x10), OCI_ERROR);
    EXPECT_EQ(error().first, 24300);
}

TEST_F(SessionPool, ReleasingTheEnvironmentDestroysItsPools) {
    auto [pool, name] = open_pool(2, 3, 1);
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(get(&svc, name), OCI_SUCCESS) << error().second;
    EXPECT_EQ(backends(2), 2);
    ASSERT_EQ(OCIHandleFree(env_, OCI_HTYPE_ENV), OCI_SUCCESS);
    env_ = nullptr;
    EXPECT_EQ(backends(0), 0);
}

TEST_F(SessionPool, ModeZeroPoolsSessionsByUser) {
    const std::string role = "vsk_pool_user_" + std::to_string(::getpid());
    ASSERT_EQ(exec("create role " + role + " login password 'pw2'").status(), PGRES_COMMAND_OK);
    {
        auto [pool, name] = open_pool(2, 2, 1, OCI_DEFAULT, "", "");
        EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 0u);
        OCIAuthInfo *vsk = auth_for("vsk", "vsk"), *other = auth_for(role, "pw2");
        OCISvcCtx *a = nullptr, *b = nullptr;
        ASSERT_EQ(get(&a, name, vsk), OCI_SUCCESS) << error().second;
        ASSERT_EQ(get(&b, name, other), OCI_SUCCESS) << error().second;
        EXPECT_EQ(value(a, "select current_user::text"), "vsk");
        EXPECT_EQ(value(b, "select current_user::text"), role);
        const int pa = pid(a), pb = pid(b);
        ASSERT_EQ(OCISessionRelease(a, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        ASSERT_EQ(OCISessionRelease(b, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        ASSERT_EQ(get(&b, name, other), OCI_SUCCESS) << error().second;
        EXPECT_EQ(pid(b), pb);
        ASSERT_EQ(get(&a, name, vsk), OCI_SUCCESS) << error().second;
        EXPECT_EQ(pid(a), pa);
        EXPECT_EQ(OCISessionRelease(a, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        EXPECT_EQ(OCISessionRelease(b, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        // A wrong password is refused, not served from the pool.
        OCIAuthInfo *wrong = auth_for(role, "nope");
        OCISvcCtx *c = nullptr;
        EXPECT_EQ(get(&c, name, wrong), OCI_ERROR);
        // Without a user name nothing can be logged on.
        EXPECT_EQ(get(&c, name, nullptr), OCI_ERROR);
        EXPECT_EQ(error().first, 24415);
        EXPECT_EQ(OCISessionPoolDestroy(pool, err_, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_EQ(backends(0), 0);
    exec("drop role " + role);
}

TEST_F(SessionPool, TwoPoolsForTwoUsersSideBySide) {
    const std::string role = "vsk_pool_two_" + std::to_string(::getpid());
    ASSERT_EQ(exec("create role " + role + " login password 'pw3'").status(), PGRES_COMMAND_OK);
    {
        auto [pa, na] = open_pool(1, 2, 1);
        auto [pb, nb] = open_pool(1, 2, 1, OCI_SPC_HOMOGENEOUS, role, "pw3");
        for (int i = 0; i < 3; ++i) {
            OCISvcCtx *a = nullptr, *b = nullptr;
            ASSERT_EQ(get(&a, na), OCI_SUCCESS) << error().second;
            ASSERT_EQ(get(&b, nb), OCI_SUCCESS) << error().second;
            EXPECT_EQ(value(a, "select current_user::text"), "vsk");
            EXPECT_EQ(value(b, "select current_user::text"), role);
            EXPECT_EQ(OCISessionRelease(b, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
            EXPECT_EQ(OCISessionRelease(a, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        }
        EXPECT_EQ(pool_attr(pa, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
        EXPECT_EQ(pool_attr(pb, OCI_ATTR_SPOOL_OPEN_COUNT), 1u);
        EXPECT_EQ(OCIHandleFree(pa, OCI_HTYPE_SPOOL), OCI_SUCCESS);
        EXPECT_EQ(OCIHandleFree(pb, OCI_HTYPE_SPOOL), OCI_SUCCESS);
    }
    EXPECT_EQ(backends(0), 0);
    exec("drop role " + role);
}

TEST_F(SessionPool, Utf16Environment) {
    make_env(OCI_UTF16);
    OCISPool *pool = new_pool();
    OraText *n = nullptr;
    ub4 nlen = 0;
    const std::string link = u16(direct_), user = u16("vsk");
    ASSERT_EQ(OCISessionPoolCreate(env_, err_, pool, &n, &nlen, pot(link), plen(link), 1, 2, 1,
                                   const_cast<OraText *>(pot(user)), plen(user), const_cast<OraText *>(pot(user)),
                                   plen(user), OCI_SPC_HOMOGENEOUS),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(pool->connStr, direct_);
    EXPECT_EQ(pool->userid, "vsk");
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(OCISessionGet(env_, err_, &svc, nullptr, n, nlen, nullptr, 0, nullptr, nullptr, nullptr,
                            OCI_SESSGET_SPOOL),
              OCI_SUCCESS);
    EXPECT_EQ(svc->session->username, "vsk");
    EXPECT_STREQ(PQparameterStatus(svc->server->conn, "client_encoding"), "UTF8");
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);

    // A mode 0 pool takes the caller's credentials, UTF-16 too.
    OCISPool *open = new_pool();
    ASSERT_EQ(OCISessionPoolCreate(env_, err_, open, &n, &nlen, pot(link), plen(link), 0, 2, 1, nullptr, 0, nullptr,
                                   0, OCI_DEFAULT),
              OCI_SUCCESS);
    OCIAuthInfo *auth = auth_for(user, user);
    ASSERT_EQ(OCISessionGet(env_, err_, &svc, auth, n, nlen, nullptr, 0, nullptr, nullptr, nullptr, OCI_SESSGET_SPOOL),
              OCI_SUCCESS);
    EXPECT_EQ(svc->session->username, "vsk");
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(SessionPool, SessionsOutsideAPool) {
    // A plain logon cannot be released.
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(OCILogon(env_, err_, &svc, pot("vsk"), 3, pot("vsk"), 3, pot(direct_), plen(direct_)), OCI_SUCCESS);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 24421);
    EXPECT_EQ(OCILogoff(svc, err_), OCI_SUCCESS);

    // OCISessionGet without a pool logs on with the caller's credentials; the release
    // logs off.
    OCIAuthInfo *auth = auth_for("vsk", "vsk");
    ASSERT_EQ(OCIAttrSet(auth, OCI_HTYPE_AUTHINFO, const_cast<char *>(module_.c_str()), plen(module_),
                         OCI_ATTR_MODULE, err_),
              OCI_SUCCESS);
    ASSERT_EQ(OCISessionGet(env_, err_, &svc, auth, const_cast<OraText *>(pot(direct_)), plen(direct_), nullptr, 0,
                            nullptr, nullptr, nullptr, OCI_SESSGET_STMTCACHE),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(svc->stmtCacheEnabled, 1);
    EXPECT_EQ(value(svc, "select current_user::text"), "vsk");
    EXPECT_EQ(backends(1), 1);
    EXPECT_EQ(OCISessionRelease(svc, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(backends(0), 0);

    EXPECT_EQ(OCISessionGet(env_, err_, &svc, auth, nullptr, 0, nullptr, 0, nullptr, nullptr, nullptr, 0x200),
              OCI_ERROR);
    EXPECT_EQ(OCISessionGet(env_, err_, &svc, nullptr, nullptr, 0, nullptr, 0, nullptr, nullptr, nullptr, 0),
              OCI_INVALID_HANDLE);
}

}  // namespace
