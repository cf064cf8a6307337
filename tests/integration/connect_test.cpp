// Attach, session begin and end, logon, password change and the server calls, against
// the private server: over TCP with password authentication, through direct connect
// strings, URIs and tnsnames.ora files.
#include <oci.h>

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "connect/records.h"
#include "connect/session.h"
#include "env/env.h"
#include "env/error.h"
#include "oci_text.h"
#include "pg_test_env.h"
#include "pqx/command.h"
#include "pqx/connection.h"
#include "pqx/standins.h"
#include "scoped_env.h"

namespace {

namespace fs = std::filesystem;

using vsk::test::len;
using vsk::test::ot;
using vsk::test::u16;

std::string read_all(const fs::path &p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A scratch directory with HOME, USERPROFILE and TNS_ADMIN pointing nowhere useful.
class TnsDirs {
public:
    TnsDirs() : root_(fs::temp_directory_path() / ("vsk-tns-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        for (const char *d : {"home", "profile", "admin"}) fs::create_directories(root_ / d);
    }
    ~TnsDirs() { fs::remove_all(root_); }
    fs::path dir(const char *d) const { return root_ / d; }
    void write(const fs::path &file, const std::string &text) const { std::ofstream(file) << text; }

private:
    fs::path root_;
};

std::string entry(const char *name, const std::string &host, const std::string &port, const char *sid) {
    return std::string(name) + " = (DESCRIPTION = (ADDRESS = (PROTOCOL = TCP)(HOST = " + host + ")(PORT = " + port +
           "))(CONNECT_DATA = (SID = " + sid + ")))\n";
}

class Connect : public vsk::test::PgTest {
protected:
    void SetUp() override {
        PgTest::SetUp();
        if (HasFatalFailure()) return;
        target_ = vsk::test::ReadTcpTarget();
        ASSERT_FALSE(target_.port.empty()) << "no TCP conninfo from the harness";
        direct_ = target_.host + ":" + target_.port + "/vsk";
        make_env(OCI_DEFAULT);
    }
    void TearDown() override {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        PgTest::TearDown();
    }

    void make_env(ub4 mode) {
        if (env_) OCIHandleFree(env_, OCI_HTYPE_ENV);
        env_ = nullptr;
        ASSERT_EQ(OCIEnvCreate(&env_, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&err_), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&srv_), OCI_HTYPE_SERVER, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&svc_), OCI_HTYPE_SVCCTX, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&ses_), OCI_HTYPE_SESSION, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, srv_, 0, OCI_ATTR_SERVER, err_), OCI_SUCCESS);
    }

    sword attach(const std::string &dblink) { return OCIServerAttach(srv_, err_, ot(dblink), len(dblink), OCI_DEFAULT); }

    sword begin(const std::string &user = "vsk", const std::string &password = "vsk") {
        EXPECT_EQ(OCIAttrSet(ses_, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(user)), len(user), OCI_ATTR_USERNAME,
                             err_),
                  OCI_SUCCESS);
        EXPECT_EQ(OCIAttrSet(ses_, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(password)), len(password),
                             OCI_ATTR_PASSWORD, err_),
                  OCI_SUCCESS);
        sword rc = OCISessionBegin(svc_, err_, ses_, OCI_CRED_RDBMS, OCI_DEFAULT);
        if (rc == OCI_SUCCESS) {
            EXPECT_EQ(OCIAttrSet(svc_, OCI_HTYPE_SVCCTX, ses_, 0, OCI_ATTR_SESSION, err_), OCI_SUCCESS);
        }
        return rc;
    }

    // Attached to the server over TCP with a session begun.
    void connect() {
        ASSERT_EQ(attach(direct_), OCI_SUCCESS) << error().second;
        ASSERT_EQ(begin(), OCI_SUCCESS) << error().second;
    }

    // The first record's number and text.
    std::pair<sb4, std::string> error() const {
        sb4 code = 0;
        char buf[1024] = {0};
        OCIErrorGet(err_, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR);
        return {code, buf};
    }

    std::string query_value(const char *sql) const {
        PGresult *r = vsk::pqx::exec(srv_->conn, err_, sql);
        std::string v = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) ? PQgetvalue(r, 0, 0) : "<failed>";
        PQclear(r);
        return v;
    }

    vsk::test::TcpTarget target_;
    std::string direct_;
    OCIEnv *env_ = nullptr;
    OCIError *err_ = nullptr;
    OCIServer *srv_ = nullptr;
    OCISvcCtx *svc_ = nullptr;
    OCISession *ses_ = nullptr;
};

TEST_F(Connect, DirectStringsAndUriReachTheServer) {
    for (const std::string &dblink :
         {direct_, "//" + direct_, "postgresql://vsk:vsk@" + target_.host + ":" + target_.port + "/vsk"}) {
        SCOPED_TRACE(dblink);
        ASSERT_EQ(attach(dblink), OCI_SUCCESS);
        ASSERT_EQ(begin(), OCI_SUCCESS) << error().second;
        ub4 status = 99;
        ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &status, nullptr, OCI_ATTR_SERVER_STATUS, err_), OCI_SUCCESS);
        EXPECT_EQ(status, static_cast<ub4>(OCI_SERVER_NORMAL));
        EXPECT_EQ(OCIPing(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
        EXPECT_EQ(query_value("select current_user::text"), "vsk");
        EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
        EXPECT_EQ(srv_->conn, nullptr);
        ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &status, nullptr, OCI_ATTR_SERVER_STATUS, err_), OCI_SUCCESS);
        EXPECT_EQ(status, static_cast<ub4>(OCI_SERVER_NOT_CONNECTED));
        EXPECT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);
    }
    // A URI is used whole: no defaults are filled in.
    ASSERT_EQ(attach("postgres://x"), OCI_SUCCESS);
    EXPECT_FALSE(srv_->host);
    EXPECT_TRUE(srv_->uriMode);
}

TEST_F(Connect, AttachDefaultsAndStates) {
    ASSERT_EQ(OCIServerAttach(srv_, err_, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(*srv_->host, "localhost");
    EXPECT_EQ(*srv_->port, "5444");
    EXPECT_EQ(*srv_->dbname, "vsk");
    EXPECT_EQ(attach(direct_), OCI_ERROR);
    EXPECT_EQ(error().first, 24309);
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 24324);
    // A session on a server that is not attached.
    EXPECT_EQ(begin(), OCI_ERROR);
    EXPECT_EQ(error().first, 24314);
    // Empty parts stay empty and libpq falls back to its own defaults for them.
    ASSERT_EQ(attach("//" + target_.host + ":" + target_.port), OCI_SUCCESS);
    EXPECT_EQ(*srv_->dbname, "");
}

TEST_F(Connect, WrongPasswordGives12154WithTheServersMessage) {
    ASSERT_EQ(attach(direct_), OCI_SUCCESS);
    EXPECT_EQ(begin("vsk", "not-the-password"), OCI_ERROR);
    auto [code, text] = error();
    EXPECT_EQ(code, 12154);
    EXPECT_NE(text.find("password authentication failed"), std::string::npos) << text;
    EXPECT_EQ(srv_->conn, nullptr);
    // The same handles work once the password is right.
    EXPECT_EQ(begin("vsk", "vsk"), OCI_SUCCESS) << error().second;
}

TEST_F(Connect, SearchOrderOfTnsnamesFiles) {
    TnsDirs dirs;
    ScopedEnv home("HOME", dirs.dir("home").c_str());
    ScopedEnv profile("USERPROFILE", dirs.dir("profile").c_str());
    ScopedEnv admin("TNS_ADMIN", dirs.dir("admin").c_str());

    // No readable file at all.
    EXPECT_EQ(attach("DEMO"), OCI_ERROR);
    EXPECT_EQ(error().first, 12154);

    dirs.write(dirs.dir("admin") / "tnsnames.ora", entry("DEMO", target_.host, target_.port, "vsk"));
    ASSERT_EQ(attach("demo"), OCI_SUCCESS) << error().second;
    EXPECT_EQ(*srv_->port, target_.port);
    ASSERT_EQ(begin(), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);

    // USERPROFILE comes before TNS_ADMIN, HOME before both; a name that no entry has
    // gets the defaults.
    dirs.write(dirs.dir("profile") / ".tnsnames.ora", entry("DEMO", "h2", "2", "d2"));
    ASSERT_EQ(attach("DEMO"), OCI_SUCCESS);
    EXPECT_EQ(*srv_->host, "h2");
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);
    dirs.write(dirs.dir("home") / ".tnsnames.ora", entry("OTHER", "h1", "1", "d1"));
    ASSERT_EQ(attach("DEMO"), OCI_SUCCESS);
    EXPECT_EQ(*srv_->host, "localhost");
    EXPECT_EQ(*srv_->port, "5444");
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);

    // A directory under the file's name is passed over.
    fs::remove(dirs.dir("home") / ".tnsnames.ora");
    fs::create_directory(dirs.dir("home") / ".tnsnames.ora");
    ASSERT_EQ(attach("DEMO"), OCI_SUCCESS);
    EXPECT_EQ(*srv_->host, "h2");
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);

    // A path too long to be a path is no candidate either.
    ScopedEnv long_home("HOME", std::string(2000, 'x').c_str());
    ASSERT_EQ(attach("DEMO"), OCI_SUCCESS);
    EXPECT_EQ(*srv_->host, "h2");
}

TEST_F(Connect, MalformedTnsnamesIs12227AndTracedNotPrinted) {
    TnsDirs dirs;
    fs::path log = dirs.dir("admin") / "trace";
    ScopedEnv debug_log("OCI_DEBUG_LOG", log.c_str());
    ScopedEnv home("HOME", nullptr);
    ScopedEnv profile("USERPROFILE", nullptr);
    ScopedEnv admin("TNS_ADMIN", dirs.dir("admin").c_str());
    make_env(OCI_DEFAULT);
    dirs.write(dirs.dir("admin") / "tnsnames.ora", "DEMO = (DESCRIPTION =\n  (ADDRESS = (HOST = \"quoted\")))\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(attach("DEMO"), OCI_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(error().first, 12227);
    EXPECT_FALSE(srv_->attached);
    OCIHandleFree(env_, OCI_HTYPE_ENV);
    env_ = nullptr;
    std::string trace = read_all(log.string() + "-" + std::to_string(::getpid()));
    EXPECT_NE(trace.find("2:syntax error"), std::string::npos) << trace;
}

TEST_F(Connect, LogonArgumentsAndLogoff) {
    OCISvcCtx *svc = reinterpret_cast<OCISvcCtx *>(1);
    const std::string user = "vsk";
    EXPECT_EQ(OCILogon(env_, err_, &svc, nullptr, 0, ot(user), 3, ot(direct_), len(direct_)), OCI_ERROR);
    EXPECT_EQ(svc, nullptr);
    EXPECT_EQ(error(), std::make_pair(sb4{21560}, std::string("VSK-21560: null, invalid, or out of range argument 4")));
    EXPECT_EQ(OCILogon(env_, err_, &svc, ot(user), 3, ot(user), 3, nullptr, 0), OCI_ERROR);
    EXPECT_EQ(error().second, "VSK-21560: null, invalid, or out of range argument 8");
    EXPECT_EQ(OCILogon(env_, err_, nullptr, ot(user), 3, ot(user), 3, ot(direct_), len(direct_)), OCI_ERROR);

    // A failed logon leaves no handles behind.
    std::size_t children = env_->children.size();
    EXPECT_EQ(OCILogon(env_, err_, &svc, ot(user), 3, ot("bad"), 3, ot(direct_), len(direct_)), OCI_ERROR);
    EXPECT_EQ(error().first, 12154);
    EXPECT_EQ(svc, nullptr);
    EXPECT_EQ(env_->children.size(), children);

    ASSERT_EQ(OCILogon2(env_, err_, &svc, ot(user), 3, ot(user), 3, ot(direct_), len(direct_), OCI_LOGON2_STMTCACHE),
              OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(svc->stmtCacheEnabled, 1);
    EXPECT_EQ(OCIPing(svc, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIPing(svc, err_, 1), OCI_ERROR);
    EXPECT_EQ(error().first, 25407);
    EXPECT_EQ(OCILogoff(svc, err_), OCI_SUCCESS);
    EXPECT_EQ(env_->children.size(), children);
}

TEST_F(Connect, ServerVersionAndRelease) {
    ASSERT_EQ(attach(direct_), OCI_SUCCESS);
    OraText buf[512];
    ub4 version = 0;
    EXPECT_EQ(OCIServerRelease(svc_, err_, buf, sizeof buf, OCI_HTYPE_SVCCTX, &version), OCI_ERROR);
    EXPECT_EQ(error().first, 25407);
    ASSERT_EQ(begin(), OCI_SUCCESS);

    ASSERT_EQ(OCIServerRelease(svc_, err_, buf, sizeof buf, OCI_HTYPE_SVCCTX, &version), OCI_SUCCESS);
    int v = PQserverVersion(conn());
    EXPECT_EQ(version >> 24, static_cast<ub4>(v / 10000));
    EXPECT_EQ((version >> 12) & 0xFF, static_cast<ub4>(v % 100));
    std::string text(reinterpret_cast<char *>(buf));
    EXPECT_EQ(text.rfind("PostgreSQL ", 0), 0u) << text;

    // A short buffer gets the first bytes and no terminator.
    OraText small[8];
    std::memset(small, 'z', sizeof small);
    ASSERT_EQ(OCIServerVersion(srv_, err_, small, 4, OCI_HTYPE_SERVER), OCI_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(small), 5), "Postz");
    EXPECT_EQ(OCIServerVersion(srv_, err_, small, 0, OCI_HTYPE_SERVER), OCI_ERROR);
    EXPECT_EQ(OCIServerVersion(srv_, err_, small, 8, OCI_HTYPE_STMT), OCI_ERROR);
    EXPECT_EQ(OCIServerVersion(err_, err_, small, 8, OCI_HTYPE_SERVER), OCI_INVALID_HANDLE);
}

TEST_F(Connect, ModuleAndSslmodeReachLibpq) {
    ASSERT_EQ(attach(direct_), OCI_SUCCESS);
    const std::string module = "orders-batch";
    ASSERT_EQ(OCIAttrSet(ses_, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(module)), len(module), OCI_ATTR_MODULE, err_),
              OCI_SUCCESS);
    const std::string sslmode = "require";
    ASSERT_EQ(OCIAttrSet(ses_, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(sslmode)), len(sslmode), OCI_ATTR_SSLMODE,
                         err_),
              OCI_SUCCESS);
    // The test server has no TLS: requiring it must fail the connection.
    EXPECT_EQ(begin(), OCI_ERROR);
    EXPECT_EQ(error().first, 12154);
    const std::string disable = "disable";
    ASSERT_EQ(OCIAttrSet(ses_, OCI_HTYPE_SESSION, const_cast<OraText *>(ot(disable)), len(disable), OCI_ATTR_SSLMODE,
                         err_),
              OCI_SUCCESS);
    ASSERT_EQ(begin(), OCI_SUCCESS) << error().second;
    EXPECT_EQ(query_value("select application_name from pg_stat_activity where pid = pg_backend_pid()"), module);
}

// Neither the password a session begins with nor one it changes to shows in the trace
// log (every category, highest level) or in the server's statement log.
TEST_F(Connect, PasswordsStayOutOfTracesAndTheServerLog) {
    const std::string secret = "Sekr1t-4711", fresh = "Fr3sh-0815";
    ASSERT_TRUE(exec_ok("DROP ROLE IF EXISTS vsk_secret"));
    ASSERT_TRUE(exec_ok("CREATE ROLE vsk_secret LOGIN PASSWORD '" + secret + "'"));
    ASSERT_TRUE(exec_ok("ALTER ROLE vsk_secret SET log_statement = 'all'"));
    const char *pgenv = std::getenv("VSK_TEST_PGENV");
    ASSERT_NE(pgenv, nullptr);
    const std::filesystem::path serverLog = std::filesystem::path(pgenv).parent_path() / "server.log";
    const auto logStart = std::filesystem::file_size(serverLog);
    const std::filesystem::path trace = std::filesystem::temp_directory_path() / "vsk_secret_trace";
    {
        ScopedEnv log("OCI_DEBUG_LOG", trace.c_str()), level("OCI_DEBUG_LEVEL", "4"),
            mask("OCI_DEBUG_MASK", "0xffffffffffffffff");
        make_env(OCI_DEFAULT);
        const std::string uri = "postgresql://vsk_secret:" + secret + "@" + target_.host + ":" + target_.port + "/vsk";
        ASSERT_EQ(attach(uri), OCI_SUCCESS) << error().second;
        ASSERT_EQ(begin("vsk_secret", secret), OCI_SUCCESS) << error().second;
        ASSERT_EQ(OCIPasswordChange(svc_, err_, ot("vsk_secret"), 10, ot(secret), len(secret), ot(fresh), len(fresh),
                                    OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
        EXPECT_EQ(query_value("select 1"), "1");
        EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
        // A refused log-on's error record does not repeat the password either.
        ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);
        ASSERT_EQ(attach(direct_), OCI_SUCCESS) << error().second;
        EXPECT_EQ(begin("vsk_secret", secret), OCI_ERROR);
        EXPECT_EQ(error().second.find(secret), std::string::npos) << error().second;
        OCIHandleFree(env_, OCI_HTYPE_ENV);  // closes the trace log
        env_ = nullptr;
    }
    // The server keeps a hash, and the new password works.
    PGconn *side = PQconnectdb(("host=" + target_.host + " port=" + target_.port + " dbname=vsk user=vsk_secret " +
                                "password=" + fresh).c_str());
    EXPECT_EQ(PQstatus(side), CONNECTION_OK) << PQerrorMessage(side);
    PQfinish(side);

    const auto read = [](const std::filesystem::path &path, std::uintmax_t from) {
        std::ifstream in(path, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(from));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    const std::filesystem::path traceFile = trace.string() + "-" + std::to_string(getpid());
    const std::string traced = read(traceFile, 0), logged = read(serverLog, logStart);
    std::filesystem::remove(traceFile);
    EXPECT_NE(traced.find("OCISessionBegin"), std::string::npos);
    EXPECT_NE(logged.find("ALTER ROLE"), std::string::npos);
    const auto around = [](const std::string &text, std::size_t at) {
        return at == std::string::npos ? std::string() : text.substr(at < 200 ? 0 : at - 200, 400);
    };
    for (const std::string &word : {secret, fresh}) {
        EXPECT_EQ(traced.find(word), std::string::npos) << around(traced, traced.find(word));
        EXPECT_EQ(logged.find(word), std::string::npos) << around(logged, logged.find(word));
    }
    EXPECT_TRUE(exec_ok("DROP ROLE vsk_secret"));
}

TEST_F(Connect, PasswordChangeQuotesRoleAndPassword) {
    const std::string role = "o'brien \"x\"";
    const std::string quoted_role = "\"o'brien \"\"x\"\"\"";
    ASSERT_TRUE(exec_ok("DROP ROLE IF EXISTS " + quoted_role));
    ASSERT_TRUE(exec_ok("CREATE ROLE " + quoted_role + " LOGIN PASSWORD 'old'"));
    ASSERT_EQ(attach(direct_), OCI_SUCCESS);
    ASSERT_EQ(begin(role, "old"), OCI_SUCCESS) << error().second;

    const std::string fresh = "n'ew\\pa\"ss'; DROP ROLE vsk; --";
    ASSERT_EQ(OCIPasswordChange(svc_, err_, ot(role), len(role), ot("old"), 3, ot(fresh), len(fresh), OCI_DEFAULT),
              OCI_SUCCESS)
        << error().second;
    // The session keeps the new password, so it can be begun again.
    EXPECT_EQ(ses_->password, fresh);
    EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCISessionBegin(svc_, err_, ses_, OCI_CRED_RDBMS, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(query_value("select count(*) from pg_roles where rolname = 'vsk'"), "1");

    // Without a connection: 25407 in the default mode; OCI_AUTH begins the session first.
    EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(role), len(role), nullptr, 0, ot("p2"), 2, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 25407);
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(role), len(role), nullptr, 0, ot("p2"), 2, OCI_AUTH), OCI_SUCCESS)
        << error().second;
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot(role), len(role), nullptr, 0, ot("p2"), 2, 3), OCI_INVALID_HANDLE);
    // A server failure carries the server's message.
    EXPECT_EQ(OCIPasswordChange(svc_, err_, ot("no such role"), 12, nullptr, 0, ot("p"), 1, OCI_DEFAULT), OCI_ERROR);
    EXPECT_NE(error().second.find("does not exist"), std::string::npos) << error().second;

    EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_TRUE(exec_ok("DROP ROLE " + quoted_role));
}

TEST_F(Connect, Utf16EnvironmentSpeaksUtf8ToTheServer) {
    make_env(OCI_UTF16);
    const std::string dblink = u16(direct_), user = u16("vsk");
    ASSERT_EQ(OCIServerAttach(srv_, err_, ot(dblink), len(dblink), OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(srv_->dblink, direct_);
    ASSERT_EQ(begin(user, user), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(PQparameterStatus(srv_->conn, "client_encoding"), "UTF8");
    OraText buf[256];
    ASSERT_EQ(OCIServerVersion(svc_, err_, buf, sizeof buf, OCI_HTYPE_SVCCTX), OCI_SUCCESS);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buf), 6), u16("Pos"));

    // An odd byte count is no UTF-16 text.
    ASSERT_EQ(OCIServerDetach(srv_, err_, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(OCIServerAttach(srv_, err_, ot(dblink), 3, OCI_DEFAULT), OCI_ERROR);
    // (OCIErrorGet would answer in UTF-16 here.)
    ASSERT_EQ(err_->records.size(), 1u);
    EXPECT_EQ(err_->records.nth(0)->msg, "An incomplete multibyte sequence has been encountered in the input");
}

TEST_F(Connect, NlsDateFormatIsKeptForTheFirstStatement) {
    ScopedEnv format("NLS_DATE_FORMAT", "DD-MON-YYYY");
    ASSERT_NO_FATAL_FAILURE(connect());
    EXPECT_EQ(*srv_->nlsDateFormat, "DD-MON-YYYY");
    EXPECT_EQ(srv_->nlsDateFormatPending, 1);
    EXPECT_EQ(srv_->nlsDateFormatApplied, 0);

    // The stand-in answers for stock PostgreSQL and keeps the format with the connection.
    EXPECT_FALSE(vsk::pqx::state_of(srv_->conn)->vendorExtras);
    EXPECT_EQ(vsk::set_nls_format(err_, srv_->conn, false, "DD-MON-YYYY HH24:MI"), 1);
    EXPECT_EQ(*vsk::pqx::state_of(srv_->conn)->nlsDateFormat, "DD-MON-YYYY HH24:MI");
    EXPECT_EQ(vsk::set_nls_format(err_, srv_->conn, true, "DDMONYY HH24MI"), 1);
    EXPECT_EQ(*vsk::pqx::state_of(srv_->conn)->nlsDateFormat, "DDMONYY HH24:MI");
    EXPECT_EQ(vsk::set_nls_format(err_, srv_->conn, false, "YYYY'MM"), 1);
    EXPECT_EQ(*vsk::pqx::state_of(srv_->conn)->nlsDateFormat, "YYYY'MM");
    // The same command from an application statement takes the same road.
    PGresult *r = vsk::pqx::exec(srv_->conn, err_, "alter session set nls_date_format = 'YYYY';");
    EXPECT_EQ(PQresultStatus(r), PGRES_COMMAND_OK);
    PQclear(r);
    EXPECT_EQ(*vsk::pqx::state_of(srv_->conn)->nlsDateFormat, "YYYY");
}

// Dates fetched into text follow NLS_DATE_FORMAT only once the library writes them
// itself with the format-model writer; until then the server's ISO form comes back.
TEST_F(Connect, DatesStayIsoUntilTheFormatWriterLands) {
    ScopedEnv format("NLS_DATE_FORMAT", "DD-MON-YYYY");
    ASSERT_NO_FATAL_FAILURE(connect());
    ASSERT_EQ(vsk::set_nls_format(err_, srv_->conn, false, "DD-MON-YYYY"), 1);
    EXPECT_EQ(query_value("select date '2024-03-05'::text"), "2024-03-05");
}

TEST_F(Connect, StatementLevelRollbackAttribute) {
    ASSERT_EQ(attach(direct_), OCI_SUCCESS);
    ub1 on = 1;
    // No connection yet: the setting cannot be read.
    EXPECT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &on, nullptr, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_ERROR);
    EXPECT_EQ(error().first, 24328);
    ASSERT_EQ(begin(), OCI_SUCCESS);
    ub1 value = 9;
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &value, nullptr, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_SUCCESS);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(OCIAttrSet(srv_, OCI_HTYPE_SERVER, &on, 0, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_SUCCESS);
    EXPECT_EQ(srv_->stmtLevelTx, 1);
    EXPECT_TRUE(vsk::pqx::statement_level_rollback(srv_->conn));
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &value, nullptr, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_SUCCESS);
    EXPECT_EQ(value, 1);
    ub1 off = 0;
    ASSERT_EQ(OCIAttrSet(srv_, OCI_HTYPE_SERVER, &off, 0, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_SUCCESS);
    ASSERT_EQ(OCIAttrGet(srv_, OCI_HTYPE_SERVER, &value, nullptr, OCI_ATTR_STMT_LEVEL_TX, err_), OCI_SUCCESS);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(vsk::pqx::statement_level_rollback(srv_->conn));
    // Values the stand-in does not know go to the server, which rejects them.
    PGresult *r = vsk::pqx::exec(srv_->conn, err_, "SET vsk_stmt_level_tx = maybe");
    EXPECT_EQ(PQresultStatus(r), PGRES_FATAL_ERROR);
    PQclear(r);
}

TEST_F(Connect, KilledConnectionGives25407) {
    ASSERT_NO_FATAL_FAILURE(connect());
    ASSERT_TRUE(vsk::test::TerminateBackend(conninfo(), PQbackendPID(srv_->conn)));
    EXPECT_EQ(OCIPing(svc_, err_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 1041);
    OraText buf[64];
    EXPECT_EQ(OCIServerRelease(svc_, err_, buf, sizeof buf, OCI_HTYPE_SVCCTX, nullptr), OCI_ERROR);
    EXPECT_EQ(error().first, 25407);
    EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_ERROR);
    EXPECT_EQ(error().first, 25407);
    // A new session replaces the dead connection.
    ASSERT_EQ(begin(), OCI_SUCCESS) << error().second;
    EXPECT_EQ(OCIPing(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(Connect, BreakAndReset) {
    EXPECT_EQ(OCIBreak(svc_, err_), OCI_ERROR);  // no connection
    EXPECT_EQ(OCIBreak(err_, err_), OCI_ERROR);
    EXPECT_EQ(OCIBreak(nullptr, err_), OCI_ERROR);
    EXPECT_EQ(OCIReset(svc_, err_), OCI_ERROR);
    ASSERT_NO_FATAL_FAILURE(connect());
    EXPECT_EQ(OCIBreak(svc_, err_), OCI_SUCCESS);
    EXPECT_EQ(srv_->breakRequested, 1);
    // Nothing was pending: the reset reports it and the connection stays usable.
    EXPECT_EQ(OCIReset(srv_, err_), OCI_ERROR);
    EXPECT_EQ(error().second, "Unexpected NULL PGresult");
    EXPECT_EQ(OCIPing(svc_, err_, OCI_DEFAULT), OCI_SUCCESS);
}

TEST_F(Connect, ProtocolTraceAndWaitStatistics) {
    TnsDirs dirs;
    fs::path log = dirs.dir("admin") / "trace";
    fs::path protocol = dirs.dir("admin") / "protocol";
    ScopedEnv debug_log("OCI_DEBUG_LOG", log.c_str());
    ScopedEnv mask("OCI_DEBUG_MASK", "24576");  // 8192 | 16384
    make_env(OCI_DEFAULT);
    {
        ScopedEnv trace("OCI_TRACE_PROTOCOL", protocol.c_str());
        ASSERT_EQ(attach(direct_), OCI_SUCCESS);
        ASSERT_EQ(begin(), OCI_SUCCESS);
        EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    }
    EXPECT_NE(read_all(protocol).find("Query"), std::string::npos);
    {
        // A protocol trace that cannot be opened is simply not started.
        ScopedEnv trace("OCI_TRACE_PROTOCOL", (dirs.dir("admin") / "missing" / "x").c_str());
        ASSERT_EQ(begin(), OCI_SUCCESS);
        EXPECT_EQ(OCISessionEnd(svc_, err_, ses_, OCI_DEFAULT), OCI_SUCCESS);
    }
    OCIHandleFree(env_, OCI_HTYPE_ENV);
    env_ = nullptr;
    std::string trace = read_all(log.string() + "-" + std::to_string(::getpid()));
    EXPECT_NE(trace.find("OCISessionBegin started"), std::string::npos) << trace;
    EXPECT_NE(trace.find("OCISessionBegin() OK"), std::string::npos) << trace;
    EXPECT_NE(trace.find("host [" + target_.host + "] port [" + target_.port + "] db [vsk], user [vsk]"),
              std::string::npos)
        << trace;
    // Stock PostgreSQL has no per-session wait totals: the header and no rows.
    EXPECT_NE(trace.find("KELTO Counters (at disconnect)"), std::string::npos) << trace;
    EXPECT_EQ(trace.find("kelto, "), std::string::npos) << trace;
}

}  // namespace
