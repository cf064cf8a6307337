// The server's date/time and interval text: the field splitter, the readers of dates,
// times, zones and intervals (verbose, SQL standard and ISO 8601 forms) and the writers
// of the ISO timestamp form and the verbose interval form.
#pragma once

#include <cstddef>
#include <cstdint>

#include "datetime/calendar.h"

namespace vsk::dt {

constexpr int kMaxFields = 25;
// Room for the fields' characters, each with its terminator.
constexpr std::size_t kWorkBufferSize = 88;

enum FieldType { FT_NUMBER, FT_STRING, FT_DATE, FT_TIME, FT_TZ };

// Reader results: 0, or one of these.
enum DateTimeError {
    DTERR_BAD_FORMAT = -1,
    DTERR_FIELD_OVERFLOW = -2,
    DTERR_MD_FIELD_OVERFLOW = -3,  // a day beyond its month
    DTERR_INTERVAL_OVERFLOW = -4,
    DTERR_TZDISP_OVERFLOW = -5,
};

// The text split into lower-cased fields: at most kMaxFields, all within the work buffer.
struct DateTimeFields {
    char buffer[kWorkBufferSize];
    char *field[kMaxFields];
    int ftype[kMaxFields];
    int count = 0;
};

// Splits length bytes of text (stopping at a NUL); DTERR_BAD_FORMAT for characters that
// start no field and for text with more fields or characters than the buffers hold.
int ParseDateTime(const char *text, std::size_t length, DateTimeFields *out) noexcept;

// How dates written with three numbers are read when the year does not come first.
enum class DateOrder { MDY, DMY, YMD };

enum class DateTimeKind { Value, Infinity, MinusInfinity };

struct DecodedDateTime {
    DateTimeKind kind = DateTimeKind::Value;
    BrokenDownTime tm;  // tm_gmtoff holds the offset east when hasZone
    int nanos = 0;
    int tzWest = 0;
    bool hasZone = false;
};

int DecodeDateTime(const DateTimeFields &f, DateOrder order, DecodedDateTime *out) noexcept;

// Both steps, with the server's ISO output read directly. Slash dates are month first,
// dotted ones day first.
int read_datetime(const char *text, std::size_t length, DecodedDateTime *out) noexcept;

struct IntervalParts {
    std::int64_t months = 0;
    std::int64_t days = 0;
    std::int64_t micros = 0;
};

int DecodeInterval(const DateTimeFields &f, IntervalParts *out) noexcept;
int DecodeISO8601Interval(const char *text, std::size_t length, IntervalParts *out) noexcept;
// The fields read by DecodeInterval, or, when they are not in its forms, the text read as
// an ISO 8601 duration.
int read_interval(const char *text, std::size_t length, IntervalParts *out) noexcept;

// Whole days out of the time part, days and time given one sign.
void justify_hours(IntervalParts *p) noexcept;

// ISO text of a broken-down time and fraction, with the zone when tzWest is given;
// the length written, or -1 when it does not fit size bytes with its NUL.
int EncodeDateTime(const BrokenDownTime &tm, int nanos, const int *tzWest, char *buf, std::size_t size) noexcept;
int EncodeSpecial(DateTimeKind kind, char *buf, std::size_t size) noexcept;
// The verbose interval text ("@ 1 day 2 hours 3.25 secs", " ago" when negative).
int EncodeInterval(std::int64_t months, std::int64_t days, double seconds, char *buf, std::size_t size) noexcept;

// Reads a zone offset "+HH", "+HH:MM", "+HH:MM:SS" or "+HHMM" (hours up to 14, minutes
// and seconds up to 59) into seconds east; false when it is none.
bool read_numeric_zone(const char *text, std::size_t length, int *east) noexcept;
// A zone abbreviation of the built-in table (lower case) into seconds east.
bool zone_abbreviation(const char *name, int *east) noexcept;

}  // namespace vsk::dt
