// Date-time and interval descriptors for tests, allocated from an environment (and
// released with it).
#pragma once

#include <oci.h>

#include <gtest/gtest.h>

namespace vsk::test {

inline OCIDateTime *new_datetime(OCIEnv *env, ub4 type) {
    OCIDateTime *d = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(env, reinterpret_cast<void **>(&d), type, 0, nullptr), OCI_SUCCESS);
    return d;
}

inline OCIInterval *new_interval(OCIEnv *env, ub4 type) {
    OCIInterval *i = nullptr;
    EXPECT_EQ(OCIDescriptorAlloc(env, reinterpret_cast<void **>(&i), type, 0, nullptr), OCI_SUCCESS);
    return i;
}

}  // namespace vsk::test
