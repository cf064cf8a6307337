// English month and day names, shared by the server-text reader and the format models.
#pragma once

namespace vsk::dt {

extern const char *const kMonthNames[12];     // "January"
extern const char *const kMonthAbbrevs[12];   // "Jan"
extern const char *const kDayNames[7];        // "Sunday"
extern const char *const kDayAbbrevs[7];      // "Sun"

// 1..12 for a month name or its three-letter abbreviation ("sept" too), in any case;
// 0 for anything else.
int month_of_name(const char *name) noexcept;
// 0..6 (Sunday first) for a day name or abbreviation in any case; -1 otherwise.
int weekday_of_name(const char *name) noexcept;

}  // namespace vsk::dt
