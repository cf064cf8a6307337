#include "types/bytea_text.h"

namespace vsk::bytea {

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";

int hex_value(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool octal(char c) noexcept { return c >= '0' && c <= '7'; }

// Walks the bytes text stands for, handing each to sink; false at the first sequence
// neither form allows. An odd number of hex digits is such a sequence.
template <class Sink>
bool each_byte(const char *text, std::size_t n, Sink &&sink) noexcept {
    if (is_hex_form(text, n)) {
        if ((n - 2) % 2 != 0) return false;
        for (std::size_t i = 2; i < n; i += 2) {
            const int hi = hex_value(text[i]), lo = hex_value(text[i + 1]);
            if (hi < 0 || lo < 0) return false;
            sink(static_cast<unsigned char>(hi << 4 | lo));
        }
        return true;
    }
    for (std::size_t i = 0; i < n;) {
        if (text[i] != '\\') {
            sink(static_cast<unsigned char>(text[i]));
            ++i;
        } else if (i + 1 < n && text[i + 1] == '\\') {
            sink(static_cast<unsigned char>('\\'));
            i += 2;
        } else if (i + 3 < n && text[i + 1] >= '0' && text[i + 1] <= '3' && octal(text[i + 2]) &&
                   octal(text[i + 3])) {
            sink(static_cast<unsigned char>((text[i + 1] - '0') << 6 | (text[i + 2] - '0') << 3 | (text[i + 3] - '0')));
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

bool is_hex_form(const char *text, std::size_t n) noexcept {
    return text && n >= 2 && text[0] == '\\' && text[1] == 'x';
}

Result decode(const char *text, std::size_t n, unsigned char *out, std::size_t cap) noexcept {
    Result r;
    if (!text) return r;
    r.valid = each_byte(text, n, [&](unsigned char b) {
        if (r.total < cap) out[r.written++] = b;
        ++r.total;
    });
    return r;
}

Result render_text(const char *text, std::size_t n, char *out, std::size_t cap) noexcept {
    Result r;
    if (!text) return r;
    if (is_hex_form(text, n)) {
        // Checked whole, then passed on as the server wrote it.
        r.valid = each_byte(text, n, [](unsigned char) {});
        if (!r.valid) return r;
        r.total = n - 2;
        for (; r.written < r.total && r.written < cap; ++r.written) out[r.written] = text[2 + r.written];
        return r;
    }
    auto put = [&](char digit) {
        if (r.total < cap) out[r.written++] = digit;
        ++r.total;
    };
    r.valid = each_byte(text, n, [&](unsigned char b) {
        put(kUpperDigits[b >> 4]);
        put(kUpperDigits[b & 0xF]);
    });
    return r;
}

Result render_bytes(const unsigned char *bytes, std::size_t n, char *out, std::size_t cap) noexcept {
    Result r;
    if (!bytes) return r;
    r.total = 2 * n;
    for (std::size_t i = 0; i < n && r.written < cap; ++i) {
        out[r.written++] = kUpperDigits[bytes[i] >> 4];
        if (r.written < cap) out[r.written++] = kUpperDigits[bytes[i] & 0xF];
    }
    return r;
}

}  // namespace vsk::bytea
