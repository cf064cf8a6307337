// The calendar (Julian days, leap years, carries) and the DATE, OCIDate and OCIDateTime
// layouts read and written through the broken-down time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "broken_down_time.h"
#include "datetime/calendar.h"
#include "datetime/layouts.h"

namespace {

using vsk::test::tm_of;
using namespace vsk;
using namespace vsk::dt;


std::string hex(const ub1 *b, int n) {
    std::string out;
    char buf[4];
    for (int i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", b[i]);
        out += buf;
    }
    return out;
}

TEST(Calendar, JulianDaysRoundTripAcrossTheRange) {
    EXPECT_EQ(date2j(2000, 1, 1), kEpochJulian);
    EXPECT_EQ(date2j(-4713, 11, 24), 0);  // 24 November 4714 BC
    EXPECT_EQ(date2j(1582, 10, 15) - date2j(1582, 10, 4), 11);  // proleptic Gregorian: no gap
    for (int jd : {0, 1, 1721425, 2299160, 2451545, 2460375, 5373484, 2147483493}) {
        int y, m, d;
        j2date(jd, &y, &m, &d);
        EXPECT_EQ(date2j(y, m, d), jd) << jd;
    }
    int y, m, d;
    j2date(2147483493, &y, &m, &d);
    EXPECT_EQ(y, kMaxYear);
    EXPECT_EQ(j2day(date2j(2024, 3, 4)), 1);  // a Monday
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    struct {
        int year;
        bool leap;
    } cases[] = {{2024, true}, {2023, false}, {1900, false}, {2000, true}, {0, true}, {-4, true}, {-1, false}};
    for (auto c : cases) EXPECT_EQ(is_leap(c.year), c.leap) << c.year;
    EXPECT_EQ(days_in_month(2024, 2), 29);
    EXPECT_EQ(days_in_month(2100, 2), 28);
}

TEST(Calendar, ConstructCarriesEveryField) {
    struct {
        int in[6];
        int out[6];
    } cases[] = {
        {{2024, 1, 31, 24, 0, 0}, {2024, 2, 1, 0, 0, 0}},
        {{2024, 2, 28, 23, 59, 60}, {2024, 2, 29, 0, 0, 0}},
        {{2023, 12, 31, 23, 60, 0}, {2024, 1, 1, 0, 0, 0}},
        {{2024, 13, 1, 0, 0, 0}, {2025, 1, 1, 0, 0, 0}},
        {{2024, 3, 0, 0, 0, 0}, {2024, 2, 29, 0, 0, 0}},
        {{2024, 1, -1, 0, 0, 0}, {2023, 12, 30, 0, 0, 0}},
        {{2024, 3, 1, -1, 0, 0}, {2024, 2, 29, 23, 0, 0}},
    };
    for (auto &c : cases) {
        BrokenDownTime tm;
        ConstructTmFromData(&tm, c.in[0], c.in[1], c.in[2], c.in[3], c.in[4], c.in[5]);
        const int got[6] = {tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], c.out[i]) << c.in[0] << "-" << c.in[1] << "-" << c.in[2];
    }
}

TEST(Calendar, TimestampsCountSecondsFrom2000) {
    double ts = 0;
    ASSERT_TRUE(tm2timestamp(tm_of(2000, 1, 1), 0, nullptr, &ts));
    EXPECT_EQ(ts, 0.0);
    ASSERT_TRUE(tm2timestamp(tm_of(2000, 1, 2, 1, 0, 0), 500000000, nullptr, &ts));
    EXPECT_EQ(ts, 86400.0 + 3600.0 + 0.5);
    const int west = -19800;  // +05:30
    ASSERT_TRUE(tm2timestamp(tm_of(2000, 1, 1, 5, 30, 0), 0, &west, &ts));
    EXPECT_EQ(ts, 0.0);
    BrokenDownTime back;
    int nanos = -1;
    ASSERT_TRUE(timestamp2tm(-0.25, &back, &nanos));
    EXPECT_EQ(back.tm_year, 1999);
    EXPECT_EQ(back.tm_sec, 59);
    EXPECT_EQ(nanos, 750000000);
    EXPECT_FALSE(tm2timestamp(tm_of(-4714, 1, 1), 0, nullptr, &ts));
    EXPECT_FALSE(timestamp2tm(1e300, &back, &nanos));
}

TEST(Calendar, LocalOffsetsFollowTheProcessZoneBeyond2038) {
    const char *saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    EXPECT_EQ(local_offset_east(tm_of(2050, 7, 1, 12)), -4 * 3600);
    EXPECT_EQ(local_offset_east(tm_of(2050, 1, 1, 12)), -5 * 3600);
    EXPECT_EQ(local_offset_east(tm_of(1850, 1, 1, 12)), -(4 * 3600 + 56 * 60 + 2));
    setenv("TZ", "UTC", 1);
    tzset();
    int h = 9, m = 9;
    EXPECT_EQ(GetCurrTimeZone(&h, &m), 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(m, 0);
    setenv("TZ", "Asia/Kolkata", 1);
    tzset();
    EXPECT_EQ(GetCurrTimeZone(&h, &m), -19800);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(m, 30);
    if (saved) setenv("TZ", old.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

TEST(OracleDate, BytesOfThePartsExamples) {
    ub1 b[7];
    EncodeOracleDATE(b, tm_of(2024, 3, 5, 10, 20, 30), true);
    EXPECT_EQ(hex(b, 7), "78 7C 03 05 0B 15 1F");
    EncodeOracleDATE(b, tm_of(2024, 3, 5, 10, 20, 30), false);
    EXPECT_EQ(hex(b, 7), "78 7C 03 05 01 01 01");
    EncodeOracleDATE(b, tm_of(-4712, 1, 1), true);
    EXPECT_EQ(hex(b, 2), "35 58");
    EncodeOracleDATE(b, tm_of(-43, 3, 15), false);  // 44 BC
    EXPECT_EQ(hex(b, 7), "64 39 03 0F 01 01 01");
}

TEST(OracleDate, DecodesWhatItEncodes) {
    for (int year : {-4712, -43, -1, 0, 1, 99, 100, 1999, 2024, 9999}) {
        ub1 b[7];
        const BrokenDownTime in = tm_of(year, 12, 31, 23, 59, 58);
        EncodeOracleDATE(b, in, true);
        BrokenDownTime out;
        DecodeOracleDATE(b, &out, true);
        EXPECT_EQ(out.tm_year, year);
        EXPECT_EQ(out.tm_mon, 12);
        EXPECT_EQ(out.tm_mday, 31);
        EXPECT_EQ(out.tm_hour, 23);
        EXPECT_EQ(out.tm_sec, 58);
        DecodeOracleDATE(b, &out, false);
        EXPECT_EQ(out.tm_hour, 0);
        EXPECT_EQ(out.tm_sec, 0);
    }
}

TEST(OracleDate, OCIDateCopiesItsFields) {
    OCIDate d;
    EncodeOracleOCIDate(&d, tm_of(-4712, 2, 29, 1, 2, 3), true);
    EXPECT_EQ(d.OCIDateYYYY, -4712);
    EXPECT_EQ(d.OCIDateTime.OCITimeSS, 3);
    EncodeOracleOCIDate(&d, tm_of(2024, 2, 29, 1, 2, 3), false);
    EXPECT_EQ(d.OCIDateTime.OCITimeHH, 0);
    BrokenDownTime tm;
    DecodeOracleOCIDate(&d, &tm, true);
    EXPECT_EQ(tm.tm_year, 2024);
    EXPECT_EQ(tm.tm_mday, 29);
}

TEST(OracleDateTime, ZoneFieldsFromTheOffset) {
    struct {
        int east;
        int hour, minute;
        const char *text;
    } cases[] = {{19800, 5, 30, "+05:30"}, {-12600, -3, 30, "-03:30"}, {0, 0, 0, "+00:00"}, {-3600, -1, 0, "-01:00"},
                 {50400, 14, 0, "+14:00"}};
    for (auto c : cases) {
        DateTimeValue v{};
        v.type = OCI_DTYPE_TIMESTAMP_TZ;
        BrokenDownTime tm = tm_of(2024, 1, 31, 23, 59, 59);
        tm.tm_gmtoff = c.east;
        EncodeOracleOCIDateTime(&v, tm, true, 500000000);
        EXPECT_EQ(v.zoneOffset, c.east);
        EXPECT_EQ(v.zoneHour, c.hour);
        EXPECT_EQ(v.zoneMinute, c.minute);
        EXPECT_STREQ(v.zoneText, c.text);
        EXPECT_EQ(fraction_of(&v), 500000000u);
        const ub1 *f = reinterpret_cast<const ub1 *>(&v.fraction);
        EXPECT_EQ(hex(f, 4), "1D CD 65 00");  // big-endian
        BrokenDownTime back;
        int nanos = 0;
        DecodeOracleOCIDateTime(&v, &back, &nanos, true);
        EXPECT_EQ(back.tm_gmtoff, c.east);
        EXPECT_STREQ(back.tm_zone, c.text);
        EXPECT_EQ(nanos, 500000000);
    }
}

TEST(OracleDateTime, TimestampsOfTheZoneTypesAreUtc) {
    DateTimeValue v{};
    v.type = OCI_DTYPE_TIMESTAMP_TZ;
    BrokenDownTime tm = tm_of(2000, 1, 1, 5, 30, 0);
    tm.tm_gmtoff = 19800;
    EncodeOracleOCIDateTime(&v, tm, true, 0);
    double ts = -1;
    ASSERT_TRUE(ConvertOCIDateTimeToTimestamp(&v, &ts));
    EXPECT_EQ(ts, 0.0);
    ASSERT_TRUE(ConvertOCIDateTimeFromTimestamp(&v, 3600.5));
    EXPECT_EQ(v.date.OCIDateTime.OCITimeHH, 6);
    EXPECT_EQ(v.date.OCIDateTime.OCITimeMI, 30);
    EXPECT_EQ(fraction_of(&v), 500000000u);
    v.type = OCI_DTYPE_TIMESTAMP;
    ASSERT_TRUE(ConvertOCIDateTimeToTimestamp(&v, &ts));
    EXPECT_EQ(ts, 6 * 3600 + 30 * 60 + 0.5);
    v.type = OCI_DTYPE_DATE;
    ASSERT_TRUE(ConvertOCIDateTimeToTimestamp(&v, &ts));
    EXPECT_EQ(ts, 0.0);
}

}  // namespace
