// What a fault test reads back from the allocation seam of env/handle.h.
#pragma once

namespace vsk::alloc_fault {

// Allocations still to pass before the armed one fails; 0 when none is armed (or it has
// failed already), so a test can tell whether its run reached the fault.
int remaining() noexcept;

}  // namespace vsk::alloc_fault
