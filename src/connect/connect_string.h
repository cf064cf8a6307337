// Direct connect strings: a connection URI, or host, port and database written inline.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// Where a connect string points. A field left unset (as opposed to empty) is filled
// by the attach defaults later.
struct ConnectTarget {
    std::optional<std::string> host;
    std::optional<std::string> port;
    std::optional<std::string> dbname;
    std::optional<std::string> uri;
    bool uriMode = false;
};

// 1 when text is a direct connect string (target filled), 0 when it is a net service
// name to look up. The target is cleared first; text is zero-terminated, len unused.
// Throws std::bad_alloc.
int parse_connect_str(const char *text, std::size_t len, ConnectTarget *target);

// uri with the password of its user part and any password parameter replaced by "***",
// for traces. Throws std::bad_alloc.
std::string uri_for_trace(std::string_view uri);

}  // namespace vsk
