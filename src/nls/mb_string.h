// Walks over multibyte and wide-character strings, bounded by the lengths they are given.
#pragma once

#include <oci.h>

#include <cstddef>

#include "nls/wchar_table.h"

namespace vsk {

// Bytes before the terminating zero unit (one byte, or two for UTF-16).
std::size_t terminated_length(const vsk_wchar_tbl &row, const unsigned char *s) noexcept;

// Characters in s[0..len), up to a zero character. A malformed byte counts as one
// character, and so does a character that len cuts short.
std::size_t mb_char_count(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len) noexcept;

// Display positions of the whole characters in s[0..len), up to a zero character.
std::size_t mb_display_width(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len) noexcept;

// Converts s[0..len), up to a zero character, into at most dstsz wide characters of dst,
// followed by a zero wide character when there is room left. A null dst only counts.
// *count receives the characters converted (or, without dst, those there are).
// Returns 0, EINVAL for a character that len cuts short, or EILSEQ for a malformed one;
// sets without a wide form (no to_wchar) give ENOSYS.
int mb_to_wide(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len, OCIWchar *dst,
               std::size_t dstsz, std::size_t *count) noexcept;

// The longest prefix of s[0..len) made of whole characters and at most limit bytes long.
std::size_t whole_chars_prefix(const vsk_wchar_tbl &row, const unsigned char *s, std::size_t len,
                               std::size_t limit) noexcept;

// Wide characters before the zero terminator, looking at no more than max of them.
std::size_t wide_length(const OCIWchar *s, std::size_t max) noexcept;

// Compares two wide strings, each ending at its zero terminator or at its length,
// whichever comes first; an ended string compares as a zero character. The result is
// the difference of the first two characters that differ (clamped to int), else 0.
int wide_compare(const OCIWchar *a, std::size_t alen, const OCIWchar *b, std::size_t blen) noexcept;

}  // namespace vsk
