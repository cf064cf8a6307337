// OCIStmtExecute: the checks, the server-side preparation of non-queries, the query's
// cursor, then the run by kind and the commits that follow it.
#include <string>
#include <vector>

#include "connect/call_deadline.h"
#include "connect/records.h"
#include "connect/server_connection.h"
#include "connect/session.h"
#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "pqx/transaction.h"
#include "stmt/async_execute.h"
#include "stmt/cursors.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/insert_shape.h"
#include "stmt/placeholders.h"
#include "stmt/records.h"
#include "stmt/server_names.h"
#include "stmt/server_statement.h"
#include "stmt/session_date_binds.h"

using namespace vsk;

namespace {

constexpr ub4 kErrBindOrDefine = 24305;
constexpr ub4 kErrIterationCountZero = 24333;
constexpr ub4 kErrUnprepared = 24337;
constexpr ub4 kErrConnectionTerminated = 25407;
constexpr ub4 kErrNoMemory = 16506;

bool simple_kind(ub2 kind) {
    return kind == OCI_STMT_UNKNOWN || kind == OCI_STMT_CREATE || kind == OCI_STMT_DROP || kind == OCI_STMT_ALTER;
}

bool has_date_define(const OCIStmt *stmt) {
    if (stmt->hasTimestampDefine) return true;
    for (const OCIDefine *d : stmt->defines)
        if (d->dty == SQLT_DAT || d->dty == SQLT_ODT) return true;
    return false;
}

// The session's date format goes to the server once, before the first statement.
void apply_pending_nls(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    if (!server->nlsDateFormatPending || server->nlsDateFormatApplied) return;
    set_nls_format(errhp, server->conn, has_date_define(stmt),
                   server->nlsDateFormat ? server->nlsDateFormat->c_str() : nullptr);
    server->nlsDateFormatApplied = 1;
}

std::vector<int> param_modes(const std::vector<ub4> &dirs) {
    std::vector<int> modes(dirs.size(), pqx::PARAM_IN);
    for (std::size_t i = 0; i < dirs.size(); ++i)
        if (dirs[i] >= pqx::PARAM_IN && dirs[i] <= pqx::PARAM_INOUT) modes[i] = static_cast<int>(dirs[i]);
    return modes;
}

// Creates the server's prepared statement of a non-query (DML, call blocks).
sword prepare_on_server(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    PGconn *conn = server->conn;
    const std::string name = next_statement_name();
    const std::string &text = stmt->isCall ? stmt->rewrittenText : stmt->stmtText;
    PGresult *r = nullptr;
    stmt->insertTarget.clear();
    {
        pqx::NoticeScope notices(conn, errhp);
        if (stmt->binds.empty()) {
            stmt->paramBinds.clear();
            stmt->paramTypes.clear();
            stmt->paramCount = 0;
            r = stmt->isCall ? pqx::PQprepareOut(conn, name.c_str(), text.c_str(), 0, nullptr, nullptr)
                             : pqx::prepare(conn, name.c_str(), text.c_str(), 0, nullptr);
        } else {
            std::vector<OCIBind *> binds(stmt->binds.begin(), stmt->binds.end());
            RewrittenText rw;
            if (!ReplacePlaceholders(binds, text, &rw) || (rw.paramBinds.empty() && !stmt->isFunction))
                return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
            stmt->paramBinds = std::move(rw.paramBinds);
            stmt->paramTypes = std::move(rw.paramTypes);
            stmt->paramCount = static_cast<ub4>(stmt->paramBinds.size());
            const int n = static_cast<int>(stmt->paramCount);
            const Oid *types = stmt->paramTypes.empty() ? nullptr : stmt->paramTypes.data();
            if (stmt->isCall) {
                std::vector<int> modes = param_modes(rw.paramDirs);
                r = pqx::PQprepareOut(conn, name.c_str(), rw.pg_query.c_str(), n, types, modes.data());
            } else {
                // Worked out first: once the server holds the statement nothing here may throw.
                std::string target;
                if (stmt->stmtType == OCI_STMT_INSERT) target = insert_values_target(rw.pg_query, stmt->paramCount);
                r = pqx::prepare(conn, name.c_str(), rw.pg_query.c_str(), n, types);
                stmt->insertTarget = std::move(target);
            }
        }
    }
    errhp->noticeReceived = 0;
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        // Not marked prepared: the next execute prepares again rather than running a
        // statement the server never made.
        AddPGErrorRecord(errhp, OCI_ERROR, r);
        PQclear(r);
        ROLLBACK_TRANSACTION(server);
        return OCI_ERROR;
    }
    PQclear(r);
    stmt->preparedName = name;
    stmt->serverPrepared = 1;
    {
        auto lock = lock_statement_links(stmt);
        stmt->pgPreparedServer = server;
    }
    if (!stmt->isCall) describe_session_date_params(server, stmt, errhp, name);
    return OCI_SUCCESS;
}

// The commits a successful execution asks for.
sword commit_after(OCIServer *server, const OCIStmt *stmt, ub4 mode, sword rc) {
    if (rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO) {
        if (ddl_commit_on()) COMMIT_TRANSACTION(server->conn);
        if (stmt->stmtType != OCI_STMT_SELECT && (mode & OCI_COMMIT_ON_SUCCESS)) COMMIT_TRANSACTION(server->conn);
    }
    return rc;
}

sword run_by_mode(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, ub4 mode) {
    if (mode == OCI_STMT_SCROLLABLE_READONLY) return ExecuteOCIStmt(server, stmt, errhp, iters, rowoff);
    if (mode == OCI_PARSE_ONLY) return stmt->serverPrepared ? OCI_SUCCESS : OCI_ERROR;
    return commit_after(server, stmt, mode, ExecuteOCIStmt(server, stmt, errhp, iters, rowoff));
}

// The statement's steps on the server, from its transaction to the commits after it.
sword execute_on(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, ub4 mode) {
    // Non-blocking array operations and queries continue in their own paths once
    // non-blocking execution exists; until then every execution blocks.
    if (stmt->stmtType != OCI_STMT_SELECT) {
        settle_ddl_commit(stmt->isDDL);
        START_TRANSACTION(server->conn);
        stmt->execMode = mode;
        if (!simple_kind(stmt->stmtType)) {
            deallocateCursor(server, stmt, errhp, false);
            if (rebind_prepared(server, stmt, errhp) != 0) return OCI_ERROR;
            if (!stmt->serverPrepared) {
                const sword rc = prepare_on_server(server, stmt, errhp);
                if (rc != OCI_SUCCESS) return rc;
            }
        }
    } else {
        bool finished = false;
        const sword rc = open_query(server, stmt, errhp, rowoff, mode, &finished);
        if (finished || rc != OCI_SUCCESS) return rc;
    }
    return run_by_mode(server, stmt, errhp, iters, rowoff, mode);
}

sword execute(OCISvcCtx *svchp, OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, ub4 mode) noexcept {
    OCIServer *server = svchp->server;
    try {
        if (!stmt->prepared) return AddErrorRecord(errhp, OCI_ERROR, kErrUnprepared), OCI_ERROR;
        if (stmt->stmtType != OCI_STMT_SELECT && iters == 0)
            return AddErrorRecord(errhp, OCI_ERROR, kErrIterationCountZero), OCI_ERROR;
        drop_result(stmt);
        if (!is_kind(server, HANDLE_OCIServer)) return OCI_INVALID_HANDLE;
        if (!connection_ok(server)) return AddErrorRecord(errhp, OCI_ERROR, kErrConnectionTerminated), OCI_ERROR;
        sword rc;
        bool underway = false;
        // A non-blocking execution under way is polled; it ends as any other.
        if (server->nonBlocking) {
            rc = continue_async(server, stmt, errhp, iters, rowoff, mode, &underway);
            if (underway && rc != OCI_STILL_EXECUTING) rc = commit_after(server, stmt, stmt->execMode, rc);
        }
        if (!underway) {
            apply_pending_nls(server, stmt, errhp);
            rc = execute_on(server, stmt, errhp, iters, rowoff, mode);
        }
        if (rc == OCI_STILL_EXECUTING) return rc;
        pqx::end_statement(server->conn, rc == OCI_SUCCESS || rc == OCI_SUCCESS_WITH_INFO || rc == OCI_NO_DATA);
        return rc;
    } catch (...) {
        if (is_kind(server, HANDLE_OCIServer)) pqx::end_statement(server->conn, false);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIStmtExecute(OCISvcCtx *svchp, OCIStmt *stmtp, OCIError *errhp, ub4 iters, ub4 rowoff,
                                const OCISnapshot *snap_in, OCISnapshot *snap_out, ub4 mode) {
    if (!is_kind(svchp, HANDLE_OCISvcCtx) || !is_kind(stmtp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError))
        return OCI_INVALID_HANDLE;
    auto *env = static_cast<OCIEnv *>(svchp->hdr.parenth);
    if (!is_kind(env, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    if (env->rogueWaveMode) iters = 1;
    ocitrace(TRACE_EXECUTE, "OCIStmtExecute", "stmtp(%p) service(%p) %s\n", static_cast<void *>(stmtp),
             static_cast<void *>(svchp), stmtp->stmtText.c_str());
    if (!stmtp->svcctx) {
        auto lock = lock_statement_links(stmtp);
        stmtp->svcctx = svchp;
    }
    CallDeadline deadline(svchp);
    auto work = [&] {
        _ClearErrorHandle(errhp);
        return execute(svchp, stmtp, errhp, iters, rowoff, mode);
    };
    return run_in_frame(env, OCI_FNCODE_STMTEXECUTE, work, svchp, stmtp, errhp, iters, rowoff, snap_in, snap_out,
                        mode);
}

}  // extern "C"
