// What the engine's entry-point files share: moving values between engine numbers and
// working values, warnings, the failure status and the guard every entry point runs in.
#pragma once

#include <initializer_list>

#include "number/engine/apm.h"
#include "number/engine/decimal.h"

namespace vsk::apm::detail {

bool live(const Number *n) noexcept;
Dec load(const Number *n);
// Throws RangeError when the decimal exponent does not fit, std::bad_alloc when the digit
// buffer cannot grow.
void store(Number *n, const Dec &v);
void set_zero(Number *n) noexcept;

void warn(const char *message) noexcept;
void fail(Status s) noexcept;

// Significant digits for a "places" argument.
inline std::int64_t sig_of(int places) noexcept { return static_cast<std::int64_t>(places < 0 ? 0 : places) + 1; }

// Runs work once every operand and result is a live number. A failure inside sets the thread's
// status, zeroes the results and gives -1.
template <class Work>
int guarded(std::initializer_list<const Number *> operands, std::initializer_list<Number *> results,
            Work &&work) noexcept {
    for (const Number *n : operands)
        if (!live(n)) return -1;
    for (const Number *n : results)
        if (!live(n)) return -1;
    try {
        work();
        return 0;
    } catch (const RangeError &) {
        fail(Status::out_of_range);
    } catch (...) {
        fail(Status::no_memory);
    }
    for (Number *n : results) set_zero(n);
    return -1;
}

}  // namespace vsk::apm::detail
