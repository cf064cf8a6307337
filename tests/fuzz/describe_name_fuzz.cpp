// Arbitrary bytes as object names for describe: parsing never fails unsafely, a name it
// accepts has a table part, and each accepted name written back with both parts quoted
// parses to the same parts, taken as written.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stmt/describe_names.h"

namespace {

std::string quoted(const std::string &part) {
    std::string out = "\"";
    for (char c : part) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    vsk::pqx::TableName name;
    if (!vsk::parse_object_name(text, &name)) return 0;
    if (name.table.empty()) std::abort();
    const std::string again = (name.schema.empty() ? "" : quoted(name.schema) + ".") + quoted(name.table);
    vsk::pqx::TableName back;
    if (!vsk::parse_object_name(again, &back) || back.table != name.table || back.schema != name.schema ||
        !back.tableFolded.empty() || !back.schemaFolded.empty())
        std::abort();
    return 0;
}
