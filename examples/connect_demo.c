/* Connecting two ways: OCILogon through a tnsnames.ora entry, then the server /
 * service context / session sequence with an easy-connect string.
 * The target comes from VSK_DEMO_HOST (default 127.0.0.1), VSK_DEMO_PORT (default 5432),
 * VSK_DEMO_DB, VSK_DEMO_USER and VSK_DEMO_PASSWORD. */
#define _POSIX_C_SOURCE 200809L /* mkdtemp, setenv, unsetenv */

#include <oci.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static OCIError *errhp;
static char tmpdir[64];
static char tnsfile[128];

/* remove() takes empty directories too, so no <unistd.h> is needed. */
static void remove_tnsnames(void)
{
    if (tnsfile[0]) remove(tnsfile);
    if (tmpdir[0]) remove(tmpdir);
    tnsfile[0] = tmpdir[0] = '\0';
}

/* Warnings are shown and tolerated; anything else ends the program. */
static void check(sword rc, const char *what)
{
    sb4 code = 0;
    text msg[OCI_ERROR_MAXMSG_SIZE];

    if (rc == OCI_SUCCESS) return;
    msg[0] = '\0';
    if (rc == OCI_ERROR || rc == OCI_SUCCESS_WITH_INFO) {
        if (OCIErrorGet(errhp, 1, NULL, &code, msg, sizeof msg, OCI_HTYPE_ERROR) != OCI_SUCCESS)
            strcpy((char *)msg, "(no error record)");
    }
    if (rc == OCI_SUCCESS_WITH_INFO) {
        printf("%s: warning %d: %s\n", what, (int)code, (char *)msg);
        return;
    }
    if (rc == OCI_ERROR)
        fprintf(stderr, "%s failed: error %d: %s\n", what, (int)code, (char *)msg);
    else
        fprintf(stderr, "%s failed: return code %d\n", what, (int)rc);
    exit(1);
}

static const char *env_or(const char *name, const char *fallback)
{
    char *v = getenv(name);
    if (v && *v) return v;
    if (fallback) return fallback;
    fprintf(stderr, "connect_demo: %s is not set (needed: VSK_DEMO_DB, VSK_DEMO_USER, VSK_DEMO_PASSWORD; "
                    "optional: VSK_DEMO_HOST, VSK_DEMO_PORT)\n", name);
    exit(1);
}

static void print_server(OCISvcCtx *svchp)
{
    text buf[512];
    ub4 version = 0;

    check(OCIServerVersion(svchp, errhp, buf, sizeof buf, OCI_HTYPE_SVCCTX), "OCIServerVersion");
    printf("server version: %s\n", (char *)buf);
    check(OCIServerRelease(svchp, errhp, buf, sizeof buf, OCI_HTYPE_SVCCTX, &version), "OCIServerRelease");
    printf("server release: %u.%u.%u\n", (unsigned)(version >> 24), (unsigned)((version >> 20) & 0xF),
           (unsigned)((version >> 12) & 0xFF));
    check(OCIPing(svchp, errhp, OCI_DEFAULT), "OCIPing");
    printf("ping: ok\n");
}

/* The library looks for $HOME/.tnsnames.ora and $USERPROFILE/.tnsnames.ora before
 * $TNS_ADMIN/tnsnames.ora; dropping the first two keeps a user's own file out of the way. */
static void write_tnsnames(const char *host, const char *port, const char *db)
{
    FILE *f;
    const char *base = getenv("TMPDIR");

    if (!base || !*base || strlen(base) > sizeof tmpdir - 20) base = "/tmp";
    snprintf(tmpdir, sizeof tmpdir, "%s/vsk-demo.XXXXXX", base);
    if (!mkdtemp(tmpdir)) {
        tmpdir[0] = '\0';
        perror("connect_demo: mkdtemp");
        exit(1);
    }
    snprintf(tnsfile, sizeof tnsfile, "%s/tnsnames.ora", tmpdir);
    f = fopen(tnsfile, "w");
    if (!f) {
        tnsfile[0] = '\0';
        perror("connect_demo: tnsnames.ora");
        exit(1);
    }
    fprintf(f,
            "DEMO =\n"
            "  (DESCRIPTION =\n"
            "    (ADDRESS = (PROTOCOL = TCP)(HOST = %s)(PORT = %s))\n"
            "    (CONNECT_DATA = (SID = %s)))\n",
            host, port, db);
    if (fclose(f) != 0) {
        perror("connect_demo: tnsnames.ora");
        exit(1);
    }
    if (setenv("TNS_ADMIN", tmpdir, 1) != 0 || unsetenv("HOME") != 0 || unsetenv("USERPROFILE") != 0) {
        perror("connect_demo: setenv");
        exit(1);
    }
}

int main(void)
{
    OCIEnv *envhp = NULL;
    OCISvcCtx *svchp = NULL;
    OCIServer *srvhp = NULL;
    OCISession *seshp = NULL;
    const char *host = env_or("VSK_DEMO_HOST", "127.0.0.1");
    const char *port = env_or("VSK_DEMO_PORT", "5432");
    const char *db = env_or("VSK_DEMO_DB", NULL);
    const char *user = env_or("VSK_DEMO_USER", NULL);
    const char *pw = env_or("VSK_DEMO_PASSWORD", NULL);
    const char *module = "connect_demo";
    char dblink[256];
    sword rc;

    rc = OCIEnvCreate(&envhp, OCI_DEFAULT, NULL, NULL, NULL, NULL, 0, NULL);
    if (rc != OCI_SUCCESS) {
        fprintf(stderr, "OCIEnvCreate failed: %d\n", (int)rc);
        return 1;
    }
    if (OCIHandleAlloc(envhp, (void **)&errhp, OCI_HTYPE_ERROR, 0, NULL) != OCI_SUCCESS) {
        fprintf(stderr, "OCIHandleAlloc(OCI_HTYPE_ERROR) failed\n");
        return 1;
    }

    /* 1. OCILogon with a net service name resolved through tnsnames.ora. */
    atexit(remove_tnsnames);
    write_tnsnames(host, port, db);
    check(OCILogon(envhp, errhp, &svchp, (const OraText *)user, (ub4)strlen(user), (const OraText *)pw,
                   (ub4)strlen(pw), (const OraText *)"DEMO", 4),
          "OCILogon");
    printf("connected through tnsnames entry DEMO\n");
    print_server(svchp);
    check(OCILogoff(svchp, errhp), "OCILogoff");
    printf("logged off\n");
    svchp = NULL;
    remove_tnsnames();

    /* 2. The explicit sequence, with an easy-connect string instead of a service name. */
    if (snprintf(dblink, sizeof dblink, "%s:%s/%s", host, port, db) >= (int)sizeof dblink) {
        fprintf(stderr, "connect_demo: connect string too long\n");
        return 1;
    }
    check(OCIHandleAlloc(envhp, (void **)&srvhp, OCI_HTYPE_SERVER, 0, NULL), "OCIHandleAlloc(SERVER)");
    check(OCIHandleAlloc(envhp, (void **)&svchp, OCI_HTYPE_SVCCTX, 0, NULL), "OCIHandleAlloc(SVCCTX)");
    check(OCIHandleAlloc(envhp, (void **)&seshp, OCI_HTYPE_SESSION, 0, NULL), "OCIHandleAlloc(SESSION)");
    check(OCIServerAttach(srvhp, errhp, (const OraText *)dblink, (sb4)strlen(dblink), OCI_DEFAULT),
          "OCIServerAttach");
    printf("attached to %s\n", dblink);
    check(OCIAttrSet(svchp, OCI_HTYPE_SVCCTX, srvhp, 0, OCI_ATTR_SERVER, errhp), "OCIAttrSet(SERVER)");
    check(OCIAttrSet(seshp, OCI_HTYPE_SESSION, (void *)user, (ub4)strlen(user), OCI_ATTR_USERNAME, errhp),
          "OCIAttrSet(USERNAME)");
    check(OCIAttrSet(seshp, OCI_HTYPE_SESSION, (void *)pw, (ub4)strlen(pw), OCI_ATTR_PASSWORD, errhp),
          "OCIAttrSet(PASSWORD)");
    check(OCIAttrSet(seshp, OCI_HTYPE_SESSION, (void *)module, (ub4)strlen(module), OCI_ATTR_MODULE, errhp),
          "OCIAttrSet(MODULE)");
    check(OCISessionBegin(svchp, errhp, seshp, OCI_CRED_RDBMS, OCI_DEFAULT), "OCISessionBegin");
    check(OCIAttrSet(svchp, OCI_HTYPE_SVCCTX, seshp, 0, OCI_ATTR_SESSION, errhp), "OCIAttrSet(SESSION)");
    printf("session begun as %s\n", user);
    print_server(svchp);
    check(OCISessionEnd(svchp, errhp, seshp, OCI_DEFAULT), "OCISessionEnd");
    check(OCIServerDetach(srvhp, errhp, OCI_DEFAULT), "OCIServerDetach");
    printf("session ended, server detached\n");

    OCIHandleFree(seshp, OCI_HTYPE_SESSION);
    OCIHandleFree(svchp, OCI_HTYPE_SVCCTX);
    OCIHandleFree(srvhp, OCI_HTYPE_SERVER);
    OCIHandleFree(errhp, OCI_HTYPE_ERROR);
    OCIHandleFree(envhp, OCI_HTYPE_ENV);
    printf("demo: ok\n");
    return 0;
}
