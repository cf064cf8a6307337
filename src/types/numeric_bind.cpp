// Binding NUMBER and VARNUM values as the server's binary numeric.
#include <cstdlib>

#include "number/number_text.h"
#include "number/numeric_convert.h"
#include "types/conversions.h"

namespace vsk {

namespace {

int numeric_parameter(const NumericVar &host, char **value, ub4 *length, ub1 *format) {
    NumericVar var = host;
    ConvertNumericFromHostToNetOrder(var);
    auto *buf = static_cast<char *>(std::malloc(var.byte_size()));
    if (!buf) return -1;
    var.copy_bytes(reinterpret_cast<unsigned char *>(buf));
    *value = buf;
    *length = static_cast<ub4>(var.byte_size());
    *format = 1;
    return 0;
}

}  // namespace

VSK_BIND_CONVERSION(ConvertSQLT_NUMToNUMERICOID) {
    (void)errhp, (void)indp;
    *value = nullptr;
    *length = 0;
    *format = 0;
    if (!buffer || size < kNumberSize) return -1;
    NumericVar var;
    if (ConvertNUMBERToNumeric(static_cast<const unsigned char *>(buffer), var) < 0) return -1;
    return numeric_parameter(var, value, length, format);
}

// The length byte must describe bytes the buffer holds.
VSK_BIND_CONVERSION(ConvertSQLT_VNUToNUMERICOID) {
    (void)errhp, (void)indp;
    *value = nullptr;
    *length = 0;
    *format = 0;
    const auto *varnum = static_cast<const unsigned char *>(buffer);
    if (!varnum || size < 1 || size > kVarnumSize || size < varnum[0] + 1u) return -1;
    NumericVar var;
    if (ConvertVARNUMBERToNumeric(varnum, var) < 0) return -1;
    return numeric_parameter(var, value, length, format);
}

}  // namespace vsk
