// Records made by the thread calls: thread id, thread handle, mutex and key.
#pragma once

#include <oci.h>

#include <pthread.h>

#include "env/handle.h"

struct OCIThreadId {
    vsk::Header hdr;
    pthread_t tid;
    ub1 isSet;
};

struct OCIThreadHandle {
    vsk::Header hdr;
    pthread_t thread;
    ub1 started;
};

struct OCIThreadMutex {
    vsk::Header hdr;
    pthread_mutex_t mutex;
    ub1 initialised;
};

struct OCIThreadKey {
    vsk::Header hdr;
    pthread_key_t key;
    ub1 created;
};

namespace vsk {

// Releases any of the four thread records; does nothing for other kinds.
void Free_ThreadRecord(void *h) noexcept;

}  // namespace vsk
