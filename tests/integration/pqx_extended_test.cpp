// Extended client-library operations of pqx against the server: cursors bound without
// running them, OUT parameters of CALL, and closing a portal without waiting.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pqx_fixture.h"

namespace {

using namespace vsk::test;

TEST_F(PqxExtended, CursorFetchesInBatchesUntilExhausted) {
    prepare_series("s_batch");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_batch", "s_batch", "9");
    std::vector<std::vector<std::string>> expected = {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {}};
    for (const auto &batch : expected) {
        PgResult r = fetch("c_batch", 3);
        ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
        EXPECT_EQ(ids(r), batch);
        EXPECT_EQ(PQnfields(r.get()), 2);
    }
    // A count below one is refused without sending anything.
    EXPECT_EQ(pqx::PQsendFetchPrepared(pc_, "c_batch", 0), 0);
    EXPECT_EQ(pqx::PQsendFetchPrepared(pc_, "c_batch", -5), 0);
    EXPECT_EQ(PQtransactionStatus(pc_), PQTRANS_INTRANS) << "the transaction is still usable";
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
}

TEST_F(PqxExtended, BinaryResultFormatAppliesToFetchedRows) {
    prepare_series("s_bin");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_bin", "s_bin", "2", false, false, 1);
    PgResult r = fetch("c_bin", 1);
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
    ASSERT_EQ(PQntuples(r.get()), 1);
    EXPECT_EQ(PQfformat(r.get(), 0), 1);
    ASSERT_EQ(PQgetlength(r.get(), 0, 0), 4);
    EXPECT_EQ(std::memcmp(PQgetvalue(r.get(), 0, 0), "\0\0\0\1", 4), 0);
    run("ROLLBACK");
}

TEST_F(PqxExtended, ScrollCursorMovesBackAndPlainCursorRefuses) {
    prepare_series("s_scroll");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_scroll", "s_scroll", "10", true);
    EXPECT_EQ(ids(fetch("c_scroll", 5)), (std::vector<std::string>{"1", "2", "3", "4", "5"}));

    PgResult m(pqx::move_portal(pc_, nullptr, "c_scroll", "ABSOLUTE 2"));
    ASSERT_EQ(m.status(), PGRES_COMMAND_OK) << message(m);
    EXPECT_EQ(ids(fetch("c_scroll", 2)), (std::vector<std::string>{"3", "4"}));
    m = PgResult(pqx::move_portal(pc_, nullptr, "c_scroll", " relative   -3 "));
    ASSERT_EQ(m.status(), PGRES_COMMAND_OK) << message(m);
    EXPECT_EQ(ids(fetch("c_scroll", 1)), (std::vector<std::string>{"2"}));
    m = PgResult(pqx::move_portal(pc_, nullptr, "c_scroll", "LAST"));
    ASSERT_EQ(m.status(), PGRES_COMMAND_OK) << message(m);
    EXPECT_EQ(ids(fetch("c_scroll", 1)), std::vector<std::string>{});

    // Directions that are not MOVE directions never reach the server.
    for (const char *bad : {"ABSOLUTE 1; DROP TABLE x", "SIDEWAYS", "", "ABSOLUTE", "RELATIVE 1 2",
                            "ABSOLUTE 99999999999999999999", "NEXT ALL"})
        EXPECT_EQ(pqx::move_portal(pc_, nullptr, "c_scroll", bad), nullptr) << bad;
    EXPECT_EQ(PQtransactionStatus(pc_), PQTRANS_INTRANS);

    // Without scroll a backward move is an error, whatever the plan could do.
    bind_series("c_noscroll", "s_scroll", "10");
    EXPECT_EQ(ids(fetch("c_noscroll", 3)), (std::vector<std::string>{"1", "2", "3"}));
    m = PgResult(pqx::move_portal(pc_, nullptr, "c_noscroll", "ABSOLUTE 1"));
    EXPECT_EQ(m.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(m.sqlstate(), "55000") << message(m);
    run("ROLLBACK");
}

TEST_F(PqxExtended, PortalNamesAreQuotedAndDescribable) {
    prepare_series("s_names");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    const char *odd = "we\"ird Name; --";
    bind_series(odd, "s_names", "3");
    // Case matters: the name is exactly the caller's.
    bind_series("WE\"IRD NAME; --", "s_names", "1");

    PgResult d(pqx::describe_portal(pc_, odd));
    ASSERT_EQ(d.status(), PGRES_COMMAND_OK) << message(d);
    ASSERT_EQ(PQnfields(d.get()), 2);
    EXPECT_STREQ(PQfname(d.get(), 0), "id");
    EXPECT_STREQ(PQfname(d.get(), 1), "label");
    EXPECT_EQ(PQftype(d.get(), 0), kInt4);
    EXPECT_EQ(PQftype(d.get(), 1), kText);
    EXPECT_EQ(PQntuples(d.get()), 0) << "describing fetches nothing";

    EXPECT_EQ(ids(fetch(odd, 10)), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(ids(fetch("WE\"IRD NAME; --", 10)), (std::vector<std::string>{"1"}));

    d = PgResult(pqx::describe_portal(pc_, "no such portal"));
    EXPECT_EQ(d.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(d.sqlstate(), "34000") << message(d);
    run("ROLLBACK");
}

TEST_F(PqxExtended, HoldCursorOutlivesTheTransaction) {
    prepare_series("s_hold");
    bind_series("c_hold", "s_hold", "4", false, true);
    EXPECT_EQ(PQtransactionStatus(pc_), PQTRANS_IDLE);
    EXPECT_EQ(ids(fetch("c_hold", 3)), (std::vector<std::string>{"1", "2", "3"}));
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_hold"), 1);
    // Without hold, outside a transaction block the server refuses the cursor.
    const char *values[] = {"4"};
    ASSERT_EQ(pqx::PQsendBindPrepared(pc_, "c_nohold", "s_hold", 1, values, nullptr, nullptr, 0), 1);
    // The declaration travels with the cursor's first use, whose result reports it.
    EXPECT_EQ(single(pc_).status(), PGRES_COMMAND_OK);
    ASSERT_EQ(pqx::PQsendFetchPrepared(pc_, "c_nohold", 1), 1);
    PgResult r = single(pc_);
    EXPECT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(r.sqlstate(), "25P01") << message(r);
}

TEST_F(PqxExtended, UnknownStatementsAndPortalsFailCleanly) {
    const char *values[] = {"1"};
    EXPECT_EQ(pqx::PQsendBindPrepared(pc_, "c", "never_prepared", 1, values, nullptr, nullptr, 0), 0);
    EXPECT_EQ(pqx::PQsendBindPrepared(pc_, nullptr, "never_prepared", 0, nullptr, nullptr, nullptr, 0), 0);
    EXPECT_EQ(pqx::PQsendBindPrepared(pc_, "c", nullptr, 0, nullptr, nullptr, nullptr, 0), 0);
    EXPECT_EQ(PQisBusy(pc_), 0) << "nothing was sent";

    // A statement the server refused to prepare is not remembered either.
    PgResult p(pqx::prepare(pc_, "s_bad", "SELECT FROM nowhere_at_all", 0, nullptr));
    EXPECT_EQ(p.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(pqx::PQsendBindPrepared(pc_, "c", "s_bad", 0, nullptr, nullptr, nullptr, 0), 0);

    // After DEALLOCATE the statement is gone for binding too.
    prepare_series("s_gone");
    ASSERT_EQ(run("DEALLOCATE s_gone").status(), PGRES_COMMAND_OK);
    pqx::forget_prepared(pc_, "s_gone");
    EXPECT_EQ(pqx::PQsendBindPrepared(pc_, "c", "s_gone", 1, values, nullptr, nullptr, 0), 0);

    PgResult f = fetch("no_such_portal", 5);
    EXPECT_EQ(f.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(f.sqlstate(), "34000") << message(f);
    EXPECT_EQ(pqx::move_portal(pc_, nullptr, nullptr, "NEXT"), nullptr);
    EXPECT_EQ(pqx::PQsendFetchPrepared(pc_, nullptr, 1), 0);
    EXPECT_EQ(pqx::PQsendClosePortal(pc_, nullptr), 0);
    EXPECT_EQ(run("SELECT 1").status(), PGRES_TUPLES_OK);

    // Modes outside IN, OUT, IN OUT are refused before anything is sent.
    int modes[] = {7};
    EXPECT_EQ(pqx::PQprepareOut(pc_, "s_mode", "SELECT $1::int", 1, nullptr, modes), nullptr);
    EXPECT_EQ(PQisBusy(pc_), 0);
}

TEST_F(PqxExtended, CloseWithoutWaitingLeavesTheConnectionUsable) {
    prepare_series("s_close");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_close", "s_close", "5");
    EXPECT_EQ(ids(fetch("c_close", 2)), (std::vector<std::string>{"1", "2"}));

    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_close"), 1);
    PgResult r = run("SELECT 42");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "42");
    // Nothing of the close is left over for the next command's reader.
    ASSERT_EQ(PQsendQuery(pc_, "SELECT 43"), 1);
    r = single(pc_);
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "43");

    // The close travels with the next command: closing twice fails, and the fetch sent
    // with it reports that failure.
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_close"), 1);
    ASSERT_NE(pqx::PQsendFetchPrepared(pc_, "c_close", 1), 0);
    PgResult f = single(pc_);
    EXPECT_EQ(f.sqlstate(), "34000") << message(f);
    EXPECT_EQ(PQtransactionStatus(pc_), PQTRANS_INERROR);
    run("ROLLBACK");

    // The name is free again once closed.
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_close", "s_close", "5");
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_close"), 1);
    bind_series("c_close", "s_close", "2");
    EXPECT_EQ(ids(fetch("c_close", 5)), (std::vector<std::string>{"1", "2"}));
    // Results of a close are nobody's to read.
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_close"), 1);
    EXPECT_EQ(pqx::get_result(pc_, nullptr), nullptr);
    EXPECT_EQ(PQisBusy(pc_), 0);
    EXPECT_EQ(PQtransactionStatus(pc_), PQTRANS_INTRANS);
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);

    // A blocking describe waits for it as well.
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_close", "s_close", "1");
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_close"), 1);
    PgResult d(pqx::describe_portal(pc_, "c_close"));
    EXPECT_EQ(d.sqlstate(), "34000") << message(d);
    run("ROLLBACK");
}

class PqxCall : public PqxExtended {
protected:
    void SetUp() override {
        PqxExtended::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        if (PQserverVersion(pc_) < 140000) GTEST_SKIP() << "OUT parameters of procedures need PostgreSQL 14";
        PgResult r = run(
            "CREATE PROCEDURE pg_temp.vsk_out(IN a int, OUT b text, INOUT c int) LANGUAGE plpgsql AS $$ "
            "BEGIN IF a < 0 THEN RAISE EXCEPTION 'negative'; END IF; b := 'got ' || a; c := c * 10 + a; END $$");
        ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
        Oid types[] = {kInt4, kText, kInt4};
        int modes[] = {pqx::PARAM_IN, pqx::PARAM_OUT, pqx::PARAM_INOUT};
        r = PgResult(pqx::PQprepareOut(pc_, "s_call", "  call pg_temp.vsk_out($1, $2, $3)", 3, types, modes));
        ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    }

    PgResult call(const char *a, const char *c) const {
        const char *values[] = {a, nullptr, c};
        EXPECT_EQ(pqx::PQsendQueryPreparedOut(pc_, "s_call", 3, values, nullptr, nullptr, 0), 1);
        return single(pc_);
    }
};

TEST_F(PqxCall, OutValuesComeOneColumnPerParameter) {
    PgResult r = call("7", "4");
    ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    EXPECT_EQ(PQntuples(r.get()), 0) << "the OUT row is kept back";

    PgResult out(pqx::PQgetOutResult(pc_));
    ASSERT_TRUE(out);
    ASSERT_EQ(out.status(), PGRES_TUPLES_OK);
    ASSERT_EQ(PQntuples(out.get()), 1);
    ASSERT_EQ(PQnfields(out.get()), 3);
    EXPECT_TRUE(PQgetisnull(out.get(), 0, 0)) << "IN parameter";
    EXPECT_STREQ(PQgetvalue(out.get(), 0, 1), "got 7");
    EXPECT_STREQ(PQgetvalue(out.get(), 0, 2), "47");
    EXPECT_EQ(PQftype(out.get(), 0), kInt4);
    EXPECT_EQ(PQftype(out.get(), 1), kText);
    EXPECT_EQ(PQftype(out.get(), 2), kInt4);
    EXPECT_STREQ(PQfname(out.get(), 1), "b");
    EXPECT_STREQ(PQfname(out.get(), 2), "c");
    EXPECT_FALSE(pqx::returns_value(out.get(), 0)) << "IN parameter";
    EXPECT_TRUE(pqx::returns_value(out.get(), 1));
    EXPECT_TRUE(pqx::returns_value(out.get(), 2));
    EXPECT_FALSE(pqx::returns_value(out.get(), 3));
    EXPECT_EQ(pqx::PQgetOutResult(pc_), nullptr) << "taken once";

    // NULL in, NULL out; each execution has its own values.
    r = call("1", nullptr);
    ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    out = PgResult(pqx::PQgetOutResult(pc_));
    ASSERT_TRUE(out);
    EXPECT_STREQ(PQgetvalue(out.get(), 0, 1), "got 1");
    EXPECT_TRUE(PQgetisnull(out.get(), 0, 2));
    EXPECT_TRUE(pqx::returns_value(out.get(), 2)) << "a NULL the call returned";
}

TEST_F(PqxCall, FailedCallLeavesNoOutValuesAndOthersAreUntouched) {
    PgResult r = call("2", "2");
    ASSERT_EQ(r.status(), PGRES_COMMAND_OK);
    r = call("-1", "0");
    EXPECT_EQ(r.status(), PGRES_FATAL_ERROR);
    EXPECT_EQ(pqx::PQgetOutResult(pc_), nullptr) << "a failed call has no OUT values, not the previous ones";

    // A SELECT with OUT modes returns its own rows: only CALL carries OUT values.
    int modes[] = {pqx::PARAM_OUT};
    r = PgResult(pqx::PQprepareOut(pc_, "s_callish", "SELECT $1::int AS callx", 1, nullptr, modes));
    ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    const char *values[] = {"5"};
    ASSERT_EQ(pqx::PQsendQueryPreparedOut(pc_, "s_callish", 1, values, nullptr, nullptr, 0), 1);
    r = single(pc_);
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "5");
    EXPECT_EQ(pqx::PQgetOutResult(pc_), nullptr);

    // An ordinary query read through get_result after a CALL is not mistaken for one.
    ASSERT_EQ(call("3", "3").status(), PGRES_COMMAND_OK);
    ASSERT_EQ(PQsendQuery(pc_, "SELECT 'plain'"), 1);
    r = single(pc_);
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "plain");

    // Nor after a CALL whose results a later command discarded unread.
    const char *args[] = {"1", nullptr, "1"};
    ASSERT_EQ(pqx::PQsendQueryPreparedOut(pc_, "s_call", 3, args, nullptr, nullptr, 0), 1);
    ASSERT_EQ(run("SELECT 1").status(), PGRES_TUPLES_OK);
    ASSERT_EQ(PQsendQuery(pc_, "SELECT 'plain again'"), 1);
    r = single(pc_);
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "plain again");
}

// A connection libpq opened directly has no pqx state: what needs it fails, the rest works.
TEST_F(PqxExtended, ConnectionWithoutStateDegradesSafely) {
    ASSERT_EQ(pqx::state_of(conn()), nullptr);
    Oid types[] = {kInt4};
    int modes[] = {pqx::PARAM_INOUT};
    PgResult r(pqx::PQprepareOut(conn(), "s_plain", "SELECT $1::int + 1", 1, types, modes));
    ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    const char *values[] = {"1"};
    EXPECT_EQ(pqx::PQsendBindPrepared(conn(), "c_plain", "s_plain", 1, values, nullptr, nullptr, 0), 0);
    ASSERT_EQ(pqx::PQsendQueryPreparedOut(conn(), "s_plain", 1, values, nullptr, nullptr, 0), 1);
    r = single(conn());
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "2");
    EXPECT_EQ(pqx::PQgetOutResult(conn()), nullptr);

    ASSERT_TRUE(exec_ok("BEGIN"));
    ASSERT_TRUE(exec_ok("DECLARE c_plain CURSOR FOR SELECT 1"));
    ASSERT_EQ(pqx::PQsendClosePortal(conn(), "c_plain"), 1);
    EXPECT_EQ(PQisBusy(conn()), 0) << "closed before returning";
    EXPECT_TRUE(exec_ok("SELECT 1"));
    EXPECT_TRUE(exec_ok("COMMIT"));
}

}  // namespace
