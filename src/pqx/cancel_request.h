// A cancel request sent without blocking. libpq's PQcancel connects, sends and then waits
// for the server to close, with no time limit: over a stalled network it never returns.
// A call that must end at its deadline sends the same request itself and gives up when
// the grace period is over.
#pragma once

#include <libpq-fe.h>
#include <sys/socket.h>

namespace vsk::pqx {

enum CancelCause { CANCEL_NONE, CANCEL_TIMEOUT, CANCEL_BREAK };

// Where the connection's server listens and the key that lets a cancel in.
struct CancelKey {
    sockaddr_storage addr{};
    socklen_t addrLength = 0;
    int pid = 0;
    int key = 0;
};

// The connection's key, read from libpq's cancel object; false when its layout is not the
// one this library knows (checked against the backend's PID and the socket's peer).
bool read_cancel_key(PGconn *conn, const PGcancel *cancel, CancelKey *key) noexcept;

class CancelRequest {
public:
    CancelRequest() = default;
    ~CancelRequest() { close(); }
    CancelRequest(const CancelRequest &) = delete;
    CancelRequest &operator=(const CancelRequest &) = delete;

    // Opens the connection and sends the request as soon as it is up; false when no
    // socket could be had.
    bool start(const CancelKey &key) noexcept;
    // Under way: the server has not yet closed the request's connection.
    bool pending() const noexcept { return fd_ >= 0; }
    int fd() const noexcept { return fd_; }
    // What to poll fd() for.
    short events() const noexcept;
    // Moves on after poll reported revents on fd(); the request is over when the server
    // closes (or anything fails).
    void progress(short revents) noexcept;
    void close() noexcept;

private:
    int fd_ = -1;
    bool sent_ = false;
    unsigned char packet_[16]{};
};

}  // namespace vsk::pqx
