#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "app/text_codec.h"
#include "games/tkatten.h"
#include "games/tspelnam.h"
#include "ui_support.h"

using glosbo::games::Tkatten;
using glosbo::games::TSpelNam;
using glosbo::test::Harness;

namespace {

const std::string kRecords = "$Liten katt\r\n"
                             "gurka#\xE4pple#p\xE4ron#banan#Gurka \xE4r en gr\xF6nsak.\r\n"
                             "\xF6rn#ko#h\xE4st#gris#\xD6rnen \xE4r en f\xE5gel.\r\n"
                             "bara tv\xE5#f\xE4lt\r\n"
                             "val#g\xE4\x64\x64\x61#lax#abborre#Valen \xE4r ett d\xE4ggdjur.\r\n";

class TkattenTest : public ::testing::Test {
protected:
    std::unique_ptr<Tkatten> open(std::vector<std::string> names,
                                  const std::string& records = kRecords) {
        h.writeDataRoot({{"DATA/DAT/SVE32220.DAT", records}});
        h.state->playerCount = int(names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            h.state->playerNames[i] = names[i];
        h.state->settings.setAnswerDisplaySeconds(0);
        return h.openExercise<Tkatten>("SVE32220.DAT");
    }
    static void pick(Tkatten& w, bool right) {
        const int box = right ? w.rightBox() : w.rightBox() % 4 + 1;
        QTest::keyClick(&w, char('0' + box));
    }
    Harness h;
};

} // namespace

TEST_F(TkattenTest, BoxesShowTheRecordInARandomOrder) {
    auto w = open({"Anna"});
    ASSERT_GE(w->rightBox(), 1);
    const std::string odd =
        glosbo::app::toCp1252(w->OrdLabel[std::size_t(w->rightBox() - 1)]->text());
    EXPECT_TRUE(odd == "gurka" || odd == "\xF6rn" || odd == "val") << odd; // never the bad record
    EXPECT_EQ(w->game().current(), 1);
    EXPECT_TRUE(w->InstruktionsLabel->isVisible());
    EXPECT_EQ(w->InstruktionsLabel->text(), "Klicka på en ruta eller tryck siffra.");
}

TEST_F(TkattenTest, LastChanceDecidesTheWinners) {
    for (bool lastRight : {true, false}) {
        auto w = open({"Anna", "Bo"});
        for (int round = 0; round < 4; ++round) {
            pick(*w, true);
            pick(*w, true);
        }
        pick(*w, true); // Anna reaches 5, Bo stands at 4
        EXPECT_TRUE(w->game().lastChance(2));
        EXPECT_EQ(w->game().current(), 2);
        pick(*w, lastRight);
        ASSERT_TRUE(w->game().over());
        EXPECT_EQ(w->LovordPanel->LovordLabel1->text(),
                  lastRight ? "   Grattis, Anna och Bo " : "   Grattis, Anna ");
        EXPECT_FALSE(w->KattPanel[0]->isVisible());
        EXPECT_TRUE(w->KnappPanel->isVisible());
        EXPECT_TRUE(w->Button1->hasFocus());
    }
}

TEST_F(TkattenTest, NumberLabelOfBoxFourChoosesIt) {
    auto w = open({"Anna"});
    const bool fourIsRight = w->rightBox() == 4;
    QTest::mouseClick(w->NummerLabel[3], Qt::LeftButton);
    EXPECT_EQ(w->game().points(1), fourIsRight ? 1 : 0);
    EXPECT_EQ(h.state->series.questionNumber, 1);
}

TEST_F(TkattenTest, DigitsCountOnlyWhileTheBoxesAreEnabled) {
    auto w = open({"Anna"});
    h.state->settings.setAnswerDisplaySeconds(3);
    pick(*w, false); // the right box is shown for a while
    EXPECT_FALSE(w->boxesEnabled());
    EXPECT_TRUE(w->KommentarLabel->isVisible());
    for (char key : {'1', '2', '3', '4', '0', '5'})
        QTest::keyClick(w.get(), key);
    EXPECT_EQ(h.state->series.questionNumber, 1);
    // A pause holds the turn; digits are ignored until "Fortsätta".
    w->Timer1Timer();
    w->Timer1Timer();
    w->Timer1Timer();
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->KnappPanel->isVisible());
    pick(*w, true);
    EXPECT_EQ(h.state->series.questionNumber, 1);
}

TEST_F(TkattenTest, SecondGamePauseKeepsItsPoints) {
    auto w = open({"Anna"});
    for (int i = 0; i < 5; ++i)
        pick(*w, true);
    ASSERT_TRUE(w->game().over());
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text(), "   Grattis, Anna ");
    w->Button1->click(); // a new game
    EXPECT_FALSE(w->game().over());
    EXPECT_EQ(w->game().points(1), 0);
    pick(*w, true);
    pick(*w, true);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    ASSERT_TRUE(w->KnappPanel->isVisible());
    w->Button1->click();
    EXPECT_EQ(w->game().points(1), 2);
    EXPECT_TRUE(w->boxesEnabled());
    // Esc with the bar shown closes the window.
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TkattenTest, AFileWithoutAUsableRecordClosesTheWindow) {
    h.writeDataRoot({{"DATA/DAT/SVE32220.DAT", "$Trasig\r\nett#tv\xE5\r\n#\r\n"}});
    h.state->selectExercise("SVE32220.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE32220.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<Tkatten>({*h.state, h.services, nullptr});
    w->show();
    QTest::qWait(10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Filen SVE32220.DAT finns inte eller \xC3\xA4r felaktig"});
}

TEST(TSpelNam, NamesAreCheckedAndRemembered) {
    Harness h;
    TSpelNam w(*h.state, h.services);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    w.Panel3->click();
    EXPECT_EQ(w.Label1->text(), "Skriv era namn. Tryck Enter.");
    EXPECT_TRUE(w.Edit[1]->isVisibleTo(&w));
    EXPECT_FALSE(w.Edit[2]->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel3->isEnabled());
    QTest::keyClicks(w.Edit[0], "Anna");
    QTest::keyClick(w.Edit[0], Qt::Key_Return);
    EXPECT_TRUE(w.Edit[1]->hasFocus());
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.Edit[1], Qt::Key_Return);
    EXPECT_TRUE(w.FelLabel[1]->isVisible());
    EXPECT_EQ(w.FelLabel[1]->text(), "Det var inget namn!");
    EXPECT_EQ(w.windowTitle(), "Du kan avbryta med Escapeknappen.");
    EXPECT_EQ(w.result(), 0);
    QTest::keyClicks(w.Edit[1], "Bo med ett mycket langt namn");
    EXPECT_EQ(w.Edit[1]->text().size(), TSpelNam::kNameLength);
    QTest::keyClick(w.Edit[1], Qt::Key_Return);
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(h.state->playerCount, 2);
    EXPECT_EQ(h.state->playerNames[0], "Anna");
    EXPECT_EQ(h.state->playerNames[1].size(), 19U);
}

TEST(TSpelNam, EscapeCancelsAndKeepsThePlayers) {
    Harness h;
    h.state->playerCount = 1;
    h.state->playerNames[0] = "Anna";
    TSpelNam w(*h.state, h.services);
    w.show();
    EXPECT_EQ(w.Edit[0]->text(), "Anna");
    w.Panel4->click();
    QTest::keyClicks(w.Edit[1], "Bo");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(w.result(), int(QDialog::Rejected));
    EXPECT_EQ(h.state->playerCount, 1);
    EXPECT_EQ(h.state->playerNames[1], "");
}
