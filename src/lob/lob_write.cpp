// OCILobWrite, OCILobWrite2, OCILobWriteAppend and OCILobWriteAppend2: the
// application's bytes (characters for character LOBs) into a temporary LOB or a server
// large object, in one piece, in pieces the application hands over call by call, or
// through a callback that fills the buffer piece by piece.
#include <algorithm>
#include <cstdint>

#include "env/export.h"
#include "lob/lob_call.h"
#include "lob/lob_edit.h"

using namespace vsk;

namespace {

struct WriteRequest {
    std::uint64_t amount;  // 0: the whole buffer
    bool inChars;          // the amount counts characters of a character LOB
    bool append;
    std::uint64_t offset;  // 1-based, unless appending
    const char *buf;
    std::uint64_t bufl;
    ub1 piece;
    ub2 csid;
};

struct WriteResult {
    std::uint64_t bytes = 0;  // of the application's
    std::uint64_t units = 0;  // characters (bytes for binary LOBs) stored
};

// Asks the application for the next piece: OCI_CONTINUE, the piece's bytes in *buf and
// *len, its code in *piece.
struct Source {
    sb4 (*next)(Source *self, char **buf, std::uint64_t *len, ub1 *piece) = nullptr;
    void *appCallback = nullptr;
    void *appCtx = nullptr;
    char *buf = nullptr;
    std::uint64_t bufl = 0;
};

sb4 next_v1(Source *s, char **buf, std::uint64_t *len, ub1 *piece) {
    ub4 n = static_cast<ub4>(std::min<std::uint64_t>(s->bufl, UINT32_MAX));
    const sb4 rc = reinterpret_cast<OCICallbackLobWrite>(s->appCallback)(s->appCtx, s->buf, &n, piece);
    *buf = s->buf;
    *len = std::min<std::uint64_t>(n, s->bufl);
    return rc;
}

sb4 next_v2(Source *s, char **buf, std::uint64_t *len, ub1 *piece) {
    oraub8 n = s->bufl;
    void *changed = nullptr;
    oraub8 changedLen = 0;
    const sb4 rc = reinterpret_cast<OCICallbackLobWrite2>(s->appCallback)(s->appCtx, s->buf, &n, piece, &changed,
                                                                         &changedLen);
    if (changed && changedLen) {
        s->buf = static_cast<char *>(changed);
        s->bufl = changedLen;
    }
    *buf = s->buf;
    *len = std::min<std::uint64_t>(n, s->bufl);
    return rc;
}

// The bytes of the first piece: the amount (characters counted in the application's
// character set), never more than the buffer.
std::uint64_t first_piece_bytes(const WriteRequest &req, const CharsetRoute &route) {
    if (req.piece != OCI_ONE_PIECE || req.amount == 0) return req.bufl;
    if (!req.inChars) return std::min(req.amount, req.bufl);
    std::uint64_t walked = 0;
    return lob::skip_chars(route.read.client, req.buf, static_cast<std::size_t>(req.bufl), 0, req.amount, &walked);
}

sword write_lob(OCISvcCtx *svchp, OCIError *errhp, const OCIEnv *env, OCILobLocator *loc, const WriteRequest &req,
                Source *src, WriteResult *out) {
    LobAccess lob(svchp, errhp, env, loc);
    if (!lob.writable()) return OCI_ERROR;
    CharsetRoute route;
    if (is_clob(loc) && !make_route(env, errhp, req.csid, &route)) return OCI_ERROR;
    if (!req.buf && req.bufl) return AddErrorRecord(errhp, OCI_ERROR, 3131), OCI_ERROR;
    const bool polled = !src && req.piece != OCI_ONE_PIECE;
    long long pos;
    if (polled && req.piece != OCI_FIRST_PIECE) {
        if (loc->stream.kind != LobStream::WRITE) return lob_error(errhp, "no piecewise write is in progress");
        pos = static_cast<long long>(loc->stream.position);
    } else if (req.append) {
        pos = loc->storage == LobStorage::LargeObject ? lob.length() : static_cast<long long>(lob_bytes(loc).size());
    } else {
        pos = lob.position_of(req.offset, true);
    }
    if (pos < 0) return OCI_ERROR;
    const char *data = req.buf;
    std::uint64_t n = first_piece_bytes(req, route);
    ub1 piece = req.piece;
    std::string stored;
    for (;;) {
        if (!to_stored(route, errhp, data, static_cast<std::size_t>(n), &stored)) return OCI_ERROR;
        pos = lob.put(static_cast<std::uint64_t>(pos), stored.data(), stored.size());
        if (pos < 0) return OCI_ERROR;
        out->bytes += n;
        out->units += is_clob(loc) ? lob::count_chars(route.read.client, data, static_cast<std::size_t>(n)) : n;
        if (!src || piece == OCI_LAST_PIECE || piece == OCI_ONE_PIECE) break;
        char *next = nullptr;
        if (src->next(src, &next, &n, &piece) != OCI_CONTINUE) {
            loc->stream = LobStream{};
            return AddErrorRecord(errhp, OCI_ERROR, 24343), OCI_ERROR;
        }
        data = next;
        if (!data && n) return AddErrorRecord(errhp, OCI_ERROR, 3131), OCI_ERROR;
    }
    if (polled && piece != OCI_LAST_PIECE) {
        loc->stream.kind = LobStream::WRITE;
        loc->stream.position = static_cast<std::uint64_t>(pos);
        return OCI_NEED_DATA;
    }
    loc->stream = LobStream{};
    return OCI_SUCCESS;
}

bool valid_piece(ub1 piece) { return piece <= OCI_LAST_PIECE; }

sword write_v1(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *locp, ub4 *amtp, bool append,
               ub4 offset, void *bufp, ub4 bufl, ub1 piece, void *ctxp, OCICallbackLobWrite cbfp, ub2 csid) {
    if (!amtp) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    if (!valid_piece(piece)) return lob_error(errhp, "the piece code is not one a write takes");
    WriteRequest req{*amtp, is_clob(locp), append, offset, static_cast<const char *>(bufp), bufl, piece, csid};
    Source src{next_v1, reinterpret_cast<void *>(cbfp), ctxp, static_cast<char *>(bufp), bufl};
    WriteResult out;
    const sword rc = write_lob(svchp, errhp, env, locp, req, cbfp ? &src : nullptr, &out);
    *amtp = static_cast<ub4>(std::min<std::uint64_t>(out.units, UINT32_MAX));
    return rc;
}

sword write_v2(OCISvcCtx *svchp, OCIError *errhp, OCIEnv *env, OCILobLocator *locp, oraub8 *byte_amtp,
               oraub8 *char_amtp, bool append, oraub8 offset, void *bufp, oraub8 bufl, ub1 piece, void *ctxp,
               OCICallbackLobWrite2 cbfp, ub2 csid) {
    if (!byte_amtp && !char_amtp) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
    if (!valid_piece(piece)) return lob_error(errhp, "the piece code is not one a write takes");
    const bool inChars = is_clob(locp) && char_amtp && *char_amtp && !(byte_amtp && *byte_amtp);
    const std::uint64_t amount = inChars ? *char_amtp : byte_amtp ? *byte_amtp : 0;
    WriteRequest req{amount, inChars, append, offset, static_cast<const char *>(bufp), bufl, piece, csid};
    Source src{next_v2, reinterpret_cast<void *>(cbfp), ctxp, static_cast<char *>(bufp), bufl};
    WriteResult out;
    const sword rc = write_lob(svchp, errhp, env, locp, req, cbfp ? &src : nullptr, &out);
    if (byte_amtp) *byte_amtp = out.bytes;
    if (char_amtp) *char_amtp = is_clob(locp) ? out.units : 0;
    return rc;
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCILobWrite(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amtp, ub4 offset,
                             void *bufp, ub4 buflen, ub1 piece, void *ctxp, OCICallbackLobWrite cbfp, ub2 csid,
                             ub1 csfrm) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBWRITE, [&](OCIEnv *env) {
        return write_v1(svchp, errhp, env, locp, amtp, false, offset, bufp, buflen, piece, ctxp, cbfp, csid);
    }, svchp, errhp, locp, amtp, offset, bufp, buflen, piece, ctxp, cbfp, csid, csfrm);
}

VSK_EXPORT sword OCILobWriteAppend(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *lobp, ub4 *amtp, void *bufp,
                                   ub4 bufl, ub1 piece, void *ctxp, OCICallbackLobWrite cbfp, ub2 csid, ub1 csfrm) {
    return lob_svc_call(svchp, errhp, lobp, 0, [&](OCIEnv *env) {
        return write_v1(svchp, errhp, env, lobp, amtp, true, 0, bufp, bufl, piece, ctxp, cbfp, csid);
    }, svchp, errhp, lobp, amtp, bufp, bufl, piece, ctxp, cbfp, csid, csfrm);
}

VSK_EXPORT sword OCILobWrite2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *byte_amtp,
                              oraub8 *char_amtp, oraub8 offset, void *bufp, oraub8 buflen, ub1 piece, void *ctxp,
                              OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBWRITE2, [&](OCIEnv *env) {
        return write_v2(svchp, errhp, env, locp, byte_amtp, char_amtp, false, offset, bufp, buflen, piece, ctxp,
                        cbfp, csid);
    }, svchp, errhp, locp, byte_amtp, char_amtp, offset, bufp, buflen, piece, ctxp, cbfp, csid, csfrm);
}

VSK_EXPORT sword OCILobWriteAppend2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *lobp, oraub8 *byte_amtp,
                                    oraub8 *char_amtp, void *bufp, oraub8 bufl, ub1 piece, void *ctxp,
                                    OCICallbackLobWrite2 cbfp, ub2 csid, ub1 csfrm) {
    return lob_svc_call(svchp, errhp, lobp, 0, [&](OCIEnv *env) {
        return write_v2(svchp, errhp, env, lobp, byte_amtp, char_amtp, true, 0, bufp, bufl, piece, ctxp, cbfp,
                        csid);
    }, svchp, errhp, lobp, byte_amtp, char_amtp, bufp, bufl, piece, ctxp, cbfp, csid, csfrm);
}

}  // extern "C"
