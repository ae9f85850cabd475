#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/app_state.h"
#include "core/odd_one_out.h"
#include "core/reveal.h"
#include "core/word_duel.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;
using Next = OddOneOutGame::Next;

namespace {

// Plays a game to the given points: player p scores points[p - 1] right
// answers, taking turns in order while the others answer wrong... without
// the waits: wrong answers only hand the turn on.
OddOneOutGame gameAt(int players, std::vector<int> points) {
    OddOneOutGame game(players);
    for (bool scored = true; scored;) {
        scored = false;
        for (int p = 1; p <= players; ++p) {
            EXPECT_EQ(game.nextTurn(), p);
            if (game.points(p) < points[std::size_t(p - 1)]) {
                game.right();
                scored = true;
            } else {
                game.wrong();
            }
        }
    }
    return game;
}

} // namespace

TEST(OddOneOut, OnePlayerEndsAtTheGoal) {
    OddOneOutGame game(1);
    for (int i = 0; i < 4; ++i) {
        game.nextTurn();
        EXPECT_EQ(game.right(), Next::Turn);
    }
    EXPECT_EQ(game.nextTurn(), 1);
    EXPECT_EQ(game.right(), Next::GameOver);
    EXPECT_EQ(game.winners(), std::vector<int>{1});
}

TEST(OddOneOut, LastChanceDecidesTheWinners) {
    struct Case {
        int players;
        std::vector<int> before;   // player 1 about to score the fifth point
        std::vector<bool> answers; // of the players with a last chance, in turn
        std::vector<int> winners;
    };
    const Case cases[] = {
        {2, {4, 4}, {true}, {1, 2}},
        {2, {4, 4}, {false}, {1}},
        {2, {4, 3}, {}, {1}},
        {3, {4, 4, 4}, {true, true}, {1, 2, 3}},
        {3, {4, 4, 4}, {false, true}, {1, 3}},
        {3, {4, 4, 4}, {true, false}, {1, 2}},
        // Player 2 at 3 has no last chance, so the turn goes to player 3.
        {3, {4, 3, 4}, {true}, {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.before));
        OddOneOutGame game = gameAt(c.players, c.before);
        EXPECT_EQ(game.nextTurn(), 1);
        Next next = game.right();
        for (bool answer : c.answers) {
            ASSERT_EQ(next, Next::Turn);
            const int p = game.nextTurn();
            EXPECT_TRUE(game.lastChance(p));
            next = answer ? game.right() : game.wrong();
            if (next == Next::WaitThenTurn) next = Next::Turn;
        }
        EXPECT_EQ(next, Next::GameOver);
        EXPECT_TRUE(game.over());
        EXPECT_EQ(game.winners(), c.winners);
    }
}

TEST(OddOneOut, WinnersAreJoined) {
    EXPECT_EQ(joinWinners({"Anna"}), "Anna");
    EXPECT_EQ(joinWinners({"Anna", "Bo"}), "Anna och Bo");
    EXPECT_EQ(joinWinners({"Anna", "Bo", "Cilla"}), "Anna, Bo och Cilla");
}

TEST(OddOneOut, OrderIsAPermutation) {
    SeededRandom random(3);
    for (int i = 0; i < 20; ++i) {
        const auto order = slump(random);
        EXPECT_EQ(std::set<int>(order.begin(), order.end()), (std::set<int>{1, 2, 3, 4}));
    }
}

TEST(WordDuel, PointsAndSquares) {
    WordDuel duel;
    // A turn without a word of the class: nobody scores, the marker shows 0.
    auto v = duel.answer(2, 0);
    EXPECT_FALSE(v.right);
    EXPECT_GT(v.squares.first, v.squares.last);
    EXPECT_EQ(duel.computerPoints(), 0);
    for (int i = 0; i < 3; ++i)
        duel.answer(5, 5);
    duel.answer(3, 3);
    ASSERT_EQ(duel.pupilPoints(), 18);
    v = duel.answer(4, 4);
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.squares.first, 19);
    EXPECT_EQ(v.squares.last, 20);
    EXPECT_TRUE(duel.over());
    EXPECT_TRUE(duel.won());
    EXPECT_EQ(duel.pupilPoints(), 22);
}

TEST(WordDuel, WrongAnswersFeedTheComputer) {
    WordDuel duel;
    for (int i = 0; i < 3; ++i)
        duel.answer(0, 5);
    auto v = duel.answer(0, 5);
    EXPECT_EQ(v.squares.first, 36);
    EXPECT_EQ(v.squares.last, 40);
    EXPECT_TRUE(v.over);
    EXPECT_FALSE(duel.won());
    duel.reset();
    EXPECT_EQ(duel.computerPoints(), 0);
    EXPECT_FALSE(duel.over());
}

TEST(WordDuel, TextsAndClasses) {
    EXPECT_EQ(emptyNamePrompt(1), "Ditt namn tack!");
    EXPECT_EQ(emptyNamePrompt(3), "Ditt namn tack!!!");
    EXPECT_EQ(emptyNamePrompt(4), "Avbryt med Escape.");
    EXPECT_EQ(emptyNamePrompt(5), "Avbryt med Escape.");
    EXPECT_EQ(duelWonText("Ali"), "Grattis Ali!");
    EXPECT_EQ(duelLostText("Ali"), "Tyv\xE4rr, Ali. Du f\xF6rlorade mot datorn. Ta revansch.");
    EXPECT_EQ(duelTargetClass(41200), "ADJEKTIV");
    EXPECT_TRUE(knownWordClass("r\xE4kneord"));
    EXPECT_FALSE(knownWordClass("ordklass"));
}

TEST(WordDuel, TurnDrawsFiveWordsAndSkipsBadRecords) {
    glosbo::test::TempRoot root;
    root.write("DATA/datfiler.sve", "SVE41100.DAT\r\n");
    root.write("DATA/DAT/SVE41100.DAT",
               crlf({"$Ordkamp", "hund#substantiv", "springa#verb", "utan klass", "gul#ordklass",
                     "katt#Substantiv", "glad#adjektiv"}));
    glosbo::test::RecordingMessages messages;
    AppState state(DataRoots{root.path(), "", "", "", ""}, messages,
                   std::make_unique<SeededRandom>(7), nullptr);
    ASSERT_TRUE(state.startUp());
    state.selectExercise("SVE41100.DAT");
    ASSERT_TRUE(state.files.Kolla("SVE41100.DAT"));
    for (int round = 0; round < 4; ++round) {
        const auto turn = drawDuelTurn(state, duelTargetClass(state.programNumber));
        ASSERT_TRUE(turn);
        int count = 0;
        for (const DuelWord& w : turn->words) {
            EXPECT_TRUE(w.word == "hund" || w.word == "springa" || w.word == "katt" ||
                        w.word == "glad")
                << w.word;
            EXPECT_EQ(w.target, w.word == "hund" || w.word == "katt");
            count += w.target;
        }
        EXPECT_EQ(turn->count, count);
    }
}

TEST(Reveal, StoriesSkipNotesAndCloseAtHash) {
    std::istringstream in(
        crlf({"; en anteckning", "$Rubrik", "Ett tv\xE5.", "#", "Tre.", "#", "efter sista"}));
    const auto stories = readRevealStories(in);
    ASSERT_EQ(stories.size(), 2U);
    EXPECT_EQ(stories[0], std::vector<std::string>{"Ett tv\xE5."});
    EXPECT_EQ(stories[1], std::vector<std::string>{"Tre."});
    EXPECT_EQ(storyListEntry(9), "      9");
    EXPECT_EQ(storyListEntry(12), "     12");
}

TEST(Reveal, PercentRoundsHalvesToEven) {
    EXPECT_EQ(percentText(3, 4), "75 %");
    EXPECT_EQ(percentText(3, 10), "30 %");
    EXPECT_EQ(percentText(0, 4), "0 %");
    EXPECT_EQ(percentText(1, 8), "12 %"); // 12.5
    EXPECT_EQ(percentText(3, 8), "38 %"); // 37.5
    EXPECT_EQ(percentText(1, 3), "33 %");
    EXPECT_EQ(percentText(2, 3), "67 %");
}

TEST(Reveal, RowsSlotsAndPlaceholders) {
    RevealStory story({"<Anna> Hej, vad g\xF6r du?", "- Inget s\xE4rskilt.", "Ett tv\xE5 tre."});
    EXPECT_EQ(story.speaker(1), "Anna");
    EXPECT_EQ(story.speaker(2), "");
    EXPECT_EQ(story.slot(1).placeholder, "***,");
    EXPECT_EQ(story.slot(1).answer, "Hej");
    EXPECT_EQ(story.slot(4).placeholder, "**?");
    EXPECT_FALSE(story.slot(5).used);
    // Row 2 starts at slot 8 after a row of four words.
    EXPECT_EQ(story.slot(8).word, "-");
    EXPECT_EQ(story.slot(8).placeholder, "-");
    EXPECT_EQ(story.slot(9).word, "Inget");
    EXPECT_EQ(story.slot(15).word, "Ett");
    // "-" is neither in the list nor counted.
    EXPECT_EQ(story.wordTotal(), 9);
    EXPECT_EQ(story.wordList(), (std::vector<std::string>{"du", "Ett", "g\xF6r", "Hej", "Inget",
                                                          "s\xE4rskilt", "tre", "tv\xE5", "vad"}));
}

// The list to drag from is in Swedish order: case ignored, Å Ä Ö last.
TEST(Reveal, TheWordListIsInSwedishOrder) {
    RevealStory story({"\xC4rla \xE5ker b\xE5t till \xD6land och Zanzibar."});
    EXPECT_EQ(story.wordList(), (std::vector<std::string>{"b\xE5t", "och", "till", "Zanzibar",
                                                          "\xE5ker", "\xC4rla", "\xD6land"}));
}

TEST(Reveal, GuessesRevealEveryPlace) {
    RevealStory story({"Den stora katten, den lilla katten", "och katten Kurre."});
    EXPECT_EQ(story.guess("kurre"), 0);  // case counts
    EXPECT_EQ(story.guess("katten"), 3); // every place, each counting
    EXPECT_EQ(story.rightCount(), 3);
    EXPECT_EQ(story.attempts(), 4);
    EXPECT_EQ(story.slot(3).placeholder, "katten,");
    EXPECT_EQ(story.guess("  katten "), 0); // found places are found once
    EXPECT_EQ(story.guess("-"), 0);
    EXPECT_EQ(story.attempts(), 5);
    EXPECT_EQ(story.rightText(), "60 %");
    EXPECT_EQ(story.doneText(), "33 %");
    for (const char* w : {"Den", "stora", "den", "lilla", "och", "Kurre"})
        story.guess(w);
    EXPECT_TRUE(story.complete());
}

TEST(Reveal, ThreeOfTenInFourAttempts) {
    RevealStory story({"ett tv\xE5 tre fyra fem sex sju", "\xE5tta nio tio"});
    story.guess("ett");
    story.guess("tv\xE5");
    story.guess("elva");
    story.guess("tre");
    EXPECT_EQ(story.rightText(), "75 %");
    EXPECT_EQ(story.doneText(), "30 %");
    EXPECT_EQ(story.attempts(), 4);
}

TEST(Reveal, DropsNeedTheirOwnEntry) {
    RevealStory story({"katt och katt."});
    EXPECT_FALSE(story.drop("och", 1));
    EXPECT_TRUE(story.drop("katt", 1));
    EXPECT_FALSE(story.drop("katt", 1)); // a found place takes no second word
    EXPECT_EQ(story.slot(1).placeholder, "katt");
    EXPECT_TRUE(story.drop("katt", 3));
    EXPECT_EQ(story.slot(3).placeholder, "katt.");
    EXPECT_TRUE(story.drop("och", 2));
    EXPECT_TRUE(story.complete());
    EXPECT_EQ(story.attempts(), 5);
    EXPECT_TRUE(story.wordList().empty());
}

TEST(Reveal, StoryLargerThanTheSlotsCountsOnlyWhatShows) {
    std::vector<std::string> lines(9, "a b c d e f g h");
    RevealStory story(lines);
    EXPECT_EQ(story.wordTotal(), 49);
    EXPECT_EQ(story.slot(49).word, "g");
    EXPECT_EQ(storyProblem(lines), "more than 7 lines");
    EXPECT_EQ(storyProblem({"a b c d e f g h"}), "a line of more than 7 words");
    EXPECT_EQ(storyProblem({"<Bo> a b c d e f g"}), "");
    EXPECT_NE(storyProblem({std::string(21, 'x')}), "");
}
