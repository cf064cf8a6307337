// OCINumber to and from integers of 1, 2, 4 and 8 bytes and floating-point values.
#include <oci.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "env/error.h"
#include "env/export.h"
#include "number/number_call.h"

using namespace vsk;
using namespace vsk::number;

namespace {

constexpr ub4 kErrOverflow = 22053;
constexpr ub4 kErrUnderflow = 22054;

bool valid_width(uword length) noexcept { return length == 1 || length == 2 || length == 4 || length == 8; }
bool valid_sign_flag(uword flag) noexcept { return flag == OCI_NUMBER_UNSIGNED || flag == OCI_NUMBER_SIGNED; }

std::int64_t read_signed(const void *p, uword length) noexcept {
    switch (length) {
    case 1: { std::int8_t v; std::memcpy(&v, p, 1); return v; }
    case 2: { std::int16_t v; std::memcpy(&v, p, 2); return v; }
    case 4: { std::int32_t v; std::memcpy(&v, p, 4); return v; }
    default: { std::int64_t v; std::memcpy(&v, p, 8); return v; }
    }
}

std::uint64_t read_unsigned(const void *p, uword length) noexcept {
    switch (length) {
    case 1: { std::uint8_t v; std::memcpy(&v, p, 1); return v; }
    case 2: { std::uint16_t v; std::memcpy(&v, p, 2); return v; }
    case 4: { std::uint32_t v; std::memcpy(&v, p, 4); return v; }
    default: { std::uint64_t v; std::memcpy(&v, p, 8); return v; }
    }
}

// The low `length` bytes of v in host order, which on this little-endian target is the
// value at that width.
void write_integer(void *dst, std::uint64_t v, uword length) noexcept { std::memcpy(dst, &v, length); }

sword record(OCIError *err, ub4 number) noexcept {
    AddErrorRecord(err, OCI_ERROR, number);
    return OCI_ERROR;
}

// The truncated integer text into dst at the width; overflow and underflow recorded.
sword store_integer(OCIError *err, const std::string &digits, uword length, bool is_signed, void *dst) noexcept {
    const bool negative = !digits.empty() && digits[0] == '-';
    const int bits = static_cast<int>(length) * 8;
    errno = 0;
    if (is_signed) {
        const long long v = std::strtoll(digits.c_str(), nullptr, 10);
        const long long max = bits == 64 ? INT64_MAX : (1LL << (bits - 1)) - 1;
        const long long min = -max - 1;
        if ((errno == ERANGE && !negative) || v > max) return record(err, kErrOverflow);
        if ((errno == ERANGE && negative) || v < min) return record(err, kErrUnderflow);
        write_integer(dst, static_cast<std::uint64_t>(v), length);
        return OCI_SUCCESS;
    }
    if (negative) return record(err, kErrOverflow);
    const unsigned long long v = std::strtoull(digits.c_str(), nullptr, 10);
    const unsigned long long max = bits == 64 ? UINT64_MAX : (1ULL << bits) - 1;
    if (errno == ERANGE || v > max) return record(err, kErrOverflow);
    write_integer(dst, v, length);
    return OCI_SUCCESS;
}

// strto* of the exact decimal text, so that each width rounds once, from the true value.
template <class Real>
sword store_real(OCIError *err, const std::string &text, Real max, void *dst) noexcept {
    Real v;
    if constexpr (sizeof(Real) == sizeof(float)) v = std::strtof(text.c_str(), nullptr);
    else if constexpr (sizeof(Real) == sizeof(double)) v = std::strtod(text.c_str(), nullptr);
    else v = std::strtold(text.c_str(), nullptr);
    if (!(std::fabs(v) < max)) return record(err, kErrOverflow);
    std::memcpy(dst, &v, sizeof v);
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

// Every width is converted exactly, 8-byte integers included.
VSK_EXPORT sword OCINumberFromInt(OCIError *err, const void *inum, uword inum_length, uword inum_s_flag,
                                  OCINumber *number) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!inum) return argument_error(err, 2);
    if (!valid_width(inum_length) || !valid_sign_flag(inum_s_flag)) return OCI_ERROR;
    if (!number) return argument_error(err, 5);
    EngineNumbers<1> e;
    if (!e.ok()) return engine_failure(err);
    const int rc = inum_s_flag == OCI_NUMBER_SIGNED
                       ? apm::m_apm_set_long(e[0], static_cast<long>(read_signed(inum, inum_length)))
                       : apm::m_apm_set_unsigned_long(e[0], static_cast<unsigned long>(read_unsigned(inum, inum_length)));
    if (rc != 0) return engine_failure(err);
    return store(err, e[0], number);
}

VSK_EXPORT sword OCINumberToInt(OCIError *err, const OCINumber *number, uword rsl_length, uword rsl_flag,
                                void *rsl) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!valid_width(rsl_length) || !valid_sign_flag(rsl_flag)) return OCI_ERROR;
    if (!rsl) return argument_error(err, 5);
    EngineNumbers<1> e;
    std::string digits;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_to_integer_string(digits, e[0]) != 0)
        return engine_failure(err);
    return store_integer(err, digits, rsl_length, rsl_flag == OCI_NUMBER_SIGNED, rsl);
}

VSK_EXPORT sword OCINumberFromReal(OCIError *err, const void *rnum, uword rnum_length, OCINumber *number) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!rnum) return argument_error(err, 2);
    if (rnum_length < sizeof(float)) return OCI_ERROR;
    if (!number) return argument_error(err, 4);
    EngineNumbers<1> e;
    if (!e.ok()) return engine_failure(err);
    int rc;
    if (rnum_length < sizeof(double)) {
        float f;
        std::memcpy(&f, rnum, sizeof f);
        rc = apm::m_apm_set_float(e[0], f);
    } else {
        double d;
        std::memcpy(&d, rnum, sizeof d);
        rc = apm::m_apm_set_double(e[0], d);
    }
    if (rc != 0) return engine_failure(err);
    return store(err, e[0], number);
}

VSK_EXPORT sword OCINumberToReal(OCIError *err, const OCINumber *number, uword rsl_length, void *rsl) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (rsl_length != sizeof(float) && rsl_length != sizeof(double) && rsl_length != sizeof(long double))
        return OCI_ERROR;
    if (!rsl) return argument_error(err, 4);
    // All the number's decimals: a fixed 40 would turn every value below 1e-40 into 0.
    EngineNumbers<1> e;
    std::string text;
    if (!e.ok() || !load(e[0], number) || apm::m_apm_to_fixpt_string(text, -1, e[0]) != 0)
        return engine_failure(err);
    if (rsl_length == sizeof(float)) return store_real(err, text, FLT_MAX, rsl);
    if (rsl_length == sizeof(double)) return store_real(err, text, DBL_MAX, rsl);
    return store_real(err, text, LDBL_MAX, rsl);
}

VSK_EXPORT sword OCINumberToRealArray(OCIError *err, const OCINumber **number, uword elems, uword rsl_length,
                                      void *rsl) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!number) return argument_error(err, 2);
    if (elems == 0 || rsl_length < sizeof(float)) return OCI_ERROR;
    if (!rsl) return argument_error(err, 5);
    auto *out = static_cast<unsigned char *>(rsl);
    for (uword i = 0; i < elems; ++i) {
        if (sword rc = OCINumberToReal(err, number[i], rsl_length, out + i * rsl_length); rc != OCI_SUCCESS)
            return rc;
    }
    return OCI_SUCCESS;
}

}  // extern "C"
