#pragma once

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "core/sources.h"

// A lock file that keeps programs on several computers from changing a file
// in a shared (network) directory at the same time.
namespace glosbo::core {

// Who holds a lock, as the lock file says: computer, process and the time it
// was taken. The token tells two locks of the same process apart.
struct LockHolder {
    std::string host;
    long pid = 0;
    std::time_t time = 0;
    std::string token;

    std::string toText() const;
    // Nothing for a file that is empty, half written or not a lock.
    static std::optional<LockHolder> fromText(std::string_view text);
};

// What the lock needs from the system besides the clock; tests replace it.
class LockSystem {
public:
    virtual ~LockSystem() = default;
    virtual std::string hostName() const;
    virtual long processId() const;
    // Whether a process of this computer is still running.
    virtual bool isRunning(long pid) const;
    virtual void sleep(std::chrono::milliseconds duration);
};

LockSystem& systemLockSystem();

struct LockOptions {
    // A lock older than this is left over from a program that hung or died
    // on another computer. Saving under the lock takes a fraction of a second.
    std::chrono::seconds staleAfter{60};
    // How long a live lock is waited for before giving up.
    std::chrono::milliseconds waitLimit{20000};
    std::chrono::milliseconds retryEvery{100};
};

struct LockResult {
    enum class Status {
        Locked, // the lock is ours
        Busy,   // another program held it the whole wait; holder says who
        Failed, // the lock file cannot be made; code is errno
    };
    Status status = Status::Failed;
    std::optional<LockHolder> holder;
    int code = 0;
};

// A lock on path (for example "SDIAG.DIA.lock"), created exclusively and
// whole (written under a name of its own, then linked to path). A lock
// left by a process of this computer that is gone, or older than the limit,
// is taken over: it is renamed to a name of this taker's own and checked
// again before it is removed, so that of several takers only one removes it,
// and the new lock is then made exclusively like any other. Unlocks when
// destroyed.
class LockFile {
public:
    LockFile(std::string path, const Clock& clock, LockSystem& system = systemLockSystem(),
             LockOptions options = {});
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    LockResult lock();
    // Removes the lock file if it is still ours.
    void unlock();
    bool isLocked() const { return m_locked; }
    const std::string& path() const { return m_path; }

private:
    enum class Create { Created, Exists, Failed };
    Create tryCreate(int& code);
    bool isStale(const std::optional<LockHolder>& holder, const std::string& file) const;
    void takeOver(const std::string& judged);

    std::string m_path;
    const Clock& m_clock;
    LockSystem& m_system;
    LockOptions m_options;
    std::string m_mine; // the text of our lock file while we hold it
    bool m_locked = false;
};

} // namespace glosbo::core
