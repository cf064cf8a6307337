#include "connect/pool_book.h"

#include <algorithm>

namespace vsk {

namespace {

bool outlived(PoolBook::Clock::time_point since, unsigned seconds, PoolBook::Clock::time_point now) noexcept {
    return seconds != 0 && now - since >= std::chrono::seconds(seconds);
}

}  // namespace

void PoolBook::open(Limits limits) {
    std::lock_guard<std::mutex> lock(mutex_);
    limits_ = limits;
    if (limits_.max == 0) limits_.max = 1;
    if (limits_.min > limits_.max) limits_.min = limits_.max;
    if (limits_.incr == 0) limits_.incr = 1;
    closed_ = false;
}

void PoolBook::expire_locked(Clock::time_point now, std::vector<void *> *out) {
    // Idle timeout: the least recently used go first, down to the minimum.
    while (!idle_.empty() && total_locked() > limits_.min &&
           outlived(idle_.front().lastUsed, settings_.idleTimeoutSec, now)) {
        out->push_back(idle_.front().session);
        idle_.erase(idle_.begin());
    }
    if (settings_.maxLifetimeSec == 0) return;
    auto old = std::stable_partition(idle_.begin(), idle_.end(), [&](const Idle &e) {
        return !outlived(e.created, settings_.maxLifetimeSec, now);
    });
    for (auto it = old; it != idle_.end(); ++it) out->push_back(it->session);
    idle_.erase(old, idle_.end());
}

bool PoolBook::take_idle_locked(const std::string &key, Ticket *t) {
    for (auto it = idle_.rbegin(); it != idle_.rend(); ++it) {
        if (it->key != key) continue;
        busy_.emplace(it->session, Busy{it->key, it->created});
        t->kind = Ticket::Reused;
        t->session = it->session;
        idle_.erase(std::next(it).base());
        return true;
    }
    return false;
}

bool PoolBook::reserve_locked(const std::string &key, Ticket *t) {
    const unsigned total = total_locked();
    if (total < limits_.max) {
        const unsigned n = std::max(1u, std::min(limits_.incr, limits_.max - total));
        opening_ += n;
        t->kind = Ticket::Open;
        t->extra = n - 1;
        return true;
    }
    // Full, but idle sessions of another user can make way.
    auto other = std::find_if(idle_.begin(), idle_.end(), [&](const Idle &e) { return e.key != key; });
    if (other == idle_.end()) return false;
    t->retire.push_back(other->session);
    idle_.erase(other);
    ++opening_;
    t->kind = Ticket::Open;
    t->extra = 0;
    return true;
}

PoolBook::Ticket PoolBook::acquire(const std::string &key) {
    Ticket t;
    std::unique_lock<std::mutex> lock(mutex_);
    const Clock::time_point start = Clock::now();
    const unsigned waitMs = settings_.waitTimeoutMs;
    const Clock::time_point deadline = start + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (closed_) {
            t.kind = Ticket::Closed;
            return t;
        }
        const Clock::time_point now = Clock::now();
        expire_locked(now, &t.retire);
        if (take_idle_locked(key, &t) || reserve_locked(key, &t)) return t;
        switch (settings_.getMode) {
        case GetMode::NoWait:
            t.kind = Ticket::Full;
            return t;
        case GetMode::ForceGet:
            ++opening_;
            t.kind = Ticket::Open;
            return t;
        case GetMode::Wait:
            break;
        }
        if (waitMs == 0) {
            available_.wait(lock);
        } else if (available_.wait_until(lock, deadline) == std::cv_status::timeout) {
            // One last look: a release may have come with the timeout.
            if (closed_) {
                t.kind = Ticket::Closed;
                return t;
            }
            if (take_idle_locked(key, &t) || reserve_locked(key, &t)) return t;
            t.kind = Ticket::TimedOut;
            return t;
        }
    }
}

void PoolBook::opened(const std::string &key, void *session) {
    const Clock::time_point now = Clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    if (opening_) --opening_;
    busy_.emplace(session, Busy{key, now});
}

void PoolBook::add_idle(const std::string &key, void *session) {
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Booked first: when that throws, the caller's open_failed gives the slot back.
        idle_.push_back(Idle{session, key, now, now});
        if (opening_) --opening_;
    }
    available_.notify_all();
}

void PoolBook::open_failed() noexcept {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (opening_) --opening_;
    }
    available_.notify_all();
}

std::vector<void *> PoolBook::release(void *session, bool keep, bool *owned) {
    std::vector<void *> out;
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = busy_.find(session);
        if (owned) *owned = it != busy_.end();
        if (it == busy_.end()) return out;
        // Room first: once out of busy_ the session must land in idle_ or out.
        idle_.reserve(idle_.size() + 1);
        out.reserve(1);
        Busy entry = std::move(it->second);
        busy_.erase(it);
        // A session opened beyond the maximum (forced get) is not kept.
        if (keep && !closed_ && total_locked() < limits_.max && !outlived(entry.created, settings_.maxLifetimeSec, now))
            idle_.push_back(Idle{session, std::move(entry.key), entry.created, now});
        else
            out.push_back(session);
        expire_locked(now, &out);
    }
    available_.notify_all();
    return out;
}

void PoolBook::forget(void *session) noexcept {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        busy_.erase(session);
        idle_.erase(std::remove_if(idle_.begin(), idle_.end(), [&](const Idle &e) { return e.session == session; }),
                    idle_.end());
    }
    available_.notify_all();
}

bool PoolBook::close(bool force, std::vector<void *> *sessions) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!busy_.empty() && !force) return false;
        // Room first, so that running out of memory leaves the pool as it was.
        sessions->reserve(sessions->size() + idle_.size() + busy_.size());
        closed_ = true;
        for (const Idle &e : idle_) sessions->push_back(e.session);
        for (const auto &b : busy_) sessions->push_back(b.first);
        idle_.clear();
        busy_.clear();
    }
    available_.notify_all();
    return true;
}

unsigned PoolBook::open_count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<unsigned>(idle_.size() + busy_.size());
}

unsigned PoolBook::busy_count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<unsigned>(busy_.size());
}

bool PoolBook::closed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}

PoolBook::Limits PoolBook::limits() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return limits_;
}

PoolBook::Settings PoolBook::settings() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_;
}

void PoolBook::set_settings(const Settings &s) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        settings_ = s;
    }
    // Waiters recompute nothing, but a new get mode may let them go.
    available_.notify_all();
}

}  // namespace vsk
