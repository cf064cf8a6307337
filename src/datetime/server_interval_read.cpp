// Reading the server's interval text: its postgres and verbose styles ("1 year 2 mons
// 3 days 04:05:06", "@ 1 day 2 hours ago"), the SQL standard style ("1-2 3 4:05:06") and
// ISO 8601 durations ("P1Y2M3DT4H5M6S").
#include <cmath>
#include <cstring>

#include "datetime/server_text.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr std::int64_t kMicrosPerSecond = 1000000;
constexpr std::int64_t kMicrosPerDay = 86400 * kMicrosPerSecond;
constexpr double kDaysPerMonth = 30;
// Whole parts beyond this are refused, well inside the 64-bit fields after scaling.
constexpr std::int64_t kLargestWhole = 1000000000000LL;

// A signed decimal number: its whole part and its fraction (same sign).
struct Number {
    std::int64_t whole = 0;
    double fraction = 0;
};

// "[+-]digits[.digits]" filling the whole text; false for anything else.
bool read_number(const char *s, std::size_t n, Number *out) {
    std::size_t i = 0;
    int sign = 1;
    if (i < n && (s[i] == '+' || s[i] == '-')) sign = s[i++] == '-' ? -1 : 1;
    std::int64_t whole = 0;
    std::size_t digits = 0;
    for (; i < n && ascii_isdigit(s[i]); ++i, ++digits) {
        whole = whole * 10 + (s[i] - '0');
        if (whole > kLargestWhole) return false;
    }
    double fraction = 0, scale = 0.1;
    if (i < n && s[i] == '.') {
        for (++i; i < n && ascii_isdigit(s[i]); ++i, ++digits, scale /= 10) fraction += (s[i] - '0') * scale;
    }
    if (digits == 0 || i != n) return false;
    out->whole = sign * whole;
    out->fraction = sign * fraction;
    return true;
}

// Checked steps: an interval beyond 64-bit fields is refused, never wrapped.
bool round_micros(double v, std::int64_t *out) {
    if (!(std::fabs(v) < 9.0e18)) return false;
    *out = static_cast<std::int64_t>(std::llround(v));
    return true;
}

bool add_scaled(std::int64_t *field, std::int64_t whole, std::int64_t scale) {
    std::int64_t product;
    return !__builtin_mul_overflow(whole, scale, &product) && !__builtin_add_overflow(*field, product, field);
}

bool add_rounded(std::int64_t *field, double v) {
    std::int64_t r;
    return round_micros(v, &r) && !__builtin_add_overflow(*field, r, field);
}

// A value of a unit: its whole part where the unit counts, its fraction spilt into the
// smaller units (months into days of 30, days into seconds).
enum Unit { U_MICRO, U_MILLI, U_SECOND, U_MINUTE, U_HOUR, U_DAY, U_WEEK, U_MONTH, U_YEAR, U_DECADE, U_CENTURY,
            U_MILLENNIUM, U_NONE };

struct UnitName {
    const char *name;
    Unit unit;
};

constexpr UnitName kUnits[] = {
    {"microsecond", U_MICRO}, {"microseconds", U_MICRO}, {"us", U_MICRO}, {"usec", U_MICRO}, {"usecs", U_MICRO},
    {"useconds", U_MICRO}, {"millisecond", U_MILLI}, {"milliseconds", U_MILLI}, {"ms", U_MILLI},
    {"msec", U_MILLI}, {"msecs", U_MILLI}, {"mseconds", U_MILLI}, {"second", U_SECOND}, {"seconds", U_SECOND},
    {"sec", U_SECOND}, {"secs", U_SECOND}, {"s", U_SECOND}, {"minute", U_MINUTE}, {"minutes", U_MINUTE},
    {"min", U_MINUTE}, {"mins", U_MINUTE}, {"m", U_MINUTE}, {"hour", U_HOUR}, {"hours", U_HOUR},
    {"hr", U_HOUR}, {"hrs", U_HOUR}, {"h", U_HOUR}, {"day", U_DAY}, {"days", U_DAY}, {"d", U_DAY},
    {"week", U_WEEK}, {"weeks", U_WEEK}, {"w", U_WEEK}, {"month", U_MONTH}, {"months", U_MONTH},
    {"mon", U_MONTH}, {"mons", U_MONTH}, {"year", U_YEAR}, {"years", U_YEAR}, {"y", U_YEAR}, {"yr", U_YEAR},
    {"yrs", U_YEAR}, {"decade", U_DECADE}, {"decades", U_DECADE}, {"century", U_CENTURY},
    {"centuries", U_CENTURY}, {"millennium", U_MILLENNIUM}, {"millennia", U_MILLENNIUM},
};

Unit unit_of(const char *s) {
    for (const UnitName &u : kUnits)
        if (std::strcmp(u.name, s) == 0) return u.unit;
    return U_NONE;
}

bool add_months(IntervalParts *p, const Number &v, std::int64_t scale) {
    if (!add_scaled(&p->months, v.whole, scale)) return false;
    // Years and longer keep whole months; months spill their fraction into days.
    if (scale > 1) return add_rounded(&p->months, v.fraction * static_cast<double>(scale));
    const double days = v.fraction * kDaysPerMonth;
    const auto whole_days = static_cast<std::int64_t>(days);
    return add_scaled(&p->days, whole_days, 1) &&
           add_rounded(&p->micros, (days - static_cast<double>(whole_days)) * kMicrosPerDay);
}

bool add_days(IntervalParts *p, const Number &v, std::int64_t scale) {
    return add_scaled(&p->days, v.whole, scale) &&
           add_rounded(&p->micros, v.fraction * static_cast<double>(scale) * kMicrosPerDay);
}

bool add_time(IntervalParts *p, const Number &v, std::int64_t micros) {
    return add_scaled(&p->micros, v.whole, micros) &&
           add_rounded(&p->micros, v.fraction * static_cast<double>(micros));
}

bool add(IntervalParts *p, const Number &v, Unit u) {
    switch (u) {
    case U_MICRO: return add_time(p, v, 1);
    case U_MILLI: return add_time(p, v, 1000);
    case U_SECOND: return add_time(p, v, kMicrosPerSecond);
    case U_MINUTE: return add_time(p, v, 60 * kMicrosPerSecond);
    case U_HOUR: return add_time(p, v, 3600 * kMicrosPerSecond);
    case U_DAY: return add_days(p, v, 1);
    case U_WEEK: return add_days(p, v, 7);
    case U_MONTH: return add_months(p, v, 1);
    case U_YEAR: return add_months(p, v, 12);
    case U_DECADE: return add_months(p, v, 120);
    case U_CENTURY: return add_months(p, v, 1200);
    case U_MILLENNIUM: return add_months(p, v, 12000);
    case U_NONE: break;
    }
    return false;
}

// "[+-]h:mm[:ss[.f]]" as microseconds.
bool read_time(const char *s, std::int64_t *micros) {
    int sign = 1;
    if (*s == '+' || *s == '-') sign = *s++ == '-' ? -1 : 1;
    std::int64_t part[3] = {0, 0, 0};
    int count = 0;
    double fraction = 0;
    const char *p = s;
    while (true) {
        std::size_t digits = 0;
        std::int64_t v = 0;
        for (; ascii_isdigit(*p); ++p, ++digits) {
            v = v * 10 + (*p - '0');
            if (v > kLargestWhole) return false;
        }
        if (digits == 0 || count >= 3) return false;
        part[count++] = v;
        if (*p == ':') {
            ++p;
            continue;
        }
        if (*p == '.') {
            if (count < 2) return false;
            Number n;
            if (!read_number(p, std::strlen(p), &n)) return false;
            fraction = n.fraction;
            p += std::strlen(p);
        }
        break;
    }
    if (*p != '\0' || count < 2 || part[1] > 59 || part[2] > 60) return false;
    std::int64_t h = part[0], m = part[1], sec = part[2];
    // "mm:ss.f" when a fraction follows two parts.
    if (count == 2 && fraction != 0) {
        sec = m, m = h, h = 0;
    }
    std::int64_t total = 0, frac = 0;
    if (!add_scaled(&total, (h * 60 + m) * 60 + sec, kMicrosPerSecond) || !round_micros(fraction * kMicrosPerSecond, &frac))
        return false;
    *micros = sign * (total + frac);
    return true;
}

// "[+-]years-months".
bool read_year_month(const char *s, std::int64_t *months) {
    int sign = 1;
    if (*s == '+' || *s == '-') sign = *s++ == '-' ? -1 : 1;
    const char *dash = std::strchr(s, '-');
    if (!dash) return false;
    Number y, m;
    if (!read_number(s, static_cast<std::size_t>(dash - s), &y) || y.fraction != 0 || *s == '+' || *s == '-')
        return false;
    if (!read_number(dash + 1, std::strlen(dash + 1), &m) || m.fraction != 0 || dash[1] == '+' || dash[1] == '-' ||
        m.whole > 11)
        return false;
    *months = sign * (y.whole * 12 + m.whole);
    return true;
}

bool signed_field(const DateTimeFields &f, int i) {
    return (f.ftype[i] == FT_TZ) || (f.field[i][0] == '+' || f.field[i][0] == '-');
}

}  // namespace

int DecodeInterval(const DateTimeFields &f, IntervalParts *out) noexcept {
    *out = IntervalParts{};
    if (f.count == 0) return DTERR_BAD_FORMAT;
    // The SQL standard form signs only its first field, and the sign covers them all.
    bool units = false, later_signs = false;
    for (int i = 0; i < f.count; ++i) {
        if (f.ftype[i] == FT_STRING && unit_of(f.field[i]) != U_NONE) units = true;
        if (i > 0 && signed_field(f, i)) later_signs = true;
    }
    const bool negate_all = !units && !later_signs && f.field[0][0] == '-';
    bool ago = false;
    bool pending = false;
    Number number;
    for (int i = 0; i < f.count; ++i) {
        const char *s = f.field[i];
        const int type = f.ftype[i];
        if (ago) return DTERR_BAD_FORMAT;
        if (type == FT_TIME || (type == FT_TZ && std::strchr(s, ':'))) {
            std::int64_t micros;
            if (!read_time(s, &micros)) return DTERR_BAD_FORMAT;
            if (pending) {
                // A number before a time counts days.
                if (number.fraction != 0) return DTERR_BAD_FORMAT;
                if (!add_scaled(&out->days, number.whole, 1)) return DTERR_INTERVAL_OVERFLOW;
                pending = false;
            }
            if (negate_all && s[0] != '-') micros = -micros;
            if (__builtin_add_overflow(out->micros, micros, &out->micros)) return DTERR_INTERVAL_OVERFLOW;
        } else if ((type == FT_TZ || type == FT_DATE) && std::strchr(s + 1, '-')) {
            std::int64_t months;
            if (pending || !read_year_month(s, &months)) return DTERR_BAD_FORMAT;
            if (!add_scaled(&out->months, months, 1)) return DTERR_INTERVAL_OVERFLOW;
        } else if (type == FT_NUMBER || type == FT_TZ) {
            if (pending) return DTERR_BAD_FORMAT;
            if (!read_number(s, std::strlen(s), &number)) return DTERR_BAD_FORMAT;
            if (negate_all && i > 0) {
                number.whole = -number.whole;
                number.fraction = -number.fraction;
            }
            pending = true;
        } else if (type == FT_STRING) {
            if (std::strcmp(s, "ago") == 0) {
                if (pending) return DTERR_BAD_FORMAT;
                ago = true;
                continue;
            }
            const Unit u = unit_of(s);
            if (u == U_NONE || !pending) return DTERR_BAD_FORMAT;
            if (!add(out, number, u)) return DTERR_INTERVAL_OVERFLOW;
            pending = false;
        } else {
            return DTERR_BAD_FORMAT;
        }
    }
    // A number left without a unit is seconds.
    if (pending && !add(out, number, U_SECOND)) return DTERR_INTERVAL_OVERFLOW;
    if (ago) {
        out->months = -out->months;
        out->days = -out->days;
        out->micros = -out->micros;
    }
    return 0;
}

int DecodeISO8601Interval(const char *text, std::size_t length, IntervalParts *out) noexcept {
    *out = IntervalParts{};
    if (!text || length < 2 || (text[0] != 'P' && text[0] != 'p')) return DTERR_BAD_FORMAT;
    std::size_t i = 1;
    bool date_part = true, any = false;
    while (i < length && text[i] != '\0') {
        if (text[i] == 'T' || text[i] == 't') {
            if (!date_part) return DTERR_BAD_FORMAT;
            date_part = false;
            ++i;
            continue;
        }
        std::size_t j = i;
        if (j < length && (text[j] == '+' || text[j] == '-')) ++j;
        while (j < length && (ascii_isdigit(text[j]) || text[j] == '.')) ++j;
        Number v;
        if (j >= length || !read_number(text + i, j - i, &v)) return DTERR_BAD_FORMAT;
        const char designator = ascii_toupper(text[j]);
        bool ok = false;
        if (date_part) {
            switch (designator) {
            case 'Y': ok = add(out, v, U_YEAR); break;
            case 'M': ok = add(out, v, U_MONTH); break;
            case 'W': ok = add(out, v, U_WEEK); break;
            case 'D': ok = add(out, v, U_DAY); break;
            default: return DTERR_BAD_FORMAT;
            }
        } else {
            switch (designator) {
            case 'H': ok = add(out, v, U_HOUR); break;
            case 'M': ok = add(out, v, U_MINUTE); break;
            case 'S': ok = add(out, v, U_SECOND); break;
            default: return DTERR_BAD_FORMAT;
            }
        }
        if (!ok) return DTERR_INTERVAL_OVERFLOW;
        any = true;
        i = j + 1;
    }
    return any ? 0 : DTERR_BAD_FORMAT;
}

int read_interval(const char *text, std::size_t length, IntervalParts *out) noexcept {
    if (!text) return DTERR_BAD_FORMAT;
    const void *nul = std::memchr(text, '\0', length);
    if (nul) length = static_cast<std::size_t>(static_cast<const char *>(nul) - text);
    DateTimeFields fields;
    int rc = ParseDateTime(text, length, &fields);
    if (rc == 0) rc = DecodeInterval(fields, out);
    if (rc == DTERR_BAD_FORMAT) rc = DecodeISO8601Interval(text, length, out);
    return rc;
}

void justify_hours(IntervalParts *p) noexcept { keep_one_sign(p->days, p->micros, kMicrosPerDay); }

}  // namespace vsk::dt
