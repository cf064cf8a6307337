#include <gtest/gtest.h>
#include <oci.h>

#include <cstring>

#include "connect/records.h"
#include "env/env.h"
#include "env/kinds.h"
#include "lob/locator.h"
#include "stmt/records.h"

namespace {

class Handles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        vsk::alloc_fault::fail_nth(0);
        if (env) {
            EXPECT_EQ(OCIHandleFree(env, OCI_HTYPE_ENV), OCI_SUCCESS);
        }
    }
    void *alloc(ub4 type, sword expect = OCI_SUCCESS, const void *parent = nullptr) {
        void *h = nullptr;
        EXPECT_EQ(OCIHandleAlloc(parent ? parent : env, &h, type, 0, nullptr), expect) << "type " << type;
        return h;
    }
    void *desc(ub4 type, sword expect = OCI_SUCCESS) {
        void *d = nullptr;
        EXPECT_EQ(OCIDescriptorAlloc(env, &d, type, 0, nullptr), expect) << "type " << type;
        return d;
    }
    sb4 env_error_code(ub4 recordno = 1) {
        sb4 code = -1;
        text buf[256];
        EXPECT_EQ(OCIErrorGet(env, recordno, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ENV), OCI_SUCCESS);
        return code;
    }
    OCIEnv *env = nullptr;
};

TEST_F(Handles, EveryHandleTypeAllocatesAndFrees) {
    const struct {
        ub4 type;
        std::uint32_t kind;
    } cases[] = {
        {OCI_HTYPE_ENV, vsk::HANDLE_OCIEnv},         {OCI_HTYPE_ERROR, vsk::HANDLE_OCIError},
        {OCI_HTYPE_SVCCTX, vsk::HANDLE_OCISvcCtx},   {OCI_HTYPE_STMT, vsk::HANDLE_OCIStmt},
        {OCI_HTYPE_DESCRIBE, vsk::HANDLE_OCIDescribe}, {OCI_HTYPE_SERVER, vsk::HANDLE_OCIServer},
        {OCI_HTYPE_SESSION, vsk::HANDLE_OCISession}, {OCI_HTYPE_TRANS, vsk::HANDLE_OCITrans},
        {OCI_HTYPE_SPOOL, vsk::HANDLE_OCISPool},
    };
    for (const auto &c : cases) {
        void *h = alloc(c.type);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(vsk::kind_of(h), c.kind);
        EXPECT_EQ(vsk::header_of(h)->parenth, env);
        EXPECT_TRUE(env->children.contains(h));
        if (c.type == OCI_HTYPE_SPOOL) {
            EXPECT_TRUE(env->spools.contains(h));
        }
        EXPECT_EQ(OCIHandleFree(h, c.type), OCI_SUCCESS);
        EXPECT_FALSE(env->children.contains(h));
        EXPECT_FALSE(env->spools.contains(h));
    }
    EXPECT_TRUE(env->children.empty());
}

TEST_F(Handles, RefusedTypesAndParents) {
    alloc(OCI_HTYPE_BIND, OCI_INVALID_HANDLE);
    alloc(OCI_HTYPE_DEFINE, OCI_INVALID_HANDLE);
    alloc(OCI_HTYPE_COMPLEXOBJECT, OCI_INVALID_HANDLE);
    alloc(26, OCI_INVALID_HANDLE);
    alloc(0, OCI_INVALID_HANDLE);
    void *h = nullptr;
    EXPECT_EQ(OCIHandleAlloc(nullptr, &h, OCI_HTYPE_ERROR, 0, nullptr), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIHandleAlloc(env, nullptr, OCI_HTYPE_ERROR, 0, nullptr), OCI_INVALID_HANDLE);
    void *err = alloc(OCI_HTYPE_ERROR);
    alloc(OCI_HTYPE_STMT, OCI_INVALID_HANDLE, err);  // parent must be an environment

    EXPECT_EQ(OCIHandleFree(nullptr, OCI_HTYPE_ERROR), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIHandleFree(err, 28), OCI_INVALID_HANDLE);
    // Freeing under another type's code leaves the handle linked and usable.
    EXPECT_EQ(OCIHandleFree(err, OCI_HTYPE_SVCCTX), OCI_INVALID_HANDLE);
    EXPECT_TRUE(env->children.contains(err));
    EXPECT_EQ(OCIHandleFree(err, OCI_HTYPE_ERROR), OCI_SUCCESS);
}

TEST_F(Handles, BindsAndDefinesBelongToTheirStatement) {
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    void *bind = alloc(OCI_HTYPE_BIND, OCI_SUCCESS, stmt);
    void *define = alloc(OCI_HTYPE_DEFINE, OCI_SUCCESS, stmt);
    ASSERT_NE(bind, nullptr);
    EXPECT_TRUE(stmt->binds.contains(static_cast<OCIBind *>(bind)));
    EXPECT_TRUE(stmt->defines.contains(static_cast<OCIDefine *>(define)));
    EXPECT_FALSE(env->children.contains(bind));
    // Freeing one alone succeeds and leaves it with the statement.
    EXPECT_EQ(OCIHandleFree(bind, OCI_HTYPE_BIND), OCI_SUCCESS);
    EXPECT_EQ(OCIHandleFree(define, OCI_HTYPE_DEFINE), OCI_SUCCESS);
    EXPECT_TRUE(stmt->binds.contains(static_cast<OCIBind *>(bind)));
    EXPECT_TRUE(stmt->defines.contains(static_cast<OCIDefine *>(define)));
    EXPECT_EQ(OCIHandleFree(bind, OCI_HTYPE_DEFINE), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIHandleFree(stmt, OCI_HTYPE_STMT), OCI_SUCCESS);  // takes both along
}

TEST_F(Handles, UserMemoryIsZeroFilledAndNeedsAnOutPointer) {
    const unsigned char zero[100] = {};
    void *mem = nullptr, *h = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, &h, OCI_HTYPE_STMT, 100, &mem), OCI_SUCCESS);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(std::memcmp(mem, zero, 100), 0);
    EXPECT_EQ(vsk::header_of(h)->xtramemSize, 100u);

    void *d = nullptr, *dmem = nullptr;
    ASSERT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_TIMESTAMP, 100, &dmem), OCI_SUCCESS);
    EXPECT_EQ(std::memcmp(dmem, zero, 100), 0);
    EXPECT_EQ(OCIDescriptorFree(d, OCI_DTYPE_TIMESTAMP), OCI_SUCCESS);

    EXPECT_EQ(OCIHandleAlloc(env, &h, OCI_HTYPE_STMT, 100, nullptr), OCI_ERROR);
    EXPECT_EQ(env_error_code(), 16530);
    EXPECT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_LOB, 8, nullptr), OCI_ERROR);
    EXPECT_EQ(env_error_code(), 16530);
}

TEST_F(Handles, AllocationFailuresLeaveNothingBehind) {
    // Fail the record itself, then the link/user memory that follows it.
    for (int n = 1; n <= 3; ++n) {
        std::size_t before = env->children.size();
        void *h = reinterpret_cast<void *>(0x1), *mem = nullptr;
        vsk::alloc_fault::fail_nth(n);
        sword rc = OCIHandleAlloc(env, &h, OCI_HTYPE_STMT, 32, &mem);
        vsk::alloc_fault::fail_nth(0);
        if (rc == OCI_SUCCESS) {
            OCIHandleFree(h, OCI_HTYPE_STMT);
            continue;
        }
        EXPECT_EQ(rc, OCI_ERROR);
        EXPECT_EQ(env->children.size(), before);
        EXPECT_EQ(env_error_code(), 16506);
    }
    void *d = nullptr, *dmem = nullptr;
    vsk::alloc_fault::fail_nth(2);  // the interval's value
    EXPECT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_INTERVAL_DS, 0, nullptr), OCI_ERROR);
    vsk::alloc_fault::fail_nth(2);  // the descriptor's user memory
    EXPECT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_LOB, 16, &dmem), OCI_ERROR);
    vsk::alloc_fault::fail_nth(0);
    EXPECT_EQ(d, nullptr);
    EXPECT_TRUE(env->children.empty());
}

TEST_F(Handles, DescriptorTypesAndKindChecks) {
    for (ub4 type : {OCI_DTYPE_LOB, OCI_DTYPE_PARAM, OCI_DTYPE_INTERVAL_YM, OCI_DTYPE_INTERVAL_DS, OCI_DTYPE_DATE,
                     OCI_DTYPE_TIMESTAMP, OCI_DTYPE_TIMESTAMP_TZ, OCI_DTYPE_TIMESTAMP_LTZ}) {
        void *d = desc(type);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(env->children.contains(d));
        EXPECT_EQ(OCIDescriptorFree(d, type), OCI_SUCCESS) << type;
    }
    for (ub4 type : {51u, 52u, 54u, 55u, 60u, 64u, 66u, 67u, 71u, 200u}) desc(type, OCI_INVALID_HANDLE);

    auto *lob = static_cast<OCILobLocator *>(desc(OCI_DTYPE_LOB));
    EXPECT_EQ(lob->storage, vsk::LobStorage::None);
    EXPECT_EQ(lob->fd, -1);
    void *ts = desc(OCI_DTYPE_TIMESTAMP_TZ);
    EXPECT_EQ(OCIDescriptorFree(ts, OCI_DTYPE_INTERVAL_DS), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescriptorFree(ts, OCI_DTYPE_ROWID), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescriptorFree(ts, OCI_DTYPE_LOB), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescriptorFree(nullptr, OCI_DTYPE_LOB), OCI_INVALID_HANDLE);
    void *err = alloc(OCI_HTYPE_ERROR);
    void *d = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(err, &d, OCI_DTYPE_LOB, 0, nullptr), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescriptorAlloc(env, nullptr, OCI_DTYPE_LOB, 0, nullptr), OCI_INVALID_HANDLE);
    // ts, lob and err are left for the environment release.
}

TEST_F(Handles, CachedStatementIsRefusedButReleasedWithItsEnvironment) {
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    stmt->fromCache = 1;
    EXPECT_EQ(OCIHandleFree(stmt, OCI_HTYPE_STMT), OCI_ERROR);
    EXPECT_EQ(env_error_code(), 24436);
    EXPECT_TRUE(env->children.contains(stmt));
}

TEST_F(Handles, ChildEnvironmentSharesConvertersAndObjectMode) {
    OCIHandleFree(env, OCI_HTYPE_ENV);
    ASSERT_EQ(OCIEnvCreate(&env, OCI_UTF16 | OCI_OBJECT, nullptr, nullptr, nullptr, nullptr, 0, nullptr),
              OCI_SUCCESS);
    auto *child = static_cast<OCIEnv *>(alloc(OCI_HTYPE_ENV));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->charsetId, 39);
    EXPECT_EQ(child->toUtf8, env->toUtf8);
    EXPECT_EQ(child->mode, vsk::ENV_OBJECT);
    void *grandchild_stmt = alloc(OCI_HTYPE_STMT, OCI_SUCCESS, child);
    EXPECT_TRUE(child->children.contains(grandchild_stmt));
    EXPECT_EQ(OCIHandleFree(child, OCI_HTYPE_ENV), OCI_SUCCESS);
    EXPECT_TRUE(env->children.empty());
    // The parent's converters survive the child (each is closed once, by its owner).
    char out[8];
    char in[] = "x";
    char *ip = in, *op = out;
    size_t il = 1, ol = sizeof out;
    EXPECT_NE(iconv(env->fromUtf8, &ip, &il, &op, &ol), static_cast<size_t>(-1));
}

TEST_F(Handles, EnvironmentReleaseTakesEveryKindAlong) {
    // Run under valgrind/ASan this proves nothing leaks or is freed twice.
    for (ub4 type : {OCI_HTYPE_ERROR, OCI_HTYPE_SVCCTX, OCI_HTYPE_STMT, OCI_HTYPE_DESCRIBE, OCI_HTYPE_SERVER,
                     OCI_HTYPE_SESSION, OCI_HTYPE_TRANS, OCI_HTYPE_SPOOL, OCI_HTYPE_ENV}) {
        void *mem = nullptr, *h = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env, &h, type, 24, &mem), OCI_SUCCESS);
    }
    for (ub4 type : {OCI_DTYPE_LOB, OCI_DTYPE_PARAM, OCI_DTYPE_INTERVAL_YM, OCI_DTYPE_TIMESTAMP}) desc(type);
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    alloc(OCI_HTYPE_BIND, OCI_SUCCESS, stmt);
    alloc(OCI_HTYPE_DEFINE, OCI_SUCCESS, stmt);
    stmt->fromCache = 1;
    auto *child = static_cast<OCIEnv *>(alloc(OCI_HTYPE_ENV));
    alloc(OCI_HTYPE_STMT, OCI_SUCCESS, child);
    EXPECT_NE(vsk::AllocateMemFromEnvCache(env, 40), nullptr);
    EXPECT_NE(vsk::AllocateMemFromStmtCache(stmt, 40), nullptr);
    EXPECT_EQ(vsk::AllocateMemFromEnvCache(env, 0), nullptr);
    EXPECT_EQ(vsk::AllocateMemFromStmtCache(reinterpret_cast<OCIStmt *>(env), 8), nullptr);
    // TearDown frees the environment.
}

TEST_F(Handles, ServiceContextLinksAreClearedOnRelease) {
    auto *svc = static_cast<OCISvcCtx *>(alloc(OCI_HTYPE_SVCCTX));
    auto *session = static_cast<OCISession *>(alloc(OCI_HTYPE_SESSION));
    auto *stmt = static_cast<OCIStmt *>(alloc(OCI_HTYPE_STMT));
    svc->session = session;
    stmt->svcctx = svc;
    ASSERT_TRUE(svc->stmtCache.append(stmt));
    EXPECT_EQ(OCIHandleFree(session, OCI_HTYPE_SESSION), OCI_SUCCESS);
    EXPECT_EQ(svc->session, nullptr);
    EXPECT_EQ(OCIHandleFree(svc, OCI_HTYPE_SVCCTX), OCI_SUCCESS);
    EXPECT_EQ(stmt->svcctx, nullptr);
}

TEST(KindTable, OneRowPerKindInOrder) {
    for (std::uint32_t k = vsk::HANDLE_OCIEnv; k <= vsk::HANDLE_OCILobLocator; ++k) {
        const vsk::KindInfo *info = vsk::kind_info(k);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->kind, k);
        EXPECT_NE(info->release, nullptr);
    }
    EXPECT_EQ(vsk::kind_info(0), nullptr);
    EXPECT_EQ(vsk::kind_info(20), nullptr);
}

TEST(PtrList, OrderAndIdentity) {
    vsk::PtrList<int> list;
    int a = 1, b = 1, c = 3;
    EXPECT_EQ(list.head(), nullptr);
    EXPECT_EQ(list.nth(0), nullptr);
    ASSERT_TRUE(list.append(&a));
    ASSERT_TRUE(list.append(&b));
    ASSERT_TRUE(list.prepend(&c));
    ASSERT_TRUE(list.append(&a));
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list.head(), &c);
    EXPECT_EQ(list.tail(), &a);
    EXPECT_EQ(list.nth(2), &b);
    EXPECT_EQ(list.nth(4), nullptr);
    EXPECT_TRUE(list.remove(&a));  // the first cell holding it
    EXPECT_EQ(list.nth(1), &b);
    EXPECT_EQ(list.tail(), &a);
    int equal_value = 1;
    EXPECT_FALSE(list.contains(&equal_value));
    EXPECT_FALSE(list.remove(&equal_value));
    ASSERT_TRUE(list.insert_after(0, &a));
    EXPECT_EQ(list.nth(1), &a);
}

}  // namespace
