// What drivers built for the vendor's client need without a server: vendor character-set
// numbers, the vendor-faithful describe mapping and names, the statement kinds of
// PostgreSQL's own commands, the ...2 calls and the attributes drivers read and set.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "connect/records.h"
#include "env/compat.h"
#include "env/env.h"
#include "oci_handles_test.h"
#include "stmt/elements.h"
#include "stmt/records.h"
#include "stmt/statement_text.h"
#include "stmt/vendor_describe.h"
#include "types/type_codes.h"

namespace {

const OraText *ot(const char *s) { return reinterpret_cast<const OraText *>(s); }

OCIEnv *nls_env(ub2 charset, ub2 ncharset, ub4 mode = OCI_THREADED | OCI_OBJECT) {
    OCIEnv *env = nullptr;
    if (OCIEnvNlsCreate(&env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr, charset, ncharset) != OCI_SUCCESS)
        return nullptr;
    return env;
}

struct CharsetCase {
    const char *name;
    ub2 given;
    ub2 reportedNational;
    int maxBytes;
    bool utf16;
};

// Cases print by name: printing their bytes would read the padding.
void PrintTo(const CharsetCase &c, std::ostream *os) { *os << c.name; }

class VendorCharsets : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(VendorCharsets, EnvironmentAnswersInTheNumberingItWasCreatedWith) {
    const CharsetCase &c = GetParam();
    OCIEnv *env = nls_env(c.given, c.given);
    ASSERT_NE(env, nullptr);
    OCIError *err = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(env->vendorMode, 1);
    EXPECT_EQ(env->isUtf16, c.utf16 ? 1 : 0);
    ub2 id = 0, nid = 0;
    ASSERT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, &id, nullptr, OCI_ATTR_CHARSET_ID, err), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(env, OCI_HTYPE_ENV, &nid, nullptr, OCI_ATTR_NCHARSET_ID, err), OCI_SUCCESS);
    EXPECT_EQ(id, c.given);
    EXPECT_EQ(nid, c.reportedNational);
    if (!c.utf16) {
        sb4 max = 0;
        ASSERT_EQ(OCINlsNumericInfoGet(env, err, &max, OCI_NLS_CHARSET_MAXBYTESZ), OCI_SUCCESS);
        EXPECT_EQ(max, c.maxBytes);
    }
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

INSTANTIATE_TEST_SUITE_P(Numbers, VendorCharsets,
                         ::testing::Values(CharsetCase{"AL32UTF8", 873, 873, 4, false},
                                           CharsetCase{"UTF8", 871, 871, 4, false},
                                           CharsetCase{"WE8MSWIN1252", 178, 178, 1, false},
                                           CharsetCase{"OCI_UTF16ID", 1000, 1000, 2, true},
                                           CharsetCase{"AL16UTF16", 2000, 2000, 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(VendorCharsetNumbers, OwnIdentifiersKeepTheirMeaningAndDefaults) {
    OCIEnv *own = nls_env(6, 0, OCI_DEFAULT);
    ASSERT_NE(own, nullptr);
    OCIError *err = nullptr;
    ASSERT_EQ(OCIHandleAlloc(own, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(own->vendorMode, 0);
    ub2 id = 0;
    ASSERT_EQ(OCIAttrGet(own, OCI_HTYPE_ENV, &id, nullptr, OCI_ATTR_CHARSET_ID, err), OCI_SUCCESS);
    EXPECT_EQ(id, 6);
    OCIHandleFree(own, OCI_HTYPE_ENV);

    // A vendor number for the national set alone still makes the environment vendor-faithful,
    // and its own set is then answered in the vendor's numbering.
    OCIEnv *mixed = nls_env(6, 2000, OCI_DEFAULT);
    ASSERT_NE(mixed, nullptr);
    ASSERT_EQ(OCIHandleAlloc(mixed, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(mixed, OCI_HTYPE_ENV, &id, nullptr, OCI_ATTR_CHARSET_ID, err), OCI_SUCCESS);
    EXPECT_EQ(id, 873);
    OCIHandleFree(mixed, OCI_HTYPE_ENV);
}

TEST(VendorCharsetNumbers, UnknownNumbersAreRefused) {
    for (ub2 bad : {ub2{9999}, ub2{65535}}) {
        OCIEnv *env = reinterpret_cast<OCIEnv *>(0x1);
        EXPECT_EQ(OCIEnvNlsCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr, bad, 0), OCI_ERROR)
            << bad;
        EXPECT_EQ(env, nullptr);
        env = reinterpret_cast<OCIEnv *>(0x1);
        EXPECT_EQ(OCIEnvNlsCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 873, bad), OCI_ERROR)
            << bad;
        EXPECT_EQ(env, nullptr);
    }
}

TEST(RowidDescriptors, OnlyVendorFaithfulEnvironmentsHandThemOut) {
    OCIEnv *own = nls_env(0, 0, OCI_DEFAULT);
    ASSERT_NE(own, nullptr);
    void *d = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(own, &d, OCI_DTYPE_ROWID, 0, nullptr), OCI_INVALID_HANDLE);
    OCIHandleFree(own, OCI_HTYPE_ENV);

    OCIEnv *env = nls_env(873, 873);
    ASSERT_NE(env, nullptr);
    OCIError *err = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_ROWID, 0, nullptr), OCI_SUCCESS);
    OraText text[32] = {'x'};
    ub2 length = sizeof text;
    ASSERT_EQ(OCIRowidToChar(static_cast<OCIRowid *>(d), text, &length, err), OCI_SUCCESS);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(text[0], 0);
    // Freed as what it is, not as another descriptor type.
    EXPECT_EQ(OCIDescriptorFree(d, OCI_DTYPE_TIMESTAMP), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescriptorFree(d, OCI_DTYPE_ROWID), OCI_SUCCESS);
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST(VendorLibraryName, OnlyTheVendorClientFileNameCounts) {
    struct Case {
        const char *path;
        bool vendor;
    } cases[] = {
        {"/opt/instantclient/libclntsh.so", true},
        {"/usr/local/lib/libclntsh.so.19.1", true},
        {"libclntsh.so", true},
        {"/usr/lib/libvskoci.so.16", false},
        {"/tmp/libclntsh.so.d/libvskoci.so", false},
        {"/usr/lib/libclntshcore.so", false},
        {nullptr, false},
    };
    for (const Case &c : cases) EXPECT_EQ(vsk::is_vendor_library_path(c.path), c.vendor) << (c.path ? c.path : "null");
}

struct DescribeCase {
    const char *name;
    Oid type;
    int typmod;
    ub2 dataType;
    ub4 dataSize;
    ub2 charSize;
    ub2 precision;
    sb1 scale;
    // A table's own column rather than an expression's value.
    bool tableColumn = false;
};

// A modifier as the server writes it for numeric(p, s) and varchar(n).
constexpr int numeric_mod(int p, int s) { return ((p << 16) | s) + 4; }
constexpr int varchar_mod(int n) { return n + 4; }

void PrintTo(const DescribeCase &c, std::ostream *os) { *os << c.name; }

class VendorDescribe : public ::testing::TestWithParam<DescribeCase> {};

TEST_P(VendorDescribe, ReportsTheVendorsCodeSizesPrecisionAndScale) {
    const DescribeCase &d = GetParam();
    vsk::ColumnRecord c;
    vsk::set_vendor_column(&c, d.type, d.typmod, d.tableColumn);
    EXPECT_EQ(c.dataType, d.dataType);
    EXPECT_EQ(c.dataSize, d.dataSize);
    EXPECT_EQ(c.charSize, d.charSize);
    EXPECT_EQ(c.precision, d.precision);
    EXPECT_EQ(static_cast<sb1>(c.scale), d.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Types, VendorDescribe,
    ::testing::Values(DescribeCase{"varchar40", vsk::PG_VARCHAR, varchar_mod(40), SQLT_CHR, 160, 40, 0, 0},
                      DescribeCase{"varchar_unsized", vsk::PG_VARCHAR, -1, SQLT_CHR, 16000, 4000, 0, 0},
                      DescribeCase{"varchar_unsized_column", vsk::PG_VARCHAR, -1, SQLT_CHR, 16000, 4000, 0, 0, true},
                      DescribeCase{"varchar40_column", vsk::PG_VARCHAR, varchar_mod(40), SQLT_CHR, 160, 40, 0, 0, true},
                      DescribeCase{"bpchar3_column", vsk::PG_BPCHAR, varchar_mod(3), SQLT_AFC, 12, 3, 0, 0, true},
                      DescribeCase{"text", vsk::PG_TEXT, -1, SQLT_CHR, 16000, 4000, 0, 0},
                      DescribeCase{"text_column", vsk::PG_TEXT, -1, SQLT_CLOB, 4000, 0, 0, 0, true},
                      DescribeCase{"bpchar3", vsk::PG_BPCHAR, varchar_mod(3), SQLT_AFC, 12, 3, 0, 0},
                      DescribeCase{"int2", vsk::PG_INT2, -1, SQLT_NUM, 22, 0, 5, 0},
                      DescribeCase{"int4", vsk::PG_INT4, -1, SQLT_NUM, 22, 0, 10, 0},
                      DescribeCase{"int8", vsk::PG_INT8, -1, SQLT_NUM, 22, 0, 19, 0},
                      DescribeCase{"numeric10_2", vsk::PG_NUMERIC, numeric_mod(10, 2), SQLT_NUM, 22, 0, 10, 2},
                      DescribeCase{"numeric_unconstrained", vsk::PG_NUMERIC, -1, SQLT_NUM, 22, 0, 0, -127},
                      DescribeCase{"float4", vsk::PG_FLOAT4, -1, SQLT_IBFLOAT, 4, 0, 0, 0},
                      DescribeCase{"float8", vsk::PG_FLOAT8, -1, SQLT_IBDOUBLE, 8, 0, 0, 0},
                      DescribeCase{"boolean", vsk::PG_BOOL, -1, SQLT_BOL, 4, 0, 0, 0},
                      DescribeCase{"date", vsk::PG_DATE, -1, SQLT_DAT, 7, 0, 0, 0},
                      DescribeCase{"timestamp", vsk::PG_TIMESTAMP, -1, SQLT_TIMESTAMP, 11, 0, 0, 6},
                      DescribeCase{"timestamptz", vsk::PG_TIMESTAMPTZ, -1, SQLT_TIMESTAMP_TZ, 13, 0, 0, 6},
                      DescribeCase{"interval", vsk::PG_INTERVAL, -1, SQLT_INTERVAL_DS, 11, 0, 2, 6},
                      DescribeCase{"bytea", vsk::PG_BYTEA, -1, SQLT_BIN, 4000, 0, 0, 0},
                      DescribeCase{"bytea_column", vsk::PG_BYTEA, -1, SQLT_BLOB, 4000, 0, 0, 0, true},
                      DescribeCase{"int4_column", vsk::PG_INT4, -1, SQLT_NUM, 22, 0, 10, 0, true},
                      DescribeCase{"refcursor", vsk::PG_REFCURSOR, -1, SQLT_RSET, 8, 0, 0, 0},
                      DescribeCase{"uuid_as_text", 2950, -1, SQLT_CHR, 16000, 4000, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VendorColumnNames, FoldedNamesComeBackInUpperCase) {
    struct Case {
        const char *given;
        const char *reported;
    } cases[] = {
        {"id", "ID"},           {"created_at", "CREATED_AT"}, {"_x$1", "_X$1"},      {"MixedCase", "MixedCase"},
        {"?column?", "?column?"}, {"1abc", "1abc"},           {"with space", "with space"},
        {"zoë", "zoë"},         {"", ""},
    };
    for (const Case &c : cases) EXPECT_EQ(vsk::vendor_column_name(c.given), c.reported) << c.given;
}

TEST(StatementKinds, PostgresQueriesAndTransactionCommands) {
    struct Case {
        const char *text;
        ub2 kind;
    } cases[] = {
        {"VALUES (1), (2)", OCI_STMT_SELECT},
        {"table t", OCI_STMT_SELECT},
        {"SHOW search_path", OCI_STMT_SELECT},
        {"  with x as (select 1) select * from x", OCI_STMT_SELECT},
        {"tablespace_report()", 0},
        {"showing", 0},
        {"BEGIN", 0},
        {"begin;", 0},
        {"BEGIN TRANSACTION ISOLATION LEVEL SERIALIZABLE", 0},
        {"begin work", 0},
        {"BEGIN READ ONLY", 0},
        {"START TRANSACTION", 0},
        {"BEGIN p(:1); END;", OCI_STMT_BEGIN},
        {"begin null; end;", OCI_STMT_BEGIN},
    };
    for (const Case &c : cases) EXPECT_EQ(vsk::GetStatementType(c.text), c.kind) << c.text;
}

TEST(LengthSlots, NarrowAndWideElements) {
    ub2 narrow[3] = {1, 2, 3};
    ub4 wide[3] = {70000, 5, 6};
    EXPECT_EQ(vsk::length_slot(narrow, 0, 1, 0, 0).get(), 2u);
    EXPECT_EQ(vsk::length_slot(wide, 1, 0, 0, 0).get(), 70000u);
    vsk::length_slot(wide, 1, 2, 0, 0).set(100000);
    EXPECT_EQ(wide[2], 100000u);
    // A narrow slot holds what fits and no more; its neighbour stays as it was.
    vsk::length_slot(narrow, 0, 1, 0, 0).set(100000);
    EXPECT_EQ(narrow[1], UB2MAXVAL);
    EXPECT_EQ(narrow[2], 3);
    // Strides of an array of structures.
    struct Row {
        ub4 length;
        ub4 other;
    } rows[2] = {{7, 0}, {8, 0}};
    EXPECT_EQ(vsk::length_slot(&rows[0].length, 1, 1, 1, sizeof(Row)).get(), 8u);
    EXPECT_FALSE(vsk::length_slot(nullptr, 1, 0, 0, 0));
}

class DriverCalls : public vsk::test::OciHandlesTest {};

TEST_F(DriverCalls, BindsByNameWithoutColonAndWideLengths) {
    const char *sql = "insert into t values (:id, :name)";
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(sql), static_cast<ub4>(std::strlen(sql)), OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    char name[8] = "abc";
    ub4 nameLength = 3;
    OCIBind *bind = nullptr;
    ASSERT_EQ(OCIBindByName2(stmt_, &bind, err_, ot("name"), 4, name, sizeof name, SQLT_CHR, nullptr, &nameLength,
                             nullptr, 0, nullptr, 0x400),
              OCI_SUCCESS);
    ASSERT_NE(bind, nullptr);
    EXPECT_EQ(bind->name, ":name");
    EXPECT_EQ(bind->wideLengths, 1);
    // The same name with its colon finds the same bind.
    OCIBind *again = nullptr;
    ASSERT_EQ(OCIBindByName2(stmt_, &again, err_, ot(":name"), 5, name, sizeof name, SQLT_CHR, nullptr,
                             &nameLength, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(again, bind);
    OCIBind *missing = nullptr;
    EXPECT_EQ(OCIBindByName2(stmt_, &missing, err_, ot("nope"), 4, name, sizeof name, SQLT_CHR, nullptr,
                             &nameLength, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_ERROR);
    // Sizes beyond what a bind holds are refused with a record.
    EXPECT_EQ(OCIBindByPos2(stmt_, &missing, err_, 1, name, sb8{1} << 40, SQLT_CHR, nullptr, nullptr, nullptr, 0,
                            nullptr, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_EQ(error_code(), 1460);
    ASSERT_EQ(OCIBindByPos2(stmt_, &missing, err_, 1, name, sizeof name, SQLT_CHR, nullptr, &nameLength, nullptr, 0,
                            nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(missing->wideLengths, 1);
}

TEST_F(DriverCalls, DefinesWithWideLengths) {
    const char *sql = "select a from t";
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(sql), static_cast<ub4>(std::strlen(sql)), OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    char buf[16];
    ub4 lengths[1] = {0};
    OCIDefine *def = nullptr;
    ASSERT_EQ(OCIDefineByPos2(stmt_, &def, err_, 1, buf, sizeof buf, SQLT_CHR, nullptr, lengths, nullptr,
                              OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(def->wideLengths, 1);
    EXPECT_EQ(def->value_sz, sizeof buf);
    EXPECT_EQ(OCIDefineByPos2(stmt_, &def, err_, 1, buf, -1, SQLT_CHR, nullptr, lengths, nullptr, OCI_DEFAULT),
              OCI_ERROR);
}

TEST_F(DriverCalls, NoImplicitResults) {
    void *result = reinterpret_cast<void *>(0x1);
    ub4 type = 9;
    EXPECT_EQ(OCIStmtGetNextResult(stmt_, err_, &result, &type, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(OCIStmtGetNextResult(nullptr, err_, &result, &type, OCI_DEFAULT), OCI_INVALID_HANDLE);
}

TEST_F(DriverCalls, ArrayDescriptorsFillTheApplicationsArray) {
    void *array[3] = {nullptr, nullptr, nullptr};
    OraText zone[] = "+02:00";
    ASSERT_EQ(OCIArrayDescriptorAlloc(env_, array, OCI_DTYPE_TIMESTAMP_TZ, 3, 0, nullptr), OCI_SUCCESS);
    for (void *d : array) {
        ASSERT_NE(d, nullptr);
        ASSERT_EQ(OCIDateTimeConstruct(env_, err_, static_cast<OCIDateTime *>(d), 2024, 3, 5, 10, 11, 12, 0,
                                       zone, 6),
                  OCI_SUCCESS);
    }
    EXPECT_EQ(OCIArrayDescriptorFree(array, OCI_DTYPE_TIMESTAMP_TZ), OCI_SUCCESS);
    // Freed once: a second free finds no array.
    EXPECT_EQ(OCIArrayDescriptorFree(array, OCI_DTYPE_TIMESTAMP_TZ), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIArrayDescriptorAlloc(env_, array, 9999, 3, 0, nullptr), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIArrayDescriptorAlloc(env_, array, OCI_DTYPE_TIMESTAMP, 0, 0, nullptr), OCI_INVALID_HANDLE);
}

TEST_F(DriverCalls, StatementAttributesDriversRead) {
    const char *sql = "update t set a = 1";
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(sql), static_cast<ub4>(std::strlen(sql)), OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    ub1 returning = 9;
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &returning, nullptr, OCI_ATTR_STMT_IS_RETURNING, err_), OCI_SUCCESS);
    EXPECT_EQ(returning, 0);
    const char *sqlId = nullptr;
    ub4 size = 99;
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &sqlId, &size, OCI_ATTR_SQL_ID, err_), OCI_SUCCESS);
    ASSERT_NE(sqlId, nullptr);
    EXPECT_EQ(size, 0u);
    ub2 offset = 9;
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &offset, nullptr, OCI_ATTR_PARSE_ERROR_OFFSET, err_), OCI_SUCCESS);
    EXPECT_EQ(offset, 0);
    ub4 prefetch = 25;
    ASSERT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &prefetch, 0, OCI_ATTR_PREFETCH_ROWS, err_), OCI_SUCCESS);
    prefetch = 0;
    ASSERT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &prefetch, nullptr, OCI_ATTR_PREFETCH_ROWS, err_), OCI_SUCCESS);
    EXPECT_EQ(prefetch, 25u);
    char rowid[32];
    size = 99;
    EXPECT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, rowid, &size, OCI_ATTR_ROWID, err_), OCI_NO_DATA);
    EXPECT_EQ(size, 0u);
    // An attribute nobody knows: a record, no crash.
    ub4 unknown = 0;
    EXPECT_EQ(OCIAttrGet(stmt_, OCI_HTYPE_STMT, &unknown, nullptr, 4242, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);
    EXPECT_EQ(OCIAttrSet(stmt_, OCI_HTYPE_STMT, &unknown, 0, 4242, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);
}

TEST_F(DriverCalls, BindAndDefineSettingsAreTaken) {
    const char *sql = "select a from t where b = :b";
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(sql), static_cast<ub4>(std::strlen(sql)), OCI_NTV_SYNTAX, OCI_DEFAULT),
              OCI_SUCCESS);
    char buf[8] = {0};
    OCIBind *bind = nullptr;
    ASSERT_EQ(OCIBindByName(stmt_, &bind, err_, ot(":b"), 2, buf, sizeof buf, SQLT_CHR, nullptr, nullptr, nullptr, 0,
                            nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ub4 maxData = 4000;
    EXPECT_EQ(OCIAttrSet(bind, OCI_HTYPE_BIND, &maxData, 0, OCI_ATTR_MAXDATA_SIZE, err_), OCI_SUCCESS);
    ub1 form = SQLCS_IMPLICIT;
    EXPECT_EQ(OCIAttrSet(bind, OCI_HTYPE_BIND, &form, 0, OCI_ATTR_CHARSET_FORM, err_), OCI_SUCCESS);
    EXPECT_EQ(OCIAttrSet(bind, OCI_HTYPE_BIND, &maxData, 0, 4242, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);
    OCIDefine *def = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &def, err_, 1, buf, sizeof buf, SQLT_CHR, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ub4 prefetchLength = 1;
    EXPECT_EQ(OCIAttrSet(def, OCI_HTYPE_DEFINE, &prefetchLength, 0, OCI_ATTR_LOBPREFETCH_LENGTH, err_), OCI_SUCCESS);
}

TEST_F(DriverCalls, ConnectionSettingsDriversMakeAndReadBack) {
    ub4 size = 40;
    ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, &size, 0, OCI_ATTR_STMTCACHESIZE, err_), OCI_SUCCESS);
    ub4 timeout = 1500;
    ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, &timeout, 0, OCI_ATTR_CALL_TIMEOUT, err_), OCI_SUCCESS);
    size = timeout = 0;
    ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &size, nullptr, OCI_ATTR_STMTCACHESIZE, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &timeout, nullptr, OCI_ATTR_CALL_TIMEOUT, err_), OCI_SUCCESS);
    EXPECT_EQ(size, 40u);
    EXPECT_EQ(timeout, 1500u);
    EXPECT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, nullptr, 0, OCI_ATTR_TRANS, err_), OCI_SUCCESS);

    OCISession *session = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&session), OCI_HTYPE_SESSION, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>("driver : 1.0 thk"), 16, OCI_ATTR_DRIVER_NAME,
                         err_),
              OCI_SUCCESS);
    EXPECT_EQ(session->driverName, "driver : 1.0 thk");
    ub1 inTransaction = 9;
    // Before a session begins there is no transaction.
    ASSERT_EQ(OCIAttrGet(session, OCI_HTYPE_SESSION, &inTransaction, nullptr, OCI_ATTR_TRANSACTION_IN_PROGRESS, err_),
              OCI_SUCCESS);
    EXPECT_EQ(inTransaction, 0);
    ub4 unknown = 0;
    EXPECT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, &unknown, 0, 4242, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);

    OCIServer *server = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&server), OCI_HTYPE_SERVER, 0, nullptr), OCI_SUCCESS);
    ub1 maxIdentifier = 0;
    ASSERT_EQ(OCIAttrGet(server, OCI_HTYPE_SERVER, &maxIdentifier, nullptr, OCI_ATTR_MAX_IDENTIFIER_LEN, err_),
              OCI_SUCCESS);
    EXPECT_EQ(maxIdentifier, 63);
    ub4 status = 9;
    ASSERT_EQ(OCIAttrGet(server, OCI_HTYPE_SERVER, &status, nullptr, OCI_ATTR_SERVER_STATUS, err_), OCI_SUCCESS);
    EXPECT_EQ(status, static_cast<ub4>(OCI_SERVER_NOT_CONNECTED));
    ub1 recoverable = 9;
    ASSERT_EQ(OCIAttrGet(err_, OCI_HTYPE_ERROR, &recoverable, nullptr, OCI_ATTR_ERROR_IS_RECOVERABLE, err_),
              OCI_SUCCESS);
    EXPECT_EQ(recoverable, 0);
}

}  // namespace
