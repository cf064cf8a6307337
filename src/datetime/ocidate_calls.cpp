// The OCIDate family: calendar arithmetic, comparison, checks, the current date and text
// through the format models, all on the client.
#include <oci.h>

#include <cstring>
#include <string>

#include "datetime/calendar.h"
#include "datetime/format_model.h"
#include "datetime/layouts.h"
#include "datetime/value_call.h"
#include "env/export.h"
#include "nls/ascii.h"

using namespace vsk;
using namespace vsk::dt;

namespace {

constexpr ub4 kErrInvalidDate = 1839;
constexpr ub4 kErrInvalidWeekday = 1846;
constexpr const char *kDefaultDateFormat = "DD-MON-YY";

BrokenDownTime fields_of(const OCIDate *d) {
    BrokenDownTime tm;
    DecodeOracleOCIDate(d, &tm, true);
    return tm;
}

int julian_of(const OCIDate *d) { return date2j(d->OCIDateYYYY, d->OCIDateMM, d->OCIDateDD); }

// Julian days of values no check has passed can lie outside the calendar: keep the
// arithmetic inside the 32-bit range and the conversion from it defined.
void set_from_julian(OCIDate *out, std::int64_t jd) {
    int y, m, d;
    j2date(static_cast<int>(jd), &y, &m, &d);
    out->OCIDateYYYY = static_cast<sb2>(y);
    out->OCIDateMM = static_cast<ub1>(m);
    out->OCIDateDD = static_cast<ub1>(d);
}

// "SUN" .. "SAT" for the first three letters of a day name, 0..6; -1 otherwise.
int weekday_of_prefix(const oratext *name, ub4 length) {
    static const char *const kDays[7] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    if (length <= 2) return -1;
    char prefix[4] = {ascii_toupper(static_cast<char>(name[0])), ascii_toupper(static_cast<char>(name[1])),
                      ascii_toupper(static_cast<char>(name[2])), '\0'};
    for (int i = 0; i < 7; ++i)
        if (std::strcmp(prefix, kDays[i]) == 0) return i;
    return -1;
}

int compare_dates(const OCIDate *a, const OCIDate *b) {
    const int fa[6] = {a->OCIDateYYYY, a->OCIDateMM, a->OCIDateDD, a->OCIDateTime.OCITimeHH, a->OCIDateTime.OCITimeMI,
                       a->OCIDateTime.OCITimeSS};
    const int fb[6] = {b->OCIDateYYYY, b->OCIDateMM, b->OCIDateDD, b->OCIDateTime.OCITimeHH, b->OCIDateTime.OCITimeMI,
                       b->OCIDateTime.OCITimeSS};
    for (int i = 0; i < 6; ++i)
        if (fa[i] != fb[i]) return fa[i] < fb[i] ? -1 : 1;
    return 0;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIDateAssign(OCIError *err, const OCIDate *from, OCIDate *to) {
    return value_call(err, "OCIDateAssign", [&]() -> sword {
        if (!from) return argument_error(err, 2);
        if (!to) return argument_error(err, 3);
        *to = *from;
        return OCI_SUCCESS;
    }, err, from, to);
}

VSK_EXPORT sword OCIDateAddMonths(OCIError *err, const OCIDate *date, sb4 num_months, OCIDate *result) {
    return value_call(err, "OCIDateAddMonths", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!result) return argument_error(err, 4);
        const std::int64_t m = std::int64_t{date->OCIDateMM} + num_months;
        std::int64_t year = date->OCIDateYYYY + m / 12;
        std::int64_t month = m - 12 * (m / 12);
        if (month < 1) {
            month += 12;
            --year;
        }
        // The last day of a month stays the last day; any other day is kept as it is.
        const bool last = date->OCIDateDD == days_in_month(date->OCIDateYYYY, date->OCIDateMM);
        const OCITime time = date->OCIDateTime;
        const int day = last ? days_in_month(static_cast<int>(year), static_cast<int>(month)) : date->OCIDateDD;
        result->OCIDateYYYY = static_cast<sb2>(year);
        result->OCIDateMM = static_cast<ub1>(month);
        result->OCIDateDD = static_cast<ub1>(day);
        result->OCIDateTime = time;
        return OCI_SUCCESS;
    }, err, date, num_months, result);
}

VSK_EXPORT sword OCIDateAddDays(OCIError *err, const OCIDate *date, sb4 num_days, OCIDate *result) {
    return value_call(err, "OCIDateAddDays", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!result) return argument_error(err, 4);
        set_from_julian(result, std::int64_t{julian_of(date)} + num_days);
        result->OCIDateTime = OCITime{0, 0, 0};
        return OCI_SUCCESS;
    }, err, date, num_days, result);
}

VSK_EXPORT sword OCIDateDaysBetween(OCIError *err, const OCIDate *date1, const OCIDate *date2, sb4 *num_days) {
    return value_call(err, "OCIDateDaysBetween", [&]() -> sword {
        if (!date1) return argument_error(err, 2);
        if (!date2) return argument_error(err, 3);
        if (!num_days) return argument_error(err, 4);
        *num_days = static_cast<sb4>(std::int64_t{julian_of(date1)} - julian_of(date2));
        return OCI_SUCCESS;
    }, err, date1, date2, num_days);
}

VSK_EXPORT sword OCIDateLastDay(OCIError *err, const OCIDate *date, OCIDate *last_day) {
    return value_call(err, "OCIDateLastDay", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!last_day) return argument_error(err, 3);
        const OCIDate in = *date;
        *last_day = in;
        last_day->OCIDateDD = static_cast<ub1>(days_in_month(in.OCIDateYYYY, in.OCIDateMM));
        return OCI_SUCCESS;
    }, err, date, last_day);
}

VSK_EXPORT sword OCIDateNextDay(OCIError *err, const OCIDate *date, const oratext *day_p, ub4 day_length,
                                OCIDate *next_day) {
    return value_call(err, "OCIDateNextDay", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!day_p) return argument_error(err, 3);
        if (!next_day) return argument_error(err, 5);
        const int wanted = weekday_of_prefix(day_p, day_length);
        if (wanted < 0) return value_error(err, kErrInvalidWeekday);
        const int jd = julian_of(date);
        int ahead = (wanted - j2day(jd) + 7) % 7;
        if (ahead == 0) ahead = 7;
        const OCITime time = date->OCIDateTime;
        set_from_julian(next_day, std::int64_t{jd} + ahead);
        next_day->OCIDateTime = time;
        return OCI_SUCCESS;
    }, err, date, day_p, day_length, next_day);
}

VSK_EXPORT sword OCIDateCompare(OCIError *err, const OCIDate *date1, const OCIDate *date2, sword *result) {
    return value_call(err, "OCIDateCompare", [&]() -> sword {
        if (!date1) return argument_error(err, 2);
        if (!date2) return argument_error(err, 3);
        if (!result) return argument_error(err, 4);
        *result = compare_dates(date1, date2);
        return OCI_SUCCESS;
    }, err, date1, date2, result);
}

VSK_EXPORT sword OCIDateCheck(OCIError *err, const OCIDate *date, uword *valid) {
    return value_call(err, "OCIDateCheck", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!valid) return argument_error(err, 3);
        *valid = check_ocidate(date);
        return OCI_SUCCESS;
    }, err, date, valid);
}

VSK_EXPORT sword OCIDateSysDate(OCIError *err, OCIDate *sys_date) {
    return value_call(err, "OCIDateSysDate", [&]() -> sword {
        if (!sys_date) return argument_error(err, 2);
        BrokenDownTime now;
        current_local_time(&now);
        EncodeOracleOCIDate(sys_date, now, true);
        return OCI_SUCCESS;
    }, err, sys_date);
}

VSK_EXPORT sword OCIDateFromText(OCIError *err, const oratext *date_str, ub4 d_str_length, const oratext *fmt,
                                 ub1 fmt_length, const oratext *lang_name, ub4 lang_length, OCIDate *date) {
    return value_call(err, "OCIDateFromText", [&]() -> sword {
        if (!date_str) return argument_error(err, 2);
        if (!fmt) return argument_error(err, 4);
        if (!date) return argument_error(err, 8);
        try {
            const std::string text(reinterpret_cast<const char *>(date_str), d_str_length);
            const std::string format(reinterpret_cast<const char *>(fmt), fmt_length);
            ReadDateTime r;
            if (do_to_timestamp(err, text.c_str(), format.c_str(), &r, FMT_OCIDATE) != 0) return OCI_ERROR;
            if (r.tm.tm_mday > days_in_month(r.tm.tm_year, r.tm.tm_mon)) return value_error(err, kErrInvalidDate);
            EncodeOracleOCIDate(date, r.tm, true);
            return OCI_SUCCESS;
        } catch (...) {
            return value_error(err, 16506);
        }
    }, err, date_str, d_str_length, fmt, fmt_length, lang_name, lang_length, date);
}

VSK_EXPORT sword OCIDateToText(OCIError *err, const OCIDate *date, const oratext *fmt, ub1 fmt_length,
                               const oratext *lang_name, ub4 lang_length, ub4 *buf_size, oratext *buf) {
    return value_call(err, "OCIDateToText", [&]() -> sword {
        if (!date) return argument_error(err, 2);
        if (!buf_size) return argument_error(err, 7);
        if (!buf) return argument_error(err, 8);
        // The format's length fits its 8 bits, so it is copied without the heap; the text
        // goes straight into the caller's buffer.
        char format[kMaxFormatLength + 1];
        if (fmt) {
            std::memcpy(format, fmt, fmt_length);
            format[fmt_length] = '\0';
        } else {
            std::strcpy(format, kDefaultDateFormat);
        }
        std::size_t length = 0;
        if (!datetime_to_char_buffer(err, fields_of(date), 0, format, FMT_OCIDATE, reinterpret_cast<char *>(buf),
                                     *buf_size, &length, true))
            return OCI_ERROR;
        return OCI_SUCCESS;
    }, err, date, fmt, fmt_length, lang_name, lang_length, buf_size, buf);
}

}  // extern "C"
