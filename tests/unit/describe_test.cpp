// Describe without a server: object names, the size rules, the text pool, record copies,
// the widths attribute reads write, and the argument checks of OCIParamGet and
// OCIDescribeAny. Results are built locally.
#include <gtest/gtest.h>
#include <oci.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "env/env.h"
#include "oci_handles_test.h"
#include "stmt/describe.h"
#include "stmt/describe_names.h"
#include "types/type_codes.h"

namespace {

using vsk::ColumnRecord;
using vsk::DescribeRecord;
using vsk::ListRecord;
using vsk::TableRecord;

// Object names -----------------------------------------------------------------------------

struct NameCase {
    const char *text;
    bool ok;
    const char *table, *tableFolded, *schema, *schemaFolded;
};

// Printed by name: the default printer would read the structure's padding.
void PrintTo(const NameCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class ObjectNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ObjectNames, Parse) {
    const NameCase &c = GetParam();
    vsk::pqx::TableName n;
    ASSERT_EQ(vsk::parse_object_name(c.text, &n), c.ok) << c.text;
    if (!c.ok) return;
    EXPECT_EQ(n.table, c.table);
    EXPECT_EQ(n.tableFolded, c.tableFolded);
    EXPECT_EQ(n.schema, c.schema);
    EXPECT_EQ(n.schemaFolded, c.schemaFolded);
}

INSTANTIATE_TEST_SUITE_P(
    Describe, ObjectNames,
    ::testing::Values(NameCase{"emp", true, "emp", "", "", ""}, NameCase{"EMP", true, "EMP", "emp", "", ""},
                      NameCase{"Emp_1$", true, "Emp_1$", "emp_1$", "", ""},
                      NameCase{"\"EMP\"", true, "EMP", "", "", ""},
                      NameCase{"\"a\"\"b\"", true, "a\"b", "", "", ""},
                      NameCase{"\"a.b\"", true, "a.b", "", "", ""},
                      NameCase{"SCOTT.EMP", true, "EMP", "emp", "SCOTT", "scott"},
                      NameCase{"\"Scott\".emp", true, "emp", "", "Scott", ""},
                      NameCase{"scott.\"Emp\"", true, "Emp", "", "scott", ""},
                      // Bytes beyond ASCII are not folded (the server folds only ASCII letters).
                      NameCase{"\xc3\x84MP", true, "\xc3\x84MP", "\xc3\x84mp", "", ""},
                      NameCase{"", false}, NameCase{".", false}, NameCase{"a.", false}, NameCase{".a", false},
                      NameCase{"a.b.c", false}, NameCase{"\"\"", false}, NameCase{"\"abc", false},
                      NameCase{"\"a\"b", false}, NameCase{"a\"b", false}, NameCase{"a.\"\"", false}));

// Size rules --------------------------------------------------------------------------------

struct SizeCase {
    const char *what;
    ub2 dataType;
    Oid type;
    int typmod;
    int longest;  // -1: no rows held
    ub4 dataSize;
    ub2 charSize;
    ub2 precision;
    ub1 scale;
};

void PrintTo(const SizeCase &c, std::ostream *os) { *os << c.what; }

class ColumnSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ColumnSizes, ByTypeModifierAndRows) {
    const SizeCase &s = GetParam();
    ColumnRecord c;
    c.dataType = s.dataType;
    vsk::set_column_sizes(&c, s.type, s.typmod,
                          s.longest < 0 ? std::nullopt : std::optional<ub4>(static_cast<ub4>(s.longest)));
    EXPECT_EQ(c.dataSize, s.dataSize) << s.what;
    EXPECT_EQ(c.charSize, s.charSize) << s.what;
    EXPECT_EQ(c.precision, s.precision) << s.what;
    EXPECT_EQ(c.scale, s.scale) << s.what;
    EXPECT_EQ(c.binary, vsk::IsBinaryDataType(s.dataType)) << s.what;
}

constexpr int kNum10_2 = (10 << 16 | 2) + 4;

INSTANTIATE_TEST_SUITE_P(
    Describe, ColumnSizes,
    // The plain fixed-size types are pinned end to end by the integration describe test.
    ::testing::Values(SizeCase{"numeric(10,2)", SQLT_NUM, vsk::PG_NUMERIC, kNum10_2, 5, 22, 0, 10, 2},
                      SizeCase{"numeric", SQLT_NUM, vsk::PG_NUMERIC, -1, 5, 22, 0, 0xFFFF, 0xFF},
                      // numeric(5,-2): the scale's low byte reads as -2.
                      SizeCase{"numeric(5,-2)", SQLT_NUM, vsk::PG_NUMERIC, (5 << 16 | 0x7FE) + 4, -1, 22, 0, 5, 0xFE},
                      // Integers described as NUMBER (OTL) are 22 bytes like any NUMBER.
                      SizeCase{"int4 as NUMBER", SQLT_NUM, vsk::PG_INT4, -1, 3, 22, 0, 0, 0},
                      SizeCase{"varchar(40)", SQLT_CHR, vsk::PG_VARCHAR, 44, 3, 40, 40, 0, 0},
                      SizeCase{"varchar(70000)", SQLT_CHR, vsk::PG_VARCHAR, 70004, 3, 70000, 0xFFFF, 0, 0},
                      SizeCase{"text, rows all NULL", SQLT_STR, vsk::PG_TEXT, -1, 0, 0, 0, 0, 0},
                      SizeCase{"text without rows", SQLT_STR, vsk::PG_TEXT, -1, -1, 4000, 4000, 0, 0},
                      // A timestamp's modifier is its fractional digits, no length.
                      SizeCase{"timestamp(3) without rows", SQLT_TIMESTAMP, vsk::PG_TIMESTAMP, 3, -1, 4000, 4000, 0, 0},
                      // Numeric described as text (Rogue Wave): its values' length, and still its precision.
                      SizeCase{"numeric as CHR", SQLT_CHR, vsk::PG_NUMERIC, kNum10_2, 6, 6, 6, 10, 2}));

// Text pool ----------------------------------------------------------------------------------

TEST(TextPool, OneCopyPerTextWithItsTerminator) {
    vsk::TextPool pool;
    const char *a = pool.intern("name", 1);
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a, "name");
    EXPECT_EQ(pool.intern(std::string("name"), 1), a);
    // A UTF-16 text carries a two-byte terminator.
    const char *wide = pool.intern(std::string("n\0a\0", 4), 2);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::memcmp(wide, "n\0a\0\0\0", 6), 0);
    EXPECT_NE(pool.intern("other", 1), a);
    EXPECT_EQ(pool.size(), 3u);
    for (int i = 0; i < 1000; ++i) pool.intern("t" + std::to_string(i), 1);
    EXPECT_STREQ(a, "name");  // untouched by growth
}

// Records -------------------------------------------------------------------------------------

ColumnRecord column_named(const char *name, ub2 type = SQLT_CHR) {
    ColumnRecord c;
    c.name = name;
    c.dataType = type;
    c.typeName = "varchar";
    c.schemaName = "pg_catalog";
    c.dataSize = 40;
    return c;
}

TEST(DescribeRecords, CopiesAreDeep) {
    TableRecord t;
    t.oid = 77;
    t.columns = {column_named("a"), column_named("b")};
    DescribeRecord *original = vsk::new_describe_record(t);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(original->kind(), vsk::DESCRIBE_TABLE);
    DescribeRecord *copy = vsk::new_describe_record(*original);
    ASSERT_NE(copy, nullptr);
    std::get<TableRecord>(original->item).columns[0].name = "changed";
    std::get<TableRecord>(original->item).columns.clear();
    delete original;
    const TableRecord &kept = std::get<TableRecord>(copy->item);
    EXPECT_EQ(kept.oid, 77u);
    ASSERT_EQ(kept.columns.size(), 2u);
    EXPECT_EQ(kept.columns[0].name, "a");
    delete copy;

    DescribeRecord *list = vsk::new_describe_record(ListRecord{{column_named("x")}});
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind(), vsk::DESCRIBE_LIST);
    delete list;
}

TEST(DescribeRecords, ExhaustedMemoryGivesNoRecord) {
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(vsk::new_describe_record(column_named("a")), nullptr);
    vsk::alloc_fault::fail_nth(0);
}

// Attribute reads ------------------------------------------------------------------------------

class ParamAttributes : public vsk::test::OciHandlesTest {
protected:
    // Descriptors share the pool of the statement or describe they came from: pool_ here.
    OCIParam *param_of(DescribeRecord *r) {
        OCIParam *p = vsk::new_param(env_, r, pool_);
        EXPECT_NE(p, nullptr);
        return p;
    }
    OCIParam *column_param(ColumnRecord c) { return param_of(vsk::new_describe_record(std::move(c))); }
    // The bytes an attribute read changes in a buffer of 8 filled with 0xEE, and its size.
    std::pair<int, ub4> written(void *p, ub4 attr, unsigned char *out = nullptr) {
        unsigned char buf[8];
        std::memset(buf, 0xEE, sizeof buf);
        ub4 size = 99;
        EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, buf, &size, attr, err_), OCI_SUCCESS) << attr;
        int n = 8;
        while (n > 0 && buf[n - 1] == 0xEE) --n;
        if (out) std::memcpy(out, buf, sizeof buf);
        return {n, size};
    }
    std::shared_ptr<vsk::TextPool> pool_ = std::make_shared<vsk::TextPool>();
};

TEST_F(ParamAttributes, ColumnAttributesWriteTheirPublishedWidths) {
    ColumnRecord c = column_named("name");
    c.dataSize = 100000;
    c.charSize = 300;
    c.precision = 300;
    c.scale = 2;
    c.nullable = 1;
    OCIParam *narrow = column_param(c);
    c.widePrecision = 1;
    OCIParam *wide = column_param(c);
    unsigned char buf[8];
    // DATA_SIZE: a ub2, capped.
    EXPECT_EQ(written(narrow, OCI_ATTR_DATA_SIZE, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0] | buf[1] << 8, 0xFFFF);
    EXPECT_EQ(written(narrow, OCI_ATTR_DATA_TYPE), std::make_pair(2, 2u));
    EXPECT_EQ(written(narrow, OCI_ATTR_CHAR_SIZE, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0] | buf[1] << 8, 300);
    // PRECISION: ub1 (explicit describe, capped) or sb2 (implicit).
    EXPECT_EQ(written(narrow, OCI_ATTR_PRECISION, buf), std::make_pair(1, 1u));
    EXPECT_EQ(buf[0], 255);
    EXPECT_EQ(written(wide, OCI_ATTR_PRECISION, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0] | buf[1] << 8, 300);
    for (ub4 one : {OCI_ATTR_SCALE, OCI_ATTR_IS_NULL, OCI_ATTR_CHARSET_FORM, OCI_ATTR_CHAR_USED})
        EXPECT_EQ(written(narrow, one).first, 1) << one;
    // CHARSET_ID: a ub2 of 0 (both bytes written).
    EXPECT_EQ(written(narrow, OCI_ATTR_CHARSET_ID, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0] | buf[1], 0);
    OCIDescriptorFree(narrow, OCI_DTYPE_PARAM);
    OCIDescriptorFree(wide, OCI_DTYPE_PARAM);
}

TEST_F(ParamAttributes, TextsOutliveTheirDescriptorWhileItsSourceLives) {
    OCIParam *p = column_param(column_named("column_a"));
    OraText *name = nullptr, *type = nullptr;
    ub4 n = 0, tn = 0;
    ASSERT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &name, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(p, OCI_HTYPE_DESCRIBE, &type, &tn, OCI_ATTR_TYPE_NAME, err_), OCI_SUCCESS);
    // The same text read again is the same copy.
    OraText *again = nullptr;
    ASSERT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &again, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    EXPECT_EQ(again, name);
    ASSERT_EQ(OCIDescriptorFree(p, OCI_DTYPE_PARAM), OCI_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(name), n), "column_a");
    EXPECT_EQ(name[n], 0);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(type), tn), "varchar");
}

TEST_F(ParamAttributes, Refusals) {
    OCIParam *p = column_param(column_named("a"));
    ub4 v = 0;
    EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &v, nullptr, OCI_ATTR_NUM_COLS, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);
    EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &v, nullptr, OCI_ATTR_REF_TDO, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 21301);
    EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, nullptr, nullptr, OCI_ATTR_DATA_TYPE, err_), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIAttrGet(p, OCI_DTYPE_PARAM, &v, nullptr, OCI_ATTR_DATA_TYPE, nullptr), OCI_INVALID_HANDLE);
    // A descriptor made by OCIDescriptorAlloc describes nothing.
    OCIParam *empty = nullptr;
    ASSERT_EQ(OCIDescriptorAlloc(env_, reinterpret_cast<void **>(&empty), OCI_DTYPE_PARAM, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(OCIAttrGet(empty, OCI_DTYPE_PARAM, &v, nullptr, OCI_ATTR_DATA_TYPE, err_), OCI_INVALID_HANDLE);
    void *list = nullptr;
    EXPECT_EQ(OCIParamGet(empty, OCI_DTYPE_PARAM, err_, &list, 1), OCI_INVALID_HANDLE);
    OCIDescriptorFree(empty, OCI_DTYPE_PARAM);
    OCIDescriptorFree(p, OCI_DTYPE_PARAM);
}

TEST_F(ParamAttributes, ObjectModeAllowsTheTypeReference) {
    make_env(OCI_OBJECT);
    OCIParam *col = column_param(column_named("a"));
    TableRecord t;
    OCIParam *table = param_of(vsk::new_describe_record(t));
    void *tdo = &tdo;
    EXPECT_EQ(OCIAttrGet(col, OCI_DTYPE_PARAM, &tdo, nullptr, OCI_ATTR_REF_TDO, err_), OCI_SUCCESS);
    EXPECT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &tdo, nullptr, OCI_ATTR_REF_TDO, err_), OCI_SUCCESS);
    EXPECT_EQ(tdo, nullptr);
}

TEST_F(ParamAttributes, TablesAndTheirColumnLists) {
    TableRecord t;
    t.oid = 4242;
    t.tablespace = 1663;
    t.temporary = 1;
    t.columns = {column_named("a"), column_named("b"), column_named("c")};
    OCIParam *table = param_of(vsk::new_describe_record(t));
    unsigned char buf[8];
    EXPECT_EQ(written(table, OCI_ATTR_NUM_COLS, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0], 3);
    EXPECT_EQ(written(table, OCI_ATTR_OBJID).second, 4u);
    // A word: four bytes.
    EXPECT_EQ(written(table, OCI_ATTR_TABLESPACE, buf), std::make_pair(4, 4u));
    EXPECT_EQ(buf[0] | buf[1] << 8, 1663);
    EXPECT_EQ(written(table, OCI_ATTR_IS_TEMPORARY, buf).first, 1);
    EXPECT_EQ(buf[0], 1);
    EXPECT_EQ(written(table, OCI_ATTR_DURATION).second, 2u);

    OCIParam *list = nullptr;
    ASSERT_EQ(OCIAttrGet(table, OCI_DTYPE_PARAM, &list, nullptr, OCI_ATTR_LIST_COLUMNS, err_), OCI_SUCCESS);
    // The list and what comes from it live on after the table's descriptor.
    ASSERT_EQ(OCIDescriptorFree(table, OCI_DTYPE_PARAM), OCI_SUCCESS);
    EXPECT_EQ(written(list, OCI_ATTR_NUM_PARAMS, buf), std::make_pair(2, 2u));
    EXPECT_EQ(buf[0], 3);
    ub4 v = 0;
    EXPECT_EQ(OCIAttrGet(list, OCI_DTYPE_PARAM, &v, nullptr, OCI_ATTR_NAME, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24328);
    std::vector<std::string> names;
    for (ub4 i = 1; i <= 3; ++i) {
        OCIParam *col = nullptr;
        ASSERT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, reinterpret_cast<void **>(&col), i), OCI_SUCCESS);
        OraText *name = nullptr;
        ub4 n = 0;
        ASSERT_EQ(OCIAttrGet(col, OCI_DTYPE_PARAM, &name, &n, OCI_ATTR_NAME, err_), OCI_SUCCESS);
        names.emplace_back(reinterpret_cast<char *>(name), n);
        OCIDescriptorFree(col, OCI_DTYPE_PARAM);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));
    void *none = nullptr;
    EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, &none, 0), OCI_ERROR);
    EXPECT_EQ(error_code(), 24334);
    EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, &none, 4), OCI_ERROR);
    EXPECT_EQ(error_code(), 24334);
    EXPECT_EQ(none, nullptr);
    // Copies that cannot be made.
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIParamGet(list, OCI_DTYPE_PARAM, err_, &none, 1), OCI_ERROR);
    vsk::alloc_fault::fail_nth(0);
    EXPECT_EQ(error_code(), 24319);
    OCIDescriptorFree(list, OCI_DTYPE_PARAM);
}

TEST_F(ParamAttributes, DescribeHandleWithoutATable) {
    OCIDescribe *d = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&d), OCI_HTYPE_DESCRIBE, 0, nullptr), OCI_SUCCESS);
    void *p = nullptr;
    EXPECT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &p, nullptr, OCI_ATTR_PARAM, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24319);
    EXPECT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &p, nullptr, OCI_ATTR_PARAM_COUNT, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 3001);
    EXPECT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &p, nullptr, OCI_ATTR_NAME, err_), OCI_ERROR);
    EXPECT_EQ(error_code(), 24315);
    // Its table, once it has one, is handed out as copies.
    TableRecord t;
    t.oid = 5;
    d->table = vsk::new_describe_record(t);
    OCIParam *first = nullptr, *second = nullptr;
    ASSERT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &first, nullptr, OCI_ATTR_PARAM, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(d, OCI_HTYPE_DESCRIBE, &second, nullptr, OCI_ATTR_PARAM, err_), OCI_SUCCESS);
    EXPECT_NE(first, second);
    ASSERT_EQ(OCIHandleFree(d, OCI_HTYPE_DESCRIBE), OCI_SUCCESS);
    unsigned char buf[8];
    written(first, OCI_ATTR_OBJID, buf);
    EXPECT_EQ(buf[0], 5);
    // The rest goes with the environment.
}

// Implicit describe of a result built locally ------------------------------------------------

class ImplicitDescribe : public vsk::test::OciHandlesTest {
protected:
    void TearDown() override {
        if (stmt_) {
            PQclear(stmt_->result);
            stmt_->result = nullptr;
        }
        OciHandlesTest::TearDown();
    }
    // A result of columns (name, type, modifier) and rows of texts (null: NULL).
    void set_result(const std::vector<PGresAttDesc> &attrs, const std::vector<std::vector<const char *>> &rows) {
        PGresult *r = PQmakeEmptyPGresult(nullptr, PGRES_TUPLES_OK);
        ASSERT_TRUE(PQsetResultAttrs(r, static_cast<int>(attrs.size()), const_cast<PGresAttDesc *>(attrs.data())));
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t c = 0; c < rows[i].size(); ++c)
                ASSERT_TRUE(PQsetvalue(r, static_cast<int>(i), static_cast<int>(c), const_cast<char *>(rows[i][c]),
                                       rows[i][c] ? static_cast<int>(std::strlen(rows[i][c])) : -1));
        stmt_->result = r;
        stmt_->stmtType = OCI_STMT_SELECT;
    }
    static PGresAttDesc attr(const char *name, Oid type, int typmod = -1, Oid table = 0, int column = 0) {
        PGresAttDesc a{};
        a.name = const_cast<char *>(name);
        a.typid = type;
        a.atttypmod = typmod;
        a.typlen = -1;
        a.tableid = table;
        a.columnid = column;
        return a;
    }
};

TEST_F(ImplicitDescribe, LongestValueAndNullability) {
    set_result({attr("t", vsk::PG_TEXT), attr("n", vsk::PG_NUMERIC, kNum10_2, 16400, 2)},
               {{"abc", "1.5"}, {"abcdefghij", "22.25"}, {nullptr, nullptr}});
    OCIParam *t = nullptr, *n = nullptr;
    ASSERT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&t), 1), OCI_SUCCESS);
    ASSERT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, reinterpret_cast<void **>(&n), 2), OCI_SUCCESS);
    ub2 size = 0;
    ub1 nullable = 0;
    sb2 precision = 0;
    ASSERT_EQ(OCIAttrGet(t, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DATA_SIZE, err_), OCI_SUCCESS);
    EXPECT_EQ(size, 10);
    ASSERT_EQ(OCIAttrGet(n, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DATA_SIZE, err_), OCI_SUCCESS);
    EXPECT_EQ(size, 22);
    ASSERT_EQ(OCIAttrGet(n, OCI_DTYPE_PARAM, &precision, nullptr, OCI_ATTR_PRECISION, err_), OCI_SUCCESS);
    EXPECT_EQ(precision, 10);
    // Without a connection to ask, a table column counts as nullable.
    ASSERT_EQ(OCIAttrGet(n, OCI_DTYPE_PARAM, &nullable, nullptr, OCI_ATTR_IS_NULL, err_), OCI_SUCCESS);
    EXPECT_EQ(nullable, 1);
    // Texts read from them live with the statement.
    OraText *name = nullptr;
    ub4 len = 0;
    ASSERT_EQ(OCIAttrGet(t, OCI_DTYPE_PARAM, &name, &len, OCI_ATTR_NAME, err_), OCI_SUCCESS);
    OCIDescriptorFree(t, OCI_DTYPE_PARAM);
    OCIDescriptorFree(n, OCI_DTYPE_PARAM);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(name), len), "t");
}

TEST_F(ImplicitDescribe, ArgumentChecks) {
    void *p = nullptr;
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, nullptr, &p, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIParamGet(nullptr, OCI_HTYPE_STMT, err_, &p, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, nullptr, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIParamGet(svc_, OCI_HTYPE_STMT, err_, &p, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &p, 0), OCI_ERROR);
    EXPECT_EQ(error_code(), 24334);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &p, 1), OCI_ERROR);
    EXPECT_EQ(error_code(), 24338);
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_ENV, err_, &p, 1), OCI_ERROR);
    EXPECT_EQ(error_code(), 24316);
    set_result({attr("a", vsk::PG_INT4)}, {});
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &p, 2), OCI_ERROR);
    EXPECT_EQ(error_code(), 24334);
    stmt_->stmtType = OCI_STMT_UPDATE;
    EXPECT_EQ(OCIParamGet(stmt_, OCI_HTYPE_STMT, err_, &p, 1), OCI_ERROR);
    EXPECT_EQ(error_code(), 24334);
    EXPECT_EQ(p, nullptr);
}

TEST_F(ImplicitDescribe, DescribeAnyArgumentChecks) {
    OCIDescribe *d = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&d), OCI_HTYPE_DESCRIBE, 0, nullptr), OCI_SUCCESS);
    char name[] = "emp";
    // A service context without a server has no connection.
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d), OCI_ERROR);
    EXPECT_EQ(error_code(), 25407);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_REF, 0, OCI_PTYPE_TABLE, d), OCI_ERROR);
    EXPECT_EQ(error_code(), 3001);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, 0, 0, OCI_PTYPE_TABLE, d), OCI_ERROR);
    EXPECT_EQ(error_code(), 24332);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_NAME, 0, OCI_PTYPE_PROC, d), OCI_ERROR);
    EXPECT_EQ(error_code(), 3001);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_NAME, 0, 30, d), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_NAME, 2, OCI_PTYPE_TABLE, d), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescribeAny(svc_, nullptr, name, 3, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE, d), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDescribeAny(svc_, err_, name, 3, OCI_OTYPE_NAME, 0, OCI_PTYPE_TABLE,
                             reinterpret_cast<OCIDescribe *>(stmt_)),
              OCI_INVALID_HANDLE);
}

}  // namespace
