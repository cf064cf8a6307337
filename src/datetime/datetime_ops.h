// The operations behind the OCIDateTime and OCIInterval calls, on the descriptor payloads:
// construction and its checks, zones, conversion between types, arithmetic, comparison,
// the array layout and the interval text forms. Each returns 0 or the number of the error
// its caller records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "datetime/calendar.h"
#include "datetime/descriptors.h"

namespace vsk::dt {

constexpr unsigned kErrNotComparable = 1870;
constexpr unsigned kErrFieldMissing = 1878;
constexpr unsigned kErrDatetimeInternal = 1891;
constexpr unsigned kErrInvalidClass = 1866;
constexpr unsigned kErrInconsistent = 932;
constexpr unsigned kErrNotInitialised = 16384;
constexpr unsigned kErrBadYear = 9216;
constexpr unsigned kErrYearMonthZero = 8207;

// "[+-]H[H][:MM]" with the hour in -12..14 and the minute in 0..59, into seconds east.
bool DecodeTZ(const char *text, std::size_t length, int *east) noexcept;

struct ConstructArgs {
    int year, month, day, hour, minute, second;
    unsigned nanos;
    const char *zone;  // null: the local zone
    std::size_t zoneLength;
};

// OCIDateTimeConstruct on a payload: 0, or the error number (9216 names the year).
unsigned construct(DateTimeValue *v, const ConstructArgs &a) noexcept;

// The check flags of the date and time, plus OCI_DT_INVALID_TIMEZONE for a bad zone.
unsigned check_datetime(const DateTimeValue *v) noexcept;

// The stored zone of a zone type (the current local one for a local-zone value), as
// seconds east.
int zone_offset_of(const DateTimeValue *v) noexcept;

// The fields of v moved into the zone of east seconds (the instant kept).
BrokenDownTime shifted(const DateTimeValue *v, int east, int *nanos) noexcept;

// OCIDateTimeConvert.
unsigned convert(const DateTimeValue *in, DateTimeValue *out) noexcept;

// Adds months, days and seconds (the interval's parts, negated when subtracting).
unsigned add_interval(const DateTimeValue *in, const IntervalValue *iv, bool subtract, DateTimeValue *out) noexcept;
// in1 - in2 as months (30-day blocks), days and seconds with one sign.
unsigned subtract(const DateTimeValue *a, const DateTimeValue *b, IntervalValue *out) noexcept;
// -1, 0, 1; the instants in UTC with the fraction at microsecond precision.
unsigned compare(const DateTimeValue *a, const DateTimeValue *b, int *result) noexcept;

// The DATE-based array form: 4, 7 or 13 bytes by type.
unsigned to_array(const DateTimeValue *v, unsigned char *out, std::uint32_t *length) noexcept;
unsigned from_array(DateTimeValue *v, const unsigned char *in, std::uint32_t length) noexcept;

// Interval fields.
struct DaySecond {
    std::int64_t days, hours, minutes, seconds, nanos;
};
DaySecond day_second(const IntervalValue *v) noexcept;
void justify(IntervalValue *v) noexcept;
unsigned interval_combine(const IntervalValue *a, const IntervalValue *b, bool subtract, IntervalValue *out) noexcept;
// Multiplied (or divided) by f, by the day and month carrying rules.
unsigned interval_scale(const IntervalValue *in, double f, bool divide, IntervalValue *out) noexcept;
unsigned interval_from_number(IntervalValue *v, double x) noexcept;
double interval_to_number(const IntervalValue *v) noexcept;
unsigned interval_check(const IntervalValue *v) noexcept;
int interval_compare(const IntervalValue *a, const IntervalValue *b) noexcept;
// "+DD HH:MM:SS.ff" or "+YY-MM".
std::string interval_text(const IntervalValue *v);
unsigned interval_from_text(IntervalValue *v, const char *text, std::size_t length) noexcept;

}  // namespace vsk::dt
