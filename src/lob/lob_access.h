// The two ways to a LOB's bytes in one call: the character-set route of a character
// LOB's pieces, and the descriptor of a server large object.
#pragma once

#include <oci.h>
#include <libpq-fe.h>

#include "lob/lob_value.h"
#include "lob/locator.h"
#include "nls/transcode.h"

namespace vsk {

// Converters between the application's character set and the stored one, for one call.
struct CharsetRoute {
    lob::Codec read;                                            // stored -> application
    iconv_t toStored = reinterpret_cast<iconv_t>(-1);           // application -> stored
    IconvHandle ownRead, ownWrite;
};

// false with 1733 recorded when csid names no character set the library can convert.
bool make_route(const OCIEnv *env, OCIError *errhp, ub2 csid, CharsetRoute *route) noexcept;

// The application's bytes as stored bytes (converted only where the route says).
bool to_stored(const CharsetRoute &route, OCIError *errhp, const char *data, std::size_t n, std::string *out) noexcept;

// The descriptor of a locator's server large object for one call. A locator the
// application opened stays open; one opened for the call alone is closed again at its
// end. A descriptor whose transaction ended is opened afresh, never used stale.
class ServerLob {
public:
    ServerLob(PGconn *conn, OCIError *errhp, OCILobLocator *loc) noexcept : conn_(conn), errhp_(errhp), loc_(loc) {}
    ~ServerLob();
    ServerLob(const ServerLob &) = delete;
    ServerLob &operator=(const ServerLob &) = delete;

    // An open descriptor; false (nothing recorded) when the object cannot be opened.
    bool open() noexcept;
    // The application had the locator open before the call.
    bool was_open() const noexcept { return wasOpen_; }
    int fd() const noexcept { return loc_->fd; }
    PGconn *conn() const noexcept { return conn_; }
    OCIError *errhp() const noexcept { return errhp_; }
    // The object's length (seek to its end), or -1.
    long long length() noexcept;

private:
    PGconn *conn_;
    OCIError *errhp_;
    OCILobLocator *loc_;
    bool wasOpen_ = false;
    bool openedHere_ = false;
};

// Whether the locator holds a descriptor that is still good on conn.
bool descriptor_current(const OCILobLocator *loc, const PGconn *conn) noexcept;
// Opens the locator's object on conn and keeps the descriptor; false when it cannot.
bool open_descriptor(PGconn *conn, OCIError *errhp, OCILobLocator *loc) noexcept;
// Closes a current descriptor and forgets any.
void close_descriptor(PGconn *conn, OCIError *errhp, OCILobLocator *loc) noexcept;

}  // namespace vsk
