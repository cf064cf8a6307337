#include "stmt/describe_names.h"

#include <string>

#include "nls/ascii.h"

namespace vsk {

namespace {

// One part, up to the dot that ends it or the end of text; *rest is what follows the dot.
bool read_part(std::string_view text, std::string *spelling, std::string *folded, std::string_view *rest,
               bool *dot) {
    spelling->clear();
    folded->clear();
    std::size_t i = 0;
    if (!text.empty() && text[0] == '"') {
        for (i = 1;; ++i) {
            if (i >= text.size()) return false;  // unterminated
            if (text[i] != '"') {
                *spelling += text[i];
                continue;
            }
            if (i + 1 < text.size() && text[i + 1] == '"') {
                *spelling += '"';
                ++i;
                continue;
            }
            ++i;
            break;
        }
        if (i < text.size() && text[i] != '.') return false;
    } else {
        while (i < text.size() && text[i] != '.') {
            if (text[i] == '"') return false;
            *spelling += text[i++];
        }
        std::string lower = *spelling;
        for (char &c : lower) c = ascii_tolower(c);
        if (lower != *spelling) *folded = std::move(lower);
    }
    if (spelling->empty()) return false;
    *dot = i < text.size();
    *rest = *dot ? text.substr(i + 1) : std::string_view();
    return true;
}

}  // namespace

bool parse_object_name(std::string_view text, pqx::TableName *out) {
    *out = pqx::TableName{};
    std::string_view rest;
    bool dot = false;
    if (!read_part(text, &out->table, &out->tableFolded, &rest, &dot)) return false;
    if (!dot) return true;
    out->schema = std::move(out->table);
    out->schemaFolded = std::move(out->tableFolded);
    if (!read_part(rest, &out->table, &out->tableFolded, &rest, &dot)) return false;
    return !dot;
}

}  // namespace vsk
