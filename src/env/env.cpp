#include "env/env.h"

#include <cstdlib>

#include "env/kinds.h"
#include "env/user_callbacks.h"
#include "services/context_values.h"

namespace vsk {

OCIEnv *Alloc_OCIEnv() noexcept {
    OCIEnv *env = new_record<OCIEnv>(HANDLE_OCIEnv);
    if (!env) return nullptr;
    env->toUtf8 = no_iconv();
    env->fromUtf8 = no_iconv();
    env->errorHandle = Alloc_OCIError();
    if (!env->errorHandle) {
        delete env;
        return nullptr;
    }
    env->errorHandle->hdr.parenth = env;
    return env;
}

void Free_OCIEnv(OCIEnv *env) noexcept {
    if (!is_kind(env, HANDLE_OCIEnv)) return;
    // Pools first: they log their sessions off, whose handles are children too.
    while (void *pool = env->spools.head()) {
        std::size_t before = env->spools.size();
        release_child(pool);
        if (env->spools.size() == before) env->spools.remove(pool);
    }
    // Each release unlinks its record, so the head is read afresh every time.
    while (void *child = env->children.head()) {
        std::size_t before = env->children.size();
        release_child(child);
        if (env->children.size() == before) env->children.remove(child);  // not ours to free
    }
    env->children.clear();
    context_free_all(env->contextValues);
    FreeMemFromEnvCache(env);
    env->spools.clear();
    if (env->ownsConverters) {
        if (env->toUtf8 != no_iconv()) iconv_close(env->toUtf8);
        if (env->fromUtf8 != no_iconv()) iconv_close(env->fromUtf8);
    }
    free_user_callbacks(env);
    Free_OCIError(env->errorHandle);
    delete_record(env);
}

OCIEnv *env_of(void *handle) noexcept {
    // Parent chains are short (record, statement, environment); the bound guards a corrupt chain.
    for (int depth = 0; handle && depth < 16; ++depth) {
        if (is_kind(handle, HANDLE_OCIEnv)) return static_cast<OCIEnv *>(handle);
        if (!kind_info(kind_of(handle))) return nullptr;
        handle = header_of(handle)->parenth;
    }
    return nullptr;
}

void *AllocateMemFromEnvCache(OCIEnv *env, std::size_t size) noexcept {
    return is_kind(env, HANDLE_OCIEnv) ? cache_block(env->memCache, size) : nullptr;
}

void FreeMemFromEnvCache(OCIEnv *env) noexcept {
    if (is_kind(env, HANDLE_OCIEnv)) free_cache(env->memCache);
}

}  // namespace vsk
