// Character-set identifiers, names, aliases, the locale match list and the vendor table.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "nls/charset.h"

// libpq's own functions of the same names (another numbering).
extern "C" int pg_char_to_encoding(const char *name);
extern "C" const char *pg_encoding_to_char(int encoding);

namespace {

TEST(CharsetNames, IdentifierToCanonicalName) {
    EXPECT_STREQ(vsk::pg_encoding_to_char(0), "SQL_ASCII");
    EXPECT_STREQ(vsk::pg_encoding_to_char(5), "JOHAB");
    EXPECT_STREQ(vsk::pg_encoding_to_char(6), "UTF8");
    EXPECT_STREQ(vsk::pg_encoding_to_char(17), "LATIN10");
    EXPECT_STREQ(vsk::pg_encoding_to_char(20), "CP866");
    EXPECT_STREQ(vsk::pg_encoding_to_char(24), "WINDOWS1252");
    EXPECT_STREQ(vsk::pg_encoding_to_char(29), "WINDOWS-1250");
    EXPECT_STREQ(vsk::pg_encoding_to_char(33), "WINDOWS-1257");
    EXPECT_STREQ(vsk::pg_encoding_to_char(38), "GB18030");
    EXPECT_STREQ(vsk::pg_encoding_to_char(39), "UTF-16LE");
    EXPECT_STREQ(vsk::pg_encoding_to_char(40), "UTF-16BE");
    for (int bad : {41, 1000, 65535, -1})
        EXPECT_STREQ(vsk::pg_encoding_to_char(bad), "") << bad;
}

TEST(CharsetNames, LookupNormalisesAndDefaultsToUtf8) {
    EXPECT_EQ(vsk::pg_char_to_encoding("UTF-8"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding("utf8"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding("Unicode"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding("ISO-8859-1"), vsk::ENC_LATIN1);
    EXPECT_EQ(vsk::pg_char_to_encoding("iso_8859_15"), vsk::ENC_LATIN9);
    EXPECT_EQ(vsk::pg_char_to_encoding("Shift-JIS"), vsk::ENC_SJIS);
    EXPECT_EQ(vsk::pg_char_to_encoding("UTF-16BE"), vsk::ENC_UTF16BE);
    EXPECT_EQ(vsk::pg_char_to_encoding("sqlascii"), vsk::ENC_SQL_ASCII);
    // Unknown names, including ones that normalise to nothing, are UTF8, not errors.
    EXPECT_EQ(vsk::pg_char_to_encoding("KLINGON"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding(""), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding("-_-"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding("lat\xc3\xadn1"), vsk::ENC_UTF8);
    EXPECT_EQ(vsk::pg_char_to_encoding(nullptr), -1);
    EXPECT_EQ(vsk::pg_char_to_encname_struct("KLINGON"), nullptr);
}

TEST(CharsetNames, CanonicalNamesRoundTrip) {
    for (int id = 0; id <= vsk::ENC_LAST; ++id) {
        const char *name = vsk::pg_encoding_to_char(id);
        // The alias table has "alt", "win866" and "windows866" but no "cp866", so the
        // canonical name of 20 reads back as the default.
        const int expected = id == vsk::ENC_WIN866 ? vsk::ENC_UTF8 : id;
        EXPECT_EQ(vsk::pg_char_to_encoding(name), expected) << name;
    }
}

TEST(CharsetAliases, TableIsSortedNormalisedAndSelfConsistent) {
    ASSERT_EQ(vsk_encname_tbl_sz, 80u);
    for (unsigned i = 0; i < vsk_encname_tbl_sz; ++i) {
        const vsk_encname &row = vsk_encname_tbl[i];
        SCOPED_TRACE(row.name);
        if (i > 0) {
            EXPECT_LT(std::strcmp(vsk_encname_tbl[i - 1].name, row.name), 0);
        }
        for (const char *p = row.name; *p; ++p)
            EXPECT_TRUE((*p >= 'a' && *p <= 'z') || (*p >= '0' && *p <= '9'));
        EXPECT_GE(row.encoding, 0);
        EXPECT_LE(row.encoding, vsk::ENC_LAST);
        EXPECT_EQ(vsk::pg_char_to_encname_struct(row.name), &row);
        std::string upper(row.name);
        for (char &c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(vsk::pg_char_to_encoding(upper.c_str()), row.encoding);
    }
    EXPECT_EQ(vsk::pg_char_to_encoding("abc"), vsk::ENC_WIN1258);
    EXPECT_EQ(vsk::pg_char_to_encoding("alt"), vsk::ENC_WIN866);
    EXPECT_EQ(vsk::pg_char_to_encoding("iso885910"), vsk::ENC_LATIN6);
    EXPECT_EQ(vsk::pg_char_to_encoding("win"), vsk::ENC_WIN1251);
    EXPECT_EQ(vsk::pg_char_to_encoding("windows950"), vsk::ENC_BIG5);
}

TEST(CharsetAliases, NamesLongerThan63AreReportedAndNotFound) {
    // The length limit applies to the name as given, before punctuation is dropped.
    const std::string fits = "latin1" + std::string(57, '-');
    const std::string too_long = fits + "-";
    ASSERT_EQ(fits.size(), 63u);

    testing::internal::CaptureStderr();
    EXPECT_EQ(vsk::pg_char_to_encoding(fits.c_str()), vsk::ENC_LATIN1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStderr();
    EXPECT_EQ(vsk::pg_char_to_encoding(too_long.c_str()), vsk::ENC_UTF8);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "encoding name too long\n");

    testing::internal::CaptureStderr();
    EXPECT_EQ(vsk::pg_char_to_encname_struct(std::string(200, 'x').c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "encoding name too long\n");
}

TEST(CharsetMatchList, FindsByLocaleCodesetIgnoringCase) {
    struct Case {
        const char *codeset, *pg, *sys;
    };
    const Case cases[] = {
        {"UTF-8", "UTF8", "UTF-8"},
        {"utf-8", "UTF8", "UTF-8"},
        {"UTF8", "UTF8", "utf8"},
        {"eucjp", "EUC_JP", "eucJP"},
        {"5601", "EUC_KR", "5601"},
        {"iso-8859-1", "LATIN1", "ISO-8859-1"},
        {"ISO8859-15", "LATIN9", "ISO8859-15"},
        {"iso885913", "LATIN7", "iso885913"},
        {"ISO-8859-9", "LATIN5", "ISO-8859-9"},
        {"iso88598", "ISO_8859_8", "iso88598"},
        {"cp1252", "WINDOWS1252", "CP1252"},
        {"CP1258", "WINDOWS-1258", "CP1258"},
        {"koi8-r", "KOI8-R", "KOI8-R"},
        {"posix", "sqlascii", "POSIX"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.codeset);
        vsk::CharBuffer pg = vsk::findMatchingPgEncoding(c.codeset);
        vsk::CharBuffer sys = vsk::findMatchingSysEncoding(c.codeset);
        ASSERT_TRUE(pg && sys);
        EXPECT_STREQ(pg.get(), c.pg);
        EXPECT_STREQ(sys.get(), c.sys);
    }
    for (const char *none : {"CP1250", "ISO-8859-11", "C", "", "UTF"}) {
        EXPECT_FALSE(vsk::findMatchingPgEncoding(none)) << none;
        EXPECT_FALSE(vsk::findMatchingSysEncoding(none)) << none;
    }
    EXPECT_FALSE(vsk::findMatchingPgEncoding(nullptr));
    EXPECT_FALSE(vsk::findMatchingSysEncoding(nullptr));
}

TEST(CharsetMatchList, ResultsAreCopiesAndAgreeWithTheAliasTable) {
    int pairs = 0;
    for (const vsk_encoding_match *m = encoding_match_list; m->pg_name != nullptr; ++m, ++pairs) {
        SCOPED_TRACE(m->system_name);
        // Every pair names a canonical name (or "sqlascii", the alias of SQL_ASCII).
        int id = std::strcmp(m->pg_name, "sqlascii") == 0 ? vsk::ENC_SQL_ASCII : -1;
        for (int k = 0; k <= vsk::ENC_LAST && id < 0; ++k)
            if (std::strcmp(vsk::pg_encoding_to_char(k), m->pg_name) == 0) id = k;
        EXPECT_GE(id, 0) << m->pg_name;
        // Where the codeset is also an alias, both tables name the same set.
        const vsk_encname *alias = vsk::pg_char_to_encname_struct(m->system_name);
        if (alias != nullptr) {
            EXPECT_EQ(alias->encoding, id);
        }

        vsk::CharBuffer copy = vsk::findMatchingSysEncoding(m->system_name);
        ASSERT_TRUE(copy);
        EXPECT_NE(copy.get(), m->system_name);
    }
    EXPECT_EQ(pairs, 73);
    EXPECT_EQ(encoding_match_list[pairs].system_name, nullptr);
}

TEST(CharsetVendorTable, SortedUniqueAndIndexed) {
    ASSERT_EQ(vsk_charset_names_sz, 258);
    std::set<int> ids;
    for (int i = 0; i < vsk_charset_names_sz; ++i) {
        const vsk_charset_name &row = vsk_charset_names[i];
        SCOPED_TRACE(row.name);
        if (i > 0) {
            EXPECT_LT(std::strcmp(vsk_charset_names[i - 1].name, row.name), 0);
        }
        EXPECT_TRUE(ids.insert(row.id).second);
        EXPECT_GT(row.id, 0);
    }
    EXPECT_EQ(vsk_charset_index[26], 258);
    for (int letter = 0; letter < 26; ++letter) {
        const char c = static_cast<char>('A' + letter);
        int first = -1;
        for (int i = 0; i < vsk_charset_names_sz && first < 0; ++i)
            if (vsk_charset_names[i].name[0] == c) first = i;
        EXPECT_EQ(vsk_charset_index[letter], first) << c;
    }
}

TEST(CharsetVendorTable, PublishedIdentifiers) {
    struct Row {
        const char *name;
        int id;
    };
    const Row rows[] = {
        {"AL16UTF16", 2000}, {"AL16UTF16LE", 2002}, {"AL24UTFFSS", 870}, {"AL32UTF8", 873},
        {"US7ASCII", 1},     {"UTF8", 871},         {"WE8ISO8859P1", 31}, {"WE8MSWIN1252", 178},
        {"JA16SJIS", 832},   {"ZHS16GBK", 852},     {"JA16EUC", 830},    {"KO16MSWIN949", 846},
        {"ZHT16BIG5", 865},  {"CL8KOI8R", 196},     {"WE8ISO8859P15", 46}, {"YUG7ASCII", 20},
    };
    for (const Row &r : rows) EXPECT_EQ(vsk::search_charsetID(r.name), r.id) << r.name;
}

TEST(CharsetVendorTable, SearchIsCaseInsensitiveAndFindsEveryRow) {
    for (int i = 0; i < vsk_charset_names_sz; ++i) {
        const vsk_charset_name &row = vsk_charset_names[i];
        std::string lower(row.name);
        for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(vsk::search_charsetID(row.name), row.id) << row.name;
        EXPECT_EQ(vsk::search_charsetID(lower.c_str()), row.id) << lower;
    }
    EXPECT_EQ(vsk::search_charsetID("Al32Utf8"), 873);
}

TEST(CharsetVendorTable, UnknownNamesGiveZero) {
    for (const char *name : {"AL32UTF", "AL32UTF88", "AL32UTF9", "GBK", "MSWIN", "ZZZ", "A",
                             "", "8BIT", "_UTF8", " UTF8", "UTF-8"})
        EXPECT_EQ(vsk::search_charsetID(name), 0) << name;
    EXPECT_EQ(vsk::search_charsetID(nullptr), 0);
}

TEST(CharsetLibpq, OwnAndLibpqFunctionsStaySeparate) {
    // libpq numbers JOHAB 40 and 5 is its EUC_JIS_2004; ours is 5 and 40 is UTF-16BE.
    EXPECT_EQ(::pg_char_to_encoding("JOHAB"), 40);
    EXPECT_STREQ(::pg_encoding_to_char(5), "EUC_JIS_2004");
    EXPECT_EQ(vsk::pg_char_to_encoding("JOHAB"), 5);
    EXPECT_STREQ(vsk::pg_encoding_to_char(40), "UTF-16BE");
}

}  // namespace
