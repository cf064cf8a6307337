#include "services/context_values.h"

#include <cstdlib>
#include <cstring>

namespace vsk {

namespace {

// One allocation per entry, so that a plain free() releases it.
struct ContextEntry {
    void *value;
    ub1 keylen;
    ub1 key[kMaxContextKeyLength];
};

ContextEntry *find(const PtrList<void> &values, const ub1 *key, ub1 keylen) noexcept {
    for (void *p : values) {
        auto *e = static_cast<ContextEntry *>(p);
        if (e->keylen == keylen && std::memcmp(e->key, key, keylen) == 0) return e;
    }
    return nullptr;
}

}  // namespace

bool context_set(PtrList<void> &values, const ub1 *key, ub1 keylen, void *value) noexcept {
    if (ContextEntry *e = find(values, key, keylen)) {
        e->value = value;
        return true;
    }
    auto *e = static_cast<ContextEntry *>(std::malloc(sizeof(ContextEntry)));
    if (!e) return false;
    e->value = value;
    e->keylen = keylen;
    std::memcpy(e->key, key, keylen);
    if (values.append(e)) return true;
    std::free(e);
    return false;
}

bool context_get(const PtrList<void> &values, const ub1 *key, ub1 keylen, void **value) noexcept {
    const ContextEntry *e = find(values, key, keylen);
    if (!e) return false;
    *value = e->value;
    return true;
}

void context_free_all(PtrList<void> &values) noexcept {
    for (void *p : values) std::free(p);
    values.clear();
}

}  // namespace vsk
