// OCIDateTime to and from text (through the format models) and the array form.
#include <oci.h>

#include <cstring>
#include <string>

#include "datetime/datetime_ops.h"
#include "datetime/format_model.h"
#include "datetime/layouts.h"
#include "datetime/value_call.h"
#include "env/export.h"

using namespace vsk;
using namespace vsk::dt;

namespace {

constexpr ub4 kErrInvalidDate = 1839;
constexpr ub4 kErrNoMemory = 16506;

FormatMode mode_of(const DateTimeValue *v) {
    switch (v->type) {
    case OCI_DTYPE_DATE: return FMT_DATE;
    case OCI_DTYPE_TIMESTAMP: return FMT_TIMESTAMP;
    default: return FMT_ZONED;
    }
}

const char *default_input_format(const DateTimeValue *v) {
    switch (v->type) {
    case OCI_DTYPE_DATE: return "DD-MON-YY";
    case OCI_DTYPE_TIMESTAMP: return "DD-MON-YY HH.MI.SS.FF AM";
    default: return "DD-MON-YY HH.MI.SS.FF AM TZH";
    }
}

const char *default_output_format(const DateTimeValue *v) {
    switch (v->type) {
    case OCI_DTYPE_DATE: return "DD-MON-YY";
    case OCI_DTYPE_TIMESTAMP: return "DD-MON-YY HH:MI:SS:FF3 AM";
    default: return "DD-MON-YY HH.MI.SS.FF3 AM TZR";
    }
}

bool zoned(const DateTimeValue *v) { return v->type == OCI_DTYPE_TIMESTAMP_TZ || v->type == OCI_DTYPE_TIMESTAMP_LTZ; }

std::string text_of(const OraText *text, std::size_t length) {
    return std::string(reinterpret_cast<const char *>(text), length);
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIDateTimeFromText(void *hndl, OCIError *err, const OraText *date_str, size_t dstr_length,
                                     const OraText *fmt, ub1 fmt_length, const OraText *lang_name,
                                     size_t lang_length, OCIDateTime *datetime) {
    return handle_call(hndl, err, "OCIDateTimeFromText", [&]() -> sword {
        if (!date_str) return argument_error(err, 3);
        sword rc = OCI_SUCCESS;
        DateTimeValue *v = datetime_arg(err, datetime, 9, false, &rc);
        if (!v) return rc;
        try {
            const std::string text = text_of(date_str, dstr_length);
            const std::string format = fmt ? text_of(fmt, fmt_length) : default_input_format(v);
            ReadDateTime r;
            if (do_to_timestamp(err, text.c_str(), format.c_str(), &r, mode_of(v)) != 0) return OCI_ERROR;
            BrokenDownTime &tm = r.tm;
            if (tm.tm_mday > days_in_month(tm.tm_year, tm.tm_mon)) return value_error(err, kErrInvalidDate);
            if (zoned(v)) {
                if (!r.hasZone) tm.tm_gmtoff = local_offset_east(tm);
                if (v->type == OCI_DTYPE_TIMESTAMP_LTZ) {
                    // Moved into the local zone when the text gave another.
                    std::int64_t utc = 0;
                    if (tm2seconds(tm, &utc)) {
                        utc -= tm.tm_gmtoff;
                        const int local = local_offset_at(utc);
                        if (local != tm.tm_gmtoff && seconds2tm(utc + local, &tm)) tm.tm_gmtoff = local;
                    }
                }
            }
            if (v->type == OCI_DTYPE_DATE) {
                tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
                r.nanos = 0;
            }
            EncodeOracleOCIDateTime(v, tm, zoned(v), r.nanos);
            v->initialised = 1;
            return OCI_SUCCESS;
        } catch (...) {
            return value_error(err, kErrNoMemory);
        }
    }, hndl, err, date_str, dstr_length, fmt, fmt_length, lang_name, lang_length, datetime);
}

VSK_EXPORT sword OCIDateTimeToText(void *hndl, OCIError *err, const OCIDateTime *date, const OraText *fmt,
                                   ub1 fmt_length, ub1 fsprec, const OraText *lang_name, size_t lang_length,
                                   ub4 *buf_size, OraText *buf) {
    return handle_call(hndl, err, "OCIDateTimeToText", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, date, 3, true, &rc);
        if (!v) return rc;
        if (!buf_size) return argument_error(err, 9);
        if (!buf) return argument_error(err, 10);
        try {
            const std::string format = fmt ? text_of(fmt, fmt_length) : default_output_format(v);
            BrokenDownTime tm;
            int nanos = 0;
            DecodeOracleOCIDateTime(v, &tm, &nanos, zoned(v));
            if (!zoned(v)) tm.tm_gmtoff = 0;
            std::size_t length = 0;
            if (!datetime_to_char_buffer(err, tm, nanos, format.c_str(), mode_of(v), reinterpret_cast<char *>(buf),
                                         *buf_size, &length))
                return OCI_ERROR;
            if (*buf_size) *buf_size = static_cast<ub4>(length < *buf_size - 1 ? length : *buf_size - 1);
            return OCI_SUCCESS;
        } catch (...) {
            return value_error(err, kErrNoMemory);
        }
    }, hndl, err, date, fmt, fmt_length, fsprec, lang_name, lang_length, buf_size, buf);
}

VSK_EXPORT sword OCIDateTimeToArray(void *hndl, OCIError *err, const OCIDateTime *datetime, const OCIInterval *reftz,
                                    ub1 *outarray, ub4 *len, ub1 fsprec) {
    return handle_call(hndl, err, "OCIDateTimeToArray", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *v = datetime_arg(err, datetime, 3, true, &rc);
        if (!v) return rc;
        if (!reftz) {
            AddErrorRecord(err, OCI_ERROR, 100);
            return OCI_INVALID_HANDLE;
        }
        if (!outarray) return argument_error(err, 5);
        if (!len) return argument_error(err, 6);
        std::uint32_t length = *len;
        const unsigned number = to_array(v, outarray, &length);
        if (number) return value_error(err, number);
        *len = length;
        return OCI_SUCCESS;
    }, hndl, err, datetime, reftz, outarray, len, fsprec);
}

VSK_EXPORT sword OCIDateTimeFromArray(void *hndl, OCIError *err, const ub1 *inarray, ub4 len, ub1 type,
                                      OCIDateTime *datetime, const OCIInterval *reftz, ub1 fsprec) {
    return handle_call(hndl, err, "OCIDateTimeFromArray", [&]() -> sword {
        if (!inarray) return argument_error(err, 3);
        sword rc = OCI_SUCCESS;
        DateTimeValue *v = datetime_arg(err, datetime, 6, false, &rc);
        if (!v) return rc;
        const unsigned number = from_array(v, inarray, len);
        return number ? value_error(err, number) : OCI_SUCCESS;
    }, hndl, err, inarray, len, type, datetime, reftz, fsprec);
}

}  // extern "C"
