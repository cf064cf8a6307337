/* Written the way OCI applications are: only <oci.h>, handles, value structs, macros and calls. */
#include <oci.h>

#include <stddef.h>

static sb4 in_bind(void *ictxp, OCIBind *bindp, ub4 iter, ub4 index, void **bufpp, ub4 *alenp, ub1 *piecep,
                   void **indp)
{
    (void)ictxp, (void)bindp, (void)iter, (void)index, (void)bufpp, (void)alenp, (void)piecep, (void)indp;
    return OCI_CONTINUE;
}

static sword user_cb(void *ctxp, void *hndlp, ub4 type, ub4 fcode, ub4 when, sword returnCode, sb4 *errnop,
                     va_list arglist)
{
    (void)ctxp, (void)hndlp, (void)type, (void)fcode, (void)when, (void)errnop, (void)arglist;
    return returnCode;
}

int oci_program(void);

int oci_program(void)
{
    OCIEnv *envhp = NULL;
    OCIError *errhp = NULL;
    OCIServer *srvhp = NULL;
    OCISvcCtx *svchp = NULL;
    OCISession *usrhp = NULL;
    OCIStmt *stmthp = NULL;
    OCIBind *bndp = NULL;
    OCIDefine *defnp = NULL;
    OCILobLocator *lob = NULL;
    OCIDateTime *ts = NULL;
    OCINumber num;
    OCIDate date;
    sword ival = 0;
    sb2 ind = OCI_IND_NOTNULL;
    ub2 rlen = 0;
    text errbuf[OCI_ERROR_MAXMSG_SIZE];
    sb4 errcode = 0;
    ub4 stmt_type = 0;
    const char *sql = "select 1 from dual where :x = 1";

    if (OCIEnvCreate(&envhp, OCI_THREADED | OCI_OBJECT, NULL, NULL, NULL, NULL, 0, NULL) != OCI_SUCCESS)
        return 1;
    OCIHandleAlloc((void *)envhp, (void **)&errhp, OCI_HTYPE_ERROR, 0, NULL);
    OCIHandleAlloc((void *)envhp, (void **)&srvhp, OCI_HTYPE_SERVER, 0, NULL);
    OCIHandleAlloc((void *)envhp, (void **)&svchp, OCI_HTYPE_SVCCTX, 0, NULL);
    OCIServerAttach(srvhp, errhp, (const OraText *)"db", 2, OCI_DEFAULT);
    OCIAttrSet((void *)svchp, OCI_HTYPE_SVCCTX, (void *)srvhp, 0, OCI_ATTR_SERVER, errhp);
    OCIHandleAlloc((void *)envhp, (void **)&usrhp, OCI_HTYPE_SESSION, 0, NULL);
    OCIAttrSet((void *)usrhp, OCI_HTYPE_SESSION, (void *)"scott", 5, OCI_ATTR_USERNAME, errhp);
    OCISessionBegin(svchp, errhp, usrhp, OCI_CRED_RDBMS, OCI_DEFAULT);
    OCIHandleAlloc((void *)envhp, (void **)&stmthp, OCI_HTYPE_STMT, 0, NULL);
    OCIStmtPrepare(stmthp, errhp, (const OraText *)sql, 30, OCI_NTV_SYNTAX, OCI_DEFAULT);
    OCIAttrGet((void *)stmthp, OCI_HTYPE_STMT, &stmt_type, NULL, OCI_ATTR_STMT_TYPE, errhp);
    OCIBindByName(stmthp, &bndp, errhp, (const OraText *)":x", -1, &ival, sizeof ival, SQLT_INT, &ind, NULL, NULL,
                  0, NULL, OCI_DEFAULT);
    OCIBindDynamic(bndp, errhp, NULL, in_bind, NULL, NULL);
    OCIDefineByPos(stmthp, &defnp, errhp, 1, &num, sizeof num, SQLT_VNU, &ind, &rlen, NULL, OCI_DEFAULT);
    OCIStmtExecute(svchp, stmthp, errhp, 0, 0, NULL, NULL, OCI_COMMIT_ON_SUCCESS);
    OCIStmtFetch2(stmthp, errhp, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
    OCINumberToInt(errhp, &num, sizeof ival, OCI_NUMBER_SIGNED, &ival);
    OCIDateSysDate(errhp, &date);
    OCIDateSetTime(&date, 12, 30, 0);
    OCIDescriptorAlloc((void *)envhp, (void **)&lob, OCI_DTYPE_LOB, 0, NULL);
    OCIDescriptorAlloc((void *)envhp, (void **)&ts, OCI_DTYPE_TIMESTAMP, 0, NULL);
    OCIUserCallbackRegister(envhp, OCI_HTYPE_ENV, errhp, user_cb, NULL, OCI_FNCODE_STMTEXECUTE, OCI_UCBTYPE_ENTRY,
                            NULL);
    if (OCIErrorGet((void *)errhp, 1, NULL, &errcode, errbuf, sizeof errbuf, OCI_HTYPE_ERROR) == OCI_SUCCESS &&
        errcode != 0)
        ival = (sword)errcode;
    OCITransCommit(svchp, errhp, OCI_DEFAULT);
    OCISessionEnd(svchp, errhp, usrhp, OCI_DEFAULT);
    OCIServerDetach(srvhp, errhp, OCI_DEFAULT);
    OCIDescriptorFree(ts, OCI_DTYPE_TIMESTAMP);
    OCIDescriptorFree(lob, OCI_DTYPE_LOB);
    OCIHandleFree(envhp, OCI_HTYPE_ENV);
    return (int)ival + (int)sizeof(XID) + (int)sizeof(OCIDate);
}
