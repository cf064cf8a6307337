#include "services/thread_records.h"

namespace vsk {

void Free_ThreadRecord(void *h) noexcept {
    switch (kind_of(h)) {
    case HANDLE_OCIThreadId:
        delete_record(static_cast<OCIThreadId *>(h));
        break;
    case HANDLE_OCIThreadHandle:
        delete_record(static_cast<OCIThreadHandle *>(h));
        break;
    case HANDLE_OCIThreadMutex: {
        auto *m = static_cast<OCIThreadMutex *>(h);
        if (m->initialised) pthread_mutex_destroy(&m->mutex);
        delete_record(m);
        break;
    }
    case HANDLE_OCIThreadKey: {
        auto *k = static_cast<OCIThreadKey *>(h);
        if (k->created) pthread_key_delete(k->key);
        delete_record(k);
        break;
    }
    default:
        break;
    }
}

}  // namespace vsk
