/* A first OCI program: create an environment, print the client version, provoke an
 * error and read its record back. */
#include <oci.h>
#include <stdio.h>

int main(void)
{
    OCIEnv *envhp = NULL;
    OCIError *errhp = NULL;
    void *handle = NULL;
    sword major, minor, update, patch, port;
    sb4 errcode = 0;
    text msg[OCI_ERROR_MAXMSG_SIZE];
    sword rc;

    rc = OCIEnvCreate(&envhp, OCI_DEFAULT, NULL, NULL, NULL, NULL, 0, NULL);
    if (rc != OCI_SUCCESS) {
        fprintf(stderr, "OCIEnvCreate failed: %d\n", (int)rc);
        return 1;
    }
    OCIClientVersion(&major, &minor, &update, &patch, &port);
    printf("client version %d.%d.%d.%d.%d\n", (int)major, (int)minor, (int)update, (int)patch, (int)port);

    if (OCIHandleAlloc(envhp, (void **)&errhp, OCI_HTYPE_ERROR, 0, NULL) != OCI_SUCCESS) {
        fprintf(stderr, "OCIHandleAlloc(OCI_HTYPE_ERROR) failed\n");
        return 1;
    }

    /* User memory requested without a place to return it: the call fails and the
     * environment's own error handle holds the reason. */
    rc = OCIHandleAlloc(envhp, &handle, OCI_HTYPE_STMT, 64, NULL);
    printf("OCIHandleAlloc with user memory but no out-pointer returned %d\n", (int)rc);
    if (OCIErrorGet(envhp, 1, NULL, &errcode, msg, sizeof msg, OCI_HTYPE_ENV) == OCI_SUCCESS)
        printf("error %d: %s\n", (int)errcode, (char *)msg);

    OCIHandleFree(errhp, OCI_HTYPE_ERROR);
    OCIHandleFree(envhp, OCI_HTYPE_ENV);
    return 0;
}
