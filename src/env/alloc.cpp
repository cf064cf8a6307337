#include "env/handle.h"
#include "env/alloc_fault.h"

#include <cstdlib>

namespace vsk {

namespace {
thread_local int fail_countdown = 0;
}

void alloc_fault::fail_nth(int n) noexcept { fail_countdown = n; }

bool alloc_fault::should_fail() noexcept {
    if (fail_countdown <= 0) return false;
    return --fail_countdown == 0;
}

int alloc_fault::remaining() noexcept { return fail_countdown; }

void *alloc_zeroed(std::size_t size) noexcept {
    if (alloc_fault::should_fail()) return nullptr;
    return std::calloc(1, size ? size : 1);
}

void *alloc_raw(std::size_t size) noexcept {
    if (alloc_fault::should_fail()) return nullptr;
    return std::malloc(size ? size : 1);
}

}  // namespace vsk
