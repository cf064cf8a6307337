// The date/time members of the bind and fetch tables, through the drivers: DATE,
// OCIDate, OCIDateTime and OCIInterval values both ways, and date/timestamp values into
// the character targets.
#include <cmath>
#include <cstring>
#include <string>

#include "datetime/descriptors.h"
#include "datetime_descriptors.h"
#include "datetime/layouts.h"
#include "nls/oci_string.h"
#include "number_conversion_fixture.h"

namespace {

using namespace vsk;
using namespace vsk::test;

class DateTimeConversions : public NumberConversionTest {
protected:
    void SetUp() override {
        NumberConversionTest::SetUp();
        for (ub4 type : {OCI_DTYPE_DATE, OCI_DTYPE_TIMESTAMP, OCI_DTYPE_TIMESTAMP_TZ, OCI_DTYPE_TIMESTAMP_LTZ})
            dt_[type - OCI_DTYPE_DATE] = new_datetime(env_, type);
        ds_ = new_interval(env_, OCI_DTYPE_INTERVAL_DS);
    }
    OCIDateTime *dt(ub4 type) { return dt_[type - OCI_DTYPE_DATE]; }
    DateTimeValue *v(ub4 type) { return dt(type)->value; }

    // A fetch into the descriptor whose address is the destination.
    FetchResult fetch_into(Oid oid, const std::string &value, ub2 sqlt, void *descriptor, int format = 0) {
        _ClearErrorHandle(err_);
        FetchResult out;
        void *slot = descriptor;
        out.length = sizeof slot;
        const std::string with_nul = value + '\0';
        out.rc = PQ2OCIType(err_, oid, with_nul.data(), static_cast<int>(value.size()), format, sqlt, &slot,
                            &out.length, &out.ind, &out.rcode, false);
        out.error = first_error();
        return out;
    }
    BindResult bind_descriptor(ub2 sqlt, void *descriptor, Oid oid) {
        return bind(sqlt, &descriptor, sizeof descriptor, oid);
    }

    OCIDateTime *dt_[6] = {};
    OCIInterval *ds_ = nullptr;
};

TEST_F(DateTimeConversions, DescriptorsAreCreatedWithTheirTypeAndReady) {
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_TZ)->type, OCI_DTYPE_TIMESTAMP_TZ);
    EXPECT_EQ(v(OCI_DTYPE_DATE)->initialised, 1u);
    EXPECT_EQ(ds_->value->type, OCI_DTYPE_INTERVAL_DS);
    EXPECT_EQ(ds_->value->initialised, 1);
    OCIInterval *ym = new_interval(env_, OCI_DTYPE_INTERVAL_YM);
    EXPECT_EQ(ym->value->type, OCI_DTYPE_INTERVAL_YM);
    EXPECT_EQ(OCIDescriptorFree(ym, OCI_DTYPE_INTERVAL_YM), OCI_SUCCESS);
}

TEST_F(DateTimeConversions, DateBytesBindAsText) {
    const Bytes date = bytes({0x78, 0x7C, 0x03, 0x05, 0x0B, 0x15, 0x1F});
    BindResult r = bind(SQLT_DAT, date, PG_TIMESTAMP);
    EXPECT_EQ(r.rc, 0);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, Bytes("2024-03-05 10:20:30") + '\0');
    EXPECT_EQ(r.format, 0);
    r = bind(SQLT_DAT, date, PG_DATE);
    EXPECT_EQ(*r.value, Bytes("2024-03-05 00:00:00") + '\0');
    r = bind(SQLT_DAT, bytes({0x64, 0x39, 0x03, 0x0F, 0x01, 0x01, 0x01}), PG_TIMESTAMP);
    EXPECT_EQ(*r.value, Bytes("0044-03-15 00:00:00 BC") + '\0');
    EXPECT_EQ(bind(SQLT_DAT, date.substr(0, 6), PG_TIMESTAMP).rc, -1);
}

TEST_F(DateTimeConversions, OCIDateBindsDateAndTime) {
    OCIDate d;
    dt::SetOracleOCIDate(&d, 2024, 3, 5, 10, 20, 30);
    BindResult r = bind(SQLT_ODT, &d, sizeof d, PG_TIMESTAMP);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, Bytes("2024-03-05 10:20:30") + '\0');
    EXPECT_EQ(bind(SQLT_ODT, &d, 7, PG_TIMESTAMP).rc, -1);
}

TEST_F(DateTimeConversions, DescriptorsBindTheirParts) {
    dt::BrokenDownTime tm;
    tm.tm_year = 2024, tm.tm_mon = 1, tm.tm_mday = 31, tm.tm_hour = 23, tm.tm_min = 59, tm.tm_sec = 59;
    tm.tm_gmtoff = 19800;
    for (ub4 type : {OCI_DTYPE_DATE, OCI_DTYPE_TIMESTAMP, OCI_DTYPE_TIMESTAMP_TZ, OCI_DTYPE_TIMESTAMP_LTZ})
        dt::EncodeOracleOCIDateTime(v(type), tm, true, 500000000);
    EXPECT_EQ(*bind_descriptor(SQLT_DATE, dt(OCI_DTYPE_TIMESTAMP), PG_TIMESTAMP).value,
              Bytes("2024-01-31 00:00:00") + '\0');
    EXPECT_EQ(*bind_descriptor(SQLT_TIMESTAMP, dt(OCI_DTYPE_TIMESTAMP), PG_TIMESTAMP).value,
              Bytes("2024-01-31 23:59:59.5") + '\0');
    EXPECT_EQ(*bind_descriptor(SQLT_TIMESTAMP_TZ, dt(OCI_DTYPE_TIMESTAMP_TZ), PG_TIMESTAMPTZ).value,
              Bytes("2024-01-31 23:59:59.5+05:30") + '\0');
    EXPECT_EQ(*bind_descriptor(SQLT_TIMESTAMP_LTZ, dt(OCI_DTYPE_TIMESTAMP_LTZ), PG_TIMESTAMPTZ).value,
              Bytes("2024-01-31 23:59:59.5+05:30") + '\0');
    // Not a descriptor: refused, nothing read through it.
    int junk = 0;
    EXPECT_EQ(bind_descriptor(SQLT_TIMESTAMP, &junk, PG_TIMESTAMP).rc, -1);
}

TEST_F(DateTimeConversions, IntervalsBindInTheVerboseStyle) {
    ds_->value->days = 1;
    ds_->value->time = 7203.25;
    BindResult r = bind_descriptor(SQLT_INTERVAL_DS, ds_, PG_INTERVAL);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, Bytes("@ 1 day 2 hours 3.25 secs") + '\0');
    EXPECT_EQ(bind(SQLT_INTERVAL_DS, &ds_, 6, PG_INTERVAL).rc, -1);
}

TEST_F(DateTimeConversions, TimestampsFetchIntoDateBytes) {
    FetchResult r = fetch(PG_TIMESTAMP, "2024-03-05 10:20:30", SQLT_DAT, 7);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.buffer, bytes({0x78, 0x7C, 0x03, 0x05, 0x0B, 0x15, 0x1F}));
    EXPECT_EQ(r.length, 7u);
    r = fetch(PG_DATE, "0044-03-15 BC", SQLT_DAT, 7);
    EXPECT_EQ(r.buffer, bytes({0x64, 0x39, 0x03, 0x0F, 0x01, 0x01, 0x01}));
    r = fetch(PG_TEXT, "2024-03-05 10:20:30", SQLT_DAT, 7);
    EXPECT_EQ(r.buffer, bytes({0x78, 0x7C, 0x03, 0x05, 0x01, 0x01, 0x01}));
    EXPECT_EQ(fetch(PG_TIMESTAMP, "2024-03-05 10:20:30", SQLT_DAT, 6).rc, -1);
    // Values the layout cannot hold are refused, not wrapped.
    r = fetch(PG_TIMESTAMP, "infinity", SQLT_DAT, 7);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1841u);
    EXPECT_EQ(r.buffer, Bytes(7, '~'));
    r = fetch(PG_DATE, "5874897-12-31", SQLT_DAT, 7);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1841u);
}

TEST_F(DateTimeConversions, TextThatIsNoDateIsReported) {
    FetchResult r = fetch(PG_TEXT, "not a date", SQLT_DAT, 7);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1839u);
    r = fetch(PG_VARCHAR, "2024-03-05 \x7f", SQLT_ODT, 8);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1843u);
    r = fetch_into(PG_TEXT, std::string(300, '1'), SQLT_TIMESTAMP, dt(OCI_DTYPE_TIMESTAMP));
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1843u);
    r = fetch(PG_TEXT, "2024-02-30", SQLT_DAT, 7);
    EXPECT_EQ(r.error, 1839u);
}

TEST_F(DateTimeConversions, EmptyValuesAreNull) {
    FetchResult r = fetch(PG_TEXT, "", SQLT_DAT, 7);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.ind, -1);
    EXPECT_EQ(r.rcode, 1405);
    r = fetch(PG_TEXT, "", SQLT_DAT, 7, false);
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.error, 1405u);
    r = fetch_into(PG_INTERVAL, "", SQLT_INTERVAL_DS, ds_);
    EXPECT_EQ(r.ind, -1);
}

TEST_F(DateTimeConversions, OCIDateIsZeroedThenFilled) {
    FetchResult r = fetch(PG_TIMESTAMP, "2024-03-05 10:20:30.75", SQLT_ODT, 8);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.length, 8u);
    OCIDate d = r.as<OCIDate>();
    EXPECT_EQ(d.OCIDateYYYY, 2024);
    EXPECT_EQ(d.OCIDateMM, 3);
    EXPECT_EQ(d.OCIDateDD, 5);
    EXPECT_EQ(d.OCIDateTime.OCITimeHH, 10);
    EXPECT_EQ(d.OCIDateTime.OCITimeSS, 30);
    r = fetch(PG_TEXT, "garbage", SQLT_ODT, 8);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.buffer, Bytes(8, '\0'));
    EXPECT_EQ(fetch(PG_TEXT, "2024-03-05", SQLT_ODT, 7).rc, -1);
}

TEST_F(DateTimeConversions, DescriptorsReceiveTheirParts) {
    FetchResult r = fetch_into(PG_TIMESTAMP, "2024-01-31 23:59:59.5", SQLT_TIMESTAMP, dt(OCI_DTYPE_TIMESTAMP));
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.length, 40u);
    EXPECT_EQ(dt::fraction_of(v(OCI_DTYPE_TIMESTAMP)), 500000000u);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP)->date.OCIDateTime.OCITimeSS, 59);
    // Sent back as it came.
    EXPECT_EQ(*bind_descriptor(SQLT_TIMESTAMP, dt(OCI_DTYPE_TIMESTAMP), PG_TIMESTAMP).value,
              Bytes("2024-01-31 23:59:59.5") + '\0');

    r = fetch_into(PG_TIMESTAMP, "2024-01-31 23:59:59.5", SQLT_DATE, dt(OCI_DTYPE_DATE));
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(v(OCI_DTYPE_DATE)->date.OCIDateTime.OCITimeHH, 0);
    EXPECT_EQ(dt::fraction_of(v(OCI_DTYPE_DATE)), 0u);

    r = fetch_into(PG_TIMESTAMPTZ, "2024-03-05 10:20:30+05:30", SQLT_TIMESTAMP_TZ, dt(OCI_DTYPE_TIMESTAMP_TZ));
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_TZ)->zoneOffset, 19800);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_TZ)->zoneHour, 5);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_TZ)->zoneMinute, 30);
    EXPECT_STREQ(v(OCI_DTYPE_TIMESTAMP_TZ)->zoneText, "+05:30");
    EXPECT_EQ(*bind_descriptor(SQLT_TIMESTAMP_TZ, dt(OCI_DTYPE_TIMESTAMP_TZ), PG_TIMESTAMPTZ).value,
              Bytes("2024-03-05 10:20:30+05:30") + '\0');

    r = fetch_into(PG_TIMESTAMPTZ, "2024-03-05 10:20:30-03:30", SQLT_TIMESTAMP_LTZ, dt(OCI_DTYPE_TIMESTAMP_LTZ));
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_LTZ)->zoneOffset, -12600);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_LTZ)->zoneHour, -3);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_LTZ)->zoneMinute, 30);
    EXPECT_STREQ(v(OCI_DTYPE_TIMESTAMP_LTZ)->zoneText, "-03:30");

    r = fetch_into(PG_TEXT, "2024-03-05 10:20:30+05:30", SQLT_TIMESTAMP_TZ, dt(OCI_DTYPE_TIMESTAMP_TZ));
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(v(OCI_DTYPE_TIMESTAMP_TZ)->zoneOffset, 19800);

    // No descriptor behind the pointer.
    EXPECT_EQ(fetch_into(PG_TIMESTAMP, "2024-01-31", SQLT_TIMESTAMP, nullptr).rc, -1);
    int junk = 0;
    EXPECT_EQ(fetch_into(PG_TIMESTAMP, "2024-01-31", SQLT_TIMESTAMP, &junk).rc, -1);
}

TEST_F(DateTimeConversions, BinaryTimestampsCountMicroseconds) {
    // 2024-03-05 10:20:30.5 as microseconds since 2000-01-01.
    const std::int64_t micros = ((static_cast<std::int64_t>(dt::date2j(2024, 3, 5)) - dt::kEpochJulian) * 86400 +
                                 10 * 3600 + 20 * 60 + 30) * 1000000 + 500000;
    const Bytes b = net(static_cast<std::uint64_t>(micros), 8);
    FetchResult r = fetch_binary(PG_TIMESTAMP, b, SQLT_DAT, 7);
    EXPECT_EQ(r.buffer, bytes({0x78, 0x7C, 0x03, 0x05, 0x0B, 0x15, 0x1F}));
    r = fetch_binary(PG_TIMESTAMP, b, SQLT_STR, 40);
    EXPECT_EQ(std::string(r.buffer.c_str()), "2024-03-05 10:20:30.5");
    r = fetch_binary(PG_TIMESTAMP, b.substr(0, 7), SQLT_DAT, 7);
    EXPECT_EQ(r.rc, -1);
}

TEST_F(DateTimeConversions, IntervalsFetchIntoDaysAndSeconds) {
    FetchResult r = fetch_into(PG_INTERVAL, "P1DT2H", SQLT_INTERVAL_DS, ds_);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.length, 40u);
    EXPECT_EQ(ds_->value->days, 1);
    EXPECT_EQ(ds_->value->time, 7200.0);
    EXPECT_EQ(ds_->value->months, 0);
    r = fetch_into(PG_INTERVAL, "1 year 2 mons 3 days 25:00:00.5", SQLT_INTERVAL_YM, ds_);
    EXPECT_EQ(ds_->value->months, 14);
    EXPECT_EQ(ds_->value->days, 4);
    EXPECT_EQ(ds_->value->time, 3600.5);
    r = fetch_into(PG_INTERVAL, "-1 days +02:00:00", SQLT_INTERVAL_DS, ds_);
    EXPECT_EQ(ds_->value->days, 0);
    EXPECT_EQ(ds_->value->time, -22 * 3600.0);
    r = fetch_into(PG_INTERVAL, "178956971 years", SQLT_INTERVAL_DS, ds_);
    EXPECT_EQ(r.rc, -1);
    EXPECT_EQ(r.error, 1891u);
}

class DateCharTargets : public DateTimeConversions, public ::testing::WithParamInterface<CharCase> {};

const Bytes kTs = "2024-03-05 10:20:30";  // 19 characters

INSTANTIATE_TEST_SUITE_P(
    Layouts, DateCharTargets,
    ::testing::Values(
        CharCase{"chr_fits", PG_TIMESTAMP, SQLT_CHR, kTs, 24, true, 0, kTs + "~~~~~", 19, 0, 0},
        CharCase{"chr_cut", PG_TIMESTAMP, SQLT_CHR, kTs, 8, true, 1, "2024-03-", 8, 11, 1406},
        CharCase{"afc_fits_unpadded", PG_DATE, SQLT_AFC, "2024-03-05", 12, true, 0, "2024-03-05~~", 10, 0, 0},
        CharCase{"lng_cut", PG_TIMESTAMPTZ, SQLT_LNG, kTs + "+00", 4, true, 1, "2024", 4, 18, 1406},
        CharCase{"str_fits", PG_TIMESTAMP, SQLT_STR, kTs, 20, true, 0, kTs + '\0', 19, 0, 0},
        CharCase{"str_cut", PG_TIMESTAMP, SQLT_STR, kTs, 5, true, 0, Bytes("2024") + '\0', 5, 15, 1406},
        CharCase{"avc_cut", PG_TIMESTAMP, SQLT_AVC, kTs, 11, true, 0, Bytes("2024-03-05") + '\0', 11, 9, 1406},
        CharCase{"vcs_fits", PG_TIMESTAMP, SQLT_VCS, kTs, 21, true, 0, Bytes("\x13\x00", 2) + kTs, 21, 0, 0},
        CharCase{"vcs_cut", PG_TIMESTAMP, SQLT_VCS, kTs, 6, true, 1, Bytes("\x04\x00", 2) + "2024", 6, 15, 1406},
        CharCase{"lvc_fits", PG_TIMESTAMP, SQLT_LVC, kTs, 24, true, 0, Bytes("\x13\x00\x00\x00", 4) + kTs + "~", 23, 0,
                 0},
        CharCase{"lvc_too_small", PG_TIMESTAMP, SQLT_LVC, kTs, 3, true, -1, "~~~", 3, 0, 0}),
    case_name);

TEST_P(DateCharTargets, TheServerTextWithEachLayoutsCut) { expect_delivery(GetParam()); }

TEST_F(DateTimeConversions, OversizedValuesAreRefusedByTheBoundedTargets) {
    const Bytes wide(4001, '1');
    EXPECT_EQ(fetch(PG_TIMESTAMP, wide, SQLT_CHR, 8).rc, -1);
    EXPECT_EQ(fetch(PG_TIMESTAMP, Bytes(2001, '1'), SQLT_AFC, 8).rc, -1);
}

TEST_F(DateTimeConversions, DatesFetchIntoOCIString) {
    OCIString *s = nullptr;
    ASSERT_TRUE(string_assign_bytes(&s, "0123456789", 10));
    _ClearErrorHandle(err_);
    ub4 len = sizeof s;
    sb2 ind = 0;
    const Bytes value = kTs + '\0';
    int rc = PQ2OCIType(err_, PG_TIMESTAMP, value.data(), 19, 0, SQLT_VST, &s, &len, &ind, nullptr, false);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(first_error(), 1406u);
    EXPECT_STREQ(s->text, "2024-03-0");
    EXPECT_EQ(s->size, 9u);
    OCIString *none = nullptr;
    EXPECT_EQ(PQ2OCIType(err_, PG_TIMESTAMP, value.data(), 19, 0, SQLT_VST, &none, &len, &ind, nullptr, false), -1);
    std::free(s->text);
    std::free(s);
}

}  // namespace
