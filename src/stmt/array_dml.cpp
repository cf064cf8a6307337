#include "stmt/array_dml.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "connect/records.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/bulk.h"
#include "pqx/pg_error.h"
#include "stmt/bind_values.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"
#include "stmt/row_store.h"

namespace vsk {

namespace {

constexpr ub4 kErrMemory = 27102;
constexpr ub4 kErrArrayDml = 24381;
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrBadParam = 24334;
constexpr ub4 kErrBindOrDefine = 24305;

}  // namespace

sword ExecuteBulkInsertUpdateStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff,
                                  ub4 mode) noexcept {
    stmt->rowCount = 0;
    stmt->rowCounts.clear();
    stmt->batchErrorCount = 0;
    errhp->batchErrors.clear();
    if (iters <= rowoff) return OCI_SUCCESS;
    if (stmt->paramBinds.size() != stmt->paramCount) return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    const int nRows = static_cast<int>(iters - rowoff);
    const int nParams = static_cast<int>(stmt->paramCount);
    try {
        RowStore rows(stmt->paramCount, iters - rowoff);
        bool warned = false;
        const sword collected = collect_rows(stmt, errhp, iters, rowoff, &rows, &warned);
        if (collected != OCI_SUCCESS) return collected;
        PGconn *conn = server->conn;
        const pqx::RowSource source = [&](int r, const char **v, int *l, int *f) { rows.row(r, v, l, f); };
        const bool batchErrors = mode & OCI_BATCH_ERRORS;
        const bool countArray = mode & OCI_RETURN_ROW_COUNT_ARRAY;
        // One INSERT over arrays where nothing asks about single rows; should it fail, the
        // rows one by one tell which row failed and how.
        if (!stmt->insertTarget.empty() && nRows >= 2 && !batchErrors && !countArray) {
            const std::vector<Oid> types = pqx::parameter_types(conn, stmt->preparedName.c_str());
            if (types.size() == stmt->paramCount) {
                PGresult *r = pqx::exec_insert_unnest(conn, errhp, stmt->insertTarget, types, nRows, source);
                if (PQresultStatus(r) == PGRES_COMMAND_OK) {
                    stmt->rowCount = std::strtoull(PQcmdTuples(r), nullptr, 10);
                    PQclear(r);
                    return with_notices(errhp, warned ? OCI_SUCCESS_WITH_INFO : OCI_SUCCESS);
                }
                if (r) ocitrace(TRACE_EXECUTE, "arrayDML", "array insert failed; running the rows one by one\n");
                PQclear(r);
            }
        }
        pqx::BulkOutcome out;
        PGresult *r = pqx::exec_bulk(conn, errhp, stmt->preparedName.c_str(), nParams, nRows, source,
                                     batchErrors ? pqx::BulkErrors::Skip : pqx::BulkErrors::Stop, countArray, &out);
        stmt->rowCount = out.affected;
        if (countArray) stmt->rowCounts.assign(out.perRow.begin(), out.perRow.end());
        if (!r) return AddErrorRecord(errhp, OCI_ERROR, kErrMemory), OCI_ERROR;
        if (PQresultStatus(r) != PGRES_COMMAND_OK) return server_failure(server, errhp, r);
        PQclear(r);
        if (!out.failures.empty()) {
            for (const pqx::BulkOutcome::Failure &f : out.failures)
                errhp->batchErrors.push_back(
                    BatchError{rowoff + static_cast<ub4>(f.row), pg_error_record(OCI_ERROR, f.result.get())});
            stmt->batchErrorCount = static_cast<ub4>(errhp->batchErrors.size());
            AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrArrayDml);
            errhp->noticeReceived = 0;
            return OCI_SUCCESS_WITH_INFO;
        }
        return with_notices(errhp, warned ? OCI_SUCCESS_WITH_INFO : OCI_SUCCESS);
    } catch (...) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

sword batch_error_param(OCIError *source, OCIError *errhp, void **parmdpp, ub4 pos) noexcept {
    if (!parmdpp || !is_kind(*parmdpp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *target = static_cast<OCIError *>(*parmdpp);
    if (pos >= source->batchErrors.size()) return AddErrorRecord(errhp, OCI_ERROR, kErrBadParam), OCI_ERROR;
    try {
        // Copied before the target is cleared: source and target may be one handle.
        BatchError e = source->batchErrors[pos];
        _ClearErrorHandle(target);
        target->dmlRowOffset = e.row;
        AppendErrorRecord(target, std::move(e.record));
        return OCI_SUCCESS;
    } catch (...) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

}  // namespace vsk
