#include "datetime/calendar.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vsk::dt {

namespace {

// Floor division and its remainder, for carrying negative fields.
std::int64_t floor_div(std::int64_t a, std::int64_t b) noexcept {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

constexpr int kMaxJulian = 2147483493;  // 5874897-12-31

}  // namespace

const int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                               {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool is_leap(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(int year, int month) noexcept {
    if (month < 1 || month > 12) return 31;
    return kMonthDays[is_leap(year) ? 1 : 0][month - 1];
}

int date2j(int year, int month, int day) noexcept {
    std::int64_t y = year, m = month;
    if (m > 2) {
        m += 1;
        y += 4800;
    } else {
        m += 13;
        y += 4799;
    }
    const std::int64_t century = y / 100;
    std::int64_t julian = y * 365 - 32167;
    julian += y / 4 - century + century / 4;
    julian += 7834 * m / 256 + day;
    return static_cast<int>(julian);
}

void j2date(int jd, int *year, int *month, int *day) noexcept {
    std::uint64_t julian = static_cast<std::uint32_t>(jd);
    julian += 32044;
    std::uint64_t quad = julian / 146097;
    const std::uint64_t extra = (julian - quad * 146097) * 4 + 3;
    julian += 60 + quad * 3 + extra / 146097;
    quad = julian / 1461;
    julian -= quad * 1461;
    std::int64_t y = static_cast<std::int64_t>(julian * 4 / 1461);
    julian = ((y != 0) ? ((julian + 305) % 365) : ((julian + 306) % 366)) + 123;
    y += static_cast<std::int64_t>(quad * 4);
    *year = static_cast<int>(y - 4800);
    quad = julian * 2141 / 65536;
    *day = static_cast<int>(julian - 7834 * quad / 256);
    *month = static_cast<int>((quad + 10) % 12 + 1);
}

int j2day(int jd) noexcept {
    int d = (jd + 1) % 7;
    return d < 0 ? d + 7 : d;
}

int day_of_year(int year, int month, int day) noexcept { return date2j(year, month, day) - date2j(year, 1, 1) + 1; }

bool tm_in_range(const BrokenDownTime &tm) noexcept {
    if (tm.tm_year < kMinYear || tm.tm_year > kMaxYear) return false;
    if (tm.tm_mon < 1 || tm.tm_mon > 12 || tm.tm_mday < 1 || tm.tm_mday > 31) return false;
    const int jd = date2j(tm.tm_year, tm.tm_mon, tm.tm_mday);
    return jd >= 0 && jd <= kMaxJulian;
}

bool tm2seconds(const BrokenDownTime &tm, std::int64_t *seconds) noexcept {
    if (!tm_in_range(tm)) return false;
    const std::int64_t days = static_cast<std::int64_t>(date2j(tm.tm_year, tm.tm_mon, tm.tm_mday)) - kEpochJulian;
    *seconds = days * kSecondsPerDay + std::int64_t{tm.tm_hour} * 3600 + std::int64_t{tm.tm_min} * 60 + tm.tm_sec;
    return true;
}

bool seconds2tm(std::int64_t seconds, BrokenDownTime *tm) noexcept {
    const std::int64_t days = floor_div(seconds, kSecondsPerDay);
    const std::int64_t jd = days + kEpochJulian;
    if (jd < 0 || jd > kMaxJulian) return false;
    std::int64_t rest = seconds - days * kSecondsPerDay;
    j2date(static_cast<int>(jd), &tm->tm_year, &tm->tm_mon, &tm->tm_mday);
    tm->tm_hour = static_cast<int>(rest / 3600);
    rest %= 3600;
    tm->tm_min = static_cast<int>(rest / 60);
    tm->tm_sec = static_cast<int>(rest % 60);
    tm->tm_wday = j2day(static_cast<int>(jd));
    tm->tm_yday = day_of_year(tm->tm_year, tm->tm_mon, tm->tm_mday);
    tm->tm_isdst = 0;
    tm->tm_gmtoff = 0;
    tm->tm_zone = nullptr;
    return true;
}

bool tm2timestamp(const BrokenDownTime &tm, int nanos, const int *tzWest, double *ts) noexcept {
    std::int64_t s;
    if (!tm2seconds(tm, &s)) return false;
    if (tzWest) s += *tzWest;
    *ts = static_cast<double>(s) + static_cast<double>(nanos) / kNanosPerSecond;
    return true;
}

bool timestamp2tm(double ts, BrokenDownTime *tm, int *nanos) noexcept {
    if (!std::isfinite(ts) || std::fabs(ts) > 9.0e15) return false;
    double whole = std::floor(ts);
    // Nanoseconds of the fraction, rounded to the microsecond the double keeps faithfully
    // at the magnitudes of real dates, so 0.5 stays 0.5 and 0.1 does not become 0.0999999.
    double frac = std::round((ts - whole) * 1e6) * 1000.0;
    if (frac >= kNanosPerSecond) {
        whole += 1;
        frac = 0;
    }
    if (!seconds2tm(static_cast<std::int64_t>(whole), tm)) return false;
    if (nanos) *nanos = static_cast<int>(frac);
    return true;
}

void ConstructTmFromData(BrokenDownTime *tm, int year, int month, int day, int hour, int minute,
                         int second) noexcept {
    std::int64_t s = second, mi = minute, h = hour, d = day, mo = month, y = year;
    mi += floor_div(s, 60);
    s -= floor_div(s, 60) * 60;
    h += floor_div(mi, 60);
    mi -= floor_div(mi, 60) * 60;
    d += floor_div(h, 24);
    h -= floor_div(h, 24) * 24;
    y += floor_div(mo - 1, 12);
    mo -= floor_div(mo - 1, 12) * 12;
    // Days beyond the month (or below 1) move through the Julian day of the month's first.
    const std::int64_t jd = date2j(static_cast<int>(y), static_cast<int>(mo), 1) + d - 1;
    if (jd >= 0 && jd <= kMaxJulian) {
        int yy, mm, dd;
        j2date(static_cast<int>(jd), &yy, &mm, &dd);
        y = yy;
        mo = mm;
        d = dd;
    }
    tm->tm_year = static_cast<int>(y);
    tm->tm_mon = static_cast<int>(mo);
    tm->tm_mday = static_cast<int>(d);
    tm->tm_hour = static_cast<int>(h);
    tm->tm_min = static_cast<int>(mi);
    tm->tm_sec = static_cast<int>(s);
}

int local_offset_east(const BrokenDownTime &tm) noexcept {
    struct tm t {};
    t.tm_year = tm.tm_year - 1900;
    t.tm_mon = tm.tm_mon - 1;
    t.tm_mday = tm.tm_mday;
    t.tm_hour = tm.tm_hour;
    t.tm_min = tm.tm_min;
    t.tm_sec = tm.tm_sec;
    t.tm_isdst = -1;
    t.tm_wday = -1;
    // mktime sets tm_wday only when it could place the time (-1 is also a valid result).
    std::mktime(&t);
    if (t.tm_wday < 0) return -GetCurrTimeZone(nullptr, nullptr);
    return static_cast<int>(t.tm_gmtoff);
}

int local_offset_at(std::int64_t utcSeconds) noexcept {
    // 2000-01-01 00:00:00 UTC in Unix seconds.
    constexpr std::int64_t kUnixAt2000 = 946684800;
    const std::time_t t = static_cast<std::time_t>(utcSeconds + kUnixAt2000);
    struct tm out {};
    if (!localtime_r(&t, &out)) return -GetCurrTimeZone(nullptr, nullptr);
    return static_cast<int>(out.tm_gmtoff);
}

int GetCurrTimeZone(int *zoneHour, int *zoneMinute) noexcept {
    const std::time_t now = std::time(nullptr);
    struct tm t {};
    int east = 0;
    if (localtime_r(&now, &t)) east = static_cast<int>(t.tm_gmtoff);
    if (zoneHour) *zoneHour = east / 3600;
    if (zoneMinute) *zoneMinute = (std::abs(east) / 60) % 60;
    return -east;
}

void current_local_time(BrokenDownTime *tm) noexcept {
    const std::time_t now = std::time(nullptr);
    struct tm t {};
    if (!localtime_r(&now, &t)) {
        *tm = BrokenDownTime{};
        return;
    }
    tm->tm_year = t.tm_year + 1900;
    tm->tm_mon = t.tm_mon + 1;
    tm->tm_mday = t.tm_mday;
    tm->tm_hour = t.tm_hour;
    tm->tm_min = t.tm_min;
    tm->tm_sec = t.tm_sec > 59 ? 59 : t.tm_sec;
    tm->tm_wday = t.tm_wday;
    tm->tm_yday = t.tm_yday + 1;
    tm->tm_isdst = t.tm_isdst;
    tm->tm_gmtoff = t.tm_gmtoff;
    tm->tm_zone = nullptr;
}

void write_zone_text(char *buf, int eastSeconds) noexcept {
    const int a = std::abs(eastSeconds);
    std::snprintf(buf, 7, "%c%02d:%02d", eastSeconds < 0 ? '-' : '+', (a / 3600) % 100, (a / 60) % 60);
}

}  // namespace vsk::dt
