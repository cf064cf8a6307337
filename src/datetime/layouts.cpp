#include "datetime/layouts.h"

#include <cstdlib>
#include <cstring>

namespace vsk::dt {

namespace {

ub4 to_big_endian(ub4 v) noexcept {
    ub1 b[4] = {static_cast<ub1>(v >> 24), static_cast<ub1>(v >> 16), static_cast<ub1>(v >> 8), static_cast<ub1>(v)};
    ub4 out;
    std::memcpy(&out, b, sizeof out);
    return out;
}

ub4 from_big_endian(ub4 v) noexcept {
    ub1 b[4];
    std::memcpy(b, &v, sizeof v);
    return (ub4{b[0]} << 24) | (ub4{b[1]} << 16) | (ub4{b[2]} << 8) | ub4{b[3]};
}

bool has_zone(const DateTimeValue *v) noexcept {
    return v->type == OCI_DTYPE_TIMESTAMP_TZ || v->type == OCI_DTYPE_TIMESTAMP_LTZ;
}

// The offset the stored zone hour and minute give, the minute taking the hour's sign.
int zone_fields_offset(const DateTimeValue *v) noexcept {
    const int minutes = v->zoneHour < 0 ? -static_cast<int>(v->zoneMinute) : v->zoneMinute;
    return v->zoneHour * 3600 + minutes * 60;
}

}  // namespace

void DecodeOracleDATE(const ub1 *date, BrokenDownTime *tm, bool withTime) noexcept {
    tm->tm_year = (date[0] - 100) * 100 + (date[1] - 100);
    tm->tm_mon = date[2];
    tm->tm_mday = date[3];
    tm->tm_hour = withTime ? date[4] - 1 : 0;
    tm->tm_min = withTime ? date[5] - 1 : 0;
    tm->tm_sec = withTime ? date[6] - 1 : 0;
}

void EncodeOracleDATE(ub1 *date, const BrokenDownTime &tm, bool withTime) noexcept {
    const int century = tm.tm_year / 100;
    date[0] = static_cast<ub1>(century + 100);
    date[1] = static_cast<ub1>(tm.tm_year - 100 * century + 100);
    date[2] = static_cast<ub1>(tm.tm_mon);
    date[3] = static_cast<ub1>(tm.tm_mday);
    date[4] = static_cast<ub1>(withTime ? tm.tm_hour + 1 : 1);
    date[5] = static_cast<ub1>(withTime ? tm.tm_min + 1 : 1);
    date[6] = static_cast<ub1>(withTime ? tm.tm_sec + 1 : 1);
}

void DecodeOracleOCIDate(const OCIDate *date, BrokenDownTime *tm, bool withTime) noexcept {
    tm->tm_year = date->OCIDateYYYY;
    tm->tm_mon = date->OCIDateMM;
    tm->tm_mday = date->OCIDateDD;
    tm->tm_hour = withTime ? date->OCIDateTime.OCITimeHH : 0;
    tm->tm_min = withTime ? date->OCIDateTime.OCITimeMI : 0;
    tm->tm_sec = withTime ? date->OCIDateTime.OCITimeSS : 0;
}

void EncodeOracleOCIDate(OCIDate *date, const BrokenDownTime &tm, bool withTime) noexcept {
    SetOracleOCIDate(date, tm.tm_year, tm.tm_mon, tm.tm_mday, withTime ? tm.tm_hour : 0, withTime ? tm.tm_min : 0,
                     withTime ? tm.tm_sec : 0);
}

void SetOracleOCIDate(OCIDate *date, int year, int month, int day, int hour, int minute, int second) noexcept {
    date->OCIDateYYYY = static_cast<sb2>(year);
    date->OCIDateMM = static_cast<ub1>(month);
    date->OCIDateDD = static_cast<ub1>(day);
    date->OCIDateTime.OCITimeHH = static_cast<ub1>(hour);
    date->OCIDateTime.OCITimeMI = static_cast<ub1>(minute);
    date->OCIDateTime.OCITimeSS = static_cast<ub1>(second);
}

unsigned check_ocidate(const OCIDate *d) noexcept {
    unsigned flags = 0;
    const int y = d->OCIDateYYYY, m = d->OCIDateMM, day = d->OCIDateDD;
    if (m < 1 || m > 12) {
        flags |= OCI_DATE_INVALID_MONTH;
        if (m == 0) flags |= OCI_DATE_MONTH_BELOW_VALID;
        if (day < 1 || day > 31) flags |= OCI_DATE_INVALID_DAY;
        if (day == 0) flags |= OCI_DATE_DAY_BELOW_VALID;
    } else if (day == 0) {
        flags |= OCI_DATE_INVALID_DAY | OCI_DATE_DAY_BELOW_VALID;
    } else if (day > days_in_month(y, m)) {
        flags |= OCI_DATE_INVALID_DAY;
    }
    if (y < -4712 || y > 9999) flags |= OCI_DATE_INVALID_YEAR;
    if (y < -4712) flags |= OCI_DATE_YEAR_BELOW_VALID;
    if (y == 0) flags |= OCI_DATE_YEAR_ZERO;
    if (d->OCIDateTime.OCITimeHH >= 24) flags |= OCI_DATE_INVALID_HOUR;
    if (d->OCIDateTime.OCITimeMI >= 60) flags |= OCI_DATE_INVALID_MINUTE;
    if (d->OCIDateTime.OCITimeSS >= 60) flags |= OCI_DATE_INVALID_SECOND;
    if (y == 1582 && m == 10 && day >= 5 && day <= 14) flags |= OCI_DATE_DAY_MISSING_FROM_1582;
    return flags;
}

ub4 fraction_of(const DateTimeValue *v) noexcept { return from_big_endian(v->fraction); }
void set_fraction(DateTimeValue *v, ub4 nanos) noexcept { v->fraction = to_big_endian(nanos); }

void set_zone(DateTimeValue *v, int eastSeconds) noexcept {
    const int a = std::abs(eastSeconds);
    v->zoneOffset = eastSeconds;
    v->zoneHour = static_cast<sb1>(eastSeconds < 0 ? -(a / 3600) : a / 3600);
    v->zoneMinute = static_cast<ub1>((a / 60) % 60);
    v->zoneSecond = static_cast<ub1>(a % 60);
    std::memset(v->zoneText, 0, sizeof v->zoneText);
    write_zone_text(v->zoneText, eastSeconds);
}

void EncodeOracleOCIDateTime(DateTimeValue *v, const BrokenDownTime &tm, bool withZone, int nanos) noexcept {
    EncodeOracleOCIDate(&v->date, tm, true);
    set_fraction(v, nanos < 0 ? 0u : static_cast<ub4>(nanos));
    if (withZone) set_zone(v, static_cast<int>(tm.tm_gmtoff));
}

int stored_offset_east(const DateTimeValue *v) noexcept {
    if (v->type == OCI_DTYPE_TIMESTAMP_TZ) return v->zoneOffset;
    if (v->type == OCI_DTYPE_TIMESTAMP_LTZ) return zone_fields_offset(v);
    return 0;
}

void DecodeOracleOCIDateTime(const DateTimeValue *v, BrokenDownTime *tm, int *nanos, bool withZone) noexcept {
    DecodeOracleOCIDate(&v->date, tm, true);
    if (nanos) *nanos = static_cast<int>(fraction_of(v));
    tm->tm_gmtoff = 0;
    tm->tm_zone = nullptr;
    if (!withZone) return;
    if (v->type == OCI_DTYPE_TIMESTAMP_LTZ) {
        int hour = 0, minute = 0;
        const int west = GetCurrTimeZone(&hour, &minute);
        tm->tm_gmtoff = (hour == v->zoneHour && minute == v->zoneMinute) ? -west : zone_fields_offset(v);
    } else {
        tm->tm_gmtoff = v->zoneOffset;
    }
    tm->tm_zone = v->zoneText;
}

bool datetime_to_seconds(const DateTimeValue *v, std::int64_t *seconds, int *nanos) noexcept {
    BrokenDownTime tm;
    DecodeOracleOCIDate(&v->date, &tm, v->type != OCI_DTYPE_DATE);
    std::int64_t s;
    if (!tm2seconds(tm, &s)) return false;
    *seconds = s - (has_zone(v) ? stored_offset_east(v) : 0);
    if (nanos) *nanos = v->type == OCI_DTYPE_DATE ? 0 : static_cast<int>(fraction_of(v));
    return true;
}

bool datetime_from_seconds(DateTimeValue *v, std::int64_t seconds, int nanos) noexcept {
    BrokenDownTime tm;
    if (!seconds2tm(seconds + (has_zone(v) ? stored_offset_east(v) : 0), &tm)) return false;
    const bool date_only = v->type == OCI_DTYPE_DATE;
    EncodeOracleOCIDate(&v->date, tm, !date_only);
    set_fraction(v, date_only ? 0u : static_cast<ub4>(nanos));
    return true;
}

bool ConvertOCIDateTimeToTimestamp(const DateTimeValue *v, double *ts) noexcept {
    std::int64_t s;
    int ns;
    if (!datetime_to_seconds(v, &s, &ns)) return false;
    *ts = static_cast<double>(s) + static_cast<double>(ns) / kNanosPerSecond;
    return true;
}

bool ConvertOCIDateTimeFromTimestamp(DateTimeValue *v, double ts) noexcept {
    BrokenDownTime tm;
    int ns = 0;
    if (!timestamp2tm(ts, &tm, &ns)) return false;
    std::int64_t s;
    if (!tm2seconds(tm, &s)) return false;
    return datetime_from_seconds(v, s, ns);
}

}  // namespace vsk::dt
