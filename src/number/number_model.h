// Oracle number format models ("99G999D99", "FM$9.99EEEE", "S0999", "XXXX", "RN", "TM9"...):
// a compiler from the model's text, a writer laying an exact decimal value into it
// (TO_CHAR) and a reader taking text that matches it back to plain decimal text
// (TO_NUMBER). Plain C++ over strings so that it can be tested and fuzzed on its own.
#pragma once

#include <string>
#include <string_view>

namespace vsk::number {

// The characters the NLS-dependent elements stand for.
struct NumberSymbols {
    char decimal = '.';         // D
    char group = ',';           // G
    std::string local = "$";    // L
    std::string iso = "USD";    // C
    std::string dual = "$";     // U
};

// Reads "NLS_NUMERIC_CHARACTERS = '.,'", "NLS_CURRENCY = '...'" and "NLS_DUAL_CURRENCY"
// from an NLS parameter text into symbols. Other parameters (NLS_ISO_CURRENCY names a
// territory, not a symbol) are passed over; false on a value that cannot serve (the same character for
// both separators, a digit, a sign, an unterminated quote).
bool read_nls_symbols(std::string_view params, NumberSymbols &symbols);

enum class ModelKind {
    fixed,         // digits, separators, point
    scientific,    // ...EEEE
    roman,         // RN, rn
    hex,           // X, x
    text_minimum,  // TM, TM9: 40 decimal places, as the library has always written them
    text_minimum_e // TME: the fewest characters in scientific notation
};

enum class SignElement { none, leading_s, trailing_s, mi, pr };

struct NumberModel {
    ModelKind kind = ModelKind::fixed;
    bool fill_mode = false;   // FM: no padding, trailing zeros of "9" decimals dropped
    bool blank_zero = false;  // B
    bool lower_case = false;  // rn, x
    SignElement sign = SignElement::none;
    std::string currency;     // "$", L, C or U's text; empty without one
    bool currency_trailing = false;
    std::size_t currency_width = 0;
    // Integer part, left to right: '9' or '0' for a digit position (the positions after V
    // included), otherwise the group separator's character.
    std::string whole;
    std::size_t whole_digits = 0;
    std::size_t zero_fill = 0;  // digit positions, counted from the right, written as zeros
    bool has_point = false;
    char point = '.';
    std::size_t decimals = 0;     // digit positions after the point
    std::size_t decimals_kept = 0;// of these, the ones up to the last "0": FM keeps them
    std::size_t shift = 0;        // V: the value is multiplied by 10^shift
    std::size_t width = 0;        // the field every value is laid in (without FM)
};

// Compiles model text (elements in any case but rn/x) into *model; false when Oracle would
// reject the model (two points, a group separator after the point or before any digit,
// misplaced sign elements, unknown characters, an empty model...).
bool compile_number_model(std::string_view text, const NumberSymbols &symbols, NumberModel &model);

// The exact decimal value: [-]digits[.digits][E[+-]digits], as the VARNUM text form gives it.
// Sets *text to the value laid into the model. False when the value is not a decimal text
// or does not fit the model (more integer digits than positions, a negative hex value,
// a roman numeral outside 1..3999).
bool write_number_model(const NumberModel &model, std::string_view value, std::string &text);

// Reads text laid out by the model into plain decimal text ([-]digits[.digits][E[-]digits])
// that the number parsers take. False when the text does not match the model.
bool read_number_model(const NumberModel &model, std::string_view text, std::string &value);

}  // namespace vsk::number
