#include "types/value_owner.h"

namespace vsk {

namespace {
thread_local ValueOwner *current = nullptr;
}

ValueOwnerScope::ValueOwnerScope(ValueOwner *owner) noexcept : previous_(current) { current = owner; }

ValueOwnerScope::~ValueOwnerScope() { current = previous_; }

std::shared_ptr<const void> share_converted_values() noexcept { return current ? current->share() : nullptr; }

}  // namespace vsk
