#include <gtest/gtest.h>
#include <oci.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "env/env.h"
#include "env/error.h"
#include "env/handle.h"
#include "nls/oci_string.h"

namespace {

const oratext *txt(const char *s) { return reinterpret_cast<const oratext *>(s); }
std::string text_of(OCIEnv *env, const OCIString *s) {
    return reinterpret_cast<const char *>(OCIStringPtr(env, s));
}

// An environment created with the given mode, its error handle, and readers for the records.
class OCIStringBase : public ::testing::Test {
protected:
    void create(ub4 mode) {
        ASSERT_EQ(OCIEnvCreate(&env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        ASSERT_EQ(OCIHandleAlloc(env, reinterpret_cast<void **>(&err), OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override {
        vsk::alloc_fault::fail_nth(0);
        if (env) OCIStringResize(env, err, 0, &str);
        if (env) OCIHandleFree(env, OCI_HTYPE_ENV);
    }
    // The code of the first record, 0 when there is none.
    sb4 error_code(std::string *text = nullptr) {
        sb4 code = 0;
        char buf[512] = {};
        if (OCIErrorGet(err, 1, nullptr, &code, reinterpret_cast<OraText *>(buf), sizeof buf, OCI_HTYPE_ERROR) !=
            OCI_SUCCESS)
            return 0;
        if (text) *text = buf;
        return code;
    }
    int record_count() {
        int n = 0;
        sb4 code = 0;
        while (OCIErrorGet(err, n + 1, nullptr, &code, nullptr, 0, OCI_HTYPE_ERROR) == OCI_SUCCESS) ++n;
        return n;
    }
    OCIEnv *env = nullptr;
    OCIError *err = nullptr;
    OCIString *str = nullptr;
};

class OCIStringCalls : public OCIStringBase {
protected:
    void SetUp() override { create(OCI_OBJECT); }
};

TEST_F(OCIStringCalls, AssignTextStoresTheTerminatedText) {
    ASSERT_EQ(OCIStringAssignText(env, err, txt("hello"), 5, &str), OCI_SUCCESS);
    EXPECT_EQ(OCIStringSize(env, str), 5u);
    EXPECT_EQ(text_of(env, str), "hello");
    ub4 alloc = 0;
    EXPECT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(alloc, 5u);

    // A length past the terminator takes the text only; the same record is reused.
    OCIString *before = str;
    ASSERT_EQ(OCIStringAssignText(env, err, txt("ab"), 40, &str), OCI_SUCCESS);
    EXPECT_EQ(str, before);
    EXPECT_EQ(OCIStringSize(env, str), 2u);
    EXPECT_EQ(text_of(env, str), "ab");

    // Text taken from the string itself survives the release of its old buffer.
    ASSERT_EQ(OCIStringAssignText(env, err, OCIStringPtr(env, str), 2, &str), OCI_SUCCESS);
    EXPECT_EQ(text_of(env, str), "ab");
}

TEST_F(OCIStringCalls, AssignTextRefusesALengthShorterThanTheText) {
    EXPECT_EQ(OCIStringAssignText(env, err, txt("abcd"), 3, &str), OCI_ERROR);
    EXPECT_EQ(str, nullptr);
    EXPECT_EQ(record_count(), 0);

    ASSERT_EQ(OCIStringAssignText(env, err, txt("xy"), 2, &str), OCI_SUCCESS);
    OCIString *before = str;
    EXPECT_EQ(OCIStringAssignText(env, err, txt("abcd"), 3, &str), OCI_ERROR);
    EXPECT_EQ(str, before);
    EXPECT_EQ(OCIStringSize(env, str), 2u);
    EXPECT_EQ(text_of(env, str), "xy");
}

TEST_F(OCIStringCalls, ResizeSetsCapacityAndEmptiesTheText) {
    ASSERT_EQ(OCIStringResize(env, err, 0, &str), OCI_SUCCESS);
    EXPECT_EQ(str, nullptr);

    ASSERT_EQ(OCIStringResize(env, err, 10, &str), OCI_SUCCESS);
    ASSERT_NE(str, nullptr);
    EXPECT_EQ(OCIStringSize(env, str), 0u);
    ub4 alloc = 0;
    ASSERT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(alloc, 10u);
    // The whole buffer is the application's to fill, and stays terminated when it does.
    char *buf = reinterpret_cast<char *>(OCIStringPtr(env, str));
    ASSERT_NE(buf, nullptr);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(buf[i], 0) << i;
    std::memset(buf, 'z', 10);
    EXPECT_EQ(text_of(env, str), std::string(10, 'z'));

    // Resizing an assigned string empties it.
    ASSERT_EQ(OCIStringAssignText(env, err, txt("abcdef"), 6, &str), OCI_SUCCESS);
    ASSERT_EQ(OCIStringResize(env, err, 3, &str), OCI_SUCCESS);
    EXPECT_EQ(OCIStringSize(env, str), 0u);
    EXPECT_EQ(text_of(env, str), "");
    ASSERT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(alloc, 3u);

    ASSERT_EQ(OCIStringResize(env, err, 0, &str), OCI_SUCCESS);
    EXPECT_EQ(str, nullptr);
    EXPECT_EQ(OCIStringSize(env, str), 0u) << "a null string has size 0";
    EXPECT_EQ(OCIStringPtr(env, str), nullptr);
}

TEST_F(OCIStringCalls, AssignMakesAnIndependentCopy) {
    OCIString *src = nullptr;
    ASSERT_EQ(OCIStringAssignText(env, err, txt("original"), 8, &src), OCI_SUCCESS);
    ASSERT_EQ(OCIStringAssign(env, err, src, &str), OCI_SUCCESS);
    ASSERT_NE(str, src);
    EXPECT_NE(OCIStringPtr(env, str), OCIStringPtr(env, src));

    OCIStringPtr(env, src)[0] = 'X';
    ASSERT_EQ(OCIStringAssignText(env, err, txt("changed"), 7, &src), OCI_SUCCESS);
    EXPECT_EQ(text_of(env, str), "original");
    EXPECT_EQ(OCIStringSize(env, str), 8u);

    // Assigning over an existing string replaces its text; assigning a string to itself keeps it.
    ASSERT_EQ(OCIStringAssign(env, err, src, &str), OCI_SUCCESS);
    EXPECT_EQ(text_of(env, str), "changed");
    ASSERT_EQ(OCIStringAssign(env, err, str, &str), OCI_SUCCESS);
    EXPECT_EQ(text_of(env, str), "changed");
    EXPECT_EQ(OCIStringSize(env, str), 7u);

    // A resized source filled through its pointer: the copy's capacity is the text it holds.
    ASSERT_EQ(OCIStringResize(env, err, 16, &src), OCI_SUCCESS);
    std::strcpy(reinterpret_cast<char *>(OCIStringPtr(env, src)), "abc");
    ASSERT_EQ(OCIStringAssign(env, err, src, &str), OCI_SUCCESS);
    EXPECT_EQ(text_of(env, str), "abc");
    EXPECT_EQ(OCIStringSize(env, str), 0u) << "the source's size is copied";
    ub4 alloc = 0;
    ASSERT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(alloc, 3u);

    ASSERT_EQ(OCIStringResize(env, err, 0, &src), OCI_SUCCESS);
}

TEST_F(OCIStringCalls, AssignBytesKeepsEmbeddedNuls) {
    const char bytes[] = {'a', '\0', 'b', 'c'};
    ASSERT_TRUE(vsk::string_assign_bytes(&str, bytes, sizeof bytes));
    EXPECT_EQ(OCIStringSize(env, str), 4u);
    const char *p = reinterpret_cast<const char *>(OCIStringPtr(env, str));
    EXPECT_EQ(std::memcmp(p, bytes, 4), 0);
    EXPECT_EQ(p[4], '\0');
    ub4 alloc = 0;
    ASSERT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(alloc, 4u);

    // An assignment copies all the bytes the size claims, not just up to the first NUL.
    OCIString *copy = nullptr;
    ASSERT_EQ(OCIStringAssign(env, err, str, &copy), OCI_SUCCESS);
    EXPECT_EQ(OCIStringSize(env, copy), 4u);
    EXPECT_EQ(std::memcmp(OCIStringPtr(env, copy), bytes, 4), 0);
    ASSERT_EQ(OCIStringResize(env, err, 0, &copy), OCI_SUCCESS);

    ASSERT_TRUE(vsk::string_assign_bytes(&str, "", 0));
    EXPECT_EQ(OCIStringSize(env, str), 0u);
    EXPECT_EQ(text_of(env, str), "");

    // A length the size field cannot hold is refused, the string untouched.
    ASSERT_TRUE(vsk::string_assign_bytes(&str, "kept", 4));
    EXPECT_FALSE(vsk::string_assign_bytes(&str, "x", std::size_t{UINT32_MAX} + 1));
    EXPECT_EQ(text_of(env, str), "kept");
}

TEST_F(OCIStringCalls, AllocationFailureLeavesTheStringAsItWas) {
    // Into a null string the text and the record are both allocated; either may fail.
    for (int n = 1; n <= 2; ++n) {
        vsk::alloc_fault::fail_nth(n);
        EXPECT_EQ(OCIStringAssignText(env, err, txt("abc"), 3, &str), OCI_ERROR) << n;
        EXPECT_EQ(str, nullptr);
        EXPECT_EQ(error_code(), 16506);
        vsk::alloc_fault::fail_nth(n);
        EXPECT_EQ(OCIStringResize(env, err, 8, &str), OCI_ERROR) << n;
        EXPECT_EQ(str, nullptr);
        EXPECT_EQ(error_code(), 16506);
        vsk::alloc_fault::fail_nth(n);
        EXPECT_FALSE(vsk::string_assign_bytes(&str, "abc", 3)) << n;
        EXPECT_EQ(str, nullptr);
    }
    vsk::alloc_fault::fail_nth(0);

    OCIString *src = nullptr;
    ASSERT_EQ(OCIStringAssignText(env, err, txt("source"), 6, &src), OCI_SUCCESS);
    ASSERT_EQ(OCIStringAssignText(env, err, txt("kept"), 4, &str), OCI_SUCCESS);
    OCIString *before = str;
    auto unchanged = [&] {
        EXPECT_EQ(str, before);
        EXPECT_EQ(text_of(env, str), "kept");
        EXPECT_EQ(OCIStringSize(env, str), 4u);
        ub4 alloc = 0;
        EXPECT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
        EXPECT_EQ(alloc, 4u);
    };
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIStringAssign(env, err, src, &str), OCI_ERROR);
    EXPECT_EQ(error_code(), 16506);
    unchanged();
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIStringAssignText(env, err, txt("other"), 5, &str), OCI_ERROR);
    unchanged();
    vsk::alloc_fault::fail_nth(1);
    EXPECT_EQ(OCIStringResize(env, err, 100, &str), OCI_ERROR);
    unchanged();
    vsk::alloc_fault::fail_nth(1);
    EXPECT_FALSE(vsk::string_assign_bytes(&str, "other", 5));
    unchanged();
    ASSERT_EQ(OCIStringResize(env, err, 0, &src), OCI_SUCCESS);
}

TEST_F(OCIStringCalls, NullArgumentsNameTheirPosition) {
    ASSERT_EQ(OCIStringAssignText(env, err, txt("s"), 1, &str), OCI_SUCCESS);
    ub4 alloc = 0;
    auto check = [&](const char *call, sword rc, int position) {
        EXPECT_EQ(rc, OCI_ERROR) << call;
        std::string text;
        EXPECT_EQ(error_code(&text), 21560) << call;
        EXPECT_EQ(text, "VSK-21560: null, invalid, or out of range argument " + std::to_string(position)) << call;
        EXPECT_EQ(record_count(), 1) << call;
    };
    check("Assign rhs", OCIStringAssign(env, err, nullptr, &str), 3);
    check("Assign lhs", OCIStringAssign(env, err, str, nullptr), 4);
    check("AssignText text", OCIStringAssignText(env, err, nullptr, 1, &str), 3);
    check("AssignText str", OCIStringAssignText(env, err, txt("a"), 1, nullptr), 5);
    check("Resize str", OCIStringResize(env, err, 4, nullptr), 4);
    check("AllocSize str", OCIStringAllocSize(env, err, nullptr, &alloc), 3);
    check("AllocSize out", OCIStringAllocSize(env, err, str, nullptr), 4);
    EXPECT_EQ(text_of(env, str), "s") << "failed calls leave the string alone";

    // A successful call clears what an earlier one recorded.
    ASSERT_EQ(OCIStringResize(env, err, 4, nullptr), OCI_ERROR);
    ASSERT_EQ(OCIStringAllocSize(env, err, str, &alloc), OCI_SUCCESS);
    EXPECT_EQ(record_count(), 0);
}

TEST_F(OCIStringCalls, HandlesAreChecked) {
    void *not_env = err;
    void *not_err = env;
    auto *bad_env = static_cast<OCIEnv *>(not_env);
    auto *bad_err = static_cast<OCIError *>(not_err);
    ub4 alloc = 0;
    for (OCIEnv *e : {static_cast<OCIEnv *>(nullptr), bad_env}) {
        EXPECT_EQ(OCIStringAssign(e, err, str, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringAssignText(e, err, txt("a"), 1, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringResize(e, err, 4, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringAllocSize(e, err, str, &alloc), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringSize(e, str), static_cast<ub4>(OCI_INVALID_HANDLE));
        EXPECT_EQ(OCIStringPtr(e, str), nullptr);
    }
    for (OCIError *e : {static_cast<OCIError *>(nullptr), bad_err}) {
        EXPECT_EQ(OCIStringAssignText(env, e, txt("a"), 1, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringAssign(env, e, str, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringResize(env, e, 4, &str), OCI_INVALID_HANDLE);
        EXPECT_EQ(OCIStringAllocSize(env, e, str, &alloc), OCI_INVALID_HANDLE);
    }
    EXPECT_EQ(str, nullptr);
    EXPECT_EQ(record_count(), 0);
}

TEST_F(OCIStringCalls, RepeatedCyclesReleaseEveryBuffer) {
    OCIString *other = nullptr;
    for (int i = 0; i < 200; ++i) {
        std::string text(static_cast<std::size_t>(i % 37), static_cast<char>('a' + i % 26));
        ASSERT_EQ(OCIStringAssignText(env, err, txt(text.c_str()), static_cast<ub4>(text.size()), &str),
                  OCI_SUCCESS);
        ASSERT_EQ(OCIStringAssign(env, err, str, &other), OCI_SUCCESS);
        ASSERT_EQ(OCIStringResize(env, err, static_cast<ub4>(i % 50 + 1), &str), OCI_SUCCESS);
        ASSERT_EQ(OCIStringResize(env, err, static_cast<ub4>(i % 13 + 1), &str), OCI_SUCCESS);
        ASSERT_TRUE(vsk::string_assign_bytes(&other, text.data(), text.size()));
        if (i % 3 == 0) {
            ASSERT_EQ(OCIStringResize(env, err, 0, &str), OCI_SUCCESS);
            ASSERT_EQ(OCIStringResize(env, err, 0, &other), OCI_SUCCESS);
        }
    }
    ASSERT_EQ(OCIStringResize(env, err, 0, &other), OCI_SUCCESS);
}

// Any mode other than object mode alone is refused.
class OCIStringMode : public OCIStringBase, public ::testing::WithParamInterface<ub4> {
protected:
    void SetUp() override {
        create(GetParam());
        ASSERT_NE(env->mode, vsk::ENV_OBJECT);
    }
};

TEST_P(OCIStringMode, EveryCallFailsWithIncorrectInitializationMode) {
    ub4 alloc = 0;
    OCIString *rhs = nullptr;
    ASSERT_TRUE(vsk::string_assign_bytes(&rhs, "abc", 3));
    auto check = [&](const char *call, sword rc) {
        EXPECT_EQ(rc, OCI_ERROR) << call;
        std::string text;
        EXPECT_EQ(error_code(&text), 21301) << call;
        EXPECT_EQ(text, "VSK-21301: incorrect initialization mode") << call;
        EXPECT_EQ(record_count(), 1) << call << ": the handle is cleared first";
        vsk::AddErrorRecord(err, OCI_ERROR, 3001);  // left for the next call to clear
    };
    check("Assign", OCIStringAssign(env, err, rhs, &str));
    check("AssignText", OCIStringAssignText(env, err, txt("abc"), 3, &str));
    check("Resize", OCIStringResize(env, err, 4, &str));
    check("Resize 0", OCIStringResize(env, err, 0, &rhs));
    check("AllocSize", OCIStringAllocSize(env, err, rhs, &alloc));
    EXPECT_EQ(str, nullptr);
    EXPECT_NE(rhs, nullptr) << "a refused resize to 0 keeps the record";
    EXPECT_EQ(alloc, 0u);
    EXPECT_EQ(OCIStringSize(env, rhs), static_cast<ub4>(OCI_ERROR));
    EXPECT_EQ(OCIStringPtr(env, rhs), nullptr);
    // Released here: this environment cannot do it.
    std::free(rhs->text);
    std::free(rhs);
}

INSTANTIATE_TEST_SUITE_P(OCIString, OCIStringMode,
                         ::testing::Values(OCI_DEFAULT, OCI_THREADED, OCI_OBJECT | OCI_THREADED),
                         [](const ::testing::TestParamInfo<ub4> &info) {
                             switch (info.param) {
                             case OCI_DEFAULT: return std::string("Default");
                             case OCI_THREADED: return std::string("Threaded");
                             default: return std::string("ObjectThreaded");
                             }
                         });

}  // namespace
