#include <gtest/gtest.h>
#include <oci.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "connect/records.h"
#include "env/env.h"
#include "stmt/records.h"

namespace {

class Attributes : public ::testing::Test {
protected:
    void SetUp() override { make_env(OCI_DEFAULT); }
    void TearDown() override { OCIHandleFree(env, OCI_HTYPE_ENV); }
    void make_env(ub4 mode) {
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
        ASSERT_EQ(OCIEnvCreate(&env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        err = static_cast<OCIError *>(alloc(OCI_HTYPE_ERROR));
    }
    void *alloc(ub4 type, void *parent = nullptr) {
        void *h = nullptr;
        EXPECT_EQ(OCIHandleAlloc(parent ? parent : env, &h, type, 0, nullptr), OCI_SUCCESS);
        return h;
    }
    sb4 last_error() {
        sb4 code = 0;
        text buf[256];
        return OCIErrorGet(err, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR) == OCI_SUCCESS ? code : 0;
    }
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

TEST_F(Attributes, EnvironmentEmptyStringModeAndObject) {
    ub1 mode = 0;
    ub4 size = 0;
    ASSERT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, &mode, &size, OCI_ATTR_EMPTY_STRING_MODE, err), OCI_SUCCESS);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(size, 1u);
    ub1 off = 4;
    ASSERT_EQ(OCIAttrSet(env, OCI_HTYPE_ENV, &off, 1, OCI_ATTR_EMPTY_STRING_MODE, err), OCI_SUCCESS);
    EXPECT_EQ(env->emptyStringSemantics, 0);
    ub1 bad = 9;
    EXPECT_EQ(OCIAttrSet(env, OCI_HTYPE_ENV, &bad, 1, OCI_ATTR_EMPTY_STRING_MODE, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24328);
    ub4 object = 7;
    ASSERT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, &object, nullptr, OCI_ATTR_OBJECT, err), OCI_SUCCESS);
    EXPECT_EQ(object, 0u);
    EXPECT_EQ(OCIAttrSet(env, OCI_HTYPE_ENV, &object, 4, OCI_ATTR_OBJECT, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24328);
    EXPECT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, nullptr, nullptr, OCI_ATTR_OBJECT, err), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, &object, nullptr, OCI_ATTR_OBJECT, nullptr), OCI_INVALID_HANDLE);
}

TEST_F(Attributes, ServiceContextLinks) {
    auto *svc = static_cast<OCISvcCtx *>(alloc(OCI_HTYPE_SVCCTX));
    void *srv = alloc(OCI_HTYPE_SERVER), *session = alloc(OCI_HTYPE_SESSION), *stmt = alloc(OCI_HTYPE_STMT);
    EXPECT_EQ(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, stmt, 0, OCI_ATTR_SERVER, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 0) << "a wrong value records nothing";
    void *out = nullptr;
    EXPECT_EQ(OCIAttrGet(svc, OCI_HTYPE_SVCCTX, &out, nullptr, OCI_ATTR_SERVER, err), OCI_INVALID_HANDLE);
    ASSERT_EQ(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, err), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, session, 0, OCI_ATTR_SESSION, err), OCI_SUCCESS);
    ub4 size = 99;
    ASSERT_EQ(OCIAttrGet(svc, OCI_HTYPE_SVCCTX, &out, &size, OCI_ATTR_SERVER, err), OCI_SUCCESS);
    EXPECT_EQ(out, srv);
    EXPECT_EQ(size, 0u);
    ASSERT_EQ(OCIAttrGet(svc, OCI_HTYPE_SVCCTX, &out, nullptr, OCI_ATTR_ENV, err), OCI_SUCCESS);
    EXPECT_EQ(out, env);
    EXPECT_EQ(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, nullptr, 0, OCI_ATTR_SERVER, err), OCI_SUCCESS);
    EXPECT_EQ(svc->server, nullptr);
    EXPECT_EQ(OCIAttrGet(svc, OCI_HTYPE_SVCCTX, &out, nullptr, OCI_ATTR_USERNAME, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 0);
}

TEST_F(Attributes, ServerModes) {
    void *srv = alloc(OCI_HTYPE_SERVER);
    ub1 on = 1, mode = 9;
    OCIAttrSet(srv, OCI_HTYPE_SERVER, &on, 1, OCI_ATTR_NONBLOCKING_MODE, err);
    OCIAttrSet(srv, OCI_HTYPE_SERVER, &on, 1, OCI_ATTR_NONBLOCKING_MODE, err);
    ASSERT_EQ(OCIAttrGet(srv, OCI_HTYPE_SERVER, &mode, nullptr, OCI_ATTR_NONBLOCKING_MODE, err), OCI_SUCCESS);
    EXPECT_EQ(mode, 0) << "setting twice toggles it back off";
    ub4 cursor = 2, tx = 5;
    EXPECT_EQ(OCIAttrSet(srv, OCI_HTYPE_SERVER, &cursor, 4, OCI_ATTR_CURSOR_MODE, err), OCI_SUCCESS);
    EXPECT_EQ(OCIAttrSet(srv, OCI_HTYPE_SERVER, &tx, 4, OCI_ATTR_CURSOR_TX_MODE, err), OCI_SUCCESS);
    cursor = 3;
    tx = 4;
    EXPECT_EQ(OCIAttrSet(srv, OCI_HTYPE_SERVER, &cursor, 4, OCI_ATTR_CURSOR_MODE, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrSet(srv, OCI_HTYPE_SERVER, &tx, 4, OCI_ATTR_CURSOR_TX_MODE, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24328);
    EXPECT_EQ(static_cast<OCIServer *>(srv)->defaultCursorMode, 2u);
    EXPECT_EQ(static_cast<OCIServer *>(srv)->defaultCursorTxMode, 5u);
}

TEST_F(Attributes, SessionTexts) {
    auto *session = static_cast<OCISession *>(alloc(OCI_HTYPE_SESSION));
    char *name = nullptr;
    ub4 size = 77;
    EXPECT_EQ(OCIAttrGet(session, OCI_HTYPE_SESSION, &name, &size, OCI_ATTR_USERNAME, err), OCI_SUCCESS);
    EXPECT_EQ(name, nullptr);
    // Exactly size bytes are taken, with no terminator needed.
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>("scottXX"), 5, OCI_ATTR_USERNAME, err),
              OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(session, OCI_HTYPE_SESSION, &name, &size, OCI_ATTR_USERNAME, err), OCI_SUCCESS);
    EXPECT_STREQ(name, "scott");
    EXPECT_EQ(size, 5u);
    std::free(name);
    EXPECT_EQ(OCIAttrGet(session, OCI_HTYPE_SESSION, &name, &size, OCI_ATTR_PASSWORD, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24315);
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>("require"), 7, OCI_ATTR_SSLMODE, err),
              OCI_SUCCESS);
    EXPECT_EQ(session->sslmode, "require");
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, nullptr, 0, OCI_ATTR_SSLMODE, err), OCI_SUCCESS);
    EXPECT_TRUE(session->sslmode.empty());
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, nullptr, 0, 86, err), OCI_SUCCESS);
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, nullptr, 0, 1, err), OCI_ERROR);
}

TEST_F(Attributes, Utf16SessionTextIsConverted) {
    make_env(OCI_UTF16);
    auto *session = static_cast<OCISession *>(alloc(OCI_HTYPE_SESSION));
    const char utf16[] = {'s', 0, 'c', 0, 'o', 0, 't', 0, 't', 0};
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(utf16), 10, OCI_ATTR_USERNAME, err),
              OCI_SUCCESS);
    EXPECT_EQ(session->username, "scott");
    // An odd byte count is an incomplete UTF-16 unit: recorded on the environment's handle.
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(utf16), 3, OCI_ATTR_USERNAME, err),
              OCI_ERROR);
    sb4 code = -1;
    text buf[128];
    ASSERT_EQ(OCIErrorGet(env, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ENV), OCI_SUCCESS);
    EXPECT_EQ(code, 0);
}

TEST_F(Attributes, TransactionIdentifiers) {
    void *trans = alloc(OCI_HTYPE_TRANS);
    char *name = reinterpret_cast<char *>(0x1);
    ub4 size = 0;
    ASSERT_EQ(OCIAttrGet(trans, OCI_HTYPE_TRANS, &name, &size, OCI_ATTR_TRANS_NAME, err), OCI_SUCCESS);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(size, 152u);
    ASSERT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, const_cast<char *>("abc"), 3, OCI_ATTR_TRANS_NAME, err), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(trans, OCI_HTYPE_TRANS, &name, &size, OCI_ATTR_TRANS_NAME, err), OCI_SUCCESS);
    EXPECT_EQ(std::string(name, size), "abc");

    XID xid{};
    xid.formatID = 42;
    xid.gtrid_length = 2;
    xid.bqual_length = 1;
    std::memcpy(xid.data, "xyz", 3);
    EXPECT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, &xid, 100, OCI_ATTR_XID, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24750);
    ASSERT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, &xid, sizeof xid, OCI_ATTR_XID, err), OCI_SUCCESS);
    XID *stored = nullptr;
    ASSERT_EQ(OCIAttrGet(trans, OCI_HTYPE_TRANS, &stored, &size, OCI_ATTR_XID, err), OCI_SUCCESS);
    EXPECT_EQ(stored->formatID, 42);
    EXPECT_EQ(size, 152u);
    std::string long_name(300, 'n');
    ASSERT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, long_name.data(), 300, OCI_ATTR_TRANS_NAME, err), OCI_SUCCESS);
    EXPECT_EQ(stored->gtrid_length, 128) << "a long name is cut to the identifier's data";
}

TEST_F(Attributes, StatementBeforeExecution) {
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    stmt->stmtText = "select 1 from dual";
    stmt->stmtType = 65001;
    ub2 type = 9;
    ASSERT_EQ(OCIAttrGet(stmt, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, err), OCI_SUCCESS);
    EXPECT_EQ(type, 0);
    char *sql = nullptr;
    ub4 len = 0;
    ASSERT_EQ(OCIAttrGet(stmt, OCI_HTYPE_STMT, &sql, &len, OCI_ATTR_STATEMENT, err), OCI_SUCCESS);
    EXPECT_STREQ(sql, "select 1 from dual");
    EXPECT_EQ(len, 18u);
    ub4 state = 0;
    ASSERT_EQ(OCIAttrGet(stmt, OCI_HTYPE_STMT, &state, nullptr, OCI_ATTR_STMT_STATE, err), OCI_SUCCESS);
    EXPECT_EQ(state, 1u);
    ub4 mode = 3;
    EXPECT_EQ(OCIAttrSet(stmt, OCI_HTYPE_STMT, &mode, 4, OCI_ATTR_CURSOR_MODE, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24328);
    mode = 1;
    EXPECT_EQ(OCIAttrSet(stmt, OCI_HTYPE_STMT, &mode, 4, OCI_ATTR_CURSOR_MODE, err), OCI_SUCCESS);
    EXPECT_EQ(stmt->cursorMode, 1u);
}

TEST_F(Attributes, DispatchRules) {
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    void *bind = alloc(OCI_HTYPE_BIND, stmt);
    ub4 v = 0;
    EXPECT_EQ(OCIAttrGet(bind, OCI_HTYPE_BIND, &v, nullptr, OCI_ATTR_NAME, err), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIAttrSet(bind, OCI_HTYPE_BIND, &v, 4, OCI_ATTR_NAME, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrSet(stmt, 21, &v, 4, 1, err), OCI_SUCCESS) << "unknown types change nothing";
    EXPECT_EQ(OCIAttrSet(stmt, 26, &v, 4, 1, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrSet(stmt, OCI_HTYPE_ERROR, &v, 4, 1, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrGet(stmt, 99, &v, nullptr, 1, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrSet(nullptr, OCI_HTYPE_STMT, &v, 4, 1, err), OCI_ERROR);
    EXPECT_EQ(OCIAttrSet(stmt, OCI_HTYPE_STMT, &v, 4, 1, nullptr), OCI_ERROR);
    void *pool = alloc(OCI_HTYPE_SPOOL);
    ub4 cache = 20;
    EXPECT_EQ(OCIAttrSet(pool, OCI_HTYPE_SPOOL, &cache, 4, 208, err), OCI_SUCCESS);
    EXPECT_EQ(static_cast<OCISPool *>(pool)->stmtCacheSize, 20u);
    EXPECT_EQ(OCIAttrGet(pool, OCI_HTYPE_SPOOL, &v, nullptr, 1, err), OCI_ERROR);
    EXPECT_EQ(last_error(), 24315);
}

}  // namespace
