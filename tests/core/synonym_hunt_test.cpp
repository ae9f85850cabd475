#include <gtest/gtest.h>

#include "core/scramble.h"
#include "core/synonym_hunt.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;

namespace {

HuntTask task(std::vector<std::string> words) {
    return HuntTask{"ord", std::move(words)};
}

} // namespace

TEST(SynonymHunt, FindingEveryWordScoresWordPointsBonusAndLetters) {
    SynonymHunt hunt;
    hunt.startTask(task({"trygg", "munter", "lycklig", "gladlynt"}), 0);
    EXPECT_EQ(hunt.wordPoints(), 250);
    // Case and the spaces around a word do not matter; a wrong word scores
    // nothing.
    for (const char* typed : {"  TRYGG", "Munter ", "ledsen", "lycklig"})
        EXPECT_FALSE(hunt.answer(typed).taskOver) << typed;
    EXPECT_EQ(hunt.remainingWords(), std::vector<std::string>{"gladlynt"});
    const SynonymHunt::Answer last = hunt.answer("gladlynt");
    EXPECT_TRUE(last.found);
    EXPECT_TRUE(last.taskOver);
    EXPECT_EQ(hunt.score(), 250 * 4 + 100 + 5 + 6 + 7 + 8); // 1126
}

TEST(SynonymHunt, ShowingTheListHalvesWhatIsLeftEachTime) {
    SynonymHunt hunt;
    hunt.startTask(task({"aaaaa", "bbbbbb", "ccccccc", "dddddddd"}), 0);
    hunt.listShown();
    EXPECT_EQ(hunt.wordPoints(), 125);
    EXPECT_EQ(hunt.bonus(), 50);
    hunt.answer("aaaaa");
    hunt.listShown();
    EXPECT_EQ(hunt.wordPoints(), 62);
    EXPECT_EQ(hunt.bonus(), 25);
    for (const char* typed : {"bbbbbb", "ccccccc", "dddddddd"})
        hunt.answer(typed);
    EXPECT_EQ(hunt.score(), 125 + 3 * 62 + 25 + 26);
    // A new task starts from the full points again.
    hunt.startTask(task({"x", "y", "z"}), 0);
    EXPECT_EQ(hunt.wordPoints(), 333);
    EXPECT_EQ(hunt.bonus(), 100);
}

TEST(SynonymHunt, ATaskEndsAfterThreeAnswersMoreThanItHasWordsOrWhenGivenUp) {
    SynonymHunt hunt;
    hunt.startTask(task({"sol", "hav", "sand"}), 0);
    EXPECT_FALSE(hunt.answer("sol").taskOver);
    for (int i = 2; i <= 5; ++i)
        EXPECT_FALSE(hunt.answer("fel").taskOver) << i;
    const SynonymHunt::Answer sixth = hunt.answer("hav");
    EXPECT_TRUE(sixth.found);
    EXPECT_TRUE(sixth.taskOver);
    EXPECT_EQ(hunt.remaining(), 1);
    EXPECT_EQ(hunt.answers(), 6);
    // A word already found scores nothing more; an empty answer gives up.
    hunt.startTask(task({"sol", "hav"}), 0);
    hunt.answer("sol");
    EXPECT_FALSE(hunt.answer("sol").found);
    EXPECT_TRUE(hunt.answer("   ").taskOver);
    EXPECT_EQ(hunt.answers(), 2);
}

TEST(SynonymHunt, SecondsComeOffOnlyWhenFewerThanTheScoreAndSixTasksMakeAGame) {
    SynonymHunt hunt;
    hunt.newGame();
    // No points: 40 seconds take nothing, the score never goes below 0.
    hunt.startTask(task({"a"}), 1000);
    EXPECT_FALSE(hunt.endTask(41'999));
    EXPECT_EQ(hunt.score(), 0);
    // 1000 + 100 + 4 points less 12 whole seconds.
    hunt.startTask(task({"kort"}), 50'000);
    hunt.answer("kort");
    EXPECT_FALSE(hunt.endTask(62'999));
    EXPECT_EQ(hunt.score(), 1104 - 12);
    // Seconds equal to the score take nothing.
    hunt.startTask(task({"b"}), 0);
    EXPECT_FALSE(hunt.endTask(1092 * 1000));
    EXPECT_EQ(hunt.score(), 1092);
    EXPECT_EQ(hunt.taskNumber(), 4);
    for (int t = 4; t <= 6; ++t) {
        hunt.startTask(task({"c"}), 0);
        EXPECT_EQ(hunt.endTask(0), t == 6);
    }
    EXPECT_TRUE(hunt.over());
    hunt.newGame();
    EXPECT_EQ(hunt.score(), 0);
    EXPECT_EQ(hunt.taskNumber(), 1);
    EXPECT_FALSE(hunt.over());
}

TEST(SynonymHunt, RecordsSplitAtEveryHashAndPassOverEmptyPieces) {
    const auto many = parseHuntTask("stor#a#b#c#d#e#f#g#h#i#j#k");
    ASSERT_TRUE(many);
    EXPECT_EQ(many->word, "stor");
    EXPECT_EQ(many->words.size(), 11u);
    EXPECT_EQ(many->words.back(), "k");
    const auto trailing = parseHuntTask("hus#mus # lus#");
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->words, (std::vector<std::string>{"mus", "lus"}));
    EXPECT_FALSE(parseHuntTask("ensam"));
    EXPECT_FALSE(parseHuntTask("ensam## "));
}

TEST(SynonymHunt, CheckFindsWhatTheGameCannotUse) {
    struct Case {
        const char* line;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"glad#lycklig#munter", {}},
        {"glad", {"no word to find: word#word to find#..."}},
        {"glad#lycklig##munter", {"piece 3 is empty"}},
        {"glad#lycklig#", {"piece 3 is empty"}},
        {"glad# lycklig", {"a space beside \"#\" in \" lycklig\""}},
        {"glad #lycklig", {"a space beside \"#\" in \"glad \""}},
        {"glad#glada vänner#munter", {}},
        {"glad#Munter#munter", {"\"munter\" stands twice"}},
        {"glad#lycklig#GLAD", {"\"GLAD\" stands twice"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(huntRecordProblems(c.line), c.problems) << c.line;
}

TEST(SynonymHunt, DrawPassesOverRecordsWithoutAWordToFind) {
    glosbo::test::TempRoot root;
    glosbo::test::RecordingMessages messages;
    root.write("DATA/datfiler.sve", crlf({"SVE32110.DAT"}));
    root.write("DATA/DAT/SVE32110.DAT", crlf({"$Synonym", "ensam", "glad#munter", "tom#"}));
    AppState state(DataRoots{root.path(), "", "", "", ""}, messages,
                   std::make_unique<SeededRandom>(3), nullptr);
    ASSERT_TRUE(state.startUp());
    state.selectExercise("SVE32110.DAT");
    ASSERT_TRUE(state.files.Kolla("SVE32110.DAT"));
    for (int i = 0; i < 5; ++i) {
        const auto drawn = drawHuntTask(state);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->word, "glad");
    }
    root.write("DATA/DAT/SVE32110.DAT", crlf({"$Synonym", "ensam"}));
    state.drawReset(1, DrawPermutation::kSize);
    ASSERT_TRUE(state.files.Kolla("SVE32110.DAT"));
    EXPECT_FALSE(drawHuntTask(state));

    // Records as the build installs them, scrambled.
    root.write("DATA/DAT/SVE32110.DAT", crlf({"$Synonym", kryptrad("glad#munter#lycklig")}));
    state.drawReset(1, DrawPermutation::kSize);
    ASSERT_TRUE(state.files.Kolla("SVE32110.DAT"));
    const auto scrambled = drawHuntTask(state);
    ASSERT_TRUE(scrambled);
    EXPECT_EQ(scrambled->word, "glad");
    EXPECT_EQ(scrambled->words, (std::vector<std::string>{"munter", "lycklig"}));
}

TEST(SynonymHunt, ProgramNamesAndRecordsPaths) {
    EXPECT_EQ(huntProgramName(31310), "Poet");
    EXPECT_EQ(huntProgramName(31410), "Skarva");
    EXPECT_EQ(huntProgramName(32110), "Synonym 1");
    EXPECT_EQ(huntProgramName(32120), "Synonym 2");
    EXPECT_EQ(huntProgramName(32130), "");
    EXPECT_EQ(recordsPathFor(DataRoots{"/pc", "", "/res/", "", ""}, "SVE31310.DAT"),
              "/res/SVE31310.SVR");
    EXPECT_EQ(recordsPathFor(DataRoots{"/pc", "", "", "", ""}, "SVE32120.DAT"),
              "/pc/RESULTAT/SVE32120.SVR");
}
