// Tokens of the tnsnames.ora language. One scanner per parse: no shared state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vsk {

enum TnsToken : int {
    TNS_END = 0,
    // Any other single byte is a token of its own value (1-255): "(", ")", "=", ...
    TNS_IDENT = 256,
    TNS_IPADDR,
    TNS_ICONST,
    TNS_QSTRING,
    TNS_ERROR,  // scanner failure; message() says why
    TNS_KEYWORD_FIRST,  // keywords follow, in the order of kTnsKeywords
};

// The keywords, sorted; a keyword's token is TNS_KEYWORD_FIRST plus its index.
enum TnsKeyword : int {
    KW_ADDRESS, KW_ADDRESS_LIST, KW_BACKUP, KW_BASIC, KW_COMMUNITY, KW_CONNECT_DATA, KW_DECNET,
    KW_DEDICATED, KW_DELAY, KW_DESCRIPTION, KW_DESCRIPTION_LIST, KW_FAILOVER, KW_FAILOVER_MODE,
    KW_FALSE, KW_GLOBAL_NAME, KW_HOST, KW_HS, KW_INSTANCE_NAME, KW_IPC, KW_KEY, KW_LOAD_BALANCE,
    KW_METHOD, KW_NO, KW_NODE, KW_NONE, KW_OBJECT, KW_OFF, KW_OK, KW_ON, KW_PORT, KW_PRECONNECT,
    KW_PRESENTATION, KW_PROTOCOL, KW_RDB_DATABASE, KW_RECV_BUF_SIZE, KW_RETRIES, KW_SDU,
    KW_SECURITY, KW_SELECT, KW_SEND_BUF_SIZE, KW_SERVER, KW_SERVICE_NAME, KW_SESSION, KW_SHARED,
    KW_SID, KW_SOURCE_ROUTE, KW_SSL_SERVER_CERT_DN, KW_TCP, KW_TRUE, KW_TYPE, KW_TYPE_OF_SERVICE,
    KW_YES,
    KW_COUNT
};

constexpr int tns_keyword_token(TnsKeyword k) { return static_cast<int>(TNS_KEYWORD_FIRST) + static_cast<int>(k); }

// Keyword index of word (compared in lower case), or -1.
int tns_keyword_lookup(std::string_view word);
const char *tns_keyword_name(int index);

class TnsScanner {
public:
    explicit TnsScanner(std::string_view input) : in_(input) {}

    // The next token; its text (IDENT, IPADDR, QSTRING) or value (ICONST) is kept until the next call.
    int next();

    const std::string &text() const { return text_; }
    long value() const { return value_; }
    int lineno() const { return lineno_; }
    const char *message() const { return message_; }

private:
    void skip_blanks_and_comments();
    int scan_word();
    int scan_digits();
    int scan_quoted();

    std::string_view in_;
    std::size_t pos_ = 0;
    int lineno_ = 1;
    std::string text_;
    long value_ = 0;
    const char *message_ = "";
};

}  // namespace vsk
