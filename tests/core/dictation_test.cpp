#include <gtest/gtest.h>

#include "core/dictation.h"

using namespace glosbo::core;

// Help is field 3, offered when one or two fields are filled from the field
// after the alternatives' count plus two up to field 5.
TEST(Dictation, HelpRule) {
    const std::pair<const char*, bool> cases[] = {
        {"hoppa", false},
        {"hoppa##Grodan kan ___ .", true},
        {"hoppa##ett#tv\xE5", true},      // fields 3 and 4
        {"hoppa##ett#tv\xE5#tre", false}, // fields 3, 4 and 5
        {"hoppa##ett##tre", true},        // the first one only
        {"hoppa##ett#&hopa", true},       // from field 4: the alternative
        {"hoppa##ett#&hopa#hopp", true},  // from field 5
        {"hoppa##ett#&a#b#c", false},     // from field 6: past field 5
        {"hoppa###&hopa", false},         // field 3 empty: nothing to show
        {"hoppa####tv\xE5", false},
    };
    for (const auto& [line, help] : cases)
        EXPECT_EQ(dictationOffersHelp(str_postarray(line)), help) << line;
}

TEST(Dictation, WordJudgedWithoutCase) {
    const RecordFields record = str_postarray("skjorta##Han har en vit ___ .#&skjortan");
    EXPECT_TRUE(acceptsDictatedWord(record, "SKJORTA"));
    EXPECT_TRUE(acceptsDictatedWord(record, "Skjortan"));
    EXPECT_FALSE(acceptsDictatedWord(record, "sjorta"));
    EXPECT_FALSE(acceptsDictatedWord(record, "Han har en vit ___ ."));
    EXPECT_FALSE(acceptsDictatedWord(record, ""));
}

TEST(Dictation, DisplayTimeStaysWithinOneToThirtyTenths) {
    DisplayTime time;
    EXPECT_EQ(time.tenths(), 1);
    time.down();
    EXPECT_EQ(time.milliseconds(), 100);
    for (int i = 0; i < 40; ++i)
        time.up();
    EXPECT_EQ(time.tenths(), 30);
    EXPECT_EQ(time.milliseconds(), 3000);
    time.down();
    EXPECT_EQ(time.tenths(), 29);
}

TEST(Dictation, InputTwiceTheWordButNeverNarrowerThanTheLongestLine) {
    EXPECT_EQ(dictationInputWidth(300, 400), 600);
    EXPECT_EQ(dictationInputWidth(100, 400), 400);
}
