/* XML DB context set-up. */
#ifndef OCIXMLDB_ORACLE
#include <oci.h>
#endif

#ifndef OCIXMLDB_ORACLE
#define OCIXMLDB_ORACLE

#ifdef __cplusplus
extern "C" {
#endif

struct xmlctx;
typedef struct xmlctx xmlctx;

typedef enum ocixmldbpname {
    XCTXINIT_OCIDUR = 1,
    XCTXINIT_ERRHDL = 2
} ocixmldbpname;

typedef struct ocixmldbparam {
    ocixmldbpname name_ocixmldbparam;
    void *value_ocixmldbparam;
} ocixmldbparam;

#define NUM_OCIXMLDBPARAMS 2

xmlctx *OCIXmlDbInitXmlCtx(OCIEnv *envhp, OCISvcCtx *svchp, OCIError *err, ocixmldbparam *params,
                           int num_params);
void OCIXmlDbFreeXmlCtx(xmlctx *xctx);

#ifdef __cplusplus
}
#endif

#endif /* OCIXMLDB_ORACLE */
