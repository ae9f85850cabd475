#include <gtest/gtest.h>

#include <sstream>

#include "core/scramble.h"
#include "core/story_writing.h"
#include "core/text_printout.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

IntroductionFile read(const std::string& text) {
    std::istringstream in(text);
    return readIntroductions(in);
}

using FixedMetrics = glosbo::test::FixedPageMetrics;

} // namespace

TEST(Introductions, FileIsReadIntoThreeLineIntroductions) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> firstLines;
        std::size_t problems;
    };
    const std::vector<Case> cases = {
        {"two introductions", "a1\r\na2\r\na3\r\n#\r\nb1\r\nb2\r\nb3\r\n#\r\n", {"a1", "b1"}, 0},
        {"comments, headings and empty lines shift nothing",
         "; note\r\n$Heading\r\na1\r\n\r\na2\r\n;x\r\na3\r\n#\r\n\r\nb1\r\nb2\r\nb3\r\n#\r\n",
         {"a1", "b1"},
         0},
        {"scrambled lines are read unscrambled",
         kryptrad("a1") + "\r\n" + kryptrad("a2") + "\r\n" + kryptrad("a3") + "\r\n#\r\n",
         {"a1"},
         0},
        {"two lines are left out, the next stays whole",
         "x1\r\nx2\r\n#\r\nb1\r\nb2\r\nb3\r\n#\r\n",
         {"b1"},
         1},
        {"four lines are left out",
         "x1\r\nx2\r\nx3\r\nx4\r\n#\r\nb1\r\nb2\r\nb3\r\n#\r\n",
         {"b1"},
         1},
        {"a last one without its closing line",
         "a1\r\na2\r\na3\r\n#\r\nb1\r\nb2\r\nb3\r\n",
         {"a1"},
         1},
        {"nothing usable", "#\r\n", {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const IntroductionFile file = read(c.file);
        std::vector<std::string> first;
        for (const auto& intro : file.introductions)
            first.push_back(intro.lines[0]);
        EXPECT_EQ(first, c.firstLines);
        EXPECT_EQ(file.problems.size(), c.problems);
    }
    const IntroductionFile two = read(cases[1].file);
    EXPECT_EQ(two.introductions[0].lines, (std::array<std::string, 3>{"a1", "a2", "a3"}));
}

// Ten pixels a character; the display takes 20 characters, the wrapper
// breaks at 15.
TEST(StoryLines, ALineTooWideIsSplitAndTheRestGoesBack) {
    const auto fits = [](std::string_view t) { return t.size() <= 20; };
    struct Case {
        const char* name;
        std::string line;
        int right;
        std::string shown;
        std::string rest;
    };
    const std::vector<Case> cases = {
        {"fits whole", "en kort rad", 160, "en kort rad", ""},
        {"split at a space", "det var en gang en drake", 160, "det var en", "gang en drake"},
        {"a wrapper wider than the display is cut to it", "abcdefghij abcdefghij klm", 1000,
         "abcdefghij abcdefghi", "j klm"},
        {"leading spaces kept by a wrapper that cuts the text short",
         "  abcdefghij abcdefghij abcdefghij", 160, "  abcdefghij", "abcdefghij abcdefghij"},
        {"one long word", std::string(25, 'x'), 160, std::string(15, 'x'), std::string(10, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WrapContext wrap{[](std::string_view t, int) { return int(t.size()) * 10; }, 640, 53000};
        const StoryLine line = splitStoryLine(c.line, 10, c.right, wrap, fits);
        EXPECT_EQ(line.shown, c.shown);
        EXPECT_EQ(line.rest, c.rest);
    }
}

TEST(StoryPrint, TitleThenTheLinesTwentyPixelsApart) {
    FixedMetrics metrics;
    const auto pages =
        glosbo::test::inPrintableArea(storyPages({"Det var en g\xE5ng", "", "Slut."}, metrics));
    ASSERT_EQ(pages.size(), 1u);
    const auto& t = pages[0].texts;
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, "Ber\xE4tta");
    EXPECT_EQ(t[0].font, (PageFont{18, false, "Arial"}));
    EXPECT_NEAR(t[0].x, printerPixelsToMm(200), 1e-9);
    EXPECT_NEAR(t[0].y, printerPixelsToMm(100), 1e-9);
    EXPECT_NEAR(t[1].y, printerPixelsToMm(250), 1e-9);
    EXPECT_EQ(t[1].font, (PageFont{14, false, "Arial"}));
    EXPECT_NEAR(t[2].y, t[1].y + 0.4 * 14 + printerPixelsToMm(20), 1e-9);
    EXPECT_NEAR(t[3].y, t[2].y + 0.4 * 14 + printerPixelsToMm(20), 1e-9);
    EXPECT_EQ(t[3].text, "Slut.");
}

TEST(StoryPrint, ALongStoryGoesOnToMorePages) {
    FixedMetrics metrics;
    const auto pages =
        glosbo::test::inPrintableArea(storyPages(std::vector<std::string>(100, "rad"), metrics));
    ASSERT_GE(pages.size(), 2u);
    std::size_t printed = 0;
    for (const Page& page : pages)
        printed += page.texts.size();
    EXPECT_EQ(printed, 101u);
    EXPECT_NEAR(pages[1].texts[0].y, printerPixelsToMm(100), 1e-9);
}
