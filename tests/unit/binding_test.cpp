// Bind calls and the collection of bound values, without a server.
#include <oci.h>

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <cstring>
#include <string>

#include "env/error.h"
#include "oci_handles_test.h"
#include "stmt/bind_values.h"
#include "stmt/records.h"

namespace {

using namespace vsk;

const OraText *ot(const char *s) { return reinterpret_cast<const OraText *>(s); }

class Binding : public vsk::test::OciHandlesTest {
protected:
    void prepare(const char *text) {
        ASSERT_EQ(OCIStmtPrepare(stmt_, err_, ot(text), static_cast<ub4>(std::strlen(text)), OCI_NTV_SYNTAX,
                                 OCI_DEFAULT),
                  OCI_SUCCESS);
    }
    sword by_name(const char *name, void *value, sb4 size, ub2 dty, sb2 *ind = nullptr, ub2 *alen = nullptr,
                  ub4 mode = OCI_DEFAULT) {
        return OCIBindByName(stmt_, &bind_, err_, ot(name), -1, value, size, dty, ind, alen, nullptr, 0, nullptr,
                             mode);
    }
    std::string pg_value(const OCIBind *b) const { return b->pgValue ? std::string(b->pgValue) : "<NULL>"; }

    OCIBind *bind_ = nullptr;
};

TEST_F(Binding, ByNameFindsPlaceholdersIgnoringCase) {
    prepare("select * from t where id = :id and name = :name");
    char buf[8] = "x";
    ASSERT_EQ(by_name(":ID", buf, 8, SQLT_STR), OCI_SUCCESS);
    EXPECT_EQ(bind_->name, ":ID");
    EXPECT_EQ(bind_->direction, 3u);
    EXPECT_EQ(bind_->pgType, 1043u);
    OCIBind *first = bind_;
    // A rebind of the same name reuses the record.
    ASSERT_EQ(by_name(":id", buf, 4, SQLT_CHR), OCI_SUCCESS);
    EXPECT_EQ(bind_, first);
    EXPECT_EQ(bind_->value_sz, 4u);
    EXPECT_EQ(stmt_->binds.size(), 1u);

    EXPECT_EQ(by_name(":nope", buf, 8, SQLT_STR), OCI_ERROR);
    EXPECT_EQ(error_code(), 16952);
    EXPECT_EQ(by_name(":id", buf, 8, 13), OCI_INVALID_HANDLE);
    EXPECT_EQ(by_name(":id", buf, 8, SQLT_STR, nullptr, nullptr, 8), OCI_ERROR);
    // Soft binds need an executed statement of the same type and size.
    EXPECT_EQ(by_name(":id", buf, 4, SQLT_CHR, nullptr, nullptr, OCI_BIND_SOFT), OCI_ERROR);
    OCIStmt *empty = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&empty), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(OCIBindByName(empty, &bind_, err_, ot(":a"), 2, buf, 8, SQLT_STR, nullptr, nullptr, nullptr, 0,
                            nullptr, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_EQ(error_code(), 16952);
}

TEST_F(Binding, ByPositionCountsColons) {
    prepare("insert into t values (:a, :b::int, x := :c)");
    int v = 1;
    const char *expected[] = {":a", ":b", ":c"};
    for (ub4 pos = 1; pos <= 3; ++pos) {
        ASSERT_EQ(OCIBindByPos(stmt_, &bind_, err_, pos, &v, sizeof v, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                               OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(bind_->name, expected[pos - 1]);
        EXPECT_EQ(bind_->position, pos);
        EXPECT_EQ(bind_->pgType, 23u);
    }
    EXPECT_EQ(OCIBindByPos(stmt_, &bind_, err_, 4, &v, sizeof v, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                           OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_EQ(error_code(), 28553);
}

TEST_F(Binding, FunctionResultBind) {
    prepare("BEGIN :r := f(:a); END;");
    char r[16], a[16] = "x";
    ASSERT_EQ(by_name(":R", r, sizeof r, SQLT_STR), OCI_SUCCESS);
    EXPECT_EQ(stmt_->returnBind, bind_);
    ASSERT_EQ(by_name(":a", a, sizeof a, SQLT_STR), OCI_SUCCESS);
    EXPECT_NE(stmt_->returnBind, bind_);
}

TEST_F(Binding, CollectedValuesFollowTheNullRules) {
    ub4 mode = 4;  // empty strings are values
    ASSERT_EQ(OCIAttrSet(env_, OCI_HTYPE_ENV, &mode, 0, OCI_ATTR_EMPTY_STRING_MODE, err_), OCI_SUCCESS);
    prepare("select :s, :c, :n");
    char s[8] = "abc", c[8] = "xy   ";
    sb2 ind_s = 0, ind_c = 0;
    ub2 alen_s = 0, alen_c = 5;
    ASSERT_EQ(by_name(":s", s, sizeof s, SQLT_STR, &ind_s, &alen_s), OCI_SUCCESS);
    OCIBind *bs = bind_;
    ASSERT_EQ(by_name(":c", c, sizeof c, SQLT_CHR, &ind_c, &alen_c), OCI_SUCCESS);
    OCIBind *bc = bind_;
    // A string type with an empty actual length is an empty value, any other type is NULL.
    ASSERT_EQ(by_name(":n", c, sizeof c, SQLT_LNG, nullptr, &alen_s), OCI_SUCCESS);
    OCIBind *bn = bind_;
    EXPECT_EQ(GetOCIBindData(stmt_, err_, 0), 0);
    EXPECT_EQ(pg_value(bs), "");
    EXPECT_EQ(ind_s, 0);
    EXPECT_EQ(pg_value(bc), "xy");
    EXPECT_EQ(pg_value(bn), "<NULL>");
    release_binds_pgdata(stmt_);
    EXPECT_EQ(bc->pgValue, nullptr);

    // Data at execution without an input callback asks for data.
    ASSERT_EQ(by_name(":n", nullptr, 8, SQLT_CHR, nullptr, nullptr, OCI_DATA_AT_EXEC), OCI_SUCCESS);
    EXPECT_EQ(GetOCIBindData(stmt_, err_, 0), OCI_NEED_DATA);
    EXPECT_EQ(bs->pgValue, nullptr);
}

TEST_F(Binding, ArraysOfStructsAndParameterArrays) {
    prepare("insert into t values (:v, :v)");
    struct Row {
        char text[6];
        sb2 ind;
        ub2 len;
    } rows[3] = {{"one", 0, 3}, {"two", -1, 3}, {"three", 0, 5}};
    ASSERT_EQ(by_name(":v", rows[0].text, 6, SQLT_CHR, &rows[0].ind, &rows[0].len), OCI_SUCCESS);
    ASSERT_EQ(OCIBindArrayOfStruct(bind_, err_, sizeof(Row), sizeof(Row), sizeof(Row), 0), OCI_SUCCESS);
    EXPECT_EQ(stmt_->arrayOfStruct, 1);
    stmt_->paramBinds = {bind_, bind_};
    const char *expected[] = {"one", "<NULL>", "three"};
    for (ub4 i = 0; i < 3; ++i) {
        ASSERT_EQ(GetOCIBindData(stmt_, err_, i), 0) << i;
        EXPECT_EQ(pg_value(bind_), expected[i]);
        ParamArrays arrays;
        ASSERT_EQ(bindPgValues(stmt_, &arrays), 0);
        ASSERT_EQ(arrays.values.size(), 2u);
        EXPECT_EQ(arrays.values[0], arrays.values[1]);
        EXPECT_EQ(arrays.formats[0], 0);
    }
    release_binds_pgdata(stmt_);
}

TEST_F(Binding, BindInfoListsPlaceholders) {
    prepare("select :a, :bb, x := :c from t");
    sb4 found = 0;
    OraText *names[3];
    ub1 lens[3];
    OraText *inds[3];
    ub1 indl[3], dup[3];
    OCIBind *handles[3];
    ASSERT_EQ(OCIStmtGetBindInfo(stmt_, err_, 1, 1, &found, names, lens, inds, indl, dup, handles), OCI_SUCCESS);
    EXPECT_EQ(found, -2);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(names[0]), lens[0]), "a");
    char buf[4];
    ASSERT_EQ(by_name(":bb", buf, 4, SQLT_CHR), OCI_SUCCESS);
    ASSERT_EQ(OCIStmtGetBindInfo(stmt_, err_, 3, 1, &found, names, lens, inds, indl, dup, handles), OCI_SUCCESS);
    EXPECT_EQ(found, 3);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(names[2]), lens[2]), "c");
    EXPECT_EQ(handles[1], bind_);
    EXPECT_EQ(handles[0], nullptr);
    EXPECT_EQ(OCIStmtGetBindInfo(stmt_, err_, 3, 0, &found, names, lens, inds, indl, dup, handles), OCI_NO_DATA);
    prepare("select 1");
    EXPECT_EQ(OCIStmtGetBindInfo(stmt_, err_, 3, 1, &found, names, lens, inds, indl, dup, handles), OCI_NO_DATA);
}

TEST_F(Binding, OutValuesWrittenBack) {
    prepare("BEGIN p(:x, :y); END;");
    char x[8] = "old", y[8] = "keep";
    sb2 ind_x = 5, ind_y = 5;
    ub2 len_x = 0, len_y = 0;
    ASSERT_EQ(by_name(":x", x, sizeof x, SQLT_STR, &ind_x, &len_x), OCI_SUCCESS);
    OCIBind *bx = bind_;
    ASSERT_EQ(by_name(":y", y, sizeof y, SQLT_STR, &ind_y, &len_y), OCI_SUCCESS);
    OCIBind *by = bind_;
    stmt_->paramBinds = {bx, by};
    stmt_->paramCount = 2;
    PGresult *out = PQmakeEmptyPGresult(nullptr, PGRES_TUPLES_OK);
    PGresAttDesc cols[2] = {};
    cols[0].name = const_cast<char *>("x");
    cols[0].typid = 25;
    cols[0].typlen = -1;
    cols[1] = cols[0];
    cols[1].name = const_cast<char *>("y");
    ASSERT_TRUE(PQsetResultAttrs(out, 2, cols));
    ASSERT_TRUE(PQsetvalue(out, 0, 0, const_cast<char *>("new"), 3));
    ASSERT_TRUE(PQsetvalue(out, 0, 1, nullptr, -1));
    stmt_->outResult = out;
    EXPECT_EQ(fill_bind_parameters(stmt_, err_, 0), 0);
    EXPECT_STREQ(x, "new");
    EXPECT_EQ(ind_x, 0);
    EXPECT_EQ(len_x, 3);
    // A NULL OUT value leaves buffer and length alone and says so in the indicator.
    EXPECT_STREQ(y, "keep");
    EXPECT_EQ(ind_y, -1);
    EXPECT_EQ(len_y, 0);
    // Without an indicator it fails the call, once the other values are written.
    ASSERT_EQ(by_name(":y", y, sizeof y, SQLT_STR, nullptr, &len_y), OCI_SUCCESS);
    std::strcpy(x, "old");
    _ClearErrorHandle(err_);
    EXPECT_EQ(fill_bind_parameters(stmt_, err_, 0), -1);
    EXPECT_STREQ(x, "new");
    EXPECT_EQ(err_->records.size(), 1u);
    EXPECT_EQ(err_->records.nth(0)->errcode, 1405u);
    stmt_->paramCount = 3;
    EXPECT_EQ(fill_bind_parameters(stmt_, err_, 0), -1);
}

}  // namespace
