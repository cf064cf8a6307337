// Running a server-prepared statement by kind: simple commands, queries, DML per
// iteration, and call blocks with their OUT values.
#include <cstdlib>
#include <cstring>
#include <utility>

#include "connect/records.h"
#include "env/error.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "pqx/statement_rollback.h"
#include "stmt/array_dml.h"
#include "stmt/async_execute.h"
#include "stmt/bind_values.h"
#include "stmt/cursors.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrBindOrDefine = 24305;
constexpr ub4 kErrOutOfSequence = 1002;
constexpr ub4 kErrUnexecuted = 24338;

// The statement's failed result, recorded and released.
sword statement_failure(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    return server_failure(server, errhp, std::exchange(stmt->result, nullptr));
}

sword failure_text(OCIServer *server, OCIStmt *stmt, OCIError *errhp, const char *text) {
    AddErrorRecordMsg(errhp, OCI_ERROR, text);
    drop_result(stmt);
    ROLLBACK_TRANSACTION(server);
    return OCI_ERROR;
}

bool commits_after(ub2 kind) {
    return kind == OCI_STMT_CREATE || kind == OCI_STMT_DROP || kind == OCI_STMT_ALTER ||
           (kind >= 65000 && kind <= 65003);
}

sword execute_simple(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    stmt->result = pqx::exec(server->conn, errhp, stmt->stmtText.c_str());
    if (PQresultStatus(stmt->result) != PGRES_COMMAND_OK) return statement_failure(server, stmt, errhp);
    if (commits_after(stmt->stmtType)) COMMIT_TRANSACTION(server->conn);
    stmt->executed = 1;
    return OCI_SUCCESS;
}

sword execute_query(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) {
    if (rowoff != 0) return AddErrorRecord(errhp, OCI_ERROR, kErrOutOfSequence), OCI_ERROR;
    ClearOCIStmtResultset(server, stmt);
    if (iters > 0)
        return server->nonBlocking ? continueAsyncSelect(server, stmt, errhp, iters, rowoff)
                                   : fetchResults(server, stmt, errhp, iters);
    const std::string &name = stmt->cursor && !stmt->cursor->portalName.empty() ? stmt->cursor->portalName
                                                                                : stmt->preparedName;
    stmt->result = pqx::describe_portal(server->conn, name.c_str());
    if (PQresultStatus(stmt->result) != PGRES_COMMAND_OK) return statement_failure(server, stmt, errhp);
    stmt->executed = 1;
    return OCI_SUCCESS;
}

// The parameters of every iteration have the same shape: one bind per server parameter.
bool params_consistent(const OCIStmt *stmt) { return stmt->paramBinds.size() == stmt->paramCount; }

// Several rows, or modes that ask about each row, go as one array operation.
bool array_path(const OCIStmt *stmt, ub4 iters, ub4 rowoff) {
    return stmt->arrayOfStruct || (iters > rowoff && iters - rowoff >= 2) ||
           (stmt->execMode & (OCI_BATCH_ERRORS | OCI_RETURN_ROW_COUNT_ARRAY));
}

sword execute_block(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) {
    PGconn *conn = server->conn;
    if (stmt->paramCount && !params_consistent(stmt)) return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    if (iters <= rowoff) {
        stmt->executed = 1;
        return OCI_SUCCESS;
    }
    sword rc = OCI_SUCCESS;
    for (ub4 i = rowoff; i < iters; ++i) {
        ClearOCIStmtResultset(server, stmt);
        ParamArrays arrays;
        if (stmt->paramCount) {
            const int collected = GetOCIBindData(stmt, errhp, i);
            if (collected < 0 || collected > 1) {
                rc = collected < 0 ? OCI_ERROR : collected;
                break;
            }
            if (bindPgValues(stmt, &arrays) != 0) {
                release_binds_pgdata(stmt);
                return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
            }
        }
        int sent;
        {
            pqx::NoticeScope notices(conn, errhp);
            sent = pqx::PQsendQueryPreparedOut(conn, stmt->preparedName.c_str(), static_cast<int>(stmt->paramCount),
                                               stmt->paramCount ? arrays.values.data() : nullptr,
                                               stmt->paramCount ? arrays.lengths.data() : nullptr,
                                               stmt->paramCount ? arrays.formats.data() : nullptr, 0);
        }
        release_binds_pgdata(stmt);
        if (!sent) {
            if (pqx::take_out_of_memory(conn))
                AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory);
            else
                AddErrorRecord2(errhp, OCI_ERROR, kErrUnexecuted, PQerrorMessage(conn));
            ROLLBACK_TRANSACTION(server);
            return OCI_ERROR;
        }
        stmt->result = pqx::get_result(conn, errhp);
        while (PGresult *more = pqx::get_result(conn, errhp)) PQclear(more);
        const ExecStatusType status = PQresultStatus(stmt->result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) return statement_failure(server, stmt, errhp);
        if (std::strcmp(PQcmdStatus(stmt->result), "DECLARE CURSOR") == 0)
            return failure_text(server, stmt, errhp, "DECLARE CURSOR statement is not supported");
        if (!stmt->isFunction && stmt->paramCount == 0) {
            drop_result(stmt);
            stmt->executed = 1;
            return with_notices(errhp, OCI_SUCCESS);
        }
        stmt->outResult = pqx::PQgetOutResult(conn);
        if (stmt->paramCount == 0) {
            PQclear(stmt->outResult);
            stmt->outResult = nullptr;
        }
        rc = with_notices(errhp, OCI_SUCCESS);
        const int filled = fill_bind_parameters(stmt, errhp, i);
        if (filled != 0 && filled != 1) {
            ClearOCIStmtResultset(server, stmt);
            rc = filled < 0 ? OCI_ERROR : filled;
            break;
        }
        if (filled == 1) rc = OCI_SUCCESS_WITH_INFO;
    }
    if (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO) stmt->executed = 1;
    return rc;
}

}  // namespace

sword with_notices(OCIError *errhp, sword rc) noexcept {
    if (!is_kind(errhp, HANDLE_OCIError)) return rc;
    const bool warned = errhp->noticeReceived != 0;
    errhp->noticeReceived = 0;
    return rc == OCI_SUCCESS && warned ? OCI_SUCCESS_WITH_INFO : rc;
}

sword ExecuteDMLStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept {
    PGconn *conn = server->conn;
    if (stmt->paramCount && !params_consistent(stmt)) return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    stmt->rowCount = 0;
    if (iters <= rowoff) return OCI_SUCCESS;
    sword rc = OCI_SUCCESS;
    ParamArrays arrays;
    for (ub4 i = rowoff; i < iters; ++i) {
        ClearOCIStmtResultset(server, stmt);
        if (stmt->paramCount) {
            const int collected = GetOCIBindData(stmt, errhp, i);
            if (collected < 0 || collected > 1) return collected < 0 ? OCI_ERROR : collected;
            if (bindPgValues(stmt, &arrays) != 0) {
                release_binds_pgdata(stmt);
                return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
            }
        }
        stmt->result = pqx::exec_prepared(conn, errhp, stmt->preparedName.c_str(), static_cast<int>(stmt->paramCount),
                                          stmt->paramCount ? arrays.values.data() : nullptr,
                                          stmt->paramCount ? arrays.lengths.data() : nullptr,
                                          stmt->paramCount ? arrays.formats.data() : nullptr, 0);
        release_binds_pgdata(stmt);
        const ExecStatusType status = PQresultStatus(stmt->result);
        if (status == PGRES_TUPLES_OK)
            return failure_text(server, stmt, errhp, "Support for RETURNING clause is not yet implemented");
        if (status != PGRES_COMMAND_OK) return statement_failure(server, stmt, errhp);
        stmt->rowCount += std::strtoull(PQcmdTuples(stmt->result), nullptr, 10);
        rc = with_notices(errhp, OCI_SUCCESS);
    }
    return rc;
}

sword ExecuteOCIStmt(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff) noexcept {
    if (!is_kind(server, HANDLE_OCIServer) || !is_kind(stmt, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError))
        return -2;
    // Rows would have nowhere to go.
    if (stmt->stmtType == OCI_STMT_SELECT && iters > 0 && stmt->defines.empty())
        return AddErrorRecord(errhp, OCI_ERROR, 24374), OCI_ERROR;
    try {
        stmt->executed = 0;
        ClearOCIStmtResultset(server, stmt);
        sword rc;
        switch (stmt->stmtType) {
        case OCI_STMT_SELECT:
            return execute_query(server, stmt, errhp, iters, rowoff);
        case OCI_STMT_UPDATE:
        case OCI_STMT_INSERT:
        case OCI_STMT_DELETE:
            if (server->nonBlocking)
                return array_path(stmt, iters, rowoff)
                           ? ExecuteAsyncBulkInsertUpdateStmt(server, stmt, errhp, iters, rowoff)
                           : start_async_dml(server, stmt, errhp, iters, rowoff);
            rc = array_path(stmt, iters, rowoff)
                     ? ExecuteBulkInsertUpdateStmt(server, stmt, errhp, iters, rowoff, stmt->execMode)
                     : ExecuteDMLStmt(server, stmt, errhp, iters, rowoff);
            break;
        case OCI_STMT_BEGIN:
        case OCI_STMT_DECLARE:
            return execute_block(server, stmt, errhp, iters, rowoff);
        default:
            return execute_simple(server, stmt, errhp);
        }
        if (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO) stmt->executed = 1;
        return rc;
    } catch (...) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

}  // namespace vsk
