#include "types/number_delivery.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "env/error.h"
#include "nls/oci_string.h"
#include "number/number_text.h"

namespace vsk {

namespace {

std::size_t fixed_part(CharLayout layout) {
    switch (layout) {
    case CharLayout::Avc:
    case CharLayout::Str: return 1;
    case CharLayout::Prefix16: return 2;
    case CharLayout::Prefix32: return 4;
    default: return 0;
    }
}

void write_prefix(char *dst, CharLayout layout, std::size_t n) {
    if (layout == CharLayout::Prefix16) {
        const auto p = static_cast<ub2>(n);
        std::memcpy(dst, &p, sizeof p);
    } else {
        const auto p = static_cast<ub4>(n);
        std::memcpy(dst, &p, sizeof p);
    }
}

// k bytes of text in the layout, within cap bytes; the bytes of the value as written.
std::size_t write_chars(char *dst, std::size_t cap, std::string_view text, std::size_t k, CharLayout layout,
                        bool whole) {
    switch (layout) {
    case CharLayout::Blanks:
        std::memcpy(dst, text.data(), k);
        std::memset(dst + k, ' ', cap - k);
        return k;
    case CharLayout::Plain:
        std::memcpy(dst, text.data(), k);
        return k;
    case CharLayout::Avc:
        std::memcpy(dst, text.data(), k);
        dst[k] = '\0';
        std::memset(dst + k + 1, ' ', cap - k - 1);
        return k + 1;
    case CharLayout::Str:
        std::memcpy(dst, text.data(), k);
        dst[k] = '\0';
        return whole ? k : k + 1;
    case CharLayout::Prefix16:
    case CharLayout::Prefix32: {
        const std::size_t p = fixed_part(layout);
        write_prefix(dst, layout, k);
        std::memcpy(dst + p, text.data(), k);
        return k + p;
    }
    }
    return 0;
}

}  // namespace

bool empty_number(const char *value, int length, int format) noexcept {
    return !value || length <= 0 || (format == 0 && value[0] == '\0');
}

int conversion_failure(OCIError *errhp, ub4 number) noexcept {
    AddErrorRecord(errhp, OCI_ERROR, number);
    return -1;
}

int deliver_chars(OCIError *errhp, std::string_view text, CharLayout layout, const CutRule &cut, void *destination,
                  ub4 *lengthp, sb2 *indp) noexcept {
    const std::size_t cap = *lengthp, fixed = fixed_part(layout);
    if (cap < fixed) return -1;
    auto *dst = static_cast<char *>(destination);
    std::size_t room = cap - fixed;
    // The 16-bit prefix cannot count more.
    if (layout == CharLayout::Prefix16 && room > 0xFFFF) room = 0xFFFF;
    const std::size_t n = text.size();
    const bool fits = cut.exact_fit_is_cut ? n < room : n <= room;
    if (fits) {
        *lengthp = static_cast<ub4>(write_chars(dst, cap, text, n, layout, true));
        return 0;
    }
    if (cut.refuse_without_indicator && !indp) return cut.result_without_indicator;
    const std::size_t k = n < room ? n : room;
    write_chars(dst, cap, text, k, layout, false);
    if (cut.error) AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, cut.error);
    if (indp) *indp = truncated_length(n - k);
    *lengthp = static_cast<ub4>(fixed + k);
    return indp ? cut.result : cut.result_without_indicator;
}

int deliver_string(OCIError *errhp, std::string_view text, void *destination, ub4 *lengthp, sb2 *indp) noexcept {
    if (*lengthp < 4) return -1;
    auto **slot = static_cast<OCIString **>(destination);
    const std::size_t n = text.size();
    if (!*slot) return string_assign_bytes(slot, text.data(), n) ? 0 : -1;
    OCIString *s = *slot;
    if (!s->text) return -1;
    const std::size_t size = s->capacity;
    if (n + 1 <= size) {
        std::memcpy(s->text, text.data(), n);
        s->text[n] = '\0';
        s->size = static_cast<ub4>(n);
        return 0;
    }
    report_truncation(errhp, indp, n + 1 - size);
    const std::size_t k = size ? size - 1 : 0;
    std::memcpy(s->text, text.data(), k);
    s->text[k] = '\0';
    s->size = static_cast<ub4>(k);
    return 1;
}

bool integer_width(ub4 width) noexcept { return width == 1 || width == 2 || width == 4 || width == 8; }

bool fits_signed(std::int64_t v, ub4 width) noexcept {
    if (width >= 8) return true;
    const std::int64_t limit = std::int64_t{1} << (8 * width - 1);
    return v >= -limit && v < limit;
}

bool fits_unsigned(std::uint64_t v, ub4 width) noexcept {
    return width >= 8 || v < (std::uint64_t{1} << (8 * width));
}

void store_integer(void *destination, ub4 width, std::uint64_t v) noexcept {
    switch (width) {
    case 1: { const auto x = static_cast<std::uint8_t>(v); std::memcpy(destination, &x, 1); break; }
    case 2: { const auto x = static_cast<std::uint16_t>(v); std::memcpy(destination, &x, 2); break; }
    case 4: { const auto x = static_cast<std::uint32_t>(v); std::memcpy(destination, &x, 4); break; }
    default: std::memcpy(destination, &v, 8); break;
    }
}

bool double_to_integer(double d, ub4 width, bool is_unsigned, std::uint64_t *bits) noexcept {
    if (!std::isfinite(d)) return false;
    const double t = std::trunc(d);
    const int value_bits = static_cast<int>(8 * width) - (is_unsigned ? 0 : 1);
    const double limit = std::ldexp(1.0, value_bits);
    if (is_unsigned) {
        if (t < 0 || t >= limit) return false;
        *bits = static_cast<std::uint64_t>(t);
    } else {
        if (t < -limit || t >= limit) return false;
        *bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(t));
    }
    return true;
}

int narrow_to_float(double d, float *f) noexcept {
    if (std::isnan(d)) {
        *f = std::numeric_limits<float>::quiet_NaN();
        return 0;
    }
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) return -1;
    *f = static_cast<float>(d);
    return static_cast<double>(*f) == d ? 0 : 1;
}

int store_exact_float(OCIError *errhp, double d, void *destination) noexcept {
    float f;
    const int rc = narrow_to_float(d, &f);
    if (rc < 0) return conversion_failure(errhp, kErrNumericOverflow);
    std::memcpy(destination, &f, 4);
    if (rc > 0) AddErrorRecord(errhp, OCI_SUCCESS_WITH_INFO, kErrNumericOverflow);
    return rc;
}

std::string dtostr(double d, int fraction_digits) {
    if (std::isnan(d)) return "NaN";
    if (std::isinf(d)) return d < 0 ? "-Infinity" : "Infinity";
    // The largest double has 309 integer digits.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", fraction_digits, d);
    std::string s(buf);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

int deliver_number(OCIError *errhp, const char *text, void *destination, ub4 *lengthp) noexcept {
    if (*lengthp < kNumberSize) return -1;
    unsigned char number[kNumberSize] = {};
    if (ConvertStringToNUMBER(text, number) < 0) return conversion_failure(errhp, kErrNumberInvalid);
    std::memcpy(destination, number, kNumberSize);
    *lengthp = kNumberSize;
    return 0;
}

int copy_varnum(const unsigned char *varnum, void *destination, ub4 *lengthp) noexcept {
    const ub4 n = varnum[0] + 1u;
    if (*lengthp < n) return -1;
    std::memcpy(destination, varnum, *lengthp < kVarnumSize ? n : kVarnumSize);
    *lengthp = n;
    return 0;
}

int deliver_varnum(OCIError *errhp, const char *text, void *destination, ub4 *lengthp) noexcept {
    unsigned char varnum[kVarnumSize] = {};
    if (ConvertStringToVARNUM(text, varnum) < 0) return conversion_failure(errhp, kErrNumberInvalid);
    return copy_varnum(varnum, destination, lengthp);
}

}  // namespace vsk
