#include "env/compat.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "env/env.h"
#include "nls/charset_ids.h"

namespace vsk {

namespace {

// Fixed for the life of the process: read once, from any thread.
bool read_compat_variable() noexcept {
    const char *v = std::getenv("VSK_OCI_COMPAT");
    return v && std::strcmp(v, "vendor") == 0;
}

bool find_own_path() noexcept {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&find_own_path), &info) || !info.dli_fname) return false;
    return is_vendor_library_path(info.dli_fname);
}

}  // namespace

bool vendor_compat_requested() noexcept {
    static const bool requested = read_compat_variable();
    return requested;
}

bool is_vendor_library_path(const char *path) noexcept {
    if (!path) return false;
    const char *slash = std::strrchr(path, '/');
    const char *base = slash ? slash + 1 : path;
    return std::strncmp(base, "libclntsh.so", 12) == 0;
}

bool loaded_under_vendor_name() noexcept {
    static const bool vendor = find_own_path();
    return vendor;
}

bool inside_odpi(const void *address) noexcept {
    Dl_info info{};
    if (!address || !dladdr(address, &info) || !info.dli_fname) return false;
    // Already loaded, so this only finds it; the reference is given back at once.
    void *object = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (!object) return false;
    const bool odpi = dlsym(object, "dpiContext_createWithParams") != nullptr;
    dlclose(object);
    return odpi;
}

bool vendor_client(const void *caller) noexcept {
    return vendor_compat_requested() || loaded_under_vendor_name() || inside_odpi(caller);
}

bool vendor_mode(const OCIEnv *env) noexcept {
    return env && is_kind(env, HANDLE_OCIEnv) && env->vendorMode;
}

ub2 reported_charset_id(const OCIEnv *env, bool national) noexcept {
    if (!env) return 0;
    const ub2 given = national && env->ncharsetNumber ? env->ncharsetNumber : env->charsetNumber;
    if (given > kLastOwnCharsetId) return given;
    if (!env->vendorMode) return static_cast<ub2>(env->charsetId);
    const int number = vendor_number_for_library_id(env->charsetId);
    return static_cast<ub2>(number > 0 ? number : env->charsetId);
}

}  // namespace vsk
