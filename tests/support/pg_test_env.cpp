#include "pg_test_env.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace vsk::test {

namespace {

bool read_first_line(const std::string &path, std::string *line) {
    std::ifstream in(path);
    if (!in || !std::getline(in, *line)) return false;
    while (!line->empty() && (line->back() == '\r' || line->back() == ' ')) line->pop_back();
    return !line->empty();
}

bool result_ok(const PgResult &r) {
    return r && (r.status() == PGRES_COMMAND_OK || r.status() == PGRES_TUPLES_OK);
}

std::string result_error(const PgResult &r) {
    if (!r) return "no result";
    std::string text = PQresultErrorMessage(r.get());
    return text.empty() ? PQresStatus(r.status()) : text;
}

}  // namespace

bool ReadConnInfo(std::string *conninfo, std::string *error) {
    const char *path = std::getenv(kPgEnvVar);
    if (!path || !*path) {
        *error = std::string(kPgEnvVar) + " is not set; run the integration tests through ctest";
        return false;
    }
    if (!read_first_line(path, conninfo)) {
        *error = std::string(kPgEnvVar) + "=" + path + " is missing or empty; did pg_cluster_start run?";
        return false;
    }
    return true;
}

std::string ReadTcpConnInfo() {
    const char *path = std::getenv(kPgEnvVar);
    if (!path) return {};
    std::string p = path;
    std::size_t slash = p.rfind('/');
    std::string tcp = (slash == std::string::npos ? std::string() : p.substr(0, slash + 1)) + "conninfo_tcp";
    std::string line;
    return read_first_line(tcp, &line) ? line : std::string();
}

TcpTarget ReadTcpTarget() {
    TcpTarget t;
    const std::string info = ReadTcpConnInfo();
    PQconninfoOption *opts = info.empty() ? nullptr : PQconninfoParse(info.c_str(), nullptr);
    for (PQconninfoOption *o = opts; o && o->keyword; ++o) {
        if (!o->val) continue;
        const std::string k = o->keyword;
        if (k == "host") t.host = o->val;
        else if (k == "port") t.port = o->val;
        else if (k == "dbname") t.dbname = o->val;
        else if (k == "user") t.user = o->val;
        else if (k == "password") t.password = o->val;
    }
    PQconninfoFree(opts);
    return t;
}

std::string PgResult::sqlstate() const {
    const char *s = r_ ? PQresultErrorField(r_, PG_DIAG_SQLSTATE) : nullptr;
    return s ? s : "";
}

std::string PgResult::primary_message() const {
    const char *s = r_ ? PQresultErrorField(r_, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    return s ? s : "";
}

PgConn PgConn::Connect(const std::string &conninfo) { return PgConn(PQconnectdb(conninfo.c_str())); }

::testing::AssertionResult RunSideSql(const std::string &conninfo, const std::string &sql) {
    PgConn side = PgConn::Connect(conninfo);
    if (!side.ok()) return ::testing::AssertionFailure() << "side connection failed: " << side.error();
    PgResult r = side.exec(sql);
    if (!result_ok(r)) return ::testing::AssertionFailure() << "side SQL `" << sql << "` failed: " << result_error(r);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TerminateBackend(const std::string &conninfo, int pid) {
    if (pid <= 0) return ::testing::AssertionFailure() << "no backend pid";
    PgConn side = PgConn::Connect(conninfo);
    if (!side.ok()) return ::testing::AssertionFailure() << "side connection failed: " << side.error();
    const std::string p = std::to_string(pid);
    PgResult r = side.exec("SELECT pg_terminate_backend(" + p + ")");
    if (!result_ok(r) || std::string(PQgetvalue(r.get(), 0, 0)) != "t")
        return ::testing::AssertionFailure() << "pg_terminate_backend(" << p << ") failed: " << result_error(r);
    // The signal is asynchronous; the test only means something once the backend is gone.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        r = side.exec("SELECT count(*) FROM pg_stat_activity WHERE pid = " + p);
        if (!result_ok(r)) return ::testing::AssertionFailure() << "pg_stat_activity: " << result_error(r);
        if (std::string(PQgetvalue(r.get(), 0, 0)) == "0") return ::testing::AssertionSuccess();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ::testing::AssertionFailure() << "backend " << p << " still present 10 s after termination";
}

void PgTest::SetUp() {
    std::string error;
    ASSERT_TRUE(ReadConnInfo(&conninfo_, &error)) << error;
    conn_ = PgConn::Connect(conninfo_);
    ASSERT_TRUE(conn_.ok()) << "cannot connect with \"" << conninfo_ << "\": " << conn_.error();
}

::testing::AssertionResult PgTest::exec_ok(const std::string &sql) const {
    PgResult r = exec(sql);
    if (result_ok(r)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "`" << sql << "` failed: " << result_error(r);
}

}  // namespace vsk::test
