// Binding raw bytes as bytea, sent in the server's binary format. A buffer whose layout
// does not hold together is refused without a record; the bind collection reports it.
#include <cstring>

#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

// libpq takes parameter lengths as int.
constexpr ub4 kMaxBytes = 0x7FFFFFFE;

int refuse(char **value, ub4 *length, ub1 *format) {
    *value = nullptr;
    *length = 0;
    *format = 0;
    return -1;
}

// The bytes after a length prefix of width bytes within a buffer of size bytes (at most
// maxSize): the prefix must describe 1..max bytes the buffer holds.
int prefixed_value(const void *buffer, ub4 size, ub4 maxSize, std::size_t width, std::size_t max, char **value,
                   ub4 *length, ub1 *format) {
    if (!buffer || size < width || size > maxSize) return refuse(value, length, format);
    std::size_t n;
    if (width == 2) {
        ub2 l;
        std::memcpy(&l, buffer, sizeof l);
        n = l;
    } else {
        ub4 l;
        std::memcpy(&l, buffer, sizeof l);
        n = l;
    }
    if (n == 0 || n > max || n > size - width) return refuse(value, length, format);
    return make_binary_value(static_cast<const char *>(buffer) + width, n, value, length, format);
}

int bare_value(const void *buffer, ub4 size, char **value, ub4 *length, ub1 *format) {
    if (!buffer || size > kMaxBytes) return refuse(value, length, format);
    return make_binary_value(buffer, size, value, length, format);
}

}  // namespace

VSK_BIND_CONVERSION(ConvertSQLT_BINToBYTEAOID) {
    (void)errhp, (void)indp;
    return bare_value(buffer, size, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_LBIToBYTEAOID) {
    (void)errhp, (void)indp;
    return bare_value(buffer, size, value, length, format);
}

// A 16-bit length of 1..65533 in a buffer of at most 65535 bytes.
VSK_BIND_CONVERSION(ConvertSQLT_VBIToBYTEAOID) {
    (void)errhp, (void)indp;
    return prefixed_value(buffer, size, 0xFFFF, 2, 65533, value, length, format);
}

// A 32-bit length of 1..2147483642.
VSK_BIND_CONVERSION(ConvertSQLT_LVBToBYTEAOID) {
    (void)errhp, (void)indp;
    return prefixed_value(buffer, size, kMaxBytes, 4, 2147483642, value, length, format);
}

}  // namespace vsk
