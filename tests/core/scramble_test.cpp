#include <gtest/gtest.h>

#include "core/scramble.h"

using namespace glosbo::core;

TEST(Scramble, KeysFollowThePositionRule) {
    EXPECT_EQ(scrambleKey(1), 10);
    EXPECT_EQ(scrambleKey(2), 9);
    EXPECT_EQ(scrambleKey(3), 11);
    EXPECT_EQ(scrambleKey(4), 10);
    EXPECT_EQ(scrambleKey(492), (492 / 2 + 8) % 256); // wraps past a byte
}

TEST(Scramble, KnownVectors) {
    EXPECT_EQ(kryptrad("a"), ")h");
    EXPECT_EQ(dekryptrad(")h"), "a");
    EXPECT_EQ(kryptrad(""), ")");
    EXPECT_EQ(dekryptrad(")"), "");
    for (const char* unchanged : {"#", ";note", "$Rubrik", "#a#b"}) {
        EXPECT_EQ(kryptrad(unchanged), unchanged);
        EXPECT_EQ(dekryptrad(unchanged), unchanged);
    }
    EXPECT_EQ(kryptrad(")already"), ")already");
    EXPECT_EQ(dekryptrad("plain"), "plain");
}

TEST(Scramble, RoundTripsEveryControlFreeLine) {
    // Every byte value from 32 up, at every position of a long line.
    std::string line;
    for (int i = 0; i < 3; ++i)
        for (int b = 32; b < 256; ++b)
            line += char(b);
    line[0] = 'x';
    const std::string s = kryptrad(line);
    EXPECT_EQ(s.front(), ')');
    EXPECT_EQ(dekryptrad(s), line);
    EXPECT_EQ(dekryptrad(kryptrad("hund # dog # &hound")), "hund # dog # &hound");
    EXPECT_EQ(dekryptrad(kryptrad("\xE5\xE4\xF6 \xC5\xC4\xD6")), "\xE5\xE4\xF6 \xC5\xC4\xD6");
}
