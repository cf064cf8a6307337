// OCINumber arithmetic, assignment, constants, signs and comparison. Add, subtract, multiply,
// divide, negate, absolute value and comparison take the byte-level route (varnum_arith.h);
// their engine route stays beside them as the reference.
#include <oci.h>

#include <cstring>
#include <string>

#include "env/export.h"
#include "number/number_call.h"
#include "number/number_reference.h"
#include "number/varnum_arith.h"

using namespace vsk;
using namespace vsk::number;
using apm::M_APM;

namespace {

constexpr unsigned char kZero[2] = {0x01, 0x80};
// Pi cut (not rounded) to 39 significant digits, as the layout's 20 bytes hold it.
constexpr unsigned char kPi[OCI_NUMBER_SIZE] = {0x15, 0xC1, 0x04, 0x0F, 0x10, 0x5D, 0x42, 0x24, 0x5A, 0x50, 0x21,
                                               0x27, 0x2F, 0x1B, 0x2C, 0x27, 0x21, 0x50, 0x33, 0x1D, 0x55, 0x14};

constexpr unsigned char kPositiveBit = 0x80;

bool is_zero(const OCINumber *n) noexcept { return n->OCINumberPart[0] == 1 && n->OCINumberPart[1] == 0x80; }

void set_constant(OCIError *err, OCINumber *num, const unsigned char *value, std::size_t size) noexcept {
    if (begin_call(err) != OCI_SUCCESS) return;
    if (!num) {
        argument_error(err, 2);
        return;
    }
    std::memcpy(num->OCINumberPart, value, size);
}

// In-place increment or decrement.
sword step(OCIError *err, OCINumber *number, bool up) noexcept {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    EngineNumbers<3> e;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_set_long(e[1], 1) != 0) return engine_failure(err);
    int rc = up ? apm::m_apm_add(e[2], e[0], e[1]) : apm::m_apm_subtract(e[2], e[0], e[1]);
    if (rc != 0) return engine_failure(err);
    return store(err, e[2], number);
}

using FastBinary = FastResult (*)(const unsigned char *, const unsigned char *, unsigned char *) noexcept;
using ReferenceBinary = sword (*)(OCIError *, const OCINumber *, const OCINumber *, OCINumber *) noexcept;
using FastUnary = FastResult (*)(const unsigned char *, unsigned char *) noexcept;
using ReferenceUnary = sword (*)(OCIError *, const OCINumber *, OCINumber *) noexcept;

// The argument checks of binary_call, then the byte-level route; the engine route only
// where that defers (it repeats the checks, which pass again and record nothing).
sword fast_binary(OCIError *err, const OCINumber *a, const OCINumber *b, OCINumber *result, FastBinary fast,
                  ReferenceBinary reference) noexcept {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(a)) return argument_error(err, 2);
    if (!present(b)) return argument_error(err, 3);
    if (!result) return argument_error(err, 4);
    switch (fast(a->OCINumberPart, b->OCINumberPart, result->OCINumberPart)) {
    case FastResult::ok: return OCI_SUCCESS;
    case FastResult::failed: return OCI_ERROR;
    case FastResult::defer: break;
    }
    return reference(err, a, b, result);
}

sword fast_unary(OCIError *err, const OCINumber *a, OCINumber *result, FastUnary fast,
                 ReferenceUnary reference) noexcept {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(a)) return argument_error(err, 2);
    if (!result) return argument_error(err, 3);
    switch (fast(a->OCINumberPart, result->OCINumberPart)) {
    case FastResult::ok: return OCI_SUCCESS;
    case FastResult::failed: return OCI_ERROR;
    case FastResult::defer: break;
    }
    return reference(err, a, result);
}

// A positive number (zero included) is copied as it stands, terminator and all.
bool copied_by_abs(const OCINumber *number, const OCINumber *result) noexcept {
    return present(number) && result && (number->OCINumberPart[1] & kPositiveBit);
}

}  // namespace

namespace vsk::number {

sword add_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept {
    return binary_call(err, number1, number2, result, apm::m_apm_add);
}

sword sub_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept {
    return binary_call(err, number1, number2, result, apm::m_apm_subtract);
}

sword mul_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept {
    return binary_call(err, number1, number2, result, apm::m_apm_multiply);
}

sword div_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept {
    return binary_call(err, number1, number2, result,
                       [](M_APM r, M_APM a, M_APM b) { return apm::m_apm_divide(r, kPlaces, a, b); });
}

sword cmp_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, sword *result) noexcept {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number1)) return argument_error(err, 2);
    if (!present(number2)) return argument_error(err, 3);
    if (!result) return argument_error(err, 4);
    EngineNumbers<2> e;
    if (!e.ok() || !load(e[0], number1) || !load(e[1], number2)) return engine_failure(err);
    *result = apm::m_apm_compare(e[0], e[1]);
    return OCI_SUCCESS;
}

sword neg_reference(OCIError *err, const OCINumber *number, OCINumber *result) noexcept {
    return unary_call<2>(err, number, result, [](auto &e) { return apm::m_apm_negate(e[1], e[0]); });
}

sword abs_reference(OCIError *err, const OCINumber *number, OCINumber *result) noexcept {
    if (copied_by_abs(number, result)) return OCINumberAssign(err, number, result);
    return unary_call<2>(err, number, result, [](auto &e) { return apm::m_apm_absolute_value(e[1], e[0]); });
}

}  // namespace vsk::number

extern "C" {

VSK_EXPORT void OCINumberSetZero(OCIError *err, OCINumber *num) { set_constant(err, num, kZero, sizeof kZero); }

VSK_EXPORT void OCINumberSetPi(OCIError *err, OCINumber *num) { set_constant(err, num, kPi, sizeof kPi); }

VSK_EXPORT sword OCINumberAssign(OCIError *err, const OCINumber *from, OCINumber *to) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(from)) return argument_error(err, 2);
    if (!to) return argument_error(err, 3);
    // A length past the layout would copy bytes from beyond the 22-byte value.
    const unsigned length = from->OCINumberPart[0];
    if (length >= OCI_NUMBER_SIZE) return OCI_ERROR;
    std::memmove(to->OCINumberPart, from->OCINumberPart, length + 1);
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCINumberIsZero(OCIError *err, const OCINumber *number, boolean *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 3);
    *result = is_zero(number) ? 1 : 0;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCINumberSign(OCIError *err, const OCINumber *number, sword *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 3);
    if (is_zero(number)) *result = 0;
    else *result = (number->OCINumberPart[1] & kPositiveBit) ? 1 : -1;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCINumberAdd(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                              OCINumber *result) {
    return fast_binary(err, number1, number2, result, varnum_add, add_reference);
}

VSK_EXPORT sword OCINumberSub(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                              OCINumber *result) {
    return fast_binary(err, number1, number2, result, varnum_subtract, sub_reference);
}

VSK_EXPORT sword OCINumberMul(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                              OCINumber *result) {
    return fast_binary(err, number1, number2, result, varnum_multiply, mul_reference);
}

VSK_EXPORT sword OCINumberDiv(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                              OCINumber *result) {
    return fast_binary(err, number1, number2, result, varnum_divide, div_reference);
}

VSK_EXPORT sword OCINumberMod(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                              OCINumber *result) {
    return binary_call(err, number1, number2, result, [](M_APM r, M_APM a, M_APM b) {
        M_APM quotient = apm::m_apm_init();
        int rc = quotient ? apm::m_apm_integer_div_rem(quotient, r, a, b) : -1;
        apm::m_apm_free(quotient);
        return rc;
    });
}

VSK_EXPORT sword OCINumberNeg(OCIError *err, const OCINumber *number, OCINumber *result) {
    return fast_unary(err, number, result, varnum_negate, neg_reference);
}

VSK_EXPORT sword OCINumberAbs(OCIError *err, const OCINumber *number, OCINumber *result) {
    if (copied_by_abs(number, result)) return OCINumberAssign(err, number, result);
    return fast_unary(err, number, result, varnum_absolute, abs_reference);
}

VSK_EXPORT sword OCINumberInc(OCIError *err, OCINumber *number) { return step(err, number, true); }

VSK_EXPORT sword OCINumberDec(OCIError *err, OCINumber *number) { return step(err, number, false); }

VSK_EXPORT sword OCINumberShift(OCIError *err, const OCINumber *number, const sword nDig, OCINumber *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 4);
    // 10^nDig made exactly: a power formed in double precision stops being exact (or
    // finite) long before the digit counts an int allows.
    EngineNumbers<3> e;
    const std::string power = "1E" + std::to_string(nDig);
    if (!e.ok() || !load(e[0], number) || apm::m_apm_set_string(e[1], power.c_str()) != 0 ||
        apm::m_apm_multiply(e[2], e[0], e[1]) != 0)
        return engine_failure(err);
    return store(err, e[2], result);
}

VSK_EXPORT sword OCINumberCmp(OCIError *err, const OCINumber *number1, const OCINumber *number2, sword *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number1)) return argument_error(err, 2);
    if (!present(number2)) return argument_error(err, 3);
    if (!result) return argument_error(err, 4);
    int order = 0;
    if (varnum_compare(number1->OCINumberPart, number2->OCINumberPart, &order) != FastResult::ok) return OCI_ERROR;
    *result = order;
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCINumberIsInt(OCIError *err, const OCINumber *number, boolean *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 3);
    EngineNumbers<1> e;
    if (!e.ok() || !load(e[0], number)) return engine_failure(err);
    *result = apm::m_apm_is_integer(e[0]) ? 1 : 0;
    return OCI_SUCCESS;
}

}  // extern "C"
