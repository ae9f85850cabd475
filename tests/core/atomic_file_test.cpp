#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

#include "core/atomic_file.h"
#include "core/test_support.h"

using glosbo::core::FileError;
using glosbo::core::FileOps;
using glosbo::core::replaceFile;
using glosbo::test::readBytes;

namespace {

std::vector<std::string> namesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Real system calls, except that one step fails: writes stop with a full disk
// after a number of bytes, or one other call fails outright.
class FailingOps final : public FileOps {
public:
    enum class Fail { None, Create, WriteMidway, ShortWriteNoProgress, Sync, Size, Close, Rename };
    explicit FailingOps(Fail fail, std::size_t bytesBeforeFull = 0)
        : m_fail(fail), m_room(bytesBeforeFull) {}

    int open(const char* path, int flags, mode_t mode) override {
        if (m_fail == Fail::Create && (flags & O_CREAT)) return failWith(EACCES);
        return FileOps::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (m_fail == Fail::ShortWriteNoProgress) return 0;
        if (m_fail != Fail::WriteMidway) return FileOps::write(fd, data, size);
        if (m_room == 0) return failWith(ENOSPC);
        // Half of what is asked, so the loop has to come back for the rest.
        const std::size_t n = std::min(m_room, std::max<std::size_t>(1, size / 2));
        m_room -= n;
        return FileOps::write(fd, data, n);
    }
    int fsync(int fd) override { return m_fail == Fail::Sync ? failWith(EIO) : FileOps::fsync(fd); }
    off_t size(int fd) override { return m_fail == Fail::Size ? 3 : FileOps::size(fd); }
    int close(int fd) override {
        const int r = FileOps::close(fd);
        return m_fail == Fail::Close ? failWith(EIO) : r;
    }
    int rename(const char* from, const char* to) override {
        return m_fail == Fail::Rename ? failWith(EXDEV) : FileOps::rename(from, to);
    }

private:
    static int failWith(int code) {
        errno = code;
        return -1;
    }
    Fail m_fail;
    std::size_t m_room;
};

} // namespace

TEST(AtomicFile, CreatesAndReplacesKeepingTheMode) {
    glosbo::test::TempRoot dir;
    const std::string path = dir.path() + "/SDIAG.DIA";
    ASSERT_FALSE(replaceFile(path, "first"));
    EXPECT_EQ(readBytes(path), "first");

    ::chmod(path.c_str(), 0640);
    const std::string big(100000, 'x');
    ASSERT_FALSE(replaceFile(path, big));
    EXPECT_EQ(readBytes(path), big);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ASSERT_FALSE(replaceFile(path, ""));
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"SDIAG.DIA"});
}

TEST(AtomicFile, AFailingStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    using Fail = FailingOps::Fail;
    using Step = FileError::Step;
    struct Case {
        Fail fail;
        Step step;
        int code;
    };
    const std::string old = "the old file, whole\r\n";
    const std::string replacement(5000, 'n');
    for (const Case c :
         {Case{Fail::Create, Step::Create, EACCES}, Case{Fail::WriteMidway, Step::Write, ENOSPC},
          Case{Fail::ShortWriteNoProgress, Step::Write, ENOSPC}, Case{Fail::Sync, Step::Sync, EIO},
          Case{Fail::Size, Step::Verify, EIO}, Case{Fail::Close, Step::Close, EIO},
          Case{Fail::Rename, Step::Rename, EXDEV}}) {
        SCOPED_TRACE(static_cast<int>(c.fail));
        glosbo::test::TempRoot dir;
        const std::string path = dir.path() + "/SDIAG.DIA";
        dir.write("SDIAG.DIA", old);
        FailingOps ops(c.fail, 3000);

        const auto error = replaceFile(path, replacement, ops);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->step, c.step);
        EXPECT_EQ(error->code, c.code);
        EXPECT_NE(error->text().find(dir.path()), std::string::npos) << error->text();
        EXPECT_EQ(readBytes(path), old);
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"SDIAG.DIA"});
    }
}

TEST(AtomicFile, WriteFailingMidwayOnAFirstSaveLeavesNothing) {
    glosbo::test::TempRoot dir;
    FailingOps ops(FailingOps::Fail::WriteMidway, 10);
    const auto error = replaceFile(dir.path() + "/NEW.DIA", std::string(100, 'a'), ops);
    ASSERT_TRUE(error);
    EXPECT_NE(error->text().find("No space left on device"), std::string::npos) << error->text();
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST(AtomicFile, AMissingDirectoryIsAClearError) {
    glosbo::test::TempRoot dir;
    const auto error = replaceFile(dir.path() + "/gone/F.DIA", "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileError::Step::Create);
    EXPECT_EQ(error->code, ENOENT);
}
