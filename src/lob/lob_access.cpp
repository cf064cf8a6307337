#include "lob/lob_access.h"

#include <cerrno>

#include "env/env.h"
#include "env/error.h"
#include "lob/lob_call.h"
#include "nls/charset.h"
#include "pqx/large_object.h"

namespace vsk {

namespace {

bool no_converter(iconv_t cd) { return cd == reinterpret_cast<iconv_t>(-1); }

}  // namespace

bool make_route(const OCIEnv *env, OCIError *errhp, ub2 csid, CharsetRoute *route) noexcept {
    const int stored = stored_charset(env);
    const int client = client_charset(env, csid);
    if (client < 0) return lob_error(errhp, "the character set id names no known character set"), false;
    route->read.stored = lob::charset_of(stored);
    route->read.client = lob::charset_of(client);
    if (client == stored) return true;
    if (env && env->isUtf16 && client == env->charsetId) {
        route->read.toClient = env->fromUtf8;
        route->toStored = env->toUtf8;
        return true;
    }
    route->ownRead = IconvHandle(pg_encoding_to_char(client), pg_encoding_to_char(stored));
    route->ownWrite = IconvHandle(pg_encoding_to_char(stored), pg_encoding_to_char(client));
    if (!route->ownRead || !route->ownWrite)
        return lob_error(errhp, "no conversion between the LOB's and the requested character set"), false;
    route->read.toClient = route->ownRead.get();
    route->toStored = route->ownWrite.get();
    return true;
}

bool to_stored(const CharsetRoute &route, OCIError *errhp, const char *data, std::size_t n, std::string *out) noexcept {
    try {
        if (no_converter(route.toStored) || n == 0) {
            out->assign(data, n);
            return true;
        }
        CharBuffer converted;
        std::size_t outlen = 0;
        int err = 0;
        if (transcode(route.toStored, &err, data, n, converted, &outlen) < 0 || !converted) {
            AddConversionErrorRecord(errhp, err ? err : ENOMEM);
            return false;
        }
        out->assign(converted.get(), outlen);
        return true;
    } catch (...) {
        AddErrorRecord(errhp, OCI_ERROR, 16506);
        return false;
    }
}

bool descriptor_current(const OCILobLocator *loc, const PGconn *conn) noexcept {
    return loc->fd >= 0 && loc->fdConn == conn && loc->fdEpoch == pqx::transaction_epoch(conn);
}

bool open_descriptor(PGconn *conn, OCIError *errhp, OCILobLocator *loc) noexcept {
    const int fd = pqx::lo_open_object(conn, errhp, loc->loid);
    if (fd < 0) return false;
    loc->fd = fd;
    loc->fdConn = conn;
    loc->fdEpoch = pqx::transaction_epoch(conn);
    return true;
}

void close_descriptor(PGconn *conn, OCIError *errhp, OCILobLocator *loc) noexcept {
    if (descriptor_current(loc, conn)) pqx::lo_close_object(conn, errhp, loc->fd);
    loc->fd = -1;
    loc->fdConn = nullptr;
}

ServerLob::~ServerLob() {
    if (openedHere_) close_descriptor(conn_, errhp_, loc_);
}

bool ServerLob::open() noexcept {
    if (!conn_) return false;
    wasOpen_ = loc_->fd >= 0;
    if (descriptor_current(loc_, conn_)) return true;
    // Opened by the application in a transaction that has ended since: opened afresh,
    // and open it stays.
    if (!open_descriptor(conn_, errhp_, loc_)) {
        if (wasOpen_) loc_->fd = -1;
        return false;
    }
    openedHere_ = !wasOpen_;
    return true;
}

long long ServerLob::length() noexcept { return pqx::lo_seek_object(conn_, errhp_, loc_->fd, 0, 2); }

}  // namespace vsk
