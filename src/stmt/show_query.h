// SHOW as a query a server cursor can read: PostgreSQL runs SHOW only as a command of its
// own, never behind DECLARE ... CURSOR or a named portal, while the statement is a query
// to the application.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// The SELECT that returns what the SHOW statement text returns (the same column name and
// value; SHOW ALL: name, setting and description of every setting), or nothing for a text
// that is no SHOW the library can read (sent as written; the server judges it).
// Throws std::bad_alloc.
std::optional<std::string> show_as_select(std::string_view text);

}  // namespace vsk
