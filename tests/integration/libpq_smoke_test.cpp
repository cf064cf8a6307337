// Proves the harness with plain libpq: the server CTest started is reachable, set up as the
// tests expect, and reports failures the way the error-record tests rely on.
#include <gtest/gtest.h>

#include <string>

#include "pg_test_env.h"

namespace {

using vsk::test::PgConn;
using vsk::test::PgResult;
using vsk::test::PgTest;

class LibpqSmoke : public PgTest {};

TEST_F(LibpqSmoke, ConnectsToThePrivateServer) {
    PgResult r = exec("SELECT version(), current_user, current_database()");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(r.get());
    EXPECT_EQ(std::string(PQgetvalue(r.get(), 0, 0)).rfind("PostgreSQL ", 0), 0u) << PQgetvalue(r.get(), 0, 0);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 1), "vsk");
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 2), "vsk");
    EXPECT_GE(PQserverVersion(conn()), 120000);
}

TEST_F(LibpqSmoke, ServerIsUtf8WithCLocale) {
    EXPECT_STREQ(PQparameterStatus(conn(), "server_encoding"), "UTF8");
    PgResult r = exec("SELECT current_setting('lc_collate'), current_setting('lc_messages')");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(r.get());
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "C");
    // English server messages keep message comparisons in other tests stable.
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 1), "C");
}

TEST_F(LibpqSmoke, RoleIsSuperuser) {
    PgResult r = exec("SELECT rolsuper FROM pg_roles WHERE rolname = current_user");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(r.get());
    ASSERT_EQ(PQntuples(r.get()), 1);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "t");
}

TEST_F(LibpqSmoke, TcpConnInfoReachesTheSameServer) {
    std::string tcp = vsk::test::ReadTcpConnInfo();
    ASSERT_FALSE(tcp.empty()) << "no conninfo_tcp next to the conninfo file";
    PgConn c = PgConn::Connect(tcp);
    ASSERT_TRUE(c.ok()) << c.error();
    EXPECT_STREQ(PQhost(c.get()), "127.0.0.1");
    PgResult mine = exec("SELECT system_identifier FROM pg_control_system()");
    PgResult theirs = c.exec("SELECT system_identifier FROM pg_control_system()");
    ASSERT_EQ(mine.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(mine.get());
    ASSERT_EQ(theirs.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(theirs.get());
    EXPECT_STREQ(PQgetvalue(mine.get(), 0, 0), PQgetvalue(theirs.get(), 0, 0));
}

TEST_F(LibpqSmoke, TempTableInsertAndSelect) {
    ASSERT_TRUE(exec_ok("CREATE TEMP TABLE smoke (id int PRIMARY KEY, name text)"));
    ASSERT_TRUE(exec_ok("INSERT INTO smoke VALUES (1, 'one'), (2, 'zwei'), (3, 'трі')"));
    PgResult r = exec("SELECT id, name FROM smoke ORDER BY id");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << PQresultErrorMessage(r.get());
    ASSERT_EQ(PQntuples(r.get()), 3);
    EXPECT_STREQ(PQgetvalue(r.get(), 1, 1), "zwei");
    EXPECT_STREQ(PQgetvalue(r.get(), 2, 1), "трі");
}

TEST_F(LibpqSmoke, TempTablesAreNotSharedBetweenSessions) {
    ASSERT_TRUE(exec_ok("CREATE TEMP TABLE private_t (id int)"));
    PgConn side = connect_side();
    ASSERT_TRUE(side.ok()) << side.error();
    PgResult r = side.exec("SELECT * FROM private_t");
    EXPECT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(r.sqlstate(), "42P01");
}

TEST_F(LibpqSmoke, UniqueViolationCarriesSqlstate23505) {
    ASSERT_TRUE(exec_ok("CREATE TEMP TABLE uniq (id int PRIMARY KEY)"));
    ASSERT_TRUE(exec_ok("INSERT INTO uniq VALUES (1)"));
    PgResult r = exec("INSERT INTO uniq VALUES (1)");
    ASSERT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(r.sqlstate(), "23505");
    EXPECT_NE(r.primary_message().find("uniq_pkey"), std::string::npos) << r.primary_message();
    // The session survives a statement error.
    EXPECT_TRUE(exec_ok("SELECT 1"));
}

TEST_F(LibpqSmoke, TerminatedBackendFailsTheNextQuery) {
    ASSERT_TRUE(exec_ok("SELECT 1"));
    ASSERT_TRUE(vsk::test::TerminateBackend(conninfo(), PQbackendPID(conn())));
    PgResult r = exec("SELECT 1");
    ASSERT_TRUE(r) << "libpq returned no result";
    EXPECT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(PQstatus(conn()), CONNECTION_BAD);
    // The server is fine; only that one session is gone.
    PgConn fresh = connect_side();
    EXPECT_TRUE(fresh.ok()) << fresh.error();
}

TEST_F(LibpqSmoke, SideSqlRunsOnAnotherSession) {
    ASSERT_TRUE(exec_ok("CREATE TEMP TABLE x (id int)"));
    // A temp table of this session is invisible to the side connection.
    EXPECT_FALSE(vsk::test::RunSideSql(conninfo(), "SELECT * FROM x"));
    EXPECT_TRUE(vsk::test::RunSideSql(conninfo(), "SELECT 1"));
}

}  // namespace
