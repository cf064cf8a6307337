// Integer, floating-point and NUMBER values through the server: bound in the server's
// binary formats into typed columns, and fetched back into the external types.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "oci_session_test.h"

namespace {

using vsk::test::ot;

class NumberRoundTrip : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS n_vals; CREATE TABLE n_vals (k text, i2 int2, i4 int4, i8 int8, "
                            "f4 float4, f8 float8, n numeric)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS n_vals");
    }
    void bind_pos(ub4 pos, void *buf, sb4 size, ub2 dty) {
        OCIBind *b = nullptr;
        ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, pos, buf, size, dty, nullptr, nullptr, nullptr, 0, nullptr,
                               OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
    }
};

TEST_F(NumberRoundTrip, BinaryBindsLandInTypedColumns) {
    std::int16_t i2 = -12345;
    std::int32_t i4 = 2000000000;
    std::int64_t i8 = 1234567890123456789LL;
    float f4 = 1.5f;
    double f8 = -2.25e100;
    ASSERT_EQ(prepare("insert into n_vals (k, i2, i4, i8, f4, f8) values ('a', :1, :2, :3, :4, :5)"), OCI_SUCCESS);
    bind_pos(1, &i2, sizeof i2, SQLT_INT);
    bind_pos(2, &i4, sizeof i4, SQLT_INT);
    bind_pos(3, &i8, sizeof i8, SQLT_INT);
    bind_pos(4, &f4, sizeof f4, SQLT_FLT);
    bind_pos(5, &f8, sizeof f8, SQLT_FLT);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select i2::text || ' ' || i4 || ' ' || i8 || ' ' || f4 || ' ' || f8 from n_vals"),
              "-12345 2000000000 1234567890123456789 1.5 -2.25e+100");
}

TEST_F(NumberRoundTrip, ColumnsFetchIntoIntegersFloatsAndText) {
    ASSERT_TRUE(exec_ok("insert into n_vals values ('a', -7, 70000, 9000000000, 0.5, 3.25, 12345.678)"));
    ASSERT_EQ(prepare("select i2, i4, i8, f4, f8, n, n from n_vals"), OCI_SUCCESS);
    std::int16_t i2 = 0;
    std::int32_t i4 = 0;
    std::int64_t i8 = 0;
    float f4 = 0;
    double f8 = 0;
    char ntext[32] = {};
    OCINumber num;
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, &i2, sizeof i2, SQLT_INT, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 2, &i4, sizeof i4, SQLT_INT, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 3, &i8, sizeof i8, SQLT_INT, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 4, &f4, sizeof f4, SQLT_FLT, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 5, &f8, sizeof f8, SQLT_FLT, nullptr, nullptr, nullptr, 0), OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 6, ntext, sizeof ntext, SQLT_STR, nullptr, nullptr, nullptr, 0),
              OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 7, &num, sizeof num, SQLT_VNU, nullptr, nullptr, nullptr, 0),
              OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(i2, -7);
    EXPECT_EQ(i4, 70000);
    EXPECT_EQ(i8, 9000000000LL);
    EXPECT_EQ(f4, 0.5f);
    EXPECT_EQ(f8, 3.25);
    EXPECT_STREQ(ntext, "12345.678");
    // The VARNUM holds the exact value.
    double back = 0;
    ASSERT_EQ(OCINumberToReal(err_, &num, sizeof back, &back), OCI_SUCCESS) << error().second;
    EXPECT_EQ(back, 12345.678);
}

TEST_F(NumberRoundTrip, VarnumBindsAsBinaryNumeric) {
    OCINumber num;
    const std::string text = "-98765.4321";
    const std::string fmt = "99999.9999";
    ASSERT_EQ(OCINumberFromText(err_, ot(text), static_cast<ub4>(text.size()), ot("S99999.9999"), 11, nullptr, 0,
                                &num),
              OCI_SUCCESS)
        << error().second;
    ASSERT_EQ(prepare("insert into n_vals (k, n) values ('v', :1)"), OCI_SUCCESS);
    bind_pos(1, &num, sizeof num, SQLT_VNU);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select n = -98765.4321 from n_vals where k = 'v'"), "t");
}

TEST_F(NumberRoundTrip, UnsignedByteSendsItsValue) {
    unsigned char u = 200;
    ASSERT_EQ(prepare("insert into n_vals (k, i4) values ('u', :1)"), OCI_SUCCESS);
    bind_pos(1, &u, sizeof u, SQLT_UIN);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select i4 from n_vals where k = 'u'"), "200");
}

TEST_F(NumberRoundTrip, IntegerWiderThanTheDescribedParameterIsRefused) {
    ASSERT_TRUE(exec_ok("insert into n_vals (k, i4) values ('w', -2000000000)"));
    ASSERT_EQ(prepare("select k from n_vals where i4 = :1"), OCI_SUCCESS);
    // Described first, the parameter is the column's int4.
    ASSERT_EQ(execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS) << error().second;
    std::int64_t wide = 5000000000LL;
    bind_pos(1, &wide, sizeof wide, SQLT_INT);
    char k[8] = {};
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, k, sizeof k, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    // Its low four bytes (705032704) are not sent in its place.
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(error().first, 1426) << error().second;
    // An eight-byte value the parameter holds goes through.
    wide = -2000000000LL;
    EXPECT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(k, "w");
}

}  // namespace
