// Requests through a session pool against the same work on one libpq connection kept
// open:
//  (a) 10,000 requests, each OCISessionGet from a pool of 4, one point query through the
//      statement cache, OCISessionRelease (libpq: PQexecPrepared on one connection);
//  (b) the same request with OCILogon/OCILogoff instead of the pool (200 requests, the
//      ratio is per request);
//  (c) 8 threads sharing a pool of 4 sessions for 10 seconds: requests per second and
//      the longest wait in OCISessionGet.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"

namespace {

using vsk::bench::OciEnvironment;

constexpr int kRequests = 10000;
constexpr int kLogons = 200;
constexpr int kWidth = 32;
const char kQuery[] = "select v from pool_points where id = :id";

const OraText *ot(const char *s) { return reinterpret_cast<const OraText *>(s); }

void prepare_table() {
    PGconn *c = vsk::bench::libpq_connect();
    if (vsk::bench::count_rows(c, "pool_points") != kRequests) {
        vsk::bench::must(c, "DROP TABLE IF EXISTS pool_points; CREATE TABLE pool_points (id int PRIMARY KEY, v text);"
                            "INSERT INTO pool_points SELECT g, 'point ' || g FROM generate_series(1, 10000) g");
        vsk::bench::must(c, "VACUUM ANALYZE pool_points");
    }
    PQfinish(c);
}

struct Pool : OciEnvironment {
    OCISPool *pool = nullptr;
    OraText *name = nullptr;
    ub4 nameLen = 0;
    explicit Pool(ub4 sessions) {
        std::string user;
        const std::string link = vsk::bench::oci_dblink(&user);
        OCIHandleAlloc(env, reinterpret_cast<void **>(&pool), OCI_HTYPE_SPOOL, 0, nullptr);
        check(OCISessionPoolCreate(env, err, pool, &name, &nameLen, ot(link.c_str()), static_cast<ub4>(link.size()),
                                   sessions, sessions, 1, const_cast<OraText *>(ot(user.c_str())),
                                   static_cast<ub4>(user.size()), const_cast<OraText *>(ot(user.c_str())),
                                   static_cast<ub4>(user.size()), OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE),
              "OCISessionPoolCreate");
    }
    ~Pool() { OCISessionPoolDestroy(pool, err, OCI_SPD_FORCE); }
};

// One point query through svc's statement cache; false when it fails or finds nothing.
bool point_query(OCISvcCtx *svc, OCIError *err, int id, char *v) {
    OCIStmt *q = nullptr;
    // A statement found in the cache comes back with information (it carries no tag).
    const sword prepared =
        OCIStmtPrepare2(svc, &q, err, ot(kQuery), sizeof kQuery - 1, nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT);
    if (prepared != OCI_SUCCESS && prepared != OCI_SUCCESS_WITH_INFO) return false;
    char idText[12];
    std::snprintf(idText, sizeof idText, "%d", id);
    OCIBind *bind = nullptr;
    OCIDefine *def = nullptr;
    bool ok = OCIBindByName(q, &bind, err, ot(":id"), 3, idText, sizeof idText, SQLT_STR, nullptr, nullptr, nullptr,
                            0, nullptr, OCI_DEFAULT) == OCI_SUCCESS &&
              OCIDefineByPos(q, &def, err, 1, v, kWidth, SQLT_STR, nullptr, nullptr, nullptr, OCI_DEFAULT) ==
                  OCI_SUCCESS &&
              OCIStmtExecute(svc, q, err, 1, 0, nullptr, nullptr, OCI_DEFAULT) == OCI_SUCCESS;
    OCIStmtRelease(q, err, nullptr, 0, OCI_DEFAULT);
    return ok;
}

// (a)
void BM_PoolRequests_Library(benchmark::State &state) {
    Pool p(4);
    char v[kWidth] = {0};
    for (auto _ : state) {
        for (int i = 1; i <= kRequests; ++i) {
            OCISvcCtx *svc = nullptr;
            p.check(OCISessionGet(p.env, p.err, &svc, nullptr, p.name, p.nameLen, nullptr, 0, nullptr, nullptr,
                                  nullptr, OCI_SESSGET_SPOOL),
                    "OCISessionGet");
            if (!point_query(svc, p.err, i, v)) p.check(OCI_ERROR, "point query");
            p.check(OCISessionRelease(svc, p.err, nullptr, 0, OCI_DEFAULT), "OCISessionRelease");
        }
        if (std::strcmp(v, "point 10000") != 0) state.SkipWithError("wrong value");
    }
}

void BM_PoolRequests_Libpq(benchmark::State &state) {
    vsk::bench::libpq_point_queries(state, "pool_points", kRequests);
}

// (b): the same requests with a logon each, scaled to kRequests for the ratio.
void BM_LogonRequests_Library(benchmark::State &state) {
    OciEnvironment e;
    std::string user;
    const std::string link = vsk::bench::oci_dblink(&user);
    char v[kWidth] = {0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 1; i <= kLogons; ++i) {
            OCISvcCtx *svc = nullptr;
            e.check(OCILogon2(e.env, e.err, &svc, ot(user.c_str()), static_cast<ub4>(user.size()), ot(user.c_str()),
                              static_cast<ub4>(user.size()), ot(link.c_str()), static_cast<ub4>(link.size()),
                              OCI_LOGON2_STMTCACHE),
                    "OCILogon2");
            if (!point_query(svc, e.err, i, v)) e.check(OCI_ERROR, "point query");
            e.check(OCILogoff(svc, e.err), "OCILogoff");
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds * kRequests / kLogons);
    }
}

BENCHMARK(BM_PoolRequests_Library)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PoolRequests_Libpq)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_LogonRequests_Library)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

// (c)
void threaded_pool_run() {
    constexpr int kThreads = 8;
    constexpr auto kRun = std::chrono::seconds(10);
    OciEnvironment base;
    OCIEnv *env = nullptr;
    base.check(OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr), "OCIEnvCreate");
    OCIError *err = nullptr;
    OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr);
    std::string user;
    const std::string link = vsk::bench::oci_dblink(&user);
    OCISPool *pool = nullptr;
    OraText *name = nullptr;
    ub4 nameLen = 0;
    OCIHandleAlloc(env, reinterpret_cast<void **>(&pool), OCI_HTYPE_SPOOL, 0, nullptr);
    if (OCISessionPoolCreate(env, err, pool, &name, &nameLen, ot(link.c_str()), static_cast<ub4>(link.size()), 4, 4,
                             1, const_cast<OraText *>(ot(user.c_str())), static_cast<ub4>(user.size()),
                             const_cast<OraText *>(ot(user.c_str())), static_cast<ub4>(user.size()),
                             OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE) != OCI_SUCCESS) {
        std::fprintf(stderr, "threaded run: OCISessionPoolCreate failed\n");
        return;
    }
    std::atomic<long> requests{0}, failures{0};
    std::atomic<long long> longestWaitUs{0};
    const auto end = std::chrono::steady_clock::now() + kRun;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            OCIError *e = nullptr;
            OCIHandleAlloc(env, reinterpret_cast<void **>(&e), OCI_HTYPE_ERROR, 0, nullptr);
            char v[kWidth];
            for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
                OCISvcCtx *svc = nullptr;
                const auto asked = std::chrono::steady_clock::now();
                if (OCISessionGet(env, e, &svc, nullptr, name, nameLen, nullptr, 0, nullptr, nullptr, nullptr,
                                  OCI_SESSGET_SPOOL) != OCI_SUCCESS) {
                    ++failures;
                    continue;
                }
                const long long waited = std::chrono::duration_cast<std::chrono::microseconds>(
                                             std::chrono::steady_clock::now() - asked)
                                             .count();
                long long seen = longestWaitUs.load();
                while (waited > seen && !longestWaitUs.compare_exchange_weak(seen, waited)) {
                }
                if (!point_query(svc, e, 1 + (t * 977 + i) % kRequests, v)) ++failures;
                OCISessionRelease(svc, e, nullptr, 0, OCI_DEFAULT);
                ++requests;
            }
            OCIHandleFree(e, OCI_HTYPE_ERROR);
        });
    }
    for (auto &th : threads) th.join();
    OCISessionPoolDestroy(pool, err, OCI_SPD_FORCE);
    OCIHandleFree(env, OCI_HTYPE_ENV);
    std::printf("8 threads, pool of 4, 10 s: %.0f requests/s, longest wait %.3f ms, %ld failures\n",
                static_cast<double>(requests.load()) / 10.0, static_cast<double>(longestWaitUs.load()) / 1000.0,
                failures.load());
}

}  // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    prepare_table();
    vsk::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"BM_PoolRequests_Library", "BM_PoolRequests_Libpq"},
                          {"BM_LogonRequests_Library", "BM_PoolRequests_Library"}});
    threaded_pool_run();
    benchmark::Shutdown();
    return 0;
}
