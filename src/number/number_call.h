// What every OCINumber entry point shares: the error-handle check, argument records, the
// engine numbers of one call, and the passage of values between OCINumber bytes and the
// engine (always through decimal text).
//
// The engine keeps its caches per thread, so these calls need no lock even when several
// threads with separate handle trees compute at once.
#pragma once

#include <oci.h>

#include <string>

#include "number/engine/apm.h"

namespace vsk::number {

// Digits every engine operation is asked for: 40 significant ones.
constexpr int kPlaces = 39;
// Decimal places of the fixed-point text a result is written back through.
constexpr int kResultPlaces = 40;

// OCI_SUCCESS when err is an error handle (its records then cleared), else OCI_INVALID_HANDLE.
sword begin_call(OCIError *err) noexcept;
// Records 21560 for the argument at that 1-based position; OCI_ERROR.
sword argument_error(OCIError *err, int position) noexcept;
// OCI_ERROR, with 16506 recorded when the engine ran out of memory during this call.
sword engine_failure(OCIError *err) noexcept;
// OCI_ERROR with 16506 recorded.
sword memory_failure(OCIError *err) noexcept;

// A number argument is present and has a length.
inline bool present(const OCINumber *n) noexcept { return n && n->OCINumberPart[0] != 0; }

// The engine numbers of one call, released when it returns. Making them resets the thread's
// engine status, so a failure seen later belongs to this call.
template <int N>
class EngineNumbers {
public:
    EngineNumbers() noexcept {
        apm::m_apm_reset_status();
        for (auto &n : n_) n = apm::m_apm_init();
    }
    ~EngineNumbers() {
        for (auto n : n_) apm::m_apm_free(n);
    }
    EngineNumbers(const EngineNumbers &) = delete;
    EngineNumbers &operator=(const EngineNumbers &) = delete;

    bool ok() const noexcept {
        for (auto n : n_)
            if (!n) return false;
        return true;
    }
    apm::M_APM operator[](int i) const noexcept { return n_[i]; }

private:
    apm::M_APM n_[N];
};

// Reads an OCINumber into an engine number; false when its bytes are not a valid VARNUM
// or the engine failed (see engine_failure).
bool load(apm::M_APM out, const OCINumber *n) noexcept;

// The text a result is converted back through: fixed point with kResultPlaces decimals, more
// for a value below 0.1 so that it keeps 40 significant digits instead of fading to zero.
// False when the engine failed or the value is beyond any OCINumber.
bool result_text(apm::M_APM v, std::string &text) noexcept;

// Converts decimal text into *out (left as it was on failure). OCI_SUCCESS or OCI_ERROR.
sword store_text(const std::string &text, OCINumber *out) noexcept;

// Writes an engine result into *out: OCI_SUCCESS; OCI_ERROR when the engine failed (16506
// recorded for exhausted memory) or the value does not fit an OCINumber.
sword store(OCIError *err, apm::M_APM v, OCINumber *out) noexcept;

// The shape of most calls: check err, number arguments at positions 2.. and the result at
// the last position, load the operands into the first engine numbers, run op and store the
// last engine number. op returns nonzero when the engine failed.
template <int N, class Op>
sword unary_call(OCIError *err, const OCINumber *a, OCINumber *result, Op &&op) noexcept;
template <class Op>
sword binary_call(OCIError *err, const OCINumber *a, const OCINumber *b, OCINumber *result, Op &&op) noexcept;

template <int N, class Op>
sword unary_call(OCIError *err, const OCINumber *a, OCINumber *result, Op &&op) noexcept {
    static_assert(N >= 2);
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(a)) return argument_error(err, 2);
    if (!result) return argument_error(err, 3);
    EngineNumbers<N> e;
    if (!e.ok() || !load(e[0], a)) return engine_failure(err);
    if (op(e) != 0) return engine_failure(err);
    return store(err, e[N - 1], result);
}

template <class Op>
sword binary_call(OCIError *err, const OCINumber *a, const OCINumber *b, OCINumber *result, Op &&op) noexcept {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(a)) return argument_error(err, 2);
    if (!present(b)) return argument_error(err, 3);
    if (!result) return argument_error(err, 4);
    EngineNumbers<3> e;
    if (!e.ok() || !load(e[0], a) || !load(e[1], b)) return engine_failure(err);
    if (op(e[2], e[0], e[1]) != 0) return engine_failure(err);
    return store(err, e[2], result);
}

}  // namespace vsk::number
