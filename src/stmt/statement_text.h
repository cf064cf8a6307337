// Statement texts as the application writes them: their kind, trimming and the
// date-format spelling the server needs.
#pragma once

#include <oci.h>

#include <string>
#include <string_view>

namespace vsk {

// Statement kinds beyond the published OCI_STMT_ codes.
constexpr ub2 kStmtTruncate = 65000;
constexpr ub2 kStmtComment = 65001;
constexpr ub2 kStmtGrant = 65002;
constexpr ub2 kStmtRevoke = 65003;

// The kind decided by the text's first keyword (case-insensitive; a leading "(" is skipped).
ub2 GetStatementType(std::string_view text) noexcept;
bool IsDDLStatement(ub2 kind) noexcept;

// A query that locks the rows it reads: FOR UPDATE, FOR NO KEY UPDATE, FOR SHARE or FOR
// KEY SHARE outside literals, quoted names and comments.
bool locks_rows(std::string_view query) noexcept;

// Without leading and trailing blanks, tabs, line feeds, form feeds and carriage returns.
std::string_view trim_statement(std::string_view text) noexcept;

// text with every occurrence of from replaced by to. Throws std::bad_alloc.
std::string checkNLSFormat(std::string_view text, std::string_view from, std::string_view to);

}  // namespace vsk
