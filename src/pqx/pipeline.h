// Several commands sent in one exchange (libpq's pipeline mode), their results read
// back in order: one round trip where sending them one by one would take several.
#pragma once

#include <libpq-fe.h>

#include <vector>

#include "pqx/connection.h"
#include "pqx/server_wait.h"

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
    void send_describe_prepared(const char *stmtName) noexcept;
    // Something could not be sent: finish() then reports the exchange as failed.
    void abandon() noexcept { sent_ok_ = false; }
    // Ends a segment: a command that fails skips the rest of its segment only.
    void sync() noexcept;
    int commands() const noexcept { return commands_; }

    // Synchronises, then hands each command's first result to take(index, ResultPtr) in
    // order, as it comes, and leaves pipeline mode. False when the exchange failed (take
    // has then seen only some commands).
    template <class Take>
    bool drain(Take take) noexcept;

    // Synchronises, then one result per command sent (the first of each; null where
    // none came), and leaves pipeline mode. Empty when the exchange failed.
    std::vector<ResultPtr> finish() noexcept;

private:
    // The next result of the connection, past segment ends; null when none came.
    PGresult *next_result() noexcept;
    void leave() noexcept;

    PGconn *conn_;
    bool entered_ = false;
    bool sent_ok_ = true;
    int commands_ = 0;
    int syncs_ = 0;
};

template <class Take>
bool Pipeline::drain(Take take) noexcept {
    if (!entered_) return false;
    const bool synced = PQpipelineSync(conn_) == 1;
    if (synced) ++syncs_;
    bool complete = synced;
    for (int i = 0; complete && i < commands_; ++i) {
        PGresult *first = next_result();
        if (!first) {
            complete = false;
            break;
        }
        // The null that ends the command's results.
        while (PGresult *more = wait_result(conn_)) PQclear(more);
        take(i, ResultPtr(first));
    }
    leave();
    return complete && sent_ok_;
}

// After a synchronisation point was sent in pipeline mode: the first result of each of
// commands, then everything up to that point, and leaves pipeline mode. Empty when a
// command's result did not come.
std::vector<ResultPtr> collect_pipeline(PGconn *conn, int commands) noexcept;

}  // namespace vsk::pqx
