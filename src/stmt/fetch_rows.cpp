// Batches of rows from a query's server cursor: the first one at execution, later ones
// per fetch call with scrolling by MOVE, and prefetched batches handed out row by row.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "connect/records.h"
#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "pqx/extended.h"
#include "pqx/pg_error.h"
#include "pqx/server_listings.h"
#include "stmt/cursors.h"
#include "stmt/define_fill.h"
#include "stmt/execute.h"
#include "stmt/implicit_tx.h"
#include "stmt/records.h"
#include "stmt/result_format.h"

namespace vsk {

namespace {

constexpr ub4 kErrNotOpen = 1001;
constexpr ub4 kErrExactFetch = 1422;
constexpr ub4 kErrFetchIllegal = 24391;
constexpr ub4 kErrServiceHandle = 24324;
constexpr ub4 kErrNoMemory = 16506;

const std::string &fetch_name(const Cursor *cursor) {
    return cursor->portalName.empty() ? cursor->stmtName : cursor->portalName;
}

void drop_batch(OCIStmt *stmt) {
    drop_result(stmt);
    PQclear(stmt->outResult);
    stmt->outResult = nullptr;
}

// A batch without rows still tells the query's columns: it stays for describe.
void end_of_rows(OCIStmt *stmt) {
    PQclear(stmt->outResult);
    stmt->outResult = nullptr;
}

// Sends a FETCH of count rows and reads its one result into stmt->result. 0, or -1 with
// the failure recorded and the transaction rolled back.
int fetchRows(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 count) {
    PGconn *conn = server->conn;
    const int n = static_cast<int>(std::min<ub4>(count, 0x7fffffff));
    int sent;
    {
        pqx::NoticeScope notices(conn, errhp);
        sent = pqx::PQsendFetchPrepared(conn, fetch_name(stmt->cursor).c_str(), n,
                                        result_format(stmt, pqx::prepared_columns(conn, stmt->cursor->stmtName.c_str())));
    }
    if (!sent) {
        send_failure(server, errhp, "PQsendFetchPrepared failed");
        return -1;
    }
    PGresult *r = pqx::get_result(conn, errhp);
    if (PQresultStatus(r) == PGRES_TUPLES_OK) stmt->prefetchCount = static_cast<ub4>(PQntuples(r));
    if (PGresult *extra = pqx::get_result(conn, errhp)) {
        while (PGresult *more = pqx::get_result(conn, errhp)) PQclear(more);
        PQclear(extra);
        PQclear(r);
        AddErrorRecordMsg(errhp, OCI_ERROR, "unexpected result set");
        ROLLBACK_TRANSACTION(server);
        return -1;
    }
    if (PQresultStatus(r) != PGRES_TUPLES_OK) {
        const char *msg = PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY);
        ocitrace(TRACE_SQL, "fetchRows", "FAILED - %s\n", msg ? msg : "");
        AddPGErrorRecord(errhp, OCI_ERROR, r);
        PQclear(r);
        ROLLBACK_TRANSACTION(server);
        return -1;
    }
    stmt->result = r;
    return 0;
}

// "MOVE ABSOLUTE n" on the cursor; false with the failure recorded.
bool move_absolute(OCIServer *server, OCIStmt *stmt, OCIError *errhp, std::int64_t row) {
    PGconn *conn = server->conn;
    const std::string name = pqx::quote_identifier(conn, fetch_name(stmt->cursor));
    PGresult *r = execSimpleCommand(conn, ("MOVE ABSOLUTE " + std::to_string(row) + " IN " + name).c_str(), errhp);
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok) {
        AddPGErrorRecord(errhp, OCI_ERROR, r);
        ROLLBACK_TRANSACTION(server);
    }
    PQclear(r);
    return ok;
}

// Finds the cursor's last row (MOVE FORWARD ALL) once; -1 with the failure recorded.
std::int64_t last_row(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    Cursor *cursor = stmt->cursor;
    if (cursor->lastRow >= 0) return cursor->lastRow;
    PGconn *conn = server->conn;
    const std::string name = pqx::quote_identifier(conn, fetch_name(cursor));
    PGresult *r = execSimpleCommand(conn, ("MOVE FORWARD ALL IN " + name).c_str(), errhp);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        AddPGErrorRecord(errhp, OCI_ERROR, r);
        PQclear(r);
        ROLLBACK_TRANSACTION(server);
        return -1;
    }
    // The command status is "MOVE <rows>".
    const char *status = PQcmdStatus(r);
    const char *blank = status ? std::strchr(status, ' ') : nullptr;
    const long long moved = blank ? std::strtoll(blank + 1, nullptr, 10) : 0;
    PQclear(r);
    cursor->position += static_cast<ub4>(moved);
    cursor->lastRow = static_cast<sb4>(cursor->position);
    return cursor->lastRow;
}

void trace_batch(const OCIStmt *stmt) {
    const PGresult *r = stmt->result;
    ocitrace(TRACE_FETCH, "doFetch", "stmtp(%p) ntuples(%d) nfields(%d) cmdtuples(%s) cmdstatus(%s)\n",
             static_cast<const void *>(stmt), PQntuples(r), PQnfields(r), r ? PQcmdTuples(const_cast<PGresult *>(r)) : "",
             r ? PQcmdStatus(const_cast<PGresult *>(r)) : "");
}

sword fetch_failed(const OCIStmt *stmt) {
    ocitrace(TRACE_FETCH, "doFetch", "stmtp(%p) failed\n", static_cast<const void *>(stmt));
    return OCI_ERROR;
}

// nrows 0: the application is done with the cursor.
sword cancel_fetch(OCIServer *server, OCIStmt *stmt, OCIError *errhp) {
    pqx::trace_server_objects(server->conn, "nrows = 0, before");
    const int rc = prepareCursor(server, stmt, errhp);
    pqx::trace_server_objects(server->conn, "nrows = 0, after");
    stmt->prefetchIndex = stmt->prefetchCount;
    stmt->cursor->position = 0;
    if (rc != 0) {
        ROLLBACK_TRANSACTION(server);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

// The first row of the next batch; 0 when no row can be fetched, -1 on failure.
std::int64_t start_row(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub2 orientation, sb4 offset) {
    const std::int64_t p = stmt->cursor->position;
    switch (orientation) {
    case OCI_FETCH_CURRENT: return p;
    case OCI_FETCH_FIRST: return 1;
    case OCI_FETCH_PRIOR: return p - 1;
    case OCI_FETCH_RELATIVE: return p + offset;
    case OCI_FETCH_ABSOLUTE: return offset > 0 ? offset : 0;
    case OCI_FETCH_LAST: return last_row(server, stmt, errhp);
    default: return p + 1;
    }
}

}  // namespace

sword fetchResults(OCIServer *server, OCIStmt *stmt, OCIError *errhp, ub4 iters) noexcept {
    PGconn *conn = server->conn;
    Cursor *cursor = stmt->cursor;
    if (!cursor) return AddErrorRecord_MSG(errhp, OCI_ERROR, kErrNotOpen), OCI_ERROR;
    ocitrace(TRACE_SQL, "fetchResults", "stmtp(%p), svrhp(%p), conn(%p), stmt(%s)\n", static_cast<void *>(stmt),
             static_cast<void *>(server), static_cast<void *>(conn), stmt->stmtText.c_str());
    if (fetchRows(server, stmt, errhp, first_batch_size(stmt, iters)) != 0) return OCI_ERROR;
    return deliver_first_batch(stmt, errhp, iters);
}

ub4 first_batch_size(OCIStmt *stmt, ub4 iters) noexcept {
    if (stmt->execMode == OCI_EXACT_FETCH) {
        stmt->prefetchRows = 0;
        return iters + 1;
    }
    return stmt->prefetchRows && iters == 1 ? stmt->prefetchRows : iters;
}

sword deliver_first_batch(OCIStmt *stmt, OCIError *errhp, ub4 iters) noexcept {
    Cursor *cursor = stmt->cursor;
    const bool exact = stmt->execMode == OCI_EXACT_FETCH;
    ocitrace(TRACE_FETCH, "fetchResults", "stmtp(%p) ntuples(%d) nfields(%d)\n", static_cast<void *>(stmt),
             PQntuples(stmt->result), PQnfields(stmt->result));
    const sword warned = with_notices(errhp, OCI_SUCCESS);
    const ub4 rows = static_cast<ub4>(PQntuples(stmt->result));
    if (rows == 0) {
        end_of_rows(stmt);
        cursor->state = Cursor::EXHAUSTED;
        stmt->rowsFetched = 0;
        stmt->executed = 1;
        return OCI_NO_DATA;
    }
    cursor->position += rows;
    cursor->rowsSeen = std::max(cursor->rowsSeen, cursor->position);
    stmt->resultRow = 0;
    bool delivered = false;
    sword rc =
        fill_define_buffers(errhp, stmt, stmt->result, iters, &stmt->resultRow, &stmt->rowsFetched, &delivered);
    if (exact && rows == iters + 1) {
        AddErrorRecord_MSG(errhp, OCI_ERROR, kErrExactFetch);
        drop_batch(stmt);
        return OCI_ERROR;
    }
    // Rows already handed out: later single-row fetches continue after them.
    stmt->prefetchIndex = stmt->resultRow;
    if (rc == OCI_SUCCESS) rc = warned;
    // A NULL without an indicator fails the call, but the rows are there and the
    // cursor goes on.
    if (delivered) stmt->executed = 1;
    return rc;
}

sword doFetch(OCIStmt *stmt, OCIError *errhp, ub4 nrows, ub2 orientation, sb4 fetchOffset) noexcept {
    Cursor *cursor = stmt->cursor;
    if (!cursor) return AddErrorRecord_MSG(errhp, OCI_ERROR, kErrNotOpen), OCI_ERROR;
    OCIServer *server = cursor->server;
    if (!is_kind(server, HANDLE_OCIServer) || !server->conn)
        return AddErrorRecord(errhp, OCI_ERROR, kErrServiceHandle), OCI_ERROR;
    try {
        const bool scrollable = stmt->execMode == OCI_STMT_SCROLLABLE_READONLY;
        if (!scrollable && orientation != 0 && orientation != OCI_FETCH_NEXT)
            return AddErrorRecord(errhp, OCI_ERROR, kErrFetchIllegal), OCI_ERROR;
        if (stmt->prefetchRows == 0 || stmt->prefetchIndex >= stmt->prefetchCount) ClearOCIStmtResultset(server, stmt);
        if (nrows == 0) return cancel_fetch(server, stmt, errhp);

        const bool prefetching = stmt->prefetchRows > 0 && nrows == 1;
        const bool fromBatch = prefetching && stmt->result && stmt->prefetchIndex < stmt->prefetchCount &&
                               (orientation == 0 || orientation == OCI_FETCH_NEXT);
        if (!fromBatch) {
            ClearOCIStmtResultset(server, stmt);
            stmt->prefetchIndex = stmt->prefetchCount = 0;
            const std::int64_t s = start_row(server, stmt, errhp, orientation, fetchOffset);
            if (s < 0) return fetch_failed(stmt);
            if (s > 0) {
                if (s != static_cast<std::int64_t>(cursor->position) + 1 || orientation == OCI_FETCH_FIRST) {
                    // From the start, so that a cursor past its end is positioned as well.
                    PQclear(execSimpleCommand(server->conn,
                                              ("MOVE ABSOLUTE 0 IN " +
                                               pqx::quote_identifier(server->conn, fetch_name(cursor))).c_str(),
                                              errhp));
                    if (!move_absolute(server, stmt, errhp, s - 1)) return fetch_failed(stmt);
                    cursor->position = static_cast<ub4>(s - 1);
                }
                if (fetchRows(server, stmt, errhp, prefetching ? stmt->prefetchRows : nrows) != 0)
                    return fetch_failed(stmt);
            }
        }
        if (stmt->result) trace_batch(stmt);
        const ub4 rows = stmt->result ? static_cast<ub4>(PQntuples(stmt->result)) : 0;
        if (rows == 0) {
            end_of_rows(stmt);
            cursor->state = Cursor::EXHAUSTED;
            stmt->rowsFetched = 0;
            return OCI_NO_DATA;
        }
        const sword warned = with_notices(errhp, OCI_SUCCESS);
        if (!fromBatch) {
            // The server cursor now stands on the batch's last row.
            cursor->position += rows;
            cursor->rowsSeen = std::max(cursor->rowsSeen, cursor->position);
            stmt->resultRow = 0;
        }
        sword rc;
        if (prefetching) {
            rc = fill_define_buffers_prefetch(errhp, stmt, stmt->result, &stmt->resultRow, &stmt->rowsFetched,
                                              stmt->prefetchIndex);
            stmt->prefetchIndex += 1;
        } else {
            rc = fill_define_buffers(errhp, stmt, stmt->result, nrows, &stmt->resultRow, &stmt->rowsFetched);
            stmt->prefetchIndex = stmt->resultRow;
        }
        if (rc == OCI_NO_DATA && orientation == OCI_FETCH_LAST && stmt->rowsFetched) rc = OCI_SUCCESS;
        return rc == OCI_SUCCESS ? warned : rc;
    } catch (...) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoMemory), OCI_ERROR;
    }
}

}  // namespace vsk
