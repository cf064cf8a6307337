#include "connect/xa_open_string.h"

#include <cstring>
#include <string_view>

namespace vsk {

namespace {

bool same_key(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string XaOpenString::connect_string() const {
    if (host.empty() || port.empty()) return sqlnet;
    return "//" + host + ":" + port + "/" + sqlnet;
}

bool parse_xa_open_string(const char *text, XaOpenString *out) {
    *out = XaOpenString{};
    if (!text) return false;
    const std::size_t length = strnlen(text, kXaOpenStringLimit);
    if (length >= kXaOpenStringLimit) return false;

    std::string account;
    std::string_view rest(text, length);
    for (;;) {
        const std::size_t plus = rest.find('+');
        const std::string_view field = rest.substr(0, plus);
        const std::size_t eq = field.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view key = field.substr(0, eq);
            const std::string_view value = field.substr(eq + 1);
            if (!value.empty() && value.size() <= kXaValueLimit) {
                if (same_key(key, "hostname")) out->host = value;
                else if (same_key(key, "portnumber")) out->port = value;
                else if (same_key(key, "sqlnet")) out->sqlnet = value;
                // Its first two bytes (such as "P/") are not part of the account.
                else if (same_key(key, "acc")) {
                    if (value.size() >= 2) account = value.substr(2);
                }
                else if (same_key(key, "appname")) out->appname = value;
                else if (same_key(key, "logdir")) out->logdir = value.substr(0, kXaLogdirLimit);
                else if (same_key(key, "logrotationsize")) out->logRotationSize = value;
                else if (same_key(key, "logflags")) out->logFlags = value;
            }
        }
        if (plus == std::string_view::npos) break;
        rest.remove_prefix(plus + 1);
    }

    const std::size_t slash = account.find('/');
    if (slash == std::string::npos) return false;
    out->user = account.substr(0, slash);
    out->password = account.substr(slash + 1);
    return true;
}

}  // namespace vsk
