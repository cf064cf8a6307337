#include "pqx/cancel_request.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/un.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vsk::pqx {

namespace {

// The head of libpq's PGcancel (libpq-int.h of releases 12 to 17): the server's address,
// then the backend's PID and key. Trusted only when it matches the connection.
struct CancelHead {
    // libpq's SockAddr: padded to the alignment of sockaddr_storage.
    struct {
        sockaddr_storage addr;
        socklen_t length;
    } raddr;
    int pid;
    int key;
};

// The protocol's CancelRequest code, 1234 in the high half and 5678 in the low one.
constexpr unsigned kCancelRequestCode = (1234u << 16) | 5678u;

void put_be32(unsigned char *at, unsigned v) noexcept {
    const unsigned be = htonl(v);
    std::memcpy(at, &be, 4);
}

// The same endpoint: family, address and port (padding bytes differ), or the same path.
bool same_endpoint(const sockaddr_storage &a, const sockaddr_storage &b) noexcept {
    if (a.ss_family != b.ss_family) return false;
    switch (a.ss_family) {
    case AF_INET: {
        const auto &x = reinterpret_cast<const sockaddr_in &>(a);
        const auto &y = reinterpret_cast<const sockaddr_in &>(b);
        return x.sin_port == y.sin_port && x.sin_addr.s_addr == y.sin_addr.s_addr;
    }
    case AF_INET6: {
        const auto &x = reinterpret_cast<const sockaddr_in6 &>(a);
        const auto &y = reinterpret_cast<const sockaddr_in6 &>(b);
        return x.sin6_port == y.sin6_port && std::memcmp(&x.sin6_addr, &y.sin6_addr, sizeof x.sin6_addr) == 0;
    }
    case AF_UNIX:
        return std::strncmp(reinterpret_cast<const sockaddr_un &>(a).sun_path,
                            reinterpret_cast<const sockaddr_un &>(b).sun_path, sizeof(sockaddr_un::sun_path)) == 0;
    default:
        return false;
    }
}

}  // namespace

bool read_cancel_key(PGconn *conn, const PGcancel *cancel, CancelKey *key) noexcept {
    if (!conn || !cancel || !key) return false;
    CancelHead head;
    std::memcpy(&head, cancel, sizeof head);
    sockaddr_storage peer{};
    socklen_t peerLength = sizeof peer;
    if (head.pid == 0 || head.pid != PQbackendPID(conn) || head.raddr.length == 0 ||
        head.raddr.length > sizeof head.raddr.addr ||
        getpeername(PQsocket(conn), reinterpret_cast<sockaddr *>(&peer), &peerLength) != 0)
        return false;
    if (!same_endpoint(peer, head.raddr.addr)) return false;
    key->addr = head.raddr.addr;
    key->addrLength = head.raddr.length;
    key->pid = head.pid;
    key->key = head.key;
    return true;
}

bool CancelRequest::start(const CancelKey &key) noexcept {
    close();
    put_be32(packet_, sizeof packet_);
    put_be32(packet_ + 4, kCancelRequestCode);
    put_be32(packet_ + 8, static_cast<unsigned>(key.pid));
    put_be32(packet_ + 12, static_cast<unsigned>(key.key));
    fd_ = socket(key.addr.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return false;
    sent_ = false;
    if (connect(fd_, reinterpret_cast<const sockaddr *>(&key.addr), key.addrLength) != 0 && errno != EINPROGRESS &&
        errno != EAGAIN && errno != EINTR) {
        close();
        return false;
    }
    return true;
}

short CancelRequest::events() const noexcept { return sent_ ? POLLIN : POLLOUT; }

void CancelRequest::progress(short revents) noexcept {
    if (fd_ < 0) return;
    if (!sent_) {
        if (!(revents & (POLLOUT | POLLERR | POLLHUP))) return;
        int error = 0;
        socklen_t size = sizeof error;
        if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0 ||
            send(fd_, packet_, sizeof packet_, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof packet_)) {
            close();
            return;
        }
        sent_ = true;
        return;
    }
    if (!(revents & (POLLIN | POLLERR | POLLHUP))) return;
    // The server sends nothing: data, end of file or an error all mean it is done.
    unsigned char byte;
    const ssize_t n = recv(fd_, &byte, 1, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    close();
}

void CancelRequest::close() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    sent_ = false;
}

}  // namespace vsk::pqx
