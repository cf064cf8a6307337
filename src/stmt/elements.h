// Element i of the application's bind and define arrays: consecutive elements, or the
// strides given by OCIBindArrayOfStruct / OCIDefineArrayOfStruct.
#pragma once

#include <oci.h>

#include <cstddef>

namespace vsk {

template <class T>
T *array_element(T *base, ub4 i, std::size_t size, ub1 strided, ub4 stride) {
    if (!base) return nullptr;
    const std::size_t step = strided ? stride : size;
    return reinterpret_cast<T *>(reinterpret_cast<char *>(base) + step * i);
}

}  // namespace vsk
