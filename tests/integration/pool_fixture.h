// Fixture for session pool and XA tests: an environment and error handle, the server's
// TCP address (password authentication, role vsk), and helpers that run queries through
// a service context and count the pool's backends from the harness connection.
#pragma once

#include <oci.h>

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "connect/records.h"
#include "env/env.h"
#include "oci_text.h"
#include "pg_test_env.h"

namespace vsk::test {

inline const OraText *pot(const std::string &s) { return reinterpret_cast<const OraText *>(s.c_str()); }
inline ub4 plen(const std::string &s) { return static_cast<ub4>(s.size()); }

class PoolTest : public PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        std::string conninfo = ReadTcpConnInfo();
        PQconninfoOption *opts = PQconninfoParse(conninfo.c_str(), nullptr);
        for (PQconninfoOption *o = opts; o && o->keyword; ++o) {
            if (!o->val) continue;
            if (std::string(o->keyword) == "host") host_ = o->val;
            if (std::string(o->keyword) == "port") port_ = o->val;
        }
        PQconninfoFree(opts);
        ASSERT_FALSE(port_.empty()) << "no TCP conninfo from the harness";
        direct_ = host_ + ":" + port_ + "/vsk";
        static int serial = 0;
        module_ = "vsk_pool_" + std::to_string(::getpid()) + "_" + std::to_string(++serial);
        make_env(OCI_DEFAULT);
    }
    void TearDown() override {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
        PgTest::TearDown();
    }

    void make_env(ub4 mode) {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
        ASSERT_EQ(OCIEnvCreate(&env_, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }

    // A pool whose sessions carry module_ as their application name, so the server can
    // count them.
    OCISPool *new_pool() {
        OCISPool *pool = nullptr;
        EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&pool), OCI_HTYPE_SPOOL, 0, nullptr), OCI_SUCCESS);
        OCISession *auth = nullptr;
        EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&auth), OCI_HTYPE_AUTHINFO, 0, nullptr), OCI_SUCCESS);
        const std::string module = env_->isUtf16 ? u16(module_) : module_;
        EXPECT_EQ(OCIAttrSet(auth, OCI_HTYPE_AUTHINFO, const_cast<char *>(module.data()), plen(module),
                             OCI_ATTR_MODULE, err_),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIAttrSet(pool, OCI_HTYPE_SPOOL, auth, 0, OCI_ATTR_SPOOL_AUTH, err_), OCI_SUCCESS);
        return pool;
    }

    sword create(OCISPool *pool, std::string *name, ub4 min, ub4 max, ub4 incr,
                 ub4 mode = OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE, const std::string &user = "vsk",
                 const std::string &password = "vsk") {
        OraText *n = nullptr;
        ub4 nlen = 0;
        sword rc = OCISessionPoolCreate(env_, err_, pool, &n, &nlen, pot(direct_), plen(direct_), min, max, incr,
                                        const_cast<OraText *>(pot(user)), plen(user),
                                        const_cast<OraText *>(pot(password)), plen(password), mode);
        if (rc == OCI_SUCCESS && name) name->assign(reinterpret_cast<char *>(n), nlen);
        return rc;
    }

    // A new pool, created; the test fails (and goes on with an unusable pool) when it cannot be.
    std::pair<OCISPool *, std::string> open_pool(ub4 min, ub4 max, ub4 incr,
                                                 ub4 mode = OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE,
                                                 const std::string &user = "vsk", const std::string &password = "vsk") {
        OCISPool *pool = new_pool();
        std::string name;
        EXPECT_EQ(create(pool, &name, min, max, incr, mode, user, password), OCI_SUCCESS) << error().second;
        return {pool, name};
    }

    sword get(OCISvcCtx **svc, const std::string &name, OCIAuthInfo *auth = nullptr, OCIError *err = nullptr) {
        return OCISessionGet(env_, err ? err : err_, svc, auth, const_cast<OraText *>(pot(name)), plen(name), nullptr,
                             0, nullptr, nullptr, nullptr, OCI_SESSGET_SPOOL);
    }

    OCIAuthInfo *auth_for(const std::string &user, const std::string &password) {
        OCIAuthInfo *auth = nullptr;
        EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&auth), OCI_HTYPE_AUTHINFO, 0, nullptr), OCI_SUCCESS);
        EXPECT_EQ(OCIAttrSet(auth, OCI_HTYPE_AUTHINFO, const_cast<char *>(user.c_str()), plen(user),
                             OCI_ATTR_USERNAME, err_),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIAttrSet(auth, OCI_HTYPE_AUTHINFO, const_cast<char *>(password.c_str()), plen(password),
                             OCI_ATTR_PASSWORD, err_),
                  OCI_SUCCESS);
        return auth;
    }

    ub4 pool_attr(OCISPool *pool, ub4 attr) {
        ub4 v = 0;
        EXPECT_EQ(OCIAttrGet(pool, OCI_HTYPE_SPOOL, &v, nullptr, attr, err_), OCI_SUCCESS);
        return v;
    }
    void set_pool_attr(OCISPool *pool, ub4 attr, ub4 value) {
        EXPECT_EQ(OCIAttrSet(pool, OCI_HTYPE_SPOOL, &value, 0, attr, err_), OCI_SUCCESS);
    }
    void set_get_mode(OCISPool *pool, ub1 mode) {
        EXPECT_EQ(OCIAttrSet(pool, OCI_HTYPE_SPOOL, &mode, 0, OCI_ATTR_SPOOL_GETMODE, err_), OCI_SUCCESS);
    }

    static int pid(OCISvcCtx *svc) { return svc && svc->server ? PQbackendPID(svc->server->conn) : 0; }

    // The first column of the first row of sql run through svc; "<error ...>" on failure.
    std::string value(OCISvcCtx *svc, const std::string &sql, OCIError *err = nullptr) {
        if (!err) err = err_;
        OCIStmt *stmt = nullptr;
        if (OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt), OCI_HTYPE_STMT, 0, nullptr) != OCI_SUCCESS)
            return "<no statement>";
        char buf[256] = {0};
        sb2 ind = 0;
        OCIDefine *def = nullptr;
        std::string out;
        if (OCIStmtPrepare(stmt, err, pot(sql), plen(sql), OCI_NTV_SYNTAX, OCI_DEFAULT) != OCI_SUCCESS ||
            OCIDefineByPos(stmt, &def, err, 1, buf, sizeof buf, SQLT_STR, &ind, nullptr, nullptr, OCI_DEFAULT) !=
                OCI_SUCCESS ||
            OCIStmtExecute(svc, stmt, err, 1, 0, nullptr, nullptr, OCI_DEFAULT) != OCI_SUCCESS)
            out = "<error " + error(err).second + ">";
        else
            out = ind == -1 ? "<null>" : buf;
        OCIHandleFree(stmt, OCI_HTYPE_STMT);
        return out;
    }
    sword run(OCISvcCtx *svc, const std::string &sql) {
        OCIStmt *stmt = nullptr;
        if (OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt), OCI_HTYPE_STMT, 0, nullptr) != OCI_SUCCESS)
            return OCI_ERROR;
        sword rc = OCIStmtPrepare(stmt, err_, pot(sql), plen(sql), OCI_NTV_SYNTAX, OCI_DEFAULT);
        if (rc == OCI_SUCCESS) rc = OCIStmtExecute(svc, stmt, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT);
        OCIHandleFree(stmt, OCI_HTYPE_STMT);
        return rc;
    }

    std::pair<sb4, std::string> error(OCIError *err = nullptr) const {
        sb4 code = 0;
        char buf[1024] = {0};
        OCIErrorGet(err ? err : err_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf,
                    OCI_HTYPE_ERROR);
        return {code, buf};
    }

    int count_backends(const std::string &where) const {
        PgResult r = exec("select count(*) from pg_stat_activity where " + where);
        return r.status() == PGRES_TUPLES_OK ? std::atoi(PQgetvalue(r.get(), 0, 0)) : -1;
    }
    // Backends of this test's pools; a closed connection leaves the server's view a
    // moment later, so the count is read until it settles on want (or a generous bound).
    int backends(int want) const {
        const std::string where = "application_name = '" + module_ + "'";
        int n = count_backends(where);
        for (int i = 0; i < 500 && n != want; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            n = count_backends(where);
        }
        return n;
    }
    bool backend_gone(int pid) const {
        for (int i = 0; i < 500; ++i) {
            if (count_backends("pid = " + std::to_string(pid)) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::string host_, port_, direct_, module_;
    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
};

}  // namespace vsk::test
