// Numbers as text (from programs and the server) and as the server's binary numeric:
// a text that reads must round-trip through the VARNUM layout unchanged, and a binary
// numeric that decodes must convert to VARNUM and text within bounds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number/number_text.h"
#include "number/numeric_convert.h"
#include "number/numeric_var.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// Exactly sized heap buffers: a write past the layout is caught.
struct Buffer {
    explicit Buffer(std::size_t n) : p(static_cast<unsigned char *>(std::malloc(n))), size(n) { std::memset(p, 0, n); }
    ~Buffer() { std::free(p); }
    unsigned char *p;
    std::size_t size;
};

void text_round_trip(const std::string &text) {
    Buffer varnum(vsk::kVarnumSize), number(vsk::kNumberSize);
    vsk::ConvertStringToNUMBER(text.c_str(), number.p);
    if (vsk::ConvertStringToVARNUM(text.c_str(), varnum.p) != 0) return;
    Buffer written(vsk::kVarnumTextSize);
    check(vsk::ConvertVARNUMToString(varnum.p, reinterpret_cast<char *>(written.p)) == 0);
    Buffer again(vsk::kVarnumSize);
    check(vsk::ConvertStringToVARNUM(reinterpret_cast<const char *>(written.p), again.p) == 0);
    check(std::memcmp(varnum.p, again.p, vsk::kVarnumSize) == 0);

    vsk::NumericVar var;
    if (vsk::ConvertStringToNumeric(text.c_str(), var) != 0) return;
    std::string decimal;
    if (vsk::ConvertNumericToString(var, decimal, var.dscale()) != 0) return;
    vsk::NumericVar back;
    check(vsk::ConvertStringToNumeric(decimal.c_str(), back) == 0);
    check(back.sign() == var.sign() || var.special());
}

void binary_numeric(const char *bytes, int length) {
    vsk::NumericVar var;
    if (vsk::decode_numeric(bytes, length, var) != 0) return;
    check(vsk::numeric_valid(var) || var.special());
    Buffer varnum(vsk::kVarnumSize);
    vsk::ConvertNumericToVARNUMBER(var, varnum.p);
    // Its text may lie beyond what the text reader takes (weights the server never sends):
    // writing it must still stay in bounds.
    std::string decimal;
    vsk::ConvertNumericToString(var, decimal, var.dscale());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    if (data[0] & 1) {
        text_round_trip(std::string(reinterpret_cast<const char *>(data + 1), size - 1).c_str());
    } else {
        Buffer bytes(size - 1 ? size - 1 : 1);
        std::memcpy(bytes.p, data + 1, size - 1);
        binary_numeric(reinterpret_cast<const char *>(bytes.p), static_cast<int>(size - 1));
    }
    return 0;
}
