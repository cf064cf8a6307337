// The soak program's units of work: point queries, fetches of the whole points table,
// array inserts ended by a commit or a rollback, and LOB reads, each checking every call's
// result and every value it reads back, and counting what it did and what failed.
#pragma once

#include <oci.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace vsk::soak {

// Session: logons, and sessions taken from and given back to the pool.
enum class Op { Session, Point, Fetch, Insert, Commit, Rollback, LobRead };
inline constexpr int kOps = 7;
const char *op_name(Op op);

// Rows of the points table, fetched whole by Op::Fetch.
inline constexpr int kPoints = 10000;

// Completed operations and failures per kind, shared by every thread.
class Tally {
public:
    void done(Op op) { ops_[static_cast<int>(op)].fetch_add(1, std::memory_order_relaxed); }
    // Counts a failure of op and prints the first few with their detail.
    void failed(Op op, const std::string &detail);
    long ops(Op op) const { return ops_[static_cast<int>(op)].load(std::memory_order_relaxed); }
    long errors(Op op) const { return errors_[static_cast<int>(op)].load(std::memory_order_relaxed); }
    long total_errors() const;

private:
    std::array<std::atomic<long>, kOps> ops_{};
    std::array<std::atomic<long>, kOps> errors_{};
    std::atomic<int> printed_{0};
    std::mutex print_;
};

// Creates and fills the tables (through plain libpq) unless they hold what the work expects.
void prepare_tables();

// One thread's work through whichever session it is handed.
class Worker {
public:
    Worker(OCIEnv *env, Tally &tally, int thread);
    ~Worker();
    Worker(const Worker &) = delete;
    Worker &operator=(const Worker &) = delete;

    OCIError *err() const { return err_; }
    // Runs one unit of work, chosen at random, through svc. A unit that fails leaves no
    // transaction open.
    void step(OCISvcCtx *svc);
    // Whether rc is a success; otherwise counts a failure of op naming call and the error.
    bool ok(sword rc, Op op, const char *call);

private:
    void point(OCISvcCtx *svc);
    void fetch(OCISvcCtx *svc);
    void insert(OCISvcCtx *svc);
    void lob_read(OCISvcCtx *svc);
    // Rows of the insert table for this thread's batch seq; -1 after a failure.
    long batch_rows(OCISvcCtx *svc, Op op, std::int64_t seq);
    bool expect(bool holds, Op op, const std::string &what);
    std::uint32_t random();

    OCIEnv *env_;
    OCIError *err_ = nullptr;
    Tally &tally_;
    int thread_;
    std::uint64_t rng_;
    std::int64_t batch_ = 0;
    long failures_ = 0;
};

}  // namespace vsk::soak
