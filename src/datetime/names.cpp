#include "datetime/names.h"

#include "nls/ascii.h"

namespace vsk::dt {

const char *const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char *const kMonthAbbrevs[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const kDayAbbrevs[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

int month_of_name(const char *name) noexcept {
    for (int i = 0; i < 12; ++i)
        if (ascii_casecmp(name, kMonthNames[i]) == 0 || ascii_casecmp(name, kMonthAbbrevs[i]) == 0) return i + 1;
    if (ascii_casecmp(name, "sept") == 0) return 9;
    return 0;
}

int weekday_of_name(const char *name) noexcept {
    for (int i = 0; i < 7; ++i)
        if (ascii_casecmp(name, kDayNames[i]) == 0 || ascii_casecmp(name, kDayAbbrevs[i]) == 0) return i;
    return -1;
}

}  // namespace vsk::dt
