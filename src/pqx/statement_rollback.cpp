#include "pqx/statement_rollback.h"

#include <vector>

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pipeline.h"
#include "pqx/standins.h"

namespace vsk::pqx {

namespace {

constexpr char kSavepoint[] = "SAVEPOINT vsk_statement";
constexpr char kRelease[] = "RELEASE SAVEPOINT vsk_statement";
constexpr char kUndo[] = "ROLLBACK TO SAVEPOINT vsk_statement; RELEASE SAVEPOINT vsk_statement";

// SAVEPOINT, the statement and RELEASE in one exchange; null when the pipeline could
// not be used (the caller then runs the statement plainly).
PGresult *guarded(PGconn *conn, const char *stmtName, int nParams, const char *const *values, const int *lengths,
                  const int *formats, int resultFormat) {
    std::vector<ResultPtr> results;
    {
        Pipeline pipeline(conn);
        if (!pipeline.ok()) return nullptr;
        pipeline.send(kSavepoint);
        pipeline.send_prepared(stmtName, nParams, values, lengths, formats, resultFormat);
        pipeline.send(kRelease);
        results = pipeline.finish();
    }
    if (results.size() != 3) return PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
    const ExecStatusType status = PQresultStatus(results[1].get());
    if (PQresultStatus(results[0].get()) == PGRES_COMMAND_OK && status != PGRES_COMMAND_OK &&
        status != PGRES_TUPLES_OK) {
        ocitrace(TRACE_EXECUTE, "exec_prepared", "statement failed; rolling back to its savepoint\n");
        PQclear(PQexec(conn, kUndo));
    }
    return results[1] ? results[1].release() : PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
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
