// The bookkeeping of a session pool: which sessions are idle, which are handed out, how
// many may be open, and who waits for one. Sessions are opaque pointers here; opening and
// closing them is the caller's work, done outside the lock because it talks to the server.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace vsk {

class PoolBook {
public:
    using Clock = std::chrono::steady_clock;

    // What a get does when every session allowed is busy.
    enum class GetMode : unsigned char { Wait = 0, NoWait = 1, ForceGet = 2 };

    struct Limits {
        unsigned min = 0;
        unsigned max = 1;
        unsigned incr = 1;
    };

    // Settings read and written through the pool's attributes. Zero means "none" for
    // every timeout and lifetime.
    struct Settings {
        GetMode getMode = GetMode::Wait;
        unsigned idleTimeoutSec = 0;
        unsigned waitTimeoutMs = 0;
        unsigned maxLifetimeSec = 0;
    };

    // The outcome of acquire.
    struct Ticket {
        enum Kind { Reused, Open, Full, TimedOut, Closed } kind = Full;
        // Reused: the session handed out.
        void *session = nullptr;
        // Open: a slot is held for the caller's new session (settle it with opened or
        // open_failed), and `extra` more slots for idle sessions to open (add_idle or
        // open_failed for each).
        unsigned extra = 0;
        // Sessions taken off the books that the caller must close: idle ones that
        // expired, or another user's made way for this one.
        std::vector<void *> retire;
    };

    // A pool starts closed: acquire answers Closed until open.
    PoolBook() = default;
    PoolBook(const PoolBook &) = delete;
    PoolBook &operator=(const PoolBook &) = delete;

    // Opens (or reopens after close) the pool with its limits.
    void open(Limits limits);

    // Takes an idle session of key, or a slot to open one, waiting as the get mode says.
    Ticket acquire(const std::string &key);
    // The session opened in a slot of acquire is handed out.
    void opened(const std::string &key, void *session);
    // An idle session opened in an extra slot of acquire.
    void add_idle(const std::string &key, void *session);
    // A slot from acquire whose session could not be opened.
    void open_failed() noexcept;
    // A handed-out session comes back: kept idle when keep is true and the session has
    // not outlived the maximum lifetime. Returns the sessions the caller must close (this
    // one when it is not kept, and idle ones that expired); false owned: not ours.
    std::vector<void *> release(void *session, bool keep, bool *owned = nullptr);
    // Drops a handed-out or idle session from the books without closing it (its handles
    // were released elsewhere).
    void forget(void *session) noexcept;
    // Closes the pool: false (and nothing changed) when sessions are handed out and
    // force is false. Otherwise every session, idle and handed out, is returned for
    // closing, waiters are woken and every later acquire answers Closed.
    bool close(bool force, std::vector<void *> *sessions);

    unsigned open_count() const;
    unsigned busy_count() const;
    bool closed() const;
    Limits limits() const;
    Settings settings() const;
    void set_settings(const Settings &s);

private:
    struct Idle {
        void *session;
        std::string key;
        Clock::time_point created;
        Clock::time_point lastUsed;
    };
    struct Busy {
        std::string key;
        Clock::time_point created;
    };

    unsigned total_locked() const noexcept { return static_cast<unsigned>(idle_.size() + busy_.size()) + opening_; }
    void expire_locked(Clock::time_point now, std::vector<void *> *out);
    bool take_idle_locked(const std::string &key, Ticket *t);
    bool reserve_locked(const std::string &key, Ticket *t);

    mutable std::mutex mutex_;
    std::condition_variable available_;
    Limits limits_;
    Settings settings_;
    // Least recently used first: gets take from the back, expiry trims the front.
    std::vector<Idle> idle_;
    std::unordered_map<void *, Busy> busy_;
    // Slots held by acquire for sessions being opened.
    unsigned opening_ = 0;
    bool closed_ = true;
};

}  // namespace vsk
