// OCIPasswordChange: ALTER ROLE on the session's connection.
#include <string>

#include "connect/records.h"
#include "connect/server_connection.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "nls/env_text.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"

using namespace vsk;

namespace {

constexpr ub4 kErrInvalidLogon = 1017;
constexpr ub4 kErrConnectionTerminated = 25407;

// "ALTER ROLE %s WITH PASSWORD '%s';" with the role quoted as an identifier and the
// password already encrypted for the role: no caller text is read as SQL, and the clear
// text reaches neither the server nor its logs.
bool alter_role_command(PGconn *conn, const std::string &role, const std::string &password, std::string *command) {
    const std::string ident = pqx::quote_identifier(conn, role);
    const std::string hashed = pqx::encrypted_password(conn, role, password);
    if (ident.empty() || hashed.empty()) return false;
    *command = "ALTER ROLE " + ident + " WITH PASSWORD '" + hashed + "';";
    return true;
}

sword change_password(OCISvcCtx *svc, OCIError *errhp, OCIEnv *env, const OraText *user_name, ub4 usernm_len,
                      const OraText *npasswd, ub4 npasswd_len, ub4 mode) noexcept {
    OCIServer *server = svc->server;
    OCISession *session = svc->session;
    if (!is_kind(server, HANDLE_OCIServer) || !is_kind(session, HANDLE_OCISession)) return OCI_INVALID_HANDLE;
    if (!connection_ok(server)) {
        if (mode != OCI_AUTH) {
            add_connection_error(errhp, kErrConnectionTerminated, server->conn);
            return OCI_ERROR;
        }
        if (sword rc = OCISessionBegin(svc, errhp, session, OCI_CRED_RDBMS, OCI_DEFAULT)) return rc;
    }
    try {
        std::string user, password;
        if (!text_to_utf8(env, errhp, user_name, user_name ? usernm_len : 0, &user) ||
            !text_to_utf8(env, errhp, npasswd, npasswd ? npasswd_len : 0, &password))
            return OCI_ERROR;
        // Both go to libpq as C strings: a NUL would name another role or set a shorter password.
        if (user.find('\0') != std::string::npos || password.find('\0') != std::string::npos) {
            AddErrorRecord(errhp, OCI_ERROR, kErrInvalidLogon);
            return OCI_ERROR;
        }
        std::string command;
        if (!alter_role_command(server->conn, user, password, &command)) {
            add_connection_error(errhp, kErrConnectionTerminated, server->conn);
            return OCI_ERROR;
        }
        PGresult *r = pqx::exec(server->conn, errhp, command.c_str());
        bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        if (!ok) AddPGErrorRecord(errhp, OCI_ERROR, r);
        PQclear(r);
        if (!ok) return OCI_ERROR;
        if (user == session->username) session->password = password;
        return OCI_SUCCESS;
    } catch (...) {
        return OCI_ERROR;
    }
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIPasswordChange(OCISvcCtx *svchp, OCIError *errhp, const OraText *user_name, ub4 usernm_len,
                                   const OraText *opasswd, ub4 opasswd_len, const OraText *npasswd, ub4 npasswd_len,
                                   ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    if (mode != OCI_DEFAULT && mode != OCI_AUTH) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    auto work = [&] { return change_password(svchp, errhp, env, user_name, usernm_len, npasswd, npasswd_len, mode); };
    return run_in_frame(env, OCI_FNCODE_PASSWORDCHANGE, work, svchp, errhp, user_name, usernm_len, opasswd,
                        opasswd_len, npasswd, npasswd_len, mode);
}

}  // extern "C"
