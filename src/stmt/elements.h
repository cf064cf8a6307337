// Element i of the application's bind and define arrays: consecutive elements, or the
// strides given by OCIBindArrayOfStruct / OCIDefineArrayOfStruct.
#pragma once

#include <oci.h>

#include <cstddef>
#include <cstring>

namespace vsk {

template <class T>
T *array_element(T *base, ub4 i, std::size_t size, ub1 strided, ub4 stride) {
    if (!base) return nullptr;
    const std::size_t step = strided ? stride : size;
    return reinterpret_cast<T *>(reinterpret_cast<char *>(base) + step * i);
}

// Length arrays hold ub2 elements, or ub4 ones (wide) for the binds and defines of the
// ...2 calls. A slot is read and written through these, never as a typed pointer.
struct LengthSlot {
    void *at = nullptr;
    ub1 wide = 0;

    explicit operator bool() const noexcept { return at != nullptr; }
    ub4 get() const noexcept {
        if (wide) {
            ub4 v;
            std::memcpy(&v, at, sizeof v);
            return v;
        }
        ub2 v;
        std::memcpy(&v, at, sizeof v);
        return v;
    }
    void set(ub4 v) const noexcept {
        if (wide) {
            std::memcpy(at, &v, sizeof v);
            return;
        }
        const ub2 narrow = static_cast<ub2>(v > UB2MAXVAL ? UB2MAXVAL : v);
        std::memcpy(at, &narrow, sizeof narrow);
    }
};

inline LengthSlot length_slot(void *base, ub1 wide, ub4 i, ub1 strided, ub4 stride) {
    return {array_element(static_cast<char *>(base), i, wide ? sizeof(ub4) : sizeof(ub2), strided, stride), wide};
}

}  // namespace vsk
