// Character-set identifiers, their names and the name lookups.
//
// Identifiers 0..40 are the library's own numbering: 39 and 40 are the UTF-16 forms
// of UTF-16 environments, and the rest is not current libpq's numbering (JOHAB is 5
// here, 40 there). libpq exports functions of the same names, so ours live in
// namespace vsk and stay hidden.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

#include "env/export.h"

extern "C" {

// One row of the alias table: normalised name (lower case, letters and digits only).
typedef struct vsk_encname {
    const char *name;
    int encoding;
} vsk_encname;

// One pair of the system-encoding match list: canonical name, locale codeset name.
typedef struct vsk_encoding_match {
    const char *pg_name;
    const char *system_name;
} vsk_encoding_match;

// One row of the vendor character-set table: vendor name, vendor numeric id.
typedef struct vsk_charset_name {
    const char *name;
    int id;
} vsk_charset_name;

// Sorted by name (strcmp order).
VSK_EXPORT extern const vsk_encname vsk_encname_tbl[];
VSK_EXPORT extern const unsigned vsk_encname_tbl_sz;

// Ended by a pair of null pointers.
VSK_EXPORT extern const vsk_encoding_match encoding_match_list[];

// Sorted by name in upper case (strcmp order); vsk_charset_names_sz rows.
VSK_EXPORT extern const vsk_charset_name vsk_charset_names[];
VSK_EXPORT extern const int vsk_charset_names_sz;
// For each letter A..Z the first row of vsk_charset_names starting with it, -1 when
// none; the last entry is the row count.
VSK_EXPORT extern const int vsk_charset_index[27];

}  // extern "C"

namespace vsk {

enum Encoding : int {
    ENC_SQL_ASCII = 0,
    ENC_EUC_JP = 1,
    ENC_EUC_CN = 2,
    ENC_EUC_KR = 3,
    ENC_EUC_TW = 4,
    ENC_JOHAB = 5,
    ENC_UTF8 = 6,
    ENC_MULE_INTERNAL = 7,
    ENC_LATIN1 = 8,
    ENC_LATIN2 = 9,
    ENC_LATIN3 = 10,
    ENC_LATIN4 = 11,
    ENC_LATIN5 = 12,
    ENC_LATIN6 = 13,
    ENC_LATIN7 = 14,
    ENC_LATIN8 = 15,
    ENC_LATIN9 = 16,
    ENC_LATIN10 = 17,
    ENC_WIN1256 = 18,
    ENC_WIN1258 = 19,
    ENC_WIN866 = 20,
    ENC_WIN874 = 21,
    ENC_KOI8R = 22,
    ENC_WIN1251 = 23,
    ENC_WIN1252 = 24,
    ENC_ISO_8859_5 = 25,
    ENC_ISO_8859_6 = 26,
    ENC_ISO_8859_7 = 27,
    ENC_ISO_8859_8 = 28,
    ENC_WIN1250 = 29,
    ENC_WIN1253 = 30,
    ENC_WIN1254 = 31,
    ENC_WIN1255 = 32,
    ENC_WIN1257 = 33,
    ENC_SJIS = 34,
    ENC_BIG5 = 35,
    ENC_GBK = 36,
    ENC_UHC = 37,
    ENC_GB18030 = 38,
    ENC_UTF16LE = 39,
    ENC_UTF16BE = 40,
    ENC_LAST = ENC_UTF16BE,
};

// Longest alias accepted by the lookup; longer names are reported and not found.
constexpr std::size_t kMaxEncodingNameLen = 63;

struct FreeDeleter {
    void operator()(void *p) const noexcept { std::free(p); }
};
// A malloc'd, NUL-terminated string or buffer; release() hands out a pointer for free().
using CharBuffer = std::unique_ptr<char, FreeDeleter>;

// Canonical name of encoding (also the name given to iconv, see iconv_charset_name);
// "" for an identifier outside 0..40. Never null; static storage.
const char *pg_encoding_to_char(int encoding) noexcept;

// Identifier of name through the alias table: -1 for a null name, ENC_UTF8 for a
// name the table does not know.
int pg_char_to_encoding(const char *name) noexcept;

// The alias row of name, or null. A name of more than kMaxEncodingNameLen characters
// writes "encoding name too long\n" to stderr and is not found.
const vsk_encname *pg_char_to_encname_struct(const char *name) noexcept;

// Case-insensitive search of encoding_match_list by system codeset name. The first
// returns a copy of the pair's canonical name, the second a copy of the system name
// as the list spells it; both null when codeset is null or unmatched (or on
// allocation failure).
CharBuffer findMatchingPgEncoding(const char *codeset) noexcept;
CharBuffer findMatchingSysEncoding(const char *codeset) noexcept;

// Vendor numeric id of a vendor character-set name, case-insensitive; 0 when name is
// null, does not start with a letter, or is unknown.
int search_charsetID(const char *name) noexcept;

}  // namespace vsk
