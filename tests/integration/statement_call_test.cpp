// One-call PL/SQL blocks end to end: procedures with IN, OUT and IN OUT arguments,
// function results, REF CURSOR OUT binds; and the statement cache.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

class Call : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok(
            "CREATE OR REPLACE PROCEDURE c_swap(INOUT a text, INOUT b text) LANGUAGE plpgsql AS "
            "$$ DECLARE t text := a; BEGIN a := b; b := t; END $$;"
            "CREATE OR REPLACE PROCEDURE c_greet(who text, INOUT greeting text) LANGUAGE plpgsql AS "
            "$$ BEGIN greeting := 'hello ' || who; END $$;"
            "CREATE OR REPLACE PROCEDURE c_note() LANGUAGE plpgsql AS "
            "$$ BEGIN RAISE NOTICE 'note quiet'; END $$;"
            "CREATE OR REPLACE FUNCTION c_twice(x text) RETURNS text LANGUAGE sql AS $$ SELECT x || x $$;"
            "CREATE OR REPLACE PROCEDURE c_rows(n int, INOUT c refcursor) LANGUAGE plpgsql AS "
            "$$ BEGIN OPEN c FOR SELECT g::text FROM generate_series(1, n) g; END $$;"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP PROCEDURE IF EXISTS c_swap(text, text); DROP PROCEDURE IF EXISTS c_greet(text, text);"
                "DROP PROCEDURE IF EXISTS c_note(); DROP FUNCTION IF EXISTS c_twice(text);"
                "DROP PROCEDURE IF EXISTS c_rows(int, refcursor)");
    }
    OCIBind *bind_str(const char *name, char *buf, sb4 size, sb2 *ind = nullptr, ub2 *alen = nullptr) {
        OCIBind *b = nullptr;
        const std::string n = name;
        EXPECT_EQ(OCIBindByName(stmt_, &b, err_, ot(n), static_cast<sb4>(n.size()), buf, size, SQLT_STR, ind, alen,
                                nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
        return b;
    }
};

TEST_F(Call, InOutArgumentsComeBackIntoTheirBinds) {
    char a[16] = "left", b[16] = "right";
    ASSERT_EQ(prepare("BEGIN c_swap(:a, :b); END;"), OCI_SUCCESS);
    bind_str(":a", a, sizeof a);
    bind_str(":b", b, sizeof b);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(a, "right");
    EXPECT_STREQ(b, "left");
}

TEST_F(Call, InArgumentKeepsItsBufferByNameAndByPosition) {
    char who[16] = "world", greeting[32] = "unchanged";
    ub2 glen = 0;
    ASSERT_EQ(prepare("begin c_greet(:who, :g); end;"), OCI_SUCCESS);
    bind_str(":who", who, sizeof who);
    bind_str(":g", greeting, sizeof greeting, nullptr, &glen);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(greeting, "hello world");
    EXPECT_STREQ(who, "world");

    // Bound by position, a name bound twice fills both places.
    std::strcpy(greeting, "");
    OCIBind *b1 = nullptr, *b2 = nullptr;
    ASSERT_EQ(prepare("BEGIN c_greet(:1, :2); END;"), OCI_SUCCESS);
    ASSERT_EQ(OCIBindByPos(stmt_, &b1, err_, 1, who, sizeof who, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr,
                           OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIBindByPos(stmt_, &b2, err_, 2, greeting, sizeof greeting, SQLT_STR, nullptr, nullptr, nullptr, 0,
                           nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(greeting, "hello world");
}

TEST_F(Call, FunctionResultGoesToItsTarget) {
    char result[32] = "", x[8] = "ab";
    ASSERT_EQ(prepare("BEGIN :r := c_twice(:x); END;"), OCI_SUCCESS);
    bind_str(":r", result, sizeof result);
    bind_str(":x", x, sizeof x);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(result, "abab");
    EXPECT_STREQ(x, "ab");
    // Executed again with another value, on the same server statement.
    std::strcpy(x, "xyz");
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(result, "xyzxyz");
}

TEST_F(Call, ProcedureWithoutBindsAndItsNotice) {
    ASSERT_EQ(prepare("BEGIN c_note(); END;"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_SUCCESS_WITH_INFO);
    EXPECT_NE(error().second.find("note quiet"), std::string::npos) << error().second;
}

TEST_F(Call, BlocksTheGrammarRefuses) {
    EXPECT_EQ(prepare("BEGIN c_note(); c_note(); END;"), OCI_ERROR);
    EXPECT_EQ(code(), 13780);
    EXPECT_EQ(prepare("BEGIN END;"), OCI_ERROR);
    EXPECT_EQ(code(), 13780);
}

TEST_F(Call, ServerErrorInsideTheProcedure) {
    char a[4] = "x";
    ASSERT_EQ(prepare("BEGIN c_missing(:a); END;"), OCI_SUCCESS);
    bind_str(":a", a, sizeof a);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_NE(error().second.find("c_missing"), std::string::npos) << error().second;
    // Notices sent before the failure follow it: the first record says why the call failed.
    ASSERT_TRUE(run("set client_min_messages = notice"));
    ASSERT_EQ(prepare("DO $$BEGIN RAISE NOTICE 'before'; RAISE division_by_zero; END$$"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(code(), 1476) << error().second;
}

TEST_F(Call, RefCursorOutBindYieldsAFetchableStatement) {
    OCIStmt *rows = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&rows), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    char n[4] = "7";
    ASSERT_EQ(prepare("BEGIN c_rows(:n, :c); END;"), OCI_SUCCESS);
    bind_str(":n", n, sizeof n);
    OCIBind *bc = nullptr;
    ASSERT_EQ(OCIBindByName(stmt_, &bc, err_, ot(":c"), 2, &rows, 0, SQLT_RSET, nullptr, nullptr, nullptr, 0, nullptr,
                            OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;

    char values[5][8] = {};
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(rows, &d, err_, 1, values, 8, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIStmtFetch(rows, err_, 5, OCI_FETCH_NEXT, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(values[0], "1");
    EXPECT_STREQ(values[4], "5");
    EXPECT_EQ(OCIStmtFetch(rows, err_, 5, OCI_FETCH_NEXT, OCI_DEFAULT), OCI_NO_DATA);
    EXPECT_STREQ(values[1], "7");
    ub4 fetched = 0;
    ASSERT_EQ(OCIAttrGet(rows, OCI_HTYPE_STMT, &fetched, nullptr, OCI_ATTR_ROWS_FETCHED, err_), OCI_SUCCESS);
    EXPECT_EQ(fetched, 2u);
    ub2 type = 0;
    ASSERT_EQ(OCIAttrGet(rows, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, err_), OCI_SUCCESS);
    EXPECT_EQ(type, OCI_STMT_SELECT);
    // Freeing it closes the server's cursor and leaves the transaction usable.
    ASSERT_EQ(OCIHandleFree(rows, OCI_HTYPE_STMT), OCI_SUCCESS);
    ASSERT_EQ(prepare("select 1"), OCI_SUCCESS);
    EXPECT_EQ(execute(0), OCI_SUCCESS) << error().second;
}

class StatementCache : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(OCIEnvCreate(&env_, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        const std::string u = user(), link = dblink();
        ASSERT_EQ(OCILogon2(env_, err_, &svc_, ot(u), len(u), ot(u), len(u), ot(link), len(link),
                            OCI_LOGON2_STMTCACHE),
                  OCI_SUCCESS)
            << error().second;
    }
    sword prepare2(OCIStmt **stmt, const std::string &sql, const std::string &key, ub4 mode = OCI_DEFAULT) {
        return OCIStmtPrepare2(svc_, stmt, err_, ot(sql), len(sql), key.empty() ? nullptr : ot(key), len(key),
                               OCI_NTV_SYNTAX, mode);
    }
    std::string fetch_one(OCIStmt *stmt) {
        char v[32] = {};
        OCIDefine *d = nullptr;
        EXPECT_EQ(OCIDefineByPos(stmt, &d, err_, 1, v, sizeof v, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIStmtExecute(svc_, stmt, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS) << error().second;
        return v;
    }
};

TEST_F(StatementCache, TaggedStatementComesBackPreparedAndRuns) {
    OCIStmt *s = nullptr;
    // A tag not found yet: a fresh statement, with a warning.
    ASSERT_EQ(prepare2(&s, "select 'cached'::text", "k1"), OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(fetch_one(s), "cached");
    ASSERT_EQ(OCIStmtRelease(s, err_, ot("k1"), 2, OCI_DEFAULT), OCI_SUCCESS);
    OCIStmt *again = nullptr;
    ASSERT_EQ(prepare2(&again, "select 1", "k1", OCI_PREP2_CACHE_SEARCHONLY), OCI_SUCCESS);
    EXPECT_EQ(again, s);
    EXPECT_EQ(fetch_one(again), "cached");
    ASSERT_EQ(OCIStmtRelease(again, err_, nullptr, 0, OCI_STRLS_CACHE_DELETE), OCI_SUCCESS);
    OCIStmt *gone = nullptr;
    EXPECT_EQ(prepare2(&gone, "select 1", "k1", OCI_PREP2_CACHE_SEARCHONLY), OCI_ERROR);
    EXPECT_EQ(code(), 24431);
}

}  // namespace
