// XA open strings: keys, the account, the connect string, and what is refused.
#include <gtest/gtest.h>

#include <string>

#include "connect/xa_open_string.h"

namespace {

using vsk::parse_xa_open_string;
using vsk::XaOpenString;

TEST(XaOpenString, EveryKeyIsTaken) {
    XaOpenString o;
    ASSERT_TRUE(parse_xa_open_string(
        "Oracle_XA+HostName=db1+PortNumber=5444+SqlNet=sales+Acc=P/scott/tiger+AppName=app1+LogDir=/tmp/xa"
        "+LogRotationSize=10+LogFlags=7",
        &o));
    EXPECT_EQ(o.host, "db1");
    EXPECT_EQ(o.port, "5444");
    EXPECT_EQ(o.sqlnet, "sales");
    EXPECT_EQ(o.user, "scott");
    EXPECT_EQ(o.password, "tiger");
    EXPECT_EQ(o.appname, "app1");
    EXPECT_EQ(o.logdir, "/tmp/xa");
    EXPECT_EQ(o.logRotationSize, "10");
    EXPECT_EQ(o.logFlags, "7");
    EXPECT_EQ(o.connect_string(), "//db1:5444/sales");
}

TEST(XaOpenString, ConnectStringNeedsHostAndPort) {
    struct Case {
        const char *text;
        const char *connect;
    } cases[] = {
        {"sqlnet=sales+acc=P/u/p", "sales"},
        {"hostname=db1+sqlnet=sales+acc=P/u/p", "sales"},
        {"portnumber=5444+sqlnet=db1:5444/sales+acc=P/u/p", "db1:5444/sales"},
        {"hostname=h+portnumber=1+sqlnet=d+acc=P/u/p", "//h:1/d"},
    };
    for (const Case &c : cases) {
        XaOpenString o;
        ASSERT_TRUE(parse_xa_open_string(c.text, &o)) << c.text;
        EXPECT_EQ(o.connect_string(), c.connect) << c.text;
    }
}

TEST(XaOpenString, AccountSplitsAtItsFirstSlash) {
    XaOpenString o;
    ASSERT_TRUE(parse_xa_open_string("acc=P/user/pa/ss+sqlnet=x", &o));
    EXPECT_EQ(o.user, "user");
    EXPECT_EQ(o.password, "pa/ss");
    ASSERT_TRUE(parse_xa_open_string("acc=P/user/+sqlnet=x", &o));
    EXPECT_EQ(o.user, "user");
    EXPECT_EQ(o.password, "");
}

TEST(XaOpenString, RefusedStrings) {
    const std::string tooLong = "acc=P/u/p+sqlnet=" + std::string(300, 'x');
    const std::string justTooLong = "acc=P/u/p+" + std::string(246, 'y');  // 256 bytes
    ASSERT_EQ(justTooLong.size(), 256u);
    const char *cases[] = {
        nullptr,
        "",
        "sqlnet=sales",                // no account
        "acc=P/scott+sqlnet=sales",    // account without "/"
        "acc=/ab+sqlnet=x",            // the only slash falls in the skipped bytes
        "acc=P+sqlnet=x",              // one byte: no account at all
        "acc+sqlnet=x",                // field without "="
        tooLong.c_str(),
        justTooLong.c_str(),
    };
    for (const char *c : cases) {
        XaOpenString o;
        EXPECT_FALSE(parse_xa_open_string(c, &o)) << (c ? c : "(null)");
    }
}

TEST(XaOpenString, LongestAcceptedString) {
    const std::string text = "acc=P/u/p+sqlnet=" + std::string(255 - 17, 'd');
    ASSERT_EQ(text.size(), 255u);
    XaOpenString o;
    ASSERT_TRUE(parse_xa_open_string(text.c_str(), &o));
    EXPECT_EQ(o.sqlnet.size(), 238u);
}

TEST(XaOpenString, FieldsThatAreSkipped) {
    XaOpenString o;
    // Empty values, unknown keys and fields without "=" are passed over; later fields win.
    ASSERT_TRUE(parse_xa_open_string("hostname=+junk+color=blue+acc=P/a/b+HOSTNAME=h2+hostname=h3", &o));
    EXPECT_EQ(o.host, "h3");
    EXPECT_EQ(o.user, "a");
    // "==" keeps everything after the first "=" as the value.
    ASSERT_TRUE(parse_xa_open_string("appname==x+acc=P/a/b", &o));
    EXPECT_EQ(o.appname, "=x");
}

}  // namespace
