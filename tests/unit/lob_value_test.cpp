// LOB values in client memory: walking characters, cutting pieces that never split a
// character or overrun a buffer, and editing in place.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "lob/lob_value.h"
#include "nls/charset.h"

namespace {

using vsk::lob::Charset;
using vsk::lob::charset_of;

const std::string kMixed = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z";  // 1, 2, 3, 4, 1 bytes

TEST(LobChars, CountAndSkipByCharacterSet) {
    const Charset utf8 = charset_of(vsk::ENC_UTF8);
    const Charset bytes = charset_of(vsk::ENC_SQL_ASCII);
    EXPECT_EQ(vsk::lob::count_chars(utf8, kMixed.data(), kMixed.size()), 5u);
    EXPECT_EQ(vsk::lob::count_chars(bytes, kMixed.data(), kMixed.size()), kMixed.size());
    struct Case {
        std::size_t from;
        std::uint64_t n;
        std::size_t pos;
        std::uint64_t walked;
    } cases[] = {{0, 0, 0, 0}, {0, 1, 1, 1}, {0, 3, 6, 3}, {1, 2, 6, 2}, {0, 5, 11, 5}, {0, 99, 11, 5},
                 {11, 1, 11, 0}, {50, 1, 11, 0}};
    for (const Case &c : cases) {
        std::uint64_t walked = 7;
        EXPECT_EQ(vsk::lob::skip_chars(utf8, kMixed.data(), kMixed.size(), c.from, c.n, &walked), c.pos)
            << c.from << "+" << c.n;
        EXPECT_EQ(walked, c.walked) << c.from << "+" << c.n;
    }
    // A cut character at the end counts as one and is never overrun.
    const std::string cut = "a\xe2\x82";
    std::uint64_t walked = 0;
    EXPECT_EQ(vsk::lob::skip_chars(utf8, cut.data(), cut.size(), 0, 9, &walked), cut.size());
    EXPECT_EQ(walked, 2u);
}

TEST(LobPieces, CharacterPiecesFitTheBufferWithWholeCharacters) {
    vsk::lob::Codec codec;
    codec.stored = codec.client = charset_of(vsk::ENC_UTF8);
    struct Case {
        std::size_t pos;
        std::uint64_t left;
        std::size_t bufl;
        std::string out;
        std::uint64_t units;
    } cases[] = {
        {0, 99, 4, "a\xc3\xa9", 2},          {3, 99, 4, "\xe2\x82\xac", 1}, {6, 99, 3, "", 0},
        {6, 99, 4, "\xf0\x9f\x98\x80", 1},   {0, 2, 64, "a\xc3\xa9", 2},     {10, 99, 64, "z", 1},
        {11, 99, 64, "", 0},
    };
    for (const Case &c : cases) {
        char buf[64];
        const vsk::lob::Piece p = vsk::lob::char_piece(codec, kMixed, c.pos, c.left, buf, c.bufl);
        EXPECT_EQ(std::string(buf, p.out), c.out) << c.pos << "/" << c.bufl;
        EXPECT_EQ(p.units, c.units);
        EXPECT_EQ(p.consumed, c.out.size());
        EXPECT_EQ(p.error, 0);
    }
}

TEST(LobPieces, ConvertedPiecesStopAtTheBuffer) {
    iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    vsk::lob::Codec codec;
    codec.stored = charset_of(vsk::ENC_UTF8);
    codec.client = charset_of(39);
    codec.toClient = cd;
    char buf[16];
    // a, é, € are two bytes each in UTF-16: a buffer of 5 takes two of them.
    vsk::lob::Piece p = vsk::lob::char_piece(codec, kMixed, 0, 99, buf, 5);
    EXPECT_EQ(std::string(buf, p.out), std::string("a\0\xe9\0", 4));
    EXPECT_EQ(p.units, 2u);
    EXPECT_EQ(p.consumed, 3u);
    p = vsk::lob::char_piece(codec, kMixed, 3, 1, buf, sizeof buf);
    EXPECT_EQ(std::string(buf, p.out), std::string("\xac\x20", 2));
    iconv_close(cd);
}

TEST(LobPieces, BinaryPiecesAreBoundedByValueAmountAndBuffer) {
    const std::string v = "0123456789";
    char buf[8];
    struct Case {
        std::size_t pos;
        std::uint64_t left;
        std::size_t bufl;
        std::string out;
    } cases[] = {{0, 99, 8, "01234567"}, {8, 99, 8, "89"}, {2, 3, 8, "234"}, {10, 5, 8, ""}, {99, 5, 8, ""}};
    for (const Case &c : cases) {
        const vsk::lob::Piece p = vsk::lob::binary_piece(v, c.pos, c.left, buf, c.bufl);
        EXPECT_EQ(std::string(buf, p.out), c.out) << c.pos;
        EXPECT_EQ(p.consumed, p.out);
    }
}

TEST(LobEdits, WritesPadGapsAndErasesStayInside) {
    std::string v = "abc";
    ASSERT_TRUE(vsk::lob::write_at(&v, 1, "XY", 2, ' '));
    EXPECT_EQ(v, "aXY");
    ASSERT_TRUE(vsk::lob::write_at(&v, 5, "Z", 1, ' '));
    EXPECT_EQ(v, "aXY  Z");
    ASSERT_TRUE(vsk::lob::write_at(&v, 5, "QRS", 3, '\0'));
    EXPECT_EQ(v, "aXY  QRS");
    EXPECT_EQ(vsk::lob::erase_at(&v, 6, 10, '-'), 2u);
    EXPECT_EQ(v, "aXY  Q--");
    EXPECT_EQ(vsk::lob::erase_at(&v, 8, 1, '-'), 0u);
    EXPECT_EQ(vsk::lob::erase_at(&v, 100, 1, '-'), 0u);
    EXPECT_EQ(v.size(), 8u);
}

}  // namespace
