// Reading text laid out by a number format model back to plain decimal text (TO_NUMBER):
// the sign where the model puts it, an optional currency symbol, group separators only
// where the model has them, no more digits than it has positions.
#include <algorithm>

#include "number/number_model.h"

namespace vsk::number {

namespace {

// Past any OCINumber by far; only bounds the parse.
constexpr long kExponentLimit = 9999;

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view t) {
    const std::size_t first = t.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(' ') - first + 1);
}

bool take_prefix(std::string_view &t, std::string_view p) {
    if (p.empty() || t.substr(0, p.size()) != p) return false;
    t.remove_prefix(p.size());
    return true;
}

bool take_suffix(std::string_view &t, std::string_view s) {
    if (s.empty() || t.size() < s.size() || t.substr(t.size() - s.size()) != s) return false;
    t.remove_suffix(s.size());
    return true;
}

// Reads "[+-]digits" into exponent; false without digits or past the limit.
bool read_exponent(std::string_view &t, long &exponent) {
    bool minus = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        minus = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || !is_digit(t[0])) return false;
    exponent = 0;
    while (!t.empty() && is_digit(t[0])) {
        exponent = exponent * 10 + (t[0] - '0');
        if (exponent > kExponentLimit) return false;
        t.remove_prefix(1);
    }
    if (minus) exponent = -exponent;
    return true;
}

std::string plain(bool negative, const std::string &whole, const std::string &fraction, long exponent) {
    std::string out = negative ? "-" : "";
    out += whole.empty() ? "0" : whole;
    if (!fraction.empty()) out += "." + fraction;
    if (exponent != 0) out += "E" + std::to_string(exponent);
    return out;
}

// TM, TM9, TME: any plain or scientific number.
bool read_text_minimum(std::string_view t, std::string &value) {
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    std::string whole, fraction;
    while (!t.empty() && is_digit(t[0])) {
        whole += t[0];
        t.remove_prefix(1);
    }
    if (take_prefix(t, "."))
        while (!t.empty() && is_digit(t[0])) {
            fraction += t[0];
            t.remove_prefix(1);
        }
    if (whole.empty() && fraction.empty()) return false;
    long exponent = 0;
    if (!t.empty() && (t[0] == 'E' || t[0] == 'e')) {
        t.remove_prefix(1);
        if (!read_exponent(t, exponent)) return false;
    }
    if (!t.empty()) return false;
    value = plain(negative, whole, fraction, exponent);
    return true;
}

bool read_hex(const NumberModel &m, std::string_view t, std::string &value) {
    if (t.empty() || t.size() > m.whole_digits) return false;
    std::string decimal = "0";
    for (char c : t) {
        int d;
        if (is_digit(c)) d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        // decimal = decimal * 16 + d, on the digits
        int carry = d;
        for (std::size_t i = decimal.size(); i-- > 0;) {
            const int x = (decimal[i] - '0') * 16 + carry;
            decimal[i] = static_cast<char>('0' + x % 10);
            carry = x / 10;
        }
        for (; carry; carry /= 10) decimal.insert(decimal.begin(), static_cast<char>('0' + carry % 10));
    }
    value = decimal;
    return true;
}

// Sign and currency around the digits, as the model places them.
bool strip_sign_and_currency(const NumberModel &m, std::string_view &t, bool &negative) {
    negative = false;
    switch (m.sign) {
    case SignElement::none:
        if (take_prefix(t, "-")) negative = true;
        else take_prefix(t, "+");
        break;
    case SignElement::leading_s:
        if (take_prefix(t, "-")) negative = true;
        else if (!take_prefix(t, "+")) return false;
        break;
    case SignElement::trailing_s:
        if (take_suffix(t, "-")) negative = true;
        else if (!take_suffix(t, "+")) return false;
        break;
    case SignElement::mi:
        negative = take_suffix(t, "-");
        break;
    case SignElement::pr:
        if (t.size() >= 2 && t.front() == '<' && t.back() == '>') {
            negative = true;
            t = t.substr(1, t.size() - 2);
        }
        break;
    }
    if (m.currency_trailing) take_suffix(t, m.currency);
    else take_prefix(t, m.currency);
    return true;
}

// The separators the model puts among n integer digits, exactly, and none further left.
bool separators_match(const NumberModel &m, std::size_t n, const std::string &laid) {
    std::string shape;  // right to left, '#' for a digit
    std::size_t done = 0;
    for (std::size_t i = m.whole.size(); i-- > 0 && done < n;) {
        const bool digit = m.whole[i] == '9' || m.whole[i] == '0';
        shape += digit ? '#' : m.whole[i];
        done += digit;
    }
    if (laid.size() < shape.size()) return false;
    const std::size_t head = laid.size() - shape.size();
    for (std::size_t j = 0; j < laid.size(); ++j) {
        const char want = j < head ? '#' : shape[laid.size() - 1 - j];
        if (want == '#' ? !is_digit(laid[j]) : laid[j] != want) return false;
    }
    return true;
}

bool read_laid_out(const NumberModel &m, std::string_view t, std::string &value) {
    bool negative = false;
    if (!strip_sign_and_currency(m, t, negative)) return false;
    // The integer part as written: digits and any of the model's separators.
    std::string whole, laid, fraction;
    while (!t.empty()) {
        const char c = t[0];
        const bool separator = !is_digit(c) && !(m.has_point && c == m.point) && m.whole.find(c) != std::string::npos;
        if (!is_digit(c) && !separator) break;
        if (!separator) whole += c;
        laid += c;
        t.remove_prefix(1);
    }
    if (m.has_point && !t.empty() && t[0] == m.point) {
        t.remove_prefix(1);
        while (!t.empty() && is_digit(t[0])) {
            fraction += t[0];
            t.remove_prefix(1);
        }
    }
    long exponent = 0;
    if (m.kind == ModelKind::scientific) {
        if (t.empty() || (t[0] != 'E' && t[0] != 'e')) return false;
        t.remove_prefix(1);
        if (!read_exponent(t, exponent)) return false;
    }
    if (!t.empty() || (whole.empty() && fraction.empty())) return false;
    if (fraction.size() > m.decimals) return false;
    const std::size_t significant = whole.size() - std::min(whole.find_first_not_of('0'), whole.size());
    const std::size_t positions = m.kind == ModelKind::scientific ? std::max<std::size_t>(m.whole_digits, 1)
                                                                  : m.whole_digits;
    if (significant > positions) return false;
    if (!separators_match(m, whole.size(), laid)) return false;
    value = plain(negative, whole, fraction, exponent - static_cast<long>(m.shift));
    return true;
}

}  // namespace

bool read_number_model(const NumberModel &model, std::string_view text, std::string &value) {
    const std::string_view t = trim_blanks(text);
    switch (model.kind) {
    case ModelKind::fixed:
    case ModelKind::scientific:
        return read_laid_out(model, t, value);
    case ModelKind::hex:
        return read_hex(model, t, value);
    case ModelKind::text_minimum:
    case ModelKind::text_minimum_e:
        return read_text_minimum(t, value);
    case ModelKind::roman:
        return false;
    }
    return false;
}

}  // namespace vsk::number
