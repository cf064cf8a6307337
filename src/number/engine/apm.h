// The arbitrary-precision decimal engine under the OCINumber operations. Internal to the
// library (nothing here is exported from the shared object).
//
// An engine number holds base-100 digits; "places" arguments count the digits after the
// first significant one, so a result has places + 1 significant digits, rounded half away
// from zero. Add, subtract and multiply are exact.
//
// Failures never end the process and nothing throws out of the engine: an operation that
// runs out of memory (or whose result would not fit an engine number) returns -1, sets its
// result to 0 and records the failure in the calling thread's status. Warnings ("MAPM
// Warning: %s\n") go to one replaceable sink. Caches (pi, logarithm constants) are per
// thread, so threads may use the engine at the same time without a lock.
#pragma once

#include <cstdint>
#include <string>

namespace vsk::apm {

constexpr std::uint32_t kNumberId = 0x6bcc9ae5;
constexpr int kInitialCapacity = 80;

struct Number {
    std::uint32_t id;     // kNumberId while the number is alive; anything else is refused
    int refcount;         // 1 for a number made by m_apm_init
    int capacity;         // bytes allocated for data
    int digits;           // significant decimal digits
    int exponent;         // the value is 0.d1d2d3... x 10^exponent, d1 not 0
    int sign;             // -1, 0, 1; zero has sign 0, one digit 0 and exponent 0
    unsigned char *data;  // base-100 digits, two decimal digits per byte, most significant first
};
using M_APM = Number *;

enum class Status { ok, no_memory, out_of_range };

// The calling thread's first failure since the last reset.
Status m_apm_status() noexcept;
void m_apm_reset_status() noexcept;

// Receives each complete warning line. Null restores the default (standard error). Returns
// the previous sink.
using WarningSink = void (*)(const char *line) noexcept;
WarningSink m_apm_set_warning_sink(WarningSink sink) noexcept;

// Null (with status no_memory) when memory runs out.
M_APM m_apm_init() noexcept;
void m_apm_free(M_APM n) noexcept;
// Releases the calling thread's caches.
void m_apm_free_all_mem() noexcept;

// Each returns 0, or -1 when an argument is not a live engine number or the operation
// failed (see above). Results may be the same numbers as operands.
int m_apm_set_string(M_APM r, const char *text) noexcept;
int m_apm_set_double(M_APM r, double v) noexcept;
int m_apm_set_float(M_APM r, float v) noexcept;
int m_apm_set_long(M_APM r, long v) noexcept;
int m_apm_set_unsigned_long(M_APM r, unsigned long v) noexcept;
int m_apm_copy(M_APM r, const Number *a) noexcept;

// Fixed point with exactly `places` decimals (all the value's own decimals when places is
// negative); the truncated integer part; d.ddd...E+n with `places` digits after the first
// (all significant digits when negative).
int m_apm_to_fixpt_string(std::string &out, int places, const Number *a) noexcept;
int m_apm_to_integer_string(std::string &out, const Number *a) noexcept;
int m_apm_to_string(std::string &out, int places, const Number *a) noexcept;

int m_apm_add(M_APM r, const Number *a, const Number *b) noexcept;
int m_apm_subtract(M_APM r, const Number *a, const Number *b) noexcept;
int m_apm_multiply(M_APM r, const Number *a, const Number *b) noexcept;
int m_apm_divide(M_APM r, int places, const Number *a, const Number *b) noexcept;
// Quotient truncated toward zero and the remainder, which takes the dividend's sign.
int m_apm_integer_div_rem(M_APM q, M_APM r, const Number *a, const Number *b) noexcept;
int m_apm_round(M_APM r, int places, const Number *a) noexcept;
int m_apm_ceil(M_APM r, const Number *a) noexcept;
int m_apm_floor(M_APM r, const Number *a) noexcept;
int m_apm_negate(M_APM r, const Number *a) noexcept;
int m_apm_absolute_value(M_APM r, const Number *a) noexcept;

// -1, 0 or 1 (0 also when an argument is not a live number).
int m_apm_compare(const Number *a, const Number *b) noexcept;
int m_apm_sign(const Number *a) noexcept;
int m_apm_is_integer(const Number *a) noexcept;
int m_apm_exponent(const Number *a) noexcept;
int m_apm_significant_digits(const Number *a) noexcept;

int m_apm_sqrt(M_APM r, int places, const Number *a) noexcept;
int m_apm_exp(M_APM r, int places, const Number *a) noexcept;
int m_apm_log(M_APM r, int places, const Number *a) noexcept;
int m_apm_log10(M_APM r, int places, const Number *a) noexcept;
int m_apm_pow(M_APM r, int places, const Number *x, const Number *y) noexcept;
int m_apm_sin(M_APM r, int places, const Number *a) noexcept;
int m_apm_cos(M_APM r, int places, const Number *a) noexcept;
int m_apm_tan(M_APM r, int places, const Number *a) noexcept;
int m_apm_arcsin(M_APM r, int places, const Number *a) noexcept;
int m_apm_arccos(M_APM r, int places, const Number *a) noexcept;
int m_apm_arctan(M_APM r, int places, const Number *a) noexcept;
int m_apm_arctan2(M_APM r, int places, const Number *y, const Number *x) noexcept;
int m_apm_sinh(M_APM r, int places, const Number *a) noexcept;
int m_apm_cosh(M_APM r, int places, const Number *a) noexcept;
int m_apm_tanh(M_APM r, int places, const Number *a) noexcept;
// Pi to places.
int m_apm_pi(M_APM r, int places) noexcept;

}  // namespace vsk::apm
