// One-call PL/SQL blocks ("BEGIN p(:a, :b); END;", "BEGIN :r := f(:a); END;") read as the
// CALL statement the server runs. Reentrant: every parse has its own state.
#pragma once

#include <string>
#include <string_view>

namespace vsk {

struct CallNode {
    std::string procName;  // as written, dots included
    std::string callText;  // "CALL name ( :a , :b );"
    bool isFunction = false;
    std::string target;    // placeholder receiving a function result
};

// 0 accepted (node filled), 1 syntax error, 2 memory exhausted. Never throws.
int parse_call_block(std::string_view text, CallNode *node) noexcept;

}  // namespace vsk
