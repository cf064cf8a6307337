#include "stmt/async_execute.h"

#include <cstdlib>
#include <vector>

#include "connect/records.h"
#include "env/error.h"
#include "pqx/async.h"
#include "pqx/pg_error.h"
#include "stmt/bind_values.h"
#include "stmt/cursors.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"
#include "stmt/row_store.h"

namespace vsk {

namespace {

constexpr ub4 kErrOutOfSequence = 1002;
constexpr ub4 kErrNotOpen = 1001;
constexpr ub4 kErrUnexecuted = 24338;
constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrBindOrDefine = 24305;

void clear_async(OCIStmt *stmt) { stmt->bulkActive = stmt->asyncWaiting = stmt->bulkFinishSent = stmt->asyncSelect = 0; }

sword send_failure(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    if (pqx::take_out_of_memory(server->conn))
        AddErrorRecord(errhp, OCI_ERROR, 16506);
    else
        AddErrorRecord2(errhp, OCI_ERROR, kErrUnexecuted, PQerrorMessage(server->conn));
    clear_async(stmt);
    ROLLBACK_TRANSACTION(server);
    return OCI_ERROR;
}

sword server_failure(OCIServer *server, OCIStmt *stmt, OCIError *errhp, PGresult *r) {
    clear_async(stmt);
    return vsk::server_failure(server, errhp, r);
}

bool succeeded(const PGresult *r) {
    const ExecStatusType s = PQresultStatus(r);
    return r && (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK);
}

// A single DML execution's answer, when it is in.
sword poll_dml(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    PGresult *r = nullptr;
    if (pqx::poll_async(server->conn, errhp, &r) == pqx::Poll::Busy) return OCI_STILL_EXECUTING;
    stmt->asyncWaiting = 0;
    if (!succeeded(r)) return server_failure(server, stmt, errhp, r);
    stmt->rowCount = std::strtoull(PQcmdTuples(r), nullptr, 10);
    PQclear(r);
    stmt->executed = 1;
    return with_notices(errhp, OCI_SUCCESS);
}

sword poll_select(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters) {
    if (server->breakRequested) {
        // OCIBreak: the query was cancelled; its answer and its transaction go.
        pqx::drop_async(server->conn);
        clear_async(stmt);
        stmt->serverPrepared = 0;
        {
            auto lock = lock_statement_links(stmt);
            stmt->pgPreparedServer = nullptr;
        }
        server->breakRequested = 0;
        drop_result(stmt);
        ROLLBACK_TRANSACTION(server);
        return OCI_SUCCESS;
    }
    PGresult *r = nullptr;
    if (pqx::poll_async(server->conn, errhp, &r) == pqx::Poll::Busy) return OCI_STILL_EXECUTING;
    clear_async(stmt);
    if (PQresultStatus(r) != PGRES_TUPLES_OK) return server_failure(server, stmt, errhp, r);
    stmt->result = r;
    stmt->prefetchCount = static_cast<ub4>(PQntuples(r));
    return deliver_first_batch(stmt, errhp, iters);
}

sword poll_bulk(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    if (!stmt->bulkFinishSent) {
        if (pqx::PQsendBulkFinish(server->conn) == 7) return send_failure(server, stmt, errhp);
        stmt->bulkFinishSent = 1;
        stmt->asyncWaiting = 1;
        return OCI_STILL_EXECUTING;
    }
    PGresult *failure = nullptr;
    unsigned long long affected = 0;
    if (pqx::poll_bulk(server->conn, errhp, &failure, &affected) == pqx::Poll::Busy) return OCI_STILL_EXECUTING;
    clear_async(stmt);
    stmt->rowCount = affected;
    if (failure) return server_failure(server, stmt, errhp, failure);
    stmt->executed = 1;
    return with_notices(errhp, OCI_SUCCESS);
}

}  // namespace

sword start_async_dml(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept {
    stmt->rowCount = 0;
    if (iters <= rowoff) return OCI_SUCCESS;
    try {
        ParamArrays arrays;
        if (stmt->paramCount) {
            const int collected = GetOCIBindData(stmt, errhp, rowoff);
            if (collected < 0 || collected > 1) return collected < 0 ? OCI_ERROR : collected;
            if (bindPgValues(stmt, &arrays) != 0) {
                release_binds_pgdata(stmt);
                return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
            }
        }
        const int sent = pqx::send_prepared_async(server->conn, errhp, stmt->preparedName.c_str(),
                                                  static_cast<int>(stmt->paramCount),
                                                  stmt->paramCount ? arrays.values.data() : nullptr,
                                                  stmt->paramCount ? arrays.lengths.data() : nullptr,
                                                  stmt->paramCount ? arrays.formats.data() : nullptr);
        release_binds_pgdata(stmt);
        if (sent != 1) return send_failure(server, stmt, errhp);
        stmt->asyncWaiting = 1;
        return poll_dml(server, stmt, errhp);
    } catch (...) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

sword ExecuteAsyncBulkInsertUpdateStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters,
                                       ub4 rowoff) noexcept {
    stmt->rowCount = 0;
    if (iters <= rowoff) return OCI_SUCCESS;
    if (stmt->paramBinds.size() != stmt->paramCount) return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    try {
        const std::size_t nParams = stmt->paramCount, nRows = iters - rowoff;
        std::vector<const char *> values(nParams * nRows + 1);
        std::vector<int> lengths(values.size()), formats(nParams + 1), rowFormats(nParams + 1);
        sword rc;
        {
            RowStore rows(nParams, nRows);
            bool warned = false;
            rc = collect_rows(stmt, errhp, iters, rowoff, &rows, &warned);
            if (rc != OCI_SUCCESS) return rc;
            for (std::size_t r = 0; r < nRows; ++r) {
                rows.row(static_cast<int>(r), &values[r * nParams], &lengths[r * nParams], rowFormats.data());
                for (std::size_t p = 0; p < nParams; ++p)
                    if (values[r * nParams + p]) formats[p] = rowFormats[p];
            }
            if (pqx::PQsendBulkStart(server->conn, stmt->preparedName.c_str(), static_cast<int>(nParams),
                                     formats.data()) != 1)
                return send_failure(server, stmt, errhp);
            // The rows are copied into libpq's buffer as they go.
            if (pqx::PQsendBulk(server->conn, static_cast<int>(nRows), values.data(), lengths.data()) != 1) {
                AddErrorRecordMsg(errhp, OCI_ERROR, PQerrorMessage(server->conn));
                clear_async(stmt);
                pqx::drop_async(server->conn);
                ROLLBACK_TRANSACTION(server);
                return OCI_ERROR;
            }
        }
        stmt->bulkActive = stmt->asyncWaiting = 1;
        stmt->bulkFinishSent = 0;
        return OCI_STILL_EXECUTING;
    } catch (...) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

sword continueAsyncSelect(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept {
    if (stmt->asyncSelect) return poll_select(server, stmt, errhp, iters);
    Cursor *cursor = stmt->cursor;
    if (!cursor) return AddErrorRecord_MSG(errhp, OCI_ERROR, kErrNotOpen), OCI_ERROR;
    if (rowoff != 0) return AddErrorRecord(errhp, OCI_ERROR, kErrOutOfSequence), OCI_ERROR;
    const std::string &name = cursor->portalName.empty() ? cursor->stmtName : cursor->portalName;
    const ub4 count = first_batch_size(stmt, iters);
    if (pqx::send_fetch_async(server->conn, errhp, name.c_str(), static_cast<int>(count > 0x7fffffff ? 0x7fffffff : count)) != 1) {
        drop_result(stmt);
        send_failure(server, errhp, "PQsendFetchPrepared failed");
        return OCI_ERROR;
    }
    stmt->asyncSelect = stmt->asyncWaiting = 1;
    stmt->executed = 1;
    return OCI_STILL_EXECUTING;
}

sword continue_async(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4, ub4 mode,
                     bool *underway) noexcept {
    *underway = true;
    if (stmt->bulkActive) return poll_bulk(server, stmt, errhp);
    if (stmt->asyncSelect && mode != OCI_DESCRIBE_ONLY) return poll_select(server, stmt, errhp, iters);
    if (stmt->asyncWaiting) return poll_dml(server, stmt, errhp);
    *underway = false;
    return OCI_SUCCESS;
}

}  // namespace vsk
