#include "stmt/bind_values.h"

#include <cstdlib>
#include <string>

#include "env/error.h"
#include "env/trace.h"
#include "pqx/extended.h"
#include "stmt/define_fill.h"
#include "stmt/elements.h"
#include "stmt/execute.h"
#include "stmt/piecewise.h"
#include "stmt/records.h"
#include "stmt/session_date_binds.h"
#include "types/conversion_dispatch.h"
#include "types/conversion_support.h"
#include "types/lob_values.h"
#include "types/session_dates.h"

namespace vsk {

namespace {

constexpr ub4 kErrBufferInvalid = 16530;
constexpr int kNeedData = OCI_NEED_DATA;

char *value_element(const OCIBind *b, ub4 i) {
    return array_element(static_cast<char *>(b->valuep), i, b->value_sz, b->skipSet, b->pvskip);
}
sb2 *indicator_element(const OCIBind *b, ub4 i) { return array_element(b->indp, i, sizeof(sb2), b->skipSet, b->indskip); }
LengthSlot length_element(const OCIBind *b, ub4 i) { return length_slot(b->alenp, b->wideLengths, i, b->skipSet, b->alskip); }
ub2 *rcode_element(const OCIBind *b, ub4 i) { return array_element(b->rcodep, i, sizeof(ub2), b->skipSet, b->rcskip); }

bool is_string_type(ub2 dty) { return dty == SQLT_STR || dty == SQLT_AFC || dty == SQLT_AVC; }

// A missing buffer is NULL; so is an empty length, except for the string types.
void apply_null_rule(const OCIBind *b, const char *elem, ub4 length, sb2 *ind) {
    if (*ind == -1) return;
    if (!(elem && (is_string_type(b->dty) || length != 0))) *ind = -1;
}

// The bind's converted value goes (unless a locator lent it).
void drop_value(OCIBind *b) {
    if (!b->pgBorrowed) std::free(b->pgValue);
    b->pgValue = nullptr;
    b->pgLength = 0;
    b->pgBorrowed = 0;
}

int fail(OCIStmt *stmt, int rc) {
    release_binds_pgdata(stmt);
    return rc;
}

// One server value into element i of a bind; the produced length goes to its length
// array. A NULL without an indicator to go to sets *nullMissed.
int write_out_value(OCIStmt *stmt, OCIError *errhp, OCIBind *b, const PGresult *r, int column, ub4 i,
                    bool *nullMissed) {
    const char *value = PQgetvalue(r, 0, column);
    int length = PQgetlength(r, 0, column);
    int format = PQfformat(r, column);
    const bool isNull = PQgetisnull(r, 0, column) != 0;
    std::string rendered;
    const char *sessionFormat = renders_session_date(PQftype(r, column), b->dty) ? session_format_of(stmt) : nullptr;
    if (sessionFormat && !isNull) {
        if (!render_session_date(errhp, sessionFormat, value, length, format, &rendered)) return -1;
        value = rendered.c_str();
        length = static_cast<int>(rendered.size());
        format = 0;
    }
    ocitrace(TRACE_DEFINE, "filldefine", "%.*s\n", length, value);
    void *dest = b->dty == SQLT_RSET ? b->valuep : value_element(b, i);
    ub4 len = b->value_sz;
    sb2 *ind = indicator_element(b, i);
    ub2 own_rcode = 0;
    ub2 *rcode = rcode_element(b, i);
    if (!rcode) rcode = &own_rcode;
    const int rc = PQ2OCIType(errhp, PQftype(r, column), value, length, format, b->dty, dest, &len,
                              ind, rcode, isNull);
    if (null_without_indicator(rc, ind, *rcode)) *nullMissed = true;
    if (rc <= 1) {
        // A NULL leaves the length as it was.
        LengthSlot alen = length_element(b, i);
        if (alen && !PQgetisnull(r, 0, column)) alen.set(len);
        if (b->dty == SQLT_RSET && rc >= 0) InitializeChildStmt(static_cast<OCIStmt *>(b->valuep), stmt);
    }
    return rc;
}

}  // namespace

int GetOCIBindData(OCIStmt *stmt, OCIError *errhp, ub4 iteration) noexcept {
    int result = 0;
    for (OCIBind *b : stmt->binds) {
        if (b == stmt->returnBind) continue;
        drop_value(b);
        b->pgFormat = 0;
        ocitrace(TRACE_BIND, "GetOCIBindData", "processing parameter %s\n", b->name.c_str());
        if (b->dataAtExec) {
            // The value comes from the input callback, in one piece or several.
            result = gather_bind_input(errhp, b, iteration);
            if (result == kNeedData) return fail(stmt, kNeedData);
            if (result > 1 || result < 0) return fail(stmt, result < 0 ? -1 : result);
            if (read_bind_date(stmt, errhp, b) != 0) return fail(stmt, -1);
            continue;
        }
        if (is_locator_type(b->dty)) {
            sb2 *ind = indicator_element(b, iteration);
            bool borrowed = false;
            result = lob_bind_value(errhp, b->dty, value_element(b, iteration), ind ? *ind : 0, &b->pgValue,
                                    &b->pgLength, &b->pgFormat, &borrowed);
            b->pgBorrowed = borrowed;
            if (result != 0) return fail(stmt, -1);
            continue;
        }
        const char *elem = value_element(b, iteration);
        sb2 local = 0;
        sb2 *ind = indicator_element(b, iteration);
        if (!ind) ind = &local;
        if (LengthSlot alen = length_element(b, iteration)) {
            apply_null_rule(b, elem, alen.get(), ind);
            result = OCI2PQType(errhp, b->dty, elem, alen.get(), ind, b->pgType, &b->pgValue, &b->pgLength, &b->pgFormat);
            if (result > 1 || result < 0) return fail(stmt, result);
            if (read_bind_date(stmt, errhp, b) != 0) return fail(stmt, -1);
            continue;
        }
        if (b->dty == SQLT_RSET) continue;
        apply_null_rule(b, elem, b->value_sz, ind);
        result = OCI2PQType(errhp, b->dty, elem, b->value_sz, ind, b->pgType, &b->pgValue, &b->pgLength, &b->pgFormat);
        if (result > 1 || result < 0) {
            AddErrorRecord(errhp, OCI_ERROR, kErrBufferInvalid);
            return fail(stmt, result);
        }
        if (read_bind_date(stmt, errhp, b) != 0) return fail(stmt, -1);
    }
    return result;
}

int bindPgValues(const OCIStmt *stmt, ParamArrays *out) noexcept {
    try {
        const std::size_t n = stmt->paramBinds.size();
        out->values.assign(n, nullptr);
        out->lengths.assign(n, 0);
        out->formats.assign(n, 0);
        for (std::size_t k = 0; k < n; ++k) {
            const OCIBind *b = stmt->paramBinds[k];
            if (!b) continue;
            out->values[k] = b->pgValue;
            out->lengths[k] = static_cast<int>(b->pgLength);
            out->formats[k] = b->pgFormat;
        }
        return 0;
    } catch (...) {
        return -1;
    }
}

void release_binds_pgdata(OCIStmt *stmt) noexcept {
    for (OCIBind *b : stmt->binds) drop_value(b);
}

int fill_bind_parameters(OCIStmt *stmt, OCIError *errhp, ub4 iteration) noexcept {
    if (!is_kind(stmt, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return -1;
    int result = 0;
    // A NULL that no indicator can report fails the call once every value is written.
    bool null_missed = false;
    if (stmt->isFunction) {
        OCIBind *rb = stmt->returnBind;
        if (!is_kind(rb, HANDLE_OCIBind) || !stmt->result || PQnfields(stmt->result) < 1 || PQntuples(stmt->result) < 1)
            return -1;
        result = write_out_value(stmt, errhp, rb, stmt->result, 0, iteration, &null_missed);
        if (result > 1 || result < 0) return result;
    }
    if (stmt->paramCount == 0) return null_missed ? -1 : result;
    const PGresult *out = stmt->outResult;
    if (!out || stmt->paramBinds.size() != stmt->paramCount || PQntuples(out) < 1 ||
        PQnfields(out) < static_cast<int>(stmt->paramCount))
        return -1;
    for (ub4 k = 0; k < stmt->paramCount; ++k) {
        OCIBind *b = stmt->paramBinds[k];
        // An IN parameter's bind keeps its buffer, indicator and length.
        if (!b || !pqx::returns_value(out, static_cast<int>(k))) continue;
        if (b->dataAtExec && b->ocbfp) {
            result = call_out_bind_callback(errhp, b, iteration, out, static_cast<int>(k));
            if (result > 1 || result < 0) return result;
            continue;
        }
        result = write_out_value(stmt, errhp, b, out, static_cast<int>(k), iteration, &null_missed);
        if (result > 1 || result < 0) return result;
    }
    return null_missed ? -1 : result;
}

}  // namespace vsk
