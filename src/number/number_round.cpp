// OCINumber ceiling, floor, truncation, rounding and precision.
#include <oci.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "env/error.h"
#include "env/export.h"
#include "number/number_call.h"

using namespace vsk;
using namespace vsk::number;

namespace {

constexpr ub4 kErrUnsupported = 3001;
constexpr ub4 kErrOverflow = 1426;
// Beyond this many decimal places every OCINumber is already exact.
constexpr sword kLastRoundedPlace = 38;

// Truncation as text: keep `places` decimals; a negative count also zeroes that many
// integer digits (a leading minus sign among them), so a number below 10^-places in
// magnitude becomes zero.
void cut_decimals(std::string &text, std::int64_t places) {
    const std::size_t point = text.find('.');
    if (places >= 0) {
        if (point == std::string::npos) return;
        const auto kept = std::min<std::size_t>(static_cast<std::size_t>(std::min<std::int64_t>(places, 1000)),
                                                text.size() - point - 1);
        text.resize(kept ? point + 1 + kept : point);
        return;
    }
    if (point != std::string::npos) text.resize(point);
    const auto zeroed = std::min<std::size_t>(text.size(), static_cast<std::size_t>(-places));
    std::fill(text.end() - static_cast<std::ptrdiff_t>(zeroed), text.end(), '0');
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCINumberCeil(OCIError *err, const OCINumber *number, OCINumber *result) {
    return unary_call<2>(err, number, result, [](auto &e) { return apm::m_apm_ceil(e[1], e[0]); });
}

VSK_EXPORT sword OCINumberFloor(OCIError *err, const OCINumber *number, OCINumber *result) {
    return unary_call<2>(err, number, result, [](auto &e) { return apm::m_apm_floor(e[1], e[0]); });
}

VSK_EXPORT sword OCINumberTrunc(OCIError *err, const OCINumber *number, sword decplace, OCINumber *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 4);
    // The number's own decimals, all of them: text rounded at a fixed place could carry into
    // the digits that are kept.
    EngineNumbers<1> e;
    std::string text;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_to_fixpt_string(text, -1, e[0]) != 0)
        return engine_failure(err);
    cut_decimals(text, decplace);
    return store_text(text, result);
}

VSK_EXPORT sword OCINumberRound(OCIError *err, const OCINumber *number, sword decplace, OCINumber *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 4);
    if (decplace < 0) {
        AddErrorRecord(err, OCI_ERROR, kErrUnsupported);
        return OCI_ERROR;
    }
    if (decplace > kLastRoundedPlace) {
        AddErrorRecord(err, OCI_ERROR, kErrOverflow);
        return OCI_ERROR;
    }
    if (decplace == kLastRoundedPlace) {
        const unsigned length = number->OCINumberPart[0];
        if (length >= OCI_NUMBER_SIZE) return OCI_ERROR;
        std::memmove(result->OCINumberPart, number->OCINumberPart, length + 1);
        return OCI_SUCCESS;
    }
    // Fixed-point text at decplace decimals is the rounding at that place, half away from
    // zero; a number whose first digit lies further right becomes 0 or one unit there.
    EngineNumbers<1> e;
    std::string text;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_to_fixpt_string(text, decplace, e[0]) != 0)
        return engine_failure(err);
    return store_text(text, result);
}

VSK_EXPORT sword OCINumberPrec(OCIError *err, const OCINumber *number, eword nDigs, OCINumber *result) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!result) return argument_error(err, 4);
    if (nDigs <= 0) {
        static constexpr unsigned char kZero[2] = {0x01, 0x80};
        std::memcpy(result->OCINumberPart, kZero, sizeof kZero);
        return OCI_ERROR;
    }
    EngineNumbers<2> e;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_round(e[1], nDigs - 1, e[0]) != 0) return engine_failure(err);
    return store(err, e[1], result);
}

}  // extern "C"
