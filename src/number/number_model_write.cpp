// Laying an exact decimal value into a compiled number format model (TO_CHAR). All
// rounding is done on the decimal digits, half away from zero; no binary floating point.
#include <algorithm>
#include <cctype>

#include "number/number_model.h"

namespace vsk::number {

namespace {

// value = 0.digits x 10^point; digits without leading or trailing zeros, empty for zero.
struct Exact {
    bool negative = false;
    std::string digits;
    long point = 0;
};

// Exponents past any OCINumber by far; bounding them bounds the strings built below.
constexpr long kExponentLimit = 9999;
// The fixed-point text of TM and TM9.
constexpr std::size_t kTextMinimumPlaces = 40;

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

bool parse_exact(std::string_view s, Exact &e) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) e.negative = s[i++] == '-';
    long whole = 0;
    bool point = false, any = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            any = true;
            e.digits += s[i];
            if (!point) ++whole;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool minus = false;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) minus = s[i++] == '-';
        if (i == s.size()) return false;
        for (; i < s.size() && is_digit(s[i]); ++i) {
            exponent = exponent * 10 + (s[i] - '0');
            if (exponent > kExponentLimit) return false;
        }
        if (minus) exponent = -exponent;
    }
    if (i != s.size()) return false;
    const std::size_t lead = std::min(e.digits.find_first_not_of('0'), e.digits.size());
    e.digits.erase(0, lead);
    e.point = whole + exponent - static_cast<long>(lead);
    e.digits.erase(e.digits.find_last_not_of('0') + 1);
    if (e.digits.empty()) {
        e.negative = false;
        e.point = 0;
    }
    // Keeps every exponent written below (point - 1) within the limit the reader takes.
    return e.point <= kExponentLimit && e.point - 1 >= -kExponentLimit;
}

// Adds one unit in the last place; "999" becomes "1000".
void increment(std::string &digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The value rounded to places decimals: whole digits without leading zeros ("" for
// none) and exactly places fraction digits.
void round_fixed(const Exact &e, std::size_t places, std::string &whole, std::string &fraction) {
    const long keep = e.point + static_cast<long>(places);
    std::string kept;
    if (!e.digits.empty() && keep >= 0) {
        const auto k = static_cast<std::size_t>(keep);
        if (k >= e.digits.size()) {
            kept = e.digits + std::string(k - e.digits.size(), '0');
        } else {
            kept = e.digits.substr(0, k);
            if (e.digits[k] >= '5') increment(kept);
        }
    }
    if (kept.size() < places) kept.insert(0, places - kept.size(), '0');
    whole = kept.substr(0, kept.size() - places);
    fraction = kept.substr(kept.size() - places);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
}

// The value rounded to n significant digits d.ddd x 10^exponent; zeros for zero.
void round_significant(const Exact &e, std::size_t n, std::string &digits, long &exponent) {
    if (e.digits.empty()) {
        digits.assign(n, '0');
        exponent = 0;
        return;
    }
    exponent = e.point - 1;
    digits = e.digits.substr(0, n);
    if (digits.size() < n) digits.append(n - digits.size(), '0');
    if (e.digits.size() > n && e.digits[n] >= '5') {
        increment(digits);
        if (digits.size() > n) {
            digits.pop_back();
            ++exponent;
        }
    }
}

std::string exponent_text(long exponent) {
    std::string t = exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 2) t += '0';
    return t + magnitude;
}

// Sign, currency and padding around the laid-out digits.
std::string decorate(const NumberModel &m, bool negative, const std::string &body) {
    std::string lead, trail;
    switch (m.sign) {
    case SignElement::none:
        if (negative) lead = "-";
        break;
    case SignElement::leading_s:
        lead = negative ? "-" : "+";
        break;
    case SignElement::trailing_s:
        trail = negative ? "-" : "+";
        break;
    case SignElement::mi:
        trail = negative ? "-" : (m.fill_mode ? "" : " ");
        break;
    case SignElement::pr:
        if (negative) {
            lead = "<";
            trail = ">";
        } else if (!m.fill_mode) {
            trail = " ";
        }
        break;
    }
    std::string out = lead;
    if (!m.currency_trailing) out += m.currency;
    out += body;
    if (m.currency_trailing) out += m.currency;
    out += trail;
    if (!m.fill_mode && out.size() < m.width) out.insert(0, m.width - out.size(), ' ');
    return out;
}

std::string blanks(const NumberModel &m) { return std::string(m.fill_mode ? 0 : m.width, ' '); }

bool write_fixed(const NumberModel &m, Exact e, std::string &text) {
    if (!e.digits.empty()) e.point += static_cast<long>(m.shift);
    if (e.point > static_cast<long>(m.whole_digits)) return false;
    std::string whole, fraction;
    round_fixed(e, m.decimals, whole, fraction);
    if (whole.size() > m.whole_digits) return false;
    const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (zero && m.blank_zero) {
        text = blanks(m);
        return true;
    }
    if (m.fill_mode) fraction.erase(std::max(fraction.find_last_not_of('0') + 1, m.decimals_kept));
    // B blanks a zero integer part whatever "0" positions the model has.
    std::size_t shown = whole.size();
    if (!(m.blank_zero && whole.empty())) shown = std::max(shown, m.zero_fill);

    std::string body;
    std::size_t done = 0;
    for (std::size_t i = m.whole.size(); i-- > 0 && done < shown;) {
        const char slot = m.whole[i];
        if (slot == '9' || slot == '0') {
            body += done < whole.size() ? whole[whole.size() - 1 - done] : '0';
            ++done;
        } else {
            body += slot;  // a separator with a digit still to come on its left
        }
    }
    std::reverse(body.begin(), body.end());
    // A zero with no decimals to show still shows one digit.
    if (zero && body.empty() && fraction.empty()) body = "0";
    if (m.has_point) {
        body += m.point;
        body += fraction;
    }
    // Oracle keeps the sign of a negative value that rounds to zero ("-0.00").
    text = decorate(m, e.negative, body);
    return true;
}

bool write_scientific(const NumberModel &m, const Exact &e, std::string &text) {
    if (e.digits.empty() && m.blank_zero) {
        text = blanks(m);
        return true;
    }
    std::string digits;
    long exponent = 0;
    round_significant(e, 1 + m.decimals, digits, exponent);
    std::string body(1, digits[0]);
    if (m.has_point) {
        body += m.point;
        body += digits.substr(1);
    }
    text = decorate(m, e.negative, body + exponent_text(exponent));
    return true;
}

bool write_text_minimum(const Exact &e, std::string &text) {
    std::string whole, fraction;
    round_fixed(e, kTextMinimumPlaces, whole, fraction);
    const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    text = (e.negative && !zero ? "-" : "") + (whole.empty() ? "0" : whole) + "." + fraction;
    return true;
}

bool write_text_minimum_e(const Exact &e, std::string &text) {
    if (e.digits.empty()) {
        text = "0E+00";
        return true;
    }
    text = e.negative ? "-" : "";
    text += e.digits[0];
    if (e.digits.size() > 1) text += "." + e.digits.substr(1);
    text += exponent_text(e.point - 1);
    return true;
}

bool write_roman(const NumberModel &m, const Exact &e, std::string &text) {
    std::string whole, fraction;
    round_fixed(e, 0, whole, fraction);
    if (e.negative || whole.empty() || whole.size() > 4) return false;
    int n = std::stoi(whole);
    if (n > 3999) return false;
    static const struct {
        int value;
        const char *upper, *lower;
    } numerals[] = {{1000, "M", "m"}, {900, "CM", "cm"}, {500, "D", "d"}, {400, "CD", "cd"}, {100, "C", "c"},
                    {90, "XC", "xc"},  {50, "L", "l"},    {40, "XL", "xl"}, {10, "X", "x"},   {9, "IX", "ix"},
                    {5, "V", "v"},     {4, "IV", "iv"},   {1, "I", "i"}};
    std::string r;
    for (const auto &numeral : numerals)
        for (; n >= numeral.value; n -= numeral.value) r += m.lower_case ? numeral.lower : numeral.upper;
    if (!m.fill_mode && r.size() < m.width) r.insert(0, m.width - r.size(), ' ');
    text = r;
    return true;
}

// Decimal digits to hex digits by repeated division by 16.
std::string to_hex(std::string decimal, bool lower) {
    const char *glyphs = lower ? "0123456789abcdef" : "0123456789ABCDEF";
    std::string hex;
    while (!decimal.empty()) {
        std::string quotient;
        int rest = 0;
        for (char c : decimal) {
            rest = rest * 10 + (c - '0');
            if (!quotient.empty() || rest >= 16) quotient += static_cast<char>('0' + rest / 16);
            rest %= 16;
        }
        hex += glyphs[rest];
        decimal = quotient;
    }
    std::reverse(hex.begin(), hex.end());
    return hex.empty() ? "0" : hex;
}

bool write_hex(const NumberModel &m, const Exact &e, std::string &text) {
    if (e.point > static_cast<long>(m.whole_digits) * 2) return false;  // 16^n < 10^(2n): cheap early out
    std::string whole, fraction;
    round_fixed(e, 0, whole, fraction);
    if (e.negative && !whole.empty()) return false;
    std::string hex = to_hex(whole, m.lower_case);
    if (hex.size() > m.whole_digits) return false;
    if (m.zero_fill) hex.insert(0, m.whole_digits - hex.size(), '0');
    if (!m.fill_mode && hex.size() < m.width) hex.insert(0, m.width - hex.size(), ' ');
    text = hex;
    return true;
}

}  // namespace

bool write_number_model(const NumberModel &model, std::string_view value, std::string &text) {
    Exact e;
    if (!parse_exact(value, e)) return false;
    switch (model.kind) {
    case ModelKind::fixed:
        return write_fixed(model, e, text);
    case ModelKind::scientific:
        return write_scientific(model, e, text);
    case ModelKind::roman:
        return write_roman(model, e, text);
    case ModelKind::hex:
        return write_hex(model, e, text);
    case ModelKind::text_minimum:
        return write_text_minimum(e, text);
    case ModelKind::text_minimum_e:
        return write_text_minimum_e(e, text);
    }
    return false;
}

}  // namespace vsk::number
