#include <cstring>
#include <string>

#include "connect/session.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/pg_error.h"

namespace vsk {

namespace {

// Date defines read minutes after a separator.
const char *define_safe_format(const char *format) noexcept {
    if (std::strcmp(format, "DDMONYY HH24MI") == 0) return "DDMONYY HH24:MI";
    if (std::strcmp(format, "DDMONYYYY HH24MI") == 0) return "DDMONYYYY HH24:MI";
    return format;
}

}  // namespace

int set_nls_format(OCIError *errhp, PGconn *conn, bool dateDefine, const char *format) noexcept {
    if (!format) return 1;
    if (dateDefine) format = define_safe_format(format);
    try {
        // The format is caller text: quotes are doubled so it stays one literal.
        std::string command = "ALTER SESSION SET NLS_DATE_FORMAT = '";
        for (const char *p = format; *p; ++p) {
            if (*p == '\'') command += '\'';
            command += *p;
        }
        command += '\'';
        PGresult *r = pqx::exec(conn, errhp, command.c_str());
        bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        if (!ok) {
            if (is_kind(errhp, HANDLE_OCIError)) _ClearErrorHandle(errhp);
            AddPGErrorRecord(errhp, OCI_ERROR, r);
            ocitrace(TRACE_CONNECT, "set_nls_format", "PQexec(set datestyle) failed\n");
        }
        PQclear(r);
        return ok ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace vsk
