// What the date/time conversions share: reading a fetched server value, text or binary.
#pragma once

#include <oci.h>

#include <cstddef>

#include "datetime/server_text.h"

namespace vsk {

// No bytes, or in text format a first byte of NUL.
bool empty_datetime(const char *value, int length, int format) noexcept;

// A server timestamp: text in the server's date/time syntax, or in binary format the
// eight big-endian bytes of microseconds since 2000-01-01 00:00:00. 0 or a reader error.
int read_server_datetime(const char *value, int length, int format, dt::DecodedDateTime *out) noexcept;

// The ISO text of a binary timestamp; its length, or -1 when it cannot be broken down or
// does not fit size bytes with its NUL ("timestamp out of range" recorded in the first case).
int ConvertTimestampToChars(OCIError *errhp, char *buf, std::size_t size, const char *value, int length) noexcept;

}  // namespace vsk
