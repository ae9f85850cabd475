#include <gtest/gtest.h>

#include "core/wrap.h"

using namespace glosbo::core;

namespace {
// Every character is 10 pixels wide at any size.
WrapContext fixedWidth(int screenWidth = 640, std::uint16_t program = 0) {
    WrapContext c;
    c.width = [](std::string_view t, int) { return int(t.size()) * 10; };
    c.screenWidth = screenWidth;
    c.programNumber = program;
    return c;
}
} // namespace

TEST(Wrap, BreaksAfterBreakCharacters) {
    auto c = fixedWidth();
    const auto lines = dela_mening(0, 100, 3, "Det var en g\xE5ng en katt som hette Mj\xE4u.", c);
    // A space that overflows the line breaks at the break before it.
    EXPECT_EQ(lines[1], "Det var ");
    EXPECT_EQ(lines[2], "en g\xE5ng ");
    EXPECT_EQ(lines[3], "en katt "); // the rest does not fit and is dropped
}

TEST(Wrap, FitsAndDropsLeadingSpaces) {
    auto c = fixedWidth();
    const auto lines = dela_mening(0, 130, 2, "Hej du, jag heter Bo", c);
    EXPECT_EQ(lines[1], "Hej du, jag ");
    EXPECT_EQ(lines[2], "heter Bo");
    const auto cut = dela_mening(0, 100, 2, "abcdefghi, jklmnopqrstu", c);
    EXPECT_EQ(cut[1], "abcdefghi,");
    EXPECT_EQ(cut[2], " "); // no fit: the lines keep their leading spaces
    const auto one = dela_mening(0, 100, 1, "Kort", c);
    EXPECT_EQ(one[1], "Kort");
    EXPECT_EQ(dela_mening(0, 100, 3, "", c)[1], "");
}

TEST(Wrap, NoBreakCharacterBreaksAtTheWidth) {
    auto c = fixedWidth();
    const auto lines = dela_mening(0, 50, 2, "abcdefghijkl", c);
    EXPECT_EQ(lines[1], "abcde");
    EXPECT_EQ(lines[2], "fghij");
}

TEST(Wrap, WidthScalesWithTheScreenExceptForSomePrograms) {
    auto wide = fixedWidth(1280);
    EXPECT_EQ(dela_mening(0, 50, 1, "abcdefghijkl", wide)[1], "abcdefghij");
    auto map = fixedWidth(1280, 38100);
    EXPECT_EQ(dela_mening(0, 50, 1, "abcdefghijkl", map)[1], "abcde");
    auto caption = fixedWidth(1280);
    caption.captionStyle = true;
    EXPECT_EQ(dela_mening(0, 50, 1, "abcdefghijkl", caption)[1], "abcde");
    EXPECT_FALSE(caption.captionStyle); // one call only
}

TEST(Wrap, PointSizeByProgram) {
    EXPECT_EQ(wrapPointSize(21200, false), 22);
    EXPECT_EQ(wrapPointSize(31150, false), 22);
    EXPECT_EQ(wrapPointSize(47400, false), 18);
    EXPECT_EQ(wrapPointSize(51000, false), 12);
    EXPECT_EQ(wrapPointSize(23100, false), 14);
    EXPECT_EQ(wrapPointSize(23100, true), 8);
    int seen = 0;
    WrapContext c = fixedWidth();
    c.programNumber = 47400;
    c.width = [&](std::string_view t, int size) {
        seen = size;
        return int(t.size());
    };
    dela_mening(0, 100, 1, "x", c);
    EXPECT_EQ(seen, 18);
}

// As many lines as the text needs; a marked word is never cut, not even at
// its own '-' or '.', and one wider than a line stands on its own.
TEST(WrapLines, BreaksAsTheWrapperButNeverInAMarkedWord) {
    const auto letters = [](std::string_view text) { return int(text.size()); };
    EXPECT_EQ(wrapLines("ett tv\xE5 tre fyra fem sex sju", 10, letters),
              (std::vector<std::string>{"ett tv\xE5 ", "tre fyra ", "fem sex ", "sju"}));
    EXPECT_EQ(wrapLines("Hon skrev <e-post.nu> i dag", 12, letters),
              (std::vector<std::string>{"Hon skrev ", "<e-post.nu> ", "i dag"}));
    EXPECT_EQ(wrapLines("a <ordetsomarf\xF6rl\xE5ngt> b", 6, letters),
              (std::vector<std::string>{"a ", "<ordetsomarf\xF6rl\xE5ngt>", "b"}));
    EXPECT_EQ(wrapLines("abcdefghij", 4, letters),
              (std::vector<std::string>{"abcd", "efgh", "ij"}));
    EXPECT_TRUE(wrapLines("", 10, letters).empty());
}
