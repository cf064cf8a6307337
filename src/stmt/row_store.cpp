#include "stmt/row_store.h"

#include <new>

#include "env/error.h"
#include "stmt/bind_values.h"

namespace vsk {

namespace {

constexpr ub4 kErrMemory = 27102;

}  // namespace

sword collect_rows(OCIStmt *stmt, OCIError *errhp, ub4 iters, ub4 rowoff, RowStore *rows, bool *warned) noexcept {
    *warned = false;
    try {
        for (ub4 i = rowoff; i < iters; ++i) {
            if (stmt->paramCount) {
                const int rc = GetOCIBindData(stmt, errhp, i);
                if (rc < 0 || rc > 1) return rc < 0 ? OCI_ERROR : rc;
                *warned = *warned || rc == 1;
            }
            rows->add_row(stmt);
        }
    } catch (const std::bad_alloc &) {
        release_binds_pgdata(stmt);
        return AddErrorRecord(errhp, OCI_ERROR, kErrMemory), OCI_ERROR;
    }
    release_binds_pgdata(stmt);
    return OCI_SUCCESS;
}

}  // namespace vsk
