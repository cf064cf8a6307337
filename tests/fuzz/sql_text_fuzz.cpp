// Statement texts as programs pass them: classification, placeholder scanning and
// rewriting, call blocks and the NLS format rewrite. Every reader must stay inside the
// text, and the rewrites must agree with the scanners.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stmt/call_block.h"
#include "stmt/placeholders.h"
#include "stmt/statement_text.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // An exactly sized heap copy, so a read past the end is caught.
    const std::vector<char> bytes(data, data + size);
    const std::string_view text(bytes.data(), bytes.size());
    try {
        vsk::GetStatementType(text);
        vsk::locks_rows(text);
        const std::string_view trimmed = vsk::trim_statement(text);
        check(trimmed.data() >= text.data() && trimmed.data() + trimmed.size() <= text.data() + text.size());

        for (std::size_t pos = 0; pos < text.size(); ++pos) check(vsk::placeholderLen(text, pos) <= text.size() - pos);

        std::vector<std::string> names;
        ub4 count = 0;
        const std::string rewritten = vsk::ReplacePlaceholdersEx(text, &names, &count);
        check(names.size() <= count);  // a lone colon becomes a parameter without a name
        const std::vector<std::string> info = vsk::bind_info_names(text);
        for (const std::string &name : info) check(vsk::text_has_placeholder(text, ":" + name));
        std::string nth;
        for (ub4 position = 1; position <= 3; ++position) vsk::nth_placeholder(text, position, &nth);

        // Callers refuse an accepted block without a call text themselves.
        vsk::CallNode node;
        vsk::parse_call_block(text, &node);

        vsk::checkNLSFormat(text, "DD-MON-YYYY", "YYYY-MM-DD");
    } catch (const std::bad_alloc &) {
    }
    return 0;
}
