// Number bytes as programs and the server hand them over, and number formats: arbitrary
// 22-byte VARNUMs and 21-byte NUMBERs through the layout readers, and arbitrary formats
// and texts through OCINumberToText / OCINumberFromText into exactly sized buffers.
#include <oci.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "env/error.h"
#include "number/number_text.h"
#include "number/numeric_convert.h"
#include "number/numeric_var.h"
#include "fuzz_handles.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

OCIError *error_handle() { return fuzz_error_handle(); }

// The layout's bytes, zero-filled past the input, in a heap block of exactly their size.
std::vector<unsigned char> layout(const std::uint8_t *data, std::size_t size, std::size_t n) {
    std::vector<unsigned char> bytes(n, 0);
    std::memcpy(bytes.data(), data, size < n ? size : n);
    return bytes;
}

void varnum_bytes(const std::uint8_t *data, std::size_t size) {
    const std::vector<unsigned char> varnum = layout(data, size, vsk::kVarnumSize);
    std::vector<char> text(vsk::kVarnumTextSize);
    if (vsk::ConvertVARNUMToString(varnum.data(), text.data()) == 0) {
        check(std::memchr(text.data(), '\0', text.size()) != nullptr);
        // What is written for a VARNUM reads back as one, except a negative value at
        // exponent byte 127: its digits lie below 10^-128, which only the engine reads.
        unsigned char again[vsk::kVarnumSize];
        if (varnum[1] != 127) check(vsk::ConvertStringToVARNUM(text.data(), again) == 0);
    }
    vsk::NumericVar var;
    if (vsk::ConvertVARNUMBERToNumeric(varnum.data(), var) == 0) {
        std::string decimal;
        vsk::ConvertNumericToString(var, decimal, var.dscale());
    }
}

void number_bytes(const std::uint8_t *data, std::size_t size) {
    const std::vector<unsigned char> number = layout(data, size, vsk::kNumberSize);
    vsk::NumericVar var;
    if (vsk::ConvertNUMBERToNumeric(number.data(), var) != 0) return;
    std::string decimal;
    vsk::ConvertNumericToString(var, decimal, var.dscale());
    unsigned char varnum[vsk::kVarnumSize];
    vsk::ConvertNumericToVARNUMBER(var, varnum);
}

// data: 22 VARNUM bytes, a capacity byte, then format NUL text.
void number_format(const std::uint8_t *data, std::size_t size) {
    OCIError *err = error_handle();
    OCINumber number{};
    std::memcpy(number.OCINumberPart, data, size < OCI_NUMBER_SIZE ? size : OCI_NUMBER_SIZE);
    if (size <= OCI_NUMBER_SIZE) return;
    const ub4 cap = data[OCI_NUMBER_SIZE] % 64;
    const std::string rest(reinterpret_cast<const char *>(data + OCI_NUMBER_SIZE + 1), size - OCI_NUMBER_SIZE - 1);
    const std::size_t nul = rest.find('\0');
    const std::string format = rest.substr(0, nul);
    const std::string text = nul == std::string::npos ? std::string() : rest.substr(nul + 1);
    // Exactly sized copies: nothing past the given lengths may be read.
    std::vector<oratext> fmt(format.begin(), format.end()), str(text.begin(), text.end());

    std::vector<oratext> buf(cap ? cap : 1);
    ub4 buf_size = cap;
    if (OCINumberToText(err, &number, fmt.data(), static_cast<ub4>(fmt.size()), nullptr, 0, &buf_size,
                        buf.data()) == OCI_SUCCESS)
        check(buf_size <= cap);
    vsk::_ClearErrorHandle(err);
    OCINumber read{};
    OCINumberFromText(err, str.data(), static_cast<ub4>(str.size()), fmt.data(), static_cast<ub4>(fmt.size()), nullptr,
                      0, &read);
    vsk::_ClearErrorHandle(err);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    switch (data[0] % 3) {
    case 0:
        varnum_bytes(data + 1, size - 1);
        break;
    case 1:
        number_bytes(data + 1, size - 1);
        break;
    default:
        number_format(data + 1, size - 1);
        break;
    }
    return 0;
}
