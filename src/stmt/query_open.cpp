// Opening a query's server cursor at execution: a portal bound from the server's
// prepared statement, or a cursor declared WITH HOLD from the statement text.
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "connect/records.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "stmt/bind_values.h"
#include "stmt/cursors.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/placeholders.h"
#include "stmt/records.h"
#include "stmt/server_names.h"
#include "stmt/server_statement.h"
#include "stmt/show_query.h"
#include "stmt/statement_text.h"
#include "stmt/session_date_binds.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoMemory = 16506;
constexpr ub4 kErrBindOrDefine = 24305;

bool rewrite(OCIStmt *stmt, const std::string &text, std::string *pg_query) {
    std::vector<OCIBind *> binds(stmt->binds.begin(), stmt->binds.end());
    RewrittenText rw;
    if (!ReplacePlaceholders(binds, text, &rw)) return false;
    stmt->paramBinds = std::move(rw.paramBinds);
    stmt->paramTypes = std::move(rw.paramTypes);
    stmt->paramCount = static_cast<ub4>(stmt->paramBinds.size());
    *pg_query = std::move(rw.pg_query);
    return true;
}

void trace_rewrite(const OCIStmt *stmt, const std::string &pg_query) {
    ocitrace(TRACE_SQL, "declareCursor", "original - %s\n", stmt->stmtText.c_str());
    ocitrace(TRACE_SQL, "             ", "pg form  - %s\n", pg_query.c_str());
}

// The text the server's cursor reads: the statement's, or for SHOW the query that
// returns the same.
std::string server_query(const OCIStmt *stmt) {
    std::optional<std::string> show = show_as_select(stmt->stmtText);
    return show ? std::move(*show) : stmt->stmtText;
}

pqx::StatementKind query_kind(const OCIStmt *stmt, ub4 mode) {
    if (mode == OCI_DESCRIBE_ONLY) return pqx::StatementKind::DescribeOnly;
    return locks_rows(stmt->stmtText) ? pqx::StatementKind::LockingQuery : pqx::StatementKind::ReadOnlyQuery;
}

const Oid *types_of(const OCIStmt *stmt) { return stmt->paramTypes.empty() ? nullptr : stmt->paramTypes.data(); }

// This execution's bind values; 0 or 1 to go on, anything else ends the execution.
int collect_binds(OCIStmt *stmt, OCIError *errhp, ub4 rowoff, ParamArrays *arrays) {
    if (stmt->paramCount) {
        const int rc = GetOCIBindData(stmt, errhp, rowoff);
        if (rc < 0 || rc > 1) return rc < 0 ? OCI_ERROR : rc;
    }
    if (!stmt->paramBinds.empty() && bindPgValues(stmt, arrays) != 0) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
    return OCI_SUCCESS;
}

sword prepare_query(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 mode) {
    std::string pg_query;
    if (mode == OCI_DESCRIBE_ONLY) {
        stmt->describeNames.clear();
        stmt->paramBinds.clear();
        stmt->paramTypes.clear();
        pg_query = ReplacePlaceholdersEx(server_query(stmt), &stmt->describeNames, &stmt->paramCount);
    } else if (!rewrite(stmt, server_query(stmt), &pg_query)) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    }
    trace_rewrite(stmt, pg_query);
    const std::string name = next_statement_name();
    PGresult *r;
    {
        pqx::NoticeScope notices(server->conn, errhp);
        r = mode == OCI_DESCRIBE_ONLY
                ? pqx::prepare(server->conn, name.c_str(), pg_query.c_str(), static_cast<int>(stmt->paramCount),
                               nullptr)
                : pqx::prepare_described(server->conn, name.c_str(), pg_query.c_str(),
                                         static_cast<int>(stmt->paramCount), types_of(stmt));
    }
    ocitrace(TRACE_CURSORS, "startSelect", "prepared %s for(%s)\n", name.c_str(), stmt->stmtText.c_str());
    if (PQresultStatus(r) != PGRES_COMMAND_OK) return server_failure(server, errhp, r);
    PQclear(r);
    stmt->cursor->stmtName = name;
    stmt->serverPrepared = 1;
    {
        auto lock = lock_statement_links(stmt);
        stmt->pgPreparedServer = server;
    }
    if (mode != OCI_DESCRIBE_ONLY) describe_session_date_params(server, stmt, errhp, name);
    return OCI_SUCCESS;
}

sword open_portal(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 rowoff, ub4 mode, bool *finished) {
    PGconn *conn = server->conn;
    Cursor *cursor = stmt->cursor;
    START_TRANSACTION(conn, query_kind(stmt, mode));
    if (rebind_prepared(server, stmt, errhp) != 0) return OCI_ERROR;
    // A statement prepared before the cursor record existed (re-prepared, or its
    // connection gone) is prepared again.
    if (!stmt->serverPrepared || cursor->stmtName.empty()) {
        const sword rc = prepare_query(server, stmt, errhp, mode);
        if (rc != OCI_SUCCESS) return rc;
    }
    ClearOCIStmtResultset(server, stmt);
    if (mode == OCI_DESCRIBE_ONLY) {
        *finished = true;
        PGresult *r = pqx::describe_prepared(conn, errhp, cursor->stmtName.c_str());
        if (PQresultStatus(r) != PGRES_COMMAND_OK) return server_failure(server, errhp, r);
        stmt->result = r;
        return OCI_SUCCESS;
    }
    ParamArrays arrays;
    const int collected = collect_binds(stmt, errhp, rowoff, &arrays);
    if (collected < 0 || collected > 1) {
        *finished = true;
        return collected;
    }
    ocitrace(TRACE_SQL, "startSelect", "stmtp(%p), svrhp(%p), conn(%p), stmt(%s)\n", static_cast<void *>(stmt),
             static_cast<void *>(server), static_cast<void *>(conn), stmt->stmtText.c_str());
    cursor->portalName = next_portal_name(false);
    ocitrace(TRACE_CURSORS, "startSelect", "opened portal %s\n", cursor->portalName.c_str());
    int sent;
    {
        pqx::NoticeScope notices(conn, errhp);
        sent = pqx::PQsendBindPrepared(conn, cursor->portalName.c_str(), cursor->stmtName.c_str(),
                                       static_cast<int>(stmt->paramCount), arrays.values.data(),
                                       arrays.lengths.data(), arrays.formats.data(), 0,
                                       mode == OCI_STMT_SCROLLABLE_READONLY);
    }
    release_binds_pgdata(stmt);
    if (!sent) {
        cursor->portalName.clear();
        return send_failure(server, errhp, PQerrorMessage(conn));
    }
    PGresult *bound = pqx::get_result(conn, errhp);
    if (PGresult *extra = pqx::get_result(conn, errhp)) {
        PQclear(extra);
        PQclear(bound);
        AddErrorRecordMsg(errhp, OCI_ERROR, "unexpected result set");
        ROLLBACK_TRANSACTION(server);
        return OCI_ERROR;
    }
    if (PQresultStatus(bound) != PGRES_COMMAND_OK) {
        cursor->portalName.clear();
        return server_failure(server, errhp, bound);
    }
    PQclear(bound);
    cursor->state = Cursor::OPEN;
    return OCI_SUCCESS;
}

sword open_declared_cursor(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 rowoff, ub4 mode,
                           bool *finished) {
    PGconn *conn = server->conn;
    Cursor *cursor = stmt->cursor;
    cursor->portalName = next_portal_name(true);
    stmt->rewrittenText = "DECLARE " + cursor->portalName +
                          (mode == OCI_STMT_SCROLLABLE_READONLY ? " SCROLL" : " NO SCROLL") + " CURSOR " +
                          "WITH HOLD " + "FOR " + server_query(stmt);
    const ub4 txMode = stmt->cursorTxMode ? stmt->cursorTxMode : server->defaultCursorTxMode;
    if (txMode != 5 && txMode != 6) START_TRANSACTION(conn, query_kind(stmt, mode));
    std::string pg_query;
    if (!rewrite(stmt, stmt->rewrittenText, &pg_query)) return AddErrorRecord(errhp, OCI_ERROR, kErrBindOrDefine), OCI_ERROR;
    ClearOCIStmtResultset(server, stmt);
    trace_rewrite(stmt, pg_query);
    ParamArrays arrays;
    const int collected = collect_binds(stmt, errhp, rowoff, &arrays);
    if (collected < 0 || collected > 1) {
        *finished = true;
        return collected;
    }
    PGresult *r = pqx::exec_params(conn, errhp, pg_query.c_str(), static_cast<int>(stmt->paramCount),
                                   types_of(stmt), arrays.values.data(), arrays.lengths.data(),
                                   arrays.formats.data(), 0);
    release_binds_pgdata(stmt);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        cursor->portalName.clear();
        return server_failure(server, errhp, r);
    }
    PQclear(r);
    stmt->serverPrepared = 1;
    cursor->state = Cursor::OPEN;
    if (txMode == 6) COMMIT_TRANSACTION(conn);
    else pqx::hold_cursor_declared(conn);
    if (mode == OCI_DESCRIBE_ONLY) *finished = true;
    return OCI_SUCCESS;
}

}  // namespace

int prepareCursor(OCIServer *server, OCIStmt *stmt, OCIError *errhp, bool reopening) noexcept {
    if (!stmt->cursor) {
        auto *cursor = new (std::nothrow) Cursor;
        if (!cursor) return -1;
        try {
            if (stmt->isRefCursor) cursor->stmtName = stmt->preparedName;
        } catch (...) {
            delete cursor;
            return -1;
        }
        auto lock = lock_statement_links(stmt);
        stmt->cursor = cursor;
    } else {
        closePortal(stmt->cursor, errhp, reopening);
    }
    auto lock = lock_statement_links(stmt);
    stmt->cursor->server = server;
    return 0;
}

sword open_query(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 rowoff, ub4 mode, bool *finished) noexcept {
    *finished = false;
    try {
        stmt->execMode = mode;
        if (prepareCursor(server, stmt, errhp, true) != 0) return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
        Cursor *cursor = stmt->cursor;
        cursor->rowsSeen = cursor->position = 0;
        // A new execution may return a different number of rows.
        cursor->lastRow = -1;
        stmt->rewrittenText.clear();
        stmt->prefetchCount = stmt->prefetchIndex = 0;
        const bool declared = stmt->cursorMode == 1 || (stmt->cursorMode == 0 && server->defaultCursorMode == 1);
        return declared ? open_declared_cursor(server, stmt, errhp, rowoff, mode, finished)
                        : open_portal(server, stmt, errhp, rowoff, mode, finished);
    } catch (...) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

}  // namespace vsk
