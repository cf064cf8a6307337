// Statement-level rollback on stock PostgreSQL: with it on, a failing statement inside
// a transaction undoes only itself.
#include <gtest/gtest.h>

#include <string>

#include "pg_test_env.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/statement_rollback.h"

namespace {

class StatementRollback : public vsk::test::PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS slr; CREATE TABLE slr (id int PRIMARY KEY)"));
        c_ = vsk::pqx::connect_uri(conninfo().c_str());
        ASSERT_EQ(PQstatus(c_), CONNECTION_OK);
        PGresult *p = PQprepare(c_, "ins", "insert into slr values ($1::int)", 1, nullptr);
        ASSERT_EQ(PQresultStatus(p), PGRES_COMMAND_OK);
        PQclear(p);
    }
    void TearDown() override {
        vsk::pqx::finish(c_);
        exec_ok("DROP TABLE IF EXISTS slr");
        PgTest::TearDown();
    }
    ExecStatusType run(const char *sql) {
        PGresult *r = vsk::pqx::exec(c_, nullptr, sql);
        ExecStatusType s = PQresultStatus(r);
        PQclear(r);
        return s;
    }
    ExecStatusType insert(const char *id) {
        const char *values[] = {id};
        PGresult *r = vsk::pqx::exec_prepared(c_, nullptr, "ins", 1, values, nullptr, nullptr, 0);
        ExecStatusType s = PQresultStatus(r);
        PQclear(r);
        return s;
    }
    std::string ids() {
        auto r = exec("select string_agg(id::text, ',' order by id) from slr");
        return PQgetisnull(r.get(), 0, 0) ? "" : PQgetvalue(r.get(), 0, 0);
    }
    PGconn *c_ = nullptr;
};

TEST_F(StatementRollback, FailedInsertLeavesTheTransactionUsable) {
    ASSERT_EQ(run("SET vsk_stmt_level_tx = on"), PGRES_COMMAND_OK);
    ASSERT_EQ(run("BEGIN"), PGRES_COMMAND_OK);
    EXPECT_EQ(insert("1"), PGRES_COMMAND_OK);
    EXPECT_EQ(insert("1"), PGRES_FATAL_ERROR);  // duplicate key
    EXPECT_EQ(PQtransactionStatus(c_), PQTRANS_INTRANS);
    EXPECT_EQ(insert("3"), PGRES_COMMAND_OK);
    ASSERT_EQ(run("COMMIT"), PGRES_COMMAND_OK);
    EXPECT_EQ(ids(), "1,3");
}

TEST_F(StatementRollback, OffTheFailureAbortsTheTransaction) {
    ASSERT_EQ(run("BEGIN"), PGRES_COMMAND_OK);
    EXPECT_EQ(insert("1"), PGRES_COMMAND_OK);
    EXPECT_EQ(insert("1"), PGRES_FATAL_ERROR);
    EXPECT_EQ(PQtransactionStatus(c_), PQTRANS_INERROR);
    EXPECT_EQ(insert("3"), PGRES_FATAL_ERROR);
    run("ROLLBACK");
    EXPECT_EQ(ids(), "");
    // Outside a transaction block no savepoint is taken.
    ASSERT_EQ(run("SET vsk_stmt_level_tx = on"), PGRES_COMMAND_OK);
    EXPECT_EQ(insert("5"), PGRES_COMMAND_OK);
    EXPECT_EQ(ids(), "5");
}

}  // namespace
