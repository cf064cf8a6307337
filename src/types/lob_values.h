// LOB locators as bind values: what a bound locator sends to the server.
#pragma once

#include <oci.h>

namespace vsk {

// The parameter a bound locator element stands for: a server large object's identifier
// as text, the bytes of a binary LOB held in client memory (binary format), or the text
// of a character LOB. The bytes of a value held in client memory are lent, not copied
// (*borrowed set): they stay valid while the locator is neither changed nor freed.
// Null value for SQL NULL. 0, or -1 with the reason recorded.
int lob_bind_value(OCIError *errhp, ub2 dty, const void *element, sb2 ind, char **value, ub4 *length, ub1 *format,
                   bool *borrowed) noexcept;

// The external types whose bind elements are locator pointers.
inline bool is_locator_type(ub2 dty) noexcept { return dty == SQLT_BLOB || dty == SQLT_CLOB; }

}  // namespace vsk
