/* Statements from end to end: create a table, insert rows with bound variables, query
 * them back in batches into defined arrays, call a procedure whose OUT arguments come
 * back into their binds, and clean up.
 * The server comes from VSK_DEMO_HOST (default 127.0.0.1), VSK_DEMO_PORT (default 5432),
 * VSK_DEMO_DB, VSK_DEMO_USER and VSK_DEMO_PASSWORD. */
#include <oci.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define BATCH 4

static OCIError *errhp;

/* Warnings are shown and tolerated; anything else ends the program. */
static void check(sword rc, const char *what)
{
    sb4 code = 0;
    text msg[OCI_ERROR_MAXMSG_SIZE];

    if (rc == OCI_SUCCESS || rc == OCI_NO_DATA) return;
    msg[0] = '\0';
    if (OCIErrorGet(errhp, 1, NULL, &code, msg, sizeof msg, OCI_HTYPE_ERROR) != OCI_SUCCESS)
        strcpy((char *)msg, "(no error record)");
    if (rc == OCI_SUCCESS_WITH_INFO) {
        printf("%s: warning %d: %s\n", what, (int)code, (char *)msg);
        return;
    }
    fprintf(stderr, "%s failed (%d): error %d: %s\n", what, (int)rc, (int)code, (char *)msg);
    exit(1);
}

static const char *env_or(const char *name, const char *fallback)
{
    char *v = getenv(name);
    if (v && *v) return v;
    if (fallback) return fallback;
    fprintf(stderr, "statement_demo: %s is not set\n", name);
    exit(1);
}

static void run(OCISvcCtx *svchp, OCIStmt *stmtp, const char *sql, ub4 mode)
{
    check(OCIStmtPrepare(stmtp, errhp, (const OraText *)sql, (ub4)strlen(sql), OCI_NTV_SYNTAX, OCI_DEFAULT), sql);
    check(OCIStmtExecute(svchp, stmtp, errhp, 1, 0, NULL, NULL, mode), sql);
    printf("ran: %s\n", sql);
}

int main(void)
{
    OCIEnv *envhp = NULL;
    OCISvcCtx *svchp = NULL;
    OCIStmt *stmtp = NULL;
    OCIBind *bnd = NULL;
    OCIDefine *def = NULL;
    char dblink[256];
    const char *user = env_or("VSK_DEMO_USER", NULL), *password = env_or("VSK_DEMO_PASSWORD", NULL);
    static const char *const fruits[] = {"apple", "banana", "cherry", "damson", "elder", "fig", "grape"};
    char id[12], name[32], ids[BATCH][12], names[BATCH][32], who[32], greeting[64], count[12];
    sb2 name_ind[BATCH];
    ub4 i, fetched = 0, total = 0;
    sword rc;

    snprintf(dblink, sizeof dblink, "%s:%s/%s", env_or("VSK_DEMO_HOST", "127.0.0.1"),
             env_or("VSK_DEMO_PORT", "5432"), env_or("VSK_DEMO_DB", NULL));
    check(OCIEnvCreate(&envhp, OCI_DEFAULT, NULL, NULL, NULL, NULL, 0, NULL), "OCIEnvCreate");
    check(OCIHandleAlloc(envhp, (void **)&errhp, OCI_HTYPE_ERROR, 0, NULL), "OCIHandleAlloc(error)");
    check(OCILogon(envhp, errhp, &svchp, (const OraText *)user, (ub4)strlen(user), (const OraText *)password,
                   (ub4)strlen(password), (const OraText *)dblink, (ub4)strlen(dblink)),
          "OCILogon");
    check(OCIHandleAlloc(envhp, (void **)&stmtp, OCI_HTYPE_STMT, 0, NULL), "OCIHandleAlloc(statement)");

    run(svchp, stmtp, "CREATE TABLE demo_fruit (id varchar(10) PRIMARY KEY, name varchar(30))", OCI_DEFAULT);

    /* One prepared INSERT, executed once per row with new values in the bound buffers. */
    check(OCIStmtPrepare(stmtp, errhp, (const OraText *)"INSERT INTO demo_fruit VALUES (:id, :name)", 42,
                         OCI_NTV_SYNTAX, OCI_DEFAULT),
          "prepare insert");
    check(OCIBindByName(stmtp, &bnd, errhp, (const OraText *)":id", 3, id, sizeof id, SQLT_STR, NULL, NULL, NULL, 0,
                        NULL, OCI_DEFAULT),
          "bind :id");
    check(OCIBindByName(stmtp, &bnd, errhp, (const OraText *)":name", 5, name, sizeof name, SQLT_STR, NULL, NULL, NULL,
                        0, NULL, OCI_DEFAULT),
          "bind :name");
    for (i = 0; i < sizeof fruits / sizeof fruits[0]; ++i) {
        snprintf(id, sizeof id, "%u", (unsigned)(i + 1));
        snprintf(name, sizeof name, "%s", fruits[i]);
        check(OCIStmtExecute(svchp, stmtp, errhp, 1, 0, NULL, NULL, OCI_COMMIT_ON_SUCCESS), "insert");
    }
    printf("inserted %u rows with bound variables\n", (unsigned)i);

    /* The rows back, BATCH at a time, into arrays defined once. */
    check(OCIStmtPrepare(stmtp, errhp, (const OraText *)"SELECT id, name FROM demo_fruit ORDER BY name", 45,
                         OCI_NTV_SYNTAX, OCI_DEFAULT),
          "prepare query");
    check(OCIDefineByPos(stmtp, &def, errhp, 1, ids, sizeof ids[0], SQLT_STR, NULL, NULL, NULL, OCI_DEFAULT),
          "define id");
    check(OCIDefineByPos(stmtp, &def, errhp, 2, names, sizeof names[0], SQLT_STR, name_ind, NULL, NULL, OCI_DEFAULT),
          "define name");
    check(OCIStmtExecute(svchp, stmtp, errhp, 0, 0, NULL, NULL, OCI_DEFAULT), "execute query");
    do {
        rc = OCIStmtFetch2(stmtp, errhp, BATCH, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
        check(rc, "fetch");
        check(OCIAttrGet(stmtp, OCI_HTYPE_STMT, &fetched, NULL, OCI_ATTR_ROWS_FETCHED, errhp), "rows fetched");
        if (fetched) printf("batch of %u:", (unsigned)fetched);
        for (i = 0; i < fetched; ++i) printf(" %s=%s", ids[i], name_ind[i] == -1 ? "NULL" : names[i]);
        if (fetched) printf("\n");
        total += fetched;
    } while (rc != OCI_NO_DATA);
    printf("fetched %u rows\n", (unsigned)total);

    /* A procedure with an IN and two IN OUT arguments, called as a PL/SQL block. */
    run(svchp, stmtp,
        "CREATE PROCEDURE demo_greet(who varchar, INOUT greeting varchar, INOUT fruit_count varchar) "
        "LANGUAGE plpgsql AS $$ BEGIN greeting := 'hello, ' || who; "
        "SELECT count(*) INTO fruit_count FROM demo_fruit; END $$",
        OCI_DEFAULT);
    check(OCIStmtPrepare(stmtp, errhp, (const OraText *)"BEGIN demo_greet(:who, :greeting, :n); END;", 43,
                         OCI_NTV_SYNTAX, OCI_DEFAULT),
          "prepare call");
    snprintf(who, sizeof who, "%s", "OCI program");
    greeting[0] = count[0] = '\0';
    check(OCIBindByName(stmtp, &bnd, errhp, (const OraText *)":who", 4, who, sizeof who, SQLT_STR, NULL, NULL, NULL,
                        0, NULL, OCI_DEFAULT),
          "bind :who");
    check(OCIBindByName(stmtp, &bnd, errhp, (const OraText *)":greeting", 9, greeting, sizeof greeting, SQLT_STR,
                        NULL, NULL, NULL, 0, NULL, OCI_DEFAULT),
          "bind :greeting");
    check(OCIBindByName(stmtp, &bnd, errhp, (const OraText *)":n", 2, count, sizeof count, SQLT_STR, NULL, NULL, NULL,
                        0, NULL, OCI_DEFAULT),
          "bind :n");
    check(OCIStmtExecute(svchp, stmtp, errhp, 1, 0, NULL, NULL, OCI_DEFAULT), "call");
    printf("procedure returned greeting '%s' and count %s\n", greeting, count);

    run(svchp, stmtp, "DROP PROCEDURE demo_greet", OCI_DEFAULT);
    run(svchp, stmtp, "DROP TABLE demo_fruit", OCI_DEFAULT);

    check(OCILogoff(svchp, errhp), "OCILogoff");
    OCIHandleFree(envhp, OCI_HTYPE_ENV);
    return 0;
}
