// Exchanges with the server as libpq's protocol trace shows them: one synchronisation
// message per exchange.
#pragma once

#include <cstddef>
#include <fstream>
#include <string>

namespace vsk::test {

inline std::size_t protocol_exchanges(const std::string &trace) {
    std::ifstream in(trace);
    std::string line;
    std::size_t n = 0;
    while (std::getline(in, line))
        if (line.find("\tSync") != std::string::npos || line.find(" Sync") != std::string::npos) ++n;
    return n;
}

}  // namespace vsk::test
