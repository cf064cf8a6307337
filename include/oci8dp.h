/* Direct path loading. */
#ifndef OCI8DP_ORACLE
#include <oci.h>
#endif

#ifndef OCI8DP_ORACLE
#define OCI8DP_ORACLE

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OCIDirPathCtx OCIDirPathCtx;
typedef struct OCIDirPathFuncCtx OCIDirPathFuncCtx;
typedef struct OCIDirPathColArray OCIDirPathColArray;
typedef struct OCIDirPathStream OCIDirPathStream;
typedef struct OCIDirPathDesc OCIDirPathDesc;

#define OCI_DIRPATH_LOAD 1
#define OCI_DIRPATH_UNLOAD 2
#define OCI_DIRPATH_CONVERT 3
#define OCI_DIRPATH_DATASAVE_SAVEONLY 0
#define OCI_DIRPATH_DATASAVE_FINISH 1
#define OCI_DIRPATH_COL_COMPLETE 0
#define OCI_DIRPATH_COL_NULL 1
#define OCI_DIRPATH_COL_PARTIAL 2
#define OCI_DIRPATH_COL_ERROR 3

sword OCIDirPathAbort(OCIDirPathCtx *dpctx, OCIError *errhp);
sword OCIDirPathDataSave(OCIDirPathCtx *dpctx, OCIError *errhp, ub4 action);
sword OCIDirPathFinish(OCIDirPathCtx *dpctx, OCIError *errhp);
sword OCIDirPathFlushRow(OCIDirPathCtx *dpctx, OCIError *errhp);
sword OCIDirPathPrepare(OCIDirPathCtx *dpctx, OCISvcCtx *svchp, OCIError *errhp);
sword OCIDirPathLoadStream(OCIDirPathCtx *dpctx, OCIDirPathStream *dpstr, OCIError *errhp);
sword OCIDirPathColArrayEntryGet(OCIDirPathColArray *dpca, OCIError *errhp, ub4 rownum, ub2 colIdx,
                                 ub1 **cvalpp, ub4 *clenp, ub1 *cflgp);
sword OCIDirPathColArrayEntrySet(OCIDirPathColArray *dpca, OCIError *errhp, ub4 rownum, ub2 colIdx, ub1 *cvalp,
                                 ub4 clen, ub1 cflg);
sword OCIDirPathColArrayRowGet(OCIDirPathColArray *dpca, OCIError *errhp, ub4 rownum, ub1 ***cvalppp,
                               ub4 **clenpp, ub1 **cflgpp);
sword OCIDirPathColArrayReset(OCIDirPathColArray *dpca, OCIError *errhp);
sword OCIDirPathColArrayToStream(OCIDirPathColArray *dpca, const OCIDirPathCtx *dpctx, OCIDirPathStream *dpstr,
                                 OCIError *errhp, ub4 rowcnt, ub4 rowoff);
sword OCIDirPathStreamReset(OCIDirPathStream *dpstr, OCIError *errhp);

#ifdef __cplusplus
}
#endif

#endif /* OCI8DP_ORACLE */
