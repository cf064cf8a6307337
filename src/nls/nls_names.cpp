// OCINlsCharSetNameToId and OCINlsCharSetIdToName.
#include <oci.h>

#include <string>

#include "env/export.h"
#include "env/trace.h"
#include "nls/charset.h"
#include "nls/charset_ids.h"
#include "nls/nls_call.h"

using namespace vsk;

extern "C" {

// Answers in the library's identifiers 0..40 for the names the library knows (UTF8 and
// its aliases give 6), in the vendor's numbers for the vendor's names (AL32UTF8 gives
// 873), and 6 for a name found nowhere; 0 for a null name or a bad handle.
VSK_EXPORT ub2 OCINlsCharSetNameToId(void *envhp, const oratext *name) {
    OCIEnv *env = nls_env(envhp);
    if (!env || !name) return 0;
    std::string text;
    if (!nls_text_in(env, env->errorHandle, name, &text)) return 0;
    const char *n = text.c_str();
    if (const vsk_encname *alias = pg_char_to_encname_struct(n)) return static_cast<ub2>(alias->encoding);
    // Vendor numbers up to 40 would read as library identifiers: those names answer
    // with the library's identifier of the same set.
    int vendor = search_charsetID(n);
    if (vendor > kLastLibraryId) return static_cast<ub2>(vendor);
    int id = library_id_for_vendor_name(n);
    return static_cast<ub2>(id >= 0 ? id : ENC_UTF8);
}

// Identifiers 0..40 are the library's (6 gives "UTF8"); numbers above 40 are the
// vendor's (873 gives "AL32UTF8"); an unknown number gives the empty name. The name and
// its terminator must fit buflen bytes, else OCI_ERROR and nothing is written.
VSK_EXPORT sword OCINlsCharSetIdToName(void *envhp, oratext *buf, size_t buflen, ub2 id) {
    o2pTrace(3, "Getting Character Set Name from ID\n");
    o2pTrace(4, "\tenvhp = %p\n", envhp);
    o2pTrace(4, "\tbuf = %p\n", static_cast<void *>(buf));
    o2pTrace(4, "\tbuflen = %d\n", static_cast<int>(buflen));
    o2pTrace(4, "\tid = %d\n", id);
    OCIEnv *env = nls_env(envhp);
    if (!env) return OCI_INVALID_HANDLE;
    if (!buf) return nls_argument_error(env->errorHandle, 2);
    const char *name = id <= kLastLibraryId ? pg_encoding_to_char(id) : vendor_charset_name(id);
    sword rc = nls_text_out(env, env->errorHandle, name ? name : "", buf, buflen, 3);
    if (rc == OCI_SUCCESS) o2pTrace(4, "\tRETURNING %s\n", o2pGetReturnCodeText(rc));
    return rc;
}

}  // extern "C"
