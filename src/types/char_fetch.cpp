// Fetching the single-byte "char" type: one character into text, integer and
// floating-point targets.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

constexpr ub4 kErrOverflow = 22053;

bool empty_char(const char *value, int length, int format) {
    return !value || length <= 0 || (format == 0 && value[0] == '\0');
}

// Whatever the layout, the one character must fit; a cut is reported like any truncation.
int no_room(OCIError *errhp, sb2 *indp, ub4 *lengthp) {
    report_truncation(errhp, indp, 1);
    *lengthp = 0;
    return 1;
}

template <class Int>
void store(void *dst, Int v) {
    std::memcpy(dst, &v, sizeof v);
}

// The character as an integer in [lo, hi]: the byte itself in binary format, the text
// read as a decimal number in text format.
int char_integer(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp,
                 bool is_unsigned) {
    const ub4 cap = *lengthp;
    if (cap != 1 && cap != 2 && cap != 4 && cap != 8) return -1;
    long v = 0;
    if (format == 1) {
        v = is_unsigned ? static_cast<unsigned char>(value[0]) : static_cast<signed char>(value[0]);
    } else if (format == 0) {
        std::string text(value, static_cast<std::size_t>(length));
        errno = 0;
        v = std::strtol(text.c_str(), nullptr, 10);
        const long lo = is_unsigned ? 0 : -128, hi = is_unsigned ? 255 : 127;
        if (errno == ERANGE || v < lo || v > hi) {
            AddErrorRecord(errhp, OCI_ERROR, kErrOverflow);
            return -1;
        }
    }
    switch (cap) {
    case 1: store(destination, static_cast<sb1>(v)); break;
    case 2: store(destination, static_cast<sb2>(v)); break;
    case 4: store(destination, static_cast<sb4>(v)); break;
    default: store(destination, static_cast<sb8>(v)); break;
    }
    return 0;
}

void store_float(void *destination, ub4 cap, const char *value) {
    const auto code = static_cast<signed char>(value[0]);
    if (cap == 4) store(destination, static_cast<float>(code));
    else if (cap == 8) store(destination, static_cast<double>(code));
}

}  // namespace

#define VSK_CHAR_PROLOGUE                                                                     \
    if (indp) *indp = 0;                                                                      \
    if (empty_char(value, length, format)) return null_result(errhp, indp, rcodep);          \
    auto *dst = static_cast<char *>(destination);                                             \
    const ub4 cap = *lengthp;                                                                 \
    (void)dst;                                                                                \
    (void)cap

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_CHR) {
    VSK_CHAR_PROLOGUE;
    if (cap == 0) return no_room(errhp, indp, lengthp);
    dst[0] = value[0];
    std::memset(dst + 1, ' ', cap - 1);
    *lengthp = 1;
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_AVC) {
    VSK_CHAR_PROLOGUE;
    if (cap < 2) {
        if (cap == 1) dst[0] = '\0';
        return no_room(errhp, indp, lengthp);
    }
    dst[0] = value[0];
    dst[1] = '\0';
    std::memset(dst + 2, ' ', cap - 2);
    *lengthp = 1;
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_STR) {
    VSK_CHAR_PROLOGUE;
    if (cap < 2) return -1;
    dst[0] = value[0];
    dst[1] = '\0';
    *lengthp = 1;
    return 0;
}

// The prefixed layouts need room for the prefix and the character.
VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_VCS) {
    VSK_CHAR_PROLOGUE;
    if (cap < 3) return -1;
    store<ub2>(dst, 1);
    dst[2] = value[0];
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_LVC) {
    VSK_CHAR_PROLOGUE;
    if (cap < 5) return -1;
    store<ub4>(dst, 1);
    dst[4] = value[0];
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_INT) {
    VSK_CHAR_PROLOGUE;
    return char_integer(errhp, value, length, format, destination, lengthp, false);
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_UIN) {
    VSK_CHAR_PROLOGUE;
    return char_integer(errhp, value, length, format, destination, lengthp, true);
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_FLT) {
    VSK_CHAR_PROLOGUE;
    store_float(destination, cap, value);
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_BFLOAT) {
    VSK_CHAR_PROLOGUE;
    if (cap < 4) return -1;
    store_float(destination, 4, value);
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_BDOUBLE) {
    VSK_CHAR_PROLOGUE;
    if (cap < 8) return -1;
    store_float(destination, 8, value);
    return 0;
}

}  // namespace vsk
