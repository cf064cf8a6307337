// Rows read ahead of the caller, and small results run at once instead of through a
// cursor: whatever the caller does between its fetches (other commands, other counts, a
// commit, a close), it sees the rows, failures and notices a cursor fetched on demand
// would give it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pqx/read_ahead.h"
#include "pqx_fixture.h"

namespace {

using namespace vsk::test;

class PqxReadAhead : public PqxExtended {
protected:
    // The ids of one fetch, which must succeed.
    std::vector<std::string> next(const char *portal, int count) const {
        PgResult r = fetch(portal, count);
        EXPECT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
        return ids(r);
    }
    bool in_flight() const { return pqx::state_of(pc_)->inFlight.has_value(); }
    int open_cursors() const {
        PgResult r = run("SELECT count(*) FROM pg_cursors");
        return r.status() == PGRES_TUPLES_OK ? std::stoi(PQgetvalue(r.get(), 0, 0)) : -1;
    }
};

std::vector<std::string> range(int from, int to) {
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i) v.push_back(std::to_string(i));
    return v;
}

TEST_F(PqxReadAhead, OtherCommandsAndCountsBetweenFetchesSeeEveryRowOnce) {
    prepare_series("s_ra");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_ra", "s_ra", "20");
    EXPECT_EQ(next("c_ra", 3), range(1, 3));
    EXPECT_FALSE(in_flight()) << "the first batch may be all the caller wants";
    EXPECT_EQ(next("c_ra", 3), range(4, 6));
    EXPECT_TRUE(in_flight());
    // Another command first takes the batch off the wire.
    PgResult r = run("SELECT 42");
    ASSERT_EQ(r.status(), PGRES_TUPLES_OK) << message(r);
    EXPECT_STREQ(PQgetvalue(r.get(), 0, 0), "42");
    EXPECT_EQ(pqx::transaction_status(pc_), PQTRANS_INTRANS);
    // Fewer rows than were read ahead, then more than are left of them.
    EXPECT_EQ(next("c_ra", 2), range(7, 8));
    EXPECT_EQ(next("c_ra", 5), range(9, 13));
    EXPECT_EQ(next("c_ra", 5), range(14, 18));
    EXPECT_EQ(next("c_ra", 5), range(19, 20));
    EXPECT_EQ(next("c_ra", 5), std::vector<std::string>{});
    EXPECT_FALSE(in_flight());
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
}

TEST_F(PqxReadAhead, FailureAheadLeavesTheTransactionAndComesWithItsRows) {
    PgResult t = run("CREATE TEMP TABLE ra_kept (v int)");
    ASSERT_EQ(t.status(), PGRES_COMMAND_OK) << message(t);
    Oid types[] = {kInt4};
    PgResult p(pqx::prepare(pc_, "s_fail", "SELECT 10 / (5 - g) AS id FROM generate_series(1, $1) g", 1, types));
    ASSERT_EQ(p.status(), PGRES_COMMAND_OK) << message(p);
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_fail", "s_fail", "8");
    EXPECT_EQ(next("c_fail", 2), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(next("c_fail", 2), (std::vector<std::string>{"5", "10"}));
    // The batch read ahead reaches the division by zero; the caller has not asked for it.
    ASSERT_TRUE(in_flight());
    PgResult ins = run("INSERT INTO ra_kept VALUES (1)");
    EXPECT_EQ(ins.status(), PGRES_COMMAND_OK) << message(ins);
    EXPECT_EQ(pqx::transaction_status(pc_), PQTRANS_INTRANS);
    PgResult f = fetch("c_fail", 2);
    EXPECT_EQ(f.sqlstate(), "22012") << message(f);
    // What the caller did before asking is kept.
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
    PgResult kept = run("SELECT count(*) FROM ra_kept");
    ASSERT_EQ(kept.status(), PGRES_TUPLES_OK) << message(kept);
    EXPECT_STREQ(PQgetvalue(kept.get(), 0, 0), "1");
}

std::vector<std::string> g_notices;
void collect(void *, const char *message) { g_notices.emplace_back(message); }

TEST_F(PqxReadAhead, NoticesComeWithTheRowsThatRaisedThem) {
    PgResult fn = run(
        "CREATE FUNCTION pg_temp.ra_noisy(i int) RETURNS int LANGUAGE plpgsql AS $$ "
        "BEGIN RAISE NOTICE 'row %', i; RETURN i; END $$");
    ASSERT_EQ(fn.status(), PGRES_COMMAND_OK) << message(fn);
    Oid types[] = {kInt4};
    PgResult p(pqx::prepare(pc_, "s_noisy", "SELECT pg_temp.ra_noisy(g) AS id FROM generate_series(1, $1) g", 1,
                            types));
    ASSERT_EQ(p.status(), PGRES_COMMAND_OK) << message(p);
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    PQsetNoticeProcessor(pc_, collect, nullptr);
    bind_series("c_noisy", "s_noisy", "6");
    next("c_noisy", 2);
    next("c_noisy", 2);
    ASSERT_TRUE(in_flight());
    g_notices.clear();
    run("SELECT 1");
    EXPECT_TRUE(g_notices.empty()) << "the rows' notices are not the other command's";
    EXPECT_EQ(next("c_noisy", 2), range(5, 6));
    ASSERT_EQ(g_notices.size(), 2u);
    EXPECT_NE(g_notices[0].find("row 5"), std::string::npos) << g_notices[0];
    EXPECT_NE(g_notices[1].find("row 6"), std::string::npos) << g_notices[1];
    run("ROLLBACK");
}

TEST_F(PqxReadAhead, EndedTransactionAndCloseLeaveNothingBehind) {
    prepare_series("s_end");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_end", "s_end", "10");
    next("c_end", 3);
    next("c_end", 3);
    ASSERT_TRUE(in_flight());
    ASSERT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
    // The cursor ended with its transaction, rows read ahead or not.
    PgResult gone = fetch("c_end", 3);
    EXPECT_EQ(gone.sqlstate(), "34000") << message(gone);
    run("ROLLBACK");

    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_end2", "s_end", "10");
    next("c_end2", 3);
    next("c_end2", 3);
    ASSERT_TRUE(in_flight());
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_end2"), 1);
    PgResult left = run("SELECT count(*) FROM pg_cursors");
    ASSERT_EQ(left.status(), PGRES_TUPLES_OK) << message(left);
    EXPECT_STREQ(PQgetvalue(left.get(), 0, 0), "0");
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
}

TEST_F(PqxReadAhead, ScrollAndHoldCursors) {
    prepare_series("s_kinds");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    // A scroll cursor moves: nothing is read ahead of it.
    bind_series("c_scroll", "s_kinds", "9", true);
    next("c_scroll", 3);
    next("c_scroll", 3);
    EXPECT_FALSE(in_flight());
    // A hold cursor is read ahead inside and outside the transaction.
    bind_series("c_hold", "s_kinds", "9", false, true);
    EXPECT_EQ(next("c_hold", 2), range(1, 2));
    EXPECT_EQ(next("c_hold", 2), range(3, 4));
    EXPECT_TRUE(in_flight());
    ASSERT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
    EXPECT_EQ(next("c_hold", 2), range(5, 6));
    EXPECT_TRUE(in_flight());
    EXPECT_EQ(next("c_hold", 4), range(7, 9));
    EXPECT_EQ(pqx::PQsendClosePortal(pc_, "c_hold"), 1);
    EXPECT_EQ(run("SELECT 1").status(), PGRES_TUPLES_OK);
}

TEST_F(PqxReadAhead, SmallResultRunsAtOnceUntilItGrows) {
    prepare_series("s_small");
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    // A cursor's first batch shows the result is no bigger than it.
    bind_series("c_s1", "s_small", "1");
    EXPECT_EQ(next("c_s1", 1), range(1, 1));
    EXPECT_EQ(next("c_s1", 1), std::vector<std::string>{});
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_s1"), 1);
    // Next time there is no cursor at all.
    bind_series("c_s2", "s_small", "1");
    EXPECT_EQ(next("c_s2", 1), range(1, 1));
    EXPECT_EQ(open_cursors(), 0);
    PgResult d(pqx::describe_portal(pc_, "c_s2"));
    ASSERT_EQ(d.status(), PGRES_COMMAND_OK) << message(d);
    ASSERT_EQ(PQnfields(d.get()), 2);
    EXPECT_STREQ(PQfname(d.get(), 1), "label");
    EXPECT_EQ(next("c_s2", 1), std::vector<std::string>{});
    EXPECT_EQ(next("c_s2", 1), std::vector<std::string>{});
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_s2"), 1);
    // Bigger than before: every row still comes, once, in the batches asked for.
    bind_series("c_s3", "s_small", "5");
    EXPECT_EQ(next("c_s3", 1), range(1, 1));
    EXPECT_EQ(next("c_s3", 2), range(2, 3));
    EXPECT_EQ(next("c_s3", 5), range(4, 5));
    EXPECT_EQ(next("c_s3", 5), std::vector<std::string>{});
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_s3"), 1);
    // ... and the statement has a cursor again.
    bind_series("c_s4", "s_small", "5");
    EXPECT_EQ(next("c_s4", 1), range(1, 1));
    EXPECT_EQ(open_cursors(), 1);
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_s4"), 1);
    EXPECT_EQ(open_cursors(), 0);
    EXPECT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
}

TEST_F(PqxReadAhead, SmallResultEndsWithItsTransactionAndReportsFailures) {
    Oid types[] = {kInt4};
    PgResult p(pqx::prepare(pc_, "s_div", "SELECT 10 / $1 AS id", 1, types));
    ASSERT_EQ(p.status(), PGRES_COMMAND_OK) << message(p);
    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_d1", "s_div", "2");
    EXPECT_EQ(next("c_d1", 1), range(5, 5));
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_d1"), 1);
    bind_series("c_d2", "s_div", "5");
    EXPECT_EQ(next("c_d2", 1), range(2, 2));
    ASSERT_EQ(run("COMMIT").status(), PGRES_COMMAND_OK);
    // Its rows were all read at once: the end of the transaction takes none away.
    EXPECT_EQ(next("c_d2", 1), std::vector<std::string>{});
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_d2"), 1);

    ASSERT_EQ(run("BEGIN").status(), PGRES_COMMAND_OK);
    bind_series("c_d3", "s_div", "0");
    PgResult failed = fetch("c_d3", 1);
    EXPECT_EQ(failed.sqlstate(), "22012") << message(failed);
    EXPECT_EQ(pqx::transaction_status(pc_), PQTRANS_INERROR);
    run("ROLLBACK");
    ASSERT_EQ(pqx::PQsendClosePortal(pc_, "c_d3"), 1);
    EXPECT_EQ(run("SELECT 1").status(), PGRES_TUPLES_OK);
}

}  // namespace
