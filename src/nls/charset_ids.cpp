#include "nls/charset_ids.h"

#include <iterator>

#include "nls/ascii.h"
#include "nls/charset.h"

namespace vsk {

namespace {

struct VendorEquivalent {
    const char *vendor;
    int library;
};

// Vendor sets the library converts under one of its own identifiers.
constexpr VendorEquivalent kEquivalents[] = {
    {"AL16UTF16", ENC_UTF16BE},     {"AL16UTF16LE", ENC_UTF16LE},   {"AL24UTFFSS", ENC_UTF8},
    {"AL32UTF8", ENC_UTF8},         {"AR8ISO8859P6", ENC_ISO_8859_6}, {"AR8MSWIN1256", ENC_WIN1256},
    {"BLT8ISO8859P13", ENC_LATIN7}, {"BLT8MSWIN1257", ENC_WIN1257}, {"CEL8ISO8859P14", ENC_LATIN8},
    {"CL8ISO8859P5", ENC_ISO_8859_5}, {"CL8KOI8R", ENC_KOI8R},      {"CL8MSWIN1251", ENC_WIN1251},
    {"EE8ISO8859P2", ENC_LATIN2},   {"EE8MSWIN1250", ENC_WIN1250},  {"EL8ISO8859P7", ENC_ISO_8859_7},
    {"EL8MSWIN1253", ENC_WIN1253},  {"IW8ISO8859P8", ENC_ISO_8859_8}, {"IW8MSWIN1255", ENC_WIN1255},
    {"JA16EUC", ENC_EUC_JP},        {"JA16EUCTILDE", ENC_EUC_JP},   {"JA16EUCYEN", ENC_EUC_JP},
    {"JA16SJIS", ENC_SJIS},         {"JA16SJISTILDE", ENC_SJIS},    {"JA16SJISYEN", ENC_SJIS},
    {"KO16KSC5601", ENC_EUC_KR},    {"KO16KSCCS", ENC_JOHAB},       {"KO16MSWIN949", ENC_UHC},
    {"NE8ISO8859P10", ENC_LATIN6},  {"NEE8ISO8859P4", ENC_LATIN4},  {"RU8PC866", ENC_WIN866},
    {"SE8ISO8859P3", ENC_LATIN3},   {"TH8TISASCII", ENC_WIN874},    {"TR8MSWIN1254", ENC_WIN1254},
    {"US7ASCII", ENC_SQL_ASCII},    {"UTF16", ENC_UTF16LE},         {"UTF8", ENC_UTF8},             {"VN8MSWIN1258", ENC_WIN1258},
    {"WE8ISO8859P1", ENC_LATIN1},   {"WE8ISO8859P15", ENC_LATIN9},  {"WE8ISO8859P9", ENC_LATIN5},
    {"WE8MSWIN1252", ENC_WIN1252},  {"ZHS16CGB231280", ENC_EUC_CN}, {"ZHS16GBK", ENC_GBK},
    {"ZHS32GB18030", ENC_GB18030},  {"ZHT16BIG5", ENC_BIG5},        {"ZHT16MSWIN950", ENC_BIG5},
    {"ZHT32EUC", ENC_EUC_TW},
};

}  // namespace

const char *vendor_charset_name(int number) noexcept {
    if (number <= kLastLibraryId) return nullptr;
    for (int i = 0; i < vsk_charset_names_sz; ++i)
        if (vsk_charset_names[i].id == number) return vsk_charset_names[i].name;
    return nullptr;
}

int library_id_for_vendor_name(const char *name) noexcept {
    if (!name) return -1;
    for (const VendorEquivalent &e : kEquivalents)
        if (ascii_casecmp(name, e.vendor) == 0) return e.library;
    return -1;
}

int library_id_for_name(const char *name) noexcept {
    if (!name) return -1;
    if (const vsk_encname *alias = pg_char_to_encname_struct(name)) return alias->encoding;
    int id = library_id_for_vendor_name(name);
    return id >= 0 ? id : ENC_UTF8;
}

int library_id_for_id(int id) noexcept {
    if (id < 0) return -1;
    if (id <= kLastLibraryId) return id;
    return library_id_for_vendor_name(vendor_charset_name(id));
}

int vendor_number_for_library_id(int id) noexcept {
    // Sets with several vendor names answer with the one drivers ask for.
    if (id == ENC_UTF8) return 873;
    if (id == ENC_UTF16LE) return 1000;
    if (id == ENC_UTF16BE) return 2000;
    for (const VendorEquivalent &e : kEquivalents) {
        if (e.library != id) continue;
        for (int i = 0; i < vsk_charset_names_sz; ++i)
            if (ascii_casecmp(vsk_charset_names[i].name, e.vendor) == 0) return vsk_charset_names[i].id;
    }
    return -1;
}

const char *canonical_name_for_id(int id) noexcept {
    int library = library_id_for_id(id);
    return library >= 0 ? pg_encoding_to_char(library) : nullptr;
}

}  // namespace vsk
