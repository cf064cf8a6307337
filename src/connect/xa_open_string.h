// The open string an XA transaction manager hands its resource managers:
// "+"-separated key=value fields naming the server, the account and the module.
#pragma once

#include <cstddef>
#include <string>

namespace vsk {

struct XaOpenString {
    std::string host;      // "hostname"
    std::string port;      // "portnumber"
    std::string sqlnet;    // "sqlnet": database, or the whole connect string
    std::string user;      // "acc", before its first "/"
    std::string password;  // "acc", after it
    std::string appname;   // "appname": module of the session
    // Accepted and kept, not used.
    std::string logdir;
    std::string logRotationSize;
    std::string logFlags;

    // "//host:port/sqlnet" when both host and port are given, else sqlnet alone.
    std::string connect_string() const;
};

// Whole open strings from this length on are refused.
constexpr std::size_t kXaOpenStringLimit = 256;
// Longest value a field may carry; longer or empty values are skipped.
constexpr std::size_t kXaValueLimit = 254;
constexpr std::size_t kXaLogdirLimit = 510;

// Parses text (zero-terminated, may be null). False when it is refused: null, too long,
// or without an account holding "/".
bool parse_xa_open_string(const char *text, XaOpenString *out);

}  // namespace vsk
