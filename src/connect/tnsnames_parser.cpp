// Recursive descent over the grammar: every rule starts with "(" KEYWORD "=", so the
// keyword after an opening parenthesis decides the rule.
#include "connect/tnsnames_parser.h"

#include <cstdio>
#include <initializer_list>
#include <new>

#include "connect/tnsnames_scanner.h"

namespace vsk {

namespace {

struct SyntaxError {};

class TnsParser {
public:
    explicit TnsParser(std::string_view input) : scanner_(input) { advance(); }

    TnsEntryList file() {
        TnsEntryList entries;
        do entries.push_back(entry());
        while (tok_ != TNS_END);
        return entries;
    }

    int lineno() const { return scanner_.lineno(); }
    const char *scanner_message() const { return scanner_.message(); }

private:
    // entry: IDENT "=" description | IDENT "=" (DESCRIPTION_LIST = description+)
    std::unique_ptr<OCINetServiceName> entry() {
        std::string name = take(TNS_IDENT);
        expect('=');
        std::unique_ptr<OCINetServiceName> result;
        if (open_keyword() == KW_DESCRIPTION_LIST) {
            expect('=');
            result = description_body();
            // Of a description list only the first description survives.
            while (tok_ == '(') description_body();
            expect(')');
        } else {
            result = description_after_open();
        }
        result->name = std::move(name);
        return result;
    }

    // After "(" DESCRIPTION_LIST "=": one description, opening parenthesis included.
    std::unique_ptr<OCINetServiceName> description_body() {
        if (open_keyword() != KW_DESCRIPTION) fail();
        return description_after_keyword();
    }

    // The current keyword has been read after "(": it must be DESCRIPTION.
    std::unique_ptr<OCINetServiceName> description_after_open() {
        if (last_keyword_ != KW_DESCRIPTION) fail();
        return description_after_keyword();
    }

    // description: (DESCRIPTION = descparam+), from "=" on.
    std::unique_ptr<OCINetServiceName> description_after_keyword() {
        expect('=');
        auto nsn = std::make_unique<OCINetServiceName>();
        do descparam(*nsn);
        while (tok_ == '(');
        expect(')');
        return nsn;
    }

    void descparam(OCINetServiceName &nsn) {
        switch (open_keyword()) {
        case KW_ADDRESS:
            keep_first(nsn.address, address_after_keyword());
            return;
        case KW_ADDRESS_LIST:
            expect('=');
            do {
                if (open_keyword() != KW_ADDRESS) fail();
                keep_first(nsn.address, address_after_keyword());
            } while (tok_ == '(');
            expect(')');
            return;
        case KW_CONNECT_DATA:
            expect('=');
            do cdparam(nsn);
            while (tok_ == '(');
            expect(')');
            return;
        case KW_FAILOVER: case KW_LOAD_BALANCE: case KW_SOURCE_ROUTE:
            value_then_close([this] { boolean(); });
            return;
        case KW_RECV_BUF_SIZE: case KW_SDU: case KW_SEND_BUF_SIZE:
            value_then_close([this] { take(TNS_ICONST); });
            return;
        case KW_TYPE_OF_SERVICE:
            value_then_close([this] { take(TNS_IDENT); });
            return;
        case KW_SECURITY:
            value_then_close([this] {
                if (open_keyword() != KW_SSL_SERVER_CERT_DN) fail();
                value_then_close([this] { take(TNS_QSTRING); });
            });
            return;
        default:
            fail();
        }
    }

    // address: (ADDRESS = addrparam+), from "=" on; the first host and port win.
    std::unique_ptr<OCIAddress> address_after_keyword() {
        expect('=');
        auto address = std::make_unique<OCIAddress>();
        do {
            switch (open_keyword()) {
            case KW_HOST:
                value_then_close([&] {
                    if (tok_ != TNS_IDENT && tok_ != TNS_IPADDR) fail();
                    auto host = std::make_unique<OCIHost>();
                    host->host = take(tok_);
                    keep_first(address->host, std::move(host));
                });
                break;
            case KW_PORT:
                value_then_close([&] {
                    if (tok_ != TNS_ICONST) fail();
                    auto port = std::make_unique<OCIPort>();
                    char buf[32];
                    std::snprintf(buf, sizeof buf, "%ld", scanner_.value());
                    port->port = buf;
                    advance();
                    keep_first(address->port, std::move(port));
                });
                break;
            case KW_PROTOCOL:
                value_then_close([this] { one_of({KW_TCP, KW_IPC, KW_DECNET}); });
                break;
            case KW_KEY: case KW_COMMUNITY: case KW_OBJECT: case KW_NODE:
                value_then_close([this] { take(TNS_IDENT); });
                break;
            default:
                fail();
            }
        } while (tok_ == '(');
        expect(')');
        return address;
    }

    void cdparam(OCINetServiceName &nsn) {
        switch (open_keyword()) {
        case KW_SID:
            value_then_close([&] {
                auto sid = std::make_unique<OCISid>();
                sid->sid = take(TNS_IDENT);
                keep_first(nsn.sid, std::move(sid));
            });
            return;
        case KW_SERVICE_NAME: case KW_INSTANCE_NAME: case KW_GLOBAL_NAME: case KW_RDB_DATABASE:
        case KW_PRESENTATION:
            value_then_close([this] { take(TNS_IDENT); });
            return;
        case KW_SERVER:
            value_then_close([this] { one_of({KW_DEDICATED, KW_SHARED}); });
            return;
        case KW_HS:
            value_then_close([this] { one_of({KW_OK}); });
            return;
        case KW_FAILOVER_MODE:
            expect('=');
            do fmparam();
            while (tok_ == '(');
            expect(')');
            return;
        default:
            fail();
        }
    }

    void fmparam() {
        switch (open_keyword()) {
        case KW_BACKUP:
            expect('=');
            expect(')');
            return;
        case KW_TYPE:
            value_then_close([this] { one_of({KW_SESSION, KW_SELECT, KW_NONE}); });
            return;
        case KW_METHOD:
            value_then_close([this] { one_of({KW_BASIC, KW_PRECONNECT}); });
            return;
        case KW_RETRIES: case KW_DELAY:
            value_then_close([this] { take(TNS_ICONST); });
            return;
        default:
            fail();
        }
    }

    void boolean() { one_of({KW_ON, KW_OFF, KW_YES, KW_NO, KW_TRUE, KW_FALSE}); }

    // "=" value ")" after "(" KEYWORD.
    template <class Value>
    void value_then_close(Value &&value) {
        expect('=');
        value();
        expect(')');
    }

    // "(" KEYWORD: returns the keyword's index.
    int open_keyword() {
        expect('(');
        int kw = tok_ - TNS_KEYWORD_FIRST;
        if (kw < 0 || kw >= KW_COUNT) fail();
        advance();
        last_keyword_ = kw;
        return kw;
    }

    void one_of(std::initializer_list<TnsKeyword> allowed) {
        for (TnsKeyword k : allowed)
            if (tok_ == tns_keyword_token(k)) {
                advance();
                return;
            }
        fail();
    }

    template <class T>
    static void keep_first(std::unique_ptr<T> &slot, std::unique_ptr<T> value) {
        if (!slot) slot = std::move(value);
    }

    std::string take(int token) {
        if (tok_ != token) fail();
        std::string text = scanner_.text();
        advance();
        return text;
    }

    void expect(int token) {
        if (tok_ != token) fail();
        advance();
    }

    void advance() { tok_ = scanner_.next(); }
    [[noreturn]] void fail() { throw SyntaxError{}; }

    TnsScanner scanner_;
    int tok_ = TNS_END;
    int last_keyword_ = -1;
};

}  // namespace

int tnsnamesparse(std::string_view input, TnsEntryList *tnsnames_parsetree_list, TnsSyntaxError *error) noexcept {
    tnsnames_parsetree_list->clear();
    int lineno = 0;
    const char *reason = "syntax error";
    try {
        TnsParser parser(input);
        try {
            *tnsnames_parsetree_list = parser.file();
            return 0;
        } catch (const SyntaxError &) {
            lineno = parser.lineno();
            if (*parser.scanner_message()) reason = parser.scanner_message();
        }
    } catch (const std::bad_alloc &) {
        reason = "memory exhausted";
    } catch (...) {
    }
    tnsnames_parsetree_list->clear();
    try {
        error->lineno = lineno;
        error->message = reason;
    } catch (...) {
    }
    return 1;
}

}  // namespace vsk
