// A session set up the way drivers built for the vendor's client set one up (environment
// in the vendor's character-set numbering, driver name, session put on the service
// context after it began, statement cache), and what they then rely on: the vendor's
// describe, statement-level rollback, the transaction state, the newer calls.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "oci_session_test.h"

namespace {

using vsk::test::len;
using vsk::test::ot;

constexpr const char *kDriverName = "vsk-driver-test : 1.0 thk";

class DriverSession : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(OCIEnvNlsCreate(&venv_, OCI_THREADED | OCI_OBJECT, nullptr, nullptr, nullptr, nullptr, 0, nullptr,
                                  873, 873),
                  OCI_SUCCESS);
        alloc(&verr_, OCI_HTYPE_ERROR);
        alloc(&srv_, OCI_HTYPE_SERVER);
        alloc(&vsvc_, OCI_HTYPE_SVCCTX);
        alloc(&session_, OCI_HTYPE_SESSION);
        alloc(&vstmt_, OCI_HTYPE_STMT);
        // Drivers connect over TCP with a direct connect string, user and password.
        std::string link = dblink(), u = user(), password = u;
        if (const vsk::test::TcpTarget tcp = vsk::test::ReadTcpTarget(); !tcp.port.empty()) {
            link = tcp.link();
            u = tcp.user;
            password = tcp.password;
        }
        ASSERT_EQ(OCIServerAttach(srv_, verr_, ot(link), static_cast<sb4>(link.size()), OCI_DEFAULT), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrSet(vsvc_, OCI_HTYPE_SVCCTX, srv_, 0, OCI_ATTR_SERVER, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char *>(kDriverName),
                             static_cast<ub4>(std::strlen(kDriverName)), OCI_ATTR_DRIVER_NAME, verr_),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char *>(u.c_str()), len(u), OCI_ATTR_USERNAME,
                             verr_),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIAttrSet(session_, OCI_HTYPE_SESSION, const_cast<char *>(password.c_str()), len(password),
                             OCI_ATTR_PASSWORD, verr_),
                  OCI_SUCCESS);
        ASSERT_EQ(OCISessionBegin(vsvc_, verr_, session_, OCI_CRED_RDBMS, OCI_STMT_CACHE), OCI_SUCCESS)
            << verror();
        // Drivers put the session on the service context once it has begun.
        ASSERT_EQ(OCIAttrSet(vsvc_, OCI_HTYPE_SVCCTX, session_, 0, OCI_ATTR_SESSION, verr_), OCI_SUCCESS);
        // Its notice (no table to drop) must not make later calls warn without a record.
        ASSERT_TRUE(vrun("drop table if exists drv_session"));
        ASSERT_TRUE(vrun("create table drv_session (id int4 primary key, name varchar(40), price numeric(10,2), "
                         "amount numeric, note text, raw bytea, created timestamptz)"));
    }
    void TearDown() override {
        if (venv_) {
            vrun("drop table if exists drv_session");
            OCISessionEnd(vsvc_, verr_, session_, OCI_DEFAULT);
            // Drivers free the service context before they detach.
            OCIHandleFree(vsvc_, OCI_HTYPE_SVCCTX);
            EXPECT_EQ(OCIServerDetach(srv_, verr_, OCI_DEFAULT), OCI_SUCCESS);
            OCIHandleFree(venv_, OCI_HTYPE_ENV);
        }
        OciSessionTest::TearDown();
    }
    template <class H>
    void alloc(H **h, ub4 type) {
        ASSERT_EQ(OCIHandleAlloc(venv_, reinterpret_cast<void **>(h), type, 0, nullptr), OCI_SUCCESS);
    }
    std::string verror() const {
        sb4 code = 0;
        char buf[1024] = {0};
        OCIErrorGet(verr_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR);
        return std::to_string(code) + " " + buf;
    }
    sb4 vcode() const {
        sb4 code = 0;
        char buf[512];
        OCIErrorGet(verr_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR);
        return code;
    }
    sword vprepare(const std::string &sql) {
        return OCIStmtPrepare(vstmt_, verr_, ot(sql), len(sql), OCI_NTV_SYNTAX, OCI_DEFAULT);
    }
    sword vexecute(ub4 iters = 1, ub4 mode = OCI_DEFAULT) {
        return OCIStmtExecute(vsvc_, vstmt_, verr_, iters, 0, nullptr, nullptr, mode);
    }
    ::testing::AssertionResult vrun(const std::string &sql) {
        sword rc = vprepare(sql);
        if (rc == OCI_SUCCESS) rc = vexecute();
        if (rc == OCI_SUCCESS) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << sql << ": " << verror();
    }
    ub1 in_transaction() {
        ub1 v = 9;
        EXPECT_EQ(OCIAttrGet(session_, OCI_HTYPE_SESSION, &v, nullptr, OCI_ATTR_TRANSACTION_IN_PROGRESS, verr_),
                  OCI_SUCCESS);
        return v;
    }
    // A one-value query read through a define of the ...2 kind (32-bit lengths).
    std::string query_text(const std::string &sql) {
        char buf[256] = {0};
        ub4 length = 0;
        sb2 ind = 0;
        OCIDefine *def = nullptr;
        if (vprepare(sql) != OCI_SUCCESS || vexecute(0) != OCI_SUCCESS) return "<failed: " + verror() + ">";
        if (OCIDefineByPos2(vstmt_, &def, verr_, 1, buf, sizeof buf, SQLT_CHR, &ind, &length, nullptr, OCI_DEFAULT) !=
            OCI_SUCCESS)
            return "<define failed>";
        if (sword rc = OCIStmtFetch2(vstmt_, verr_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT); rc != OCI_SUCCESS)
            return "<fetch failed: " + std::to_string(rc) + " " + verror() + ">";
        return ind == -1 ? "<null>" : std::string(buf, length);
    }

    OCIEnv *venv_ = nullptr;
    OCIError *verr_ = nullptr;
    OCIServer *srv_ = nullptr;
    OCISvcCtx *vsvc_ = nullptr;
    OCISession *session_ = nullptr;
    OCIStmt *vstmt_ = nullptr;
};

TEST_F(DriverSession, DescribeReportsTheVendorsTypesAndUpperCaseNames) {
    ASSERT_EQ(vprepare("select id, name, price, amount, note, raw, created, 1.5::float8 as \"Ratio\", "
                       "note || '' as \"Expr\", raw || ''::bytea as \"RawExpr\" from drv_session"),
              OCI_SUCCESS);
    ASSERT_EQ(vexecute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS) << verror();
    struct Expected {
        const char *name;
        ub2 type;
        sb2 precision;
        sb1 scale;
        ub2 charSize;
    } expected[] = {
        {"ID", SQLT_NUM, 10, 0, 0},         {"NAME", SQLT_CHR, 0, 0, 40},      {"PRICE", SQLT_NUM, 10, 2, 0},
        {"AMOUNT", SQLT_NUM, 0, -127, 0},   {"NOTE", SQLT_CLOB, 0, 0, 0},     {"RAW", SQLT_BLOB, 0, 0, 0},
        {"CREATED", SQLT_TIMESTAMP_TZ, 0, 6, 0}, {"Ratio", SQLT_IBDOUBLE, 0, 0, 0},
        // A table's text and bytea are LOBs; the same types computed are not.
        {"Expr", SQLT_CHR, 0, 0, 4000},     {"RawExpr", SQLT_BIN, 0, 0, 0},
    };
    ub4 count = 0;
    ASSERT_EQ(OCIAttrGet(vstmt_, OCI_HTYPE_STMT, &count, nullptr, OCI_ATTR_PARAM_COUNT, verr_), OCI_SUCCESS);
    ASSERT_EQ(count, std::size(expected));
    for (ub4 i = 0; i < count; ++i) {
        const Expected &e = expected[i];
        OCIParam *param = nullptr;
        ASSERT_EQ(OCIParamGet(vstmt_, OCI_HTYPE_STMT, verr_, reinterpret_cast<void **>(&param), i + 1), OCI_SUCCESS);
        ub2 type = 0, charSize = 0;
        sb2 precision = -1;
        sb1 scale = -1;
        ub1 json = 9;
        const char *name = nullptr;
        ub4 nameLength = 0;
        // Drivers read the descriptors under the describe handle's type.
        ASSERT_EQ(OCIAttrGet(param, OCI_HTYPE_DESCRIBE, &type, nullptr, OCI_ATTR_DATA_TYPE, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &precision, nullptr, OCI_ATTR_PRECISION, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &scale, nullptr, OCI_ATTR_SCALE, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &charSize, nullptr, OCI_ATTR_CHAR_SIZE, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &json, nullptr, OCI_ATTR_JSON_COL, verr_), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &nameLength, OCI_ATTR_NAME, verr_), OCI_SUCCESS);
        // The name stays readable after its descriptor is gone, until the statement goes.
        OCIDescriptorFree(param, OCI_DTYPE_PARAM);
        EXPECT_EQ(std::string(name, nameLength), e.name);
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(precision, e.precision) << e.name;
        EXPECT_EQ(scale, e.scale) << e.name;
        EXPECT_EQ(charSize, e.charSize) << e.name;
        EXPECT_EQ(json, 0) << e.name;
    }
}

TEST_F(DriverSession, CharacterSetsAndServerFactsInTheDriversTerms) {
    ub2 id = 0;
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &id, nullptr, OCI_ATTR_CHARSET_ID, verr_), OCI_SUCCESS);
    EXPECT_EQ(id, 873);
    ub4 status = 0;
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &status, nullptr, OCI_ATTR_SERVER_STATUS, verr_), OCI_SUCCESS);
    EXPECT_EQ(status, static_cast<ub4>(OCI_SERVER_NORMAL));
    ub4 release = 0, withText = 0;
    ASSERT_EQ(OCIServerRelease2(vsvc_, verr_, nullptr, 0, OCI_HTYPE_SVCCTX, &release, OCI_SRVRELEASE2_CACHED),
              OCI_SUCCESS);
    char text[256] = {0};
    ASSERT_EQ(OCIServerRelease2(vsvc_, verr_, reinterpret_cast<OraText *>(text), sizeof text,
                                OCI_HTYPE_SVCCTX, &withText, OCI_DEFAULT),
              OCI_SUCCESS);
    EXPECT_EQ(release, withText);
    EXPECT_EQ(static_cast<int>(release >> 24), PQserverVersion(conn()) / 10000);
    EXPECT_NE(std::strstr(text, "PostgreSQL"), nullptr) << text;
}

TEST_F(DriverSession, DriverNameIsTheApplicationName) {
    const std::string pid = query_text("select pg_backend_pid()::text");
    EXPECT_EQ(side_value("select application_name from pg_stat_activity where pid = " + pid), kDriverName);
}

TEST_F(DriverSession, FailedStatementLeavesTheTransactionUsable) {
    ASSERT_TRUE(vrun("insert into drv_session (id, name) values (1, 'one')"));
    EXPECT_EQ(in_transaction(), 1);
    ASSERT_EQ(vprepare("insert into drv_session (id, name) values (1, 'again')"), OCI_SUCCESS);
    EXPECT_EQ(vexecute(), OCI_ERROR);
    EXPECT_EQ(vcode(), 1);
    ASSERT_TRUE(vrun("insert into drv_session (id, name) values (2, 'two')"));
    ASSERT_EQ(OCITransCommit(vsvc_, verr_, OCI_DEFAULT), OCI_SUCCESS) << verror();
    EXPECT_EQ(in_transaction(), 0);
    EXPECT_EQ(side_value("select string_agg(name, ',' order by id) from drv_session"), "one,two");
    // The program can still turn it off.
    ub1 off = 0;
    ASSERT_EQ(OCIAttrSet(srv_, OCI_HTYPE_SERVER, &off, 0, OCI_ATTR_STMT_LEVEL_TX, verr_), OCI_SUCCESS);
    ub1 now = 1;
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &now, nullptr, OCI_ATTR_STMT_LEVEL_TX, verr_), OCI_SUCCESS);
    EXPECT_EQ(now, 0);
}

TEST_F(DriverSession, WideBindsAndDefinesCarry32BitLengths) {
    ASSERT_EQ(vprepare("insert into drv_session (id, note) values (:id, :note)"), OCI_SUCCESS);
    std::string note(70000, 'x');
    note.replace(0, 5, "start");
    int id = 7;
    ub4 noteLength = static_cast<ub4>(note.size());
    OCIBind *b1 = nullptr, *b2 = nullptr;
    ASSERT_EQ(OCIBindByName2(vstmt_, &b1, verr_, ot("id"), 2, &id, sizeof id, SQLT_INT, nullptr, nullptr, nullptr, 0,
                             nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIBindByName2(vstmt_, &b2, verr_, ot("note"), 4, note.data(), static_cast<sb8>(note.size()),
                             SQLT_CHR, nullptr, &noteLength, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(vexecute(), OCI_SUCCESS) << verror();
    ASSERT_EQ(OCITransCommit(vsvc_, verr_, OCI_DEFAULT), OCI_SUCCESS) << verror();
    EXPECT_EQ(side_value("select length(note) from drv_session where id = 7"), "70000");

    ASSERT_EQ(vprepare("select note from drv_session where id = 7"), OCI_SUCCESS);
    ASSERT_EQ(vexecute(0), OCI_SUCCESS);
    std::string out(80000, '\0');
    ub4 outLength = 0;
    OCIDefine *def = nullptr;
    ASSERT_EQ(OCIDefineByPos2(vstmt_, &def, verr_, 1, out.data(), static_cast<sb8>(out.size()), SQLT_CHR, nullptr,
                              &outLength, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIStmtFetch2(vstmt_, verr_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << verror();
    EXPECT_EQ(outLength, 70000u);
    EXPECT_EQ(out.substr(0, outLength), note);
}

TEST_F(DriverSession, PostgresQueriesAreQueriesAndTransactionsArePlainStatements) {
    EXPECT_EQ(query_text("values ('v')"), "v");
    // SHOW cannot be a cursor's query: it is run and its row served whatever the mode.
    EXPECT_EQ(query_text("show DateStyle"), "ISO, MDY");
    ub4 declared = 1;
    ASSERT_EQ(OCIAttrSet(srv_, OCI_HTYPE_SERVER, &declared, 0, OCI_ATTR_CURSOR_MODE, verr_), OCI_SUCCESS);
    EXPECT_EQ(query_text("SHOW client_encoding"), "UTF8");
    EXPECT_EQ(query_text("select 'declared'"), "declared");
    ASSERT_TRUE(vrun("insert into drv_session (id, name) values (5, 'five')"));
    ASSERT_EQ(OCITransCommit(vsvc_, verr_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(query_text("table drv_session"), "5");
    ub2 type = 99;
    ASSERT_EQ(vprepare("begin"), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(vstmt_, OCI_HTYPE_STMT, &type, nullptr, OCI_ATTR_STMT_TYPE, verr_), OCI_SUCCESS);
    EXPECT_EQ(type, 0);
}

TEST_F(DriverSession, BindAndDefineHandlesFreedAloneStayWithTheirStatement) {
    ASSERT_EQ(vprepare("select name from drv_session where id = :id"), OCI_SUCCESS);
    ASSERT_TRUE(vrun("insert into drv_session (id, name) values (1, 'one')"));
    ASSERT_EQ(vprepare("select name from drv_session where id = :id"), OCI_SUCCESS);
    int id = 1;
    char name[41] = {0};
    ub2 nameLength = 0;
    OCIBind *bind = nullptr;
    OCIDefine *define = nullptr;
    ASSERT_EQ(OCIBindByName(vstmt_, &bind, verr_, ot(":id"), 3, &id, sizeof id, SQLT_INT, nullptr, nullptr, nullptr,
                            0, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(OCIDefineByPos(vstmt_, &define, verr_, 1, name, sizeof name - 1, SQLT_CHR, nullptr, &nameLength,
                             nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    // Freed by the program, twice, and under the wrong type: nothing is released early.
    EXPECT_EQ(OCIHandleFree(bind, OCI_HTYPE_BIND), OCI_SUCCESS);
    EXPECT_EQ(OCIHandleFree(define, OCI_HTYPE_DEFINE), OCI_SUCCESS);
    EXPECT_EQ(OCIHandleFree(bind, OCI_HTYPE_BIND), OCI_SUCCESS);
    EXPECT_EQ(OCIHandleFree(bind, OCI_HTYPE_DEFINE), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIHandleFree(define, OCI_HTYPE_STMT), OCI_INVALID_HANDLE);
    // The statement still runs with them and releases them once, with itself.
    ASSERT_EQ(vexecute(), OCI_SUCCESS) << verror();
    EXPECT_EQ(std::string(name, nameLength), "one");
}

TEST_F(DriverSession, UriConnectStringKeepsTheDriverName) {
    const vsk::test::TcpTarget tcp = vsk::test::ReadTcpTarget();
    if (tcp.port.empty()) GTEST_SKIP() << "no TCP side";
    const std::string &u = tcp.user, &password = tcp.password;
    // No user in the URI: the session's credentials fill it in.
    const std::string uri = "postgresql://" + tcp.link();
    OCIServer *srv = nullptr;
    OCISvcCtx *svc = nullptr;
    OCISession *session = nullptr;
    alloc(&srv, OCI_HTYPE_SERVER);
    alloc(&svc, OCI_HTYPE_SVCCTX);
    alloc(&session, OCI_HTYPE_SESSION);
    ASSERT_EQ(OCIServerAttach(srv, verr_, ot(uri), static_cast<sb4>(uri.size()), OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(svc, OCI_HTYPE_SVCCTX, srv, 0, OCI_ATTR_SERVER, verr_), OCI_SUCCESS);
    const char *driver = "vsk-uri-driver : 2.0";
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(driver),
                         static_cast<ub4>(std::strlen(driver)), OCI_ATTR_DRIVER_NAME, verr_),
              OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(u.c_str()), len(u), OCI_ATTR_USERNAME, verr_),
              OCI_SUCCESS);
    ASSERT_EQ(OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(password.c_str()), len(password),
                         OCI_ATTR_PASSWORD, verr_),
              OCI_SUCCESS);
    ASSERT_EQ(OCISessionBegin(svc, verr_, session, OCI_CRED_RDBMS, OCI_DEFAULT), OCI_SUCCESS) << verror();
    EXPECT_EQ(side_value(std::string("select count(*) from pg_stat_activity where application_name = '") + driver + "'"),
              "1");
    EXPECT_EQ(OCISessionEnd(svc, verr_, session, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIServerDetach(srv, verr_, OCI_DEFAULT), OCI_SUCCESS);
    OCIHandleFree(session, OCI_HTYPE_SESSION);
    OCIHandleFree(svc, OCI_HTYPE_SVCCTX);
    OCIHandleFree(srv, OCI_HTYPE_SERVER);
}

}  // namespace
