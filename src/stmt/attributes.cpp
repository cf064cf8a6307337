// Attributes of statements, transactions, binds and defines.
#include <cstdlib>
#include <cstring>

#include "env/attributes.h"
#include "env/driver_attributes.h"
#include "env/env.h"
#include "stmt/records.h"

namespace vsk {

namespace {

bool valid_cursor_tx_mode(ub4 v) noexcept { return v == 0 || v == 5 || v == 6; }

// Rows seen on an open cursor, else the rows a DML execution processed, else the rows
// or affected rows of the last result, else the rows of the last array operation.
ub8 row_count(const OCIStmt *stmt) noexcept {
    if (stmt->cursor && stmt->cursor->state != Cursor::CLOSED) return stmt->cursor->rowsSeen;
    // Every iteration of the last execution: the rows each one processed, added up.
    if (stmt->stmtType == OCI_STMT_INSERT || stmt->stmtType == OCI_STMT_UPDATE || stmt->stmtType == OCI_STMT_DELETE)
        return stmt->rowCount;
    if (stmt->result) {
        if (PQnfields(stmt->result) > 0) return static_cast<ub4>(PQntuples(stmt->result));
        return static_cast<ub4>(std::strtoul(PQcmdTuples(stmt->result), nullptr, 10));
    }
    return stmt->rowCount;
}

// OCI_STMT_STATE_INITIALIZED, _EXECUTED, _END_OF_FETCH.
ub4 statement_state(const OCIStmt *stmt) noexcept {
    if (!stmt->executed) return 1;
    if (stmt->stmtType == OCI_STMT_SELECT && stmt->cursor && stmt->cursor->state == Cursor::OPEN) return 2;
    return 3;
}

}  // namespace

sword Get_OCIStmt(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError) || !attributep) return OCI_INVALID_HANDLE;
    auto *stmt = static_cast<OCIStmt *>(h);
    switch (attrtype) {
    case OCI_ATTR_ENV:
        *static_cast<void **>(attributep) = stmt->hdr.parenth;
        return OCI_SUCCESS;
    case OCI_ATTR_ROW_COUNT:
        put_attr<ub4>(attributep, sizep, static_cast<ub4>(row_count(stmt)));
        return OCI_SUCCESS;
    case OCI_ATTR_UB8_ROW_COUNT:
        put_attr<ub8>(attributep, sizep, row_count(stmt));
        return OCI_SUCCESS;
    case OCI_ATTR_DML_ROW_COUNT_ARRAY:
        // The counts stay the statement's, valid until its next execution.
        *static_cast<ub8 **>(attributep) = stmt->rowCounts.empty() ? nullptr : stmt->rowCounts.data();
        if (sizep) *sizep = static_cast<ub4>(stmt->rowCounts.size());
        return OCI_SUCCESS;
    case OCI_ATTR_PARAM_COUNT:
        put_attr<ub4>(attributep, sizep,
                      stmt->stmtType == OCI_STMT_SELECT && stmt->result ? PQnfields(stmt->result) : 0);
        return OCI_SUCCESS;
    case OCI_ATTR_ROWS_FETCHED:
        put_attr<ub4>(attributep, sizep, stmt->result ? stmt->rowsFetched : 0);
        return OCI_SUCCESS;
    case OCI_ATTR_CURRENT_POSITION:
        put_attr<ub4>(attributep, sizep, stmt->cursor ? stmt->cursor->position : 0);
        return OCI_SUCCESS;
    case OCI_ATTR_STMT_STATE:
        put_attr<ub4>(attributep, sizep, statement_state(stmt));
        return OCI_SUCCESS;
    case OCI_ATTR_STMT_TYPE:
        // The library's own statement types (65000 and up) are not OCI types.
        put_attr<ub2>(attributep, sizep, stmt->stmtType >= 65000 ? 0 : stmt->stmtType);
        return OCI_SUCCESS;
    case OCI_ATTR_STATEMENT: {  // valid until the statement is freed
        auto *copy = static_cast<char *>(AllocateMemFromStmtCache(stmt, stmt->stmtText.size() + 1));
        if (!copy) return refuse_attr(errhp, 16506);
        std::memcpy(copy, stmt->stmtText.c_str(), stmt->stmtText.size() + 1);
        *static_cast<char **>(attributep) = copy;
        if (sizep) *sizep = static_cast<ub4>(stmt->stmtText.size());
        return OCI_SUCCESS;
    }
    case OCI_ATTR_CURSOR_MODE:
        put_attr<ub4>(attributep, sizep, stmt->cursorMode);
        return OCI_SUCCESS;
    case OCI_ATTR_CURSOR_TX_MODE:
        put_attr<ub4>(attributep, sizep, stmt->cursorTxMode);
        return OCI_SUCCESS;
    default: {
        sword rc = driver_stmt_get(stmt, attributep, sizep, attrtype, errhp);
        return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrValueInvalid) : rc;
    }
    }
}

sword Set_OCIStmt(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError) || !attributep) return OCI_ERROR;
    auto *stmt = static_cast<OCIStmt *>(h);
    ub4 v = read_attr<ub4>(attributep);
    switch (attrtype) {
    case OCI_ATTR_PREFETCH_ROWS:
        stmt->prefetchRows = v;
        return OCI_SUCCESS;
    case OCI_ATTR_CURSOR_MODE:
        if (v >= 3) break;
        stmt->cursorMode = v;
        return OCI_SUCCESS;
    case OCI_ATTR_CURSOR_TX_MODE:
        if (!valid_cursor_tx_mode(v)) break;
        stmt->cursorTxMode = v;
        return OCI_SUCCESS;
    default: {
        sword rc = driver_stmt_set(stmt, attributep, size, attrtype, errhp);
        if (rc != kNotDriverAttr) return rc;
        break;
    }
    }
    return refuse_attr(errhp, kErrAttrValueInvalid);
}

sword Get_OCITrans(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCITrans) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *trans = static_cast<OCITrans *>(h);
    if (!attributep) return refuse_attr(errhp, kErrAttrInvalid);
    switch (attrtype) {
    case OCI_ATTR_XID:
        *static_cast<XID **>(attributep) = trans->xid;
        if (sizep) *sizep = sizeof(XID);
        return OCI_SUCCESS;
    case OCI_ATTR_TRANS_NAME:
        *static_cast<char **>(attributep) = trans->xid ? trans->xid->data : nullptr;
        if (sizep)
            *sizep = trans->xid ? static_cast<ub4>(trans->xid->gtrid_length + trans->xid->bqual_length) : sizeof(XID);
        return OCI_SUCCESS;
    case OCI_ATTR_TRANS_TIMEOUT:
        put_attr<ub4>(attributep, sizep, trans->timeout);
        return OCI_SUCCESS;
    default:
        return refuse_attr(errhp, kErrAttrInvalid);
    }
}

sword Set_OCITrans(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCITrans) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    auto *trans = static_cast<OCITrans *>(h);
    if (!attributep) return refuse_attr(errhp, kErrAttrInvalid);
    switch (attrtype) {
    case OCI_ATTR_XID:
    case OCI_ATTR_TRANS_NAME: {
        if (attrtype == OCI_ATTR_XID && size != sizeof(XID)) return refuse_attr(errhp, kErrAttrSize);
        if (!trans->xid && !(trans->xid = static_cast<XID *>(alloc_zeroed(sizeof(XID)))))
            return refuse_attr(errhp, 16506);
        if (attrtype == OCI_ATTR_XID) {
            std::memcpy(trans->xid, attributep, sizeof(XID));
        } else {
            std::size_t n = size < XIDDATASIZE ? size : XIDDATASIZE;
            std::memset(trans->xid, 0, sizeof(XID));
            trans->xid->gtrid_length = static_cast<long>(n);
            std::memcpy(trans->xid->data, attributep, n);
        }
        return OCI_SUCCESS;
    }
    case OCI_ATTR_TRANS_TIMEOUT:
        trans->timeout = read_attr<ub4>(attributep);
        return OCI_SUCCESS;
    default:
        return refuse_attr(errhp, kErrAttrInvalid);
    }
}

sword Get_OCIBind(void *, void *, ub4 *, ub4, OCIError *) noexcept { return OCI_ERROR; }

// Error handles answer what an array DML with OCI_BATCH_ERRORS left on them.
sword Get_OCIError(void *h, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    if (!is_kind(h, HANDLE_OCIError) || !attributep) return OCI_INVALID_HANDLE;
    auto *err = static_cast<OCIError *>(h);
    switch (attrtype) {
    case OCI_ATTR_NUM_DML_ERRORS:
        put_attr<ub4>(attributep, sizep, static_cast<ub4>(err->batchErrors.size()));
        return OCI_SUCCESS;
    case OCI_ATTR_DML_ROW_OFFSET:
        put_attr<ub4>(attributep, sizep, err->dmlRowOffset);
        return OCI_SUCCESS;
    default: {
        sword rc = driver_error_get(attributep, sizep, attrtype);
        return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrInvalid) : rc;
    }
    }
}
sword Set_OCIBind(void *h, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    sword rc = driver_bind_set(h, attributep, size, attrtype, errhp);
    return rc == kNotDriverAttr ? refuse_attr(errhp, kErrAttrValueInvalid) : rc;
}

}  // namespace vsk
