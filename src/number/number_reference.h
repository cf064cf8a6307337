// The engine route of the OCINumber calls that also have a byte-level fast route
// (varnum_arith.h): operands through decimal text into the engine and the result back the
// same way. The exported calls take the fast route; these stay as the definition it must
// match byte for byte, and as the route for what it leaves to them (a zero divisor).
#pragma once

#include <oci.h>

namespace vsk::number {

sword add_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept;
sword sub_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept;
sword mul_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept;
sword div_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, OCINumber *result) noexcept;
sword cmp_reference(OCIError *err, const OCINumber *number1, const OCINumber *number2, sword *result) noexcept;
sword neg_reference(OCIError *err, const OCINumber *number, OCINumber *result) noexcept;
sword abs_reference(OCIError *err, const OCINumber *number, OCINumber *result) noexcept;

}  // namespace vsk::number
