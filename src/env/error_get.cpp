// OCIErrorGet and OCIPGErrorGet: reading error records back.
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/export.h"
#include "env/message_table.h"
#include "nls/transcode.h"
#include "vskoci.h"

using namespace vsk;

namespace {

// Steps shared by both readers: the handle whose records are read, or the failing code.
sword find_error_handle(void *hndlp, ub4 type, OCIEnv **env_out, OCIError **err_out) noexcept {
    OCIEnv *env = env_of(hndlp);
    if (!env) return OCI_INVALID_HANDLE;
    void *handle = type == OCI_HTYPE_ERROR ? hndlp : env->errorHandle;
    if (!is_kind(handle, HANDLE_OCIError)) return OCI_ERROR;
    *env_out = env;
    *err_out = static_cast<OCIError *>(handle);
    return OCI_SUCCESS;
}

// Copies text into an application buffer of bufsiz bytes, cut to fit and terminated. In a
// UTF-16 environment the text is converted first; its terminator is two zero bytes and a cut
// never splits a code unit.
sword copy_out_text(OCIEnv *env, OCIError *err, const std::string &text, OraText *bufp, ub4 bufsiz) noexcept {
    if (!bufp || bufsiz == 0) return OCI_SUCCESS;
    if (!env->isUtf16) {
        std::size_t n = text.size() < bufsiz - 1 ? text.size() : bufsiz - 1;
        std::memcpy(bufp, text.data(), n);
        bufp[n] = 0;
        return OCI_SUCCESS;
    }
    char *converted = nullptr;
    std::size_t converted_len = 0;
    int conv_errno = 0;
    if (transcode(env->fromUtf8, &conv_errno, text.data(), text.size(), &converted, &converted_len) < 0) {
        AddConversionErrorRecord(err, conv_errno);
        return OCI_ERROR;
    }
    if (bufsiz < 2) {
        bufp[0] = 0;
    } else {
        std::size_t room = (bufsiz - 2) & ~static_cast<std::size_t>(1);
        std::size_t n = converted_len < room ? converted_len : room;
        if (n) std::memcpy(bufp, converted, n);
        bufp[n] = 0;
        bufp[n + 1] = 0;
    }
    std::free(converted);
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIErrorGet(void *hndlp, ub4 recordno, OraText *sqlstate, sb4 *errcodep, OraText *bufp, ub4 bufsiz,
                             ub4 type) {
    (void)sqlstate;
    if (recordno == 0 || !errcodep || !hndlp) return OCI_ERROR;
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    if (sword rc = find_error_handle(hndlp, type, &env, &err); rc != OCI_SUCCESS) return rc;

    CallFrame frame(env, OCI_FNCODE_ERRORGET);
    frame.enter(hndlp, recordno, sqlstate, errcodep, bufp, bufsiz, type);
    const ErrorRecord *rec = err->records.nth(recordno - 1);
    if (!rec) {
        frame.set(OCI_NO_DATA);
        return frame.leave(hndlp, recordno, sqlstate, errcodep, bufp, bufsiz, type);
    }
    *errcodep = (rec->content & ERR_HAS_CODE) ? static_cast<sb4>(rec->errcode) : 0;
    try {
        std::string text = (rec->content & ERR_HAS_MSG) ? rec->msg : std::string(o2pGetErrorText(rec->errcode));
        // A text that cannot be converted fails the call before the exit callbacks.
        if (copy_out_text(env, err, text, bufp, bufsiz) != OCI_SUCCESS) return OCI_ERROR;
    } catch (...) {
        return OCI_ERROR;
    }
    return frame.leave(hndlp, recordno, sqlstate, errcodep, bufp, bufsiz, type);
}

VSK_EXPORT sword OCIPGErrorGet(void *hndlp, ub4 recordno, OraText *sqlstatep, ub4 sqlstatesiz, OraText *bufp,
                               ub4 bufsiz, ub4 type) {
    if (recordno == 0 || !sqlstatep || !hndlp) return OCI_ERROR;
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    if (sword rc = find_error_handle(hndlp, type, &env, &err); rc != OCI_SUCCESS) return rc;

    const ErrorRecord *rec = err->records.nth(recordno - 1);
    if (!rec || !(rec->content & (ERR_HAS_SQLSTATE | ERR_HAS_PG_MSG))) return OCI_NO_DATA;
    if (rec->content & ERR_HAS_PG_MSG) {
        try {
            if (sword rc = copy_out_text(env, err, rec->pg_msg, bufp, bufsiz); rc != OCI_SUCCESS) return rc;
        } catch (...) {
            return OCI_ERROR;
        }
    }
    if ((rec->content & ERR_HAS_SQLSTATE) && sqlstatesiz != 0) {
        std::size_t len = std::strlen(rec->sqlstate);
        std::size_t n = len < sqlstatesiz - 1 ? len : sqlstatesiz - 1;
        std::memcpy(sqlstatep, rec->sqlstate, n);
        sqlstatep[n] = 0;
    }
    return OCI_SUCCESS;
}

}  // extern "C"
