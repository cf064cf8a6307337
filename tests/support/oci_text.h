// Text arguments as the OCI calls take them: OraText pointers, byte lengths, and the
// UTF-16LE form an OCI_UTF16 environment expects.
#pragma once

#include <oci.h>

#include <string>

namespace vsk::test {

inline const OraText *ot(const std::string &s) { return reinterpret_cast<const OraText *>(s.c_str()); }
inline ub4 len(const std::string &s) { return static_cast<ub4>(s.size()); }

// UTF-16LE of ASCII text.
inline std::string u16(const std::string &s) {
    std::string out;
    for (char c : s) out += {c, '\0'};
    return out;
}

}  // namespace vsk::test
