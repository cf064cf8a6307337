// OCILobRead and OCILobRead2: a LOB's bytes (characters for character LOBs) from a
// 1-based offset, in one piece, in pieces the application polls for, or through a
// callback piece by piece.
#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "env/export.h"
#include "lob/lob_access.h"
#include "lob/lob_call.h"
#include "pqx/large_object.h"

using namespace vsk;

namespace {

constexpr std::uint64_t kAll = UINT64_MAX;

// What one call asks for.
struct ReadRequest {
    std::uint64_t amount;  // units (0: nothing, or with readToEnd everything)
    bool readToEnd;        // OCILobRead2: an amount of 0 reads to the end
    std::uint64_t offset;  // 1-based
    char *buf;
    std::uint64_t bufl;
    ub1 piece;
    bool polled;           // OCILobRead2 without callback: pieces the application asks for
    bool needAllInBuffer;  // OCILobRead without callback: the whole amount must fit
    ub2 csid;
};

struct ReadResult {
    std::uint64_t bytes = 0;  // written to the buffer (over all pieces with a callback)
    std::uint64_t units = 0;  // characters (bytes for binary LOBs) they hold
};

// Hands the application one piece: OCI_CONTINUE goes on. A callback may give a new
// buffer for the next piece (OCILobRead2).
using Deliver = sb4 (*)(void *ctx, const char *buf, std::uint64_t len, ub1 piece, char **nextBuf,
                        std::uint64_t *nextLen);

struct Callback {
    Deliver deliver = nullptr;
    void *appCallback = nullptr;
    void *appCtx = nullptr;
};

sb4 deliver_v1(void *ctx, const char *buf, std::uint64_t len, ub1 piece, char **, std::uint64_t *) {
    auto *cb = static_cast<Callback *>(ctx);
    return reinterpret_cast<OCICallbackLobRead>(cb->appCallback)(cb->appCtx, buf, static_cast<ub4>(len), piece);
}

sb4 deliver_v2(void *ctx, const char *buf, std::uint64_t len, ub1 piece, char **nextBuf, std::uint64_t *nextLen) {
    auto *cb = static_cast<Callback *>(ctx);
    void *changed = nullptr;
    oraub8 changedLen = 0;
    const sb4 rc = reinterpret_cast<OCICallbackLobRead2>(cb->appCallback)(cb->appCtx, buf, len, piece, &changed,
                                                                         &changedLen);
    if (changed && changedLen) {
        *nextBuf = static_cast<char *>(changed);
        *nextLen = changedLen;
    }
    return rc;
}

// The piece loop over any source. take(pos, left, buf, bufl) reads the next piece;
// pos moves by the stored bytes it consumed, left by the units it delivered.
template <class Take>
sword read_pieces(OCILobLocator *loc, const ReadRequest &req, Callback *cb, std::uint64_t pos, std::uint64_t left,
                  std::uint64_t end, ReadResult *out, Take take) {
    char *buf = req.buf;
    std::uint64_t bufl = req.bufl;
    bool first = true;
    for (;;) {
        lob::Piece p;
        if (!take(pos, left, buf, bufl, &p)) return OCI_ERROR;
        pos += p.consumed;
        left -= std::min<std::uint64_t>(left, p.units);
        const bool done = left == 0 || p.consumed == 0 || pos >= end;
        if (!cb) {
            out->bytes = p.out;
            out->units = p.units;
            if (done || !req.polled) {
                loc->stream = LobStream{};
                return OCI_SUCCESS;
            }
            loc->stream.kind = LobStream::READ;
            loc->stream.position = pos;
            loc->stream.left = left;
            return OCI_NEED_DATA;
        }
        out->bytes += p.out;
        out->units += p.units;
        const ub1 code = done ? OCI_LAST_PIECE : first ? OCI_FIRST_PIECE : OCI_NEXT_PIECE;
        first = false;
        char *nextBuf = buf;
        std::uint64_t nextLen = bufl;
        const sb4 rc = cb->deliver(cb, buf, p.out, code, &nextBuf, &nextLen);
        if (done || rc != OCI_CONTINUE) {
            loc->stream = LobStream{};
            return OCI_SUCCESS;
        }
        buf = nextBuf;
        bufl = nextLen;
    }
}

// A LOB held in client memory (a fetched column value or a temporary LOB).
sword read_memory(const OCIEnv *env, OCIError *errhp, OCILobLocator *loc, const ReadRequest &req, Callback *cb,
                  ReadResult *out) {
    const std::string_view v = lob_bytes(loc);
    CharsetRoute route;
    if (is_clob(loc) && !make_route(env, errhp, req.csid, &route)) return OCI_ERROR;
    std::uint64_t pos, left;
    if (req.piece == OCI_NEXT_PIECE && !cb) {
        if (loc->stream.kind != LobStream::READ) return lob_error(errhp, "no piecewise read is in progress");
        pos = loc->stream.position;
        left = loc->stream.left;
    } else {
        if (req.offset == 0) return lob_error(errhp, "LOB offsets start at 1");
        std::uint64_t walked = 0;
        pos = is_clob(loc) ? lob::skip_chars(route.read.stored, v.data(), v.size(), 0, req.offset - 1, &walked)
                           : static_cast<std::size_t>(std::min<std::uint64_t>(req.offset - 1, v.size()));
        if (!is_clob(loc)) walked = pos;
        left = req.amount == 0 && req.readToEnd ? kAll : req.amount;
        // An offset past the end, or nothing asked for: nothing delivered.
        if (walked < req.offset - 1 || pos >= v.size() || left == 0) {
            loc->stream = LobStream{};
            return OCI_SUCCESS;
        }
        if (req.needAllInBuffer && !cb) {
            // The whole amount must fit in the buffer, or nothing is read.
            const std::uint64_t rest =
                is_clob(loc) ? lob::count_chars(route.read.stored, v.data() + pos, v.size() - pos) : v.size() - pos;
            if (std::min(rest, left) > req.bufl) return OCI_NEED_DATA;
        }
    }
    if (req.bufl == 0 || !req.buf) return AddErrorRecord(errhp, OCI_ERROR, 3131), OCI_ERROR;
    return read_pieces(loc, req, cb, pos, left, v.size(), out,
                       [&](std::uint64_t at, std::uint64_t n, char *buf, std::uint64_t bufl, lob::Piece *p) {
                           const std::size_t room = static_cast<std::size_t>(std::min<std::uint64_t>(bufl, SIZE_MAX));
                           *p = is_clob(loc) ? lob::char_piece(route.read, v, at, n, buf, room)
                                             : lob::binary_piece(v, at, n, buf, room);
                           if (p->error) {
                               AddConversionErrorRecord(errhp, p->error);
                               return false;
                           }
                           if (p->consumed == 0 && at < v.size() && n > 0) {
                               // Not even one character fits the buffer.
                               AddErrorRecord(errhp, OCI_ERROR, 3131);
                               return false;
                           }
                           return true;
                       });
}

// A server large object (binary). Without a descriptor the application opened, the
// object is opened for the call and closed again at its end.
sword read_server(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *loc, const ReadRequest &req, Callback *cb,
                  ReadResult *out) {
    ServerLob lob(lob_connection(svchp), errhp, loc);
    if (!lob.open()) return lob_error(errhp, "the large object cannot be opened");
    std::uint64_t start, left;
    if (req.piece == OCI_NEXT_PIECE && !cb) {
        if (loc->stream.kind != LobStream::READ) return lob_error(errhp, "no piecewise read is in progress");
        start = loc->stream.position;
        left = loc->stream.left;
    } else {
        if (req.offset == 0) return lob_error(errhp, "LOB offsets start at 1");
        const long long length = lob.length();
        if (length < 0) return lob_error(errhp, "the length of the large object cannot be read");
        start = req.offset - 1;
        if (start >= static_cast<std::uint64_t>(length)) {
            loc->stream = LobStream{};
            return OCI_SUCCESS;
        }
        const std::uint64_t rest = static_cast<std::uint64_t>(length) - start;
        left = std::min(rest, req.amount == 0 && req.readToEnd ? kAll : req.amount);
        if (left == 0) return OCI_SUCCESS;
        if (req.needAllInBuffer && !cb && left > req.bufl) return OCI_NEED_DATA;
    }
    if (req.bufl == 0 || !req.buf) return AddErrorRecord(errhp, OCI_ERROR, 3131), OCI_ERROR;
    if (pqx::lo_seek_object(lob.conn(), errhp, lob.fd(), static_cast<long long>(start), 0) < 0)
        return lob_error(errhp, "the large object cannot be positioned");
    return read_pieces(loc, req, cb, start, left, start + left, out,
                       [&](std::uint64_t, std::uint64_t n, char *buf, std::uint64_t bufl, lob::Piece *p) {
                           const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(n, bufl));
                           const long long got = pqx::lo_read_object(lob.conn(), errhp, lob.fd(), buf, want);
                           if (got < 0) {
                               lob_error(errhp, "the large object cannot be read");
                               return false;
                           }
                           p->out = p->consumed = static_cast<std::size_t>(got);
                           p->units = static_cast<std::uint64_t>(got);
                           return true;
                       });
}

sword read_lob(OCISvcCtx *svchp, OCIError *errhp, const OCIEnv *env, OCILobLocator *loc, const ReadRequest &req,
               Callback *cb, ReadResult *out) {
    switch (loc->storage) {
    case LobStorage::LargeObject: return read_server(svchp, errhp, loc, req, cb, out);
    case LobStorage::Column:
    case LobStorage::Temporary: return read_memory(env, errhp, loc, req, cb, out);
    default: return lob_error(errhp, "the LOB locator is not initialized");
    }
}

}  // namespace

extern "C" {

VSK_EXPORT sword OCILobRead(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, ub4 *amtp, ub4 offset,
                            void *bufp, ub4 bufl, void *ctxp, OCICallbackLobRead cbfp, ub2 csid, ub1 csfrm) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBREAD, [&](OCIEnv *env) -> sword {
        if (!amtp) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
        ReadRequest req{*amtp, false, offset, static_cast<char *>(bufp), bufl, OCI_ONE_PIECE, false, true, csid};
        *amtp = 0;
        Callback cb{deliver_v1, reinterpret_cast<void *>(cbfp), ctxp};
        ReadResult out;
        const sword rc = read_lob(svchp, errhp, env, locp, req, cbfp ? &cb : nullptr, &out);
        *amtp = static_cast<ub4>(std::min<std::uint64_t>(out.units, UINT32_MAX));
        return rc;
    }, svchp, errhp, locp, amtp, offset, bufp, bufl, ctxp, cbfp, csid, csfrm);
}

VSK_EXPORT sword OCILobRead2(OCISvcCtx *svchp, OCIError *errhp, OCILobLocator *locp, oraub8 *byte_amtp,
                             oraub8 *char_amtp, oraub8 offset, void *bufp, oraub8 bufl, ub1 piece, void *ctxp,
                             OCICallbackLobRead2 cbfp, ub2 csid, ub1 csfrm) {
    return lob_svc_call(svchp, errhp, locp, OCI_FNCODE_LOBREAD2, [&](OCIEnv *env) -> sword {
        if (!byte_amtp && !char_amtp) return AddArgumentErrorRecord(errhp, 4), OCI_ERROR;
        if (piece != OCI_ONE_PIECE && piece != OCI_FIRST_PIECE && piece != OCI_NEXT_PIECE)
            return lob_error(errhp, "the piece code is not one a read takes");
        // Characters for character LOBs when given, else bytes.
        std::uint64_t amount = byte_amtp ? *byte_amtp : 0;
        if (is_clob(locp) && char_amtp && *char_amtp) amount = *char_amtp;
        ReadRequest req{amount, true, offset, static_cast<char *>(bufp), bufl, piece, piece != OCI_ONE_PIECE,
                        false, csid};
        if (is_clob(locp) && amount == (byte_amtp ? *byte_amtp : 0) && amount && !(char_amtp && *char_amtp)) {
            // A byte amount for a character LOB caps the bytes delivered.
            req.amount = 0;
            req.bufl = std::min<std::uint64_t>(bufl, amount);
        }
        Callback cb{deliver_v2, reinterpret_cast<void *>(cbfp), ctxp};
        ReadResult out;
        const sword rc = read_lob(svchp, errhp, env, locp, req, cbfp ? &cb : nullptr, &out);
        if (byte_amtp) *byte_amtp = out.bytes;
        if (char_amtp) *char_amtp = is_clob(locp) ? out.units : 0;
        return rc;
    }, svchp, errhp, locp, byte_amtp, char_amtp, offset, bufp, bufl, piece, ctxp, cbfp, csid, csfrm);
}

}  // extern "C"
