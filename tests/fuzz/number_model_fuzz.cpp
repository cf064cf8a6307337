// Number format models on their own: arbitrary model text, value text and input text
// through the compiler, writer and reader. Whatever the writer lays out, the reader takes
// back, and writing what it read gives the same text again.
#include <cstdint>
#include <string>

#include "number/number_model.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

bool readable(const vsk::number::NumberModel &m) {
    using vsk::number::ModelKind;
    return m.kind != ModelKind::roman && !m.blank_zero;
}

// Plain text whose digits are all zeros: a negative one reads back without its sign.
bool zero(const std::string &plain) {
    return plain.substr(0, plain.find_first_of("Ee")).find_first_of("123456789") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vsk::number;
    if (size < 1 || size > 4096) return 0;
    // The first byte picks the NLS symbols, the rest is model NUL value NUL input.
    NumberSymbols symbols;
    if (data[0] & 1) check(read_nls_symbols("NLS_NUMERIC_CHARACTERS=',.' NLS_CURRENCY='EUR'", symbols));
    const std::string rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::size_t first = rest.find('\0');
    const std::string model_text = rest.substr(0, first);
    const std::string tail = first == std::string::npos ? std::string() : rest.substr(first + 1);
    const std::size_t second = tail.find('\0');
    const std::string value = tail.substr(0, second);
    const std::string input = second == std::string::npos ? std::string() : tail.substr(second + 1);

    NumberSymbols parsed;
    read_nls_symbols(input, parsed);
    NumberModel m;
    if (!compile_number_model(model_text, symbols, m)) return 0;
    std::string text, read, again;
    if (write_number_model(m, value, text) && readable(m)) {
        check(read_number_model(m, text, read));
        if (!zero(read)) {
            check(write_number_model(m, read, again));
            check(again == text);
        }
    }
    read_number_model(m, input, read);
    return 0;
}
