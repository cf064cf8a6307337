// Soak run against the private server (tools/soak.sh): threads with a session each
// (OCILogon2) and threads sharing a session pool (OCISessionGet / OCISessionRelease per
// unit of work), all in one OCI_THREADED environment, running point queries, fetches of
// 10,000 rows, array inserts ended by commits or rollbacks, and LOB reads, checking every
// result and value. Prints operations per second by kind, errors and resident memory at
// 1, 5 and 10 minutes and at the end; exits 1 when anything failed.
//   vsk_soak [--seconds N] [--own-threads N] [--pool-threads N] [--pool-size N]
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "soak_work.h"

namespace {

using vsk::soak::Op;
using Clock = std::chrono::steady_clock;

struct Options {
    int seconds = 600;
    int own = 16;
    int pooled = 16;
    int pool = 8;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: vsk_soak [--seconds N] [--own-threads N] [--pool-threads N] [--pool-size N]\n");
    std::exit(2);
}

Options parse(int argc, char **argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 >= argc) usage();
        const std::string name = argv[i];
        char *end = nullptr;
        const long value = std::strtol(argv[++i], &end, 10);
        if (*end || value < 0 || value > 100000) usage();
        if (name == "--seconds")
            o.seconds = static_cast<int>(value);
        else if (name == "--own-threads")
            o.own = static_cast<int>(value);
        else if (name == "--pool-threads")
            o.pooled = static_cast<int>(value);
        else if (name == "--pool-size")
            o.pool = static_cast<int>(value);
        else
            usage();
    }
    if (o.seconds < 1 || o.own + o.pooled < 1 || (o.pooled > 0 && o.pool < 1)) usage();
    return o;
}

double resident_mib() {
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Bytes the program holds from malloc, across all arenas: resident memory can grow with
// the allocator's arenas while this stays flat, which tells fragmentation from a leak.
double heap_in_use_mib() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

const OraText *ot(const std::string &s) { return reinterpret_cast<const OraText *>(s.c_str()); }
ub4 len(const std::string &s) { return static_cast<ub4>(s.size()); }

// Per kind, operations per second since the previous report.
class Reporter {
public:
    explicit Reporter(const vsk::soak::Tally &tally) : tally_(tally), last_(Clock::now()) {}
    void report(const char *label, Clock::time_point start) {
        const Clock::time_point now = Clock::now();
        const double span = std::chrono::duration<double>(now - last_).count();
        std::printf("%-6s %5.0f s:", label, std::chrono::duration<double>(now - start).count());
        long errors = 0;
        for (int k = 0; k < vsk::soak::kOps; ++k) {
            const Op op = static_cast<Op>(k);
            const long n = tally_.ops(op);
            std::printf(" %s %.1f/s", vsk::soak::op_name(op), static_cast<double>(n - seen_[k]) / span);
            seen_[k] = n;
            errors += tally_.errors(op);
        }
        std::printf("; errors %ld; rss %.1f MiB; heap in use %.1f MiB\n", errors, resident_mib(), heap_in_use_mib());
        std::fflush(stdout);
        last_ = now;
    }

private:
    const vsk::soak::Tally &tally_;
    Clock::time_point last_;
    long seen_[vsk::soak::kOps] = {};
};

}  // namespace

int main(int argc, char **argv) {
    const Options o = parse(argc, argv);
    vsk::soak::prepare_tables();
    std::string user;
    const std::string link = vsk::bench::oci_dblink(&user);

    OCIEnv *env = nullptr;
    if (OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) {
        std::fprintf(stderr, "soak: OCIEnvCreate failed\n");
        return 2;
    }
    vsk::soak::Tally tally;
    OCISPool *pool = nullptr;
    OraText *poolName = nullptr;
    ub4 poolNameLen = 0;
    if (o.pooled > 0) {
        vsk::soak::Worker setup(env, tally, -1);
        OCIHandleAlloc(env, reinterpret_cast<void **>(&pool), OCI_HTYPE_SPOOL, 0, nullptr);
        if (!setup.ok(OCISessionPoolCreate(env, setup.err(), pool, &poolName, &poolNameLen, ot(link), len(link),
                                           static_cast<ub4>(o.pool), static_cast<ub4>(o.pool), 1,
                                           const_cast<OraText *>(ot(user)), len(user), const_cast<OraText *>(ot(user)),
                                           len(user), OCI_SPC_HOMOGENEOUS | OCI_SPC_STMTCACHE),
                      Op::Session, "OCISessionPoolCreate"))
            return 1;
    }

    std::printf("soak: %d s, %d threads with a session each, %d threads sharing a pool of %d\n", o.seconds, o.own,
                o.pooled, o.pool);
    std::fflush(stdout);
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < o.own; ++t) {
        threads.emplace_back([&, t] {
            vsk::soak::Worker w(env, tally, t);
            OCISvcCtx *svc = nullptr;
            if (!w.ok(OCILogon2(env, w.err(), &svc, ot(user), len(user), ot(user), len(user), ot(link), len(link),
                                OCI_LOGON2_STMTCACHE),
                      Op::Session, "OCILogon2"))
                return;
            tally.done(Op::Session);
            while (!stop.load(std::memory_order_relaxed)) w.step(svc);
            if (w.ok(OCILogoff(svc, w.err()), Op::Session, "OCILogoff")) tally.done(Op::Session);
        });
    }
    for (int t = o.own; t < o.own + o.pooled; ++t) {
        threads.emplace_back([&, t] {
            vsk::soak::Worker w(env, tally, t);
            while (!stop.load(std::memory_order_relaxed)) {
                OCISvcCtx *svc = nullptr;
                if (!w.ok(OCISessionGet(env, w.err(), &svc, nullptr, poolName, poolNameLen, nullptr, 0, nullptr,
                                        nullptr, nullptr, OCI_SESSGET_SPOOL),
                          Op::Session, "OCISessionGet")) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    continue;
                }
                w.step(svc);
                if (w.ok(OCISessionRelease(svc, w.err(), nullptr, 0, OCI_DEFAULT), Op::Session, "OCISessionRelease"))
                    tally.done(Op::Session);
            }
        });
    }

    const Clock::time_point start = Clock::now();
    Reporter reporter(tally);
    int reported = 0;
    for (int minute : {1, 5, 10}) {
        if (minute * 60 > o.seconds) break;
        std::this_thread::sleep_until(start + std::chrono::minutes(minute));
        reporter.report((std::to_string(minute) + " min").c_str(), start);
        reported = minute * 60;
    }
    if (reported != o.seconds) {
        std::this_thread::sleep_until(start + std::chrono::seconds(o.seconds));
        reporter.report("end", start);
    }
    stop = true;
    for (std::thread &t : threads) t.join();

    if (pool) {
        vsk::soak::Worker teardown(env, tally, -1);
        teardown.ok(OCISessionPoolDestroy(pool, teardown.err(), OCI_DEFAULT), Op::Session, "OCISessionPoolDestroy");
        OCIHandleFree(pool, OCI_HTYPE_SPOOL);
    }
    OCIHandleFree(env, OCI_HTYPE_ENV);

    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("total over %.0f s:", seconds);
    for (int k = 0; k < vsk::soak::kOps; ++k) {
        const Op op = static_cast<Op>(k);
        std::printf(" %s %ld (%.1f/s, %ld errors)", vsk::soak::op_name(op), tally.ops(op),
                    static_cast<double>(tally.ops(op)) / seconds, tally.errors(op));
    }
    std::printf("\nsoak: %ld errors\n", tally.total_errors());
    return tally.total_errors() == 0 ? 0 : 1;
}
