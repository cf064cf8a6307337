// OCINumberFromText and OCINumberToText: the number format model work is in number_model;
// these check the arguments and carry values and errors across.
#include <oci.h>

#include <cstring>
#include <string>

#include "env/error.h"
#include "env/export.h"
#include "number/number_call.h"
#include "number/number_model.h"
#include "number/number_text.h"

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

// The NLS parameters' symbols into *symbols; false (22061 recorded) when they do not serve.
bool nls_symbols(OCIError *err, const oratext *params, ub4 length, NumberSymbols &symbols) {
    if (read_nls_symbols(bounded(params, length), symbols)) return true;
    AddErrorRecordStringX(err, OCI_ERROR, kErrFormat, 1, bounded(params, length).c_str());
    return false;
}

// Compiles the format; false (22061 recorded with the format) when it is not a valid model.
bool compile(OCIError *err, const std::string &format, const NumberSymbols &symbols, NumberModel &model) {
    if (compile_number_model(format, symbols, model)) return true;
    AddErrorRecordStringX(err, OCI_ERROR, kErrFormat, 1, format.c_str());
    return false;
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
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!str) return argument_error(err, 2);
    if (str_length == 0) return OCI_ERROR;
    if (!number) return argument_error(err, 8);
    try {
        const std::string text = bounded(str, str_length);
        const std::string format = bounded(fmt, fmt_length);
        if (format.empty()) return store_text(text, number);
        // A separator format reads only what the caller handed over in full.
        if (format.find_first_of("Gg") != std::string::npos &&
            (format.size() != fmt_length || text.size() != str_length))
            return OCI_ERROR;
        NumberSymbols symbols;
        NumberModel model;
        if (!nls_symbols(err, nls_params, nls_p_length, symbols) || !compile(err, format, symbols, model))
            return OCI_ERROR;
        std::string value;
        if (model.kind == ModelKind::roman) {
            // Roman numerals are written, never read.
            AddErrorRecordStringX(err, OCI_ERROR, kErrFormat, 1, format.c_str());
            return OCI_ERROR;
        }
        if (!read_number_model(model, text, value)) {
            AddErrorRecordStringX(err, OCI_ERROR, kErrInput, 1, text.c_str());
            return OCI_ERROR;
        }
        return store_text(value, number);
    } catch (...) {
        return memory_failure(err);
    }
}

VSK_EXPORT sword OCINumberToText(OCIError *err, const OCINumber *number, const oratext *fmt, ub4 fmt_length,
                                 const oratext *nls_params, ub4 nls_p_length, ub4 *buf_size, oratext *buf) {
    if (sword rc = begin_call(err); rc != OCI_SUCCESS) return rc;
    if (!present(number)) return argument_error(err, 2);
    if (!fmt) return argument_error(err, 3);
    if (!buf_size) return argument_error(err, 7);
    if (!buf) return argument_error(err, 8);
    if (*buf_size == 0) return OCI_ERROR;
    try {
        NumberSymbols symbols;
        NumberModel model;
        if (!nls_symbols(err, nls_params, nls_p_length, symbols) ||
            !compile(err, bounded(fmt, fmt_length), symbols, model))
            return OCI_ERROR;
        char value[kVarnumTextSize];
        if (ConvertVARNUMToString(number->OCINumberPart, value) != 0) return OCI_ERROR;
        std::string text;
        if (!write_number_model(model, value, text)) {
            AddErrorRecord(err, OCI_ERROR, kErrTranslation);
            return OCI_ERROR;
        }
        // TM9 reports the size with its terminator, the laid-out formats without.
        const bool with_nul = model.kind == ModelKind::text_minimum;
        return copy_out(text, buf_size, buf, static_cast<ub4>(text.size() + (with_nul ? 1 : 0)));
    } catch (...) {
        return memory_failure(err);
    }
}

}  // extern "C"
