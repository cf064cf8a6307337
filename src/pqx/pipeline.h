// Several commands sent in one exchange (libpq's pipeline mode), their results read
// back in order: one round trip where sending them one by one would take several.
#pragma once

#include <libpq-fe.h>

#include <vector>

#include "pqx/connection.h"

namespace vsk::pqx {

class Pipeline {
public:
    // Enters pipeline mode; ok() is false when the connection cannot (commands in flight).
    explicit Pipeline(PGconn *conn) noexcept;
    ~Pipeline();
    Pipeline(const Pipeline &) = delete;
    Pipeline &operator=(const Pipeline &) = delete;

    bool ok() const noexcept { return entered_ && sent_ok_; }

    void send(const char *sql, int nParams = 0, const Oid *types = nullptr, const char *const *values = nullptr,
              const int *lengths = nullptr, const int *formats = nullptr, int resultFormat = 0) noexcept;
    void send_prepared(const char *stmtName, int nParams, const char *const *values, const int *lengths,
                       const int *formats, int resultFormat) noexcept;
    void send_describe_portal(const char *portal) noexcept;
    void send_prepare(const char *stmtName, const char *query, int nParams, const Oid *types) noexcept;
    // Something could not be sent: finish() then reports the exchange as failed.
    void abandon() noexcept { sent_ok_ = false; }

    // Synchronises, then one result per command sent (the first of each; null where
    // none came), and leaves pipeline mode. Empty when the exchange failed.
    std::vector<ResultPtr> finish() noexcept;

private:
    PGconn *conn_;
    bool entered_ = false;
    bool sent_ok_ = true;
    int commands_ = 0;
};

// After a synchronisation point was sent in pipeline mode: the first result of each of
// commands, then everything up to that point, and leaves pipeline mode. Empty when a
// command's result did not come.
std::vector<ResultPtr> collect_pipeline(PGconn *conn, int commands) noexcept;

}  // namespace vsk::pqx
