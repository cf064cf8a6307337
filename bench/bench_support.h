// What the benchmark programs share: the server's connection data, a plain libpq
// connection, an OCI session, and the ratio report printed after the runs.
#pragma once

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <oci.h>

#include <map>
#include <utility>
#include <vector>
#include <string>

namespace vsk::bench {

// The conninfo of the private server (file named by VSK_BENCH_CONNINFO); exits when absent.
const std::string &conninfo();

// A libpq connection to it; exits when it cannot connect.
PGconn *libpq_connect();
// Runs sql on conn and exits when it fails.
void must(PGconn *conn, const char *sql);

struct OciSession {
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    OCISvcCtx *svc = nullptr;
    OciSession();
    ~OciSession();
    OCIStmt *statement(const std::string &sql);
    // Exits with the error text unless rc is a success.
    void check(sword rc, const char *what) const;
};

// Collects each benchmark's time per iteration and prints "name: library / libpq = r".
class RatioReporter : public ::benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    // Each pair: a library benchmark and the libpq one doing the same work.
    void PrintRatios(const std::vector<std::pair<std::string, std::string>> &pairs) const;

private:
    std::map<std::string, double> seconds_;
};

}  // namespace vsk::bench
