#include "pqx/statement_rollback.h"

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pipeline.h"
#include "pqx/savepoint.h"
#include "pqx/standins.h"

namespace vsk::pqx {

namespace {

constexpr Savepoint kStatementSavepoint = {
    "SAVEPOINT vsk_statement",
    "RELEASE SAVEPOINT vsk_statement",
    "ROLLBACK TO SAVEPOINT vsk_statement; RELEASE SAVEPOINT vsk_statement",
};

// SAVEPOINT, the statement and RELEASE in one exchange; null when the pipeline could
// not be used (the caller then runs the statement plainly).
PGresult *guarded(PGconn *conn, const char *stmtName, int nParams, const char *const *values, const int *lengths,
                  const int *formats, int resultFormat) {
    PGresult *r = under_savepoint(conn, kStatementSavepoint, [&](Pipeline &pipeline) {
        pipeline.send_prepared(stmtName, nParams, values, lengths, formats, resultFormat);
    });
    const ExecStatusType status = PQresultStatus(r);
    if (r && status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        ocitrace(TRACE_EXECUTE, "exec_prepared", "statement failed; rolled back to its savepoint\n");
    return r;
}

}  // namespace

PGresult *exec_prepared(PGconn *conn, void *errhp, const char *stmtName, int nParams, const char *const *values,
                        const int *lengths, const int *formats, int resultFormat) noexcept {
    if (!conn || !stmtName) return nullptr;
    drain_pending(conn);
    NoticeScope notices(conn, errhp);
    if (statement_level_rollback(conn) && PQtransactionStatus(conn) == PQTRANS_INTRANS) {
        if (PGresult *r = guarded(conn, stmtName, nParams, values, lengths, formats, resultFormat)) return r;
    }
    return PQexecPrepared(conn, stmtName, nParams, values, lengths, formats, resultFormat);
}

}  // namespace vsk::pqx
