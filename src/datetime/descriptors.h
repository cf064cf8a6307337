// Date-time and interval descriptor records; the value lives in its own allocation.
#pragma once

#include <oci.h>

#include "env/handle.h"

namespace vsk {

// The payload of an OCIDateTime.
struct DateTimeValue {
    ub4 fraction;       // nanoseconds, stored big-endian
    char zoneText[10];  // "+HH:MM"
    sb4 zoneOffset;     // seconds east of UTC
    sb1 zoneHour;       // east positive
    ub1 zoneMinute;
    ub1 zoneSecond;
    ub1 type;  // OCI_DTYPE_DATE, _TIMESTAMP, _TIMESTAMP_TZ or _TIMESTAMP_LTZ
    OCIDate date;
    ub4 initialised;
};

// The payload of an OCIInterval.
struct IntervalValue {
    double time;  // seconds, fraction included
    sb4 days;
    sb4 months;   // years x 12 + months
    ub1 type;     // OCI_DTYPE_INTERVAL_YM or _DS
    ub1 initialised;
};

}  // namespace vsk

struct OCIDateTime {
    vsk::Header hdr;
    vsk::DateTimeValue *value;
};

struct OCIInterval {
    vsk::Header hdr;
    vsk::IntervalValue *value;
};

namespace vsk {

OCIDateTime *Alloc_OCIDateTime(ub4 type) noexcept;
OCIInterval *Alloc_OCIInterval(ub4 type) noexcept;
void Free_OCIDateTime(void *h) noexcept;
void Free_OCIInterval(void *h) noexcept;

// The payload of a descriptor of that kind, or null.
inline DateTimeValue *datetime_value(const void *h) noexcept {
    return is_kind(h, HANDLE_OCIDateTime) ? static_cast<const OCIDateTime *>(h)->value : nullptr;
}
inline IntervalValue *interval_value(const void *h) noexcept {
    return is_kind(h, HANDLE_OCIInterval) ? static_cast<const OCIInterval *>(h)->value : nullptr;
}

}  // namespace vsk
