#include "core/lock_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "core/atomic_file.h"

namespace glosbo::core {

namespace {
// A takeover guard older than this was left by a program that died.
constexpr std::time_t kGuardStaleSeconds = 10;
} // namespace

std::string LockHolder::toText() const {
    return host + "\n" + std::to_string(pid) + "\n" + std::to_string(time) + "\n" + token + "\n";
}

std::optional<LockHolder> LockHolder::fromText(std::string_view text) {
    std::istringstream in{std::string(text)};
    LockHolder h;
    std::string pid, time;
    if (!std::getline(in, h.host) || !std::getline(in, pid) || !std::getline(in, time) ||
        !std::getline(in, h.token) || h.host.empty() || h.token.empty())
        return std::nullopt;
    try {
        std::size_t used = 0;
        h.pid = std::stol(pid, &used);
        if (used != pid.size() || h.pid <= 0) return std::nullopt;
        h.time = static_cast<std::time_t>(std::stoll(time, &used));
        if (used != time.size()) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return h;
}

std::string LockSystem::hostName() const {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || !name[0]) return "localhost";
    return name;
}

long LockSystem::processId() const {
    return static_cast<long>(::getpid());
}

bool LockSystem::isRunning(long pid) const {
    // EPERM: it runs, under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void LockSystem::sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

LockSystem& systemLockSystem() {
    static LockSystem system;
    return system;
}

namespace {

// The whole file, or nothing when it is not there.
std::optional<std::string> readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string randomToken() {
    std::random_device random;
    std::ostringstream s;
    s << std::hex << random() << random();
    return s.str();
}

} // namespace

LockFile::LockFile(std::string path, const Clock& clock, LockSystem& system, LockOptions options)
    : m_path(std::move(path)), m_clock(clock), m_system(system), m_options(options) {}

LockFile::~LockFile() {
    unlock();
}

LockFile::Create LockFile::tryCreate(int& code) {
    // The lock is written whole under a name of our own first and then
    // linked to its name, which fails when the name exists, as O_EXCL does.
    // So a lock never exists without its holder in it, even when its maker
    // is killed while making it.
    const LockHolder me{m_system.hostName(), m_system.processId(), m_clock.now(), randomToken()};
    const std::string text = me.toText();
    const std::string mine = m_path + ".new-" + me.token;
    const int fd = ::open(mine.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        code = errno;
        return Create::Failed;
    }
    const bool written = writeAll(systemFileOps(), fd, text);
    code = errno;
    if (::close(fd) != 0 || !written) {
        if (written) code = errno;
        ::unlink(mine.c_str());
        return Create::Failed;
    }
    Create result = Create::Created;
    if (::link(mine.c_str(), m_path.c_str()) != 0) {
        code = errno;
        // Over NFS the reply to a link that was made can be lost; the link
        // count tells.
        struct stat st {};
        if (code == EEXIST || ::stat(mine.c_str(), &st) != 0 || st.st_nlink != 2)
            result = code == EEXIST ? Create::Exists : Create::Failed;
    }
    ::unlink(mine.c_str());
    if (result == Create::Created) m_mine = text;
    return result;
}

bool LockFile::isStale(const std::optional<LockHolder>& holder, const std::string& file) const {
    std::time_t taken = 0;
    if (holder) {
        if (holder->host == m_system.hostName() && !m_system.isRunning(holder->pid)) return true;
        taken = holder->time;
    } else {
        // Empty or half written: its creator may still be writing it, or
        // died doing so. Only its age tells.
        struct stat st {};
        if (::stat(file.c_str(), &st) != 0) return false;
        taken = st.st_mtime;
    }
    return m_clock.now() - taken > m_options.staleAfter.count();
}

void LockFile::takeOver(const std::string& judged) {
    // Several programs may judge the same lock stale at once. One at a time
    // holds a short-lived guard beside the lock, reads the lock again under
    // it and removes it only while it is still the file judged stale; a
    // fresh lock made meanwhile stays. (Moving the lock aside and putting a
    // fresh one back would leave a moment in which the name is free, so a
    // third program could take it while the fresh lock's owner still
    // believes it holds the lock.)
    const std::string guard = m_path + ".takeover";
    const int fd = ::open(guard.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A live guard is held for a moment only; an old one was left by a
        // program that died holding it.
        struct stat st {};
        if (errno == EEXIST && ::stat(guard.c_str(), &st) == 0 &&
            m_clock.now() - st.st_mtime > kGuardStaleSeconds)
            ::unlink(guard.c_str());
        return;
    }
    ::close(fd);
    if (const auto now = readText(m_path); now && *now == judged) ::unlink(m_path.c_str());
    ::unlink(guard.c_str());
}

LockResult LockFile::lock() {
    if (m_locked) return {LockResult::Status::Locked, std::nullopt, 0};
    std::chrono::milliseconds waited{0};
    std::optional<LockHolder> lastHolder;
    int quickTries = 0;
    for (;;) {
        int code = 0;
        switch (tryCreate(code)) {
        case Create::Created:
            m_locked = true;
            return {LockResult::Status::Locked, std::nullopt, 0};
        case Create::Failed:
            return {LockResult::Status::Failed, std::nullopt, code};
        case Create::Exists:
            break;
        }
        const auto text = readText(m_path);
        // A lock that vanished or was stale: try again at once, but never
        // spin without end.
        if (!text || isStale(LockHolder::fromText(*text), m_path)) {
            if (text) takeOver(*text);
            if (++quickTries < 100) continue;
        } else {
            lastHolder = LockHolder::fromText(*text);
        }
        quickTries = 0;
        if (waited >= m_options.waitLimit) return {LockResult::Status::Busy, lastHolder, EEXIST};
        m_system.sleep(m_options.retryEvery);
        waited += m_options.retryEvery;
    }
}

void LockFile::unlock() {
    if (!m_locked) return;
    m_locked = false;
    // A lock taken over from us (we hung past the limit) is no longer ours.
    const auto text = readText(m_path);
    if (text && *text == m_mine) ::unlink(m_path.c_str());
}

} // namespace glosbo::core
