// Broken-down times for the date tests, written as a date and a time.
#pragma once

#include "datetime/calendar.h"

namespace vsk::test {

inline dt::BrokenDownTime tm_of(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    dt::BrokenDownTime tm;
    tm.tm_year = y, tm.tm_mon = mo, tm.tm_mday = d, tm.tm_hour = h, tm.tm_min = mi, tm.tm_sec = s;
    return tm;
}

}  // namespace vsk::test
