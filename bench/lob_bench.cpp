// LOBs through the library against the same work through plain libpq: reading a 64 MiB
// bytea value through OCILobRead2 in 1 MiB pieces (libpq: the value as a binary result,
// copied out 1 MiB at a time), and inserting a 64 MiB value through a temporary LOB
// (libpq: one binary parameter).
// VSK_LOB_BENCH_ONCE=read-library|read-libpq|insert-library|insert-libpq runs that one
// operation once instead, for measuring peak memory with /usr/bin/time -v.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using vsk::bench::OciSession;

constexpr std::size_t kValue = 64u << 20;
constexpr std::size_t kPiece = 1u << 20;

std::vector<char> value() {
    std::vector<char> v(kValue);
    for (std::size_t i = 0; i < kValue; ++i) v[i] = static_cast<char>(i * 131 + (i >> 12));
    return v;
}

void insert_libpq(PGconn *c, const std::vector<char> &v) {
    const char *values[] = {v.data()};
    const int lengths[] = {static_cast<int>(v.size())};
    const int formats[] = {1};
    PGresult *r = PQexecParams(c, "insert into bench_lob values (1, $1)", 1, nullptr, values, lengths, formats, 0);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "insert: %s", PQerrorMessage(c));
        std::exit(1);
    }
    PQclear(r);
}

void reset_table(bool withValue) {
    PGconn *c = vsk::bench::libpq_connect();
    vsk::bench::must(c, "DROP TABLE IF EXISTS bench_lob; CREATE TABLE bench_lob (k int, b bytea)");
    if (withValue) insert_libpq(c, value());
    PQfinish(c);
}

std::size_t read_library(OciSession &s) {
    OCIStmt *q = s.statement("select b from bench_lob where k = 1");
    void *l = nullptr;
    s.check(OCIDescriptorAlloc(s.env, &l, OCI_DTYPE_LOB, 0, nullptr), "alloc");
    auto *loc = static_cast<OCILobLocator *>(l);
    OCIDefine *d = nullptr;
    s.check(OCIDefineByPos(q, &d, s.err, 1, &loc, sizeof loc, SQLT_BLOB, nullptr, nullptr, nullptr, OCI_DEFAULT),
            "define");
    s.check(OCIStmtExecute(s.svc, q, s.err, 1, 0, nullptr, nullptr, OCI_DEFAULT), "execute");
    std::vector<char> buf(kPiece);
    std::size_t total = 0;
    for (;;) {
        oraub8 bytes = kPiece;
        s.check(OCILobRead2(s.svc, s.err, loc, &bytes, nullptr, total + 1, buf.data(), buf.size(), OCI_ONE_PIECE,
                            nullptr, nullptr, 0, 0),
                "read");
        if (bytes == 0) break;
        benchmark::DoNotOptimize(buf.data());
        total += bytes;
    }
    OCIDescriptorFree(loc, OCI_DTYPE_LOB);
    OCIHandleFree(q, OCI_HTYPE_STMT);
    return total;
}

std::size_t read_libpq(PGconn *c) {
    PGresult *r = PQexecParams(c, "select b from bench_lob where k = 1", 0, nullptr, nullptr, nullptr, nullptr, 1);
    const std::size_t n = static_cast<std::size_t>(PQgetlength(r, 0, 0));
    const char *v = PQgetvalue(r, 0, 0);
    std::vector<char> buf(kPiece);
    std::size_t total = 0;
    while (total < n) {
        const std::size_t part = std::min(kPiece, n - total);
        std::memcpy(buf.data(), v + total, part);
        benchmark::DoNotOptimize(buf.data());
        total += part;
    }
    PQclear(r);
    return total;
}

void insert_library(OciSession &s, const std::vector<char> &v) {
    OCIStmt *ins = s.statement("insert into bench_lob values (1, :1)");
    void *l = nullptr;
    s.check(OCIDescriptorAlloc(s.env, &l, OCI_DTYPE_LOB, 0, nullptr), "alloc");
    auto *loc = static_cast<OCILobLocator *>(l);
    s.check(OCILobCreateTemporary(s.svc, s.err, loc, 0, 0, OCI_TEMP_BLOB, FALSE, OCI_DURATION_SESSION), "temporary");
    for (std::size_t done = 0; done < v.size(); done += kPiece) {
        oraub8 bytes = std::min(kPiece, v.size() - done);
        s.check(OCILobWriteAppend2(s.svc, s.err, loc, &bytes, nullptr, const_cast<char *>(v.data() + done), bytes,
                                   OCI_ONE_PIECE, nullptr, nullptr, 0, 0),
                "append");
    }
    OCIBind *b = nullptr;
    s.check(OCIBindByPos(ins, &b, s.err, 1, &loc, sizeof loc, SQLT_BLOB, nullptr, nullptr, nullptr, 0, nullptr,
                         OCI_DEFAULT),
            "bind");
    s.check(OCIStmtExecute(s.svc, ins, s.err, 1, 0, nullptr, nullptr, OCI_COMMIT_ON_SUCCESS), "insert");
    s.check(OCILobFreeTemporary(s.svc, s.err, loc), "free");
    OCIDescriptorFree(loc, OCI_DTYPE_LOB);
    OCIHandleFree(ins, OCI_HTYPE_STMT);
}

void BM_LobRead_Library(benchmark::State &state) {
    reset_table(true);
    OciSession s;
    for (auto _ : state) {
        if (read_library(s) != kValue) state.SkipWithError("short read");
        s.check(OCITransCommit(s.svc, s.err, OCI_DEFAULT), "commit");
    }
}

void BM_LobRead_Libpq(benchmark::State &state) {
    reset_table(true);
    PGconn *c = vsk::bench::libpq_connect();
    for (auto _ : state)
        if (read_libpq(c) != kValue) state.SkipWithError("short read");
    PQfinish(c);
}

void BM_LobInsert_Library(benchmark::State &state) {
    const std::vector<char> v = value();
    OciSession s;
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(false);
        state.ResumeTiming();
        insert_library(s, v);
    }
}

void BM_LobInsert_Libpq(benchmark::State &state) {
    const std::vector<char> v = value();
    PGconn *c = vsk::bench::libpq_connect();
    for (auto _ : state) {
        state.PauseTiming();
        reset_table(false);
        state.ResumeTiming();
        insert_libpq(c, v);
    }
    PQfinish(c);
}

// One operation alone, the table prepared before.
int run_once(const std::string &what) {
    if (what == "read-library" || what == "read-libpq") {
        reset_table(true);
        if (what == "read-library") {
            OciSession s;
            return read_library(s) == kValue ? 0 : 1;
        }
        PGconn *c = vsk::bench::libpq_connect();
        const bool ok = read_libpq(c) == kValue;
        PQfinish(c);
        return ok ? 0 : 1;
    }
    reset_table(false);
    const std::vector<char> v = value();
    if (what == "insert-library") {
        OciSession s;
        insert_library(s, v);
        return 0;
    }
    PGconn *c = vsk::bench::libpq_connect();
    insert_libpq(c, v);
    PQfinish(c);
    return 0;
}

}  // namespace

BENCHMARK(BM_LobRead_Library)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_LobRead_Libpq)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_LobInsert_Library)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_LobInsert_Libpq)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char **argv) {
    if (const char *once = std::getenv("VSK_LOB_BENCH_ONCE")) return run_once(once);
    benchmark::Initialize(&argc, argv);
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_LobRead_Library", "BM_LobRead_Libpq"}, {"BM_LobInsert_Library", "BM_LobInsert_Libpq"}});
    benchmark::Shutdown();
    return 0;
}
