#include "nls/env_text.h"

#include "env/env.h"
#include "env/error.h"
#include "nls/transcode.h"

namespace vsk {

namespace {

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
        return false;
    }
}

}  // namespace

bool text_to_utf8(const OCIEnv *env, void *errhp, const void *src, std::size_t len, std::string *out) noexcept {
    if (env && env->isUtf16) return convert(env->toUtf8, errhp, src, len, out);
    try {
        out->assign(static_cast<const char *>(src), src ? len : 0);
        return true;
    } catch (...) {
        return false;
    }
}

bool text_from_utf8(const OCIEnv *env, void *errhp, const char *src, std::size_t len, std::string *out) noexcept {
    if (env && env->isUtf16) return convert(env->fromUtf8, errhp, src, len, out);
    try {
        out->assign(src, src ? len : 0);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace vsk
