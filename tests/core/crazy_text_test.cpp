#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "core/crazy_text.h"
#include "core/scramble.h"
#include "core/text_printout.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

CrazyStoryFile read(const std::string& text) {
    std::istringstream in(text);
    return readCrazyStories(in);
}

std::vector<std::string> titles(const CrazyStoryFile& file) {
    std::vector<std::string> out;
    for (const CrazyStory& s : file.stories)
        out.push_back(s.title);
    return out;
}

// Ten pixels a character at every size.
WrapContext tenPixelWrap() {
    return WrapContext{[](std::string_view t, int) { return int(t.size()) * 10; }, 1024, 51000};
}

using FixedMetrics = glosbo::test::FixedPageMetrics;

CrazyText textOf(const std::string& file) {
    const CrazyStoryFile read1 = read(file);
    EXPECT_EQ(read1.stories.size(), 1u);
    return CrazyText(read1.stories.at(0));
}

} // namespace

TEST(CrazyStories, FileIsReadIntoItsUsableStories) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> titles;
        std::size_t problems;
    };
    const std::string scrambled = kryptrad("Den var #1 och #3 sprang.");
    const std::vector<Case> cases = {
        {"two stories, lines between them ignored",
         "; about\r\n$Ett\r\nA #1.\r\n#\r\nloose line\r\n$Tv\xE5\r\nB #2 #3.\r\n#\r\n",
         {"Ett", "Tv\xE5"},
         1},
        {"a comment inside a story is skipped", "$Ett\r\n;note #9\r\nA #1.\r\n#\r\n", {"Ett"}, 0},
        {"scrambled lines are read unscrambled", "$Ett\r\n" + scrambled + "\r\n#\r\n", {"Ett"}, 0},
        {"eleven gaps of a kind",
         "$Ett\r\n#1#1#1#1#1#1#1#1#1#1\r\n#1\r\n#\r\n$Tv\xE5\r\nx\r\n#\r\n",
         {"Tv\xE5"},
         1},
        {"a # before another character",
         "$Ett\r\nA #4.\r\n#\r\n$Tv\xE5\r\nx\r\n#\r\n",
         {"Tv\xE5"},
         1},
        {"a # at the end of a line", "$Ett\r\nA #\r\n#\r\n$Tv\xE5\r\nx\r\n#\r\n", {"Tv\xE5"}, 1},
        {"a story cut short by the next title",
         "$Ett\r\nA\r\n$Tv\xE5\r\nx\r\n#\r\n",
         {"Tv\xE5"},
         1},
        {"a story without its closing line", "$Ett\r\nA\r\n#\r\n$Tv\xE5\r\nx\r\n", {"Ett"}, 1},
        {"nothing usable", "; only a note\r\n$Ett\r\n#5\r\n#\r\n", {}, 2},
        {"empty file", "", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CrazyStoryFile file = read(c.file);
        EXPECT_EQ(titles(file), c.titles);
        EXPECT_EQ(file.problems.size(), c.problems);
    }
}

TEST(CrazyStories, GapsAreCountedPerKindTitleIncluded) {
    const CrazyStoryFile file = read("$Den #1 resan\r\nA #1 och #2.\r\nB #1, #2.\r\n#\r\n");
    ASSERT_EQ(file.stories.size(), 1u);
    EXPECT_EQ(file.stories[0].gaps, (std::array<int, 3>{3, 2, 0}));
    EXPECT_EQ(file.stories[0].lines,
              (std::vector<std::string>{"Den #1 resan", "A #1 och #2.", "B #1, #2."}));
}

// Three adjectives, two singular nouns and no plural noun: the last prompt
// still takes one Enter, and the words fill their gaps once each.
TEST(CrazyTextRound, PromptsTakeTheWordsAndFillEveryGapOnce) {
    CrazyText text = textOf("$Resan\r\n#1 #1 #1\r\n#2 #2\r\n#\r\n");
    const std::vector<std::pair<std::string, int>> prompts = {
        {"Skriv 3 adjektiv.", 3},
        {"Skriv 2 substantiv i singularis.", 2},
        {"Skriv 0 substantiv i pluralis.", 1}};
    const std::vector<std::vector<std::string>> typed = {{"a", "b", "c"}, {"x", "y"}, {""}};
    for (int kind = 1; kind <= 3; ++kind) {
        ASSERT_EQ(text.kind(), kind);
        EXPECT_EQ(text.prompt(), prompts[kind - 1].first);
        const auto& words = typed[kind - 1];
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(text.wordNumber(), int(i + 1));
            EXPECT_EQ(text.take(words[i]), i + 1 == words.size());
        }
    }
    EXPECT_EQ(text.kind(), CrazyText::kDone);

    SeededRandom random(7);
    text.shuffle(random);
    WrapContext wrap = tenPixelWrap();
    const auto lines = text.text(10, 680, wrap);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Resan");
    std::string adjectives = lines[1];
    std::sort(adjectives.begin(), adjectives.end());
    EXPECT_EQ(adjectives, "  abc");
    std::string nouns = lines[2];
    std::sort(nouns.begin(), nouns.end());
    EXPECT_EQ(nouns, " xy");
}

TEST(CrazyTextRound, ShuffleReordersOnlyTheWordsThatFillGaps) {
    CrazyText text = textOf("$T\r\n#1 #1 #1 #1 #1 #1\r\n#\r\n");
    const std::vector<std::string> typed = {"a", "b", "c", "d", "e", "f"};
    for (const auto& w : typed)
        text.take(w);
    text.take("");
    text.take("");
    std::set<std::vector<std::string>> orders;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        CrazyText copy = text;
        SeededRandom random(seed);
        copy.shuffle(random);
        const auto& w = copy.words(1);
        std::vector<std::string> first(w.begin(), w.begin() + 6);
        std::vector<std::string> sorted = first;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, typed);
        EXPECT_EQ(w[6], "");
        orders.insert(first);
    }
    EXPECT_GT(orders.size(), 10u);
}

TEST(CrazyTextRound, WordsAreCutToTwentyCharacters) {
    CrazyText text = textOf("$T\r\n#1\r\n#\r\n");
    text.take(std::string(25, 'x'));
    EXPECT_EQ(text.words(1)[0], std::string(20, 'x'));
}

// Ten pixels a character between 10 and 110: ten characters to a line.
TEST(CrazyTextWrap, LongLinesRunOnIntoTheNextStoryLine) {
    struct Case {
        const char* name;
        std::string story;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"short lines stay", "$T\r\nabc\r\ndef\r\n#\r\n", {"T", "abc", "def"}},
        {"two display lines carry one on after a space",
         "$T\r\naaaa bbbb cccc\r\ndd\r\n#\r\n",
         {"T", "aaaa bbbb ", "cccc dd"}},
        {"three display lines show two and carry the third",
         "$T\r\naaaa bbbb cccc dddd eeee\r\nff\r\n#\r\n",
         {"T", "aaaa bbbb ", "cccc dddd ", "eeee ff"}},
        {"nothing is lost past three display lines",
         "$T\r\naaaa bbbb cccc dddd eeee gggg hhhh\r\n#\r\n",
         {"T", "aaaa bbbb ", "cccc dddd ", "eeee gggg ", "hhhh"}},
        {"leading spaces of a line that needs more than two display lines",
         "$T\r\n  aaaa bbbb cccc dddd eeee\r\n#\r\n",
         {"T", "  aaaa ", "bbbb cccc ", "dddd eeee"}},
        {"a carry ending in a space gets no second one",
         "$T\r\naaaa bbbb cc \r\ndd\r\n#\r\n",
         {"T", "aaaa bbbb ", "cc dd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CrazyText text = textOf(c.story);
        WrapContext wrap = tenPixelWrap();
        EXPECT_EQ(text.text(10, 110, wrap), c.lines);
    }
}

TEST(CrazyTextWrap, StrayCharactersAfterHashAreDroppedWithIt) {
    CrazyStory story;
    story.lines = {"T", "a#9b#"};
    CrazyText text(story);
    WrapContext wrap = tenPixelWrap();
    EXPECT_EQ(text.text(10, 680, wrap), (std::vector<std::string>{"T", "ab"}));
}

TEST(CrazyTextPrint, LinesStandAtTwoHundredPixelsWithALargerGapAfterTheTitle) {
    FixedMetrics metrics;
    const auto pages =
        glosbo::test::inPrintableArea(crazyTextPages({"Titel", "Rad ett", "Rad tv\xE5"}, metrics));
    ASSERT_EQ(pages.size(), 1u);
    const auto& t = pages[0].texts;
    ASSERT_EQ(t.size(), 3u);
    const double h = 0.4 * 12;
    for (const auto& text : t) {
        EXPECT_NEAR(text.x, 200 * 25.4 / 300, 1e-9);
        EXPECT_EQ(text.font, (PageFont{12, false, "Arial"}));
    }
    EXPECT_NEAR(t[0].y, printerPixelsToMm(2), 1e-9);
    EXPECT_NEAR(t[1].y, t[0].y + h + printerPixelsToMm(40), 1e-9);
    EXPECT_NEAR(t[2].y, t[1].y + h + printerPixelsToMm(10), 1e-9);
    EXPECT_EQ(t[2].text, "Rad tv\xE5");
}

TEST(CrazyTextPrint, ATextLongerThanAPageGoesOnToTheNext) {
    FixedMetrics metrics;
    std::vector<std::string> lines(80, "rad");
    const auto pages = glosbo::test::inPrintableArea(crazyTextPages(lines, metrics));
    ASSERT_GE(pages.size(), 2u);
    std::size_t printed = 0;
    for (const Page& page : pages) {
        printed += page.texts.size();
        for (const auto& text : page.texts)
            EXPECT_LE(text.y + 0.4 * 12, Page::kHeight - printerPixelsToMm(200) + 1e-9);
    }
    EXPECT_EQ(printed, lines.size());
    EXPECT_NEAR(pages[1].texts[0].y, printerPixelsToMm(2), 1e-9);
}

TEST(CrazyTextPrint, ALineWiderThanThePageIsWrappedAtItsSpaces) {
    FixedMetrics metrics; // 2.4 mm a character: 73 characters between the margins
    const std::string word(30, 'x');
    const auto pages = glosbo::test::inPrintableArea(
        crazyTextPages({"T", word + " " + word + " " + word}, metrics));
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].texts.size(), 3u);
    EXPECT_EQ(pages[0].texts[1].text, word + " " + word);
    EXPECT_EQ(pages[0].texts[2].text, word);
    // The pieces of one line stand close together.
    EXPECT_NEAR(pages[0].texts[2].y, pages[0].texts[1].y + 0.4 * 12, 1e-9);
}
