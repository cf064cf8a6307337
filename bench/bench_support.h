// What the benchmark programs share: the server's connection data, a plain libpq
// connection, an OCI environment and session, the fetch loops on either side, and the
// ratio report printed after the runs.
#pragma once

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <oci.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vsk::bench {

// The conninfo of the private server (file named by VSK_BENCH_CONNINFO); exits when absent.
const std::string &conninfo();

// The server as an OCI connect string, and the user to log on as (password alike).
std::string oci_dblink(std::string *user);

// A libpq connection to it; exits when it cannot connect.
PGconn *libpq_connect();
// Runs sql on conn and exits when it fails.
void must(PGconn *conn, const char *sql);
// The rows of table, -1 when it cannot be counted (e.g. it does not exist yet).
long long count_rows(PGconn *conn, const char *table);
// Runs query through a cursor fetched batch rows at a time inside its own transaction,
// handing each batch's result to take; the number of rows fetched.
long libpq_cursor_fetch(PGconn *conn, const char *query, int batch,
                        const std::function<void(const PGresult *, int rows)> &take);

// The libpq peer of a run of point queries: n executions of a prepared
// "select v from <table> where id = $1" on one connection, ids 1 to n, the last value
// checked to read "point <n>".
void libpq_point_queries(::benchmark::State &state, const char *table, int n);

// An environment and an error handle, enough for the calls that need no server.
struct OciEnvironment {
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    OciEnvironment();
    ~OciEnvironment();
    OciEnvironment(const OciEnvironment &) = delete;
    OciEnvironment &operator=(const OciEnvironment &) = delete;
    // Exits with the error text unless rc is a success.
    void check(sword rc, const char *what) const;
};

struct OciSession : OciEnvironment {
    OCISvcCtx *svc = nullptr;
    OciSession();
    ~OciSession();
    OCIStmt *statement(const std::string &sql);
    // Executes the query q and fetches all its rows, batch at a time, into its defines;
    // the number of rows fetched.
    long fetch_all(OCIStmt *q, ub4 batch);
};

// Collects each benchmark's time per iteration (the median one with --benchmark_repetitions,
// which steadies the ratios on a busy machine) and prints "name: library / peer = r".
class RatioReporter : public ::benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    // Each pair: a library benchmark and the peer one doing the same work (plain libpq
    // unless title says otherwise).
    void PrintRatios(const std::vector<std::pair<std::string, std::string>> &pairs,
                     const char *title = "library vs libpq") const;

private:
    std::map<std::string, double> seconds_;
    std::set<std::string> medians_;
};

}  // namespace vsk::bench
