// Records built from a tnsnames.ora file: one net service name per entry.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vsk {

enum TnsNodeKind : std::uint32_t {
    TNS_NODE_HOST = 1,
    TNS_NODE_PORT = 2,
    TNS_NODE_ADDRESS = 3,
    TNS_NODE_SID = 4,
    TNS_NODE_NET_SERVICE_NAME = 5,
};

struct OCIHost {
    std::uint32_t kind = TNS_NODE_HOST;
    std::string host;
};

struct OCIPort {
    std::uint32_t kind = TNS_NODE_PORT;
    std::string port;  // decimal form of the integer written in the file
};

struct OCIAddress {
    std::uint32_t kind = TNS_NODE_ADDRESS;
    std::unique_ptr<OCIHost> host;  // either may be null
    std::unique_ptr<OCIPort> port;
};

struct OCISid {
    std::uint32_t kind = TNS_NODE_SID;
    std::string sid;
};

struct OCINetServiceName {
    std::uint32_t kind = TNS_NODE_NET_SERVICE_NAME;
    std::string name;
    std::unique_ptr<OCIAddress> address;  // either may be null
    std::unique_ptr<OCISid> sid;
};

// The entries of one file, in file order.
using TnsEntryList = std::vector<std::unique_ptr<OCINetServiceName>>;

}  // namespace vsk
