// Fetching date, timestamp and timestamp-with-zone values into the character targets:
// the server's text as it stands (binary values in ISO form), with the truncation rules
// of each layout.
#include <string_view>

#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/datetime_values.h"
#include "types/number_delivery.h"

namespace vsk {

namespace {

constexpr std::size_t kIsoSize = 64;

// The text the target receives, converted to the client's character set: -1 when it
// cannot be had; otherwise deliver's result.
template <class Deliver>
int with_text(OCIError *errhp, const char *value, int length, int format, sb2 *indp, Deliver deliver) {
    if (indp) *indp = 0;
    char iso[kIsoSize];
    std::string_view text(value ? value : "", value && length > 0 ? static_cast<std::size_t>(length) : 0);
    if (format == 1) {
        const int n = ConvertTimestampToChars(errhp, iso, sizeof iso, value, length);
        if (n < 0) return -1;
        text = std::string_view(iso, static_cast<std::size_t>(n));
    }
    const OCIEnv *env = conversion_env(errhp);
    ConvertedText converted;
    if (!converted.to_client(env, errhp, text.data(), text.size())) return -1;
    return deliver(std::string_view(converted.data(), converted.size()));
}

int chars(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp, sb2 *indp,
          ub2 *rcodep, CharLayout layout, const CutRule &cut, std::size_t longest) {
    if (length > 0 && static_cast<std::size_t>(length) > longest) return -1;
    if (empty_datetime(value, length, format)) {
        if (indp) *indp = 0;
        return null_result(errhp, indp, rcodep);
    }
    return with_text(errhp, value, length, format, indp, [&](std::string_view text) {
        return deliver_chars(errhp, text, layout, cut, destination, lengthp, indp);
    });
}

constexpr std::size_t kAny = 0x8FFFFFFB;

}  // namespace

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_CHR) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Plain, kTruncatedCut,
                 4000);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_AFC) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Plain, kTruncatedCut,
                 2000);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_LNG) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Plain, kTruncatedCut,
                 kAny);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_LVC) {
    if (*lengthp < 4) return -1;
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Prefix32,
                 kTruncatedCut, kAny);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_VCS) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Prefix16,
                 kTruncatedCut, 65533);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_STR) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Str, kReportedCut,
                 kAny);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_AVC) {
    return chars(errhp, value, length, format, destination, lengthp, indp, rcodep, CharLayout::Str, kReportedCut,
                 2000);
}

VSK_FETCH_CONVERSION(ConvertDATEOIDToSQLT_VST) {
    if (*lengthp < 4 || !destination || !*static_cast<OCIString **>(destination)) return -1;
    if (empty_datetime(value, length, format)) {
        if (indp) *indp = 0;
        return null_result(errhp, indp, rcodep);
    }
    return with_text(errhp, value, length, format, indp, [&](std::string_view text) {
        // A cut string is reported, as for the other NUL-terminated targets, with result 0.
        return deliver_string(errhp, text, destination, lengthp, indp) < 0 ? -1 : 0;
    });
}

}  // namespace vsk
