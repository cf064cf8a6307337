// The error handle fuzz targets hand to the OCI calls they drive: one environment for
// the process, made on first use.
#pragma once

#include <oci.h>

inline OCIError *fuzz_error_handle() {
    static OCIError *err = [] {
        OCIEnv *env = nullptr;
        OCIError *e = nullptr;
        OCIEnvCreate(&env, OCI_DEFAULT, nullptr, nullptr, nullptr, nullptr, 0, nullptr);
        OCIHandleAlloc(env, reinterpret_cast<void **>(&e), OCI_HTYPE_ERROR, 0, nullptr);
        return e;
    }();
    return err;
}
