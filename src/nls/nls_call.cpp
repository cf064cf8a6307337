#include "nls/nls_call.h"

#include <cstring>

#include "env/env.h"
#include "env/error.h"
#include "nls/env_text.h"

namespace vsk {

OCIEnv *nls_env(void *envhp) noexcept {
    if (!is_kind(envhp, HANDLE_OCIEnv)) return nullptr;
    auto *env = static_cast<OCIEnv *>(envhp);
    // Other threads clear the environment's error handle too (handle calls, frees).
    const auto lock = lock_children(env);
    _ClearErrorHandle(env->errorHandle);
    return env;
}

sword nls_argument_error(void *errhp, int position) noexcept {
    AddArgumentErrorRecord(errhp, position);
    return OCI_ERROR;
}

bool nls_text_in(const OCIEnv *env, void *errhp, const OraText *text, std::string *out) noexcept {
    std::size_t len = 0;
    if (env->isUtf16) {
        while (text[len] != 0 || text[len + 1] != 0) len += 2;
    } else {
        len = std::strlen(reinterpret_cast<const char *>(text));
    }
    return text_to_utf8(env, errhp, text, len, out);
}

sword nls_text_out(const OCIEnv *env, void *errhp, const std::string &utf8, OraText *buf, std::size_t buflen,
                   int buflen_position, std::size_t *written) noexcept {
    try {
        std::string text;
        if (!text_from_utf8(env, errhp, utf8.data(), utf8.size(), &text)) return OCI_ERROR;
        const std::size_t terminator = env->isUtf16 ? 2 : 1;
        if (buflen < terminator || text.size() > buflen - terminator) return nls_argument_error(errhp, buflen_position);
        std::memcpy(buf, text.data(), text.size());
        std::memset(buf + text.size(), 0, terminator);
        if (written) *written = text.size();
        return OCI_SUCCESS;
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, 16506);
        return OCI_ERROR;
    }
}

}  // namespace vsk
