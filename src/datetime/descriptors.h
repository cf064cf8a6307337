// Date-time and interval descriptor records; the value lives in its own allocation.
#pragma once

#include <oci.h>

#include "env/handle.h"

namespace vsk {

struct DateTimeValue {
    ub4 type;  // OCI_DTYPE_DATE, _TIMESTAMP, _TIMESTAMP_TZ or _TIMESTAMP_LTZ
};

struct IntervalValue {
    ub4 type;  // OCI_DTYPE_INTERVAL_YM or _DS
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

}  // namespace vsk
