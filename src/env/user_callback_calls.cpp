// OCIUserCallbackRegister, OCIUserCallbackGet and OCISharedLibInit.
#include "env/env.h"
#include "env/export.h"
#include "env/trace.h"
#include "env/user_callbacks.h"

using namespace vsk;

extern "C" {

VSK_EXPORT sword OCIUserCallbackRegister(void *hndlp, ub4 type, void *ehndlp, UcbFunction callback, void *ctxp,
                                         ub4 fcode, ub4 when, OCIUcb *ucbDesc) {
    return register_user_callback(static_cast<OCIEnv *>(hndlp), type, ehndlp, callback, ctxp, fcode, when, ucbDesc);
}

// Registered callbacks cannot be read back.
VSK_EXPORT sword OCIUserCallbackGet(void *hndlp, ub4 type, void *ehndlp, ub4 fcode, ub4 when, UcbFunction *callbackp,
                                    void **ctxpp, OCIUcb *ucbDesc) {
    (void)hndlp, (void)type, (void)ehndlp, (void)fcode, (void)when, (void)callbackp, (void)ctxpp, (void)ucbDesc;
    o2pTrace(3, "Getting User Callback for Handle\n");
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_ERROR));
    return OCI_ERROR;
}

VSK_EXPORT sword OCISharedLibInit(void *metaCtx, void *libCtx, ub4 argfmt, sword argc, void **argv,
                                  sword (*envCallback)(OCIEnv *, ub4, size_t, void *, OCIUcb *)) {
    (void)libCtx, (void)argfmt, (void)argc, (void)argv;
    if (!envCallback) return OCI_ERROR;
    sword rc = envCallback(static_cast<OCIEnv *>(metaCtx), 0, 0, nullptr, nullptr);
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(rc));
    return rc;
}

}  // extern "C"
