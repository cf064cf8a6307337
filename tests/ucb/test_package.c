/* A user-callback package: its init entry registers an entry callback for OCIHandleAlloc and
 * leaves a mark in the process environment, so the test sees it was loaded. */
#include <oci.h>

#include <stdlib.h>

#define JOIN2(a, b) a##b
#define JOIN(a, b) JOIN2(a, b)
#define STR2(a) #a
#define STR(a) STR2(a)

static sword count_alloc(void *ctxp, void *hndlp, ub4 type, ub4 fcode, ub4 when, sword returnCode, sb4 *errnop,
                         va_list arglist)
{
    (void)ctxp, (void)hndlp, (void)type, (void)fcode, (void)when, (void)errnop, (void)arglist;
    return returnCode == OCI_SUCCESS ? OCI_CONTINUE : returnCode;
}

#ifndef VSK_NO_INIT
sword JOIN(VSK_PACKAGE, Init)(OCIEnv *env, ub4 mode, size_t xtramem_sz, void *usrmemp, OCIUcb *ucbDesc);

sword JOIN(VSK_PACKAGE, Init)(OCIEnv *env, ub4 mode, size_t xtramem_sz, void *usrmemp, OCIUcb *ucbDesc)
{
    (void)mode, (void)xtramem_sz, (void)usrmemp;
    setenv("VSK_LOADED_" STR(VSK_PACKAGE), "1", 1);
    return OCIUserCallbackRegister(env, OCI_HTYPE_ENV, NULL, count_alloc, NULL, OCI_FNCODE_HANDLEALLOC,
                                   OCI_UCBTYPE_ENTRY, ucbDesc);
}
#else
int vsk_package_without_init(void);
int vsk_package_without_init(void) { return count_alloc(NULL, NULL, 0, 0, 0, 0, NULL, NULL); }
#endif
