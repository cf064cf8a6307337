#include "pqx/statement_rollback.h"

#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/standins.h"

namespace vsk::pqx {

namespace {

constexpr char kSavepoint[] = "SAVEPOINT vsk_statement";
constexpr char kRelease[] = "RELEASE SAVEPOINT vsk_statement";
constexpr char kUndo[] = "ROLLBACK TO SAVEPOINT vsk_statement; RELEASE SAVEPOINT vsk_statement";

// Reads one command's results up to its terminating null; keeps the first.
PGresult *take_one(PGconn *conn) {
    PGresult *first = PQgetResult(conn);
    if (!first) return nullptr;
    while (PGresult *more = PQgetResult(conn)) PQclear(more);
    return first;
}

// SAVEPOINT, the statement and RELEASE in one pipeline; null when the pipeline could
// not be used (the caller then runs the statement plainly).
PGresult *guarded(PGconn *conn, const char *stmtName, int nParams, const char *const *values, const int *lengths,
                  const int *formats, int resultFormat) {
    if (!PQenterPipelineMode(conn)) return nullptr;
    const bool sent = PQsendQueryParams(conn, kSavepoint, 0, nullptr, nullptr, nullptr, nullptr, 0) &&
                      PQsendQueryPrepared(conn, stmtName, nParams, values, lengths, formats, resultFormat) &&
                      PQsendQueryParams(conn, kRelease, 0, nullptr, nullptr, nullptr, nullptr, 0) &&
                      PQpipelineSync(conn);
    PGresult *savepoint = sent ? take_one(conn) : nullptr;
    PGresult *statement = sent ? take_one(conn) : nullptr;
    PGresult *release = sent ? take_one(conn) : nullptr;
    // The synchronisation point ends the pipeline.
    while (PGresult *r = PQgetResult(conn)) {
        const bool sync = PQresultStatus(r) == PGRES_PIPELINE_SYNC;
        PQclear(r);
        if (sync) break;
    }
    PQexitPipelineMode(conn);
    const bool failed = PQresultStatus(statement) != PGRES_COMMAND_OK && PQresultStatus(statement) != PGRES_TUPLES_OK;
    if (PQresultStatus(savepoint) == PGRES_COMMAND_OK && failed) {
        ocitrace(TRACE_EXECUTE, "exec_prepared", "statement failed; rolling back to its savepoint\n");
        PQclear(PQexec(conn, kUndo));
    }
    PQclear(savepoint);
    PQclear(release);
    if (!statement) statement = PQmakeEmptyPGresult(conn, PGRES_FATAL_ERROR);
    return statement;
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
