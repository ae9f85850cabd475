#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/scaling.h"

using namespace glosbo::app;

struct ScaleCase {
    int letters;
    int screenHeight;
    int percent;
};

class ScalePercent : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScalePercent, FromLetterCountAndHeight) {
    EXPECT_EQ(scalePercentFor(GetParam().letters, GetParam().screenHeight), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScalePercent,
    ::testing::Values(ScaleCase{50, 480, 100}, // 98: near enough
                      ScaleCase{49, 480, 100}, // 96
                      ScaleCase{51, 480, 100}, // 100
                      ScaleCase{48, 480, 94}, ScaleCase{52, 1024, 102},
                      ScaleCase{75, 768, 148},   // height allows 153
                      ScaleCase{140, 1080, 216}, // a wide screen: the height decides
                      ScaleCase{100, 500, 100},  // held to 100
                      ScaleCase{100, 490, 100},  // held to 98, which counts as 100
                      ScaleCase{0, 768, 100},    // nothing measured
                      ScaleCase{1, 768, 100}));

TEST(Scaling, LetterCountStopsAtTheScreenWidth) {
    const auto tenEach = [](const std::string& s) { return int(s.size()) * 10; };
    EXPECT_EQ(lettersToFill(tenEach, 800), 80);
    EXPECT_EQ(lettersToFill(tenEach, 805), 81);
    EXPECT_EQ(lettersToFill([](const std::string&) { return 0; }, 800), 0);

    // Widths that one letter predicts badly (a wide first letter, letters
    // that narrow or widen as they add up) still give the first count that
    // fills the screen, as measuring every caption from one letter up does.
    const std::vector<std::function<int(const std::string&)>> widths = {
        [](const std::string& s) { return 30 + int(s.size()) * 7; },
        [](const std::string& s) { return int(s.size()) * 13 - int(s.size()) / 3; },
        [](const std::string& s) { return int(s.size()) * 9 + int(s.size() * s.size()) / 40; },
    };
    for (std::size_t w = 0; w < widths.size(); ++w) {
        for (int screen : {1, 29, 640, 1024, 1920}) {
            int expected = 0;
            for (int n = 1; n <= screen + 1 && !expected; ++n)
                if (widths[w](std::string(std::size_t(n), 'A')) >= screen) expected = n;
            EXPECT_EQ(lettersToFill(widths[w], screen), expected) << w << " at " << screen;
        }
    }
}

TEST(Scaling, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(mulDiv(5, 150, 100), 8);
    EXPECT_EQ(mulDiv(257, 148, 100), 380);
    EXPECT_EQ(mulDiv(-5, 150, 100), -8);
    EXPECT_EQ(mulDiv(60000, 60000, 100), 36000000); // no overflow
}

TEST(Scaling, WidgetsScaleByEdgesAndOwnFontsOnly) {
    QWidget window;
    window.resize(640, 480);
    QWidget panel(&window);
    panel.setGeometry(10, 20, 100, 100);
    QFont big;
    big.setPixelSize(19);
    panel.setFont(big);
    QPushButton upper(&panel), lower(&panel);
    upper.setGeometry(3, 3, 50, 33);
    lower.setGeometry(3, 36, 50, 33);
    QLabel inheriting(&panel);

    scaleWidgets(window, 150);
    EXPECT_EQ(window.size(), QSize(960, 720));
    EXPECT_EQ(panel.geometry(), QRect(15, 30, 150, 150));
    EXPECT_EQ(upper.geometry().bottom() + 1, lower.y()); // still touching
    EXPECT_EQ(upper.geometry(), QRect(5, 5, 75, 49));
    EXPECT_EQ(panel.font().pixelSize(), 29);
    EXPECT_EQ(inheriting.font().pixelSize(), 29); // through the panel, not twice
}
