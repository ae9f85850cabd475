#include <gtest/gtest.h>

#include "core/fill_in.h"
#include "core/verb_cycle.h"

using namespace glosbo::core;

namespace {

// Every character 10 pixels wide.
WrapContext fixedWrap(std::uint16_t program) {
    return {[](std::string_view text, int) { return int(text.size()) * 10; }, 640, program};
}

} // namespace

TEST(FillInProgramTest, ProgramsAndTheirLayouts) {
    struct Case {
        std::uint16_t program;
        bool twoSentences, ruleButton, wordSound, soundInDiagnosis, translated;
    };
    const Case cases[] = {
        {43100, false, false, false, false, false}, {43300, false, false, false, false, false},
        {42000, false, false, false, false, false}, {33200, false, false, false, false, false},
        {46200, true, true, false, false, false},   {24300, false, false, true, false, true},
        {11, true, false, true, true, false},       {111, true, false, true, true, false},
        {13, false, false, false, false, false},    {116, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        const FillInProgram p = fillInProgram(c.program);
        EXPECT_EQ(p.twoSentences, c.twoSentences);
        EXPECT_EQ(p.ruleButton, c.ruleButton);
        EXPECT_EQ(p.wordSound, c.wordSound);
        EXPECT_EQ(p.soundInDiagnosis, c.soundInDiagnosis);
        EXPECT_EQ(p.translated, c.translated);
    }
}

// Help is offered with exactly one or two help texts, counted up to the
// first empty field and without the alternatives.
TEST(FillInRecordTest, SentencesAndHelpTexts) {
    struct Case {
        std::uint16_t program;
        const char* line;
        const char* model;
        const char* question;
        int help;
    };
    const Case cases[] = {
        {43100, "Han \xE4r <\xE4ldre>.", "", "Han \xE4r <\xE4ldre>.", 0},
        {43100, "Han \xE4r <\xE4ldre>.#h1", "", "Han \xE4r <\xE4ldre>.", 1},
        {43100, "a <b> c#h1#h2", "", "a <b> c", 2},
        {43100, "a <b> c#h1#h2#h3", "", "a <b> c", 0},
        {43100, "a <b> c#h1#&x#y", "", "a <b> c", 1},
        {43100, "a <b> c##h2", "", "a <b> c", 0},
        {11, "M <d>#Q <e>", "M <d>", "Q <e>", 0},
        {11, "M <d>#Q <e>#h1", "M <d>", "Q <e>", 1},
        {11, "M <d>#Q <e>#h1#h2#&z", "M <d>", "Q <e>", 2},
        {46200, "Q <e>##h1", "", "Q <e>", 0},
        {46200, "Q <e>#&e", "", "Q <e>", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const FillInRecord r = readFillInRecord(fillInProgram(c.program), str_postarray(c.line));
        EXPECT_EQ(r.model, c.model);
        EXPECT_EQ(r.question, c.question);
        EXPECT_EQ(r.helpCount, c.help);
        if (c.help >= 1) {
            EXPECT_EQ(r.help[0], "h1");
        }
    }
}

// Records outside the format are skipped by the window and reported by the
// data check.
TEST(FillInRecordTest, RecordsOutsideTheFormat) {
    const FillInProgram one = fillInProgram(42000);
    const FillInProgram two = fillInProgram(46200);
    const std::pair<const FillInProgram*, const char*> bad[] = {
        {&one, "no marks at all"}, {&one, "a <b> c <d> e <f>"},
        {&one, "a <> c"},          {&one, "a < > c"},
        {&one, "a <b c"},          {&one, "a b> c"},
        {&one, "a <b <c> d"},      {&two, "M <a#Q <b>"},
        {&two, "M <a>#Q b"},       {&one, "#help without question"},
    };
    for (const auto& [program, line] : bad)
        EXPECT_NE(fillInRecordFault(*program, str_postarray(line)), "") << line;
    const std::pair<const FillInProgram*, const char*> good[] = {
        {&one, "a <b> c"}, {&one, "<a> b <c>."}, {&two, "M <a>#Q <b>"}, {&two, "Model#Q <b>"}};
    for (const auto& [program, line] : good)
        EXPECT_EQ(fillInRecordFault(*program, str_postarray(line)), "") << line;
}

// The window lays out sentences up to a length; the data check reports
// longer ones (the marks do not count as letters).
TEST(FillInRecordTest, LayoutLimits) {
    const FillInProgram one = fillInProgram(42000);
    const FillInProgram two = fillInProgram(46200);
    const std::string longest = std::string(kLongestFillInQuestion - 3, 'a') + " <b>.";
    EXPECT_EQ(fillInLayoutFault(one, str_postarray(longest)), "");
    EXPECT_EQ(fillInLayoutFault(one, str_postarray("a" + longest)),
              "question of 161 letters: the window lays out at most 160");
    const std::string model(kLongestFillInModel + 1, 'm');
    EXPECT_EQ(fillInLayoutFault(two, str_postarray(model + "#Q <b>")),
              "model sentence of 121 letters: the window lays out at most 120");
    EXPECT_EQ(fillInLayoutFault(two, str_postarray(model.substr(1) + "#Q <b>")), "");
    const std::string word(kLongestGapWord + 1, 'w');
    EXPECT_NE(fillInLayoutFault(one, str_postarray("a <b> c <" + word + ">")), "");
    EXPECT_EQ(fillInLayoutFault(one, str_postarray("a <b> c <" + word.substr(1) + ">")), "");
}

// The gap word is compared exactly; alternatives answer either gap.
TEST(FillInRecordTest, GapWords) {
    const RecordFields f = str_postarray("I g\xE5r <sprang> jag <hem>.#springa#&rusade");
    const GapSentence s = splitGaps(f[1]);
    EXPECT_EQ(s.gaps, 2);
    EXPECT_EQ(s.word(1), "sprang");
    EXPECT_EQ(s.word(2), "hem");
    EXPECT_TRUE(acceptsGapWord(f, s.word(1), "sprang"));
    EXPECT_TRUE(acceptsGapWord(f, s.word(1), " sprang "));
    EXPECT_FALSE(acceptsGapWord(f, s.word(1), "Sprang"));
    EXPECT_FALSE(acceptsGapWord(f, s.word(1), "hem"));
    EXPECT_TRUE(acceptsGapWord(f, s.word(2), "rusade"));
    EXPECT_TRUE(acceptsGapWord(f, s.word(1), "rusade"));
    EXPECT_FALSE(acceptsGapWord(f, s.word(2), ""));
}

TEST(FillInWorksheetTest, TaskLines) {
    struct Case {
        std::uint16_t program;
        int task;
        const char* line;
        std::vector<std::string> questions;
        std::vector<std::string> answers;
    };
    const Case cases[] = {
        {42000,
         1,
         "Katten sover <under> bordet.",
         {"   1. Katten sover  _______  bordet."},
         {"   1. Katten sover <under> bordet."}},
        {42000,
         10,
         "Jag bor <i> Sverige och <p\xE5> landet.",
         {" 10. Jag bor  ______  Sverige och  ______  landet."},
         {" 10. Jag bor <i> Sverige och <p\xE5> landet."}},
        {46200,
         2,
         "Du ska <l\xE4sa> boken.#<L\xE4s> boken!",
         {"   2. Du ska <l\xE4sa> boken.", "    ______  boken!"},
         {"   2. Du ska <l\xE4sa> boken.", "   <L\xE4s> boken!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        WrapContext wrap = fixedWrap(c.program);
        const TaskLines t =
            fillInTask(itemPrefix(c.task), fillInProgram(c.program), str_postarray(c.line), wrap);
        EXPECT_EQ(t.questions, c.questions);
        EXPECT_EQ(t.answers, c.answers);
    }
}

// A sentence too long for one line goes on, indented, on a second line; a
// marked phrase is never cut.
TEST(FillInWorksheetTest, LongSentencesTakeTwoLines) {
    const std::string words = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm ";
    const RecordFields f = str_postarray(words + "<pp qq> rrrr.#hj\xE4lp");
    WrapContext wrap = fixedWrap(43100);
    const TaskLines t = fillInTask(itemPrefix(100), fillInProgram(43100), f, wrap);
    ASSERT_EQ(t.answers.size(), 2u);
    ASSERT_EQ(t.questions.size(), 2u);
    EXPECT_EQ(t.answers[0].substr(0, 9), "100. aaaa");
    EXPECT_EQ(t.answers[1].substr(0, 7), "       ");
    EXPECT_NE(t.answers[1].find("<pp qq>"), std::string::npos);
    EXPECT_NE(t.questions[1].find(" _______ "), std::string::npos);
    EXPECT_EQ(t.questions[0], t.answers[0]);
}

TEST(FillInWorksheetTest, BlanksAreAtLeastFourLettersLong) {
    EXPECT_EQ(gapBlank("i"), " ______ ");
    EXPECT_EQ(gapBlank("p\xE5"), " ______ ");
    EXPECT_EQ(gapBlank("under"), " _______ ");
}

TEST(FillInWorksheetTest, HeadingOfTheWriteAnswerWindows) {
    const WorksheetHeading h =
        writeAnswerHeading({"Oregelbundna ord", "Verb", ""}, "Skriv verbet", "tidigare");
    EXPECT_EQ(h.title, "Oregelbundna ord Verb");
    EXPECT_EQ(h.subHeading, "      Skriv verbet:");
    EXPECT_EQ(writeAnswerHeading({"", "Verb", ""}, "x", "tidigare").title, "tidigare");
    EXPECT_EQ(writeAnswerHeading({"Prov", "", ""}, "", "").subHeading, "");
}

// The verb cycle: rows, the pause and the verdict.
TEST(VerbCycleTest, VerdictsByWrongCount) {
    const std::pair<int, const char*> cases[] = {
        {0, "Du gjorde 0 fel. Grattis!"},
        {1, "Du gjorde 1 fel. F\xF6rs\xF6k att f\xE5 alla r\xE4tt!"},
        {2, "Du gjorde 2 fel. F\xF6rs\xF6k att f\xE5 alla r\xE4tt!"},
        {3, "Du gjorde 3 fel. F\xF6rs\xF6k en g\xE5ng till!"},
        {4, "Du gjorde 4 fel. F\xF6rs\xF6k en g\xE5ng till!"},
        {5, "Du gjorde 5 fel."},
        {9, "Du gjorde 9 fel."},
    };
    for (const auto& [wrong, text] : cases)
        EXPECT_EQ(VerbCycle::verdict(wrong), text);
}

TEST(VerbCycleTest, RowsClimbAndSixRightEndTheCycle) {
    VerbCycle cycle;
    cycle.start();
    EXPECT_EQ(cycle.row(), 0);
    const std::string answers = "RWWRRRRR"; // two wrong on the second verb
    std::vector<int> rows;
    int ended = -1;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const bool drawn = cycle.nextQuestion();
        EXPECT_EQ(drawn, i == 0 || answers[i - 1] == 'R') << i;
        rows.push_back(cycle.row());
        const bool right = answers[i] == 'R';
        if (cycle.answer(right)) ended = int(i);
        EXPECT_EQ(cycle.tickMs(), right ? 100 : 1000);
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 2, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ended, 7);
    EXPECT_EQ(cycle.wrongCount(), 2);
    EXPECT_EQ(cycle.rightCount(), 6);
    EXPECT_EQ(cycle.runCount(), 0);
}

// The pause lasts the pupil's setting until a verb has been asked again,
// then three seconds in this window; the setting is not touched.
TEST(VerbCycleTest, PauseAfterAVerbIsAskedAgain) {
    VerbCycle cycle;
    cycle.start();
    cycle.nextQuestion();
    cycle.answer(false);
    EXPECT_EQ(cycle.pauseTicks(7), 7);
    cycle.nextQuestion(); // the same verb again
    EXPECT_EQ(cycle.pauseTicks(7), 3);
    EXPECT_EQ(cycle.pauseTicks(0), 3);
}

TEST(VerbCycleTest, FormsIgnoreCaseAndTakeAlternatives) {
    const RecordFields f = str_postarray("springa#ska springa#&kommer att springa#skall springa");
    EXPECT_TRUE(acceptsVerbForm(f, "SKA SPRINGA"));
    EXPECT_TRUE(acceptsVerbForm(f, "kommer att springa"));
    EXPECT_TRUE(acceptsVerbForm(f, "skall springa"));
    EXPECT_FALSE(acceptsVerbForm(f, "springer"));
    EXPECT_EQ(verbRecordFault(f), "");
    EXPECT_NE(verbRecordFault(str_postarray("springa")), "");
    EXPECT_NE(verbRecordFault(str_postarray("springa#")), "");
    EXPECT_NE(verbRecordFault(str_postarray("#springer")), "");
    EXPECT_NE(verbRecordFault(str_postarray("springa#&sprang")), "");
}

TEST(VerbCycleTest, WorksheetLines) {
    const TaskLines t = verbTask(itemPrefix(3), str_postarray("ge#gav"));
    EXPECT_EQ(t.questions,
              (std::vector<std::string>{"   3. ge", "       " + std::string(57, '_')}));
    EXPECT_EQ(t.answers, (std::vector<std::string>{"   3. ge", "       gav"}));
    const TaskLines f = verbTask(itemPrefix(12), str_postarray("ge#har gett#&har givit#har gitt"));
    EXPECT_EQ(f.answers[1], "       har gett eller har givit, har gitt.");
}
