// iconv spellings and the conversion routine.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "nls/charset.h"
#include "nls/transcode.h"

namespace {

// Converts text with a fresh descriptor; the converted bytes, or the error number.
struct Result {
    int rc = 0;
    int err = 0;
    std::string bytes;
};

Result convert(vsk::IconvHandle &cd, const std::string &text) {
    Result r;
    vsk::CharBuffer out;
    std::size_t len = 12345;
    r.rc = vsk::transcode(cd.get(), &r.err, text.data(), text.size(), out, &len);
    if (r.rc >= 0) {
        EXPECT_EQ(static_cast<std::size_t>(r.rc), len);
        EXPECT_TRUE(out);
        if (out) {
            EXPECT_EQ(out.get()[len], '\0') << "terminator after the converted bytes";
            r.bytes.assign(out.get(), len);
        }
    } else {
        EXPECT_FALSE(out);
        EXPECT_EQ(len, 0u);
    }
    return r;
}

Result convert(const char *to, const char *from, const std::string &text) {
    vsk::IconvHandle cd(to, from);
    EXPECT_TRUE(cd.valid()) << from << " -> " << to;
    return convert(cd, text);
}

// "A", e-acute, euro sign, a CJK ideograph and an emoji outside the BMP.
const std::string kMixedUtf8 = "A\xc3\xa9\xe2\x82\xac\xe6\x97\xa5\xf0\x9f\x98\x80";

TEST(TranscodeSpelling, EveryCanonicalNameOpensExceptMule) {
    for (int id = 0; id <= vsk::ENC_LAST; ++id) {
        const char *name = vsk::pg_encoding_to_char(id);
        SCOPED_TRACE(name);
        vsk::IconvHandle to(name, "UTF8"), from("UTF8", name);
        if (id == vsk::ENC_MULE_INTERNAL) {
            // glibc has no converter for the server's internal multi-charset encoding.
            EXPECT_FALSE(to.valid());
            errno = 0;
            EXPECT_EQ(vsk::open_iconv("UTF8", name), vsk::IconvHandle::invalid());
            EXPECT_EQ(errno, EINVAL);
        } else {
            EXPECT_TRUE(to.valid());
            EXPECT_TRUE(from.valid());
        }
    }
}

TEST(TranscodeSpelling, MapsOnlyNamesIconvRejects) {
    EXPECT_STREQ(vsk::iconv_charset_name("SQL_ASCII"), "ASCII");
    EXPECT_STREQ(vsk::iconv_charset_name("sqlascii"), "ASCII");  // the match list's spelling
    EXPECT_STREQ(vsk::iconv_charset_name("utf-8"), "UTF-8");
    EXPECT_STREQ(vsk::iconv_charset_name("EUC_TW"), "EUC-TW");
    EXPECT_STREQ(vsk::iconv_charset_name("WINDOWS1252"), "WINDOWS-1252");
    EXPECT_STREQ(vsk::iconv_charset_name("ISO_8859_7"), "ISO-8859-7");
    EXPECT_EQ(vsk::iconv_charset_name("MULE_INTERNAL"), nullptr);
    EXPECT_EQ(vsk::iconv_charset_name(nullptr), nullptr);
    for (const char *kept : {"UTF-16LE", "LATIN1", "SQL_ASCI", "SQL_ASCIIX"})
        EXPECT_EQ(vsk::iconv_charset_name(kept), kept);
}

TEST(TranscodeSpelling, MappedNamesConvertAsTheirSets) {
    // Identical results through the canonical and the iconv spelling prove the map
    // points at the right converter, not merely at one that opens.
    const std::string nihon = "\xe6\x97\xa5\xe6\x9c\xac";
    EXPECT_EQ(convert("EUC_JP", "UTF8", nihon).bytes, "\xc6\xfc\xcb\xdc");
    EXPECT_EQ(convert("WINDOWS1252", "UTF8", "\xe2\x82\xac").bytes, "\x80");
    EXPECT_EQ(convert("ISO_8859_5", "UTF8", "\xd0\x96").bytes, "\xb6");
    EXPECT_EQ(convert("CP866", "UTF8", "\xd0\x96").bytes, "\x86");
    EXPECT_EQ(convert("SQL_ASCII", "UTF8", "plain").bytes, "plain");
    EXPECT_EQ(convert("SQL_ASCII", "UTF8", "\xc3\xa9").err, EILSEQ);
}

TEST(Transcode, Utf16RoundTrips) {
    const Result le = convert("UTF-16LE", "UTF8", "A\xe2\x82\xac");
    EXPECT_EQ(le.bytes, std::string("A\0\xac\x20", 4));
    const Result be = convert("UTF-16BE", "UTF8", "A\xe2\x82\xac");
    EXPECT_EQ(be.bytes, std::string("\0A\x20\xac", 4));

    for (const char *utf16 : {"UTF-16LE", "UTF-16BE"}) {
        SCOPED_TRACE(utf16);
        const Result there = convert(utf16, "UTF8", kMixedUtf8);
        ASSERT_EQ(there.rc, 12);  // four BMP characters and one surrogate pair
        EXPECT_EQ(convert("UTF8", utf16, there.bytes).bytes, kMixedUtf8);
    }
}

TEST(Transcode, Latin1RoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const Result utf8 = convert("UTF8", "LATIN1", all);
    ASSERT_EQ(utf8.rc, 127 + 2 * 128);
    EXPECT_EQ(convert("LATIN1", "UTF8", utf8.bytes).bytes, all);
    EXPECT_EQ(convert("LATIN1", "UTF8", "\xe2\x82\xac").err, EILSEQ);  // no euro in LATIN1
}

TEST(Transcode, EmptyInputNeverTouchesTheDescriptor) {
    int err = 0;
    char *out = reinterpret_cast<char *>(0x1);
    std::size_t len = 99;
    const iconv_t bad = vsk::IconvHandle::invalid();
    EXPECT_EQ(vsk::transcode(bad, &err, nullptr, 5, &out, &len), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(len, 0u);
    out = reinterpret_cast<char *>(0x1);
    len = 99;
    EXPECT_EQ(vsk::transcode(bad, &err, "abc", 0, &out, &len), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(len, 0u);
    EXPECT_EQ(err, 0);
    // With input the same descriptor is used, and refused.
    EXPECT_EQ(vsk::transcode(bad, &err, "abc", 3, &out, &len), -1);
    EXPECT_EQ(err, EBADF);
}

TEST(Transcode, ShiftStateIsFlushedAndResetBetweenCalls) {
    vsk::IconvHandle cd("ISO-2022-JP", "UTF8");
    ASSERT_TRUE(cd.valid());
    const std::string nihon = "\xe6\x97\xa5\xe6\x9c\xac";
    const Result first = convert(cd, nihon);
    // Switch to JIS X 0208, two characters, and the flush back to ASCII.
    EXPECT_EQ(first.bytes, "\x1b$BF|K\\\x1b(B");
    EXPECT_EQ(convert(cd, nihon).bytes, first.bytes);
    // A failure mid-way leaves shift state behind; the next call starts clean.
    EXPECT_EQ(convert(cd, nihon + "\xff").err, EILSEQ);
    EXPECT_EQ(convert(cd, "x" + nihon).bytes, "x" + first.bytes);
}

TEST(Transcode, OutputIsBoundedByFourBytesPerInputByte) {
    // UCS-4 needs exactly four bytes per ASCII byte: fits, terminator included.
    const Result exact = convert("UCS-4LE", "UTF-8", "AB");
    EXPECT_EQ(exact.bytes, std::string("A\0\0\0B\0\0\0", 8));
    // UTF-32 with its byte-order mark needs eight for one: refused, not reallocated.
    const Result over = convert("UTF-32", "UTF-8", "A");
    EXPECT_EQ(over.rc, -1);
    EXPECT_EQ(over.err, E2BIG);
    EXPECT_STREQ(vsk::conversion_error_message(over.err), "Error in byte conversion");
}

TEST(TranscodeErrors, TruncatedAndInvalidUtf8) {
    const Result truncated = convert("UTF-16LE", "UTF8", "ok\xe2\x82");
    EXPECT_EQ(truncated.rc, -1);
    EXPECT_EQ(truncated.err, EINVAL);
    EXPECT_STREQ(vsk::conversion_error_message(truncated.err),
                 "An incomplete multibyte sequence has been encountered in the input");

    const Result invalid = convert("UTF-16LE", "UTF8", "ok\xff");
    EXPECT_EQ(invalid.rc, -1);
    EXPECT_EQ(invalid.err, EILSEQ);
    EXPECT_STREQ(vsk::conversion_error_message(invalid.err),
                 "An invalid multibyte sequence has been encountered in the input");

    EXPECT_STREQ(vsk::conversion_error_message(0), "Error in byte conversion");
    EXPECT_STREQ(vsk::conversion_error_message(ENOMEM), "Error in byte conversion");
}

TEST(TranscodeErrors, ArgumentAndSizeGuards) {
    vsk::IconvHandle cd("UTF-16LE", "UTF8");
    int err = 0;
    char *out = nullptr;
    std::size_t len = 0;
    EXPECT_EQ(vsk::transcode(cd.get(), &err, "a", 1, nullptr, &len), -1);
    EXPECT_EQ(err, EFAULT);
    EXPECT_EQ(vsk::transcode(cd.get(), &err, "a", 1, &out, nullptr), -1);

    // Lengths whose buffer or produced count cannot be represented are refused as an
    // unobtainable buffer, before the input is read.
    const char one = 'a';
    for (std::size_t huge : {SIZE_MAX, SIZE_MAX / 4 + 1, (std::size_t{INT_MAX} - 1) / 4 + 1}) {
        len = 7;
        EXPECT_EQ(vsk::transcode(cd.get(), &err, &one, huge, &out, &len), 0) << huge;
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(len, 0u);
    }
}

TEST(Transcode, CallerOwnsTheMallocBuffer) {
    vsk::IconvHandle cd("UTF-16LE", "UTF8");
    int err = 0;
    char *out = nullptr;
    std::size_t len = 0;
    ASSERT_EQ(vsk::transcode(cd.get(), &err, "hi", 2, &out, &len), 4);
    std::free(out);

    // A lone NUL converts like any character (callers use it for terminators).
    const Result nul = convert(cd, std::string(1, '\0'));
    EXPECT_EQ(nul.bytes, std::string(2, '\0'));
}

TEST(Transcode, HandleMovesOwnership) {
    vsk::IconvHandle a("UTF-16LE", "UTF8");
    ASSERT_TRUE(a);
    const iconv_t raw = a.get();
    vsk::IconvHandle b(std::move(a));
    EXPECT_FALSE(a.valid());
    EXPECT_EQ(b.get(), raw);
    a = std::move(b);
    EXPECT_EQ(a.get(), raw);
    EXPECT_EQ(convert(a, "x").bytes, std::string("x\0", 2));
    iconv_t released = a.release();
    EXPECT_FALSE(a.valid());
    EXPECT_EQ(iconv_close(released), 0);
}

}  // namespace
