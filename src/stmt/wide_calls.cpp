// The calls of newer clients that drivers use in place of the older ones: binds and
// defines with 64-bit buffer sizes and 32-bit length arrays, implicit results, and
// arrays of descriptors.
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

#include "env/call_frame.h"
#include "env/env.h"
#include "env/error.h"
#include "env/export.h"
#include "env/kinds.h"
#include "stmt/records.h"

using namespace vsk;

namespace {

constexpr ub4 kErrBufferSize = 1460;
// Mode bits the older calls know; newer bits (such as 0x400) ask for nothing the
// library does differently.
constexpr ub4 kBindModes = OCI_DATA_AT_EXEC | OCI_BIND_SOFT;
constexpr ub4 kDefineModes = OCI_DYNAMIC_FETCH | OCI_DEFINE_SOFT;

// A 64-bit buffer size the older calls take; false (recorded) when it does not fit.
bool narrow_size(OCIError *errhp, sb8 size, sb4 *out) noexcept {
    if (size < 0 || size > SB4MAXVAL) {
        if (is_kind(errhp, HANDLE_OCIError)) {
            _ClearErrorHandle(errhp);
            AddErrorRecord(errhp, OCI_ERROR, kErrBufferSize);
        }
        return false;
    }
    *out = static_cast<sb4>(size);
    return true;
}

// A placeholder name with its colon: drivers pass names without one.
bool with_colon(const OraText *placeholder, sb4 placeh_len, std::string *out) noexcept {
    try {
        const auto *raw = reinterpret_cast<const char *>(placeholder);
        const std::size_t n = placeh_len < 0 ? std::strlen(raw) : static_cast<std::size_t>(placeh_len);
        out->assign(raw, n);
        if (out->empty() || (*out)[0] != ':') out->insert(out->begin(), ':');
        return true;
    } catch (...) {
        return false;
    }
}

// How many descriptors each array holds, by the array's address: the application's
// array carries no length. Never destroyed (arrays may be freed from exit handlers).
std::mutex arrays_mutex;
std::unordered_map<void **, ub4> &array_lengths() {
    static auto *lengths = new std::unordered_map<void **, ub4>;
    return *lengths;
}

bool remember_array(void **array, ub4 count) noexcept {
    try {
        std::lock_guard<std::mutex> lock(arrays_mutex);
        array_lengths()[array] = count;
        return true;
    } catch (...) {
        return false;
    }
}

// The length of a remembered array, which is forgotten; 0 for an unknown one.
ub4 forget_array(void **array) noexcept {
    std::lock_guard<std::mutex> lock(arrays_mutex);
    auto found = array_lengths().find(array);
    if (found == array_lengths().end()) return 0;
    const ub4 count = found->second;
    array_lengths().erase(found);
    return count;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCIBindByName2(OCIStmt *stmtp, OCIBind **bindpp, OCIError *errhp, const OraText *placeholder,
                                sb4 placeh_len, void *valuep, sb8 value_sz, ub2 dty, void *indp, ub4 *alenp,
                                ub2 *rcodep, ub4 maxarr_len, ub4 *curelep, ub4 mode) {
    if (!placeholder || !bindpp) return OCI_INVALID_HANDLE;
    sb4 size = 0;
    if (!narrow_size(errhp, value_sz, &size)) return OCI_ERROR;
    std::string name;
    // Names of a UTF-16 environment are converted by the call below, colon and all.
    const bool utf16 = is_kind(stmtp, HANDLE_OCIStmt) && env_of(stmtp) && env_of(stmtp)->isUtf16;
    if (!utf16 && !with_colon(placeholder, placeh_len, &name)) return OCI_ERROR;
    const auto *text = utf16 ? placeholder : reinterpret_cast<const OraText *>(name.c_str());
    const sb4 length = utf16 ? placeh_len : static_cast<sb4>(name.size());
    sword rc = OCIBindByName(stmtp, bindpp, errhp, text, length, valuep, size, dty, indp,
                             reinterpret_cast<ub2 *>(alenp), rcodep, maxarr_len, curelep, mode & kBindModes);
    if (rc == OCI_SUCCESS && is_kind(*bindpp, HANDLE_OCIBind)) (*bindpp)->wideLengths = 1;
    return rc;
}

VSK_EXPORT sword OCIBindByPos2(OCIStmt *stmtp, OCIBind **bindpp, OCIError *errhp, ub4 position, void *valuep,
                               sb8 value_sz, ub2 dty, void *indp, ub4 *alenp, ub2 *rcodep, ub4 maxarr_len,
                               ub4 *curelep, ub4 mode) {
    if (!bindpp) return OCI_INVALID_HANDLE;
    sb4 size = 0;
    if (!narrow_size(errhp, value_sz, &size)) return OCI_ERROR;
    sword rc = OCIBindByPos(stmtp, bindpp, errhp, position, valuep, size, dty, indp, reinterpret_cast<ub2 *>(alenp),
                            rcodep, maxarr_len, curelep, mode & kBindModes);
    if (rc == OCI_SUCCESS && is_kind(*bindpp, HANDLE_OCIBind)) (*bindpp)->wideLengths = 1;
    return rc;
}

VSK_EXPORT sword OCIDefineByPos2(OCIStmt *stmtp, OCIDefine **defnpp, OCIError *errhp, ub4 position, void *valuep,
                                 sb8 value_sz, ub2 dty, void *indp, ub4 *rlenp, ub2 *rcodep, ub4 mode) {
    if (!defnpp) return OCI_INVALID_HANDLE;
    sb4 size = 0;
    if (!narrow_size(errhp, value_sz, &size)) return OCI_ERROR;
    sword rc = OCIDefineByPos(stmtp, defnpp, errhp, position, valuep, size, dty, indp,
                              reinterpret_cast<ub2 *>(rlenp), rcodep, mode & kDefineModes);
    if (rc == OCI_SUCCESS && is_kind(*defnpp, HANDLE_OCIDefine)) (*defnpp)->wideLengths = 1;
    return rc;
}

// Procedures return no implicit result sets here: there is never a next one.
VSK_EXPORT sword OCIStmtGetNextResult(OCIStmt *stmthp, OCIError *errhp, void **result, ub4 *rtype, ub4 mode) {
    (void)mode;
    if (!is_kind(stmthp, HANDLE_OCIStmt) || !is_kind(errhp, HANDLE_OCIError)) return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (result) *result = nullptr;
    if (rtype) *rtype = 0;
    return OCI_NO_DATA;
}

// An array of descriptors: the application's array of array_size pointers receives as
// many descriptors of type, each made as OCIDescriptorAlloc makes one.
VSK_EXPORT sword OCIArrayDescriptorAlloc(const void *parenth, void **descpp, const ub4 type, ub4 array_size,
                                         const size_t xtramem_sz, void **usrmempp) {
    if (!descpp || array_size == 0 || !kind_for_descriptor_type(type)) return OCI_INVALID_HANDLE;
    for (ub4 i = 0; i < array_size; ++i) {
        // User memory, when asked for, is the first descriptor's.
        sword rc = OCIDescriptorAlloc(parenth, &descpp[i], type, i == 0 ? xtramem_sz : 0, i == 0 ? usrmempp : nullptr);
        if (rc != OCI_SUCCESS) {
            for (ub4 j = 0; j < i; ++j) OCIDescriptorFree(descpp[j], type);
            return rc;
        }
    }
    if (!remember_array(descpp, array_size)) {
        for (ub4 j = 0; j < array_size; ++j) OCIDescriptorFree(descpp[j], type);
        return OCI_ERROR;
    }
    return OCI_SUCCESS;
}

VSK_EXPORT sword OCIArrayDescriptorFree(void **descp, const ub4 type) {
    if (!descp || !kind_for_descriptor_type(type)) return OCI_INVALID_HANDLE;
    const ub4 count = forget_array(descp);
    if (count == 0) return OCI_INVALID_HANDLE;
    sword rc = OCI_SUCCESS;
    for (ub4 i = 0; i < count; ++i)
        if (OCIDescriptorFree(descp[i], type) != OCI_SUCCESS) rc = OCI_INVALID_HANDLE;
    return rc;
}

// ROWID descriptors stay empty (OCI_ATTR_ROWID has none to give): their text is empty.
VSK_EXPORT sword OCIRowidToChar(OCIRowid *rowidDesc, OraText *outbfp, ub2 *outbflp, OCIError *errhp) {
    if (!is_kind(rowidDesc, HANDLE_OCIParam) || !is_kind(errhp, HANDLE_OCIError) || !outbflp)
        return OCI_INVALID_HANDLE;
    _ClearErrorHandle(errhp);
    if (outbfp && *outbflp > 0) outbfp[0] = 0;
    *outbflp = 0;
    return OCI_SUCCESS;
}

}  // extern "C"
