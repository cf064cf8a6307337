#include "stmt/transaction_name.h"

#include <cstring>

namespace vsk {

std::optional<std::string> GetTransactionNameFromXID(const XID &xid) {
    const long g = xid.gtrid_length, b = xid.bqual_length;
    if (g < 0 || b < 0 || g > XIDDATASIZE || b > XIDDATASIZE || g + b > XIDDATASIZE) return std::nullopt;
    const auto n = static_cast<std::size_t>(g + b);
    if (std::memchr(xid.data, '\0', n)) return std::nullopt;
    return std::to_string(xid.formatID) + "." + std::string(xid.data, n);
}

}  // namespace vsk
