#include "lob/lob_value.h"

#include <algorithm>
#include <cstring>

#include "nls/charset.h"
#include "nls/mb_string.h"
#include "nls/transcode.h"

namespace vsk::lob {

namespace {

// Length of the character at s (at least 1, at most avail).
std::size_t char_length(const Charset &cs, const unsigned char *s, std::size_t avail) noexcept {
    if (!cs.row) return 1;
    int n;
    if (cs.utf8) {
        const unsigned char c = *s;
        n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    } else {
        n = cs.row->mblen(s, avail);
    }
    if (n < 1) return 1;
    return std::min(static_cast<std::size_t>(n), avail);
}

}  // namespace

Charset charset_of(int libraryId) noexcept {
    Charset cs;
    const vsk_wchar_tbl *row = wchar_row(libraryId);
    if (row && (row->maxmblen > 1 || row->unit > 1)) cs.row = row;
    cs.utf8 = libraryId == ENC_UTF8;
    return cs;
}

std::uint64_t count_chars(const Charset &cs, const char *s, std::size_t len) noexcept {
    if (!cs.row) return len;
    if (cs.utf8) {
        std::uint64_t n = 0;
        for (std::size_t i = 0; i < len; ++i) n += (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        return n;
    }
    std::uint64_t walked = 0;
    skip_chars(cs, s, len, 0, UINT64_MAX, &walked);
    return walked;
}

std::size_t skip_chars(const Charset &cs, const char *s, std::size_t len, std::size_t from, std::uint64_t n,
                       std::uint64_t *walked) noexcept {
    std::uint64_t count = 0;
    std::size_t pos = std::min(from, len);
    if (!cs.row) {
        const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(n, len - pos));
        *walked = step;
        return pos + step;
    }
    const auto *u = reinterpret_cast<const unsigned char *>(s);
    while (pos < len && count < n) {
        pos += char_length(cs, u + pos, len - pos);
        ++count;
    }
    *walked = count;
    return pos;
}

Piece binary_piece(std::string_view value, std::size_t pos, std::uint64_t left, char *buf, std::size_t bufl) noexcept {
    Piece p;
    if (pos >= value.size()) return p;
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>({left, value.size() - pos, bufl}));
    if (n) std::memcpy(buf, value.data() + pos, n);
    p.out = p.consumed = n;
    p.units = n;
    return p;
}

Piece char_piece(const Codec &codec, std::string_view value, std::size_t pos, std::uint64_t left, char *buf,
                 std::size_t bufl) noexcept {
    Piece p;
    if (pos >= value.size() || bufl == 0 || left == 0) return p;
    const char *s = value.data();
    if (!codec.convert()) {
        // Whole characters of at most bufl bytes.
        std::uint64_t walked = 0;
        std::size_t end = skip_chars(codec.stored, s, value.size(), pos, left, &walked);
        if (end - pos > bufl) {
            const auto *u = reinterpret_cast<const unsigned char *>(s);
            end = pos;
            walked = 0;
            while (end < value.size() && walked < left) {
                const std::size_t n = char_length(codec.stored, u + end, value.size() - end);
                if (end + n - pos > bufl) break;
                end += n;
                ++walked;
            }
        }
        std::memcpy(buf, s + pos, end - pos);
        p.out = p.consumed = end - pos;
        p.units = walked;
        return p;
    }
    // Every character takes at least one byte of the buffer: no more are converted.
    std::uint64_t walked = 0;
    const std::size_t end = skip_chars(codec.stored, s, value.size(), pos, std::min<std::uint64_t>(left, bufl), &walked);
    CharBuffer converted;
    std::size_t outlen = 0;
    int err = 0;
    if (transcode(codec.toClient, &err, s + pos, end - pos, converted, &outlen) < 0 || !converted) {
        p.error = err ? err : ENOMEM;
        return p;
    }
    if (outlen <= bufl) {
        std::memcpy(buf, converted.get(), outlen);
        p.out = outlen;
        p.units = walked;
        p.consumed = end - pos;
        return p;
    }
    // Too long converted: the whole characters that fit, and the stored bytes they came from.
    const auto *out = reinterpret_cast<const unsigned char *>(converted.get());
    std::size_t fit = 0;
    std::uint64_t chars = 0;
    while (fit < outlen && chars < walked) {
        const std::size_t n = char_length(codec.client, out + fit, outlen - fit);
        if (fit + n > bufl) break;
        fit += n;
        ++chars;
    }
    std::memcpy(buf, out, fit);
    std::uint64_t back = 0;
    p.out = fit;
    p.units = chars;
    p.consumed = skip_chars(codec.stored, s, value.size(), pos, chars, &back) - pos;
    return p;
}

bool write_at(std::string *value, std::size_t pos, const char *data, std::size_t n, char pad) noexcept {
    // Room first (growing geometrically), so a failure changes nothing and the bytes
    // past the end are appended rather than zero-filled and then overwritten.
    try {
        value->reserve(std::max(value->size(), pos + n));
    } catch (...) {
        return false;
    }
    if (pos > value->size()) value->append(pos - value->size(), pad);
    const std::size_t overlap = std::min(n, value->size() - pos);
    if (overlap) std::memcpy(value->data() + pos, data, overlap);
    if (n > overlap) value->append(data + overlap, n - overlap);
    return true;
}

std::size_t erase_at(std::string *value, std::size_t pos, std::size_t n, char pad) noexcept {
    if (pos >= value->size()) return 0;
    n = std::min(n, value->size() - pos);
    std::memset(value->data() + pos, pad, n);
    return n;
}

}  // namespace vsk::lob
