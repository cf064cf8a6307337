// Who owns the memory of the values a batch conversion reads, for conversions that keep
// a large value past the call (LOB locators) without copying it. The code converting a
// batch of rows installs an owner for the batch's thread; conversions anywhere else find
// none and copy.
#pragma once

#include <memory>

namespace vsk {

class ValueOwner {
public:
    // Shared ownership of the memory the values live in; null when it cannot be shared.
    virtual std::shared_ptr<const void> share() noexcept = 0;

protected:
    ~ValueOwner() = default;
};

// Installs owner for the calling thread while in scope.
class ValueOwnerScope {
public:
    explicit ValueOwnerScope(ValueOwner *owner) noexcept;
    ~ValueOwnerScope();
    ValueOwnerScope(const ValueOwnerScope &) = delete;
    ValueOwnerScope &operator=(const ValueOwnerScope &) = delete;

private:
    ValueOwner *previous_;
};

// The installed owner's share, or null.
std::shared_ptr<const void> share_converted_values() noexcept;

}  // namespace vsk
