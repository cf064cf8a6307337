#include <gtest/gtest.h>
#include <oci.h>

#include <clocale>
#include <cstring>

#include "env/env.h"
#include "env/process_globals.h"
#include "scoped_env.h"

namespace {

struct EnvDeleter {
    void operator()(OCIEnv *e) const { OCIHandleFree(e, OCI_HTYPE_ENV); }
};
using EnvPtr = std::unique_ptr<OCIEnv, EnvDeleter>;

EnvPtr create(ub4 mode, sword expect = OCI_SUCCESS) {
    OCIEnv *env = reinterpret_cast<OCIEnv *>(0x1);
    sword rc = OCIEnvCreate(&env, mode, nullptr, nullptr, nullptr, nullptr, 0, nullptr);
    EXPECT_EQ(rc, expect) << "mode " << mode;
    if (rc != OCI_SUCCESS) {
        EXPECT_EQ(env, nullptr);
        return nullptr;
    }
    return EnvPtr(env);
}

TEST(EnvCreate, ModesWithoutAKnownBitFail) {
    create(OCI_DEFAULT);
    create(OCI_SHARED, OCI_ERROR);
    create(OCI_NO_MUTEX, OCI_ERROR);
    EnvPtr both = create(OCI_SHARED | OCI_THREADED);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->mode & vsk::ENV_THREADED, vsk::ENV_THREADED);
    EnvPtr kept = create(OCI_THREADED | OCI_OBJECT | OCI_EVENTS | OCI_NO_UCB | OCI_NEW_LENGTH_SEMANTICS);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->mode, ub4{0x1 | 0x2 | 0x4 | 0x40 | 0x20000});
}

TEST(EnvCreate, NullOutPointerAndUserMemoryRules) {
    EXPECT_EQ(OCIEnvCreate(nullptr, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_ERROR);
    OCIEnv *env = nullptr;
    EXPECT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 16, nullptr), OCI_ERROR);
    EXPECT_EQ(env, nullptr);

    void *mem = nullptr;
    ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 16, &mem), OCI_SUCCESS);
    EnvPtr owned(env);
    ASSERT_NE(mem, nullptr);
    const unsigned char zero[16] = {};
    EXPECT_EQ(std::memcmp(mem, zero, 16), 0);
    EXPECT_EQ(env->hdr.xtramemSize, 16u);
}

TEST(EnvCreate, AllocationFailureLeavesNothing) {
    for (int n = 1; n <= 3; ++n) {
        OCIEnv *env = nullptr;
        void *mem = nullptr;
        vsk::alloc_fault::fail_nth(n);
        sword rc = OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 8, &mem);
        vsk::alloc_fault::fail_nth(0);
        if (rc == OCI_SUCCESS) {
            OCIHandleFree(env, OCI_HTYPE_ENV);
            continue;
        }
        EXPECT_EQ(rc, OCI_ERROR);
        EXPECT_EQ(env, nullptr);
    }
}

TEST(EnvCreate, VariablesReadAtCreation) {
    ScopedEnv varchars("OCI_PG_VARCHARS", "1"), otl("OTL", "1"), rw("RogueWave", nullptr);
    EnvPtr env = create(OCI_DEFAULT);
    ASSERT_TRUE(env);
    EXPECT_EQ(env->emptyStringSemantics, 0);
    EXPECT_EQ(env->otlMode, 1);
    EXPECT_EQ(env->rogueWaveMode, 0);
}

TEST(EnvCreate, Utf16EnvironmentHasBothConverters) {
    EnvPtr utf16 = create(OCI_UTF16);
    ASSERT_TRUE(utf16);
    EXPECT_EQ(utf16->charsetId, 39);
    EXPECT_EQ(utf16->isUtf16, 1);
    EXPECT_NE(utf16->toUtf8, vsk::no_iconv());
    EXPECT_NE(utf16->fromUtf8, vsk::no_iconv());
    EXPECT_TRUE(utf16->mode & vsk::ENV_UTF16);

    EnvPtr plain = create(OCI_DEFAULT);
    EXPECT_EQ(plain->isUtf16, 0);
    EXPECT_EQ(plain->toUtf8, vsk::no_iconv());
    EXPECT_EQ(plain->fromUtf8, vsk::no_iconv());
}

TEST(EnvNlsCreate, CharsetArgument) {
    ScopedEnv lang("NLS_LANG", "AMERICAN_AMERICA.WE8ISO8859P1");
    OCIEnv *env = reinterpret_cast<OCIEnv *>(0x1);
    // A number neither numbering knows (the vendor's ones above 40 are taken).
    EXPECT_EQ(OCIEnvNlsCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 9999, 0), OCI_ERROR);
    EXPECT_EQ(env, nullptr);
    ASSERT_EQ(OCIEnvNlsCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 6, 0), OCI_SUCCESS);
    EXPECT_EQ(env->charsetId, 6);
    OCIHandleFree(env, OCI_HTYPE_ENV);

    ASSERT_EQ(OCIEnvNlsCreate(&env, OCI_UTF16, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0, 0), OCI_SUCCESS);
    EXPECT_EQ(env->charsetId, 39) << "a UTF-16 environment keeps its character set";
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST(EnvNlsCreate, ThreadedModeEnablesProcessMutex) {
    OCIEnv *env = nullptr;
    ASSERT_EQ(OCIEnvNlsCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0, 0),
              OCI_SUCCESS);
    EXPECT_TRUE(vsk::process_mutex_enabled());
    vsk::lock_process_mutex();
    vsk::unlock_process_mutex();
    OCIHandleFree(env, OCI_HTYPE_ENV);
    EXPECT_NE(vsk::thread_key_slot(), vsk::kNoThreadKey);
}

TEST(InitNls, NlsLangCodesetSettlesWhenTheLocaleIsAccepted) {
    // The POSIX codeset needs no installed locale, so it always settles the choice.
    ScopedEnv lang("NLS_LANG", "AMERICAN_AMERICA.POSIX");
    EnvPtr env = create(OCI_DEFAULT);
    ASSERT_TRUE(env);
    EXPECT_EQ(env->charsetId, 6);
    EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
}

TEST(InitNls, UnusableNlsLangFallsBackToLocaleThenSqlAscii) {
    ScopedEnv all("LC_ALL", "C"), ctype("LC_CTYPE", nullptr);
    for (const char *value : {"AMERICAN_AMERICA", "AMERICAN_AMERICA.NOSUCHSET",
                              "NOSUCHLANG_NOWHERE.ISO-8859-1"}) {
        ScopedEnv lang("NLS_LANG", value);
        EnvPtr env = create(OCI_DEFAULT);
        ASSERT_TRUE(env);
        EXPECT_EQ(env->charsetId, 0) << value;
    }
}

TEST(ParseLocale, RequiresAllThreeParts) {
    std::string l, t, c;
    EXPECT_TRUE(vsk::ParseLocale("AMERICAN_AMERICA.AL32UTF8", &l, &t, &c));
    EXPECT_EQ(l, "AMERICAN");
    EXPECT_EQ(t, "AMERICA");
    EXPECT_EQ(c, "AL32UTF8");
    EXPECT_TRUE(vsk::ParseLocale("en_US.ISO-8859-1", &l, &t, &c));
    EXPECT_EQ(c, "ISO-8859-1");
    for (const char *bad : {"AMERICAN_AMERICA", "_US.UTF8", "en_.UTF8", "en_US.", "C", ""}) {
        EXPECT_FALSE(vsk::ParseLocale(bad, &l, &t, &c)) << bad;
        EXPECT_TRUE(l.empty() && t.empty() && c.empty());
    }
    EXPECT_FALSE(vsk::ParseLocale(nullptr, &l, &t, &c));
}

TEST(Initialize, ProcessModeAndRepeatedCalls) {
    auto noop_free = [](void *, void *) {};
    EXPECT_EQ(OCIInitialize(OCI_THREADED | OCI_EVENTS, nullptr, nullptr, nullptr, nullptr), OCI_ERROR);
    EXPECT_EQ(O2PEnvMode, 1u);
    EXPECT_EQ(O2PEnvIsInitialized, 0);
    EXPECT_EQ(OCIInitialize(OCI_SHARED, nullptr, nullptr, nullptr, +noop_free), OCI_ERROR);
    EXPECT_NE(O2PCustomFreeCallback, nullptr);

    ASSERT_EQ(OCIInitialize(OCI_OBJECT, nullptr, nullptr, nullptr, nullptr), OCI_SUCCESS);
    EXPECT_EQ(O2PEnvMode, 2u);
    EXPECT_EQ(OCIInitialize(OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr), OCI_ERROR);
    {
        EnvPtr env = create(OCI_DEFAULT);
        EXPECT_TRUE(env->mode & vsk::ENV_OBJECT) << "object mode of the process reaches new environments";
    }
    EXPECT_EQ(OCITerminate(1), OCI_ERROR);
    EXPECT_EQ(OCITerminate(OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(O2PEnvIsInitialized, 0);
    EXPECT_EQ(O2PEnvMode, 0u);
    EXPECT_EQ(O2PCustomFreeCallback, nullptr);
    EXPECT_EQ(OCITerminate(OCI_DEFAULT), OCI_ERROR);
}

TEST(ClientVersion, ReportsVersionAndString) {
    sword v[5] = {-1, -1, -1, -1, -1};
    OCIClientVersion(&v[0], &v[1], &v[2], &v[3], &v[4]);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 1);
    EXPECT_EQ(v[2], 0);
    EXPECT_EQ(v[3], 1);
    EXPECT_EQ(v[4], 0);
    EXPECT_STREQ(clientVersion, "client version - 16.1.0.1.0");
}

}  // namespace
