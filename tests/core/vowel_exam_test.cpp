#include <gtest/gtest.h>

#include "core/vowel_exam.h"

using namespace glosbo::core;

namespace {

// Presses the keys of each step in turn; each step's string ends when the
// step is done (the timer then moves on).
VowelExam run(const std::array<std::string, 4>& steps) {
    VowelExam exam;
    for (const std::string& keys : steps) {
        for (char key : keys)
            exam.press(key);
        EXPECT_TRUE(exam.waiting()) << keys;
        exam.advance();
    }
    EXPECT_TRUE(exam.finished());
    return exam;
}

} // namespace

// Key sequences and the result table they give: answers per row, the sum,
// the grade and the comment.
TEST(VowelExam, ResultsOfKeySequences) {
    struct Case {
        const char* name;
        std::array<std::string, 4> keys;
        std::array<int, 4> rows;
        int grade;
        std::string comment;
    };
    const Case cases[] = {
        {"flawless",
         {"9", "aeiouy\xE5\xE4\xF6", "EIY\xC4\xD6", "AOU\xC5"},
         {1, 9, 5, 4},
         10,
         "Du \xE4r expert."},
        {"8 then 9",
         {"89", "AEIOUY\xC5\xC4\xD6", "EIY\xC4\xD6", "AOU\xC5"},
         {2, 9, 5, 4},
         9,
         "Mycket bra. F\xF6rs\xF6k att f\xE5 alla r\xE4tt."},
        {"three wrong",
         {"9", "AbEIOUY\xC5\xC4\xD6", "EI\xC4Y\xC4\xD6", "AOOU\xC5"},
         {1, 10, 6, 5},
         8,
         "Bra. Tv\xE5 steg fr\xE5n full pott."},
        {"seventeen wrong",
         {"01234567"
          "9",
          "xxxxxAEIOUY\xC5\xC4\xD6", "xxxEIY\xC4\xD6", "oAOU\xC5"},
         {9, 14, 8, 5},
         1,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const VowelExam exam = run(c.keys);
        int sum = 0;
        for (int step = 1; step <= 4; ++step) {
            EXPECT_EQ(exam.answers(step), c.rows[step - 1]) << step;
            sum += exam.answers(step);
        }
        EXPECT_EQ(sum, 19 + exam.totalWrongKeys());
        EXPECT_EQ(vowelExamGrade(exam.totalWrongKeys()), c.grade);
        EXPECT_EQ(vowelExamComment(exam.totalWrongKeys()), c.comment);
    }
}

TEST(VowelExam, KeysOfAStep) {
    VowelExam exam;
    // Step 1: digits other than 9 count with their comment, other keys not.
    EXPECT_EQ(exam.press('8').comment, "Mycket n\xE4ra. F\xF6rs\xF6k igen!");
    EXPECT_EQ(exam.press('7').comment, "N\xE4ra. F\xF6rs\xF6k igen!");
    EXPECT_EQ(exam.press('0').comment, "F\xF6rs\xF6k igen!");
    EXPECT_EQ(exam.press('a').result, VowelExam::KeyResult::Ignored);
    EXPECT_EQ(exam.wrongKeys(1), 3);
    const auto nine = exam.press('9');
    EXPECT_EQ(nine.result, VowelExam::KeyResult::Filled);
    EXPECT_TRUE(nine.stepDone);
    // Before the next step no key counts.
    EXPECT_EQ(exam.press('8').result, VowelExam::KeyResult::Ignored);
    EXPECT_EQ(exam.wrongKeys(1), 3);
    exam.advance();

    // Step 2: "a" fills the first panel with "A"; "b" counts and fills none.
    const auto a = exam.press('a');
    EXPECT_EQ(a.result, VowelExam::KeyResult::Filled);
    EXPECT_EQ(a.panel, 1);
    EXPECT_EQ(a.shown, 'A');
    const auto b = exam.press('b');
    EXPECT_EQ(b.result, VowelExam::KeyResult::Wrong);
    EXPECT_EQ(b.panel, 0);
    EXPECT_EQ(exam.position(), 2);
    EXPECT_EQ(exam.wrongKeys(2), 1);
    for (char key : std::string("eiouy\xE5\xE4"))
        exam.press(key);
    EXPECT_FALSE(exam.waiting());
    EXPECT_TRUE(exam.press('\xF6').stepDone);
    EXPECT_EQ(exam.press('x').result, VowelExam::KeyResult::Ignored);
    EXPECT_EQ(exam.wrongKeys(2), 1);

    exam.start();
    EXPECT_EQ(exam.currentStep(), 1);
    EXPECT_EQ(exam.totalWrongKeys(), 0);
}

TEST(VowelExam, GradeForEveryTwoWrongKeys) {
    const int grades[] = {10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1};
    for (int wrong = 0; wrong < int(std::size(grades)); ++wrong)
        EXPECT_EQ(vowelExamGrade(wrong), grades[wrong]) << wrong;
    EXPECT_EQ(vowelExamGrade(100), 1);
    EXPECT_EQ(vowelExamComment(5), "");
}
