#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Replacing a file so that a reader, a crash or a full disk never leaves half
// of it: the new bytes go to a temporary file in the same directory, are
// synced and checked, and only then renamed over the old file.
namespace glosbo::core {

// The system calls a replacement makes. Tests derive from it to make one of
// them fail; every call returns what the system call would (-1 and errno on
// failure).
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    // The size of the open file, or -1.
    virtual off_t size(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// The real system calls.
FileOps& systemFileOps();

// Why a replacement failed: the step, the file it concerned and errno.
struct FileError {
    enum class Step { Create, Write, Sync, Close, Verify, Rename, SyncDirectory };
    Step step;
    std::string path;
    int code = 0;

    // "cannot write /x/F.tmp123: No space left on device" (English, for logs
    // and the data tool; windows choose their own words).
    std::string text() const;
};

// Replaces (or creates) path with data. On failure the old file is left as
// it was and no temporary file stays behind, except when only the final sync
// of the directory failed: then the new file is in place but may not yet be
// on disk. A new file gets the mode of the file it replaces (0666 less the
// umask for a first file).
std::optional<FileError> replaceFile(const std::string& path, std::string_view data,
                                     FileOps& ops = systemFileOps());

// Writes all of data to fd, retrying short writes and interrupted calls.
// False (errno set) on failure; a write that makes no progress is a full disk.
bool writeAll(FileOps& ops, int fd, std::string_view data);

} // namespace glosbo::core
