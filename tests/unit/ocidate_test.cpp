// The OCIDate family: month and day arithmetic, weekdays, comparison, the validity flags
// (leap years, 1582, year zero) and text through the format models.
#include <oci.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "oci_handles_test.h"

namespace {

using vsk::test::OciHandlesTest;

OCIDate date_of(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    OCIDate out;
    OCIDateSetDate(&out, y, mo, d);
    OCIDateSetTime(&out, h, mi, s);
    return out;
}

std::string show(const OCIDate &d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.OCIDateYYYY, d.OCIDateMM, d.OCIDateDD,
                  d.OCIDateTime.OCITimeHH, d.OCIDateTime.OCITimeMI, d.OCIDateTime.OCITimeSS);
    return buf;
}

const oratext *ot(const char *s) { return reinterpret_cast<const oratext *>(s); }

class OCIDateCalls : public OciHandlesTest {
protected:
    std::string add_months(const OCIDate &d, sb4 n) {
        OCIDate r;
        EXPECT_EQ(OCIDateAddMonths(err_, &d, n, &r), OCI_SUCCESS);
        return show(r);
    }
    std::string to_text(const OCIDate &d, const char *fmt, ub4 size = 64) {
        oratext buf[300];
        std::memset(buf, '~', sizeof buf);
        ub4 n = size;
        const sword rc = OCIDateToText(err_, &d, ot(fmt), static_cast<ub1>(std::strlen(fmt)), nullptr, 0, &n, buf);
        if (rc != OCI_SUCCESS) return "error " + std::to_string(error_code());
        EXPECT_EQ(n, size) << "the buffer size stays";
        return reinterpret_cast<char *>(buf);
    }
    sword from_text(const char *text, const char *fmt, OCIDate *out) {
        return OCIDateFromText(err_, ot(text), static_cast<ub4>(std::strlen(text)), ot(fmt),
                               static_cast<ub1>(std::strlen(fmt)), nullptr, 0, out);
    }
};

TEST_F(OCIDateCalls, AddMonthsKeepsTheDayOrTheMonthsEnd) {
    EXPECT_EQ(add_months(date_of(2024, 1, 31), 1), "2024-02-29 00:00:00");
    EXPECT_EQ(add_months(date_of(2023, 2, 28), 1), "2023-03-31 00:00:00");
    EXPECT_EQ(add_months(date_of(2024, 1, 30), 1), "2024-02-30 00:00:00");
    EXPECT_EQ(add_months(date_of(2024, 3, 15, 1, 2, 3), -15), "2022-12-15 01:02:03");
    EXPECT_EQ(add_months(date_of(2024, 12, 15), 0), "2024-12-15 00:00:00");
    EXPECT_EQ(add_months(date_of(2024, 2, 29), 12), "2025-02-28 00:00:00");
    EXPECT_EQ(add_months(date_of(2024, 1, 15), -1), "2023-12-15 00:00:00");
    EXPECT_EQ(add_months(date_of(2024, 1, 15), 24), "2026-01-15 00:00:00");
}

TEST_F(OCIDateCalls, AddDaysMovesThroughJulianDays) {
    OCIDate r;
    const OCIDate d = date_of(2024, 2, 28, 23, 0, 0);
    ASSERT_EQ(OCIDateAddDays(err_, &d, 2, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "2024-03-01 00:00:00");
    const OCIDate bc = date_of(-4712, 1, 1);
    ASSERT_EQ(OCIDateAddDays(err_, &bc, -1, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "-4713-12-31 00:00:00");
    const OCIDate gap = date_of(1582, 10, 4);
    ASSERT_EQ(OCIDateAddDays(err_, &gap, 1, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "1582-10-05 00:00:00");  // proleptic Gregorian
    // The arithmetic of any input stays defined.
    const OCIDate odd = date_of(32767, 255, 255);
    EXPECT_EQ(OCIDateAddDays(err_, &odd, 2147483647, &r), OCI_SUCCESS);
}

TEST_F(OCIDateCalls, DaysBetweenIgnoresTimes) {
    sb4 n = 0;
    const OCIDate a = date_of(2024, 3, 1, 0, 0, 1), b = date_of(2024, 2, 1, 23, 59, 59);
    ASSERT_EQ(OCIDateDaysBetween(err_, &a, &b, &n), OCI_SUCCESS);
    EXPECT_EQ(n, 29);
    ASSERT_EQ(OCIDateDaysBetween(err_, &b, &a, &n), OCI_SUCCESS);
    EXPECT_EQ(n, -29);
}

TEST_F(OCIDateCalls, LastDayKeepsTheTime) {
    OCIDate r;
    for (auto c : {std::pair{date_of(2024, 2, 3, 4, 5, 6), "2024-02-29 04:05:06"},
                   std::pair{date_of(1900, 2, 1), "1900-02-28 00:00:00"},
                   std::pair{date_of(2023, 12, 1), "2023-12-31 00:00:00"}}) {
        ASSERT_EQ(OCIDateLastDay(err_, &c.first, &r), OCI_SUCCESS);
        EXPECT_EQ(show(r), c.second);
    }
    OCIDate in_place = date_of(2024, 4, 1, 7, 0, 0);
    ASSERT_EQ(OCIDateLastDay(err_, &in_place, &in_place), OCI_SUCCESS);
    EXPECT_EQ(show(in_place), "2024-04-30 07:00:00");
}

TEST_F(OCIDateCalls, NextDayNamesTheWeekday) {
    OCIDate r;
    const OCIDate monday = date_of(2024, 3, 4, 9, 30, 0);
    ASSERT_EQ(OCIDateNextDay(err_, &monday, ot("MONDAY"), 6, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "2024-03-11 09:30:00");
    ASSERT_EQ(OCIDateNextDay(err_, &monday, ot("Monkey"), 6, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "2024-03-11 09:30:00");
    ASSERT_EQ(OCIDateNextDay(err_, &monday, ot("tue"), 3, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "2024-03-05 09:30:00");
    ASSERT_EQ(OCIDateNextDay(err_, &monday, ot("sunday"), 6, &r), OCI_SUCCESS);
    EXPECT_EQ(show(r), "2024-03-10 09:30:00");
    EXPECT_EQ(OCIDateNextDay(err_, &monday, ot("mo"), 2, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 1846);
    EXPECT_EQ(OCIDateNextDay(err_, &monday, ot("xyzday"), 6, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 1846);
}

TEST_F(OCIDateCalls, CompareOrdersAllSixFields) {
    sword r = 9;
    const OCIDate a = date_of(2024, 3, 5, 10, 20, 30), b = date_of(2024, 3, 5, 10, 20, 31), c = a;
    ASSERT_EQ(OCIDateCompare(err_, &a, &b, &r), OCI_SUCCESS);
    EXPECT_EQ(r, -1);
    ASSERT_EQ(OCIDateCompare(err_, &b, &a, &r), OCI_SUCCESS);
    EXPECT_EQ(r, 1);
    ASSERT_EQ(OCIDateCompare(err_, &a, &c, &r), OCI_SUCCESS);
    EXPECT_EQ(r, 0);
    const OCIDate bc = date_of(-1, 12, 31), ad = date_of(1, 1, 1);
    ASSERT_EQ(OCIDateCompare(err_, &bc, &ad, &r), OCI_SUCCESS);
    EXPECT_EQ(r, -1);
}

TEST_F(OCIDateCalls, CheckFlags) {
    const struct {
        OCIDate date;
        uword flags;
    } cases[] = {
        {date_of(2024, 3, 5, 10, 20, 30), 0},
        {date_of(2023, 2, 29), 0x1},
        {date_of(2024, 2, 29), 0},
        {date_of(1900, 2, 29), 0x1},
        {date_of(2000, 2, 29), 0},
        {date_of(0, 0, 0), 0x200F},
        {date_of(1582, 10, 10), 0x1000},
        {date_of(1582, 10, 4, 23, 59, 59), 0},
        {date_of(1582, 10, 15), 0},
        {date_of(10000, 1, 1), 0x10},
        {date_of(-4713, 1, 1), 0x30},
        {date_of(-4712, 1, 1), 0},
        {date_of(2024, 3, 5, 25, 61, 61), 0x540},
        {date_of(2024, 13, 32), 0x5},
        {date_of(2024, 4, 0), 0x3},
    };
    for (auto &c : cases) {
        uword flags = 12345;
        ASSERT_EQ(OCIDateCheck(err_, &c.date, &flags), OCI_SUCCESS);
        EXPECT_EQ(flags, c.flags) << show(c.date);
    }
}

TEST_F(OCIDateCalls, SysDateIsLocalNow) {
    OCIDate now;
    ASSERT_EQ(OCIDateSysDate(err_, &now), OCI_SUCCESS);
    uword flags = 1;
    ASSERT_EQ(OCIDateCheck(err_, &now, &flags), OCI_SUCCESS);
    EXPECT_EQ(flags, 0u);
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    EXPECT_EQ(now.OCIDateYYYY, local.tm_year + 1900);
}

TEST_F(OCIDateCalls, ToTextWritesAndCutsAtTheBufferSize) {
    const OCIDate d = date_of(2024, 3, 5, 10, 20, 30);
    EXPECT_EQ(to_text(d, "DD-MON-YYYY HH24:MI:SS"), "05-MAR-2024 10:20:30");
    EXPECT_EQ(to_text(d, "YYYY-MM-DD", 5), "2024");
    EXPECT_EQ(to_text(d, "DDSPTH \"of\" FMMonth"), "FIFTH of March");
    EXPECT_EQ(to_text(d, "DD-DD"), "error 1810");
    EXPECT_EQ(to_text(date_of(2024, 0, 5), "DD-MON"), "error 1843");
    oratext buf[32];
    ub4 n = sizeof buf;
    ASSERT_EQ(OCIDateToText(err_, &d, nullptr, 0, nullptr, 0, &n, buf), OCI_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<char *>(buf), "05-MAR-24");
    n = 0;
    ASSERT_EQ(OCIDateToText(err_, &d, ot("DD"), 2, nullptr, 0, &n, buf), OCI_SUCCESS);
}

TEST_F(OCIDateCalls, FromTextReadsByTheFormat) {
    OCIDate d;
    ASSERT_EQ(from_text("05-MAR-2024 10:20:30", "DD-MON-YYYY HH24:MI:SS", &d), OCI_SUCCESS);
    EXPECT_EQ(show(d), "2024-03-05 10:20:30");
    ASSERT_EQ(from_text("0044-03-15 BC", "YYYY-MM-DD BC", &d), OCI_SUCCESS);
    EXPECT_EQ(show(d), "-043-03-15 00:00:00");
    EXPECT_EQ(from_text("31-FEB-2024", "DD-MON-YYYY", &d), OCI_ERROR);
    EXPECT_EQ(error_code(), 1847);
    // Only the given length counts.
    ASSERT_EQ(OCIDateFromText(err_, ot("2024-03-05garbage"), 10, ot("YYYY-MM-DDxx"), 10, nullptr, 0, &d), OCI_SUCCESS);
    EXPECT_EQ(show(d), "2024-03-05 00:00:00");
}

TEST_F(OCIDateCalls, ArgumentsAndHandles) {
    OCIDate d = date_of(2024, 3, 5), r;
    EXPECT_EQ(OCIDateAssign(nullptr, &d, &r), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDateAssign(reinterpret_cast<OCIError *>(env_), &d, &r), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIDateAssign(err_, nullptr, &r), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    EXPECT_EQ(OCIDateAssign(err_, &d, nullptr), OCI_ERROR);
    EXPECT_EQ(OCIDateFromText(err_, ot("x"), 1, nullptr, 0, nullptr, 0, &d), OCI_ERROR);
    EXPECT_EQ(error_code(), 21560);
    ub4 n = 8;
    EXPECT_EQ(OCIDateToText(err_, &d, ot("DD"), 2, nullptr, 0, &n, nullptr), OCI_ERROR);
    sword cmp;
    EXPECT_EQ(OCIDateCompare(err_, &d, &d, nullptr), OCI_ERROR);
    ASSERT_EQ(OCIDateAssign(err_, &d, &r), OCI_SUCCESS);
    ASSERT_EQ(OCIDateCompare(err_, &d, &r, &cmp), OCI_SUCCESS);
    EXPECT_EQ(cmp, 0);
}

}  // namespace
