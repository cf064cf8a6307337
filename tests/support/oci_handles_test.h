// Base fixture for tests that need their own environment: an error handle, a statement
// and a service context, all released with the environment.
#pragma once

#include <oci.h>

#include <gtest/gtest.h>

#include <string>

namespace vsk::test {

class OciHandlesTest : public ::testing::Test {
protected:
    void SetUp() override { make_env(OCI_DEFAULT); }
    void TearDown() override {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
    }
    // Replaces the environment (and every handle) by one created in mode.
    void make_env(ub4 mode) {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
        ASSERT_EQ(OCIEnvCreate(&env_, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&svc_), OCI_HTYPE_SVCCTX, 0, nullptr), OCI_SUCCESS);
    }
    // The number of the error handle's first record (0 when there is none).
    sb4 error_code() const {
        sb4 code = 0;
        OraText buf[512];
        OCIErrorGet(err_, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR);
        return code;
    }
    // The first record's text ("" when there is none).
    std::string message() const {
        sb4 code = 0;
        OraText buf[512] = {};
        OCIErrorGet(err_, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR);
        return reinterpret_cast<char *>(buf);
    }
    // How many records the error handle holds.
    int records() const {
        int n = 0;
        sb4 code;
        while (OCIErrorGet(err_, n + 1, nullptr, &code, nullptr, 0, OCI_HTYPE_ERROR) == OCI_SUCCESS) ++n;
        return n;
    }

    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
    OCIStmt *stmt_ = nullptr;
    OCISvcCtx *svc_ = nullptr;
};

}  // namespace vsk::test
