#include <QTest>
#include <gtest/gtest.h>

#include <set>

#include "catalogue/window_catalogue.h"
#include "games/tsynon.h"
#include "ui_support.h"

using glosbo::core::ManualMonotonicClock;
using glosbo::games::TSynon;
using glosbo::test::Harness;

namespace {

// One usable task of four words of 5 to 8 letters; the records without a
// word to find are passed over, so every task is this one.
const std::string kFour = "$Synonym 1\r\n$\xA7Skriv ord som betyder samma sak. Tryck Enter efter "
                          "varje ord.\r\nglad\r\nglad#trygg#munter#lycklig#gladlynt\r\nensam#\r\n";
const std::string kThree = "$Poet\r\nsol#hol#mol#kol\r\n";

class TsynonTest : public ::testing::Test {
protected:
    std::unique_ptr<TSynon> open(const std::string& file, const std::string& bytes) {
        h.writeDataRoot({{"DATA/DAT/" + file, bytes}});
        auto clock = std::make_unique<ManualMonotonicClock>();
        ticks = clock.get();
        h.state->setMonotonic(std::move(clock));
        glosbo::catalogue::registerWindows(h.windows);
        return h.openExercise<TSynon>(file);
    }
    static void type(TSynon& w, const QString& text) {
        w.Edit1->clear();
        QTest::keyClicks(w.Edit1, text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
    }
    // Gives up the tasks left with an empty Enter.
    static void finish(TSynon& w) {
        while (!w.hunt().over())
            type(w, "");
    }
    Harness h;
    ManualMonotonicClock* ticks = nullptr;
};

} // namespace

TEST_F(TsynonTest, FoundWordsScoreAndTheSecondsComeOffAtTheEnd) {
    auto w = open("SVE32110.DAT", kFour);
    EXPECT_EQ(w->OverskriftLabel->text(), "Synonym 1");
    EXPECT_EQ(w->OrdLabel->text(), "glad");
    EXPECT_EQ(w->KvarLabel2->text(), "4");
    EXPECT_EQ(w->UppgiftLabel2->text(), "1 av 6");
    EXPECT_TRUE(w->Edit1->hasFocus());
    EXPECT_EQ(h.state->recordsPath, h.path("RESULTAT/SVE32110.SVR"));
    type(*w, " TRYGG ");
    type(*w, "Munter");
    type(*w, "ledsen");
    type(*w, "lycklig");
    EXPECT_EQ(w->PoengLabel2->text(), "768"); // 3 x 250 + 5 + 6 + 7
    EXPECT_EQ(w->KvarLabel2->text(), "1");
    ticks->advance(7'900);
    type(*w, "gladlynt");
    EXPECT_EQ(w->hunt().score(), 1126 - 7);
    EXPECT_EQ(w->PoengLabel2->text(), "1119");
    EXPECT_EQ(w->UppgiftLabel2->text(), "2 av 6");
    EXPECT_EQ(w->KvarLabel2->text(), "4");
    EXPECT_TRUE(w->Edit1->isEnabled());
    EXPECT_TRUE(w->Edit1->text().isEmpty());
}

TEST_F(TsynonTest, TheListHalvesThePointsAndItsKeysToggleIt) {
    auto w = open("SVE32110.DAT", kFour);
    QTest::keyClick(w->Edit1, Qt::Key_F3);
    EXPECT_TRUE(w->ListPanel->isVisible());
    EXPECT_TRUE(w->ListBox1->hasFocus());
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_EQ(w->SeListanLabel1->text(), "<u>F</u>ortsätta skriva");
    ASSERT_EQ(w->ListBox1->count(), 4);
    EXPECT_EQ(w->ListBox1->item(0)->text(), "gladlynt"); // sorted
    EXPECT_EQ(w->ListBox1->item(3)->text(), "trygg");
    EXPECT_EQ(w->hunt().wordPoints(), 125);
    EXPECT_EQ(w->hunt().bonus(), 50);
    QTest::keyClick(w->ListBox1, Qt::Key_F, Qt::AltModifier);
    EXPECT_FALSE(w->ListPanel->isVisible());
    EXPECT_TRUE(w->Edit1->hasFocus());
    EXPECT_EQ(w->SeListanLabel1->text(), "<u>V</u>isa återstående ord");
    type(*w, "trygg");
    EXPECT_EQ(w->ListBox1->count(), 3);
    // Alt+V in the input and a click on the box: shown and hidden again.
    QTest::keyClick(w->Edit1, Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(w->ListPanel->isVisible());
    EXPECT_EQ(w->hunt().wordPoints(), 62);
    QTest::mouseClick(w->SeListanLabel2, Qt::LeftButton);
    EXPECT_FALSE(w->ListPanel->isVisible());
    EXPECT_EQ(w->hunt().wordPoints(), 62);
}

// Swedish order, not Qt's: Å before Ä, and a capital does not go first.
TEST_F(TsynonTest, TheListIsInSwedishOrder) {
    auto w = open("SVE31410.DAT", "$Skarva\r\nord#\xE4rm#\xC5ker#\xF6rn#Bil#apa\r\n");
    QTest::keyClick(w->Edit1, Qt::Key_F3);
    QStringList shown;
    for (int i = 0; i < w->ListBox1->count(); ++i)
        shown << w->ListBox1->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"apa", "Bil", "Åker", "ärm", "örn"}));
    QTest::keyClick(w->ListBox1, Qt::Key_F3);
    type(*w, "åker");
    QTest::keyClick(w->Edit1, Qt::Key_F3);
    shown.clear();
    for (int i = 0; i < w->ListBox1->count(); ++i)
        shown << w->ListBox1->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"apa", "Bil", "ärm", "örn"}));
}

TEST_F(TsynonTest, ThreeWordsEndTheTaskAfterTheSixthAnswer) {
    auto w = open("SVE31310.DAT", kThree);
    for (int i = 1; i <= 5; ++i) {
        type(*w, "fel");
        EXPECT_EQ(w->UppgiftLabel2->text(), "1 av 6") << i;
    }
    type(*w, "fel");
    EXPECT_EQ(w->UppgiftLabel2->text(), "2 av 6");
    EXPECT_EQ(w->hunt().score(), 0);
}

TEST_F(TsynonTest, AGameWithoutPointsCannotBeEnteredAndContinueStartsAnew) {
    auto w = open("SVE31310.DAT", kThree);
    ticks->advance(30'000);
    finish(*w);
    EXPECT_EQ(w->hunt().score(), 0);
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_TRUE(w->BildPanelen->isVisible());
    EXPECT_FALSE(w->SparaButton->isEnabled());
    EXPECT_FALSE(w->SeListanPanel2->isEnabled());
    EXPECT_TRUE(w->FortsattaButton->hasFocus());
    w->FortsattaButton->click();
    EXPECT_FALSE(w->KnappPanel->isVisible());
    EXPECT_FALSE(w->BildPanelen->isVisible());
    EXPECT_EQ(w->UppgiftLabel2->text(), "1 av 6");
    EXPECT_TRUE(w->Edit1->hasFocus());
}

TEST_F(TsynonTest, EscapeOpensTheBarAndContinueStartsANewGame) {
    auto w = open("SVE31310.DAT", kThree);
    type(*w, "hol");
    type(*w, "");
    EXPECT_GT(w->hunt().score(), 0);
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_FALSE(w->SeListanPanel2->isEnabled());
    QTest::keyClick(w->Edit1, Qt::Key_F3);
    EXPECT_FALSE(w->ListPanel->isVisible());
    w->FortsattaButton->click();
    EXPECT_EQ(w->hunt().score(), 0);
    EXPECT_EQ(w->UppgiftLabel2->text(), "1 av 6");
    EXPECT_TRUE(w->Edit1->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TsynonTest, AScoreGoesIntoTheRecordsTableOnceAGame) {
    auto w = open("SVE32120.DAT", "$Synonym 2\r\nsnabb#kvick#rask#flink\r\n");
    h.state->playerNames[0] = "Nora";
    type(*w, "kvick");
    finish(*w);
    ASSERT_TRUE(w->SparaButton->isEnabled());
    w->SparaButton->click();
    EXPECT_TRUE(w->NamnPanel->isVisible());
    EXPECT_TRUE(w->BakgrundPanel->isVisible());
    EXPECT_EQ(w->Edit2->text(), "Nora");
    EXPECT_TRUE(w->Edit2->hasFocus());
    // Esc leaves the name box; the button still enters the game.
    QTest::keyClick(w->Edit2, Qt::Key_Escape);
    EXPECT_FALSE(w->NamnPanel->isVisible());
    EXPECT_TRUE(w->isVisible());
    w->SparaButton->click();
    w->Edit2->setText(QStringLiteral("Annastina Gustavsdotter"));
    QTest::keyClick(w->Edit2, Qt::Key_Return);
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TRekord"});
    EXPECT_EQ(h.state->playerNames[0], "Annastina Gustavsdot");
    EXPECT_EQ(h.state->pendingRecord.name, "Annastina Gustavsdot");
    EXPECT_EQ(h.state->pendingRecord.result, 333 + 5);
    EXPECT_EQ(h.state->recordsPath, h.path("RESULTAT/SVE32120.SVR"));
    EXPECT_FALSE(w->NamnPanel->isVisible());
    EXPECT_TRUE(w->BildPanelen->isVisible());
    EXPECT_FALSE(w->SparaButton->isEnabled());
    // A new game may be entered again.
    w->FortsattaButton->click();
    type(*w, "rask");
    finish(*w);
    EXPECT_TRUE(w->SparaButton->isEnabled());
}

TEST_F(TsynonTest, AFileWithoutAWordToFindCloses) {
    h.writeDataRoot({{"DATA/DAT/SVE32110.DAT", "$Synonym 1\r\nensam\r\ntom#\r\n"}});
    h.state->selectExercise("SVE32110.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE32110.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TSynon>({*h.state, h.services, nullptr});
    w->show();
    QTest::qWait(10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Filen SVE32110.DAT finns inte eller \xC3\xA4r felaktig"});
}

// Records a teacher could write by mistake: no word to find, empty pieces,
// spaces beside "#", more words than ten fields, a line far longer than the
// screen. Those without a word are passed over; the others are played, and
// a game gets to its end.
TEST_F(TsynonTest, RecordsOutsideTheFormatArePassedOverOrPlayed) {
    const std::string bad = "$Poet\r\nensam\r\n#\r\n##\r\nord# \r\nhus # mus #lus\r\n"
                            "a#b#c#d#e#f#g#h#i#j#k#l\r\n" +
                            std::string(300, 'x') + "#" + std::string(200, 'y') + "\r\n";
    auto w = open("SVE31310.DAT", bad);
    std::set<std::string> seen;
    while (!w->hunt().over()) {
        seen.insert(w->hunt().task().word);
        EXPECT_GE(w->hunt().remaining(), 1);
        EXPECT_TRUE(w->Edit1->isEnabled());
        type(*w, "mus");
        if (!w->hunt().over()) type(*w, "");
    }
    for (const char* skipped : {"ensam", "", "ord"})
        EXPECT_EQ(seen.count(skipped), 0u) << skipped;
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_TRUE(w->isVisible());
}
