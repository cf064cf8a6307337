// Arbitrary bytes as XA open strings: parsing never reads past the string or its limit,
// and an accepted string yields an account split at its first "/" with bounded values.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "connect/xa_open_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The parser takes zero-terminated text, as the transaction manager hands it over.
    const std::string text(reinterpret_cast<const char *>(data), size);
    vsk::XaOpenString open;
    const bool ok = vsk::parse_xa_open_string(text.c_str(), &open);
    const std::size_t length = text.find('\0') == std::string::npos ? text.size() : text.find('\0');
    if (length >= vsk::kXaOpenStringLimit && ok) std::abort();
    if (!ok) return 0;
    for (const std::string *v : {&open.host, &open.port, &open.sqlnet, &open.appname, &open.logdir})
        if (v->size() > vsk::kXaValueLimit) std::abort();
    if (open.user.find('/') != std::string::npos) std::abort();
    if (open.user.size() + open.password.size() + 1 > vsk::kXaValueLimit) std::abort();
    return 0;
}
