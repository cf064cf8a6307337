// Callback packages named by ORA_OCI_UCBPKG; the test packages are found through LD_LIBRARY_PATH.
#include <gtest/gtest.h>
#include <oci.h>

#include <cstdlib>
#include <string>

namespace {

int loaded_count() {
    int n = 0;
    for (int i = 1; i <= 7; ++i) n += std::getenv(("VSK_LOADED_vsktestucb" + std::to_string(i)).c_str()) != nullptr;
    return n;
}

void create_env_with(const char *packages, bool unlimited) {
    for (int i = 1; i <= 7; ++i) unsetenv(("VSK_LOADED_vsktestucb" + std::to_string(i)).c_str());
    setenv("ORA_OCI_UCBPKG", packages, 1);
    if (unlimited) setenv("VSK_OCI_NOUCBPKGLIMIT", "1", 1);
    else unsetenv("VSK_OCI_NOUCBPKGLIMIT");
    OCIEnv *env = nullptr;
    ASSERT_EQ(OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr), OCI_SUCCESS);
    // Each loaded package registered a pass-through entry callback: allocation still works.
    void *err = nullptr;
    EXPECT_EQ(OCIHandleAlloc(env, &err, OCI_HTYPE_ERROR, 0, nullptr), OCI_SUCCESS);
    OCIHandleFree(env, OCI_HTYPE_ENV);
    unsetenv("ORA_OCI_UCBPKG");
}

const char *kSeven = "vsktestucb1;vsktestucb2;vsktestucb3;vsktestucb4;vsktestucb5;vsktestucb6;vsktestucb7";

TEST(UcbPackageLoading, FirstFivePackagesByDefault) {
    create_env_with(kSeven, false);
    EXPECT_EQ(loaded_count(), 5);
    EXPECT_NE(std::getenv("VSK_LOADED_vsktestucb5"), nullptr);
    EXPECT_EQ(std::getenv("VSK_LOADED_vsktestucb6"), nullptr);
}

TEST(UcbPackageLoading, AllPackagesWithoutTheLimit) {
    create_env_with(kSeven, true);
    EXPECT_EQ(loaded_count(), 7);
}

TEST(UcbPackageLoading, UnloadablePackagesAreSkipped) {
    create_env_with("no_such_package;vsktestucb3;;", false);
    EXPECT_EQ(loaded_count(), 1);
}

TEST(UcbPackageLoading, PackageWithoutInitEndsTheProcess) {
    EXPECT_EXIT(create_env_with("vsktestnoinit", false), ::testing::ExitedWithCode(1), "vsktestnoinitInit");
}

}  // namespace
