#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

#include "core/scramble.h"
#include "core/teacher_password.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;
using Status = TeacherPasswordLoad::Status;

namespace {

struct Directory {
    glosbo::test::TempRoot dir;
    SystemClock clock;
    std::string file() const { return dir.path() + "/" + TeacherPassword::kFileName; }
    TeacherPasswordFile passwords(FileOps& ops = systemFileOps()) const {
        return TeacherPasswordFile(dir.path(), clock, systemLockSystem(), {}, ops);
    }
};

class NoWrites final : public FileOps {
public:
    int open(const char*, int, mode_t) override {
        errno = EACCES;
        return -1;
    }
};

} // namespace

TEST(TeacherPassword, RecordLayoutScramblesBothTexts) {
    const std::string b = teacherPasswordRecord("hemlis");
    ASSERT_EQ(b.size(), 54u);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b.substr(1, 7), kryptrad("L\xC4RARE"));
    EXPECT_EQ(b[1], ')');
    EXPECT_EQ(b[27], 7);
    EXPECT_EQ(b.substr(28, 7), kryptrad("hemlis"));
    EXPECT_EQ(teacherPasswordFromBytes(b), "hemlis");
    EXPECT_EQ(teacherPasswordFromBytes(b + std::string(54, 'x')), "hemlis") << "first record";

    std::string tooLong = b;
    tooLong[27] = 27;
    EXPECT_FALSE(teacherPasswordFromBytes(tooLong));
    EXPECT_FALSE(teacherPasswordFromBytes(b.substr(0, 53)));
}

TEST(TeacherPassword, ValidPasswords) {
    EXPECT_TRUE(validTeacherPassword("a"));
    EXPECT_TRUE(validTeacherPassword("0123456789"));
    EXPECT_TRUE(validTeacherPassword("a)"));
    EXPECT_FALSE(validTeacherPassword(""));
    EXPECT_FALSE(validTeacherPassword("01234567890"));
    EXPECT_FALSE(validTeacherPassword(")abc")) << "would read back without its )";
}

TEST(TeacherPassword, AMissingFileIsMadeWithTheMasterPassword) {
    Directory d;
    TeacherPasswordFile file = d.passwords();
    const TeacherPasswordLoad first = file.load();
    EXPECT_EQ(first.status, Status::Created);
    EXPECT_EQ(first.password, "KVARNSTO");
    EXPECT_EQ(readBytes(d.file()), teacherPasswordRecord("KVARNSTO"));
    EXPECT_TRUE(first.holdsMasterPassword());
    EXPECT_TRUE(TeacherPasswordFile::accepts(first, "KVARNSTO"));
    EXPECT_FALSE(TeacherPasswordFile::accepts(first, "Tre Ekar")) << "no built-in password";
    EXPECT_FALSE(TeacherPasswordFile::accepts(first, "kvarnsto"));

    ASSERT_FALSE(file.save("ny1"));
    const TeacherPasswordLoad again = file.load();
    EXPECT_EQ(again.status, Status::Read);
    EXPECT_FALSE(again.holdsMasterPassword());
    EXPECT_FALSE(TeacherPasswordFile::accepts(again, "KVARNSTO"));
    EXPECT_TRUE(TeacherPasswordFile::accepts(again, "ny1"));
    EXPECT_FALSE(TeacherPasswordFile::accepts(again, "Tre Ekar"));
}

TEST(TeacherPassword, AFileThatCannotBeMadeLeavesTheMasterPassword) {
    Directory d;
    NoWrites noWrites;
    const TeacherPasswordLoad load = d.passwords(noWrites).load();
    EXPECT_EQ(load.status, Status::CreateFailed);
    EXPECT_TRUE(load.error);
    EXPECT_TRUE(TeacherPasswordFile::accepts(load, "KVARNSTO"));
    EXPECT_FALSE(TeacherPasswordFile::accepts(load, "")) << "never an empty password";
    EXPECT_FALSE(std::filesystem::exists(d.file()));
}

// A damaged file lets nobody in until it is reset; the reset writes the
// master password whatever the file held.
TEST(TeacherPassword, DamagedOrEmptyFilesAdmitNobodyUntilReset) {
    std::string tooLong = teacherPasswordRecord("abc");
    tooLong[27] = 40;
    for (const std::string& bytes :
         {teacherPasswordRecord("abc").substr(0, 30), tooLong, teacherPasswordRecord("")}) {
        Directory d;
        d.dir.write(TeacherPassword::kFileName, bytes);
        TeacherPasswordFile file = d.passwords();
        const TeacherPasswordLoad load = file.load();
        EXPECT_FALSE(TeacherPasswordFile::accepts(load, ""));
        EXPECT_FALSE(TeacherPasswordFile::accepts(load, "abc"));
        EXPECT_FALSE(TeacherPasswordFile::accepts(load, "KVARNSTO"));
        EXPECT_FALSE(TeacherPasswordFile::accepts(load, "Tre Ekar"));
        EXPECT_EQ(readBytes(d.file()), bytes) << "reading never rewrites";
        ASSERT_FALSE(file.reset());
        EXPECT_EQ(readBytes(d.file()), teacherPasswordRecord("KVARNSTO"));
        const TeacherPasswordLoad reset = file.load();
        EXPECT_TRUE(reset.holdsMasterPassword());
        EXPECT_TRUE(TeacherPasswordFile::accepts(reset, "KVARNSTO"));
        ASSERT_FALSE(file.save("nytt"));
        EXPECT_TRUE(TeacherPasswordFile::accepts(file.load(), "nytt"));
    }
}
