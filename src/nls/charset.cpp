// Identifier and name tables and their lookups.
#include "nls/charset.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "nls/ascii.h"

using namespace vsk;

namespace {

struct EncodingName {
    const char *name;
    int encoding;
};

// Identifier -> canonical name. Each row carries its identifier so a misplaced row
// is caught at compile time and, failing that, never answered.
constexpr EncodingName kEncodingNames[] = {
    {"SQL_ASCII", ENC_SQL_ASCII},
    {"EUC_JP", ENC_EUC_JP},
    {"EUC_CN", ENC_EUC_CN},
    {"EUC_KR", ENC_EUC_KR},
    {"EUC_TW", ENC_EUC_TW},
    {"JOHAB", ENC_JOHAB},
    {"UTF8", ENC_UTF8},
    {"MULE_INTERNAL", ENC_MULE_INTERNAL},
    {"LATIN1", ENC_LATIN1},
    {"LATIN2", ENC_LATIN2},
    {"LATIN3", ENC_LATIN3},
    {"LATIN4", ENC_LATIN4},
    {"LATIN5", ENC_LATIN5},
    {"LATIN6", ENC_LATIN6},
    {"LATIN7", ENC_LATIN7},
    {"LATIN8", ENC_LATIN8},
    {"LATIN9", ENC_LATIN9},
    {"LATIN10", ENC_LATIN10},
    {"WINDOWS-1256", ENC_WIN1256},
    {"WINDOWS-1258", ENC_WIN1258},
    {"CP866", ENC_WIN866},
    {"WINDOWS-874", ENC_WIN874},
    {"KOI8-R", ENC_KOI8R},
    {"WINDOWS-1251", ENC_WIN1251},
    {"WINDOWS1252", ENC_WIN1252},
    {"ISO_8859_5", ENC_ISO_8859_5},
    {"ISO_8859_6", ENC_ISO_8859_6},
    {"ISO_8859_7", ENC_ISO_8859_7},
    {"ISO_8859_8", ENC_ISO_8859_8},
    {"WINDOWS-1250", ENC_WIN1250},
    {"WINDOWS-1253", ENC_WIN1253},
    {"WINDOWS-1254", ENC_WIN1254},
    {"WINDOWS-1255", ENC_WIN1255},
    {"WINDOWS-1257", ENC_WIN1257},
    {"SJIS", ENC_SJIS},
    {"BIG5", ENC_BIG5},
    {"GBK", ENC_GBK},
    {"UHC", ENC_UHC},
    {"GB18030", ENC_GB18030},
    {"UTF-16LE", ENC_UTF16LE},
    {"UTF-16BE", ENC_UTF16BE},
};
static_assert(std::size(kEncodingNames) == ENC_LAST + 1);

constexpr bool rows_carry_their_index() {
    for (std::size_t i = 0; i < std::size(kEncodingNames); ++i)
        if (kEncodingNames[i].encoding != static_cast<int>(i)) return false;
    return true;
}
static_assert(rows_carry_their_index());

}  // namespace

extern "C" {

constexpr vsk_encname vsk_encname_tbl[] = {
    {"abc", ENC_WIN1258},
    {"alt", ENC_WIN866},
    {"big5", ENC_BIG5},
    {"euccn", ENC_EUC_CN},
    {"eucjp", ENC_EUC_JP},
    {"euckr", ENC_EUC_KR},
    {"euctw", ENC_EUC_TW},
    {"gb18030", ENC_GB18030},
    {"gbk", ENC_GBK},
    {"iso88591", ENC_LATIN1},
    {"iso885910", ENC_LATIN6},
    {"iso885913", ENC_LATIN7},
    {"iso885914", ENC_LATIN8},
    {"iso885915", ENC_LATIN9},
    {"iso885916", ENC_LATIN10},
    {"iso88592", ENC_LATIN2},
    {"iso88593", ENC_LATIN3},
    {"iso88594", ENC_LATIN4},
    {"iso88595", ENC_ISO_8859_5},
    {"iso88596", ENC_ISO_8859_6},
    {"iso88597", ENC_ISO_8859_7},
    {"iso88598", ENC_ISO_8859_8},
    {"iso88599", ENC_LATIN5},
    {"johab", ENC_JOHAB},
    {"koi8", ENC_KOI8R},
    {"koi8r", ENC_KOI8R},
    {"latin1", ENC_LATIN1},
    {"latin10", ENC_LATIN10},
    {"latin2", ENC_LATIN2},
    {"latin3", ENC_LATIN3},
    {"latin4", ENC_LATIN4},
    {"latin5", ENC_LATIN5},
    {"latin6", ENC_LATIN6},
    {"latin7", ENC_LATIN7},
    {"latin8", ENC_LATIN8},
    {"latin9", ENC_LATIN9},
    {"mskanji", ENC_SJIS},
    {"muleinternal", ENC_MULE_INTERNAL},
    {"shiftjis", ENC_SJIS},
    {"sjis", ENC_SJIS},
    {"sqlascii", ENC_SQL_ASCII},
    {"tcvn", ENC_WIN1258},
    {"tcvn5712", ENC_WIN1258},
    {"uhc", ENC_UHC},
    {"unicode", ENC_UTF8},
    {"utf16be", ENC_UTF16BE},
    {"utf16le", ENC_UTF16LE},
    {"utf8", ENC_UTF8},
    {"vscii", ENC_WIN1258},
    {"win", ENC_WIN1251},
    {"win1250", ENC_WIN1250},
    {"win1251", ENC_WIN1251},
    {"win1252", ENC_WIN1252},
    {"win1253", ENC_WIN1253},
    {"win1254", ENC_WIN1254},
    {"win1255", ENC_WIN1255},
    {"win1256", ENC_WIN1256},
    {"win1257", ENC_WIN1257},
    {"win1258", ENC_WIN1258},
    {"win866", ENC_WIN866},
    {"win874", ENC_WIN874},
    {"win932", ENC_SJIS},
    {"win936", ENC_GBK},
    {"win949", ENC_UHC},
    {"win950", ENC_BIG5},
    {"windows1250", ENC_WIN1250},
    {"windows1251", ENC_WIN1251},
    {"windows1252", ENC_WIN1252},
    {"windows1253", ENC_WIN1253},
    {"windows1254", ENC_WIN1254},
    {"windows1255", ENC_WIN1255},
    {"windows1256", ENC_WIN1256},
    {"windows1257", ENC_WIN1257},
    {"windows1258", ENC_WIN1258},
    {"windows866", ENC_WIN866},
    {"windows874", ENC_WIN874},
    {"windows932", ENC_SJIS},
    {"windows936", ENC_GBK},
    {"windows949", ENC_UHC},
    {"windows950", ENC_BIG5},
};
const unsigned vsk_encname_tbl_sz = std::size(vsk_encname_tbl);

// The three usual spellings of ISO 8859 part n.
#define VSK_ISO8859(pg, n) {pg, "ISO-8859-" #n}, {pg, "ISO8859-" #n}, {pg, "iso8859" #n}

const vsk_encoding_match encoding_match_list[] = {
    {"EUC_JP", "EUC-JP"},
    {"EUC_JP", "eucJP"},
    {"EUC_JP", "IBM-eucJP"},
    {"EUC_JP", "sdeckanji"},
    {"EUC_CN", "EUC-CN"},
    {"EUC_CN", "eucCN"},
    {"EUC_CN", "IBM-eucCN"},
    {"EUC_CN", "GB2312"},
    {"EUC_CN", "dechanzi"},
    {"EUC_KR", "EUC-KR"},
    {"EUC_KR", "eucKR"},
    {"EUC_KR", "IBM-eucKR"},
    {"EUC_KR", "deckorean"},
    {"EUC_KR", "5601"},
    {"EUC_TW", "EUC-TW"},
    {"EUC_TW", "eucTW"},
    {"EUC_TW", "IBM-eucTW"},
    {"EUC_TW", "cns11643"},
    {"UTF8", "UTF-8"},
    {"UTF8", "utf8"},
    VSK_ISO8859("LATIN1", 1),
    VSK_ISO8859("LATIN2", 2),
    VSK_ISO8859("LATIN3", 3),
    VSK_ISO8859("LATIN4", 4),
    VSK_ISO8859("LATIN5", 9),
    VSK_ISO8859("LATIN6", 10),
    VSK_ISO8859("LATIN7", 13),
    VSK_ISO8859("LATIN8", 14),
    VSK_ISO8859("LATIN9", 15),
    VSK_ISO8859("LATIN10", 16),
    {"WINDOWS1252", "CP1252"},
    {"WINDOWS-1253", "CP1253"},
    {"WINDOWS-1254", "CP1254"},
    {"WINDOWS-1255", "CP1255"},
    {"WINDOWS-1256", "CP1256"},
    {"WINDOWS-1257", "CP1257"},
    {"WINDOWS-1258", "CP1258"},
    {"KOI8-R", "KOI8-R"},
    {"WINDOWS-1251", "CP1251"},
    {"CP866", "CP866"},
    VSK_ISO8859("ISO_8859_5", 5),
    VSK_ISO8859("ISO_8859_6", 6),
    VSK_ISO8859("ISO_8859_7", 7),
    VSK_ISO8859("ISO_8859_8", 8),
    {"sqlascii", "POSIX"},
    {nullptr, nullptr},
};

#undef VSK_ISO8859

}  // extern "C"

namespace {

constexpr bool alias_table_sorted() {
    for (std::size_t i = 1; i < std::size(vsk_encname_tbl); ++i)
        if (ascii_compare(vsk_encname_tbl[i - 1].name, vsk_encname_tbl[i].name) >= 0) return false;
    return true;
}
static_assert(alias_table_sorted(), "the alias lookup is a binary search");

const vsk_encoding_match *find_match(const char *codeset) noexcept {
    if (codeset == nullptr) return nullptr;
    for (const vsk_encoding_match *m = encoding_match_list; m->pg_name != nullptr; ++m)
        if (ascii_casecmp(m->system_name, codeset) == 0) return m;
    return nullptr;
}

CharBuffer copy_of(const char *s) noexcept {
    return CharBuffer(s != nullptr ? strdup(s) : nullptr);
}

}  // namespace

namespace vsk {

const char *pg_encoding_to_char(int encoding) noexcept {
    if (encoding < 0 || encoding > ENC_LAST) return "";
    const EncodingName &row = kEncodingNames[encoding];
    return row.encoding == encoding ? row.name : "";
}

const vsk_encname *pg_char_to_encname_struct(const char *name) noexcept {
    if (name == nullptr) return nullptr;
    if (std::strlen(name) > kMaxEncodingNameLen) {
        std::fputs("encoding name too long\n", stderr);
        return nullptr;
    }

    // Keep letters and digits only, lower-cased: "ISO-8859-1" and "iso_8859_1" both
    // become "iso88591". Bytes outside ASCII are dropped like punctuation.
    char key[kMaxEncodingNameLen + 1];
    std::size_t n = 0;
    for (const char *p = name; *p != '\0'; ++p)
        if (ascii_isalnum(*p)) key[n++] = ascii_tolower(*p);
    key[n] = '\0';

    std::size_t lo = 0, hi = vsk_encname_tbl_sz;
    while (lo < hi) {
        std::size_t mid = lo + (hi - lo) / 2;
        const char *cand = vsk_encname_tbl[mid].name;
        int c = ascii_tolower(key[0]) - ascii_tolower(cand[0]);
        if (c == 0) c = ascii_casecmp(key, cand);
        if (c == 0) return &vsk_encname_tbl[mid];
        if (c < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return nullptr;
}

int pg_char_to_encoding(const char *name) noexcept {
    if (name == nullptr) return -1;
    const vsk_encname *row = pg_char_to_encname_struct(name);
    return row != nullptr ? row->encoding : ENC_UTF8;
}

CharBuffer findMatchingPgEncoding(const char *codeset) noexcept {
    const vsk_encoding_match *m = find_match(codeset);
    return m != nullptr ? copy_of(m->pg_name) : CharBuffer();
}

CharBuffer findMatchingSysEncoding(const char *codeset) noexcept {
    const vsk_encoding_match *m = find_match(codeset);
    return m != nullptr ? copy_of(m->system_name) : CharBuffer();
}

}  // namespace vsk
