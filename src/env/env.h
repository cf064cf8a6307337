// The environment record, root of every handle tree.
#pragma once

#include <oci.h>

#include <iconv.h>

#include <mutex>

#include "env/error.h"
#include "env/handle.h"
#include "env/list.h"

namespace vsk {

// User callbacks are kept per OCI function code.
constexpr int kFunctionCodeSlots = 153;
struct UcbSet;

}  // namespace vsk

struct OCIEnv {
    vsk::Header hdr;
    ub4 mode;
    OCIError *errorHandle;
    vsk::PtrList<void> children;
    // Threads sharing the environment (pooled sessions and their statements) allocate
    // and release handles side by side.
    std::mutex childrenMutex;
    // A session that ends forgets the server objects of every statement on its server,
    // statements other threads are using included: a statement's links to its cursor,
    // server and service context change under this lock. Taken after childrenMutex.
    std::mutex linksMutex;
    vsk::PtrList<void> memCache;
    vsk::PtrList<void> spools;
    ub1 emptyStringSemantics;
    ub1 otlMode;
    ub1 rogueWaveMode;
    ub1 rogueWaveDblinkMode;
    vsk::UcbSet *ucbEntry[vsk::kFunctionCodeSlots];
    vsk::UcbSet *ucbReplace[vsk::kFunctionCodeSlots];
    vsk::UcbSet *ucbExit[vsk::kFunctionCodeSlots];
    sb4 charsetId;
    ub1 isUtf16;
    iconv_t toUtf8;
    iconv_t fromUtf8;
    // A child environment borrows its parent's descriptors; only the owner closes them.
    ub1 ownsConverters;
    // Context entries of OCIContextSetValue (services/context_values.h).
    vsk::PtrList<void> contextValues;
    ub1 threadPackageInit;  // OCIThreadInit
    ub1 filePackageInit;    // OCIFileInit, cleared by OCIFileTerm
    // Vendor-faithful behaviour (env/compat.h), and the character-set numbers
    // OCIEnvNlsCreate was given (0 when none).
    ub1 vendorMode;
    ub2 charsetNumber;
    ub2 ncharsetNumber;
};

namespace vsk {

// Mode bits kept in OCIEnv::mode.
constexpr ub4 ENV_THREADED = 0x1;
constexpr ub4 ENV_OBJECT = 0x2;
constexpr ub4 ENV_EVENTS = 0x4;
constexpr ub4 ENV_RESERVED_8 = 0x8;
constexpr ub4 ENV_NO_UCB = 0x40;
constexpr ub4 ENV_NO_MUTEX = 0x80;
constexpr ub4 ENV_UTF16 = 0x4000;
constexpr ub4 ENV_NEW_LENGTH_SEMANTICS = 0x20000;

constexpr sb4 kUtf16LeCharset = 39;

inline iconv_t no_iconv() noexcept { return reinterpret_cast<iconv_t>(-1); }

inline std::unique_lock<std::mutex> lock_links(OCIEnv *env) noexcept {
    return std::unique_lock<std::mutex>(env->linksMutex);
}

inline std::unique_lock<std::mutex> lock_children(OCIEnv *env) noexcept {
    return std::unique_lock<std::mutex>(env->childrenMutex);
}

// A fresh top-level or child environment record with its own error handle; null on failure.
OCIEnv *Alloc_OCIEnv() noexcept;
// Releases everything under env, then env itself.
void Free_OCIEnv(OCIEnv *env) noexcept;

// The environment a record belongs to: itself, or the first environment up its parent chain.
OCIEnv *env_of(void *handle) noexcept;

// Chooses the client character set: explicit identifier, NLS_LANG, or the process locale.
void InitNls(OCIEnv *env, ub2 charset) noexcept;
// Splits "language_territory.charset"; false (and all three empty) unless each part is non-empty.
bool ParseLocale(const char *text, std::string *language, std::string *territory, std::string *charset);

// Blocks that live until the owner is released.
void *AllocateMemFromEnvCache(OCIEnv *env, std::size_t size) noexcept;
void FreeMemFromEnvCache(OCIEnv *env) noexcept;

}  // namespace vsk
