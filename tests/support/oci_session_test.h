// Base fixture for tests that run statements through the OCI calls: an environment, an
// error handle and a session logged on to the private server over its socket, plus a
// statement handle. Side checks go through the plain libpq connection of PgTest.
#pragma once

#include <oci.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "oci_text.h"
#include "pg_test_env.h"

namespace vsk::test {

class OciSessionTest : public PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(OCIEnvCreate(&env_, env_mode(), nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        logon(&svc_);
        if (HasFatalFailure()) return;
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        if (svc_) OCILogoff(svc_, err_);
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
        svc_ = nullptr;
        PgTest::TearDown();
    }
    virtual ub4 env_mode() const { return OCI_DEFAULT; }

    // The socket connection as a URI connect string (a URI carries its own user).
    std::string dblink() const {
        std::string host, port, db;
        PQconninfoOption *opts = PQconninfoParse(conninfo().c_str(), nullptr);
        for (PQconninfoOption *o = opts; o && o->keyword; ++o) {
            if (!o->val) continue;
            const std::string k = o->keyword;
            if (k == "host") host = o->val;
            if (k == "port") port = o->val;
            if (k == "dbname") db = o->val;
        }
        PQconninfoFree(opts);
        std::string encoded;
        for (char c : host) encoded += c == '/' ? std::string("%2F") : std::string(1, c);
        return "postgresql://" + user() + "@" + encoded + ":" + port + "/" + db;
    }
    std::string user() const {
        std::string u = PQuser(conn());
        return u;
    }
    virtual void logon(OCISvcCtx **svc) {
        const std::string u = user(), link = dblink();
        ASSERT_EQ(OCILogon(env_, err_, svc, ot(u), len(u), ot(u), len(u), ot(link), len(link)), OCI_SUCCESS)
            << error().second;
    }

    // The first record's number and text.
    std::pair<sb4, std::string> error() const {
        sb4 code = 0;
        char buf[1024] = {0};
        OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR);
        return {code, buf};
    }
    sb4 code() const { return error().first; }

    sword prepare(const std::string &sql, OCIStmt *stmt = nullptr) {
        return OCIStmtPrepare(stmt ? stmt : stmt_, err_, ot(sql), len(sql), OCI_NTV_SYNTAX, OCI_DEFAULT);
    }
    sword execute(ub4 iters = 1, ub4 mode = OCI_DEFAULT, OCIStmt *stmt = nullptr, ub4 rowoff = 0) {
        return OCIStmtExecute(svc_, stmt ? stmt : stmt_, err_, iters, rowoff, nullptr, nullptr, mode);
    }
    // Prepares and executes once; OCI_SUCCESS expected.
    ::testing::AssertionResult run(const std::string &sql, ub4 mode = OCI_DEFAULT) {
        sword rc = prepare(sql);
        if (rc == OCI_SUCCESS) rc = execute(1, mode);
        if (rc == OCI_SUCCESS) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << sql << ": " << rc << " " << error().second;
    }
    sword bind_text(const char *name, char *buf, sb4 size, sb2 *ind = nullptr, ub2 *alen = nullptr,
                    OCIStmt *stmt = nullptr) {
        OCIBind *b = nullptr;
        const std::string n = name;
        return OCIBindByName(stmt ? stmt : stmt_, &b, err_, ot(n), static_cast<sb4>(n.size()), buf, size, SQLT_STR,
                             ind, alen, nullptr, 0, nullptr, OCI_DEFAULT);
    }
    sword define_text(ub4 pos, char *buf, sb4 size, sb2 *ind = nullptr, ub2 *rlen = nullptr, OCIStmt *stmt = nullptr) {
        OCIDefine *d = nullptr;
        return OCIDefineByPos(stmt ? stmt : stmt_, &d, err_, pos, buf, size, SQLT_STR, ind, rlen, nullptr,
                              OCI_DEFAULT);
    }
    ub4 attr_ub4(ub4 attr, OCIStmt *stmt = nullptr) {
        ub4 v = 0;
        EXPECT_EQ(OCIAttrGet(stmt ? stmt : stmt_, OCI_HTYPE_STMT, &v, nullptr, attr, err_), OCI_SUCCESS);
        return v;
    }
    // One value from the side connection.
    std::string side_value(const std::string &sql) const {
        PgResult r = exec(sql);
        if (r.status() != PGRES_TUPLES_OK || PQntuples(r.get()) < 1) return "<failed: " + sql + ">";
        return PQgetisnull(r.get(), 0, 0) ? "<null>" : PQgetvalue(r.get(), 0, 0);
    }

    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
    OCISvcCtx *svc_ = nullptr;
    OCIStmt *stmt_ = nullptr;
};

}  // namespace vsk::test
