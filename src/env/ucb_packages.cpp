// Callback packages named by ORA_OCI_UCBPKG, loaded at environment creation.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "env/env.h"
#include "env/trace.h"
#include "env/user_callbacks.h"

namespace vsk {

namespace {

constexpr int kDefaultPackageLimit = 5;

using PackageInit = sword (*)(OCIEnv *, ub4, size_t, void *, OCIUcb *);

void load_package(OCIEnv *env, const std::string &name) {
    o2pTrace(3, "Loading Callback Module: %s\n", name.c_str());
    std::string file = name + ".so";
    // Loaded libraries stay loaded: their callbacks remain registered on the environment.
    void *lib = dlopen(file.c_str(), RTLD_LAZY);
    if (!lib) {
        const char *why = dlerror();
        o2pTrace(0, "Could not load user callback package %s [reason: %s]\n", name.c_str(), why ? why : "");
        return;
    }
    std::string symbol = name + "Init";
    dlerror();
    void *init = dlsym(lib, symbol.c_str());
    if (const char *why = dlerror()) {
        // A package without its entry point is a broken installation: stop rather than run
        // the program without the callbacks it relies on.
        std::fprintf(stderr, "%s\n", why);
        std::exit(1);
    }
    reinterpret_cast<PackageInit>(init)(env, 0, 0, nullptr, nullptr);
}

}  // namespace

sword o2pLoadUCBs(OCIEnv *env) noexcept {
    const char *value = std::getenv("ORA_OCI_UCBPKG");
    if (!value) return OCI_CONTINUE;
    const bool unlimited = std::getenv("VSK_OCI_NOUCBPKGLIMIT") != nullptr;
    try {
        std::string_view rest(value);
        int loaded = 0;
        while (!rest.empty() && (unlimited || loaded < kDefaultPackageLimit)) {
            std::size_t semi = rest.find(';');
            std::string name(rest.substr(0, semi));
            rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
            if (name.empty()) continue;  // ";;" and a trailing ";" name nothing
            load_package(env, name);
            ++loaded;
        }
    } catch (...) {
        o2pTrace(0, "Could not load user callback packages [reason: %s]\n", "out of memory");
    }
    return OCI_SUCCESS;
}

}  // namespace vsk
