// OCIServerAttach, OCIServerDetach: resolving a connect string into where to connect.
// The connection itself is opened by OCISessionBegin.
#include "connect/records.h"
#include "connect/tnsnames_lookup.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "nls/env_text.h"

using namespace vsk;

namespace {

constexpr ub4 kErrAlreadyAttached = 24309;
constexpr ub4 kErrNotAttached = 24324;
constexpr ub4 kErrNoMemory = 16506;

void clear_target(OCIServer *server) noexcept {
    server->dblink.clear();
    server->dblinkLength = 0;
    server->host.reset();
    server->port.reset();
    server->dbname.reset();
    server->uri.reset();
    server->uriMode = 0;
}

// Fills host, port, dbname and uri of server from dblink; false with a record on errhp.
bool resolve(OCIServer *server, OCIError *errhp, OCIEnv *env, const OraText *dblink, sb4 dblink_len) noexcept {
    try {
        if (dblink_len < 1 || !dblink) return true;
        std::string text;
        if (!text_to_utf8(env, errhp, dblink, static_cast<std::size_t>(dblink_len), &text)) return false;
        server->dblink = text;
        server->dblinkLength = static_cast<ub4>(text.size());

        ConnectTarget target;
        if (!parse_connect_str(server->dblink.c_str(), server->dblinkLength, &target)) {
            if (ub4 number = lookup_net_service_name(server->dblink.c_str(), &target)) {
                AddErrorRecord(errhp, OCI_ERROR, number);
                return false;
            }
        }
        server->host = std::move(target.host);
        server->port = std::move(target.port);
        server->dbname = std::move(target.dbname);
        server->uri = std::move(target.uri);
        server->uriMode = target.uriMode;
        return true;
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
        return false;
    }
}

void apply_defaults(OCIServer *server) {
    if (!server->host) server->host = "localhost";
    if (!server->port) server->port = "5444";
    if (!server->dbname) server->dbname = "vsk";
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIServerAttach(OCIServer *srvhp, OCIError *errhp, const OraText *dblink, sb4 dblink_len,
                                 ub4 mode) {
    if (!is_kind(srvhp, HANDLE_OCIServer) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (srvhp->attached) {
        AddErrorRecord(errhp, OCI_ERROR, kErrAlreadyAttached);
        return OCI_ERROR;
    }
    auto *env = static_cast<OCIEnv *>(srvhp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;

    auto work = [&]() -> sword {
        clear_target(srvhp);
        if (!resolve(srvhp, errhp, env, dblink, dblink_len)) {
            clear_target(srvhp);
            return OCI_ERROR;
        }
        // A URI is handed to libpq whole: no defaults.
        if (!srvhp->uri) {
            try {
                apply_defaults(srvhp);
            } catch (...) {
                clear_target(srvhp);
                AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
                return OCI_ERROR;
            }
        }
        srvhp->attached = 1;
        return OCI_SUCCESS;
    };
    return run_in_frame(env, OCI_FNCODE_SERVERATTACH, work, srvhp, errhp, dblink, dblink_len, mode);
}

VSK_EXPORT sword OCIServerDetach(OCIServer *srvhp, OCIError *errhp, ub4 mode) {
    if (!is_kind(srvhp, HANDLE_OCIServer) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(srvhp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    CallFrame frame(env, OCI_FNCODE_SERVERDETACH);
    frame.replace(srvhp, errhp, mode);
    _ClearErrorHandle(errhp);
    if (!srvhp->attached) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNotAttached);
        return OCI_ERROR;
    }
    clear_target(srvhp);
    srvhp->attached = 0;
    return OCI_SUCCESS;
}

}  // extern "C"
