// OCIConnectionPoolCreate and OCIConnectionPoolDestroy: connection pools (sessions
// multiplexed over shared connections) have no PostgreSQL counterpart; session pools are
// what the library offers.
#include <cstdio>

#include "env/error.h"
#include "env/export.h"
#include "env/message_table.h"

using namespace vsk;

namespace {

constexpr ub4 kErrUnsupported = 3001;

// The 3001 text in the handle's scratch message, and a record the program can read.
sword unsupported(OCIError *errhp) noexcept {
    if (!is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    std::snprintf(errhp->messageText, sizeof errhp->messageText, "%s", o2pGetErrorText(kErrUnsupported));
    AddErrorRecord(errhp, OCI_ERROR, kErrUnsupported);
    return OCI_ERROR;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIConnectionPoolCreate(OCIEnv *, OCIError *errhp, OCICPool *, OraText **, sb4 *, const OraText *,
                                         sb4, ub4, ub4, ub4, const OraText *, sb4, const OraText *, sb4, ub4) {
    return unsupported(errhp);
}

VSK_EXPORT sword OCIConnectionPoolDestroy(OCICPool *, OCIError *errhp, ub4) { return unsupported(errhp); }

}  // extern "C"
