// Describe through the library against the same work through plain libpq: 10,000 point
// queries over ten columns of mixed types, each execution followed by a describe of
// every column (OCIParamGet; name, type, size, precision, scale and nullability;
// OCIDescriptorFree) with its row fetched into application buffers (libpq:
// PQexecPrepared, PQfname and PQftype per column, the values copied out). Before the
// runs it counts the exchanges of one such operation in the library's protocol trace.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "bench_support.h"
#include "protocol_trace.h"

namespace {

using vsk::bench::OciSession;

constexpr int kPoints = 10000;
constexpr int kColumns = 10;
constexpr int kWidth = 112;
constexpr ub4 kFlagColumn = 5;
constexpr const char *kQuery =
    "select id, big, amount, label, note, flag, ratio, small, code, title from bench_describe where id = :id";

void prepare_table() {
    PGconn *c = vsk::bench::libpq_connect();
    if (vsk::bench::count_rows(c, "bench_describe") != kPoints) {
        vsk::bench::must(c, "DROP TABLE IF EXISTS bench_describe;"
                            "CREATE TABLE bench_describe (id int PRIMARY KEY, big bigint NOT NULL,"
                            " amount numeric(10,2), label varchar(40) NOT NULL, note text, flag bool,"
                            " ratio float8, small int2, code char(5), title varchar(100))");
        vsk::bench::must(c, "INSERT INTO bench_describe SELECT g, g * 1000, g / 7.0, 'label ' || g,"
                            " 'a note about row ' || g, g % 2 = 0, g / 3.0, g % 100, 'c' || g % 1000,"
                            " 'title of row ' || g FROM generate_series(1, 10000) g");
        vsk::bench::must(c, "VACUUM ANALYZE bench_describe");
    }
    PQfinish(c);
}

// What one describe of a column reads.
struct Described {
    OraText *name;
    ub4 nameLength;
    ub2 type, size;
    sb2 precision;
    sb1 scale;
    ub1 nullable;
};

struct PointQuery {
    OciSession &s;
    OCIStmt *q;
    char id[12] = {};
    char values[kColumns][kWidth] = {};
    sb2 ind[kColumns] = {};
    Described described[kColumns] = {};

    explicit PointQuery(OciSession &session) : s(session), q(session.statement(kQuery)) {
        OCIBind *bind = nullptr;
        s.check(OCIBindByName(q, &bind, s.err, reinterpret_cast<const OraText *>(":id"), 3, id, sizeof id, SQLT_STR,
                              nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                "bind");
        // Every column as text but the boolean, which the conversion tables cannot fetch
        // (its value still comes with the row).
        for (ub4 col = 0; col < kColumns; ++col) {
            if (col == kFlagColumn) continue;
            OCIDefine *d = nullptr;
            s.check(OCIDefineByPos(q, &d, s.err, col + 1, values[col], kWidth, SQLT_STR, &ind[col], nullptr, nullptr,
                                   OCI_DEFAULT),
                    "define");
        }
    }
    ~PointQuery() { OCIHandleFree(q, OCI_HTYPE_STMT); }

    void run(int key) {
        std::snprintf(id, sizeof id, "%d", key);
        s.check(OCIStmtExecute(s.svc, q, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "execute");
        for (ub4 col = 0; col < kColumns; ++col) {
            OCIParam *p = nullptr;
            Described &d = described[col];
            s.check(OCIParamGet(q, OCI_HTYPE_STMT, s.err, reinterpret_cast<void **>(&p), col + 1), "param");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.name, &d.nameLength, OCI_ATTR_NAME, s.err), "name");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.type, nullptr, OCI_ATTR_DATA_TYPE, s.err), "type");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.size, nullptr, OCI_ATTR_DATA_SIZE, s.err), "size");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.precision, nullptr, OCI_ATTR_PRECISION, s.err), "precision");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.scale, nullptr, OCI_ATTR_SCALE, s.err), "scale");
            s.check(OCIAttrGet(p, OCI_DTYPE_PARAM, &d.nullable, nullptr, OCI_ATTR_IS_NULL, s.err), "is null");
            OCIDescriptorFree(p, OCI_DTYPE_PARAM);
        }
    }
    bool holds(int key) const {
        return std::strtol(values[0], nullptr, 10) == key && described[3].size == 40 && described[1].nullable == 0 &&
               described[2].precision == 10;
    }
};

void BM_DescribePoints_Library(benchmark::State &state) {
    OciSession s;
    PointQuery pq(s);
    for (auto _ : state) {
        for (int i = 1; i <= kPoints; ++i) pq.run(i);
        if (!pq.holds(kPoints)) state.SkipWithError("wrong row or description");
    }
}

void BM_DescribePoints_Libpq(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    PQclear(PQprepare(c, "point", "select id, big, amount, label, note, flag, ratio, small, code, title"
                                  " from bench_describe where id = $1",
                      1, nullptr));
    char id[12], values[kColumns][kWidth];
    const char *names[kColumns];
    Oid types[kColumns];
    for (auto _ : state) {
        for (int i = 1; i <= kPoints; ++i) {
            std::snprintf(id, sizeof id, "%d", i);
            const char *params[] = {id};
            PGresult *r = PQexecPrepared(c, "point", 1, params, nullptr, nullptr, 0);
            for (int col = 0; col < kColumns; ++col) {
                names[col] = PQfname(r, col);
                types[col] = PQftype(r, col);
                if (PQntuples(r) == 1) {
                    const int n = PQgetlength(r, 0, col);
                    const int m = n < kWidth - 1 ? n : kWidth - 1;
                    std::memcpy(values[col], PQgetvalue(r, 0, col), static_cast<std::size_t>(m));
                    values[col][m] = 0;
                }
            }
            PQclear(r);
        }
        benchmark::DoNotOptimize(names);
        benchmark::DoNotOptimize(types);
        if (std::strtol(values[0], nullptr, 10) != kPoints) state.SkipWithError("wrong row");
    }
    PQfinish(c);
}

void report_round_trips() {
    const std::string trace = "/tmp/vsk_describe_bench_" + std::to_string(getpid()) + ".trace";
    std::remove(trace.c_str());
    setenv("OCI_TRACE_PROTOCOL", trace.c_str(), 1);
    {
        OciSession s;
        unsetenv("OCI_TRACE_PROTOCOL");
        PointQuery pq(s);
        const std::size_t start = vsk::test::protocol_exchanges(trace);
        pq.run(1);
        const std::size_t first = vsk::test::protocol_exchanges(trace) - start;
        constexpr int kRounds = 100;
        for (int i = 2; i <= kRounds + 1; ++i) pq.run(i);
        const double later = static_cast<double>(vsk::test::protocol_exchanges(trace) - start - first) / kRounds;
        std::printf("round trips per point query with its describe: first %zu, then %.2f\n", first, later);
    }
    std::remove(trace.c_str());
}

}  // namespace

BENCHMARK(BM_DescribePoints_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DescribePoints_Libpq)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    prepare_table();
    report_round_trips();
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_DescribePoints_Library", "BM_DescribePoints_Libpq"}});
    benchmark::Shutdown();
    return 0;
}
