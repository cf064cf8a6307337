// LOB locator descriptor record.
#pragma once

#include <oci.h>

#include "env/handle.h"

struct OCILobLocator {
    vsk::Header hdr;
    // Low half 0, high half -1 until the locator refers to a large object.
    ub8 lobRef;
};

namespace vsk {

constexpr ub8 kUnsetLobRef = 0xFFFFFFFF00000000ull;

OCILobLocator *Alloc_OCILobLocator() noexcept;
void Free_OCILobLocator(void *h) noexcept;

}  // namespace vsk
