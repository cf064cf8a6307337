// OCINlsGetInfo, OCINlsNumericInfoGet and OCINlsEnvironmentVariableGet.
#include <oci.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "env/export.h"
#include "nls/charset.h"
#include "nls/charset_ids.h"
#include "nls/nls_call.h"
#include "nls/nls_items.h"
#include "nls/wchar_table.h"

using namespace vsk;

namespace {

// The error handle a call with an optional one records on: errhp, else the environment's.
void *error_target(OCIEnv *env, void *errhp) noexcept { return errhp ? errhp : env->errorHandle; }

}  // namespace

extern "C" {

VSK_EXPORT sword OCINlsGetInfo(void *envhp, OCIError *errhp, OraText *buf, size_t buflen, ub2 item) {
    OCIEnv *env = nls_env(envhp);
    if (!env || (errhp && !is_kind(errhp, HANDLE_OCIError))) return OCI_INVALID_HANDLE;
    void *target = error_target(env, errhp);
    _ClearErrorHandle(target);
    if (!buf) return nls_argument_error(target, 3);
    try {
        std::string text;
        if (!nls_item_text(item, current_nls_settings(env->charsetId), &text)) return nls_argument_error(target, 5);
        return nls_text_out(env, target, text, buf, buflen, 4);
    } catch (...) {
        AddErrorRecord(target, OCI_ERROR, 16506);
        return OCI_ERROR;
    }
}

// OCI_NLS_CHARSET_MAXBYTESZ: the most bytes a character of the environment's set takes.
// OCI_NLS_CHARSET_FIXEDWIDTH: the bytes of every character of a fixed-width set, 0 for
// a variable-width one. Other items leave *val as it was.
VSK_EXPORT sword OCINlsNumericInfoGet(void *envhp, OCIError *errhp, sb4 *val, ub2 item) {
    OCIEnv *env = nls_env(envhp);
    if (!env || (errhp && !is_kind(errhp, HANDLE_OCIError))) return OCI_INVALID_HANDLE;
    void *target = error_target(env, errhp);
    _ClearErrorHandle(target);
    if (!val) return nls_argument_error(target, 3);
    const vsk_wchar_tbl *row = wchar_row(env->charsetId);
    const int max = row ? row->maxmblen : 1;
    if (item == OCI_NLS_CHARSET_MAXBYTESZ) *val = max;
    else if (item == OCI_NLS_CHARSET_FIXEDWIDTH) *val = max == 1 ? 1 : 0;
    return OCI_SUCCESS;
}

// OCI_NLS_CHARSET_ID and OCI_NLS_NCHARSET_ID in the library's identifiers 0..40 (what
// OCIEnvNlsCreate takes), from NLS_LANG's character-set part and from NLS_NCHAR; vendor
// names give the library's identifier of the same set, and an unset variable gives 0.
VSK_EXPORT sword OCINlsEnvironmentVariableGet(void *valp, size_t size, ub2 item, ub2 charset, size_t *rsize) {
    (void)charset;  // only string items are given in a character set, and there are none
    if (!valp || (size != 0 && size < sizeof(ub2))) return OCI_ERROR;
    std::string name;
    try {
        if (item == OCI_NLS_CHARSET_ID) {
            name = nls_lang_charset(std::getenv("NLS_LANG"));
        } else if (item == OCI_NLS_NCHARSET_ID) {
            if (const char *nchar = std::getenv("NLS_NCHAR")) name = nchar;
        } else {
            return OCI_ERROR;
        }
    } catch (...) {
        return OCI_ERROR;
    }
    const ub2 id = static_cast<ub2>(name.empty() ? ENC_SQL_ASCII : library_id_for_name(name.c_str()));
    std::memcpy(valp, &id, sizeof id);
    if (rsize) *rsize = sizeof id;
    return OCI_SUCCESS;
}

}  // extern "C"
