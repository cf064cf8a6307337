// The operands of the number benchmarks: one set of values held as decimal text, as
// OCINumbers, as _Decimal128 and as MPFR numbers, all made before any timing so that each
// side is timed on the same values and on its own representation only.
#pragma once

#include <mpfr.h>
#include <oci.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vsk::bench {

// C's _Decimal128: g++ 12 has no name for it in C++, but the machine mode gives the same
// type (libstdc++'s std::decimal::decimal128 wraps it). Its arithmetic is libgcc's BID
// software routines (__bid_addtd3 and kin).
typedef float Decimal128 __attribute__((mode(TD)));

// 133 bits: the 40 significant decimal digits the library's engine computes with.
constexpr mpfr_prec_t kMpfrBits = 133;

// Values 0.d1d2...dn x 10^e with n random digits (n in 10..30, first and last nonzero, so
// each value has exactly n significant digits) and e drawn from the range.
struct OperandShape {
    int min_exponent;
    int max_exponent;
    bool negatives;  // half of them, else all positive
};

class Operands {
public:
    // Exits when the library refuses one of the texts.
    Operands(OCIError *err, std::size_t count, OperandShape shape, unsigned seed);
    ~Operands();
    Operands(const Operands &) = delete;
    Operands &operator=(const Operands &) = delete;

    std::size_t size() const { return text.size(); }
    mpfr_srcptr mpfr(std::size_t i) const { return &mpfr_[i]; }

    // Fixed-point text ("-123.456", "0.00042"), never an exponent.
    std::vector<std::string> text;
    // A number format matching each text's digits ("999D999", "9D99999").
    std::vector<std::string> format;
    std::vector<OCINumber> number;
    std::vector<Decimal128> decimal;

private:
    std::vector<__mpfr_struct> mpfr_;
};

}  // namespace vsk::bench
