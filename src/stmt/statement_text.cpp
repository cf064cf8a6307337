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

}  // namespace

std::string_view trim_statement(std::string_view text) noexcept {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
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

}  // namespace vsk
