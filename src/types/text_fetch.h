// Text into SQLT_STR for callers that convert many values of one environment.
#pragma once

#include <oci.h>

struct OCIEnv;

namespace vsk {

// ConvertTEXTOIDToSQLT_STR for an environment that does not transcode (its client bytes
// are the server's), with the environment looked up once by the caller.
int plain_text_to_str(const OCIEnv *env, OCIError *errhp, const char *value, int length, int format,
                      void *destination, ub4 *lengthp, sb2 *indp, ub2 *rcodep) noexcept;

}  // namespace vsk
