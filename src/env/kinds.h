// One table of record kinds: trace name, OCI allocation code, constructor and release routine.
#pragma once

#include <oci.h>

#include "env/handle.h"

namespace vsk {

struct KindInfo {
    HandleKind kind;
    const char *name;
    ub4 ociType;                      // code that allocates/frees it; 0 when none
    bool isDescriptor;
    void *(*alloc)(ub4 ociType);      // null for kinds made elsewhere
    void (*release)(void *record);    // frees the record and what it owns
};

const KindInfo *kind_info(std::uint32_t kind) noexcept;

// Kind made by OCIHandleAlloc for a handle type; 0 when the type cannot be allocated.
HandleKind kind_for_handle_type(ub4 type) noexcept;
// Kind made by OCIDescriptorAlloc for a descriptor type; 0 when not accepted.
HandleKind kind_for_descriptor_type(ub4 type) noexcept;

// Unlinks a record from its environment's children and releases it by its kind.
void release_child(void *record) noexcept;

}  // namespace vsk
