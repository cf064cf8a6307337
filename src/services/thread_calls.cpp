// The thread id and thread handle calls: OCIThreadId*, OCIThreadHnd*, OCIThreadCreate,
// OCIThreadJoin, OCIThreadClose and OCIThreadHandleGet.
#include <oci.h>

#include <new>

#include "env/export.h"
#include "services/thread_call.h"
#include "services/thread_keys.h"
#include "services/thread_records.h"

using namespace vsk;

namespace {

// What the new thread needs, copied out of the handle so that the thread never reads
// a handle the application may destroy while it runs.
struct StartBlock {
    void (*start)(void *);
    void *arg;
};

void *thread_main(void *p) {
    StartBlock block = *static_cast<StartBlock *>(p);
    delete static_cast<StartBlock *>(p);
    block.start(block.arg);
    run_key_destructors();
    return nullptr;
}

bool is_id(const void *p) noexcept { return is_kind(p, HANDLE_OCIThreadId); }
bool is_handle(const void *p) noexcept { return is_kind(p, HANDLE_OCIThreadHandle); }

}  // namespace

extern "C" {

VSK_EXPORT sword OCIThreadIdInit(void *hndl, OCIError *err, OCIThreadId **tid) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env || !tid) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return make_thread_record(env, err, HANDLE_OCIThreadId, tid, [](OCIThreadId *) -> ub4 { return 0; });
}

VSK_EXPORT sword OCIThreadIdDestroy(void *hndl, OCIError *err, OCIThreadId **tid) {
    if (!thread_owner(hndl, err) || !tid || !is_id(*tid)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    unlink_record(*tid);
    Free_ThreadRecord(*tid);
    *tid = nullptr;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadIdSet(void *hndl, OCIError *err, OCIThreadId *tidDest, OCIThreadId *tidSrc) {
    if (!thread_owner(hndl, err) || !is_id(tidDest) || !is_id(tidSrc)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    tidDest->tid = tidSrc->tid;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadIdSetNull(void *hndl, OCIError *err, OCIThreadId *tid) {
    if (!thread_owner(hndl, err) || !is_id(tid)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    tid->tid = pthread_t{};
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadIdGet(void *hndl, OCIError *err, OCIThreadId *tid) {
    if (!thread_owner(hndl, err) || !is_id(tid)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    tid->tid = pthread_self();
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadIdSame(void *hndl, OCIError *err, OCIThreadId *tid1, OCIThreadId *tid2, boolean *result) {
    if (!thread_owner(hndl, err) || !is_id(tid1) || !is_id(tid2) || !result) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    *result = tid1->tid == tid2->tid ? TRUE : FALSE;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadIdNull(void *hndl, OCIError *err, OCIThreadId *tid, boolean *result) {
    if (!thread_owner(hndl, err) || !is_id(tid) || !result) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    *result = tid->tid == pthread_t{} ? TRUE : FALSE;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadHndInit(void *hndl, OCIError *err, OCIThreadHandle **thnd) {
    OCIEnv *env = thread_owner(hndl, err);
    if (!env || !thnd) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return make_thread_record(env, err, HANDLE_OCIThreadHandle, thnd, [](OCIThreadHandle *h) -> ub4 {
        h->open = 1;
        return 0;
    });
}

// A thread started through the handle and never joined is detached, so that its
// resources go when it ends.
VSK_EXPORT sword OCIThreadHndDestroy(void *hndl, OCIError *err, OCIThreadHandle **thnd) {
    if (!thread_owner(hndl, err) || !thnd || !is_handle(*thnd)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    (*thnd)->open = 0;
    unlink_record(*thnd);
    Free_ThreadRecord(*thnd);
    *thnd = nullptr;
    return OCI_SUCCESS;
}

// tid and tHnd may be null: a thread started without a handle cannot be joined and is
// started detached.
VSK_EXPORT sword OCIThreadCreate(void *hndl, OCIError *err, void (*start)(void *), void *arg, OCIThreadId *tid,
                                 OCIThreadHandle *tHnd) {
    if (!thread_owner(hndl, err) || !start || (tid && !is_id(tid)) || (tHnd && !is_handle(tHnd)))
        return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    auto *block = new (std::nothrow) StartBlock{start, arg};
    if (!block) return thread_error(err, kErrNoMemory);
    if (tHnd) {
        release_thread(tHnd);  // a thread the handle started before stays unjoined: let it go
        tHnd->start = start;
        tHnd->arg = arg;
        tHnd->open = 0;
    }
    pthread_attr_t attr;
    pthread_t thread;
    int rc = pthread_attr_init(&attr);
    if (rc == 0) {
        if (!tHnd) rc = pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
        if (rc == 0) rc = pthread_create(&thread, &attr, thread_main, block);
        pthread_attr_destroy(&attr);
    }
    if (rc != 0) {
        delete block;
        return thread_error(err, kErrThreadOperation);
    }
    if (tid) tid->tid = thread;
    if (tHnd) {
        tHnd->thread = thread;
        tHnd->joinable = 1;
        tHnd->open = 1;
    }
    return OCI_SUCCESS;
}

// Each thread is joined once: a second join, or a join of a handle that started no
// thread, fails with 30135.
VSK_EXPORT sword OCIThreadJoin(void *hndl, OCIError *err, OCIThreadHandle *tHnd) {
    if (!thread_owner(hndl, err) || !is_handle(tHnd)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    if (!tHnd->joinable || pthread_join(tHnd->thread, nullptr) != 0) return thread_error(err, kErrThreadOperation);
    tHnd->joinable = 0;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadClose(void *hndl, OCIError *err, OCIThreadHandle *tHnd) {
    if (!thread_owner(hndl, err) || !is_handle(tHnd)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    if (!tHnd->open) return thread_error(err, kErrThreadOperation);
    tHnd->open = 0;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIThreadHandleGet(void *hndl, OCIError *err, OCIThreadHandle *tHnd) {
    if (!thread_owner(hndl, err) || !is_handle(tHnd)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    release_thread(tHnd);
    tHnd->thread = pthread_self();
    tHnd->open = 1;
    return OCI_SUCCESS;
}

}  // extern "C"
