#include "number/number_call.h"

#include <cstring>

#include "env/error.h"
#include "env/handle.h"
#include "number/number_text.h"

namespace vsk::number {

namespace {

constexpr ub4 kErrNoMemory = 16506;

// Exponents (0.d x 10^e) past the layouts: above, no OCINumber holds the value; below, it
// is zero in every layout, so there is no point writing out its hundreds of zeros.
constexpr int kLargestExponent = 126;
constexpr int kSmallestExponent = -140;

}  // namespace

sword begin_call(OCIError *err) noexcept {
    if (!is_kind(err, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(err);
    return OCI_SUCCESS;
}

sword argument_error(OCIError *err, int position) noexcept {
    AddArgumentErrorRecord(err, position);
    return OCI_ERROR;
}

sword engine_failure(OCIError *err) noexcept {
    if (apm::m_apm_status() == apm::Status::no_memory) return memory_failure(err);
    return OCI_ERROR;
}

sword memory_failure(OCIError *err) noexcept {
    AddErrorRecord(err, OCI_ERROR, kErrNoMemory);
    return OCI_ERROR;
}

bool load(apm::M_APM out, const OCINumber *n) noexcept {
    char text[kVarnumTextSize];
    if (ConvertVARNUMToString(n->OCINumberPart, text) != 0) return false;
    return apm::m_apm_set_string(out, text) == 0;
}

bool result_text(apm::M_APM v, std::string &text) noexcept {
    const int e = apm::m_apm_exponent(v);
    if (apm::m_apm_sign(v) == 0 || e < kSmallestExponent) {
        text = "0";
        return true;
    }
    if (e > kLargestExponent) return false;
    return apm::m_apm_to_fixpt_string(text, e >= 0 ? kResultPlaces : kResultPlaces - e, v) == 0;
}

sword store_text(const std::string &text, OCINumber *out) noexcept {
    unsigned char bytes[kVarnumSize] = {};
    if (ConvertStringToVARNUM(text.c_str(), bytes) != 0) return OCI_ERROR;
    std::memcpy(out->OCINumberPart, bytes, sizeof bytes);
    return OCI_SUCCESS;
}

sword store(OCIError *err, apm::M_APM v, OCINumber *out) noexcept {
    std::string text;
    if (!result_text(v, text)) return engine_failure(err);
    return store_text(text, out);
}

}  // namespace vsk::number
