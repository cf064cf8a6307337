// The application's date and time layouts: the 7-byte DATE, OCIDate and the OCIDateTime
// payload, each read into and written from a broken-down time.
#pragma once

#include <oci.h>

#include "datetime/calendar.h"
#include "datetime/descriptors.h"

namespace vsk::dt {

constexpr int kDateSize = 7;
constexpr int kOCIDateSize = 8;

// Date fields, and the time fields when withTime is set (else they are zero).
void DecodeOracleDATE(const ub1 *date, BrokenDownTime *tm, bool withTime) noexcept;
// The 7 bytes; without withTime the time bytes are 1 (midnight).
void EncodeOracleDATE(ub1 *date, const BrokenDownTime &tm, bool withTime) noexcept;

void DecodeOracleOCIDate(const OCIDate *date, BrokenDownTime *tm, bool withTime) noexcept;
void EncodeOracleOCIDate(OCIDate *date, const BrokenDownTime &tm, bool withTime) noexcept;
void SetOracleOCIDate(OCIDate *date, int year, int month, int day, int hour, int minute, int second) noexcept;

// The OCIDate validity flags (OCI_DATE_INVALID_DAY and the rest); 0 for a valid date.
unsigned check_ocidate(const OCIDate *date) noexcept;

// Date, time and fraction (nanoseconds, stored big-endian); with withZone also the zone
// fields and text from tm.tm_gmtoff.
void EncodeOracleOCIDateTime(DateTimeValue *v, const BrokenDownTime &tm, bool withZone, int nanos) noexcept;
// Only the zone fields and text, from an offset east of UTC in seconds.
void set_zone(DateTimeValue *v, int eastSeconds) noexcept;
// The payload into tm; with withZone the offset (for a local-zone value the current zone
// when it is the stored one) and the zone text as the zone name.
void DecodeOracleOCIDateTime(const DateTimeValue *v, BrokenDownTime *tm, int *nanos, bool withZone) noexcept;

// The stored fraction in nanoseconds.
ub4 fraction_of(const DateTimeValue *v) noexcept;
void set_fraction(DateTimeValue *v, ub4 nanos) noexcept;

// The instant as seconds since 2000-01-01 00:00:00 in UTC for the zone types (the stored
// zone; for a local-zone value the stored zone hour and minute), as the fields read for
// the others. False when the fields are outside the calendar.
bool ConvertOCIDateTimeToTimestamp(const DateTimeValue *v, double *ts) noexcept;
// Writes the instant back: in the descriptor's own zone for the zone types.
bool ConvertOCIDateTimeFromTimestamp(DateTimeValue *v, double ts) noexcept;
// The exact forms of the two, whole seconds and nanoseconds apart.
bool datetime_to_seconds(const DateTimeValue *v, std::int64_t *seconds, int *nanos) noexcept;
bool datetime_from_seconds(DateTimeValue *v, std::int64_t seconds, int nanos) noexcept;

// The stored offset east that a value of its type carries (0 for date and timestamp).
int stored_offset_east(const DateTimeValue *v) noexcept;

}  // namespace vsk::dt
