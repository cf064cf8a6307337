#include "pqx/standins.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "nls/ascii.h"
#include "pqx/server_wait.h"

namespace vsk::pqx {

namespace {

constexpr char kStmtLevelTx[] = "vsk_stmt_level_tx";
constexpr Oid kTextOid = 25;

struct Token {
    enum Kind { WORD, STRING, SYMBOL } kind;
    std::string text;
};

bool word_byte(char c) { return ascii_isalnum(c) || c == '_'; }
bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Words, single-quoted literals ('' for a quote) and "="; a trailing ";" is dropped.
// False for anything else, which the stand-ins never answer.
bool lex(std::string_view s, std::vector<Token> *out) {
    std::size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (blank(c)) {
            ++i;
        } else if (word_byte(c)) {
            std::size_t start = i;
            while (i < s.size() && word_byte(s[i])) ++i;
            out->push_back({Token::WORD, std::string(s.substr(start, i - start))});
        } else if (c == '\'') {
            std::string text;
            for (++i;; ++i) {
                if (i >= s.size()) return false;
                if (s[i] == '\'') {
                    if (i + 1 < s.size() && s[i + 1] == '\'') {
                        text += '\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += s[i];
            }
            out->push_back({Token::STRING, std::move(text)});
        } else if (c == '=') {
            out->push_back({Token::SYMBOL, "="});
            ++i;
        } else if (c == ';') {
            for (++i; i < s.size(); ++i)
                if (!blank(s[i])) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool is_word(const Token &t, const char *word) {
    return t.kind == Token::WORD && ascii_casecmp(t.text.c_str(), word) == 0;
}

// The values PostgreSQL accepts for a boolean setting (besides prefixes); -1 for others.
int boolean_value(const Token &t) {
    if (t.kind == Token::SYMBOL) return -1;
    if (t.kind == Token::WORD && ascii_casecmp(t.text.c_str(), "default") == 0) return 0;
    for (const char *yes : {"on", "true", "yes", "1"})
        if (ascii_casecmp(t.text.c_str(), yes) == 0) return 1;
    for (const char *no : {"off", "false", "no", "0"})
        if (ascii_casecmp(t.text.c_str(), no) == 0) return 0;
    return -1;
}

PGresult *command_ok(PGconn *conn) { return PQmakeEmptyPGresult(conn, PGRES_COMMAND_OK); }

// orafce's to_char and to_date without a format follow its own setting: it gets the
// session's format too, where the database has the extension. A failure (an aborted
// transaction) changes nothing the library keeps.
void set_orafce_format(PGconn *conn, const std::string &format) {
    const char *values[] = {format.c_str()};
    PGresult *r = wait_exec_params(conn,
                               "SELECT set_config('orafce.nls_date_format', $1, false) FROM pg_extension "
                               "WHERE extname = 'orafce'",
                               1, nullptr, values, nullptr, nullptr, 0);
    PQclear(r);
}

PGresult *show_result(PGconn *conn, bool on) {
    PGresult *r = PQmakeEmptyPGresult(conn, PGRES_TUPLES_OK);
    if (!r) return nullptr;
    PGresAttDesc column{};
    column.name = const_cast<char *>(kStmtLevelTx);
    column.typid = kTextOid;
    column.typlen = -1;
    column.atttypmod = -1;
    const char *value = on ? "on" : "off";
    if (!PQsetResultAttrs(r, 1, &column) || !PQsetvalue(r, 0, 0, const_cast<char *>(value), static_cast<int>(std::strlen(value)))) {
        PQclear(r);
        return nullptr;
    }
    return r;
}

}  // namespace

PGresult *answer_standin(PGconn *conn, ConnState *state, const char *command) noexcept {
    if (!state || !command) return nullptr;
    try {
        std::vector<Token> t;
        if (!lex(command, &t) || t.empty()) return nullptr;
        if (t.size() == 6 && is_word(t[0], "alter") && is_word(t[1], "session") && is_word(t[2], "set") &&
            is_word(t[3], "nls_date_format") && t[4].kind == Token::SYMBOL && t[5].kind == Token::STRING) {
            state->nlsDateFormat = t[5].text;
            set_orafce_format(conn, t[5].text);
            return command_ok(conn);
        }
        if (t.size() == 4 && is_word(t[0], "set") && is_word(t[1], kStmtLevelTx) &&
            (t[2].kind == Token::SYMBOL || is_word(t[2], "to"))) {
            // Anything else goes to the server, which rejects it with its own error.
            int value = boolean_value(t[3]);
            if (value < 0) return nullptr;
            state->stmtLevelTx = value == 1;
            return command_ok(conn);
        }
        if (t.size() == 2 && is_word(t[0], "reset") && is_word(t[1], kStmtLevelTx)) {
            state->stmtLevelTx = false;
            return command_ok(conn);
        }
        if (t.size() == 2 && is_word(t[0], "show") && is_word(t[1], kStmtLevelTx))
            return show_result(conn, state->stmtLevelTx);
        return nullptr;
    } catch (...) {
        return nullptr;
    }
}

bool statement_level_rollback(const PGconn *conn) noexcept {
    const ConnState *state = state_of(conn);
    return state && !state->vendorExtras && state->stmtLevelTx;
}

}  // namespace vsk::pqx
