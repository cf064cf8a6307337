#include "stmt/statement_text.h"

#include "nls/ascii.h"

namespace vsk {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

bool starts_with_keyword(std::string_view text, std::string_view keyword) {
    if (text.size() < keyword.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i)
        if (ascii_toupper(text[i]) != keyword[i]) return false;
    return true;
}

// keyword as a whole word: what follows it is no identifier character.
bool starts_with_word(std::string_view text, std::string_view keyword) {
    if (!starts_with_keyword(text, keyword)) return false;
    if (text.size() == keyword.size()) return true;
    const char next = text[keyword.size()];
    return !(ascii_isalnum(next) || next == '_' || next == '$' || static_cast<unsigned char>(next) >= 0x80);
}

}  // namespace

std::string_view trim_statement(std::string_view text) noexcept {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// What follows BEGIN in PostgreSQL's transaction command: nothing, or its options.
static bool opens_transaction(std::string_view rest) noexcept {
    rest = trim_statement(rest);
    if (rest.empty() || rest.front() == ';') return true;
    for (std::string_view option : {"TRANSACTION", "WORK", "ISOLATION", "READ", "NOT", "DEFERRABLE"})
        if (starts_with_word(rest, option)) return true;
    return false;
}

ub2 GetStatementType(std::string_view text) noexcept {
    text = trim_statement(text);
    if (!text.empty() && text.front() == '(') text = trim_statement(text.substr(1));
    static constexpr struct {
        std::string_view keyword;
        ub2 kind;
    } kKinds[] = {
        {"SELECT", OCI_STMT_SELECT}, {"UPDATE", OCI_STMT_UPDATE}, {"DELETE", OCI_STMT_DELETE},
        {"INSERT", OCI_STMT_INSERT}, {"CREATE", OCI_STMT_CREATE}, {"DROP", OCI_STMT_DROP},
        {"ALTER", OCI_STMT_ALTER},   {"BEGIN", OCI_STMT_BEGIN},   {"DECLARE", OCI_STMT_DECLARE},
        {"TRUNCATE", kStmtTruncate}, {"COMMENT", kStmtComment},   {"GRANT", kStmtGrant},
        {"REVOKE", kStmtRevoke},     {"WITH", OCI_STMT_SELECT},
    };
    // PostgreSQL's row-returning commands other than SELECT and WITH.
    for (std::string_view query : {"VALUES", "TABLE", "SHOW"})
        if (starts_with_word(text, query)) return OCI_STMT_SELECT;
    if (starts_with_word(text, "BEGIN") && opens_transaction(text.substr(5))) return 0;
    for (const auto &k : kKinds)
        if (starts_with_keyword(text, k.keyword)) return k.kind;
    return 0;
}

bool IsDDLStatement(ub2 kind) noexcept {
    return kind == OCI_STMT_CREATE || kind == OCI_STMT_DROP || kind == OCI_STMT_ALTER;
}

std::string checkNLSFormat(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    if (from.empty()) return std::string(text);
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
    }
    out.append(text.substr(pos));
    return out;
}

namespace {

bool word_char(char c) { return ascii_isalnum(c) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

bool locks_rows(std::string_view q) noexcept try {
    // The words of the query, lower case, with literals, quoted names and comments left out.
    std::string prev2, prev;
    const std::size_t n = q.size();
    for (std::size_t i = 0; i < n;) {
        const char c = q[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = q.find(c, i + 1);
            i = end == std::string_view::npos ? n : end + 1;
            prev2.clear();
            prev.clear();
            continue;
        }
        if (c == '-' && i + 1 < n && q[i + 1] == '-') {
            const std::size_t end = q.find('\n', i);
            i = end == std::string_view::npos ? n : end + 1;
            continue;
        }
        if (c == '/' && i + 1 < n && q[i + 1] == '*') {
            const std::size_t end = q.find("*/", i + 2);
            i = end == std::string_view::npos ? n : end + 2;
            continue;
        }
        if (!word_char(c)) {
            if (!blank(c)) prev2.clear(), prev.clear();
            ++i;
            continue;
        }
        std::size_t j = i;
        std::string word;
        while (j < n && word_char(q[j])) word += ascii_tolower(q[j++]);
        i = j;
        if ((word == "update" || word == "share") && (prev == "for" || (prev == "key" && prev2 == "for") ||
                                                     (prev == "key" && word == "update")))
            return true;
        prev2 = std::move(prev);
        prev = std::move(word);
    }
    return false;
} catch (...) {
    return true;  // out of memory: taken as locking, which keeps the transaction open
}

}  // namespace vsk
