// The bytea text forms read back into bytes and rendered as hexadecimal digits, with
// every capacity from 0 to beyond the value.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "types/bytea_text.h"

namespace {

using vsk::bytea::decode;
using vsk::bytea::render_bytes;
using vsk::bytea::render_text;
using vsk::bytea::Result;
using Bytes = std::string;

// Runs f into a buffer of cap bytes followed by guard bytes that must stay untouched.
template <class F>
Bytes into(std::size_t cap, Result *r, F f) {
    Bytes buf(cap + 4, '~');
    *r = f(buf.data(), cap);
    EXPECT_EQ(buf.substr(cap), "~~~~") << "write past the capacity " << cap;
    return buf.substr(0, r->written);
}

Bytes decoded(const Bytes &text, std::size_t cap, Result *r) {
    return into(cap, r, [&](char *out, std::size_t c) {
        return decode(text.data(), text.size(), reinterpret_cast<unsigned char *>(out), c);
    });
}

Bytes rendered(const Bytes &text, std::size_t cap, Result *r) {
    return into(cap, r, [&](char *out, std::size_t c) { return render_text(text.data(), text.size(), out, c); });
}

struct FormCase {
    const char *what;
    Bytes text;   // as the server sends it
    Bytes bytes;  // what it stands for
    Bytes digits; // its character rendering
};

// Named in test output by their description (and never printed byte by byte).
void PrintTo(const FormCase &c, std::ostream *os) { *os << c.what; }

class BothForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(BothForms, EveryCapacity) {
    const FormCase &c = GetParam();
    for (std::size_t cap = 0; cap <= c.digits.size() + 2; ++cap) {
        SCOPED_TRACE("capacity " + std::to_string(cap));
        Result r;
        const Bytes bytes = decoded(c.text, cap, &r);
        EXPECT_TRUE(r.valid);
        EXPECT_EQ(r.total, c.bytes.size());
        EXPECT_EQ(bytes, c.bytes.substr(0, cap));
        EXPECT_EQ(r.cut(), cap < c.bytes.size());

        const Bytes digits = rendered(c.text, cap, &r);
        EXPECT_TRUE(r.valid);
        EXPECT_EQ(r.total, c.digits.size());
        EXPECT_EQ(digits, c.digits.substr(0, cap));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytea, BothForms,
    ::testing::Values(
        FormCase{"hex", "\\x414243", "ABC", "414243"},
        FormCase{"hex_keeps_case", "\\x0aFf", "\x0a\xff", "0aFf"},
        FormCase{"hex_empty", "\\x", "", ""},
        FormCase{"hex_nul_backslash_ff", "\\x005cff", Bytes("\0\\\xff", 3), "005cff"},
        FormCase{"escape_plain", "ab", "ab", "6162"},
        FormCase{"escape_octal", "ab\\001", "ab\x01", "616201"},
        FormCase{"escape_backslash", "\\\\", "\\", "5C"},
        FormCase{"escape_nul_and_high", "\\000\\377x", Bytes("\0\xff" "x", 3), "00FF78"},
        FormCase{"escape_empty", "", "", ""},
        FormCase{"text_with_high_bytes", "\xc3\xa9", "\xc3\xa9", "C3A9"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST(ByteaText, MalformedTextIsRejectedWherever) {
    for (const Bytes &text : {Bytes("\\9"), Bytes("ab\\"), Bytes("\\4000"), Bytes("\\01"), Bytes("\\x4"),
                             Bytes("\\x4g"), Bytes("\\x 41"), Bytes("\\xzz41"), Bytes("\\x41\\x42"), Bytes("a\\b")}) {
        SCOPED_TRACE(text);
        // However little room there is: the part beyond it is checked as well.
        for (std::size_t cap : {0, 1, 64}) {
            Result r;
            decoded(text, cap, &r);
            EXPECT_FALSE(r.valid);
            rendered(text, cap, &r);
            EXPECT_FALSE(r.valid);
        }
    }
    Result r = decode(nullptr, 3, nullptr, 0);
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.total, 0u);
}

TEST(ByteaText, RawBytesAsUppercaseDigits) {
    const unsigned char bytes[] = {0x00, 0x5c, 0xff, 0xa1};
    for (std::size_t cap = 0; cap <= 10; ++cap) {
        SCOPED_TRACE("capacity " + std::to_string(cap));
        Result r;
        const Bytes digits = into(cap, &r, [&](char *out, std::size_t c) { return render_bytes(bytes, 4, out, c); });
        EXPECT_EQ(r.total, 8u);
        EXPECT_EQ(digits, Bytes("005CFFA1").substr(0, cap));
    }
    EXPECT_EQ(render_bytes(nullptr, 4, nullptr, 0).total, 0u);
}

TEST(ByteaText, HexPrefixOnly) {
    EXPECT_TRUE(vsk::bytea::is_hex_form("\\x", 2));
    EXPECT_FALSE(vsk::bytea::is_hex_form("\\x", 1));
    EXPECT_FALSE(vsk::bytea::is_hex_form("\\X41", 4));
    EXPECT_FALSE(vsk::bytea::is_hex_form(nullptr, 4));
}

}  // namespace
