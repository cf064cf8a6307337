// Conversions whose value formats (dates, LOB locators) are not built yet. Each fails
// cleanly with VSK-03001 until its own implementation replaces it here; the tables
// already name them.
#include "env/error.h"
#include "types/conversions.h"

namespace vsk {

namespace {

constexpr ub4 kErrUnsupported = 3001;

int unsupported(OCIError *errhp) noexcept {
    AddErrorRecord(errhp, OCI_ERROR, kErrUnsupported);
    return -1;
}

}  // namespace

#define VSK_PENDING_BIND(name) \
    VSK_BIND_CONVERSION(name) { \
        (void)buffer, (void)size, (void)indp, (void)format; \
        *value = nullptr; \
        *length = 0; \
        return unsupported(errhp); \
    }
#define VSK_PENDING_FETCH(name) \
    VSK_FETCH_CONVERSION(name) { \
        (void)value, (void)length, (void)format, (void)destination, (void)lengthp, (void)indp, (void)rcodep; \
        return unsupported(errhp); \
    }

VSK_PENDING_BIND(ConvertSQLT_DATEToTIMESTAMPOID)
VSK_PENDING_BIND(ConvertSQLT_DATToDATEOID)
VSK_PENDING_BIND(ConvertSQLT_DATToTIMESTAMPOID)
VSK_PENDING_BIND(ConvertSQLT_INTERVAL_DSToINTERVALOID)
VSK_PENDING_BIND(ConvertSQLT_ODTToTIMESTAMPOID)
VSK_PENDING_BIND(ConvertSQLT_TIMESTAMPToTIMESTAMPOID)
VSK_PENDING_BIND(ConvertSQLT_TIMESTAMP_TZToTIMESTAMPTZOID)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_AFC)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_AVC)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_CHR)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_LNG)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_LVC)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_STR)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_VCS)
VSK_PENDING_FETCH(ConvertDATEOIDToSQLT_VST)
VSK_PENDING_FETCH(ConvertINTERVALOIDToSQLT_INTERVAL_DS)
VSK_PENDING_FETCH(ConvertOIDOIDToSQLT_BLOB)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_DAT)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_DATE)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_ODT)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_TIMESTAMP)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_TIMESTAMP_TZ)
VSK_PENDING_FETCH(ConvertTIMESTAMPOIDToSQLT_DAT)
VSK_PENDING_FETCH(ConvertTIMESTAMPOIDToSQLT_DATE)
VSK_PENDING_FETCH(ConvertTIMESTAMPOIDToSQLT_ODT)
VSK_PENDING_FETCH(ConvertTIMESTAMPOIDToSQLT_TIMESTAMP)
VSK_PENDING_FETCH(ConvertTIMESTAMPOIDToSQLT_TIMESTAMP_TZ)
VSK_PENDING_FETCH(ConvertTIMESTAMPTZOIDToSQLT_TIMESTAMP_TZ)

}  // namespace vsk
