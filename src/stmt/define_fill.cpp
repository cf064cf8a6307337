#include "stmt/define_fill.h"

#include <memory>
#include <string>

#include "connect/server_connection.h"
#include "env/error.h"
#include "env/trace.h"
#include "stmt/elements.h"
#include "stmt/piecewise.h"
#include "stmt/records.h"
#include "types/conversion_dispatch.h"
#include "types/conversion_support.h"
#include "types/session_dates.h"
#include "types/text_fetch.h"
#include "types/value_owner.h"

namespace vsk {

namespace {

constexpr ub4 kErrNoDefine = 24374;

// What every value of one column needs, found once per batch.
struct Column {
    OCIDefine *define;
    int index;
    Oid type;
    int format;
    FetchConversion conversion;
    bool traced;
    // The session's date format, for date and timestamp values going to character targets.
    const char *dateFormat;
    // For the raw type lookup of values handed to output callbacks.
    PGconn *conn;
};

PGconn *connection_of(const OCIStmt *stmt) {
    const OCIServer *server = server_of(stmt->svcctx);
    return server ? server->conn : nullptr;
}

Column column_of(OCIDefine *d, const PGresult *result, int c, const char *sessionFormat, PGconn *conn) {
    const Oid type = PQftype(result, c);
    return Column{d,    c, type, conversion_format(type, PQfformat(result, c)), findPQToOCIConversion(type, d->dty, nullptr),
                  ocitracing(TRACE_DEFINE), renders_session_date(type, d->dty) ? sessionFormat : nullptr, conn};
}

// A value that was NULL without an indicator to say so: 1405 is recorded, the other
// values are still delivered, and the call fails once they are.
constexpr sword kNullWithoutIndicator = -1405;

// The conversion's result, with a NULL that had no indicator told apart.
sword value_result(int rc, const sb2 *ind, ub2 rcode) {
    return null_without_indicator(rc, ind, rcode) ? kNullWithoutIndicator : rc;
}

// Row r of the column into element j of its define.
sword fill_one(OCIError *errhp, const Column &col, const PGresult *result, int r, ub4 j) {
    OCIDefine *d = col.define;
    const int c = col.index;
    if (d->dynamic) {
        const int rc = call_define_callback(d, errhp, result, j, r, c, col.conn);
        return rc == -2 ? OCI_ERROR : rc;
    }
    const char *value = PQgetvalue(result, r, c);
    int length = PQgetlength(result, r, c);
    int format = col.format;
    std::string rendered;
    const bool isNull = PQgetisnull(result, r, c) != 0;
    if (col.dateFormat && !isNull) {
        if (!render_session_date(errhp, col.dateFormat, value, length, format, &rendered)) return OCI_ERROR;
        value = rendered.c_str();
        length = static_cast<int>(rendered.size());
        format = 0;
    }
    if (col.traced) {
        if (format == 1) ocitracehex(TRACE_DEFINE, "filldefine", value, static_cast<std::size_t>(length));
        else ocitrace(TRACE_DEFINE, "filldefine", "%s\n", value);
    }
    void *dest = array_element(static_cast<char *>(d->valuep), j, d->value_sz, d->skipSet, d->pvskip);
    ub4 len = d->value_sz;
    sb2 *ind = array_element(d->indp, j, sizeof(sb2), d->skipSet, d->indskip);
    ub2 own_rcode = 0;
    ub2 *rcode = array_element(d->rcodep, j, sizeof(ub2), d->skipSet, d->rcskip);
    if (!rcode) rcode = &own_rcode;
    const int rc = PQ2OCIType_with(col.conversion, errhp, col.type, value, length, format, d->dty, dest, &len,
                                   ind, rcode, isNull);
    if (LengthSlot rlen = length_slot(d->rlenp, d->wideLengths, j, d->skipSet, d->rlskip)) rlen.set(len);
    return value_result(rc, ind, *rcode);
}

// Text into SQLT_STR without transcoding, the commonest pair: each value as
// ConvertTEXTOIDToSQLT_STR writes it, with the dispatch and the environment lookup done
// once for the column instead of once per value.
bool plain_text_column(const Column &col, const OCIEnv *env, const OCIError *errhp) {
    const OCIDefine *d = col.define;
    return col.conversion == ConvertTEXTOIDToSQLT_STR && col.format == 0 && !col.traced && !d->dynamic &&
           d->valuep && errhp && !transcoding(env);
}

sword fill_plain_text(OCIError *errhp, const OCIEnv *env, const Column &col, const PGresult *result, int r,
                      ub4 j) {
    OCIDefine *d = col.define;
    const int c = col.index;
    void *dest = array_element(static_cast<char *>(d->valuep), j, d->value_sz, d->skipSet, d->pvskip);
    sb2 *ind = array_element(d->indp, j, sizeof(sb2), d->skipSet, d->indskip);
    ub2 own_rcode = 0;
    ub2 *rcode = array_element(d->rcodep, j, sizeof(ub2), d->skipSet, d->rcskip);
    if (!rcode) rcode = &own_rcode;
    ub4 len = d->value_sz;
    int rc;
    if (PQgetisnull(result, r, c)) {
        rc = null_result(errhp, ind, rcode);
    } else {
        *rcode = 0;
        rc = plain_text_to_str(env, errhp, PQgetvalue(result, r, c), PQgetlength(result, r, c), 0, dest, &len, ind,
                               rcode);
        mark_truncated(rc, ind, rcode);
    }
    if (LengthSlot rlen = length_slot(d->rlenp, d->wideLengths, j, d->skipSet, d->rlskip)) rlen.set(len);
    return value_result(rc, ind, *rcode);
}

// The statement's current result as the owner of the values converted from it.
class ResultValues final : public ValueOwner {
public:
    ResultValues(OCIStmt *stmt, const PGresult *result) noexcept : stmt_(stmt), result_(result) {}
    std::shared_ptr<const void> share() noexcept override {
        return stmt_->result == result_ ? share_result(stmt_) : nullptr;
    }

private:
    OCIStmt *stmt_;
    const PGresult *result_;
};

}  // namespace

OCIDefine *find_define(const OCIStmt *stmt, int column) noexcept {
    for (OCIDefine *d : stmt->defines)
        if (d->position == static_cast<ub4>(column + 1)) return d;
    return nullptr;
}

const char *session_format_of(const OCIStmt *stmt) noexcept {
    const OCIServer *server = server_of(stmt->svcctx);
    return server ? session_date_format(server->conn) : nullptr;
}

sword fill_define_buffers(OCIError *errhp, OCIStmt *stmt, const PGresult *result, ub4 nrows, ub4 *resultRow,
                          ub4 *rowsFetched, bool *delivered) noexcept {
    if (delivered) *delivered = false;
    if (stmt->defines.empty() || !result || nrows == 0 || !rowsFetched || !resultRow)
        return AddErrorRecord(errhp, OCI_ERROR, kErrNoDefine), OCI_ERROR;
    const int rows = PQntuples(result);
    // Every column starts from the same row; the first one moves the batch on.
    const ub4 start = *resultRow;
    *rowsFetched = rows > static_cast<int>(start) ? static_cast<ub4>(rows) - start : 0;
    sword result_code = OCI_SUCCESS;
    bool warned = false, null_missed = false;
    const OCIEnv *env = conversion_env(errhp);
    const char *sessionFormat = session_format_of(stmt);
    ResultValues values(stmt, result);
    const ValueOwnerScope owner(&values);
    for (int c = 0; c < PQnfields(result); ++c) {
        OCIDefine *d = find_define(stmt, c);
        if (!d) break;
        sword rc = OCI_SUCCESS;
        ub4 j = 0;
        const Column col = column_of(d, result, c, sessionFormat, connection_of(stmt));
        const bool plain = plain_text_column(col, env, errhp);
        for (ub4 r = start; r < static_cast<ub4>(rows) && j < nrows; ++r, ++j) {
            rc = plain ? fill_plain_text(errhp, env, col, result, static_cast<int>(r), j)
                       : fill_one(errhp, col, result, static_cast<int>(r), j);
            if (rc == kNullWithoutIndicator) {
                null_missed = true;
                rc = OCI_SUCCESS;
            }
            if (rc == OCI_SUCCESS_WITH_INFO) warned = true;
            if (c == 0) ++*resultRow;
            if (rc < 0) break;
        }
        if (j == nrows && start + j < static_cast<ub4>(rows)) *rowsFetched = j;
        result_code = rc < 0 ? rc : (j < nrows ? OCI_NO_DATA : rc);
        if (rc < 0) break;
    }
    if (result_code < 0) return result_code;
    if (delivered) *delivered = true;
    if (null_missed) return OCI_ERROR;
    // A truncation in any column is reported, not only one in the last.
    return result_code == OCI_SUCCESS && warned ? OCI_SUCCESS_WITH_INFO : result_code;
}

sword fill_define_buffers_prefetch(OCIError *errhp, OCIStmt *stmt, const PGresult *result, ub4 *resultRow,
                                   ub4 *rowsFetched, ub4 prefetchIndex) noexcept {
    if (stmt->defines.empty() || !result) return OCI_NO_DATA;
    if (static_cast<int>(prefetchIndex) >= PQntuples(result)) return OCI_NO_DATA;
    sword rc = OCI_SUCCESS;
    bool warned = false, null_missed = false;
    ResultValues values(stmt, result);
    const ValueOwnerScope owner(&values);
    for (int c = 0; c < PQnfields(result); ++c) {
        OCIDefine *d = find_define(stmt, c);
        if (!d) break;
        rc = fill_one(errhp, column_of(d, result, c, session_format_of(stmt), connection_of(stmt)), result,
                      static_cast<int>(prefetchIndex), 0);
        if (rc == kNullWithoutIndicator) {
            null_missed = true;
            rc = OCI_SUCCESS;
        }
        if (rc == OCI_SUCCESS_WITH_INFO) warned = true;
        if (rc < 0) break;
    }
    if (rc >= 0 && null_missed) rc = OCI_ERROR;
    else if (rc == OCI_SUCCESS && warned) rc = OCI_SUCCESS_WITH_INFO;
    if (resultRow) *resultRow = prefetchIndex + 1;
    if (rowsFetched) *rowsFetched = 1;
    return rc;
}

}  // namespace vsk
