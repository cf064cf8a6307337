#include "nls/mb_string.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

namespace vsk {

namespace {

bool zero_at(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t avail) noexcept {
    if (row.unit == 2) return avail >= 2 && s[0] == 0 && s[1] == 0;
    return s[0] == 0;
}

// The step past a character that cannot be read whole: one code unit, never beyond avail.
std::size_t unit_step(const vsk_wchar_tbl &row, std::size_t avail) noexcept {
    return avail < static_cast<std::size_t>(row.unit) ? avail : static_cast<std::size_t>(row.unit);
}

}  // namespace

std::size_t terminated_length(const vsk_wchar_tbl &row, const unsigned char *s) noexcept {
    if (row.unit == 1) return std::strlen(reinterpret_cast<const char *>(s));
    std::size_t n = 0;
    while (s[n] != 0 || s[n + 1] != 0) n += 2;
    return n;
}

std::size_t mb_char_count(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len) noexcept {
    std::size_t count = 0, pos = 0;
    while (pos < len && !zero_at(row, s + pos, len - pos)) {
        std::size_t avail = len - pos;
        int n = row.mbverify(s + pos, avail);
        if (n < 0) {
            int want = row.mblen(s + pos, avail);
            n = static_cast<std::size_t>(want) > avail ? static_cast<int>(avail) : static_cast<int>(unit_step(row, avail));
        }
        pos += static_cast<std::size_t>(n);
        ++count;
    }
    return count;
}

std::size_t mb_display_width(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len) noexcept {
    std::size_t width = 0, pos = 0;
    while (pos < len && !zero_at(row, s + pos, len - pos)) {
        std::size_t avail = len - pos;
        int n = row.mbverify(s + pos, avail);
        if (n < 0) {
            if (static_cast<std::size_t>(row.mblen(s + pos, avail)) > avail) break;  // cut short: not whole
            pos += unit_step(row, avail);
            ++width;
            continue;
        }
        width += static_cast<std::size_t>(row.dsplen(s + pos, avail));
        pos += static_cast<std::size_t>(n);
    }
    return width;
}

int mb_to_wide(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len, OCIWchar *dst,
               std::size_t dstsz, std::size_t *count) noexcept {
    *count = 0;
    if (!row.to_wchar) return ENOSYS;
    std::size_t pos = 0, n_out = 0;
    int rc = 0;
    while (pos < len && !zero_at(row, s + pos, len - pos)) {
        if (dst && n_out == dstsz) break;
        std::size_t avail = len - pos;
        int n = row.mbverify(s + pos, avail);
        if (n < 0) {
            rc = static_cast<std::size_t>(row.mblen(s + pos, avail)) > avail ? EINVAL : EILSEQ;
            break;
        }
        if (dst) dst[n_out] = row.to_wchar(s + pos, n);
        ++n_out;
        pos += static_cast<std::size_t>(n);
    }
    if (dst && n_out < dstsz) dst[n_out] = 0;
    *count = n_out;
    return rc;
}

std::size_t whole_chars_prefix(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len,
                               std::size_t limit) noexcept {
    std::size_t pos = 0;
    while (pos < len) {
        std::size_t avail = len - pos;
        int n = row.mbverify(s + pos, avail);
        std::size_t step = n < 0 ? unit_step(row, avail) : static_cast<std::size_t>(n);
        if (pos + step > limit) break;
        pos += step;
    }
    return pos;
}

std::size_t wide_length(const OCIWchar *s, std::size_t max) noexcept {
    std::size_t n = 0;
    while (n < max && s[n] != 0) ++n;
    return n;
}

int wide_compare(const OCIWchar *a, std::size_t alen, const OCIWchar *b, std::size_t blen) noexcept {
    for (std::size_t i = 0;; ++i) {
        OCIWchar x = i < alen ? a[i] : 0;
        OCIWchar y = i < blen ? b[i] : 0;
        if (x != y) {
            std::int64_t d = static_cast<std::int64_t>(x) - static_cast<std::int64_t>(y);
            return d > INT_MAX ? INT_MAX : (d < INT_MIN ? INT_MIN : static_cast<int>(d));
        }
        if (x == 0) return 0;
    }
}

}  // namespace vsk
