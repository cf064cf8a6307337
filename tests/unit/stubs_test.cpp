#include <gtest/gtest.h>
#include <oci.h>
#include <ociextp.h>

#include <cstring>

#include "env/stubs.h"
#include "scoped_env.h"

namespace {

constexpr ub4 kStubCode = 43;  // any valid function code

class Stubs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override { OCIHandleFree(env, OCI_HTYPE_ENV); }
    sword call_stub(bool callbacks, bool message) {
        auto stub = VSK_GUARDED_STUB("OCITestStub", "Testing a stub\n", kStubCode, callbacks, message);
        return vsk::guarded_stub(stub, env, err, static_cast<void *>(env), static_cast<void *>(err));
    }
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

int exit_calls = 0;
sword count_exit(void *, void *, ub4, ub4, ub4, sword, sb4 *, va_list) {
    ++exit_calls;
    return OCI_ERROR;
}

TEST_F(Stubs, GuardedStubEndsTheProcessWithoutTheSwitch) {
    ScopedEnv off("VSK_OCI_UIFCTN_RET_OK", nullptr);
    EXPECT_EXIT(call_stub(false, false), ::testing::ExitedWithCode(1),
                "UNIMPLEMENTED FUNCTION CALL OCITestStub IN FILE stubs_test.cpp AT LINE [0-9]+\n");
}

TEST_F(Stubs, GuardedStubSucceedsWithTheSwitch) {
    ScopedEnv on("VSK_OCI_UIFCTN_RET_OK", "1");
    ASSERT_EQ(vsk::register_user_callback(env, OCI_HTYPE_ENV, nullptr, count_exit, nullptr, kStubCode, 2, nullptr),
              OCI_SUCCESS);
    exit_calls = 0;
    EXPECT_EQ(call_stub(true, true), OCI_SUCCESS) << "the stub's own result, whatever callbacks say";
    EXPECT_EQ(exit_calls, 1);
    EXPECT_STREQ(err->messageText, "VSK-03001: unsupported feature");
    EXPECT_TRUE(err->records.empty()) << "the text is left, no record added";

    std::memset(err->messageText, 0, sizeof err->messageText);
    EXPECT_EQ(call_stub(false, false), OCI_SUCCESS);
    EXPECT_EQ(exit_calls, 1);
    EXPECT_EQ(err->messageText[0], 0);
}

TEST_F(Stubs, ErrorStubAndPendingCall) {
    EXPECT_EQ(vsk::error_stub("Creating new Object\n"), OCI_ERROR);
    EXPECT_TRUE(err->records.empty());
    EXPECT_EQ(vsk::pending_call(env, err, kStubCode, 1, 2), OCI_ERROR);
    ASSERT_EQ(err->records.size(), 1u);
    EXPECT_EQ(err->records.nth(0)->errcode, 3001u);
    // Without an error handle the environment's own one holds the record.
    EXPECT_EQ(vsk::pending_call(env, nullptr, kStubCode), OCI_ERROR);
    EXPECT_EQ(env->errorHandle->records.size(), 1u);
}

}  // namespace

namespace {

TEST_F(Stubs, ExportedStubsBehaveByKind) {
    // An error stub: fails and records nothing.
    void *instance = nullptr;
    EXPECT_EQ(OCIObjectNew(env, err, nullptr, OCI_TYPECODE_OBJECT, nullptr, nullptr, OCI_DURATION_SESSION, FALSE,
                           &instance),
              OCI_ERROR);
    EXPECT_TRUE(err->records.empty());

    // A guarded stub with the switch set: succeeds and leaves the 3001 text.
    ScopedEnv on("VSK_OCI_UIFCTN_RET_OK", "1");
    EXPECT_EQ(OCIAQEnq(nullptr, err, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    EXPECT_STREQ(err->messageText, "VSK-03001: unsupported feature");

    // A call still to be built: fails with record 3001.
    OCISvcCtx *svc = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&svc), OCI_HTYPE_SVCCTX, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(vsk::pending_call(svc, err, OCI_FNCODE_TRANSCOMMIT, svc, err), OCI_ERROR);
    ASSERT_EQ(err->records.size(), 1u);
    EXPECT_EQ(err->records.nth(0)->errcode, 3001u);

    // External-procedure calls answer with nothing.
    OCIEnv *e = env;
    OCISvcCtx *s = reinterpret_cast<OCISvcCtx *>(1);
    OCIError *x = err;
    EXPECT_EQ(ociepgoe(nullptr, &e, &s, &x), 0);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(x, nullptr);
    EXPECT_EQ(ociepacm(nullptr, 10), nullptr);
}

TEST_F(Stubs, ExportedGuardedStubEndsTheProcessWithoutTheSwitch) {
    ScopedEnv off("VSK_OCI_UIFCTN_RET_OK", nullptr);
    EXPECT_EXIT(OCIAQEnq(nullptr, err, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0),
                ::testing::ExitedWithCode(1), "UNIMPLEMENTED FUNCTION CALL OCIAQEnq IN FILE stubs_guarded.cpp");
}

}  // namespace
