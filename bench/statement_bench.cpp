// Statements through the library against the same work through plain libpq:
//  (a) 1,000,000 rows of four text columns fetched in batches of 1,000 (libpq: a cursor
//      fetched 1,000 rows at a time, and one plain query);
//  (b) 10,000 point queries, each with another bind value (libpq: PQexecPrepared);
//  (c) 10,000 single-row INSERTs with iters 1 (libpq: PQexecPrepared).
// Values land in application buffers on both sides.
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"

namespace {

using vsk::bench::OciSession;

constexpr int kRows = 1000000;
constexpr int kBatch = 1000;
constexpr int kPoints = 10000;
constexpr int kInserts = 10000;
constexpr int kWidth = 24;

// Where fetched values go: four columns of one batch.
struct Buffers {
    char value[4][kBatch][kWidth];
    sb2 ind[4][kBatch];
    ub2 len[4][kBatch];
};

void copy_value(Buffers &b, int col, int row, const PGresult *r, int i) {
    const int n = PQgetlength(r, i, col);
    const int m = n < kWidth - 1 ? n : kWidth - 1;
    std::memcpy(b.value[col][row], PQgetvalue(r, i, col), static_cast<std::size_t>(m));
    b.value[col][row][m] = 0;
    b.len[col][row] = static_cast<ub2>(m);
    b.ind[col][row] = PQgetisnull(r, i, col) ? -1 : 0;
}

void prepare_tables() {
    PGconn *c = vsk::bench::libpq_connect();
    if (vsk::bench::count_rows(c, "bench_rows") != kRows) {
        vsk::bench::must(c, "DROP TABLE IF EXISTS bench_rows; CREATE TABLE bench_rows (a text, b text, c text, d text)");
        vsk::bench::must(c, "INSERT INTO bench_rows SELECT 'alpha' || g, 'beta' || g, 'gamma' || g, 'delta' || g "
                            "FROM generate_series(1, 1000000) g");
        vsk::bench::must(c, "DROP TABLE IF EXISTS bench_points; CREATE TABLE bench_points (id int PRIMARY KEY, v text);"
                            "INSERT INTO bench_points SELECT g, 'point ' || g FROM generate_series(1, 10000) g");
        vsk::bench::must(c, "VACUUM ANALYZE bench_rows");
        vsk::bench::must(c, "VACUUM ANALYZE bench_points");
    }
    vsk::bench::must(c, "DROP TABLE IF EXISTS bench_ins; CREATE TABLE bench_ins (a text, b text)");
    PQfinish(c);
}

void truncate_inserts() {
    PGconn *c = vsk::bench::libpq_connect();
    vsk::bench::must(c, "TRUNCATE bench_ins");
    PQfinish(c);
}

// (a)
void BM_FetchRows_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *q = s.statement("select a, b, c, d from bench_rows");
    static Buffers b;
    for (ub4 col = 0; col < 4; ++col) {
        OCIDefine *d = nullptr;
        s.check(OCIDefineByPos(q, &d, s.err, col + 1, b.value[col], kWidth, SQLT_STR, b.ind[col], b.len[col], nullptr,
                               OCI_DEFAULT),
                "define");
    }
    for (auto _ : state)
        if (s.fetch_all(q, kBatch) != kRows) state.SkipWithError("wrong row count");
    OCIHandleFree(q, OCI_HTYPE_STMT);
}

void BM_FetchRows_LibpqCursor(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    static Buffers b;
    for (auto _ : state) {
        const long rows =
            vsk::bench::libpq_cursor_fetch(c, "select a, b, c, d from bench_rows", kBatch, [&](const PGresult *r, int n) {
                for (int i = 0; i < n; ++i)
                    for (int col = 0; col < 4; ++col) copy_value(b, col, i, r, i);
            });
        if (rows != kRows) state.SkipWithError("wrong row count");
    }
    PQfinish(c);
}

void BM_FetchRows_LibpqQuery(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    static Buffers b;
    for (auto _ : state) {
        PGresult *r = PQexec(c, "select a, b, c, d from bench_rows");
        const int n = PQntuples(r);
        for (int i = 0; i < n; ++i)
            for (int col = 0; col < 4; ++col) copy_value(b, col, i % kBatch, r, i);
        PQclear(r);
        if (n != kRows) state.SkipWithError("wrong row count");
    }
    PQfinish(c);
}

// (b)
void BM_PointQueries_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *q = s.statement("select v from bench_points where id = :id");
    char id[12], v[kWidth];
    OCIBind *bind = nullptr;
    OCIDefine *def = nullptr;
    s.check(OCIBindByName(q, &bind, s.err, reinterpret_cast<const OraText *>(":id"), 3, id, sizeof id, SQLT_STR,
                          nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind");
    s.check(OCIDefineByPos(q, &def, s.err, 1, v, sizeof v, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT), "define");
    for (auto _ : state) {
        for (int i = 1; i <= kPoints; ++i) {
            std::snprintf(id, sizeof id, "%d", i);
            s.check(OCIStmtExecute(s.svc, q, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "execute");
        }
        if (std::strcmp(v, "point 10000") != 0) state.SkipWithError("wrong value");
    }
    OCIHandleFree(q, OCI_HTYPE_STMT);
}

void BM_PointQueries_Libpq(benchmark::State &state) {
    vsk::bench::libpq_point_queries(state, "bench_points", kPoints);
}

// (c)
void BM_Inserts_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *ins = s.statement("insert into bench_ins values (:a, :b)");
    OCIStmt *commit = s.statement("COMMIT");
    char a[12], bv[kWidth];
    OCIBind *b1 = nullptr, *b2 = nullptr;
    s.check(OCIBindByName(ins, &b1, s.err, reinterpret_cast<const OraText *>(":a"), 2, a, sizeof a, SQLT_STR, nullptr,
                          nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind");
    s.check(OCIBindByName(ins, &b2, s.err, reinterpret_cast<const OraText *>(":b"), 2, bv, sizeof bv, SQLT_STR,
                          nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind");
    for (auto _ : state) {
        state.PauseTiming();
        truncate_inserts();
        state.ResumeTiming();
        for (int i = 0; i < kInserts; ++i) {
            std::snprintf(a, sizeof a, "%d", i);
            std::snprintf(bv, sizeof bv, "value %d", i);
            s.check(OCIStmtExecute(s.svc, ins, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "insert");
        }
        s.check(OCIStmtExecute(s.svc, commit, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "commit");
    }
    OCIHandleFree(ins, OCI_HTYPE_STMT);
    OCIHandleFree(commit, OCI_HTYPE_STMT);
}

void BM_Inserts_Libpq(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    PQclear(PQprepare(c, "ins", "insert into bench_ins values ($1, $2)", 2, nullptr));
    char a[12], bv[kWidth];
    for (auto _ : state) {
        state.PauseTiming();
        truncate_inserts();
        state.ResumeTiming();
        vsk::bench::must(c, "BEGIN");
        for (int i = 0; i < kInserts; ++i) {
            std::snprintf(a, sizeof a, "%d", i);
            std::snprintf(bv, sizeof bv, "value %d", i);
            const char *values[] = {a, bv};
            PQclear(PQexecPrepared(c, "ins", 2, values, nullptr, nullptr, 0));
        }
        vsk::bench::must(c, "COMMIT");
    }
    PQfinish(c);
}

}  // namespace

BENCHMARK(BM_FetchRows_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchRows_LibpqCursor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_FetchRows_LibpqQuery)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PointQueries_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PointQueries_Libpq)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Inserts_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Inserts_Libpq)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    prepare_tables();
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_FetchRows_Library", "BM_FetchRows_LibpqCursor"},
                          {"BM_FetchRows_Library", "BM_FetchRows_LibpqQuery"},
                          {"BM_PointQueries_Library", "BM_PointQueries_Libpq"},
                          {"BM_Inserts_Library", "BM_Inserts_Libpq"}});
    benchmark::Shutdown();
    return 0;
}
