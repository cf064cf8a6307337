// Finding and calling the conversion for a value crossing between application and server.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include <cstdint>

#include "types/conversions.h"

namespace vsk {

// > 0, < 0 or 0 as the entry's key is above, below or equal to (source, target).
template <class Entry>
int CompareConversionFunctionEntry(const Entry &entry, std::int32_t source, std::int32_t target) noexcept {
    if (entry.source != source) return entry.source > source ? 1 : -1;
    if (entry.target != target) return entry.target > target ? 1 : -1;
    return 0;
}

// Bisection over entries low..high inclusive; null when the key is absent.
template <class Entry>
decltype(Entry::function) GetConversionFunctionInternal(std::int32_t source, std::int32_t target,
                                                         const Entry *table, int low, int high) noexcept {
    while (low <= high) {
        int mid = low + (high - low) / 2;
        int c = CompareConversionFunctionEntry(table[mid], source, target);
        if (c == 0) return table[mid].function;
        if (c > 0) high = mid - 1;
        else low = mid + 1;
    }
    return nullptr;
}

// 0 (and the function through *function when given) or -1.
int IsOCIToPQConversionPossible(std::uint32_t sqlt, Oid oid, BindConversion *function) noexcept;

// The fetch conversion for a server type; an unknown OID is resolved to raw when the
// server names it so (one query on conn; without conn the lookup fails).
FetchConversion findPQToOCIConversion(Oid oid, std::uint32_t sqlt, PGconn *conn) noexcept;

// The form a conversion reads a value in: a text type's binary form is its text (and
// libpq ends it with a NUL as any value), so it goes as text.
int conversion_format(Oid oid, int format) noexcept;

// One bound value turned into a parameter: 0, -1 or the conversion's result.
int OCI2PQType(OCIError *errhp, std::uint32_t sqlt, const void *buffer, ub4 size, sb2 *indp, Oid oid,
               char **valueOut, ub4 *lengthOut, ub1 *formatOut) noexcept;

// One server value written into a define or out-bind buffer. For SQLT_RSET the
// destination is the statement that receives the cursor's name. A NULL leaves the
// destination alone and is the NULL result of a conversion (indicator -1 and 0, or
// without an indicator 1405 recorded and 1).
int PQ2OCIType(OCIError *errhp, Oid oid, const char *value, int length, int format, std::uint32_t sqlt,
               void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, bool isNull) noexcept;
// The same with the connection for the raw lookup and no cursor case.
// PQ2OCIType with the conversion already found (findPQToOCIConversion, once per column
// of a batch); a null function fails like an impossible pair.
int PQ2OCIType_with(FetchConversion function, OCIError *errhp, Oid oid, const char *value, int length, int format,
                    std::uint32_t sqlt, void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, bool isNull) noexcept;

int PQ2OCIType_2(OCIError *errhp, Oid oid, const char *value, int length, int format, std::uint32_t sqlt,
                 void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep, PGconn *conn, bool isNull) noexcept;

}  // namespace vsk
