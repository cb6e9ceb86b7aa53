#include "platform/mfc/afxmt.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(CCriticalSection, RecursiveForItsOwner) {
    CCriticalSection cs;
    EXPECT_TRUE(cs.Lock());
    EXPECT_TRUE(cs.Lock()); // again on the same thread
    EXPECT_TRUE(cs.Unlock());

    // Still held once: another thread cannot take it, nor unlock it.
    std::atomic<int> other{-1};
    std::atomic<int> otherUnlock{-1};
    std::thread([&] {
        other = cs.Lock(0);
        otherUnlock = cs.Unlock();
    }).join();
    EXPECT_EQ(other, FALSE);
    EXPECT_EQ(otherUnlock, FALSE);

    EXPECT_TRUE(cs.Unlock());
    EXPECT_FALSE(cs.Unlock()); // not held any more

    std::thread([&] {
        other = cs.Lock(0);
        cs.Unlock();
    }).join();
    EXPECT_EQ(other, TRUE);
}

TEST(CCriticalSection, SerialisesThreads) {
    CCriticalSection cs;
    long counter = 0;
    auto work = [&] {
        for (int i = 0; i < 10000; ++i) {
            CSingleLock lock(&cs, TRUE);
            ++counter;
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(counter, 20000);
}

TEST(CSingleLock, UnlocksOnceAtTheEnd) {
    CCriticalSection cs;
    {
        CSingleLock lock(&cs);
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(lock.Lock());
        EXPECT_TRUE(lock.Lock()); // no second acquisition
        EXPECT_TRUE(lock.IsLocked());
    }
    std::atomic<int> taken{-1};
    std::thread([&] {
        taken = cs.Lock(0);
        cs.Unlock();
    }).join();
    EXPECT_EQ(taken, TRUE);
    CSingleLock none(nullptr, TRUE);
    EXPECT_FALSE(none.IsLocked());
}

} // namespace
