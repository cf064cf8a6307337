// Dates through the library against the same work without it:
//  (a) 1,000,000 timestamp values fetched in batches of 1,000 into OCIDate defines and
//      into OCIDateTime descriptors (libpq: a cursor fetched 1,000 rows at a time, each
//      value's text parsed into a struct tm with sscanf);
//  (b) OCIDateToText with DD-MON-YYYY HH24:MI:SS over 1,000,000 dates (strftime with the
//      equivalent format).
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "bench_support.h"

namespace {

using vsk::bench::OciSession;

constexpr int kRows = 1000000;
constexpr int kBatch = 1000;
constexpr int kDates = 1000000;
constexpr const char *kQuery = "select ts from bench_stamps";

void prepare_tables() {
    PGconn *c = vsk::bench::libpq_connect();
    if (vsk::bench::count_rows(c, "bench_stamps") != kRows) {
        vsk::bench::must(c, "DROP TABLE IF EXISTS bench_stamps; CREATE TABLE bench_stamps (ts timestamp)");
        vsk::bench::must(c, "INSERT INTO bench_stamps SELECT timestamp '2000-01-01' + g * interval '1 minute 7.25 "
                            "seconds' FROM generate_series(1, 1000000) g");
        vsk::bench::must(c, "VACUUM ANALYZE bench_stamps");
    }
    PQfinish(c);
}

// (a)
void BM_FetchOCIDate_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *q = s.statement(kQuery);
    static OCIDate dates[kBatch];
    static sb2 ind[kBatch];
    OCIDefine *d = nullptr;
    s.check(OCIDefineByPos(q, &d, s.err, 1, dates, sizeof(OCIDate), SQLT_ODT, ind, nullptr, nullptr, OCI_DEFAULT),
            "define");
    for (auto _ : state)
        if (s.fetch_all(q, kBatch) != kRows) state.SkipWithError("wrong row count");
    if (dates[0].OCIDateYYYY < 2000) state.SkipWithError("wrong value");
    OCIHandleFree(q, OCI_HTYPE_STMT);
}

void BM_FetchOCIDateTime_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *q = s.statement(kQuery);
    static OCIDateTime *stamps[kBatch];
    static sb2 ind[kBatch];
    for (auto &p : stamps)
        s.check(OCIDescriptorAlloc(s.env, reinterpret_cast<void **>(&p), OCI_DTYPE_TIMESTAMP, 0, nullptr), "alloc");
    OCIDefine *d = nullptr;
    s.check(OCIDefineByPos(q, &d, s.err, 1, stamps, sizeof(OCIDateTime *), SQLT_TIMESTAMP, ind, nullptr, nullptr,
                           OCI_DEFAULT),
            "define");
    for (auto _ : state)
        if (s.fetch_all(q, kBatch) != kRows) state.SkipWithError("wrong row count");
    for (auto &p : stamps) OCIDescriptorFree(p, OCI_DTYPE_TIMESTAMP);
    OCIHandleFree(q, OCI_HTYPE_STMT);
}

void BM_FetchTimestamps_LibpqCursor(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    static std::tm out[kBatch];
    static double fraction[kBatch];
    for (auto _ : state) {
        const long rows = vsk::bench::libpq_cursor_fetch(c, kQuery, kBatch, [&](const PGresult *r, int n) {
            for (int i = 0; i < n; ++i) {
                std::tm &t = out[i];
                double sec = 0;
                std::sscanf(PQgetvalue(r, i, 0), "%d-%d-%d %d:%d:%lf", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour,
                            &t.tm_min, &sec);
                t.tm_sec = static_cast<int>(sec);
                fraction[i] = sec - t.tm_sec;
            }
        });
        if (rows != kRows) state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(fraction);
    }
    PQfinish(c);
}

// (b)
void BM_DateToText_Library(benchmark::State &state) {
    vsk::bench::OciEnvironment e;
    const OraText *fmt = reinterpret_cast<const OraText *>("DD-MON-YYYY HH24:MI:SS");
    OraText buf[64];
    for (auto _ : state) {
        for (int i = 0; i < kDates; ++i) {
            OCIDate d;
            OCIDateSetDate(&d, 1900 + i % 200, 1 + i % 12, 1 + i % 28);
            OCIDateSetTime(&d, i % 24, i % 60, (i / 60) % 60);
            ub4 n = sizeof buf;
            e.check(OCIDateToText(e.err, &d, fmt, 22, nullptr, 0, &n, buf), "to text");
        }
        benchmark::DoNotOptimize(buf);
    }
}

void BM_DateToText_Strftime(benchmark::State &state) {
    char buf[64];
    for (auto _ : state) {
        for (int i = 0; i < kDates; ++i) {
            std::tm t{};
            t.tm_year = i % 200;
            t.tm_mon = i % 12;
            t.tm_mday = 1 + i % 28;
            t.tm_hour = i % 24;
            t.tm_min = i % 60;
            t.tm_sec = (i / 60) % 60;
            std::strftime(buf, sizeof buf, "%d-%b-%Y %H:%M:%S", &t);
        }
        benchmark::DoNotOptimize(buf);
    }
}

}  // namespace

BENCHMARK(BM_FetchOCIDate_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchOCIDateTime_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchTimestamps_LibpqCursor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DateToText_Library)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DateToText_Strftime)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    prepare_tables();
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_FetchOCIDate_Library", "BM_FetchTimestamps_LibpqCursor"},
                          {"BM_FetchOCIDateTime_Library", "BM_FetchTimestamps_LibpqCursor"}});
    reporter.PrintRatios({{"BM_DateToText_Library", "BM_DateToText_Strftime"}}, "library vs strftime");
    benchmark::Shutdown();
    return 0;
}
