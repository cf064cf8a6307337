#include "stmt/piecewise.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "env/env.h"
#include "env/error.h"
#include "env/trace.h"
#include "stmt/records.h"
#include "types/conversion_dispatch.h"
#include "types/conversion_support.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr ub4 kErrCallback = 24343;
constexpr ub4 kErrPiecewise = 24370;
constexpr ub4 kErrInternal = 24330;
constexpr ub4 kErrInvalidBuffer = 3131;

// Through callbacks a character or binary LOB travels as its data, like a long value.
ub2 data_type(ub2 dty) {
    if (dty == SQLT_CLOB) return SQLT_LNG;
    if (dty == SQLT_BLOB) return SQLT_LBI;
    return dty;
}

int callback_error(OCIError *errhp) {
    AddErrorRecord(errhp, OCI_ERROR, kErrCallback);
    return -1;
}

// What an output callback answered for one piece.
struct Answer {
    void *buf = nullptr;
    ub4 *alen = nullptr;
    ub1 piece;
    void *ind = nullptr;
    ub2 *rcode = nullptr;
};

void trace_value(const char *value, int length, int format) {
    if (!ocitracing(TRACE_DEFINE)) return;
    if (format == 1) ocitracehex(TRACE_DEFINE, "filldefine", value, static_cast<std::size_t>(length));
    else ocitrace(TRACE_DEFINE, "filldefine", "%.*s\n", length, value);
}

// The steps both output paths share once the first answer is in: a fixed type converted
// straight into the application's buffer, a piecewise one converted whole and handed
// over piece by piece. ask(answer) calls the callback again for the next piece.
template <class Ask, class Convert>
int deliver(OCIError *errhp, ub2 dty, const char *value, int length, int format, bool isNull, Answer first, Ask ask,
            Convert convert) {
    auto *ind = static_cast<sb2 *>(first.ind);
    if (!is_piecewise_type(dty)) {
        if (first.piece != OCI_ONE_PIECE) return AddErrorRecord(errhp, OCI_ERROR, kErrPiecewise), -1;
        trace_value(value, length, format);
        return convert(dty, first.buf, first.alen, ind, first.rcode);
    }
    if (isNull) return null_result(errhp, ind, first.rcode);
    const ub2 target = data_type(dty);
    const std::size_t size =
        length > 0 ? getOracleDataTypeSize(target, static_cast<std::size_t>(length), transcoding(conversion_env(errhp)))
                   : 0;
    if (size > 0xFFFFFFFFu) return AddErrorRecord(errhp, OCI_ERROR, kErrInternal), -1;
    char *whole = size ? static_cast<char *>(std::calloc(size, 1)) : nullptr;
    if (size && !whole) return AddErrorRecord(errhp, OCI_ERROR, kErrInternal), -1;
    trace_value(value, length, format);
    ub4 produced = static_cast<ub4>(size);
    if (size) {
        const int rc = convert(target, whole, &produced, ind, first.rcode);
        if (rc > 1 || rc < 0) {
            std::free(whole);
            return rc;
        }
    } else {
        if (ind) *ind = 0;
        if (first.alen) *first.alen = 0;
        return 0;
    }
    std::size_t offset = 0;
    Answer a = first;
    for (;;) {
        const ub4 room = a.alen ? *a.alen : 0;
        if (room == 0 || !a.buf) {
            std::free(whole);
            return AddErrorRecord(errhp, OCI_ERROR, kErrInvalidBuffer), -1;
        }
        const std::size_t n = std::min<std::size_t>(room, produced - offset);
        std::memcpy(a.buf, whole + offset, n);
        *a.alen = static_cast<ub4>(n);
        if (a.ind) *static_cast<sb2 *>(a.ind) = 0;
        offset += n;
        if (offset >= produced) break;
        a = Answer{};
        a.piece = OCI_NEXT_PIECE;
        if (ask(&a) != OCI_CONTINUE) {
            std::free(whole);
            return callback_error(errhp);
        }
    }
    std::free(whole);
    return 0;
}

}  // namespace

bool is_piecewise_type(ub2 dty) noexcept {
    switch (dty) {
    case SQLT_CHR: case SQLT_STR: case SQLT_LNG: case SQLT_VCS: case SQLT_BIN: case SQLT_LBI: case SQLT_CLOB:
    case SQLT_BLOB:
        return true;
    default:
        return false;
    }
}

int gather_bind_input(OCIError *errhp, OCIBind *b, ub4 iteration) noexcept {
    if (!b->icbfp) return OCI_NEED_DATA;
    if (!is_kind(errhp, HANDLE_OCIError)) return -2;
    void *buf = nullptr;
    ub4 alen = 0;
    ub1 piece = OCI_FIRST_PIECE;
    void *indp = nullptr;
    if (b->icbfp(b->ictxp, b, iteration, 0, &buf, &alen, &piece, &indp) != OCI_CONTINUE) return callback_error(errhp);
    sb2 ind = indp ? *static_cast<sb2 *>(indp) : 0;
    const ub2 dty = b->dty;
    if (!is_piecewise_type(dty)) {
        if (piece != OCI_ONE_PIECE) return AddErrorRecord(errhp, OCI_ERROR, kErrPiecewise), -1;
        if (dty == SQLT_RSET) {
            b->valuep = buf;
            return 0;
        }
        return OCI2PQType(errhp, dty, buf, alen, &ind, b->pgType, &b->pgValue, &b->pgLength, &b->pgFormat);
    }
    // Character and binary LOBs come as their data, like long values.
    const ub2 target = data_type(dty);
    const Oid type = dty == SQLT_BLOB ? PG_BYTEA : dty == SQLT_CLOB ? PG_VARCHAR : b->pgType;
    if (ind == -1) return OCI2PQType(errhp, target, nullptr, 0, &ind, type, &b->pgValue, &b->pgLength, &b->pgFormat);
    if (piece == OCI_ONE_PIECE || piece == OCI_LAST_PIECE)
        return OCI2PQType(errhp, target, buf, alen, &ind, type, &b->pgValue, &b->pgLength, &b->pgFormat);
    std::string whole;
    bool isNull = false;
    try {
        for (;;) {
            if (ind == -1) isNull = true;
            else if (alen && !buf) return AddErrorRecord(errhp, OCI_ERROR, kErrInvalidBuffer), -1;
            else whole.append(static_cast<const char *>(buf), alen);
            if (piece == OCI_LAST_PIECE || piece == OCI_ONE_PIECE) break;
            buf = nullptr;
            alen = 0;
            indp = nullptr;
            piece = OCI_NEXT_PIECE;
            if (b->icbfp(b->ictxp, b, iteration, 0, &buf, &alen, &piece, &indp) != OCI_CONTINUE)
                return callback_error(errhp);
            ind = indp ? *static_cast<sb2 *>(indp) : 0;
        }
    } catch (...) {
        return AddErrorRecord(errhp, OCI_ERROR, kErrInternal), -1;
    }
    if (whole.size() > 0xFFFFFFFFu) return AddErrorRecord(errhp, OCI_ERROR, kErrInternal), -1;
    sb2 finalInd = isNull ? -1 : 0;
    return OCI2PQType(errhp, target, isNull ? nullptr : whole.data(), static_cast<ub4>(whole.size()), &finalInd, type,
                      &b->pgValue, &b->pgLength, &b->pgFormat);
}

int call_define_callback(OCIDefine *d, OCIError *errhp, const PGresult *result, ub4 element, int row, int column,
                         PGconn *conn) noexcept {
    if (!is_kind(d, HANDLE_OCIDefine) || !is_kind(errhp, HANDLE_OCIError) || !result || row < 0) return -2;
    if (!d->ocbfp) return OCI_NEED_DATA;
    auto ask = [&](Answer *a) {
        return d->ocbfp(d->octxp, d, element, &a->buf, &a->alen, &a->piece, &a->ind, &a->rcode);
    };
    Answer first;
    first.piece = OCI_FIRST_PIECE;
    if (ask(&first) != OCI_CONTINUE) return callback_error(errhp);
    const char *value = PQgetvalue(result, row, column);
    const int length = PQgetlength(result, row, column);
    const int format = PQfformat(result, column);
    const bool isNull = PQgetisnull(result, row, column) != 0;
    const Oid type = PQftype(result, column);
    return deliver(errhp, d->dty, value, length, format, isNull, first, ask,
                   [&](ub2 dty, void *buf, ub4 *alen, sb2 *ind, ub2 *rcode) {
                       ub4 own = 0;
                       return PQ2OCIType_2(errhp, type, value, length, format, dty, buf, alen ? alen : &own, ind,
                                           rcode, conn, isNull);
                   });
}

int call_out_bind_callback(OCIError *errhp, OCIBind *b, ub4 iteration, const PGresult *result, int column) noexcept {
    if (!is_kind(b, HANDLE_OCIBind) || !b->dataAtExec || !is_kind(errhp, HANDLE_OCIError) || !result) return -2;
    if (!b->ocbfp) return OCI_NEED_DATA;
    auto ask = [&](Answer *a) {
        return b->ocbfp(b->octxp, b, iteration, 0, &a->buf, &a->alen, &a->piece, &a->ind, &a->rcode);
    };
    Answer first;
    first.piece = OCI_ONE_PIECE;
    if (ask(&first) != OCI_CONTINUE) return callback_error(errhp);
    const char *value = PQgetvalue(result, 0, column);
    const int length = PQgetlength(result, 0, column);
    const int format = PQfformat(result, column);
    const bool isNull = PQgetisnull(result, 0, column) != 0;
    const Oid type = PQftype(result, column);
    return deliver(errhp, b->dty, value, length, format, isNull, first, ask,
                   [&](ub2 dty, void *buf, ub4 *alen, sb2 *ind, ub2 *rcode) {
                       void *dest = dty == SQLT_RSET ? b->valuep : buf;
                       ub4 own = 0;
                       return PQ2OCIType(errhp, type, value, length, format, dty, dest, alen ? alen : &own, ind,
                                         rcode, isNull);
                   });
}

}  // namespace vsk
