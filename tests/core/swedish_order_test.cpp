#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/swedish_order.h"

using namespace glosbo::core;

namespace {

std::vector<std::string> cp1252(const std::vector<const char*>& utf8) {
    std::vector<std::string> words;
    for (const char* w : utf8)
        words.push_back(*utf8ToCp1252(w));
    return words;
}

} // namespace

// Every list sorted the Swedish way: case ignored, Å, Ä, Ö after Z in that
// order (the code page has Ä before Å), accented letters with their base
// letter, digits and signs before letters, a word before its longer form.
TEST(SwedishOrder, SortsAsASwedishDictionary) {
    const struct {
        std::vector<const char*> given, sorted;
    } cases[] = {
        {{"\xC3\x96rjan", "Zara", "\xC3\xA5sa", "\xC3\x84lva", "adam", "Bo", "\xC3\x89mile", "Erik",
          "Anna"},
         {"adam", "Anna", "Bo", "\xC3\x89mile", "Erik", "Zara", "\xC3\xA5sa", "\xC3\x84lva",
          "\xC3\x96rjan"}},
        // The letters alone, in capitals and small letters mixed.
        {{"\xC3\xB6", "\xC3\x84", "\xC3\xA5", "z", "A"},
         {"A", "z", "\xC3\xA5", "\xC3\x84", "\xC3\xB6"}},
        // A capital does not go first: "banan" before "Cykel".
        {{"Cykel", "banan", "Apa", "\xC3\xA4pple"}, {"Apa", "banan", "Cykel", "\xC3\xA4pple"}},
        {{"\xC3\xBC"
          "ber",
          "ytter", "xylofon"},
         {"xylofon",
          "\xC3\xBC"
          "ber",
          "ytter"}},
        {{"hus", "hus-", "husvagn", "2 hus"}, {"2 hus", "hus", "hus-", "husvagn"}},
        // The same word in capitals and small letters: the capitals first.
        {{"sverige", "Sverige"}, {"Sverige", "sverige"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = cp1252(c.given);
        std::sort(words.begin(), words.end(), swedishLess);
        EXPECT_EQ(words, cp1252(c.sorted));
    }
}

TEST(SwedishOrder, CaseBlindComparisonCallsOnlyTheSameLettersEqual) {
    EXPECT_EQ(compareSwedish("ANNA", "anna"), 0);
    EXPECT_EQ(compareSwedish("\xC5sa", "\xE5sa"), 0);
    EXPECT_LT(compareSwedish("\xC5sa", "\xC4lva"), 0);
    EXPECT_GT(compareSwedish("\xD6rjan", "\xE4lva"), 0);
    EXPECT_LT(compareSwedish("Ann", "anna"), 0);
    EXPECT_GT(compareSwedish("anna", "Ann"), 0);
    // Strict: neither of two equal words is less.
    EXPECT_FALSE(swedishLess("anna", "anna"));
    EXPECT_TRUE(swedishLess("ANNA", "anna"));
    EXPECT_FALSE(swedishLess("anna", "ANNA"));
}
