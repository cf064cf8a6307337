// LOB values held in client memory: walking character LOBs by characters, converting
// their pieces for the application, and editing values in place. No server, no handles.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "nls/wchar_table.h"

namespace vsk::lob {

// How the characters of a character set are walked.
struct Charset {
    const vsk_wchar_tbl *row = nullptr;  // null: one byte per character
    bool utf8 = false;
};
Charset charset_of(int libraryId) noexcept;

// Characters in s[0..len); a malformed or cut byte counts as one.
std::uint64_t count_chars(const Charset &cs, const char *s, std::size_t len) noexcept;
// The byte position n characters after byte position from (at most len); *walked
// receives the characters actually passed.
std::size_t skip_chars(const Charset &cs, const char *s, std::size_t len, std::size_t from, std::uint64_t n,
                       std::uint64_t *walked) noexcept;

// How a character LOB's stored bytes reach the application: as they are, or through
// an iconv descriptor (not owned) into the target set.
struct Codec {
    Charset stored;
    iconv_t toClient = reinterpret_cast<iconv_t>(-1);
    Charset client;
    bool convert() const noexcept { return toClient != reinterpret_cast<iconv_t>(-1); }
};

// One piece read from a value: bytes written to the buffer, characters (bytes for
// binary values) they hold, and stored bytes consumed.
struct Piece {
    std::size_t out = 0;
    std::uint64_t units = 0;
    std::size_t consumed = 0;
    int error = 0;  // errno of a failed conversion
};

// Up to `left` bytes of value from byte position pos into buf[0..bufl).
Piece binary_piece(std::string_view value, std::size_t pos, std::uint64_t left, char *buf, std::size_t bufl) noexcept;
// Up to `left` whole characters from byte position pos, converted as codec says, as
// many as fit buf[0..bufl).
Piece char_piece(const Codec &codec, std::string_view value, std::size_t pos, std::uint64_t left, char *buf,
                 std::size_t bufl) noexcept;

// Writes data at byte position pos, padding a gap after the end with pad bytes. false
// when memory is exhausted (value unchanged).
bool write_at(std::string *value, std::size_t pos, const char *data, std::size_t n, char pad) noexcept;
// Overwrites up to n bytes from pos with pad bytes, never past the end: the bytes erased.
std::size_t erase_at(std::string *value, std::size_t pos, std::size_t n, char pad) noexcept;

}  // namespace vsk::lob
