// A CALL of a routine, as stock PostgreSQL needs it: a function is run by SELECT (its value
// the result's first column), and a procedure's row of OUT values holds only the arguments
// the procedure itself declares OUT or INOUT. The catalog tells which.
#pragma once

#include <libpq-fe.h>

#include <string>
#include <string_view>
#include <vector>

namespace vsk::pqx {

// "CALL name ( arg , arg );" taken apart; arguments split at top-level commas outside
// quotes and parentheses, blanks trimmed. false when the text is not such a CALL.
struct CallShape {
    std::string schema;  // folded to lower case, empty when unqualified
    std::string name;
    std::vector<std::string> args;
};
bool parse_call(std::string_view text, CallShape *shape);

// The 1-based parameter an argument is ("$3" gives 3), or 0 when it is anything else.
int parameter_number(std::string_view arg) noexcept;

struct CallRoute {
    bool functionForm = false;
    std::string query;             // the text to prepare
    std::vector<int> outColumns;   // column i of the OUT row -> 0-based parameter, -1 for none
};

// Routes a CALL by the routine the catalog finds for it (search path order, argument
// count). false when the catalog gives no answer: the text is then prepared as it is.
bool route_call(PGconn *conn, std::string_view text, CallRoute *route) noexcept;

// The routing for a routine of kind ('f' or 'p') with the argument modes of the catalog
// ("i", "o", "b", "v" per argument; empty: all IN).
CallRoute route_for(const CallShape &shape, char kind, std::string_view modes, std::string_view originalText);

}  // namespace vsk::pqx
