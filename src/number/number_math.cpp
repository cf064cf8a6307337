// OCINumber powers, roots, logarithms, exponential and the trigonometric and hyperbolic
// functions, each to 40 significant digits. Arguments outside a function's domain give
// the engine's warning and the result 0.
#include <oci.h>

#include "env/export.h"
#include "number/number_call.h"

using namespace vsk;
using namespace vsk::number;
using apm::M_APM;

namespace {

using EngineFunction = int (*)(M_APM, int, const apm::Number *);

sword function_call(OCIError *err, const OCINumber *number, OCINumber *result, EngineFunction f) noexcept {
    return unary_call<2>(err, number, result, [f](auto &e) { return f(e[1], kPlaces, e[0]); });
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCINumberPower(OCIError *err, const OCINumber *base, const OCINumber *number, OCINumber *result) {
    return binary_call(err, base, number, result,
                       [](M_APM r, M_APM x, M_APM y) { return apm::m_apm_pow(r, kPlaces, x, y); });
}

VSK_EXPORT sword OCINumberIntPower(OCIError *err, const OCINumber *base, const sword exp, OCINumber *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(base)) return argument_error(err, 2);
    if (!result) return argument_error(err, 4);
    EngineNumbers<3> e;
    if (!e.ok() || !load(e[0], base) || apm::m_apm_set_long(e[1], exp) != 0 ||
        apm::m_apm_pow(e[2], kPlaces, e[0], e[1]) != 0)
        return engine_failure(err);
    return store(err, e[2], result);
}

VSK_EXPORT sword OCINumberSqrt(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_sqrt);
}

VSK_EXPORT sword OCINumberSin(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_sin);
}

VSK_EXPORT sword OCINumberCos(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_cos);
}

VSK_EXPORT sword OCINumberTan(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_tan);
}

VSK_EXPORT sword OCINumberArcSin(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_arcsin);
}

VSK_EXPORT sword OCINumberArcCos(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_arccos);
}

VSK_EXPORT sword OCINumberArcTan(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_arctan);
}

VSK_EXPORT sword OCINumberArcTan2(OCIError *err, const OCINumber *number1, const OCINumber *number2,
                                  OCINumber *result) {
    return binary_call(err, number1, number2, result,
                       [](M_APM r, M_APM y, M_APM x) { return apm::m_apm_arctan2(r, kPlaces, y, x); });
}

VSK_EXPORT sword OCINumberHypSin(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_sinh);
}

VSK_EXPORT sword OCINumberHypCos(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_cosh);
}

VSK_EXPORT sword OCINumberHypTan(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_tanh);
}

VSK_EXPORT sword OCINumberExp(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_exp);
}

VSK_EXPORT sword OCINumberLn(OCIError *err, const OCINumber *number, OCINumber *result) {
    return function_call(err, number, result, apm::m_apm_log);
}

VSK_EXPORT sword OCINumberLog(OCIError *err, const OCINumber *base, const OCINumber *number, OCINumber *result) {
    return binary_call(err, base, number, result, [](M_APM r, M_APM b, M_APM x) {
        // ln x / ln base, each logarithm to 40 digits; the base's logarithm goes into r first.
        M_APM ln_x = apm::m_apm_init();
        int rc = -1;
        if (ln_x && apm::m_apm_log(ln_x, kPlaces, x) == 0 && apm::m_apm_log(r, kPlaces, b) == 0)
            rc = apm::m_apm_divide(r, kPlaces, ln_x, r);
        apm::m_apm_free(ln_x);
        return rc;
    });
}

}  // extern "C"
