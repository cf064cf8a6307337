// Arbitrary formats and texts through the format-model reader and writer: the first
// bytes choose a date, the rest splits at a NUL into format and input. No crash and no
// write outside a buffer whatever the format's keywords, literals and suffixes.
#include <oci.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datetime/format_model.h"
#include "fuzz_handles.h"

namespace {

OCIError *error_handle() { return fuzz_error_handle(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vsk::dt;
    if (size < 8) return 0;
    BrokenDownTime tm;
    tm.tm_year = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    tm.tm_mon = data[2] % 14;
    tm.tm_mday = data[3] % 33;
    tm.tm_hour = data[4] % 25;
    tm.tm_min = data[5] % 61;
    tm.tm_sec = data[6] % 61;
    tm.tm_gmtoff = (static_cast<int>(data[7]) - 128) * 900;
    const FormatMode mode = static_cast<FormatMode>(data[7] % 4 + 1);
    const std::string rest(reinterpret_cast<const char *>(data + 8), size - 8);
    const std::size_t nul = rest.find('\0');
    const std::string format = rest.substr(0, nul);
    const std::string input = nul == std::string::npos ? std::string() : rest.substr(nul + 1);
    OCIError *err = error_handle();
    std::string out;
    if (datetime_to_char_body(err, tm, static_cast<int>(data[3]) * 1000003, format.c_str(), mode, &out)) {
        ReadDateTime r;
        do_to_timestamp(err, out.c_str(), format.c_str(), &r, mode);
    }
    ReadDateTime r;
    do_to_timestamp(err, input.c_str(), format.c_str(), &r, mode);
    return 0;
}
