#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/cp1252.h"
#include "core/scramble.h"
#include "core/sentence_parts.h"

using namespace glosbo::core;

namespace {

RecordFields record(const char* utf8) {
    return str_postarray(*utf8ToCp1252(utf8));
}

Sentence sentence(const char* utf8) {
    auto s = Sentence::fromRecord(record(utf8));
    EXPECT_TRUE(s) << utf8;
    return s ? *s : *Sentence::fromRecord(record("<x>#S"));
}

std::vector<std::string> boxTags(const Sentence& s) {
    std::vector<std::string> tags;
    for (const Sentence::Box& box : s.boxes())
        tags.push_back(kSentenceRoles[std::size_t(box.role - 1)].tag);
    return tags;
}

} // namespace

// Field 1 cut at its marks; records whose marks no pupil could drag give
// no sentence.
TEST(SplitSentence, CutsAtTheMarksAndRefusesBrokenOnes) {
    const auto s = splitSentence("I morgon <reser> <vi> bort.");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->partCount, 2);
    EXPECT_EQ(s->between[1], "I morgon ");
    EXPECT_EQ(s->parts[1], "reser");
    EXPECT_EQ(s->between[2], " ");
    EXPECT_EQ(s->parts[2], "vi");
    EXPECT_EQ(s->between[3], " bort.");

    const auto five = splitSentence("<a><b><c><d><e>");
    ASSERT_TRUE(five);
    EXPECT_EQ(five->partCount, 5);
    EXPECT_EQ(five->between[6], "");

    for (const char* bad : {"<Hunden> <sk\xE4ller", "Hunden> sk\xE4ller.", "<a>b>c<", ">a<",
                            "<a <b> c>", "<>", "<a><b><c><d><e><f>"})
        EXPECT_FALSE(splitSentence(bad)) << bad;
}

// Boxes follow the role table (AO, DO, P, PF, S), then the parts' order;
// "NN" and unknown tags get none, tags in any case do.
TEST(SentenceBoxes, StandInRoleOrder) {
    struct Case {
        const char* record;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"<Hunden> <skäller> <hela natten>.#S#P#NN", {"P", "S"}},
        {"<Mormor> <gav> <barnen> <en present>.#s#p#do#ao", {"AO", "DO", "P", "S"}},
        {"<Har> <du> <ätit>?#P#S#P", {"P", "P", "S"}},
        {"<Hon> <är> <glad>.#S#P#Pf", {"P", "PF", "S"}},
        {"<Hon> <är> <glad>.#S#P", {"P", "S"}}, // a part without a field has no box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(boxTags(sentence(c.record)), c.boxes);
    }
    EXPECT_EQ(sentence("<Har> <du> <ätit>?#P#S#P").boxes()[1].part, 3);
    // Nothing to place, or marks that cannot be cut: no sentence.
    EXPECT_FALSE(Sentence::fromRecord(record("<Hunden> skäller.#NN")));
    EXPECT_FALSE(Sentence::fromRecord(record("Hunden skäller.#S")));
    EXPECT_FALSE(Sentence::fromRecord(record("<Hunden> <skäller.#S#P")));
}

// "hela natten" is refused on either box; the other two finish the
// sentence, which counts as wrong.
TEST(SentenceDrop, NoBoxTakesAPartWithoutARole) {
    Sentence s = sentence("<Hunden> <skäller> <hela natten>.#S#P#NN");
    EXPECT_EQ(s.drop(3, 1), PartDrop::Refused);
    EXPECT_EQ(s.drop(3, 2), PartDrop::Refused);
    EXPECT_FALSE(s.clean());
    EXPECT_EQ(s.drop(2, 1), PartDrop::Placed);
    EXPECT_FALSE(s.finished());
    EXPECT_EQ(s.drop(1, 2), PartDrop::Placed);
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s.clean());
}

// A part on another part's box is refused, then taken on its own; dropped
// there again it counts once.
TEST(SentenceDrop, RefusedElsewhereCountedOnce) {
    Sentence s = sentence("<Hunden> <skäller>.#S#P");
    EXPECT_EQ(s.drop(1, 1), PartDrop::Refused);
    EXPECT_FALSE(s.isPlaced(1));
    EXPECT_EQ(s.drop(1, 2), PartDrop::Placed);
    EXPECT_EQ(s.drop(1, 2), PartDrop::AlreadyPlaced);
    EXPECT_EQ(s.placed(), 1);
    EXPECT_TRUE(s.received(2));
    EXPECT_FALSE(s.received(1));
    EXPECT_EQ(s.boxOfPart(1), 2);
}

// Two parts of one role: either takes either box, but a box takes one part.
TEST(SentenceDrop, PartsOfOneRoleShareTheirBoxes) {
    Sentence s = sentence("<Har> <du> <ätit>?#P#S#P");
    EXPECT_EQ(s.drop(3, 1), PartDrop::Placed); // box 1 was made for "Har"
    EXPECT_EQ(s.drop(1, 1), PartDrop::Refused);
    EXPECT_EQ(s.drop(1, 2), PartDrop::Placed);
    EXPECT_EQ(s.drop(3, 2), PartDrop::AlreadyPlaced);
    EXPECT_EQ(s.drop(2, 3), PartDrop::Placed);
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s.clean());
}

// The hints of one drag and their two locks.
TEST(DragHints, FollowOneDrag) {
    DragHints h;
    EXPECT_EQ(h.overBackground(), 0);
    EXPECT_EQ(h.ask(1), 1);            // over a part
    EXPECT_EQ(h.ask(1), std::nullopt); // the same hint is not written again
    EXPECT_EQ(h.ask(2), 2);            // pressed
    EXPECT_EQ(h.ask(0), std::nullopt); // locked by the drag
    EXPECT_EQ(h.ask(3), 3);            // over a box
    EXPECT_EQ(h.ask(2), std::nullopt); // locked by the box
    EXPECT_EQ(h.dragLeftBox(), 2);
    EXPECT_EQ(h.ask(1), std::nullopt);
    EXPECT_EQ(h.overBackground(), 0);
    EXPECT_EQ(h.ask(1), 1);
}

// Which lines count for which level: every digit of the prefix is part of
// the level, and a record needs a '#' after its first character.
TEST(LevelFile, CountsTheLevelsOfItsLines) {
    struct Case {
        const char* name;
        std::string file;
        int levels;
        std::vector<int> counts; // levels 1, 2, 3, ...
    };
    const Case cases[] = {
        {"1 and 12", "$Rubrik\r\n1<a>#S\r\n12<b>#S\r\n2<c>#S\r\n1<d>#S\r\n", 2, {2, 1, 0}},
        {"no '#'", "1<a>#S\r\n1<b> S\r\n1#\r\n#1\r\n2<c>#S\r\n", 2, {2, 1}},
        {"comments, blanks, no level",
         ";1<a>#S\r\n\r\n<x>#S\r\n0<y>#S\r\n21<z>#S\r\n1<a>#S\r\n",
         1,
         {1, 0}},
        {"gap at level 3", "1<a>#S\r\n2<b>#S\r\n4<c>#S\r\n", 2, {1, 1, 0, 1}},
        {"scrambled", kryptrad("1<a>#S") + "\r\n2<b>#S\r\n", 2, {1, 1}},
        {"three digits", "1<a>#S\r\n123<b>#S\r\n", 1, {1, 0}},
        {"empty", "", 0, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.file);
        LevelFile file;
        file.count(in);
        EXPECT_EQ(file.levels(), c.levels);
        for (std::size_t i = 0; i < c.counts.size(); ++i)
            EXPECT_EQ(file.recordCount(int(i) + 1), c.counts[i]) << "level " << i + 1;
    }
}

// Level 1 fetches its own records, never those of level 12, each once in a
// round, and a level of more than 100 records uses them all.
TEST(LevelFile, FetchesEveryRecordOfALevelOnce) {
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "1<a" + std::to_string(i) + ">#S\r\n12<x>#S\r\n";
    text += "2<b>#S\r\n";
    LevelFile file;
    std::istringstream counting(text);
    file.count(counting);
    EXPECT_EQ(file.recordCount(1), 130);
    SeededRandom random(4);
    file.shuffle(1, random);
    std::set<std::string> seen;
    for (int i = 0; i < 130; ++i) {
        std::istringstream in(text);
        const auto line = file.fetch(in, 1);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->substr(0, 2), "<a");
        seen.insert(*line);
    }
    EXPECT_EQ(seen.size(), 130u);
    std::istringstream again(text);
    EXPECT_TRUE(file.fetch(again, 1)); // the round starts again
    std::istringstream level2(text);
    EXPECT_EQ(file.fetch(level2, 2), "<b>#S");
    std::istringstream none(text);
    EXPECT_EQ(file.fetch(none, 3), std::nullopt);
}

// Three right raise the level, a wrong one lowers it but never below 1,
// past the top the climb is over.
TEST(LevelClimb, ClimbsAndFalls) {
    LevelClimb climb;
    climb.start(2);
    EXPECT_FALSE(climb.right());
    EXPECT_EQ(climb.levelPoints(), 24);
    EXPECT_FALSE(climb.right());
    EXPECT_EQ(climb.levelPoints(), 30);
    EXPECT_FALSE(climb.right());
    EXPECT_EQ(climb.level(), 2);
    EXPECT_EQ(climb.run(), 0);
    EXPECT_EQ(climb.levelPoints(), 18);
    climb.right();
    climb.wrong();
    EXPECT_EQ(climb.level(), 1);
    EXPECT_EQ(climb.run(), 0);
    climb.wrong();
    EXPECT_EQ(climb.level(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(climb.right());
    EXPECT_TRUE(climb.right());
    EXPECT_TRUE(climb.topPassed());
    climb.start(2);
    EXPECT_EQ(climb.level(), 1);
    EXPECT_FALSE(climb.topPassed());
}

// Worksheet lines: box order, the legends as spelled, a blank or the part;
// a level file's whole prefix goes.
TEST(SentencePartsTask, ListsThePartsInBoxOrder) {
    const char* line = "12<Mormor> <gav> <barnen> <en present>.#S#P#DO#AO";
    const std::string sentenceText = withoutLevel(*utf8ToCp1252(line));
    const RecordFields fields = str_postarray(sentenceText);
    const auto s = Sentence::fromRecord(fields);
    ASSERT_TRUE(s);
    const TaskLines task = sentencePartsTask("   1. ", fields[1], *s);
    const std::string blank(28, '_');
    const std::vector<std::string> questions = {
        "   1. <Mormor> <gav> <barnen> <en present>.", "       Ackusativobjekt  =" + blank,
        "       Dativobjekt        =" + blank,         "       Predikat             =" + blank,
        "       Subjekt               =" + blank,
    };
    EXPECT_EQ(task.questions, questions);
    EXPECT_EQ(task.answers[1], "       Ackusativobjekt  = en present");
    EXPECT_EQ(task.answers[4], "       Subjekt               = Mormor");
    EXPECT_EQ(withoutLevel("7<a>#S"), "<a>#S");
    EXPECT_EQ(withoutLevel("<a>#S"), "<a>#S");
}

// The fixed headlines and the level programs.
TEST(SentencePartsProgram, ByProgramNumber) {
    EXPECT_TRUE(sentencePartsProgram(47100).levels);
    EXPECT_TRUE(sentencePartsProgram(47200).levels);
    EXPECT_FALSE(sentencePartsProgram(47300).levels);
    EXPECT_EQ(cp1252ToUtf8(sentencePartsProgram(47200).headline2), "Vilket är ackusativobjektet?");
    EXPECT_STREQ(sentencePartsProgram(47300).headline2, "Ackusativ- eller dativobjekt?");
}

// Records the window cannot show do not count: a level of nothing else is
// no level, and fetching skips them as counting did.
TEST(LevelFile, CountsOnlyTheRecordsItCanShow) {
    const std::string text = "1<a>#S\r\n1bad#S\r\n1<b>#S\r\n2bad#S\r\n3<c>#S\r\n";
    LevelFile file;
    std::istringstream counting(text);
    file.count(counting,
               [](std::string_view record) { return record.find('<') != std::string_view::npos; });
    EXPECT_EQ(file.levels(), 1);
    EXPECT_EQ(file.recordCount(1), 2);
    std::istringstream first(text);
    EXPECT_EQ(file.fetch(first, 1), "<a>#S");
    std::istringstream second(text);
    EXPECT_EQ(file.fetch(second, 1), "<b>#S");
}

// Only marks (and blanks) stay with the part before them.
TEST(SentenceFlow, PunctuationAloneNeverStartsARow) {
    for (const char* text : {".", " .", "?", "!", ". ", ",", ";:"})
        EXPECT_TRUE(onlyPunctuation(text)) << text;
    for (const char* text : {"", " ", " och", ". Sedan", "i g\xE5r."})
        EXPECT_FALSE(onlyPunctuation(text)) << text;
}
