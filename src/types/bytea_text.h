// The server's two text forms of bytea, read back into bytes or rendered as hexadecimal
// digits, into buffers of a given capacity:
//   hex form     backslash, x, then two hexadecimal digits per byte;
//   escape form  bytes as themselves, a doubled backslash for a backslash, and backslash
//                plus three octal digits (the first 0-3) for any other byte.
// Nothing is ever written beyond the capacity; the whole text is always read, so that
// the caller learns the full size of a value that did not fit.
#pragma once

#include <cstddef>

namespace vsk::bytea {

struct Result {
    bool valid = true;       // false: a backslash sequence or hex digit the forms do not allow
    std::size_t total = 0;   // bytes (or characters) the whole value comes to
    std::size_t written = 0; // of them written, never more than the capacity
    bool cut() const noexcept { return written < total; }
};

// The text starts with the hex form's prefix.
bool is_hex_form(const char *text, std::size_t n) noexcept;

// The bytes text stands for, in either form: at most cap of them into out.
Result decode(const char *text, std::size_t n, unsigned char *out, std::size_t cap) noexcept;

// Two hexadecimal digits per byte text stands for: the hex form's digits as sent, the
// escape form's bytes in uppercase. At most cap characters into out (a cut may split a
// byte's two digits).
Result render_text(const char *text, std::size_t n, char *out, std::size_t cap) noexcept;

// Two uppercase hexadecimal digits per byte; at most cap characters into out.
Result render_bytes(const unsigned char *bytes, std::size_t n, char *out, std::size_t cap) noexcept;

}  // namespace vsk::bytea
