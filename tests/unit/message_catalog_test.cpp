#include <gtest/gtest.h>
#include <oci.h>

#include <string>
#include <thread>
#include <vector>

#include "env/message_catalog.h"
#include "scoped_env.h"

namespace {

TEST(MessageCatalog, OverlongDirectoryIsIgnoredAndBindingHappensOnce) {
    if (*vsk::message_catalog_dir()) GTEST_SKIP() << "catalog already bound in this process";
    std::string huge(1500, 'd');
    ScopedEnv dir("VSKLOCALEDIR", ("/" + huge).c_str());
    // Several threads create environments at once; the catalog is bound exactly once.
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] {
            for (int j = 0; j < 20; ++j) {
                OCIEnv *env = nullptr;
                ASSERT_EQ(OCIEnvCreate(&env, OCI_THREADED, nullptr, nullptr, nullptr, nullptr, 0, nullptr),
                          OCI_SUCCESS);
                OCIHandleFree(env, OCI_HTYPE_ENV);
            }
        });
    for (auto &t : threads) t.join();
    EXPECT_STREQ(vsk::message_catalog_dir(), "/usr/share/locale");
    ScopedEnv other("VSKLOCALEDIR", "/tmp");
    OCIEnv *env = nullptr;
    ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    EXPECT_STREQ(vsk::message_catalog_dir(), "/usr/share/locale");
    OCIHandleFree(env, OCI_HTYPE_ENV);
}

TEST(MessageCatalog, UntranslatedTextsComeBackUnchanged) {
    EXPECT_STREQ(vsk::oci_gettext("VSK-01403: no data found"), "VSK-01403: no data found");
    EXPECT_STREQ(vsk::oci_gettext(nullptr), "");
}

}  // namespace
