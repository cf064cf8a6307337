// Construction, zones, conversion, arithmetic, comparison and the array form of OCIDateTime
// payloads.
#include "datetime/datetime_ops.h"

#include <oci.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "datetime/layouts.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr std::int64_t kNanos = kNanosPerSecond;

bool zoned(const DateTimeValue *v) { return v->type == OCI_DTYPE_TIMESTAMP_TZ || v->type == OCI_DTYPE_TIMESTAMP_LTZ; }

void clear_zone(DateTimeValue *v) {
    std::memset(v->zoneText, 0, sizeof v->zoneText);
    v->zoneOffset = 0;
    v->zoneHour = 0;
    v->zoneMinute = 0;
    v->zoneSecond = 0;
}

// Seconds and nanoseconds with one sign.
void normalise(std::int64_t *seconds, std::int64_t *nanos) {
    *seconds += *nanos / kNanos;
    *nanos %= kNanos;
    if (*seconds > 0 && *nanos < 0) {
        --*seconds;
        *nanos += kNanos;
    } else if (*seconds < 0 && *nanos > 0) {
        ++*seconds;
        *nanos -= kNanos;
    }
}

// A count of seconds (fraction included) as whole seconds and nanoseconds; false beyond
// any date.
bool split_seconds(double t, std::int64_t *whole, std::int64_t *nanos) {
    if (!std::isfinite(t) || std::fabs(t) > 1e15) return false;
    const double w = std::trunc(t);
    *whole = static_cast<std::int64_t>(w);
    *nanos = static_cast<std::int64_t>(std::llround((t - w) * 1e9));
    return true;
}

// Seconds and nanoseconds from 2000-01-01 UTC into the payload, its own type and zone
// deciding the fields; false when the year does not fit the layout.
bool write_instant(DateTimeValue *out, std::int64_t seconds, std::int64_t nanos) {
    if (nanos < 0) {
        --seconds;
        nanos += kNanos;
    }
    BrokenDownTime probe;
    if (!seconds2tm(seconds + stored_offset_east(out), &probe)) return false;
    if (probe.tm_year < -32768 || probe.tm_year > 32767) return false;
    return datetime_from_seconds(out, seconds, static_cast<int>(nanos));
}

}  // namespace

bool DecodeTZ(const char *text, std::size_t length, int *east) noexcept {
    std::size_t i = 0;
    int sign = 1;
    if (i < length && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
    int hours = 0, digits = 0;
    while (i < length && ascii_isdigit(text[i]) && digits < 2) hours = hours * 10 + (text[i++] - '0'), ++digits;
    if (digits == 0) return false;
    int minutes = 0;
    if (i < length && text[i] == ':') {
        ++i;
        digits = 0;
        while (i < length && ascii_isdigit(text[i]) && digits < 2) minutes = minutes * 10 + (text[i++] - '0'), ++digits;
        if (digits == 0) return false;
    }
    if (i != length) return false;
    const int h = sign * hours;
    if (h < -12 || h > 14 || minutes > 59) return false;
    *east = sign * (hours * 60 + minutes) * 60;
    return true;
}

unsigned construct(DateTimeValue *v, const ConstructArgs &a) noexcept {
    v->date = OCIDate{};
    set_fraction(v, 0);
    clear_zone(v);
    v->date.OCIDateYYYY = static_cast<sb2>(a.year);
    v->date.OCIDateMM = static_cast<ub1>(a.month);
    v->date.OCIDateDD = static_cast<ub1>(a.day);
    const bool date_only = v->type == OCI_DTYPE_DATE;
    if (!date_only) {
        v->date.OCIDateTime = OCITime{static_cast<ub1>(a.hour), static_cast<ub1>(a.minute), static_cast<ub1>(a.second)};
        set_fraction(v, a.nanos);
    }
    if (zoned(v)) {
        int east = 0;
        if (a.zone && a.zoneLength) {
            if (!DecodeTZ(a.zone, a.zoneLength, &east)) {
                v->zoneMinute = 0;
                return kErrNotInitialised;
            }
        } else {
            BrokenDownTime local;
            local.tm_year = a.year, local.tm_mon = a.month, local.tm_mday = a.day;
            local.tm_hour = a.hour, local.tm_min = a.minute, local.tm_sec = a.second;
            east = local_offset_east(local);
        }
        const int abs_east = std::abs(east);
        v->zoneOffset = east;
        v->zoneHour = static_cast<sb1>(east < 0 ? -(abs_east / 3600) : abs_east / 3600);
        v->zoneMinute = static_cast<ub1>((abs_east / 60) % 60);
    }
    if (a.year == 0 && a.month == 0) return a.day != 0 ? kErrBadYear : kErrYearMonthZero;
    if (a.year == 0 || a.year > 9999) return kErrBadYear;
    if (a.day == 0) return OCI_DT_INVALID_DAY | OCI_DT_DAY_BELOW_VALID;
    if (a.month > 12) return OCI_DT_INVALID_MONTH;
    if (a.month == 0) return OCI_DT_INVALID_MONTH | OCI_DT_MONTH_BELOW_VALID;
    if (a.day > days_in_month(a.year, a.month) || a.day > 127) return OCI_DT_INVALID_DAY;
    if (v->type == OCI_DTYPE_TIMESTAMP) {
        if (a.hour > 23) return OCI_DT_INVALID_HOUR;
        if (a.minute > 59) return OCI_DT_INVALID_MINUTE;
        if (a.second > 59) return OCI_DT_INVALID_SECOND;
    } else if (v->type == OCI_DTYPE_TIMESTAMP_LTZ) {
        if (a.hour > 23) return OCI_DT_INVALID_HOUR;
        if (a.second > 59) return OCI_DT_INVALID_SECOND;
        const int minutes = v->zoneHour < 0 ? -static_cast<int>(v->zoneMinute) : v->zoneMinute;
        set_zone(v, v->zoneHour * 3600 + minutes * 60);
    } else if (v->type == OCI_DTYPE_TIMESTAMP_TZ) {
        if (a.hour >= 128) return OCI_DT_INVALID_HOUR;
        if (a.minute >= 128) return OCI_DT_INVALID_MINUTE;
        if (a.second >= 128) return OCI_DT_INVALID_SECOND;
        if (a.hour > 23 && v->zoneHour == 0) return OCI_DT_INVALID_HOUR;
        set_zone(v, v->zoneOffset);
    }
    BrokenDownTime tm;
    if (date_only) {
        ConstructTmFromData(&tm, a.year, a.month, a.day, 0, 0, 0);
    } else {
        ConstructTmFromData(&tm, a.year, a.month, a.day, a.hour, a.minute, a.second);
    }
    EncodeOracleOCIDate(&v->date, tm, !date_only);
    v->initialised = 1;
    return 0;
}

unsigned check_datetime(const DateTimeValue *v) noexcept {
    unsigned flags = check_ocidate(&v->date);
    if (zoned(v) && (v->zoneHour < -12 || v->zoneHour > 14 || v->zoneMinute >= 60)) flags |= OCI_DT_INVALID_TIMEZONE;
    return flags;
}

int zone_offset_of(const DateTimeValue *v) noexcept {
    if (!zoned(v)) return 0;
    BrokenDownTime tm;
    DecodeOracleOCIDateTime(v, &tm, nullptr, true);
    return static_cast<int>(tm.tm_gmtoff);
}

BrokenDownTime shifted(const DateTimeValue *v, int east, int *nanos) noexcept {
    BrokenDownTime tm;
    std::int64_t seconds = 0;
    int ns = 0;
    if (!datetime_to_seconds(v, &seconds, &ns) || !seconds2tm(seconds + east, &tm)) {
        DecodeOracleOCIDateTime(v, &tm, &ns, false);
    }
    tm.tm_gmtoff = east;
    if (nanos) *nanos = ns;
    return tm;
}

unsigned convert(const DateTimeValue *in, DateTimeValue *out) noexcept {
    BrokenDownTime tm;
    int nanos = 0;
    DecodeOracleOCIDateTime(in, &tm, &nanos, false);
    int east = zoned(in) ? stored_offset_east(in) : 0;
    std::int64_t utc = 0;
    const bool placed = datetime_to_seconds(in, &utc, nullptr);
    // A local-zone value is first moved into the local zone; a zoned value becoming a
    // local-zone one keeps its instant.
    const bool to_local = in->type == OCI_DTYPE_TIMESTAMP_LTZ ||
                          (in->type == OCI_DTYPE_TIMESTAMP_TZ && out->type == OCI_DTYPE_TIMESTAMP_LTZ);
    if (to_local && placed) {
        east = local_offset_at(utc);
        tm = shifted(in, east, &nanos);
    } else if (!zoned(in)) {
        east = local_offset_east(tm);
    }
    const bool date_only = out->type == OCI_DTYPE_DATE;
    if (tm.tm_year < -32768 || tm.tm_year > 32767) return kErrDatetimeInternal;
    EncodeOracleOCIDate(&out->date, tm, !date_only);
    set_fraction(out, date_only ? 0u : static_cast<ub4>(nanos));
    clear_zone(out);
    if (zoned(out)) set_zone(out, east);
    out->initialised = 1;
    return 0;
}

unsigned add_interval(const DateTimeValue *in, const IntervalValue *iv, bool subtract, DateTimeValue *out) noexcept {
    const std::int64_t sign = subtract ? -1 : 1;
    BrokenDownTime tm;
    int nanos = 0;
    DecodeOracleOCIDateTime(in, &tm, &nanos, false);
    if (in->type == OCI_DTYPE_DATE) nanos = 0;
    // Months move the local date; a day past the new month's end becomes its last day.
    const std::int64_t m = std::int64_t{tm.tm_mon} - 1 + sign * iv->months;
    const std::int64_t years = m >= 0 ? m / 12 : -((-m + 11) / 12);
    const std::int64_t year = tm.tm_year + years;
    const int month = static_cast<int>(m - years * 12) + 1;
    if (year < kMinYear || year > kMaxYear) return kErrDatetimeInternal;
    const int day = std::min(tm.tm_mday, days_in_month(static_cast<int>(year), month));
    // Then days through the Julian day, then the time part, in UTC.
    BrokenDownTime moved = tm;
    moved.tm_year = static_cast<int>(year);
    moved.tm_mon = month;
    moved.tm_mday = day;
    std::int64_t seconds = 0;
    if (!tm2seconds(moved, &seconds)) return kErrDatetimeInternal;
    seconds -= zoned(in) ? stored_offset_east(in) : 0;
    std::int64_t whole = 0, frac = 0;
    if (!split_seconds(iv->time, &whole, &frac)) return kErrDatetimeInternal;
    seconds += sign * (std::int64_t{iv->days} * kSecondsPerDay + whole);
    std::int64_t ns = nanos + sign * frac;
    seconds += ns / kNanos;
    ns %= kNanos;
    if (!write_instant(out, seconds, ns)) return kErrDatetimeInternal;
    out->initialised = 1;
    return 0;
}

unsigned subtract(const DateTimeValue *a, const DateTimeValue *b, IntervalValue *out) noexcept {
    std::int64_t sa, sb;
    int na, nb;
    if (!datetime_to_seconds(a, &sa, &na) || !datetime_to_seconds(b, &sb, &nb)) return kErrDatetimeInternal;
    std::int64_t seconds = sa - sb, nanos = na - nb;
    normalise(&seconds, &nanos);
    std::int64_t days = seconds / kSecondsPerDay;
    const std::int64_t rest = seconds - days * kSecondsPerDay;
    const std::int64_t months = days / 30;
    days -= months * 30;
    out->months = static_cast<sb4>(months);
    out->days = static_cast<sb4>(days);
    out->time = static_cast<double>(rest) + static_cast<double>(nanos) / 1e9;
    out->initialised = 1;
    return 0;
}

unsigned compare(const DateTimeValue *a, const DateTimeValue *b, int *result) noexcept {
    if (a->type != b->type) return kErrNotComparable;
    std::int64_t sa, sb;
    int na, nb;
    if (!datetime_to_seconds(a, &sa, &na) || !datetime_to_seconds(b, &sb, &nb)) return kErrDatetimeInternal;
    const std::int64_t ua = na / 1000, ub = nb / 1000;
    *result = sa != sb ? (sa < sb ? -1 : 1) : (ua != ub ? (ua < ub ? -1 : 1) : 0);
    return 0;
}

namespace {

std::uint32_t array_size(const DateTimeValue *v) {
    switch (v->type) {
    case OCI_DTYPE_DATE: return 4;
    case OCI_DTYPE_TIMESTAMP:
    case OCI_DTYPE_TIMESTAMP_LTZ: return 7;
    case OCI_DTYPE_TIMESTAMP_TZ: return 13;
    default: return 0;
    }
}

}  // namespace

unsigned to_array(const DateTimeValue *v, unsigned char *out, std::uint32_t *length) noexcept {
    const std::uint32_t need = array_size(v);
    if (need == 0) return kErrInvalidClass;
    std::memset(out, 0, *length);
    if (*length < need) return kErrDatetimeInternal;
    BrokenDownTime tm;
    DecodeOracleOCIDateTime(v, &tm, nullptr, false);
    if (v->type == OCI_DTYPE_TIMESTAMP_TZ) tm = shifted(v, 0, nullptr);
    if (tm.tm_year / 100 + 100 < 0 || tm.tm_year / 100 + 100 > 255) return kErrDatetimeInternal;
    unsigned char date[kDateSize];
    EncodeOracleDATE(date, tm, true);
    std::memcpy(out, date, need < kDateSize ? need : kDateSize);
    if (v->type == OCI_DTYPE_TIMESTAMP_TZ) {
        std::memcpy(out + 7, &v->fraction, 4);
        const int sign = v->zoneOffset < 0 ? -1 : 1;
        out[11] = static_cast<unsigned char>(v->zoneHour + 20);
        out[12] = static_cast<unsigned char>(sign * v->zoneMinute + 60);
    }
    *length = need;
    return 0;
}

unsigned from_array(DateTimeValue *v, const unsigned char *in, std::uint32_t length) noexcept {
    const std::uint32_t need = array_size(v);
    if (need == 0) return kErrInvalidClass;
    if (length < need) return kErrDatetimeInternal;
    BrokenDownTime tm;
    DecodeOracleDATE(in, &tm, need >= kDateSize);
    if (tm.tm_mon < 1 || tm.tm_mon > 12 || tm.tm_mday < 1 || tm.tm_mday > days_in_month(tm.tm_year, tm.tm_mon) ||
        tm.tm_hour < 0 || tm.tm_hour > 23 || tm.tm_min < 0 || tm.tm_min > 59 || tm.tm_sec < 0 || tm.tm_sec > 59 ||
        !tm_in_range(tm))
        return kErrDatetimeInternal;
    int nanos = 0;
    int east = 0;
    if (v->type == OCI_DTYPE_TIMESTAMP_TZ) {
        ub4 be;
        std::memcpy(&be, in + 7, 4);
        DateTimeValue probe{};
        probe.fraction = be;
        nanos = static_cast<int>(fraction_of(&probe));
        if (nanos >= kNanosPerSecond) return kErrDatetimeInternal;
        const int hour = in[11] - 20, minute = in[12] - 60;
        if (hour < -12 || hour > 14 || minute < -59 || minute > 59) return kErrDatetimeInternal;
        east = hour * 3600 + minute * 60;
        std::int64_t utc;
        if (!tm2seconds(tm, &utc) || !seconds2tm(utc + east, &tm)) return kErrDatetimeInternal;
    } else if (v->type == OCI_DTYPE_TIMESTAMP_LTZ) {
        east = local_offset_east(tm);
    }
    tm.tm_gmtoff = east;
    EncodeOracleOCIDateTime(v, tm, zoned(v), nanos);
    if (!zoned(v)) clear_zone(v);
    v->initialised = 1;
    return 0;
}

}  // namespace vsk::dt
