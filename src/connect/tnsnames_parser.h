// The tnsnames.ora grammar: parses a whole file into its net service names.
#pragma once

#include <string>
#include <string_view>

#include "connect/tnsnames_records.h"

namespace vsk {

struct TnsSyntaxError {
    int lineno = 0;
    std::string message;  // "syntax error", "memory exhausted", or the scanner's reason
};

// 0 on success with the entries in *tnsnames_parsetree_list; non-zero on a syntax error
// (nothing returned, the reason in *error). Reentrant; never throws.
int tnsnamesparse(std::string_view input, TnsEntryList *tnsnames_parsetree_list, TnsSyntaxError *error) noexcept;

}  // namespace vsk
