#include <gtest/gtest.h>

#include "core/manual.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

// Every line of 12 point text is 4.8 mm high, so a line advances 5.8 mm.
using FixedMetrics = glosbo::test::FixedPageMetrics;

} // namespace

TEST(Manual, LinesGetTwoSpacesAndLoseTheirLineEnds) {
    EXPECT_EQ(manualLines("Manual\r\n\r\nDel 1\n"),
              (std::vector<std::string>{"  Manual", "  ", "  Del 1"}));
    EXPECT_EQ(manualLines("utan radslut"), (std::vector<std::string>{"  utan radslut"}));
    EXPECT_TRUE(manualLines("").empty());
}

TEST(Manual, PrintedLinesFollowOnLaterPagesEachOnce) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 130; ++i)
        lines.push_back("rad " + std::to_string(i));
    const FixedMetrics metrics;
    const std::vector<Page> pages =
        glosbo::test::inPrintableArea(layOutManual(lines, ManualLayout::kFirstTop, metrics));

    // 43 lines from 10 mm, 44 from 4 mm, the last 43 on page 3.
    ASSERT_EQ(pages.size(), 3u);
    std::vector<std::string> printed;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto& texts = pages[p].texts;
        ASSERT_FALSE(texts.empty());
        // The page number first, in the top right corner: at 200 mm, or
        // further left so that it ends inside the printable area (200 mm
        // wide between the least margins). A digit is 2.4 mm wide here.
        EXPECT_EQ(texts[0].text, std::to_string(p + 1));
        EXPECT_DOUBLE_EQ(texts[0].x, 200 - 2.4);
        EXPECT_DOUBLE_EQ(texts[0].y, 2);
        EXPECT_DOUBLE_EQ(texts[1].y, p == 0 ? 10 : 4);
        for (std::size_t i = 1; i < texts.size(); ++i) {
            EXPECT_DOUBLE_EQ(texts[i].x, 15);
            EXPECT_LE(texts[i].y, 256) << texts[i].text;
            if (i > 1) {
                EXPECT_NEAR(texts[i].y - texts[i - 1].y, 5.8, 1e-9);
            }
            printed.push_back(texts[i].text);
        }
    }
    EXPECT_EQ(pages[0].texts.size(), 44u);
    EXPECT_EQ(pages[1].texts.size(), 45u);
    EXPECT_EQ(printed, lines); // none twice, none lost, the last one included

    const std::vector<Page> selection = glosbo::test::inPrintableArea(
        layOutManual({"  markerad"}, ManualLayout::kSelectionTop, metrics));
    ASSERT_EQ(selection.size(), 1u);
    EXPECT_DOUBLE_EQ(selection[0].texts[1].y, 5);
    EXPECT_TRUE(
        glosbo::test::inPrintableArea(layOutManual({}, ManualLayout::kFirstTop, metrics)).empty());
}
