// Date format models: every keyword written in each of its case forms, the modifiers, the
// composite keywords and literals, the refusals of the node checks, and the reader with
// each of its errors.
#include <gtest/gtest.h>

#include <string>

#include "broken_down_time.h"
#include "datetime/format_model.h"
#include "env/error.h"
#include "oci_handles_test.h"

namespace {

using vsk::test::tm_of;
using namespace vsk;
using namespace vsk::dt;


class FormatModel : public test::OciHandlesTest {
protected:
    // The text, or "error N" with the first record's number.
    std::string write(const std::string &format, BrokenDownTime tm = sample(), int nanos = 123456789,
                      FormatMode mode = FMT_ZONED) {
        _ClearErrorHandle(err_);
        std::string out;
        if (!datetime_to_char_body(err_, tm, nanos, format.c_str(), mode, &out))
            return "error " + std::to_string(error_code());
        return out;
    }
    ub4 read(const std::string &text, const std::string &format, ReadDateTime *out, FormatMode mode = FMT_ZONED) {
        _ClearErrorHandle(err_);
        if (do_to_timestamp(err_, text.c_str(), format.c_str(), out, mode) == 0) return 0;
        return static_cast<ub4>(error_code());
    }
    // 2024-03-05 10:20:30.123456789 +05:30, a Tuesday.
    static BrokenDownTime sample() {
        BrokenDownTime tm = tm_of(2024, 3, 5, 10, 20, 30);
        tm.tm_gmtoff = 19800;
        return tm;
    }
};

struct KeywordCase {
    const char *format;
    const char *text;
};

TEST_F(FormatModel, EveryKeywordInEachCaseForm) {
    const KeywordCase cases[] = {
        {"A.D.", "A.D."}, {"A.M.", "A.M."}, {"AD", "AD"}, {"AM", "AM"}, {"B.C.", "A.D."}, {"BC", "AD"},
        {"CC", "21"}, {"DAY", "TUESDAY  "}, {"DDD", "065"}, {"DD", "05"}, {"DL", "Tuesday, March 05, 2024"},
        {"DS", "03/05/2024"}, {"DY", "TUE"}, {"Day", "Tuesday  "}, {"Dy", "Tue"}, {"D", "3"},
        {"FF", "123456789"}, {"FF3", "123"}, {"FF1", "1"}, {"FX", ""}, {"HH24", "10"}, {"HH12", "10"},
        {"HH", "10"}, {"IW", "10"}, {"IYYY", "2024"}, {"IYY", "024"}, {"IY", "24"}, {"I", "4"},
        {"J", "2460375"}, {"MI", "20"}, {"MM", "03"}, {"MONTH", "MARCH    "}, {"MON", "MAR"}, {"MS", "123"},
        {"Month", "March    "}, {"Mon", "Mar"}, {"P.M.", "A.M."}, {"PM", "AM"}, {"Q", "1"}, {"RM", "III "},
        {"SCC", " 21"}, {"SSSSS", "37230"}, {"SS", "30"}, {"SYEAR", " TWENTY TWENTY-FOUR"}, {"SYYYY", " 2024"},
        {"TS", "10:20:30 AM"}, {"TZD", ""}, {"TZH", "+05"}, {"TZM", "30"}, {"TZR", "+05:30"}, {"US", "123456"},
        {"WW", "10"}, {"W", "1"}, {"X", "."}, {"Y,YYY", "2,024"}, {"YEAR", "TWENTY TWENTY-FOUR"},
        {"YYYY", "2024"}, {"YYY", "024"}, {"YY", "24"}, {"Y", "4"},
        {"a.d.", "a.d."}, {"a.m.", "a.m."}, {"ad", "ad"}, {"am", "am"}, {"b.c.", "a.d."}, {"bc", "ad"},
        {"cc", "21"}, {"day", "tuesday  "}, {"ddd", "065"}, {"dd", "05"}, {"dy", "tue"}, {"d", "3"}, {"fx", ""},
        {"hh24", "10"}, {"hh12", "10"}, {"hh", "10"}, {"iw", "10"}, {"iyyy", "2024"}, {"iyy", "024"},
        {"iy", "24"}, {"i", "4"}, {"j", "2460375"}, {"mi", "20"}, {"mm", "03"}, {"month", "march    "},
        {"mon", "mar"}, {"ms", "123"}, {"p.m.", "a.m."}, {"pm", "am"}, {"q", "1"}, {"rm", "iii "},
        {"sssss", "37230"}, {"ss", "30"}, {"us", "123456"}, {"ww", "10"}, {"w", "1"}, {"y,yyy", "2,024"},
        {"yyyy", "2024"}, {"yyy", "024"}, {"yy", "24"}, {"y", "4"},
    };
    for (const KeywordCase &c : cases) EXPECT_EQ(write(c.format), c.text) << c.format;
}

TEST_F(FormatModel, AfternoonAndBeforeChrist) {
    BrokenDownTime pm = tm_of(2024, 3, 5, 22, 5, 0);
    EXPECT_EQ(write("HH:MI PM", pm), "10:05 PM");
    EXPECT_EQ(write("A.M.", pm), "P.M.");
    EXPECT_EQ(write("am", pm), "pm");
    EXPECT_EQ(write("HH12 AM", tm_of(2024, 3, 5, 0, 0, 0)), "12 AM");
    BrokenDownTime bc = tm_of(-43, 3, 15);  // 44 BC
    EXPECT_EQ(write("YYYY BC", bc), "0044 BC");
    EXPECT_EQ(write("B.C.", bc), "B.C.");
    EXPECT_EQ(write("ad", bc), "bc");
    EXPECT_EQ(write("SYYYY SCC", bc), "-0044 -01");
    EXPECT_EQ(write("SYEAR", bc), "-FORTY-FOUR");
    EXPECT_EQ(write("TZH:TZM TZR", [] {
                  BrokenDownTime tm = tm_of(2024, 1, 1);
                  tm.tm_gmtoff = -12600;
                  return tm;
              }()),
              "-03:30 -03:30");
}

TEST_F(FormatModel, ThePartsExamples) {
    EXPECT_EQ(write("DD-MON-YYYY"), "05-MAR-2024");
    EXPECT_EQ(write("FMDD-Month-YYYY"), "5-March-2024");
    EXPECT_EQ(write("fmdd month yyyy"), "5 march 2024");
    EXPECT_EQ(write("DS"), "03/05/2024");
    EXPECT_EQ(write("TS"), "10:20:30 AM");
    EXPECT_EQ(write("DDTH"), "05TH");
    EXPECT_EQ(write("ddth"), "05th");
}

TEST_F(FormatModel, FillModeTogglesAtEachOccurrence) {
    EXPECT_EQ(write("FMDD FMMonth"), "5 March    ");
    EXPECT_EQ(write("FMDD FMMonth FMYYYY"), "5 March     2024");
    EXPECT_EQ(write("FMHH24:MI:SS DAY"), "10:20:30 TUESDAY");
    EXPECT_EQ(write("FMSYYYY"), "2024");
    EXPECT_EQ(write("TMDD tmMON"), "05 MAR");
}

TEST_F(FormatModel, OrdinalSuffixesAndSpelling) {
    const struct {
        int day;
        const char *th;
    } days[] = {{1, "01ST"}, {2, "02ND"}, {3, "03RD"}, {4, "04TH"}, {11, "11TH"}, {12, "12TH"}, {13, "13TH"},
                {21, "21ST"}, {22, "22ND"}, {23, "23RD"}, {30, "30TH"}};
    for (auto d : days) EXPECT_EQ(write("DDTH", tm_of(2024, 1, d.day)), d.th) << d.day;
    EXPECT_EQ(write("DDSP"), "FIVE");
    EXPECT_EQ(write("DDSPTH"), "FIFTH");
    EXPECT_EQ(write("ddspth"), "fifth");
    EXPECT_EQ(write("DDSPTH", tm_of(2024, 1, 12)), "TWELFTH");
    EXPECT_EQ(write("DDSPTH", tm_of(2024, 1, 20)), "TWENTIETH");
    EXPECT_EQ(write("DDSPTH", tm_of(2024, 1, 23)), "TWENTY-THIRD");
    EXPECT_EQ(write("YYYYSP"), "TWO THOUSAND TWENTY-FOUR");
    EXPECT_EQ(write("JSP"), "TWO MILLION FOUR HUNDRED SIXTY THOUSAND THREE HUNDRED SEVENTY-FIVE");
    EXPECT_EQ(write("YEAR", tm_of(2005, 1, 1)), "TWO THOUSAND FIVE");
    EXPECT_EQ(write("YEAR", tm_of(1900, 1, 1)), "NINETEEN HUNDRED");
    EXPECT_EQ(write("YEAR", tm_of(1066, 1, 1)), "TEN SIXTY-SIX");
    // A text element takes no ordinal suffix.
    EXPECT_EQ(write("MONTHTH"), "MARCH    ");
    EXPECT_EQ(write("Y,YYYTH"), "2,024TH");
}

TEST_F(FormatModel, LiteralsAndSeparators) {
    EXPECT_EQ(write("\"Day \"DD\" of \"Month"), "Day 05 of March    ");
    EXPECT_EQ(write("YYYY/MM/DD;HH24.MI,SS_"), "2024/03/05;10.20,30_");
    EXPECT_EQ(write("[DD] @ %"), "[05] @ %");
    const std::string lit(40, 'x');
    EXPECT_EQ(write("\"" + lit + "\"DD"), lit + "05");
    EXPECT_EQ(write("\"unterminated DD"), "unterminated DD");
    EXPECT_EQ(write(""), "");
}

TEST_F(FormatModel, CompositesExpandIntoTheirElements) {
    FormatProgram p;
    ASSERT_TRUE(parse_format(&p, "DS"));
    EXPECT_EQ(p.count, 6);  // MM / DD / YYYY and the end node
    EXPECT_EQ(p.nodes[0].key->id, K_MM);
    EXPECT_EQ(p.nodes[5].kind, FormatNode::End);
    ASSERT_TRUE(parse_format(&p, ""));
    EXPECT_EQ(p.count, 1);
    EXPECT_TRUE(hasTimeZoneInFormat("DD-MON-YY TZR"));
    EXPECT_TRUE(hasTimeZoneInFormat("TZD"));
    EXPECT_FALSE(hasTimeZoneInFormat("DD-MON-YY HH24"));
}

TEST_F(FormatModel, NodeChecksRefuse) {
    const struct {
        const char *format;
        FormatMode mode;
        ub4 error;
    } cases[] = {
        {"DD-DD", FMT_ZONED, 1810},    {"dd DD", FMT_ZONED, 1810},     {"DS DD", FMT_ZONED, 1810},
        {"HH24 AM PM", FMT_ZONED, 1814}, {"A.M. PM", FMT_ZONED, 1814}, {"AD B.C.", FMT_ZONED, 1815},
        {"HH24:MI", FMT_DATE, 1821},   {"TS", FMT_DATE, 1821},         {"AM", FMT_DATE, 1821},
        {"TZH", FMT_DATE, 1821},
        {"E", FMT_OCIDATE, 1822},      {"EE", FMT_TIMESTAMP, 1822},    {"E", FMT_DATE, 1822},
        {"EE", FMT_ZONED, 30475},
    };
    for (auto c : cases) EXPECT_EQ(write(c.format, sample(), 0, c.mode), "error " + std::to_string(c.error)) << c.format;
    // Written as YY and YYYY (so a session format of DD-MON-RR shows dates); never read.
    EXPECT_EQ(write("DD-MON-RR"), "05-MAR-24");
    EXPECT_EQ(write("RRRR"), "2024");
    ReadDateTime r;
    EXPECT_EQ(read("05-MAR-24", "DD-MON-RR", &r), 30475u);
    EXPECT_NE(message().find("RR"), std::string::npos) << message();
    EXPECT_EQ(write("DD-MON-YYYY", sample(), 0, FMT_DATE), "05-MAR-2024");
}

TEST_F(FormatModel, LongFormatsStayInsideTheirBuffers) {
    // Spelled elements write many times their format's length.
    std::string spelled = "JSPTH DDDSPTH SSSSSSPTH Y,YYYSPTH SYYYYSP DDSPTH \"";
    spelled += std::string(kMaxFormatLength - spelled.size() - 1, 'x') + "\"";
    ASSERT_EQ(spelled.size(), kMaxFormatLength);
    const std::string text = write(spelled);
    EXPECT_EQ(text.substr(0, 24), "TWO MILLION FOUR HUNDRED") << text;
    EXPECT_GT(text.size(), 350u);
    std::string composites;
    while (composites.size() + 2 <= kMaxFormatLength) composites += "TS";
    // The same keyword twice is refused; the node list itself holds them all.
    FormatProgram p;
    ASSERT_TRUE(parse_format(&p, composites.c_str()));
    EXPECT_EQ(p.count, 127 * 7 + 1);
    EXPECT_EQ(write(std::string(kMaxFormatLength + 1, 'x')), "error 1800");
    std::string quoted = "\"" + std::string(kMaxFormatLength - 2, 'q') + "\"";
    EXPECT_EQ(write(quoted), std::string(kMaxFormatLength - 2, 'q'));
}

TEST_F(FormatModel, ReadsDatesTimesAndZones) {
    ReadDateTime r;
    ASSERT_EQ(read("05-MAR-2024", "DD-MON-YYYY", &r), 0u);
    EXPECT_EQ(r.tm.tm_year, 2024);
    EXPECT_EQ(r.tm.tm_mon, 3);
    EXPECT_EQ(r.tm.tm_mday, 5);
    EXPECT_EQ(r.tm.tm_hour, 0);
    ASSERT_EQ(read("5-march-2024 10:20:30 pm", "DD-MON-YYYY HH:MI:SS AM", &r), 0u);
    EXPECT_EQ(r.tm.tm_hour, 22);
    ASSERT_EQ(read("05-March-2024", "DD-MONTH-YYYY", &r), 0u);
    EXPECT_EQ(r.tm.tm_mon, 3);
    ASSERT_EQ(read("2024-03-05 10:20:30.5", "YYYY-MM-DD HH24:MI:SS.FF", &r), 0u);
    EXPECT_EQ(r.nanos, 500000000);
    ASSERT_EQ(read("2024-03-05 10:20:30.123456789123", "YYYY-MM-DD HH24:MI:SS.FF", &r), 0u);
    EXPECT_EQ(r.nanos, 123456789);
    ASSERT_EQ(read("10:20:30.12", "HH24:MI:SS.FF3", &r), 0u);
    EXPECT_EQ(r.nanos, 120000000);
    ASSERT_EQ(read("0044 BC", "YYYY BC", &r), 0u);
    EXPECT_EQ(r.tm.tm_year, -43);
    ASSERT_EQ(read("2460375", "J", &r), 0u);
    EXPECT_EQ(r.tm.tm_year, 2024);
    EXPECT_EQ(r.tm.tm_mon, 3);
    EXPECT_EQ(r.tm.tm_mday, 5);
    ASSERT_EQ(read("065 2024", "DDD YYYY", &r), 0u);
    EXPECT_EQ(r.tm.tm_mon, 3);
    EXPECT_EQ(r.tm.tm_mday, 5);
    ASSERT_EQ(read("37230", "SSSSS", &r), 0u);
    EXPECT_EQ(r.tm.tm_hour, 10);
    EXPECT_EQ(r.tm.tm_min, 20);
    EXPECT_EQ(r.tm.tm_sec, 30);
    ASSERT_EQ(read("III 2024", "RM YYYY", &r), 0u);
    EXPECT_EQ(r.tm.tm_mon, 3);
    ASSERT_EQ(read("Tuesday 05-MAR-2024", "Day DD-MON-YYYY", &r), 0u);
    ASSERT_EQ(read("2,024", "Y,YYY", &r), 0u);
    EXPECT_EQ(r.tm.tm_year, 2024);
    ASSERT_EQ(read("05 of March", "DD \"of\" Month", &r), 0u);
    ASSERT_EQ(read("+05:30", "TZH:TZM", &r), 0u);
    EXPECT_TRUE(r.hasZone);
    EXPECT_EQ(r.tm.tm_gmtoff, 19800);
    ASSERT_EQ(read("-03:30", "TZH:TZM", &r), 0u);
    EXPECT_EQ(r.tm.tm_gmtoff, -12600);
    ASSERT_EQ(read("-00:30", "TZH:TZM", &r), 0u);
    EXPECT_EQ(r.tm.tm_gmtoff, -1800);
    ASSERT_EQ(read("2024-03-05 +05:30", "YYYY-MM-DD TZR", &r), 0u);
    EXPECT_EQ(r.tm.tm_gmtoff, 19800);
    ASSERT_EQ(read("2024-03-05 PST", "YYYY-MM-DD TZR", &r), 0u);
    EXPECT_EQ(r.tm.tm_gmtoff, -8 * 3600);
}

TEST_F(FormatModel, ReaderDefaultsAndShortInput) {
    BrokenDownTime now;
    current_local_time(&now);
    ReadDateTime r;
    ASSERT_EQ(read("10:20", "HH24:MI", &r, FMT_OCIDATE), 0u);
    EXPECT_EQ(r.tm.tm_year, now.tm_year);
    EXPECT_EQ(r.tm.tm_mon, now.tm_mon);
    EXPECT_EQ(r.tm.tm_mday, 1);
    ASSERT_EQ(read("24", "YY", &r), 0u);
    EXPECT_EQ(r.tm.tm_year, now.tm_year - now.tm_year % 100 + 24);
    // Time elements left at the end default to midnight; date elements may not be left.
    ASSERT_EQ(read("05-MAR-2024", "DD-MON-YYYY HH24:MI:SS", &r), 0u);
    EXPECT_EQ(r.tm.tm_hour, 0);
    EXPECT_EQ(read("05-MAR", "DD-MON-YYYY", &r), 1840u);
    EXPECT_EQ(read("", "DD", &r), 1840u);
    EXPECT_EQ(read("2024-03-05 extra", "YYYY-MM-DD", &r), 1830u);
}

TEST_F(FormatModel, ReaderRefusals) {
    const struct {
        const char *text;
        const char *format;
        ub4 error;
    } cases[] = {
        {"31-FEB-2024", "DD-MON-YYYY", 1847}, {"10:61", "HH24:MI", 1851},      {"13:00", "HH:MI", 1849},
        {"2024", "RRRR", 30475},             {"xx", "DD", 1858},              {"05-ABC-2024", "DD-MON-YYYY", 1843},
        {"13", "MM", 1843},                  {"Funday", "DAY", 1846},          {"25:00", "HH24:MI", 1850},
        {"10:20:61", "HH24:MI:SS", 1852},    {"90000", "SSSSS", 1853},         {"+15", "TZH", 1874},
        {"+05:61", "TZH:TZM", 1875},         {"10:20", "HH:MI", 1855},          {"0000", "YYYY", 1841},
        {"-0044", "SYYYY", 1856},            {"05/03/2024", "DD-MM-YYYY", 1861}, {"05 of March", "DD \"at\" Month", 1861},
        {"DD", "DD-DD", 1810},               {"10:20", "HH24:MI", 1821},       {"xx 2024", "MON YYYY", 1843},
        {"366 2023", "DDD YYYY", 1847},      {"10000", "YYYY", 1830},          {"ZZ", "TZR", 1874},
        {"2024", "YEAR", 30475},             {"QQ", "AM", 1855},               {"QQ", "BC", 1856},
    };
    for (auto c : cases) {
        ReadDateTime r;
        const FormatMode mode = std::string(c.text) == "10:20" && std::string(c.format) == "HH24:MI" ? FMT_DATE : FMT_ZONED;
        EXPECT_EQ(read(c.text, c.format, &r, mode), c.error) << c.text << " / " << c.format;
    }
    ReadDateTime r;
    EXPECT_EQ(read("05 of March", "DD \"at\" Month", &r), 1861u);
    EXPECT_NE(message().find("at"), std::string::npos) << message();
    EXPECT_EQ(read("-0044 BC", "SYYYY BC", &r), 0u);
    EXPECT_EQ(message(), "inconsistent use of year -044 and \"BC\"");
}

}  // namespace
