#include <gtest/gtest.h>
#include <oci.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/user_callbacks.h"
#include "scoped_env.h"

extern "C" sword OCIUserCallbackRegister(void *, ub4, void *, vsk::UcbFunction, void *, ub4, ub4, OCIUcb *);
extern "C" sword OCIUserCallbackGet(void *, ub4, void *, ub4, ub4, vsk::UcbFunction *, void **, OCIUcb *);

namespace {

// What a callback saw and what it answers, reached through its ctxp.
struct Probe {
    Probe(std::vector<sword> a = {}) : answers(std::move(a)) {}
    std::vector<sword> answers;  // one per call, last one repeated
    int calls = 0;
    std::vector<ub4> seen_fixed;  // fcode, when, returnCode of the first call
    ub4 first_arg_type = 0;       // third argument of OCIHandleAlloc: the handle type
};

sword probe_cb(void *ctxp, void *, ub4, ub4 fcode, ub4 when, sword rc, sb4 *errnop, va_list args) {
    auto *p = static_cast<Probe *>(ctxp);
    if (p->calls == 0) {
        p->seen_fixed = {fcode, when, static_cast<ub4>(rc), errnop != nullptr};
        va_list copy;
        va_copy(copy, args);
        (void)va_arg(copy, const void *);  // parenth
        (void)va_arg(copy, void **);       // hndlpp
        p->first_arg_type = va_arg(copy, ub4);
        va_end(copy);
    }
    sword answer = p->answers.empty() ? OCI_CONTINUE : p->answers[std::min<std::size_t>(p->calls, p->answers.size() - 1)];
    ++p->calls;
    return answer;
}

class UserCallbacks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    }
    void TearDown() override { OCIHandleFree(env, OCI_HTYPE_ENV); }
    sword reg(Probe *p, ub4 fcode, ub4 when) {
        return OCIUserCallbackRegister(env, OCI_HTYPE_ENV, nullptr, probe_cb, p, fcode, when, nullptr);
    }
    OCIEnv *env = nullptr;
};

TEST_F(UserCallbacks, RegistrationValidity) {
    Probe p;
    for (ub4 bad : {0u, 9u, 14u, 36u, 53u, 60u, 124u, 152u, 9999u}) {
        EXPECT_EQ(reg(&p, bad, vsk::UCB_ENTRY), OCI_ERROR) << bad;
        if (bad < 153) {
            EXPECT_EQ(env->ucbEntry[bad], nullptr);
        }
    }
    EXPECT_EQ(reg(&p, 2, 0), OCI_ERROR);
    EXPECT_EQ(reg(&p, 2, 4), OCI_ERROR);
    EXPECT_EQ(env->ucbEntry[2], nullptr);
    for (ub4 good : {1u, 2u, 37u, 59u, 61u, 123u}) EXPECT_EQ(reg(&p, good, vsk::UCB_EXIT), OCI_SUCCESS) << good;
    int not_env = 0;
    EXPECT_EQ(OCIUserCallbackRegister(&not_env, 1, nullptr, probe_cb, &p, 2, 1, nullptr), OCI_ERROR);
    vsk::UcbFunction fn = nullptr;
    void *ctx = nullptr;
    EXPECT_EQ(OCIUserCallbackGet(env, 1, nullptr, 2, 1, &fn, &ctx, nullptr), OCI_ERROR);
}

TEST_F(UserCallbacks, EntryResultsAndContinue) {
    Probe first{{5}}, second{{7}};
    reg(&first, 40 + 25, vsk::UCB_ENTRY);  // any valid code
    reg(&second, 65, vsk::UCB_ENTRY);
    sword status = OCI_SUCCESS;
    vsk::_PerformEntryUcbs(env->ucbEntry[65], &status, 1, 2);
    EXPECT_EQ(status, 7);

    Probe cont{{OCI_CONTINUE}}, later{{7}};
    reg(&cont, 66, vsk::UCB_ENTRY);
    reg(&later, 66, vsk::UCB_ENTRY);
    status = OCI_SUCCESS;
    vsk::_PerformEntryUcbs(env->ucbEntry[66], &status, 1, 2);
    EXPECT_EQ(status, OCI_SUCCESS) << "after OCI_CONTINUE later results are not kept";
    EXPECT_EQ(later.calls, 1) << "but later callbacks still run";
}

TEST_F(UserCallbacks, ReplaceStopsAtFirstAnswerAndRunsExitAtOnce) {
    Probe pass{{OCI_CONTINUE}}, answer{{OCI_ERROR}}, never{{3}}, exit_cb{{OCI_CONTINUE}};
    reg(&pass, 67, vsk::UCB_REPLACE);
    reg(&answer, 67, vsk::UCB_REPLACE);
    reg(&never, 67, vsk::UCB_REPLACE);
    reg(&exit_cb, 67, vsk::UCB_EXIT);
    sword status = OCI_SUCCESS;
    vsk::_PerformReplaceUcbs(env, &status, 67, 1);
    EXPECT_EQ(status, OCI_ERROR);
    EXPECT_EQ(never.calls, 0);
    EXPECT_EQ(exit_cb.calls, 1);

    Probe only_pass{{OCI_CONTINUE}};
    reg(&only_pass, 68, vsk::UCB_REPLACE);
    status = 42;
    vsk::_PerformReplaceUcbs(env, &status, 68, 1);
    EXPECT_EQ(status, 42);
}

TEST_F(UserCallbacks, HandleAllocRunsCallbacksWithItsArguments) {
    Probe entry{{OCI_CONTINUE}}, exit_cb{{OCI_SUCCESS_WITH_INFO}};
    reg(&entry, OCI_FNCODE_HANDLEALLOC, vsk::UCB_ENTRY);
    reg(&exit_cb, OCI_FNCODE_HANDLEALLOC, vsk::UCB_EXIT);
    void *h = nullptr;
    EXPECT_EQ(OCIHandleAlloc(env, &h, OCI_HTYPE_STMT, 0, nullptr), OCI_SUCCESS_WITH_INFO);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(entry.calls, 1);
    EXPECT_EQ(entry.first_arg_type, ub4{OCI_HTYPE_STMT});
    EXPECT_EQ(entry.seen_fixed, (std::vector<ub4>{13, 1, 0, 1}));
    EXPECT_EQ(exit_cb.calls, 1);

    // A failing call keeps its own result.
    EXPECT_EQ(OCIHandleAlloc(env, &h, OCI_HTYPE_STMT, 8, nullptr), OCI_SUCCESS_WITH_INFO)
        << "exit callbacks answer last";
    Probe entry_err{{OCI_ERROR}};
    reg(&entry_err, OCI_FNCODE_DESCRIPTORALLOC, vsk::UCB_ENTRY);
    void *d = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(env, &d, OCI_DTYPE_LOB, 0, nullptr), OCI_ERROR);
    EXPECT_NE(d, nullptr) << "entry callbacks do not skip the work";
}

TEST_F(UserCallbacks, CallFrameKeepsCallbackStatusUnlessWorkFails) {
    Probe entry{{OCI_SUCCESS_WITH_INFO}};
    reg(&entry, 70, vsk::UCB_ENTRY);
    EXPECT_EQ(vsk::run_in_frame(env, 70, [] { return OCI_SUCCESS; }, 1), OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(vsk::run_in_frame(env, 70, [] { return OCI_ERROR; }, 1), OCI_ERROR);
    EXPECT_EQ(vsk::run_in_frame(nullptr, 70, [] { return OCI_SUCCESS; }, 1), OCI_SUCCESS);
}

TEST(UcbPackages, MalformedListsNeverCrash) {
    // None of these names a loadable library: each is skipped with a trace line.
    std::string huge(5000, 'p');
    for (std::string value : {std::string(""), std::string(";;"), std::string(";a;;b;"), huge,
                              huge + ";" + huge, std::string("no_such_pkg_1;no_such_pkg_2")}) {
        ScopedEnv pkg("ORA_OCI_UCBPKG", value.c_str());
        OCIEnv *env = nullptr;
        ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
        OCIHandleFree(env, OCI_HTYPE_ENV);
    }
}

}  // namespace
