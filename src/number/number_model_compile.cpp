// Compiling number format model text, and the NLS parameters its D, G, L, C and U take.
#include <algorithm>
#include <cctype>

#include "number/number_model.h"

namespace vsk::number {

namespace {

char upper(char c) noexcept { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Case-blind match of keyword at text[at].
bool keyword_at(std::string_view text, std::size_t at, std::string_view keyword) noexcept {
    if (text.size() - at < keyword.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i)
        if (upper(text[at + i]) != keyword[i]) return false;
    return true;
}

bool same_keyword(std::string_view text, std::string_view keyword) noexcept {
    return text.size() == keyword.size() && keyword_at(text, 0, keyword);
}

// Oracle reserves the longest NLS_CURRENCY / NLS_DUAL_CURRENCY for L and U.
constexpr std::size_t kLocalCurrencyWidth = 10;
constexpr std::size_t kRomanWidth = 15;
// "E+123": the exponent field reserves room for three digits.
constexpr std::size_t kExponentWidth = 5;

// "0XX": zeros, then hex positions only.
bool compile_hex(std::string_view text, NumberModel &m) {
    const std::size_t zeros = text.find_first_not_of('0');
    if (zeros == std::string_view::npos) return false;
    if (text.find_first_not_of("Xx", zeros) != std::string_view::npos) return false;
    m.kind = ModelKind::hex;
    m.lower_case = text[zeros] == 'x';
    m.whole_digits = text.size();
    m.zero_fill = zeros ? text.size() : 0;
    m.width = text.size() + (zeros || m.fill_mode ? 0 : 1);
    return true;
}

class Compiler {
public:
    Compiler(std::string_view text, const NumberSymbols &symbols, NumberModel &m) : text_(text), sym_(symbols), m_(m) {}

    bool run() {
        while (at_ < text_.size()) {
            if (closed_) return false;  // only the model's end may follow a trailing sign
            if (!element()) return false;
            first_ = false;
        }
        if (m_.whole_digits + m_.decimals == 0) return false;
        // A separator stands between two digits.
        if (!m_.whole.empty() && m_.whole.back() != '9' && m_.whole.back() != '0') return false;
        // A separator that reads as the point would make the model ambiguous.
        if (m_.has_point && m_.whole.find(m_.point) != std::string::npos) return false;
        const std::size_t first_zero = m_.whole.find('0');
        if (first_zero != std::string::npos)
            m_.zero_fill = static_cast<std::size_t>(
                std::count_if(m_.whole.begin() + static_cast<long>(first_zero), m_.whole.end(),
                              [](char c) { return c == '0' || c == '9'; }));
        const std::size_t sign = m_.sign == SignElement::pr ? 2 : 1;
        m_.width = sign + m_.currency_width + (m_.has_point ? 1 : 0) + m_.decimals;
        if (m_.kind == ModelKind::scientific)
            m_.width += std::max<std::size_t>(m_.whole_digits, 1) + kExponentWidth;
        else
            m_.width += m_.whole.size();
        return true;
    }

private:
    bool element() {
        const char c = text_[at_];
        if (c == '9' || c == '0') return digit(c);
        if (c == ',' || upper(c) == 'G') return group(c == ',' ? ',' : sym_.group);
        if (c == '.' || upper(c) == 'D') return point(c == '.' ? '.' : sym_.decimal);
        if (keyword_at(text_, at_, "EEEE")) return exponent();
        if (keyword_at(text_, at_, "MI")) return sign(SignElement::mi, 2, true);
        if (keyword_at(text_, at_, "PR")) return sign(SignElement::pr, 2, true);
        if (upper(c) == 'S') return sign(first_ ? SignElement::leading_s : SignElement::trailing_s, 1, !first_);
        if (c == '$') return currency("$", 1);
        if (upper(c) == 'L') return currency(sym_.local, std::max(kLocalCurrencyWidth, sym_.local.size()));
        if (upper(c) == 'U') return currency(sym_.dual, std::max(kLocalCurrencyWidth, sym_.dual.size()));
        if (upper(c) == 'C') return currency(sym_.iso, sym_.iso.size());
        if (upper(c) == 'B') return once(m_.blank_zero);
        if (upper(c) == 'V') {
            if (m_.has_point || m_.kind != ModelKind::fixed || !once(after_v_)) return false;
            return true;
        }
        return false;
    }

    bool once(bool &flag) {
        if (flag) return false;
        flag = true;
        ++at_;
        return true;
    }

    bool digit(char c) {
        if (m_.kind != ModelKind::fixed || digits_closed_) return false;
        ++at_;
        if (m_.has_point) {
            ++m_.decimals;
            if (c == '0') m_.decimals_kept = m_.decimals;
            return true;
        }
        m_.whole += c;
        ++m_.whole_digits;
        if (after_v_) ++m_.shift;
        return true;
    }

    bool group(char g) {
        // A separator follows a digit and stays in the integer part.
        const bool after_digit = !m_.whole.empty() && (m_.whole.back() == '9' || m_.whole.back() == '0');
        if (!after_digit || m_.has_point || after_v_ || m_.kind != ModelKind::fixed || digits_closed_) return false;
        ++at_;
        m_.whole += g;
        return true;
    }

    bool point(char p) {
        if (m_.has_point || after_v_ || m_.kind != ModelKind::fixed || digits_closed_) return false;
        ++at_;
        m_.has_point = true;
        m_.point = p;
        return true;
    }

    bool exponent() {
        if (m_.kind != ModelKind::fixed || after_v_ || digits_closed_ || m_.whole_digits + m_.decimals == 0 ||
            m_.whole.size() != m_.whole_digits)
            return false;
        at_ += 4;
        m_.kind = ModelKind::scientific;
        return true;
    }

    bool sign(SignElement s, std::size_t length, bool trailing) {
        if (m_.sign != SignElement::none) return false;
        at_ += length;
        m_.sign = s;
        closed_ = trailing;
        return true;
    }

    // A currency element leads the number or follows all of its digits.
    bool currency(const std::string &symbol, std::size_t width) {
        if (!m_.currency.empty() || symbol.empty()) return false;
        ++at_;
        m_.currency = symbol;
        m_.currency_width = width;
        if (width > 1 && m_.whole_digits + m_.decimals > 0) {
            m_.currency_trailing = true;
            digits_closed_ = true;
        }
        return true;
    }

    std::string_view text_;
    const NumberSymbols &sym_;
    NumberModel &m_;
    std::size_t at_ = 0;
    bool first_ = true;
    bool after_v_ = false;
    bool digits_closed_ = false;
    bool closed_ = false;
};

}  // namespace

bool compile_number_model(std::string_view text, const NumberSymbols &symbols, NumberModel &model) {
    model = NumberModel{};
    if (keyword_at(text, 0, "FM")) {
        model.fill_mode = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    if (same_keyword(text, "TM") || same_keyword(text, "TM9")) {
        model.kind = ModelKind::text_minimum;
        return true;
    }
    if (same_keyword(text, "TME")) {
        model.kind = ModelKind::text_minimum_e;
        return true;
    }
    if (same_keyword(text, "RN")) {
        model.kind = ModelKind::roman;
        model.lower_case = text[0] == 'r';
        model.width = kRomanWidth;
        return true;
    }
    if (text.find_first_of("Xx") != std::string_view::npos) return compile_hex(text, model);
    return Compiler(text, symbols, model).run();
}

namespace {

// The quoted value after "NAME =" in params, if NAME is there.
bool quoted_value(std::string_view params, std::string_view name, std::string &value, bool &found) {
    found = false;
    for (std::size_t at = 0; at < params.size(); ++at) {
        if (!keyword_at(params, at, name)) continue;
        std::size_t i = at + name.size();
        // A longer name that starts with this one ("NLS_CURRENCY" in "NLS_CURRENCYX") is another.
        if (i < params.size() && (std::isalnum(static_cast<unsigned char>(params[i])) || params[i] == '_')) continue;
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(params[at - 1])) || params[at - 1] == '_')) continue;
        while (i < params.size() && params[i] == ' ') ++i;
        if (i == params.size() || params[i] != '=') return false;
        ++i;
        while (i < params.size() && params[i] == ' ') ++i;
        if (i == params.size() || params[i] != '\'') return false;
        const std::size_t end = params.find('\'', i + 1);
        if (end == std::string_view::npos) return false;
        value.assign(params.substr(i + 1, end - i - 1));
        found = true;
        return true;
    }
    return true;
}

bool plain_symbol(char c) noexcept {
    return !std::isdigit(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '<' && c != '>' && c != ' ' &&
           c != '\0';
}

}  // namespace

bool read_nls_symbols(std::string_view params, NumberSymbols &symbols) {
    std::string value;
    bool found = false;
    if (!quoted_value(params, "NLS_NUMERIC_CHARACTERS", value, found)) return false;
    if (found) {
        if (value.size() != 2 || value[0] == value[1] || !plain_symbol(value[0]) || !plain_symbol(value[1]))
            return false;
        symbols.decimal = value[0];
        symbols.group = value[1];
    }
    const struct {
        std::string_view name;
        std::string *symbol;
    } currencies[] = {{"NLS_CURRENCY", &symbols.local}, {"NLS_DUAL_CURRENCY", &symbols.dual}};
    for (const auto &c : currencies) {
        if (!quoted_value(params, c.name, value, found)) return false;
        if (!found) continue;
        const bool plain = std::all_of(value.begin(), value.end(), plain_symbol);
        if (value.empty() || value.size() > kLocalCurrencyWidth || !plain) return false;
        *c.symbol = value;
    }
    return true;
}

}  // namespace vsk::number
