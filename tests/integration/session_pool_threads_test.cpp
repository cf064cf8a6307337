// Eight threads share a pool of four sessions in an OCI_THREADED environment: every
// request gets a working session of the pool, no more than four backends are ever
// opened, and the pool ends with nothing busy. Runs under ThreadSanitizer too.
#include <oci.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "pool_fixture.h"

namespace {

class SessionPoolThreads : public vsk::test::PoolTest {};

TEST_F(SessionPoolThreads, EightThreadsShareFourSessions) {
    make_env(OCI_THREADED);
    auto [pool, name] = open_pool(2, 4, 1);

    constexpr int kThreads = 8;
    constexpr int kRequests = 40;
    std::atomic<int> failures{0};
    std::mutex pidsMutex;
    std::set<std::string> pids;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            OCIError *err = nullptr;
            if (OCIHandleAlloc(env_, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr) != OCI_SUCCESS) {
                ++failures;
                return;
            }
            for (int i = 0; i < kRequests; ++i) {
                OCISvcCtx *svc = nullptr;
                if (get(&svc, name, nullptr, err) != OCI_SUCCESS) {
                    ++failures;
                    continue;
                }
                const std::string pid = value(svc, "select pg_backend_pid()", err);
                if (value(svc, "select " + std::to_string(t * 1000 + i), err) != std::to_string(t * 1000 + i))
                    ++failures;
                {
                    std::lock_guard<std::mutex> lock(pidsMutex);
                    pids.insert(pid);
                }
                if (OCISessionRelease(svc, err, nullptr, 0, OCI_DEFAULT) != OCI_SUCCESS) ++failures;
            }
            OCIHandleFree(err, OCI_HTYPE_ERROR);
        });
    }
    for (auto &th : threads) th.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_LE(pids.size(), 4u);
    for (const std::string &p : pids) EXPECT_EQ(p.find('<'), std::string::npos) << p;
    EXPECT_EQ(pool_attr(pool, OCI_ATTR_SPOOL_BUSY_COUNT), 0u);
    EXPECT_LE(pool_attr(pool, OCI_ATTR_SPOOL_OPEN_COUNT), 4u);
    EXPECT_EQ(OCISessionPoolDestroy(pool, err_, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_EQ(backends(0), 0);
}

}  // namespace
