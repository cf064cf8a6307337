// Fetching int2, int4, int8, float4 and float8 columns into every external type.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/network_order.h"
#include "types/number_delivery.h"

namespace vsk {

namespace {

enum class Source { Int2, Int4, Int8, Float4, Float8 };
constexpr Source kINT2 = Source::Int2, kINT4 = Source::Int4, kINT8 = Source::Int8, kFLOAT4 = Source::Float4,
                 kFLOAT8 = Source::Float8;

bool is_integer(Source s) { return s == Source::Int2 || s == Source::Int4 || s == Source::Int8; }
int binary_width(Source s) {
    switch (s) {
    case Source::Int2: return 2;
    case Source::Int4: case Source::Float4: return 4;
    default: return 8;
    }
}

// The signed integer of a binary value; false when it is shorter than its type.
bool binary_integer(Source s, const char *value, int length, std::int64_t *v) {
    const int w = binary_width(s);
    if (length < w) return false;
    const std::uint64_t raw = read_network(value, w);
    *v = w == 2   ? static_cast<std::int16_t>(raw)
         : w == 4 ? static_cast<std::int32_t>(raw)
                  : static_cast<std::int64_t>(raw);
    return true;
}

bool binary_real(Source s, const char *value, int length, double *d) {
    const int w = binary_width(s);
    if (length < w) return false;
    const std::uint64_t raw = read_network(value, w);
    if (w == 4) {
        const auto bits = static_cast<std::uint32_t>(raw);
        float f;
        std::memcpy(&f, &bits, 4);
        *d = f;
    } else {
        std::memcpy(d, &raw, 8);
    }
    return true;
}

// The value's decimal text: the server's own, or rendered from the binary value.
bool source_text(Source s, const char *value, int length, int format, std::string &text) {
    if (format == 0) {
        text.assign(value, static_cast<std::size_t>(length));
        return true;
    }
    if (format != 1) return false;
    if (is_integer(s)) {
        std::int64_t v;
        if (!binary_integer(s, value, length, &v)) return false;
        text = std::to_string(v);
        return true;
    }
    double d;
    if (!binary_real(s, value, length, &d)) return false;
    text = dtostr(d, s == Source::Float4 ? 6 : 15);
    return true;
}

// The integer a value holds: 0, or -1 when it cannot be read.
int source_integer(Source s, const char *value, int length, int format, std::int64_t *v) {
    if (format == 1) return binary_integer(s, value, length, v) ? 0 : -1;
    if (format != 0) return -1;
    const std::string text(value, static_cast<std::size_t>(length));
    char *end = nullptr;
    errno = 0;
    *v = std::strtoll(text.c_str(), &end, 10);
    return end == text.c_str() || errno == ERANGE ? -1 : 0;
}

// The real a value holds: 0, or -1 when it cannot be read or text follows the number.
int source_real(Source s, const char *value, int length, int format, double *d) {
    if (format == 1) return binary_real(s, value, length, d) ? 0 : -1;
    if (format != 0) return -1;
    const std::string text(value, static_cast<std::size_t>(length));
    char *end = nullptr;
    *d = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') return -1;
    float f;
    if (s == Source::Float4 && narrow_to_float(*d, &f) >= 0) *d = f;
    return 0;
}

int to_integer(OCIError *errhp, Source s, const char *value, int length, int format, void *dst, ub4 cap,
               bool is_unsigned) {
    if (!integer_width(cap)) {
        AddErrorRecord(errhp, OCI_ERROR, kErrIllegalConversion);
        return -1;
    }
    if (is_integer(s)) {
        std::int64_t v = 0;
        if (source_integer(s, value, length, format, &v) < 0) return -1;
        const bool fits = is_unsigned ? v >= 0 && fits_unsigned(static_cast<std::uint64_t>(v), cap)
                                      : fits_signed(v, cap);
        if (!fits) {
            // int2 and int4 values are stored before the overflow is reported.
            if (s != Source::Int8) store_integer(dst, cap, static_cast<std::uint64_t>(v));
            AddErrorRecord(errhp, OCI_ERROR, kErrOverflow);
            return -1;
        }
        store_integer(dst, cap, static_cast<std::uint64_t>(v));
        return 0;
    }
    double d = 0;
    if (source_real(s, value, length, format, &d) < 0) return -1;
    std::uint64_t bits = 0;
    if (!double_to_integer(d, cap, is_unsigned, &bits)) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNumericOverflow);
        return -1;
    }
    store_integer(dst, cap, bits);
    return 0;
}

int to_real(OCIError *errhp, Source s, const char *value, int length, int format, void *dst, ub4 *lengthp) {
    const ub4 cap = *lengthp;
    double d = 0;
    if (is_integer(s)) {
        if (cap != 4 && cap != 8) return -1;
        std::int64_t v = 0;
        if (source_integer(s, value, length, format, &v) < 0) return -1;
        d = static_cast<double>(v);
        if (cap == 4) {
            const auto f = static_cast<float>(v);
            std::memcpy(dst, &f, 4);
        } else {
            std::memcpy(dst, &d, 8);
        }
        return 0;
    }
    if (cap < 4) return -1;
    if (source_real(s, value, length, format, &d) < 0) return -1;
    if (cap >= 8) {
        std::memcpy(dst, &d, 8);
        *lengthp = 8;
        return 0;
    }
    float f;
    if (narrow_to_float(d, &f) < 0) {
        AddErrorRecord(errhp, OCI_ERROR, kErrNumericOverflow);
        return -1;
    }
    std::memcpy(dst, &f, 4);
    *lengthp = 4;
    return 0;
}

// How each character target treats a value that does not fit, by source: int2, the
// wider integers, floating point.
struct CharTarget {
    ub2 sqlt;
    CharLayout layout[3];
    CutRule cut[3];
};

const CharTarget kCharTargets[] = {
    {SQLT_CHR, {CharLayout::Blanks, CharLayout::Blanks, CharLayout::Blanks}, {kQuietCut, kReportedCut, kReportedCut}},
    {SQLT_AFC, {CharLayout::Blanks, CharLayout::Blanks, CharLayout::Blanks}, {kQuietCut, kQuietCut, kReportedCut}},
    {SQLT_LNG, {CharLayout::Plain, CharLayout::Plain, CharLayout::Blanks}, {kQuietCut, kReportedCut, kReportedCut}},
    {SQLT_AVC, {CharLayout::Avc, CharLayout::Avc, CharLayout::Avc}, {kQuietCutExact, kQuietCutExact, kReportedCut}},
    {SQLT_STR, {CharLayout::Str, CharLayout::Str, CharLayout::Str}, {kQuietCutExact, kReportedCut, kReportedCut}},
    {SQLT_VCS, {CharLayout::Prefix16, CharLayout::Prefix16, CharLayout::Prefix16},
     {kQuietCutExact, kReportedCut, kReportedCut}},
    {SQLT_LVC, {CharLayout::Prefix32, CharLayout::Prefix32, CharLayout::Prefix32},
     {kOverflowCut, kQuietCut, kReportedCut}},
};

constexpr std::size_t kInt2StrLimit = 2000;

int to_chars(OCIError *errhp, Source s, ub2 sqlt, const char *value, int length, int format, void *dst,
             ub4 *lengthp, sb2 *indp) {
    std::string text;
    if (!source_text(s, value, length, format, text)) return -1;
    if (sqlt == SQLT_VST) return deliver_string(errhp, text, dst, lengthp, indp);
    const int kind = s == Source::Int2 ? 0 : is_integer(s) ? 1 : 2;
    if (sqlt == SQLT_STR && s == Source::Int2 && text.size() > kInt2StrLimit) return -1;
    for (const CharTarget &t : kCharTargets)
        if (t.sqlt == sqlt) return deliver_chars(errhp, text, t.layout[kind], t.cut[kind], dst, lengthp, indp);
    return -1;
}

int number_source_fetch(Source s, ub2 sqlt, OCIError *errhp, const char *value, int length, int format,
                        void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep) noexcept {
    return number_member(value, length, format, errhp, indp, rcodep, [&]() -> int {
        auto real = [&] { return to_real(errhp, s, value, length, format, destination, lengthp); };
        switch (sqlt) {
        case SQLT_INT: case SQLT_UIN:
            return to_integer(errhp, s, value, length, format, destination, *lengthp, sqlt == SQLT_UIN);
        case SQLT_FLT: return real();
        case SQLT_BFLOAT: return with_real_size(lengthp, 4, real);
        case SQLT_BDOUBLE: return with_real_size(lengthp, 8, real);
        case SQLT_NUM: case SQLT_VNU: {
            std::string text;
            if (!source_text(s, value, length, format, text)) return -1;
            return sqlt == SQLT_NUM ? deliver_number(errhp, text.c_str(), destination, lengthp)
                                    : deliver_varnum(errhp, text.c_str(), destination, lengthp);
        }
        default: return to_chars(errhp, s, sqlt, value, length, format, destination, lengthp, indp);
        }
    });
}

}  // namespace

#define VSK_DEFINE_NUMBER_FETCH(SRC, TGT)                                                                      \
    VSK_FETCH_CONVERSION(Convert##SRC##OIDToSQLT_##TGT) {                                                      \
        return number_source_fetch(k##SRC, SQLT_##TGT, errhp, value, length, format, destination, lengthp, indp, \
                                   rcodep);                                                                   \
    }
VSK_NUMERIC_SOURCE_TARGETS(VSK_DEFINE_NUMBER_FETCH, INT2)
VSK_NUMERIC_SOURCE_TARGETS(VSK_DEFINE_NUMBER_FETCH, INT4)
VSK_NUMERIC_SOURCE_TARGETS(VSK_DEFINE_NUMBER_FETCH, INT8)
VSK_NUMERIC_SOURCE_TARGETS(VSK_DEFINE_NUMBER_FETCH, FLOAT4)
VSK_NUMERIC_SOURCE_TARGETS(VSK_DEFINE_NUMBER_FETCH, FLOAT8)

}  // namespace vsk
