#include <gtest/gtest.h>

#include <set>

#include "core/app_state.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;

namespace {

// A state over a data root with two exercises and one praise file of one
// praise line.
struct PraiseRoot {
    PraiseRoot(const std::string& praiseFile, const std::string& praiseLine) {
        root.write("DATA/datfiler.sve", crlf({"SVE46100.DAT", "SVE23300.DAT", praiseFile}));
        root.write("DATA/DAT/SVE46100.DAT", crlf({"hund#dog", "katt#cat"}));
        root.write("DATA/DAT/SVE23300.DAT", crlf({"sol#sun"}));
        root.write("DATA/LOV/" + praiseFile, crlf({"; ett ber\xF6m", praiseLine}));
        state = std::make_unique<AppState>(DataRoots{root.path(), "", "", "", ""}, messages,
                                           std::make_unique<SeededRandom>(5), nullptr);
        EXPECT_TRUE(state->startUp());
    }
    glosbo::test::TempRoot root;
    glosbo::test::RecordingMessages messages;
    std::unique_ptr<AppState> state;
};

} // namespace

TEST(AppState, SelectingAnExerciseSetsItsProgramAndSoundDirectory) {
    PraiseRoot r("SVOM9001.LOV", "Bra!#");
    r.state->selectExercise("SVE23101.DAT");
    EXPECT_EQ(r.state->files.currentExerciseFile, "SVE23101.DAT");
    EXPECT_EQ(r.state->programNumber, 23101);
    EXPECT_EQ(r.state->sounds.directory(), "S2310");
    r.state->selectExercise("SVE41100.DAT");
    EXPECT_EQ(r.state->programNumber, 41100);
    EXPECT_EQ(r.state->sounds.directory(), "S411");
}

// The praise after a series is read beside the record the window shows: F2
// or a window that shows the last record by the finish picture still has it.
TEST(AppStatePraise, FetchLeavesTheCurrentRecordAlone) {
    PraiseRoot r("SVOM9001.LOV", "Toppen!#Alla r\xE4tt.#");
    r.state->selectExercise("SVE46100.DAT");
    ASSERT_TRUE(r.state->files.Kolla("SVE46100.DAT"));
    r.state->files.haemtaord("SVE46100.DAT", 2);
    r.state->str_postarray(r.state->files.currentRecordLine);
    r.state->series.correctCount = 10;

    const auto praise = r.state->praiseForSeries();
    ASSERT_TRUE(praise.has_value());
    EXPECT_EQ((*praise)[0], "Toppen!");
    EXPECT_EQ((*praise)[1], "Alla r\xE4tt.");
    EXPECT_EQ(r.state->files.currentRecordLine, "katt#cat");
    EXPECT_EQ(r.state->fields[1], "katt");
    EXPECT_EQ(r.state->fields[2], "cat");
}

// Every praise line may name the pupil, the diagnosis test and its result,
// not only the first.
TEST(AppStatePraise, PlaceholdersAreFilledInInEveryLine) {
    // A logged-in pupil with a result below 20 in the test that program
    // 23300 also serves as gets the praise of SVOM9009.LOV for ten right.
    PraiseRoot r("SVOM9009.LOV", "Perfekt, <namn>!#Du \xE4r redo f\xF6r test <diagnos> i "
                                 "diagnosen.#Du hade <res> r\xE4tt.");
    r.state->selectExercise("SVE23300.DAT");
    const int test = 3;
    DiagnosisRecord& record = r.state->diagnosis.record();
    record.name = "Anna";
    record.result[test] = 17;
    r.state->series.correctCount = 10;

    const auto praise = r.state->praiseForSeries();
    ASSERT_TRUE(praise.has_value());
    EXPECT_EQ((*praise)[0], "Perfekt, Anna!");
    EXPECT_EQ((*praise)[1], "Du \xE4r redo f\xF6r test 3 i diagnosen.");
    EXPECT_EQ((*praise)[2], "Du hade 17 r\xE4tt.");
}

TEST(AppStateDraw, DrawsTheCurrentFileWithoutRepetition) {
    glosbo::test::TempRoot root;
    root.write("DATA/datfiler.sve", "SVE10000.DAT\r\n");
    root.write("DATA/DAT/SVE10000.DAT", crlf({"1", "2", "3", "4", "5"}));
    glosbo::test::RecordingMessages messages;
    AppState state(DataRoots{root.path(), "", "", "", ""}, messages,
                   std::make_unique<SeededRandom>(11), nullptr);
    ASSERT_TRUE(state.startUp());
    state.selectExercise("SVE10000.DAT");
    ASSERT_TRUE(state.files.Kolla("SVE10000.DAT"));
    std::set<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.insert(state.haemta_slumptal());
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(state.programNumber, 10000);
}
