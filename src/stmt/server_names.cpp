#include "stmt/server_names.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace vsk {

namespace {

std::atomic<std::uint32_t> statement_counter{0};
std::atomic<std::uint32_t> portal_counter{0};
// -1 undecided, 0 off, 1 on.
std::atomic<int> ddl_commit{-1};

// prefix and the counter's next value in eight hexadecimal digits.
std::string name(std::string_view prefix, std::atomic<std::uint32_t> &counter) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint32_t n = counter.fetch_add(1);
    std::string s(prefix.size() + 8, '0');
    prefix.copy(s.data(), prefix.size());
    for (std::size_t i = s.size(); i > prefix.size(); n >>= 4) s[--i] = kHex[n & 0xF];
    return s;
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
