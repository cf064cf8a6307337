// The calendar every date and time value passes through: the broken-down time, Julian day
// numbers, the internal timestamp (seconds since 2000-01-01 00:00:00) and the local zone.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace vsk::dt {

// One instant split into fields. Years are astronomical: 1 BC is 0, 2 BC is -1.
struct BrokenDownTime {
    int tm_sec = 0;
    int tm_min = 0;
    int tm_hour = 0;
    int tm_mday = 1;
    int tm_mon = 1;  // 1..12
    int tm_year = 2000;
    int tm_wday = 0;  // 0 Sunday
    int tm_yday = 0;  // 1..366 when set
    int tm_isdst = 0;
    std::int64_t tm_gmtoff = 0;  // seconds east of UTC
    const char *tm_zone = nullptr;
};

constexpr int kNanosPerSecond = 1000000000;
constexpr std::int64_t kSecondsPerDay = 86400;
// Julian day of 2000-01-01, the origin of the internal timestamp.
constexpr int kEpochJulian = 2451545;
// Julian day 0 is 24 November 4714 BC (Gregorian); the last valid year.
constexpr int kMaxYear = 5874897;
constexpr int kMinYear = -4713;

extern const int kMonthDays[2][12];

bool is_leap(int year) noexcept;
int days_in_month(int year, int month) noexcept;

// Gregorian date <-> Julian day number, valid over the whole proleptic range.
int date2j(int year, int month, int day) noexcept;
void j2date(int jd, int *year, int *month, int *day) noexcept;
// 0 Sunday .. 6 Saturday.
int j2day(int jd) noexcept;
// Day of the year, 1..366.
int day_of_year(int year, int month, int day) noexcept;

// Whether the fields lie in the range the calendar handles (Julian day 0 to year 5874897).
bool tm_in_range(const BrokenDownTime &tm) noexcept;

// Fields plus a fraction (nanoseconds) as seconds since 2000-01-01 00:00:00; tzWest, when
// given, is the fields' offset west of UTC, added to reach UTC. False outside the range.
bool tm2timestamp(const BrokenDownTime &tm, int nanos, const int *tzWest, double *ts) noexcept;
// The inverse; the fields keep no zone. False outside the range.
bool timestamp2tm(double ts, BrokenDownTime *tm, int *nanos) noexcept;

// The same with whole seconds and nanoseconds kept apart, exact at every precision.
bool tm2seconds(const BrokenDownTime &tm, std::int64_t *seconds) noexcept;
bool seconds2tm(std::int64_t seconds, BrokenDownTime *tm) noexcept;

// Year, month and day with out-of-range time fields and days carried (see calendar.cpp).
void ConstructTmFromData(BrokenDownTime *tm, int year, int month, int day, int hour, int minute,
                         int second) noexcept;

// The offset east of UTC, in seconds, that the process's local zone (TZ) gives the local
// date and time of tm; the current offset when the C library cannot place it.
int local_offset_east(const BrokenDownTime &tm) noexcept;
// The offset east of UTC the local zone has at the instant of utcSeconds (seconds since
// 2000-01-01 00:00:00 UTC); the current offset when the C library cannot place it.
int local_offset_at(std::int64_t utcSeconds) noexcept;
// The current local offset: returns it in seconds west of UTC, and the zone's hour (east
// positive) and minute when those are given.
int GetCurrTimeZone(int *zoneHour, int *zoneMinute) noexcept;
// The current local date and time, whole seconds, with its offset.
void current_local_time(BrokenDownTime *tm) noexcept;

// Whole days out of a time part counted in units of which perDay make a day, then days and
// time given one sign (a negative remainder borrows a day).
template <class Days, class Time>
void keep_one_sign(Days &days, Time &time, Time perDay) noexcept {
    Time whole;
    if constexpr (std::is_floating_point_v<Time>) whole = std::trunc(time / perDay);
    else whole = time / perDay;
    time -= whole * perDay;
    days += static_cast<Days>(whole);
    if (days > 0 && time < 0) {
        time += perDay;
        --days;
    } else if (days < 0 && time > 0) {
        time -= perDay;
        ++days;
    }
}

// Zone text "+HH:MM" (sign of the east offset, "+" for 0) into buf of at least 7 bytes.
void write_zone_text(char *buf, int eastSeconds) noexcept;

}  // namespace vsk::dt
