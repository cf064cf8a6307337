// The tnsnames.ora language: accepted files, their records, and rejected input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "connect/tnsnames_parser.h"
#include "connect/tnsnames_scanner.h"

namespace {

using vsk::TnsEntryList;
using vsk::TnsSyntaxError;

struct Parsed {
    int rc;
    TnsEntryList entries;
    TnsSyntaxError error;
};

Parsed parse(const std::string &text) {
    Parsed p;
    p.rc = vsk::tnsnamesparse(text, &p.entries, &p.error);
    return p;
}

std::string host_of(const vsk::OCINetServiceName &e) {
    return e.address && e.address->host ? e.address->host->host : "<none>";
}
std::string port_of(const vsk::OCINetServiceName &e) {
    return e.address && e.address->port ? e.address->port->port : "<none>";
}
std::string sid_of(const vsk::OCINetServiceName &e) { return e.sid ? e.sid->sid : "<none>"; }

constexpr const char *kSales =
    "SALES =\n"
    "  (DESCRIPTION =\n"
    "    (ADDRESS = (PROTOCOL = TCP)(HOST = db1.example.com)(PORT = 5445))\n"
    "    (CONNECT_DATA = (SID = sales))\n"
    "  )\n";

TEST(TnsKeywords, AreSortedForBisection) {
    for (int i = 1; i < vsk::KW_COUNT; ++i)
        EXPECT_LT(std::strcmp(vsk::tns_keyword_name(i - 1), vsk::tns_keyword_name(i)), 0) << i;
    EXPECT_EQ(vsk::KW_COUNT, 52);
    EXPECT_EQ(vsk::tns_keyword_lookup("Service_Name"), vsk::KW_SERVICE_NAME);
    EXPECT_EQ(vsk::tns_keyword_lookup("services"), -1);
    EXPECT_EQ(vsk::tns_keyword_lookup(std::string(200, 'a')), -1);
}

TEST(TnsScannerTokens, LongestMatchClasses) {
    vsk::TnsScanner s("db1.example.com 10.0.0.7 1.2.3 host.sid x-y$z \"a\nb\" ( # note\n=");
    EXPECT_EQ(s.next(), vsk::TNS_IDENT);
    EXPECT_EQ(s.text(), "db1.example.com");
    EXPECT_EQ(s.next(), vsk::TNS_IPADDR);
    EXPECT_EQ(s.text(), "10.0.0.7");
    // Three groups are no address: a number, then a stray dot.
    EXPECT_EQ(s.next(), vsk::TNS_ICONST);
    EXPECT_EQ(s.value(), 1);
    EXPECT_EQ(s.next(), '.');
    EXPECT_EQ(s.next(), vsk::TNS_ICONST);
    EXPECT_EQ(s.next(), '.');
    EXPECT_EQ(s.next(), vsk::TNS_ICONST);
    // Dotted words are never keywords.
    EXPECT_EQ(s.next(), vsk::TNS_IDENT);
    EXPECT_EQ(s.text(), "host.sid");
    EXPECT_EQ(s.next(), vsk::TNS_IDENT);
    EXPECT_EQ(s.text(), "x-y$z");
    EXPECT_EQ(s.next(), vsk::TNS_QSTRING);
    EXPECT_EQ(s.text(), "a\nb");
    EXPECT_EQ(s.next(), '(');
    EXPECT_EQ(s.next(), '=');
    EXPECT_EQ(s.lineno(), 3);
    EXPECT_EQ(s.next(), vsk::TNS_END);
}

TEST(TnsGrammar, TheSalesEntry) {
    Parsed p = parse(kSales);
    ASSERT_EQ(p.rc, 0) << p.error.lineno << ":" << p.error.message;
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0]->name, "SALES");
    EXPECT_EQ(host_of(*p.entries[0]), "db1.example.com");
    EXPECT_EQ(port_of(*p.entries[0]), "5445");
    EXPECT_EQ(sid_of(*p.entries[0]), "sales");
}

TEST(TnsGrammar, ServiceNameKeepsNoDatabase) {
    Parsed p = parse("s = (DESCRIPTION = (ADDRESS = (HOST = h)(PORT = 1)) (CONNECT_DATA = (SERVICE_NAME = sales)))");
    ASSERT_EQ(p.rc, 0);
    EXPECT_EQ(sid_of(*p.entries[0]), "<none>");
}

TEST(TnsGrammar, FirstAddressFirstHostFirstSidWin) {
    Parsed p = parse(
        "multi = (description =\n"
        "  (address_list = (address = (host = first)(port = 1)) (address = (host = second)(port = 2)))\n"
        "  (address = (host = third))\n"
        "  (connect_data = (sid = one)(sid = two)(server = dedicated)(hs = ok)\n"
        "     (failover_mode = (backup = )(type = select)(method = basic)(retries = 3)(delay = 5)))\n"
        "  (failover = yes)(load_balance = off)(sdu = 8192)(recv_buf_size = 1)(send_buf_size = 2)\n"
        "  (source_route = true)(type_of_service = x)\n"
        "  (security = (ssl_server_cert_dn = \"cn=db, o=example\")))\n"
        "other = (DESCRIPTION = (ADDRESS = (PROTOCOL = IPC)(KEY = k)(HOST = a)(HOST = b)(PORT = 7)(PORT = 8)))\n");
    ASSERT_EQ(p.rc, 0) << p.error.lineno << ":" << p.error.message;
    ASSERT_EQ(p.entries.size(), 2u);
    EXPECT_EQ(host_of(*p.entries[0]), "first");
    EXPECT_EQ(port_of(*p.entries[0]), "1");
    EXPECT_EQ(sid_of(*p.entries[0]), "one");
    EXPECT_EQ(p.entries[1]->name, "other");
    EXPECT_EQ(host_of(*p.entries[1]), "a");
    EXPECT_EQ(port_of(*p.entries[1]), "7");
}

TEST(TnsGrammar, DescriptionListKeepsTheFirstDescription) {
    Parsed p = parse(
        "# comment line\n"
        "dl = (DESCRIPTION_LIST = (DESCRIPTION = (ADDRESS = (HOST = 10.0.0.7)(PORT = 0042)))\n"
        "                         (DESCRIPTION = (ADDRESS = (HOST = later))))");
    ASSERT_EQ(p.rc, 0);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(host_of(*p.entries[0]), "10.0.0.7");
    // The port is the integer written in the file.
    EXPECT_EQ(port_of(*p.entries[0]), "42");
}

TEST(TnsGrammar, RejectsWhatTheLanguageDoesNotHave) {
    const char *bad[] = {
        "",                                                           // no entry
        "# only a comment\n",                                         // no entry
        "s = (DESCRIPTION = (ADDRESS = (HOST = \"db1\")))",          // quoted host
        "s = (DESCRIPTION = (ADDRESS = (PORT = five)))",              // port as text
        "s = (DESCRIPTION = (ADDRESS = (HOST = h))",                  // unbalanced
        "s = (DESCRIPTION = (ADDRESS = (HOST = h))))",                // one too many
        "s = (DESCRIPTION = )",                                       // no parameter
        "s = (DESCRIPTION = (CONNECT_DATA = (SID = on)))",            // keyword as value
        "s = (DESCRIPTION = (ADDRESS = (PROTOCOL = UDP)))",           // unknown protocol
        "s = (DESCRIPTION = (BOGUS = 1))",                            // unknown parameter
        "host = (DESCRIPTION = (ADDRESS = (HOST = h)))",              // keyword as name
        "s = (DESCRIPTION_LIST = (ADDRESS = (HOST = h)))",            // list of non-descriptions
        "s = (DESCRIPTION = (ADDRESS = (HOST = h)(PORT = 1)",         // truncated
        "s = (DESCRIPTION = (SECURITY = (SSL_SERVER_CERT_DN = \"x)))",  // unterminated quote
        "s = (DESCRIPTION = (ADDRESS = (HOST = h))) t",               // trailing junk
    };
    for (const char *text : bad) {
        Parsed p = parse(text);
        EXPECT_NE(p.rc, 0) << text;
        EXPECT_TRUE(p.entries.empty()) << text;
        EXPECT_FALSE(p.error.message.empty()) << text;
    }
    Parsed q = parse("s = (DESCRIPTION = (SECURITY = (SSL_SERVER_CERT_DN = \"x)))");
    EXPECT_EQ(q.error.message, "unterminated quoted identifier");
    Parsed r = parse("a = (DESCRIPTION = (ADDRESS = (HOST = h)))\n\nb = (DESCRIPTION = (ADDRESS = (HOST = )))");
    EXPECT_EQ(r.error.message, "syntax error");
    EXPECT_EQ(r.error.lineno, 3);
}

TEST(TnsGrammar, EmbeddedZeroByteIsAnError) {
    std::string text = std::string("s = (DESCRIPTION = (ADDRESS = (HOST = h)))") + '\0' + "junk";
    EXPECT_NE(parse(text).rc, 0);
}

// Cut-off and mangled copies of a valid file, and random bytes, are rejected or
// accepted but never crash or leak (the suite also runs under ASan and valgrind).
TEST(TnsGrammar, SurvivesTruncationAndGarbage) {
    const std::string good = kSales;
    for (std::size_t n = 0; n < good.rfind(')'); ++n) {
        Parsed p = parse(good.substr(0, n));
        if (p.rc == 0) ADD_FAILURE() << "prefix of " << n << " bytes accepted";
    }
    std::mt19937 rng(1234);
    for (int i = 0; i < 2000; ++i) {
        std::string text = good;
        for (int k = 0; k < 3; ++k) text[rng() % text.size()] = static_cast<char>(rng() % 256);
        parse(text);
        std::string noise(rng() % 200, '\0');
        for (char &c : noise) c = static_cast<char>(rng() % 256);
        parse(noise);
    }
    // Deep nesting the grammar does not allow stops at the first extra parenthesis.
    EXPECT_NE(parse("s = " + std::string(100000, '(')).rc, 0);
}

TEST(TnsGrammar, ParsesConcurrentlyWithoutSharedState) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < 200; ++i) {
                Parsed p = parse(t % 2 ? kSales : "bad = (");
                bool ok = t % 2 ? (p.rc == 0 && host_of(*p.entries[0]) == "db1.example.com") : p.rc != 0;
                if (!ok) ++failures[t];
            }
        });
    for (auto &th : threads) th.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
