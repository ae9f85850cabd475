#include <gtest/gtest.h>

#include "core/cp1252.h"

using namespace glosbo::core;

TEST(Cp1252, ConvertsBothWays) {
    const std::string bytes = "\xE5\xE4\xF6\xC5\xC4\xD6\xE9\xFC\xDF\x80\xA7";
    const std::string utf8 = "åäöÅÄÖéüß€§";
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(utf8ToCp1252(utf8).value(), bytes);
    EXPECT_EQ(utf8ToCp1252("plain ascii").value(), "plain ascii");
}

TEST(Cp1252, RejectsWhatTheCodePageCannotHold) {
    EXPECT_FALSE(utf8ToCp1252("ł").has_value());        // Polish l, not in the code page
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());     // truncated sequence
    EXPECT_FALSE(utf8ToCp1252("\xE5").has_value());     // Windows-1252 byte, not UTF-8
    EXPECT_FALSE(utf8ToCp1252("\xC0\xAF").has_value()); // overlong
    EXPECT_EQ(utf8ToCp1252Lossy("ało"), "a?o");
    EXPECT_FALSE(isValidUtf8("\xE5gon"));
    EXPECT_TRUE(isValidUtf8("ågon"));
}

TEST(Cp1252, UpperCaseIncludesNationalLetters) {
    EXPECT_EQ(upperCp1252(*utf8ToCp1252("åäöéüæøšÿ abc")), *utf8ToCp1252("ÅÄÖÉÜÆØŠŸ ABC"));
    EXPECT_EQ(upperCp1252("\xF7\xDF"), "\xF7\xDF"); // division sign and sharp s stay
}

// Lower case undoes upper case on every byte that has a capital, and leaves
// every other byte alone.
TEST(Cp1252, LowerCaseIsTheInverseOfUpperCase) {
    EXPECT_EQ(lowerCp1252(*utf8ToCp1252("ÅÄÖÉÜŠŸ ABC")), *utf8ToCp1252("åäöéüšÿ abc"));
    for (int b = 0; b < 256; ++b) {
        const char c = char(b);
        if (upperCp1252(c) != c) {
            EXPECT_EQ(lowerCp1252(upperCp1252(c)), c) << b;
        }
        if (lowerCp1252(c) != c) {
            EXPECT_EQ(upperCp1252(lowerCp1252(c)), c) << b;
        }
    }
    EXPECT_EQ(lowerCp1252("\xD7\xDF"), "\xD7\xDF"); // multiplication sign and sharp s stay
}
