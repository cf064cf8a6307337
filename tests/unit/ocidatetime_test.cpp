// The OCIDateTime and OCIInterval families: construction and its errors, fields and
// zones, conversion between types, arithmetic and comparison, the array form, text, and
// the interval functions with OCINumber factors.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "datetime/descriptors.h"
#include "datetime_descriptors.h"
#include "oci_handles_test.h"

namespace {

using vsk::test::OciHandlesTest;

OraText *ot(const char *s) { return reinterpret_cast<OraText *>(const_cast<char *>(s)); }

class DateTimeCalls : public OciHandlesTest {
protected:
    void SetUp() override {
        OciHandlesTest::SetUp();
        setenv("TZ", "UTC", 1);
        tzset();
    }
    OCIDateTime *datetime(ub4 type) { return vsk::test::new_datetime(env_, type); }
    OCIInterval *interval(ub4 type) { return vsk::test::new_interval(env_, type); }
    sword construct(OCIDateTime *d, int y, int mo, int day, int h = 0, int mi = 0, int s = 0, ub4 ns = 0,
                    const char *zone = nullptr) {
        return OCIDateTimeConstruct(env_, err_, d, static_cast<sb2>(y), static_cast<ub1>(mo), static_cast<ub1>(day),
                                    static_cast<ub1>(h), static_cast<ub1>(mi), static_cast<ub1>(s), ns, ot(zone),
                                    zone ? std::strlen(zone) : 0);
    }
    OCIDateTime *make(ub4 type, int y, int mo, int day, int h = 0, int mi = 0, int s = 0, ub4 ns = 0,
                      const char *zone = nullptr) {
        OCIDateTime *d = datetime(type);
        EXPECT_EQ(construct(d, y, mo, day, h, mi, s, ns, zone), OCI_SUCCESS) << message();
        return d;
    }
    std::string text(const OCIDateTime *d, const char *fmt) {
        OraText buf[128];
        ub4 n = sizeof buf;
        const sword rc = OCIDateTimeToText(env_, err_, d, ot(fmt), fmt ? static_cast<ub1>(std::strlen(fmt)) : 0, 9,
                                           nullptr, 0, &n, buf);
        if (rc != OCI_SUCCESS) return "error " + std::to_string(error_code());
        EXPECT_EQ(n, std::strlen(reinterpret_cast<char *>(buf)));
        return reinterpret_cast<char *>(buf);
    }
    std::string show(const OCIDateTime *d) { return text(d, "YYYY-MM-DD HH24:MI:SS.FF"); }
    std::string interval_text(const OCIInterval *i) {
        OraText buf[64];
        size_t n = 0;
        if (OCIIntervalToText(env_, err_, i, 2, 2, buf, sizeof buf, &n) != OCI_SUCCESS)
            return "error " + std::to_string(error_code());
        return std::string(reinterpret_cast<char *>(buf), n);
    }
    OCINumber number(double v) {
        OCINumber n;
        EXPECT_EQ(OCINumberFromReal(err_, &v, sizeof v, &n), OCI_SUCCESS);
        return n;
    }
};

TEST_F(DateTimeCalls, ConstructRecordsTheFailingFieldsFlag) {
    OCIDateTime *d = datetime(OCI_DTYPE_TIMESTAMP);
    const struct {
        int y, mo, day, h, mi, s;
        sb4 error;
    } cases[] = {
        {2024, 2, 30, 0, 0, 0, 1}, {2024, 13, 1, 0, 0, 0, 4},    {2024, 0, 10, 0, 0, 0, 12},
        {2024, 1, 0, 0, 0, 0, 3},  {10000, 1, 1, 0, 0, 0, 9216}, {0, 1, 1, 0, 0, 0, 9216},
        {0, 0, 1, 0, 0, 0, 9216},  {0, 0, 0, 0, 0, 0, 8207},     {2024, 1, 1, 24, 0, 0, 64},
        {2024, 1, 1, 0, 60, 0, 256}, {2024, 1, 1, 0, 0, 60, 1024},
    };
    for (auto c : cases) {
        EXPECT_EQ(construct(d, c.y, c.mo, c.day, c.h, c.mi, c.s), OCI_ERROR);
        EXPECT_EQ(error_code(), c.error) << c.y << "-" << c.mo << "-" << c.day;
    }
    EXPECT_EQ(construct(d, 10000, 1, 1), OCI_ERROR);
    EXPECT_NE(message().find("'10000' for parameter 'yr'"), std::string::npos) << message();
    ASSERT_EQ(construct(d, 2024, 2, 29, 23, 59, 59, 999999999), OCI_SUCCESS);
    EXPECT_EQ(show(d), "2024-02-29 23:59:59.999999999");
    ASSERT_EQ(construct(d, -4712, 1, 1), OCI_SUCCESS);
    EXPECT_EQ(text(d, "SYYYY-MM-DD"), "-4713-01-01");
}

TEST_F(DateTimeCalls, ConstructReadsZones) {
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 20, 30, 0, "+05:30");
    const vsk::DateTimeValue *v = tz->value;
    EXPECT_EQ(v->zoneOffset, 19800);
    EXPECT_EQ(v->zoneHour, 5);
    EXPECT_EQ(v->zoneMinute, 30);
    EXPECT_STREQ(v->zoneText, "+05:30");
    EXPECT_EQ(construct(tz, 2024, 3, 5, 10, 0, 0, 0, "+15:00"), OCI_ERROR);
    EXPECT_EQ(error_code(), 16384);
    for (const char *bad : {"+05:60", "-13", "5x", "+05:30:00", ":30", ""}) {
        if (!*bad) continue;
        EXPECT_EQ(construct(tz, 2024, 3, 5, 10, 0, 0, 0, bad), OCI_ERROR) << bad;
    }
    ASSERT_EQ(construct(tz, 2024, 3, 5, 10, 0, 0, 0, "-3:30"), OCI_SUCCESS);
    EXPECT_EQ(tz->value->zoneOffset, -12600);
    EXPECT_STREQ(tz->value->zoneText, "-03:30");
    // Without a zone: the local one (UTC here).
    ASSERT_EQ(construct(tz, 2024, 3, 5, 10, 0, 0), OCI_SUCCESS);
    EXPECT_STREQ(tz->value->zoneText, "+00:00");
    // Hours past 23 carry into the date when the zone is not UTC.
    ASSERT_EQ(construct(tz, 2024, 2, 28, 30, 0, 0, 0, "+01:00"), OCI_SUCCESS);
    EXPECT_EQ(show(tz), "2024-02-29 06:00:00.000000000");
    EXPECT_EQ(construct(tz, 2024, 2, 28, 30, 0, 0, 0, "+00:00"), OCI_ERROR);
    EXPECT_EQ(error_code(), 64);
}

TEST_F(DateTimeCalls, FieldsAndZoneNames) {
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 20, 30, 500, "-03:30");
    sb2 y;
    ub1 mo, day, h, mi, s;
    ub4 ns;
    ASSERT_EQ(OCIDateTimeGetDate(env_, err_, tz, &y, &mo, &day), OCI_SUCCESS);
    EXPECT_EQ(y, 2024);
    EXPECT_EQ(day, 5);
    ASSERT_EQ(OCIDateTimeGetTime(env_, err_, tz, &h, &mi, &s, &ns), OCI_SUCCESS);
    EXPECT_EQ(h, 10);
    EXPECT_EQ(ns, 500u);
    sb1 zh, zm;
    ASSERT_EQ(OCIDateTimeGetTimeZoneOffset(env_, err_, tz, &zh, &zm), OCI_SUCCESS);
    EXPECT_EQ(zh, -3);
    EXPECT_EQ(zm, -30);
    ub1 name[16];
    ub4 n = 6;
    EXPECT_EQ(OCIDateTimeGetTimeZoneName(env_, err_, tz, name, &n), OCI_ERROR);
    n = sizeof name;
    ASSERT_EQ(OCIDateTimeGetTimeZoneName(env_, err_, tz, name, &n), OCI_SUCCESS);
    EXPECT_EQ(n, 6u);
    EXPECT_STREQ(reinterpret_cast<char *>(name), "-03:30");

    OCIDateTime *ts = make(OCI_DTYPE_TIMESTAMP, 2024, 3, 5, 10, 20, 30);
    n = sizeof name;
    EXPECT_EQ(OCIDateTimeGetTimeZoneName(env_, err_, ts, name, &n), OCI_ERROR);
    EXPECT_EQ(error_code(), 1878);
    EXPECT_EQ(OCIDateTimeGetTimeZoneOffset(env_, err_, ts, &zh, &zm), OCI_ERROR);
    EXPECT_EQ(error_code(), 1878);
    OCIDateTime *date = make(OCI_DTYPE_DATE, 2024, 3, 5, 10, 20, 30);
    h = mi = s = 9;
    EXPECT_EQ(OCIDateTimeGetTime(env_, err_, date, &h, &mi, &s, &ns), OCI_ERROR);
    EXPECT_EQ(error_code(), 1878);
    EXPECT_EQ(h + mi + s, 0);
}

TEST_F(DateTimeCalls, ChecksAssignAndArguments) {
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 20, 30, 0, "+01:00");
    ub4 flags = 99;
    ASSERT_EQ(OCIDateTimeCheck(env_, err_, tz, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, 0u);
    tz->value->date.OCIDateDD = 31;
    tz->value->date.OCIDateMM = 4;
    tz->value->zoneHour = 15;
    ASSERT_EQ(OCIDateTimeCheck(env_, err_, tz, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, static_cast<ub4>(OCI_DT_INVALID_DAY | OCI_DT_INVALID_TIMEZONE));

    OCIDateTime *ts = make(OCI_DTYPE_TIMESTAMP, 2024, 3, 5), *ts2 = datetime(OCI_DTYPE_TIMESTAMP);
    ASSERT_EQ(OCIDateTimeAssign(env_, err_, ts, ts2), OCI_SUCCESS);
    EXPECT_EQ(show(ts2), "2024-03-05 00:00:00.000000000");
    EXPECT_EQ(OCIDateTimeAssign(env_, err_, ts, tz), OCI_ERROR);
    EXPECT_EQ(error_code(), 932);

    EXPECT_EQ(OCIDateTimeCheck(env_, nullptr, ts, &flags), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDateTimeCheck(nullptr, err_, ts, &flags), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    EXPECT_NE(message().find("argument 1"), std::string::npos);
    EXPECT_EQ(OCIDateTimeCheck(env_, err_, ts, nullptr), OCI_ERROR);
    EXPECT_NE(message().find("argument 4"), std::string::npos);
    EXPECT_EQ(OCIDateTimeCheck(env_, err_, reinterpret_cast<OCIDateTime *>(err_), &flags), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    ts->value->initialised = 0;
    EXPECT_EQ(OCIDateTimeCheck(env_, err_, ts, &flags), OCI_ERROR);
    EXPECT_EQ(error_code(), 16384);
}

TEST_F(DateTimeCalls, ConvertBetweenTypes) {
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 20, 30, 250000000, "+05:30");
    OCIDateTime *date = datetime(OCI_DTYPE_DATE), *ts = datetime(OCI_DTYPE_TIMESTAMP),
                *tz2 = datetime(OCI_DTYPE_TIMESTAMP_TZ), *ltz = datetime(OCI_DTYPE_TIMESTAMP_LTZ);
    ASSERT_EQ(OCIDateTimeConvert(env_, err_, tz, date), OCI_SUCCESS);
    EXPECT_EQ(text(date, "YYYY-MM-DD"), "2024-03-05");
    EXPECT_EQ(date->value->date.OCIDateTime.OCITimeHH, 0);
    ASSERT_EQ(OCIDateTimeConvert(env_, err_, tz, ts), OCI_SUCCESS);
    EXPECT_EQ(show(ts), "2024-03-05 10:20:30.250000000");
    ASSERT_EQ(OCIDateTimeConvert(env_, err_, tz, tz2), OCI_SUCCESS);
    EXPECT_STREQ(tz2->value->zoneText, "+05:30");
    // Into the local zone (UTC here) the instant is kept.
    ASSERT_EQ(OCIDateTimeConvert(env_, err_, tz, ltz), OCI_SUCCESS);
    EXPECT_EQ(show(ltz), "2024-03-05 04:50:30.250000000");
    EXPECT_STREQ(ltz->value->zoneText, "+00:00");
    ASSERT_EQ(OCIDateTimeConvert(env_, err_, ts, tz2), OCI_SUCCESS);
    EXPECT_EQ(show(tz2), "2024-03-05 10:20:30.250000000");
    EXPECT_STREQ(tz2->value->zoneText, "+00:00");
    EXPECT_EQ(OCIDateTimeConvert(err_, err_, tz, ts), OCI_INVALID_HANDLE);
}

TEST_F(DateTimeCalls, CompareInstants) {
    OCIDateTime *a = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 0, 0, 0, "+05:30");
    OCIDateTime *b = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 4, 30, 0, 0, "+00:00");
    OCIDateTime *c = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 4, 30, 0, 1000, "+00:00");
    OCIDateTime *d = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 4, 30, 0, 999, "+00:00");
    sword r = 9;
    ASSERT_EQ(OCIDateTimeCompare(env_, err_, a, b, &r), OCI_SUCCESS);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(OCIDateTimeCompare(env_, err_, a, c, &r), OCI_SUCCESS);
    EXPECT_EQ(r, -1);
    ASSERT_EQ(OCIDateTimeCompare(env_, err_, d, a, &r), OCI_SUCCESS);
    EXPECT_EQ(r, 0);  // below a microsecond
    OCIDateTime *ts = make(OCI_DTYPE_TIMESTAMP, 2024, 3, 5);
    EXPECT_EQ(OCIDateTimeCompare(env_, err_, a, ts, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 1870);
    EXPECT_EQ(OCIDateTimeCompare(err_, err_, a, b, &r), OCI_INVALID_HANDLE);
}

TEST_F(DateTimeCalls, IntervalArithmeticOnDatetimes) {
    OCIDateTime *d = make(OCI_DTYPE_TIMESTAMP, 2024, 1, 31, 10, 0, 0);
    OCIInterval *ym = interval(OCI_DTYPE_INTERVAL_YM), *ds = interval(OCI_DTYPE_INTERVAL_DS);
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 0, 1, ym), OCI_SUCCESS);
    OCIDateTime *out = datetime(OCI_DTYPE_TIMESTAMP);
    ASSERT_EQ(OCIDateTimeIntervalAdd(env_, err_, d, ym, out), OCI_SUCCESS) << message();
    EXPECT_EQ(show(out), "2024-02-29 10:00:00.000000000");
    ASSERT_EQ(OCIDateTimeIntervalSub(env_, err_, d, ym, out), OCI_SUCCESS);
    EXPECT_EQ(show(out), "2023-12-31 10:00:00.000000000");
    EXPECT_EQ(ym->value->months, 1);  // the caller's interval stays

    OCIDateTime *e = make(OCI_DTYPE_TIMESTAMP, 2024, 2, 28, 23, 30, 0);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 1, 1, 0, 0, 0, ds), OCI_SUCCESS);
    ASSERT_EQ(OCIDateTimeIntervalAdd(env_, err_, e, ds, out), OCI_SUCCESS);
    EXPECT_EQ(show(out), "2024-03-01 00:30:00.000000000");
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 0, 0, 0, 0, 500000000, ds), OCI_SUCCESS);
    ASSERT_EQ(OCIDateTimeIntervalSub(env_, err_, e, ds, out), OCI_SUCCESS);
    EXPECT_EQ(show(out), "2024-02-28 23:29:59.500000000");

    // A zoned value moves its local date by months and keeps its zone.
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 1, 31, 2, 0, 0, 0, "+05:30");
    ASSERT_EQ(OCIDateTimeIntervalAdd(env_, err_, tz, ym, tz), OCI_SUCCESS);
    EXPECT_EQ(show(tz), "2024-02-29 02:00:00.000000000");
    EXPECT_STREQ(tz->value->zoneText, "+05:30");

    ds->value->initialised = 0;
    EXPECT_EQ(OCIDateTimeIntervalAdd(env_, err_, e, ds, out), OCI_ERROR);
    EXPECT_EQ(error_code(), 932);
    ds->value->initialised = 1;
    ds->value->time = 1e300;
    EXPECT_EQ(OCIDateTimeIntervalAdd(env_, err_, e, ds, out), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    // Beyond what the layout's year holds.
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 40000, 0, ym), OCI_SUCCESS);
    EXPECT_EQ(OCIDateTimeIntervalAdd(env_, err_, e, ym, out), OCI_ERROR);
}

TEST_F(DateTimeCalls, SubtractSplitsIntoThirtyDayMonths) {
    OCIDateTime *a = make(OCI_DTYPE_TIMESTAMP, 2024, 2, 15), *b = make(OCI_DTYPE_TIMESTAMP, 2024, 1, 1);
    OCIInterval *i = interval(OCI_DTYPE_INTERVAL_DS);
    ASSERT_EQ(OCIDateTimeSubtract(env_, err_, a, b, i), OCI_SUCCESS);
    EXPECT_EQ(i->value->months, 1);
    EXPECT_EQ(i->value->days, 15);
    EXPECT_EQ(i->value->time, 0.0);
    ASSERT_EQ(OCIDateTimeSubtract(env_, err_, b, a, i), OCI_SUCCESS);
    EXPECT_EQ(i->value->months, -1);
    EXPECT_EQ(i->value->days, -15);
    OCIDateTime *c = make(OCI_DTYPE_TIMESTAMP, 2024, 1, 1, 0, 0, 1), *d = make(OCI_DTYPE_TIMESTAMP, 2024, 1, 1, 0, 0, 0, 500000000);
    ASSERT_EQ(OCIDateTimeSubtract(env_, err_, d, c, i), OCI_SUCCESS);
    EXPECT_EQ(i->value->days, 0);
    EXPECT_EQ(i->value->time, -0.5);
}

TEST_F(DateTimeCalls, ArraysInTheDateLayout) {
    OCIInterval *ref = interval(OCI_DTYPE_INTERVAL_DS);
    ub1 buf[16];
    ub4 n = sizeof buf;
    OCIDateTime *date = make(OCI_DTYPE_DATE, 2024, 3, 5);
    ASSERT_EQ(OCIDateTimeToArray(env_, err_, date, ref, buf, &n, 9), OCI_SUCCESS);
    EXPECT_EQ(n, 4u);
    EXPECT_EQ(std::memcmp(buf, "\x78\x7C\x03\x05\x00", 5), 0);
    OCIDateTime *ts = make(OCI_DTYPE_TIMESTAMP, 2024, 3, 5, 10, 20, 30);
    n = sizeof buf;
    ASSERT_EQ(OCIDateTimeToArray(env_, err_, ts, ref, buf, &n, 9), OCI_SUCCESS);
    EXPECT_EQ(n, 7u);
    EXPECT_EQ(std::memcmp(buf, "\x78\x7C\x03\x05\x0B\x15\x1F", 7), 0);
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 10, 20, 30, 500000000, "+05:30");
    n = sizeof buf;
    ASSERT_EQ(OCIDateTimeToArray(env_, err_, tz, ref, buf, &n, 9), OCI_SUCCESS);
    EXPECT_EQ(n, 13u);
    EXPECT_EQ(std::memcmp(buf, "\x78\x7C\x03\x05\x05\x33\x1F\x1D\xCD\x65\x00\x19\x5A", 13), 0);
    OCIDateTime *back = datetime(OCI_DTYPE_TIMESTAMP_TZ);
    ASSERT_EQ(OCIDateTimeFromArray(env_, err_, buf, n, SQLT_TIMESTAMP_TZ, back, ref, 9), OCI_SUCCESS);
    EXPECT_EQ(show(back), "2024-03-05 10:20:30.500000000");
    EXPECT_STREQ(back->value->zoneText, "+05:30");
    n = 12;
    EXPECT_EQ(OCIDateTimeToArray(env_, err_, tz, ref, buf, &n, 9), OCI_ERROR);
    EXPECT_EQ(error_code(), 1891);
    n = sizeof buf;
    EXPECT_EQ(OCIDateTimeToArray(env_, err_, tz, nullptr, buf, &n, 9), OCI_INVALID_HANDLE);
    const ub1 bad[7] = {0x78, 0x7C, 0x0D, 0x05, 0x01, 0x01, 0x01};
    OCIDateTime *t2 = datetime(OCI_DTYPE_TIMESTAMP);
    EXPECT_EQ(OCIDateTimeFromArray(env_, err_, bad, 7, SQLT_TIMESTAMP, t2, ref, 9), OCI_ERROR);
    EXPECT_EQ(OCIDateTimeFromArray(env_, err_, bad, 6, SQLT_TIMESTAMP, t2, ref, 9), OCI_ERROR);
    EXPECT_EQ(error_code(), 1891);
}

TEST_F(DateTimeCalls, TextWithFormatsAndDefaults) {
    OCIDateTime *tz = make(OCI_DTYPE_TIMESTAMP_TZ, 2024, 3, 5, 22, 20, 30, 123456789, "+05:30");
    EXPECT_EQ(text(tz, nullptr), "05-MAR-24 10.20.30.123 PM +05:30");
    EXPECT_EQ(text(tz, "DD-MON-YYYY HH24:MI TZH:TZM"), "05-MAR-2024 22:20 +05:30");
    OCIDateTime *ts = make(OCI_DTYPE_TIMESTAMP, 2024, 3, 5, 10, 20, 30, 5000000);
    EXPECT_EQ(text(ts, nullptr), "05-MAR-24 10:20:30:005 AM");
    OCIDateTime *date = make(OCI_DTYPE_DATE, 2024, 3, 5);
    EXPECT_EQ(text(date, nullptr), "05-MAR-24");
    EXPECT_EQ(text(date, "HH24:MI"), "error 1821");
    OraText buf[8];
    ub4 n = 5;
    ASSERT_EQ(OCIDateTimeToText(env_, err_, ts, ot("YYYY-MM-DD"), 10, 0, nullptr, 0, &n, buf), OCI_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<char *>(buf), "2024");
    EXPECT_EQ(n, 4u);

    OCIDateTime *in = datetime(OCI_DTYPE_TIMESTAMP_TZ);
    const char *s = "05-MAR-24 10.20.30.5 PM +05";
    ASSERT_EQ(OCIDateTimeFromText(env_, err_, ot(s), std::strlen(s), nullptr, 0, nullptr, 0, in), OCI_SUCCESS)
        << message();
    EXPECT_EQ(show(in), "2024-03-05 22:20:30.500000000");
    EXPECT_EQ(in->value->zoneOffset, 18000);
    const char *f = "YYYY-MM-DD HH24:MI:SS TZH:TZM";
    const char *t = "2024-03-05 10:20:30 -03:30";
    ASSERT_EQ(OCIDateTimeFromText(env_, err_, ot(t), std::strlen(t), ot(f), static_cast<ub1>(std::strlen(f)), nullptr,
                                  0, in),
              OCI_SUCCESS);
    EXPECT_STREQ(in->value->zoneText, "-03:30");
    // A local-zone value given another zone is moved into the local one (UTC here).
    OCIDateTime *ltz = datetime(OCI_DTYPE_TIMESTAMP_LTZ);
    ASSERT_EQ(OCIDateTimeFromText(env_, err_, ot(t), std::strlen(t), ot(f), static_cast<ub1>(std::strlen(f)), nullptr,
                                  0, ltz),
              OCI_SUCCESS);
    EXPECT_EQ(show(ltz), "2024-03-05 13:50:30.000000000");
    const char *bad = "31-FEB-24";
    OCIDateTime *d2 = datetime(OCI_DTYPE_DATE);
    EXPECT_EQ(OCIDateTimeFromText(env_, err_, ot(bad), std::strlen(bad), nullptr, 0, nullptr, 0, d2), OCI_ERROR);
    EXPECT_EQ(error_code(), 1847);
}

TEST_F(DateTimeCalls, SysTimeStampIsLocalAndWhole) {
    OCIDateTime *tz = datetime(OCI_DTYPE_TIMESTAMP_TZ);
    tz->value->fraction = 0x01020304;
    ASSERT_EQ(OCIDateTimeSysTimeStamp(env_, err_, tz), OCI_SUCCESS);
    EXPECT_EQ(tz->value->fraction, 0x01020304u);  // the fraction is left alone
    EXPECT_STREQ(tz->value->zoneText, "+00:00");
    ub4 flags = 1;
    ASSERT_EQ(OCIDateTimeCheck(env_, err_, tz, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, 0u);
}

TEST_F(DateTimeCalls, IntervalTextForms) {
    OCIInterval *ds = interval(OCI_DTYPE_INTERVAL_DS), *ym = interval(OCI_DTYPE_INTERVAL_YM);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 1, 2, 3, 4, 500000000, ds), OCI_SUCCESS);
    EXPECT_EQ(interval_text(ds), "+01 02:03:04.50");
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, -1, -2, -3, -4, -500000000, ds), OCI_SUCCESS);
    EXPECT_EQ(interval_text(ds), "-01 02:03:04.50");
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, -1, -2, ym), OCI_SUCCESS);
    EXPECT_EQ(ym->value->months, -14);
    EXPECT_EQ(interval_text(ym), "-01-02");
    OraText small[6];
    size_t n = 0;
    EXPECT_EQ(OCIIntervalToText(env_, err_, ym, 2, 2, small, 6, &n), OCI_ERROR);
    EXPECT_EQ(error_code(), 1891);

    const char *s = "-01 02:03:04.5";
    ASSERT_EQ(OCIIntervalFromText(env_, err_, ot(s), std::strlen(s), ds), OCI_SUCCESS);
    EXPECT_EQ(ds->value->days, -1);
    EXPECT_EQ(ds->value->time, -7384.5);
    const char *y = "+03-04";
    ASSERT_EQ(OCIIntervalFromText(env_, err_, ot(y), std::strlen(y), ym), OCI_SUCCESS);
    EXPECT_EQ(ym->value->months, 40);
    for (const char *bad : {"1", "1 25:00:00", "1 24:00:01", "1 02:03", "1-12", "x", "1 02:03:04 5"}) {
        OCIInterval *target = std::strchr(bad, ' ') || std::strlen(bad) < 3 ? ds : ym;
        EXPECT_EQ(OCIIntervalFromText(env_, err_, ot(bad), std::strlen(bad), target), OCI_ERROR) << bad;
        EXPECT_EQ(error_code(), 1891) << bad;
    }
    const char *tz = "+05:30";
    ASSERT_EQ(OCIIntervalFromTZ(env_, err_, reinterpret_cast<const oratext *>(tz), 6, ds), OCI_SUCCESS);
    EXPECT_EQ(ds->value->time, 19800.0);
    EXPECT_EQ(OCIIntervalFromTZ(env_, err_, reinterpret_cast<const oratext *>("+15"), 3, ds), OCI_ERROR);
    EXPECT_EQ(error_code(), 16384);
}

TEST_F(DateTimeCalls, IntervalFieldsChecksAndComparison) {
    OCIInterval *ds = interval(OCI_DTYPE_INTERVAL_DS), *ym = interval(OCI_DTYPE_INTERVAL_YM);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 3, 4, 5, 6, 7000, ds), OCI_SUCCESS);
    sb4 d, h, m, s, f;
    ASSERT_EQ(OCIIntervalGetDaySecond(env_, err_, &d, &h, &m, &s, &f, ds), OCI_SUCCESS);
    EXPECT_EQ(d, 3);
    EXPECT_EQ(h, 4);
    EXPECT_EQ(m, 5);
    EXPECT_EQ(s, 6);
    EXPECT_EQ(f, 7000);
    sb4 yr, mo;
    EXPECT_EQ(OCIIntervalGetYearMonth(env_, err_, &yr, &mo, ds), OCI_ERROR);
    EXPECT_EQ(error_code(), 932);
    EXPECT_EQ(OCIIntervalSetDaySecond(env_, err_, 1, 0, 0, 0, 0, ym), OCI_ERROR);
    EXPECT_EQ(error_code(), 932);

    ub4 flags = 9;
    ASSERT_EQ(OCIIntervalCheck(env_, err_, ds, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, 0u);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 0, -5, 0, 0, 0, ds), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalCheck(env_, err_, ds, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, static_cast<ub4>(OCI_INTER_INVALID_HOUR | OCI_INTER_HOUR_BELOW_VALID));
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 0, 30, 0, 0, 0, ds), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalCheck(env_, err_, ds, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, static_cast<ub4>(OCI_INTER_INVALID_HOUR));
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 0, -3, ym), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalCheck(env_, err_, ym, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, static_cast<ub4>(OCI_INTER_INVALID_MONTH | OCI_INTER_MONTH_BELOW_VALID));
    ym->value->initialised = 0;
    EXPECT_EQ(OCIIntervalCheck(env_, err_, ym, &flags), OCI_ERROR);
    EXPECT_EQ(error_code(), 932);
    EXPECT_EQ(OCIIntervalCheck(nullptr, err_, ym, &flags), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);

    OCIInterval *a = interval(OCI_DTYPE_INTERVAL_DS), *b = interval(OCI_DTYPE_INTERVAL_DS);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 1, 0, 0, 0, 0, a), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 0, 24, 0, 0, 1, b), OCI_SUCCESS);
    sword r = 9;
    ASSERT_EQ(OCIIntervalCompare(env_, err_, a, b, &r), OCI_SUCCESS);
    EXPECT_EQ(r, -1);
    ASSERT_EQ(OCIIntervalAssign(env_, err_, a, b), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalCompare(env_, err_, a, b, &r), OCI_SUCCESS);
    EXPECT_EQ(r, 0);
}

TEST_F(DateTimeCalls, IntervalSumsAndDifferences) {
    OCIInterval *a = interval(OCI_DTYPE_INTERVAL_DS), *b = interval(OCI_DTYPE_INTERVAL_DS),
                *out = interval(OCI_DTYPE_INTERVAL_DS);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 1, 20, 0, 0, 0, a), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, 0, 5, 0, 0, 0, b), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalAdd(env_, err_, a, b, out), OCI_SUCCESS);
    EXPECT_EQ(out->value->days, 2);
    EXPECT_EQ(out->value->time, 3600.0);
    ASSERT_EQ(OCIIntervalSubtract(env_, err_, b, a, out), OCI_SUCCESS);
    EXPECT_EQ(out->value->days, -1);
    EXPECT_EQ(out->value->time, -15 * 3600.0);
    OCIInterval *y1 = interval(OCI_DTYPE_INTERVAL_YM), *y2 = interval(OCI_DTYPE_INTERVAL_YM),
                *yo = interval(OCI_DTYPE_INTERVAL_YM);
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 1, 2, y1), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 2, 1, y2), OCI_SUCCESS);
    ASSERT_EQ(OCIIntervalSubtract(env_, err_, y1, y2, yo), OCI_SUCCESS);
    EXPECT_EQ(interval_text(yo), "-00-11");
    y1->value->months = INT32_MAX;
    EXPECT_EQ(OCIIntervalAdd(env_, err_, y1, y2, yo), OCI_ERROR);
}

TEST_F(DateTimeCalls, IntervalsTimesNumbers) {
    OCIInterval *in = interval(OCI_DTYPE_INTERVAL_DS), *out = interval(OCI_DTYPE_INTERVAL_DS);
    in->value->months = 1;
    in->value->days = 10;
    in->value->time = 3600;
    OCINumber f = number(1.5);
    ASSERT_EQ(OCIIntervalMultiply(env_, err_, in, &f, out), OCI_SUCCESS);
    EXPECT_EQ(out->value->months, 1);
    EXPECT_EQ(out->value->days, 30);
    EXPECT_EQ(out->value->time, 5400.0);
    OCINumber two = number(2);
    ASSERT_EQ(OCIIntervalDivide(env_, err_, in, &two, out), OCI_SUCCESS);
    EXPECT_EQ(out->value->months, 0);
    EXPECT_EQ(out->value->days, 20);
    EXPECT_EQ(out->value->time, 1800.0);
    in->value->months = 0;
    in->value->days = 1;
    in->value->time = 0;
    OCINumber third = number(3);
    ASSERT_EQ(OCIIntervalDivide(env_, err_, in, &third, out), OCI_SUCCESS);
    EXPECT_EQ(out->value->days, 0);
    EXPECT_EQ(out->value->time, 28800.0);
    OCINumber zero = number(0);
    EXPECT_EQ(OCIIntervalDivide(env_, err_, in, &zero, out), OCI_ERROR);
    OCINumber huge = number(1e100);
    EXPECT_EQ(OCIIntervalMultiply(env_, err_, in, &huge, out), OCI_ERROR);
    EXPECT_EQ(error_code(), 1891);
}

TEST_F(DateTimeCalls, IntervalsAndNumbers) {
    OCIInterval *ds = interval(OCI_DTYPE_INTERVAL_DS), *ym = interval(OCI_DTYPE_INTERVAL_YM);
    OCINumber n = number(2.25);
    ASSERT_EQ(OCIIntervalFromNumber(env_, err_, ds, &n), OCI_SUCCESS);
    EXPECT_EQ(ds->value->days, 2);
    EXPECT_EQ(ds->value->time, 21600.0);
    ASSERT_EQ(OCIIntervalFromNumber(env_, err_, ym, &n), OCI_SUCCESS);
    sb4 yr, mo;
    ASSERT_EQ(OCIIntervalGetYearMonth(env_, err_, &yr, &mo, ym), OCI_SUCCESS);
    EXPECT_EQ(yr, 2);
    EXPECT_EQ(mo, 3);
    OCINumber back;
    double v = 0;
    ASSERT_EQ(OCIIntervalToNumber(env_, err_, ds, &back), OCI_SUCCESS);
    ASSERT_EQ(OCINumberToReal(err_, &back, sizeof v, &v), OCI_SUCCESS);
    EXPECT_DOUBLE_EQ(v, 2.25);
    ASSERT_EQ(OCIIntervalToNumber(env_, err_, ym, &back), OCI_SUCCESS);
    ASSERT_EQ(OCINumberToReal(err_, &back, sizeof v, &v), OCI_SUCCESS);
    EXPECT_DOUBLE_EQ(v, 2.25);
}

}  // namespace
