// Binding integers and floating point: sent in the server's binary format, network order.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "env/error.h"
#include "number/numeric_convert.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/network_order.h"
#include "types/number_delivery.h"

namespace vsk {

namespace {

struct BindInteger {
    bool is_unsigned;
    std::int64_t s;   // the value when signed
    std::uint64_t u;  // when unsigned
};

// The application's integer of size 1, 2, 4 or 8; false for any other size.
bool read_integer(const void *buffer, ub4 size, bool is_unsigned, BindInteger *v) {
    v->is_unsigned = is_unsigned;
    std::uint64_t raw = 0;
    switch (size) {
    case 1: { std::uint8_t x; std::memcpy(&x, buffer, 1); raw = x; v->s = static_cast<std::int8_t>(x); break; }
    case 2: { std::uint16_t x; std::memcpy(&x, buffer, 2); raw = x; v->s = static_cast<std::int16_t>(x); break; }
    case 4: { std::uint32_t x; std::memcpy(&x, buffer, 4); raw = x; v->s = static_cast<std::int32_t>(x); break; }
    case 8: { std::memcpy(&raw, buffer, 8); v->s = static_cast<std::int64_t>(raw); break; }
    default: return false;
    }
    v->u = raw;
    return true;
}

// Whether the value fits a parameter of width bytes, read as signed.
bool fits_parameter(const BindInteger &v, ub4 width) {
    if (v.is_unsigned) return v.u <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) &&
                              fits_signed(static_cast<std::int64_t>(v.u), width);
    return fits_signed(v.s, width);
}

// An integer parameter of width bytes (1 for "char"). A value the parameter cannot hold
// is refused with 1426 rather than sent cut to its low bytes.
int integer_parameter(OCIError *errhp, const void *buffer, ub4 size, bool is_unsigned, ub4 width, char **value,
                      ub4 *length, ub1 *format) {
    *value = nullptr;
    *length = 0;
    *format = 1;
    if (!buffer || size < 1) return 0;
    BindInteger v;
    if (!read_integer(buffer, size, is_unsigned, &v)) return -1;
    // A "char" holds one byte: -128..127 signed, 0..255 unsigned.
    const bool fits = width == 1 && is_unsigned ? v.u <= 0xFF : fits_parameter(v, width);
    if (!fits) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNumericOverflow);
        return -1;
    }
    char net[8];
    write_network(net, is_unsigned ? v.u : static_cast<std::uint64_t>(v.s), static_cast<int>(width));
    return make_binary_value(net, width, value, length, format);
}

int real_parameter(const char *bytes, int width, char **value, ub4 *length, ub1 *format) {
    char net[8];
    std::memcpy(net, bytes, static_cast<std::size_t>(width));
    if (width == 4) Convert4BytesToNetworkOrder(net);
    else Convert8BytesToNetworkOrder(net);
    return make_binary_value(net, static_cast<std::size_t>(width), value, length, format);
}

}  // namespace

#define VSK_INTEGER_BIND(NAME, IS_UNSIGNED, WIDTH)                                   \
    VSK_BIND_CONVERSION(NAME) {                                                           \
        (void)indp;                                                                       \
        return integer_parameter(errhp, buffer, size, IS_UNSIGNED, WIDTH, value, length, format); \
    }
VSK_INTEGER_BIND(ConvertSQLT_INTToINT8OID, false, 8)
VSK_INTEGER_BIND(ConvertSQLT_INTToINT4OID, false, 4)
VSK_INTEGER_BIND(ConvertSQLT_INTToINT2OID, false, 2)
VSK_INTEGER_BIND(ConvertSQLT_INTToCHAROID, false, 1)
VSK_INTEGER_BIND(ConvertSQLT_UINToINT8OID, true, 8)
VSK_INTEGER_BIND(ConvertSQLT_UINToINT4OID, true, 4)
VSK_INTEGER_BIND(ConvertSQLT_UINToINT2OID, true, 2)
VSK_INTEGER_BIND(ConvertSQLT_UINToCHAROID, true, 1)

// The integer's decimal text as a binary numeric.
VSK_BIND_CONVERSION(ConvertSQLT_INTToNUMERICOID) {
    (void)indp;
    (void)errhp;
    *value = nullptr;
    *length = 0;
    *format = 1;
    if (!buffer || size < 1) return 0;
    BindInteger v;
    if (!read_integer(buffer, size, false, &v)) return -1;
    char text[24];
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(v.s));
    NumericVar var;
    if (ConvertStringToNumeric(text, var) < 0) return -1;
    ConvertNumericFromHostToNetOrder(var);
    auto *buf = static_cast<char *>(std::malloc(var.byte_size()));
    if (!buf) {
        *format = 0;
        return -1;
    }
    var.copy_bytes(reinterpret_cast<unsigned char *>(buf));
    *value = buf;
    *length = static_cast<ub4>(var.byte_size());
    return 0;
}

VSK_BIND_CONVERSION(ConvertSQLT_FLTToFLOAT8OID) {
    (void)indp;
    (void)errhp;
    *value = nullptr;
    *length = 0;
    if (!buffer || (size != 4 && size != 8)) return -1;
    double d;
    if (size == 4) {
        float f;
        std::memcpy(&f, buffer, 4);
        d = f;
    } else {
        std::memcpy(&d, buffer, 8);
    }
    return real_parameter(reinterpret_cast<const char *>(&d), 8, value, length, format);
}

// A double bound to a float4 parameter is narrowed; one beyond the float range is refused.
VSK_BIND_CONVERSION(ConvertSQLT_FLTToFLOAT4OID) {
    (void)indp;
    *value = nullptr;
    *length = 0;
    if (!buffer || (size != 4 && size != 8)) return -1;
    float f;
    if (size == 4) {
        std::memcpy(&f, buffer, 4);
    } else {
        double d;
        std::memcpy(&d, buffer, 8);
        if (narrow_to_float(d, &f) < 0) {
            AddErrorRecord(errhp, OCI_ERROR, kErrNumericOverflow);
            return -1;
        }
    }
    return real_parameter(reinterpret_cast<const char *>(&f), 4, value, length, format);
}

}  // namespace vsk
