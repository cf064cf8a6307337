// Statement shapes the statement code acts on: INSERTs whose rows can go as arrays, and
// queries that lock the rows they read.
#include <gtest/gtest.h>

#include <string>

#include "stmt/insert_shape.h"
#include "stmt/statement_text.h"

namespace {

TEST(InsertShape, PlaceholdersOnlyInsertsGiveTheirTarget) {
    struct Case {
        const char *sql;
        std::size_t params;
        const char *target;
    } cases[] = {
        {"INSERT INTO t VALUES ($1, $2)", 2, "INSERT INTO t"},
        {"  insert into s.t (a, \"B c\") values ($1,$2);", 2, "insert into s.t (a, \"B c\")"},
        {"INSERT INTO \"we\"\"ird\" (x) VALUES ( $1 ) -- done", 1, "INSERT INTO \"we\"\"ird\" (x)"},
        {"insert /* c */ into db.s.t(a,b,c) values($1,$2,$3)", 3, "insert /* c */ into db.s.t(a,b,c)"},
        // Anything else in the list, another order, repeats, more statement: not arrays.
        {"INSERT INTO t VALUES ($1, $2 + 1)", 2, ""},
        {"INSERT INTO t VALUES ($2, $1)", 2, ""},
        {"INSERT INTO t VALUES ($1, $1)", 2, ""},
        {"INSERT INTO t VALUES ($1, $2) RETURNING id", 2, ""},
        {"INSERT INTO t VALUES ($1, $2) ON CONFLICT DO NOTHING", 2, ""},
        {"INSERT INTO t VALUES ($1), ($2)", 2, ""},
        {"INSERT INTO t VALUES ($1, DEFAULT)", 1, ""},
        {"INSERT INTO t SELECT $1", 1, ""},
        {"INSERT INTO t AS x VALUES ($1)", 1, ""},
        {"INSERT INTO t VALUES ($1)", 2, ""},
        {"INSERT INTO t VALUES ($1, $2)", 1, ""},
        {"INSERT INTO t VALUES ($10)", 1, ""},
        {"INSERT INTO t VALUES ($1a)", 1, ""},
        {"UPDATE t SET a = $1", 1, ""},
        {"INSERT INTO t VALUES ()", 0, ""},
        {"INSERT INTO \"t VALUES ($1)", 1, ""},
        {"INSERT INTO t VALUES ($1); DELETE FROM t", 1, ""},
    };
    for (const Case &c : cases) EXPECT_EQ(vsk::insert_values_target(c.sql, c.params), c.target) << c.sql;
}

TEST(LockingQueries, ForUpdateAndForShareOutsideTextLock) {
    struct Case {
        const char *sql;
        bool locks;
    } cases[] = {
        {"select * from t for update", true},
        {"SELECT * FROM t FOR UPDATE OF t NOWAIT", true},
        {"select * from t for no key update", true},
        {"select * from t\nfor\tshare", true},
        {"select * from t for key share skip locked", true},
        {"select * from t", false},
        {"select 'for update' from t", false},
        {"select \"for update\" from t", false},
        {"select * from t -- for update", false},
        {"select * from t /* for update */", false},
        {"select for_update from t", false},
        {"select update from t", false},
        {"select * from t for (update)", false},
    };
    for (const Case &c : cases) EXPECT_EQ(vsk::locks_rows(c.sql), c.locks) << c.sql;
}

}  // namespace
