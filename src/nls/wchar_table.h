// Per-encoding character routines: how long a character is, whether it is well formed,
// how wide it displays and which wide character it stands for.
#pragma once

#include <oci.h>

#include <cstddef>

#include "env/export.h"

extern "C" {

// One row per character-set identifier. Every routine reads only the avail bytes it is
// given (avail >= 1); a character is never assumed to be complete.
typedef struct vsk_wchar_tbl {
    // The wide character of a complete, verified character of n bytes; null for the
    // client-only sets, which have no wide form.
    OCIWchar (*to_wchar)(const unsigned char *s, int n);
    // Bytes of the character starting at s, decided from its lead (GB18030 and UTF-16
    // look at the second byte when there is one).
    int (*mblen)(const unsigned char *s, std::size_t avail);
    // Display positions of the complete character at s.
    int (*dsplen)(const unsigned char *s, std::size_t avail);
    // Length of the well-formed character at s, or -1 when it is malformed or cut short.
    int (*mbverify)(const unsigned char *s, std::size_t avail);
    int maxmblen;
    // Bytes per code unit: 1, or 2 for UTF-16 (whose terminator is a zero unit).
    int unit;
} vsk_wchar_tbl;

// Rows for identifiers 0..38, the sets the server also knows.
VSK_EXPORT extern const vsk_wchar_tbl oci_wchar_table[39];

}  // extern "C"

namespace vsk {

// The row of a character-set identifier, 0..40 (UTF-16 included); null outside.
const vsk_wchar_tbl *wchar_row(int charset) noexcept;

// Display positions of a Unicode code point: 0 for controls and combining marks, 2 for
// East Asian wide and full-width characters, 1 otherwise.
int ucs_width(OCIWchar cp) noexcept;

}  // namespace vsk
