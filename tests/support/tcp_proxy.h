// A TCP proxy on the loopback interface between the library and the test server, which a
// test can make close its connections, cut one mid-message or stop forwarding.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vsk::test {

class TcpProxy {
public:
    // Listens on 127.0.0.1 (a free port) and forwards each connection to host:port.
    TcpProxy(const std::string &host, int port);
    ~TcpProxy();
    TcpProxy(const TcpProxy &) = delete;
    TcpProxy &operator=(const TcpProxy &) = delete;

    int port() const noexcept { return port_; }
    // Closes every connection made so far, both ways; new ones are still accepted.
    void close_all();
    // The connection that carries the next `bytes` bytes from the server is cut right
    // after them, in the middle of whatever message they belong to.
    void cut_server_after(long long bytes);
    // While on, nothing is forwarded either way (the sockets stay open).
    void stall(bool on);
    // Connections accepted so far.
    int accepted() const noexcept { return accepted_.load(); }

private:
    void accept_loop();
    void pump(int from, int to, bool fromServer);

    std::string host_;
    int targetPort_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<int> accepted_{0};
    std::atomic<long long> cutBudget_{-1};
    std::mutex mutex_;
    std::condition_variable resumed_;
    bool stalled_ = false;
    bool stopping_ = false;
    std::vector<int> sockets_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

}  // namespace vsk::test
