#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/text_codec.h"
#include "app/text_measure.h"
#include "exercises/tinsetxt.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TInseTxt;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

const QColor kAqua(0x00, 0xFF, 0xFF);

// A fable of six questions with its text, "Förklarat ord" with two answers
// a question, and a fable whose text is missing.
class TinsetxtTest : public ::testing::Test {
protected:
    TinsetxtTest() {
        std::map<std::string, std::string> files;
        std::string fable = "$R\xE4ven och korpen\r\n$\xA7L\xE4s.\r\n";
        for (int n = 1; n <= 6; ++n)
            fable += "Fr\xE5ga " + std::to_string(n) + "?#r\xE4tt " + std::to_string(n) + "#fel " +
                     std::to_string(n) + "#annat " + std::to_string(n) + "\r\n";
        files["DATA/DAT/SVE56100.DAT"] = fable;
        files["DATA/LAS/SVE56100.LAS"] = "$Anteckning\r\nR\xE4ven\r\noch korpen.\r\n\r\nEn morgon "
                                         "hittade korpen en ost.\r\n$slut\r\n";
        files["DATA/DAT/SVE56200.DAT"] = "$Haren\r\nFr\xE5ga?#a#b\r\n";
        std::string words = "$F\xF6rklarat ord\r\n";
        for (int n = 1; n <= 12; ++n)
            words += "Vad betyder ord " + std::to_string(n) + "?#r\xE4tt " + std::to_string(n) +
                     "#fel " + std::to_string(n) + "\r\n";
        files["DATA/DAT/SVE32130.DAT"] = words;
        for (int n = 1; n <= 16; ++n)
            files["DATA/LOV/SVOM90" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".LOV"] =
                "Bra!\r\n";
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
        h.state->settings.setSoundMode(0);
    }

    std::unique_ptr<TInseTxt> open(const std::string& file) {
        auto w = h.openExercise<TInseTxt>(file);
        w->Timer1->setInterval(1);
        w->lastAnswerTimer->setInterval(1);
        return w;
    }

    // Types the digit of the right row or of a wrong one; after a wrong one
    // waits for the next question or the end.
    static void answer(TInseTxt& w, bool right) {
        int row = w.rightRow();
        if (!right) row = row == 1 ? 2 : 1;
        QTest::keyClick(w.Edit1, char('0' + row));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !w.Timer1->isActive() && !w.lastAnswerTimer->isActive(); }, 2000));
    }

    Harness h;
};

} // namespace

TEST_F(TinsetxtTest, FableAsksAsManyAsItHasAndPraisesFromTwoLess) {
    for (const auto& [answers, praised] : {std::pair{"RRWRWR", true}, std::pair{"RWRWRW", false}}) {
        SCOPED_TRACE(answers);
        auto w = open("SVE56100.DAT");
        ASSERT_TRUE(w->textShown());
        EXPECT_TRUE(w->TextPanel1->isVisible());
        EXPECT_EQ(w->Overs2Label->text(), QString::fromUtf8("Läs texten."));
        EXPECT_EQ(w->Memo1->toPlainText(),
                  QString::fromUtf8("Räven och korpen.\n\nEn morgon hittade korpen en ost."));
        w->SeTextButton->click();
        ASSERT_FALSE(w->textShown());
        EXPECT_EQ(w->Overs1Label->text(), QString::fromUtf8("Svara på frågorna"));
        EXPECT_EQ(w->series().length(), 6);
        EXPECT_EQ(w->Aster1->maxAntalRutor(), 6);
        for (const char how : std::string(answers))
            answer(*w, how == 'R');
        EXPECT_TRUE(w->buttonBar->isVisible());
        EXPECT_EQ(w->LovordPanel->isVisible(), praised);
        EXPECT_EQ(w->focusWidget(), w->Button1);
        EXPECT_EQ(w->Button1->text(), QString::fromUtf8("&Fortsätta"));
        EXPECT_FALSE(w->SeTextButton->isEnabled());
        // A wrong answer is never practised again.
        EXPECT_EQ(h.state->files.file(h.state->files.currentFileIndex).errorCount, 0);
    }
}

TEST_F(TinsetxtTest, ForklaratOrdTwoAnswersRowThreeHiddenAndOtherKeysSwallowed) {
    auto w = open("SVE32130.DAT");
    EXPECT_FALSE(w->SeTextButton->isVisible());
    EXPECT_FALSE(w->textShown());
    EXPECT_EQ(w->series().length(), 10);
    EXPECT_TRUE(w->Aster1->isVisible());
    EXPECT_EQ(w->answers(), 2);
    EXPECT_FALSE(w->NrPanel[2]->isVisible());
    EXPECT_FALSE(w->AlternativPanel[2]->isVisible());
    QTest::keyClick(w->Edit1, '3');
    QTest::keyClick(w->Edit1, 'x');
    EXPECT_EQ(w->series().questionNumber(), 1);
    EXPECT_EQ(w->Edit1->text(), QString());
    // Both answers are shown, the right one in its row.
    EXPECT_EQ(w->AltLabel[std::size_t(w->rightRow() - 1)]->text(), fromCp1252(h.state->fields[2]));
}

TEST_F(TinsetxtTest, WrongChoiceLightsTheRightRowAndWritesItsAnswer) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = h.openExercise<TInseTxt>("SVE32130.DAT");
    const int right = w->rightRow();
    const int wrong = right == 1 ? 2 : 1;
    QTest::mouseClick(w->AlternativPanel[std::size_t(wrong - 1)], Qt::LeftButton);
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->NrPanel[std::size_t(right - 1)]->color(), kAqua);
    EXPECT_EQ(w->AlternativPanel[std::size_t(right - 1)]->color(), kAqua);
    EXPECT_NE(w->AlternativPanel[std::size_t(wrong - 1)]->color(), kAqua);
    EXPECT_TRUE(w->RattSvarLabel->isVisible());
    EXPECT_EQ(w->RattSvarLabel->text(), fromCp1252(h.state->fields[2]));
    // Pointing does not move the light meanwhile; Space ends the display.
    QTest::mouseMove(w->NrPanel[std::size_t(wrong - 1)]);
    EXPECT_EQ(w->NrPanel[std::size_t(right - 1)]->color(), kAqua);
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->RattSvarLabel->isVisible(); }, 2000));
    EXPECT_EQ(w->series().questionNumber(), 2);
}

TEST_F(TinsetxtTest, TextAndBackKeepsTheQuestionAndTheTextAnswersNothing) {
    auto w = open("SVE56100.DAT");
    const std::string question = h.state->fields[1];
    const auto order = w->order();
    // Digits and clicks while the text is shown answer nothing.
    QTest::keyClick(w->Edit1, '1');
    QTest::mouseClick(w->NrPanel[0], Qt::LeftButton);
    EXPECT_EQ(w->series().questionNumber(), 1);
    w->SeTextButton->click();
    w->SeTextButton->click();
    EXPECT_TRUE(w->textShown());
    w->SeTextButton->click();
    EXPECT_EQ(h.state->fields[1], question);
    EXPECT_EQ(w->order(), order);
    EXPECT_EQ(w->SeTextButton->text(), QString::fromUtf8("&Se texten"));
    QTest::keyClick(w->Edit1, char('0' + w->rightRow()));
    EXPECT_EQ(w->series().correctCount(), 1);
}

TEST_F(TinsetxtTest, MissingTextIsReportedAndTheWindowCloses) {
    h.state->selectExercise("SVE56200.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE56200.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TInseTxt>({*h.state, h.services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
    EXPECT_EQ(w->result(), QDialog::Rejected);
    ASSERT_EQ(h.messages.texts.size(), 1u);
    EXPECT_EQ(h.messages.texts[0], "Filen SVE56200.LAS finns inte eller \xC3\xA4r felaktig");
}

TEST_F(TinsetxtTest, EscOrRightClickPausesWithTheBar) {
    auto w = open("SVE32130.DAT");
    QTest::mouseClick(w->AlternativPanel[0], Qt::RightButton);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Button1);
    QTest::keyClick(w->Edit1, char('0' + w->rightRow()));
    EXPECT_EQ(w->series().questionNumber(), 1);
    w->Button1->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
}

namespace {

// A fable whose text is longer than its panel and whose question needs two
// rows at 24 pixels.
const std::string kLongQuestion =
    "Varf\xF6r tyckte r\xE4ven att korpen skulle sjunga f\xF6r honom en g\xE5ng till, "
    "den sista g\xE5ngen innan solen gick ner?";

void writeLongFable(Harness& h) {
    std::string text;
    for (int n = 1; n <= 80; ++n)
        text += "Rad " + std::to_string(n) + " av en l\xE5ng fabel om r\xE4ven och korpen.\r\n";
    h.writeDataRoot({{"DATA/DAT/SVE56700.DAT", "$Fabel 7\r\n" + kLongQuestion + "#Ja#Nej\r\n"},
                     {"DATA/LAS/SVE56700.LAS", text}});
}

} // namespace

// The text comes first and the keyboard scrolls it at once; after "Se
// texten" Esc opens the bar, and "Fortsätta" gives the keys back to the text.
TEST_F(TinsetxtTest, KeysScrollTheTextAndEscPausesThere) {
    writeLongFable(h);
    auto w = open("SVE56700.DAT");
    ASSERT_TRUE(w->textShown());
    EXPECT_EQ(QApplication::focusWidget(), w->Memo1);
    QScrollBar* bar = w->Memo1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    const int paged = bar->value();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_GT(bar->value(), paged);

    w->SeTextButton->click(); // to the questions
    w->SeTextButton->click(); // "Se texten"
    ASSERT_TRUE(w->textShown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    w->Button1->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w->Memo1);
}

// A long question is wrapped in the font it is shown in, to its rows'
// width: both rows fit and together hold the whole question.
TEST_F(TinsetxtTest, LongQuestionWrapsInTheFontShown) {
    writeLongFable(h);
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        glosbo::app::FontTextMeasure fonts;
        glosbo::app::measureScreen(h.state->screen, QRect(QPoint(0, 0), screen), fonts);
        glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
        h.state->selectExercise("SVE56700.DAT");
        ASSERT_TRUE(h.state->files.Kolla("SVE56700.DAT"));
        auto w = glosbo::exercises::makeExerciseWindow<TInseTxt>({*h.state, services, nullptr});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        ASSERT_TRUE(w->FrageLabel2->isVisibleTo(w.get()));
        for (QLabel* row : {w->FrageLabel2, w->FrageLabel1}) {
            EXPECT_LE(QFontMetrics(row->font()).horizontalAdvance(row->text()), row->width());
            EXPECT_LT(row->geometry().right(), w->Aster1->x());
        }
        EXPECT_EQ((w->FrageLabel2->text() + w->FrageLabel1->text()).simplified(),
                  fromCp1252(kLongQuestion));
    }
}

// A right click during the answer display pauses it; "Fortsätta" lets it
// run on, and the rows answer nothing until the next question.
TEST_F(TinsetxtTest, PauseDuringTheAnswerDisplay) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE32130.DAT");
    w->Timer1->setInterval(100);
    const int wrongRow = w->rightRow() == 1 ? 2 : 1;
    QTest::mouseClick(w->NrPanel[std::size_t(wrongRow - 1)], Qt::LeftButton);
    ASSERT_TRUE(w->Timer1->isActive());
    QTest::mouseClick(w->AlternativPanel[0], Qt::RightButton);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Timer1->isActive());
    w->Button1->click();
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_TRUE(w->RattSvarLabel->isVisible());
    QTest::mouseClick(w->NrPanel[std::size_t(w->rightRow() - 1)], Qt::LeftButton);
    EXPECT_EQ(w->series().correctCount(), 0);
    EXPECT_EQ(w->series().wrongCount(), 1);
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Timer1->isActive(); }, 2000));
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_FALSE(w->RattSvarLabel->isVisible());
}
