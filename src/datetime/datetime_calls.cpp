// OCIDateTime construction, checks, fields, zones, the current time, conversion between
// types and comparison.
#include <oci.h>

#include <cstring>
#include <string>

#include "datetime/datetime_ops.h"
#include "datetime/layouts.h"
#include "datetime/value_call.h"
#include "env/export.h"

using namespace vsk;
using namespace vsk::dt;

namespace {

// Records the error of a construction step: 9216 names the year and "yr".
sword construct_error(OCIError *err, unsigned number, int year) {
    _ClearErrorHandle(err);
    if (number == kErrBadYear) {
        const std::string y = std::to_string(year);
        AddErrorRecordStringX(err, OCI_ERROR, kErrBadYear, 2, y.c_str(), "yr");
    } else {
        AddErrorRecord(err, OCI_ERROR, number);
    }
    return OCI_ERROR;
}

sword result_of(OCIError *err, unsigned number) { return number ? value_error(err, number) : OCI_SUCCESS; }

bool zoned(const DateTimeValue *v) { return v->type == OCI_DTYPE_TIMESTAMP_TZ || v->type == OCI_DTYPE_TIMESTAMP_LTZ; }

}  // namespace

extern "C" {

VSK_EXPORT sword OCIDateTimeConstruct(void *hndl, OCIError *err, OCIDateTime *datetime, sb2 yr, ub1 mnth, ub1 dy,
                                      ub1 hr, ub1 mm, ub1 ss, ub4 fsec, OraText *timezone, size_t timezone_length) {
    return handle_call(hndl, err, "OCIDateTimeConstruct", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        DateTimeValue *v = datetime_arg(err, datetime, 3, false, &rc);
        if (!v) return rc;
        const ConstructArgs a{yr, mnth, dy, hr, mm, ss, fsec, reinterpret_cast<const char *>(timezone),
                              timezone ? timezone_length : 0};
        const unsigned number = construct(v, a);
        return number ? construct_error(err, number, yr) : OCI_SUCCESS;
    }, hndl, err, datetime, yr, mnth, dy, hr, mm, ss, fsec, timezone, timezone_length);
}

VSK_EXPORT sword OCIDateTimeCheck(void *hndl, OCIError *err, const OCIDateTime *date, ub4 *valid) {
    return handle_call(hndl, err, "OCIDateTimeCheck", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, date, 3, true, &rc);
        if (!v) return rc;
        if (!valid) return argument_error(err, 4);
        *valid = check_datetime(v);
        return OCI_SUCCESS;
    }, hndl, err, date, valid);
}

VSK_EXPORT sword OCIDateTimeAssign(void *hndl, OCIError *err, const OCIDateTime *from, OCIDateTime *to) {
    return handle_call(hndl, err, "OCIDateTimeAssign", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *src = datetime_arg(err, from, 3, true, &rc);
        if (!src) return rc;
        DateTimeValue *dst = datetime_arg(err, to, 4, false, &rc);
        if (!dst) return rc;
        if (src->type != dst->type) return value_error(err, kErrInconsistent);
        *dst = *src;
        return OCI_SUCCESS;
    }, hndl, err, from, to);
}

VSK_EXPORT sword OCIDateTimeGetDate(void *hndl, OCIError *err, const OCIDateTime *date, sb2 *yr, ub1 *mnth,
                                    ub1 *dy) {
    return handle_call(hndl, err, "OCIDateTimeGetDate", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, date, 3, true, &rc);
        if (!v) return rc;
        if (!yr) return argument_error(err, 4);
        if (!mnth) return argument_error(err, 5);
        if (!dy) return argument_error(err, 6);
        *yr = v->date.OCIDateYYYY;
        *mnth = v->date.OCIDateMM;
        *dy = v->date.OCIDateDD;
        return OCI_SUCCESS;
    }, hndl, err, date, yr, mnth, dy);
}

VSK_EXPORT sword OCIDateTimeGetTime(void *hndl, OCIError *err, OCIDateTime *datetime, ub1 *hr, ub1 *mm, ub1 *ss,
                                    ub4 *fsec) {
    return handle_call(hndl, err, "OCIDateTimeGetTime", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, datetime, 3, true, &rc);
        if (!v) return rc;
        if (!hr) return argument_error(err, 4);
        if (!mm) return argument_error(err, 5);
        if (!ss) return argument_error(err, 6);
        if (!fsec) return argument_error(err, 7);
        if (v->type == OCI_DTYPE_DATE) {
            *hr = *mm = *ss = 0;
            *fsec = 0;
            return value_error(err, kErrFieldMissing);
        }
        *hr = v->date.OCIDateTime.OCITimeHH;
        *mm = v->date.OCIDateTime.OCITimeMI;
        *ss = v->date.OCIDateTime.OCITimeSS;
        *fsec = fraction_of(v);
        return OCI_SUCCESS;
    }, hndl, err, datetime, hr, mm, ss, fsec);
}

VSK_EXPORT sword OCIDateTimeGetTimeZoneOffset(void *hndl, OCIError *err, const OCIDateTime *datetime, sb1 *hr,
                                              sb1 *mm) {
    return handle_call(hndl, err, "OCIDateTimeGetTimeZoneOffset", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, datetime, 3, true, &rc);
        if (!v) return rc;
        if (!hr) return argument_error(err, 4);
        if (!mm) return argument_error(err, 5);
        if (!zoned(v)) return value_error(err, kErrFieldMissing);
        // The minute carries the offset's sign, so -00:30 reads as 0 and -30.
        const int east = v->type == OCI_DTYPE_TIMESTAMP_LTZ ? -GetCurrTimeZone(nullptr, nullptr) : v->zoneOffset;
        *hr = static_cast<sb1>(east / 3600);
        *mm = static_cast<sb1>((east / 60) % 60);
        return OCI_SUCCESS;
    }, hndl, err, datetime, hr, mm);
}

VSK_EXPORT sword OCIDateTimeGetTimeZoneName(void *hndl, OCIError *err, const OCIDateTime *datetime, ub1 *buf,
                                            ub4 *buflen) {
    return handle_call(hndl, err, "OCIDateTimeGetTimeZoneName", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, datetime, 3, true, &rc);
        if (!v) return rc;
        if (!buf) return argument_error(err, 4);
        if (!buflen) return argument_error(err, 5);
        if (*buflen < 7) return OCI_ERROR;
        if (!zoned(v)) return value_error(err, kErrFieldMissing);
        const int east = v->type == OCI_DTYPE_TIMESTAMP_LTZ ? -GetCurrTimeZone(nullptr, nullptr) : v->zoneOffset;
        char text[8];
        write_zone_text(text, east);
        const std::size_t n = std::strlen(text);
        std::memcpy(buf, text, n + 1);
        *buflen = static_cast<ub4>(n);
        return OCI_SUCCESS;
    }, hndl, err, datetime, buf, buflen);
}

VSK_EXPORT sword OCIDateTimeSysTimeStamp(void *hndl, OCIError *err, OCIDateTime *sys_date) {
    return handle_call(hndl, err, "OCIDateTimeSysTimeStamp", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        DateTimeValue *v = datetime_arg(err, sys_date, 3, false, &rc);
        if (!v) return rc;
        BrokenDownTime now;
        current_local_time(&now);
        EncodeOracleOCIDate(&v->date, now, v->type != OCI_DTYPE_DATE);
        if (zoned(v)) set_zone(v, static_cast<int>(now.tm_gmtoff));
        v->initialised = 1;
        return OCI_SUCCESS;
    }, hndl, err, sys_date);
}

VSK_EXPORT sword OCIDateTimeConvert(void *hndl, OCIError *err, OCIDateTime *indate, OCIDateTime *outdate) {
    if (!is_kind(hndl, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    return value_call(err, "OCIDateTimeConvert", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *in = datetime_arg(err, indate, 3, true, &rc);
        if (!in) return rc;
        DateTimeValue *out = datetime_arg(err, outdate, 4, false, &rc);
        if (!out) return rc;
        return result_of(err, convert(in, out));
    }, hndl, err, indate, outdate);
}

VSK_EXPORT sword OCIDateTimeCompare(void *hndl, OCIError *err, const OCIDateTime *date1, const OCIDateTime *date2,
                                    sword *result) {
    if (!is_kind(hndl, HANDLE_OCIEnv)) return OCI_INVALID_HANDLE;
    return value_call(err, "OCIDateTimeCompare", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *a = datetime_arg(err, date1, 3, true, &rc);
        if (!a) return rc;
        const DateTimeValue *b = datetime_arg(err, date2, 4, true, &rc);
        if (!b) return rc;
        if (!result) return argument_error(err, 5);
        int r = 0;
        const unsigned number = compare(a, b, &r);
        if (number) return value_error(err, number);
        *result = r;
        return OCI_SUCCESS;
    }, hndl, err, date1, date2, result);
}

}  // extern "C"
