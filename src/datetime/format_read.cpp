// Reading text by a format model (do_to_timestamp): each node consumes its part of the
// input, then the values are checked and assembled into a broken-down time.
#include <cstdio>
#include <cstring>
#include <string>

#include "datetime/format_model.h"
#include "datetime/names.h"
#include "datetime/server_text.h"
#include "env/error.h"
#include "nls/ascii.h"

namespace vsk::dt {

namespace {

constexpr ub4 kErrFormatEnds = 1830;
constexpr ub4 kErrFormatTooLong = 1840;
constexpr ub4 kErrIllegalYear = 1841;
constexpr ub4 kErrInvalidMonth = 1843;
constexpr ub4 kErrInvalidWeekday = 1846;
constexpr ub4 kErrInvalidDay = 1847;
constexpr ub4 kErrHour12 = 1849;
constexpr ub4 kErrHour24 = 1850;
constexpr ub4 kErrMinutes = 1851;
constexpr ub4 kErrSeconds = 1852;
constexpr ub4 kErrSecondsOfDay = 1853;
constexpr ub4 kErrAmPmRequired = 1855;
constexpr ub4 kErrBcAdRequired = 1856;
constexpr ub4 kErrNotNumeric = 1858;
constexpr ub4 kErrLiteral = 1861;
constexpr ub4 kErrZoneHour = 1874;
constexpr ub4 kErrZoneMinute = 1875;
constexpr ub4 kErrUnsupported = 30475;

// A value read for one element, and whether it was.
struct Slot {
    std::int64_t v = 0;
    bool set = false;
    void put(std::int64_t x) { v = x, set = true; }
};

struct Found {
    Slot year, yearLow, century, month, day, yday, julian, hour24, hour12, minute, second, secondsOfDay;
    Slot zoneHour, zoneMinute, zoneRegion;
    int yearDigits = 4;  // of yearLow: YYY 3, YY 2, Y 1
    int nanos = 0;
    int meridian = -1;   // 0 AM, 1 PM
    int era = -1;        // 0 AD, 1 BC
    bool zoneHourNegative = false;
};

class Reader {
public:
    Reader(OCIError *errhp, const char *text) : err_(errhp), p_(text) {}

    int fail(ub4 number) {
        _ClearErrorHandle(err_);
        AddErrorRecord(err_, OCI_ERROR, number);
        return -1;
    }
    int fail_literal(const char *text, std::size_t n) {
        std::string lit(text, n);
        _ClearErrorHandle(err_);
        AddErrorRecordStringX(err_, OCI_ERROR, kErrLiteral, 1, lit.c_str());
        return -1;
    }
    int fail_text(const char *text) {
        _ClearErrorHandle(err_);
        AddErrorRecordMsg(err_, OCI_ERROR, text);
        return -1;
    }
    int fail_unsupported(const char *name) {
        _ClearErrorHandle(err_);
        AddErrorRecordStringX(err_, OCI_ERROR, kErrUnsupported, 1, name);
        return -1;
    }

    void skip_blanks() {
        while (*p_ == ' ' || *p_ == '\t' || *p_ == '\n') ++p_;
    }
    bool at_end() const { return *p_ == '\0'; }
    const char *pos() const { return p_; }

    // Up to width digits; an optional sign when signed. False with nothing read.
    bool digits(int width, bool sign, std::int64_t *v, bool *negative = nullptr, int *count = nullptr) {
        bool neg = false;
        if (sign && (*p_ == '-' || *p_ == '+')) neg = *p_++ == '-';
        std::int64_t x = 0;
        int n = 0;
        while (n < width && ascii_isdigit(*p_)) {
            if (n < 18) x = x * 10 + (*p_ - '0');
            ++p_, ++n;
        }
        if (n == 0) return false;
        *v = neg ? -x : x;
        if (negative) *negative = neg;
        if (count) *count = n;
        return true;
    }

    // The longest of the names that the input starts with, ignoring case; -1 for none.
    int match(const char *const *names, int count) {
        int best = -1;
        std::size_t best_len = 0;
        for (int i = 0; i < count; ++i) {
            const std::size_t n = std::strlen(names[i]);
            if (n > best_len && prefix(names[i], n)) best = i, best_len = n;
        }
        if (best >= 0) p_ += best_len;
        return best;
    }
    bool take(const char *word) {
        const std::size_t n = std::strlen(word);
        if (!prefix(word, n)) return false;
        p_ += n;
        return true;
    }
    bool take_char(char c) {
        if (*p_ != c) return false;
        ++p_;
        return true;
    }

private:
    bool prefix(const char *word, std::size_t n) const {
        for (std::size_t i = 0; i < n; ++i)
            if (p_[i] == '\0' || ascii_toupper(p_[i]) != ascii_toupper(word[i])) return false;
        return true;
    }

    OCIError *err_;
    const char *p_;
};

const char *const kRomanNames[12] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

// A month by name: the full names first, then the abbreviations.
int read_month_name(Reader &r) {
    int m = r.match(kMonthNames, 12);
    if (m < 0) m = r.match(kMonthAbbrevs, 12);
    return m;
}

int read_zone_region(Reader &r, Found *f) {
    const char *start = r.pos();
    std::size_t n = 0;
    if (start[0] == '+' || start[0] == '-') {
        n = 1;
        while (ascii_isdigit(start[n]) || start[n] == ':') ++n;
        int east;
        if (!read_numeric_zone(start, n, &east)) return -1;
        f->zoneRegion.put(east);
    } else {
        char word[16];
        while (ascii_isalpha(start[n]) && n < sizeof word - 1) word[n] = ascii_tolower(start[n]), ++n;
        word[n] = '\0';
        int east;
        if (n == 0 || !zone_abbreviation(word, &east)) return -1;
        f->zoneRegion.put(east);
    }
    for (std::size_t i = 0; i < n; ++i) r.take_char(start[i]);
    return 0;
}

// One keyword node's part of the input.
int read_keyword(Reader &r, const FormatNode &n, Found *f) {
    const int id = n.key->id;
    std::int64_t v = 0;
    bool neg = false;
    int count = 0;
    if (n.key->numeric) r.skip_blanks();
    auto need = [&](int width, bool sign = false) { return r.digits(width, sign, &v, &neg, &count); };
    switch (id) {
    case K_YYYY: case K_SYYYY:
        if (!need(4, id == K_SYYYY)) return r.fail(kErrNotNumeric);
        f->year.put(v);
        return 0;
    case K_Y_YYY: {
        std::int64_t thousands, rest;
        if (!r.digits(2, false, &thousands)) return r.fail(kErrNotNumeric);
        if (r.take_char(',')) {
            if (!r.digits(3, false, &rest, nullptr, &count) || count != 3) return r.fail(kErrNotNumeric);
            f->year.put(thousands * 1000 + rest);
        } else {
            f->year.put(thousands);
        }
        return 0;
    }
    case K_YYY: case K_YY: case K_Y: {
        const int width = id == K_YYY ? 3 : (id == K_YY ? 2 : 1);
        if (!need(width)) return r.fail(kErrNotNumeric);
        f->yearLow.put(v);
        f->yearDigits = width;
        return 0;
    }
    case K_IYYY: case K_IYY: case K_IY: case K_I: case K_IW: case K_WW: case K_W: case K_Q: case K_D:
        // Read for alignment; they do not place a date on their own.
        if (!need(id == K_IYYY ? 4 : (id == K_IYY ? 3 : (id == K_IY || id == K_IW || id == K_WW ? 2 : 1))))
            return r.fail(kErrNotNumeric);
        return 0;
    case K_CC: case K_SCC:
        if (!need(2, id == K_SCC)) return r.fail(kErrNotNumeric);
        f->century.put(v);
        return 0;
    case K_MM:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->month.put(v);
        return 0;
    case K_DD:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->day.put(v);
        return 0;
    case K_DDD:
        if (!need(3)) return r.fail(kErrNotNumeric);
        f->yday.put(v);
        return 0;
    case K_J:
        if (!need(7)) return r.fail(kErrNotNumeric);
        f->julian.put(v);
        return 0;
    case K_HH24:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->hour24.put(v);
        return 0;
    case K_HH: case K_HH12:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->hour12.put(v);
        return 0;
    case K_MI:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->minute.put(v);
        return 0;
    case K_SS:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->second.put(v);
        return 0;
    case K_SSSSS:
        if (!need(5)) return r.fail(kErrNotNumeric);
        f->secondsOfDay.put(v);
        return 0;
    case K_FF: case K_MS: case K_US: {
        const int width = id == K_MS ? 3 : (id == K_US ? 6 : (n.ffDigits ? n.ffDigits : 16));
        const char *start = r.pos();
        if (!need(width)) return r.fail(kErrNotNumeric);
        int ns = 0;
        for (int i = 0; i < 9; ++i) ns = ns * 10 + (i < count ? start[i] - '0' : 0);
        if (id == K_MS || id == K_US) {
            // Milliseconds and microseconds count in their own units.
            ns = static_cast<int>(v) * (id == K_MS ? 1000000 : 1000);
        }
        f->nanos = ns;
        return 0;
    }
    case K_TZH:
        if (!need(2, true)) return r.fail(kErrNotNumeric);
        f->zoneHour.put(v);
        f->zoneHourNegative = neg;
        return 0;
    case K_TZM:
        if (!need(2)) return r.fail(kErrNotNumeric);
        f->zoneMinute.put(v);
        return 0;
    case K_TZR: case K_TZD:
        if (read_zone_region(r, f) != 0) return r.fail(kErrZoneHour);
        return 0;
    case K_MONTH: case K_Month: case K_month: case K_MON: case K_Mon: case K_mon: {
        const int m = read_month_name(r);
        if (m < 0) return r.fail(kErrInvalidMonth);
        f->month.put(m + 1);
        return 0;
    }
    case K_RM: case K_rm: {
        const int m = r.match(kRomanNames, 12);
        if (m < 0) return r.fail(kErrInvalidMonth);
        f->month.put(m + 1);
        return 0;
    }
    case K_DAY: case K_Day: case K_day: case K_DY: case K_Dy: case K_dy:
        if (r.match(kDayNames, 7) < 0 && r.match(kDayAbbrevs, 7) < 0) return r.fail(kErrInvalidWeekday);
        return 0;
    case K_AM: case K_PM: case K_am: case K_pm: case K_A_M: case K_P_M: case K_a_m: case K_p_m:
        if (r.take("A.M.") || r.take("AM")) f->meridian = 0;
        else if (r.take("P.M.") || r.take("PM")) f->meridian = 1;
        else return r.fail(kErrAmPmRequired);
        return 0;
    case K_AD: case K_BC: case K_ad: case K_bc: case K_A_D: case K_B_C: case K_a_d: case K_b_c:
        if (r.take("A.D.") || r.take("AD")) f->era = 0;
        else if (r.take("B.C.") || r.take("BC")) f->era = 1;
        else return r.fail(kErrBcAdRequired);
        return 0;
    case K_X:
        if (!r.take_char('.')) return r.fail_literal(".", 1);
        return 0;
    case K_FX:
        return 0;
    default:
        // YEAR and SYEAR are written, never read.
        return r.fail_unsupported(n.key->name);
    }
}

bool read_literal(Reader &r, const FormatNode &n) {
    if (!n.quoted && n.length == 1 && n.text[0] == ' ') {
        r.skip_blanks();
        return true;
    }
    if (r.at_end()) return true;
    for (std::size_t i = 0; i < n.length; ++i)
        if (!r.take_char(n.text[i]) && !(n.quoted && r.take_char(ascii_toupper(n.text[i]))) &&
            !(n.quoted && r.take_char(ascii_tolower(n.text[i]))))
            return false;
    return true;
}

// Elements that may be left out at the end of the input (they default to 0).
bool defaults_to_zero(const FormatNode &n) {
    return n.kind != FormatNode::Keyword || n.key->time || n.key->id == K_FF || n.key->id == K_FX;
}

int assemble(Reader &r, const Found &f, ReadDateTime *out) {
    BrokenDownTime now;
    current_local_time(&now);
    BrokenDownTime &tm = out->tm;
    tm = BrokenDownTime{};
    int year = now.tm_year, month = now.tm_mon, day = 1;
    if (f.year.set) {
        year = static_cast<int>(f.year.v);
    } else if (f.yearLow.set) {
        int scale = 1;
        for (int i = 0; i < f.yearDigits; ++i) scale *= 10;
        year = now.tm_year - now.tm_year % scale + static_cast<int>(f.yearLow.v);
    } else if (f.century.set) {
        year = static_cast<int>((f.century.v - 1) * 100 + 1);
    }
    if (f.month.set) month = static_cast<int>(f.month.v);
    if (f.day.set) day = static_cast<int>(f.day.v);
    if (f.julian.set) {
        if (f.julian.v < 0 || f.julian.v > 5373484) return r.fail(kErrIllegalYear);
        j2date(static_cast<int>(f.julian.v), &year, &month, &day);
    }
    // Month and day checks come first, on the year as given.
    if (month < 1 || month > 12) return r.fail(kErrInvalidMonth);
    if (f.era == 1) {
        if (year <= 0) {
            char msg[64];
            std::snprintf(msg, sizeof msg, "inconsistent use of year %04d and \"BC\"", year);
            return r.fail_text(msg);
        }
    } else if (year <= 0 && f.era < 0 && year != 0) {
        return r.fail(kErrBcAdRequired);
    }
    const int signed_year = f.era == 1 ? -year : year;
    if (signed_year < -4713 || signed_year > 9999 || signed_year == 0) return r.fail(kErrIllegalYear);
    const int astro_year = signed_year < 0 ? signed_year + 1 : signed_year;
    if (f.yday.set && !f.month.set && !f.day.set && !f.julian.set) {
        const int days = is_leap(astro_year) ? 366 : 365;
        if (f.yday.v < 1 || f.yday.v > days) return r.fail(kErrInvalidDay);
        j2date(date2j(astro_year, 1, 1) + static_cast<int>(f.yday.v) - 1, &tm.tm_year, &month, &day);
    }
    if (day < 1 || day > days_in_month(astro_year, month)) return r.fail(kErrInvalidDay);
    int hour = 0, minute = 0, second = 0;
    if (f.hour12.set) {
        if (f.hour12.v < 1 || f.hour12.v > 12) return r.fail(kErrHour12);
        hour = static_cast<int>(f.hour12.v);
    }
    if (f.hour24.set) {
        if (f.hour24.v > 23) return r.fail(kErrHour24);
        hour = static_cast<int>(f.hour24.v);
    }
    if (f.minute.set) {
        if (f.minute.v > 59) return r.fail(kErrMinutes);
        minute = static_cast<int>(f.minute.v);
    }
    if (f.second.set) {
        if (f.second.v > 59) return r.fail(kErrSeconds);
        second = static_cast<int>(f.second.v);
    }
    if (f.secondsOfDay.set) {
        if (f.secondsOfDay.v > 86399) return r.fail(kErrSecondsOfDay);
        hour = static_cast<int>(f.secondsOfDay.v / 3600);
        minute = static_cast<int>(f.secondsOfDay.v / 60 % 60);
        second = static_cast<int>(f.secondsOfDay.v % 60);
    }
    if (f.zoneHour.set && (f.zoneHour.v < -12 || f.zoneHour.v > 14)) return r.fail(kErrZoneHour);
    if (f.zoneMinute.set && f.zoneMinute.v > 59) return r.fail(kErrZoneMinute);
    if (f.hour12.set) {
        if (f.meridian < 0) return r.fail(kErrAmPmRequired);
        hour = hour % 12 + (f.meridian == 1 ? 12 : 0);
    }
    tm.tm_year = astro_year;
    tm.tm_mon = month;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    const int jd = date2j(astro_year, month, day);
    tm.tm_wday = j2day(jd);
    tm.tm_yday = jd - date2j(astro_year, 1, 1) + 1;
    out->nanos = f.nanos;
    out->hasZone = f.zoneHour.set || f.zoneMinute.set || f.zoneRegion.set;
    if (f.zoneRegion.set) {
        tm.tm_gmtoff = f.zoneRegion.v;
    } else if (out->hasZone) {
        const bool negative = f.zoneHour.v < 0 || f.zoneHourNegative;
        const std::int64_t minutes = (negative ? -1 : 1) * f.zoneMinute.v;
        tm.tm_gmtoff = f.zoneHour.v * 3600 + minutes * 60;
    }
    return 0;
}

}  // namespace

int do_to_timestamp(OCIError *errhp, const char *text, const char *format, ReadDateTime *out,
                    FormatMode mode) noexcept {
    if (!text || !format || !out) return -1;
    try {
        const FormatProgram *compiled = cached_format(errhp, format, mode, FormatUse::Read);
        if (!compiled) return -1;
        const FormatProgram &program = *compiled;
        Reader r(errhp, text);
        Found found;
        bool any = false;
        for (int i = 0; i < program.count; ++i) {
            const FormatNode &n = program.nodes[i];
            if (n.kind == FormatNode::End) break;
            if (n.kind == FormatNode::Text) {
                if (!read_literal(r, n)) return r.fail_literal(n.text, n.length);
                continue;
            }
            if (n.key->numeric) r.skip_blanks();
            if (r.at_end()) {
                // The input ended: the rest of the format may only hold elements that default to 0.
                for (int k = i; k < program.count; ++k)
                    if (!defaults_to_zero(program.nodes[k]) || (!any && program.nodes[k].kind == FormatNode::Keyword))
                        return r.fail(kErrFormatTooLong);
                break;
            }
            if (read_keyword(r, n, &found) != 0) return -1;
            any = true;
        }
        r.skip_blanks();
        if (!r.at_end()) return r.fail(kErrFormatEnds);
        return assemble(r, found, out);
    } catch (...) {
        return -1;
    }
}

}  // namespace vsk::dt
