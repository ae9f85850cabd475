#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/scramble.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;

namespace {

// A data root with a file list and a few exercise files.
class DataFilesTest : public ::testing::Test {
protected:
    DataFilesTest() {
        root.write("DATA/datfiler.sve", crlf({"SVE11111.DAT", "SVE22222.DAT", "SVOM9001.LOV",
                                              "notes.txt", "SVE33333.DAT"}));
        // comment, plain "$", "$§", empty, plain record, scrambled record
        root.write("DATA/DAT/SVE11111.DAT",
                   crlf({"; made by hand", "$Rubrik ett", "$\xA7G\xF6r s\xE5 h\xE4r", "",
                         "hund#dog", kryptrad("katt#cat")}));
        root.write("DATA/DAT/SVE22222.DAT", crlf({"$ett", "$tv\xE5", "$tre", "$fyra", "$fem",
                                                  "$%Arbetsblad", "r1", "r2", "r3"}));
        roots.pcPath = root.path();
        files.buildTables();
    }

    bool check(const std::string& name) {
        files.currentExerciseFile = name;
        return files.Kolla(name);
    }

    glosbo::test::TempRoot root;
    DataRoots roots;
    glosbo::test::RecordingMessages messages;
    DataFiles files{roots, messages};
};

} // namespace

TEST_F(DataFilesTest, FileListFillsTheTablesInOrder) {
    EXPECT_EQ(files.fileCount(), 3);
    EXPECT_EQ(files.file(1).name, "SVE11111.DAT");
    EXPECT_EQ(files.file(3).name, "SVE33333.DAT");
    EXPECT_EQ(files.praiseFileCount(), 1);
    EXPECT_EQ(files.praise(1).name, "SVOM9001.LOV");
}

TEST_F(DataFilesTest, LineClassesAndHeadings) {
    ASSERT_TRUE(check("SVE11111.DAT"));
    EXPECT_EQ(files.currentFileIndex, 1);
    EXPECT_EQ(files.file(1).recordCount, 2);
    EXPECT_EQ(files.headings.lines[0], "Rubrik ett");
    EXPECT_EQ(files.headings.lines[1], "");
    EXPECT_EQ(files.headings.instruction, "G\xF6r s\xE5 h\xE4r");
    EXPECT_TRUE(messages.all.empty());

    files.haemtaord("SVE11111.DAT", 2);
    EXPECT_EQ(files.currentRecordLine, kryptrad("katt#cat"));
    files.haemtaord("SVE11111.DAT", 9); // beyond the end: the last line
    EXPECT_EQ(files.currentRecordLine, kryptrad("katt#cat"));
    files.haemtaord("SVE11111.DAT", 1);
    EXPECT_EQ(files.currentRecordLine, "hund#dog");
    files.haemtaord("SVE99999.DAT", 2); // missing: nothing happens
    EXPECT_EQ(files.currentRecordLine, "hund#dog");
    EXPECT_TRUE(messages.all.empty());
}

TEST_F(DataFilesTest, FiveHeadingLinesAndASecondCheck) {
    ASSERT_TRUE(check("SVE22222.DAT"));
    EXPECT_EQ(files.headings.lines[0], "ett");
    EXPECT_EQ(files.headings.lines[1], "tv\xE5");
    EXPECT_EQ(files.headings.lines[2], "fem");
    EXPECT_EQ(files.headings.worksheetInstruction, "Arbetsblad");
    EXPECT_EQ(files.file(2).recordCount, 3);

    // A second check counts nothing and reads headings from the first six lines.
    ASSERT_TRUE(check("SVE22222.DAT"));
    EXPECT_EQ(files.file(2).recordCount, 3);
    EXPECT_EQ(files.headings.lines[2], "fem");
    EXPECT_EQ(files.headings.worksheetInstruction, "Arbetsblad");
}

TEST_F(DataFilesTest, MissingFileGivesBothMessages) {
    EXPECT_FALSE(check("SVE33333.DAT"));
    ASSERT_EQ(messages.all.size(), 2u);
    EXPECT_EQ(messages.all[0], "Filen /DATA/DAT/SVE33333.DAT finns inte eller är felaktig");
    EXPECT_EQ(messages.all[1], "Filen SVE33333.DAT finns inte eller är felaktig");
}

TEST_F(DataFilesTest, UnlistedFilesShareTheLastSlotWithoutMixingCounts) {
    root.write("DATA/DAT/SVE77777.DAT", crlf({"a", "b", "c", "d"}));
    root.write("DATA/DAT/SVE88888.DAT", crlf({"a"}));
    ASSERT_TRUE(check("SVE77777.DAT"));
    EXPECT_EQ(files.currentFileIndex, 140);
    files.currentRecordNumber = 3;
    files.haemtafel("SVE77777.DAT", QueueOp::Add);
    EXPECT_EQ(files.file(140).errorCount, 1);

    ASSERT_TRUE(check("SVE88888.DAT"));
    EXPECT_EQ(files.currentFileIndex, 140);
    EXPECT_EQ(files.file(140).recordCount, 1);
    EXPECT_EQ(files.file(140).errorCount, 0); // the other file's error is gone
    EXPECT_EQ(files.queueLength(), 0);

    ASSERT_TRUE(check("SVE88888.DAT"));
    EXPECT_EQ(files.file(140).recordCount, 1);
}

TEST_F(DataFilesTest, ErrorQueueMoves) {
    ASSERT_TRUE(check("SVE22222.DAT"));
    ASSERT_TRUE(check("SVE11111.DAT"));
    const auto add = [&](int slot, std::uint16_t record) {
        files.currentFileIndex = slot;
        files.currentRecordNumber = record;
        files.haemtafel(files.file(slot).name, QueueOp::Add);
    };
    add(1, 1); // P
    add(2, 3); // Q
    add(1, 2); // R
    const auto queue = [&] {
        std::vector<std::pair<int, int>> q;
        for (int i = 1; i <= files.queueLength(); ++i)
            q.emplace_back(files.queueEntry(i).recordNumber, files.queueEntry(i).fileSlot);
        return q;
    };
    files.currentFileIndex = 1;
    files.haemtafel("SVE11111.DAT", QueueOp::MoveBack);
    EXPECT_EQ(queue(), (std::vector<std::pair<int, int>>{{3, 2}, {2, 1}, {1, 1}}));

    files.haemtafel("SVE11111.DAT", QueueOp::Fetch);
    EXPECT_EQ(files.errorRecordNumber, 2);
    EXPECT_EQ(files.currentRecordLine, kryptrad("katt#cat"));

    files.haemtafel("SVE11111.DAT", QueueOp::Remove);
    EXPECT_EQ(queue(), (std::vector<std::pair<int, int>>{{3, 2}, {1, 1}}));
    EXPECT_EQ(files.file(1).errorCount, 1);
    EXPECT_EQ(files.file(2).errorCount, 1);
}

TEST_F(DataFilesTest, FullQueueDropsTheOldestEntry) {
    ASSERT_TRUE(check("SVE22222.DAT"));
    files.currentRecordNumber = 1;
    files.haemtafel("SVE22222.DAT", QueueOp::Add);
    ASSERT_TRUE(check("SVE11111.DAT"));
    for (int i = 0; i < 400; ++i) {
        files.currentRecordNumber = 2;
        files.haemtafel("SVE11111.DAT", QueueOp::Add);
    }
    EXPECT_EQ(files.queueLength(), 400);
    EXPECT_EQ(files.file(2).errorCount, 0);
    EXPECT_EQ(files.file(1).errorCount, 400);
    EXPECT_EQ(files.queueEntry(1).fileSlot, 1);
}

TEST(DataFilesStartUp, DirectorySearchWhenTheListIsMissing) {
    glosbo::test::TempRoot root;
    root.write("DATA/DAT/SVE23100.DAT", "x\r\n");
    root.write("DATA/DAT/SVE2310.DAT", "x\r\n");
    root.write("DATA/DAT/other.DAT", "x\r\n");
    root.write("DATA/LOV/SVOM9002.LOV", "x\r\n");
    root.write("DATA/LOV/svom9001.lov", "x\r\n");
    DataRoots roots{root.path(), "", "", "", ""};
    glosbo::test::RecordingMessages messages;
    DataFiles files(roots, messages);
    ASSERT_TRUE(files.buildTables());
    ASSERT_EQ(files.fileCount(), 2);
    EXPECT_EQ(files.file(1).name, "SVE2310.DAT"); // a prefix sorts first
    EXPECT_EQ(files.file(2).name, "SVE23100.DAT");
    ASSERT_EQ(files.praiseFileCount(), 2);
    EXPECT_EQ(files.praise(1).name, "SVOM9002.LOV"); // byte-wise: capitals first
    EXPECT_TRUE(messages.all.empty());
}

TEST(DataFilesStartUp, NoDataDirectoryEndsTheProgram) {
    glosbo::test::TempRoot empty;
    DataRoots roots{empty.path(), "/no/cd", "", "", ""};
    glosbo::test::RecordingMessages messages;
    AppState state(roots, messages, std::make_unique<SeededRandom>(1), nullptr);
    EXPECT_FALSE(state.startUp());
    ASSERT_EQ(messages.all.size(), 1u);
    EXPECT_EQ(messages.all[0], "Kan inte hitta katalogen /no/cd/DATA");
}
