#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "core/records_file.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;
using Save = RecordsSave::Status;

namespace {

const LockOptions kQuickLock{std::chrono::seconds(120), std::chrono::milliseconds(30000),
                             std::chrono::milliseconds(1)};

RecordEntry entry(const std::string& name, std::int32_t result) {
    RecordEntry e;
    e.name = name;
    e.year = 1998;
    e.month = 6;
    e.day = 19;
    e.hour = 22;
    e.minute = 5;
    e.result = result;
    return e;
}

std::vector<RecordEntry> table(std::initializer_list<std::int32_t> results) {
    std::vector<RecordEntry> all;
    for (const auto r : results)
        all.push_back(entry("E" + std::to_string(all.size() + 1), r));
    return all;
}

std::vector<RecordEntry> fullTable(std::int32_t lowest) {
    std::vector<RecordEntry> all;
    for (int i = 0; i < kRecordRanks; ++i)
        all.push_back(entry("E" + std::to_string(i + 1), lowest + kRecordRanks - 1 - i));
    return all;
}

struct Directory {
    glosbo::test::TempRoot dir;
    SystemClock clock;
    std::string file() const { return dir.path() + "/SVE32110.SVR"; }
    RecordsFile records() const {
        return RecordsFile(file(), clock, systemLockSystem(), kQuickLock);
    }
};

} // namespace

TEST(RecordsFile, EntryBytesRoundTripAndIgnoreNameBytesPastTheLength) {
    RecordEntry e = entry("\xC5sa", -7); // Åsa
    std::string bytes = e.toBytes();
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(bytes.substr(0, 4), "\x03\xC5sa");
    EXPECT_EQ(bytes.substr(22, 2), std::string("\xCE\x07", 2)); // 1998 little-endian
    bytes[10] = 'Z';
    EXPECT_EQ(RecordEntry::fromBytes(bytes), e);
}

TEST(RecordsFile, MergeTable) {
    struct Case {
        const char* what;
        std::vector<RecordEntry> stored;
        std::int32_t result;
        std::optional<int> rank;
        std::vector<std::int32_t> saved; // results in saved order
    };
    std::vector<std::int32_t> fullSaved;
    for (int i = 0; i < kRecordRanks - 1; ++i)
        fullSaved.push_back(10 + kRecordRanks - 1 - i);
    fullSaved.push_back(11);
    const Case cases[] = {
        {"empty table, result 0", {}, 0, 1, {0}},
        {"tie stays below the older entry", table({300, 200, 100}), 200, 3, {300, 200, 200, 100}},
        {"stored order is walked, not sorted",
         table({100, 300, 200}),
         250,
         1,
         {250, 100, 300, 200}},
        {"below everything goes last", table({5, 4}), 3, 3, {5, 4, 3}},
        {"negative results rank too", table({0}), -5, 2, {0, -5}},
        {"full table, equal to the lowest", fullTable(10), 10, std::nullopt, {}},
        {"full table, better than the last only", fullTable(10), 11, 100, fullSaved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RecordsMerge m = mergeRecords(c.stored, entry("Ny", c.result));
        EXPECT_EQ(m.rank, c.rank);
        if (!c.rank) continue;
        ASSERT_EQ(m.entries.size(), c.saved.size());
        for (std::size_t i = 0; i < c.saved.size(); ++i)
            EXPECT_EQ(m.entries[i].result, c.saved[i]);
        EXPECT_EQ(m.entries[*c.rank - 1].name, "Ny");
    }
    // The last one of the full table fell off; the others are kept.
    const RecordsMerge last = mergeRecords(fullTable(10), entry("Ny", 11));
    EXPECT_EQ(last.entries[98].name, "E99");
}

TEST(RecordsFile, DamagedFiles) {
    const std::string good = recordsBytes(table({3, 2, 1}));
    EXPECT_FALSE(parseRecordsFile(good).damaged);
    EXPECT_FALSE(parseRecordsFile("").damaged);
    EXPECT_TRUE(parseRecordsFile(good + "x").damaged) << "not whole entries";
    EXPECT_TRUE(parseRecordsFile(recordsBytes(fullTable(1)) + good.substr(0, 36)).damaged)
        << "101 entries";
    std::string longName = good;
    longName[36] = char(22);
    EXPECT_TRUE(parseRecordsFile(longName).damaged) << "name length beyond the field";
}

TEST(RecordsFile, CellTexts) {
    EXPECT_EQ(recordRankText(1), "    1");
    EXPECT_EQ(recordRankText(42), "  42");
    EXPECT_EQ(recordRankText(100), "100");
    EXPECT_EQ(recordNameText("Bo"), "   Bo");
    EXPECT_EQ(recordNameText(std::string(25, 'a')).size(), 24u);
    EXPECT_EQ(recordDateText(entry("", 0)), "980619 22:05");
    const std::pair<std::int32_t, const char*> results[] = {{0, ""},
                                                            {-3, ""},
                                                            {30001, ""},
                                                            {7, "         7"},
                                                            {42, "        42"},
                                                            {999, "      999"},
                                                            {1126, "    1126"},
                                                            {30000, "   30000"}};
    for (const auto& [result, text] : results)
        EXPECT_EQ(recordResultText(result), text) << result;
    EXPECT_EQ(recordsFileName("/d/SVE31310.DAT"), "/d/SVE31310.SVR");
}

TEST(RecordsFile, SaveKeepsEntriesBelowAnEmptyNameAndLeavesAFullTableAlone) {
    Directory d;
    std::vector<RecordEntry> stored = table({90, 80, 70, 60, 50, 40, 30});
    stored[4].name.clear();
    d.dir.write("SVE32110.SVR", recordsBytes(stored));
    const RecordsSave r = d.records().save(entry("Ny", 65));
    EXPECT_EQ(r.status, Save::Saved);
    EXPECT_EQ(r.rank, 4);
    const RecordsContents after = parseRecordsFile(readBytes(d.file()));
    ASSERT_EQ(after.entries.size(), 8u);
    EXPECT_EQ(after.entries[5].name, "");
    EXPECT_EQ(after.entries[7].result, 30);

    d.dir.write("SVE32110.SVR", recordsBytes(fullTable(10)));
    const std::string before = readBytes(d.file());
    EXPECT_EQ(d.records().save(entry("Ny", 10)).status, Save::NotPlaced);
    EXPECT_EQ(readBytes(d.file()), before);
}

TEST(RecordsFile, ADamagedFileIsNeverWrittenAndAMissingOneIsCreated) {
    Directory d;
    d.dir.write("SVE32110.SVR", "short");
    EXPECT_EQ(d.records().save(entry("Ny", 5)).status, Save::Damaged);
    EXPECT_EQ(readBytes(d.file()), "short");

    Directory e;
    int code = 0;
    ASSERT_TRUE(e.records().ensureExists(code));
    EXPECT_EQ(e.records().load().status, RecordsLoad::Status::Loaded);
    EXPECT_EQ(readBytes(e.file()), "");
    EXPECT_FALSE(RecordsFile("/nonexistent-dir/X.SVR", e.clock).ensureExists(code));
}

TEST(RecordsFile, BusyLockIsReported) {
    Directory d;
    SystemClock clock;
    LockFile held(d.file() + ".lock", clock);
    ASSERT_EQ(held.lock().status, LockResult::Status::Locked);
    RecordsFile file(
        d.file(), clock, systemLockSystem(),
        {std::chrono::seconds(120), std::chrono::milliseconds(20), std::chrono::milliseconds(5)});
    EXPECT_EQ(file.save(entry("Ny", 5)).status, Save::Busy);
}

// Eight processes add a result each at the same moment: all eight are kept.
TEST(RecordsFile, EightProcessesAddingAtOnceKeepAll) {
    Directory d;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < 8; ++p) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(go[1]);
            char c;
            (void)!::read(go[0], &c, 1); // returns when the parent closes the pipe
            SystemClock clock;
            RecordsFile file(d.file(), clock, systemLockSystem(), kQuickLock);
            _exit(file.save(entry("Elev " + std::to_string(p), 100 + p)).status == Save::Saved ? 0
                                                                                               : 1);
        }
        children.push_back(child);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const RecordsContents after = parseRecordsFile(readBytes(d.file()));
    EXPECT_FALSE(after.damaged);
    ASSERT_EQ(after.entries.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(after.entries[i].result, 107 - i);
}

// A process saving in a loop is killed at random moments: the file always
// holds whole entries.
TEST(RecordsFile, KilledDuringSavesTheFileStaysWhole) {
    Directory d;
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SystemClock clock;
            RecordsFile file(d.file(), clock, systemLockSystem(), kQuickLock);
            for (int i = 0;; ++i)
                file.save(entry("Elev", (round * 7 + i) % 500));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1 + random() % 10));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string bytes = readBytes(d.file());
        EXPECT_FALSE(parseRecordsFile(bytes).damaged) << bytes.size();
    }
    EXPECT_EQ(RecordsFile(d.file(), d.clock).save(entry("Sist", 9999)).status, Save::Saved);
}
