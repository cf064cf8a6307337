#include "services/thread_records.h"

#include "services/thread_keys.h"

namespace vsk {

void release_thread(OCIThreadHandle *thnd) noexcept {
    if (thnd->joinable) pthread_detach(thnd->thread);
    thnd->joinable = 0;
}

void Free_ThreadRecord(void *h) noexcept {
    switch (kind_of(h)) {
    case HANDLE_OCIThreadId:
        delete_record(static_cast<OCIThreadId *>(h));
        break;
    case HANDLE_OCIThreadHandle: {
        auto *t = static_cast<OCIThreadHandle *>(h);
        release_thread(t);
        delete_record(t);
        break;
    }
    case HANDLE_OCIThreadMutex: {
        auto *m = static_cast<OCIThreadMutex *>(h);
        pthread_mutex_destroy(&m->mutex);
        delete_record(m);
        break;
    }
    case HANDLE_OCIThreadKey: {
        auto *k = static_cast<OCIThreadKey *>(h);
        retire_key_serial(k->serial);
        pthread_key_delete(k->key);
        delete_record(k);
        break;
    }
    default:
        break;
    }
}

}  // namespace vsk
