#include "env/process_globals.h"

#include <pthread.h>

#include <atomic>
#include <mutex>

#include "services/thread_keys.h"

extern "C" {
VSK_EXPORT ub1 O2PEnvIsInitialized = 0;
VSK_EXPORT ub4 O2PEnvMode = 0;
VSK_EXPORT void *O2PCustomMallocCallback = nullptr;
VSK_EXPORT void *O2PCustomReallocCallback = nullptr;
VSK_EXPORT void *O2PCustomFreeCallback = nullptr;
VSK_EXPORT void *O2PCustomMemoryContext = nullptr;
VSK_EXPORT sb4 OCI2PQ_TRACE_LEVEL = 0;
VSK_EXPORT ub8 oci_debug_mask = 0;
VSK_EXPORT FILE *oci_debug_log = nullptr;
VSK_EXPORT const char *clientVersion = "client version - 16.1.0.1.0";
}

namespace vsk {

namespace {
std::atomic<ub4> g_ThreadKeyDestructorListIndex{kNoThreadKey};
std::once_flag thread_key_once;

// Statically initialised, so re-initialising it on every threaded creation is unnecessary.
pthread_mutex_t process_mutex = PTHREAD_MUTEX_INITIALIZER;
std::atomic<bool> process_mutex_flag{false};
}  // namespace

ub4 thread_key_slot() noexcept { return g_ThreadKeyDestructorListIndex.load(std::memory_order_acquire); }

void create_thread_key_once() noexcept {
    try {
        std::call_once(thread_key_once, [] {
            // Its destructor only frees the lists of threads OCIThreadCreate did not start.
            pthread_key_t key;
            if (pthread_key_create(&key, release_destructor_list) == 0)
                g_ThreadKeyDestructorListIndex.store(static_cast<ub4>(key), std::memory_order_release);
        });
    } catch (...) {
    }
}

void init_process_mutex() noexcept { process_mutex_flag.store(true, std::memory_order_release); }
bool process_mutex_enabled() noexcept { return process_mutex_flag.load(std::memory_order_acquire); }
void lock_process_mutex() noexcept { pthread_mutex_lock(&process_mutex); }
void unlock_process_mutex() noexcept { pthread_mutex_unlock(&process_mutex); }

}  // namespace vsk
