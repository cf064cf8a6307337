// The OCI thread package over POSIX threads: real threads, counted results.
#include <gtest/gtest.h>
#include <oci.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "env/handle.h"

namespace {

class ThreadPackage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadInit(env, err), OCI_SUCCESS);
    }
    void TearDown() override {
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
    }
    sb4 error_code() {
        sb4 code = 0;
        OraText buf[256];
        if (OCIErrorGet(err, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR) != OCI_SUCCESS) return 0;
        return code;
    }
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

// --- a shared counter under an OCIThreadMutex ---

struct Counter {
    OCIEnv *env;
    OCIError *err;  // each thread uses its own error handle
    OCIThreadMutex *mutex;
    long *value;
    int rounds;
};

void count_up(void *arg) {
    auto *c = static_cast<Counter *>(arg);
    for (int i = 0; i < c->rounds; ++i) {
        OCIThreadMutexAcquire(c->env, c->err, c->mutex);
        ++*c->value;
        OCIThreadMutexRelease(c->env, c->err, c->mutex);
    }
}

TEST_F(ThreadPackage, ThreadsCountUnderAMutexToTheExactTotal) {
    constexpr int kThreads = 8, kRounds = 2000;
    OCIThreadMutex *mutex = nullptr;
    ASSERT_EQ(OCIThreadMutexInit(env, err, &mutex), OCI_SUCCESS);
    long value = 0;
    std::vector<Counter> counters(kThreads);
    std::vector<OCIThreadHandle *> handles(kThreads);
    std::vector<OCIThreadId *> ids(kThreads);
    for (int i = 0; i < kThreads; ++i) {
        OCIError *own = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&own), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        counters[i] = {env, own, mutex, &value, kRounds};
        ASSERT_EQ(OCIThreadHndInit(env, err, &handles[i]), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadIdInit(env, err, &ids[i]), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadCreate(env, err, count_up, &counters[i], ids[i], handles[i]), OCI_SUCCESS);
    }
    for (int i = 0; i < kThreads; ++i) {
        ASSERT_EQ(OCIThreadJoin(env, err, handles[i]), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadClose(env, err, handles[i]), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadHndDestroy(env, err, &handles[i]), OCI_SUCCESS);
        EXPECT_EQ(handles[i], nullptr);
        boolean null = TRUE;
        ASSERT_EQ(OCIThreadIdNull(env, err, ids[i], &null), OCI_SUCCESS);
        EXPECT_FALSE(null);
        ASSERT_EQ(OCIThreadIdDestroy(env, err, &ids[i]), OCI_SUCCESS);
    }
    EXPECT_EQ(value, long{kThreads} * kRounds);
    ASSERT_EQ(OCIThreadMutexDestroy(env, err, &mutex), OCI_SUCCESS);
    EXPECT_EQ(mutex, nullptr);
}

// --- keys and their destructors ---

std::atomic<int> destructor_calls{0};
void free_int(void *p) {
    ++destructor_calls;
    delete static_cast<int *>(p);
}

struct KeyWork {
    OCIEnv *env;
    OCIError *err;
    OCIThreadKey *key;
    OCIThreadKey *other;  // set to null in the thread, which has no entry for it
    bool set_value;
    void *seen = nullptr;
    OCIThreadId *self = nullptr;
};

void use_key(void *arg) {
    auto *w = static_cast<KeyWork *>(arg);
    if (w->set_value) OCIThreadKeySet(w->env, w->err, w->key, new int(7));
    if (w->other) OCIThreadKeySet(w->env, w->err, w->other, nullptr);
    OCIThreadKeyGet(w->env, w->err, w->key, &w->seen);
    if (w->self) OCIThreadIdGet(w->env, w->err, w->self);
}

TEST_F(ThreadPackage, KeyDestructorsRunOncePerThreadWithAValue) {
    constexpr int kThreads = 6;
    destructor_calls = 0;
    OCIThreadKey *key = nullptr, *other = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &key, free_int), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadKeyInit(env, err, &other, free_int), OCI_SUCCESS);
    std::vector<KeyWork> work;
    for (int i = 0; i < kThreads; ++i) {
        OCIError *own = nullptr;
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&own), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
        work.push_back({env, own, key, other, i % 2 == 0});
    }
    std::vector<OCIThreadHandle *> handles(kThreads);
    for (int i = 0; i < kThreads; ++i) {
        ASSERT_EQ(OCIThreadHndInit(env, err, &handles[i]), OCI_SUCCESS);
        ASSERT_EQ(OCIThreadCreate(env, err, use_key, &work[i], nullptr, handles[i]), OCI_SUCCESS);
    }
    for (int i = 0; i < kThreads; ++i) ASSERT_EQ(OCIThreadJoin(env, err, handles[i]), OCI_SUCCESS);
    EXPECT_EQ(destructor_calls, kThreads / 2);
    for (int i = 0; i < kThreads; ++i) EXPECT_EQ(work[i].seen != nullptr, work[i].set_value);
    // This thread never set a value.
    void *mine = reinterpret_cast<void *>(1);
    ASSERT_EQ(OCIThreadKeyGet(env, err, key, &mine), OCI_SUCCESS);
    EXPECT_EQ(mine, nullptr);
}

TEST_F(ThreadPackage, ValuesSetBackToNullAreNotPassedToDestructors) {
    destructor_calls = 0;
    OCIThreadKey *key = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &key, free_int), OCI_SUCCESS);
    struct Work {
        OCIEnv *env;
        OCIError *err;
        OCIThreadKey *key;
        int *kept;
    } w{env, nullptr, key, new int(3)};
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&w.err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    auto body = [](void *arg) {
        auto *w = static_cast<Work *>(arg);
        OCIThreadKeySet(w->env, w->err, w->key, w->kept);
        OCIThreadKeySet(w->env, w->err, w->key, nullptr);
    };
    ASSERT_EQ(OCIThreadCreate(env, err, body, &w, nullptr, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(destructor_calls, 0);
    delete w.kept;
}

// A key destroyed while a thread still holds a value: the application owns the value
// from then on, and the thread's end must not pass it to the destructor.
TEST_F(ThreadPackage, DestroyedKeyRunsNoDestructor) {
    destructor_calls = 0;
    OCIThreadKey *key = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &key, free_int), OCI_SUCCESS);
    struct Work {
        OCIEnv *env;
        OCIError *err;
        OCIThreadKey *key;
        int *value;
        std::mutex m;
        std::condition_variable cv;
        int stage = 0;
    } w{env, nullptr, key, new int(5)};
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&w.err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    auto body = [](void *arg) {
        auto *w = static_cast<Work *>(arg);
        OCIThreadKeySet(w->env, w->err, w->key, w->value);
        std::unique_lock<std::mutex> lock(w->m);
        w->stage = 1;
        w->cv.notify_all();
        w->cv.wait(lock, [w] { return w->stage == 2; });
    };
    ASSERT_EQ(OCIThreadCreate(env, err, body, &w, nullptr, h), OCI_SUCCESS);
    {
        std::unique_lock<std::mutex> lock(w.m);
        w.cv.wait(lock, [&w] { return w.stage == 1; });
        ASSERT_EQ(OCIThreadKeyDestroy(env, err, &key), OCI_SUCCESS);
        EXPECT_EQ(key, nullptr);
        delete w.value;
        w.stage = 2;
        w.cv.notify_all();
    }
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(destructor_calls, 0);
}

TEST_F(ThreadPackage, KeysWithoutDestructorsAndOtherThreadsValues) {
    OCIThreadKey *key = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &key, nullptr), OCI_SUCCESS);
    int here = 1;
    ASSERT_EQ(OCIThreadKeySet(env, err, key, &here), OCI_SUCCESS);
    KeyWork w{env, nullptr, key, nullptr, false};
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&w.err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadCreate(env, err, use_key, &w, nullptr, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(w.seen, nullptr);  // the other thread has its own value
    void *v = nullptr;
    ASSERT_EQ(OCIThreadKeyGet(env, err, key, &v), OCI_SUCCESS);
    EXPECT_EQ(v, &here);
    // This thread was not started by OCIThreadCreate: values with destructors stay its own.
    OCIThreadKey *with = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &with, free_int), OCI_SUCCESS);
    int *mine = new int(9);
    ASSERT_EQ(OCIThreadKeySet(env, err, with, mine), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadKeySet(env, err, with, nullptr), OCI_SUCCESS);
    delete mine;
}

// --- ids and handles ---

TEST_F(ThreadPackage, ThreadIds) {
    OCIThreadId *a = nullptr, *b = nullptr;
    ASSERT_EQ(OCIThreadIdInit(env, err, &a), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdInit(env, err, &b), OCI_SUCCESS);
    boolean r = FALSE;
    ASSERT_EQ(OCIThreadIdNull(env, err, a, &r), OCI_SUCCESS);
    EXPECT_TRUE(r);
    ASSERT_EQ(OCIThreadIdSame(env, err, a, b, &r), OCI_SUCCESS);
    EXPECT_TRUE(r);  // two null ids
    ASSERT_EQ(OCIThreadIdGet(env, err, a), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdNull(env, err, a, &r), OCI_SUCCESS);
    EXPECT_FALSE(r);
    ASSERT_EQ(OCIThreadIdSame(env, err, a, b, &r), OCI_SUCCESS);
    EXPECT_FALSE(r);
    ASSERT_EQ(OCIThreadIdSet(env, err, b, a), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdSame(env, err, a, b, &r), OCI_SUCCESS);
    EXPECT_TRUE(r);
    ASSERT_EQ(OCIThreadIdSetNull(env, err, a), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdNull(env, err, a, &r), OCI_SUCCESS);
    EXPECT_TRUE(r);

    // The id OCIThreadCreate reports is the one the thread sees.
    OCIThreadId *reported = nullptr, *seen = nullptr;
    ASSERT_EQ(OCIThreadIdInit(env, err, &reported), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdInit(env, err, &seen), OCI_SUCCESS);
    KeyWork w{env, nullptr, nullptr, nullptr, false};
    OCIThreadKey *key = nullptr;
    ASSERT_EQ(OCIThreadKeyInit(env, err, &key, nullptr), OCI_SUCCESS);
    w.key = key;
    w.self = seen;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&w.err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadCreate(env, err, use_key, &w, reported, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdSame(env, err, reported, seen, &r), OCI_SUCCESS);
    EXPECT_TRUE(r);
    ASSERT_EQ(OCIThreadIdSame(env, err, reported, b, &r), OCI_SUCCESS);
    EXPECT_FALSE(r);
}

void nothing(void *) {}

TEST_F(ThreadPackage, HandlesJoinOnceAndCloseOnce) {
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadJoin(env, err, h), OCI_ERROR);  // no thread started yet
    EXPECT_EQ(error_code(), 30135);
    ASSERT_EQ(OCIThreadCreate(env, err, nothing, nullptr, nullptr, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(error_code(), 0);
    EXPECT_EQ(OCIThreadJoin(env, err, h), OCI_ERROR);
    EXPECT_EQ(error_code(), 30135);
    ASSERT_EQ(OCIThreadClose(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadClose(env, err, h), OCI_ERROR);
    EXPECT_EQ(error_code(), 30135);
    ASSERT_EQ(OCIThreadHandleGet(env, err, h), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadJoin(env, err, h), OCI_ERROR);  // never joins the calling thread
    ASSERT_EQ(OCIThreadClose(env, err, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadHndDestroy(env, err, &h), OCI_SUCCESS);
}

TEST_F(ThreadPackage, ThreadsWithoutAHandleAndHandlesNeverJoined) {
    std::atomic<int> done{0};
    auto mark = [](void *arg) { ++*static_cast<std::atomic<int> *>(arg); };
    ASSERT_EQ(OCIThreadCreate(env, err, mark, &done, nullptr, nullptr), OCI_SUCCESS);
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadCreate(env, err, mark, &done, nullptr, h), OCI_SUCCESS);
    while (done.load() < 2) std::this_thread::yield();
    ASSERT_EQ(OCIThreadHndDestroy(env, err, &h), OCI_SUCCESS);  // detaches the unjoined thread
}

TEST_F(ThreadPackage, ForgottenObjectsGoWithTheirEnvironment) {
    OCIThreadMutex *m = nullptr;
    OCIThreadKey *k = nullptr;
    OCIThreadId *id = nullptr;
    OCIThreadHandle *h = nullptr;
    ASSERT_EQ(OCIThreadMutexInit(env, err, &m), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadKeyInit(env, err, &k, free_int), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadIdInit(env, err, &id), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadHndInit(env, err, &h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadCreate(env, err, nothing, nullptr, id, h), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadJoin(env, err, h), OCI_SUCCESS);
    // TearDown frees the environment; the sanitizers and valgrind see the rest.
}

TEST_F(ThreadPackage, HeldMutexIsNotDestroyed) {
    OCIThreadMutex *m = nullptr;
    ASSERT_EQ(OCIThreadMutexInit(env, err, &m), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadMutexAcquire(env, err, m), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadMutexDestroy(env, err, &m), OCI_ERROR);
    EXPECT_EQ(error_code(), 30135);
    EXPECT_NE(m, nullptr);
    ASSERT_EQ(OCIThreadMutexRelease(env, err, m), OCI_SUCCESS);
    ASSERT_EQ(OCIThreadMutexDestroy(env, err, &m), OCI_SUCCESS);
}

TEST_F(ThreadPackage, ExhaustedMemoryLeavesTheOutPointerNull) {
    OCIThreadMutex *m = reinterpret_cast<OCIThreadMutex *>(1);
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIThreadMutexInit(env, err, &m), OCI_ERROR);
    vsk::alloc_fault::fail_nth(0);
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(error_code(), 16506);
    OCIThreadKey *k = reinterpret_cast<OCIThreadKey *>(1);
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIThreadKeyInit(env, err, &k, free_int), OCI_ERROR);
    vsk::alloc_fault::fail_nth(0);
    EXPECT_EQ(k, nullptr);
}

// --- package state and handle checks ---

TEST_F(ThreadPackage, InitAndTerm) {
    OCIEnv *fresh = nullptr;
    ASSERT_EQ(OCIEnvCreate(&fresh, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    OCIError *ferr = nullptr;
    ASSERT_EQ(OCIHandleAlloc(fresh, reinterpret_cast<void **>(&ferr), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadTerm(fresh, ferr), OCI_ERROR);
    sb4 code = 0;
    OraText buf[128];
    OCIErrorGet(ferr, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR);
    EXPECT_EQ(code, 30135);
    ASSERT_EQ(OCIThreadInit(fresh, ferr), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadTerm(fresh, ferr), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadTerm(fresh, ferr), OCI_SUCCESS);
    OCIHandleFree(fresh, OCI_HTYPE_ENV);
    EXPECT_TRUE(OCIThreadIsMulti());
    OCIThreadProcessInit();
}

TEST_F(ThreadPackage, HandleArgumentsAreChecked) {
    OCIStmt *stmt = nullptr;
    OCISession *session = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&stmt), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&session), OCI_HTYPE_SESSION, 0, nullptr), OCI_SUCCESS);
    OCIThreadMutex *m = nullptr;
    EXPECT_EQ(OCIThreadMutexInit(stmt, err, &m), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIThreadMutexInit(env, nullptr, &m), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIThreadMutexInit(env, reinterpret_cast<OCIError *>(env), &m), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIThreadMutexInit(env, err, nullptr), OCI_INVALID_HANDLE);
    ASSERT_EQ(OCIThreadMutexInit(session, err, &m), OCI_SUCCESS);
    OCIThreadId *id = nullptr;
    ASSERT_EQ(OCIThreadIdInit(env, err, &id), OCI_SUCCESS);
    EXPECT_EQ(OCIThreadMutexAcquire(env, err, reinterpret_cast<OCIThreadMutex *>(id)), OCI_INVALID_HANDLE);
    boolean r;
    EXPECT_EQ(OCIThreadIdSame(env, err, id, reinterpret_cast<OCIThreadId *>(m), &r), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIThreadIdNull(env, err, id, nullptr), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIThreadCreate(env, err, nullptr, nullptr, id, nullptr), OCI_INVALID_HANDLE);
    OCIThreadId *not_an_id = reinterpret_cast<OCIThreadId *>(m);
    EXPECT_EQ(OCIThreadIdDestroy(env, err, &not_an_id), OCI_INVALID_HANDLE);
    ASSERT_EQ(OCIThreadMutexDestroy(session, err, &m), OCI_SUCCESS);
}

}  // namespace
