#include "nls/env_text.h"

#include "env/env.h"
#include "env/error.h"
#include "nls/transcode.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;

// A copy that could not be made: the caller returns OCI_ERROR on the record made here.
bool out_of_memory(void *errhp) noexcept {
    AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
    return false;
}

bool convert(iconv_t cd, void *errhp, const void *src, std::size_t len, std::string *out) noexcept {
    try {
        CharBuffer buf;
        std::size_t outlen = 0;
        int err = 0;
        if (transcode(cd, &err, static_cast<const char *>(src), len, buf, &outlen) < 0) {
            AddConversionErrorRecord(errhp, err);
            return false;
        }
        out->assign(buf ? buf.get() : "", outlen);
        return true;
    } catch (...) {
        return out_of_memory(errhp);
    }
}

}  // namespace

bool text_to_utf8(const OCIEnv *env, void *errhp, const void *src, std::size_t len, std::string *out) noexcept {
    if (env && env->isUtf16) return convert(env->toUtf8, errhp, src, len, out);
    try {
        out->assign(static_cast<const char *>(src), src ? len : 0);
        return true;
    } catch (...) {
        return out_of_memory(errhp);
    }
}

bool text_from_utf8(const OCIEnv *env, void *errhp, const char *src, std::size_t len, std::string *out) noexcept {
    if (env && env->isUtf16) return convert(env->fromUtf8, errhp, src, len, out);
    try {
        out->assign(src, src ? len : 0);
        return true;
    } catch (...) {
        return out_of_memory(errhp);
    }
}

}  // namespace vsk
