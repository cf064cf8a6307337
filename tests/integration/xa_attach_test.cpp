// XA attachment: open strings with each key give logged-on service contexts in
// environments of their own; refused strings give null.
#include <oci.h>

#include <gtest/gtest.h>

#include <string>

#include "pool_fixture.h"

namespace {

class XaAttach : public vsk::test::PoolTest {
protected:
    static OCIEnv *env_of(OCISvcCtx *svc) { return static_cast<OCIEnv *>(svc->hdr.parenth); }
    static OCISvcCtx *open(const std::string &s) { return xaoSvcCtx(const_cast<OraText *>(vsk::test::pot(s))); }
    std::string query(OCISvcCtx *svc, const std::string &sql) {
        OCIEnv *saved = env_;
        env_ = env_of(svc);
        OCIError *err = nullptr;
        OCIHandleAlloc(env_, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
        std::string v = value(svc, sql, err);
        env_ = saved;
        return v;
    }
};

TEST_F(XaAttach, EveryKey) {
    const std::string s = "Oracle_XA+HostName=" + host_ + "+PortNumber=" + port_ +
                          "+SqlNet=vsk+Acc=P/vsk/vsk+AppName=" + module_ +
                          "+LogDir=/tmp+LogRotationSize=1024+LogFlags=0+SesTm=60";
    OCISvcCtx *svc = open(s);
    ASSERT_NE(svc, nullptr);
    EXPECT_EQ(svc->server->dblink, "//" + host_ + ":" + port_ + "/vsk");
    EXPECT_EQ(query(svc, "select current_user::text"), "vsk");
    EXPECT_EQ(query(svc, "select current_setting('application_name')"), module_);
    EXPECT_EQ(backends(1), 1);
    EXPECT_EQ(OCIHandleFree(env_of(svc), OCI_HTYPE_ENV), OCI_SUCCESS);
    EXPECT_EQ(backends(0), 0);
}

TEST_F(XaAttach, SqlnetAloneIsTheConnectString) {
    // Without a port the sqlnet value is the whole connect string.
    OCISvcCtx *svc = open("hostname=ignored+sqlnet=" + direct_ + "+acc=P/vsk/vsk");
    ASSERT_NE(svc, nullptr);
    EXPECT_EQ(svc->server->dblink, direct_);
    EXPECT_EQ(query(svc, "select 6 * 7"), "42");
    EXPECT_EQ(svc->session->module, "");
    OCIHandleFree(env_of(svc), OCI_HTYPE_ENV);
}

TEST_F(XaAttach, TwoCallsTwoConnections) {
    const std::string s = "sqlnet=" + direct_ + "+acc=P/vsk/vsk";
    OCISvcCtx *a = open(s), *b = open(s);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(env_of(a), env_of(b));
    EXPECT_NE(pid(a), pid(b));
    EXPECT_EQ(query(a, "select 1"), "1");
    OCIHandleFree(env_of(a), OCI_HTYPE_ENV);
    // The other one goes on.
    EXPECT_EQ(query(b, "select 2"), "2");
    OCIHandleFree(env_of(b), OCI_HTYPE_ENV);

    OCIEnv *e1 = xaoEnv(nullptr), *e2 = xaoEnv(nullptr);
    ASSERT_NE(e1, nullptr);
    EXPECT_NE(e1, e2);
    OCIHandleFree(e1, OCI_HTYPE_ENV);
    OCIHandleFree(e2, OCI_HTYPE_ENV);
}

TEST_F(XaAttach, RefusedOpenStrings) {
    const std::string cases[] = {
        "sqlnet=" + direct_ + "+acc=P/vsk",                       // account without "/"
        "sqlnet=" + direct_,                                      // no account
        "sqlnet=" + direct_ + "+acc=P/vsk/vsk+x=" + std::string(300, 'x'),  // too long
        "sqlnet=" + direct_ + "+acc=P/vsk/wrong",                 // the server refuses
        "hostname=" + host_ + "+portnumber=1+sqlnet=vsk+acc=P/vsk/vsk",  // nobody listens
    };
    for (const std::string &s : cases) EXPECT_EQ(open(s), nullptr) << s.substr(0, 80);
    EXPECT_EQ(xaoSvcCtx(nullptr), nullptr);
}

}  // namespace
