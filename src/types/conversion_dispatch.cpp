#include "types/conversion_dispatch.h"

#include <cstdlib>
#include <string>

#include "env/error.h"
#include "env/trace.h"
#include "pqx/command.h"
#include "stmt/records.h"
#include "types/conversion_support.h"
#include "types/type_codes.h"

namespace vsk {

namespace {

constexpr ub4 kErrTypesInconsistent = 932;

// The OID of the server's raw type, asked of the server each time (it has no fixed OID
// on stock PostgreSQL, where it is a domain created by the server setup).
bool server_says_raw(PGconn *conn, Oid oid) noexcept {
    if (!conn) return false;
    PGresult *r = pqx::exec(conn, nullptr, "select oid from pg_type where typname = 'raw';");
    bool raw = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0 &&
               std::strtoul(PQgetvalue(r, 0, 0), nullptr, 10) == oid;
    PQclear(r);
    return raw;
}

// One value through function (null: the pair has no conversion, found out only for a
// value that is not NULL).
int convert_value(FetchConversion function, OCIError *errhp, Oid oid, const char *value, int length, int format,
                  std::uint32_t sqlt, void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, bool isNull,
                  bool cursors) {
    if (!errhp) return -1;
    // The destination is not touched; without an indicator the NULL is an error.
    if (isNull) return null_result(errhp, indp, rcodep);
    if (!function) {
        AddErrorRecordStringX(errhp, OCI_ERROR, kErrTypesInconsistent, 2, pq_type_class(oid), oci_type_class(sqlt));
        return -1;
    }
    if (indp) *indp = 0;
    if (rcodep) *rcodep = 0;
    if (!lengthp || !destination) return -1;
    format = conversion_format(oid, format);
    if (cursors && sqlt_code(sqlt) == SQLT_RSET) {
        // The statement handle receives the name of the server's cursor.
        auto *stmt = static_cast<OCIStmt *>(destination);
        if (!is_kind(stmt, HANDLE_OCIStmt)) return -1;
        const std::size_t n = length > 0 ? static_cast<std::size_t>(length) : 0;
        std::string name(n + 1, '\0');
        ub4 cap = static_cast<ub4>(n + 1);
        int rc = function(errhp, value, length, format & 0xFF, name.data(), &cap, indp, rcodep);
        if (rc >= 0) stmt->stmtName.assign(name.c_str());
        return rc;
    }
    const int rc = function(errhp, value, length, format & 0xFF, destination, lengthp, indp, rcodep);
    mark_truncated(rc, indp, rcodep);
    return rc;
}

int fetch(OCIError *errhp, Oid oid, const char *value, int length, int format, std::uint32_t sqlt,
          void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, PGconn *conn, bool isNull, bool cursors) {
    FetchConversion function = isNull || !errhp ? nullptr : findPQToOCIConversion(oid, sqlt, conn);
    return convert_value(function, errhp, oid, value, length, format, sqlt, destination, lengthp, indp, rcodep,
                         isNull, cursors);
}

}  // namespace

int conversion_format(Oid oid, int format) noexcept {
    const bool text = oid == PG_TEXT || oid == PG_VARCHAR || oid == PG_BPCHAR;
    return format == 1 && text ? 0 : format;
}

int IsOCIToPQConversionPossible(std::uint32_t sqlt, Oid oid, BindConversion *function) noexcept {
    const ub2 code = sqlt_code(sqlt);
    if (IsValidOCIDataType(code) != 0 || IsValidPQDataType(oid) != 0) return -1;
    BindConversion f = GetConversionFunctionInternal(code, static_cast<std::int32_t>(oid), kBindTable, 0,
                                                     kBindTableSize - 1);
    if (!f) return -1;
    if (function) *function = f;
    return 0;
}

FetchConversion findPQToOCIConversion(Oid oid, std::uint32_t sqlt, PGconn *conn) noexcept {
    if (oid == PG_UNKNOWN) oid = PG_TEXT;
    if (oid == PG_RAW_ALT || oid == PG_RAW_ALT2) oid = PG_RAW;
    if (IsValidPQDataType(oid) != 0) {
        if (!server_says_raw(conn, oid)) return nullptr;
        oid = PG_RAW;
    }
    const ub2 code = sqlt_code(sqlt);
    if (IsValidOCIDataType(code) != 0) return nullptr;
    return GetConversionFunctionInternal(static_cast<std::int32_t>(oid), code, kFetchTable, 0, kFetchTableSize - 1);
}

int OCI2PQType(OCIError *errhp, std::uint32_t sqlt, const void *buffer, ub4 size, sb2 *indp, Oid oid,
               char **valueOut, ub4 *lengthOut, ub1 *formatOut) noexcept {
    if (!errhp || !valueOut || !lengthOut || !formatOut) return -1;
    *valueOut = nullptr;
    *lengthOut = 0;
    *formatOut = 0;
    const ub2 code = sqlt_code(sqlt);
    const sb2 ind = indp ? *indp : 0;
    ocitrace(TRACE_TYPEMAP, "OCI2PQType", "pgtype(%d), ocitype(%d), bufferin_sz(%d) *indp(%d)\n",
             static_cast<int>(oid), code, static_cast<int>(size), ind);
    BindConversion function = nullptr;
    if (IsOCIToPQConversionPossible(code, oid, &function) != 0) {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalConversion);
        return -1;
    }
    // A missing value is SQL NULL; with Oracle semantics so is an empty one.
    if (oracle_empty_strings(conversion_env(errhp))) {
        if (!buffer || size == 0) return 0;
    } else if (!buffer) {
        if (indp) *indp = -1;
        return 0;
    }
    if (ind == -1) return 0;
    if (code == SQLT_RSET) return 0;
    if (ind < 0) return -1;
    try {
        ocitracehex(TRACE_TYPEMAP, "  source:", buffer, size);
        int rc = function(errhp, buffer, size, indp, valueOut, lengthOut, formatOut);
        if (*valueOut) ocitracehex(TRACE_TYPEMAP, "  result:", *valueOut, *lengthOut);
        return rc;
    } catch (...) {
        std::free(*valueOut);
        *valueOut = nullptr;
        *lengthOut = 0;
        return -1;
    }
}

int PQ2OCIType(OCIError *errhp, Oid oid, const char *value, int length, int format, std::uint32_t sqlt,
               void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, bool isNull) noexcept {
    try {
        return fetch(errhp, oid, value, length, format, sqlt, destination, lengthp, indp, rcodep, nullptr, isNull,
                     true);
    } catch (...) {
        return -1;
    }
}

int PQ2OCIType_with(FetchConversion function, OCIError *errhp, Oid oid, const char *value, int length, int format,
                    std::uint32_t sqlt, void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, bool isNull) noexcept {
    try {
        return convert_value(function, errhp, oid, value, length, format, sqlt, destination, lengthp, indp, rcodep,
                             isNull, true);
    } catch (...) {
        return -1;
    }
}

int PQ2OCIType_2(OCIError *errhp, Oid oid, const char *value, int length, int format, std::uint32_t sqlt,
                 void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, PGconn *conn, bool isNull) noexcept {
    try {
        return fetch(errhp, oid, value, length, format, sqlt, destination, lengthp, indp, rcodep, conn, isNull,
                     false);
    } catch (...) {
        return -1;
    }
}

}  // namespace vsk
