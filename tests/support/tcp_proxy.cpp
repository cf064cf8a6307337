#include "tcp_proxy.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace vsk::test {

namespace {

int connect_to(const std::string &host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    int fd = socket(found->ai_family, found->ai_socktype, 0);
    if (fd >= 0 && connect(fd, found->ai_addr, found->ai_addrlen) != 0) {
        close(fd);
        fd = -1;
    }
    freeaddrinfo(found);
    if (fd >= 0) {
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    return fd;
}

bool write_all(int fd, const char *data, std::size_t n) {
    while (n > 0) {
        const ssize_t w = send(fd, data, n, MSG_NOSIGNAL);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        data += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

TcpProxy::TcpProxy(const std::string &host, int port) : host_(host), targetPort_(port) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) throw std::runtime_error("proxy: socket");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof addr;
    if (bind(listener_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr *>(&addr), &size) != 0) {
        close(listener_);
        throw std::runtime_error("proxy: listen");
    }
    port_ = ntohs(addr.sin_port);
    acceptor_ = std::thread([this] { accept_loop(); });
}

TcpProxy::~TcpProxy() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        stalled_ = false;
        for (int fd : sockets_) shutdown(fd, SHUT_RDWR);
    }
    resumed_.notify_all();
    shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    for (std::thread &t : threads_) t.join();
    for (int fd : sockets_) close(fd);
    close(listener_);
}

void TcpProxy::accept_loop() {
    for (;;) {
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR) continue;
            return;
        }
        const int server = connect_to(host_, targetPort_);
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_ || server < 0) {
            close(client);
            if (server >= 0) close(server);
            if (stopping_) return;
            continue;
        }
        ++accepted_;
        sockets_.push_back(client);
        sockets_.push_back(server);
        threads_.emplace_back([this, client, server] { pump(client, server, false); });
        threads_.emplace_back([this, client, server] { pump(server, client, true); });
    }
}

void TcpProxy::pump(int from, int to, bool fromServer) {
    char buffer[16384];
    for (;;) {
        const ssize_t n = recv(from, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            resumed_.wait(lock, [this] { return !stalled_; });
            if (stopping_) break;
        }
        std::size_t forward = static_cast<std::size_t>(n);
        bool cut = false;
        if (fromServer) {
            long long budget = cutBudget_.load();
            while (budget >= 0) {
                const long long left = budget > n ? budget - n : -1;
                if (cutBudget_.compare_exchange_weak(budget, left)) {
                    if (left < 0) {
                        forward = static_cast<std::size_t>(budget);
                        cut = true;
                    }
                    break;
                }
            }
        }
        if (!write_all(to, buffer, forward) || cut) break;
    }
    // Either side gone (or cut): the whole connection goes.
    shutdown(from, SHUT_RDWR);
    shutdown(to, SHUT_RDWR);
}

void TcpProxy::close_all() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int fd : sockets_) shutdown(fd, SHUT_RDWR);
}

void TcpProxy::cut_server_after(long long bytes) { cutBudget_.store(bytes); }

void TcpProxy::stall(bool on) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stalled_ = on;
    }
    resumed_.notify_all();
}

}  // namespace vsk::test
