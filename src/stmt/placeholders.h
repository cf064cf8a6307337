// Oracle placeholders (":name", ":1") rewritten into the server's numbered parameters ($1).
#pragma once

#include <oci.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct OCIBind;

namespace vsk {

// Most parameters one statement may carry.
constexpr std::size_t kMaxPlaceholders = 9999;

// Length of the placeholder starting at text[pos] (colon included); 0 when none starts there.
std::size_t placeholderLen(std::string_view text, std::size_t pos) noexcept;

// The bind whose name matches, ignoring ASCII case, or null.
OCIBind *findBindByName(std::string_view name, const std::vector<OCIBind *> &binds) noexcept;

// Whether placeholder (colon included) starts at some ":" of text, ignoring case.
bool text_has_placeholder(std::string_view text, std::string_view placeholder) noexcept;

// The position-th placeholder (1-based) as binding by position counts them: "::" and
// ":=" are no placeholders, literals are not skipped. Its name runs from the colon to
// the first delimiter. false when the text has fewer.
bool nth_placeholder(std::string_view text, ub4 position, std::string *name);

// Every placeholder name (colon dropped) in text order, as OCIStmtGetBindInfo reports them.
std::vector<std::string> bind_info_names(std::string_view text);

// The first bind whose name matches the first bytes of name, ignoring case.
OCIBind *find_placeholder_bind_handle(const std::vector<OCIBind *> &binds, std::string_view name) noexcept;

// Case-insensitive equality of ASCII names.
bool same_name(std::string_view a, std::string_view b) noexcept;

struct RewrittenText {
    std::string pg_query;
    std::vector<OCIBind *> paramBinds;  // one per server parameter, a bind used twice listed twice
    std::vector<ub4> paramTypes;        // varchar sent as 0: the server infers the type
    std::vector<ub4> paramDirs;
};

// Placeholders with a bind become $1, $2, ... outside single-quoted literals; others
// stay as written. false when more than kMaxPlaceholders would be needed. Throws std::bad_alloc.
bool ReplacePlaceholders(const std::vector<OCIBind *> &binds, std::string_view text, RewrittenText *out);

// For describing a statement without binds: every placeholder outside quoted runs
// becomes $k and its name is appended to names. Throws std::bad_alloc.
std::string ReplacePlaceholdersEx(std::string_view text, std::vector<std::string> *names, ub4 *param_count);

}  // namespace vsk
