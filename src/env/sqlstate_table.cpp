// Server SQLSTATE to message number; 0 means the server's own message stands.
// Kept sorted in the source so lookups need no one-time sort.
#include "env/sqlstate_table.h"

#include <algorithm>
#include <cstring>

namespace vsk {

namespace {

constexpr SqlStateRow kSqlStates[] = {
    {"01006", 0},
    {"01007", 0},
    {"02000", 1403},
    {"02001", 0},
    {"03000", 0},
    {"08000", 12545},
    {"08001", 12545},
    {"08003", 12545},
    {"08004", 12545},
    {"08006", 12545},
    {"08007", 1453},
    {"08P01", 0},
    {"0A000", 3001},
    {"21000", 1427},
    {"22001", 1401},
    {"22002", 1405},
    {"22003", 1426},
    {"22004", 1400},
    {"22008", 1800},
    {"2200B", 1424},
    {"2200C", 1424},
    {"2200D", 1424},
    {"2200F", 1425},
    {"22012", 1476},
    {"22019", 911},
    {"22025", 1424},
    {"22027", 30001},
    {"22P02", 1858},
    {"22P06", 1424},
    {"23000", 1},
    {"23001", 0},
    {"23502", 0},
    {"23503", 0},
    {"23505", 1},
    {"23514", 0},
    {"24000", 1001},
    {"25000", 1453},
    {"26000", 0},
    {"28000", 1017},
    {"28P01", 1017},
    {"2BP01", 2429},
    {"40P01", 60},
    {"42601", 16945},
    {"42701", 1430},
    {"42704", 1418},
    {"42830", 0},
    {"42P01", 942},
    {"42P07", 955},
    {"44000", 1402},
    {"53000", 1659},
    {"53100", 1659},
    {"53200", 82100},
    {"55006", 0},
    {"55P03", 54},
    // The server ends the session (pg_terminate_backend, shutdown) or crashed.
    {"57P01", 28},
    {"57P02", 3113},
    {"72000", 1555},
    {"P0003", 1422},
};

}  // namespace

const SqlStateRow *sqlstate_rows(std::size_t *count) noexcept {
    *count = sizeof kSqlStates / sizeof kSqlStates[0];
    return kSqlStates;
}

int sqlstate_number(const char *sqlstate) noexcept {
    if (!sqlstate || std::strlen(sqlstate) != 5) return 0;
    auto end = kSqlStates + sizeof kSqlStates / sizeof kSqlStates[0];
    auto it = std::lower_bound(kSqlStates, end, sqlstate, [](const SqlStateRow &r, const char *s) {
        return std::strcmp(r.sqlstate, s) < 0;
    });
    return it != end && std::strcmp(it->sqlstate, sqlstate) == 0 ? it->number : 0;
}

}  // namespace vsk
