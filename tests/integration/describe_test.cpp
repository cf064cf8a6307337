// Describe end to end: implicit describe of query columns (types under each mapping
// switch, sizes, precision and scale, nullability), explicit describe of tables by name,
// the errors of both, copies, UTF-16 names, transactions left as they were, and the
// exchanges describing costs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "connect/records.h"
#include "oci_session_test.h"
#include "protocol_trace.h"
#include "scoped_env.h"

namespace {

using vsk::test::len;
using vsk::test::ot;
using vsk::test::u16;

struct Column {
    std::string name;
    ub2 type = 0;
    ub2 size = 0;
    sb2 precision = 0;
    sb1 scale = 0;
    ub1 nullable = 0;
    ub2 charSize = 0;
    std::string typeName;
    std::string schema;
};

// What a column should describe as.
struct Expect {
    const char *name;
    ub2 type, size;
    sb2 precision;
    sb1 scale;
    ub1 nullable;
    ub2 charSize;
    const char *typeName;
};

void expect_column(const Column &c, const Expect &e) {
    EXPECT_EQ(c.name, e.name);
    EXPECT_EQ(c.type, e.type) << e.name;
    EXPECT_EQ(c.size, e.size) << e.name;
    EXPECT_EQ(c.precision, e.precision) << e.name;
    EXPECT_EQ(c.scale, e.scale) << e.name;
    EXPECT_EQ(c.nullable, e.nullable) << e.name;
    EXPECT_EQ(c.charSize, e.charSize) << e.name;
    EXPECT_EQ(c.typeName, e.typeName) << e.name;
}

class Describe : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS dsc_sizes;"
                            "CREATE TABLE dsc_sizes (i2 int2 NOT NULL, i4 int4, i8 int8, b bool, f4 float4,"
                            " f8 float8, n numeric(10,2), nn numeric, vc varchar(40) NOT NULL, c char(5), t text,"
                            " ts timestamp(3), bits bit(12), big varchar(70000));"
                            "INSERT INTO dsc_sizes VALUES"
                            " (1, 1, 1, true, 1, 1, 1.5, 1, 'a', 'a', 'abc', '2020-01-01 10:00:00.123', B'101010101010', 'x'),"
                            " (2, 2, 2, false, 2, 2, 2.5, 2, 'bb', 'b', 'abcdefghij', NULL, NULL, NULL),"
                            " (3, 3, 3, NULL, 3, 3, 3.5, 3, 'ccc', 'c', NULL, NULL, NULL, NULL)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS dsc_sizes");
    }

    OCIParam *param(ub4 pos, OCIStmt *s = nullptr) {
        OCIParam *p = nullptr;
        EXPECT_EQ(OCIParamGet(s ? s : stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), pos), OCI_SUCCESS)
            << error().second;
        return p;
    }
    template <class T>
    T attr(void *p, ub4 which) {
        T v{};
        EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &v, nullptr, which, err_), OCI_SUCCESS) << which << error().second;
        return v;
    }
    std::string text(void *p, ub4 which) {
        OraText *s = nullptr;
        ub4 n = 0;
        EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &s, &n, which, err_), OCI_SUCCESS) << error().second;
        return s ? std::string(reinterpret_cast<char *>(s), n) : "<null>";
    }
    // Every attribute of a column descriptor (precision read as implicit describe
    // writes it, or as explicit describe does); the descriptor is freed.
    Column read(OCIParam *p, bool explicitDescribe = false) {
        Column c;
        if (!p) return c;
        c.name = text(p, OCI_ATTR_NAME);
        c.type = attr<ub2>(p, OCI_ATTR_DATA_TYPE);
        c.size = attr<ub2>(p, OCI_ATTR_DATA_SIZE);
        c.precision = explicitDescribe ? attr<ub1>(p, OCI_ATTR_PRECISION) : attr<sb2>(p, OCI_ATTR_PRECISION);
        c.scale = attr<sb1>(p, OCI_ATTR_SCALE);
        c.nullable = attr<ub1>(p, OCI_ATTR_IS_NULL);
        c.charSize = attr<ub2>(p, OCI_ATTR_CHAR_SIZE);
        c.typeName = text(p, OCI_ATTR_TYPE_NAME);
        c.schema = text(p, OCI_ATTR_SCHEMA_NAME);
        EXPECT_EQ(OCIDescriptorFree(p, OCI_DTYPE_PARAM), OCI_SUCCESS);
        return c;
    }
    Column column(ub4 pos, OCIStmt *s = nullptr) { return read(param(pos, s)); }

    // Runs a query with its rows held (a define on column 1, up to ten rows at execute).
    void run_query(const std::string &sql, OCIStmt *s = nullptr) {
        ASSERT_EQ(prepare(sql, s), OCI_SUCCESS) << error().second;
        ASSERT_EQ(define_text(1, first_[0], sizeof first_[0], firstInd_, nullptr, s), OCI_SUCCESS);
        const sword rc = execute(10, OCI_DEFAULT, s);
        ASSERT_TRUE(rc == OCI_SUCCESS || rc == OCI_NO_DATA) << rc << " " << error().second;
    }

    sword describe_any(const std::string &name, OCIDescribe *d, ub1 objtyp = OCI_PTYPE_TABLE) {
        return OCIDescribeAny(svc_, err_, const_cast<OraText *>(ot(name)), len(name), OCI_OTYPE_NAME, OCI_DEFAULT,
                              objtyp, d);
    }
    OCIDescribe *new_describe() {
        OCIDescribe *d = nullptr;
        EXPECT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&d), OCI_HTYPE_DESCRIBE, 0, nullptr), OCI_SUCCESS);
        return d;
    }
    // The table descriptor of a describe handle.
    OCIParam *table_of(OCIDescribe *d) {
        OCIParam *t = nullptr;
        EXPECT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &t, nullptr, OCI_ATTR_PARAM, err_), OCI_SUCCESS) << error().second;
        return t;
    }
    // The columns of a described table, in order.
    std::vector<Column> table_columns(OCIDescribe *d) {
        std::vector<Column> out;
        OCIParam *table = table_of(d);
        if (!table) return out;
        const ub2 n = attr<ub2>(table, OCI_ATTR_NUM_COLS);
        OCIParam *list = nullptr;
        EXPECT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_), OCI_SUCCESS);
        for (ub4 i = 1; list && i <= n; ++i) {
            OCIParam *col = nullptr;
            EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&col), i), OCI_SUCCESS);
            out.push_back(read(col, true));
        }
        OCIDescriptorFree(list, OCI_DTYPE_PARAM);
        OCIDescriptorFree(table, OCI_DTYPE_PARAM);
        return out;
    }
    std::vector<std::string> column_names(OCIDescribe *d) {
        std::vector<std::string> names;
        for (const Column &c : table_columns(d)) names.push_back(c.name);
        return names;
    }
    // A session in an environment of its own, which reads the mapping switches as it is created.
    struct OwnSession {
        OCIEnv *env = nullptr;
        OCIError *err = nullptr;
        OCISvcCtx *svc = nullptr;
        ~OwnSession() {
            if (svc) OCILogoff(svc, err);
            if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
        }
    };
    void own_session(OwnSession *s) {
        ASSERT_EQ(OCIEnvCreate(&s->env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(s->env, reinterpret_cast<void **>(&s->err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        const std::string u = user(), link = dblink();
        ASSERT_EQ(OCILogon(s->env, s->err, &s->svc, ot(u), len(u), ot(u), len(u), ot(link), len(link)), OCI_SUCCESS);
    }
    PGTransactionStatusType session_tx() const {
        OCIServer *srv = nullptr;
        OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &srv, nullptr, OCI_ATTR_SERVER, err_);
        return srv && srv->conn ? PQtransactionStatus(srv->conn) : PQTRANS_UNKNOWN;
    }

    char first_[10][64] = {};

    sb2 firstInd_[10] = {};
};

// Types by mapping switch ----------------------------------------------------------------

struct TypeCase {
    const char *expr;
    ub2 byDefault, otl, rogueWave;
};

// One server type of each kind; the types that describe alike (the geometric and network
// ones as SQLT_NTY) are represented by one of them.
const TypeCase kTypes[] = {
    {"true", SQLT_INT, SQLT_NUM, SQLT_CHR},
    {"'\\x00'::bytea", SQLT_BIN, SQLT_BIN, SQLT_CHR},
    {"'a'::\"char\"", SQLT_CHR, SQLT_CHR, SQLT_CHR},
    {"1::int8", SQLT_INT, SQLT_NUM, SQLT_CHR},
    {"1::int2", SQLT_INT, SQLT_NUM, SQLT_CHR},
    {"1::int4", SQLT_INT, SQLT_NUM, SQLT_CHR},
    {"'t'::text", SQLT_STR, SQLT_CHR, SQLT_STR},
    {"point(1,2)", SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {"'10.0.0.0/8'::cidr", SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {"1::float4", SQLT_FLT, SQLT_NUM, SQLT_CHR},
    {"1::float8", SQLT_FLT, SQLT_NUM, SQLT_CHR},
    {"1::money", SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {"'a'::char(3)", SQLT_AFC, SQLT_AFC, SQLT_CHR},
    {"'a'::varchar(3)", SQLT_CHR, SQLT_CHR, SQLT_CHR},
    {"current_date", SQLT_ODT, SQLT_ODT, SQLT_TIMESTAMP},
    {"'10:00'::time", SQLT_TIME, SQLT_TIME, SQLT_TIMESTAMP},
    {"'2020-01-01'::timestamp", SQLT_TIMESTAMP, SQLT_TIMESTAMP, SQLT_TIMESTAMP},
    {"now()", SQLT_TIMESTAMP_TZ, SQLT_TIMESTAMP_TZ, SQLT_TIMESTAMP},
    {"'1 day'::interval", SQLT_INTERVAL_YM, SQLT_INTERVAL_YM, SQLT_TIMESTAMP},
    {"'10:00+02'::timetz", SQLT_TIME_TZ, SQLT_TIME_TZ, SQLT_TIMESTAMP},
    {"B'101'::bit(3)", SQLT_NTY, SQLT_NTY, SQLT_NTY},
    {"1::numeric", SQLT_NUM, SQLT_NUM, SQLT_CHR},
    {"'c'::refcursor", SQLT_CUR, SQLT_CUR, SQLT_CUR},
    {"'{}'::json", 0, 0, 0},
};

enum Mapping { kDefault, kOtl, kRogueWave };

class DescribeMapping : public Describe {
protected:
    // The data types of kTypes described in a fresh environment, created with the
    // switches variables set as given.
    std::vector<ub2> described(bool otl, bool rogueWave, bool dblinkSwitch) {
        ScopedEnv a("OTL", otl ? "1" : nullptr), b("RogueWave", rogueWave ? "1" : nullptr),
            c("RogueWaveDblink", dblinkSwitch ? "1" : nullptr);
        OwnSession own;
        std::vector<ub2> types;
        own_session(&own);
        if (HasFatalFailure()) return types;
        OCIEnv *env = own.env;
        OCIError *err = own.err;
        OCISvcCtx *svc = own.svc;
        OCIStmt *s = nullptr;
        // A text column first, for the define.
        std::string sql = "select 'x'::text";
        for (const TypeCase &t : kTypes) sql += std::string(", ") + t.expr;
        OCIHandleAlloc(env, reinterpret_cast<void **>(&s), OCI_HTYPE_STMT, 0, nullptr);
        EXPECT_EQ(OCIStmtPrepare(s, err, ot(sql), len(sql), OCI_NTV_SYNTAX, OCI_DEFAULT), OCI_SUCCESS);
        // Rogue Wave mode fetches a row at every execution: the first column has a define.
        char first[64];
        OCIDefine *def = nullptr;
        EXPECT_EQ(OCIDefineByPos(s, &def, err, 1, first, sizeof first, SQLT_STR, nullptr, nullptr, nullptr,
                                 OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIStmtExecute(svc, s, err, 0, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS) << [&] {
            sb4 code = 0;
            char buf[512] = {};
            OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR);
            return std::string(buf);
        }();
        for (ub4 i = 2; i <= sizeof kTypes / sizeof kTypes[0] + 1; ++i) {
            OCIParam *p = nullptr;
            ub2 type = 0xFFFF;
            EXPECT_EQ(OCIParamGet(s, OCI_HTYPE_STMT, err, reinterpret_cast<void **>(&p), i), OCI_SUCCESS);
            EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, err), OCI_SUCCESS);
            OCIDescriptorFree(p, OCI_DTYPE_PARAM);
            types.push_back(type);
        }
        return types;
    }
    void expect(const std::vector<ub2> &types, Mapping m) {
        ASSERT_EQ(types.size(), sizeof kTypes / sizeof kTypes[0]);
        for (std::size_t i = 0; i < types.size(); ++i) {
            const TypeCase &t = kTypes[i];
            EXPECT_EQ(types[i], m == kDefault ? t.byDefault : m == kOtl ? t.otl : t.rogueWave) << t.expr;
        }
    }
};

TEST_F(DescribeMapping, DefaultMapping) { expect(described(false, false, false), kDefault); }
TEST_F(DescribeMapping, OtlMapping) { expect(described(true, false, false), kOtl); }
TEST_F(DescribeMapping, RogueWaveMapping) { expect(described(false, true, false), kRogueWave); }
TEST_F(DescribeMapping, RogueWaveDatabaseLinkUsesTheOtlMapping) { expect(described(false, false, true), kOtl); }
TEST_F(DescribeMapping, OtlWinsOverRogueWave) { expect(described(true, true, false), kOtl); }

// Sizes, precision and scale ---------------------------------------------------------------

TEST_F(Describe, SizesPrecisionAndScaleOfHeldRows) {
    run_query("select i2, i4, i8, b, f4, f8, n, nn, vc, c, t, ts, bits, big, i4 + 1 as expr from dsc_sizes");
    const Expect expected[] = {
        {"i2", SQLT_INT, 2, 0, 0, 0, 0, "int2"},
        {"i4", SQLT_INT, 4, 0, 0, 1, 0, "int4"},
        {"i8", SQLT_INT, 8, 0, 0, 1, 0, "int8"},
        {"b", SQLT_INT, 4, 0, 0, 1, 0, "bool"},
        {"f4", SQLT_FLT, 4, 0, 0, 1, 0, "float4"},
        {"f8", SQLT_FLT, 8, 0, 0, 1, 0, "float8"},
        {"n", SQLT_NUM, 22, 10, 2, 1, 0, "numeric"},
        // Without a modifier precision and scale read as all ones.
        {"nn", SQLT_NUM, 22, -1, -1, 1, 0, "numeric"},
        {"vc", SQLT_CHR, 40, 0, 0, 0, 40, "varchar"},
        {"c", SQLT_AFC, 5, 0, 0, 1, 5, "bpchar"},
        // No declared length: the longest value held ("abcdefghij"; NULL counts nothing).
        {"t", SQLT_STR, 10, 0, 0, 1, 10, "text"},
        // timestamp(3)'s modifier is no length.
        {"ts", SQLT_TIMESTAMP, 23, 0, 0, 1, 23, "timestamp"},
        {"bits", SQLT_NTY, 12, 0, 0, 1, 12, "bit"},
        // Larger than a ub2 holds: the largest it does.
        {"big", SQLT_CHR, 65535, 0, 0, 1, 65535, "varchar"},
        {"expr", SQLT_INT, 4, 0, 0, 1, 0, "int4"},
    };
    for (ub4 i = 0; i < sizeof expected / sizeof expected[0]; ++i) {
        const Column c = column(i + 1);
        expect_column(c, expected[i]);
        EXPECT_EQ(c.schema, "pg_catalog") << expected[i].name;
    }
}

TEST_F(Describe, ColumnsWithoutDeclaredLengthInAnEmptyResultReport4000) {
    run_query("select t, vc, n from dsc_sizes where false");
    EXPECT_EQ(column(1).size, 4000);
    EXPECT_EQ(column(2).size, 40);
    EXPECT_EQ(column(3).size, 22);
}

TEST_F(Describe, DescribeOnlyExecution) {
    ASSERT_EQ(prepare("select t, vc, i2, n, i4 * 2 as twice from dsc_sizes where i4 = :id"), OCI_SUCCESS);
    ASSERT_EQ(execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS) << error().second;
    const Column t = column(1), vc = column(2), i2 = column(3), n = column(4), twice = column(5);
    EXPECT_EQ(t.name, "t");
    EXPECT_EQ(t.size, 4000);
    EXPECT_EQ(vc.size, 40);
    EXPECT_EQ(vc.nullable, 0);
    EXPECT_EQ(i2.type, SQLT_INT);
    EXPECT_EQ(i2.size, 2);
    EXPECT_EQ(i2.nullable, 0);
    EXPECT_EQ(n.precision, 10);
    EXPECT_EQ(n.scale, 2);
    EXPECT_EQ(twice.nullable, 1);
}

TEST_F(Describe, DataSizeAndPrecisionWriteTheirPublishedWidths) {
    run_query("select vc, n from dsc_sizes");
    OCIParam *vc = param(1), *n = param(2);
    // DATA_SIZE is a ub2: the bytes after it stay as they were.
    unsigned char buf[4];
    std::memset(buf, 0xEE, sizeof buf);
    ub4 size = 0;
    ASSERT_EQ(OCIAttrGet(vc, OCI_DTYPE_PARAM, buf, &size, OCI_ATTR_DATA_SIZE, err_), OCI_SUCCESS);
    ub2 value;
    std::memcpy(&value, buf, 2);
    EXPECT_EQ(value, 40);
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(buf[2], 0xEE);
    EXPECT_EQ(buf[3], 0xEE);
    // Implicit describe reports the precision as an sb2.
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(OCIAttrGet(n, OCI_DTYPE_PARAM, buf, &size, OCI_ATTR_PRECISION, err_), OCI_SUCCESS);
    sb2 precision;
    std::memcpy(&precision, buf, 2);
    EXPECT_EQ(precision, 10);
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(buf[2], 0xEE);
    OCIDescriptorFree(vc, OCI_DTYPE_PARAM);
    OCIDescriptorFree(n, OCI_DTYPE_PARAM);
}

// Nullability ------------------------------------------------------------------------------

TEST_F(Describe, NullabilityOfTableColumnsAndExpressions) {
    run_query("select i2, i4, vc, t, i2 + 1 as sum, 'x'::text as lit from dsc_sizes");
    const ub1 expected[] = {0, 1, 0, 1, 1, 1};
    for (ub4 i = 0; i < 6; ++i) EXPECT_EQ(column(i + 1).nullable, expected[i]) << i + 1;
}

// Errors ------------------------------------------------------------------------------------

TEST_F(Describe, ParamGetErrors) {
    OCIParam *p = nullptr;
    ASSERT_EQ(prepare("select i2, i4 from dsc_sizes"), OCI_SUCCESS);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), 1), OCI_ERROR);
    EXPECT_EQ(code(), 24338);
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), 0), OCI_ERROR);
    EXPECT_EQ(code(), 24334);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), 3), OCI_ERROR);
    EXPECT_EQ(code(), 24334);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_DESCRIBE, err_, reinterpret_cast<void **>(&p), 1), OCI_ERROR);
    EXPECT_EQ(code(), 24316);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, nullptr, reinterpret_cast<void **>(&p), 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIParamGet(env_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), 1), OCI_INVALID_HANDLE);
    // A column descriptor is no list.
    OCIParam *col = param(1);
    EXPECT_EQ(OCIParamGet(col, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&p), 1), OCI_INVALID_HANDLE);
    OCIDescriptorFree(col, OCI_DTYPE_PARAM);
    // A statement that is no query has no columns.
    ASSERT_EQ(prepare("update dsc_sizes set i4 = i4 where false"), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&p), 1), OCI_ERROR);
    EXPECT_EQ(code(), 24334);
}

TEST_F(Describe, DescribeAnyErrors) {
    OCIDescribe *d = new_describe();
    EXPECT_EQ(describe_any("no_such_table", d), OCI_ERROR);
    EXPECT_EQ(code(), 4043);
    EXPECT_EQ(error().second, "VSK-04043: object no_such_table does not exist");
    EXPECT_EQ(describe_any("a.b.c", d), OCI_ERROR);
    EXPECT_EQ(code(), 4043);
    EXPECT_EQ(describe_any("dsc_sizes", d, OCI_PTYPE_VIEW), OCI_ERROR);
    EXPECT_EQ(code(), 3001);
    EXPECT_EQ(describe_any("dsc_sizes", d, OCI_PTYPE_UNK), OCI_ERROR);
    EXPECT_EQ(code(), 3001);
    EXPECT_EQ(describe_any("dsc_sizes", d, 25), OCI_INVALID_HANDLE);
    const std::string name = "dsc_sizes";
    void *obj = const_cast<OraText *>(ot(name));
    EXPECT_EQ(OCIDescribeAny(svc_, err_, nullptr, 5, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d), OCI_ERROR);
    EXPECT_EQ(code(), 1009);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, obj, 0, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d), OCI_ERROR);
    EXPECT_EQ(code(), 1009);
    // The object and argument checks that need no server are the unit tests'.
    // A failed describe leaves no table behind.
    OCIParam *t = nullptr;
    EXPECT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &t, nullptr, OCI_ATTR_PARAM, err_), OCI_ERROR);
    EXPECT_EQ(code(), 24319);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

// Names --------------------------------------------------------------------------------------

class DescribeNames : public Describe {
protected:
    void SetUp() override {
        Describe::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP SCHEMA IF EXISTS dsc_other CASCADE; DROP TABLE IF EXISTS dsc_emp, \"DSC_Mixed\";"
                            "CREATE SCHEMA dsc_other;"
                            "CREATE TABLE dsc_emp (empno int, ename text);"
                            "CREATE TABLE \"DSC_Mixed\" (a int);"
                            "CREATE TABLE dsc_other.dsc_emp (x int, y int, z int);"
                            "CREATE TABLE dsc_other.dsc_hidden (h int);"));
        d_ = new_describe();
    }
    void TearDown() override {
        if (d_) OCIHandleFree(d_, OCI_HTYPE_DESCRIBE);
        Describe::TearDown();
        exec_ok("DROP SCHEMA IF EXISTS dsc_other CASCADE; DROP TABLE IF EXISTS dsc_emp, \"DSC_Mixed\"");
    }
    OCIDescribe *d_ = nullptr;
};

TEST_F(DescribeNames, NamesAsProgramsWriteThem) {
    struct Case {
        const char *name;
        std::vector<std::string> columns;  // empty: not found
    };
    const Case cases[] = {
        {"dsc_emp", {"empno", "ename"}},
        {"DSC_EMP", {"empno", "ename"}},  // folded as the server folds unquoted names
        {"\"dsc_emp\"", {"empno", "ename"}},
        {"\"DSC_EMP\"", {}},  // quoted: as written only
        {"DSC_Mixed", {"a"}},  // as written first
        {"\"DSC_Mixed\"", {"a"}},
        {"dsc_mixed", {}},
        {"dsc_other.dsc_emp", {"x", "y", "z"}},
        {"DSC_OTHER.DSC_EMP", {"x", "y", "z"}},
        {"\"dsc_other\".DSC_EMP", {"x", "y", "z"}},
        {"\"DSC_OTHER\".dsc_emp", {}},
        {"public.dsc_emp", {"empno", "ename"}},
        // Not on the search path: only by its schema.
        {"dsc_hidden", {}},
        {"dsc_other.dsc_hidden", {"h"}},
        {"nosuchschema.dsc_emp", {}},
    };
    for (const Case &c : cases) {
        const sword rc = describe_any(c.name, d_);
        if (c.columns.empty()) {
            EXPECT_EQ(rc, OCI_ERROR) << c.name;
            EXPECT_EQ(code(), 4043) << c.name;
            continue;
        }
        ASSERT_EQ(rc, OCI_SUCCESS) << c.name << ": " << error().second;
        EXPECT_EQ(column_names(d_), c.columns) << c.name;
    }
}

TEST_F(DescribeNames, TheLengthBoundsTheName) {
    const char name[] = "dsc_empXYZ";
    EXPECT_EQ(OCIDescribeAny(svc_, err_, const_cast<char *>(name), 7, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d_),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(column_names(d_), (std::vector<std::string>{"empno", "ename"}));
    // A terminator within the length ends it.
    const char terminated[] = "dsc_emp\0XYZ";
    EXPECT_EQ(OCIDescribeAny(svc_, err_, const_cast<char *>(terminated), 11, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d_),
              OCI_SUCCESS)
        << error().second;
}

TEST_F(DescribeNames, ColumnNamesStayAsTheServerReportsThem) {
    run_query("select empno, ename as \"Name\", 1 as \"UPPER\" from dsc_emp");
    EXPECT_EQ(column(1).name, "empno");
    EXPECT_EQ(column(2).name, "Name");
    EXPECT_EQ(column(3).name, "UPPER");
}

// Tables, lists and copies ----------------------------------------------------------------------

TEST_F(Describe, TableAttributesAndColumns) {
    ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS dsc_table; DROP DOMAIN IF EXISTS dsc_code;"
                        "CREATE DOMAIN dsc_code AS varchar(8);"
                        "CREATE TABLE dsc_table (id int4 NOT NULL, gone int, n numeric(10,2), v varchar(40),"
                        " t text, code dsc_code, b bytea);"
                        "ALTER TABLE dsc_table DROP COLUMN gone"));
    OCIDescribe *d = new_describe();
    ASSERT_EQ(describe_any("dsc_table", d), OCI_SUCCESS) << error().second;
    OCIParam *table = table_of(d);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(attr<ub2>(table, OCI_ATTR_NUM_COLS), 6);
    EXPECT_EQ(std::to_string(attr<ub4>(table, OCI_ATTR_OBJID)),
              side_value("select 'dsc_table'::regclass::oid::text"));
    EXPECT_EQ(attr<ub1>(table, OCI_ATTR_IS_TEMPORARY), 0);
    EXPECT_EQ(attr<ub1>(table, OCI_ATTR_IS_TYPED), 0);
    EXPECT_EQ(attr<ub1>(table, OCI_ATTR_PARTITIONED), 0);
    EXPECT_EQ(attr<ub4>(table, OCI_ATTR_RDBA), 0u);
    EXPECT_EQ(attr<ub2>(table, OCI_ATTR_DURATION), 0);
    // The tablespace is a word: four bytes written.
    unsigned char buf[8];
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, buf, nullptr, OCI_ATTR_TABLESPACE, err_), OCI_SUCCESS);
    EXPECT_EQ(buf[0] | buf[1] | buf[2] | buf[3], 0);
    EXPECT_EQ(buf[4], 0xEE);
    OCIParam *copy = nullptr;
    EXPECT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &copy, nullptr, OCI_ATTR_REF_TDO, err_), OCI_ERROR);
    EXPECT_EQ(code(), 21301);

    // The list: its own attributes and its columns by position.
    OCIParam *list = nullptr;
    ASSERT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_), OCI_SUCCESS);
    EXPECT_EQ(attr<ub2>(list, OCI_ATTR_NUM_PARAMS), 6);
    EXPECT_EQ(attr<ub1>(list, OCI_ATTR_LTYPE), OCI_LTYPE_COLUMN);
    OCIParam *p = nullptr;
    EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&p), 0), OCI_ERROR);
    EXPECT_EQ(code(), 24334);
    EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&p), 7), OCI_ERROR);
    EXPECT_EQ(code(), 24334);
    OCIDescriptorFree(list, OCI_DTYPE_PARAM);
    OCIDescriptorFree(table, OCI_DTYPE_PARAM);

    const std::vector<Column> cols = table_columns(d);
    ASSERT_EQ(cols.size(), 6u);
    const Expect expected[] = {
        {"id", SQLT_INT, 4, 0, 0, 0, 0, "int4"},
        {"n", SQLT_NUM, 22, 10, 2, 1, 0, "numeric"},
        {"v", SQLT_CHR, 40, 0, 0, 1, 40, "varchar"},
        {"t", SQLT_STR, 4000, 0, 0, 1, 4000, "text"},
        // A domain describes as its base type, under its own name.
        {"code", SQLT_CHR, 8, 0, 0, 1, 8, "dsc_code"},
        {"b", SQLT_BIN, 4000, 0, 0, 1, 4000, "bytea"},
    };
    for (std::size_t i = 0; i < cols.size(); ++i) expect_column(cols[i], expected[i]);
    EXPECT_EQ(cols[4].schema, "public");
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
    exec_ok("DROP TABLE IF EXISTS dsc_table; DROP DOMAIN IF EXISTS dsc_code");
}

TEST_F(Describe, ExplicitPrecisionIsOneByte) {
    OCIDescribe *d = new_describe();
    ASSERT_EQ(describe_any("dsc_sizes", d), OCI_SUCCESS) << error().second;
    OCIParam *table = table_of(d), *list = nullptr, *n = nullptr;
    ASSERT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&n), 7), OCI_SUCCESS);
    unsigned char buf[2] = {0xEE, 0xEE};
    ub4 size = 0;
    ASSERT_EQ(OCIAttrGet(n, OCI_DTYPE_PARAM, buf, &size, OCI_ATTR_PRECISION, err_), OCI_SUCCESS);
    EXPECT_EQ(buf[0], 10);
    EXPECT_EQ(buf[1], 0xEE);
    EXPECT_EQ(size, 1u);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

TEST_F(Describe, TemporaryTable) {
    ASSERT_TRUE(run("CREATE TEMPORARY TABLE dsc_temp (a int)"));
    OCIDescribe *d = new_describe();
    ASSERT_EQ(describe_any("dsc_temp", d), OCI_SUCCESS) << error().second;
    OCIParam *table = table_of(d);
    EXPECT_EQ(attr<ub1>(table, OCI_ATTR_IS_TEMPORARY), 1);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

TEST_F(Describe, CopiesOutliveTheDescribeHandle) {
    OCIDescribe *d = new_describe();
    ASSERT_EQ(describe_any("dsc_sizes", d), OCI_SUCCESS) << error().second;
    OCIParam *table = table_of(d), *list = nullptr, *col = nullptr;
    ASSERT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&col), 9), OCI_SUCCESS);
    const std::string name = text(col, OCI_ATTR_NAME);
    OraText *kept = nullptr;
    ub4 keptLen = 0;
    ASSERT_EQ(OCIAttrGet(col, OCI_DTYPE_PARAM, &kept, &keptLen, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIHandleFree(d, OCI_HTYPE_DESCRIBE), OCI_SUCCESS);
    // Another describe does not touch them either.
    OCIDescribe *again = new_describe();
    ASSERT_EQ(describe_any("dsc_emp_none", again), OCI_ERROR);
    EXPECT_EQ(attr<ub2>(table, OCI_ATTR_NUM_COLS), 14);
    OCIParam *col2 = nullptr;
    ASSERT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&col2), 14), OCI_SUCCESS);
    EXPECT_EQ(text(col2, OCI_ATTR_NAME), "big");
    EXPECT_EQ(name, "vc");
    // A text read from a descriptor stays valid after the descriptor is freed.
    ASSERT_EQ(OCIDescriptorFree(col, OCI_DTYPE_PARAM), OCI_SUCCESS);
    ASSERT_EQ(OCIDescriptorFree(table, OCI_DTYPE_PARAM), OCI_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(kept), keptLen), "vc");
    OCIHandleFree(again, OCI_HTYPE_DESCRIBE);
}

TEST_F(Describe, ImplicitNamesStayValidWhileTheStatementLives) {
    run_query("select vc, t from dsc_sizes");
    OCIParam *p = param(1);
    OraText *name = nullptr;
    ub4 n = 0;
    ASSERT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &name, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIDescriptorFree(p, OCI_DTYPE_PARAM), OCI_SUCCESS);
    // Describing again hands out the same text.
    OCIParam *again = param(1);
    OraText *second = nullptr;
    ASSERT_EQ(OCIAttrGet(again, OCI_DTYPE_PARAM, &second, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    EXPECT_EQ(second, name);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(name), n), "vc");
    // And it outlives the statement as long as a descriptor made from it does.
    ASSERT_EQ(OCIHandleFree(stmt_, OCI_HTYPE_STMT), OCI_SUCCESS);
    stmt_ = nullptr;
    EXPECT_EQ(text(again, OCI_ATTR_NAME), "vc");
    OCIDescriptorFree(again, OCI_DTYPE_PARAM);
}

TEST_F(Describe, ExplicitDescribeIgnoresTheMappingSwitches) {
    ScopedEnv otl("OTL", "1");
    OwnSession own;
    ASSERT_NO_FATAL_FAILURE(own_session(&own));
    OCIError *err = own.err;
    OCIDescribe *d = nullptr;
    OCIHandleAlloc(own.env, reinterpret_cast<void **>(&d), OCI_HTYPE_DESCRIBE, 0, nullptr);
    const std::string name = "dsc_sizes";
    ASSERT_EQ(OCIDescribeAny(own.svc, err, const_cast<OraText *>(ot(name)), len(name), OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE,
                             d),
              OCI_SUCCESS);
    OCIParam *table = nullptr, *list = nullptr, *i4 = nullptr;
    OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &table, nullptr, OCI_ATTR_PARAM, err);
    OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err);
    ASSERT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err, reinterpret_cast<void **>(&i4), 2), OCI_SUCCESS);
    ub2 type = 0;
    OCIAttrGet(i4, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, err);
    EXPECT_EQ(type, SQLT_INT);
}

// Transactions ----------------------------------------------------------------------------------

TEST_F(Describe, DescribingOpensNoTransaction) {
    ASSERT_EQ(session_tx(), PQTRANS_IDLE);
    OCIDescribe *d = new_describe();
    ASSERT_EQ(describe_any("dsc_sizes", d), OCI_SUCCESS) << error().second;
    EXPECT_EQ(session_tx(), PQTRANS_IDLE);
    EXPECT_EQ(describe_any("dsc_missing", d), OCI_ERROR);
    EXPECT_EQ(session_tx(), PQTRANS_IDLE);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

TEST_F(Describe, AFailedLookupLeavesTheTransactionUsable) {
    ASSERT_TRUE(run("insert into dsc_sizes (i2, vc) values (42, 'kept')"));
    ASSERT_EQ(session_tx(), PQTRANS_INTRANS);
    // Bytes the server's encoding refuses: the catalogue query fails.
    OCIDescribe *d = new_describe();
    EXPECT_EQ(describe_any("dsc_\xff\xfe", d), OCI_ERROR);
    EXPECT_EQ(code(), 24319);
    EXPECT_EQ(session_tx(), PQTRANS_INTRANS);
    // The transaction goes on and its work is committed.
    ASSERT_EQ(describe_any("dsc_sizes", d), OCI_SUCCESS) << error().second;
    ASSERT_TRUE(run("COMMIT"));
    EXPECT_EQ(side_value("select vc from dsc_sizes where i2 = 42"), "kept");
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

TEST_F(Describe, InAFailedTransactionDescribeReportsTheFailure) {
    ASSERT_TRUE(run("insert into dsc_sizes (i2, vc) values (43, 'x')"));
    // Fail the transaction directly on the session's connection.
    OCIServer *srv = nullptr;
    OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &srv, nullptr, OCI_ATTR_SERVER, err_);
    PQclear(PQexec(srv->conn, "select 1/0"));
    ASSERT_EQ(session_tx(), PQTRANS_INERROR);
    OCIDescribe *d = new_describe();
    EXPECT_EQ(describe_any("dsc_sizes", d), OCI_ERROR);
    EXPECT_EQ(code(), 24319);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

// Exchanges --------------------------------------------------------------------------------------

// Exchanges counted as the synchronisation messages in libpq's protocol trace of a
// session of its own.
class DescribeRoundTrips : public Describe {
protected:
    void SetUp() override {
        Describe::SetUp();
        if (HasFatalFailure()) return;
        std::remove(trace_.c_str());
        ScopedEnv trace("OCI_TRACE_PROTOCOL", trace_.c_str());
        OCISvcCtx *svc = nullptr;
        logon(&svc);
        ASSERT_NE(svc, nullptr);
        traced_ = svc;
        std::swap(traced_, svc_);
    }
    void TearDown() override {
        std::swap(traced_, svc_);
        if (traced_) OCILogoff(traced_, err_);
        std::remove(trace_.c_str());
        Describe::TearDown();
    }
    std::size_t syncs() const { return vsk::test::protocol_exchanges(trace_); }
    // Exchanges of describing every column of the statement's result.
    std::size_t describe_all(ub4 columns, OCIStmt *s = nullptr) {
        const std::size_t before = syncs();
        for (ub4 i = 1; i <= columns; ++i) {
            const Column c = column(i, s);
            EXPECT_FALSE(c.typeName.empty()) << i;
        }
        return syncs() - before;
    }
    std::string trace_ = ::testing::TempDir() + "vsk_describe_roundtrips.trace";
    OCISvcCtx *traced_ = nullptr;
};

TEST_F(DescribeRoundTrips, OneExchangeForAllColumnsThenNone) {
    const std::string sql = "select i2, i4, i8, b, f4, f8, n, vc, c, t, i2 + i4 as s from dsc_sizes where i4 = :id";
    ASSERT_EQ(prepare(sql), OCI_SUCCESS);
    char id[4] = "1";
    ASSERT_EQ(bind_text(":id", id, sizeof id), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, first_[0], sizeof first_[0]), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(describe_all(11), 1u);
    // The same statement again, and another one over the same columns: nothing to ask.
    std::strcpy(id, "2");
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(describe_all(11), 0u);
    OCIStmt *other = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&other), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    run_query("select t, vc, i2 from dsc_sizes", other);
    EXPECT_EQ(describe_all(3, other), 0u);
    OCIHandleFree(other, OCI_HTYPE_STMT);
    // DDL on the session forgets what was learnt.
    ASSERT_TRUE(run("alter table dsc_sizes alter column i4 set not null"));
    ASSERT_EQ(prepare(sql), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":id", id, sizeof id), OCI_SUCCESS);
    ASSERT_EQ(define_text(1, first_[0], sizeof first_[0]), OCI_SUCCESS);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(describe_all(11), 1u);
    EXPECT_EQ(column(2).nullable, 0);
}

TEST_F(DescribeRoundTrips, ExplicitDescribeIsOneExchange) {
    OCIDescribe *d = new_describe();
    const std::size_t before = syncs();
    ASSERT_EQ(describe_any("DSC_SIZES", d), OCI_SUCCESS) << error().second;
    EXPECT_EQ(syncs() - before, 1u);
    EXPECT_EQ(table_columns(d).size(), 14u);
    EXPECT_EQ(syncs() - before, 1u);
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

// UTF-16 ----------------------------------------------------------------------------------------

class DescribeUtf16 : public Describe {
protected:
    ub4 env_mode() const override { return OCI_UTF16; }
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS dsc_wide; CREATE TABLE dsc_wide (\"Größe\" int, b text)"));
        ASSERT_EQ(OCIEnvCreate(&env_, env_mode(), nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        const std::string u = u16(user()), link = u16(dblink());
        ASSERT_EQ(OCILogon(env_, err_, &svc_, ot(u), len(u), ot(u), len(u), ot(link), len(link)), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt_), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        Describe::TearDown();
        exec_ok("DROP TABLE IF EXISTS dsc_wide");
    }
};

TEST_F(DescribeUtf16, NamesTravelInUtf16) {
    const std::string sql = u16("select b from dsc_wide");
    ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(sql), len(sql), OCI_NTV_SYNTAX, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(execute(0), OCI_SUCCESS);
    OCIParam *p = param(1);
    OraText *name = nullptr;
    ub4 n = 0;
    ASSERT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &name, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    ASSERT_EQ(n, 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(name), 4), std::string("b\0\0\0", 4));  // terminated in UTF-16
    EXPECT_EQ(text(p, OCI_ATTR_TYPE_NAME), u16("text"));
    OCIDescriptorFree(p, OCI_DTYPE_PARAM);

    OCIDescribe *d = new_describe();
    const std::string table = u16("DSC_WIDE");
    ASSERT_EQ(OCIDescribeAny(svc_, err_, const_cast<OraText *>(ot(table)), len(table), OCI_OTYPE_NAME, 0,
                             OCI_PTYPE_TABLE, d),
              OCI_SUCCESS);
    const std::vector<Column> cols = table_columns(d);
    ASSERT_EQ(cols.size(), 2u);
    // "Größe" in UTF-16LE.
    EXPECT_EQ(cols[0].name, std::string("G\0r\0\xf6\0\xdf\0e\0", 10));
    EXPECT_EQ(cols[1].name, u16("b"));
    OCIHandleFree(d, OCI_HTYPE_DESCRIBE);
}

}  // namespace
