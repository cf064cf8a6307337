// The exported NLS calls: names and identifiers, NLS information, character-set
// conversion, multibyte and wide-character functions, in single-byte, EUC, SJIS-like,
// UTF-8 and UTF-16 environments.
#include <gtest/gtest.h>
#include <oci.h>

#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "scoped_env.h"

namespace {

const oratext *t(const char *s) { return reinterpret_cast<const oratext *>(s); }

class NlsEnv : public ::testing::Test {
protected:
    void TearDown() override {
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
    }
    // An environment whose client character set is the library identifier charset.
    void make(ub2 charset) {
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
        env = nullptr;
        ASSERT_EQ(OCIEnvNlsCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr, charset, 0),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    void make_utf16() {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_UTF16, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    // The first record of an error handle (the environment's own when h is the environment).
    sb4 code(void *h, ub4 type, std::string *text = nullptr) {
        sb4 c = 0;
        char buf[512] = {};
        if (OCIErrorGet(h, 1, nullptr, &c, reinterpret_cast<OraText *>(buf), sizeof buf, type) != OCI_SUCCESS) return 0;
        if (text) *text = buf;
        return c;
    }
    sb4 env_code(std::string *text = nullptr) { return code(env, OCI_HTYPE_ENV, text); }
    sb4 err_code(std::string *text = nullptr) { return code(err, OCI_HTYPE_ERROR, text); }

    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

// --- names and identifiers ---

class NlsNames : public NlsEnv {
protected:
    void SetUp() override { make(6); }
};

TEST_F(NlsNames, NameToIdSpeaksBothNumberings) {
    struct Case {
        const char *name;
        ub2 id;
    } cases[] = {
        {"UTF-8", 6},         {"utf8", 6},        {"Unicode", 6},   {"UTF8", 6},         {"ISO-8859-1", 8},
        {"LATIN1", 8},        {"SJIS", 34},       {"EUC_JP", 1},    {"AL32UTF8", 873},   {"al32utf8", 873},
        {"ZHS16GBK", 852},    {"JA16SJIS", 832},  {"AL16UTF16", 2000},
        {"US7ASCII", 0},      {"WE8ISO8859P1", 8},  // vendor numbers 1 and 31 would read as library ids
        {"NO-SUCH-SET", 6},
    };
    for (const Case &c : cases) EXPECT_EQ(OCINlsCharSetNameToId(env, t(c.name)), c.id) << c.name;
    EXPECT_EQ(OCINlsCharSetNameToId(env, nullptr), 0);
    EXPECT_EQ(OCINlsCharSetNameToId(nullptr, t("UTF8")), 0);
    EXPECT_EQ(OCINlsCharSetNameToId(err, t("UTF8")), 0);
}

TEST_F(NlsNames, IdToNameSpeaksBothNumberings) {
    struct Case {
        ub2 id;
        const char *name;
    } cases[] = {{6, "UTF8"}, {0, "SQL_ASCII"}, {8, "LATIN1"}, {34, "SJIS"}, {39, "UTF-16LE"}, {40, "UTF-16BE"},
                 {873, "AL32UTF8"}, {871, "UTF8"}, {852, "ZHS16GBK"}, {2000, "AL16UTF16"}, {9999, ""}};
    for (const Case &c : cases) {
        char buf[32];
        std::memset(buf, 'x', sizeof buf);
        ASSERT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(buf), sizeof buf, c.id), OCI_SUCCESS) << c.id;
        EXPECT_STREQ(buf, c.name);
        EXPECT_EQ(OCINlsCharSetNameToId(env, t(buf)), c.id == 871 || c.id == 9999 ? 6 : c.id) << c.id;
    }
}

TEST_F(NlsNames, IdToNameNeverWritesPastItsBuffer) {
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    // "AL32UTF8" is 8 bytes: its terminator does not fit.
    EXPECT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(buf), 8, 873), OCI_ERROR);
    EXPECT_EQ(env_code(), 21560);
    EXPECT_EQ(std::string(buf, 8), "xxxxxxxx");
    EXPECT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(buf), 5, 6), OCI_SUCCESS);
    EXPECT_STREQ(buf, "UTF8");
    EXPECT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(buf), 0, 9999), OCI_ERROR);
    EXPECT_EQ(OCINlsCharSetIdToName(env, nullptr, 8, 6), OCI_ERROR);
    EXPECT_EQ(OCINlsCharSetIdToName(nullptr, reinterpret_cast<oratext *>(buf), 8, 6), OCI_INVALID_HANDLE);
}

// --- NLS information ---

TEST_F(NlsEnv, EnvironmentVariableGetReadsNlsLangAndNlsNchar) {
    struct Case {
        const char *nls_lang;
        ub2 id;
    } cases[] = {{"AMERICAN_AMERICA.AL32UTF8", 6}, {".WE8ISO8859P1", 8}, {"GERMAN_GERMANY.LATIN2", 9},
                 {"AMERICAN_AMERICA", 0},          {nullptr, 0},        {"_.JA16SJIS", 34}};
    for (const Case &c : cases) {
        ScopedEnv lang("NLS_LANG", c.nls_lang);
        ub2 id = 0xffff;
        size_t rsize = 0;
        ASSERT_EQ(OCINlsEnvironmentVariableGet(&id, 0, OCI_NLS_CHARSET_ID, 0, &rsize), OCI_SUCCESS);
        EXPECT_EQ(id, c.id) << (c.nls_lang ? c.nls_lang : "(unset)");
        EXPECT_EQ(rsize, 2u);
    }
    ub2 id = 0;
    {
        ScopedEnv nchar("NLS_NCHAR", "AL16UTF16");
        ASSERT_EQ(OCINlsEnvironmentVariableGet(&id, sizeof id, OCI_NLS_NCHARSET_ID, 0, nullptr), OCI_SUCCESS);
        EXPECT_EQ(id, 40);
    }
    ScopedEnv nchar("NLS_NCHAR", nullptr);
    ASSERT_EQ(OCINlsEnvironmentVariableGet(&id, sizeof id, OCI_NLS_NCHARSET_ID, 0, nullptr), OCI_SUCCESS);
    EXPECT_EQ(id, 0);
    EXPECT_EQ(OCINlsEnvironmentVariableGet(&id, sizeof id, OCI_NLS_LANGUAGE, 0, nullptr), OCI_ERROR);
    EXPECT_EQ(OCINlsEnvironmentVariableGet(nullptr, 2, OCI_NLS_CHARSET_ID, 0, nullptr), OCI_ERROR);
    ub1 small = 0;
    EXPECT_EQ(OCINlsEnvironmentVariableGet(&small, 1, OCI_NLS_CHARSET_ID, 0, nullptr), OCI_ERROR);
}

TEST_F(NlsEnv, NumericInfoFollowsTheEnvironmentCharacterSet) {
    struct Case {
        ub2 charset;
        sb4 max, fixed;
    } cases[] = {{6, 4, 0}, {8, 1, 1}, {1, 3, 0}, {34, 2, 0}, {38, 4, 0}};
    for (const Case &c : cases) {
        make(c.charset);
        sb4 val = -7;
        ASSERT_EQ(OCINlsNumericInfoGet(env, err, &val, OCI_NLS_CHARSET_MAXBYTESZ), OCI_SUCCESS);
        EXPECT_EQ(val, c.max) << c.charset;
        ASSERT_EQ(OCINlsNumericInfoGet(env, err, &val, OCI_NLS_CHARSET_FIXEDWIDTH), OCI_SUCCESS);
        EXPECT_EQ(val, c.fixed) << c.charset;
        val = -7;
        EXPECT_EQ(OCINlsNumericInfoGet(env, err, &val, OCI_NLS_LANGUAGE), OCI_SUCCESS);
        EXPECT_EQ(val, -7);
    }
    EXPECT_EQ(OCINlsNumericInfoGet(env, err, nullptr, OCI_NLS_CHARSET_MAXBYTESZ), OCI_ERROR);
    EXPECT_EQ(err_code(), 21560);
    sb4 val = 0;
    EXPECT_EQ(OCINlsNumericInfoGet(nullptr, err, &val, OCI_NLS_CHARSET_MAXBYTESZ), OCI_INVALID_HANDLE);
}

TEST_F(NlsEnv, GetInfoAnswersFromTheNlsSettings) {
    ScopedEnv lang("NLS_LANG", "GERMAN_GERMANY.UTF8");
    ScopedEnv format("NLS_DATE_FORMAT", "YYYY-MM-DD");
    make(6);
    struct Case {
        ub2 item;
        const char *text;
    } cases[] = {{OCI_NLS_CHARACTER_SET, "UTF8"}, {OCI_NLS_LANGUAGE, "GERMAN"},  {OCI_NLS_TERRITORY, "GERMANY"},
                 {OCI_NLS_DATEFORMAT, "YYYY-MM-DD"}, {OCI_NLS_DECIMAL, "."},    {OCI_NLS_GROUP, ","},
                 {OCI_NLS_DAYNAME1, "Monday"},    {OCI_NLS_ABMONTHNAME12, "Dec"}, {OCI_NLS_CALENDAR, "GREGORIAN"}};
    for (const Case &c : cases) {
        char buf[OCI_NLS_MAXBUFSZ];
        ASSERT_EQ(OCINlsGetInfo(env, err, reinterpret_cast<OraText *>(buf), sizeof buf, c.item), OCI_SUCCESS) << c.item;
        EXPECT_STREQ(buf, c.text);
    }
}

TEST_F(NlsEnv, GetInfoDefaultsAndFailures) {
    ScopedEnv lang("NLS_LANG", nullptr);
    ScopedEnv format("NLS_DATE_FORMAT", nullptr);
    make(8);
    char buf[16];
    ASSERT_EQ(OCINlsGetInfo(env, err, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_NLS_LANGUAGE), OCI_SUCCESS);
    EXPECT_STREQ(buf, "AMERICAN");
    ASSERT_EQ(OCINlsGetInfo(env, err, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_NLS_DATEFORMAT), OCI_SUCCESS);
    EXPECT_STREQ(buf, "DD-MON-RR");
    ASSERT_EQ(OCINlsGetInfo(env, nullptr, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_NLS_CHARACTER_SET),
              OCI_SUCCESS);
    EXPECT_STREQ(buf, "LATIN1");
    // "AMERICAN" needs nine bytes.
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(OCINlsGetInfo(env, err, reinterpret_cast<OraText *>(buf), 8, OCI_NLS_LANGUAGE), OCI_ERROR);
    EXPECT_EQ(err_code(), 21560);
    EXPECT_EQ(buf[0], 'x');
    EXPECT_EQ(OCINlsGetInfo(env, err, reinterpret_cast<OraText *>(buf), sizeof buf, 60), OCI_ERROR);
    EXPECT_EQ(OCINlsGetInfo(env, err, nullptr, sizeof buf, OCI_NLS_LANGUAGE), OCI_ERROR);
    EXPECT_EQ(OCINlsGetInfo(env, reinterpret_cast<OCIError *>(env), reinterpret_cast<OraText *>(buf), sizeof buf,
                            OCI_NLS_LANGUAGE),
              OCI_INVALID_HANDLE);
}

// --- conversions ---

std::vector<ub2> units(const std::u16string &s) { return std::vector<ub2>(s.begin(), s.end()); }

TEST_F(NlsEnv, CharSetToUnicodeGivesUtf16Units) {
    make(6);
    const char *src = "h\xc3\xa9\xf0\x9f\x98\x80";  // h, e acute, an emoji (a surrogate pair)
    ub2 dst[8] = {};
    size_t rsize = 0;
    ASSERT_EQ(OCICharSetToUnicode(env, dst, 8, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 4u);
    EXPECT_EQ(std::vector<ub2>(dst, dst + 4), units(u"h\u00e9\U0001F600"));
    // dstlen 0 measures without writing.
    ub2 untouched[2] = {0x7777, 0x7777};
    ASSERT_EQ(OCICharSetToUnicode(env, untouched, 0, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 4u);
    EXPECT_EQ(untouched[0], 0x7777);
    // A short destination takes whole characters only.
    ub2 three[4] = {0, 0, 0, 0x7777};
    ASSERT_EQ(OCICharSetToUnicode(env, three, 3, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 2u);
    EXPECT_EQ(three[3], 0x7777);
}

TEST_F(NlsEnv, UnicodeToCharSetGivesEnvironmentBytes) {
    make(1);  // EUC_JP
    std::vector<ub2> src = units(u"a\u3042");
    char dst[8] = {};
    size_t rsize = 0;
    ASSERT_EQ(OCIUnicodeToCharSet(env, reinterpret_cast<OraText *>(dst), sizeof dst, src.data(), src.size(), &rsize),
              OCI_SUCCESS);
    EXPECT_EQ(rsize, 3u);
    EXPECT_EQ(std::string(dst, 3), "a\xa4\xa2");
    ASSERT_EQ(OCIUnicodeToCharSet(env, reinterpret_cast<OraText *>(dst), 2, src.data(), src.size(), &rsize),
              OCI_SUCCESS);
    EXPECT_EQ(rsize, 1u);  // the two-byte character does not fit after "a"
    ASSERT_EQ(OCIUnicodeToCharSet(env, nullptr, 0, src.data(), src.size(), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 3u);
    EXPECT_EQ(OCIUnicodeToCharSet(env, reinterpret_cast<OraText *>(dst), 8, nullptr, 1, &rsize), OCI_ERROR);
    EXPECT_EQ(env_code(), 21560);
    std::vector<ub2> unmappable = units(u"\U0001F600");
    EXPECT_EQ(OCIUnicodeToCharSet(env, reinterpret_cast<OraText *>(dst), 8, unmappable.data(), unmappable.size(),
                                  &rsize),
              OCI_ERROR);
    std::string text;
    env_code(&text);  // conversion messages carry no number
    EXPECT_NE(text.find("invalid multibyte sequence"), std::string::npos) << text;
}

TEST_F(NlsEnv, CharSetConvertBetweenIdentifiersOfEitherNumbering) {
    make(6);
    const char *utf8 = "\xe3\x81\x82";  // hiragana a
    char dst[8] = {};
    size_t rsize = 0;
    ASSERT_EQ(OCINlsCharSetConvert(env, err, 34, dst, sizeof dst, 6, utf8, 3, &rsize), OCI_SUCCESS);
    EXPECT_EQ(std::string(dst, rsize), "\x82\xa0");
    ASSERT_EQ(OCINlsCharSetConvert(env, err, 832, dst, sizeof dst, 873, utf8, 3, &rsize), OCI_SUCCESS);
    EXPECT_EQ(std::string(dst, rsize), "\x82\xa0");  // JA16SJIS from AL32UTF8
    ASSERT_EQ(OCINlsCharSetConvert(env, err, 8, nullptr, 0, 6, "\xc3\xa9", 2, &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 1u);
    EXPECT_EQ(OCINlsCharSetConvert(env, err, 8, dst, sizeof dst, 6, nullptr, 2, &rsize), OCI_ERROR);
    EXPECT_EQ(err_code(), 21560);
    EXPECT_EQ(OCINlsCharSetConvert(env, err, 9999, dst, sizeof dst, 6, utf8, 3, &rsize), OCI_ERROR);
    EXPECT_EQ(OCINlsCharSetConvert(env, err, 8, dst, sizeof dst, 6, "\xe3\x81", 2, &rsize), OCI_ERROR);
    std::string text;
    err_code(&text);
    EXPECT_NE(text.find("incomplete multibyte sequence"), std::string::npos) << text;
    EXPECT_EQ(OCINlsCharSetConvert(env, nullptr, 8, dst, sizeof dst, 6, utf8, 3, &rsize), OCI_INVALID_HANDLE);
}

// --- multibyte and wide characters ---

TEST_F(NlsEnv, MultiByteStrlenAndDisplayLengthPerEnvironment) {
    struct Case {
        ub2 charset;
        const char *text;
        size_t chars, width;
    } cases[] = {{8, "caf\xe9", 4, 4},
                 {1, "a\xa4\xa2\x8e\xb1", 3, 4},
                 {34, "\x82\xa0\xb1z", 3, 4},
                 {6, "h\xc3\xa9\xe6\x97\xa5", 3, 4}};
    for (const Case &c : cases) {
        make(c.charset);
        EXPECT_EQ(OCIMultiByteStrlen(env, t(c.text)), c.chars) << c.charset;
        EXPECT_EQ(OCIMultiByteStrnDisplayLength(env, t(c.text), std::strlen(c.text)), c.width) << c.charset;
    }
    make(6);
    EXPECT_EQ(OCIMultiByteStrnDisplayLength(env, t("\xe6\x97\xa5\xe6\x97\xa5"), 4), 2u);  // whole characters in 4 bytes
    EXPECT_EQ(OCIMultiByteStrlen(env, nullptr), static_cast<size_t>(-1));
    EXPECT_EQ(env_code(), 21560);
    EXPECT_EQ(OCIMultiByteStrlen(nullptr, t("abc")), 0u);
}

TEST_F(NlsEnv, MultiByteInSizeToWideCharIsBounded) {
    make(6);
    const char *src = "a\xc3\xa9\xe6\x97\xa5z";
    OCIWchar dst[6];
    std::fill(std::begin(dst), std::end(dst), 0x55u);
    size_t rsize = 0;
    ASSERT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 2, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 2u);
    EXPECT_EQ(dst[0], OCIWchar('a'));
    EXPECT_EQ(dst[1], 0xe9u);
    EXPECT_EQ(dst[2], 0x55u);
    ASSERT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 4u);
    EXPECT_EQ(dst[2], 0x65e5u);
    EXPECT_EQ(dst[4], 0u);
    ASSERT_EQ(OCIMultiByteInSizeToWideChar(env, nullptr, 0, t(src), std::strlen(src), &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 4u);
    ASSERT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, t(src), 3, &rsize), OCI_SUCCESS);
    EXPECT_EQ(rsize, 2u);  // only the bytes it was given
    EXPECT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, t(src), 2, &rsize), OCI_ERROR);  // cuts e acute
    EXPECT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, nullptr, 2, &rsize), OCI_ERROR);
    EXPECT_EQ(env_code(), 21560);
    EXPECT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, t(src), 0, &rsize), OCI_ERROR);
    make(34);  // SJIS has no wide form
    EXPECT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 6, t("abc"), 3, &rsize), OCI_ERROR);
    EXPECT_EQ(env_code(), 3001);
}

TEST_F(NlsEnv, Utf16EnvironmentTakesUtf16Text) {
    make_utf16();
    std::u16string s = u"a\u00e9\U0001F600";
    EXPECT_EQ(OCIMultiByteStrlen(env, reinterpret_cast<const OraText *>(s.c_str())), 3u);
    OCIWchar dst[4];
    size_t rsize = 0;
    ASSERT_EQ(OCIMultiByteInSizeToWideChar(env, dst, 4, reinterpret_cast<const OraText *>(s.data()), s.size() * 2,
                                           &rsize),
              OCI_SUCCESS);
    EXPECT_EQ(rsize, 3u);
    EXPECT_EQ(dst[2], 0x1f600u);
    std::u16string name = u"AL32UTF8";
    EXPECT_EQ(OCINlsCharSetNameToId(env, reinterpret_cast<const oratext *>(name.c_str())), 873);
    char16_t out[16];
    ASSERT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(out), sizeof out, 873), OCI_SUCCESS);
    EXPECT_EQ(std::u16string(out), u"AL32UTF8");
    EXPECT_EQ(OCINlsCharSetIdToName(env, reinterpret_cast<oratext *>(out), 17, 873), OCI_ERROR);  // needs 18
    ub2 wide[8];
    ASSERT_EQ(OCICharSetToUnicode(env, wide, 8, reinterpret_cast<const OraText *>(s.data()), s.size() * 2, &rsize),
              OCI_SUCCESS);
    EXPECT_EQ(rsize, 4u);
    EXPECT_EQ(std::u16string(wide, wide + 4), s);
}

TEST_F(NlsEnv, WideCharacterStrings) {
    make(6);
    const OCIWchar abc[] = {'a', 'b', 'c', 0}, ab[] = {'a', 'b', 0};
    EXPECT_GT(OCIWideCharStrcmp(env, abc, ab, OCI_NLS_BINARY), 0);
    EXPECT_LT(OCIWideCharStrcmp(env, ab, abc, OCI_NLS_BINARY), 0);
    EXPECT_EQ(OCIWideCharStrcmp(env, abc, abc, OCI_NLS_BINARY), 0);
    EXPECT_EQ(OCIWideCharStrncmp(env, abc, 2, ab, 2, OCI_NLS_BINARY), 0);
    EXPECT_GT(OCIWideCharStrncmp(env, abc, 3, ab, 3, OCI_NLS_BINARY), 0);
    EXPECT_EQ(OCIWideCharStrlen(env, abc), 3u);
    EXPECT_EQ(OCIWideCharStrlen(nullptr, abc), 0u);
    EXPECT_EQ(OCIWideCharStrlen(env, nullptr), 0u);
    EXPECT_EQ(OCIWideCharStrcmp(env, nullptr, abc, 0), 0);
    EXPECT_EQ(env_code(), 21560);
    EXPECT_EQ(OCIWideCharStrncmp(env, abc, 1, nullptr, 1, 0), 0);
    EXPECT_EQ(env_code(), 21560);
    EXPECT_EQ(OCIWideCharStrchr(env, abc, 'b'), nullptr);
    EXPECT_EQ(OCIWideCharStrrchr(env, abc, 'b'), nullptr);
}

TEST_F(NlsEnv, RemainingMultibyteFunctionsAreErrorStubs) {
    make(6);
    OraText buf[8] = {};
    OCIWchar wbuf[8] = {};
    EXPECT_EQ(OCIMultiByteStrcpy(env, buf, t("a")), static_cast<size_t>(OCI_ERROR));
    EXPECT_EQ(OCIWideCharStrcpy(env, wbuf, wbuf), static_cast<size_t>(OCI_ERROR));
    EXPECT_EQ(OCIMultiByteToWideChar(env, wbuf, t("a"), nullptr), OCI_ERROR);
    EXPECT_EQ(OCINlsNameMap(env, buf, sizeof buf, t("a"), 0), OCI_ERROR);
    EXPECT_EQ(env_code(), 0);  // error stubs record nothing
}

}  // namespace
