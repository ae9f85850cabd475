#include <gtest/gtest.h>

#include "core/program_number.h"

using namespace glosbo::core;

TEST(ProgramNumber, DigitsBeforeTheDot) {
    EXPECT_EQ(GeProgramtal("SVE23101.DAT"), 23101);
    EXPECT_EQ(GeProgramtal("SVE41100.DAT"), 41100);
    EXPECT_EQ(GeProgramtal("SVOVN117.DAT"), 117);
    EXPECT_EQ(GeProgramtal("SVDI01.DAT"), 1);
    EXPECT_EQ(GeProgramtal("SVE12.34.DAT"), 12);
    EXPECT_EQ(GeProgramtal("README"), 0);
    EXPECT_EQ(GeProgramtal(""), 0);
}
