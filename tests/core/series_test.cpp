#include <gtest/gtest.h>

#include <set>

#include "core/app_state.h"
#include "core/series.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;
using glosbo::test::RecordingMessages;
using glosbo::test::TempRoot;

namespace {

constexpr const char* kFile = "SVE31110.DAT";
constexpr int kRecords = 30;

// A data root with one exercise file of 30 records ("ord n # svar n") and
// the praise files of a practice series; a fixed random order and clock.
class SeriesTest : public ::testing::Test {
protected:
    SeriesTest() {
        std::vector<std::string> records = {"$Vilket ord", "$\xA7Skriv ordet."};
        for (int n = 1; n <= kRecords; ++n)
            records.push_back("ord " + std::to_string(n) + " # svar " + std::to_string(n));
        root.write("DATA/DAT/SVE31110.DAT", crlf(records));
        root.write("DATA/DAT/SVE41100.DAT", crlf({"a # b", "c # d"}));
        root.write("DATA/datfiler.sve",
                   crlf({"SVE41100.DAT", kFile, "SVOM9001.LOV", "SVOM9002.LOV", "SVOM9013.LOV"}));
        root.write("DATA/LOV/SVOM9001.LOV", crlf({"Alla r\xE4tt!#Bra jobbat"}));
        root.write("DATA/LOV/SVOM9002.LOV", crlf({"Ett fel!"}));
        root.write("DATA/LOV/SVOM9013.LOV", crlf({"Tv\xE5 fel!"}));
        DataRoots roots;
        roots.pcPath = root.path();
        state = std::make_unique<AppState>(roots, messages, std::make_unique<SeededRandom>(3),
                                           std::make_unique<FixedClock>(1700000000));
        EXPECT_TRUE(state->startUp());
        open(kFile);
    }

    void open(const std::string& file) {
        state->selectExercise(file);
        ASSERT_TRUE(state->files.Kolla(file));
    }

    // Asks one question and answers it right ('R'), right with help ('H') or
    // wrong ('W'); returns the record number asked.
    int answer(Series& series, char how) {
        series.fetchRecord();
        series.beginQuestion();
        const int record = recordOfFields();
        if (how == 'H') series.useHelp(HelpButton::First);
        last = series.judge(how != 'W');
        return record;
    }

    std::vector<int> answerAll(Series& series, const std::string& answers) {
        std::vector<int> asked;
        for (char how : answers)
            asked.push_back(answer(series, how));
        return asked;
    }

    // The record the fields came from, read back from its question.
    int recordOfFields() const { return std::stoi(state->fields[1].substr(4)); }

    int errorCount() const { return state->files.file(state->files.currentFileIndex).errorCount; }

    std::vector<int> queuedRecords() const {
        std::vector<int> records;
        for (int i = 1; i <= state->files.queueLength(); ++i)
            if (state->files.queueEntry(i).fileSlot == state->files.currentFileIndex)
                records.push_back(state->files.queueEntry(i).recordNumber);
        return records;
    }

    TempRoot root;
    RecordingMessages messages;
    std::unique_ptr<AppState> state;
    Verdict last;
};

} // namespace

// A practice series of ten: what its answers leave behind at the end.
TEST_F(SeriesTest, EndOfAPracticeSeries) {
    struct Case {
        const char* answers;
        int correct;
        int queued;
        const char* praise; // empty: none
    };
    const Case cases[] = {
        {"RRRRRRRRRR", 10, 0, "Alla r\xE4tt!"},
        {"RRRRRRRRRW", 9, 1, "Ett fel!"},
        {"WRRRRRRRWR", 8, 2, "Tv\xE5 fel!"},
        {"RRRRWWRRRW", 7, 3, ""},
        {"WWWWWWWWWW", 0, 10, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        state->files.resetCounts();
        open(kFile);
        Series series(*state, CompletionRule::TwoGoodSeries);
        series.begin();
        EXPECT_EQ(series.length(), 10);
        answerAll(series, c.answers);
        EXPECT_TRUE(last.seriesOver);
        EXPECT_EQ(series.correctCount(), c.correct);
        EXPECT_EQ(series.wrongCount(), 10 - c.correct);
        EXPECT_EQ(errorCount(), c.queued);

        const SeriesEnd end = series.finish();
        EXPECT_FALSE(end.closeWindow);
        EXPECT_EQ(end.correctionOffered, c.queued > 0);
        if (*c.praise) {
            ASSERT_TRUE(end.praise.has_value());
            EXPECT_EQ((*end.praise)[0], c.praise);
        } else {
            EXPECT_FALSE(end.praise.has_value());
        }
    }
}

TEST_F(SeriesTest, QuestionsComeFromTheDrawWithoutRepeating) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    std::set<int> asked;
    for (int i = 0; i < 3; ++i) {
        for (int r : answerAll(series, "RRRRRRRRRR"))
            asked.insert(r);
        series.continueSeries();
    }
    EXPECT_EQ(asked.size(), 30u);
    EXPECT_EQ(*asked.begin(), 1);
    EXPECT_EQ(*asked.rbegin(), kRecords);
}

TEST_F(SeriesTest, VerdictMovesTheStripAndEndsAfterTheLastQuestion) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answer(series, 'R');
    EXPECT_TRUE(last.right);
    EXPECT_TRUE(last.marksStrip);
    EXPECT_EQ(last.answered, 1);
    EXPECT_EQ(series.questionNumber(), 2);
    answerAll(series, "WRRRRRRR");
    EXPECT_FALSE(last.seriesOver);
    EXPECT_TRUE(series.running());
    answer(series, 'W');
    EXPECT_EQ(last.answered, 10);
    EXPECT_TRUE(last.seriesOver);
    EXPECT_FALSE(series.running());
    EXPECT_FALSE(series.lastAnswerRight());

    // Diagnosis tests keep no strip.
    state->runMode = RunMode::DiagnosisTest;
    Series test(*state, CompletionRule::TwoGoodSeries);
    test.begin();
    EXPECT_EQ(test.length(), 20);
    answer(test, 'R');
    EXPECT_FALSE(last.marksStrip);
}

// "Rätta felen" asks the queued records of the file in queue order; a right
// answer drops a record, a wrong one sends it to the back.
TEST_F(SeriesTest, CorrectionRoundOverTheQueue) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    const std::vector<int> asked = answerAll(series, "RWRRWRRWRR");
    const std::vector<int> wrong = {asked[1], asked[4], asked[7]};
    ASSERT_EQ(queuedRecords(), wrong);
    ASSERT_FALSE(series.finish().praise.has_value());

    ASSERT_TRUE(series.startCorrectionRound());
    EXPECT_TRUE(series.correctionRound());
    EXPECT_EQ(series.length(), 3);
    EXPECT_EQ(series.questionNumber(), 1);
    EXPECT_EQ(series.correctCount(), 0);
    EXPECT_EQ(answer(series, 'W'), wrong[0]);
    EXPECT_EQ(queuedRecords(), (std::vector<int>{wrong[1], wrong[2], wrong[0]}));
    EXPECT_EQ(answer(series, 'R'), wrong[1]);
    EXPECT_EQ(answer(series, 'R'), wrong[2]);
    EXPECT_TRUE(last.seriesOver);
    EXPECT_EQ(queuedRecords(), std::vector<int>{wrong[0]});
    // No praise after a correction round, but the round can be taken again.
    const SeriesEnd end = series.finish();
    EXPECT_FALSE(end.praise.has_value());
    EXPECT_TRUE(end.correctionOffered);

    ASSERT_TRUE(series.startCorrectionRound());
    EXPECT_EQ(series.length(), 1);
    EXPECT_EQ(answer(series, 'R'), wrong[0]);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_FALSE(series.finish().correctionOffered);
    EXPECT_FALSE(series.startCorrectionRound());
}

TEST_F(SeriesTest, ErrorsAccumulateAcrossSeriesAndARoundAsksAtMostTen) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answerAll(series, "WWWWWWRRRR");
    series.continueSeries();
    answerAll(series, "WWWWWWRRRR");
    EXPECT_EQ(errorCount(), 12);
    ASSERT_TRUE(series.startCorrectionRound());
    EXPECT_EQ(series.length(), 10);

    // Records of another file stay out of this file's round.
    open("SVE41100.DAT");
    Series other(*state, CompletionRule::TwoGoodSeries);
    other.begin();
    EXPECT_FALSE(other.correctionAvailable());
}

TEST_F(SeriesTest, DiagnosisPracticeRoundIsCappedAndReturnsToPractice) {
    state->runMode = RunMode::DiagnosisPractice;
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    EXPECT_EQ(series.length(), 20);
    answerAll(series, "WWWWWWWWWWWWRRRRRRRR");
    ASSERT_TRUE(series.startCorrectionRound());
    EXPECT_EQ(series.length(), 10);
    EXPECT_EQ(state->runMode, RunMode::DiagnosisPracticeErrors);
    answerAll(series, "RRRRRRRRRR");
    EXPECT_TRUE(last.marksStrip);
    // The round judges no practice: the counts are the round's.
    EXPECT_FALSE(series.finish().closeWindow);
    EXPECT_TRUE(series.continueSeries());
    EXPECT_EQ(state->runMode, RunMode::DiagnosisPractice);
    EXPECT_EQ(series.length(), 20);
    EXPECT_FALSE(series.correctionRound());
}

TEST_F(SeriesTest, SelfBuiltRecordsAreNotQueued) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    series.beginQuestion();
    series.judge(false, false);
    EXPECT_EQ(series.wrongCount(), 1);
    EXPECT_EQ(errorCount(), 0);
}

// "Fortsätta" after Esc goes on with the question shown unless it was the
// last one; the counts start again either way.
TEST_F(SeriesTest, ContinueResumesOrStartsANewSeries) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answerAll(series, "RRRR");
    ASSERT_EQ(series.questionNumber(), 5);
    EXPECT_FALSE(series.continueSeries());
    EXPECT_EQ(series.questionNumber(), 5);
    EXPECT_EQ(series.correctCount(), 0);

    answerAll(series, "RRRRW");
    ASSERT_EQ(series.questionNumber(), 10);
    EXPECT_EQ(series.wrongCount(), 1);
    EXPECT_TRUE(series.continueSeries());
    EXPECT_EQ(series.questionNumber(), 1);
    EXPECT_EQ(series.wrongCount(), 0);

    answerAll(series, "RRRRRRRRRR");
    EXPECT_TRUE(series.continueSeries());
}

// What "Fortsätta" after Esc in the middle of a series leaves of its counts:
// the click-the-category window keeps them, the others start again from 0
// except in a diagnosis test. A new series always starts from 0.
TEST_F(SeriesTest, ResumeRuleKeepsOrRestartsTheCounts) {
    struct Case {
        ResumeRule rule;
        RunMode mode;
        bool kept;
    };
    const auto restart = ResumeRule::CountsRestart;
    const auto keep = ResumeRule::CountsKept;
    const Case cases[] = {
        {restart, RunMode::Practice, false},      {restart, RunMode::DiagnosisPractice, false},
        {restart, RunMode::DiagnosisTest, true},  {keep, RunMode::Practice, true},
        {keep, RunMode::DiagnosisPractice, true}, {keep, RunMode::DiagnosisTest, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.rule)) + "/" + std::to_string(toInt(c.mode)));
        state->runMode = c.mode;
        Series series(*state, CompletionRule::TwoGoodSeries, c.rule);
        series.begin();
        answerAll(series, "RRWR");
        EXPECT_FALSE(series.continueSeries());
        EXPECT_EQ(series.questionNumber(), 5);
        EXPECT_EQ(series.correctCount(), c.kept ? 3 : 0);
        EXPECT_EQ(series.wrongCount(), c.kept ? 1 : 0);

        answerAll(series, std::string(std::size_t(series.length() - 4), 'R'));
        ASSERT_FALSE(series.running());
        EXPECT_TRUE(series.continueSeries());
        EXPECT_EQ(series.correctCount(), 0);
        EXPECT_EQ(series.questionNumber(), 1);
    }
}

// A diagnosis test paused with Esc and resumed reports every right answer.
TEST_F(SeriesTest, ResumedDiagnosisTestCountsEveryRightAnswer) {
    state->runMode = RunMode::DiagnosisTest;
    state->diagnosis.setTestNumber(15);
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answerAll(series, "RRRRW");
    EXPECT_FALSE(series.continueSeries());
    answerAll(series, std::string(15, 'R'));
    EXPECT_TRUE(series.finish().closeWindow);
    EXPECT_EQ(state->diagnosis.record().result[15], 19);
}

// A record the window cannot ask is drawn past; a file of nothing else
// still gives a question, and a queued record is asked as it is.
TEST_F(SeriesTest, FetchRecordDrawsPastUnusableRecords) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    const auto even = [this](const RecordFields& f) { return std::stoi(f[1].substr(4)) % 2 == 0; };
    for (int i = 0; i < 10; ++i) {
        series.fetchRecord(even);
        EXPECT_EQ(recordOfFields() % 2, 0);
        series.beginQuestion();
        series.judge(i != 0);
    }
    const int queued = queuedRecords().front();

    int calls = 0;
    series.fetchRecord([&](const RecordFields&) { return ++calls, false; });
    EXPECT_EQ(calls, kRecords);
    EXPECT_FALSE(state->fields[1].empty());

    ASSERT_TRUE(series.startCorrectionRound());
    series.fetchRecord([](const RecordFields&) { return false; });
    EXPECT_EQ(recordOfFields(), queued);
}

TEST_F(SeriesTest, AnswerDisplayTicks) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    series.beginQuestion();
    state->settings.setAnswerDisplaySeconds(3);
    for (int i = 1; i < 30; ++i)
        ASSERT_FALSE(series.tick()) << i;
    EXPECT_TRUE(series.tick());

    series.beginQuestion();
    EXPECT_FALSE(series.tick());
    series.skipDisplay();
    EXPECT_TRUE(series.tick());

    state->settings.setAnswerDisplaySeconds(0);
    series.beginQuestion();
    EXPECT_TRUE(series.tick());
}

// Help counts against a right answer in diagnosis practice only, from the
// help buttons and from switching the lamp on.
TEST_F(SeriesTest, HelpUsedInDiagnosis) {
    struct Case {
        RunMode runMode;
        const char* how; // 'H' "Hjälp", 'M' "Mer hjälp", 'L' lamp on, '-' nothing
        int correct;
    };
    const Case cases[] = {
        {RunMode::Practice, "H", 1},
        {RunMode::Practice, "M", 1},
        {RunMode::Practice, "L", 1},
        {RunMode::DiagnosisTest, "H", 0},
        {RunMode::DiagnosisTest, "M", 1},
        {RunMode::DiagnosisTest, "L", 1},
        {RunMode::DiagnosisPractice, "H", 0},
        {RunMode::DiagnosisPractice, "M", 0},
        {RunMode::DiagnosisPractice, "L", 0},
        {RunMode::DiagnosisPracticeHelp, "M", 0},
        {RunMode::DiagnosisPracticeHelp, "-", 1},
        {RunMode::DiagnosisPracticeErrors, "H", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(toInt(c.runMode)) + c.how);
        state->runMode = c.runMode;
        Series series(*state, CompletionRule::TwoGoodSeries);
        series.begin();
        series.fetchRecord();
        series.beginQuestion();
        if (*c.how == 'H') series.useHelp(HelpButton::First);
        if (*c.how == 'M') series.useHelp(HelpButton::Second);
        if (*c.how == 'L') series.setLamp(true);
        series.judge(true);
        EXPECT_EQ(series.correctCount(), c.correct);
    }

    // A lamp left on counts as help for every later question.
    state->runMode = RunMode::DiagnosisPractice;
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    series.setLamp(true);
    answerAll(series, "RR");
    EXPECT_EQ(series.correctCount(), 0);
    series.setLamp(false);
    answer(series, 'R');
    EXPECT_EQ(series.correctCount(), 1);
}

TEST_F(SeriesTest, DiagnosisTestReportsAtTheEndAndWhenLeft) {
    state->runMode = RunMode::DiagnosisTest;
    state->diagnosis.setTestNumber(12);
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answerAll(series, std::string(16, 'R') + "WWWW");
    const SeriesEnd end = series.finish();
    EXPECT_TRUE(end.closeWindow);
    EXPECT_EQ(state->diagnosis.record().result[12], 16);
    EXPECT_EQ(state->diagnosis.record().status[12], kStatusTest);
    EXPECT_TRUE(state->diagnosis.savePending());

    // Left early: the answers counted so far.
    state->diagnosis.markSaved();
    Series again(*state, CompletionRule::TwoGoodSeries);
    again.begin();
    answerAll(again, "RRRWR");
    again.leave();
    EXPECT_EQ(state->diagnosis.record().result[12], 4);
    EXPECT_EQ(state->diagnosis.record().status[12], kStatusPractise);
    EXPECT_TRUE(state->diagnosis.savePending());
}

// The practice of a test is done after two series with at least 8 right
// (write-the-answer) or one with 12 of 20 (choose-the-alternative).
TEST_F(SeriesTest, DiagnosisPracticeCompletion) {
    struct Case {
        CompletionRule rule;
        int counterBefore;
        int correct;
        bool leave; // "Avbryta" instead of the end of the series
        bool completed;
        int counterAfter;
    };
    const auto two = CompletionRule::TwoGoodSeries;
    const auto twelve = CompletionRule::TwelveOfTwenty;
    const Case cases[] = {
        {two, 0, 8, false, false, 1},     {two, 1, 8, false, true, 0},
        {two, 1, 7, false, false, 1},     {two, 0, 20, false, false, 1},
        {two, 1, 9, true, true, 0},       {two, 0, 9, true, false, 1},
        {twelve, 0, 12, false, true, 5},  {twelve, 0, 11, false, false, 0},
        {twelve, 1, 11, false, false, 1}, {twelve, 1, 8, true, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.counterBefore) + "/" + std::to_string(c.correct) +
                     (c.leave ? " leave" : " end"));
        state->runMode = RunMode::DiagnosisPractice;
        state->diagnosis.setTestNumber(12);
        state->diagnosis.record().result[12] = 9;
        state->diagnosis.record().status[12] = kStatusPractise;
        state->diagnosis.setPracticeCounter(c.counterBefore);
        Series series(*state, c.rule);
        series.begin();
        std::string answers(std::size_t(c.correct), 'R');
        answers.resize(c.leave ? std::size_t(c.correct) : 20, 'W');
        answerAll(series, answers);
        bool closes = true;
        if (c.leave)
            series.leave();
        else
            closes = series.finish().closeWindow;
        EXPECT_EQ(closes, c.completed || c.leave);
        EXPECT_EQ(state->diagnosis.practiceCounter(), c.counterAfter);
        EXPECT_EQ(state->diagnosis.record().status[12],
                  c.completed ? kStatusTest : kStatusPractise);
        EXPECT_EQ(state->runMode,
                  c.completed ? RunMode::DiagnosisTest : RunMode::DiagnosisPractice);
        EXPECT_EQ(state->diagnosis.record().result[12], 9);
    }
}

// One good series counts once: leaving after its end does not count it again.
TEST_F(SeriesTest, LeavingAfterAGoodSeriesDoesNotCountItTwice) {
    state->runMode = RunMode::DiagnosisPractice;
    state->diagnosis.setTestNumber(12);
    state->diagnosis.record().status[12] = kStatusPractise;
    state->diagnosis.setPracticeCounter(0);
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    answerAll(series, std::string(10, 'R') + std::string(10, 'W'));
    const SeriesEnd end = series.finish();
    EXPECT_FALSE(end.closeWindow);
    EXPECT_TRUE(end.diagnosisBoxToFront);
    EXPECT_EQ(state->diagnosis.practiceCounter(), 1);
    series.leave();
    EXPECT_EQ(state->diagnosis.record().status[12], kStatusPractise);
    EXPECT_EQ(state->diagnosis.practiceCounter(), 1);
}

// Questions of two gaps: each wrong gap counts and queues once; the question
// is right only when both gaps are. It takes one square, with its last gap,
// right only when both gaps are.
TEST_F(SeriesTest, TwoGapQuestions) {
    struct Case {
        const char* gaps; // gap 1, gap 2: 'R' or 'W'
        int correct;
        int wrong;
        int queued;
        std::vector<bool> squares; // marksStrip of gap 1, gap 2
        bool squareRight;          // the last gap's verdict: the question's
    };
    const Case cases[] = {
        {"RR", 1, 0, 0, {false, true}, true},
        {"RW", 0, 1, 1, {false, true}, false},
        {"WR", 0, 1, 1, {false, true}, false},
        {"WW", 0, 2, 2, {false, true}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gaps);
        state->files.resetCounts();
        open(kFile);
        Series series(*state, CompletionRule::TwoGoodSeries);
        series.begin();
        series.fetchRecord();
        series.beginQuestion();
        const Verdict first = series.judgeGap(c.gaps[0] == 'R', false);
        EXPECT_EQ(series.questionNumber(), 1);
        const Verdict second = series.judgeGap(c.gaps[1] == 'R', true);
        EXPECT_EQ(series.questionNumber(), 2);
        EXPECT_EQ(first.answered, 1);
        EXPECT_EQ(second.answered, 1);
        EXPECT_EQ(series.correctCount(), c.correct);
        EXPECT_EQ(series.wrongCount(), c.wrong);
        EXPECT_EQ(errorCount(), c.queued);
        EXPECT_EQ((std::vector<bool>{first.marksStrip, second.marksStrip}), c.squares);
        EXPECT_EQ(second.right, c.squareRight);
    }
}

// In a correction round a two-gap question moves its own queue entry only:
// back once however many gaps are wrong, out only when both are right.
TEST_F(SeriesTest, TwoGapQuestionInACorrectionRoundTouchesOnlyItsEntry) {
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    const int first = answer(series, 'W');
    const int second = answer(series, 'W');
    ASSERT_EQ(queuedRecords(), (std::vector<int>{first, second}));
    ASSERT_TRUE(series.startCorrectionRound());

    series.fetchRecord();
    series.beginQuestion();
    series.judgeGap(false, false);
    series.judgeGap(true, true);
    EXPECT_EQ(queuedRecords(), (std::vector<int>{second, first}));

    series.fetchRecord();
    series.beginQuestion();
    series.judgeGap(true, false);
    EXPECT_EQ(queuedRecords(), (std::vector<int>{second, first}));
    series.judgeGap(true, true);
    EXPECT_EQ(queuedRecords(), (std::vector<int>{first}));
}

// A help press keeps a right question from counting, in diagnosis practice.
TEST_F(SeriesTest, GapQuestionWithHelpDoesNotCount) {
    state->runMode = RunMode::DiagnosisPractice;
    Series series(*state, CompletionRule::TwoGoodSeries);
    series.begin();
    series.fetchRecord();
    series.beginQuestion();
    series.useHelp(HelpButton::First);
    series.judgeGap(true, true);
    EXPECT_EQ(series.correctCount(), 0);
    series.fetchRecord();
    series.beginQuestion();
    series.judgeGap(true, true);
    EXPECT_EQ(series.correctCount(), 1);
}
