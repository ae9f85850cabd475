#include <gtest/gtest.h>

#include <sstream>

#include "core/alternatives.h"
#include "core/scramble.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;
using glosbo::test::TempRoot;

namespace {

AlternativeWords collect(const std::vector<std::string>& lines) {
    AlternativeWords words;
    std::istringstream in(crlf(lines));
    Hittapreppar(in, words);
    return words;
}

std::vector<std::string> shownWords(const AlternativeWords& words, int offset) {
    std::vector<std::string> shown;
    for (int i = 1; i <= words.shownCount(); ++i)
        shown.push_back(words.shown(i, offset));
    return shown;
}

} // namespace

// The marked words of the records, each once whatever its case, in the order
// found; headings, comments, empty lines and lines without a mark add nothing.
TEST(Alternatives, FileWordsAreCollectedOnceInLowerCase) {
    const auto words = collect({
        "$\xC4-ljudet",
        "; <x> in a comment",
        "",
        "Jag skriver med en p<e>nna.",
        kryptrad("<\xC4>r du klar?"), // scrambled, capitalised by its place
        "Ingen lucka h\xE4r.",
        "<E>lva \xE4r ett tal.",
        "Min syster har en v<\xE4>ska.",
    });
    ASSERT_EQ(words.count, 2);
    EXPECT_EQ(shownWords(words, 0), (std::vector<std::string>{"e", "\xE4"}));
    // The capitalised copies turn å, ä and ö into capitals too.
    EXPECT_EQ(shownWords(words, 10), (std::vector<std::string>{"E", "\xC4"}));
}

// Ten entries: the first nine words found stay, the tenth entry takes the
// last new one; eight boxes show; words are cut to ten characters, also when
// they are compared.
TEST(Alternatives, ManyAndLongFileWords) {
    std::vector<std::string> lines;
    for (char c = 'a'; c <= 'l'; ++c)
        lines.push_back(std::string("x <") + c + "> y");
    lines.push_back("<Sammansatta> ord");
    lines.push_back("<sammansatt> ord");
    auto words = collect(lines);
    EXPECT_EQ(words.count, 10);
    EXPECT_EQ(words.entry[9], "i");
    EXPECT_EQ(words.entry[10], "sammansatt");
    EXPECT_EQ(words.entry[20], "Sammansatt");
    EXPECT_EQ(words.shownCount(), 8);

    words = collect({"<Sammansatta> ord", "<sammansattaord> ord", "<b> ord"});
    EXPECT_EQ(words.count, 2);
    EXPECT_EQ(words.entry[1], "sammansatt");
}

TEST(Alternatives, FileThatCannotBeOpenedChangesNothing) {
    TempRoot root;
    root.write("DATA/DAT/SVE23100.DAT", crlf({"$Rubrik", "p<e>nna", "v<\xE4>ska"}));
    DataRoots roots;
    roots.pcPath = root.path();
    AlternativeWords words;
    ASSERT_TRUE(Hittapreppar(roots, "SVE23100.DAT", words));
    EXPECT_EQ(words.count, 2);
    EXPECT_FALSE(Hittapreppar(roots, "SVE23200.DAT", words));
    EXPECT_EQ(words.count, 2);
    EXPECT_EQ(words.entry[2], "\xE4");
}

// The right word and the wrong words of the record, up to the first empty
// field and at most eight, as written, in Swedish order: the same word in
// capitals before small letters ("Stor eller liten").
TEST(Alternatives, RecordWordsAreSortedInSwedishOrder) {
    struct Case {
        const char* line;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"Vi bor i <Sverige>.#sverige", {"Sverige", "sverige"}},
        {"Jag <\xE4t> upp.#et#at#Ett", {"at", "et", "Ett", "\xE4t"}},
        {"<\xE5t> ord#\xE4t#\xF6t#zt", {"zt", "\xE5t", "\xE4t", "\xF6t"}},
        {"<b> ord#c##a", {"b", "c"}},
        {"<a> ord#b#c#d#e#f#g#h#i#j", {"a", "b", "c", "d", "e", "f", "g", "h"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const RecordFields fields = str_postarray(c.line);
        AlternativeWords words;
        takeRecordAlternatives(fields, LetaPrep(fields[1])[2], words);
        EXPECT_EQ(shownWords(words, 0), c.shown);
    }
}

TEST(Alternatives, CaseOffsetFollowsTheRightWord) {
    struct Case {
        const char* right;
        bool recordAlternatives;
        int offset;
    };
    const Case cases[] = {
        {"e", false, 0},        {"Elva", false, 10},  {"\xC4r", false, 10}, {"\xC5ka", false, 10},
        {"\xD6ver", false, 10}, {"Sverige", true, 0}, {"1", false, 0},      {"", false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(caseOffset(c.right, c.recordAlternatives), c.offset) << c.right;
}

TEST(Alternatives, ChoiceIsJudgedExactlyAsTheBoxShowsIt) {
    EXPECT_TRUE(isRightChoice("vill", "vill"));
    EXPECT_FALSE(isRightChoice("vil", "vill"));
    EXPECT_FALSE(isRightChoice("sverige", "Sverige"));
    EXPECT_TRUE(isRightChoice("Stockholm", "Stockholm."));
    EXPECT_TRUE(isRightChoice("sammansatt", "sammansattaord"));
}

TEST(Alternatives, WordAroundTheGap) {
    EXPECT_EQ(wordAroundGap("Jag skriver med en p<e>nna."), "penna");
    EXPECT_EQ(wordAroundGap("<\xC4>r du klar?"), "\xC4r");
    EXPECT_EQ(wordAroundGap("Vi <simmar> i sj\xF6n."), "simmar");
    EXPECT_EQ(wordAroundGap("Ingen lucka."), "");
}

TEST(Alternatives, MarkedPhraseKeepsItsSpacesThroughWrapping) {
    const std::string sentence = "Vi ses <i dag> vid skolan.";
    const std::string kept = protectGapSpaces(sentence);
    EXPECT_EQ(kept, "Vi ses <i\xA0"
                    "dag> vid skolan.");
    EXPECT_EQ(restoreGapSpaces(kept), sentence);
}

// What each program of the window changes.
TEST(ChoiceProgram, EachProgramItsOwnRules) {
    struct Case {
        std::uint16_t program;
        bool recordAlternatives, wordSound, rule, translated;
        int points;
    };
    const Case cases[] = {
        {1, false, false, false, false, 22},    {10, true, false, false, false, 22},
        {110, true, false, false, false, 22},   {22200, true, true, true, true, 22},
        {23100, false, true, true, true, 22},   {23101, true, true, false, true, 22},
        {23900, false, true, false, true, 22},  {25500, false, true, false, true, 14},
        {31010, true, false, false, false, 22}, {39200, false, false, true, false, 22},
        {46400, true, false, true, false, 22},  {47000, false, false, false, false, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const ChoiceProgram p = choiceProgram(c.program);
        EXPECT_EQ(p.recordAlternatives, c.recordAlternatives);
        EXPECT_EQ(p.wordSound, c.wordSound);
        EXPECT_EQ(p.ruleButton, c.rule);
        EXPECT_EQ(p.translated, c.translated);
        EXPECT_EQ(p.questionPoints, c.points);
    }
    // The record words of "31010" are shown as written, never capitalised.
    EXPECT_EQ(caseOffset("Sverige", choiceProgram(31010).recordAlternatives), 0);
}
