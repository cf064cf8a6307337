// DDL and DML end to end: placeholders and binds, iterations, commits, server errors and
// what follows them, notices, statement-level rollback.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <unistd.h>

#include <vskoci.h>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

class Dml : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS d_rows; DROP TABLE IF EXISTS d_made; DROP TABLE IF EXISTS d_later;"
                            "CREATE TABLE d_rows (id text PRIMARY KEY, v text)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS d_rows; DROP TABLE IF EXISTS d_made");
    }
    // The table as the side connection sees it (committed rows only).
    std::string committed() const {
        return side_value("SELECT coalesce(string_agg(id || '=' || coalesce(v, 'NULL'), ',' ORDER BY id), '') "
                          "FROM d_rows");
    }
    sword commit() { return run("COMMIT") ? OCI_SUCCESS : OCI_ERROR; }
    sword bind_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr, ub2 *alen = nullptr) {
        OCIBind *b = nullptr;
        return OCIBindByPos(stmt_, &b, err_, pos, buf, size, dty, ind, alen, nullptr, 0, nullptr, OCI_DEFAULT);
    }
};

TEST_F(Dml, DdlCommitsAndInsertWaitsForCommitOnSuccess) {
    ASSERT_TRUE(run("CREATE TABLE d_made (x int)"));
    EXPECT_EQ(side_value("SELECT to_regclass('d_made') IS NOT NULL"), "t");
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('a', 'x')"));
    EXPECT_EQ(committed(), "");
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 1u);
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('b', 'y')", OCI_COMMIT_ON_SUCCESS));
    EXPECT_EQ(committed(), "a=x,b=y");
}

TEST_F(Dml, NamedPlaceholdersRepeatedAndInsideLiterals) {
    char a[8] = "k1", b[8] = "v1";
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES (:id, :v || ':v' || :v)"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":id", a, sizeof a), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":V", b, sizeof b), OCI_SUCCESS) << "names are matched without regard to case";
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "k1=v1:vv1");
}

TEST_F(Dml, IterationsRowOffsetAndRowCount) {
    char ids[3][4] = {"1", "2", "3"};
    char vs[3][4] = {"a", "b", "c"};
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES (:1, :2)"), OCI_SUCCESS);
    ASSERT_EQ(bind_pos(1, ids, 4, SQLT_STR), OCI_SUCCESS);
    ASSERT_EQ(bind_pos(2, vs, 4, SQLT_STR), OCI_SUCCESS);
    ASSERT_EQ(execute(3, OCI_DEFAULT, nullptr, 1), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "2=b,3=c");

    ASSERT_EQ(prepare("DELETE FROM d_rows WHERE id = :1 OR v = 'c'"), OCI_SUCCESS);
    ASSERT_EQ(bind_pos(1, ids, 4, SQLT_STR), OCI_SUCCESS);
    ASSERT_EQ(execute(3), OCI_SUCCESS) << error().second;
    // The rows every iteration deleted: 3 (v 'c'), then 2, then none.
    EXPECT_EQ(attr_ub4(OCI_ATTR_ROW_COUNT), 2u);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "");
}

TEST_F(Dml, IndicatorsLengthsAndStrides) {
    struct Row {
        char id[6];
        sb2 ind;
        ub2 alen;
        char v[6];
    } rows[2] = {{"r1xxx", 0, 2, "hello"}, {"r2yyy", -1, 2, "bye"}};
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES (:id, :v)"), OCI_SUCCESS);
    OCIBind *bid = nullptr, *bv = nullptr;
    ASSERT_EQ(OCIBindByName(stmt_, &bid, err_, ot(":id"), 3, rows[0].id, 6, SQLT_CHR, nullptr, &rows[0].alen, nullptr,
                            0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIBindArrayOfStruct(bid, err_, sizeof(Row), 0, sizeof(Row), 0), OCI_SUCCESS);
    ASSERT_EQ(OCIBindByName(stmt_, &bv, err_, ot(":v"), 2, rows[0].v, 6, SQLT_STR, &rows[0].ind, nullptr, nullptr, 0,
                            nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIBindArrayOfStruct(bv, err_, sizeof(Row), sizeof(Row), 0, 0), OCI_SUCCESS);
    ASSERT_EQ(execute(2, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "r1=hello,r2=NULL");
}

TEST_F(Dml, RebindAndSoftBindChangeTheValueSent) {
    char first[8] = "one", second[8] = "two";
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES (:id, 'x')"), OCI_SUCCESS);
    OCIBind *b = nullptr;
    ASSERT_EQ(OCIBindByName(stmt_, &b, err_, ot(":id"), 3, first, 8, SQLT_STR, nullptr, nullptr, nullptr, 0, nullptr,
                            OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_SUCCESS) << error().second;
    ASSERT_EQ(OCIBindByName(stmt_, &b, err_, ot(":id"), 3, second, 8, SQLT_STR, nullptr, nullptr, nullptr, 0,
                            nullptr, OCI_BIND_SOFT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(committed(), "one=x,two=x");
}

// Statements from the statement cache, as drivers take and release one per execution.
class CachedDml : public Dml {
protected:
    void logon(OCISvcCtx **svc) override {
        const std::string u = user(), link = dblink();
        ASSERT_EQ(OCILogon2(env_, err_, svc, ot(u), len(u), ot(u), len(u), ot(link), len(link), OCI_LOGON2_STMTCACHE),
                  OCI_SUCCESS)
            << error().second;
    }
    // Takes the insert from the cache, binds :v with dty (two rows when iters is 2) and
    // executes it.
    sword insert_cached(std::string ids, void *v, sb4 v_size, ub2 dty, ub4 iters = 1, bool bind = true) {
        ids.resize(4 * iters, '\0');  // one 4-byte element per row
        const std::string sql = "INSERT INTO d_rows VALUES (:id, :v)";
        OCIStmt *q = nullptr;
        EXPECT_EQ(OCIStmtPrepare2(svc_, &q, err_, ot(sql), len(sql), nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
                  OCI_SUCCESS);
        OCIBind *b[2] = {};
        if (bind) {
            EXPECT_EQ(OCIBindByPos(q, &b[0], err_, 1, ids.data(), 4, SQLT_STR, nullptr, nullptr, nullptr,
                                   0, nullptr, OCI_DEFAULT),
                      OCI_SUCCESS);
            EXPECT_EQ(OCIBindByPos(q, &b[1], err_, 2, v, v_size, dty, nullptr, nullptr, nullptr, 0, nullptr,
                                   OCI_DEFAULT),
                      OCI_SUCCESS);
        }
        const sword rc = execute(iters, OCI_DEFAULT, q);
        failure_ = code();
        EXPECT_EQ(OCIStmtRelease(q, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        return rc;
    }
    sb4 failure_ = 0;  // the execution's error number (releasing clears the handle)
};

TEST_F(CachedDml, EveryUseTakesTheNewBinds) {
    char v1[4] = "x", v2[8] = "y\0\0\0z";
    ASSERT_EQ(insert_cached("a", v1, 4, SQLT_STR), OCI_SUCCESS) << error().second;
    ASSERT_EQ(insert_cached(std::string("b\0\0\0c", 5), v2, 4, SQLT_STR, 2), OCI_SUCCESS) << error().second;
    int seven = 7;
    ASSERT_EQ(insert_cached("d", &seven, sizeof seven, SQLT_INT), OCI_SUCCESS) << "another type: " << error().second;
    ASSERT_EQ(insert_cached("e", v1, 4, SQLT_STR), OCI_SUCCESS) << error().second;
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "a=x,b=y,c=z,d=7,e=x");
    // Without binds the parameters cannot be sent: a failure the program can read.
    EXPECT_EQ(insert_cached("f", v1, 4, SQLT_STR, 1, false), OCI_ERROR);
    EXPECT_EQ(failure_, 24305);
}

TEST_F(CachedDml, QueriesTakeNewBindsOfAnotherType) {
    const std::string sql = "select cast(:v as text)";
    auto select_cached = [&](void *v, sb4 size, ub2 dty) {
        OCIStmt *q = nullptr;
        EXPECT_EQ(OCIStmtPrepare2(svc_, &q, err_, ot(sql), len(sql), nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
                  OCI_SUCCESS);
        OCIBind *b = nullptr;
        OCIDefine *d = nullptr;
        char out[16] = {};
        EXPECT_EQ(OCIBindByPos(q, &b, err_, 1, v, size, dty, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(define_text(1, out, sizeof out, nullptr, nullptr, q), OCI_SUCCESS);
        std::string got = execute(1, OCI_DEFAULT, q) == OCI_SUCCESS ? out : "<" + error().second + ">";
        EXPECT_EQ(OCIStmtRelease(q, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
        return got;
    };
    int seven = 7;
    char word[] = "abc";
    EXPECT_EQ(select_cached(&seven, sizeof seven, SQLT_INT), "7");
    EXPECT_EQ(select_cached(word, sizeof word, SQLT_STR), "abc");
    EXPECT_EQ(select_cached(&seven, sizeof seven, SQLT_INT), "7");
}

TEST_F(Dml, UniqueViolationIsRecordedAndRollsBack) {
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('a', 'kept?')"));
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES ('a', 'again')"), OCI_SUCCESS);
    ASSERT_EQ(execute(), OCI_ERROR);
    auto [number, text] = error();
    EXPECT_EQ(number, 1);
    EXPECT_EQ(text.rfind("VSK-00001: ", 0), 0u) << text;
    OraText state[6] = {}, msg[512] = {};
    ASSERT_EQ(OCIPGErrorGet(err_, 1, state, sizeof state, msg, sizeof msg, OCI_HTYPE_ERROR), OCI_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<char *>(state), "23505");
    // The transaction was rolled back: the first row went with it, and the session goes on.
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('b', 'after')", OCI_COMMIT_ON_SUCCESS));
    EXPECT_EQ(committed(), "b=after");
}

TEST_F(Dml, StatementLevelRollbackKeepsTheTransaction) {
    OCIServer *srv = nullptr;
    ASSERT_EQ(OCIAttrGet(svc_, OCI_HTYPE_SVCCTX, &srv, nullptr, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
    ub1 on = 1;
    ASSERT_EQ(OCIAttrSet(srv, OCI_HTYPE_SERVER, &on, 1, 5000, err_), OCI_SUCCESS) << error().second;
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('a', '1')"));
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES ('a', 'dup')"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('b', '2')"));
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "a=1,b=2");
}

TEST_F(Dml, ReturningClauseIsRefusedAndRolledBack) {
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('a', '1')"));
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES ('b', '2') RETURNING id"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_NE(error().second.find("Support for RETURNING clause is not yet implemented"), std::string::npos);
    ASSERT_EQ(commit(), OCI_SUCCESS);
    EXPECT_EQ(committed(), "");
}

TEST_F(Dml, NoticeTurnsSuccessIntoSuccessWithInfo) {
    ASSERT_TRUE(exec_ok("CREATE OR REPLACE FUNCTION d_noisy(t text) RETURNS text LANGUAGE plpgsql AS "
                        "$$ BEGIN RAISE NOTICE 'noisy %', t; RETURN t; END $$"));
    ASSERT_TRUE(run("INSERT INTO d_rows VALUES ('a', '1')"));
    ASSERT_EQ(prepare("UPDATE d_rows SET v = d_noisy(v)"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_SUCCESS_WITH_INFO);
    EXPECT_NE(error().second.find("noisy 1"), std::string::npos) << error().second;
    exec_ok("DROP FUNCTION d_noisy(text)");
}

TEST_F(Dml, ExecuteChecks) {
    OCIStmt *fresh = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&fresh), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(execute(1, OCI_DEFAULT, fresh), OCI_ERROR);
    EXPECT_EQ(code(), 24337);
    ASSERT_EQ(prepare("DELETE FROM d_rows"), OCI_SUCCESS);
    EXPECT_EQ(execute(0), OCI_ERROR);
    EXPECT_EQ(code(), 24333);
    // A placeholder without a bind stays as written and the server refuses it.
    char v[4] = "x";
    ASSERT_EQ(prepare("INSERT INTO d_rows VALUES (:a, :b)"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":a", v, sizeof v), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    EXPECT_EQ(OCIStmtExecute(nullptr, stmt_, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), OCI_INVALID_HANDLE);
    OCIHandleFree(fresh, OCI_HTYPE_STMT);
}

TEST_F(Dml, FailedPrepareIsRetriedOnTheNextExecute) {
    ASSERT_EQ(prepare("INSERT INTO d_later VALUES ('x')"), OCI_SUCCESS);
    EXPECT_EQ(execute(), OCI_ERROR);
    ASSERT_TRUE(exec_ok("CREATE TABLE d_later (v text)"));
    EXPECT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("SELECT count(*) FROM d_later"), "1");
    exec_ok("DROP TABLE d_later");
}

}  // namespace

namespace {

// The switch is decided once per process, at its first non-query: the checks run in a
// fresh process of their own (the threadsafe style starts the program anew).
TEST_F(Dml, DdlCommitSwitchCommitsEveryStatementOnceDdlRan) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto child = [this] {
        setenv("OCI_DDL_COMMIT", "1", 1);
        OCIEnv *env = nullptr;
        OCIError *err = nullptr;
        OCISvcCtx *svc = nullptr;
        OCIStmt *s = nullptr;
        if (OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) return false;
        OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
        const std::string u = user(), link = dblink();
        if (OCILogon(env, err, &svc, ot(u), len(u), ot(u), len(u), ot(link), len(link)) != OCI_SUCCESS) return false;
        OCIHandleAlloc(env, reinterpret_cast<void **>(&s), OCI_HTYPE_STMT, 0, nullptr);
        for (const std::string sql : {"CREATE TABLE d_made (x int)", "INSERT INTO d_rows VALUES ('ddl', 'on')"}) {
            if (OCIStmtPrepare(s, err, ot(sql), len(sql), OCI_NTV_SYNTAX, OCI_DEFAULT) != OCI_SUCCESS ||
                OCIStmtExecute(svc, s, err, 1, 0, nullptr, nullptr, OCI_DEFAULT) != OCI_SUCCESS)
                return false;
        }
        // Still logged on: the row is visible to others only because it was committed.
        PGconn *side = PQconnectdb(conninfo().c_str());
        PGresult *r = PQexec(side, "SELECT count(*) FROM d_rows WHERE id = 'ddl'");
        const bool committed = PQntuples(r) == 1 && std::string(PQgetvalue(r, 0, 0)) == "1";
        PQclear(r);
        PQfinish(side);
        OCILogoff(svc, err);
        return committed;
    };
    EXPECT_EXIT(_exit(child() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

}  // namespace
