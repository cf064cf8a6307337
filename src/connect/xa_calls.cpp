// xaoEnv, xaoSvcCtx: the environment and the logged-on service context an XA transaction
// manager's open string stands for. Each call builds its own, in a new environment.
#include <oci.h>

#include <string>

#include "connect/xa_open_string.h"
#include "env/export.h"
#include "env/trace.h"

using namespace vsk;

namespace {

const char *shown(const std::string &s) { return s.empty() ? "(null)" : s.c_str(); }

void trace_line(const char *text) { ocitrace(TRACE_CONNECT, "xaoSvcCtx", "%s", text); }

// The handles xaoSvcCtx makes, undone in reverse on failure.
struct XaBuild {
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    OCISvcCtx *svc = nullptr;
    OCISession *session = nullptr;
    OCIServer *server = nullptr;
    bool attached = false;
    bool begun = false;

    OCISvcCtx *fail(const char *line) {
        trace_line(line);
        if (begun) OCISessionEnd(svc, err, session, OCI_DEFAULT);
        if (attached) OCIServerDetach(server, err, OCI_DEFAULT);
        if (session) OCIHandleFree(session, OCI_HTYPE_SESSION);
        if (server) OCIHandleFree(server, OCI_HTYPE_SERVER);
        if (svc) OCIHandleFree(svc, OCI_HTYPE_SVCCTX);
        if (err) OCIHandleFree(err, OCI_HTYPE_ERROR);
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
        OCITerminate(OCI_DEFAULT);
        return nullptr;
    }
};

sword set_text(OCISession *session, const std::string &value, ub4 attr, OCIError *err) {
    return OCIAttrSet(session, OCI_HTYPE_SESSION, const_cast<char *>(value.c_str()), static_cast<ub4>(value.size()),
                      attr, err);
}

OCISvcCtx *build(const XaOpenString &open) {
    XaBuild b;
    auto alloc = [&](void **h, ub4 type) {
        return OCIHandleAlloc(b.env, h, type, 0, nullptr) == OCI_SUCCESS;
    };
    if (OCIEnvCreate(&b.env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) {
        b.env = nullptr;
        return b.fail("OCIEnvCreate() failed\n");
    }
    if (!alloc(reinterpret_cast<void **>(&b.err), OCI_HTYPE_ERROR))
        return b.fail("OCIHandleAlloc(OCI_HTYPE_ERROR) failed\n");
    if (!alloc(reinterpret_cast<void **>(&b.svc), OCI_HTYPE_SVCCTX))
        return b.fail("OCIHandleAlloc(OCI_HTYPE_SVCCTX) failed\n");
    if (!alloc(reinterpret_cast<void **>(&b.session), OCI_HTYPE_SESSION))
        return b.fail("OCIHandleAlloc(OCI_HTYPE_SESSION) failed\n");
    if (!alloc(reinterpret_cast<void **>(&b.server), OCI_HTYPE_SERVER))
        return b.fail("OCIHandleAlloc(OCI_HTYPE_SERVER) failed\n");

    const std::string uri = open.connect_string();
    ocitrace(TRACE_CONNECT, "xaoSvcCtx", "db_uri [%s]\n", uri.c_str());
    if (OCIServerAttach(b.server, b.err, reinterpret_cast<const OraText *>(uri.c_str()), static_cast<sb4>(uri.size()),
                        OCI_DEFAULT) != OCI_SUCCESS)
        return b.fail("OCIServerAttach() failed\n");
    b.attached = true;

    if (OCIAttrSet(b.svc, OCI_HTYPE_SVCCTX, b.server, 0, OCI_ATTR_SERVER, b.err) != OCI_SUCCESS)
        return b.fail("OCIAttrSet(OCI_ATTR_SERVER) failed\n");
    if (set_text(b.session, open.user, OCI_ATTR_USERNAME, b.err) != OCI_SUCCESS)
        return b.fail("OCIAttrSet(OCI_ATTR_USERNAME) failed\n");
    if (set_text(b.session, open.password, OCI_ATTR_PASSWORD, b.err) != OCI_SUCCESS)
        return b.fail("OCIAttrSet(OCI_ATTR_PASSWORD) failed\n");
    if (set_text(b.session, open.appname, OCI_ATTR_MODULE, b.err) != OCI_SUCCESS)
        return b.fail("OCIAttrSet(OCI_ATTR_MODULE) failed\n");

    const sword begun = OCISessionBegin(b.svc, b.err, b.session, OCI_CRED_RDBMS, OCI_DEFAULT);
    if (begun != OCI_SUCCESS && begun != OCI_SUCCESS_WITH_INFO) return b.fail("OCISessionBegin() failed\n");
    b.begun = true;
    if (OCIAttrSet(b.svc, OCI_HTYPE_SVCCTX, b.session, 0, OCI_ATTR_SESSION, b.err) != OCI_SUCCESS)
        return b.fail("OCIAttrSet(OCI_ATTR_SESSION) failed\n");

    trace_line("xaoSvcCtx() complete\n");
    return b.svc;
}

}  // namespace

extern "C" {

VSK_EXPORT OCIEnv *xaoEnv(OraText *dbname) {
    (void)dbname;
    OCIEnv *env = nullptr;
    if (OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr) != OCI_SUCCESS) return nullptr;
    return env;
}

VSK_EXPORT OCISvcCtx *xaoSvcCtx(OraText *dbname) {
    trace_line("xaoSvcCtx() started\n");
    try {
        XaOpenString open;
        if (!parse_xa_open_string(reinterpret_cast<const char *>(dbname), &open)) {
            trace_line("xa_parse_connection_str() failed\n");
            return nullptr;
        }
        ocitrace(TRACE_CONNECT, "xaoSvcCtx", "host[%s] port[%s] db[%s] user[%s] app[%s]\n", shown(open.host),
                 shown(open.port), shown(open.sqlnet), shown(open.user), shown(open.appname));
        return build(open);
    } catch (...) {
        return nullptr;
    }
}

}  // extern "C"
