// Datetime and interval arithmetic, and the OCIInterval family: fields, checks,
// comparison, numbers, zones and text.
#include <oci.h>

#include <cstring>
#include <string>

#include "datetime/datetime_ops.h"
#include "datetime/value_call.h"
#include "env/export.h"

using namespace vsk;
using namespace vsk::dt;

namespace {

sword add_or_sub(OCIError *err, OCIDateTime *datetime, OCIInterval *inter, OCIDateTime *outdatetime,
                 bool subtract) {
    sword rc = OCI_SUCCESS;
    const DateTimeValue *in = datetime_arg(err, datetime, 3, false, &rc);
    if (!in) return rc;
    const IntervalValue *iv = interval_arg(err, inter, 4, false, &rc);
    if (!iv) return rc;
    DateTimeValue *out = datetime_arg(err, outdatetime, 5, false, &rc);
    if (!out) return rc;
    if (!in->initialised || !iv->initialised || !out->initialised) return value_error(err, kErrInconsistent);
    if (add_interval(in, iv, subtract, out) != 0) return argument_error(err, 5);
    return OCI_SUCCESS;
}

// The interval arguments of a binary operation and its result.
template <class Op>
sword interval_binary(OCIError *err, const OCIInterval *a, const OCIInterval *b, OCIInterval *result,
                      Op op) {
    sword rc = OCI_SUCCESS;
    const IntervalValue *x = interval_arg(err, a, 3, true, &rc);
    if (!x) return rc;
    const IntervalValue *y = interval_arg(err, b, 4, true, &rc);
    if (!y) return rc;
    IntervalValue *out = interval_arg(err, result, 5, false, &rc);
    if (!out) return rc;
    const unsigned number = op(x, y, out);
    return number ? value_error(err, number) : OCI_SUCCESS;
}

// The number as a double; OCI_SUCCESS or the failure of OCINumberToReal (its record kept).
sword number_value(OCIError *err, const OCINumber *n, double *out) {
    return OCINumberToReal(err, n, sizeof *out, out);
}

sword scale(OCIError *err, const OCIInterval *inter, OCINumber *factor, OCIInterval *result, bool divide) {
    sword rc = OCI_SUCCESS;
    // The source's value flag is not asked for.
    const IntervalValue *in = interval_arg(err, inter, 3, false, &rc);
    if (!in) return rc;
    if (!factor) return argument_error(err, 4);
    IntervalValue *out = interval_arg(err, result, 5, false, &rc);
    if (!out) return rc;
    double f = 0;
    if (number_value(err, factor, &f) != OCI_SUCCESS) return OCI_ERROR;
    if (divide && f == 0) return OCI_ERROR;
    const unsigned number = interval_scale(in, f, divide, out);
    return number ? value_error(err, number) : OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIDateTimeIntervalAdd(void *hndl, OCIError *err, OCIDateTime *datetime, OCIInterval *inter,
                                        OCIDateTime *outdatetime) {
    return handle_call(hndl, err, "OCIDateTimeIntervalAdd",
                       [&] { return add_or_sub(err, datetime, inter, outdatetime, false); }, hndl, err, datetime,
                       inter, outdatetime);
}

VSK_EXPORT sword OCIDateTimeIntervalSub(void *hndl, OCIError *err, OCIDateTime *datetime, OCIInterval *inter,
                                        OCIDateTime *outdatetime) {
    return handle_call(hndl, err, "OCIDateTimeIntervalSub",
                       [&] { return add_or_sub(err, datetime, inter, outdatetime, true); }, hndl, err, datetime,
                       inter, outdatetime);
}

VSK_EXPORT sword OCIDateTimeSubtract(void *hndl, OCIError *err, OCIDateTime *indate1, OCIDateTime *indate2,
                                     OCIInterval *inter) {
    return handle_call(hndl, err, "OCIDateTimeSubtract", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const DateTimeValue *a = datetime_arg(err, indate1, 3, true, &rc);
        if (!a) return rc;
        const DateTimeValue *b = datetime_arg(err, indate2, 4, true, &rc);
        if (!b) return rc;
        IntervalValue *out = interval_arg(err, inter, 5, false, &rc);
        if (!out) return rc;
        const unsigned number = subtract(a, b, out);
        return number ? value_error(err, number) : OCI_SUCCESS;
    }, hndl, err, indate1, indate2, inter);
}

VSK_EXPORT sword OCIIntervalAssign(void *hndl, OCIError *err, const OCIInterval *ininter, OCIInterval *outinter) {
    return handle_call(hndl, err, "OCIIntervalAssign", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const IntervalValue *src = interval_arg(err, ininter, 3, true, &rc);
        if (!src) return rc;
        IntervalValue *dst = interval_arg(err, outinter, 4, false, &rc);
        if (!dst) return rc;
        *dst = *src;
        return OCI_SUCCESS;
    }, hndl, err, ininter, outinter);
}

VSK_EXPORT sword OCIIntervalCheck(void *hndl, OCIError *err, const OCIInterval *interval, ub4 *valid) {
    return handle_call(hndl, err, "Setting Piece Information", [&]() -> sword {
        const IntervalValue *v = interval_value(interval);
        if (!v) return argument_error(err, 3);
        if (!valid) return argument_error(err, 4);
        if (!v->initialised) return value_error(err, kErrInconsistent);
        *valid = interval_check(v);
        return OCI_SUCCESS;
    }, hndl, err, interval, valid);
}

VSK_EXPORT sword OCIIntervalCompare(void *hndl, OCIError *err, OCIInterval *inter1, OCIInterval *inter2,
                                    sword *result) {
    return handle_call(hndl, err, "OCIIntervalCompare", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const IntervalValue *a = interval_arg(err, inter1, 3, true, &rc);
        if (!a) return rc;
        const IntervalValue *b = interval_arg(err, inter2, 4, true, &rc);
        if (!b) return rc;
        if (!result) return argument_error(err, 5);
        *result = interval_compare(a, b);
        return OCI_SUCCESS;
    }, hndl, err, inter1, inter2, result);
}

VSK_EXPORT sword OCIIntervalAdd(void *hndl, OCIError *err, OCIInterval *addend1, OCIInterval *addend2,
                                OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalAdd", [&] {
        return interval_binary(err, addend1, addend2, result, [](auto *a, auto *b, auto *out) {
            return interval_combine(a, b, false, out);
        });
    }, hndl, err, addend1, addend2, result);
}

VSK_EXPORT sword OCIIntervalSubtract(void *hndl, OCIError *err, OCIInterval *minuend, OCIInterval *subtrahend,
                                     OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalSubtract", [&] {
        return interval_binary(err, minuend, subtrahend, result, [](auto *a, auto *b, auto *out) {
            return interval_combine(a, b, true, out);
        });
    }, hndl, err, minuend, subtrahend, result);
}

VSK_EXPORT sword OCIIntervalMultiply(void *hndl, OCIError *err, const OCIInterval *inter, OCINumber *nfactor,
                                     OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalMultiply", [&] { return scale(err, inter, nfactor, result, false); },
                       hndl, err, inter, nfactor, result);
}

VSK_EXPORT sword OCIIntervalDivide(void *hndl, OCIError *err, OCIInterval *dividend, OCINumber *divisor,
                                   OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalDivide", [&] { return scale(err, dividend, divisor, result, true); },
                       hndl, err, dividend, divisor, result);
}

VSK_EXPORT sword OCIIntervalFromNumber(void *hndl, OCIError *err, OCIInterval *inter, OCINumber *number) {
    return handle_call(hndl, err, "OCIIntervalFromNumber", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        IntervalValue *v = interval_arg(err, inter, 3, false, &rc);
        if (!v) return rc;
        if (!number) return argument_error(err, 4);
        double x = 0;
        if (number_value(err, number, &x) != OCI_SUCCESS) return OCI_ERROR;
        const unsigned n = interval_from_number(v, x);
        return n ? value_error(err, n) : OCI_SUCCESS;
    }, hndl, err, inter, number);
}

VSK_EXPORT sword OCIIntervalToNumber(void *hndl, OCIError *err, const OCIInterval *inter, OCINumber *number) {
    return handle_call(hndl, err, "OCIIntervalToNumber", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const IntervalValue *v = interval_arg(err, inter, 3, true, &rc);
        if (!v) return rc;
        if (!number) return argument_error(err, 4);
        const double x = interval_to_number(v);
        return OCINumberFromReal(err, &x, sizeof x, number);
    }, hndl, err, inter, number);
}

VSK_EXPORT sword OCIIntervalGetYearMonth(void *hndl, OCIError *err, sb4 *yr, sb4 *mnth, const OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalGetYearMonth", [&]() -> sword {
        if (!yr) return argument_error(err, 3);
        if (!mnth) return argument_error(err, 4);
        sword rc = OCI_SUCCESS;
        const IntervalValue *v = interval_arg(err, result, 5, true, &rc);
        if (!v) return rc;
        if (v->type != OCI_DTYPE_INTERVAL_YM) return value_error(err, kErrInconsistent);
        *yr = v->months / 12;
        *mnth = v->months % 12;
        return OCI_SUCCESS;
    }, hndl, err, yr, mnth, result);
}

VSK_EXPORT sword OCIIntervalSetYearMonth(void *hndl, OCIError *err, sb4 yr, sb4 mnth, OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalSetYearMonth", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        IntervalValue *v = interval_arg(err, result, 5, false, &rc);
        if (!v) return rc;
        if (v->type != OCI_DTYPE_INTERVAL_YM) return value_error(err, kErrInconsistent);
        const std::int64_t months = std::int64_t{yr} * 12 + mnth;
        if (months < INT32_MIN || months > INT32_MAX) return value_error(err, kErrDatetimeInternal);
        v->months = static_cast<sb4>(months);
        v->days = 0;
        v->time = 0;
        v->initialised = 1;
        return OCI_SUCCESS;
    }, hndl, err, yr, mnth, result);
}

VSK_EXPORT sword OCIIntervalGetDaySecond(void *hndl, OCIError *err, sb4 *dy, sb4 *hr, sb4 *mm, sb4 *ss, sb4 *fsec,
                                         const OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalGetDaySecond", [&]() -> sword {
        if (!dy) return argument_error(err, 3);
        if (!hr) return argument_error(err, 4);
        if (!mm) return argument_error(err, 5);
        if (!ss) return argument_error(err, 6);
        if (!fsec) return argument_error(err, 7);
        sword rc = OCI_SUCCESS;
        const IntervalValue *v = interval_arg(err, result, 8, true, &rc);
        if (!v) return rc;
        if (v->type != OCI_DTYPE_INTERVAL_DS) return value_error(err, kErrInconsistent);
        const DaySecond f = day_second(v);
        *dy = static_cast<sb4>(f.days);
        *hr = static_cast<sb4>(f.hours);
        *mm = static_cast<sb4>(f.minutes);
        *ss = static_cast<sb4>(f.seconds);
        *fsec = static_cast<sb4>(f.nanos);
        return OCI_SUCCESS;
    }, hndl, err, dy, hr, mm, ss, fsec, result);
}

VSK_EXPORT sword OCIIntervalSetDaySecond(void *hndl, OCIError *err, sb4 dy, sb4 hr, sb4 mm, sb4 ss, sb4 fsec,
                                         OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalSetDaySecond", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        IntervalValue *v = interval_arg(err, result, 8, false, &rc);
        if (!v) return rc;
        if (v->type != OCI_DTYPE_INTERVAL_DS) return value_error(err, kErrInconsistent);
        v->months = 0;
        v->days = dy;
        v->time = static_cast<double>(std::int64_t{hr} * 3600 + std::int64_t{mm} * 60 + ss) + fsec / 1e9;
        v->initialised = 1;
        return OCI_SUCCESS;
    }, hndl, err, dy, hr, mm, ss, fsec, result);
}

VSK_EXPORT sword OCIIntervalFromTZ(void *hndl, OCIError *err, const oratext *inpstring, size_t str_len,
                                   OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalFromTZ", [&]() -> sword {
        if (!inpstring) return argument_error(err, 3);
        sword rc = OCI_SUCCESS;
        IntervalValue *v = interval_arg(err, result, 5, false, &rc);
        if (!v) return rc;
        int east = 0;
        if (!DecodeTZ(reinterpret_cast<const char *>(inpstring), str_len, &east))
            return value_error(err, kErrNotInitialised);
        v->months = 0;
        v->days = 0;
        v->time = east;
        v->initialised = 1;
        return OCI_SUCCESS;
    }, hndl, err, inpstring, str_len, result);
}

VSK_EXPORT sword OCIIntervalFromText(void *hndl, OCIError *err, const OraText *inpstr, size_t str_len,
                                     OCIInterval *result) {
    return handle_call(hndl, err, "OCIIntervalFromText", [&]() -> sword {
        if (!inpstr) return argument_error(err, 3);
        sword rc = OCI_SUCCESS;
        IntervalValue *v = interval_arg(err, result, 5, false, &rc);
        if (!v) return rc;
        const unsigned n = interval_from_text(v, reinterpret_cast<const char *>(inpstr), str_len);
        return n ? value_error(err, n) : OCI_SUCCESS;
    }, hndl, err, inpstr, str_len, result);
}

VSK_EXPORT sword OCIIntervalToText(void *hndl, OCIError *err, const OCIInterval *inter, ub1 lfprec, ub1 fsprec,
                                   OraText *buffer, size_t buflen, size_t *resultlen) {
    return handle_call(hndl, err, "OCIIntervalToText", [&]() -> sword {
        sword rc = OCI_SUCCESS;
        const IntervalValue *v = interval_arg(err, inter, 3, true, &rc);
        if (!v) return rc;
        if (!buffer) return argument_error(err, 6);
        if (!resultlen) return argument_error(err, 8);
        try {
            const std::string text = interval_text(v);
            // The text and its NUL must fit; nothing is written past the buffer.
            if (text.size() + 1 > buflen) return value_error(err, kErrDatetimeInternal);
            std::memcpy(buffer, text.c_str(), text.size() + 1);
            *resultlen = text.size();
            return OCI_SUCCESS;
        } catch (...) {
            return value_error(err, 16506);
        }
    }, hndl, err, inter, lfprec, fsprec, buffer, buflen, resultlen);
}

}  // extern "C"
