#include "env/stubs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "env/message_table.h"
#include "env/trace.h"

namespace vsk {

void guarded_stub_check(const GuardedStub &stub) noexcept {
    if (std::getenv("VSK_OCI_UIFCTN_RET_OK")) return;
    const char *file = std::strrchr(stub.file, '/');
    std::fprintf(stderr, "UNIMPLEMENTED FUNCTION CALL %s IN FILE %s AT LINE %d\n", stub.function,
                 file ? file + 1 : stub.file, stub.line);
    std::exit(1);
}

void guarded_stub_leave_message(const GuardedStub &stub, void *errhp) noexcept {
    if (!stub.message3001 || !is_kind(errhp, HANDLE_OCIError)) return;
    auto *err = static_cast<OCIError *>(errhp);
    std::snprintf(err->messageText, sizeof err->messageText, "%s", o2pGetErrorText(3001));
}

sword guarded_stub_return() noexcept {
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_SUCCESS));
    return OCI_SUCCESS;
}

sword error_stub(const char *description) noexcept {
    o2pTrace(3, "%s", description);
    o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(OCI_ERROR));
    return OCI_ERROR;
}

}  // namespace vsk
