// Values in the server's binary parameter and result formats: most significant byte first.
#pragma once

#include <cstdint>
#include <cstring>

namespace vsk {

// Reverse a 4- or 8-byte value in place (this platform is little-endian).
inline void Convert4BytesToNetworkOrder(void *p) noexcept {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    v = __builtin_bswap32(v);
    std::memcpy(p, &v, 4);
}
inline void Convert8BytesToNetworkOrder(void *p) noexcept {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    v = __builtin_bswap64(v);
    std::memcpy(p, &v, 8);
}

// The n-byte (2, 4 or 8) big-endian value at p.
inline std::uint64_t read_network(const char *p, int n) noexcept {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

// The low n bytes of v, most significant first.
inline void write_network(char *p, std::uint64_t v, int n) noexcept {
    for (int i = n - 1; i >= 0; --i, v >>= 8) p[i] = static_cast<char>(v & 0xFF);
}

}  // namespace vsk
