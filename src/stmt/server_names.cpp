#include "stmt/server_names.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vsk {

namespace {

std::atomic<std::uint32_t> statement_counter{0};
std::atomic<std::uint32_t> portal_counter{0};
// -1 undecided, 0 off, 1 on.
std::atomic<int> ddl_commit{-1};

std::string name(const char *prefix, std::atomic<std::uint32_t> &counter) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%08x", prefix, static_cast<unsigned>(counter.fetch_add(1)));
    return buf;
}

}  // namespace

std::string next_statement_name() { return name("stmt_", statement_counter); }
std::string next_portal_name(bool declaredCursor) { return name(declaredCursor ? "cursor_" : "portal_", portal_counter); }

void settle_ddl_commit(bool isDDL) noexcept {
    if (ddl_commit.load() != -1) return;
    int expected = -1;
    if (!std::getenv("OCI_DDL_COMMIT")) ddl_commit.compare_exchange_strong(expected, 0);
    else if (isDDL) ddl_commit.compare_exchange_strong(expected, 1);
}

bool ddl_commit_on() noexcept { return ddl_commit.load() == 1; }

}  // namespace vsk
