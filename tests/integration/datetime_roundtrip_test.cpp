// Dates, timestamps and intervals through the server: every bind and fetch member against
// date, timestamp, timestamptz (under several session time zones), interval and text
// columns, NULLs and cuts in character targets, the session date format, and differential
// checks of the client's format models and interval arithmetic against the server's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "datetime_descriptors.h"
#include "oci_session_test.h"

namespace {

using vsk::test::ot;

class DateTimeRoundTrip : public vsk::test::OciSessionTest {
protected:
    void SetUp() override {
        OciSessionTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(exec_ok("DROP TABLE IF EXISTS dt_vals; CREATE TABLE dt_vals (k text, d date, ts timestamp, "
                            "tstz timestamptz, iv interval, t text)"));
        ASSERT_TRUE(exec_ok("INSERT INTO dt_vals VALUES ('a', '2024-03-05', '2024-03-05 10:20:30.5', "
                            "'2024-01-15 10:20:30+05:30', '1 day 02:00:03.25', '2024-03-05 10:20:30'), "
                            "('bc', '0044-03-15 BC', '0044-03-15 01:02:03 BC', NULL, '-1 year -2 mons', 'P1DT2H'), "
                            "('n', NULL, NULL, NULL, NULL, NULL)"));
    }
    void TearDown() override {
        OciSessionTest::TearDown();
        exec_ok("DROP TABLE IF EXISTS dt_vals");
    }
    OCIDateTime *datetime(ub4 type) { return vsk::test::new_datetime(env_, type); }
    OCIInterval *interval(ub4 type) { return vsk::test::new_interval(env_, type); }
    void bind_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr) {
        OCIBind *b = nullptr;
        ASSERT_EQ(OCIBindByPos(stmt_, &b, err_, pos, buf, size, dty, ind, nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS)
            << error().second;
    }
    void define_pos(ub4 pos, void *buf, sb4 size, ub2 dty, sb2 *ind = nullptr, ub2 *rlen = nullptr) {
        OCIDefine *d = nullptr;
        ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, pos, buf, size, dty, ind, rlen, nullptr, OCI_DEFAULT), OCI_SUCCESS)
            << error().second;
    }
    // The datetime written by the client's own format model.
    std::string show(const OCIDateTime *d, const char *fmt = "YYYY-MM-DD HH24:MI:SS.FF6 TZR") {
        OraText buf[96];
        ub4 n = sizeof buf;
        if (OCIDateTimeToText(env_, err_, d, ot(fmt), static_cast<ub1>(std::strlen(fmt)), 6, nullptr, 0, &n, buf) !=
            OCI_SUCCESS)
            return "error " + error().second;
        return reinterpret_cast<char *>(buf);
    }
    // One value of a one-row query through the OCI session, as text.
    std::string oci_value(const std::string &sql) {
        char buf[256] = {};
        sb2 ind = 0;
        if (prepare(sql) != OCI_SUCCESS) return "prepare: " + error().second;
        define_text(1, buf, sizeof buf, &ind);
        if (execute(1) != OCI_SUCCESS) return "execute: " + error().second;
        return ind == -1 ? "<null>" : buf;
    }
    bool has_orafce() { return side_value("SELECT count(*) FROM pg_extension WHERE extname = 'orafce'") == "1"; }
};

TEST_F(DateTimeRoundTrip, DateBytesAndOCIDatesBindAndFetch) {
    const ub1 dat[7] = {0x78, 0x7C, 0x03, 0x05, 0x0B, 0x15, 0x1F};
    OCIDate odt;
    OCIDateSetDate(&odt, -43, 3, 15);
    OCIDateSetTime(&odt, 1, 2, 3);
    ASSERT_EQ(prepare("insert into dt_vals (k, d, ts) values ('x', :1, :2)"), OCI_SUCCESS);
    bind_pos(1, const_cast<ub1 *>(dat), 7, SQLT_DAT);
    bind_pos(2, &odt, sizeof odt, SQLT_ODT);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select d::text || ' / ' || ts::text from dt_vals where k = 'x'"),
              "2024-03-05 / 0044-03-15 01:02:03 BC");

    ASSERT_EQ(prepare("select ts, d, ts, t, ts from dt_vals where k in ('a', 'bc') order by k"), OCI_SUCCESS);
    ub1 out[2][7] = {}, date_only[2][7] = {}, text_date[2][7] = {};
    OCIDate back[2] = {};
    sb2 ind[2] = {5, 5};
    OCIDefine *d = nullptr;
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 1, out, 7, SQLT_DAT, ind, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS);
    define_pos(2, date_only, 7, SQLT_DAT);
    define_pos(3, back, sizeof(OCIDate), SQLT_ODT);
    ASSERT_EQ(OCIDefineByPos(stmt_, &d, err_, 4, text_date, 7, SQLT_DAT, nullptr, nullptr, nullptr, OCI_DEFAULT),
              OCI_SUCCESS);
    ASSERT_EQ(execute(0), OCI_SUCCESS) << error().second;
    sword rc = OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
    ASSERT_EQ(rc, OCI_SUCCESS) << error().second;
    EXPECT_EQ(std::memcmp(out[0], "\x78\x7C\x03\x05\x0B\x15\x1F", 7), 0);
    EXPECT_EQ(std::memcmp(date_only[0], "\x78\x7C\x03\x05\x01\x01\x01", 7), 0);
    EXPECT_EQ(back[0].OCIDateYYYY, 2024);
    EXPECT_EQ(back[0].OCIDateTime.OCITimeSS, 30);
    // A text column keeps only the date.
    EXPECT_EQ(std::memcmp(text_date[0], "\x78\x7C\x03\x05\x01\x01\x01", 7), 0);
}

TEST_F(DateTimeRoundTrip, BeforeChristInDateBytes) {
    ub1 out[7] = {};
    ASSERT_EQ(prepare("select d from dt_vals where k = 'bc'"), OCI_SUCCESS);
    define_pos(1, out, 7, SQLT_DAT);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(std::memcmp(out, "\x64\x39\x03\x0F\x01\x01\x01", 7), 0);
}

TEST_F(DateTimeRoundTrip, DateBytesForADescribedDateParameterSendTheDateOnly) {
    ASSERT_EQ(prepare("select count(*)::text from dt_vals where d = :1"), OCI_SUCCESS);
    ASSERT_EQ(execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS) << error().second;
    const ub1 dat[7] = {0x78, 0x7C, 0x03, 0x05, 0x0B, 0x15, 0x1F};
    bind_pos(1, const_cast<ub1 *>(dat), 7, SQLT_DAT);
    char count[8] = {};
    define_text(1, count, sizeof count);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(count, "1");
}

TEST_F(DateTimeRoundTrip, EveryCharacterTargetOfATimestampColumn) {
    char afc[24], avc[24], lng[24];
    ub1 vcs[24], lvc[28];
    ASSERT_EQ(prepare("select ts, ts, ts, ts, ts from dt_vals where k = 'a'"), OCI_SUCCESS);
    ub2 len[5] = {};
    define_pos(1, afc, sizeof afc, SQLT_AFC, nullptr, &len[0]);
    define_pos(2, avc, sizeof avc, SQLT_AVC, nullptr, &len[1]);
    define_pos(3, lng, sizeof lng, SQLT_LNG, nullptr, &len[2]);
    define_pos(4, vcs, sizeof vcs, SQLT_VCS, nullptr, &len[3]);
    define_pos(5, lvc, sizeof lvc, SQLT_LVC, nullptr, &len[4]);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    const std::string ts = "2024-03-05 10:20:30.5";
    EXPECT_EQ(std::string(afc, len[0]), ts);
    EXPECT_STREQ(avc, ts.c_str());
    EXPECT_EQ(std::string(lng, len[2]), ts);
    ub2 vlen = 0;
    std::memcpy(&vlen, vcs, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(vcs) + 2, vlen), ts);
    ub4 llen = 0;
    std::memcpy(&llen, lvc, 4);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(lvc) + 4, llen), ts);
    EXPECT_EQ(len[4], ts.size() + 4);
}

TEST_F(DateTimeRoundTrip, TimestampColumnsIntoZonedDescriptors) {
    OCIDateTime *tz = datetime(OCI_DTYPE_TIMESTAMP_TZ), *date = datetime(OCI_DTYPE_DATE);
    ASSERT_EQ(prepare("select ts, t from dt_vals where k = 'a'"), OCI_SUCCESS);
    define_pos(1, &tz, sizeof tz, SQLT_TIMESTAMP_TZ);
    define_pos(2, &date, sizeof date, SQLT_DATE);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(show(tz, "YYYY-MM-DD HH24:MI:SS.FF1"), "2024-03-05 10:20:30.5");
    EXPECT_EQ(show(date, "YYYY-MM-DD"), "2024-03-05");
    OCIInterval *ym = interval(OCI_DTYPE_INTERVAL_YM);
    ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, -1, -2, ym), OCI_SUCCESS);
    ASSERT_EQ(prepare("insert into dt_vals (k, iv) values ('ym', :1)"), OCI_SUCCESS);
    bind_pos(1, &ym, sizeof ym, SQLT_INTERVAL_YM);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select iv::text from dt_vals where k = 'ym'"), "-1 years -2 mons");
}

TEST_F(DateTimeRoundTrip, TimestampDescriptorsKeepTheirFraction) {
    OCIDateTime *ts = datetime(OCI_DTYPE_TIMESTAMP), *date = datetime(OCI_DTYPE_DATE);
    ASSERT_EQ(prepare("select ts, ts from dt_vals where k = 'a'"), OCI_SUCCESS);
    define_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
    define_pos(2, &date, sizeof date, SQLT_DATE);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(show(ts, "YYYY-MM-DD HH24:MI:SS.FF"), "2024-03-05 10:20:30.500000000");
    EXPECT_EQ(show(date, "YYYY-MM-DD"), "2024-03-05");

    ASSERT_EQ(prepare("insert into dt_vals (k, ts, d) values ('y', :1, :2)"), OCI_SUCCESS);
    bind_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
    bind_pos(2, &date, sizeof date, SQLT_DATE);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select ts::text || ' ' || d::text from dt_vals where k = 'y'"),
              "2024-03-05 10:20:30.5 2024-03-05");
}

TEST_F(DateTimeRoundTrip, ZonedValuesUnderSeveralSessionZones) {
    const struct {
        const char *zone;
        const char *shown;
        int offset;
    } zones[] = {{"Asia/Kolkata", "2024-01-15 10:20:30.000000 +05:30", 19800},
                 {"America/St_Johns", "2024-01-15 01:20:30.000000 -03:30", -12600},
                 {"UTC", "2024-01-15 04:50:30.000000 +00:00", 0}};
    for (const auto &z : zones) {
        ASSERT_TRUE(run(std::string("SET TIME ZONE '") + z.zone + "'"));
        OCIDateTime *tz = datetime(OCI_DTYPE_TIMESTAMP_TZ);
        char text[64] = {};
        ASSERT_EQ(prepare("select tstz, tstz from dt_vals where k = 'a'"), OCI_SUCCESS);
        define_pos(1, &tz, sizeof tz, SQLT_TIMESTAMP_TZ);
        define_pos(2, text, sizeof text, SQLT_STR);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        EXPECT_EQ(show(tz), z.shown) << z.zone;
        sb1 h = 0, m = 0;
        ASSERT_EQ(OCIDateTimeGetTimeZoneOffset(env_, err_, tz, &h, &m), OCI_SUCCESS);
        EXPECT_EQ(h * 3600 + m * 60, z.offset) << z.zone;
        // The character target gets the server's text.
        EXPECT_EQ(std::string(text).substr(0, 19), std::string(z.shown).substr(0, 19)) << z.zone;

        // Bound back, the same instant arrives.
        ASSERT_EQ(prepare("select count(*)::text from dt_vals where tstz = :1"), OCI_SUCCESS);
        bind_pos(1, &tz, sizeof tz, SQLT_TIMESTAMP_TZ);
        char count[8] = {};
        define_text(1, count, sizeof count);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        EXPECT_STREQ(count, "1") << z.zone;
        OCIDescriptorFree(tz, OCI_DTYPE_TIMESTAMP_TZ);
    }
    // A timestamp with local time zone bound from a constructed value.
    OCIDateTime *ltz = datetime(OCI_DTYPE_TIMESTAMP_LTZ);
    OraText zone[] = "+05:30";
    ASSERT_EQ(OCIDateTimeConstruct(env_, err_, ltz, 2024, 1, 15, 10, 20, 30, 0, zone, 6), OCI_SUCCESS);
    ASSERT_EQ(prepare("insert into dt_vals (k, tstz) values ('l', :1)"), OCI_SUCCESS);
    bind_pos(1, &ltz, sizeof ltz, SQLT_TIMESTAMP_LTZ);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select count(*) from dt_vals a join dt_vals b on a.tstz = b.tstz "
                         "where a.k = 'a' and b.k = 'l'"),
              "1");
}

TEST_F(DateTimeRoundTrip, IntervalsInEveryServerStyle) {
    for (const char *style : {"postgres", "postgres_verbose", "sql_standard", "iso_8601"}) {
        ASSERT_TRUE(run(std::string("SET intervalstyle = ") + style));
        OCIInterval *ds = interval(OCI_DTYPE_INTERVAL_DS), *ym = interval(OCI_DTYPE_INTERVAL_YM);
        ASSERT_EQ(prepare("select iv from dt_vals where k = 'a' union all select iv from dt_vals where k = 'bc'"),
                  OCI_SUCCESS);
        define_pos(1, &ds, sizeof ds, SQLT_INTERVAL_DS);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << style << ": " << error().second;
        sb4 d, h, m, s, f;
        ASSERT_EQ(OCIIntervalGetDaySecond(env_, err_, &d, &h, &m, &s, &f, ds), OCI_SUCCESS);
        EXPECT_EQ(d, 1) << style;
        EXPECT_EQ(h, 2) << style;
        EXPECT_EQ(s, 3) << style;
        EXPECT_EQ(f, 250000000) << style;
        define_pos(1, &ym, sizeof ym, SQLT_INTERVAL_YM);
        ASSERT_EQ(OCIStmtFetch2(stmt_, err_, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS) << style;
        sb4 yr, mo;
        ASSERT_EQ(OCIIntervalGetYearMonth(env_, err_, &yr, &mo, ym), OCI_SUCCESS);
        EXPECT_EQ(yr, -1) << style;
        EXPECT_EQ(mo, -2) << style;
        OCIDescriptorFree(ds, OCI_DTYPE_INTERVAL_DS);
        OCIDescriptorFree(ym, OCI_DTYPE_INTERVAL_YM);
    }
    ASSERT_TRUE(run("SET intervalstyle = postgres"));
    OCIInterval *iv = interval(OCI_DTYPE_INTERVAL_DS);
    ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, -1, 2, 0, 3, 250000000, iv), OCI_SUCCESS);
    ASSERT_EQ(prepare("insert into dt_vals (k, iv) values ('i', :1)"), OCI_SUCCESS);
    bind_pos(1, &iv, sizeof iv, SQLT_INTERVAL_DS);
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select iv::text from dt_vals where k = 'i'"), "-1 days +02:00:03.25");
}

TEST_F(DateTimeRoundTrip, TextColumnsIntoEveryDateTarget) {
    OCIDateTime *ts = datetime(OCI_DTYPE_TIMESTAMP), *tz = datetime(OCI_DTYPE_TIMESTAMP_TZ);
    OCIDate odt;
    ASSERT_EQ(prepare("select t, t, t || '+05:30' from dt_vals where k = 'a'"), OCI_SUCCESS);
    define_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
    define_pos(2, &odt, sizeof odt, SQLT_ODT);
    define_pos(3, &tz, sizeof tz, SQLT_TIMESTAMP_TZ);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(show(ts, "YYYY-MM-DD HH24:MI:SS"), "2024-03-05 10:20:30");
    EXPECT_EQ(odt.OCIDateTime.OCITimeMI, 20);
    EXPECT_EQ(show(tz), "2024-03-05 10:20:30.000000 +05:30");
    // A text that is no date is reported: 1843 when it does not even split into fields.
    ASSERT_EQ(prepare("select 'no date at all'::text"), OCI_SUCCESS);
    define_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(error().first, 1839) << error().second;
    ASSERT_EQ(prepare("select repeat('1 ', 30)"), OCI_SUCCESS);
    define_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(error().first, 1843) << error().second;
}

TEST_F(DateTimeRoundTrip, NullsAndCutsInCharacterTargets) {
    char str[8] = {}, chr[8] = {};
    sb2 ind1 = 0, ind2 = 0, ind3 = 0;
    ub2 rlen = 0;
    ub1 dat[7] = {9, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(prepare("select ts, ts, d from dt_vals where k = :k"), OCI_SUCCESS);
    char key[4] = "a";
    ASSERT_EQ(bind_text(":k", key, sizeof key), OCI_SUCCESS) << error().second;
    define_pos(1, str, sizeof str, SQLT_STR, &ind1);
    define_pos(2, chr, sizeof chr, SQLT_CHR, &ind2, &rlen);
    define_pos(3, dat, sizeof dat, SQLT_DAT, &ind3);
    EXPECT_EQ(execute(1), OCI_SUCCESS_WITH_INFO) << error().second;
    EXPECT_EQ(error().first, 1406);
    EXPECT_STREQ(str, "2024-03");
    EXPECT_EQ(ind1, 21 - 7);
    EXPECT_EQ(std::string(chr, 8), "2024-03-");
    EXPECT_EQ(ind2, 21 - 8);
    std::strcpy(key, "n");
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_EQ(ind1, -1);
    EXPECT_EQ(ind2, -1);
    EXPECT_EQ(ind3, -1);
    // The NULL row leaves the buffer as the row before wrote it.
    EXPECT_EQ(dat[0], 0x78);
}

TEST_F(DateTimeRoundTrip, SessionFormatShapesFetchesAndBinds) {
    EXPECT_EQ(oci_value("select ts from dt_vals where k = 'a'"), "2024-03-05 10:20:30.5");
    ASSERT_TRUE(run("ALTER SESSION SET NLS_DATE_FORMAT = 'DD-MON-YYYY HH24:MI:SS'"));
    EXPECT_EQ(oci_value("select ts from dt_vals where k = 'a'"), "05-MAR-2024 10:20:30");
    EXPECT_EQ(oci_value("select d from dt_vals where k = 'a'"), "05-MAR-2024 00:00:00");
    // Text and timestamp-with-zone columns are left as the server writes them.
    EXPECT_EQ(oci_value("select t from dt_vals where k = 'a'"), "2024-03-05 10:20:30");

    ASSERT_TRUE(run("ALTER SESSION SET NLS_DATE_FORMAT = 'DD-MON-YYYY'"));
    char day[16] = "05-MAR-2024";
    ASSERT_EQ(prepare("insert into dt_vals (k, d, ts, t) values ('s', :d, :d2, :t)"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":d", day, sizeof day), OCI_SUCCESS) << error().second;
    char day2[16] = "07-apr-2023";
    ASSERT_EQ(bind_text(":d2", day2, sizeof day2), OCI_SUCCESS) << error().second;
    char plain[16] = "stays as is";
    ASSERT_EQ(bind_text(":t", plain, sizeof plain), OCI_SUCCESS) << error().second;
    ASSERT_EQ(execute(1, OCI_COMMIT_ON_SUCCESS), OCI_SUCCESS) << error().second;
    EXPECT_EQ(side_value("select d::text || ' ' || ts::text || ' ' || t from dt_vals where k = 's'"),
              "2024-03-05 2023-04-07 00:00:00 stays as is");

    // In a query's condition too.
    ASSERT_EQ(prepare("select k from dt_vals where d = :d"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":d", day, sizeof day), OCI_SUCCESS) << error().second;
    char k[8] = {};
    define_text(1, k, sizeof k);
    ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(k, "a");

    // Text that does not match the format is refused as the format model says.
    char wrong[16] = "2024-03-05";
    ASSERT_EQ(prepare("insert into dt_vals (k, d) values ('w', :d)"), OCI_SUCCESS);
    ASSERT_EQ(bind_text(":d", wrong, sizeof wrong), OCI_SUCCESS) << error().second;
    EXPECT_EQ(execute(1), OCI_ERROR);
    EXPECT_EQ(error().first, 1861) << error().second;

    if (has_orafce()) {
        EXPECT_EQ(oci_value("select current_setting('orafce.nls_date_format')"), "DD-MON-YYYY");
    }
}

TEST_F(DateTimeRoundTrip, SessionFormatFromTheEnvironment) {
    OCISvcCtx *svc = nullptr;
    setenv("NLS_DATE_FORMAT", "YYYY/MM/DD HH24:MI", 1);
    logon(&svc);
    unsetenv("NLS_DATE_FORMAT");
    OCIStmt *q = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env_, reinterpret_cast<void **>(&q), OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS);
    char buf[32] = {};
    ASSERT_EQ(prepare("select ts from dt_vals where k = 'a'", q), OCI_SUCCESS);
    define_text(1, buf, sizeof buf, nullptr, nullptr, q);
    ASSERT_EQ(OCIStmtExecute(svc, q, err_, 1, 0, nullptr, nullptr, OCI_DEFAULT), OCI_SUCCESS) << error().second;
    EXPECT_STREQ(buf, "2024/03/05 10:20");
    OCIHandleFree(q, OCI_HTYPE_STMT);
    OCILogoff(svc, err_);
}

TEST_F(DateTimeRoundTrip, FormatModelsAgreeWithTheServersToChar) {
    const char *stamps[] = {"2024-03-05 10:20:30.123456", "1999-12-31 23:59:59", "2000-01-01 00:00:00",
                            "2024-02-29 12:00:00", "1582-10-15 07:08:09", "2021-01-03 18:30:00", "0099-07-04 00:00:01"};
    const char *formats[] = {"DD-MON-YYYY HH24:MI:SS", "YYYY-MM-DD HH:MI:SS AM", "Day, DD Month YYYY",
                             "DY Dy dy MON Mon mon", "MONTH Month month", "DDD D J Q WW W IW IYYY IYY IY I",
                             "CC YYY YY Y Y,YYY", "HH12 HH24 MI SS", "DD FMMonth", "DDTH MMth", "RM",
                             "rm", "HH A.M.", "HH p.m.", "HH am", "YYYY AD", "YYYY b.c.", "HH24:MI:SS.US MS FF3"};
    for (const char *stamp : stamps) {
        const std::string cast = std::string("timestamp '") + stamp + "'";
        OCIDate date;
        OCIDateTime *ts = datetime(OCI_DTYPE_TIMESTAMP);
        ASSERT_EQ(prepare("select " + cast + ", " + cast), OCI_SUCCESS);
        define_pos(1, &date, sizeof date, SQLT_ODT);
        define_pos(2, &ts, sizeof ts, SQLT_TIMESTAMP);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        for (const char *fmt : formats) {
            const std::string server = side_value("select to_char(" + cast + ", '" + fmt + "')");
            if (!std::strstr(fmt, "US")) {
                OraText buf[128];
                ub4 n = sizeof buf;
                ASSERT_EQ(OCIDateToText(err_, &date, ot(fmt), static_cast<ub1>(std::strlen(fmt)), nullptr, 0, &n, buf),
                          OCI_SUCCESS)
                    << fmt << ": " << error().second;
                EXPECT_EQ(std::string(reinterpret_cast<char *>(buf)), server) << stamp << " / " << fmt;
            }
            EXPECT_EQ(show(ts, fmt), server) << stamp << " / " << fmt << " (timestamp)";
        }
        OCIDescriptorFree(ts, OCI_DTYPE_TIMESTAMP);
    }
}

TEST_F(DateTimeRoundTrip, IntervalArithmeticAgreesWithTheServer) {
    const struct {
        const char *stamp;
        const char *interval;
        int months, days, seconds, nanos;
    } adds[] = {{"2024-01-31 10:00:00", "1 mon", 1, 0, 0, 0},
                {"2024-02-28 23:30:00", "1 day 01:00:00", 0, 1, 3600, 0},
                {"2023-12-31 00:00:00", "14 mons 3 days 00:00:01.5", 14, 3, 1, 500000000},
                {"2024-03-31 12:00:00", "-1 mons -1 days", -1, -1, 0, 0}};
    for (const auto &a : adds) {
        OCIDateTime *ts = datetime(OCI_DTYPE_TIMESTAMP), *out = datetime(OCI_DTYPE_TIMESTAMP);
        ASSERT_EQ(prepare(std::string("select timestamp '") + a.stamp + "'"), OCI_SUCCESS);
        define_pos(1, &ts, sizeof ts, SQLT_TIMESTAMP);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        OCIInterval *months = interval(OCI_DTYPE_INTERVAL_YM), *ds = interval(OCI_DTYPE_INTERVAL_DS);
        ASSERT_EQ(OCIIntervalSetYearMonth(env_, err_, 0, a.months, months), OCI_SUCCESS);
        ASSERT_EQ(OCIIntervalSetDaySecond(env_, err_, a.days, 0, 0, a.seconds, a.nanos, ds), OCI_SUCCESS);
        ASSERT_EQ(OCIDateTimeIntervalAdd(env_, err_, ts, months, out), OCI_SUCCESS) << error().second;
        ASSERT_EQ(OCIDateTimeIntervalAdd(env_, err_, out, ds, out), OCI_SUCCESS) << error().second;
        const std::string server = side_value(std::string("select to_char(timestamp '") + a.stamp +
                                              "' + interval '" + a.interval + "', 'YYYY-MM-DD HH24:MI:SS.US')");
        EXPECT_EQ(show(out, "YYYY-MM-DD HH24:MI:SS.US"), server) << a.stamp << " + " << a.interval;
    }

    const struct {
        const char *interval;
        const char *factor;
    } scaled[] = {{"1 mon 10 days 01:00:00", "1.5"}, {"1 day", "0.3333"}, {"2 mons", "0.75"},
                  {"-3 days 04:00:00", "2.5"}};
    for (const auto &s : scaled) {
        OCIInterval *in = interval(OCI_DTYPE_INTERVAL_DS), *out = interval(OCI_DTYPE_INTERVAL_DS);
        ASSERT_EQ(prepare(std::string("select interval '") + s.interval + "'"), OCI_SUCCESS);
        define_pos(1, &in, sizeof in, SQLT_INTERVAL_DS);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        OCINumber f;
        ASSERT_EQ(OCINumberFromText(err_, ot(s.factor), static_cast<ub4>(std::strlen(s.factor)), ot("9D9999"), 6,
                                    nullptr, 0, &f),
                  OCI_SUCCESS)
            << error().second;
        ASSERT_EQ(OCIIntervalMultiply(env_, err_, in, &f, out), OCI_SUCCESS) << error().second;
        // The client keeps whole days out of the time part; the server compares durations.
        char same[8] = {};
        ASSERT_EQ(prepare(std::string("select (:1::interval = interval '") + s.interval + "' * " + s.factor +
                          ")::text"),
                  OCI_SUCCESS);
        bind_pos(1, &out, sizeof out, SQLT_INTERVAL_DS);
        define_text(1, same, sizeof same);
        ASSERT_EQ(execute(1), OCI_SUCCESS) << error().second;
        EXPECT_STREQ(same, "true") << s.interval << " * " << s.factor;
    }
}

}  // namespace
