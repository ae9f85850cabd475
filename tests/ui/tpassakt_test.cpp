#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "app/text_codec.h"
#include "exercises/tpassakt.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::ChoiceBox;
using glosbo::exercises::TPassAkt;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// A small data root (Windows-1252) with one file for each behaviour and a
// sound for each record of the vowel-count file.
class TPassAktTest : public ::testing::Test {
protected:
    TPassAktTest() {
        std::map<std::string, std::string> files = {
            // Every word has two vowels; the boxes are listed out of order.
            {"DATA/DAT/SVE21200.DAT",
             "$Hur m\xE5nga vokaler?\r\n$\xA7Klicka p\xE5 r\xE4tt siffra.\r\n"
             "banan#2#5#1#4#3\r\nkatten#2#3#1#5#4\r\nsolen#2#1#3#4#5\r\n"},
            {"DATA/DAT/SVE21100.DAT", "$Vokal eller konsonant?\r\na#Vokal#Konsonant\r\n"},
            {"DATA/DAT/SVE25500.DAT", "$SJ - TJ\r\nma<sk>in#SJ-ljud#TJ-ljud\r\n"},
            {"DATA/DAT/SVE34200.DAT", "$Alfabetisk ordning\r\nmamma#Nej#Ja\r\n"},
            {"DATA/DAT/GLOSENG.DAT", "maskin#machine\r\n"},
            {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
            {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
            {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"},
        };
        for (int record = 1; record <= 3; ++record) {
            char name[32];
            std::snprintf(name, sizeof name, "LJUD/S212/S212%03d.WAV", record);
            files[name] = "RIFF";
        }
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TPassAkt> open(const std::string& file,
                                   core::RunMode runMode = core::RunMode::Practice) {
        return h.openExercise<TPassAkt>(file, runMode);
    }

    static QStringList captions(const TPassAkt& w) {
        QStringList shown;
        for (const ChoiceBox* box : w.boxes)
            if (box->isVisibleTo(&w)) shown << box->caption();
        return shown;
    }
    static int litBox(const TPassAkt& w) {
        int lit = -1;
        for (int i = 0; i < int(w.boxes.size()); ++i)
            if (w.boxes[i]->highlighted()) lit = lit == -1 ? i + 1 : 0;
        return lit; // 1-based; 0 when several are lit
    }
    static void click(ChoiceBox* box, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(box, button, Qt::NoModifier, box->rect().center());
    }

    Harness h;
};

} // namespace

// The boxes read 1 to 5 whatever the record's order; the digit keys answer;
// a wrong choice lights the right box and says why.
TEST_F(TPassAktTest, HowManyVowelsByKeys) {
    auto w = open("SVE21200.DAT");
    EXPECT_EQ(captions(*w), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_FALSE(w->lampknapp->isVisible());

    QTest::keyClick(w.get(), Qt::Key_2);
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_FALSE(w->Label7->isVisible());

    h.state->settings.setAnswerDisplaySeconds(9);
    QTest::keyClick(w.get(), Qt::Key_4);
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_TRUE(w->Label7->isVisible());
    EXPECT_EQ(w->Label7->text(), QStringLiteral("Det finns 2 vokaler."));
    EXPECT_EQ(litBox(*w), 2);
    EXPECT_FALSE(w->Aster1->isRight(2));
    // The display runs: further keys and pointing change nothing.
    ASSERT_TRUE(w->Timer1->isActive());
    QTest::keyClick(w.get(), Qt::Key_2);
    emit w->boxes[3]->pointed(5);
    EXPECT_EQ(w->series().questionNumber(), 3);
    EXPECT_EQ(litBox(*w), 2);

    // Space ends the display; the next question lights box 1 again.
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Panel1->isEnabled(); }, 1000));
    EXPECT_FALSE(w->Label7->isVisible());
    EXPECT_EQ(litBox(*w), 1);
}

// Pointing moves the light; every new question starts with box 1 lit.
TEST_F(TPassAktTest, BoxOneIsLitAtEachNewQuestion) {
    auto w = open("SVE21200.DAT");
    for (int question = 0; question < 3; ++question) {
        EXPECT_EQ(litBox(*w), 1) << question;
        // A new place each time, so that the pointer really moves.
        QTest::mouseMove(w->boxes[2], w->boxes[2]->rect().center() + QPoint(0, question - 1));
        ASSERT_TRUE(QTest::qWaitFor([&] { return litBox(*w) == 3; }, 1000)) << question;
        click(w->boxes[1]); // "2" is right for every word
    }
    EXPECT_EQ(w->series().correctCount(), 3);
}

TEST_F(TPassAktTest, VowelOrConsonantExplainsAWrongClick) {
    auto w = open("SVE21100.DAT");
    // "Konsonant" comes before "Vokal" by character code.
    ASSERT_EQ(captions(*w), QStringList({"Konsonant", "Vokal"}));
    h.state->settings.setAnswerDisplaySeconds(9);
    click(w->boxes[0]);
    EXPECT_EQ(w->Label7->text(), QString::fromUtf8("a är vokal."));
    EXPECT_EQ(litBox(*w), 2);
    EXPECT_FALSE(w->Panel1->isEnabled());
}

// A wrong last answer is shown through Timer2 until Space; then the series ends.
TEST_F(TPassAktTest, WrongLastAnswerEndsTheSeriesAfterTheDisplay) {
    auto w = open("SVE21100.DAT");
    for (int i = 0; i < 9; ++i)
        click(w->boxes[1]);
    h.state->settings.setAnswerDisplaySeconds(9);
    click(w->boxes[0]);
    EXPECT_TRUE(w->lastAnswerTimer->isActive());
    EXPECT_TRUE(w->Label7->isVisible());
    EXPECT_FALSE(w->buttonBar->isVisible());
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 1000));
    EXPECT_TRUE(w->BildPanelen->isVisible());
    EXPECT_TRUE(w->Button1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button1);
}

TEST_F(TPassAktTest, MarkedPartIsGreenBetweenTheRest) {
    h.state->settings.setSoundTranslation(1);
    auto w = open("SVE25500.DAT");
    // The translation list holds the word without its marks.
    EXPECT_TRUE(w->EngLabel->isVisible());
    EXPECT_EQ(w->EngLabel->text(), QStringLiteral("machine"));
    EXPECT_EQ(w->Label4->text(), QStringLiteral("ma"));
    EXPECT_EQ(w->Label5->text(), QStringLiteral("sk"));
    EXPECT_EQ(w->Label6->text(), QStringLiteral("in"));
    EXPECT_FALSE(w->Label3->isVisible());
    for (QLabel* part : {w->Label4, w->Label5, w->Label6})
        EXPECT_TRUE(part->isVisible());
    EXPECT_EQ(w->Label5->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_EQ(w->Label4->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    // Side by side on one row, the marked letters right after "ma".
    const QFontMetrics metrics(w->Label4->font());
    EXPECT_EQ(w->Label5->x(), w->Label4->x() + metrics.horizontalAdvance(QStringLiteral("ma")));
    EXPECT_EQ(w->Label6->x(), w->Label5->x() + metrics.horizontalAdvance(QStringLiteral("sk")));
    EXPECT_EQ(w->Label5->y(), w->Label4->y());
    EXPECT_EQ(w->Label6->y(), w->Label4->y());

    h.state->settings.setAnswerDisplaySeconds(9);
    click(w->boxes[1]); // "TJ-ljud"
    EXPECT_EQ(w->Label7->text(), QString::fromUtf8("sk uttalas här med sj-ljud."));
}

TEST_F(TPassAktTest, AlphabeticalOrderNo) {
    auto w = open("SVE34200.DAT");
    ASSERT_EQ(captions(*w), QStringList({"Ja", "Nej"}));
    h.state->settings.setAnswerDisplaySeconds(9);
    click(w->boxes[0]);
    EXPECT_EQ(w->Label7->text(),
              QString::fromUtf8("Bokstäverna i mamma står inte i alfabetisk ordning."));
    EXPECT_EQ(litBox(*w), 2);
}

// Esc once opens the button bar over the frozen boxes; "Fortsätta" goes on
// with the same item; Esc twice leaves.
TEST_F(TPassAktTest, EscPausesThenLeaves) {
    auto w = open("SVE21200.DAT");
    click(w->boxes[1]);
    const QString item = w->Label3->text();
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Panel1->isEnabled());
    click(w->boxes[1]);
    QTest::keyClick(w.get(), Qt::Key_2);
    EXPECT_EQ(w->series().questionNumber(), 2);

    QTest::keyClick(w->focusWidget(), Qt::Key_Space); // "Fortsätta" has the focus
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->Panel1->isEnabled());
    EXPECT_EQ(w->Label3->text(), item);
    EXPECT_EQ(w->series().questionNumber(), 2);

    // A right click on a box opens the bar too; the question stays.
    click(w->boxes[0], Qt::RightButton);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->series().questionNumber(), 2);

    QSignalSpy finished(w.get(), &QDialog::finished);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 1);
}

// A pause in the middle of a series keeps its count: nine of ten right, with
// "Fortsätta" after the fifth question, still earns the praise.
TEST_F(TPassAktTest, PauseInTheMiddleKeepsTheCorrectCount) {
    auto w = open("SVE21200.DAT");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(w.get(), Qt::Key_2);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    ASSERT_TRUE(w->buttonBar->isVisible());
    QTest::keyClick(w->focusWidget(), Qt::Key_Space); // "Fortsätta"
    ASSERT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(w->series().correctCount(), 5);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.get(), Qt::Key_2);
    QTest::keyClick(w.get(), Qt::Key_3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 2000));
    EXPECT_EQ(w->series().correctCount(), 9);
    EXPECT_TRUE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text().trimmed(), QStringLiteral("Ett fel!"));
}

// The word of each question is asked for by its record number, a moment
// after the question, and again on F2.
TEST_F(TPassAktTest, WordSoundByRecordNumber) {
    const auto expectedSound = [&] {
        char name[32];
        std::snprintf(name, sizeof name, "LJUD/S212/S212%03d.WAV",
                      int(h.state->files.currentRecordNumber));
        return h.path(name);
    };
    auto w = open("SVE21200.DAT");
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.sounds.played.size() == 1; }, 1000));
    EXPECT_EQ(h.sounds.played[0].path.value_or(""), expectedSound());
    QTest::keyClick(w.get(), Qt::Key_F2);
    ASSERT_EQ(h.sounds.played.size(), 2u);
    EXPECT_EQ(h.sounds.played[1].path.value_or(""), expectedSound());

    click(w->boxes[1]);
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.sounds.played.size() == 3; }, 1000));
    EXPECT_EQ(h.sounds.played[2].path.value_or(""), expectedSound());
    EXPECT_TRUE(h.messages.texts.empty());
}

// Diagnosis test 17: no strip, the diagnosis box counts; a pause and
// "Fortsätta" keep the count, and the result counts every right answer.
TEST_F(TPassAktTest, DiagnosisTestCountsEveryRightAnswer) {
    h.state->diagnosis.setTestNumber(17);
    auto w = open("SVE21200.DAT", core::RunMode::DiagnosisTest);
    EXPECT_EQ(w->series().length(), 20);
    EXPECT_FALSE(w->Aster1->isVisible());
    EXPECT_TRUE(w->DiagPanel1->isVisible());
    EXPECT_EQ(w->DiagPanel1->DiagLabel1->text(), "Diagnos: Testning");
    QSignalSpy finished(w.get(), &QDialog::finished);
    for (int i = 0; i < 20; ++i) {
        if (i == 7) {
            QTest::keyClick(w.get(), Qt::Key_Escape);
            ASSERT_TRUE(w->buttonBar->isVisible());
            w->Button2->click();
            EXPECT_EQ(w->DiagPanel1->DiagLabel4->text(), "6");
        }
        const int asked = w->series().questionNumber();
        QTest::keyClick(w.get(), i % 4 == 3 ? Qt::Key_3 : Qt::Key_2);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return finished.count() > 0 ||
                       (w->series().questionNumber() > asked && w->Panel1->isEnabled());
            },
            2000));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 2000));
    EXPECT_EQ(h.state->diagnosis.record().result[17], 15);
}
