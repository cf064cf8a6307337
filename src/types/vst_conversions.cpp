// OCIString (SQLT_VST) values: the application's buffer holds the string's address.
#include <cstring>

#include "env/error.h"
#include "nls/oci_string.h"
#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

OCIString **string_slot(void *destination) { return static_cast<OCIString **>(destination); }

// Stores k bytes of text (k no more than the capacity) and its terminator.
void store_text(const OCIEnv *env, OCIString *s, const char *src, std::size_t k) {
    std::memcpy(s->text, src, k);
    s->text[k] = '\0';
    // A UTF-16 terminator is two bytes wide; the buffer holds capacity + 1 bytes.
    if (transcoding(env) && k + 1 <= s->capacity) s->text[k + 1] = '\0';
    s->size = static_cast<ub4>(k);
}

}  // namespace

VSK_BIND_CONVERSION(ConvertSQLT_VSTToVARCHAROID) {
    (void)indp;
    *value = nullptr;
    *length = 0;
    if (!buffer || size < sizeof(OCIString *) || size >= 65536) return -1;
    const OCIString *s = *static_cast<OCIString *const *>(buffer);
    if (!s || s->size >= 65534 || (s->size && !s->text)) return -1;
    ConvertedText text;
    if (!text.to_server(conversion_env(errhp), errhp, s->text, s->size)) return -1;
    return make_text_value(text.data(), text.size(), value, length, format);
}

// The string keeps its allocated size; a longer value is cut to it and reported.
VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_VST) {
    if (indp) *indp = 0;
    if (*lengthp < 4) return -1;
    const OCIEnv *env = conversion_env(errhp);
    const bool empty = !value || length <= 0 || (format == 0 && value[0] == '\0');
    if (empty && oracle_empty_strings(env)) return null_result(errhp, indp, rcodep);
    ConvertedText text;
    if (!text.to_client(env, errhp, value, empty ? 0 : static_cast<std::size_t>(length))) return -1;
    const std::size_t n = text.size();
    OCIString **slot = string_slot(destination);
    // No string yet: one is made to hold the whole value.
    if (!*slot) return string_assign_bytes(slot, text.data(), n) ? 0 : -1;
    OCIString *s = *slot;
    const std::size_t cap = s->capacity;
    if (cap <= n) {
        if (cap < n) report_truncation(errhp, indp, n - cap);
        store_text(env, s, text.data(), cap ? whole_units(env, cap - 1) : 0);
        return cap < n ? 1 : 0;
    }
    store_text(env, s, text.data(), n);
    return 0;
}

VSK_FETCH_CONVERSION(ConvertCHAROIDToSQLT_VST) {
    if (indp) *indp = 0;
    if (!value || length <= 0 || (format == 0 && value[0] == '\0')) return null_result(errhp, indp, rcodep);
    if (*lengthp < 4 || (format != 0 && format != 1)) return -1;
    OCIString **slot = string_slot(destination);
    if (!*slot) return string_assign_bytes(slot, value, 1) ? 0 : -1;
    OCIString *s = *slot;
    if (s->capacity < 2) {
        report_truncation(errhp, indp, 2 - s->capacity);
        s->text[0] = '\0';
        s->size = 0;
        return 1;
    }
    s->text[0] = value[0];
    s->text[1] = '\0';
    s->size = 1;
    return 0;
}

}  // namespace vsk
