#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/text_codec.h"
#include "exercises/tflerbar.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::ChoiceBox;
using glosbo::exercises::TFLERBAR;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// 120 sentences with a gap for "e" or "ä"; every third begins with "Ä", so
// that its boxes must show capitals.
std::string vowelRecords() {
    std::string text = "$\xC4-ljudet\r\n$\xA7Klicka p\xE5 r\xE4tt bokstav.\r\n";
    for (int n = 1; n <= 120; ++n) {
        const std::string number = std::to_string(n);
        if (n % 3 == 0)
            text += "<\xC4>r det bok " + number + "?\r\n";
        else if (n % 2)
            text += "Jag har en p<e>nna nummer " + number + ".\r\n";
        else
            text += "Jag har en v<\xE4>ska nummer " + number + ".\r\n";
    }
    return text;
}

// A data root with the exercise files of these tests (Windows-1252), and
// a word sound for every record of the vowel exercise.
class TflerbarTest : public ::testing::Test {
protected:
    TflerbarTest() {
        const std::map<std::string, std::string> files = {
            {"DATA/DAT/SVE23100.DAT", vowelRecords()},
            {"DATA/DAT/SVE31010.DAT",
             "$Stor eller liten\r\n$\xA7Klicka p\xE5 r\xE4tt ord.\r\nVi bor i "
             "<Sverige>.#sverige#SVERIGE\r\n"},
            // Two sentences too long for one line (42 letters of the test
            // measure): the gap on the first line and on the second.
            {"DATA/DAT/SVE39100.DAT",
             "$F\xF6re - f\xF6r\r\nTv\xE4tta h\xE4nderna <f\xF6re> maten och sedan "
             "g\xE5r vi ut och leker en stund.\r\nDen gamla tr\xF6jan som jag fick "
             "av mormor \xE4r alldeles <f\xF6r> liten.\r\n"},
            {"DATA/DAT/SVDI01.DAT", "$Diagnos\r\nJag har en p<e>nna.\r\nEn v<\xE4>ska.\r\n"},
        };
        for (int n = 1; n <= 120; ++n) {
            const std::string name = core::recordSoundName("S231", n);
            h.write("LJUD/S231/L" + std::to_string(n / 100) + "/" + name, "");
        }
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TFLERBAR> open(const std::string& file,
                                   core::RunMode runMode = core::RunMode::Practice) {
        return h.openExercise<TFLERBAR>(file, runMode);
    }

    static QString rightWord(const TFLERBAR& w) { return w.TestLabel->text(); }

    static std::vector<ChoiceBox*> shownBoxes(const TFLERBAR& w) {
        std::vector<ChoiceBox*> shown;
        for (ChoiceBox* box : w.boxes)
            if (box->isVisible()) shown.push_back(box);
        return shown;
    }
    static QStringList captions(const TFLERBAR& w) {
        QStringList list;
        for (ChoiceBox* box : shownBoxes(w))
            list << box->caption();
        return list;
    }
    static ChoiceBox* box(const TFLERBAR& w, bool right) {
        for (ChoiceBox* b : shownBoxes(w))
            if ((b->caption() == rightWord(w)) == right) return b;
        return nullptr;
    }
    static void choose(TFLERBAR& w, bool right) {
        ChoiceBox* b = box(w, right);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // The pointer moves over a box, as the mouse sends it.
    static void point(ChoiceBox* box) {
        const QPointF at(3, 3);
        QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(box, &move);
    }

    Harness h;
};

} // namespace

TEST_F(TflerbarTest, PointingPreviewsTheWordOfThatBoxOnly) {
    auto w = open("SVE31010.DAT");
    EXPECT_EQ(w->findChild<QWidget*>("Panel1"), w->Panel1);
    EXPECT_EQ(w->findChild<QWidget*>("Escapepanel"), w->buttonBar);
    EXPECT_FALSE(w->lampknapp->isVisible());
    ASSERT_EQ(shownBoxes(*w).size(), 3u);
    EXPECT_EQ(w->Label4->text(), "Vi bor i ");
    EXPECT_EQ(w->Label5->text(), "?");
    EXPECT_EQ(w->Label6->text(), ".");

    ChoiceBox* third = w->boxes[2];
    EXPECT_EQ(third->objectName(), "Panel4");
    point(third);
    EXPECT_EQ(w->Label5->text(), third->caption());
    EXPECT_EQ(w->Label6->x(), w->Label5->geometry().right() + 1);
    for (ChoiceBox* b : shownBoxes(*w))
        EXPECT_EQ(b->highlighted(), b == third) << b->objectName().toStdString();
    point(w->boxes[0]);
    EXPECT_TRUE(w->boxes[0]->highlighted());
    EXPECT_FALSE(third->highlighted());
    EXPECT_EQ(w->Label5->text(), w->boxes[0]->caption());
}

// "Stor eller liten": the words as written, capitals before small letters,
// the capitalised right word among them.
TEST_F(TflerbarTest, RecordWordsAreShownSortedAsWritten) {
    auto w = open("SVE31010.DAT");
    EXPECT_EQ(captions(*w), (QStringList{"SVERIGE", "Sverige", "sverige"}));
    EXPECT_EQ(w->caseOffset(), 0);
    for (int i = 1; i < 3; ++i)
        EXPECT_GT(w->boxes[std::size_t(i)]->x(), w->boxes[std::size_t(i - 1)]->geometry().right());
    choose(*w, true);
    EXPECT_EQ(w->series().correctCount(), 1);
}

TEST_F(TflerbarTest, WrongChoiceShowsTheRightWordThenTheNextQuestion) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE23100.DAT");
    const QString right = rightWord(*w);
    const int record = h.state->files.currentRecordNumber;
    choose(*w, false);
    EXPECT_FALSE(w->Panel1->isVisible());
    EXPECT_FALSE(w->Label5->isVisible());
    EXPECT_TRUE(w->KorrektSvarLabel->isVisible());
    EXPECT_EQ(w->KorrektSvarLabel->text(), right);
    EXPECT_EQ(w->KorrektSvarLabel->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(w->KorrektSvarLabel->x(), w->Label4->geometry().right() + 1);
    EXPECT_TRUE(w->EfterdelLabel->isVisible());
    EXPECT_EQ(w->EfterdelLabel->x(), w->KorrektSvarLabel->geometry().right() + 1);
    EXPECT_FALSE(w->Aster1->isRight(1));
    EXPECT_EQ(h.state->files.file(h.state->files.currentFileIndex).errorCount, 1);
    EXPECT_TRUE(w->Timer1->isActive());

    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Panel1->isVisible(); }, 1000));
    EXPECT_NE(h.state->files.currentRecordNumber, record);
    EXPECT_FALSE(w->KorrektSvarLabel->isVisible());
    EXPECT_EQ(w->Label5->text(), "?");
    EXPECT_EQ(w->series().questionNumber(), 2);
}

// File words are collected once in lower case; a sentence that begins with
// the gap shows them capitalised, "Ä" included.
TEST_F(TflerbarTest, CapitalisedRightWordShowsCapitalisedWords) {
    auto w = open("SVE23100.DAT");
    bool capitalSeen = false, smallSeen = false;
    for (int i = 0; i < 10; ++i) {
        if (rightWord(*w) == QString::fromUtf8("Ä")) {
            EXPECT_EQ(captions(*w), (QStringList{"E", QString::fromUtf8("Ä")}));
            capitalSeen = true;
        } else {
            EXPECT_EQ(captions(*w), (QStringList{"e", QString::fromUtf8("ä")}));
            smallSeen = true;
        }
        choose(*w, true);
    }
    EXPECT_TRUE(capitalSeen && smallSeen);
    EXPECT_EQ(w->series().correctCount(), 10);
    EXPECT_FALSE(w->Panel1->isVisible());
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Button2);
}

// A long sentence takes two lines; the gap stays on the line of its word and
// the boxes come below both.
TEST_F(TflerbarTest, TwoLineSentenceKeepsTheGapOnItsLine) {
    auto w = open("SVE39100.DAT");
    bool gapFirst = false, gapSecond = false;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(w->Label8->isVisible());
        const int row = w->Label5->y();
        EXPECT_EQ(w->Label4->y(), row);
        EXPECT_EQ(w->Label6->y(), row);
        if (w->Label4->text().startsWith(QString::fromUtf8("Tvätta"))) {
            EXPECT_GT(w->Label8->y(), row);
            gapFirst = true;
        } else {
            EXPECT_TRUE(w->Label8->text().startsWith("Den gamla"));
            EXPECT_LT(w->Label8->y(), row);
            gapSecond = true;
        }
        EXPECT_FALSE(w->Label8->text().contains('<'));
        EXPECT_GT(w->Panel1->y(), std::max(row, w->Label8->y()));
        choose(*w, true);
    }
    EXPECT_TRUE(gapFirst && gapSecond);
}

// A right click opens the button bar over the question; "Fortsätta" goes on
// with the same question and counts from 0 again.
TEST_F(TflerbarTest, RightClickPausesAndContinueKeepsTheQuestion) {
    auto w = open("SVE23100.DAT");
    choose(*w, true);
    choose(*w, true);
    const int record = h.state->files.currentRecordNumber;
    QTest::mouseClick(shownBoxes(*w).front(), Qt::RightButton);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->series().correctCount(), 2);
    EXPECT_EQ(w->focusWidget(), w->Button2);
    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(h.state->files.currentRecordNumber, record);
    EXPECT_EQ(w->series().questionNumber(), 3);
    EXPECT_EQ(w->series().correctCount(), 0);

    // On the background it also holds the boxes until "Fortsätta".
    QTest::mouseClick(w.get(), Qt::RightButton, {}, QPoint(w->width() / 2, w->height() / 2));
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Panel1->isEnabled());
    w->Button2->click();
    EXPECT_TRUE(w->Panel1->isEnabled());
    EXPECT_EQ(h.state->files.currentRecordNumber, record);
}

TEST_F(TflerbarTest, EscOncePausesTwiceLeaves) {
    auto w = open("SVE23100.DAT");
    choose(*w, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Panel1->isVisible(); }, 1000));
    QSignalSpy finished(w.get(), &QDialog::finished);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->Button1->isEnabled()); // one error to correct
    EXPECT_EQ(finished.count(), 0);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 1);
}

// The word of each question is heard a moment after it is put up, and again
// on F2, named by its record number; records from 100 on lie in "L1".
TEST_F(TflerbarTest, WordSoundNamedByRecordNumber) {
    auto w = open("SVE23100.DAT");
    EXPECT_TRUE(w->UpprepaButton->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sounds.played.empty(); }, 1000));
    const std::string first = core::recordSoundName("S231", h.state->files.currentRecordNumber);
    EXPECT_TRUE(h.sounds.played.back().path->ends_with(first));

    for (const auto& [record, path] :
         {std::pair{7, "LJUD/S231/L0/S231007.WAV"}, std::pair{107, "LJUD/S231/L1/S231107.WAV"}}) {
        h.state->files.currentRecordNumber = std::uint16_t(record);
        QTest::keyClick(w.get(), Qt::Key_F2);
        ASSERT_TRUE(h.sounds.played.back().path);
        EXPECT_TRUE(h.sounds.played.back().path->ends_with(path)) << *h.sounds.played.back().path;
    }
    EXPECT_TRUE(h.messages.texts.empty());
}

// With English set, the word the gap lies in (the word that is heard) is
// shown translated when the list has it.
TEST_F(TflerbarTest, TranslationOfTheSpokenWord) {
    // "\xC4r" begins its sentence: it is found by its lower-case form.
    h.write("DATA/DAT/GLOSENG.DAT", "penna#pen\r\nv\xE4ska#bag\r\n\xE4r#is\r\n");
    h.state->settings.setSoundTranslation(1);
    auto w = open("SVE23100.DAT");
    const std::map<QString, QString> translations = {
        {"e", "pen"}, {QString::fromUtf8("ä"), "bag"}, {QString::fromUtf8("Ä"), "is"}};
    std::set<QString> shown;
    for (int i = 0; i < 9; ++i) {
        const auto found = translations.find(rightWord(*w));
        EXPECT_EQ(w->EngLabel->isVisible(), found != translations.end());
        if (found != translations.end()) {
            EXPECT_EQ(w->EngLabel->text(), found->second);
            shown.insert(found->second);
        }
        choose(*w, true);
    }
    EXPECT_EQ(shown.size(), translations.size()); // the draw is seeded
}

// In a diagnosis test a right click reports the count so far and closes.
TEST_F(TflerbarTest, DiagnosisTestRightClickReportsAndCloses) {
    h.state->diagnosis.setTestNumber(1);
    auto w = open("SVDI01.DAT", core::RunMode::DiagnosisTest);
    EXPECT_EQ(w->series().length(), 20);
    EXPECT_EQ(w->DiagPanel1->DiagLabel2->text(), "1/20");
    EXPECT_FALSE(w->UpprepaButton->isVisible());
    choose(*w, true);
    choose(*w, true);
    choose(*w, true);
    QSignalSpy finished(w.get(), &QDialog::finished);
    QTest::mouseClick(shownBoxes(*w).front(), Qt::RightButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(h.state->diagnosis.record().result[1], 3);
}

// Diagnosis practice ends at the end of a series with 12 or more of 20
// right: the practice is done and the window closes; with 11 it stays,
// the diagnosis box in front, for another series.
TEST_F(TflerbarTest, DiagnosisPracticeClosesAtTwelveOfTwenty) {
    for (const int right : {12, 11}) {
        SCOPED_TRACE(right);
        h.state->diagnosis.setTestNumber(1);
        h.state->diagnosis.setPracticeCounter(0);
        h.state->diagnosis.record().status[1] = core::kStatusPractise;
        auto w = open("SVDI01.DAT", core::RunMode::DiagnosisPractice);
        QSignalSpy finished(w.get(), &QDialog::finished);
        for (int i = 0; i < 20; ++i) {
            const int asked = w->series().questionNumber();
            choose(*w, i < right);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return w->series().questionNumber() > asked && !w->Timer1->isActive(); },
                2000));
            if (i < 19) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return w->Panel1->isVisible(); }, 2000));
            }
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return finished.count() > 0 || w->buttonBar->isVisible(); }, 2000));
        if (right == 12) {
            EXPECT_EQ(finished.count(), 1);
            EXPECT_EQ(h.state->runMode, core::RunMode::DiagnosisTest);
            EXPECT_EQ(h.state->diagnosis.record().status[1], core::kStatusTest);
        } else {
            EXPECT_EQ(finished.count(), 0);
            EXPECT_EQ(h.state->runMode, core::RunMode::DiagnosisPractice);
            EXPECT_EQ(w->DiagPanel1->DiagLabel4->text(), "11");
        }
    }
}
