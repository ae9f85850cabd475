#include <gtest/gtest.h>

#include "core/categories.h"
#include "core/cp1252.h"

using namespace glosbo::core;

namespace {

// Records are written here in UTF-8 and split as the window splits them.
RecordFields record(const char* utf8) {
    return str_postarray(*utf8ToCp1252(utf8));
}

std::string utf8(const std::string& cp1252) {
    return cp1252ToUtf8(cp1252);
}

} // namespace

// The sentence after a wrong click, for each program of the window.
TEST(CategoryExplanation, SaysWhyForEveryProgram) {
    struct Case {
        std::uint16_t program;
        const char* record;
        const char* explanation;
    };
    const Case cases[] = {
        {21100, "a#Vokal#Konsonant", "a är vokal."},
        {21200, "katt#1#2#3#4#5", "Det finns 1 vokal."},
        {21200, "banan#2#1#3#4#5", "Det finns 2 vokaler."},
        {21300, "Ö#Mjuk#Hård", "Ö är en mjuk vokal."},
        // Lower case takes in the Swedish capitals.
        {22100, "båt#LÅNG#Kort", "båt har en lång vokal."},
        {25500, "<sk>ida#SJ-ljud#TJ-ljud", "sk uttalas här med sj-ljud."},
        {34200, "bort#Ja#Nej", "Bokstäverna i bort står i alfabetisk ordning."},
        {34200, "mamma#Nej#Ja", "Bokstäverna i mamma står inte i alfabetisk ordning."},
        {17, "dikt#Ja#Nej", "Bokstäverna i dikt står i alfabetisk ordning."},
        {46300, "springa#Oregelbundet#Regelbundet", "springa är oregelbundet."},
        // Field 2 as written, and no full stop.
        {47400, "Jag läser <en bok>.#ackusativobjekt#dativobjekt", "en bok är ackusativobjekt"},
        {31110, "a#Vokal#Konsonant", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(utf8(categoryExplanation(c.program, record(c.record))), c.explanation);
    }
}

// The boxes: fields 2 onward up to the first empty field, at most seven,
// cut to 30 characters, in order of character codes.
TEST(CategoryTable, TakesSortsAndCutsTheCategories) {
    struct Case {
        const char* record;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"katt#1#5#3#4#2", {"1", "2", "3", "4", "5"}},
        // Swedish order: case ignored (the same word in capitals first),
        // Å before Ä after Z.
        {"x#Ärt#ja#Ja#Zon#Åka", {"Ja", "ja", "Zon", "Åka", "Ärt"}},
        {"x#b##a", {"b"}},
        {"x#h#g#f#e#d#c#b#a#i", {"b", "c", "d", "e", "f", "g", "h"}},
        {"x#ackusativobjekt med en mycket lång förklaring#dativ",
         {"ackusativobjekt med en mycket ", "dativ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        std::vector<std::string> shown;
        for (const std::string& box : categoryTable(record(c.record)))
            shown.push_back(utf8(box));
        EXPECT_EQ(shown, c.boxes);
    }
}

// The box is compared with field 2 exactly, as the box shows it.
TEST(CategoryTable, OnlyTheRightBoxIsRight) {
    const RecordFields fields = record("a#Vokal#Konsonant");
    EXPECT_TRUE(isRightCategory(fields, "Vokal"));
    EXPECT_FALSE(isRightCategory(fields, "Konsonant"));
    EXPECT_FALSE(isRightCategory(fields, "vokal"));

    // A right category longer than a box is still the right box.
    const RecordFields longRight = record(("x#" + std::string(35, 'a') + "#b").c_str());
    const std::vector<std::string> boxes = categoryTable(longRight);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(isRightCategory(longRight, boxes[0]));
    EXPECT_FALSE(isRightCategory(longRight, boxes[1]));
}

TEST(CategoryTable, MarkedPartAndUnmarkedItem) {
    EXPECT_EQ(markedPart("<sj>\xF6"), "sj");
    EXPECT_EQ(markedPart("hund"), "");
    EXPECT_EQ(unmarkedItem("<sj>\xF6"), "sj\xF6");
}

// What each program of the window changes.
TEST(CategoryProgram, EachProgramItsOwnRules) {
    struct Case {
        std::uint16_t program;
        bool sound, rule, translated;
        int itemPoints, boxPoints, digitKeys;
        bool explainsMarkedPart;
    };
    const Case cases[] = {
        {21100, true, false, false, 22, 20, 0, false},
        {21200, true, false, true, 22, 20, 6, false},
        {22100, true, true, true, 22, 20, 0, false},
        {25500, true, false, true, 22, 20, 0, true},
        {46300, false, true, false, 22, 20, 0, false},
        {47400, false, false, false, 22, 16, 0, true},
        {17, false, false, false, 22, 20, 0, false},
        {30000, false, false, false, 14, 20, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const CategoryProgram p = categoryProgram(c.program);
        EXPECT_EQ(p.soundExercise, c.sound);
        EXPECT_EQ(p.ruleButton, c.rule);
        EXPECT_EQ(p.translated, c.translated);
        EXPECT_EQ(p.itemPoints, c.itemPoints);
        EXPECT_EQ(p.boxPoints, c.boxPoints);
        EXPECT_EQ(p.digitKeys, c.digitKeys);
        EXPECT_EQ(p.explainsMarkedPart, c.explainsMarkedPart);
    }
}
