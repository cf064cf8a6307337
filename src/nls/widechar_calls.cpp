// OCIWideCharStrcmp, OCIWideCharStrncmp, OCIWideCharStrlen, OCIWideCharStrchr and
// OCIWideCharStrrchr.
#include <oci.h>

#include <cstdint>

#include "env/export.h"
#include "env/trace.h"
#include "nls/mb_string.h"
#include "nls/nls_call.h"

using namespace vsk;

extern "C" {

// Binary comparison whatever the flag: the difference of the first two characters that
// differ, a terminator counting as 0 ("abc" > "ab"). 0 after a bad argument.
VSK_EXPORT int OCIWideCharStrcmp(void *envhp, const OCIWchar *wstr1, const OCIWchar *wstr2, int flag) {
    (void)flag;
    OCIEnv *env = nls_env(envhp);
    if (!env) return 0;
    if (!wstr1) return nls_argument_error(env->errorHandle, 2), 0;
    if (!wstr2) return nls_argument_error(env->errorHandle, 3), 0;
    return wide_compare(wstr1, SIZE_MAX, wstr2, SIZE_MAX);
}

// The same over strings of len1 and len2 characters (each may end earlier at a zero).
VSK_EXPORT int OCIWideCharStrncmp(void *envhp, const OCIWchar *wstr1, size_t len1, const OCIWchar *wstr2, size_t len2,
                                  int flag) {
    (void)flag;
    OCIEnv *env = nls_env(envhp);
    if (!env) return 0;
    if (!wstr1) return nls_argument_error(env->errorHandle, 2), 0;
    if (!wstr2) return nls_argument_error(env->errorHandle, 4), 0;
    return wide_compare(wstr1, len1, wstr2, len2);
}

VSK_EXPORT size_t OCIWideCharStrlen(void *envhp, const OCIWchar *wstr) {
    if (!is_kind(envhp, HANDLE_OCIEnv) || !wstr) return 0;
    return wide_length(wstr, SIZE_MAX);
}

VSK_EXPORT OCIWchar *OCIWideCharStrchr(void *envhp, const OCIWchar *wstr, OCIWchar wc) {
    (void)envhp, (void)wstr, (void)wc;
    o2pTrace(3, "Setting Piece Information\n");
    return nullptr;
}

VSK_EXPORT OCIWchar *OCIWideCharStrrchr(void *envhp, const OCIWchar *wstr, OCIWchar wc) {
    (void)envhp, (void)wstr, (void)wc;
    o2pTrace(3, "Setting Piece Information\n");
    return nullptr;
}

}  // extern "C"
