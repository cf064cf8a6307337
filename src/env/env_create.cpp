// Process initialisation and the environment creation calls.
#include <cstdlib>

#include "env/compat.h"
#include "env/env.h"
#include "env/export.h"
#include "env/message_catalog.h"
#include "env/process_globals.h"
#include "env/trace.h"
#include "env/user_callbacks.h"
#include "nls/charset.h"
#include "nls/charset_ids.h"
#include "nls/transcode.h"

using namespace vsk;

namespace {

using MallocFn = void *(*)(void *, size_t);
using ReallocFn = void *(*)(void *, void *, size_t);
using FreeFn = void (*)(void *, void *);

void store_memory_callbacks(void *ctxp, MallocFn m, ReallocFn r, FreeFn f) noexcept {
    // Kept for callers that read them back; all memory comes from the C allocator.
    O2PCustomMallocCallback = reinterpret_cast<void *>(m);
    O2PCustomReallocCallback = reinterpret_cast<void *>(r);
    O2PCustomFreeCallback = reinterpret_cast<void *>(f);
    O2PCustomMemoryContext = ctxp;
}

sword fail_creation(OCIEnv **envhpp, OCIEnv *env) noexcept {
    Free_OCIEnv(env);
    *envhpp = nullptr;
    return OCI_ERROR;
}

bool open_utf16_converters(OCIEnv *env) noexcept {
    const char *name = pg_encoding_to_char(env->charsetId);
    const char *utf8 = pg_encoding_to_char(ENC_UTF8);
    env->toUtf8 = open_iconv(utf8, name);
    env->fromUtf8 = open_iconv(name, utf8);
    env->ownsConverters = 1;
    return env->toUtf8 != no_iconv() && env->fromUtf8 != no_iconv();
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIInitialize(ub4 mode, void *ctxp, MallocFn malocfp, ReallocFn ralocfp, FreeFn mfreefp) {
    if (O2PEnvIsInitialized == 1) return OCI_ERROR;
    O2PEnvMode = 0;
    if (mode & OCI_THREADED) O2PEnvMode |= 1;
    if (mode & OCI_OBJECT) O2PEnvMode |= 2;
    if (mode & OCI_EVENTS) return OCI_ERROR;
    store_memory_callbacks(ctxp, malocfp, ralocfp, mfreefp);
    if (mode != 0 && !(mode & (OCI_THREADED | OCI_OBJECT))) return OCI_ERROR;
    O2PEnvIsInitialized = 1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCITerminate(ub4 mode) {
    if (mode != 0 || O2PEnvIsInitialized != 1) return OCI_ERROR;
    O2PEnvIsInitialized = 0;
    O2PEnvMode = 0;
    store_memory_callbacks(nullptr, nullptr, nullptr, nullptr);
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIEnvInit(OCIEnv **envhpp, ub4 mode, size_t xtramem_sz, void **usrmempp) {
    if (!envhpp) return OCI_ERROR;
    read_trace_settings();
    if (xtramem_sz != 0 && !usrmempp) return OCI_ERROR;

    OCIEnv *env = Alloc_OCIEnv();
    if (!env) return OCI_ERROR;
    env->emptyStringSemantics = std::getenv("OCI_PG_VARCHARS") ? 0 : 1;
    env->otlMode = std::getenv("OTL") ? 1 : 0;
    env->rogueWaveMode = std::getenv("RogueWave") ? 1 : 0;
    env->rogueWaveDblinkMode = std::getenv("RogueWaveDblink") ? 1 : 0;
    env->mode = mode & (ENV_NO_MUTEX | ENV_THREADED);
    *envhpp = env;

    if (static_cast<sb4>(xtramem_sz) > 0) {
        env->hdr.usrmem = alloc_zeroed(xtramem_sz);
        if (!env->hdr.usrmem) return fail_creation(envhpp, env);
        env->hdr.xtramemSize = xtramem_sz;
        *usrmempp = env->hdr.usrmem;
    }

    o2pLoadUCBs(env);
    SetNlsMessagesPath();
    if (!(mode & OCI_UTF16)) InitNls(env, 0);
    create_thread_key_once();
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIEnvCreate(OCIEnv **envhpp, ub4 mode, void *ctxp, MallocFn malocfp, ReallocFn ralocfp,
                              FreeFn mfreefp, size_t xtramem_sz, void **usrmempp) {
    (void)ctxp, (void)malocfp, (void)ralocfp, (void)mfreefp;
    sword rc = OCIEnvInit(envhpp, (mode & OCI_UTF16) ? OCI_UTF16 : OCI_DEFAULT, xtramem_sz, usrmempp);
    if (rc != OCI_SUCCESS) return rc;
    OCIEnv *env = *envhpp;

    env->mode |= mode & (ENV_THREADED | ENV_OBJECT | ENV_EVENTS | ENV_NO_UCB | ENV_RESERVED_8 |
                         ENV_NEW_LENGTH_SEMANTICS);
    constexpr ub4 kAccepted = ENV_THREADED | ENV_OBJECT | ENV_EVENTS | ENV_RESERVED_8 | ENV_NO_UCB | ENV_UTF16 |
                              ENV_NEW_LENGTH_SEMANTICS;
    if (mode != 0 && !(mode & kAccepted)) return fail_creation(envhpp, env);

    if (mode & OCI_UTF16) {
        env->mode |= ENV_UTF16;
        InitNls(env, ENC_UTF8);
        env->charsetId = kUtf16LeCharset;
        env->isUtf16 = 1;
    } else {
        InitNls(env, 0);
    }
    if (env->isUtf16 && !open_utf16_converters(env)) return fail_creation(envhpp, env);
    if (O2PEnvMode & 2) env->mode |= ENV_OBJECT;
    if (vendor_compat_requested()) env->vendorMode = 1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIEnvNlsCreate(OCIEnv **envhpp, ub4 mode, void *ctxp, MallocFn malocfp, ReallocFn ralocfp,
                                 FreeFn mfreefp, size_t xtramem_sz, void **usrmempp, ub2 charset,
                                 ub2 ncharset) {
    if (mode == OCI_THREADED) init_process_mutex();
    // Numbers above 40 are the vendor's: the set they name, and a vendor-faithful environment.
    int library = charset;
    if (charset > kLastOwnCharsetId) {
        library = library_id_for_id(charset);
        if (library < 0) {
            if (envhpp) *envhpp = nullptr;
            return OCI_ERROR;
        }
        if (library == ENC_UTF16LE || library == ENC_UTF16BE) {
            mode |= OCI_UTF16;
            library = 0;
        }
    }
    if (ncharset > kLastOwnCharsetId && library_id_for_id(ncharset) < 0) {
        if (envhpp) *envhpp = nullptr;
        return OCI_ERROR;
    }
    sword rc = OCIEnvCreate(envhpp, mode, ctxp, malocfp, ralocfp, mfreefp, xtramem_sz, usrmempp);
    if (rc != OCI_SUCCESS) return rc;
    OCIEnv *env = *envhpp;
    env->charsetNumber = charset;
    env->ncharsetNumber = ncharset;
    if (charset > kLastOwnCharsetId || ncharset > kLastOwnCharsetId) env->vendorMode = 1;
    // A UTF-16 environment keeps its character set: its converters were opened for it.
    if (!env->isUtf16) InitNls(env, static_cast<ub2>(library));
    return OCI_SUCCESS;
}

VSK_EXPORT void OCIClientVersion(sword *major_version, sword *minor_version, sword *update_num, sword *patch_num,
                                 sword *port_update_num) {
    // Drivers built for the vendor's client refuse releases before 19.
    const bool vendor = vendor_client(__builtin_return_address(0));
    if (major_version) *major_version = vendor ? 19 : 16;
    if (minor_version) *minor_version = vendor ? 3 : 1;
    if (update_num) *update_num = 0;
    if (patch_num) *patch_num = vendor ? 0 : 1;
    if (port_update_num) *port_update_num = 0;
}

}  // extern "C"
