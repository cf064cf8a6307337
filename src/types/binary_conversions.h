// What the binary fetch conversions share: a server bytea value turned into hexadecimal
// characters or back into bytes within a capacity. *lengthp holds the capacity on entry
// and the bytes written on return; a value that does not fit is cut, recorded as 1406
// and the result is 1; a malformed bytea text records 1465 and the result is -1 with
// *lengthp unchanged.
#pragma once

#include <oci.h>

namespace vsk {

constexpr ub4 kErrHexInvalid = 1465;

// bytea text (either server form) as two hexadecimal digits per byte: the hex form's
// digits as sent, others in uppercase. The indicator of a cut gets the characters lost.
int ConvertPQBinStrToOCIBinStr(OCIError *errhp, const char *text, int length, char *destination, ub4 *lengthp,
                               sb2 *indp) noexcept;

// Raw bytes as two uppercase hexadecimal digits each; the indicator of a cut gets the
// characters lost.
int ConvertBinaryToString(OCIError *errhp, const char *bytes, int length, char *destination, ub4 *lengthp,
                          sb2 *indp) noexcept;

// bytea text (either server form; any other text stands for its own bytes) as the bytes
// it holds. The indicator of a cut gets the value's full length.
int ConvertStringToBinary(OCIError *errhp, const char *text, int length, void *destination, ub4 *lengthp,
                          sb2 *indp) noexcept;

}  // namespace vsk
