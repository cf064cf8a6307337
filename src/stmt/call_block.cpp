// Scanner and recursive-descent parser for the call-block grammar:
//   block → call | (empty)
//   call  → BEGIN identifier "(" args ")" ";" END [";"]
//         | BEGIN placeholder ":" "=" identifier "(" args ")" ";" END [";"]
//   args  → placeholder { "," placeholder } | (empty)
#include "stmt/call_block.h"

#include <new>
#include <vector>

#include "env/trace.h"
#include "nls/ascii.h"

namespace vsk {

namespace {

enum Token { T_END_OF_INPUT, T_BEGIN, T_END, T_IDENT, T_PLACEHOLDER, T_CHAR };

bool high(char c) { return static_cast<unsigned char>(c) >= 128; }
bool word_start(char c) { return ascii_isalpha(c) || c == '_' || high(c); }
bool word_byte(char c) { return word_start(c) || ascii_isdigit(c) || c == '$' || c == '#'; }
bool single_char(char c) {
    for (char s : std::string_view("(),;:=.+-*/<>[]%^"))
        if (c == s) return true;
    return false;
}

bool same_word(std::string_view w, const char *keyword) {
    std::size_t i = 0;
    for (; i < w.size() && keyword[i]; ++i)
        if (ascii_tolower(w[i]) != keyword[i]) return false;
    return i == w.size() && !keyword[i];
}

class Scanner {
public:
    explicit Scanner(std::string_view in) : in_(in) {}

    // The next token; its text is in text(), a single character in ch().
    Token next() {
        for (;;) {
            while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\t' || in_[pos_] == '\r' || in_[pos_] == '\n'))
                ++pos_;
            if (pos_ >= in_.size()) return T_END_OF_INPUT;
            const char c = in_[pos_];
            if (c == '#') {
                while (pos_ < in_.size() && in_[pos_] != '\n') ++pos_;
                continue;
            }
            if (c == ':' && pos_ + 1 < in_.size() && (word_start(in_[pos_ + 1]) || ascii_isdigit(in_[pos_ + 1]))) {
                const std::size_t start = pos_++;
                if (ascii_isdigit(in_[pos_])) {
                    while (pos_ < in_.size() && ascii_isdigit(in_[pos_])) ++pos_;
                } else {
                    while (pos_ < in_.size() && word_byte(in_[pos_])) ++pos_;
                }
                text_ = in_.substr(start, pos_ - start);
                return T_PLACEHOLDER;
            }
            if (word_start(c)) {
                const std::size_t start = pos_;
                bool dotted = false;
                for (;;) {
                    while (pos_ < in_.size() && word_byte(in_[pos_])) ++pos_;
                    if (pos_ + 1 < in_.size() && in_[pos_] == '.' && word_start(in_[pos_ + 1])) {
                        dotted = true;
                        ++pos_;
                        continue;
                    }
                    break;
                }
                text_ = in_.substr(start, pos_ - start);
                if (!dotted && same_word(text_, "begin")) return T_BEGIN;
                if (!dotted && same_word(text_, "end")) return T_END;
                return T_IDENT;
            }
            ++pos_;
            if (single_char(c)) {
                ch_ = c;
                return T_CHAR;
            }
            // Digits outside placeholders, quotes and the like take no part in a call.
            ocitrace(TRACE_SQL, "call block", "ignored %c\n", c);
        }
    }

    std::string_view text() const { return text_; }
    char ch() const { return ch_; }

private:
    std::string_view in_;
    std::size_t pos_ = 0;
    std::string_view text_;
    char ch_ = 0;
};

struct SyntaxError {};

class Parser {
public:
    explicit Parser(std::string_view in) : scanner_(in) { advance(); }

    bool block(CallNode *node) {
        if (tok_ == T_END_OF_INPUT) return false;  // the empty block: accepted, no call
        expect(T_BEGIN);
        if (tok_ == T_PLACEHOLDER) {
            node->target = std::string(scanner_.text());
            node->isFunction = true;
            advance();
            expect_char(':');
            expect_char('=');
        }
        if (tok_ != T_IDENT) throw SyntaxError{};
        node->procName = std::string(scanner_.text());
        advance();
        expect_char('(');
        std::string args;
        if (tok_ == T_PLACEHOLDER) {
            args = std::string(scanner_.text());
            advance();
            while (is_char(',')) {
                advance();
                if (tok_ != T_PLACEHOLDER) throw SyntaxError{};
                args += " , ";
                args += scanner_.text();
                advance();
            }
        }
        expect_char(')');
        expect_char(';');
        expect(T_END);
        if (is_char(';')) advance();
        if (tok_ != T_END_OF_INPUT) throw SyntaxError{};
        node->callText = "CALL " + node->procName + " ( " + args + " );";
        return true;
    }

private:
    bool is_char(char c) const { return tok_ == T_CHAR && scanner_.ch() == c; }
    void expect(Token t) {
        if (tok_ != t) throw SyntaxError{};
        advance();
    }
    void expect_char(char c) {
        if (!is_char(c)) throw SyntaxError{};
        advance();
    }
    void advance() { tok_ = scanner_.next(); }

    Scanner scanner_;
    Token tok_ = T_END_OF_INPUT;
};

}  // namespace

int parse_call_block(std::string_view text, CallNode *node) noexcept {
    try {
        *node = CallNode{};
        Parser parser(text);
        parser.block(node);
        return 0;
    } catch (const SyntaxError &) {
        ocitrace(TRACE_SQL, "call block", "syntax error\n");
    } catch (const std::bad_alloc &) {
        ocitrace(TRACE_SQL, "call block", "memory exhausted\n");
        *node = CallNode{};
        return 2;
    } catch (...) {
    }
    *node = CallNode{};
    return 1;
}

}  // namespace vsk
