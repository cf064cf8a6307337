// Number format models against Oracle's documented TO_CHAR / TO_NUMBER results ("Number
// Format Models" in the Oracle SQL Language Reference: the element table and the table of
// number conversion results), plus the models Oracle rejects.
#include <gtest/gtest.h>

#include <string>

#include "number/number_model.h"

namespace {

using vsk::number::NumberModel;
using vsk::number::NumberSymbols;

std::string to_char(const char *value, const char *model, const NumberSymbols &symbols = {}) {
    NumberModel m;
    if (!vsk::number::compile_number_model(model, symbols, m)) return "invalid model";
    std::string text;
    return vsk::number::write_number_model(m, value, text) ? "[" + text + "]" : "does not fit";
}

std::string to_number(const char *text, const char *model, const NumberSymbols &symbols = {}) {
    NumberModel m;
    if (!vsk::number::compile_number_model(model, symbols, m)) return "invalid model";
    std::string value;
    return vsk::number::read_number_model(m, text, value) ? value : "no match";
}

TEST(NumberModel, WritesAsOracleDocuments) {
    const struct {
        const char *value, *model, *text;
    } cases[] = {
        // The documentation's table of conversion results.
        {"-1234567890", "9999999999S", "1234567890-"},
        {"1234567890", "9999999999S", "1234567890+"},
        {"0", "99.99", "   .00"},
        {"0.1", "99.99", "   .10"},
        {"-0.2", "99.99", "  -.20"},
        {"0", "90.99", "  0.00"},
        {"0.1", "90.99", "  0.10"},
        {"-0.2", "90.99", " -0.20"},
        {"0", "9999", "    0"},
        {"1", "9999", "    1"},
        {"0", "B9999", "     "},
        {"1", "B9999", "    1"},
        {"0", "B90.99", "      "},
        {"123.456", "999.999", " 123.456"},
        {"-123.456", "999.999", "-123.456"},
        {"123.456", "FM999.009", "123.456"},
        {"123.45", "FM999.009", "123.45"},
        {"123.0", "FM999.009", "123.00"},
        {"123.456", "9.9EEEE", "  1.2E+02"},
        {"1E+123", "9.9EEEE", " 1.0E+123"},
        {"123.456", "FM9.9EEEE", "1.2E+02"},
        {"123.45", "L999.99", "          $123.45"},
        {"123.45", "FML999.99", "$123.45"},
        // The element table's examples.
        {"-1234", "9999MI", "1234-"},
        {"1234", "9999MI", "1234 "},
        {"-1234", "9999PR", "<1234>"},
        {"1234", "9999PR", " 1234 "},
        {"-1234", "S9999", "-1234"},
        {"12", "S9999", "  +12"},
        {"-1234", "$9,999", "-$1,234"},
        {"123.45", "999V99", " 12345"},
        {"1984", "RN", "      MCMLXXXIV"},
        {"14", "FMrn", "xiv"},
        {"255", "XXXX", "   FF"},
        {"255", "0XXX", "00FF"},
        {"255.5", "FMxxx", "100"},
        {"1234", "C9999", " USD1234"},
        // Fixed-point details: floating signs, rounding on the exact decimal, FM's point.
        {"24692.356", "99999999.999", "    24692.356"},
        {"0.5", "0.99", " 0.50"},
        {"0.5", "9D99", "  .50"},
        {"1.005", "9.99", " 1.01"},
        {"-2.5", "9", "-3"},
        {"999.96", "9G999.9", " 1,000.0"},
        {"12", "FM99.99", "12."},
        {"0.5", "FM99.99", ".5"},
        {"0", "FM99.99", "0."},
        {"-0.001", "90.99", " -0.00"},  // Oracle keeps the sign of what rounds to zero
        {"0.5", "B90.99", "   .50"},
        {"12345", "099G999", " 012,345"},
        {"-9.96", "9.9EEEE", " -1.0E+01"},
        {"0", "9.9EEEE", "  0.0E+00"},
        // TM9 keeps the library's 40 places; TME is Oracle's shortest scientific form.
        {"12.5", "TM9", "12.5000000000000000000000000000000000000000"},
        {"12.5", "tme", "1.25E+01"},
        {"-0.001", "TME", "-1E-03"},
    };
    for (const auto &c : cases) EXPECT_EQ(to_char(c.value, c.model), "[" + std::string(c.text) + "]") << c.model;

    // The documentation's TO_CHAR example with NLS parameters.
    NumberSymbols aus;
    ASSERT_TRUE(vsk::number::read_nls_symbols("NLS_NUMERIC_CHARACTERS = ',.' NLS_CURRENCY = 'AusDollars'", aus));
    EXPECT_EQ(to_char("-10000", "L99G999D99MI", aus), "[AusDollars10.000,00-]");
    EXPECT_EQ(to_number("-AusDollars100", "L9G999D99", aus), "-100");
    EXPECT_FALSE(vsk::number::read_nls_symbols("NLS_NUMERIC_CHARACTERS = '..'", aus));
    EXPECT_FALSE(vsk::number::read_nls_symbols("NLS_CURRENCY = 'x", aus));
}

TEST(NumberModel, ValuesThatDoNotFit) {
    for (const auto &[value, model] : {std::pair{"12345", "999D99"}, {"1000", "999"}, {"999.96", "999.9"},
                                       {"-1", "XX"}, {"256", "XX"}, {"4000", "RN"}, {"0.4", "RN"}, {"1", ".99"}})
        EXPECT_EQ(to_char(value, model), "does not fit") << value << " " << model;
}

TEST(NumberModel, RejectsModelsOracleRejects) {
    for (const char *model :
         {"",      "FM",   "G99",  ",999", "99D99D9", "9.9.9",  "9.9G9",   "99.9,9", "99S9",  "S99S", "MI99",
          "99MIS", "9PR9", "$$99", "L$99", "9X",      "X0",     "99V9.9",  "9.9V9",  "9EEEE9", "9G9EEEE",
          "9GG999", "9,,999", "99G.9", "99,", "EEEE", "99Q",    "RN9",     "TM8",    "BB9",   "99L9", "S", "$"})
        EXPECT_EQ(to_char("1", model), "invalid model") << model;
}

TEST(NumberModel, ReadsTextThatMatchesTheModel) {
    const struct {
        const char *text, *model, *value;
    } cases[] = {
        {"$1,234.56", "$9G999D99", "1234.56"},
        {"1,234.56", "$9G999D99", "1234.56"},
        {"-1,234.5", "9G999D9", "-1234.5"},
        {"234", "9G999", "234"},
        {"<12.5>", "99D9PR", "-12.5"},
        {"12.5-", "99D9MI", "-12.5"},
        {"12.5", "99D9MI", "12.5"},
        {"+12", "S99", "12"},
        {"12-", "99S", "-12"},
        {"1.2E+02", "9.9EEEE", "1.2E2"},
        {"12345", "999V99", "12345E-2"},
        {"FF", "XX", "255"},
        {"  42 ", "FM99", "42"},
        {"-98765.4321", "S99999.9999", "-98765.4321"},
        {"-1e-3", "TM9", "-1E-3"},
        // what Oracle turns down
        {"12.345", "99.99", "no match"},
        {"123", "S999", "no match"},
        {"1,234", "9999", "no match"},
        {"1234", "9G999", "no match"},
        {"12,34", "9G999", "no match"},
        {"1,,234", "99G999", "no match"},
        {"1.2", "9.9EEEE", "no match"},
        {"1234", "999", "no match"},
        {"12x", "999", "no match"},
        {"-", "999", "no match"},
        {"FFF", "XX", "no match"},
        {"12", "RN", "no match"},
    };
    for (const auto &c : cases) EXPECT_EQ(to_number(c.text, c.model), c.value) << c.text << " " << c.model;
}

}  // namespace
