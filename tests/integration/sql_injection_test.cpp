// Caller text that the library puts into SQL of its own (module names, role names and
// passwords, transaction names, server cursor names, the session date format, describe
// names): quotes, semicolons, backslashes and comment marks stay part of the value, which
// arrives as written; a NUL or invalid UTF-8 that the value cannot carry is refused with
// a record. A canary table that any smuggled statement would drop must survive.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "oci_session_test.h"

namespace {

using namespace vsk::test;

// Each would end the quoting it is put in and drop the canary if it were pasted as is.
const std::vector<std::string> kHostile = {
    "it's",
    "x'; DROP TABLE inj_canary; --",
    "x\\'; DROP TABLE inj_canary; --",
    "x\"; DROP TABLE inj_canary; --",
    "x$$; DROP TABLE inj_canary; -- \\",
};
const std::string kWithNul("x\0'; DROP TABLE inj_canary; --", 30);
const std::string kBadUtf8 = "x\xff\xfe'; DROP TABLE inj_canary; --";

class Injection : public OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS inj_canary; CREATE TABLE inj_canary (v int);"
                            "INSERT INTO inj_canary VALUES (1)"));
    }
    void TearDown() override {
        if (svc_) {
            OCITransRollback(svc_, err_, OCI_DEFAULT);
            EXPECT_EQ(side_value("SELECT count(*) FROM inj_canary"), "1") << "the canary is gone";
        }
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS inj_canary");
    }

    std::string ident(const std::string &name) const {
        char *q = PQescapeIdentifier(conn(), name.data(), name.size());
        std::string s = q ? q : "";
        PQfreemem(q);
        return s;
    }
    std::string literal(const std::string &value) const {
        char *q = PQescapeLiteral(conn(), value.data(), value.size());
        std::string s = q ? q : "";
        PQfreemem(q);
        return s;
    }

    // host:port/vsk of the server's TCP address.
    static std::string tcp_link() { return ReadTcpTarget().link(); }
    // Whether role logs on over TCP with password.
    static bool logs_on(const std::string &role, const std::string &password) {
        const std::string link = tcp_link();
        const std::string host = link.substr(0, link.find(':'));
        const std::string port = link.substr(link.find(':') + 1, link.find('/') - link.find(':') - 1);
        const char *keys[] = {"host", "port", "dbname", "user", "password", nullptr};
        const char *values[] = {host.c_str(), port.c_str(), "vsk", role.c_str(), password.c_str(), nullptr};
        PgConn c(PQconnectdbParams(keys, values, 0));
        return c.ok();
    }

    // The first column of the first row of sql through svc (the fixture's session when null).
    std::string oci_value(const std::string &sql, OCISvcCtx *svc = nullptr) {
        OCIStmt *stmt = nullptr;
        OCIHandleAlloc(env_, reinterpret_cast<void **>(&stmt), OCI_HTYPE_STMT, 0, nullptr);
        char buf[512] = {0};
        sb2 ind = 0;
        OCIDefine *d = nullptr;
        std::string out;
        if (prepare(sql, stmt) != OCI_SUCCESS ||
            OCIDefineByPos(stmt, &d, err_, 1, buf, sizeof buf, SQLT_STR, &ind, nullptr, nullptr, OCI_DEFAULT) !=
                OCI_SUCCESS ||
            OCIStmtExecute(svc ? svc : svc_, stmt, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT) != OCI_SUCCESS)
            out = "<error " + error().second + ">";
        else
            out = ind == -1 ? "<null>" : buf;
        OCIHandleFree(stmt, OCI_HTYPE_STMT);
        return out;
    }

    // A session of its own whose session handle first gets attr = value; OCI_ERROR when a
    // step refuses (the record is on err_).
    sword session_with(ub4 attr, const std::string &value, OCISvcCtx **svc) {
        OCIServer *srv = nullptr;
        OCISession *ses = nullptr;
        OCIHandleAlloc(env_, reinterpret_cast<void **>(&srv), OCI_HTYPE_SERVER, 0, nullptr);
        OCIHandleAlloc(env_, reinterpret_cast<void **>(svc), OCI_HTYPE_SVCCTX, 0, nullptr);
        OCIHandleAlloc(env_, reinterpret_cast<void **>(&ses), OCI_HTYPE_SESSION, 0, nullptr);
        // Over TCP: a URI connect string would carry its own application name.
        const std::string u = "vsk", link = tcp_link();
        if (sword rc = OCIAttrSet(ses, OCI_HTYPE_SESSION, const_cast<char *>(value.data()), len(value), attr, err_))
            return rc;
        OCIAttrSet(ses, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(u)), len(u), OCI_ATTR_USERNAME, err_);
        OCIAttrSet(ses, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(u)), len(u), OCI_ATTR_PASSWORD, err_);
        OCIAttrSet(*svc, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, err_);
        if (sword rc = OCIServerAttach(srv, err_, ot(link), len(link), OCI_DEFAULT)) return rc;
        if (sword rc = OCISessionBegin(*svc, err_, ses, OCI_CRED_RDBMS, OCI_DEFAULT)) return rc;
        return OCIAttrSet(*svc, OCI_HTYPE_SVCCTX, ses, 0, OCI_ATTR_SESSION, err_);
    }
};

TEST_F(Injection, ModuleAndDriverNameArriveAsTheApplicationName) {
    for (ub4 attr : {ub4(OCI_ATTR_MODULE), ub4(OCI_ATTR_DRIVER_NAME)}) {
        for (const std::string &value : kHostile) {
            OCISvcCtx *svc = nullptr;
            ASSERT_EQ(session_with(attr, value, &svc), OCI_SUCCESS) << value << ": " << error().second;
            EXPECT_EQ(oci_value("select current_setting('application_name')", svc), value);
            OCISessionEnd(svc, err_, nullptr, OCI_DEFAULT);
        }
        // libpq takes the name as a C string: a NUL would cut it short.
        OCISvcCtx *svc = nullptr;
        EXPECT_EQ(session_with(attr, kWithNul, &svc), OCI_ERROR);
        EXPECT_NE(code(), 0);
        // The server keeps application names in ASCII and replaces other bytes itself.
        svc = nullptr;
        if (session_with(attr, kBadUtf8, &svc) == OCI_SUCCESS) {
            const std::string seen = oci_value("select current_setting('application_name')", svc);
            EXPECT_EQ(seen.substr(0, 1) + seen.substr(3), "x'; DROP TABLE inj_canary; --");
            OCISessionEnd(svc, err_, nullptr, OCI_DEFAULT);
        } else {
            EXPECT_NE(code(), 0);
        }
    }
}

TEST_F(Injection, PasswordChangeQuotesTheRoleAndNeverSendsThePassword) {
    std::vector<std::string> roles;
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
        const std::string role = "inj_role" + std::to_string(i) + kHostile[i];
        const std::string password = "pw" + kHostile[i];
        ASSERT_TRUE(exec_ok("DROP ROLE IF EXISTS " + ident(role) + "; CREATE ROLE " + ident(role) +
                            " LOGIN PASSWORD 'old'"));
        roles.push_back(role);
        ASSERT_EQ(OCIPasswordChange(svc_, err_, ot(role), len(role), ot("old"), 3, ot(password), len(password),
                                    OCI_DEFAULT),
                  OCI_SUCCESS)
            << role << ": " << error().second;
        // The new password logs the role on.
        EXPECT_TRUE(logs_on(role, password)) << role;
    }
    // A NUL would change the password of the role named by the bytes before it.
    const std::string prefix = "inj_role_nul";
    ASSERT_TRUE(exec_ok("DROP ROLE IF EXISTS " + prefix + "; CREATE ROLE " + prefix + " LOGIN PASSWORD 'old'"));
    roles.push_back(prefix);
    const std::string nulRole = prefix + std::string("\0x", 2);
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(nulRole), len(nulRole), ot("old"), 3, ot("new"), 3, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_NE(code(), 0);
    const std::string nulPassword("new\0tail", 8);
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(prefix), len(prefix), ot("old"), 3, ot(nulPassword),
                                len(nulPassword), OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_NE(code(), 0);
    EXPECT_TRUE(logs_on(prefix, "old"));
    const std::string badRole = "inj_role" + kBadUtf8;
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(badRole), len(badRole), ot("old"), 3, ot("new"), 3, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_FALSE(error().second.empty());
    for (const std::string &role : roles) exec_ok("DROP ROLE IF EXISTS " + ident(role));
}

TEST_F(Injection, TransactionNamesStayOneLiteral) {
    OCITrans *trans = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&trans), OCI_HTYPE_TRANS, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, trans, 0, OCI_ATTR_TRANS, err_), OCI_SUCCESS);
    for (const std::string &value : kHostile) {
        XID xid{};
        xid.formatID = 42;
        xid.gtrid_length = static_cast<long>(value.size());
        std::memcpy(xid.data, value.data(), value.size());
        ASSERT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, &xid, sizeof xid, OCI_ATTR_XID, err_), OCI_SUCCESS);
        ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW), OCI_SUCCESS) << error().second;
        ASSERT_TRUE(run("insert into inj_canary values (2)"));
        ASSERT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_SUCCESS) << value << ": " << error().second;
        EXPECT_EQ(side_value("SELECT gid FROM pg_prepared_xacts WHERE gid LIKE '42.%'"), "42." + value);
        ASSERT_EQ(OCITransRollback(svc_, err_, OCI_TRANS_TWOPHASE), OCI_SUCCESS) << value << ": " << error().second;
        EXPECT_EQ(side_value("SELECT count(*) FROM pg_prepared_xacts WHERE gid LIKE '42.%'"), "0");
    }
    for (const std::string &value : {kWithNul, kBadUtf8}) {
        ASSERT_EQ(OCIAttrSet(trans, OCI_HTYPE_TRANS, const_cast<char *>(value.data()), len(value),
                             OCI_ATTR_TRANS_NAME, err_),
                  OCI_SUCCESS);
        ASSERT_EQ(OCITransStart(svc_, err_, 60, OCI_TRANS_NEW), OCI_SUCCESS) << error().second;
        // Refused by the library (NUL) or by the server (bad encoding), with a record.
        EXPECT_EQ(OCITransPrepare(svc_, err_, OCI_DEFAULT), OCI_ERROR);
        EXPECT_FALSE(error().second.empty());
        EXPECT_EQ(side_value("SELECT count(*) FROM pg_prepared_xacts WHERE gid LIKE '0.x%'"), "0");
        OCITransRollback(svc_, err_, OCI_DEFAULT);
    }
}

TEST_F(Injection, CursorNamesTheServerGivesAreQuoted) {
    ASSERT_TRUE(exec_ok("CREATE OR REPLACE PROCEDURE inj_rows(name text, INOUT c refcursor) LANGUAGE plpgsql AS "
                        "$$ BEGIN c := name; OPEN c FOR SELECT g::text FROM generate_series(1, 3) g; END $$"));
    for (const std::string &value : kHostile) {
        OCIStmt *rows = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&rows), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
        char name[64] = {0};
        std::memcpy(name, value.data(), value.size());
        ASSERT_EQ(prepare("BEGIN inj_rows(:n, :c); END;"), OCI_SUCCESS);
        ASSERT_EQ(bind_text(":n", name, sizeof name), OCI_SUCCESS);
        OCIBind *bc = nullptr;
        ASSERT_EQ(OCIBindByName(stmt_, &bc, err_, ot(":c"), 2, &rows, 0, SQLT_RSET, nullptr, nullptr, nullptr, 0,
                                nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        ASSERT_EQ(execute(), OCI_SUCCESS) << value << ": " << error().second;
        char values[4][8] = {};
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(rows, &d, err_, 1, values, 8, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIStmtFetch(rows, err_, 4, OCI_FETCH_NEXT, OCI_DEFAULT), OCI_NO_DATA) << value << ": "
                                                                                       << error().second;
        EXPECT_STREQ(values[2], "3");
        // Freeing it closes the cursor by its name.
        ASSERT_EQ(OCIHandleFree(rows, OCI_HTYPE_STMT), OCI_SUCCESS);
        EXPECT_EQ(oci_value("select count(*) from pg_cursors where name = " + literal(value)), "0") << value;
        ASSERT_EQ(OCITransCommit(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
    }
    exec_ok("DROP PROCEDURE IF EXISTS inj_rows(text, refcursor)");
}

TEST_F(Injection, SessionDateFormatStaysOneLiteral) {
    // A format literal holding every quote kind and a comment mark.
    const std::string format = "YYYY-MM-DD\"x'; DROP TABLE inj_canary; -- \\\"";
    const char *saved = std::getenv("NLS_DATE_FORMAT");
    const std::string before = saved ? saved : "";
    setenv("NLS_DATE_FORMAT", format.c_str(), 1);
    OCISvcCtx *svc = nullptr;
    const std::string u = user(), link = dblink();
    const sword rc = OCILogon(env_, err_, &svc, ot(u), len(u), ot(u), len(u), ot(link), len(link));
    if (saved)
        setenv("NLS_DATE_FORMAT", before.c_str(), 1);
    else
        unsetenv("NLS_DATE_FORMAT");
    ASSERT_EQ(rc, OCI_SUCCESS) << error().second;
    EXPECT_EQ(oci_value("select date '2024-01-02'", svc), "2024-01-02x'; DROP TABLE inj_canary; -- \\");
    OCILogoff(svc, err_);
}

TEST_F(Injection, DescribeNamesAreParameters) {
    const std::string table = "inj'; DROP TABLE inj_canary; --";
    ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS " + ident(table) + "; CREATE TABLE " + ident(table) + " (a int, b text)"));
    OCIDescribe *dsc = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&dsc), OCI_HTYPE_DESCRIBE, 0, nullptr), OCI_SUCCESS);
    auto describe = [&](const std::string &name) {
        return OCIDescribeAny(svc_, err_, const_cast<OraText *>(ot(name)), len(name), OCI_OTYPE_NAME, OCI_DEFAULT,
                              OCI_PTYPE_TABLE, dsc);
    };
    // Written as a quoted name, the table is found under its own name.
    ASSERT_EQ(describe("\"" + table + "\""), OCI_SUCCESS) << error().second;
    OCIParam *param = nullptr;
    ub2 columns = 0;
    ASSERT_EQ(OCIAttrGet(dsc, OCI_HTYPE_DESCRIBE, &param, nullptr, OCI_ATTR_PARAM, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &columns, nullptr, OCI_ATTR_NUM_COLS, err_), OCI_SUCCESS);
    EXPECT_EQ(columns, 2u);
    for (const std::string &value : kHostile) {
        EXPECT_EQ(describe(value), OCI_ERROR) << value;
        EXPECT_NE(code(), 0);
    }
    EXPECT_EQ(describe("inj_canary" + kBadUtf8), OCI_ERROR);
    EXPECT_NE(code(), 0);
    OCIHandleFree(dsc, OCI_HTYPE_DESCRIBE);
    OCITransRollback(svc_, err_, OCI_DEFAULT);
    exec_ok("DROP TABLE IF EXISTS " + ident(table));
}

}  // namespace
