// The per-encoding character routines and the bounded string walks built on them.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "nls/charset.h"
#include "nls/mb_string.h"
#include "nls/wchar_table.h"

namespace {

using vsk::wchar_row;

const unsigned char *u(const std::string &s) { return reinterpret_cast<const unsigned char *>(s.data()); }

std::string utf16le(const std::u16string &s) {
    std::string out;
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c & 0xff));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

TEST(WcharTable, MaximumBytesPerCharacter) {
    struct Case {
        int charset;
        int max;
    } cases[] = {
        {vsk::ENC_SQL_ASCII, 1}, {vsk::ENC_EUC_JP, 3}, {vsk::ENC_EUC_CN, 3}, {vsk::ENC_EUC_KR, 3},
        {vsk::ENC_EUC_TW, 4},    {vsk::ENC_JOHAB, 3},  {vsk::ENC_UTF8, 4},   {vsk::ENC_MULE_INTERNAL, 4},
        {vsk::ENC_LATIN1, 1},    {vsk::ENC_WIN1257, 1}, {vsk::ENC_SJIS, 2},  {vsk::ENC_BIG5, 2},
        {vsk::ENC_GBK, 2},       {vsk::ENC_UHC, 2},    {vsk::ENC_GB18030, 4}, {vsk::ENC_UTF16LE, 4},
    };
    for (const Case &c : cases) {
        ASSERT_NE(wchar_row(c.charset), nullptr) << c.charset;
        EXPECT_EQ(wchar_row(c.charset)->maxmblen, c.max) << c.charset;
    }
    EXPECT_EQ(wchar_row(-1), nullptr);
    EXPECT_EQ(wchar_row(41), nullptr);
}

TEST(WcharTable, ClientOnlySetsHaveNoWideForm) {
    for (int cs = 0; cs <= 38; ++cs) EXPECT_EQ(wchar_row(cs)->to_wchar == nullptr, cs >= 34) << cs;
    EXPECT_NE(wchar_row(vsk::ENC_UTF16LE)->to_wchar, nullptr);
}

struct CountCase {
    int charset;
    std::string text;
    std::size_t chars;
    std::size_t width;
};

// Characters and display positions of NUL-terminated texts across the encoding families.
TEST(MbString, CountsCharactersAndDisplayWidth) {
    const CountCase cases[] = {
        {vsk::ENC_LATIN1, "abc\xe9", 4, 4},
        {vsk::ENC_LATIN1, "a\tb", 3, 2},                             // a tab takes no position
        {vsk::ENC_EUC_JP, "a\xa4\xa2\x8e\xb1\x8f\xb0\xa1", 4, 6},     // ascii, kanji, half-width kana, JIS X 0212
        {vsk::ENC_EUC_TW, "\x8e\xa2\xa1\xa1x", 2, 3},                 // four-byte SS2 character
        {vsk::ENC_SJIS, "\x82\xa0\xb1z", 3, 4},                       // hiragana, half-width kana, ascii
        {vsk::ENC_GB18030, "\x81\x30\x81\x30\xb0\xa1", 2, 4},         // four-byte, then two-byte
        {vsk::ENC_UTF8, "h\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80", 4, 6},  // h, e acute, a CJK ideograph, an emoji
        {vsk::ENC_UTF8, "e\xcc\x81", 2, 1},                           // combining acute takes no position
    };
    for (const CountCase &c : cases) {
        const vsk_wchar_tbl &row = *wchar_row(c.charset);
        std::size_t len = vsk::terminated_length(row, u(c.text));
        EXPECT_EQ(len, c.text.size());
        EXPECT_EQ(vsk::mb_char_count(row, u(c.text), len), c.chars) << c.charset << " " << c.text;
        EXPECT_EQ(vsk::mb_display_width(row, u(c.text), len), c.width) << c.charset << " " << c.text;
    }
}

TEST(MbString, CountStopsAtTheLengthItIsGiven) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_UTF8);
    std::string s = "\xe6\x97\xa5\xe6\x9c\xac";  // two three-byte characters
    EXPECT_EQ(vsk::mb_char_count(row, u(s), 4), 2u);   // the second is cut short and counts once
    EXPECT_EQ(vsk::mb_display_width(row, u(s), 4), 2u);  // but only whole characters take room
    EXPECT_EQ(vsk::mb_char_count(row, u(s), 0), 0u);
}

TEST(MbString, MalformedBytesCountOneEach) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_UTF8);
    std::string s = "a\xff\x80z";
    EXPECT_EQ(vsk::mb_char_count(row, u(s), s.size()), 4u);
}

TEST(MbString, Utf16CountsSurrogatePairsOnceAndEndsAtAZeroUnit) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_UTF16LE);
    std::string s = utf16le(u"a\u00e9\U0001F600") + std::string("\0\0z\0", 4);
    std::size_t len = vsk::terminated_length(row, u(s));
    EXPECT_EQ(len, 8u);
    EXPECT_EQ(vsk::mb_char_count(row, u(s), len), 3u);
    EXPECT_EQ(vsk::mb_display_width(row, u(s), len), 4u);
    // A zero byte that is half of a unit does not end the text.
    std::string t = utf16le(u"\u0100\u0041");
    EXPECT_EQ(vsk::terminated_length(row, u(t + std::string(2, '\0'))), 4u);
}

struct WideCase {
    int charset;
    std::string text;
    std::vector<OCIWchar> wide;
};

TEST(MbString, ConvertsToWideCharacters) {
    const WideCase cases[] = {
        {vsk::ENC_LATIN1, "a\xe9", {0x61, 0xe9}},
        {vsk::ENC_EUC_JP, "a\xa4\xa2\x8e\xb1\x8f\xb0\xa1", {0x61, 0xa4a2, 0x8eb1, 0x8fb0a1}},
        {vsk::ENC_EUC_KR, "\xb0\xa1", {0xb0a1}},
        {vsk::ENC_UTF8, "h\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80", {0x68, 0xe9, 0x65e5, 0x1f600}},
        {vsk::ENC_UTF16LE, utf16le(u"a\U0001F600"), {0x61, 0x1f600}},
    };
    for (const WideCase &c : cases) {
        const vsk_wchar_tbl &row = *wchar_row(c.charset);
        std::vector<OCIWchar> out(c.wide.size() + 1, 0xdeadbeef);
        std::size_t count = 0;
        ASSERT_EQ(vsk::mb_to_wide(row, u(c.text), c.text.size(), out.data(), out.size(), &count), 0) << c.charset;
        EXPECT_EQ(count, c.wide.size());
        out.pop_back();  // the terminator is checked apart
        EXPECT_EQ(out, c.wide) << c.charset;
        std::size_t counted = 0;
        EXPECT_EQ(vsk::mb_to_wide(row, u(c.text), c.text.size(), nullptr, 0, &counted), 0);
        EXPECT_EQ(counted, c.wide.size());
    }
}

TEST(MbString, WideConversionNeverWritesPastItsDestination) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_UTF8);
    std::string s = "abcdef";
    OCIWchar out[5] = {1, 1, 1, 1, 0x77};
    std::size_t count = 0;
    EXPECT_EQ(vsk::mb_to_wide(row, u(s), s.size(), out, 4, &count), 0);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(out[3], OCIWchar('d'));
    EXPECT_EQ(out[4], 0x77u);  // no terminator without room for it
    OCIWchar room[8];
    EXPECT_EQ(vsk::mb_to_wide(row, u(s), 3, room, 8, &count), 0);  // reads only the bytes it is given
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(room[3], 0u);
}

TEST(MbString, WideConversionStopsAtANulByte) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_LATIN1);
    std::string s("ab\0cd", 5);
    std::size_t count = 0;
    OCIWchar out[6];
    EXPECT_EQ(vsk::mb_to_wide(row, u(s), s.size(), out, 6, &count), 0);
    EXPECT_EQ(count, 2u);
}

TEST(MbString, WideConversionReportsBrokenText) {
    std::size_t count = 0;
    OCIWchar out[8];
    std::string cut = "a\xe6\x97";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_UTF8), u(cut), cut.size(), out, 8, &count), EINVAL);
    std::string bad = "a\xff";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_UTF8), u(bad), bad.size(), out, 8, &count), EILSEQ);
    std::string surrogate = "\xed\xa0\x80";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_UTF8), u(surrogate), 3, out, 8, &count), EILSEQ);
    std::string overlong = "\xc0\xaf";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_UTF8), u(overlong), 2, out, 8, &count), EILSEQ);
    std::string eucjp = "\xa4";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_EUC_JP), u(eucjp), 1, out, 8, &count), EINVAL);
    std::string lone_low = utf16le(u"\xdc00");
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_UTF16LE), u(lone_low), 2, out, 8, &count), EILSEQ);
    std::string sjis = "\x82\xa0";
    EXPECT_EQ(vsk::mb_to_wide(*wchar_row(vsk::ENC_SJIS), u(sjis), 2, out, 8, &count), ENOSYS);
}

TEST(MbString, WholeCharacterPrefix) {
    const vsk_wchar_tbl &row = *wchar_row(vsk::ENC_UTF8);
    std::string s = "a\xe6\x97\xa5" "b";
    EXPECT_EQ(vsk::whole_chars_prefix(row, u(s), s.size(), 3), 1u);
    EXPECT_EQ(vsk::whole_chars_prefix(row, u(s), s.size(), 4), 4u);
    EXPECT_EQ(vsk::whole_chars_prefix(row, u(s), s.size(), 99), 5u);
    const vsk_wchar_tbl &utf16 = *wchar_row(vsk::ENC_UTF16LE);
    std::string pair = utf16le(u"a\U0001F600");
    EXPECT_EQ(vsk::whole_chars_prefix(utf16, u(pair), pair.size(), 4), 2u);  // never half a surrogate pair
}

TEST(WideString, LengthAndComparison) {
    const OCIWchar abc[] = {'a', 'b', 'c', 0};
    const OCIWchar ab[] = {'a', 'b', 0};
    const OCIWchar abd[] = {'a', 'b', 'd', 0};
    EXPECT_EQ(vsk::wide_length(abc, SIZE_MAX), 3u);
    EXPECT_EQ(vsk::wide_length(abc, 2), 2u);
    EXPECT_GT(vsk::wide_compare(abc, SIZE_MAX, ab, SIZE_MAX), 0);
    EXPECT_LT(vsk::wide_compare(ab, SIZE_MAX, abc, SIZE_MAX), 0);
    EXPECT_EQ(vsk::wide_compare(abc, SIZE_MAX, abc, SIZE_MAX), 0);
    EXPECT_EQ(vsk::wide_compare(abc, SIZE_MAX, abd, SIZE_MAX), -1);
    EXPECT_EQ(vsk::wide_compare(abc, 2, abd, 2), 0);  // only the lengths given
    EXPECT_GT(vsk::wide_compare(abc, 3, abd, 2), 0);
    const OCIWchar big[] = {0xffffffffu, 0};
    const OCIWchar small[] = {1, 0};
    EXPECT_GT(vsk::wide_compare(big, SIZE_MAX, small, SIZE_MAX), 0);  // no overflow into a negative
}

TEST(WideString, UnicodeWidths) {
    EXPECT_EQ(vsk::ucs_width('a'), 1);
    EXPECT_EQ(vsk::ucs_width(0x65e5), 2);
    EXPECT_EQ(vsk::ucs_width(0xac00), 2);
    EXPECT_EQ(vsk::ucs_width(0x0301), 0);
    EXPECT_EQ(vsk::ucs_width(0x07), 0);
    EXPECT_EQ(vsk::ucs_width(0x1f600), 2);
}

}  // namespace
