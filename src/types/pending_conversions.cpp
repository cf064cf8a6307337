// Conversions whose value formats (LOB locators) are not built yet. Each fails cleanly
// with VSK-03001 until its own implementation replaces it here; the tables already name
// them.
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

#define VSK_PENDING_FETCH(name) \
    VSK_FETCH_CONVERSION(name) { \
        (void)value, (void)length, (void)format, (void)destination, (void)lengthp, (void)indp, (void)rcodep; \
        return unsupported(errhp); \
    }

VSK_PENDING_FETCH(ConvertOIDOIDToSQLT_BLOB)

}  // namespace vsk
