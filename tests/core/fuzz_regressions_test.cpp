// Inputs that the fuzz targets once failed on, kept so the faults stay fixed.
#include <gtest/gtest.h>

#include <limits>

#include "core/wrap.h"

using namespace glosbo::core;

namespace {
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
} // namespace

// Bounds far apart overflowed the width (right - left, then the scaling to
// the screen), which wrapped it round to a negative width.
TEST(FuzzRegressions, WrapWidthNeverOverflows) {
    WrapContext c;
    c.width = [](std::string_view t, int) { return int(t.size()) * 10; };
    c.screenWidth = 800;
    const std::string text = "Sj\xF6n ligger stilla.";
    EXPECT_EQ(dela_mening(6, kMax, 3, text, c)[1], text);
    EXPECT_EQ(dela_mening(kMin, kMax, 3, text, c)[1], text);
    c.screenWidth = kMax;
    EXPECT_EQ(dela_mening(0, 1000, 3, text, c)[1], text);
    // Reversed bounds give the narrowest width: one character a line.
    const auto narrow = dela_mening(kMax, kMin, 3, text, c);
    EXPECT_EQ(narrow[1], "S");
    EXPECT_EQ(narrow[2], "j");
    EXPECT_EQ(narrow[3], "\xF6");
}
