#include "services/thread_keys.h"

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>
#include <set>
#include <vector>

#include "env/process_globals.h"
#include "services/thread_records.h"

namespace vsk {

namespace {

struct DestructorEntry {
    ub8 serial;
    OCIThreadKeyDestFunc destructor;
    void *value;
};
using DestructorList = std::vector<DestructorEntry>;

std::atomic<ub8> next_serial{1};
std::mutex live_mutex;

// Never destroyed: drivers free their keys from exit handlers that may run after the
// library's static objects are gone.
std::set<ub8> &live_serials() {
    static auto *serials = new std::set<ub8>;
    return *serials;
}

bool is_live(ub8 serial) noexcept {
    std::lock_guard<std::mutex> lock(live_mutex);
    return live_serials().count(serial) != 0;
}

bool slot_ready() noexcept { return thread_key_slot() != kNoThreadKey; }
pthread_key_t slot() noexcept { return static_cast<pthread_key_t>(thread_key_slot()); }

DestructorList *own_list() noexcept {
    return slot_ready() ? static_cast<DestructorList *>(pthread_getspecific(slot())) : nullptr;
}

// Stores the list back, or drops it once it is empty.
void store_list(DestructorList *list) noexcept {
    if (list && list->empty()) {
        delete list;
        list = nullptr;
    }
    pthread_setspecific(slot(), list);
}

}  // namespace

ub8 register_key_serial() noexcept {
    ub8 serial = next_serial.fetch_add(1, std::memory_order_relaxed);
    try {
        std::lock_guard<std::mutex> lock(live_mutex);
        live_serials().insert(serial);
    } catch (...) {
        return 0;
    }
    return serial;
}

void retire_key_serial(ub8 serial) noexcept {
    {
        std::lock_guard<std::mutex> lock(live_mutex);
        live_serials().erase(serial);
    }
    if (DestructorList *list = own_list()) {
        list->erase(std::remove_if(list->begin(), list->end(),
                                   [serial](const DestructorEntry &e) { return e.serial == serial; }),
                    list->end());
        store_list(list);
    }
}

bool set_key_value(const OCIThreadKey *key, void *value) noexcept {
    if (key->destFn) {
        if (!slot_ready()) return false;
        DestructorList *list = own_list();
        auto entry = list ? std::find_if(list->begin(), list->end(),
                                         [key](const DestructorEntry &e) { return e.serial == key->serial; })
                          : DestructorList::iterator{};
        if (list && entry != list->end()) {
            if (value) {
                entry->destructor = key->destFn;
                entry->value = value;
            } else {
                list->erase(entry);
                store_list(list);
            }
        } else if (value) {
            DestructorList *grown = list ? list : new (std::nothrow) DestructorList;
            if (!grown) return false;
            try {
                grown->push_back({key->serial, key->destFn, value});
            } catch (...) {
                if (!list) delete grown;
                return false;
            }
            if (!list) store_list(grown);
        }
    }
    pthread_setspecific(key->key, value);
    return true;
}

void run_key_destructors() noexcept {
    if (!slot_ready()) return;
    // Destructors may set values again; like POSIX, a few rounds and no more.
    for (int round = 0; round < PTHREAD_DESTRUCTOR_ITERATIONS; ++round) {
        DestructorList *list = own_list();
        if (!list) return;
        pthread_setspecific(slot(), nullptr);
        for (const DestructorEntry &e : *list)
            if (e.value && is_live(e.serial)) e.destructor(e.value);
        delete list;
    }
}

extern "C" void release_destructor_list(void *list) { delete static_cast<DestructorList *>(list); }

}  // namespace vsk
