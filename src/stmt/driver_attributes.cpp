// Statement, bind, define and error attributes drivers read and set.
#include "env/attributes.h"
#include "env/driver_attributes.h"
#include "env/env.h"
#include "stmt/records.h"

namespace vsk {

sword driver_stmt_get(OCIStmt *stmt, void *attributep, ub4 *sizep, ub4 attrtype, OCIError *errhp) noexcept {
    (void)errhp;
    switch (attrtype) {
    case OCI_ATTR_STMT_IS_RETURNING:
        // RETURNING rows come back as a query's rows, never into binds.
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_SQL_ID:
        *static_cast<const char **>(attributep) = "";
        if (sizep) *sizep = 0;
        return OCI_SUCCESS;
    case OCI_ATTR_PARSE_ERROR_OFFSET:
        put_attr<ub2>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_PREFETCH_ROWS:
        put_attr<ub4>(attributep, sizep, stmt->prefetchRows);
        return OCI_SUCCESS;
    case OCI_ATTR_IMPLICIT_RESULT_COUNT:
        put_attr<ub4>(attributep, sizep, 0);
        return OCI_SUCCESS;
    case OCI_ATTR_NUM_DML_ERRORS:
        put_attr<ub4>(attributep, sizep, stmt->batchErrorCount);
        return OCI_SUCCESS;
    case OCI_ATTR_ROWID:
        // Rows have no row identifier to hand out.
        if (sizep) *sizep = 0;
        return OCI_NO_DATA;
    default:
        return kNotDriverAttr;
    }
}

sword driver_stmt_set(OCIStmt *stmt, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    (void)stmt, (void)attributep, (void)size, (void)errhp;
    switch (attrtype) {
    // Memory limits for prefetching and LOB prefetch sizes: rows are fetched by count.
    case OCI_ATTR_PREFETCH_MEMORY:
    case OCI_ATTR_DEFAULT_LOBPREFETCH_SIZE:
        return OCI_SUCCESS;
    default:
        return kNotDriverAttr;
    }
}

sword driver_bind_set(void *handle, void *attributep, ub4 size, ub4 attrtype, OCIError *errhp) noexcept {
    (void)attributep, (void)size, (void)errhp;
    if (!is_kind(handle, HANDLE_OCIBind) && !is_kind(handle, HANDLE_OCIDefine)) return OCI_INVALID_HANDLE;
    switch (attrtype) {
    // Server-side sizes, character-set forms and LOB prefetching: values travel whole,
    // in the connection's character set.
    case OCI_ATTR_MAXDATA_SIZE:
    case OCI_ATTR_CHARSET_FORM:
    case OCI_ATTR_CHARSET_ID:
    case OCI_ATTR_LOBPREFETCH_LENGTH:
    case OCI_ATTR_LOBPREFETCH_SIZE:
        return OCI_SUCCESS;
    default:
        return kNotDriverAttr;
    }
}

sword driver_error_get(void *attributep, ub4 *sizep, ub4 attrtype) noexcept {
    switch (attrtype) {
    case OCI_ATTR_ERROR_IS_RECOVERABLE:
        put_attr<ub1>(attributep, sizep, 0);
        return OCI_SUCCESS;
    default:
        return kNotDriverAttr;
    }
}

}  // namespace vsk
