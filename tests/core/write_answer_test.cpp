#include <gtest/gtest.h>

#include <set>

#include "core/write_answer.h"
#include "test_support.h"

using namespace glosbo::core;

// What each program of the window changes: the programs named here are those
// whose records or layout differ from an ordinary question.
TEST(WriteAnswerProgram, EachProgramItsOwnRules) {
    struct Case {
        std::uint16_t program;
        int lettersToOrder;
        bool letters, lamp, plural, rule, cipher;
        int points;
        bool helpWithoutLines; // the help button shows with no help lines
    };
    const Case cases[] = {
        {31110, 0, false, true, false, false, false, 22, false},
        {34100, 0, false, false, false, false, false, 22, false},
        {34300, 4, true, false, false, false, false, 22, false},
        {34400, 5, true, false, false, false, false, 22, false},
        {34500, 6, true, false, false, false, false, 22, false},
        {34501, 0, true, true, false, false, false, 22, false},
        {35000, 0, false, true, false, false, true, 22, true},
        {36100, 0, false, true, false, true, false, 22, true},
        {37300, 0, false, true, false, true, false, 14, true},
        {12, 0, false, true, true, false, false, 22, false},
        {112, 0, false, true, true, false, false, 22, false},
        {45000, 0, false, true, true, false, false, 22, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const WriteAnswerProgram p = writeAnswerProgram(c.program);
        EXPECT_EQ(p.lettersToOrder, c.lettersToOrder);
        EXPECT_EQ(p.letters, c.letters);
        EXPECT_EQ(p.lamp, c.lamp);
        EXPECT_EQ(p.plural, c.plural);
        EXPECT_EQ(p.ruleButton, c.rule);
        EXPECT_EQ(p.cipher, c.cipher);
        EXPECT_EQ(p.questionPoints, c.points);
        EXPECT_EQ(p.longestAnswer, 45u);
        EXPECT_EQ(showsHelpButton(p, 0), c.helpWithoutLines);
        EXPECT_TRUE(showsHelpButton(p, 1));
    }
}

TEST(WriteAnswer, LettersQuestion) {
    SeededRandom random(11);
    for (int count : {4, 5, 6}) {
        for (int i = 0; i < 200; ++i) {
            const LettersQuestion q = makeLettersQuestion(count, random);
            ASSERT_EQ(q.shuffled.size(), std::size_t(count));
            EXPECT_NE(q.shuffled, q.sorted);
            EXPECT_EQ(std::set<char>(q.shuffled.begin(), q.shuffled.end()).size(),
                      std::size_t(count));
            EXPECT_EQ(q.sorted, sortLetters(q.shuffled));
            for (char c : q.shuffled)
                EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '\xC5' || c == '\xC4' || c == '\xD6');
        }
    }
    // Ö, Å, B, Ä, Z: Å comes before Ä although its code is higher.
    EXPECT_EQ(sortLetters("\xD6\xC5"
                          "B\xC4Z"),
              "BZ\xC5\xC4\xD6");
    EXPECT_EQ(sortLetters("DCBA"), "ABCD");
}

TEST(WriteAnswer, HelpLines) {
    const std::pair<const char*, int> cases[] = {
        {"fr\xE5ga # svar", 0},
        {"fr\xE5ga # svar # hj\xE4lp", 1},
        {"fr\xE5ga # svar # ett # tv\xE5", 2},
        {"fr\xE5ga # svar # ett # tv\xE5 # tre", 0},
        {"fr\xE5ga # a # hj\xE4lp # &b", 1},
        {"fr\xE5ga # a # &b", 0},
        {"fr\xE5ga # a # ett # tv\xE5 # &b # c", 2},
        {"fr\xE5ga # a # ett # &b # c # d", 1},
        {"fr\xE5ga # a ## tv\xE5", 0},
    };
    for (const auto& [line, count] : cases)
        EXPECT_EQ(helpLineCount(str_postarray(line)), count) << line;
}

TEST(WriteAnswer, TypedAnswerJudgedWithoutCase) {
    const RecordFields plural = str_postarray("bil#bilar");
    EXPECT_TRUE(acceptsTypedAnswer(plural, "Bilar"));
    EXPECT_TRUE(acceptsTypedAnswer(plural, " BILAR! "));
    EXPECT_FALSE(acceptsTypedAnswer(plural, "bil"));
    EXPECT_FALSE(acceptsTypedAnswer(plural, ""));
    const RecordFields alternatives = str_postarray("q # a # hj\xE4lp # &b");
    EXPECT_TRUE(acceptsTypedAnswer(alternatives, "a"));
    EXPECT_TRUE(acceptsTypedAnswer(alternatives, "B"));
    EXPECT_FALSE(acceptsTypedAnswer(alternatives, "hj\xE4lp"));
    EXPECT_TRUE(acceptsTypedAnswer(str_postarray("\xE4ng # \xC4NG"), "\xE4ng"));
}
