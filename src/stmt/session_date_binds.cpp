#include "stmt/session_date_binds.h"

#include <cstdlib>
#include <cstring>

#include "connect/records.h"
#include "pqx/command.h"
#include "stmt/define_fill.h"
#include "stmt/records.h"
#include "types/session_dates.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

bool date_parameter(const OCIStmt *stmt, const OCIBind *b) {
    for (std::size_t k = 0; k < stmt->paramBinds.size() && k < stmt->sessionDateParams.size(); ++k)
        if (stmt->paramBinds[k] == b && reads_session_date(stmt->sessionDateParams[k], b->dty)) return true;
    return false;
}

}  // namespace

void describe_session_date_params(OCIServer *server, OCIStmt *stmt, OCIError *errhp,
                                  const std::string &stmtName) noexcept {
    stmt->sessionDateParams.clear();
    if (!session_date_format(server->conn)) return;
    bool character = false;
    for (const OCIBind *b : stmt->paramBinds)
        if (b && reads_session_date(PG_DATE, b->dty)) character = true;
    if (!character) return;
    PGresult *r = pqx::describe_prepared(server->conn, errhp, stmtName.c_str());
    try {
        if (PQresultStatus(r) == PGRES_COMMAND_OK) {
            stmt->sessionDateParams.assign(static_cast<std::size_t>(PQnparams(r)), 0);
            for (int k = 0; k < PQnparams(r); ++k) {
                const Oid t = PQparamtype(r, k);
                if (reads_session_date(t, SQLT_STR)) stmt->sessionDateParams[static_cast<std::size_t>(k)] = t;
            }
        }
    } catch (...) {
        stmt->sessionDateParams.clear();
    }
    PQclear(r);
}

int read_bind_date(OCIStmt *stmt, OCIError *errhp, OCIBind *b) noexcept {
    if (stmt->sessionDateParams.empty() || !b->pgValue || b->pgFormat != 0 || !date_parameter(stmt, b)) return 0;
    const char *format = session_format_of(stmt);
    if (!format) return 0;
    std::string iso;
    if (!read_session_date(errhp, format, b->pgValue, &iso)) return -1;
    char *value = static_cast<char *>(std::malloc(iso.size() + 1));
    if (!value) return -1;
    std::memcpy(value, iso.c_str(), iso.size() + 1);
    std::free(b->pgValue);
    b->pgValue = value;
    b->pgLength = static_cast<ub4>(iso.size() + 1);
    return 0;
}

}  // namespace vsk
