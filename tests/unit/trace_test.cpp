#include <gtest/gtest.h>
#include <oci.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "env/error.h"
#include "env/name_tables.h"
#include "env/process_globals.h"
#include "env/trace.h"
#include "scoped_env.h"

namespace {

// Creates environments with tracing sent to a fresh file and reads back what was written.
class TraceLog : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/vsk-trace-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        base_ = dir_ + "/log";
        path_ = base_ + "-" + std::to_string(getpid());
    }
    void TearDown() override {
        vsk::close_trace_log();
        oci_debug_mask = 0;
        OCI2PQ_TRACE_LEVEL = 0;
        std::remove(path_.c_str());
        std::remove((dir_ + "/other-" + std::to_string(getpid())).c_str());
        rmdir(dir_.c_str());
    }
    OCIEnv *create_env() {
        OCIEnv *env = nullptr;
        EXPECT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        return env;
    }
    std::string contents() {
        if (oci_debug_log) std::fflush(oci_debug_log);
        std::ifstream in(path_);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string dir_, base_, path_;
};

TEST_F(TraceLog, NothingWrittenWithoutDestination) {
    ScopedEnv level("OCI_DEBUG_LEVEL", "3"), log("OCI_DEBUG_LOG", nullptr), mask("OCI_DEBUG_MASK", "0xffff");
    OCIEnv *env = create_env();
    EXPECT_EQ(OCI2PQ_TRACE_LEVEL, 3);
    EXPECT_EQ(oci_debug_mask, 0xffffu);
    EXPECT_EQ(oci_debug_log, nullptr);
    EXPECT_FALSE(vsk::trace_level_on(0));
    EXPECT_FALSE(vsk::ocitracing(vsk::TRACE_ERRORS));
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST_F(TraceLog, LevelPrefixAndFiltering) {
    ScopedEnv level("OCI_DEBUG_LEVEL", "3"), log("OCI_DEBUG_LOG", base_.c_str()), mask("OCI_DEBUG_MASK", nullptr);
    OCIEnv *env = create_env();
    ASSERT_NE(oci_debug_log, nullptr);
    vsk::o2pTrace(3, "Registering User Callback\n");
    vsk::o2pTrace(4, "\terrhp = %p\n", static_cast<void *>(nullptr));
    EXPECT_EQ(contents(), "TRACE3-o2pTrace[ociutil:976]: Registering User Callback\n");
    OCIHandleFree(env, OCI_HTYPE_ENV);
    EXPECT_EQ(oci_debug_log, nullptr) << "releasing an environment closes the log";
}

TEST_F(TraceLog, MaskSelectsCategoriesAndErrorRecordsAreTraced) {
    ScopedEnv log("OCI_DEBUG_LOG", base_.c_str()), mask("OCI_DEBUG_MASK", "32");
    OCIEnv *env = create_env();
    OCIError *err = nullptr;
    ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    vsk::ocitrace(vsk::TRACE_EXECUTE, "OCIStmtExecute", "not traced\n");
    vsk::AddErrorRecord2(err, OCI_ERROR, 942, "relation missing");
    char expect[256];
    std::snprintf(expect, sizeof expect,
                  "raising error on handle(%p)\n  severity = -1\n  errcode  = 942\n  msg      = relation missing\n",
                  static_cast<void *>(err));
    EXPECT_EQ(contents(), expect);
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST_F(TraceLog, HexDumpLayout) {
    ScopedEnv log("OCI_DEBUG_LOG", base_.c_str()), mask("OCI_DEBUG_MASK", "0x200");
    OCIEnv *env = create_env();
    unsigned char data[20];
    for (int i = 0; i < 20; ++i) data[i] = static_cast<unsigned char>(i < 16 ? 'A' + i : i - 16);
    vsk::ocitracehex(vsk::TRACE_ATTRSET, "value", data, sizeof data);
    vsk::ocitracehex(vsk::TRACE_ATTRSET, nullptr, data, 0);
    const std::string header = "          0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F\n";
    std::string expect = "value\n" + header +
                         "     0   41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 ABCDEFGHIJKLMNOP\n" +
                         "    10   00 01 02 03 " + std::string(36, ' ') + "...." + std::string(12, ' ') + "\n" +
                         header + std::string(16, ' ') + "\n";
    EXPECT_EQ(contents(), expect);
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST_F(TraceLog, RepeatedOpenReusesOrReplacesTheStream) {
    ScopedEnv log("OCI_DEBUG_LOG", base_.c_str()), level("OCI_DEBUG_LEVEL", "0");
    OCIEnv *first = create_env();
    FILE *stream = oci_debug_log;
    vsk::o2pTrace(0, "one\n");
    OCIEnv *second = create_env();
    EXPECT_EQ(oci_debug_log, stream) << "the same file keeps its stream and its lines";
    vsk::o2pTrace(0, "two\n");
    EXPECT_EQ(contents(), "TRACE0-o2pTrace[ociutil:976]: one\nTRACE0-o2pTrace[ociutil:976]: two\n");
    {
        std::string other = dir_ + "/other";
        ScopedEnv log2("OCI_DEBUG_LOG", other.c_str());
        OCIEnv *third = create_env();  // closes the first file, opens the other
        EXPECT_NE(oci_debug_log, nullptr);
        OCIHandleFree(third, OCI_HTYPE_ENV);
    }
    OCIHandleFree(second, OCI_HTYPE_ENV);
    OCIHandleFree(first, OCI_HTYPE_ENV);
}

TEST_F(TraceLog, DashMeansStandardErrorWhichIsNeverClosed) {
    ScopedEnv log("OCI_DEBUG_LOG", "-"), level("OCI_DEBUG_LEVEL", "0");
    OCIEnv *env = create_env();
    EXPECT_EQ(oci_debug_log, stderr);
    OCIHandleFree(env, OCI_HTYPE_ENV);
    EXPECT_EQ(oci_debug_log, nullptr);
    EXPECT_NE(std::fprintf(stderr, "%s", ""), -1);
    EXPECT_EQ(std::fflush(stderr), 0);
}

TEST_F(TraceLog, UnopenableOrOverlongFileMeansNoLog) {
    {
        ScopedEnv log("OCI_DEBUG_LOG", "/nonexistent-dir/trace");
        OCIEnv *env = create_env();
        EXPECT_EQ(oci_debug_log, nullptr);
        OCIHandleFree(env, OCI_HTYPE_ENV);
    }
    std::string huge(2000, 'x');
    ScopedEnv log("OCI_DEBUG_LOG", ("/tmp/" + huge).c_str());
    OCIEnv *env = create_env();
    EXPECT_EQ(oci_debug_log, nullptr);
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST(TraceSettings, MaskAcceptsHexOctalAndDecimal) {
    for (auto [text, value] : {std::pair{"0x2000", 0x2000u}, std::pair{"010", 8u}, std::pair{"32", 32u}}) {
        ScopedEnv mask("OCI_DEBUG_MASK", text);
        vsk::read_trace_settings();
        EXPECT_EQ(oci_debug_mask, value) << text;
    }
    oci_debug_mask = 0;
}

TEST(TraceNames, Tables) {
    EXPECT_STREQ(vsk::o2pGetReturnCodeText(OCI_SUCCESS_WITH_INFO), "SUCCESS WITH INFO");
    EXPECT_STREQ(vsk::o2pGetReturnCodeText(-3123), "STILL EXECUTING");
    EXPECT_STREQ(vsk::o2pGetReturnCodeText(7), "UNKNOWN RETURN CODE");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(0), "");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(17), "HTYPE_PROC");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(18), "Invalid handle");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(50), "DTYPE_LOB");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(64), "DTYPE_AQNFY_DESCRIPTOR");
    EXPECT_STREQ(vsk::o2pGetHandleTypeName(65), "Invalid handle");
    EXPECT_STREQ(vsk::o2pGetFunctionCode(1), "OCI_FNCODE_INITIALIZE");
    EXPECT_STREQ(vsk::o2pGetFunctionCode(37), "OCI_FNCODE_ERRORGET");
    EXPECT_STREQ(vsk::o2pGetFunctionCode(123), "OCI_FNCODE_LOBARRAYWRITE");
    EXPECT_EQ(vsk::o2pGetFunctionCode(9), nullptr);
    EXPECT_EQ(vsk::o2pGetFunctionCode(124), nullptr);
    int known = 0;
    for (ub4 c = 0; c < 200; ++c) known += vsk::o2pGetFunctionCode(c) != nullptr;
    EXPECT_EQ(known, 107);
    EXPECT_STREQ(vsk::o2pGetDurationText(10), "OCI_DURATION_SESSION");
    EXPECT_STREQ(vsk::o2pGetDurationText(7), "UNKNOWN DURATION");
    EXPECT_STREQ(vsk::o2pGetTypeCodeText(2), "OCI_TYPECODE_NUMBER");
    EXPECT_STREQ(vsk::o2pGetTypeCodeText(112), "OCI_TYPECODE_CLOB");
    EXPECT_STREQ(vsk::o2pGetTypeCodeText(228), "OCI_TYPECODE_OTM/SYSFIRST");
    EXPECT_STREQ(vsk::o2pGetTypeCodeText(320), "OCI_TYPECODE_OTM/SYSLAST");
    EXPECT_STREQ(vsk::o2pGetTypeCodeText(999), "Unknown Type Code");
}

}  // namespace

namespace {

TEST(ExportedNameTables, AttributesCallbackKindsAndPieces) {
    EXPECT_STREQ(OCIAttrs[0], "");
    EXPECT_STREQ(OCIAttrs[OCI_ATTR_FNCODE], "FNCODE");
    EXPECT_STREQ(OCIAttrs[OCI_ATTR_USERNAME], "USERNAME");
    EXPECT_STREQ(OCIAttrs[67], "USER_PROPERTY");
    EXPECT_STREQ(OCIAttrs[100], "INITIAL_CLIENT_ROLES");
    EXPECT_STREQ(OCIAttrs[136], "OBJ_ID");
    for (int i = 1; i <= 136; ++i) EXPECT_NE(OCIAttrs[i][0], '\0') << i;
    EXPECT_STREQ(OCICallbackTypes[2], "OCI_UCBTYPE_EXIT");
    EXPECT_STREQ(OCIPieceCodes[OCI_LAST_PIECE], "OCI_LAST_PIECE");
}

}  // namespace

namespace {

TEST(TraceNames, DescribeAttributes) {
    EXPECT_STREQ(vsk::o2pDescribeAttribute(OCI_ATTR_DATA_SIZE), "DATA_SIZE");
    EXPECT_STREQ(vsk::o2pDescribeAttribute(OCI_ATTR_POSITION), "POSITION");
    EXPECT_STREQ(vsk::o2pDescribeAttribute(OCI_ATTR_NUM_COLS), "NUM_COLS");
    EXPECT_STREQ(vsk::o2pDescribeAttribute(OCI_ATTR_TYPECODE), "TYPECODE");
    EXPECT_STREQ(vsk::o2pDescribeAttribute(OCI_ATTR_LOCKING_MODE), "LOCKING_MODE");
    EXPECT_EQ(vsk::o2pDescribeAttribute(12), nullptr);
    EXPECT_EQ(vsk::o2pDescribeAttribute(273), nullptr);
}

}  // namespace
