// Random texts and capacities through the bytea text routines, into exactly sized
// buffers so that ASan reports any write beyond them; the routines must also agree with
// each other: the digits rendered from a text decode (as a hex-form text) to the bytes
// the text itself decodes to.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "types/bytea_text.h"

namespace {

using namespace vsk::bytea;

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// A result that kept within cap and wrote what it could.
void check_bounds(const Result &r, std::size_t cap) {
    check(r.written <= cap);
    if (r.valid) check(r.written == (r.total < cap ? r.total : cap));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t cap = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % 1024;
    const char *text = reinterpret_cast<const char *>(data + 2);
    const std::size_t n = size - 2;

    // Nothing may be written beyond cap bytes.
    auto *out = static_cast<unsigned char *>(std::malloc(cap ? cap : 1));
    const Result bytes = decode(text, n, out, cap);
    check_bounds(bytes, cap);
    std::vector<unsigned char> head(out, out + bytes.written);
    const Result digits = render_text(text, n, reinterpret_cast<char *>(out), cap);
    check_bounds(digits, cap);
    check(digits.valid == bytes.valid);
    if (digits.valid) check(digits.total == 2 * bytes.total);
    std::free(out);
    if (!bytes.valid) return 0;

    // The whole value both ways: the rendered digits stand for the decoded bytes.
    std::vector<unsigned char> all(bytes.total ? bytes.total : 1);
    const Result whole = decode(text, n, all.data(), bytes.total);
    check(whole.valid && !whole.cut());
    check(head.empty() || std::memcmp(all.data(), head.data(), head.size()) == 0);
    std::string hex = "\\x";
    hex.resize(2 + digits.total);
    check(!render_text(text, n, hex.data() + 2, digits.total).cut());
    std::vector<unsigned char> again(bytes.total ? bytes.total : 1);
    const Result back = decode(hex.data(), hex.size(), again.data(), bytes.total);
    check(back.valid && back.total == bytes.total);
    check(std::memcmp(again.data(), all.data(), bytes.total) == 0);

    // Raw bytes render to two uppercase digits each, within cap.
    auto *chars = static_cast<char *>(std::malloc(cap ? cap : 1));
    const Result raw = render_bytes(all.data(), bytes.total, chars, cap);
    check_bounds(raw, cap);
    check(raw.total == 2 * bytes.total);
    std::free(chars);
    return 0;
}
