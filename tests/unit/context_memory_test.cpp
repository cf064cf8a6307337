// Named context values on environments and sessions, and user memory.
#include <gtest/gtest.h>
#include <oci.h>
#include <ocixmldb.h>

#include <cstring>
#include <string>

#include "env/error.h"
#include "oci_handles_test.h"

namespace {

ub1 *k(const char *s) { return reinterpret_cast<ub1 *>(const_cast<char *>(s)); }
ub1 len(const char *s) { return static_cast<ub1>(std::strlen(s)); }

class ContextValues : public vsk::test::OciHandlesTest {
protected:
    void SetUp() override {
        OciHandlesTest::SetUp();
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&session_), OCI_HTYPE_SESSION, 0, nullptr),
                  OCI_SUCCESS);
    }
    OCISession *session_ = nullptr;
    int a = 1, b = 2, c = 3;
};

TEST_F(ContextValues, SetAndGetOnEnvironmentsAndSessions) {
    for (void *h : {static_cast<void *>(env_), static_cast<void *>(session_)}) {
        ASSERT_EQ(OCIContextSetValue(h, err_, OCI_DURATION_SESSION, k("alpha"), len("alpha"), &a), OCI_SUCCESS);
        ASSERT_EQ(OCIContextSetValue(h, err_, OCI_DURATION_SESSION, k("beta"), len("beta"), &b), OCI_SUCCESS);
        void *v = nullptr;
        ASSERT_EQ(OCIContextGetValue(h, err_, k("alpha"), len("alpha"), &v), OCI_SUCCESS);
        EXPECT_EQ(v, &a);
        ASSERT_EQ(OCIContextGetValue(h, err_, k("beta"), len("beta"), &v), OCI_SUCCESS);
        EXPECT_EQ(v, &b);
        // Setting a key again: the later value is read back.
        ASSERT_EQ(OCIContextSetValue(h, err_, OCI_DURATION_SESSION, k("alpha"), len("alpha"), &c), OCI_SUCCESS);
        ASSERT_EQ(OCIContextGetValue(h, err_, k("alpha"), len("alpha"), &v), OCI_SUCCESS);
        EXPECT_EQ(v, &c);
    }
    // The two handles keep their own values.
    int d = 4;
    ASSERT_EQ(OCIContextSetValue(session_, err_, OCI_DURATION_SESSION, k("only"), len("only"), &d), OCI_SUCCESS);
    void *v = &a;
    ASSERT_EQ(OCIContextGetValue(env_, err_, k("only"), len("only"), &v), OCI_SUCCESS);
    EXPECT_EQ(v, &a);
}

TEST_F(ContextValues, KeysAreComparedByTheirLengthAndBytes) {
    // Keys need no terminator: "abcdef" with length 3 is "abc".
    ASSERT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, k("abcdef"), 3, &a), OCI_SUCCESS);
    void *v = nullptr;
    ASSERT_EQ(OCIContextGetValue(env_, err_, k("abcxyz"), 3, &v), OCI_SUCCESS);
    EXPECT_EQ(v, &a);
    v = &b;
    ASSERT_EQ(OCIContextGetValue(env_, err_, k("abcd"), 4, &v), OCI_SUCCESS);
    EXPECT_EQ(v, &b);  // never set: left as it was
}

TEST_F(ContextValues, RefusedArguments) {
    std::string key65(65, 'k'), key64(64, 'k');
    EXPECT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, k(key65.c_str()), 65, &a), OCI_ERROR);
    EXPECT_EQ(error_code(), 0);  // no record
    EXPECT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, k(key64.c_str()), 64, &a), OCI_SUCCESS);
    EXPECT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, k("x"), 0, &a), OCI_ERROR);
    EXPECT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, nullptr, 1, &a), OCI_ERROR);
    EXPECT_EQ(OCIContextSetValue(env_, err_, OCI_DURATION_SESSION, k("x"), 1, nullptr), OCI_ERROR);
    EXPECT_EQ(OCIContextGetValue(env_, err_, k("x"), 1, nullptr), OCI_ERROR);
    EXPECT_EQ(OCIContextSetValue(stmt_, err_, OCI_DURATION_SESSION, k("x"), 1, &a), OCI_ERROR);
    EXPECT_EQ(error_code(), 24316);
    EXPECT_EQ(OCIContextSetValue(env_, nullptr, OCI_DURATION_SESSION, k("x"), 1, &a), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIContextSetValue(nullptr, err_, OCI_DURATION_SESSION, k("x"), 1, &a), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIContextSetValue(env_, reinterpret_cast<OCIError *>(env_), OCI_DURATION_SESSION, k("x"), 1, &a),
              OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIContextClearValue(env_, err_, k("x"), 1), OCI_ERROR);
}

TEST(UserMemory, DurationsSessionAndStatementOnly) {
    struct Case {
        OCIDuration duration;
        sword rc;
    } cases[] = {{OCI_DURATION_SESSION, OCI_SUCCESS}, {OCI_DURATION_STATEMENT, OCI_SUCCESS},
                 {OCI_DURATION_CALL, OCI_ERROR},      {OCI_DURATION_TRANS, OCI_ERROR},
                 {OCI_DURATION_PROCESS, OCI_ERROR},   {OCI_DURATION_NULL, OCI_ERROR}};
    for (const Case &c : cases) {
        void *mem = nullptr;
        EXPECT_EQ(OCIMemoryAlloc(nullptr, nullptr, &mem, c.duration, 64, OCI_MEMORY_CLEARED), c.rc) << c.duration;
        if (c.rc == OCI_SUCCESS) {
            ASSERT_NE(mem, nullptr);
            EXPECT_EQ(static_cast<unsigned char *>(mem)[63], 0);
            std::memset(mem, 0xab, 64);
        }
        EXPECT_EQ(OCIMemoryFree(nullptr, nullptr, mem), OCI_SUCCESS);
    }
    EXPECT_EQ(OCIMemoryAlloc(nullptr, nullptr, nullptr, OCI_DURATION_SESSION, 8, 0), OCI_ERROR);
    EXPECT_EQ(OCIMemoryFree(nullptr, nullptr, nullptr), OCI_SUCCESS);
    void *mem = nullptr;
    EXPECT_EQ(OCIMemoryResize(nullptr, nullptr, &mem, 8, 0), OCI_ERROR);
}

class XmlDb : public vsk::test::OciHandlesTest {};

TEST_F(XmlDb, InitLeavesTheUnsupportedTextWithoutARecord) {
    EXPECT_EQ(OCIXmlDbInitXmlCtx(env_, svc_, err_, nullptr, 0), nullptr);
    EXPECT_EQ(error_code(), 0);
    EXPECT_NE(std::string(err_->messageText).find("03001"), std::string::npos) << err_->messageText;
    OCIXmlDbFreeXmlCtx(nullptr);
}

}  // namespace
