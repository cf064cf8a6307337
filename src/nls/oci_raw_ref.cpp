// OCIRawPtr and OCIRefClear: the library keeps no raw or reference values, so there is
// nothing to point at and nothing to clear.
#include <oci.h>

#include "env/export.h"

extern "C" {

VSK_EXPORT ub1 *OCIRawPtr(OCIEnv *env, const OCIRaw *raw) {
    (void)env, (void)raw;
    return nullptr;
}

VSK_EXPORT void OCIRefClear(OCIEnv *env, OCIRef *ref) { (void)env, (void)ref; }

}  // extern "C"
