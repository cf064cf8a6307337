// The LOB calls besides reading and writing: opening and closing, lengths, trimming and
// erasing, copies between LOBs, temporary LOBs, locator copies and what a locator tells.
#include <cstdint>
#include <limits>

#include "env/export.h"
#include "lob/lob_access.h"
#include "lob/lob_call.h"
#include "lob/lob_edit.h"

using namespace vsk;

namespace {

// Chunk size the LOB calls report: a multiple of the server's large-object page.
constexpr ub4 kChunkSize = 8192;

template <class T>
sword store_length(OCIError *errhp, long long n, T *out) {
    if (n < 0) return OCI_ERROR;
    if (static_cast<unsigned long long>(n) > std::numeric_limits<T>::max())
        return lob_error(errhp, "the LOB is too long for the length argument");
    *out = static_cast<T>(n);
    return OCI_SUCCESS;
}

// Bytes of a binary LOB, characters of a character LOB, into a length of either width.
template <class T>
sword get_length(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *loc, T *out) {
    if (!out) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    LobAccess lob(svchp, errhp, env, loc);
    if (!lob.readable()) return OCI_ERROR;
    return store_length(errhp, lob.length(), out);
}

sword trim(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *loc, std::uint64_t newlen) {
    // A locator that holds no LOB yet is not a valid LOB handle, as on the vendor's client:
    // drivers trim a bind's locator and create a temporary LOB when told so.
    if (loc->storage == LobStorage::None) return OCI_INVALID_HANDLE;
    LobAccess lob(svchp, errhp, env, loc);
    if (!lob.writable()) return OCI_ERROR;
    return lob.trim(newlen) ? OCI_SUCCESS : OCI_ERROR;
}

template <class T>
sword erase(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *loc, T *amount, std::uint64_t offset) {
    if (!amount) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    LobAccess lob(svchp, errhp, env, loc);
    if (!lob.writable()) return OCI_ERROR;
    const long long n = lob.erase(offset, *amount);
    if (n < 0) return OCI_ERROR;
    *amount = static_cast<T>(n);
    return OCI_SUCCESS;
}

// amount units of src from srcOffset over dst from dstOffset; append: the whole of src
// after the end of dst.
sword copy(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *dst, OCILobLocator *src,
           std::uint64_t amount, std::uint64_t dstOffset, std::uint64_t srcOffset, bool append) {
    if (is_clob(dst) != is_clob(src)) return lob_error(errhp, "a binary and a character LOB cannot be combined");
    LobAccess from(svchp, errhp, env, src);
    if (!from.readable()) return OCI_ERROR;
    std::string bytes;
    if (!from.take(srcOffset, amount, &bytes)) return OCI_ERROR;
    LobAccess to(svchp, errhp, env, dst);
    if (!to.writable()) return OCI_ERROR;
    long long pos;
    if (append) pos = dst->storage == LobStorage::LargeObject ? to.length() : static_cast<long long>(lob_bytes(dst).size());
    else pos = to.position_of(dstOffset, true);
    if (pos < 0) return OCI_ERROR;
    return to.put(static_cast<std::uint64_t>(pos), bytes.data(), bytes.size()) < 0 ? OCI_ERROR : OCI_SUCCESS;
}

// *dst becomes a copy of src; a null *dst gets a new locator of the environment.
sword assign(OCIEnv *env, OCIError *errhp, const OCILobLocator *src, OCILobLocator **dst) {
    if (!dst) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    if (!*dst) {
        void *made = nullptr;
        if (OCIDescriptorAlloc(env, &made, OCI_DTYPE_LOB, 0, nullptr) != OCI_SUCCESS)
            return AddErrorRecord(errhp, OCI_ERROR, 16506), OCI_ERROR;
        *dst = static_cast<OCILobLocator *>(made);
    }
    if (!is_kind(*dst, HANDLE_OCILobLocator)) return OCI_INVALID_HANDLE;
    if (!copy_locator(*dst, src)) return AddErrorRecord(errhp, OCI_ERROR, 16506), OCI_ERROR;
    return OCI_SUCCESS;
}

template <class T>
sword answer(OCIError *errhp, T *out, T value, int position) {
    if (!out) return AddArgumentErrorRecord(errhp, position), OCI_ERROR;
    *out = value;
    return OCI_SUCCESS;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCILobOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub1 mode) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBOPEN, [&](OCIEnv *) -> sword {
        switch (locp->storage) {
        case LobStorage::LargeObject: {
            PGconn *conn = lob_connection(svchp);
            if (descriptor_current(locp, conn)) return OCI_SUCCESS;
            if (!open_descriptor(conn, errhp, locp)) return lob_error(errhp, "the large object cannot be opened");
            return OCI_SUCCESS;
        }
        case LobStorage::None: return lob_error(errhp, "the LOB locator is not initialized");
        default: locp->opened = 1; return OCI_SUCCESS;
        }
    }, svchp, errhp, locp, mode);
}

VSK_EXPORT sword OCILobClose(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBCLOSE, [&](OCIEnv *) -> sword {
        if (locp->storage == LobStorage::LargeObject) close_descriptor(lob_connection(svchp), errhp, locp);
        locp->opened = 0;
        return OCI_SUCCESS;
    }, svchp, errhp, locp);
}

VSK_EXPORT sword OCILobIsOpen(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, boolean *flag) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBISOPEN, [&](OCIEnv *) -> sword {
        const bool open = locp->storage == LobStorage::LargeObject ? locp->fd >= 0 : locp->opened != 0;
        return answer<boolean>(errhp, flag, open ? TRUE : FALSE, 4);
    }, svchp, errhp, locp, flag);
}

VSK_EXPORT sword OCILobGetLength(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *lenp) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBLENGTH,
                        [&](OCIEnv *env) { return get_length(svchp, errhp, env, locp, lenp); }, svchp, errhp, locp,
                        lenp);
}

VSK_EXPORT sword OCILobGetLength2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *lenp) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBLENGTH2,
                        [&](OCIEnv *env) { return get_length(svchp, errhp, env, locp, lenp); }, svchp, errhp, locp,
                        lenp);
}

VSK_EXPORT sword OCILobTrim(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 newlen) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBTRIM,
                        [&](OCIEnv *env) { return trim(svchp, errhp, env, locp, newlen); }, svchp, errhp, locp,
                        newlen);
}

VSK_EXPORT sword OCILobTrim2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 newlen) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBTRIM2,
                        [&](OCIEnv *env) { return trim(svchp, errhp, env, locp, newlen); }, svchp, errhp, locp,
                        newlen);
}

VSK_EXPORT sword OCILobErase(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amount, ub4 offset) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBERASE,
                        [&](OCIEnv *env) { return erase(svchp, errhp, env, locp, amount, offset); }, svchp, errhp,
                        locp, amount, offset);
}

VSK_EXPORT sword OCILobErase2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *amount,
                              oraub8 offset) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBERASE2,
                        [&](OCIEnv *env) { return erase(svchp, errhp, env, locp, amount, offset); }, svchp, errhp,
                        locp, amount, offset);
}

VSK_EXPORT sword OCILobCopy(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp,
                            ub4 amount, ub4 dst_offset, ub4 src_offset) {
    if (!is_kind(src_locp, HANDLE_OCILobLocator)) return OCI_INVALID_HANDLE;
    return lob_svc_call(svchp, errhp, dst_locp, OCI_FNCODE_LOBCOPY, [&](OCIEnv *env) {
        return copy(svchp, errhp, env, dst_locp, src_locp, amount, dst_offset, src_offset, false);
    }, svchp, errhp, dst_locp, src_locp, amount, dst_offset, src_offset);
}

VSK_EXPORT sword OCILobCopy2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp,
                             oraub8 amount, oraub8 dst_offset, oraub8 src_offset) {
    if (!is_kind(src_locp, HANDLE_OCILobLocator)) return OCI_INVALID_HANDLE;
    return lob_svc_call(svchp, errhp, dst_locp, OCI_FNCODE_LOBCOPY2, [&](OCIEnv *env) {
        return copy(svchp, errhp, env, dst_locp, src_locp, amount, dst_offset, src_offset, false);
    }, svchp, errhp, dst_locp, src_locp, amount, dst_offset, src_offset);
}

VSK_EXPORT sword OCILobAppend(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *dst_locp, OCILobLocator *src_locp) {
    if (!is_kind(src_locp, HANDLE_OCILobLocator)) return OCI_INVALID_HANDLE;
    return lob_svc_call(svchp, errhp, dst_locp, OCI_FNCODE_LOBAPPEND, [&](OCIEnv *env) {
        return copy(svchp, errhp, env, dst_locp, src_locp, UINT64_MAX, 0, 1, true);
    }, svchp, errhp, dst_locp, src_locp);
}

VSK_EXPORT sword OCILobCreateTemporary(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub2 csid, ub1 csfrm,
                                       ub1 lobtype, boolean cache, OCIDuration duration) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBCREATETEMP, [&](OCIEnv *) -> sword {
        if (lobtype != OCI_TEMP_BLOB && lobtype != OCI_TEMP_CLOB)
            return lob_error(errhp, "a temporary LOB is either OCI_TEMP_BLOB or OCI_TEMP_CLOB");
        reset_locator(locp);
        locp->storage = LobStorage::Temporary;
        locp->csfrm = lobtype == OCI_TEMP_CLOB ? (csfrm == SQLCS_NCHAR ? SQLCS_NCHAR : SQLCS_IMPLICIT) : 0;
        return OCI_SUCCESS;
    }, svchp, errhp, locp, csid, csfrm, lobtype, cache, duration);
}

VSK_EXPORT sword OCILobFreeTemporary(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBFREETEMP, [&](OCIEnv *) -> sword {
        if (locp->storage != LobStorage::Temporary) return lob_error(errhp, "the LOB is not a temporary LOB");
        reset_locator(locp);
        return OCI_SUCCESS;
    }, svchp, errhp, locp);
}

VSK_EXPORT sword OCILobGetChunkSize(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *chunksizep) {
    return lob_svc_call(svchp, errhp, locp, 0, [&](OCIEnv *) { return answer<ub4>(errhp, chunksizep, kChunkSize, 4); },
                        svchp, errhp, locp, chunksizep);
}

VSK_EXPORT sword OCILobLocatorAssign(OCISvcCtx *svchp, OCIError *errhp, const OCILobLocator *src_locp,
                                     OCILobLocator **dst_locpp) {
    return lob_svc_call(svchp, errhp, src_locp, OCI_FNCODE_LOBLOCATORASSIGN,
                        [&](OCIEnv *env) { return assign(env, errhp, src_locp, dst_locpp); }, svchp, errhp, src_locp,
                        dst_locpp);
}

VSK_EXPORT sword OCILobAssign(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *src_locp,
                              OCILobLocator **dst_locpp) {
    return lob_env_call(envhp, errhp, src_locp, OCI_FNCODE_LOBASSIGN,
                        [&] { return assign(envhp, errhp, src_locp, dst_locpp); }, envhp, errhp, src_locp, dst_locpp);
}

VSK_EXPORT sword OCILobIsTemporary(OCIEnv *envp, OCIError *errhp, OCILobLocator *locp, boolean *is_temporary) {
    return lob_env_call(envp, errhp, locp, OCI_FNCODE_LOBISTEMP, [&] {
        return answer<boolean>(errhp, is_temporary, locp->storage == LobStorage::Temporary ? TRUE : FALSE, 4);
    }, envp, errhp, locp, is_temporary);
}

VSK_EXPORT sword OCILobLocatorIsInit(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp,
                                     boolean *is_initialized) {
    return lob_env_call(envhp, errhp, locp, OCI_FNCODE_LOBISINIT, [&] {
        return answer<boolean>(errhp, is_initialized, locp->storage != LobStorage::None ? TRUE : FALSE, 4);
    }, envhp, errhp, locp, is_initialized);
}

VSK_EXPORT sword OCILobCharSetForm(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, ub1 *csfrm) {
    return lob_env_call(envhp, errhp, locp, OCI_FNCODE_LOBCHARSETFORM,
                        [&] { return answer<ub1>(errhp, csfrm, locp->csfrm, 4); }, envhp, errhp, locp, csfrm);
}

VSK_EXPORT sword OCILobCharSetId(OCIEnv *envhp, OCIError *errhp, const OCILobLocator *locp, ub2 *csid) {
    return lob_env_call(envhp, errhp, locp, OCI_FNCODE_LOBCHARSETID, [&] {
        const ub2 id = is_clob(locp) ? static_cast<ub2>(stored_charset(envhp)) : 0;
        return answer<ub2>(errhp, csid, id, 4);
    }, envhp, errhp, locp, csid);
}

VSK_EXPORT sword OCILobIsEqual(OCIEnv *envhp, const OCILobLocator *x, const OCILobLocator *y, boolean *is_equal) {
    if (!is_kind(envhp, HANDLE_OCIEnv) || !is_kind(x, HANDLE_OCILobLocator) || !is_kind(y, HANDLE_OCILobLocator))
        return OCI_INVALID_HANDLE;
    return run_in_frame(envhp, OCI_FNCODE_LOBISEQUAL, [&]() -> sword {
        if (!is_equal) return AddArgumentErrorRecord(envhp->errorHandle, 4), OCI_ERROR;
        // The same LOB: one locator, or two naming one server large object. Copies of
        // values held in client memory are values of their own.
        const bool same = x == y || (x->storage == LobStorage::LargeObject &&
                                     y->storage == LobStorage::LargeObject && x->loid == y->loid);
        *is_equal = same ? TRUE : FALSE;
        return OCI_SUCCESS;
    }, envhp, x, y, is_equal);
}

}  // extern "C"
