// Conversions whose value formats (binary data, LOB locators) are not
// built yet. Each fails cleanly with VSK-03001 until its own implementation replaces it
// here; the tables already name them.
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

VSK_PENDING_BIND(ConvertSQLT_BINToBYTEAOID)
VSK_PENDING_BIND(ConvertSQLT_LBIToBYTEAOID)
VSK_PENDING_BIND(ConvertSQLT_LVBToBYTEAOID)
VSK_PENDING_BIND(ConvertSQLT_VBIToBYTEAOID)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_AVC)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_BIN)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_CHR)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_LBI)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_LVB)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_LVC)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_STR)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_VBI)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_VCS)
VSK_PENDING_FETCH(ConvertBYTEAOIDToSQLT_VST)
VSK_PENDING_FETCH(ConvertOIDOIDToSQLT_BLOB)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_BIN)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_LBI)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_LVB)
VSK_PENDING_FETCH(ConvertTEXTOIDToSQLT_VBI)

}  // namespace vsk
