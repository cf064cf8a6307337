#include "lob/locator.h"

namespace vsk {

OCILobLocator *Alloc_OCILobLocator() noexcept {
    OCILobLocator *l = new_record<OCILobLocator>(HANDLE_OCILobLocator);
    if (l) l->fd = -1;
    return l;
}

void Free_OCILobLocator(void *h) noexcept {
    if (is_kind(h, HANDLE_OCILobLocator)) delete_record(static_cast<OCILobLocator *>(h));
}

void reset_locator(OCILobLocator *l) noexcept {
    l->storage = LobStorage::None;
    l->opened = 0;
    l->loid = 0;
    l->fd = -1;
    l->fdConn = nullptr;
    l->fdEpoch = 0;
    std::string().swap(l->value);
    l->shared.reset();
    l->sharedData = nullptr;
    l->sharedSize = 0;
    l->stream = LobStream{};
}

bool copy_locator(OCILobLocator *dst, const OCILobLocator *src) noexcept {
    if (dst == src) return true;
    reset_locator(dst);
    try {
        dst->value = src->value;
        dst->shared = src->shared;
        dst->sharedData = src->sharedData;
        dst->sharedSize = src->sharedSize;
    } catch (...) {
        return false;
    }
    dst->storage = src->storage;
    dst->csfrm = src->csfrm;
    dst->loid = src->loid;
    return true;
}

}  // namespace vsk
