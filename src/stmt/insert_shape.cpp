#include "stmt/insert_shape.h"

#include "nls/ascii.h"

namespace vsk {

namespace {

// Tokens of the statement, blanks and comments skipped.
class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    std::size_t pos() const { return i_; }
    bool at_end() {
        skip();
        return i_ >= s_.size();
    }
    // The keyword kw (upper case) as a whole word.
    bool keyword(std::string_view kw) {
        skip();
        const std::size_t j = i_;
        if (!word()) return false;
        if (i_ - j == kw.size()) {
            bool same = true;
            for (std::size_t k = 0; k < kw.size() && same; ++k) same = ascii_toupper(s_[j + k]) == kw[k];
            if (same) return true;
        }
        i_ = j;
        return false;
    }
    bool punct(char c) {
        skip();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    // An identifier, bare or quoted.
    bool identifier() {
        skip();
        if (i_ < s_.size() && s_[i_] == '"') {
            for (std::size_t j = i_ + 1; j < s_.size(); ++j) {
                if (s_[j] != '"') continue;
                if (j + 1 < s_.size() && s_[j + 1] == '"') {
                    ++j;
                    continue;
                }
                i_ = j + 1;
                return j > 0;
            }
            return false;
        }
        return word();
    }
    // "name" or "schema.name" (or "db.schema.name").
    bool qualified_name() {
        if (!identifier()) return false;
        for (int parts = 1; parts < 3 && punct('.'); ++parts)
            if (!identifier()) return false;
        return true;
    }
    // "$n" with exactly that number.
    bool placeholder(std::size_t n) {
        skip();
        if (i_ >= s_.size() || s_[i_] != '$') return false;
        std::size_t j = i_ + 1, v = 0;
        while (j < s_.size() && ascii_isdigit(s_[j]) && v < 100000) v = v * 10 + static_cast<std::size_t>(s_[j++] - '0');
        if (j == i_ + 1 || v != n || (j < s_.size() && (ascii_isalnum(s_[j]) || s_[j] == '_'))) return false;
        i_ = j;
        return true;
    }

private:
    static bool word_start(char c) { return ascii_isalpha(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80; }
    static bool word_char(char c) { return word_start(c) || ascii_isdigit(c) || c == '$'; }
    bool word() {
        if (i_ >= s_.size() || !word_start(s_[i_])) return false;
        while (i_ < s_.size() && word_char(s_[i_])) ++i_;
        return true;
    }
    void skip() {
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
                ++i_;
            } else if (c == '-' && i_ + 1 < s_.size() && s_[i_ + 1] == '-') {
                while (i_ < s_.size() && s_[i_] != '\n') ++i_;
            } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '*') {
                const std::size_t end = s_.find("*/", i_ + 2);
                i_ = end == std::string_view::npos ? s_.size() : end + 2;
            } else {
                return;
            }
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

}  // namespace

std::string insert_values_target(std::string_view sql, std::size_t nParams) {
    if (nParams == 0) return {};
    Scanner in(sql);
    if (!in.keyword("INSERT") || !in.keyword("INTO") || !in.qualified_name()) return {};
    if (in.punct('(')) {
        do
            if (!in.identifier()) return {};
        while (in.punct(','));
        if (!in.punct(')')) return {};
    }
    const std::size_t end = in.pos();
    if (!in.keyword("VALUES") || !in.punct('(')) return {};
    for (std::size_t n = 1; n <= nParams; ++n) {
        if (n > 1 && !in.punct(',')) return {};
        if (!in.placeholder(n)) return {};
    }
    if (!in.punct(')')) return {};
    in.punct(';');
    if (!in.at_end()) return {};
    std::size_t start = 0;
    while (start < end && (sql[start] == ' ' || sql[start] == '\t' || sql[start] == '\n' || sql[start] == '\r'))
        ++start;
    std::size_t stop = end;
    while (stop > start && (sql[stop - 1] == ' ' || sql[stop - 1] == '\t' || sql[stop - 1] == '\n' ||
                            sql[stop - 1] == '\r' || sql[stop - 1] == '\f'))
        --stop;
    return std::string(sql.substr(start, stop - start));
}

}  // namespace vsk
