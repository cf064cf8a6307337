// The OCIString record behind the opaque public type, and the helper the conversions use to fill one.
#pragma once

#include <oci.h>

#include <cstddef>

// Invariants kept by every call: size <= capacity, and text is a malloc'ed buffer of
// capacity + 1 bytes whose last byte is NUL, so the text is terminated even when the
// application fills the whole resized buffer.
struct OCIString {
    ub4 capacity;  // buffer size as last set by OCIStringResize, or the text length after an assignment
    ub4 size;      // text length in bytes
    char *text;
};

namespace vsk {

// Sets *str to exactly the n bytes (embedded NULs kept, a NUL appended; size = capacity = n),
// allocating the record when *str is null. False on allocation failure, *str unchanged.
bool string_assign_bytes(OCIString **str, const char *bytes, std::size_t n) noexcept;

}  // namespace vsk
