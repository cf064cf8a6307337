#include "number_operands.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace vsk::bench {

namespace {

std::string random_text(std::mt19937 &gen, const OperandShape &shape) {
    std::uniform_int_distribution<int> count(10, 30), digit(0, 9), nonzero(1, 9), sign(0, 1),
        exponent(shape.min_exponent, shape.max_exponent);
    const int n = count(gen);
    std::string digits(1, static_cast<char>('0' + nonzero(gen)));
    while (static_cast<int>(digits.size()) < n - 1) digits += static_cast<char>('0' + digit(gen));
    digits += static_cast<char>('0' + nonzero(gen));
    const int e = exponent(gen);
    std::string t = shape.negatives && sign(gen) ? "-" : "";
    if (e <= 0) t += "0." + std::string(static_cast<std::size_t>(-e), '0') + digits;
    else if (e < n) t += digits.substr(0, static_cast<std::size_t>(e)) + "." + digits.substr(static_cast<std::size_t>(e));
    else t += digits + std::string(static_cast<std::size_t>(e - n), '0');
    return t;
}

std::string format_of(const std::string &text) {
    std::string f;
    for (char c : text)
        if (c == '.') f += 'D';
        else if (c != '-') f += '9';
    return f;
}

// Exact: the digits (at most 30) are accumulated as an integer, then divided by a power
// of ten, which a decimal type holds exactly.
Decimal128 decimal_of(const std::string &text) {
    Decimal128 v = 0, scale = 1;
    bool fraction = false;
    for (char c : text) {
        if (c == '.') fraction = true;
        if (c < '0' || c > '9') continue;
        v = v * 10 + (c - '0');
        if (fraction) scale *= 10;
    }
    v /= scale;
    return text[0] == '-' ? -v : v;
}

const oratext *ot(const std::string &s) { return reinterpret_cast<const oratext *>(s.c_str()); }

}  // namespace

Operands::Operands(OCIError *err, std::size_t count, OperandShape shape, unsigned seed)
    : number(count), decimal(count), mpfr_(count) {
    std::mt19937 gen(seed);
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(random_text(gen, shape));
        format.push_back(format_of(text[i]));
        const sword rc = OCINumberFromText(err, ot(text[i]), static_cast<ub4>(text[i].size()), ot(format[i]),
                                           static_cast<ub4>(format[i].size()), nullptr, 0, &number[i]);
        if (rc != OCI_SUCCESS) {
            std::fprintf(stderr, "bench: OCINumberFromText refused %s\n", text[i].c_str());
            std::exit(2);
        }
        decimal[i] = decimal_of(text[i]);
        mpfr_init2(&mpfr_[i], kMpfrBits);
        mpfr_set_str(&mpfr_[i], text[i].c_str(), 10, MPFR_RNDN);
    }
}

Operands::~Operands() {
    for (auto &m : mpfr_) mpfr_clear(&m);
}

}  // namespace vsk::bench
