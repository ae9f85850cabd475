#include <QTest>
#include <gtest/gtest.h>

#include "app/text_codec.h"
#include "games/tfalska.h"
#include "ui_support.h"

using glosbo::games::TFalska;
using glosbo::test::Harness;

namespace {

// Five usable records, four of them nouns: every turn draws all five, so a
// turn always holds four nouns. The bad records are passed over.
const std::string kWords = "$Ordkamp\r\n$Substantiv\r\n$\xA7Hur m\xE5nga \xE4r substantiv?\r\n"
                           "hund#substantiv\r\nkatt#Substantiv\r\nbord#substantiv\r\n"
                           "stol#substantiv\r\nspringa#verb\r\nutan klass\r\nbl\xE5#f\xE4rg\r\n";

class TfalskaTest : public ::testing::Test {
protected:
    std::unique_ptr<TFalska> open(const std::string& words = kWords) {
        h.writeDataRoot({{"DATA/DAT/SVE41100.DAT", words}});
        h.state->settings.setAnswerDisplaySeconds(1);
        return h.openExercise<TFalska>("SVE41100.DAT");
    }
    static void name(TFalska& w, const QString& text) {
        w.Edit1->clear();
        QTest::keyClicks(w.Edit1, text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
    }
    Harness h;
};

} // namespace

TEST_F(TfalskaTest, EmptyNamesAskAgain) {
    auto w = open();
    EXPECT_TRUE(w->Edit1->hasFocus());
    const char* expected[] = {"Ditt namn tack!", "Ditt namn tack!!", "Ditt namn tack!!!",
                              "Avbryt med Escape.", "Avbryt med Escape."};
    for (const char* prompt : expected) {
        name(*w, "");
        EXPECT_EQ(w->NamnLabel1->text(), prompt);
    }
    EXPECT_FALSE(w->SifferPanel->isVisible());
    QTest::keyClick(w.get(), '4');
    EXPECT_FALSE(w->turn().has_value());
}

TEST_F(TfalskaTest, RightAnswersWinTheDuel) {
    auto w = open();
    name(*w, "Ali");
    EXPECT_EQ(h.state->playerNames[0], "Ali");
    EXPECT_EQ(w->ElevLabel->text(), "Ali");
    ASSERT_TRUE(w->turn());
    EXPECT_EQ(w->turn()->count, 4);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().pupilPoints(), 16);
    EXPECT_TRUE(w->squareScored(16));
    EXPECT_FALSE(w->squareScored(17));
    w->SpeedButton[4]->click();
    ASSERT_TRUE(w->duel().over());
    EXPECT_TRUE(w->duel().won());
    EXPECT_TRUE(w->squareScored(19));
    EXPECT_TRUE(w->squareScored(20));
    EXPECT_FALSE(w->squareScored(21));
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text(), "Grattis Ali!");
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_TRUE(w->Button4->hasFocus());
    // Digits do nothing after the game; "Fortsätta" starts a new one.
    QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().pupilPoints(), 20);
    w->Button3->click();
    EXPECT_EQ(w->duel().pupilPoints(), 0);
    EXPECT_FALSE(w->squareScored(20));
    EXPECT_TRUE(w->buttonsEnabled());
}

TEST_F(TfalskaTest, WrongAnswersWaitAndFeedTheComputer) {
    auto w = open();
    name(*w, "Ali");
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(w.get(), '2');
        EXPECT_TRUE(w->MarkorLabel->isVisible());
        EXPECT_EQ(w->MarkorLabel->text(), "4");
        EXPECT_EQ(w->MarkorLabel->x(), 4 * w->SpeedButton[0]->width());
        EXPECT_TRUE(w->KlassLabel[0]->isVisible() || w->KlassLabel[1]->isVisible());
        // The wait: digits do nothing, Space ends it at the next tick.
        QTest::keyClick(w.get(), '4');
        EXPECT_EQ(w->duel().pupilPoints(), 0);
        QTest::keyClick(w.get(), Qt::Key_Space);
        EXPECT_FALSE(w->LovordPanel->isVisible());
        w->Timer1Timer();
    }
    EXPECT_EQ(w->duel().computerPoints(), 20);
    EXPECT_TRUE(w->squareScored(40));
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text(),
              "Tyvärr, Ali. Du förlorade mot datorn. Ta revansch.");
}

TEST_F(TfalskaTest, EscapeHoldsTheTurn) {
    auto w = open();
    name(*w, "Ali");
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_FALSE(w->buttonsEnabled());
    QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().pupilPoints(), 0);
    w->Button3->click();
    EXPECT_TRUE(w->buttonsEnabled());
    QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().pupilPoints(), 4);
}

// Esc in the wait after a wrong answer pauses the game: no tick counts and
// no new turn comes up under the bar; "Fortsätta" lets the wait go on.
TEST_F(TfalskaTest, EscapeInTheWaitPausesIt) {
    auto w = open();
    name(*w, "Ali");
    const auto words = [&] {
        std::vector<std::string> all;
        for (const auto& word : w->turn()->words)
            all.push_back(word.word);
        return all;
    };
    const std::vector<std::string> before = words();
    QTest::keyClick(w.get(), '2');
    ASSERT_TRUE(w->Timer1->isActive());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->KnappPanel->isVisible());
    EXPECT_FALSE(w->Timer1->isActive());
    for (int i = 0; i < 30; ++i)
        w->Timer1Timer();
    EXPECT_TRUE(w->MarkorLabel->isVisible());
    EXPECT_FALSE(w->buttonsEnabled());
    EXPECT_EQ(words(), before);
    QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().computerPoints(), 4);
    EXPECT_EQ(w->duel().pupilPoints(), 0);

    w->Button3->click();
    EXPECT_FALSE(w->KnappPanel->isVisible());
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_FALSE(w->buttonsEnabled());
    for (int i = 0; i < 10; ++i)
        w->Timer1Timer();
    EXPECT_FALSE(w->MarkorLabel->isVisible());
    EXPECT_TRUE(w->buttonsEnabled());
    QTest::keyClick(w.get(), '4');
    EXPECT_EQ(w->duel().pupilPoints(), 4);
}

// After the last wrong answer a Space ends the wait; Space and Enter pressed
// at once after it do not press "Avbryta" on the end text.
TEST_F(TfalskaTest, TheEndTextStaysUntilItCanBeRead) {
    auto w = open();
    name(*w, "Ali");
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(w.get(), '2');
        QTest::keyClick(w.get(), Qt::Key_Space);
        w->Timer1Timer();
    }
    ASSERT_TRUE(w->duel().over());
    ASSERT_TRUE(w->Button4->hasFocus());
    EXPECT_TRUE(w->LasTimer->isActive());
    QTest::keyClick(w->Button4, Qt::Key_Space);
    QTest::keyClick(w->Button4, Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->LovordPanel->isVisible());
    // Once the time to read is over the bar works as always.
    w->LasTimer->stop();
    QTest::keyClick(w->Button4, Qt::Key_Space);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TfalskaTest, AFileWithoutWordsCloses) {
    h.writeDataRoot({{"DATA/DAT/SVE41100.DAT", "$Ordkamp\r\nutan klass\r\nord#ordklass\r\n"}});
    h.state->selectExercise("SVE41100.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE41100.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TFalska>({*h.state, h.services, nullptr});
    w->show();
    QTest::qWait(10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Filen SVE41100.DAT finns inte eller \xC3\xA4r felaktig"});
}
