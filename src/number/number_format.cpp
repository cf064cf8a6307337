// OCINumberFromText and OCINumberToText with their number formats: "TM9", and formats of
// digit positions with "G" group separators and a "D" decimal point.
#include <oci.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "env/error.h"
#include "env/export.h"
#include "number/number_call.h"

using namespace vsk;
using namespace vsk::number;

namespace {

constexpr ub4 kErrFormat = 22061;
constexpr ub4 kErrInput = 22062;
constexpr ub4 kErrTranslation = 22065;

// The caller's length, cut at a NUL within it; nothing past the length is read.
std::string bounded(const oratext *text, ub4 length) {
    const char *s = reinterpret_cast<const char *>(text);
    return s ? std::string(s, strnlen(s, length)) : std::string();
}

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// With "G" in the format the text must carry "," exactly where the format has "G", a
// leading sign (any non-digit) being skipped.
bool groups_match(const std::string &format, const std::string &text) noexcept {
    const std::size_t start = !text.empty() && !is_digit(text[0]) ? 1 : 0;
    const std::size_t n = std::max(format.size(), text.size() - start);
    for (std::size_t i = 0; i < n; ++i) {
        const bool group = i < format.size() && format[i] == 'G';
        const bool comma = start + i < text.size() && text[start + i] == ',';
        if (group != comma) return false;
    }
    return true;
}

// Lays the fixed-point text into the format: integer digits fill its positions from the
// right (a "G" between two digits gives ","), the decimals follow a "D" as ".". Empty when
// the integer digits outnumber the format's positions.
std::string apply_format(const std::string &format, const std::string &fixed) {
    const bool negative = !fixed.empty() && fixed[0] == '-';
    std::string digits = fixed.substr(negative ? 1 : 0), decimals;
    if (const std::size_t point = digits.find('.'); point != std::string::npos) {
        decimals = digits.substr(point + 1);
        digits.resize(point);
    }
    const std::size_t d = format.find('D');
    const std::string whole = format.substr(0, d);
    std::size_t positions = 0;
    for (char c : whole) positions += c != 'G';
    if (digits.size() > positions) return {};
    std::string laid;
    std::size_t left = digits.size();
    // Stopping with the last digit leaves no separator in front of it.
    for (std::size_t i = whole.size(); i-- > 0 && left > 0;) {
        if (whole[i] == 'G') {
            laid.insert(laid.begin(), ',');
        } else {
            laid.insert(laid.begin(), digits[--left]);
        }
    }
    std::string out(negative ? 1 : 0, '-');
    out += laid;
    if (d != std::string::npos) {
        out += '.';
        out += decimals;
    }
    return out;
}

sword copy_out(const std::string &text, ub4 *buf_size, oratext *buf, ub4 reported) noexcept {
    if (text.size() + 1 > *buf_size) return OCI_ERROR;
    std::memcpy(buf, text.c_str(), text.size() + 1);
    *buf_size = reported;
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCINumberFromText(OCIError *err, const oratext *str, ub4 str_length, const oratext *fmt,
                                   ub4 fmt_length, const oratext *nls_params, ub4 nls_p_length, OCINumber *number) {
    (void)nls_params;
    (void)nls_p_length;
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!str) return argument_error(err, 2);
    if (str_length == 0) return OCI_ERROR;
    if (!number) return argument_error(err, 8);
    try {
        const std::string text = bounded(str, str_length);
        const std::string format = bounded(fmt, fmt_length);
        if (format.find('G') != std::string::npos) {
            if (format.size() != fmt_length || text.size() != str_length) return OCI_ERROR;
            if (format[0] == 'G') {
                AddErrorRecordStringX(err, OCI_ERROR, kErrFormat, 1, format.c_str());
                return OCI_ERROR;
            }
            if (!groups_match(format, text)) {
                AddErrorRecordStringX(err, OCI_ERROR, kErrInput, 1, text.c_str());
                return OCI_ERROR;
            }
        }
        return store_text(text, number);
    } catch (...) {
        return memory_failure(err);
    }
}

VSK_EXPORT sword OCINumberToText(OCIError *err, const OCINumber *number, const oratext *fmt, ub4 fmt_length,
                                 const oratext *nls_params, ub4 nls_p_length, ub4 *buf_size, oratext *buf) {
    (void)nls_params;
    (void)nls_p_length;
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!fmt) return argument_error(err, 3);
    if (!buf_size) return argument_error(err, 7);
    if (!buf) return argument_error(err, 8);
    if (*buf_size == 0) return OCI_ERROR;
    try {
        const std::string format = bounded(fmt, fmt_length);
        EngineNumbers<1> e;
        if (!e.ok() || !load(e[0], number)) return engine_failure(err);
        std::string fixed;
        if (format == "TM9") {
            if (apm::m_apm_to_fixpt_string(fixed, kResultPlaces, e[0]) != 0) return engine_failure(err);
            return copy_out(fixed, buf_size, buf, static_cast<ub4>(fixed.size() + 1));
        }
        const std::size_t d = format.find('D');
        if (!format.empty() && (format[0] == 'G' || (d != std::string::npos && format.find('G', d) != std::string::npos))) {
            AddErrorRecordStringX(err, OCI_ERROR, kErrFormat, 1, format.c_str());
            return OCI_ERROR;
        }
        const int decimals = d == std::string::npos ? 0 : static_cast<int>(format.size() - d - 1);
        if (apm::m_apm_to_fixpt_string(fixed, decimals, e[0]) != 0) return engine_failure(err);
        const std::string laid = apply_format(format, fixed);
        if (laid.empty()) {
            AddErrorRecord(err, OCI_ERROR, kErrTranslation);
            return OCI_ERROR;
        }
        // Right-aligned in the format's width plus one place for a sign.
        const std::size_t width = format.size() + 1;
        const std::string field = std::string(width - laid.size(), ' ') + laid;
        return copy_out(field, buf_size, buf, static_cast<ub4>(field.size()));
    } catch (...) {
        return memory_failure(err);
    }
}

}  // extern "C"
