// Define calls without a server.
#include <oci.h>

#include <gtest/gtest.h>

#include "stmt/records.h"

namespace {

class Defines : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env_, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override { OCIHandleFree(env_, OCI_HTYPE_ENV); }
    sword define(ub4 pos, void *buf, sb4 size, ub2 dty, ub4 mode = OCI_DEFAULT) {
        return OCIDefineByPos(stmt_, &def_, err_, pos, buf, size, dty, ind_, rlen_, rcode_, mode);
    }
    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
    OCIStmt *stmt_ = nullptr;
    OCIDefine *def_ = nullptr;
    sb2 ind_[4] = {};
    ub2 rlen_[4] = {}, rcode_[4] = {};
};

TEST_F(Defines, OnePerColumnAndTheirChecks) {
    char buf[16];
    ASSERT_EQ(define(1, buf, 16, SQLT_STR), OCI_SUCCESS);
    EXPECT_EQ(def_->position, 1u);
    EXPECT_EQ(def_->rlenp, rlen_);
    ASSERT_EQ(define(2, buf, 16, SQLT_CHR), OCI_SUCCESS);
    // Defining a column again replaces its define.
    ASSERT_EQ(define(1, buf, 8, SQLT_AFC), OCI_SUCCESS);
    EXPECT_EQ(stmt_->defines.size(), 2u);
    EXPECT_EQ(def_->value_sz, 8u);

    EXPECT_EQ(define(0, buf, 16, SQLT_STR), OCI_INVALID_HANDLE);
    EXPECT_EQ(define(1, buf, 16, 13), OCI_INVALID_HANDLE);
    EXPECT_EQ(define(1, buf, 16, SQLT_STR, 4), OCI_ERROR);
    // A soft define needs an executed statement and the same type and size.
    EXPECT_EQ(define(1, buf, 8, SQLT_AFC, OCI_DEFINE_SOFT), OCI_ERROR);
    stmt_->executed = 1;
    EXPECT_EQ(define(1, buf + 4, 8, SQLT_AFC, OCI_DEFINE_SOFT), OCI_SUCCESS);
    EXPECT_EQ(def_->valuep, buf + 4);
    EXPECT_EQ(define(1, buf, 9, SQLT_AFC, OCI_DEFINE_SOFT), OCI_ERROR);
}

TEST_F(Defines, TimestampsDynamicAndStrides) {
    OCIDateTime *ts[4] = {};
    ASSERT_EQ(define(1, ts, 1, SQLT_TIMESTAMP), OCI_SUCCESS);
    EXPECT_EQ(def_->value_sz, 8u);
    EXPECT_EQ(stmt_->hasTimestampDefine, 1);

    ASSERT_EQ(define(2, nullptr, 100, SQLT_STR, OCI_DYNAMIC_FETCH), OCI_SUCCESS);
    EXPECT_EQ(def_->dynamic, 1u);
    EXPECT_EQ(def_->valuep, nullptr);
    EXPECT_EQ(def_->indp, nullptr);
    int ctx = 0;
    ASSERT_EQ(OCIDefineDynamic(def_, err_, &ctx, nullptr), OCI_SUCCESS);
    EXPECT_EQ(def_->octxp, &ctx);

    ASSERT_EQ(OCIDefineArrayOfStruct(def_, err_, 24, 24, 24, 0), OCI_SUCCESS);
    EXPECT_EQ(def_->skipSet, 1);
    EXPECT_EQ(def_->rlskip, 24u);
    EXPECT_EQ(OCIDefineArrayOfStruct(def_, nullptr, 1, 1, 1, 1), OCI_INVALID_HANDLE);
}

}  // namespace
