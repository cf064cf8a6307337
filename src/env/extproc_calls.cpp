// External-procedure calls: there is no external-procedure agent, so they answer with nothing.
#include <oci.h>
#include <ociextp.h>

#include "env/export.h"
#include "env/trace.h"

extern "C" {

VSK_EXPORT void *ociepacm(OCIExtProcContext *with_context, size_t amount) {
    (void)with_context, (void)amount;
    vsk::o2pTrace(3, "Setting Piece Information\n");
    vsk::o2pTrace(4, "\tRETURNING %p\n", static_cast<void *>(nullptr));
    return nullptr;
}

VSK_EXPORT sword ociepgoe(OCIExtProcContext *with_context, OCIEnv **envh, OCISvcCtx **svch, OCIError **errh) {
    (void)with_context;
    if (envh) *envh = nullptr;
    if (svch) *svch = nullptr;
    if (errh) *errh = nullptr;
    return 0;
}

}  // extern "C"
