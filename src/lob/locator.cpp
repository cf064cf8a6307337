#include "lob/locator.h"

namespace vsk {

OCILobLocator *Alloc_OCILobLocator() noexcept {
    OCILobLocator *l = new_record<OCILobLocator>(HANDLE_OCILobLocator);
    if (l) l->lobRef = kUnsetLobRef;
    return l;
}

void Free_OCILobLocator(void *h) noexcept {
    if (is_kind(h, HANDLE_OCILobLocator)) delete_record(static_cast<OCILobLocator *>(h));
}

}  // namespace vsk
