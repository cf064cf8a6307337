// Binding dates, timestamps and intervals: each value is written as the server's text.
#include "datetime/calendar.h"
#include "datetime/descriptors.h"
#include "datetime/layouts.h"
#include "datetime/server_text.h"
#include "types/conversion_support.h"
#include "types/conversions.h"

namespace vsk {

namespace {

constexpr std::size_t kTextSize = 80;

int fail(char **value, ub4 *length) {
    *value = nullptr;
    *length = 0;
    return -1;
}

int send_datetime(const dt::BrokenDownTime &tm, int nanos, const int *tzWest, char **value, ub4 *length,
                  ub1 *format) {
    char text[kTextSize];
    const int n = dt::EncodeDateTime(tm, nanos, tzWest, text, sizeof text);
    if (n < 0) return fail(value, length);
    return make_text_value(text, static_cast<std::size_t>(n), value, length, format);
}

int send_date_bytes(const void *buffer, ub4 size, bool withTime, char **value, ub4 *length, ub1 *format) {
    if (size < dt::kDateSize) return fail(value, length);
    dt::BrokenDownTime tm;
    dt::DecodeOracleDATE(static_cast<const ub1 *>(buffer), &tm, withTime);
    return send_datetime(tm, 0, nullptr, value, length, format);
}

// The payload of the descriptor whose address the bind buffer holds.
const DateTimeValue *bound_datetime(const void *buffer) {
    return buffer ? datetime_value(*static_cast<OCIDateTime *const *>(buffer)) : nullptr;
}

enum class Part { Date, Timestamp, Zoned };

int send_descriptor(const void *buffer, Part part, char **value, ub4 *length, ub1 *format) {
    const DateTimeValue *v = bound_datetime(buffer);
    if (!v) return fail(value, length);
    dt::BrokenDownTime tm;
    int nanos = 0;
    dt::DecodeOracleOCIDateTime(v, &tm, &nanos, false);
    if (part == Part::Date) {
        tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
        nanos = 0;
    }
    const bool zoned = part == Part::Zoned && (v->type == OCI_DTYPE_TIMESTAMP_TZ || v->type == OCI_DTYPE_TIMESTAMP_LTZ);
    const int west = -dt::stored_offset_east(v);
    return send_datetime(tm, nanos, zoned ? &west : nullptr, value, length, format);
}

}  // namespace

VSK_BIND_CONVERSION(ConvertSQLT_DATToDATEOID) {
    (void)errhp, (void)indp;
    return send_date_bytes(buffer, size, false, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_DATToTIMESTAMPOID) {
    (void)errhp, (void)indp;
    return send_date_bytes(buffer, size, true, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_ODTToTIMESTAMPOID) {
    (void)errhp, (void)indp;
    if (size < dt::kOCIDateSize) return fail(value, length);
    dt::BrokenDownTime tm;
    dt::DecodeOracleOCIDate(static_cast<const OCIDate *>(buffer), &tm, true);
    return send_datetime(tm, 0, nullptr, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_DATEToTIMESTAMPOID) {
    (void)errhp, (void)indp, (void)size;
    return send_descriptor(buffer, Part::Date, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_TIMESTAMPToTIMESTAMPOID) {
    (void)errhp, (void)indp, (void)size;
    return send_descriptor(buffer, Part::Timestamp, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_TIMESTAMP_TZToTIMESTAMPTZOID) {
    (void)errhp, (void)indp, (void)size;
    return send_descriptor(buffer, Part::Zoned, value, length, format);
}

VSK_BIND_CONVERSION(ConvertSQLT_INTERVAL_DSToINTERVALOID) {
    (void)errhp, (void)indp;
    if (size < 7 || !buffer) return fail(value, length);
    const IntervalValue *v = interval_value(*static_cast<OCIInterval *const *>(buffer));
    if (!v) return fail(value, length);
    char text[kTextSize];
    const int n = dt::EncodeInterval(v->months, v->days, v->time, text, sizeof text);
    if (n < 0) return fail(value, length);
    return make_text_value(text, static_cast<std::size_t>(n), value, length, format);
}

}  // namespace vsk
