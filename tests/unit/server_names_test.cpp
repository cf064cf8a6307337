// Server-side object names and the DDL-commit switch. Both are process-wide, so the
// cases that need them fresh run in a child process of their own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "stmt/server_names.h"

namespace {

// Runs check in a fresh child process; it passes when check returns true.
#define IN_FRESH_PROCESS(check) EXPECT_EXIT(std::exit((check)() ? 0 : 1), ::testing::ExitedWithCode(0), "")

TEST(ServerNames, CountersAndFormat) {
    IN_FRESH_PROCESS([] {
        // Portals and declared cursors share one counter.
        return vsk::next_statement_name() == "stmt_00000000" && vsk::next_statement_name() == "stmt_00000001" &&
               vsk::next_portal_name(false) == "portal_00000000" && vsk::next_portal_name(true) == "cursor_00000001";
    });
}

TEST(ServerNames, UniqueAcrossThreads) {
    std::mutex m;
    std::set<std::string> names;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 1000; ++i) {
                std::string n = vsk::next_statement_name();
                std::lock_guard<std::mutex> lock(m);
                names.insert(n);
            }
        });
    for (auto &th : threads) th.join();
    EXPECT_EQ(names.size(), 4000u);
}

TEST(DdlCommit, OffWithoutTheVariable) {
    IN_FRESH_PROCESS([] {
        unsetenv("OCI_DDL_COMMIT");
        vsk::settle_ddl_commit(true);
        const bool off = !vsk::ddl_commit_on();
        setenv("OCI_DDL_COMMIT", "1", 1);
        vsk::settle_ddl_commit(true);
        return off && !vsk::ddl_commit_on();  // decided once
    });
}

TEST(DdlCommit, OnAtTheFirstDdlOnceSet) {
    IN_FRESH_PROCESS([] {
        setenv("OCI_DDL_COMMIT", "1", 1);
        vsk::settle_ddl_commit(false);
        const bool undecided = !vsk::ddl_commit_on();
        vsk::settle_ddl_commit(true);
        const bool on = vsk::ddl_commit_on();
        vsk::settle_ddl_commit(false);
        return undecided && on && vsk::ddl_commit_on();
    });
}

}  // namespace
