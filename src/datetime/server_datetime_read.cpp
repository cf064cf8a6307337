// Reading the server's date/time text: the fields of ParseDateTime assigned to date, time
// and zone, with the ISO form the server writes by default read directly.
#include <cstring>

#include "datetime/names.h"
#include "datetime/server_text.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

// Digits of a number field; false for anything else or more than 9 digits.
bool small_number(const char *s, int *value, int *digits = nullptr) {
    int v = 0, n = 0;
    for (; ascii_isdigit(s[n]); ++n) {
        if (n >= 9) return false;
        v = v * 10 + (s[n] - '0');
    }
    if (n == 0 || s[n] != '\0') return false;
    *value = v;
    if (digits) *digits = n;
    return true;
}

// Up to 9 fraction digits (after the point) as nanoseconds; more are cut.
bool fraction_nanos(const char *s, int *nanos) {
    int v = 0, n = 0;
    for (; ascii_isdigit(s[n]); ++n)
        if (n < 9) v = v * 10 + (s[n] - '0');
    if (s[n] != '\0') return false;
    for (int k = n; k < 9; ++k) v *= 10;
    *nanos = v;
    return true;
}

int two_digit_year(int year, int digits) { return digits == 2 ? (year < 70 ? year + 2000 : year + 1900) : year; }

struct Assembly {
    bool year = false, month = false, day = false, time = false;
    bool bc = false;
    int ampm = -1;  // 0 am, 1 pm
    bool julianNext = false;
    bool isoTimeNext = false;
    bool yearTwoDigits = false;
};

// "hh:mm[:ss[.fraction]]".
bool read_time(const char *s, BrokenDownTime *tm, int *nanos) {
    char part[3][12] = {};
    int count = 0;
    const char *frac = nullptr;
    std::size_t k = 0;
    for (const char *p = s;; ++p) {
        if (*p == ':' || *p == '\0' || *p == '.') {
            if (count >= 3 || k == 0) return false;
            part[count++][k] = '\0';
            k = 0;
            if (*p == '.') {
                if (count != 3 && count != 2) return false;
                frac = p + 1;
                break;
            }
            if (*p == '\0') break;
            continue;
        }
        // A fourth part, or a part longer than any number, is no time.
        if (count >= 3 || k >= 10) return false;
        part[count][k++] = *p;
    }
    int h, m, sec = 0, ns = 0;
    if (count < 2 || !small_number(part[0], &h) || !small_number(part[1], &m)) return false;
    if (count == 3 && !small_number(part[2], &sec)) return false;
    // "mm:ss.f" is not a time of day; a fraction needs seconds.
    if (frac && (count != 3 || !fraction_nanos(frac, &ns))) return false;
    tm->tm_hour = h;
    tm->tm_min = m;
    tm->tm_sec = sec;
    *nanos = ns;
    return true;
}

// The parts of a date field: numbers, or one month name among them.
int read_date(const char *s, DateOrder order, BrokenDownTime *tm, Assembly *a) {
    const char delim = std::strchr(s, '-') ? '-' : (std::strchr(s, '/') ? '/' : '.');
    char parts[3][16] = {};
    int count = 0;
    std::size_t k = 0;
    for (const char *p = s;; ++p) {
        if (*p == delim || *p == '\0') {
            if (count >= 3 || k == 0) return DTERR_BAD_FORMAT;
            parts[count++][k] = '\0';
            k = 0;
            if (*p == '\0') break;
            continue;
        }
        if (count >= 3 || k >= 15) return DTERR_BAD_FORMAT;
        parts[count][k++] = *p;
    }
    if (count != 3) return DTERR_BAD_FORMAT;
    int value[3] = {}, digits[3] = {};
    int named = -1;
    for (int i = 0; i < 3; ++i) {
        if (ascii_isalpha(parts[i][0])) {
            const int m = month_of_name(parts[i]);
            if (m == 0 || named >= 0) return DTERR_BAD_FORMAT;
            named = i;
            value[i] = m;
        } else if (!small_number(parts[i], &value[i], &digits[i])) {
            return DTERR_BAD_FORMAT;
        }
    }
    int y, m, d, ydigits;
    auto year_like = [&](int i) { return digits[i] > 2 || value[i] > 31; };
    if (named >= 0) {
        const int a0 = named == 0 ? 1 : 0, a1 = named == 2 ? 1 : 2;
        m = value[named];
        if (year_like(a0)) {
            y = value[a0], ydigits = digits[a0], d = value[a1];
        } else {
            d = value[a0], y = value[a1], ydigits = digits[a1];
        }
    } else if (year_like(0) || order == DateOrder::YMD) {
        y = value[0], ydigits = digits[0], m = value[1], d = value[2];
    } else if (delim == '.' || order == DateOrder::DMY) {
        d = value[0], m = value[1], y = value[2], ydigits = digits[2];
    } else {
        m = value[0], d = value[1], y = value[2], ydigits = digits[2];
    }
    if (a->year || a->month || a->day) return DTERR_BAD_FORMAT;
    tm->tm_year = two_digit_year(y, ydigits);
    tm->tm_mon = m;
    tm->tm_mday = d;
    a->year = a->month = a->day = true;
    return 0;
}

// A number standing alone: a day, a year, a Julian day or digits of a whole date.
int read_number(const char *s, BrokenDownTime *tm, int *nanos, Assembly *a) {
    int v, digits;
    if (!small_number(s, &v, &digits)) return DTERR_BAD_FORMAT;
    if (a->julianNext) {
        a->julianNext = false;
        if (a->year || a->month || a->day) return DTERR_BAD_FORMAT;
        j2date(v, &tm->tm_year, &tm->tm_mon, &tm->tm_mday);
        a->year = a->month = a->day = true;
        return 0;
    }
    const bool none = !a->year && !a->month && !a->day;
    if (none && (digits == 8 || digits == 6)) {
        const int y = digits == 8 ? v / 10000 : v / 10000;
        tm->tm_year = digits == 8 ? y : two_digit_year(y, 2);
        tm->tm_mon = (v / 100) % 100;
        tm->tm_mday = v % 100;
        a->year = a->month = a->day = true;
        return 0;
    }
    if (!none && !a->time && (digits == 6 || digits == 4) && a->year && a->month && a->day) {
        tm->tm_hour = digits == 6 ? v / 10000 : v / 100;
        tm->tm_min = digits == 6 ? (v / 100) % 100 : v % 100;
        tm->tm_sec = digits == 6 ? v % 100 : 0;
        *nanos = 0;
        a->time = true;
        return 0;
    }
    if (!a->year && (digits > 2 || (a->month && a->day))) {
        tm->tm_year = two_digit_year(v, digits);
        a->year = true;
    } else if (a->month && !a->day) {
        tm->tm_mday = v;
        a->day = true;
    } else if (!a->month && !a->day && v <= 12) {
        tm->tm_mon = v;
        a->month = true;
    } else if (!a->day) {
        tm->tm_mday = v;
        a->day = true;
    } else if (!a->year) {
        tm->tm_year = two_digit_year(v, digits);
        a->year = true;
    } else {
        return DTERR_BAD_FORMAT;
    }
    return 0;
}

void set_special_date(BrokenDownTime *tm, Assembly *a, int dayShift) {
    BrokenDownTime now;
    current_local_time(&now);
    const int jd = date2j(now.tm_year, now.tm_mon, now.tm_mday) + dayShift;
    j2date(jd, &tm->tm_year, &tm->tm_mon, &tm->tm_mday);
    a->year = a->month = a->day = true;
}

int read_word(const char *s, DecodedDateTime *out, Assembly *a) {
    BrokenDownTime *tm = &out->tm;
    if (const int m = month_of_name(s)) {
        if (a->month) return DTERR_BAD_FORMAT;
        tm->tm_mon = m;
        a->month = true;
        return 0;
    }
    if (weekday_of_name(s) >= 0) return 0;
    if (!std::strcmp(s, "am") || !std::strcmp(s, "a.m.")) return a->ampm = 0, 0;
    if (!std::strcmp(s, "pm") || !std::strcmp(s, "p.m.")) return a->ampm = 1, 0;
    if (!std::strcmp(s, "bc") || !std::strcmp(s, "b.c.")) return a->bc = true, 0;
    if (!std::strcmp(s, "ad") || !std::strcmp(s, "a.d.")) return 0;
    if (!std::strcmp(s, "t")) return a->isoTimeNext = true, 0;
    if (!std::strcmp(s, "j")) return a->julianNext = true, 0;
    if (!std::strcmp(s, "at") || !std::strcmp(s, "on")) return 0;
    if (!std::strcmp(s, "infinity") || !std::strcmp(s, "+infinity")) return out->kind = DateTimeKind::Infinity, 0;
    if (!std::strcmp(s, "-infinity")) return out->kind = DateTimeKind::MinusInfinity, 0;
    if (!std::strcmp(s, "today")) return set_special_date(tm, a, 0), 0;
    if (!std::strcmp(s, "tomorrow")) return set_special_date(tm, a, 1), 0;
    if (!std::strcmp(s, "yesterday")) return set_special_date(tm, a, -1), 0;
    if (!std::strcmp(s, "now")) {
        if (a->year || a->time) return DTERR_BAD_FORMAT;
        current_local_time(tm);
        out->tzWest = -static_cast<int>(tm->tm_gmtoff);
        out->hasZone = true;
        a->year = a->month = a->day = a->time = true;
        return 0;
    }
    if (!std::strcmp(s, "epoch")) {
        tm->tm_year = 1970, tm->tm_mon = 1, tm->tm_mday = 1;
        tm->tm_hour = tm->tm_min = tm->tm_sec = 0;
        out->tzWest = 0;
        out->hasZone = true;
        a->year = a->month = a->day = a->time = true;
        return 0;
    }
    if (!std::strcmp(s, "allballs")) {
        if (a->time) return DTERR_BAD_FORMAT;
        tm->tm_hour = tm->tm_min = tm->tm_sec = 0;
        out->tzWest = 0;
        out->hasZone = true;
        a->time = true;
        return 0;
    }
    int east;
    if (zone_abbreviation(s, &east)) {
        if (out->hasZone) return DTERR_BAD_FORMAT;
        out->tzWest = -east;
        out->hasZone = true;
        return 0;
    }
    return DTERR_BAD_FORMAT;
}

// Checks and completes the assembled fields.
int finish(DecodedDateTime *out, const Assembly &a) {
    BrokenDownTime *tm = &out->tm;
    if (out->kind != DateTimeKind::Value) return 0;
    if (a.julianNext || a.isoTimeNext) return DTERR_BAD_FORMAT;
    if (!a.year || !a.month || !a.day) return DTERR_BAD_FORMAT;
    if (a.ampm >= 0) {
        if (tm->tm_hour > 12) return DTERR_FIELD_OVERFLOW;
        if (a.ampm == 0 && tm->tm_hour == 12) tm->tm_hour = 0;
        else if (a.ampm == 1 && tm->tm_hour != 12) tm->tm_hour += 12;
    }
    if (a.bc) {
        if (tm->tm_year <= 0) return DTERR_FIELD_OVERFLOW;
        tm->tm_year = 1 - tm->tm_year;
    }
    if (tm->tm_mon < 1 || tm->tm_mon > 12) return DTERR_FIELD_OVERFLOW;
    if (tm->tm_mday < 1 || tm->tm_mday > 31) return DTERR_FIELD_OVERFLOW;
    if (tm->tm_mday > days_in_month(tm->tm_year, tm->tm_mon)) return DTERR_MD_FIELD_OVERFLOW;
    if (tm->tm_hour > 24 || tm->tm_min > 59 || tm->tm_sec > 60) return DTERR_FIELD_OVERFLOW;
    if (tm->tm_hour == 24 && (tm->tm_min || tm->tm_sec || out->nanos)) return DTERR_FIELD_OVERFLOW;
    if (tm->tm_hour == 24 || tm->tm_sec == 60)
        ConstructTmFromData(tm, tm->tm_year, tm->tm_mon, tm->tm_mday, tm->tm_hour, tm->tm_min, tm->tm_sec);
    if (!tm_in_range(*tm)) return DTERR_FIELD_OVERFLOW;
    const int jd = date2j(tm->tm_year, tm->tm_mon, tm->tm_mday);
    tm->tm_wday = j2day(jd);
    tm->tm_yday = day_of_year(tm->tm_year, tm->tm_mon, tm->tm_mday);
    tm->tm_gmtoff = out->hasZone ? -out->tzWest : 0;
    return 0;
}

int digit(char c) { return c - '0'; }
bool digits_at(const char *s, std::size_t n, std::size_t from, std::size_t count) {
    if (from + count > n) return false;
    for (std::size_t i = from; i < from + count; ++i)
        if (!ascii_isdigit(s[i])) return false;
    return true;
}

// The server's ISO output, "YYYY-MM-DD[ HH:MM:SS[.f]][+HH[:MM[:SS]]][ BC]", read without
// splitting: 1 when read, 0 to leave the text to the general reader.
int read_iso(const char *s, std::size_t n, DecodedDateTime *out) {
    if (!digits_at(s, n, 0, 4) || n < 10 || s[4] != '-' || !digits_at(s, n, 5, 2) || s[7] != '-' ||
        !digits_at(s, n, 8, 2))
        return 0;
    BrokenDownTime &tm = out->tm;
    tm = BrokenDownTime{};
    tm.tm_year = digit(s[0]) * 1000 + digit(s[1]) * 100 + digit(s[2]) * 10 + digit(s[3]);
    tm.tm_mon = digit(s[5]) * 10 + digit(s[6]);
    tm.tm_mday = digit(s[8]) * 10 + digit(s[9]);
    tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
    out->nanos = 0;
    out->hasZone = false;
    out->tzWest = 0;
    std::size_t i = 10;
    if (i < n && s[i] == ' ' && digits_at(s, n, i + 1, 2) && i + 3 < n && s[i + 3] == ':') {
        if (!digits_at(s, n, i + 4, 2) || i + 6 >= n || s[i + 6] != ':' || !digits_at(s, n, i + 7, 2)) return 0;
        tm.tm_hour = digit(s[i + 1]) * 10 + digit(s[i + 2]);
        tm.tm_min = digit(s[i + 4]) * 10 + digit(s[i + 5]);
        tm.tm_sec = digit(s[i + 7]) * 10 + digit(s[i + 8]);
        i += 9;
        if (i < n && s[i] == '.') {
            int ns = 0, k = 0;
            for (++i; i < n && ascii_isdigit(s[i]); ++i, ++k)
                if (k < 9) ns = ns * 10 + digit(s[i]);
            if (k == 0) return 0;
            for (; k < 9; ++k) ns *= 10;
            out->nanos = ns;
        }
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            std::size_t j = i + 1;
            while (j < n && (ascii_isdigit(s[j]) || s[j] == ':')) ++j;
            int east;
            if (!read_numeric_zone(s + i, j - i, &east)) return 0;
            out->tzWest = -east;
            out->hasZone = true;
            i = j;
        }
    }
    Assembly a;
    a.year = a.month = a.day = true;
    if (n - i == 3 && s[i] == ' ' && s[i + 1] == 'B' && s[i + 2] == 'C') {
        a.bc = true;
        i = n;
    }
    if (i != n) return 0;
    out->kind = DateTimeKind::Value;
    return finish(out, a) == 0 ? 1 : 0;
}

}  // namespace

int DecodeDateTime(const DateTimeFields &f, DateOrder order, DecodedDateTime *out) noexcept {
    *out = DecodedDateTime{};
    BrokenDownTime *tm = &out->tm;
    tm->tm_hour = tm->tm_min = tm->tm_sec = 0;
    Assembly a;
    for (int i = 0; i < f.count; ++i) {
        const char *s = f.field[i];
        int rc = 0;
        switch (f.ftype[i]) {
        case FT_DATE:
            rc = a.julianNext ? DTERR_BAD_FORMAT : read_date(s, order, tm, &a);
            break;
        case FT_TIME:
            if (a.time) return DTERR_BAD_FORMAT;
            if (!read_time(s, tm, &out->nanos)) return DTERR_BAD_FORMAT;
            a.time = true;
            a.isoTimeNext = false;
            break;
        case FT_TZ: {
            int east;
            if (out->hasZone || !read_numeric_zone(s, std::strlen(s), &east)) return DTERR_BAD_FORMAT;
            out->tzWest = -east;
            out->hasZone = true;
            break;
        }
        case FT_NUMBER:
            rc = read_number(s, tm, &out->nanos, &a);
            break;
        case FT_STRING:
            rc = read_word(s, out, &a);
            break;
        default:
            return DTERR_BAD_FORMAT;
        }
        if (rc != 0) return rc;
    }
    return finish(out, a);
}

int read_datetime(const char *text, std::size_t length, DecodedDateTime *out) noexcept {
    if (!text) return DTERR_BAD_FORMAT;
    const void *nul = std::memchr(text, '\0', length);
    if (nul) length = static_cast<std::size_t>(static_cast<const char *>(nul) - text);
    if (read_iso(text, length, out) == 1) return 0;
    DateTimeFields fields;
    if (const int rc = ParseDateTime(text, length, &fields); rc != 0) return rc;
    return DecodeDateTime(fields, DateOrder::MDY, out);
}

}  // namespace vsk::dt
