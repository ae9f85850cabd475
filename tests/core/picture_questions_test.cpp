#include <gtest/gtest.h>

#include "core/picture_questions.h"

using namespace glosbo::core;

// One line goes to the lower label alone; two or three start in the upper
// one, and a third stays a line of its own under the second.
TEST(PictureQuestions, LinesOverTheTwoLabels) {
    struct Case {
        std::array<std::string, 4> wrapped;
        std::string upper;
        std::string lower;
    };
    for (const Case& c :
         {Case{{"", "Vad heter delen?", "", ""}, "", "Vad heter delen?"},
          Case{{"", "Vad sitter ", "mitt p\xE5 magen?", ""}, "Vad sitter ", "mitt p\xE5 magen?"},
          Case{{"", "a ", "b ", "c"}, "a ", "b \nc"}}) {
        const PictureQuestionLines lines = pictureQuestionLines(c.wrapped);
        EXPECT_EQ(lines.upper, c.upper);
        EXPECT_EQ(lines.lower, c.lower);
    }
}

TEST(PictureQuestions, ChecksQuestionAndAnswer) {
    const auto problems = [](std::string_view line) {
        std::vector<std::string> found;
        checkPictureQuestion(str_postarray(line), found);
        return found.size();
    };
    EXPECT_EQ(problems("Vad heter delen med nummer 7?#hand#&handen"), 0u);
    EXPECT_EQ(problems("Vad heter delen med nummer 7?"), 1u);
    EXPECT_EQ(problems("#hand"), 1u);
    EXPECT_EQ(problems("Vad?#&hand"), 1u);
    EXPECT_EQ(pictureQuestionFile(38200), "HUVUDET.BMP");
    EXPECT_EQ(pictureQuestionFile(31110), "");
}
