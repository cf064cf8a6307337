// Access to the private PostgreSQL cluster that CTest starts for integration tests.
// VSK_TEST_PGENV names a file holding a libpq conninfo string (tools/pg_cluster writes it).
#pragma once

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <string>
#include <utility>

namespace vsk::test {

// Name of the variable pointing at the conninfo file.
inline constexpr const char *kPgEnvVar = "VSK_TEST_PGENV";

// Reads the conninfo file; false with a reason in *error when the harness is not set up.
bool ReadConnInfo(std::string *conninfo, std::string *error);

// The same server over TCP (127.0.0.1, password set), from the conninfo_tcp file next to
// the conninfo file; empty when absent.
std::string ReadTcpConnInfo();

// The parts of the TCP conninfo; all empty when the harness has none.
struct TcpTarget {
    std::string host, port, dbname, user, password;
    // host:port/dbname, as an OCI connect string.
    std::string link() const { return host + ":" + port + "/" + dbname; }
};
TcpTarget ReadTcpTarget();

// Owns a PGresult.
class PgResult {
public:
    PgResult() = default;
    explicit PgResult(PGresult *r) noexcept : r_(r) {}
    PgResult(PgResult &&o) noexcept : r_(std::exchange(o.r_, nullptr)) {}
    PgResult &operator=(PgResult &&o) noexcept {
        if (this != &o) reset(std::exchange(o.r_, nullptr));
        return *this;
    }
    PgResult(const PgResult &) = delete;
    PgResult &operator=(const PgResult &) = delete;
    ~PgResult() { reset(); }

    PGresult *get() const noexcept { return r_; }
    explicit operator bool() const noexcept { return r_ != nullptr; }
    ExecStatusType status() const noexcept { return PQresultStatus(r_); }
    // The SQLSTATE, or "" when the result carries none (e.g. a lost connection).
    std::string sqlstate() const;
    std::string primary_message() const;
    void reset(PGresult *r = nullptr) noexcept {
        if (r_) PQclear(r_);
        r_ = r;
    }

private:
    PGresult *r_ = nullptr;
};

// Owns a PGconn.
class PgConn {
public:
    PgConn() = default;
    explicit PgConn(PGconn *c) noexcept : c_(c) {}
    PgConn(PgConn &&o) noexcept : c_(std::exchange(o.c_, nullptr)) {}
    PgConn &operator=(PgConn &&o) noexcept {
        if (this != &o) reset(std::exchange(o.c_, nullptr));
        return *this;
    }
    PgConn(const PgConn &) = delete;
    PgConn &operator=(const PgConn &) = delete;
    ~PgConn() { reset(); }

    // Never null on return; check ok() or error().
    static PgConn Connect(const std::string &conninfo);

    PGconn *get() const noexcept { return c_; }
    explicit operator bool() const noexcept { return c_ != nullptr; }
    bool ok() const noexcept { return c_ && PQstatus(c_) == CONNECTION_OK; }
    std::string error() const { return c_ ? PQerrorMessage(c_) : "no connection"; }
    int backend_pid() const noexcept { return c_ ? PQbackendPID(c_) : 0; }
    PgResult exec(const std::string &sql) const { return PgResult(PQexec(c_, sql.c_str())); }
    void reset(PGconn *c = nullptr) noexcept {
        if (c_) PQfinish(c_);
        c_ = c;
    }

private:
    PGconn *c_ = nullptr;
};

// Runs sql on a fresh side connection; failure text names the statement and the error.
::testing::AssertionResult RunSideSql(const std::string &conninfo, const std::string &sql);

// Terminates backend pid from a side connection and waits until it has gone.
::testing::AssertionResult TerminateBackend(const std::string &conninfo, int pid);

// Base fixture: connects with plain libpq before each test. A missing or unusable
// harness fails the test rather than skipping it, so a broken setup is never silent.
class PgTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { conn_.reset(); }

    PGconn *conn() const noexcept { return conn_.get(); }
    const std::string &conninfo() const noexcept { return conninfo_; }
    PgResult exec(const std::string &sql) const { return conn_.exec(sql); }
    // Success for commands and queries; otherwise the server's error text.
    ::testing::AssertionResult exec_ok(const std::string &sql) const;
    // Opens another session on the same database.
    PgConn connect_side() const { return PgConn::Connect(conninfo_); }

    std::string conninfo_;
    PgConn conn_;
};

}  // namespace vsk::test
