// Named context values kept on an environment or a session for OCIContextSetValue.
#pragma once

#include <oci.h>

#include <cstddef>

#include "env/list.h"

namespace vsk {

constexpr std::size_t kMaxContextKeyLength = 64;

// Stores value under the key's keylen bytes (1..64), replacing the value of an equal
// key; false when memory runs out.
bool context_set(PtrList<void> &values, const ub1 *key, ub1 keylen, void *value) noexcept;

// The value stored under an equal key (same length and bytes); false when there is none.
bool context_get(const PtrList<void> &values, const ub1 *key, ub1 keylen, void **value) noexcept;

// Frees every entry (never the values, which are the application's).
void context_free_all(PtrList<void> &values) noexcept;

}  // namespace vsk
