// OCIContextSetValue, OCIContextGetValue, OCIMemoryAlloc, OCIMemoryFree,
// OCIXmlDbInitXmlCtx and OCIXmlDbFreeXmlCtx.
#include <oci.h>
#include <ocixmldb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "connect/records.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/message_table.h"
#include "env/trace.h"
#include "services/context_values.h"

using namespace vsk;

namespace {

constexpr ub4 kErrInvalidHandle = 24316;

// The checks both context calls make, in order; the list of hdl, or null with *rc set.
PtrList<void> *context_list(void *hdl, OCIError *err, const ub1 *key, ub1 keylen, const void *value, sword *rc) {
    if (!hdl || !is_kind(err, HANDLE_OCIError)) {
        *rc = OCI_INVALID_HANDLE;
        return nullptr;
    }
    _ClearErrorHandle(err);
    *rc = OCI_ERROR;
    if (!key || !value || keylen < 1 || keylen > kMaxContextKeyLength) return nullptr;
    if (is_kind(hdl, HANDLE_OCIEnv)) return &static_cast<OCIEnv *>(hdl)->contextValues;
    if (is_kind(hdl, HANDLE_OCISession)) return &static_cast<OCISession *>(hdl)->contextValues;
    AddErrorRecord(err, OCI_ERROR, kErrInvalidHandle);
    return nullptr;
}

}  // namespace

extern "C" {

// The duration is not kept: a value stays until its environment or session is freed.
// Setting a key again replaces its value.
VSK_EXPORT sword OCIContextSetValue(void *hdl, OCIError *err, OCIDuration duration, ub1 *key, ub1 keylen,
                                    void *ctx_value) {
    (void)duration;
    sword rc = OCI_SUCCESS;
    PtrList<void> *values = context_list(hdl, err, key, keylen, ctx_value, &rc);
    if (!values) return rc;
    if (!context_set(*values, key, keylen, ctx_value)) {
        AddErrorRecord(err, OCI_ERROR, 16506);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

// A key never set leaves *ctx_value as it was.
VSK_EXPORT sword OCIContextGetValue(void *hdl, OCIError *err, ub1 *key, ub1 keylen, void **ctx_value) {
    sword rc = OCI_SUCCESS;
    PtrList<void> *values = context_list(hdl, err, key, keylen, ctx_value, &rc);
    if (!values) return rc;
    context_get(*values, key, keylen, ctx_value);
    return OCI_SUCCESS;
}

// Durations OCI_DURATION_SESSION and OCI_DURATION_STATEMENT only; the memory stays until
// OCIMemoryFree. OCI_MEMORY_CLEARED zero-fills it.
VSK_EXPORT sword OCIMemoryAlloc(void *hdl, OCIError *err, void **mem, OCIDuration dur, ub4 size, ub4 flags) {
    (void)hdl, (void)err;
    if (!mem) return OCI_ERROR;
    if (dur != OCI_DURATION_SESSION && dur != OCI_DURATION_STATEMENT) return OCI_ERROR;
    *mem = (flags & OCI_MEMORY_CLEARED) ? std::calloc(1, size) : std::malloc(size);
    return *mem ? OCI_SUCCESS : OCI_ERROR;
}

VSK_EXPORT sword OCIMemoryFree(void *hdl, OCIError *err, void *mem) {
    (void)hdl, (void)err;
    std::free(mem);
    return OCI_SUCCESS;
}

VSK_EXPORT xmlctx *OCIXmlDbInitXmlCtx(OCIEnv *envhp, OCISvcCtx *svchp, OCIError *err, ocixmldbparam *params,
                                      int num_params) {
    (void)envhp, (void)svchp, (void)params, (void)num_params;
    o2pTrace(3, "Describing Any Object\n");
    o2pTrace(4, "\terrhp = %p\n", static_cast<void *>(err));
    if (is_kind(err, HANDLE_OCIError))
        std::snprintf(err->messageText, sizeof err->messageText, "%s", o2pGetErrorText(3001));
    o2pTrace(4, "\tRETURNING %p\n", static_cast<void *>(nullptr));
    return nullptr;
}

VSK_EXPORT void OCIXmlDbFreeXmlCtx(xmlctx *xctx) {
    o2pTrace(3, "Freeing XMLDB Context\n");
    o2pTrace(4, "\txctx = %p\n", static_cast<void *>(xctx));
    o2pTrace(4, "\tRETURNING %s\n", "void");
}

}  // extern "C"
