#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace glosbo::core {

int FileOps::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t FileOps::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileOps::fsync(int fd) {
    return ::fsync(fd);
}

int FileOps::close(int fd) {
    return ::close(fd);
}

off_t FileOps::size(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? st.st_size : off_t(-1);
}

int FileOps::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int FileOps::unlink(const char* path) {
    return ::unlink(path);
}

FileOps& systemFileOps() {
    static FileOps ops;
    return ops;
}

std::string FileError::text() const {
    const char* verb = "cannot write";
    switch (step) {
    case Step::Create:
        verb = "cannot create";
        break;
    case Step::Write:
    case Step::Close:
        verb = "cannot write";
        break;
    case Step::Sync:
        verb = "cannot save to disk";
        break;
    case Step::Verify:
        return "cannot write " + path + ": the file on disk is not the size written";
    case Step::Rename:
        verb = "cannot replace";
        break;
    case Step::SyncDirectory:
        verb = "cannot save to disk the directory of";
        break;
    }
    return std::string(verb) + " " + path + ": " + std::strerror(code);
}

bool writeAll(FileOps& ops, int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ops.write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Syncs the directory entry of a rename. File systems that cannot sync a
// directory say EINVAL; that is no failure of ours.
std::optional<int> syncDirectory(FileOps& ops, const std::string& directory) {
    const int fd = ops.open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return std::nullopt; // a directory we may write but not read
    std::optional<int> failure;
    if (ops.fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) failure = errno;
    ops.close(fd);
    return failure;
}

} // namespace

std::optional<FileError> replaceFile(const std::string& path, std::string_view data, FileOps& ops) {
    using Step = FileError::Step;
    // 0666 less the umask, as an ordinary new file gets; a replaced file
    // keeps its own mode.
    mode_t mode = 0666;
    bool keepMode = false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
        keepMode = true;
    }

    std::random_device random;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary =
            path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000);
        fd = ops.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return FileError{Step::Create, temporary, errno};
    if (keepMode) (void)::fchmod(fd, mode); // the umask may have taken bits away

    const auto fail = [&](Step step, int code) {
        ops.close(fd);
        ops.unlink(temporary.c_str());
        return FileError{step, temporary, code};
    };
    if (!writeAll(ops, fd, data)) return fail(Step::Write, errno);
    if (ops.fsync(fd) != 0) return fail(Step::Sync, errno);
    if (ops.size(fd) != static_cast<off_t>(data.size())) return fail(Step::Verify, EIO);
    if (ops.close(fd) != 0) {
        const int code = errno;
        ops.unlink(temporary.c_str());
        return FileError{Step::Close, temporary, code};
    }
    if (ops.rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ops.unlink(temporary.c_str());
        return FileError{Step::Rename, path, code};
    }
    if (const auto code = syncDirectory(ops, directoryOf(path)))
        return FileError{Step::SyncDirectory, path, *code};
    return std::nullopt;
}

} // namespace glosbo::core
