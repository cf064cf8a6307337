// Interval payloads: their fields, normalisation, arithmetic with numbers, checks,
// comparison and the two text forms.
#include <oci.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "datetime/datetime_ops.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr double kDaySeconds = 86400;
constexpr double kSecondsPerYear = 31557600;  // 365.25 days

bool fits32(double v) { return std::isfinite(v) && v >= INT32_MIN && v <= INT32_MAX; }
bool fits32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// Rounded to a millionth, as the carries of scaled intervals are.
double round6(double v) { return std::round(v * 1e6) / 1e6; }

}  // namespace

DaySecond day_second(const IntervalValue *v) noexcept {
    DaySecond out{v->days, 0, 0, 0, 0};
    const double t = std::isfinite(v->time) ? v->time : 0;
    out.hours = static_cast<std::int64_t>(std::trunc(t / 3600));
    double rest = t - static_cast<double>(out.hours) * 3600;
    out.minutes = static_cast<std::int64_t>(std::trunc(rest / 60));
    rest -= static_cast<double>(out.minutes) * 60;
    out.seconds = static_cast<std::int64_t>(std::trunc(rest));
    out.nanos = static_cast<std::int64_t>(std::llround((rest - static_cast<double>(out.seconds)) * 1e9));
    if (out.nanos >= 1000000000 || out.nanos <= -1000000000) {
        out.seconds += out.nanos / 1000000000;
        out.nanos %= 1000000000;
    }
    return out;
}

void justify(IntervalValue *v) noexcept { keep_one_sign(v->days, v->time, kDaySeconds); }

unsigned interval_combine(const IntervalValue *a, const IntervalValue *b, bool subtract, IntervalValue *out) noexcept {
    const std::int64_t sign = subtract ? -1 : 1;
    const std::int64_t months = std::int64_t{a->months} + sign * b->months;
    const std::int64_t days = std::int64_t{a->days} + sign * b->days;
    const double time = a->time + static_cast<double>(sign) * b->time;
    if (!fits32(months) || !fits32(days) || !std::isfinite(time)) return kErrDatetimeInternal;
    // Whole days come out of the time part of a day-to-second result (it cannot overflow
    // the days by more than the time part holds, which fits32 on the sum checks below).
    const double carried = static_cast<double>(days) + std::trunc(time / kDaySeconds);
    if (out->type == OCI_DTYPE_INTERVAL_DS && !fits32(carried)) return kErrDatetimeInternal;
    out->months = static_cast<sb4>(months);
    out->days = static_cast<sb4>(days);
    out->time = time;
    if (out->type == OCI_DTYPE_INTERVAL_DS) justify(out);
    out->initialised = 1;
    return 0;
}

unsigned interval_scale(const IntervalValue *in, double f, bool divide, IntervalValue *out) noexcept {
    auto op = [&](double x) { return divide ? x / f : x * f; };
    const double m = op(in->months), d = op(in->days), t = op(in->time);
    if (!fits32(m) || !fits32(d) || !std::isfinite(t)) return kErrDatetimeInternal;
    const double months = std::trunc(m);
    double days = std::trunc(d);
    // Days carried from the month fraction, seconds carried from the day fractions.
    const double c = round6((m - months) * 30);
    double s = round6((d - days + c - std::trunc(c)) * kDaySeconds);
    if (std::trunc(s) < -86399 || std::trunc(s) > 86399) {
        const double k = std::trunc(s / kDaySeconds);
        days += k;
        s -= k * kDaySeconds;
    }
    days += std::trunc(c);
    if (!fits32(days)) return kErrDatetimeInternal;
    out->months = static_cast<sb4>(months);
    out->days = static_cast<sb4>(days);
    out->time = t + s;
    out->initialised = 1;
    return 0;
}

unsigned interval_from_number(IntervalValue *v, double x) noexcept {
    if (v->type == OCI_DTYPE_INTERVAL_YM) {
        // x years: whole months of them.
        const double months = std::trunc(x * 12);
        if (!fits32(months)) return kErrDatetimeInternal;
        v->months = static_cast<sb4>(months);
        v->days = 0;
        v->time = 0;
    } else {
        const double days = std::trunc(x);
        if (!fits32(days)) return kErrDatetimeInternal;
        v->months = 0;
        v->days = static_cast<sb4>(days);
        v->time = (x - days) * kDaySeconds;
    }
    v->initialised = 1;
    return 0;
}

double interval_to_number(const IntervalValue *v) noexcept {
    if (v->type == OCI_DTYPE_INTERVAL_YM)
        return v->time / kSecondsPerYear + v->months / 12.0 + v->days / 365.25;
    return v->time / kDaySeconds + v->days;
}

unsigned interval_check(const IntervalValue *v) noexcept {
    unsigned flags = 0;
    if (v->type == OCI_DTYPE_INTERVAL_DS) {
        const DaySecond f = day_second(v);
        if (f.hours >= -22 && f.hours <= -1) flags |= OCI_INTER_INVALID_HOUR | OCI_INTER_HOUR_BELOW_VALID;
        if (f.hours > 23) flags |= OCI_INTER_INVALID_HOUR;
        if (f.minutes >= -58 && f.minutes <= -1) flags |= OCI_INTER_INVALID_MINUTE | OCI_INTER_MINUTE_BELOW_VALID;
        if (f.minutes > 59) flags |= OCI_INTER_INVALID_MINUTE;
        if (f.seconds >= -58 && f.seconds <= -1) flags |= OCI_INTER_INVALID_SECOND | OCI_INTER_SECOND_BELOW_VALID;
        if (f.seconds > 59) flags |= OCI_INTER_INVALID_SECOND;
        if (f.nanos >= -86398 && f.nanos <= -1) flags |= OCI_INTER_INVALID_FRACSEC | OCI_INTER_FRACSEC_BELOW_VALID;
        if (f.nanos > 86399) flags |= OCI_INTER_INVALID_FRACSEC;
    } else if (v->type == OCI_DTYPE_INTERVAL_YM) {
        const int months = v->months % 12;
        if (months >= -11 && months <= -1) flags |= OCI_INTER_INVALID_MONTH | OCI_INTER_MONTH_BELOW_VALID;
        if (months > 12) flags |= OCI_INTER_INVALID_MONTH;
    }
    return flags;
}

int interval_compare(const IntervalValue *a, const IntervalValue *b) noexcept {
    if (a->months != b->months) return a->months < b->months ? -1 : 1;
    const double x = a->days * kDaySeconds + a->time, y = b->days * kDaySeconds + b->time;
    return x < y ? -1 : (x > y ? 1 : 0);
}

std::string interval_text(const IntervalValue *v) {
    char buf[96];
    if (v->type == OCI_DTYPE_INTERVAL_YM) {
        const long long years = v->months / 12, months = v->months % 12;
        std::snprintf(buf, sizeof buf, "%c%02lld-%02lld", v->months < 0 ? '-' : '+', std::llabs(years),
                      std::llabs(months));
        return buf;
    }
    const DaySecond f = day_second(v);
    const bool negative = f.days < 0 || f.hours < 0 || f.minutes < 0 || f.seconds < 0 || f.nanos < 0;
    std::snprintf(buf, sizeof buf, "%c%02lld %02lld:%02lld:%02lld.%02lld", negative ? '-' : '+',
                  std::llabs(static_cast<long long>(f.days)), std::llabs(static_cast<long long>(f.hours)),
                  std::llabs(static_cast<long long>(f.minutes)), std::llabs(static_cast<long long>(f.seconds)),
                  std::llabs(static_cast<long long>(f.nanos)) / 10000000);
    return buf;
}

namespace {

// Digits into *v (at most 9); false when there are none.
bool digits(const char *&p, const char *end, std::int64_t *v, int max = 9) {
    std::int64_t x = 0;
    int n = 0;
    while (p < end && ascii_isdigit(*p) && n < max) x = x * 10 + (*p++ - '0'), ++n;
    *v = x;
    return n > 0;
}

void skip_blanks(const char *&p, const char *end) {
    while (p < end && *p == ' ') ++p;
}

}  // namespace

unsigned interval_from_text(IntervalValue *v, const char *text, std::size_t length) noexcept {
    const char *p = text, *end = text + length;
    skip_blanks(p, end);
    int sign = 1;
    if (p < end && (*p == '+' || *p == '-')) sign = *p++ == '-' ? -1 : 1;
    std::int64_t first = 0;
    if (!digits(p, end, &first)) return kErrDatetimeInternal;
    if (v->type == OCI_DTYPE_INTERVAL_YM) {
        std::int64_t months = 0;
        if (p >= end || *p++ != '-' || !digits(p, end, &months)) return kErrDatetimeInternal;
        skip_blanks(p, end);
        const std::int64_t total = sign * (first * 12 + months);
        if (p != end || months > 11 || !fits32(total)) return kErrDatetimeInternal;
        v->months = static_cast<sb4>(total);
        v->days = 0;
        v->time = 0;
        v->initialised = 1;
        return 0;
    }
    if (p >= end || *p != ' ') return kErrDatetimeInternal;
    skip_blanks(p, end);
    std::int64_t h = 0, m = 0, s = 0, frac = 0;
    if (!digits(p, end, &h, 2) || p >= end || *p++ != ':' || !digits(p, end, &m, 2) || p >= end || *p++ != ':' ||
        !digits(p, end, &s, 2))
        return kErrDatetimeInternal;
    double fraction = 0;
    if (p < end && *p == '.') {
        ++p;
        const char *start = p;
        if (!digits(p, end, &frac)) return kErrDatetimeInternal;
        fraction = static_cast<double>(frac) / std::pow(10.0, static_cast<double>(p - start));
    }
    skip_blanks(p, end);
    if (p != end || m > 59 || s > 59 || h > 24 || (h == 24 && (m || s || frac)) || !fits32(sign * first))
        return kErrDatetimeInternal;
    v->months = 0;
    v->days = static_cast<sb4>(sign * first);
    v->time = sign * (static_cast<double>(h * 3600 + m * 60 + s) + fraction);
    v->initialised = 1;
    return 0;
}

}  // namespace vsk::dt
