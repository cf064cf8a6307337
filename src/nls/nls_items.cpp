#include "nls/nls_items.h"

#include <cstdlib>
#include <cstring>

#include "nls/charset.h"

namespace vsk {

namespace {

// Day 1 is Monday, as in the OCI_NLS_DAYNAME items.
constexpr const char *kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr const char *kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// Short forms of the usual languages and territories; others use their first two letters.
struct Abbrev {
    const char *name;
    const char *abbrev;
};
constexpr Abbrev kLanguages[] = {{"AMERICAN", "US"}, {"ENGLISH", "GB"}, {"GERMAN", "D"}, {"FRENCH", "F"},
                                 {"SPANISH", "E"},   {"ITALIAN", "I"},  {"JAPANESE", "JA"}};
constexpr Abbrev kTerritories[] = {{"AMERICA", "US"}, {"UNITED KINGDOM", "GB"}, {"GERMANY", "DE"},
                                   {"FRANCE", "FR"},  {"SPAIN", "ES"},          {"ITALY", "IT"},
                                   {"JAPAN", "JP"}};

template <std::size_t N>
std::string abbreviate(const Abbrev (&table)[N], const std::string &name) {
    for (const Abbrev &a : table)
        if (name == a.name) return a.abbrev;
    return name.substr(0, 2);
}

}  // namespace

NlsSettings current_nls_settings(int charset) {
    NlsSettings s;
    // NLS_LANG is language_territory.charset, each part optional.
    if (const char *lang = std::getenv("NLS_LANG")) {
        std::string text(lang);
        text = text.substr(0, text.find('.'));
        std::size_t sep = text.find('_');
        std::string language = text.substr(0, sep);
        std::string territory = sep == std::string::npos ? std::string() : text.substr(sep + 1);
        if (!language.empty()) s.language = language;
        if (!territory.empty()) s.territory = territory;
    }
    if (const char *format = std::getenv("NLS_DATE_FORMAT"); format && *format) s.dateFormat = format;
    s.charsetName = pg_encoding_to_char(charset);
    return s;
}

std::string nls_lang_charset(const char *nls_lang) {
    if (!nls_lang) return {};
    const char *dot = std::strchr(nls_lang, '.');
    return dot ? std::string(dot + 1) : std::string();
}

bool nls_item_text(ub2 item, const NlsSettings &s, std::string *out) {
    if (item >= OCI_NLS_DAYNAME1 && item <= OCI_NLS_DAYNAME7) {
        *out = kDays[item - OCI_NLS_DAYNAME1];
    } else if (item >= OCI_NLS_ABDAYNAME1 && item <= OCI_NLS_ABDAYNAME7) {
        *out = std::string(kDays[item - OCI_NLS_ABDAYNAME1], 3);
    } else if (item >= OCI_NLS_MONTHNAME1 && item <= OCI_NLS_MONTHNAME12) {
        *out = kMonths[item - OCI_NLS_MONTHNAME1];
    } else if (item >= OCI_NLS_ABMONTHNAME1 && item <= OCI_NLS_ABMONTHNAME12) {
        *out = std::string(kMonths[item - OCI_NLS_ABMONTHNAME1], 3);
    } else {
        switch (item) {
        case OCI_NLS_YES: *out = "YES"; break;
        case OCI_NLS_NO: *out = "NO"; break;
        case OCI_NLS_AM: *out = "AM"; break;
        case OCI_NLS_PM: *out = "PM"; break;
        case OCI_NLS_AD: *out = "AD"; break;
        case OCI_NLS_BC: *out = "BC"; break;
        case OCI_NLS_DECIMAL:
        case OCI_NLS_MONDECIMAL: *out = "."; break;
        case OCI_NLS_GROUP:
        case OCI_NLS_MONGROUP:
        case OCI_NLS_LISTSEP: *out = ","; break;
        case OCI_NLS_DEBIT: *out = "-"; break;
        case OCI_NLS_CREDIT: *out = "+"; break;
        case OCI_NLS_DATEFORMAT: *out = s.dateFormat; break;
        case OCI_NLS_INT_CURRENCY: *out = "USD"; break;
        case OCI_NLS_LOC_CURRENCY:
        case OCI_NLS_DUAL_CURRENCY: *out = "$"; break;
        case OCI_NLS_LANGUAGE: *out = s.language; break;
        case OCI_NLS_ABLANGUAGE: *out = abbreviate(kLanguages, s.language); break;
        case OCI_NLS_TERRITORY: *out = s.territory; break;
        case OCI_NLS_ABTERRITORY: *out = abbreviate(kTerritories, s.territory); break;
        case OCI_NLS_CHARACTER_SET: *out = s.charsetName; break;
        case OCI_NLS_LINGUISTIC_NAME: *out = "BINARY"; break;
        case OCI_NLS_CALENDAR: *out = "GREGORIAN"; break;
        default: return false;
        }
    }
    return true;
}

}  // namespace vsk
