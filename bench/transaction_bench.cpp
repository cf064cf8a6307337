// Transactions through the library against the same work through plain libpq: 10,000
// single-row INSERTs, each followed by its commit (libpq: PQexecPrepared, then COMMIT
// with the next BEGIN in the same exchange: two exchanges a row, as for the library).
#include <cstdio>

#include "bench_support.h"

namespace {

using vsk::bench::OciSession;

constexpr int kInserts = 10000;

void reset_table() {
    PGconn *c = vsk::bench::libpq_connect();
    vsk::bench::must(c, "DROP TABLE IF EXISTS bench_commits; CREATE TABLE bench_commits (a int, b text)");
    PQfinish(c);
}

void BM_InsertCommit_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *ins = s.statement("insert into bench_commits values (:a, :b)");
    int a = 0;
    char bv[24];
    OCIBind *b1 = nullptr, *b2 = nullptr;
    s.check(OCIBindByName(ins, &b1, s.err, reinterpret_cast<const OraText *>(":a"), 2, &a, sizeof a, SQLT_INT, nullptr,
                          nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind");
    s.check(OCIBindByName(ins, &b2, s.err, reinterpret_cast<const OraText *>(":b"), 2, bv, sizeof bv, SQLT_STR,
                          nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind");
    for (auto _ : state) {
        state.PauseTiming();
        reset_table();
        state.ResumeTiming();
        for (int i = 0; i < kInserts; ++i) {
            a = i;
            std::snprintf(bv, sizeof bv, "value %d", i);
            s.check(OCIStmtExecute(s.svc, ins, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "insert");
            s.check(OCITransCommit(s.svc, s.err, OCI_DEFAULT), "commit");
        }
    }
    OCIHandleFree(ins, OCI_HTYPE_STMT);
}

void BM_InsertCommit_Libpq(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    Oid types[] = {23, 25};
    PQclear(PQprepare(c, "ins", "insert into bench_commits values ($1, $2)", 2, types));
    char a[12], bv[24];
    for (auto _ : state) {
        state.PauseTiming();
        reset_table();
        state.ResumeTiming();
        vsk::bench::must(c, "BEGIN");
        for (int i = 0; i < kInserts; ++i) {
            std::snprintf(a, sizeof a, "%d", i);
            std::snprintf(bv, sizeof bv, "value %d", i);
            const char *values[] = {a, bv};
            PQclear(PQexecPrepared(c, "ins", 2, values, nullptr, nullptr, 0));
            PQclear(PQexec(c, "COMMIT; BEGIN"));
        }
        vsk::bench::must(c, "COMMIT");
    }
    PQfinish(c);
}

}  // namespace

BENCHMARK(BM_InsertCommit_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_InsertCommit_Libpq)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_InsertCommit_Library", "BM_InsertCommit_Libpq"}});
    benchmark::Shutdown();
    return 0;
}
