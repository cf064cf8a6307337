// Process-wide settings, exported as data symbols of the library.
#pragma once

#include <oci.h>

#include <cstdio>

#include "env/export.h"

extern "C" {
VSK_EXPORT extern ub1 O2PEnvIsInitialized;
VSK_EXPORT extern ub4 O2PEnvMode;
VSK_EXPORT extern void *O2PCustomMallocCallback;
VSK_EXPORT extern void *O2PCustomReallocCallback;
VSK_EXPORT extern void *O2PCustomFreeCallback;
VSK_EXPORT extern void *O2PCustomMemoryContext;
VSK_EXPORT extern sb4 OCI2PQ_TRACE_LEVEL;
VSK_EXPORT extern ub8 oci_debug_mask;
VSK_EXPORT extern FILE *oci_debug_log;
VSK_EXPORT extern const char *clientVersion;
}

namespace vsk {

constexpr ub4 kNoThreadKey = 0xFFFFFFFFu;

// Thread-key slot shared with the thread package; kNoThreadKey until created.
ub4 thread_key_slot() noexcept;
void create_thread_key_once() noexcept;

// Process mutex taken around cursor marking at session end when the flag is set.
void init_process_mutex() noexcept;
bool process_mutex_enabled() noexcept;
void lock_process_mutex() noexcept;
void unlock_process_mutex() noexcept;

}  // namespace vsk
