#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include "core/lock_file.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;
using Status = LockResult::Status;

namespace {

constexpr std::time_t kNow = 1765000000;

// Computer "pc1", process 100; waiting moves the fixed clock on instead of
// sleeping, and may run a step of the test.
class FakeSystem final : public LockSystem {
public:
    explicit FakeSystem(FixedClock& clock) : m_clock(clock) {}
    std::string hostName() const override { return "pc1"; }
    long processId() const override { return 100; }
    bool isRunning(long pid) const override {
        if (onLookAtProcess) onLookAtProcess(pid);
        return running.count(pid) > 0;
    }
    void sleep(std::chrono::milliseconds d) override {
        slept += d;
        m_clock.set(kNow + std::chrono::duration_cast<std::chrono::seconds>(slept).count());
        if (onSleep) onSleep();
    }

    std::set<long> running{100};
    std::chrono::milliseconds slept{0};
    std::function<void()> onSleep;
    std::function<void(long)> onLookAtProcess;

private:
    FixedClock& m_clock;
};

struct Fixture {
    glosbo::test::TempRoot dir;
    FixedClock clock{kNow};
    FakeSystem system{clock};
    std::string path = dir.path() + "/SDIAG.DIA.lock";

    void plant(const std::string& text, std::time_t modified = kNow) {
        dir.write("SDIAG.DIA.lock", text);
        const utimbuf times{modified, modified};
        ::utime(path.c_str(), &times);
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        return names;
    }
};

std::string holderText(const std::string& host, long pid, std::time_t time) {
    return LockHolder{host, pid, time, "t0k3n"}.toText();
}

} // namespace

TEST(LockFile, HoldsHostPidAndTimeUntilUnlocked) {
    Fixture f;
    {
        LockFile lock(f.path, f.clock, f.system);
        const LockResult r = lock.lock();
        ASSERT_EQ(r.status, Status::Locked);
        const auto holder = LockHolder::fromText(readBytes(f.path));
        ASSERT_TRUE(holder);
        EXPECT_EQ(holder->host, "pc1");
        EXPECT_EQ(holder->pid, 100);
        EXPECT_EQ(holder->time, kNow);
        EXPECT_TRUE(lock.isLocked());
    }
    EXPECT_TRUE(f.files().empty());
}

TEST(LockFile, ALiveLockIsWaitedForABoundedTime) {
    Fixture f;
    f.system.running.insert(200);
    f.plant(holderText("pc1", 200, kNow));
    LockFile lock(f.path, f.clock, f.system,
                  {std::chrono::seconds(120), std::chrono::milliseconds(3000),
                   std::chrono::milliseconds(250)});
    const LockResult r = lock.lock();
    EXPECT_EQ(r.status, Status::Busy);
    ASSERT_TRUE(r.holder);
    EXPECT_EQ(r.holder->host, "pc1");
    EXPECT_EQ(r.holder->pid, 200);
    EXPECT_EQ(f.system.slept, std::chrono::milliseconds(3000));
    EXPECT_FALSE(lock.isLocked());
    lock.unlock();
    EXPECT_EQ(readBytes(f.path), holderText("pc1", 200, kNow)) << "someone else's lock stays";
}

TEST(LockFile, ALockReleasedDuringTheWaitIsTaken) {
    Fixture f;
    f.system.running.insert(200);
    f.plant(holderText("pc1", 200, kNow));
    int sleeps = 0;
    f.system.onSleep = [&] {
        if (++sleeps == 3) std::filesystem::remove(f.path);
    };
    LockFile lock(f.path, f.clock, f.system);
    EXPECT_EQ(lock.lock().status, Status::Locked);
    EXPECT_EQ(sleeps, 3);
    EXPECT_EQ(LockHolder::fromText(readBytes(f.path))->pid, 100);
}

TEST(LockFile, StaleLocksAreTakenOverAndLiveOnesAreNot) {
    struct Case {
        const char* what;
        std::string text;
        std::time_t modified;
        bool taken;
    };
    const std::time_t old = kNow - 121;
    const Case cases[] = {
        {"dead process here", holderText("pc1", 300, kNow), kNow, true},
        {"live process here", holderText("pc1", 200, kNow - 100), kNow, false},
        {"live process here, too old", holderText("pc1", 200, old), kNow, true},
        // A pid of another computer cannot be looked at here.
        {"other computer, recent", holderText("pc2", 300, kNow - 60), kNow, false},
        {"other computer, too old", holderText("pc2", 300, old), kNow, true},
        {"a time in the future", holderText("pc2", 300, kNow + 3600), kNow, false},
        {"half written, recent", "pc2\n30", kNow - 5, false},
        {"empty, too old", "", old, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.system.running.insert(200);
        f.plant(c.text, c.modified);
        LockFile lock(f.path, f.clock, f.system,
                      {std::chrono::seconds(120), std::chrono::milliseconds(0),
                       std::chrono::milliseconds(100)});
        EXPECT_EQ(lock.lock().status, c.taken ? Status::Locked : Status::Busy);
        if (c.taken) {
            EXPECT_EQ(LockHolder::fromText(readBytes(f.path))->pid, 100);
        }
        EXPECT_EQ(f.files().size(), 1u) << "nothing left beside the lock";
    }
}

// Another program takes the stale lock over and makes its own between our
// judging the old lock stale and our taking it: we must not remove theirs.
TEST(LockFile, ATakerThatCameSecondLeavesTheWinnersLockAlone) {
    Fixture f;
    f.system.running.insert(200);
    f.plant(holderText("pc1", 300, kNow));
    const std::string winner = holderText("pc1", 200, kNow);
    f.system.onLookAtProcess = [&](long pid) {
        if (pid == 300) f.plant(winner);
    };
    LockFile lock(
        f.path, f.clock, f.system,
        {std::chrono::seconds(120), std::chrono::milliseconds(0), std::chrono::milliseconds(100)});
    EXPECT_EQ(lock.lock().status, Status::Busy);
    EXPECT_EQ(readBytes(f.path), winner);
    EXPECT_EQ(f.files().size(), 1u);
}

TEST(LockFile, ALockTakenOverFromUsIsNotRemovedByUs) {
    Fixture f;
    LockFile lock(f.path, f.clock, f.system);
    ASSERT_EQ(lock.lock().status, Status::Locked);
    const std::string theirs = holderText("pc2", 5, kNow);
    f.plant(theirs);
    lock.unlock();
    EXPECT_EQ(readBytes(f.path), theirs);
}

TEST(LockFile, AMissingDirectoryFails) {
    Fixture f;
    LockFile lock(f.dir.path() + "/gone/X.lock", f.clock, f.system);
    const LockResult r = lock.lock();
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_EQ(r.code, ENOENT);
}

// Eight processes find a lock left by a dead process, all try to take it
// over, and then count in a shared file under the lock. A lost count means
// two of them held the lock at once.
TEST(LockFile, ProcessesRacingForAStaleLockNeverHoldItTogether) {
    glosbo::test::TempRoot dir;
    const std::string lockPath = dir.path() + "/COUNT.lock";
    const std::string countPath = dir.path() + "/COUNT";
    dir.write("COUNT", "0");

    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ::waitpid(gone, nullptr, 0);
    dir.write("COUNT.lock",
              LockHolder{systemLockSystem().hostName(), gone, std::time(nullptr), "x"}.toText());

    constexpr int kProcesses = 8, kRounds = 25;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SystemClock clock;
            for (int i = 0; i < kRounds; ++i) {
                LockFile lock(lockPath, clock, systemLockSystem(),
                              {std::chrono::seconds(120), std::chrono::milliseconds(20000),
                               std::chrono::milliseconds(1)});
                if (lock.lock().status != Status::Locked) _exit(2);
                const int n = std::stoi(readBytes(countPath));
                std::ofstream(countPath, std::ios::trunc) << n + 1;
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(readBytes(countPath), std::to_string(kProcesses * kRounds));
    EXPECT_FALSE(std::filesystem::exists(lockPath));
}
