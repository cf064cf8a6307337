// Caller and file texts read while connecting: direct connect strings, tnsnames.ora files
// and NLS_LANG values. The first byte picks the reader; the rest is the text, with NULs
// in it where the reader takes a length.
#include <cstdint>
#include <string>
#include <string_view>

#include "connect/connect_string.h"
#include "connect/tnsnames_parser.h"
#include "env/env.h"
#include "nls/nls_items.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);
    try {
        switch (data[0] % 3) {
        case 0: {
            vsk::ConnectTarget target;
            if (vsk::parse_connect_str(text.c_str(), text.size(), &target) == 1)
                check(target.uriMode == target.uri.has_value());
            break;
        }
        case 1: {
            vsk::TnsEntryList entries;
            vsk::TnsSyntaxError error;
            if (vsk::tnsnamesparse(text, &entries, &error) != 0) check(!error.message.empty());
            break;
        }
        default: {
            std::string language, territory, charset;
            vsk::ParseLocale(text.c_str(), &language, &territory, &charset);
            const std::string named = vsk::nls_lang_charset(text.c_str());
            check(named.size() <= text.size());
            break;
        }
        }
    } catch (const std::bad_alloc &) {
    }
    return 0;
}
