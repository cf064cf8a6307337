// The server's date/time and interval text: splitting, reading every form the server
// writes (and the common input forms), and writing the ISO and verbose forms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "broken_down_time.h"
#include "datetime/server_text.h"

namespace {

using vsk::test::tm_of;
using namespace vsk::dt;

struct Expect {
    int y, mo, d, h, mi, s, nanos;
};

void expect_tm(const DecodedDateTime &r, const Expect &e, const std::string &what) {
    EXPECT_EQ(r.tm.tm_year, e.y) << what;
    EXPECT_EQ(r.tm.tm_mon, e.mo) << what;
    EXPECT_EQ(r.tm.tm_mday, e.d) << what;
    EXPECT_EQ(r.tm.tm_hour, e.h) << what;
    EXPECT_EQ(r.tm.tm_min, e.mi) << what;
    EXPECT_EQ(r.tm.tm_sec, e.s) << what;
    EXPECT_EQ(r.nanos, e.nanos) << what;
}

int read(const std::string &s, DecodedDateTime *out) { return read_datetime(s.data(), s.size(), out); }

TEST(ServerFields, SplitsAndClassifies) {
    DateTimeFields f;
    const std::string s = "2024-03-05 10:20:30.5+05:30 BC";
    ASSERT_EQ(ParseDateTime(s.data(), s.size(), &f), 0);
    ASSERT_EQ(f.count, 4);
    EXPECT_EQ(f.ftype[0], FT_DATE);
    EXPECT_STREQ(f.field[0], "2024-03-05");
    EXPECT_EQ(f.ftype[1], FT_TIME);
    EXPECT_STREQ(f.field[1], "10:20:30.5");
    EXPECT_EQ(f.ftype[2], FT_TZ);
    EXPECT_STREQ(f.field[2], "+05:30");
    EXPECT_EQ(f.ftype[3], FT_STRING);
    EXPECT_STREQ(f.field[3], "bc");
}

TEST(ServerFields, TooManyFieldsOrCharactersAreRefusedNotOverrun) {
    DateTimeFields f;
    std::string many;
    for (int i = 0; i < 26; ++i) many += "1 ";
    EXPECT_EQ(ParseDateTime(many.data(), many.size(), &f), DTERR_BAD_FORMAT);
    const std::string wide(200, '7');
    EXPECT_EQ(ParseDateTime(wide.data(), wide.size(), &f), DTERR_BAD_FORMAT);
    std::string long_fields;
    for (int i = 0; i < 12; ++i) long_fields += "12345678 ";
    EXPECT_EQ(ParseDateTime(long_fields.data(), long_fields.size(), &f), DTERR_BAD_FORMAT);
    const std::string junk = "2024-03-05 \x01";
    EXPECT_EQ(ParseDateTime(junk.data(), junk.size(), &f), DTERR_BAD_FORMAT);
}

TEST(ServerDateTime, ReadsTheFormsTheServerWrites) {
    struct {
        const char *text;
        Expect e;
        bool zone;
        int east;
    } cases[] = {
        {"2024-03-05", {2024, 3, 5, 0, 0, 0, 0}, false, 0},
        {"2024-03-05 10:20:30", {2024, 3, 5, 10, 20, 30, 0}, false, 0},
        {"2024-01-31 23:59:59.5", {2024, 1, 31, 23, 59, 59, 500000000}, false, 0},
        {"2024-01-31 23:59:59.123456", {2024, 1, 31, 23, 59, 59, 123456000}, false, 0},
        {"2024-03-05 10:20:30+05:30", {2024, 3, 5, 10, 20, 30, 0}, true, 19800},
        {"2024-03-05 10:20:30-03:30", {2024, 3, 5, 10, 20, 30, 0}, true, -12600},
        {"2024-03-05 10:20:30+00", {2024, 3, 5, 10, 20, 30, 0}, true, 0},
        {"1850-03-05 10:20:30-04:56:02", {1850, 3, 5, 10, 20, 30, 0}, true, -(4 * 3600 + 56 * 60 + 2)},
        {"0044-03-15 BC", {-43, 3, 15, 0, 0, 0, 0}, false, 0},
        {"0001-01-01 00:00:00 BC", {0, 1, 1, 0, 0, 0, 0}, false, 0},
        {"4714-11-24 00:00:00 BC", {-4713, 11, 24, 0, 0, 0, 0}, false, 0},
        // SQL, German and Postgres styles.
        {"03/05/2024 10:20:30.25 PST", {2024, 3, 5, 10, 20, 30, 250000000}, true, -8 * 3600},
        {"05.03.2024 10:20:30 CET", {2024, 3, 5, 10, 20, 30, 0}, true, 3600},
        {"Tue Mar 05 10:20:30.5 2024 UTC", {2024, 3, 5, 10, 20, 30, 500000000}, true, 0},
        {"Tue Mar 05 10:20:30 2024", {2024, 3, 5, 10, 20, 30, 0}, false, 0},
        // Input forms.
        {"2024-03-05T10:20:30Z", {2024, 3, 5, 10, 20, 30, 0}, true, 0},
        {"05-Mar-2024 10:20 PM", {2024, 3, 5, 22, 20, 0, 0}, false, 0},
        {"March 5, 2024 12:00 AM", {2024, 3, 5, 0, 0, 0, 0}, false, 0},
        {"20240305", {2024, 3, 5, 0, 0, 0, 0}, false, 0},
        {"J2451545", {2000, 1, 1, 0, 0, 0, 0}, false, 0},
        {"2024-03-05 24:00:00", {2024, 3, 6, 0, 0, 0, 0}, false, 0},
        {"2024-03-05 10:20:30 +0530", {2024, 3, 5, 10, 20, 30, 0}, true, 19800},
        {"epoch", {1970, 1, 1, 0, 0, 0, 0}, true, 0},
    };
    for (auto &c : cases) {
        DecodedDateTime r;
        ASSERT_EQ(read(c.text, &r), 0) << c.text;
        EXPECT_EQ(r.kind, DateTimeKind::Value);
        expect_tm(r, c.e, c.text);
        EXPECT_EQ(r.hasZone, c.zone) << c.text;
        if (c.zone) {
            EXPECT_EQ(r.tm.tm_gmtoff, c.east) << c.text;
            EXPECT_EQ(r.tzWest, -c.east) << c.text;
        }
    }
}

TEST(ServerDateTime, DateOrdersOfThreeNumbers) {
    DateTimeFields f;
    DecodedDateTime r;
    const std::string s = "03/05/24";
    ASSERT_EQ(ParseDateTime(s.data(), s.size(), &f), 0);
    ASSERT_EQ(DecodeDateTime(f, DateOrder::MDY, &r), 0);
    expect_tm(r, {2024, 3, 5, 0, 0, 0, 0}, "MDY");
    ASSERT_EQ(DecodeDateTime(f, DateOrder::DMY, &r), 0);
    expect_tm(r, {2024, 5, 3, 0, 0, 0, 0}, "DMY");
    ASSERT_EQ(DecodeDateTime(f, DateOrder::YMD, &r), 0);
    expect_tm(r, {2003, 5, 24, 0, 0, 0, 0}, "YMD");
    const std::string y = "99/12/31";
    ASSERT_EQ(ParseDateTime(y.data(), y.size(), &f), 0);
    ASSERT_EQ(DecodeDateTime(f, DateOrder::YMD, &r), 0);
    expect_tm(r, {1999, 12, 31, 0, 0, 0, 0}, "two-digit year");
}

TEST(ServerDateTime, SpecialWords) {
    DecodedDateTime r;
    ASSERT_EQ(read("infinity", &r), 0);
    EXPECT_EQ(r.kind, DateTimeKind::Infinity);
    ASSERT_EQ(read("-infinity", &r), 0);
    EXPECT_EQ(r.kind, DateTimeKind::MinusInfinity);
    DecodedDateTime today, tomorrow, yesterday;
    ASSERT_EQ(read("today", &today), 0);
    ASSERT_EQ(read("tomorrow", &tomorrow), 0);
    ASSERT_EQ(read("yesterday", &yesterday), 0);
    const int jd = date2j(today.tm.tm_year, today.tm.tm_mon, today.tm.tm_mday);
    EXPECT_EQ(date2j(tomorrow.tm.tm_year, tomorrow.tm.tm_mon, tomorrow.tm.tm_mday), jd + 1);
    EXPECT_EQ(date2j(yesterday.tm.tm_year, yesterday.tm.tm_mon, yesterday.tm.tm_mday), jd - 1);
    EXPECT_EQ(today.tm.tm_hour, 0);
    ASSERT_EQ(read("now", &r), 0);
    EXPECT_TRUE(r.hasZone);
}

TEST(ServerDateTime, RefusesWhatDoesNotFit) {
    for (const char *bad : {"", "2024-13-01", "2024-02-30", "2024-03-05 25:00:00", "2024-03-05 10:61:00",
                            "2024-03-05 24:00:01", "2024-03-05 10:20:30+15:00", "2024-03-05 10:20:30+05:60",
                            "hello", "2024-03-05 10:20:30 10:20:30", "10:20:30", "2024-03-05 +05 +06",
                            "0000-01-01 BC", "4714-11-23 BC", "2024-03-05 10:20:30 XYZ", "J",
                            // Parts beyond a date's three and a time's three.
                            "0:2:2:0", "2024-03-05 10:20:30:40", "1-2-3-4", "2024-03-05-06 10:00"}) {
        DecodedDateTime r;
        EXPECT_NE(read(bad, &r), 0) << bad;
    }
    DecodedDateTime r;
    EXPECT_EQ(read("2024-02-30", &r), DTERR_MD_FIELD_OVERFLOW);
}

TEST(ServerZone, NumericZones) {
    struct {
        const char *text;
        bool ok;
        int east;
    } cases[] = {{"+05:30", true, 19800}, {"-03", true, -10800}, {"+0530", true, 19800}, {"+14", true, 50400},
                 {"+15", false, 0},       {"+05:60", false, 0},  {"+5", true, 18000},     {"-00:00:30", true, -30},
                 {"05:30", false, 0},     {"+05:3", false, 0},   {"+05:30x", false, 0}};
    for (auto c : cases) {
        int east = 12345;
        EXPECT_EQ(read_numeric_zone(c.text, std::strlen(c.text), &east), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(east, c.east) << c.text;
        }
    }
}

IntervalParts interval(const char *text) {
    IntervalParts p;
    EXPECT_EQ(read_interval(text, std::strlen(text), &p), 0) << text;
    return p;
}

constexpr std::int64_t kSec = 1000000;

TEST(ServerInterval, ReadsEveryStyle) {
    struct {
        const char *text;
        std::int64_t months, days, micros;
    } cases[] = {
        // postgres style (the server's default)
        {"1 year 2 mons 3 days 04:05:06", 14, 3, (4 * 3600 + 5 * 60 + 6) * kSec},
        {"-1 days +02:03:04", 0, -1, (2 * 3600 + 3 * 60 + 4) * kSec},
        {"00:00:01.5", 0, 0, 1500000},
        {"-00:00:00.000001", 0, 0, -1},
        {"1 day", 0, 1, 0},
        // postgres_verbose
        {"@ 1 day 2 hours 3.25 secs", 0, 1, 2 * 3600 * kSec + 3250000},
        {"@ 1 year 2 mons ago", -14, 0, 0},
        {"@ 1 day -2 hours ago", 0, -1, 2 * 3600 * kSec},
        // sql_standard
        {"1-2", 14, 0, 0},
        {"-1-2", -14, 0, 0},
        {"3 4:05:06", 0, 3, (4 * 3600 + 5 * 60 + 6) * kSec},
        {"-1-2 3 4:05:06", -14, -3, -(4 * 3600 + 5 * 60 + 6) * kSec},
        {"+1-2 -3 +4:05:06", 14, -3, (4 * 3600 + 5 * 60 + 6) * kSec},
        // ISO 8601
        {"P1Y2M3DT4H5M6S", 14, 3, (4 * 3600 + 5 * 60 + 6) * kSec},
        {"P1DT2H", 0, 1, 2 * 3600 * kSec},
        {"PT0.5S", 0, 0, 500000},
        {"P1.5D", 0, 1, 12 * 3600 * kSec},
        {"P2W", 0, 14, 0},
        {"P-1M", -1, 0, 0},
        // fractions spill into smaller units
        {"1.5 years", 18, 0, 0},
        {"1.5 mons", 1, 15, 0},
        {"1.5 hours", 0, 0, 5400 * kSec},
        {"3", 0, 0, 3 * kSec},
    };
    for (auto &c : cases) {
        const IntervalParts p = interval(c.text);
        EXPECT_EQ(p.months, c.months) << c.text;
        EXPECT_EQ(p.days, c.days) << c.text;
        EXPECT_EQ(p.micros, c.micros) << c.text;
    }
}

TEST(ServerInterval, RefusesNonsenseAndOverflow) {
    for (const char *bad : {"", "day", "1 fortnight", "P", "P1X", "PT1D", "1 day ago 2 hours", "1 2",
                            "99999999999 years 99999999999 hours 99999999999 hours 99999999999 hours"}) {
        IntervalParts p;
        EXPECT_NE(read_interval(bad, std::strlen(bad), &p), 0) << bad;
    }
    IntervalParts p;
    const char *huge = "999999999999 hours 999999999999 hours 999999999999 hours";
    EXPECT_EQ(read_interval(huge, std::strlen(huge), &p), DTERR_INTERVAL_OVERFLOW);
}

TEST(ServerInterval, JustifyKeepsOneSign) {
    IntervalParts p;
    p.days = 1;
    p.micros = -3600 * kSec;
    justify_hours(&p);
    EXPECT_EQ(p.days, 0);
    EXPECT_EQ(p.micros, 23 * 3600 * kSec);
    p = IntervalParts{};
    p.micros = 49 * 3600 * kSec;
    justify_hours(&p);
    EXPECT_EQ(p.days, 2);
    EXPECT_EQ(p.micros, 3600 * kSec);
    p = IntervalParts{};
    p.days = -1;
    p.micros = 3600 * kSec;
    justify_hours(&p);
    EXPECT_EQ(p.days, 0);
    EXPECT_EQ(p.micros, -23 * 3600 * kSec);
}

std::string encode(const BrokenDownTime &tm, int nanos, const int *west) {
    char buf[64];
    const int n = EncodeDateTime(tm, nanos, west, buf, sizeof buf);
    return n < 0 ? "<failed>" : std::string(buf, static_cast<std::size_t>(n));
}


TEST(ServerWrite, IsoTimestamps) {
    EXPECT_EQ(encode(tm_of(2024, 3, 5, 10, 20, 30), 0, nullptr), "2024-03-05 10:20:30");
    EXPECT_EQ(encode(tm_of(2024, 1, 31, 23, 59, 59), 500000000, nullptr), "2024-01-31 23:59:59.5");
    EXPECT_EQ(encode(tm_of(2024, 1, 31, 23, 59, 59), 123456789, nullptr), "2024-01-31 23:59:59.123456789");
    EXPECT_EQ(encode(tm_of(-43, 3, 15, 0, 0, 0), 0, nullptr), "0044-03-15 00:00:00 BC");
    EXPECT_EQ(encode(tm_of(0, 1, 1, 0, 0, 0), 0, nullptr), "0001-01-01 00:00:00 BC");
    // BC values keep their fraction.
    EXPECT_EQ(encode(tm_of(-43, 3, 15, 0, 0, 0), 250000000, nullptr), "0044-03-15 00:00:00.25 BC");
    const int ist = -19800, nf = 12600, utc = 0, lmt = 4 * 3600 + 56 * 60 + 2, whole = -3600;
    EXPECT_EQ(encode(tm_of(2024, 3, 5, 10, 20, 30), 0, &ist), "2024-03-05 10:20:30+05:30");
    EXPECT_EQ(encode(tm_of(2024, 3, 5, 10, 20, 30), 0, &nf), "2024-03-05 10:20:30-03:30");
    EXPECT_EQ(encode(tm_of(2024, 3, 5, 10, 20, 30), 0, &utc), "2024-03-05 10:20:30+00");
    EXPECT_EQ(encode(tm_of(2024, 3, 5, 10, 20, 30), 0, &whole), "2024-03-05 10:20:30+01");
    EXPECT_EQ(encode(tm_of(1850, 3, 5, 10, 20, 30), 0, &lmt), "1850-03-05 10:20:30-04:56:02");
    char small[10];
    EXPECT_EQ(EncodeDateTime(tm_of(2024, 3, 5, 10, 20, 30), 0, nullptr, small, sizeof small), -1);
    char buf[16];
    EXPECT_EQ(EncodeSpecial(DateTimeKind::MinusInfinity, buf, sizeof buf), 9);
    EXPECT_STREQ(buf, "-infinity");
}

std::string encode_interval(std::int64_t months, std::int64_t days, double seconds) {
    char buf[128];
    const int n = EncodeInterval(months, days, seconds, buf, sizeof buf);
    return n < 0 ? "<failed>" : std::string(buf, static_cast<std::size_t>(n));
}

TEST(ServerWrite, VerboseIntervals) {
    EXPECT_EQ(encode_interval(0, 1, 7203.25), "@ 1 day 2 hours 3.25 secs");
    EXPECT_EQ(encode_interval(14, 3, 0), "@ 1 year 2 mons 3 days");
    EXPECT_EQ(encode_interval(-14, 0, 0), "@ 1 year 2 mons ago");
    EXPECT_EQ(encode_interval(0, -1, 7200), "@ 1 day -2 hours ago");
    EXPECT_EQ(encode_interval(0, 0, 1), "@ 1 sec");
    EXPECT_EQ(encode_interval(0, 0, -1.5), "@ 1.5 secs ago");
    EXPECT_EQ(encode_interval(0, 0, 0), "@ 0");
    EXPECT_EQ(encode_interval(0, 0, 0.0000004), "@ 0");
    EXPECT_EQ(encode_interval(0, 0, 1e300), "<failed>");
    // What is written reads back to the same parts.
    for (auto c : {std::tuple<int, int, double>{14, -3, 3723.5}, {-1, 2, -0.25}, {0, -7, 86399.999999}}) {
        const std::string text = encode_interval(std::get<0>(c), std::get<1>(c), std::get<2>(c));
        IntervalParts p = interval(text.c_str());
        EXPECT_EQ(p.months, std::get<0>(c)) << text;
        EXPECT_EQ(p.days, std::get<1>(c)) << text;
        EXPECT_EQ(p.micros, static_cast<std::int64_t>(std::llround(std::get<2>(c) * 1e6))) << text;
    }
}

}  // namespace
