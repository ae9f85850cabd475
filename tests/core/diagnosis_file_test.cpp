#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "core/diagnosis_file.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;
using Save = DiagnosisSave::Status;
using Load = DiagnosisLoad::Status;

namespace {

const std::string kFixtures = GLOSBO_TEST_FIXTURES "/diagnosis/";

// Short retries, so that processes saving at once do not idle.
const LockOptions kQuickLock{std::chrono::seconds(120), std::chrono::milliseconds(30000),
                             std::chrono::milliseconds(1)};

DiagnosisRecord pupil(const std::string& name, int result1) {
    DiagnosisRecord r;
    r.name = name;
    r.password = "pw";
    r.result[1] = result1;
    r.status[1] = GeStatusTal(r, 1);
    return r;
}

// A diagnosis directory with a copy of a fixture in it.
struct Directory {
    glosbo::test::TempRoot dir;
    SystemClock clock;
    explicit Directory(const std::string& fixture = "") {
        if (!fixture.empty()) dir.write(DiagnosisFile::kFileName, readBytes(kFixtures + fixture));
    }
    std::string file() const { return dir.path() + "/" + DiagnosisFile::kFileName; }
    DiagnosisFile diagnosis(FileOps& ops = systemFileOps()) const {
        return DiagnosisFile(dir.path(), clock, systemLockSystem(), kQuickLock, ops);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            all.push_back(e.path().filename().string());
        return all;
    }
};

// Writes stop with a full disk after a number of bytes.
class FullDisk final : public FileOps {
public:
    explicit FullDisk(std::size_t room) : m_room(room) {}
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (m_room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, m_room);
        m_room -= n;
        return FileOps::write(fd, data, n);
    }

private:
    std::size_t m_room;
};

void expectWholeValidFile(const std::string& path, const std::string& namePrefix) {
    const DiagnosisLoad load = loadDiagnosisFile(path);
    if (load.status == Load::Missing) return; // killed before the first save
    ASSERT_EQ(load.status, Load::Loaded);
    EXPECT_FALSE(load.contents.damaged()) << load.contents.fileSize() << " bytes";
    for (std::size_t i = 0; i < load.contents.records.size(); ++i)
        EXPECT_EQ(load.contents.record(i).name.rfind(namePrefix, 0), 0u)
            << load.contents.record(i).name;
}

} // namespace

TEST(DiagnosisFile, LoadsTheFixtures) {
    struct Case {
        const char* file;
        std::size_t records;
        std::size_t tail;
    };
    for (const Case c :
         {Case{"good.DIA", 3, 0}, Case{"truncated.DIA", 2, 128}, Case{"corrupt.DIA", 2, 0}}) {
        SCOPED_TRACE(c.file);
        const DiagnosisLoad load = loadDiagnosisFile(kFixtures + c.file);
        ASSERT_EQ(load.status, Load::Loaded);
        EXPECT_EQ(load.contents.records.size(), c.records);
        EXPECT_EQ(load.contents.tailBytes, c.tail);
        EXPECT_EQ(load.contents.damaged(), std::string(c.file) != "good.DIA");
        EXPECT_EQ(load.contents.record(0).name, "\xC5sa Berg");
        EXPECT_EQ(load.contents.record(0).result[17], 20);
    }
    const DiagnosisContents corrupt = loadDiagnosisFile(kFixtures + "corrupt.DIA").contents;
    EXPECT_EQ(corrupt.record(1).name.size(), 21u) << "a name length beyond its field is cut";
    EXPECT_EQ(corrupt.badLengths, 1u);
    EXPECT_TRUE(corrupt.damaged()) << "and the file is not rewritten";
    EXPECT_EQ(corrupt.record(1).status[5], 9);

    EXPECT_EQ(loadDiagnosisFile(kFixtures + "none.DIA").status, Load::Missing);
}

TEST(DiagnosisFile, FindsNamesInCapitals) {
    const DiagnosisContents good = loadDiagnosisFile(kFixtures + "good.DIA").contents;
    EXPECT_EQ(good.find("\xE5SA BERG"), 0u); // åSA BERG
    EXPECT_EQ(good.find("bo nilsson"), 1u);
    EXPECT_EQ(good.find("\xE9mile \xF6st"), 2u); // émile öst
    EXPECT_FALSE(good.find("Bo"));
}

TEST(DiagnosisFile, SaveReplacesTheSameNameInAnyCaseAndKeepsTheOthersByteForByte) {
    Directory d("good.DIA");
    const std::string before = readBytes(d.file());
    const std::string r0 = before.substr(0, 336), r2 = before.substr(672, 336);

    const DiagnosisRecord bo = pupil("Bo Nilsson", 17);
    EXPECT_EQ(d.diagnosis().save(bo).status, Save::Saved);
    EXPECT_EQ(readBytes(d.file()), r0 + bo.toBytes() + r2);

    const DiagnosisRecord newcomer = pupil("\xC4lva", 3); // Älva
    EXPECT_EQ(d.diagnosis().save(newcomer).status, Save::Saved);
    EXPECT_EQ(readBytes(d.file()), r0 + bo.toBytes() + r2 + newcomer.toBytes());
    EXPECT_EQ(d.names(), std::vector<std::string>{DiagnosisFile::kFileName}) << "no lock left";
}

TEST(DiagnosisFile, TheFirstSaveCreatesTheFile) {
    Directory d;
    const DiagnosisRecord anna = pupil("Anna", 15);
    EXPECT_EQ(d.diagnosis().load().status, Load::Missing);
    EXPECT_EQ(d.diagnosis().save(anna).status, Save::Saved);
    EXPECT_EQ(readBytes(d.file()), anna.toBytes());
}

TEST(DiagnosisFile, OldLeftoversOfKilledSavesAreRemoved) {
    Directory d("good.DIA");
    const std::time_t now = std::time(nullptr);
    const auto plant = [&](const std::string& name, std::time_t modified) {
        d.dir.write(name, "x");
        const std::filesystem::path path = d.dir.path() + "/" + name;
        std::filesystem::last_write_time(path,
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::seconds(std::time(nullptr) - modified));
    };
    plant("SDIAG.DIA.tmp4242-17", now - 3600);
    plant("SDIAG.DIA.lock.stale-9a8b", now - 3600);
    plant("SDIAG.DIA.lock.new-77", now - 3600);
    plant("SDIAG.DIA.tmp4243-18", now - 5); // a save that may still run
    plant("OTHER.DIA.tmp1-1", now - 3600);
    FixedClock clock(now);
    DiagnosisFile file(d.dir.path(), clock, systemLockSystem(), kQuickLock);
    ASSERT_EQ(file.save(pupil("Anna", 15)).status, Save::Saved);
    auto names = d.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"OTHER.DIA.tmp1-1", "SDIAG.DIA", "SDIAG.DIA.tmp4243-18"}));
}

TEST(DiagnosisFile, ADamagedFileIsNeverOverwritten) {
    Directory d("truncated.DIA");
    const std::string before = readBytes(d.file());
    const DiagnosisSave r = d.diagnosis().save(pupil("Anna", 15));
    EXPECT_EQ(r.status, Save::Damaged);
    EXPECT_EQ(readBytes(d.file()), before);
}

// A status no test gives is not a pupil's record: the file is damaged and
// a save leaves it as it stands (see also the fuzz regressions).
TEST(DiagnosisFile, ARecordWithOddResultsMakesTheFileDamaged) {
    Directory d("good.DIA");
    std::string bytes = readBytes(d.file());
    bytes[336 + 116 + 4] = 9; // status 9 of test 5 of the second pupil
    d.dir.write(DiagnosisFile::kFileName, bytes);
    const DiagnosisRecord anna = pupil("Anna", 15);
    ASSERT_EQ(d.diagnosis().save(anna).status, Save::Damaged);
    EXPECT_EQ(readBytes(d.file()), bytes);
}

// Cut files and lengths beyond their fields are refused by every change
// except archiving, which keeps the file whole under its new name.
TEST(DiagnosisFile, DamagedFilesAreRefusedAndLeftAsTheyAre) {
    std::string longPassword = readBytes(kFixtures + "good.DIA");
    longPassword[336 + 22] = 11;
    for (const std::string& bytes : {readBytes(kFixtures + "truncated.DIA"),
                                     readBytes(kFixtures + "corrupt.DIA"), longPassword}) {
        Directory d;
        d.dir.write(DiagnosisFile::kFileName, bytes);
        const DiagnosisLoad load = d.diagnosis().load();
        EXPECT_TRUE(load.contents.damaged());
        EXPECT_EQ(d.diagnosis().save(pupil("Anna", 15)).status, Save::Damaged);
        EXPECT_EQ(d.diagnosis().remove("\xC5sa Berg").status, DiagnosisChange::Status::Damaged);
        EXPECT_EQ(readBytes(d.file()), bytes);
        const DiagnosisChange archived = d.diagnosis().archive();
        ASSERT_EQ(archived.status, DiagnosisChange::Status::Done);
        EXPECT_EQ(readBytes(d.dir.path() + "/" + archived.archive), bytes);
    }
}

TEST(DiagnosisFile, RemovalTakesTheExactNameAndEveryEmptyName) {
    Directory d("good.DIA");
    const std::string before = readBytes(d.file());
    const std::string anna = before.substr(0, 336), emile = before.substr(672, 336);
    DiagnosisRecord nameless;
    d.dir.write(DiagnosisFile::kFileName, before + nameless.toBytes() + anna);
    using Change = DiagnosisChange::Status;

    EXPECT_EQ(d.diagnosis().remove("bo nilsson").status, Change::NotFound)
        << "removal compares the stored name exactly";
    EXPECT_EQ(readBytes(d.file()).size(), 4u * 336) << "only the empty name was dropped";
    EXPECT_EQ(d.diagnosis().remove("BO NILSSON").status, Change::Done);
    EXPECT_EQ(readBytes(d.file()), anna + emile + anna);
    EXPECT_EQ(d.diagnosis().remove("\xC5sa Berg").status, Change::Done);
    EXPECT_EQ(readBytes(d.file()), emile);
    EXPECT_EQ(d.diagnosis().load().contents.names(), std::vector<std::string>{"\xC9mile \xD6st"});

    Directory empty;
    EXPECT_EQ(empty.diagnosis().remove("Anna").status, Change::Missing);
}

TEST(DiagnosisFile, ArchivesNeverReplaceEachOther) {
    Directory d("good.DIA");
    const std::string first = readBytes(d.file());
    std::tm when{};
    when.tm_year = 102, when.tm_mon = 11, when.tm_mday = 1, when.tm_hour = 8, when.tm_min = 23;
    when.tm_isdst = -1;
    FixedClock clock(std::mktime(&when));
    EXPECT_EQ(archiveName(clock.now()), "SV0212010823.DIS");
    const auto archive = [&] {
        return DiagnosisFile(d.dir.path(), clock, systemLockSystem(), kQuickLock).archive();
    };
    const DiagnosisChange a = archive();
    ASSERT_EQ(a.status, DiagnosisChange::Status::Done);
    EXPECT_EQ(a.archive, "SV0212010823.DIS");
    EXPECT_EQ(archive().status, DiagnosisChange::Status::Missing) << "nothing left to archive";

    ASSERT_EQ(d.diagnosis().save(pupil("Anna", 15)).status, Save::Saved);
    const DiagnosisChange b = archive();
    ASSERT_EQ(b.status, DiagnosisChange::Status::Done);
    EXPECT_EQ(b.archive, "SV0212010823-2.DIS");
    EXPECT_EQ(readBytes(d.dir.path() + "/SV0212010823.DIS"), first);
    EXPECT_EQ(readBytes(d.dir.path() + "/SV0212010823-2.DIS"), pupil("Anna", 15).toBytes());
    EXPECT_EQ(d.diagnosis().load().status, Load::Missing);
}

TEST(DiagnosisFile, AReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    Directory d("good.DIA");
    const std::string before = readBytes(d.file());
    std::filesystem::permissions(d.dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const DiagnosisSave r = d.diagnosis().save(pupil("Anna", 15));
    const DiagnosisChange removed = d.diagnosis().remove("BO NILSSON");
    std::filesystem::permissions(d.dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(r.status, Save::Failed);
    EXPECT_EQ(removed.status, DiagnosisChange::Status::Failed);
    EXPECT_EQ(readBytes(d.file()), before);
}

TEST(DiagnosisFile, AWriteFailingMidwayLeavesTheOldFileWhole) {
    Directory d("good.DIA");
    const std::string before = readBytes(d.file());
    FullDisk disk(500);
    const DiagnosisSave r = d.diagnosis(disk).save(pupil("Anna", 15));
    EXPECT_EQ(r.status, Save::Failed);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->step, FileError::Step::Write);
    EXPECT_EQ(r.code, ENOSPC);
    EXPECT_EQ(readBytes(d.file()), before);
    EXPECT_EQ(d.names(), std::vector<std::string>{DiagnosisFile::kFileName});
}

TEST(DiagnosisFile, ALiveLockIsReportedWithItsHolder) {
    Directory d("good.DIA");
    FixedClock clock(std::time(nullptr));
    LockFile other(d.file() + ".lock", clock);
    ASSERT_EQ(other.lock().status, LockResult::Status::Locked);
    DiagnosisFile file(
        d.dir.path(), clock, systemLockSystem(),
        {std::chrono::seconds(120), std::chrono::milliseconds(20), std::chrono::milliseconds(5)});
    const DiagnosisSave r = file.save(pupil("Anna", 15));
    EXPECT_EQ(r.status, Save::Busy);
    ASSERT_TRUE(r.holder);
    EXPECT_EQ(r.holder->pid, static_cast<long>(::getpid()));
}

// A process saving in a loop is killed at random moments: the file is
// always whole records, and the next save takes over the lock it left.
TEST(DiagnosisFile, KilledDuringSavesTheFileStaysWhole) {
    Directory d;
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        // The child reports its first finished save through a pipe, so the
        // kill falls among later saves however slowly a loaded machine
        // starts the child.
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(saved[0]);
            SystemClock clock;
            DiagnosisFile file(d.dir.path(), clock, systemLockSystem(), kQuickLock);
            for (int i = 0;; ++i) {
                file.save(pupil("Elev " + std::to_string((7 * round + i) % 40), i));
                if (i == 0) {
                    const char one = 1;
                    (void)!::write(saved[1], &one, 1);
                    ::close(saved[1]);
                }
            }
        }
        ::close(saved[1]);
        char one = 0;
        ASSERT_EQ(::read(saved[0], &one, 1), 1) << "the child saved once";
        ::close(saved[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(1 + random() % 12));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        expectWholeValidFile(d.file(), "Elev ");
    }
    // With the usual lock limits: a lock the killed process left is taken
    // at once, not after the wait.
    SystemClock clock;
    DiagnosisFile usual(d.dir.path(), clock);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(usual.save(pupil("Elev 0", 1)).status, Save::Saved);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    expectWholeValidFile(d.file(), "Elev ");
    EXPECT_GT(d.diagnosis().load().contents.records.size(), 1u) << "the children saved";
}

// Eight processes save fifty pupils each into one file: all 400 are there,
// each once with its result.
TEST(DiagnosisFile, EightProcessesSavingAtOnceLoseNothing) {
    Directory d("good.DIA");
    const std::string fixture = readBytes(d.file());
    constexpr int kProcesses = 8, kSaves = 50;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SystemClock clock;
            DiagnosisFile file(d.dir.path(), clock, systemLockSystem(), kQuickLock);
            for (int i = 1; i <= kSaves; ++i) {
                const std::string name = "Elev " + std::to_string(p) + "-" + std::to_string(i);
                if (file.save(pupil(name, i % 21)).status != Save::Saved) _exit(1);
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
    const DiagnosisLoad load = d.diagnosis().load();
    ASSERT_EQ(load.status, Load::Loaded);
    ASSERT_EQ(load.contents.records.size(), 3u + kProcesses * kSaves);
    EXPECT_EQ(readBytes(d.file()).substr(0, 3 * 336), fixture);
    for (int p = 0; p < kProcesses; ++p)
        for (int i = 1; i <= kSaves; ++i) {
            const auto at =
                load.contents.find("ELEV " + std::to_string(p) + "-" + std::to_string(i));
            ASSERT_TRUE(at) << p << "-" << i;
            EXPECT_EQ(load.contents.record(*at).result[1], i % 21);
        }
}
