#include "connect/tnsnames_scanner.h"

#include "nls/ascii.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace vsk {

namespace {

constexpr const char *kTnsKeywords[] = {
    "address", "address_list", "backup", "basic", "community", "connect_data", "decnet",
    "dedicated", "delay", "description", "description_list", "failover", "failover_mode",
    "false", "global_name", "host", "hs", "instance_name", "ipc", "key", "load_balance",
    "method", "no", "node", "none", "object", "off", "ok", "on", "port", "preconnect",
    "presentation", "protocol", "rdb_database", "recv_buf_size", "retries", "sdu",
    "security", "select", "send_buf_size", "server", "service_name", "session", "shared",
    "sid", "source_route", "ssl_server_cert_dn", "tcp", "true", "type", "type_of_service",
    "yes",
};
static_assert(std::size(kTnsKeywords) == KW_COUNT);

constexpr std::size_t kMaxKeywordLength = 63;

// Bytes 128-255 count as letters, so names in any 8-bit or UTF-8 encoding scan as words.
bool is_letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 128; }
bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool starts_word(unsigned char c) { return is_letter(c) || c == '_'; }
bool continues_word(unsigned char c) { return starts_word(c) || is_digit(c) || c == '$' || c == '-'; }

}  // namespace

int tns_keyword_lookup(std::string_view word) {
    if (word.size() > kMaxKeywordLength) return -1;
    char buf[kMaxKeywordLength + 1];
    std::transform(word.begin(), word.end(), buf, ascii_tolower);
    std::string_view key(buf, word.size());
    auto first = std::begin(kTnsKeywords), last = std::end(kTnsKeywords);
    auto it = std::lower_bound(first, last, key, [](const char *a, std::string_view b) { return a < b; });
    if (it == last || key != *it) return -1;
    return static_cast<int>(it - first);
}

const char *tns_keyword_name(int index) {
    return index >= 0 && index < KW_COUNT ? kTnsKeywords[index] : nullptr;
}

void TnsScanner::skip_blanks_and_comments() {
    while (pos_ < in_.size()) {
        char c = in_[pos_];
        if (c == '\n') {
            ++lineno_;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\f' || c == '\r') {
            ++pos_;
        } else if (c == '#') {
            while (pos_ < in_.size() && in_[pos_] != '\n') ++pos_;
        } else {
            return;
        }
    }
}

int TnsScanner::next() {
    text_.clear();
    value_ = 0;
    skip_blanks_and_comments();
    if (pos_ >= in_.size()) return TNS_END;
    auto c = static_cast<unsigned char>(in_[pos_]);
    if (starts_word(c)) return scan_word();
    if (is_digit(c)) return scan_digits();
    if (c == '"') return scan_quoted();
    ++pos_;
    // A NUL byte would read as the end token; it is as invalid as any other stray byte.
    return c == 0 ? static_cast<int>(TNS_ERROR) : c;
}

// A word, or words joined by single dots (a dotted host name, never a keyword).
int TnsScanner::scan_word() {
    std::size_t start = pos_;
    bool dotted = false;
    for (;;) {
        while (pos_ < in_.size() && continues_word(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        if (pos_ + 1 < in_.size() && in_[pos_] == '.' && starts_word(static_cast<unsigned char>(in_[pos_ + 1]))) {
            dotted = true;
            pos_ += 2;
            continue;
        }
        break;
    }
    std::string_view word = in_.substr(start, pos_ - start);
    if (!dotted) {
        int kw = tns_keyword_lookup(word);
        if (kw >= 0) return TNS_KEYWORD_FIRST + kw;
    }
    text_.assign(word);
    return TNS_IDENT;
}

// Decimal digits, or four groups of them joined by dots (an IPv4 address).
int TnsScanner::scan_digits() {
    std::size_t start = pos_;
    auto digits_at = [&](std::size_t p) {
        std::size_t q = p;
        while (q < in_.size() && is_digit(static_cast<unsigned char>(in_[q]))) ++q;
        return q;
    };
    std::size_t end = digits_at(start);
    std::size_t q = end;
    int groups = 1;
    while (groups < 4 && q + 1 < in_.size() && in_[q] == '.' && is_digit(static_cast<unsigned char>(in_[q + 1]))) {
        q = digits_at(q + 1);
        ++groups;
    }
    if (groups == 4) {
        pos_ = q;
        text_.assign(in_.substr(start, q - start));
        return TNS_IPADDR;
    }
    pos_ = end;
    text_.assign(in_.substr(start, end - start));
    value_ = std::strtol(text_.c_str(), nullptr, 10);
    return TNS_ICONST;
}

int TnsScanner::scan_quoted() {
    std::size_t start = ++pos_;
    std::size_t close = in_.find('"', start);
    if (close == std::string_view::npos) {
        message_ = "unterminated quoted identifier";
        pos_ = in_.size();
        return TNS_ERROR;
    }
    std::string_view body = in_.substr(start, close - start);
    lineno_ += static_cast<int>(std::count(body.begin(), body.end(), '\n'));
    text_.assign(body);
    pos_ = close + 1;
    return TNS_QSTRING;
}

}  // namespace vsk
