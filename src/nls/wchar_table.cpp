// The per-encoding character table. Multibyte sets pack their bytes into the wide
// character (first byte highest), as the server's own wide form does; UTF-8 and UTF-16
// give Unicode code points.
#include "nls/wchar_table.h"

#include <iterator>

#include "nls/charset.h"

using namespace vsk;

namespace {

using uc = unsigned char;

constexpr bool in(uc b, uc lo, uc hi) noexcept { return b >= lo && b <= hi; }
constexpr bool high(uc b) noexcept { return b & 0x80; }

// Single bytes: controls take no room.
int byte_width(uc b) noexcept { return (b < 0x20 || b == 0x7f) ? 0 : 1; }

OCIWchar packed(const uc *s, int n) noexcept {
    OCIWchar wc = 0;
    for (int i = 0; i < n; ++i) wc = (wc << 8) | s[i];
    return wc;
}

// Checks that the n - 1 bytes after the lead are all in [lo, hi].
int trail_in(const uc *s, std::size_t avail, int n, uc lo, uc hi) noexcept {
    if (avail < static_cast<std::size_t>(n)) return -1;
    for (int i = 1; i < n; ++i)
        if (!in(s[i], lo, hi)) return -1;
    return n;
}

// --- single-byte sets (SQL_ASCII, the ISO 8859 and Windows code pages) ---

OCIWchar sb_to_wchar(const uc *s, int) noexcept { return s[0]; }
int sb_mblen(const uc *, std::size_t) noexcept { return 1; }
int sb_dsplen(const uc *s, std::size_t) noexcept { return byte_width(s[0]); }
int sb_verify(const uc *, std::size_t) noexcept { return 1; }

// --- EUC: SS2 (0x8e) and SS3 (0x8f) prefixes, other high bytes lead two-byte characters ---

int euc_mblen(const uc *s, std::size_t) noexcept {
    if (s[0] == 0x8e) return 2;
    if (s[0] == 0x8f) return 3;
    return high(s[0]) ? 2 : 1;
}

int euc_dsplen(const uc *s, std::size_t) noexcept {
    if (!high(s[0])) return byte_width(s[0]);
    return s[0] == 0x8e ? 1 : 2;  // SS2 holds half-width katakana in EUC-JP
}

int eucjp_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    if (s[0] == 0x8e) return trail_in(s, avail, 2, 0xa1, 0xdf);
    if (s[0] == 0x8f) return trail_in(s, avail, 3, 0xa1, 0xfe);
    return in(s[0], 0xa1, 0xfe) ? trail_in(s, avail, 2, 0xa1, 0xfe) : -1;
}

int euccn_mblen(const uc *s, std::size_t) noexcept { return high(s[0]) ? 2 : 1; }
int euccn_dsplen(const uc *s, std::size_t) noexcept { return high(s[0]) ? 2 : byte_width(s[0]); }
int euccn_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    return in(s[0], 0xa1, 0xfe) ? trail_in(s, avail, 2, 0xa1, 0xfe) : -1;
}

int euckr_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    if (s[0] == 0x8e) return trail_in(s, avail, 2, 0xa1, 0xfe);
    if (s[0] == 0x8f) return trail_in(s, avail, 3, 0xa1, 0xfe);
    return in(s[0], 0xa1, 0xfe) ? trail_in(s, avail, 2, 0xa1, 0xfe) : -1;
}

// EUC-TW: SS2 introduces a plane byte and two character bytes.
int euctw_mblen(const uc *s, std::size_t) noexcept {
    if (s[0] == 0x8e) return 4;
    if (s[0] == 0x8f) return 3;
    return high(s[0]) ? 2 : 1;
}
int euctw_dsplen(const uc *s, std::size_t) noexcept { return high(s[0]) ? 2 : byte_width(s[0]); }
int euctw_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    if (s[0] == 0x8e) {
        if (avail < 4) return -1;
        return in(s[1], 0xa1, 0xb0) && in(s[2], 0xa1, 0xfe) && in(s[3], 0xa1, 0xfe) ? 4 : -1;
    }
    if (s[0] == 0x8f) return trail_in(s, avail, 3, 0xa1, 0xfe);
    return in(s[0], 0xa1, 0xfe) ? trail_in(s, avail, 2, 0xa1, 0xfe) : -1;
}

// JOHAB: every high byte leads a two-byte character.
int johab_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    if (!in(s[0], 0x84, 0xd3) && !in(s[0], 0xd8, 0xf9)) return -1;
    if (avail < 2) return -1;
    return in(s[1], 0x31, 0x7e) || in(s[1], 0x81, 0xfe) ? 2 : -1;
}

// MULE internal: a leading-charset byte, then one to three bytes with the high bit set.
int mule_mblen(const uc *s, std::size_t) noexcept {
    if (in(s[0], 0x81, 0x8d)) return 2;
    if (in(s[0], 0x90, 0x99) || in(s[0], 0x9a, 0x9b)) return 3;
    if (in(s[0], 0x9c, 0x9d)) return 4;
    return 1;
}
int mule_dsplen(const uc *s, std::size_t) noexcept {
    if (!high(s[0])) return byte_width(s[0]);
    return in(s[0], 0x81, 0x8d) ? 1 : 2;
}
int mule_verify(const uc *s, std::size_t avail) noexcept {
    int n = mule_mblen(s, avail);
    if (n == 1) return high(s[0]) ? -1 : 1;
    return trail_in(s, avail, n, 0x80, 0xff);
}

// --- UTF-8 ---

int utf8_mblen(const uc *s, std::size_t) noexcept {
    if ((s[0] & 0xe0) == 0xc0) return 2;
    if ((s[0] & 0xf0) == 0xe0) return 3;
    if ((s[0] & 0xf8) == 0xf0) return 4;
    return 1;
}

int utf8_verify(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    int n = utf8_mblen(s, avail);
    if (n == 1 || s[0] < 0xc2 || s[0] > 0xf4) return -1;  // stray continuation, overlong lead, beyond U+10FFFF
    if (trail_in(s, avail, n, 0x80, 0xbf) < 0) return -1;
    // The second byte narrows for the leads that could start overlong forms, surrogates
    // or code points past U+10FFFF.
    if (s[0] == 0xe0 && s[1] < 0xa0) return -1;
    if (s[0] == 0xed && s[1] > 0x9f) return -1;
    if (s[0] == 0xf0 && s[1] < 0x90) return -1;
    if (s[0] == 0xf4 && s[1] > 0x8f) return -1;
    return n;
}

OCIWchar utf8_to_wchar(const uc *s, int n) noexcept {
    switch (n) {
    case 2: return ((s[0] & 0x1fu) << 6) | (s[1] & 0x3fu);
    case 3: return ((s[0] & 0x0fu) << 12) | ((s[1] & 0x3fu) << 6) | (s[2] & 0x3fu);
    case 4: return ((s[0] & 0x07u) << 18) | ((s[1] & 0x3fu) << 12) | ((s[2] & 0x3fu) << 6) | (s[3] & 0x3fu);
    default: return s[0];
    }
}

int utf8_dsplen(const uc *s, std::size_t avail) noexcept {
    int n = utf8_verify(s, avail);
    return n < 0 ? 1 : ucs_width(utf8_to_wchar(s, n));
}

// --- client-only double-byte sets ---

int sjis_mblen(const uc *s, std::size_t) noexcept {
    return in(s[0], 0x81, 0x9f) || in(s[0], 0xe0, 0xfc) ? 2 : 1;
}
int sjis_dsplen(const uc *s, std::size_t avail) noexcept {
    return sjis_mblen(s, avail) == 2 ? 2 : byte_width(s[0]);
}
int sjis_verify(const uc *s, std::size_t avail) noexcept {
    if (sjis_mblen(s, avail) == 1) return (high(s[0]) && !in(s[0], 0xa1, 0xdf)) ? -1 : 1;
    if (avail < 2) return -1;
    return in(s[1], 0x40, 0x7e) || in(s[1], 0x80, 0xfc) ? 2 : -1;
}

// BIG5, GBK and UHC: a lead 0x81..0xfe and one trail byte from the set's own ranges.
int dbcs_mblen(const uc *s, std::size_t) noexcept { return in(s[0], 0x81, 0xfe) ? 2 : 1; }
int dbcs_dsplen(const uc *s, std::size_t) noexcept { return in(s[0], 0x81, 0xfe) ? 2 : byte_width(s[0]); }
int dbcs_lead(const uc *s, std::size_t avail) noexcept {
    if (!high(s[0])) return 1;
    if (!in(s[0], 0x81, 0xfe) || avail < 2) return -1;
    return 0;
}
int big5_verify(const uc *s, std::size_t avail) noexcept {
    if (int r = dbcs_lead(s, avail); r != 0) return r;
    return in(s[1], 0x40, 0x7e) || in(s[1], 0xa1, 0xfe) ? 2 : -1;
}
int gbk_verify(const uc *s, std::size_t avail) noexcept {
    if (int r = dbcs_lead(s, avail); r != 0) return r;
    return in(s[1], 0x40, 0x7e) || in(s[1], 0x80, 0xfe) ? 2 : -1;
}
int uhc_verify(const uc *s, std::size_t avail) noexcept {
    if (int r = dbcs_lead(s, avail); r != 0) return r;
    return in(s[1], 0x41, 0x5a) || in(s[1], 0x61, 0x7a) || in(s[1], 0x81, 0xfe) ? 2 : -1;
}

// GB18030: a digit after the lead makes a four-byte character.
int gb18030_mblen(const uc *s, std::size_t avail) noexcept {
    if (!in(s[0], 0x81, 0xfe)) return 1;
    return avail >= 2 && in(s[1], 0x30, 0x39) ? 4 : 2;
}
int gb18030_verify(const uc *s, std::size_t avail) noexcept {
    if (int r = dbcs_lead(s, avail); r != 0) return r;
    if (in(s[1], 0x30, 0x39)) {
        if (avail < 4) return -1;
        return in(s[2], 0x81, 0xfe) && in(s[3], 0x30, 0x39) ? 4 : -1;
    }
    return in(s[1], 0x40, 0x7e) || in(s[1], 0x80, 0xfe) ? 2 : -1;
}

// --- UTF-16 in either byte order (the text of UTF-16 environments) ---

template <bool BigEndian>
unsigned unit_at(const uc *s) noexcept {
    return BigEndian ? (s[0] << 8) | s[1] : s[0] | (s[1] << 8);
}

template <bool BE>
int utf16_mblen(const uc *s, std::size_t avail) noexcept {
    if (avail < 2) return 2;
    unsigned u = unit_at<BE>(s);
    return (u >= 0xd800 && u <= 0xdbff) ? 4 : 2;
}

template <bool BE>
int utf16_verify(const uc *s, std::size_t avail) noexcept {
    if (avail < 2) return -1;
    unsigned u = unit_at<BE>(s);
    if (u >= 0xdc00 && u <= 0xdfff) return -1;
    if (u < 0xd800 || u > 0xdbff) return 2;
    if (avail < 4) return -1;
    unsigned low = unit_at<BE>(s + 2);
    return (low >= 0xdc00 && low <= 0xdfff) ? 4 : -1;
}

template <bool BE>
OCIWchar utf16_to_wchar(const uc *s, int n) noexcept {
    unsigned u = unit_at<BE>(s);
    if (n < 4) return u;
    return 0x10000 + ((u - 0xd800) << 10) + (unit_at<BE>(s + 2) - 0xdc00);
}

template <bool BE>
int utf16_dsplen(const uc *s, std::size_t avail) noexcept {
    int n = utf16_verify<BE>(s, avail);
    return n < 0 ? 1 : ucs_width(utf16_to_wchar<BE>(s, n));
}

constexpr vsk_wchar_tbl kSingleByte = {sb_to_wchar, sb_mblen, sb_dsplen, sb_verify, 1, 1};

constexpr vsk_wchar_tbl kUtf16[] = {
    {utf16_to_wchar<false>, utf16_mblen<false>, utf16_dsplen<false>, utf16_verify<false>, 4, 2},
    {utf16_to_wchar<true>, utf16_mblen<true>, utf16_dsplen<true>, utf16_verify<true>, 4, 2},
};

struct Range {
    OCIWchar lo, hi;
};

// Combining marks and other characters that take no display position.
constexpr Range kZeroWidth[] = {
    {0x0300, 0x036f}, {0x0483, 0x0489}, {0x0591, 0x05bd}, {0x05bf, 0x05bf}, {0x05c1, 0x05c2},
    {0x05c4, 0x05c5}, {0x05c7, 0x05c7}, {0x0610, 0x061a}, {0x064b, 0x065f}, {0x0670, 0x0670},
    {0x06d6, 0x06dc}, {0x06df, 0x06e4}, {0x06e7, 0x06e8}, {0x06ea, 0x06ed}, {0x0900, 0x0902},
    {0x093c, 0x093c}, {0x0941, 0x0948}, {0x094d, 0x094d}, {0x0e31, 0x0e31}, {0x0e34, 0x0e3a},
    {0x0e47, 0x0e4e}, {0x1ab0, 0x1aff}, {0x1dc0, 0x1dff}, {0x200b, 0x200f}, {0x202a, 0x202e},
    {0x2060, 0x2064}, {0x20d0, 0x20ff}, {0x302a, 0x302d}, {0x3099, 0x309a}, {0xfe00, 0xfe0f},
    {0xfe20, 0xfe2f}, {0xfeff, 0xfeff}, {0xe0100, 0xe01ef},
};

// East Asian wide and full-width characters.
constexpr Range kWide[] = {
    {0x1100, 0x115f}, {0x231a, 0x231b}, {0x2329, 0x232a}, {0x2e80, 0x303e}, {0x3041, 0x33ff},
    {0x3400, 0x4dbf}, {0x4e00, 0x9fff}, {0xa000, 0xa4cf}, {0xa960, 0xa97f}, {0xac00, 0xd7a3},
    {0xf900, 0xfaff}, {0xfe10, 0xfe19}, {0xfe30, 0xfe6f}, {0xff00, 0xff60}, {0xffe0, 0xffe6},
    {0x1f300, 0x1f64f}, {0x1f900, 0x1f9ff}, {0x20000, 0x2fffd}, {0x30000, 0x3fffd},
};

template <std::size_t N>
bool in_ranges(const Range (&ranges)[N], OCIWchar cp) noexcept {
    std::size_t lo = 0, hi = N;
    while (lo < hi) {
        std::size_t mid = lo + (hi - lo) / 2;
        if (cp < ranges[mid].lo)
            hi = mid;
        else if (cp > ranges[mid].hi)
            lo = mid + 1;
        else
            return true;
    }
    return false;
}

constexpr bool sorted_ranges(const Range *r, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (r[i].lo > r[i].hi) return false;
        if (i > 0 && r[i - 1].hi >= r[i].lo) return false;
    }
    return true;
}
static_assert(sorted_ranges(kZeroWidth, std::size(kZeroWidth)), "binary search needs sorted ranges");
static_assert(sorted_ranges(kWide, std::size(kWide)), "binary search needs sorted ranges");

}  // namespace

extern "C" {

const vsk_wchar_tbl oci_wchar_table[39] = {
    kSingleByte,                                                         // 0 SQL_ASCII
    {packed, euc_mblen, euc_dsplen, eucjp_verify, 3, 1},                 // 1 EUC_JP
    {packed, euccn_mblen, euccn_dsplen, euccn_verify, 3, 1},             // 2 EUC_CN
    {packed, euc_mblen, euccn_dsplen, euckr_verify, 3, 1},               // 3 EUC_KR
    {packed, euctw_mblen, euctw_dsplen, euctw_verify, 4, 1},             // 4 EUC_TW
    {packed, euccn_mblen, euccn_dsplen, johab_verify, 3, 1},             // 5 JOHAB
    {utf8_to_wchar, utf8_mblen, utf8_dsplen, utf8_verify, 4, 1},         // 6 UTF8
    {packed, mule_mblen, mule_dsplen, mule_verify, 4, 1},                // 7 MULE_INTERNAL
    kSingleByte, kSingleByte, kSingleByte, kSingleByte, kSingleByte,     // 8..12 LATIN1..LATIN5
    kSingleByte, kSingleByte, kSingleByte, kSingleByte, kSingleByte,     // 13..17 LATIN6..LATIN10
    kSingleByte, kSingleByte, kSingleByte, kSingleByte, kSingleByte,     // 18..22
    kSingleByte, kSingleByte, kSingleByte, kSingleByte, kSingleByte,     // 23..27
    kSingleByte, kSingleByte, kSingleByte, kSingleByte, kSingleByte,     // 28..32
    kSingleByte,                                                         // 33 WINDOWS-1257
    {nullptr, sjis_mblen, sjis_dsplen, sjis_verify, 2, 1},               // 34 SJIS
    {nullptr, dbcs_mblen, dbcs_dsplen, big5_verify, 2, 1},               // 35 BIG5
    {nullptr, dbcs_mblen, dbcs_dsplen, gbk_verify, 2, 1},                // 36 GBK
    {nullptr, dbcs_mblen, dbcs_dsplen, uhc_verify, 2, 1},                // 37 UHC
    {nullptr, gb18030_mblen, dbcs_dsplen, gb18030_verify, 4, 1},         // 38 GB18030
};

}  // extern "C"

namespace vsk {

const vsk_wchar_tbl *wchar_row(int charset) noexcept {
    if (charset >= 0 && charset < static_cast<int>(std::size(oci_wchar_table))) return &oci_wchar_table[charset];
    if (charset == ENC_UTF16LE) return &kUtf16[0];
    if (charset == ENC_UTF16BE) return &kUtf16[1];
    return nullptr;
}

int ucs_width(OCIWchar cp) noexcept {
    if (cp == 0) return 0;
    if (cp < 0x20 || (cp >= 0x7f && cp < 0xa0)) return 0;
    if (in_ranges(kZeroWidth, cp)) return 0;
    return in_ranges(kWide, cp) ? 2 : 1;
}

}  // namespace vsk
