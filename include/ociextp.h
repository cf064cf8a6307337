/* External procedure support: the context passed to C external procedures. */
#ifndef OCIEXTP_ORACLE
#include <oci.h>
#endif

#ifndef OCIEXTP_ORACLE
#define OCIEXTP_ORACLE

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OCIExtProcContext OCIExtProcContext;

#define OCIEXTPROC_SUCCESS 0
#define OCIEXTPROC_ERROR 1
#define OCI_EXTPROC_SUCCESS OCIEXTPROC_SUCCESS
#define OCI_EXTPROC_ERROR OCIEXTPROC_ERROR

void *ociepacm(OCIExtProcContext *with_context, size_t amount);
size_t ocieperr(OCIExtProcContext *with_context, int error_number);
size_t ociepmsg(OCIExtProcContext *with_context, int error_number, oratext *error_message, size_t len);
sword ociepgoe(OCIExtProcContext *with_context, OCIEnv **envh, OCISvcCtx **svch, OCIError **errh);

#define OCIExtProcAllocCallMemory(with_context, amount) ociepacm(with_context, (size_t)(amount))
#define OCIExtProcRaiseExcp(with_context, error_number) ocieperr(with_context, error_number)
#define OCIExtProcRaiseExcpWithMsg(with_context, errnum, errmsg, msglen) \
    ociepmsg(with_context, errnum, errmsg, msglen)
#define OCIExtProcGetEnv(with_context, envh, svch, errh) ociepgoe(with_context, envh, svch, errh)

#ifdef __cplusplus
}
#endif

#endif /* OCIEXTP_ORACLE */
