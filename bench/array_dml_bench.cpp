// Array DML through the library against the same rows through plain libpq:
//  (a) 100,000 rows of (int, varchar(30), numeric(12,2), timestamp) inserted by one
//      OCIStmtExecute with iters 100,000, and by 100 executions of 1,000 rows;
//      libpq: pipeline mode with PQsendQueryPrepared per row, and COPY FROM STDIN;
//  (b) 100,000 rows updated by key with iters 100,000; libpq: the pipeline.
// Every side commits its rows.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using vsk::bench::OciSession;

constexpr int kRows = 100000;
constexpr int kNameWidth = 31;
constexpr int kStampWidth = 24;

// The bound data, the same for every side: column arrays as OCI binds take them.
struct Data {
    std::vector<int> id;
    std::vector<char> name;
    std::vector<OCINumber> amount;
    std::vector<char> stamp;
    std::vector<std::string> amountText;
    explicit Data(OCIError *err) : id(kRows), name(kRows * kNameWidth), amount(kRows), stamp(kRows * kStampWidth) {
        for (int i = 0; i < kRows; ++i) {
            id[i] = i + 1;
            std::snprintf(&name[static_cast<std::size_t>(i) * kNameWidth], kNameWidth, "customer name %d", i);
            const double v = (i % 100000) / 100.0 + 0.25;
            OCINumberFromReal(err, &v, sizeof v, &amount[i]);
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", v);
            amountText.emplace_back(text);
            std::snprintf(&stamp[static_cast<std::size_t>(i) * kStampWidth], kStampWidth, "2024-%02d-%02d 12:%02d:%02d",
                          i % 12 + 1, i % 28 + 1, i % 60, (i / 60) % 60);
        }
    }
    const char *name_of(int i) const { return &name[static_cast<std::size_t>(i) * kNameWidth]; }
    const char *stamp_of(int i) const { return &stamp[static_cast<std::size_t>(i) * kStampWidth]; }
};

Data &data() {
    static vsk::bench::OciEnvironment env;
    static Data d(env.err);
    return d;
}

void reset_table(bool filled) {
    PGconn *c = vsk::bench::libpq_connect();
    vsk::bench::must(c, "DROP TABLE IF EXISTS bench_array; CREATE TABLE bench_array (id int PRIMARY KEY, "
                        "name varchar(30), amount numeric(12,2), stamp timestamp)");
    if (filled) {
        vsk::bench::must(c, "INSERT INTO bench_array SELECT g, 'x', 0, '2000-01-01' FROM generate_series(1, 100000) g");
        vsk::bench::must(c, "VACUUM ANALYZE bench_array");
    }
    PQfinish(c);
}

void bind_columns(OciSession &s, OCIStmt *st, int offset) {
    Data &d = data();
    OCIBind *b = nullptr;
    s.check(OCIBindByPos(st, &b, s.err, 1, &d.id[offset], sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            "bind id");
    s.check(OCIBindByPos(st, &b, s.err, 2, const_cast<char *>(d.name_of(offset)), kNameWidth, SQLT_STR, nullptr,
                         nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind name");
    s.check(OCIBindByPos(st, &b, s.err, 3, &d.amount[offset], sizeof(OCINumber), SQLT_VNU, nullptr, nullptr, nullptr, 0,
                         nullptr, OCI_DEFAULT),
            "bind amount");
    s.check(OCIBindByPos(st, &b, s.err, 4, const_cast<char *>(d.stamp_of(offset)), kStampWidth, SQLT_STR, nullptr,
                         nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
            "bind stamp");
}

void insert_library(benchmark::State &state, int perExecute) {
    OciSession s;
    OCIStmt *ins = s.statement("insert into bench_array values (:1, :2, :3, :4)");
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(false);
        state.ResumeTiming();
        for (int off = 0; off < kRows; off += perExecute) {
            bind_columns(s, ins, off);
            s.check(OCIStmtExecute(s.svc, ins, s.err, static_cast<ub4>(perExecute), 0, nullptr, nullptr, OCI_DEFAULT),
                    "insert");
        }
        s.check(OCITransCommit(s.svc, s.err, OCI_DEFAULT), "commit");
    }
    OCIHandleFree(ins, OCI_HTYPE_STMT);
}

void BM_ArrayInsert_Library(benchmark::State &state) { insert_library(state, kRows); }
void BM_ArrayInsert1000_Library(benchmark::State &state) { insert_library(state, 1000); }

// The rows through pipeline mode, one PQsendQueryPrepared each, values as text.
void pipeline_rows(PGconn *c, const char *stmt, bool update) {
    Data &d = data();
    vsk::bench::must(c, "BEGIN");
    PQenterPipelineMode(c);
    char id[12];
    for (int i = 0; i < kRows; ++i) {
        std::snprintf(id, sizeof id, "%d", d.id[i]);
        const char *insert[] = {id, d.name_of(i), d.amountText[i].c_str(), d.stamp_of(i)};
        const char *change[] = {d.name_of(i), d.amountText[i].c_str(), id};
        PQsendQueryPrepared(c, stmt, update ? 3 : 4, update ? change : insert, nullptr, nullptr, 0);
    }
    PQpipelineSync(c);
    for (int i = 0; i < kRows; ++i) {
        PGresult *r = PQgetResult(c);
        if (PQresultStatus(r) != PGRES_COMMAND_OK) {
            std::fprintf(stderr, "pipeline row %d: %s", i, PQresultErrorMessage(r));
            std::exit(1);
        }
        PQclear(r);
        PQclear(PQgetResult(c));
    }
    PQclear(PQgetResult(c));  // the synchronisation point
    PQexitPipelineMode(c);
    vsk::bench::must(c, "COMMIT");
}

void BM_ArrayInsert_LibpqPipeline(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    PQclear(PQprepare(c, "ins", "insert into bench_array values ($1, $2, $3, $4)", 4, nullptr));
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(false);
        state.ResumeTiming();
        pipeline_rows(c, "ins", false);
    }
    PQfinish(c);
}

void BM_ArrayInsert_LibpqCopy(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    Data &d = data();
    std::string line;
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(false);
        state.ResumeTiming();
        vsk::bench::must(c, "BEGIN");
        PQclear(PQexec(c, "COPY bench_array FROM STDIN"));
        for (int i = 0; i < kRows; ++i) {
            line = std::to_string(d.id[i]) + '\t' + d.name_of(i) + '\t' + d.amountText[i] + '\t' + d.stamp_of(i) + '\n';
            PQputCopyData(c, line.data(), static_cast<int>(line.size()));
        }
        PQputCopyEnd(c, nullptr);
        PQclear(PQgetResult(c));
        vsk::bench::must(c, "COMMIT");
    }
    PQfinish(c);
}

void BM_ArrayUpdate_Library(benchmark::State &state) {
    OciSession s;
    OCIStmt *upd = s.statement("update bench_array set name = :1, amount = :2 where id = :3");
    Data &d = data();
    OCIBind *b = nullptr;
    s.check(OCIBindByPos(upd, &b, s.err, 1, const_cast<char *>(d.name_of(0)), kNameWidth, SQLT_STR, nullptr, nullptr,
                         nullptr, 0, nullptr, OCI_DEFAULT),
            "bind name");
    s.check(OCIBindByPos(upd, &b, s.err, 2, d.amount.data(), sizeof(OCINumber), SQLT_VNU, nullptr, nullptr, nullptr, 0,
                         nullptr, OCI_DEFAULT),
            "bind amount");
    s.check(OCIBindByPos(upd, &b, s.err, 3, d.id.data(), sizeof(int), SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            "bind id");
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(true);
        state.ResumeTiming();
        s.check(OCIStmtExecute(s.svc, upd, s.err, kRows, 0, nullptr, nullptr, OCI_DEFAULT), "update");
        s.check(OCITransCommit(s.svc, s.err, OCI_DEFAULT), "commit");
    }
    OCIHandleFree(upd, OCI_HTYPE_STMT);
}

void BM_ArrayUpdate_LibpqPipeline(benchmark::State &state) {
    PGconn *c = vsk::bench::libpq_connect();
    PQclear(PQprepare(c, "upd", "update bench_array set name = $1, amount = $2 where id = $3", 3, nullptr));
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(true);
        state.ResumeTiming();
        pipeline_rows(c, "upd", true);
    }
    PQfinish(c);
}

}  // namespace

BENCHMARK(BM_ArrayInsert_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ArrayInsert1000_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ArrayInsert_LibpqPipeline)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ArrayInsert_LibpqCopy)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ArrayUpdate_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ArrayUpdate_LibpqPipeline)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    data();
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_ArrayInsert_Library", "BM_ArrayInsert_LibpqPipeline"},
                          {"BM_ArrayInsert1000_Library", "BM_ArrayInsert_LibpqPipeline"},
                          {"BM_ArrayInsert_Library", "BM_ArrayInsert_LibpqCopy"},
                          {"BM_ArrayInsert1000_Library", "BM_ArrayInsert_LibpqCopy"},
                          {"BM_ArrayUpdate_Library", "BM_ArrayUpdate_LibpqPipeline"}});
    benchmark::Shutdown();
    return 0;
}
