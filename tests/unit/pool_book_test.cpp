// Session pool bookkeeping without a server: limits, growth, get modes, waits, expiry,
// users, release and close. Sessions are plain addresses here.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "connect/pool_book.h"

namespace {

using vsk::PoolBook;
using Kind = PoolBook::Ticket::Kind;

void *session(int n) { return reinterpret_cast<void *>(static_cast<std::uintptr_t>(0x1000 + 16 * n)); }

bool holds(const std::vector<void *> &v, void *s) { return std::find(v.begin(), v.end(), s) != v.end(); }

PoolBook::Settings mode(PoolBook::GetMode m, unsigned waitMs = 0) {
    PoolBook::Settings s;
    s.getMode = m;
    s.waitTimeoutMs = waitMs;
    return s;
}

TEST(PoolBook, ClosedUntilOpened) {
    PoolBook book;
    EXPECT_EQ(book.acquire("").kind, Kind::Closed);
    book.open({0, 2, 1});
    EXPECT_EQ(book.acquire("").kind, Kind::Open);
}

TEST(PoolBook, IdleSessionsAreReusedMostRecentFirst) {
    PoolBook book;
    book.open({2, 4, 1});
    book.add_idle("", session(1));
    book.add_idle("", session(2));
    PoolBook::Ticket t = book.acquire("");
    ASSERT_EQ(t.kind, Kind::Reused);
    EXPECT_EQ(t.session, session(2));
    EXPECT_EQ(book.busy_count(), 1u);
    EXPECT_EQ(book.open_count(), 2u);
    EXPECT_TRUE(book.release(session(2), true).empty());
    EXPECT_EQ(book.acquire("").session, session(2));
}

TEST(PoolBook, GrowsByIncrementUpToMax) {
    struct Case {
        unsigned open, max, incr, extra;
    } cases[] = {{0, 10, 3, 2}, {8, 10, 3, 1}, {9, 10, 3, 0}, {0, 10, 0, 0}, {0, 2, 5, 1}};
    for (const Case &c : cases) {
        PoolBook book;
        book.open({0, c.max, c.incr});
        for (unsigned i = 0; i < c.open; ++i) {
            PoolBook::Ticket t = book.acquire("");
            ASSERT_EQ(t.kind, Kind::Open);
            book.opened("", session(static_cast<int>(i)));
            for (unsigned e = 0; e < t.extra; ++e) book.open_failed();
        }
        PoolBook::Ticket t = book.acquire("");
        ASSERT_EQ(t.kind, Kind::Open) << c.open << "/" << c.max;
        EXPECT_EQ(t.extra, c.extra) << c.open << "/" << c.max << " incr " << c.incr;
    }
}

TEST(PoolBook, FullPoolByGetMode) {
    for (auto m : {PoolBook::GetMode::NoWait, PoolBook::GetMode::ForceGet, PoolBook::GetMode::Wait}) {
        PoolBook book;
        book.open({0, 1, 1});
        book.set_settings(mode(m, 20));
        ASSERT_EQ(book.acquire("").kind, Kind::Open);
        book.opened("", session(1));
        PoolBook::Ticket t = book.acquire("");
        switch (m) {
        case PoolBook::GetMode::NoWait: EXPECT_EQ(t.kind, Kind::Full); break;
        case PoolBook::GetMode::Wait: EXPECT_EQ(t.kind, Kind::TimedOut); break;
        case PoolBook::GetMode::ForceGet: {
            ASSERT_EQ(t.kind, Kind::Open);
            book.opened("", session(2));
            EXPECT_EQ(book.open_count(), 2u);
            // Beyond the maximum: closed when it comes back, not kept.
            std::vector<void *> closing = book.release(session(2), true);
            EXPECT_TRUE(holds(closing, session(2)));
            break;
        }
        }
    }
}

TEST(PoolBook, WaiterGetsTheReleasedSession) {
    PoolBook book;
    book.open({0, 1, 1});
    ASSERT_EQ(book.acquire("").kind, Kind::Open);
    book.opened("", session(1));
    std::atomic<bool> started{false};
    PoolBook::Ticket got;
    std::thread waiter([&] {
        started = true;
        got = book.acquire("");
    });
    while (!started) std::this_thread::yield();
    // Whether the waiter is already asleep or not, it ends up with the session.
    EXPECT_TRUE(book.release(session(1), true).empty());
    waiter.join();
    EXPECT_EQ(got.kind, Kind::Reused);
    EXPECT_EQ(got.session, session(1));
}

TEST(PoolBook, CloseWakesWaiters) {
    PoolBook book;
    book.open({0, 1, 1});
    ASSERT_EQ(book.acquire("").kind, Kind::Open);
    book.opened("", session(1));
    PoolBook::Ticket got;
    std::thread waiter([&] { got = book.acquire(""); });
    std::vector<void *> all;
    EXPECT_FALSE(book.close(false, &all));
    EXPECT_TRUE(all.empty());
    EXPECT_TRUE(book.close(true, &all));
    waiter.join();
    EXPECT_EQ(got.kind, Kind::Closed);
    EXPECT_EQ(all, std::vector<void *>{session(1)});
    EXPECT_EQ(book.open_count(), 0u);
}

TEST(PoolBook, CloseWithoutBusySessionsReturnsTheIdleOnes) {
    PoolBook book;
    book.open({2, 2, 1});
    book.add_idle("", session(1));
    book.add_idle("", session(2));
    std::vector<void *> all;
    ASSERT_TRUE(book.close(false, &all));
    EXPECT_EQ(all.size(), 2u);
    EXPECT_EQ(book.acquire("").kind, Kind::Closed);
}

TEST(PoolBook, DroppedSessionFreesItsSlot) {
    PoolBook book;
    book.open({0, 1, 1});
    book.set_settings(mode(PoolBook::GetMode::NoWait));
    ASSERT_EQ(book.acquire("").kind, Kind::Open);
    book.opened("", session(1));
    std::vector<void *> closing = book.release(session(1), false);
    EXPECT_EQ(closing, std::vector<void *>{session(1)});
    EXPECT_EQ(book.open_count(), 0u);
    EXPECT_EQ(book.acquire("").kind, Kind::Open);
}

TEST(PoolBook, ReleaseOfAStrangerIsRefused) {
    PoolBook book;
    book.open({0, 1, 1});
    bool owned = true;
    EXPECT_TRUE(book.release(session(9), true, &owned).empty());
    EXPECT_FALSE(owned);
}

TEST(PoolBook, UsersHaveTheirOwnSessions) {
    PoolBook book;
    book.open({0, 2, 1});
    book.set_settings(mode(PoolBook::GetMode::NoWait));
    ASSERT_EQ(book.acquire("alice").kind, Kind::Open);
    book.opened("alice", session(1));
    book.release(session(1), true);
    // bob never gets alice's session; with room left he gets a slot of his own.
    PoolBook::Ticket t = book.acquire("bob");
    ASSERT_EQ(t.kind, Kind::Open);
    EXPECT_TRUE(t.retire.empty());
    book.opened("bob", session(2));
    book.release(session(2), true);
    // Full: carol's slot comes from retiring the least recently used idle session.
    t = book.acquire("carol");
    ASSERT_EQ(t.kind, Kind::Open);
    EXPECT_EQ(t.retire, std::vector<void *>{session(1)});
    book.opened("carol", session(3));
    EXPECT_EQ(book.acquire("alice").kind, Kind::Open);
}

TEST(PoolBook, IdleTimeoutShrinksToTheMinimum) {
    PoolBook book;
    book.open({1, 4, 1});
    PoolBook::Settings s;
    s.idleTimeoutSec = 1;
    book.set_settings(s);
    for (int i = 1; i <= 3; ++i) book.add_idle("", session(i));
    EXPECT_EQ(book.open_count(), 3u);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    PoolBook::Ticket t = book.acquire("");
    // The two least recently used go; the most recent is handed out.
    EXPECT_EQ(t.retire.size(), 2u);
    EXPECT_TRUE(holds(t.retire, session(1)));
    EXPECT_TRUE(holds(t.retire, session(2)));
    ASSERT_EQ(t.kind, Kind::Reused);
    EXPECT_EQ(t.session, session(3));
    EXPECT_EQ(book.open_count(), 1u);
}

TEST(PoolBook, MaxLifetimeEndsSessionsOnTheirReturn) {
    PoolBook book;
    book.open({0, 2, 1});
    PoolBook::Settings s;
    s.maxLifetimeSec = 1;
    book.set_settings(s);
    ASSERT_EQ(book.acquire("").kind, Kind::Open);
    book.opened("", session(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_EQ(book.release(session(1), true), std::vector<void *>{session(1)});
}

TEST(PoolBook, ForgottenSessionsLeaveTheBooks) {
    PoolBook book;
    book.open({0, 2, 1});
    book.add_idle("", session(1));
    ASSERT_EQ(book.acquire("").kind, Kind::Reused);
    book.forget(session(1));
    EXPECT_EQ(book.open_count(), 0u);
    EXPECT_EQ(book.busy_count(), 0u);
}

TEST(PoolBook, ManyThreadsNeverExceedTheMaximum) {
    PoolBook book;
    book.open({0, 3, 1});
    std::atomic<int> next{1}, inUse{0}, worst{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&] {
            for (int k = 0; k < 200; ++k) {
                PoolBook::Ticket t = book.acquire("");
                void *s = t.session;
                if (t.kind == Kind::Open) {
                    s = session(next++);
                    book.opened("", s);
                    for (unsigned e = 0; e < t.extra; ++e) book.open_failed();
                }
                ASSERT_TRUE(s);
                int now = ++inUse;
                int w = worst;
                while (now > w && !worst.compare_exchange_weak(w, now)) {
                }
                --inUse;
                book.release(s, true);
            }
        });
    }
    for (auto &t : threads) t.join();
    EXPECT_LE(worst.load(), 3);
    EXPECT_LE(book.open_count(), 3u);
    EXPECT_EQ(book.busy_count(), 0u);
}

}  // namespace
