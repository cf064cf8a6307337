/* OCI function prototypes: environment, handles, errors, attributes, connections, statements,
 * transactions, LOBs, queues, subscriptions, threads, files, contexts, memory and NLS. */
#ifndef OCIAP_ORACLE
#include <oci.h>
#endif

#ifndef OCIAP_ORACLE
#define OCIAP_ORACLE

#include <stdarg.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opaque types of these calls */
typedef struct OCIAQEnqOptions OCIAQEnqOptions;
typedef struct OCIAQDeqOptions OCIAQDeqOptions;
typedef struct OCIAQMsgProperties OCIAQMsgProperties;
typedef struct OCIAQAgent OCIAQAgent;
typedef struct OCIAQNfyDescriptor OCIAQNfyDescriptor;
typedef struct OCIAQListenOpts OCIAQListenOpts;
typedef struct OCIAQLisMsgProps OCIAQLisMsgProps;
typedef struct OCIFileObject OCIFileObject;
typedef struct OCIMsg OCIMsg;

/* Callbacks */
typedef sb4 (*OCICallbackInBind)(void *ictxp, OCIBind *bindp, ub4 iter, ub4 index, void **bufpp, ub4 *alenp,
                                 ub1 *piecep, void **indp);
typedef sb4 (*OCICallbackOutBind)(void *octxp, OCIBind *bindp, ub4 iter, ub4 index, void **bufpp, ub4 **alenp,
                                  ub1 *piecep, void **indp, ub2 **rcodep);
typedef sb4 (*OCICallbackDefine)(void *octxp, OCIDefine *defnp, ub4 iter, void **bufpp, ub4 **alenp, ub1 *piecep,
                                 void **indp, ub2 **rcodep);
typedef sword (*OCIUserCallback)(void *ctxp, void *hndlp, ub4 type, ub4 fcode, ub4 when, sword returnCode,
                                 sb4 *errnop, va_list arglist);
typedef sword (*OCIEnvCallbackType)(OCIEnv *env, ub4 mode, size_t xtramem_sz, void *usrmemp, OCIUcb *ucbDesc);
typedef sb4 (*OCICallbackLobRead)(void *ctxp, const void *bufp, ub4 len, ub1 piece);
typedef sb4 (*OCICallbackLobWrite)(void *ctxp, void *bufp, ub4 *lenp, ub1 *piece);
typedef sb4 (*OCICallbackLobRead2)(void *ctxp, const void *bufp, oraub8 len, ub1 piece, void **changed_bufpp,
                                   oraub8 *changed_lenp);
typedef sb4 (*OCICallbackLobWrite2)(void *ctxp, void *bufp, oraub8 *lenp, ub1 *piece, void **changed_bufpp,
                                    oraub8 *changed_lenp);
typedef sb4 (*OCICallbackLobArrayRead)(void *ctxp, ub4 array_iter, const void *bufp, oraub8 len, ub1 piece,
                                       void **changed_bufpp, oraub8 *changed_lenp);
typedef sb4 (*OCICallbackLobArrayWrite)(void *ctxp, ub4 array_iter, void *bufp, oraub8 *lenp, ub1 *piece,
                                        void **changed_bufpp, oraub8 *changed_lenp);
typedef ub4 (*OCISubscriptionNotify)(void *ctx, OCISubscription *subscrhp, void *pay, ub4 payl, void *desc,
                                     ub4 mode);
typedef ub4 (*OCICallbackAQEnq)(void *ctxp, void **payload, void **payload_ind);
typedef ub4 (*OCICallbackAQDeq)(void *ctxp, void **payload, void **payload_ind);
typedef sb4 (*OCICallbackFailover)(void *svcctx, void *envctx, void *fo_ctx, ub4 fo_type, ub4 fo_event);
struct OCIFocbkStruct {
    OCICallbackFailover callback_function;
    void *fo_ctx;
};
typedef struct OCIFocbkStruct OCIFocbkStruct;
typedef void (*OCIThreadKeyDestFunc)(void *);

/* Environment and process */
sword OCIInitialize(ub4 mode, void *ctxp, void *(*malocfp)(void *ctxp, size_t size),
                    void *(*ralocfp)(void *ctxp, void *memptr, size_t newsize),
                    void (*mfreefp)(void *ctxp, void *memptr));
sword OCITerminate(ub4 mode);
sword OCIEnvCreate(OCIEnv **envp, ub4 mode, void *ctxp, void *(*malocfp)(void *ctxp, size_t size),
                   void *(*ralocfp)(void *ctxp, void *memptr, size_t newsize),
                   void (*mfreefp)(void *ctxp, void *memptr), size_t xtramem_sz, void **usrmempp);
sword OCIEnvNlsCreate(OCIEnv **envp, ub4 mode, void *ctxp, void *(*malocfp)(void *ctxp, size_t size),
                      void *(*ralocfp)(void *ctxp, void *memptr, size_t newsize),
                      void (*mfreefp)(void *ctxp, void *memptr), size_t xtramem_sz, void **usrmempp,
                      ub2 charset, ub2 ncharset);
sword OCIEnvInit(OCIEnv **envp, ub4 mode, size_t xtramem_sz, void **usrmempp);
void OCIClientVersion(sword *major_version, sword *minor_version, sword *update_num, sword *patch_num,
                      sword *port_update_num);
OCIEnv *xaoEnv(OraText *dbname);
OCISvcCtx *xaoSvcCtx(OraText *dbname);

/* Handles, descriptors, errors and attributes */
sword OCIHandleAlloc(const void *parenth, void **hndlpp, const ub4 type, const size_t xtramem_sz,
                     void **usrmempp);
sword OCIHandleFree(void *hndlp, const ub4 type);
sword OCIDescriptorAlloc(const void *parenth, void **descpp, const ub4 type, const size_t xtramem_sz,
                         void **usrmempp);
sword OCIDescriptorFree(void *descp, const ub4 type);
sword OCIErrorGet(void *hndlp, ub4 recordno, OraText *sqlstate, sb4 *errcodep, OraText *bufp, ub4 bufsiz,
                  ub4 type);
sword OCIAttrGet(const void *trgthndlp, ub4 trghndltyp, void *attributep, ub4 *sizep, ub4 attrtype,
                 OCIError *errhp);
sword OCIAttrSet(void *trgthndlp, ub4 trghndltyp, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp);
sword OCIParamGet(const void *hndlp, ub4 htype, OCIError *errhp, void **parmdpp, ub4 pos);
sword OCIParamSet(void *hdlp, ub4 htyp, OCIError *errhp, const void *dscp, ub4 dtyp, ub4 pos);

/* User callbacks */
sword OCIUserCallbackRegister(void *hndlp, ub4 type, void *ehndlp, OCIUserCallback callback, void *ctxp,
                              ub4 fcode, ub4 when, OCIUcb *ucbDesc);
sword OCIUserCallbackGet(void *hndlp, ub4 type, void *ehndlp, ub4 fcode, ub4 when, OCIUserCallback *callbackp,
                         void **ctxpp, OCIUcb *ucbDesc);
sword OCISharedLibInit(void *metaCtx, void *libCtx, ub4 argfmt, sword argc, void **argv,
                       OCIEnvCallbackType envCallback);

/* Connections and sessions */
sword OCIServerAttach(OCIServer *srvhp, OCIError *errhp, const OraText *dblink, sb4 dblink_len, ub4 mode);
sword OCIServerDetach(OCIServer *srvhp, OCIError *errhp, ub4 mode);
sword OCISessionBegin(OCISvcCtx *svchp, OCIError *errhp, OCISession *usrhp, ub4 credt, ub4 mode);
sword OCISessionEnd(OCISvcCtx *svchp, OCIError *errhp, OCISession *usrhp, ub4 mode);
sword OCILogon(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *username, ub4 uname_len,
               const OraText *password, ub4 passwd_len, const OraText *dbname, ub4 dbname_len);
sword OCILogon2(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, const OraText *username, ub4 uname_len,
                const OraText *password, ub4 passwd_len, const OraText *dbname, ub4 dbname_len, ub4 mode);
sword OCILogoff(OCISvcCtx *svchp, OCIError *errhp);
sword OCIPasswordChange(OCISvcCtx *svchp, OCIError *errhp, const OraText *user_name, ub4 usernm_len,
                        const OraText *opasswd, ub4 opasswd_len, const OraText *npasswd, ub4 npasswd_len,
                        ub4 mode);
sword OCIServerVersion(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype);
sword OCIServerRelease(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype, ub4 *version);
sword OCIPing(OCISvcCtx *svchp, OCIError *errhp, ub4 mode);
sword OCIBreak(void *hndlp, OCIError *errhp);
sword OCIReset(void *hndlp, OCIError *errhp);
sword OCISessionGet(OCIEnv *envhp, OCIError *errhp, OCISvcCtx **svchp, OCIAuthInfo *authhp, OraText *poolName,
                    ub4 poolName_len, const OraText *tagInfo, ub4 tagInfo_len, OraText **retTagInfo,
                    ub4 *retTagInfo_len, boolean *found, ub4 mode);
sword OCISessionRelease(OCISvcCtx *svchp, OCIError *errhp, OraText *tag, ub4 tag_len, ub4 mode);
sword OCISessionPoolCreate(OCIEnv *envhp, OCIError *errhp, OCISPool *spoolhp, OraText **poolName,
                           ub4 *poolNameLen, const OraText *connStr, ub4 connStrLen, ub4 sessMin, ub4 sessMax,
                           ub4 sessIncr, OraText *userid, ub4 useridLen, OraText *password, ub4 passwordLen,
                           ub4 mode);
sword OCISessionPoolDestroy(OCISPool *spoolhp, OCIError *errhp, ub4 mode);
sword OCIConnectionPoolCreate(OCIEnv *envhp, OCIError *errhp, OCICPool *poolhp, OraText **poolName,
                              sb4 *poolNameLen, const OraText *dblink, sb4 dblinkLen, ub4 connMin, ub4 connMax,
                              ub4 connIncr, const OraText *poolUserName, sb4 poolUserLen,
                              const OraText *poolPassword, sb4 poolPassLen, ub4 mode);
sword OCIConnectionPoolDestroy(OCICPool *poolhp, OCIError *errhp, ub4 mode);
sword OCIDBStartup(OCISvcCtx *svchp, OCIError *errhp, OCIAdmin *admhp, ub4 mode, ub4 flags);
sword OCIDBShutdown(OCISvcCtx *svchp, OCIError *errhp, OCIAdmin *admhp, ub4 mode);
sword OCIAppCtxSet(void *sesshndl, void *nsptr, ub4 nsptrlen, void *attrptr, ub4 attrptrlen, void *valueptr,
                   ub4 valueptrlen, OCIError *errhp, ub4 mode);
sword OCIAppCtxClearAll(void *sesshndl, void *nsptr, ub4 nsptrlen, OCIError *errhp, ub4 mode);
sword OCILdaToSvcCtx(OCISvcCtx **svchpp, OCIError *errhp, Lda_Def *ldap);
sword OCISvcCtxToLda(OCISvcCtx *svchp, OCIError *errhp, Lda_Def *ldap);

/* Statements, binds and defines */
sword OCIStmtPrepare(OCIStmt *stmtp, OCIError *errhp, const OraText *stmt, ub4 stmt_len, ub4 language, ub4 mode);
sword OCIStmtPrepare2(OCISvcCtx *svchp, OCIStmt **stmtp, OCIError *errhp, const OraText *stmt, ub4 stmt_len,
                      const OraText *key, ub4 key_len, ub4 language, ub4 mode);
sword OCIStmtRelease(OCIStmt *stmtp, OCIError *errhp, const OraText *key, ub4 key_len, ub4 mode);
sword OCIStmtExecute(OCISvcCtx *svchp, OCIStmt *stmtp, OCIError *errhp, ub4 iters, ub4 rowoff,
                     const OCISnapshot *snap_in, OCISnapshot *snap_out, ub4 mode);
sword OCIStmtFetch(OCIStmt *stmtp, OCIError *errhp, ub4 nrows, ub2 orientation, ub4 mode);
sword OCIStmtFetch2(OCIStmt *stmtp, OCIError *errhp, ub4 nrows, ub2 orientation, sb4 scrollOffset, ub4 mode);
sword OCIStmtGetPieceInfo(OCIStmt *stmtp, OCIError *errhp, void **hndlpp, ub4 *typep, ub1 *in_outp, ub4 *iterp,
                          ub4 *idxp, ub1 *piecep);
sword OCIStmtSetPieceInfo(void *hndlp, ub4 type, OCIError *errhp, const void *bufp, ub4 *alenp, ub1 piece,
                          const void *indp, ub2 *rcodep);
sword OCIStmtGetBindInfo(OCIStmt *stmtp, OCIError *errhp, ub4 size, ub4 startloc, sb4 *found, OraText *bvnp[],
                         ub1 bvnl[], OraText *invp[], ub1 inpl[], ub1 dupl[], OCIBind **hndl);
sword OCIBindByPos(OCIStmt *stmtp, OCIBind **bindp, OCIError *errhp, ub4 position, void *valuep, sb4 value_sz,
                   ub2 dty, void *indp, ub2 *alenp, ub2 *rcodep, ub4 maxarr_len, ub4 *curelep, ub4 mode);
sword OCIBindByName(OCIStmt *stmtp, OCIBind **bindp, OCIError *errhp, const OraText *placeholder, sb4 placeh_len,
                    void *valuep, sb4 value_sz, ub2 dty, void *indp, ub2 *alenp, ub2 *rcodep, ub4 maxarr_len,
                    ub4 *curelep, ub4 mode);
sword OCIBindObject(OCIBind *bindp, OCIError *errhp, const OCIType *type, void **pgvpp, ub4 *pvszsp,
                    void **indpp, ub4 *indszp);
sword OCIBindDynamic(OCIBind *bindp, OCIError *errhp, void *ictxp, OCICallbackInBind icbfp, void *octxp,
                     OCICallbackOutBind ocbfp);
sword OCIBindArrayOfStruct(OCIBind *bindp, OCIError *errhp, ub4 pvskip, ub4 indskip, ub4 alskip, ub4 rcskip);
sword OCIDefineByPos(OCIStmt *stmtp, OCIDefine **defnp, OCIError *errhp, ub4 position, void *valuep,
                     sb4 value_sz, ub2 dty, void *indp, ub2 *rlenp, ub2 *rcodep, ub4 mode);
sword OCIDefineObject(OCIDefine *defnp, OCIError *errhp, const OCIType *type, void **pgvpp, ub4 *pvszsp,
                      void **indpp, ub4 *indszp);
sword OCIDefineDynamic(OCIDefine *defnp, OCIError *errhp, void *octxp, OCICallbackDefine ocbfp);
sword OCIDefineArrayOfStruct(OCIDefine *defnp, OCIError *errhp, ub4 pvskip, ub4 indskip, ub4 rlskip,
                             ub4 rcskip);
sword OCIDescribeAny(OCISvcCtx *svchp, OCIError *errhp, void *objptr, ub4 objnm_len, ub1 objptr_typ,
                     ub1 info_level, ub1 objtyp, OCIDescribe *dschp);
sword OCIRowidToChar(OCIRowid *rowidDesc, OraText *outbfp, ub2 *outbflp, OCIError *errhp);
sword OCIBindByPos2(OCIStmt *stmtp, OCIBind **bindp, OCIError *errhp, ub4 position, void *valuep, sb8 value_sz,
                    ub2 dty, void *indp, ub4 *alenp, ub2 *rcodep, ub4 maxarr_len, ub4 *curelep, ub4 mode);
sword OCIBindByName2(OCIStmt *stmtp, OCIBind **bindp, OCIError *errhp, const OraText *placeholder,
                     sb4 placeh_len, void *valuep, sb8 value_sz, ub2 dty, void *indp, ub4 *alenp, ub2 *rcodep,
                     ub4 maxarr_len, ub4 *curelep, ub4 mode);
sword OCIDefineByPos2(OCIStmt *stmtp, OCIDefine **defnp, OCIError *errhp, ub4 position, void *valuep,
                      sb8 value_sz, ub2 dty, void *indp, ub4 *rlenp, ub2 *rcodep, ub4 mode);
sword OCIStmtGetNextResult(OCIStmt *stmthp, OCIError *errhp, void **result, ub4 *rtype, ub4 mode);
sword OCIServerRelease2(void *hndlp, OCIError *errhp, OraText *bufp, ub4 bufsz, ub1 hndltype, ub4 *version,
                        ub4 mode);
sword OCIArrayDescriptorAlloc(const void *parenth, void **descpp, const ub4 type, ub4 array_size,
                              const size_t xtramem_sz, void **usrmempp);
sword OCIArrayDescriptorFree(void **descp, const ub4 type);

/* Transactions */
sword OCITransStart(OCISvcCtx *svchp, OCIError *errhp, uword timeout, ub4 flags);
sword OCITransDetach(OCISvcCtx *svchp, OCIError *errhp, ub4 flags);
sword OCITransCommit(OCISvcCtx *svchp, OCIError *errhp, ub4 flags);
sword OCITransRollback(OCISvcCtx *svchp, OCIError *errhp, ub4 flags);
sword OCITransPrepare(OCISvcCtx *svchp, OCIError *errhp, ub4 flags);
sword OCITransMultiPrepare(OCISvcCtx *svchp, ub4 numBranches, OCITrans **txns, OCIError **errhp);
sword OCITransForget(OCISvcCtx *svchp, OCIError *errhp, ub4 flags);

/* Large objects */
sword OCILobAppend(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp);
sword OCILobAssign(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *src_locp, OCILobLocator **dst_locpp);
sword OCILobCharSetForm(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, ub1 *csfrm);
sword OCILobCharSetId(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, ub2 *csid);
sword OCILobClose(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp);
sword OCILobCopy(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp, ub4 amount,
                 ub4 dst_offset, ub4 src_offset);
sword OCILobCopy2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp,
                  oraub8 amount, oraub8 dst_offset, oraub8 src_offset);
sword OCILobCreateTemporary(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub2 csid, ub1 csfrm,
                            ub1 lobtype, boolean cache, OCIDuration duration);
sword OCILobDisableBuffering(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp);
sword OCILobEnableBuffering(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp);
sword OCILobErase(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amount, ub4 offset);
sword OCILobErase2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *amount, oraub8 offset);
sword OCILobFileClose(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *filep);
sword OCILobFileCloseAll(OCISvcCtx *svchp, OCIError *errhp);
sword OCILobFileExists(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *filep, boolean *flag);
sword OCILobFileGetName(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *filep, OraText *dir_alias,
                        ub2 *d_length, OraText *filename, ub2 *f_length);
sword OCILobFileIsOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *filep, boolean *flag);
sword OCILobFileOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *filep, ub1 mode);
sword OCILobFileSetName(OCIEnv *envhp, OCIError *errhp, OCILobLocator **filepp, const OraText *dir_alias,
                        ub2 d_length, const OraText *filename, ub2 f_length);
sword OCILobFlushBuffer(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 flag);
sword OCILobFreeTemporary(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp);
sword OCILobGetChunkSize(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *chunksizep);
sword OCILobGetLength(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *lenp);
sword OCILobGetLength2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *lenp);
sword OCILobGetStorageLimit(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *limitp);
sword OCILobIsEqual(OCIEnv *envhp, const OCILobLocator *x, const OCILobLocator *y, boolean *is_equal);
sword OCILobIsOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, boolean *flag);
sword OCILobIsTemporary(OCIEnv *envp, OCIError *errhp, OCILobLocator *locp, boolean *is_temporary);
sword OCILobLoadFromFile(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_filep,
                         ub4 amount, ub4 dst_offset, ub4 src_offset);
sword OCILobLoadFromFile2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_filep,
                          oraub8 amount, oraub8 dst_offset, oraub8 src_offset);
sword OCILobLocatorAssign(OCISvcCtx *svchp, OCIError *errhp, const OCILobLocator *src_locp,
                          OCILobLocator **dst_locpp);
sword OCILobLocatorIsInit(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, boolean *is_initialized);
sword OCILobOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub1 mode);
sword OCILobRead(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amtp, ub4 offset, void *bufp,
                 ub4 bufl, void *ctxp, OCICallbackLobRead cbfp, ub2 csid, ub1 csfrm);
sword OCILobRead2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *byte_amtp, oraub8 *char_amtp,
                  oraub8 offset, void *bufp, oraub8 bufl, ub1 piece, void *ctxp, OCICallbackLobRead2 cbfp,
                  ub2 csid, ub1 csfrm);
sword OCILobArrayRead(OCISvcCtx *svchp, OCIError *errhp, ub4 *array_iter, OCILobLocator **lobp_arr,
                      oraub8 *byte_amt_arr, oraub8 *char_amt_arr, oraub8 *offset_arr, void **bufp_arr,
                      oraub8 *bufl_arr, ub1 piece, void *ctxp, OCICallbackLobArrayRead cbfp, ub2 csid,
                      ub1 csfrm);
sword OCILobArrayWrite(OCISvcCtx *svchp, OCIError *errhp, ub4 *array_iter, OCILobLocator **lobp_arr,
                       oraub8 *byte_amt_arr, oraub8 *char_amt_arr, oraub8 *offset_arr, void **bufp_arr,
                       oraub8 *bufl_arr, ub1 piece, void *ctxp, OCICallbackLobArrayWrite cbfp, ub2 csid,
                       ub1 csfrm);
sword OCILobTrim(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 newlen);
sword OCILobTrim2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 newlen);
sword OCILobWrite(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amtp, ub4 offset, void *bufp,
                  ub4 buflen, ub1 piece, void *ctxp, OCICallbackLobWrite cbfp, ub2 csid, ub1 csfrm);
sword OCILobWrite2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *byte_amtp,
                   oraub8 *char_amtp, oraub8 offset, void *bufp, oraub8 buflen, ub1 piece, void *ctxp,
                   OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm);
sword OCILobWriteAppend(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *lobp, ub4 *amtp, void *bufp, ub4 bufl,
                        ub1 piece, void *ctxp, OCICallbackLobWrite cbfp, ub2 csid, ub1 csfrm);
sword OCILobWriteAppend2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *lobp, oraub8 *byte_amtp,
                         oraub8 *char_amtp, void *bufp, oraub8 bufl, ub1 piece, void *ctxp,
                         OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm);

/* Advanced queuing and subscriptions */
sword OCIAQEnq(OCISvcCtx *svchp, OCIError *errhp, OraText *queue_name, OCIAQEnqOptions *enqopt,
               OCIAQMsgProperties *msgprop, OCIType *payload_tdo, void **payload, void **payload_ind,
               OCIRaw **msgid, ub4 flags);
sword OCIAQDeq(OCISvcCtx *svchp, OCIError *errhp, OraText *queue_name, OCIAQDeqOptions *deqopt,
               OCIAQMsgProperties *msgprop, OCIType *payload_tdo, void **payload, void **payload_ind,
               OCIRaw **msgid, ub4 flags);
sword OCIAQEnqArray(OCISvcCtx *svchp, OCIError *errhp, OraText *queue_name, OCIAQEnqOptions *enqopt, ub4 *iters,
                    OCIAQMsgProperties **msgprop, OCIType *payload_tdo, void **payload, void **payload_ind,
                    OCIRaw **msgid, void *ctxp, OCICallbackAQEnq enqcbfp, ub4 flags);
sword OCIAQDeqArray(OCISvcCtx *svchp, OCIError *errhp, OraText *queue_name, OCIAQDeqOptions *deqopt, ub4 *iters,
                    OCIAQMsgProperties **msgprop, OCIType *payload_tdo, void **payload, void **payload_ind,
                    OCIRaw **msgid, void *ctxp, OCICallbackAQDeq deqcbfp, ub4 flags);
sword OCIAQListen(OCISvcCtx *svchp, OCIError *errhp, OCIAQAgent **agent_list, ub4 num_agents, sb4 wait,
                  OCIAQAgent **agent, ub4 flags);
sword OCIAQListen2(OCISvcCtx *svchp, OCIError *errhp, OCIAQAgent **agent_list, ub4 num_agents,
                   OCIAQListenOpts *lopts, OCIAQAgent **agent, OCIAQLisMsgProps *lmops, ub4 flags);
sword OCISubscriptionRegister(OCISvcCtx *svchp, OCISubscription **subscrhpp, ub2 count, OCIError *errhp,
                              ub4 mode);
sword OCISubscriptionPost(OCISvcCtx *svchp, OCISubscription **subscrhpp, ub2 count, OCIError *errhp, ub4 mode);
sword OCISubscriptionUnRegister(OCISvcCtx *svchp, OCISubscription *subscrhp, OCIError *errhp, ub4 mode);
sword OCISubscriptionDisable(OCISubscription *subscrhp, OCIError *errhp, ub4 mode);
sword OCISubscriptionEnable(OCISubscription *subscrhp, OCIError *errhp, ub4 mode);

/* Durations */
sword OCIDurationBegin(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, OCIDuration parent, OCIDuration *dur);
sword OCIDurationEnd(OCIEnv *env, OCIError *err, const OCISvcCtx *svc, OCIDuration duration);

/* Threads */
void OCIThreadProcessInit(void);
sword OCIThreadInit(void *hndl, OCIError *err);
sword OCIThreadTerm(void *hndl, OCIError *err);
boolean OCIThreadIsMulti(void);
sword OCIThreadMutexInit(void *hndl, OCIError *err, OCIThreadMutex **mutex);
sword OCIThreadMutexDestroy(void *hndl, OCIError *err, OCIThreadMutex **mutex);
sword OCIThreadMutexAcquire(void *hndl, OCIError *err, OCIThreadMutex *mutex);
sword OCIThreadMutexRelease(void *hndl, OCIError *err, OCIThreadMutex *mutex);
sword OCIThreadKeyInit(void *hndl, OCIError *err, OCIThreadKey **key, OCIThreadKeyDestFunc destFn);
sword OCIThreadKeyDestroy(void *hndl, OCIError *err, OCIThreadKey **key);
sword OCIThreadKeyGet(void *hndl, OCIError *err, OCIThreadKey *key, void **pValue);
sword OCIThreadKeySet(void *hndl, OCIError *err, OCIThreadKey *key, void *value);
sword OCIThreadIdInit(void *hndl, OCIError *err, OCIThreadId **tid);
sword OCIThreadIdDestroy(void *hndl, OCIError *err, OCIThreadId **tid);
sword OCIThreadIdSet(void *hndl, OCIError *err, OCIThreadId *tidDest, OCIThreadId *tidSrc);
sword OCIThreadIdSetNull(void *hndl, OCIError *err, OCIThreadId *tid);
sword OCIThreadIdGet(void *hndl, OCIError *err, OCIThreadId *tid);
sword OCIThreadIdSame(void *hndl, OCIError *err, OCIThreadId *tid1, OCIThreadId *tid2, boolean *result);
sword OCIThreadIdNull(void *hndl, OCIError *err, OCIThreadId *tid, boolean *result);
sword OCIThreadHndInit(void *hndl, OCIError *err, OCIThreadHandle **thnd);
sword OCIThreadHndDestroy(void *hndl, OCIError *err, OCIThreadHandle **thnd);
sword OCIThreadCreate(void *hndl, OCIError *err, void (*start)(void *), void *arg, OCIThreadId *tid,
                      OCIThreadHandle *tHnd);
sword OCIThreadJoin(void *hndl, OCIError *err, OCIThreadHandle *tHnd);
sword OCIThreadClose(void *hndl, OCIError *err, OCIThreadHandle *tHnd);
sword OCIThreadHandleGet(void *hndl, OCIError *err, OCIThreadHandle *tHnd);

/* Files */
sword OCIFileInit(void *hndl, OCIError *err);
sword OCIFileTerm(void *hndl, OCIError *err);
sword OCIFileOpen(void *hndl, OCIError *err, OCIFileObject **filep, OraText *filename, OraText *path, ub4 mode,
                  ub4 create, ub4 type);
sword OCIFileClose(void *hndl, OCIError *err, OCIFileObject *filep);
sword OCIFileRead(void *hndl, OCIError *err, OCIFileObject *filep, void *bufp, ub4 bufl, ub4 *bytesread);
sword OCIFileWrite(void *hndl, OCIError *err, OCIFileObject *filep, void *bufp, ub4 buflen, ub4 *byteswritten);
sword OCIFileSeek(void *hndl, OCIError *err, OCIFileObject *filep, uword origin, ubig_ora offset, sb1 dir);
sword OCIFileExists(void *hndl, OCIError *err, OraText *filename, OraText *path, ub1 *flag);
sword OCIFileGetLength(void *hndl, OCIError *err, OraText *filename, OraText *path, ubig_ora *lenp);
sword OCIFileFlush(void *hndl, OCIError *err, OCIFileObject *filep);

/* Contexts and memory */
sword OCIContextSetValue(void *hdl, OCIError *err, OCIDuration duration, ub1 *key, ub1 keylen, void *ctx_value);
sword OCIContextGetValue(void *hdl, OCIError *err, ub1 *key, ub1 keylen, void **ctx_value);
sword OCIContextClearValue(void *hdl, OCIError *err, ub1 *key, ub1 keylen);
sword OCIContextGenerateKey(void *hdl, OCIError *err, ub4 *key);
sword OCIMemoryAlloc(void *hdl, OCIError *err, void **mem, OCIDuration dur, ub4 size, ub4 flags);
sword OCIMemoryResize(void *hdl, OCIError *err, void **mem, ub4 newsize, ub4 flags);
sword OCIMemoryFree(void *hdl, OCIError *err, void *mem);

/* Formatting and parameter extraction */
sword OCIFormatInit(void *hndl, OCIError *err);
sword OCIFormatString(void *hndl, OCIError *err, OraText *buffer, sbig_ora bufferLength, sbig_ora *returnLength,
                      const OraText *formatString, ...);
sword OCIFormatTerm(void *hndl, OCIError *err);
sword OCIExtractInit(void *hndl, OCIError *err);
sword OCIExtractTerm(void *hndl, OCIError *err);
sword OCIExtractReset(void *hndl, OCIError *err);
sword OCIExtractSetNumKeys(void *hndl, OCIError *err, uword numkeys);
sword OCIExtractSetKey(void *hndl, OCIError *err, const OraText *name, ub1 type, ub4 flag, const void *defval,
                       const sb4 *intrange, const OraText *const *strlist);
sword OCIExtractFromFile(void *hndl, OCIError *err, ub4 flag, OraText *filename);
sword OCIExtractFromStr(void *hndl, OCIError *err, ub4 flag, OraText *input);
sword OCIExtractToInt(void *hndl, OCIError *err, OraText *keyname, uword valno, sb4 *retval);
sword OCIExtractToBool(void *hndl, OCIError *err, OraText *keyname, uword valno, ub1 *retval);
sword OCIExtractToStr(void *hndl, OCIError *err, OraText *keyname, uword valno, OraText *retval, uword buflen);
sword OCIExtractToOCINum(void *hndl, OCIError *err, OraText *keyname, uword valno, OCINumber *retval);
sword OCIExtractToList(void *hndl, OCIError *err, uword *numkeys);
sword OCIExtractFromList(void *hndl, OCIError *err, uword index, OraText **name, ub1 *type, uword *numvals,
                         void ***values);

/* NLS, character sets, multibyte and wide characters */
sword OCINlsGetInfo(void *envhp, OCIError *errhp, OraText *buf, size_t buflen, ub2 item);
sword OCINlsNumericInfoGet(void *envhp, OCIError *errhp, sb4 *val, ub2 item);
/* Answers the library's character-set identifiers 0..40 for the names it knows (UTF8 and
   its aliases: 6), the vendor's numbers for the vendor's names (AL32UTF8: 873), 6 for
   any other name. */
ub2 OCINlsCharSetNameToId(void *envhp, const oratext *name);
/* Takes the library's identifiers 0..40 (6: "UTF8") and the vendor's numbers above 40
   (873: "AL32UTF8"). OCI_ERROR when the name and its terminator do not fit buflen. */
sword OCINlsCharSetIdToName(void *envhp, oratext *buf, size_t buflen, ub2 id);
sword OCINlsNameMap(void *envhp, oratext *buf, size_t buflen, const oratext *srcbuf, ub4 flag);
/* OCI_NLS_CHARSET_ID and OCI_NLS_NCHARSET_ID in the library's identifiers 0..40. */
sword OCINlsEnvironmentVariableGet(void *valp, size_t size, ub2 item, ub2 charset, size_t *rsize);
/* dstid and srcid: library identifiers 0..40 or vendor numbers above 40. */
sword OCINlsCharSetConvert(void *envhp, OCIError *errhp, ub2 dstid, void *dstp, size_t dstlen, ub2 srcid,
                           const void *srcp, size_t srclen, size_t *rsize);
sword OCICharSetToUnicode(void *envhp, ub2 *dst, size_t dstlen, const OraText *src, size_t srclen,
                          size_t *rsize);
sword OCIUnicodeToCharSet(void *envhp, OraText *dst, size_t dstlen, const ub2 *src, size_t srclen,
                          size_t *rsize);
boolean OCICharSetConversionIsReplacementUsed(void *envhp);
sword OCIMultiByteToWideChar(void *envhp, OCIWchar *dst, const OraText *src, size_t *rsize);
sword OCIMultiByteInSizeToWideChar(void *envhp, OCIWchar *dst, size_t dstsz, const OraText *src, size_t srcsz,
                                   size_t *rsize);
sword OCIWideCharToMultiByte(void *envhp, OraText *dst, const OCIWchar *src, size_t *rsize);
sword OCIWideCharInSizeToMultiByte(void *envhp, OraText *dst, size_t dstsz, const OCIWchar *src, size_t srcsz,
                                   size_t *rsize);
boolean OCIWideCharIsAlnum(void *envhp, OCIWchar wc);
boolean OCIWideCharIsAlpha(void *envhp, OCIWchar wc);
boolean OCIWideCharIsCntrl(void *envhp, OCIWchar wc);
boolean OCIWideCharIsDigit(void *envhp, OCIWchar wc);
boolean OCIWideCharIsGraph(void *envhp, OCIWchar wc);
boolean OCIWideCharIsLower(void *envhp, OCIWchar wc);
boolean OCIWideCharIsPrint(void *envhp, OCIWchar wc);
boolean OCIWideCharIsPunct(void *envhp, OCIWchar wc);
boolean OCIWideCharIsSpace(void *envhp, OCIWchar wc);
boolean OCIWideCharIsUpper(void *envhp, OCIWchar wc);
boolean OCIWideCharIsXdigit(void *envhp, OCIWchar wc);
boolean OCIWideCharIsSingleByte(void *envhp, OCIWchar wc);
OCIWchar OCIWideCharToLower(void *envhp, OCIWchar wc);
OCIWchar OCIWideCharToUpper(void *envhp, OCIWchar wc);
int OCIWideCharStrcmp(void *envhp, const OCIWchar *wstr1, const OCIWchar *wstr2, int flag);
int OCIWideCharStrncmp(void *envhp, const OCIWchar *wstr1, size_t len1, const OCIWchar *wstr2, size_t len2,
                       int flag);
size_t OCIWideCharStrcat(void *envhp, OCIWchar *wdststr, const OCIWchar *wsrcstr);
OCIWchar *OCIWideCharStrchr(void *envhp, const OCIWchar *wstr, OCIWchar wc);
size_t OCIWideCharStrcpy(void *envhp, OCIWchar *wdststr, const OCIWchar *wsrcstr);
size_t OCIWideCharStrlen(void *envhp, const OCIWchar *wstr);
size_t OCIWideCharStrncat(void *envhp, OCIWchar *wdststr, const OCIWchar *wsrcstr, size_t n);
size_t OCIWideCharStrncpy(void *envhp, OCIWchar *wdststr, const OCIWchar *wsrcstr, size_t n);
OCIWchar *OCIWideCharStrrchr(void *envhp, const OCIWchar *wstr, OCIWchar wc);
size_t OCIWideCharStrCaseConversion(void *envhp, OCIWchar *wdststr, const OCIWchar *wsrcstr, ub4 flag);
size_t OCIWideCharDisplayLength(void *envhp, OCIWchar wc);
size_t OCIWideCharMultiByteLength(void *envhp, OCIWchar wc);
int OCIMultiByteStrcmp(void *envhp, const OraText *str1, const OraText *str2, int flag);
int OCIMultiByteStrncmp(void *envhp, const OraText *str1, size_t len1, OraText *str2, size_t len2, int flag);
size_t OCIMultiByteStrcat(void *envhp, OraText *dststr, const OraText *srcstr);
size_t OCIMultiByteStrcpy(void *envhp, OraText *dststr, const OraText *srcstr);
size_t OCIMultiByteStrlen(void *envhp, const OraText *str);
size_t OCIMultiByteStrncat(void *envhp, OraText *dststr, const OraText *srcstr, size_t n);
size_t OCIMultiByteStrncpy(void *envhp, OraText *dststr, const OraText *srcstr, size_t n);
size_t OCIMultiByteStrnDisplayLength(void *envhp, const OraText *str1, size_t n);
size_t OCIMultiByteStrCaseConversion(void *envhp, OraText *dststr, const OraText *srcstr, ub4 flag);
sword OCIMessageOpen(void *envhp, OCIError *errhp, OCIMsg **msghp, const OraText *product,
                     const OraText *facility, OCIDuration dur);
OraText *OCIMessageGet(OCIMsg *msgh, ub4 msgno, OraText *msgbuf, size_t buflen);
sword OCIMessageClose(void *envhp, OCIError *errhp, OCIMsg *msghp);

#ifdef __cplusplus
}
#endif

#endif /* OCIAP_ORACLE */
