// SQLSTATE-to-message-number table for server failures.
#pragma once

#include <cstddef>

namespace vsk {

struct SqlStateRow {
    char sqlstate[6];
    int number;
};

// Message number for a five-character SQLSTATE; 0 when absent or mapped to none.
int sqlstate_number(const char *sqlstate) noexcept;
const SqlStateRow *sqlstate_rows(std::size_t *count) noexcept;

}  // namespace vsk
