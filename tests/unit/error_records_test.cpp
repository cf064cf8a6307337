#include <gtest/gtest.h>
#include <oci.h>

#include <cstring>
#include <string>

#include "env/env.h"
#include "env/error.h"
#include "env/message_table.h"
#include "env/sqlstate_table.h"
#include "pqx/pg_error.h"
#include "vskoci.h"

namespace {

class ErrorRecords : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override { OCIHandleFree(env, OCI_HTYPE_ENV); }

    // Reads record n back as (number, text); the text is empty when the call fails.
    std::pair<sb4, std::string> read(ub4 n, sword expect = OCI_SUCCESS, ub4 bufsiz = 1024) {
        sb4 code = -7;
        text buf[1024];
        std::memset(buf, 'X', sizeof buf);
        EXPECT_EQ(OCIErrorGet(err, n, nullptr, &code, buf, bufsiz, OCI_HTYPE_ERROR), expect);
        return {code, expect == OCI_SUCCESS ? std::string(reinterpret_cast<char *>(buf)) : std::string()};
    }
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
};

TEST_F(ErrorRecords, EveryAddingCallAndItsContent) {
    ASSERT_EQ(vsk::AddErrorRecord(err, OCI_ERROR, 1403), OCI_SUCCESS);
    ASSERT_EQ(vsk::AddErrorRecord_MSG(err, OCI_ERROR, 942), OCI_SUCCESS);
    ASSERT_EQ(vsk::AddErrorRecord2(err, OCI_ERROR, 12545, "could not connect to server"), OCI_SUCCESS);
    ASSERT_EQ(vsk::AddErrorRecordMsg(err, OCI_SUCCESS_WITH_INFO, "a notice"), OCI_SUCCESS);
    ASSERT_EQ(vsk::AddErrorRecordStringX(err, OCI_ERROR, 932, 2, "NUMBER", "DATE"), OCI_SUCCESS);

    EXPECT_EQ(read(1), std::make_pair(sb4{1403}, std::string("VSK-01403: no data found")));
    EXPECT_EQ(read(2), std::make_pair(sb4{942}, std::string("VSK-00942: table or view does not exist")));
    EXPECT_EQ(read(3), std::make_pair(sb4{12545}, std::string("could not connect to server")));
    EXPECT_EQ(read(4).second, "VSK-00932: data types not consistent - expected NUMBER got DATE");
    EXPECT_EQ(read(5), std::make_pair(sb4{0}, std::string("a notice")));

    const vsk::ErrorRecord *r = err->records.nth(0);
    EXPECT_EQ(r->content, 0x3);
    EXPECT_EQ(err->records.nth(2)->content, 0x7);
    EXPECT_EQ(err->records.nth(4)->content, 0x5);
    EXPECT_EQ(err->records.nth(4)->severity, 1);
}

TEST_F(ErrorRecords, AddingToSomethingElseIsRefused) {
    EXPECT_EQ(vsk::AddErrorRecord(nullptr, OCI_ERROR, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(vsk::AddErrorRecord(env, OCI_ERROR, 1), OCI_INVALID_HANDLE);
    EXPECT_EQ(vsk::AddErrorRecordMsg(env, OCI_ERROR, "x"), OCI_INVALID_HANDLE);
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(vsk::AddErrorRecord(err, OCI_ERROR, 1), OCI_INVALID_HANDLE);
    EXPECT_TRUE(err->records.empty());
}

TEST_F(ErrorRecords, FillingPlaces) {
    vsk::AddErrorRecordStringX(err, OCI_ERROR, 21560, 1, "hndlp");
    EXPECT_EQ(read(1).second, "VSK-21560: null, invalid, or out of range argument hndlp");
    // Places beyond the arguments stay; arguments beyond the places are ignored.
    vsk::AddErrorRecordStringX(err, OCI_ERROR, 1, 1, "SCOTT");
    EXPECT_EQ(read(2).second, "VSK-00001: unique constraint (SCOTT.%s) violated");
    vsk::AddErrorRecordStringX(err, OCI_ERROR, 22061, 3, "DD-MON", "a", "b");
    EXPECT_EQ(read(3).second, "VSK-22061: Format text not valid [DD-MON]\n");
    // An argument is inserted as it stands: its own "%s" or "%n" is not a place.
    vsk::AddErrorRecordStringX(err, OCI_ERROR, 932, 2, "%s%n%d", "DATE");
    EXPECT_EQ(read(4).second, "VSK-00932: data types not consistent - expected %s%n%d got DATE");
    // The filled text is held to 1023 bytes.
    std::string longarg(3000, 'a');
    vsk::AddErrorRecordStringX(err, OCI_ERROR, 21560, 1, longarg.c_str());
    EXPECT_EQ(err->records.nth(4)->msg.size(), 1023u);
}

TEST_F(ErrorRecords, TableTextsIrregularAndUnknown) {
    EXPECT_STREQ(vsk::o2pGetErrorText(2112), "VSK-2112: returns too many rows");
    EXPECT_STREQ(vsk::o2pGetErrorText(54), "resource busy - lock timeout");
    EXPECT_STREQ(vsk::o2pGetErrorText(12154),
                 "VSK-12154: TNS:could not resolve the connect identifier specified \n");
    EXPECT_STREQ(vsk::o2pGetErrorText(911), "UNKNOWN ERROR CODE");
    EXPECT_STREQ(vsk::o2pGetErrorText(0), "UNKNOWN ERROR CODE");
    vsk::AddErrorRecord(err, OCI_ERROR, 1659);
    EXPECT_EQ(read(1), std::make_pair(sb4{1659}, std::string("UNKNOWN ERROR CODE")));

    std::size_t n = 0;
    const vsk::MessageRow *rows = vsk::message_rows(&n);
    // The table's texts plus the five of session pools, two for lost sessions and two
    // for cancelled calls.
    EXPECT_EQ(n, 164u);
    for (std::size_t i = 1; i < n; ++i) EXPECT_LT(rows[i - 1].number, rows[i].number);
}

TEST_F(ErrorRecords, ReadingRules) {
    vsk::AddErrorRecord(err, OCI_ERROR, 1403);
    // bufsiz 10: nine bytes and a terminator.
    EXPECT_EQ(read(1, OCI_SUCCESS, 10).second, "VSK-01403");
    // Past the last record: no data and the number is left alone.
    EXPECT_EQ(read(2, OCI_NO_DATA).first, -7);
    sb4 code = 0;
    text buf[8];
    EXPECT_EQ(OCIErrorGet(err, 0, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_ERROR);
    EXPECT_EQ(OCIErrorGet(err, 1, nullptr, nullptr, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_ERROR);
    EXPECT_EQ(OCIErrorGet(nullptr, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_ERROR);
    // No buffer: only the number.
    EXPECT_EQ(OCIErrorGet(err, 1, nullptr, &code, nullptr, 0, OCI_HTYPE_ERROR), OCI_SUCCESS);
    EXPECT_EQ(code, 1403);
    // Any other type reads the environment's own error handle, which is empty here.
    EXPECT_EQ(OCIErrorGet(err, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ENV), OCI_NO_DATA);
    int not_a_handle = 0;
    EXPECT_EQ(OCIErrorGet(&not_a_handle, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_INVALID_HANDLE);
    // Reading does not consume; clearing does.
    EXPECT_EQ(read(1).first, 1403);
    vsk::_ClearErrorHandle(err);
    read(1, OCI_NO_DATA);
}

TEST_F(ErrorRecords, PgErrorGetNeedsServerParts) {
    vsk::AddErrorRecord(err, OCI_ERROR, 1403);
    text state[6], msg[64];
    EXPECT_EQ(OCIPGErrorGet(err, 1, state, sizeof state, msg, sizeof msg, OCI_HTYPE_ERROR), OCI_NO_DATA);
    EXPECT_EQ(OCIPGErrorGet(err, 1, nullptr, sizeof state, msg, sizeof msg, OCI_HTYPE_ERROR), OCI_ERROR);

    ASSERT_EQ(vsk::AddPGErrorRecord(err, OCI_ERROR, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIPGErrorGet(err, 2, state, sizeof state, msg, sizeof msg, OCI_HTYPE_ERROR), OCI_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<char *>(state), "08P01");
    EXPECT_STREQ(reinterpret_cast<char *>(msg), "Unexpected NULL PGresult");
    text small[3];
    ASSERT_EQ(OCIPGErrorGet(err, 2, small, sizeof small, msg, 5, OCI_HTYPE_ERROR), OCI_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<char *>(small), "08");
    EXPECT_STREQ(reinterpret_cast<char *>(msg), "Unex");
    EXPECT_EQ(read(2), std::make_pair(sb4{0}, std::string("Unexpected NULL PGresult")));
    EXPECT_EQ(vsk::AddPGErrorRecord(nullptr, OCI_ERROR, nullptr), OCI_ERROR);
}

TEST_F(ErrorRecords, NoticeBecomesWarningRecord) {
    vsk::OCINoticeHandler(err, "NOTICE:  relation exists, skipping\n");
    EXPECT_EQ(err->noticeReceived, 1u);
    EXPECT_EQ(err->records.nth(0)->severity, OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(read(1).second, "NOTICE:  relation exists, skipping\n");
    vsk::OCINoticeHandler(env, "ignored");
    vsk::OCINoticeHandler(nullptr, "ignored");
    EXPECT_EQ(err->records.size(), 1u);
    // Failures of the same call come first, in their order; the warnings follow in theirs.
    vsk::OCINoticeHandler(err, "WARNING:  terminating connection\n");
    vsk::AddErrorRecord2(err, OCI_ERROR, 25407, "first");
    vsk::AddErrorRecord2(err, OCI_ERROR, 3113, "second");
    EXPECT_EQ(read(1), (std::pair<sb4, std::string>{25407, "first"}));
    EXPECT_EQ(read(2).first, 3113);
    EXPECT_EQ(read(3).second, "NOTICE:  relation exists, skipping\n");
    EXPECT_EQ(read(4).second, "WARNING:  terminating connection\n");
}

TEST_F(ErrorRecords, ConversionFailureMessages) {
    vsk::AddConversionErrorRecord(err, EINVAL);
    vsk::AddConversionErrorRecord(err, EILSEQ);
    vsk::AddConversionErrorRecord(err, E2BIG);
    EXPECT_EQ(read(1).second, "An incomplete multibyte sequence has been encountered in the input");
    EXPECT_EQ(read(2).second, "An invalid multibyte sequence has been encountered in the input");
    EXPECT_EQ(read(3).second, "Error in byte conversion");
}

TEST(Utf16ErrorText, ConvertedAndTerminatedInCodeUnits) {
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    ASSERT_EQ(OCIEnvCreate(&env, OCI_UTF16, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    vsk::AddErrorRecordMsg(err, OCI_ERROR, "h\xc3\xa9");  // "hé"
    sb4 code;
    unsigned char buf[16];
    std::memset(buf, 0xAA, sizeof buf);
    ASSERT_EQ(OCIErrorGet(err, 1, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_SUCCESS);
    const unsigned char expect[] = {'h', 0, 0xe9, 0, 0, 0};
    EXPECT_EQ(std::memcmp(buf, expect, sizeof expect), 0);
    // A cut keeps whole code units: 5 bytes hold one unit and the two-byte terminator.
    std::memset(buf, 0xAA, sizeof buf);
    ASSERT_EQ(OCIErrorGet(err, 1, nullptr, &code, buf, 5, OCI_HTYPE_ERROR), OCI_SUCCESS);
    const unsigned char cut[] = {'h', 0, 0, 0, 0xAA};
    EXPECT_EQ(std::memcmp(buf, cut, sizeof cut), 0);

    // Text that is not UTF-8 cannot be converted: a record says why.
    vsk::AddErrorRecordMsg(err, OCI_ERROR, "bad \xff byte");
    EXPECT_EQ(OCIErrorGet(err, 2, nullptr, &code, buf, sizeof buf, OCI_HTYPE_ERROR), OCI_ERROR);
    ASSERT_EQ(err->records.size(), 3u);
    EXPECT_EQ(err->records.nth(2)->msg, "An invalid multibyte sequence has been encountered in the input");
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST(SqlStateTable, SortedAndMapped) {
    std::size_t n = 0;
    const vsk::SqlStateRow *rows = vsk::sqlstate_rows(&n);
    EXPECT_EQ(n, 58u);
    for (std::size_t i = 1; i < n; ++i) EXPECT_LT(std::strcmp(rows[i - 1].sqlstate, rows[i].sqlstate), 0);
    EXPECT_EQ(vsk::sqlstate_number("23505"), 1);
    EXPECT_EQ(vsk::sqlstate_number("P0003"), 1422);
    EXPECT_EQ(vsk::sqlstate_number("57P01"), 28);
    EXPECT_EQ(vsk::sqlstate_number("01006"), 0);
    EXPECT_EQ(vsk::sqlstate_number("42883"), 0);
    EXPECT_EQ(vsk::sqlstate_number("2350"), 0);
    EXPECT_EQ(vsk::sqlstate_number(nullptr), 0);
}

}  // namespace
