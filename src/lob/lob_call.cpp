#include "lob/lob_call.h"

#include "connect/server_connection.h"
#include "nls/charset.h"
#include "nls/charset_ids.h"

namespace vsk {

sword lob_error(OCIError *errhp, const char *what) noexcept {
    std::string text = "VSK-01733: ";
    try {
        text += what;
    } catch (...) {
    }
    AddErrorRecord2(errhp, OCI_ERROR, kErrLob, text.c_str());
    return OCI_ERROR;
}

PGconn *lob_connection(OCISvcCtx *svchp) noexcept {
    OCIServer *server = server_of(svchp);
    return server && connection_ok(server) ? server->conn : nullptr;
}

int stored_charset(const OCIEnv *env) noexcept { return env && !env->isUtf16 ? env->charsetId : ENC_UTF8; }

int client_charset(const OCIEnv *env, ub2 csid) noexcept {
    // The vendor's id for UTF-16 in the machine's byte order.
    if (csid == OCI_UTF16ID) return kUtf16LeCharset;
    if (csid != 0) return library_id_for_id(csid);
    if (!env) return ENC_UTF8;
    return env->isUtf16 ? kUtf16LeCharset : env->charsetId;
}

}  // namespace vsk
