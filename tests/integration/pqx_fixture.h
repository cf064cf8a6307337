// What the pqx integration tests share: a connection opened by pqx, and reading the
// results of a sent command back through pqx.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pg_test_env.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/extended.h"

namespace vsk::test {

namespace pqx = vsk::pqx;

inline constexpr Oid kInt4 = 23;
inline constexpr Oid kText = 25;

// Every result of the command in flight, read through pqx; bounded so a fault that
// never ends the command fails the test instead of hanging it.
inline std::vector<PgResult> results(PGconn *c) {
    std::vector<PgResult> v;
    while (v.size() < 8) {
        PGresult *r = pqx::get_result(c, nullptr);
        if (!r) break;
        v.emplace_back(r);
    }
    return v;
}

// The one result a sent command must produce.
inline PgResult single(PGconn *c) {
    std::vector<PgResult> v = results(c);
    EXPECT_EQ(v.size(), 1u) << "a sent command yields exactly one result, then null";
    return v.empty() ? PgResult() : std::move(v.front());
}

inline std::string message(const PgResult &r) { return r ? PQresultErrorMessage(r.get()) : "no result"; }

// A connection opened by pqx, so it carries the state the operations keep.
class PqxExtended : public vsk::test::PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        pc_ = pqx::connect_uri(conninfo().c_str());
        ASSERT_NE(pc_, nullptr);
        ASSERT_EQ(PQstatus(pc_), CONNECTION_OK) << PQerrorMessage(pc_);
        ASSERT_NE(pqx::state_of(pc_), nullptr);
    }
    void TearDown() override {
        pqx::finish(pc_);
        PgTest::TearDown();
    }

    PgResult run(const char *sql) const { return PgResult(pqx::exec(pc_, nullptr, sql)); }

    // Prepares "SELECT g, 'row ' || g FROM generate_series(1, $1) g" as name.
    void prepare_series(const char *name) const {
        Oid types[] = {kInt4};
        PgResult r(pqx::prepare(pc_, name, "SELECT g AS id, 'row ' || g AS label FROM generate_series(1, $1) g", 1,
                                types));
        ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    }

    // Binds portal to the series of n rows; the declaration must succeed.
    void bind_series(const char *portal, const char *stmt, const char *n, bool scroll = false,
                     bool hold = false, int format = 0) const {
        const char *values[] = {n};
        ASSERT_EQ(pqx::PQsendBindPrepared(pc_, portal, stmt, 1, values, nullptr, nullptr, format, scroll, hold), 1);
        PgResult r = single(pc_);
        ASSERT_EQ(r.status(), PGRES_COMMAND_OK) << message(r);
    }

    PgResult fetch(const char *portal, int count) const {
        EXPECT_NE(pqx::PQsendFetchPrepared(pc_, portal, count), 0);
        return single(pc_);
    }

    // The ids of a fetch result, in order.
    static std::vector<std::string> ids(const PgResult &r) {
        std::vector<std::string> v;
        for (int i = 0; i < PQntuples(r.get()); ++i) v.emplace_back(PQgetvalue(r.get(), i, 0));
        return v;
    }

    PGconn *pc_ = nullptr;
};

}  // namespace vsk::test
