// Fetching timestamp, date, text and interval values into DATE, OCIDate, OCIDateTime and
// OCIInterval targets.
#include <cstring>

#include "datetime/calendar.h"
#include "datetime/descriptors.h"
#include "datetime/layouts.h"
#include "datetime/server_text.h"
#include "env/error.h"
#include "types/conversion_support.h"
#include "types/conversions.h"
#include "types/datetime_values.h"

namespace vsk {

namespace {

constexpr ub4 kErrInvalidDate = 1839;
constexpr ub4 kErrIllegalYear = 1841;
constexpr ub4 kErrInvalidMonth = 1843;
constexpr ub4 kErrIntervalInternal = 1891;
constexpr ub4 kDescriptorLength = 40;
constexpr std::int64_t kMicrosPerSecond = 1000000;

int failure(OCIError *errhp, ub4 number) {
    AddErrorRecord(errhp, OCI_ERROR, number);
    return -1;
}

// Years each target can hold: the DATE's century byte, the 16-bit year of the others.
bool fits_date_bytes(int year) { return year / 100 + 100 >= 0 && year / 100 + 100 <= 255; }
bool fits_ocidate(int year) { return year >= -32768 && year <= 32767; }

enum class Source { Column, Text };

// Reads the value and hands it to store; NULL, unreadable values and values no target
// can hold handled on the way. A text column whose value cannot be split records 1843.
template <class Store>
int fetch_datetime(OCIError *errhp, const char *value, int length, int format, sb2 *indp, ub2 *rcodep,
                   Source source, Store store) {
    if (indp) *indp = 0;
    if (empty_datetime(value, length, format)) return null_result(errhp, indp, rcodep);
    dt::DecodedDateTime d;
    const int rc = read_server_datetime(value, length, format, &d);
    if (rc != 0) {
        dt::DateTimeFields fields;
        const bool split = format == 0 && dt::ParseDateTime(value, static_cast<std::size_t>(length), &fields) == 0;
        return failure(errhp, source == Source::Text && !split ? kErrInvalidMonth : kErrInvalidDate);
    }
    if (d.kind != dt::DateTimeKind::Value) return failure(errhp, kErrIllegalYear);
    return store(d);
}

DateTimeValue *target_datetime(void *destination) {
    return destination ? datetime_value(*static_cast<OCIDateTime **>(destination)) : nullptr;
}

int to_date_bytes(OCIError *errhp, const dt::DecodedDateTime &d, bool withTime, void *destination, ub4 *lengthp) {
    if (!fits_date_bytes(d.tm.tm_year)) return failure(errhp, kErrIllegalYear);
    dt::EncodeOracleDATE(static_cast<ub1 *>(destination), d.tm, withTime);
    *lengthp = dt::kDateSize;
    return 0;
}

int to_ocidate(OCIError *errhp, const dt::DecodedDateTime &d, void *destination, ub4 *lengthp) {
    if (!fits_ocidate(d.tm.tm_year)) return failure(errhp, kErrIllegalYear);
    dt::EncodeOracleOCIDate(static_cast<OCIDate *>(destination), d.tm, true);
    *lengthp = dt::kOCIDateSize;
    return 0;
}

enum class Part { Date, Timestamp, Zoned };

int to_descriptor(OCIError *errhp, dt::DecodedDateTime d, Part part, void *destination, ub4 *lengthp) {
    DateTimeValue *v = target_datetime(destination);
    if (!v) return -1;
    if (!fits_ocidate(d.tm.tm_year)) return failure(errhp, kErrIllegalYear);
    if (part == Part::Date) {
        d.tm.tm_hour = d.tm.tm_min = d.tm.tm_sec = 0;
        d.nanos = 0;
    }
    // A zoned value without a zone in its text takes the local one.
    if (part == Part::Zoned && !d.hasZone) d.tm.tm_gmtoff = dt::local_offset_east(d.tm);
    dt::EncodeOracleOCIDateTime(v, d.tm, part == Part::Zoned, d.nanos);
    *lengthp = kDescriptorLength;
    return 0;
}

}  // namespace

bool empty_datetime(const char *value, int length, int format) noexcept {
    return !value || length <= 0 || (format == 0 && value[0] == '\0');
}

int read_server_datetime(const char *value, int length, int format, dt::DecodedDateTime *out) noexcept {
    if (format == 0) return dt::read_datetime(value, static_cast<std::size_t>(length), out);
    if (length != 8) return dt::DTERR_BAD_FORMAT;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | static_cast<unsigned char>(value[i]);
    const auto micros = static_cast<std::int64_t>(bits);
    *out = dt::DecodedDateTime{};
    if (micros == INT64_MAX) return out->kind = dt::DateTimeKind::Infinity, 0;
    if (micros == INT64_MIN) return out->kind = dt::DateTimeKind::MinusInfinity, 0;
    std::int64_t seconds = micros / kMicrosPerSecond, rest = micros % kMicrosPerSecond;
    if (rest < 0) {
        rest += kMicrosPerSecond;
        --seconds;
    }
    if (!dt::seconds2tm(seconds, &out->tm)) return dt::DTERR_FIELD_OVERFLOW;
    out->nanos = static_cast<int>(rest * 1000);
    return 0;
}

int ConvertTimestampToChars(OCIError *errhp, char *buf, std::size_t size, const char *value, int length) noexcept {
    dt::DecodedDateTime d;
    if (read_server_datetime(value, length, 1, &d) != 0) {
        AddErrorRecordMsg(errhp, OCI_ERROR, "timestamp out of range");
        return -1;
    }
    if (d.kind != dt::DateTimeKind::Value) return dt::EncodeSpecial(d.kind, buf, size);
    return dt::EncodeDateTime(d.tm, d.nanos, nullptr, buf, size);
}

VSK_FETCH_CONVERSION(ConvertTIMESTAMPOIDToSQLT_DAT) {
    if (*lengthp < dt::kDateSize) return -1;
    return fetch_datetime(errhp, value, length, format, indp, rcodep, Source::Column, [&](const dt::DecodedDateTime &d) {
        return to_date_bytes(errhp, d, true, destination, lengthp);
    });
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_DAT) {
    if (*lengthp < dt::kDateSize) return -1;
    return fetch_datetime(errhp, value, length, format, indp, rcodep, Source::Text, [&](const dt::DecodedDateTime &d) {
        return to_date_bytes(errhp, d, false, destination, lengthp);
    });
}

namespace {

int fetch_ocidate(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp,
                  sb2 *indp, ub2 *rcodep, Source source) {
    if (*lengthp < dt::kOCIDateSize) return -1;
    std::memset(destination, 0, sizeof(OCIDate));
    return fetch_datetime(errhp, value, length, format, indp, rcodep, source, [&](const dt::DecodedDateTime &d) {
        return to_ocidate(errhp, d, destination, lengthp);
    });
}

int fetch_descriptor(OCIError *errhp, const char *value, int length, int format, void *destination, ub4 *lengthp,
                     sb2 *indp, ub2 *rcodep, Source source, Part part) {
    return fetch_datetime(errhp, value, length, format, indp, rcodep, source, [&](const dt::DecodedDateTime &d) {
        return to_descriptor(errhp, d, part, destination, lengthp);
    });
}

}  // namespace

VSK_FETCH_CONVERSION(ConvertTIMESTAMPOIDToSQLT_ODT) {
    return fetch_ocidate(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Column);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_ODT) {
    return fetch_ocidate(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Text);
}

VSK_FETCH_CONVERSION(ConvertTIMESTAMPOIDToSQLT_DATE) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Column,
                            Part::Date);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_DATE) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Text,
                            Part::Date);
}

VSK_FETCH_CONVERSION(ConvertTIMESTAMPOIDToSQLT_TIMESTAMP) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Column,
                            Part::Timestamp);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_TIMESTAMP) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Text,
                            Part::Timestamp);
}

// A timestamp without zone has no zone to give.
VSK_FETCH_CONVERSION(ConvertTIMESTAMPOIDToSQLT_TIMESTAMP_TZ) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Column,
                            Part::Timestamp);
}

VSK_FETCH_CONVERSION(ConvertTIMESTAMPTZOIDToSQLT_TIMESTAMP_TZ) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Column,
                            Part::Zoned);
}

VSK_FETCH_CONVERSION(ConvertTEXTOIDToSQLT_TIMESTAMP_TZ) {
    return fetch_descriptor(errhp, value, length, format, destination, lengthp, indp, rcodep, Source::Text,
                            Part::Zoned);
}

VSK_FETCH_CONVERSION(ConvertINTERVALOIDToSQLT_INTERVAL_DS) {
    if (indp) *indp = 0;
    if (empty_datetime(value, length, format)) return null_result(errhp, indp, rcodep);
    IntervalValue *v = destination ? interval_value(*static_cast<OCIInterval **>(destination)) : nullptr;
    if (!v) return -1;
    dt::IntervalParts p;
    if (format != 0 || dt::read_interval(value, static_cast<std::size_t>(length), &p) != 0)
        return failure(errhp, kErrIntervalInternal);
    dt::justify_hours(&p);
    if (p.months < INT32_MIN || p.months > INT32_MAX || p.days < INT32_MIN || p.days > INT32_MAX)
        return failure(errhp, kErrIntervalInternal);
    v->months = static_cast<sb4>(p.months);
    v->days = static_cast<sb4>(p.days);
    v->time = static_cast<double>(p.micros) / kMicrosPerSecond;
    *lengthp = kDescriptorLength;
    return 0;
}

}  // namespace vsk
