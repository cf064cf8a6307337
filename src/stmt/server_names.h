// Names of the objects statements create on the server, and the process-wide DDL-commit
// switch. Both are shared by every handle tree and safe to use from any thread.
#pragma once

#include <string>

namespace vsk {

// "stmt_" + 8 hex digits of the statement counter (wrapping).
std::string next_statement_name();
// "portal_" or "cursor_" + 8 hex digits of the one counter both share.
std::string next_portal_name(bool declaredCursor);

// The DDL-commit switch: undecided until the first non-query execution, then off unless
// OCI_DDL_COMMIT is set, and on for good once it is set and a DDL statement runs.
void settle_ddl_commit(bool isDDL) noexcept;
bool ddl_commit_on() noexcept;

}  // namespace vsk
