// Records made by the thread calls: thread id, thread handle, mutex and key. They hang on
// their environment's children and are released with it when the application forgets
// to destroy them.
#pragma once

#include <oci.h>

#include <pthread.h>

#include "env/handle.h"

struct OCIThreadId {
    vsk::Header hdr;
    pthread_t tid;  // 0: the null thread id
};

struct OCIThreadHandle {
    vsk::Header hdr;
    void (*start)(void *);
    void *arg;
    pthread_t thread;
    ub1 open;
    // A thread this handle started and nobody has joined or detached yet: joined at most
    // once, detached when the handle goes away first.
    ub1 joinable;
};

struct OCIThreadMutex {
    vsk::Header hdr;
    pthread_mutex_t mutex;
};

struct OCIThreadKey {
    vsk::Header hdr;
    OCIThreadKeyDestFunc destFn;
    pthread_key_t key;
    ub8 serial;  // tells this key from a later one that reuses its POSIX key
};

namespace vsk {

// Releases any of the four thread records; does nothing for other kinds.
void Free_ThreadRecord(void *h) noexcept;

// Gives up the handle's claim on its thread (detaching a thread never joined).
void release_thread(OCIThreadHandle *thnd) noexcept;

}  // namespace vsk
