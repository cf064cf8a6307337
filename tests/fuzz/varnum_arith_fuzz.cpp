// Two arbitrary 22-byte OCINumbers through the byte-level arithmetic and through the engine
// route it replaces: any difference in return code or result bytes aborts.
#include <oci.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "number/engine/apm.h"
#include "number/number_reference.h"
#include "fuzz_handles.h"

namespace {

using Binary = sword (*)(OCIError *, const OCINumber *, const OCINumber *, OCINumber *);
using Unary = sword (*)(OCIError *, const OCINumber *, OCINumber *);

constexpr Binary kBinary[][2] = {
    {OCINumberAdd, vsk::number::add_reference},
    {OCINumberSub, vsk::number::sub_reference},
    {OCINumberMul, vsk::number::mul_reference},
    {OCINumberDiv, vsk::number::div_reference},
};
constexpr Unary kUnary[][2] = {
    {OCINumberNeg, vsk::number::neg_reference},
    {OCINumberAbs, vsk::number::abs_reference},
};

void ignore_warning(const char *) noexcept {}

OCIError *error_handle() {
    static OCIError *err = [] {
        vsk::apm::m_apm_set_warning_sink(ignore_warning);
        return fuzz_error_handle();
    }();
    return err;
}

void check(bool same) {
    if (!same) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    OCIError *err = error_handle();
    OCINumber a{}, b{}, start{};
    std::memcpy(a.OCINumberPart, data, size < OCI_NUMBER_SIZE ? size : OCI_NUMBER_SIZE);
    if (size > OCI_NUMBER_SIZE)
        std::memcpy(b.OCINumberPart, data + OCI_NUMBER_SIZE,
                    size - OCI_NUMBER_SIZE < OCI_NUMBER_SIZE ? size - OCI_NUMBER_SIZE : OCI_NUMBER_SIZE);
    std::memset(start.OCINumberPart, 0xA5, OCI_NUMBER_SIZE);

    for (const auto &pair : kBinary) {
        OCINumber fast = start, reference = start;
        check(pair[0](err, &a, &b, &fast) == pair[1](err, &a, &b, &reference));
        check(std::memcmp(&fast, &reference, sizeof fast) == 0);
    }
    for (const auto &pair : kUnary) {
        OCINumber fast = start, reference = start;
        check(pair[0](err, &a, &fast) == pair[1](err, &a, &reference));
        check(std::memcmp(&fast, &reference, sizeof fast) == 0);
    }
    sword order_fast = 9, order_reference = 9;
    check(OCINumberCmp(err, &a, &b, &order_fast) == vsk::number::cmp_reference(err, &a, &b, &order_reference));
    check(order_fast == order_reference);
    return 0;
}
