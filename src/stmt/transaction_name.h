// The server's name of a global transaction, made from its X/Open identifier.
#pragma once

#include <oci.h>

#include <optional>
#include <string>

namespace vsk {

// The format id in decimal, a full stop, then the gtrid_length + bqual_length data bytes
// as they are ("0.abc" for the name "abc"). None when the lengths are out of range or
// the bytes hold a NUL, which no server name can carry. Throws std::bad_alloc.
std::optional<std::string> GetTransactionNameFromXID(const XID &xid);

}  // namespace vsk
