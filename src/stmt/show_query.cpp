#include "stmt/show_query.h"

#include <array>
#include <utility>

#include "nls/ascii.h"
#include "stmt/statement_text.h"

namespace vsk {

namespace {

bool identifier_char(char c) {
    return ascii_isalnum(c) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// The next word of text when it is `word` (any case), consumed with the blanks after it.
bool take_word(std::string_view *text, std::string_view word) {
    if (text->size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (ascii_toupper((*text)[i]) != word[i]) return false;
    if (text->size() > word.size() && identifier_char((*text)[word.size()])) return false;
    *text = trim_statement(text->substr(word.size()));
    return true;
}

// One part of a setting's name: a plain identifier, folded to lower case, or a quoted one
// as written. false when text starts with neither.
bool take_name_part(std::string_view *text, std::string *out) {
    std::string_view s = *text;
    if (!s.empty() && s.front() == '"') {
        std::size_t i = 1;
        for (;; ++i) {
            if (i >= s.size()) return false;
            if (s[i] != '"') {
                out->push_back(s[i]);
                continue;
            }
            if (i + 1 < s.size() && s[i + 1] == '"') {
                out->push_back('"');
                ++i;
                continue;
            }
            break;
        }
        if (i == 1) return false;
        *text = s.substr(i + 1);
        return true;
    }
    if (s.empty() || ascii_isdigit(s.front()) || s.front() == '$' || !identifier_char(s.front())) return false;
    std::size_t i = 0;
    while (i < s.size() && identifier_char(s[i])) out->push_back(ascii_tolower(s[i++]));
    *text = s.substr(i);
    return true;
}

// The column name SHOW gives: the setting's own spelling for the few that are not all
// lower case, else the name asked for.
std::string column_name(const std::string &name) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kMixedCase{{
        {"datestyle", "DateStyle"}, {"intervalstyle", "IntervalStyle"}, {"timezone", "TimeZone"}}};
    for (const auto &[lower, spelled] : kMixedCase)
        if (name == lower) return std::string(spelled);
    return name;
}

std::string quoted(std::string_view s, char quote) {
    std::string out(1, quote);
    for (char c : s) {
        if (c == quote) out.push_back(quote);
        out.push_back(c);
    }
    out.push_back(quote);
    return out;
}

}  // namespace

std::optional<std::string> show_as_select(std::string_view text) {
    text = trim_statement(text);
    if (!take_word(&text, "SHOW")) return std::nullopt;
    while (!text.empty() && (text.back() == ';' || text.back() == ' ' || text.back() == '\t' ||
                             text.back() == '\n' || text.back() == '\r' || text.back() == '\f'))
        text.remove_suffix(1);
    std::string name;
    if (take_word(&text, "ALL")) {
        if (!text.empty()) return std::nullopt;
        return std::string(
            "SELECT name, pg_catalog.current_setting(name) AS setting, short_desc AS description "
            "FROM pg_catalog.pg_settings ORDER BY name");
    }
    // The multi-word forms name the setting they show.
    std::string_view rest = text;
    if (take_word(&rest, "TIME") && take_word(&rest, "ZONE") && rest.empty()) {
        name = "timezone";
    } else if (rest = text; take_word(&rest, "TRANSACTION") && take_word(&rest, "ISOLATION") &&
                            take_word(&rest, "LEVEL") && rest.empty()) {
        name = "transaction_isolation";
    } else if (rest = text; take_word(&rest, "SESSION") && take_word(&rest, "AUTHORIZATION") && rest.empty()) {
        name = "session_authorization";
    } else {
        // name or prefix.name (settings of extensions), each part plain or quoted.
        for (;;) {
            if (!take_name_part(&text, &name)) return std::nullopt;
            text = trim_statement(text);
            if (text.empty()) break;
            if (text.front() != '.') return std::nullopt;
            name.push_back('.');
            text = trim_statement(text.substr(1));
        }
    }
    // A backslash would read differently under standard_conforming_strings off.
    if (name.find('\\') != std::string::npos || name.find('\0') != std::string::npos) return std::nullopt;
    return "SELECT pg_catalog.current_setting(" + quoted(name, '\'') + ") AS " + quoted(column_name(name), '"');
}

}  // namespace vsk
