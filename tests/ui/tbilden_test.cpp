#include <QDir>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "app/scaling.h"
#include "app/text_codec.h"
#include "app/text_measure.h"
#include "exercises/tbilden.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TBilden;
using glosbo::test::Harness;

namespace {

const std::string kHeadings =
    "$Du sj\xE4lv\r\n$Kroppens delar\r\n$\xA7Skriv namnet p\xE5 delen.\r\n";

// Twelve short questions, each with its own answer.
std::string numberedRecords() {
    std::string text = kHeadings;
    for (int n = 1; n <= 12; ++n)
        text += "Vad heter delen med nummer " + std::to_string(n) + "?#del " + std::to_string(n) +
                "\r\n";
    return text;
}

class TbildenTest : public ::testing::Test {
protected:
    TbildenTest() { useFile(numberedRecords()); }

    // Makes the body file hold these records, with praise for good series.
    void useFile(const std::string& body) {
        h.writeDataRoot({{"DATA/DAT/SVE38100.DAT", body},
                         {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
                         {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
                         {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"}});
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TBilden> open() { return h.openExercise<TBilden>("SVE38100.DAT"); }

    QString accepted() const { return fromCp1252(h.state->fields[2]); }

    void answer(TBilden& w, const QString& text) {
        w.Edit1->setText(text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return w.Edit1->isEnabled() || w.Bildpanelen->isVisible() || !w.isVisible(); }));
    }
    // 'R' right, 'W' wrong, one per question.
    void answerSeries(TBilden& w, const std::string& answers) {
        for (char how : answers)
            answer(w, how == 'R' ? accepted() : QStringLiteral("fel"));
    }

    // 50 letters of 16 pixels fill the width: no scaling.
    Harness h{Harness::Setup{.screen = QSize(800, 600)}};
};

} // namespace

TEST_F(TbildenTest, ComponentsGoByTheirNames) {
    auto w = open();
    EXPECT_EQ(w->objectName(), "TBilden");
    for (const auto& [name, member] :
         std::initializer_list<std::pair<const char*, QObject*>>{{"Image1", w->Image1},
                                                                 {"FrageLabel1", w->FrageLabel1},
                                                                 {"FrageLabel2", w->FrageLabel2},
                                                                 {"Edit1", w->Edit1},
                                                                 {"SvarsLabel", w->SvarsLabel},
                                                                 {"Testlabel", w->Testlabel},
                                                                 {"Bildpanelen", w->Bildpanelen},
                                                                 {"Panel1", w->buttonBar},
                                                                 {"Timer1", w->Timer1},
                                                                 {"Timer2", w->Timer2}}) {
        SCOPED_TRACE(name);
        const auto found = w->findChildren<QObject*>(QString::fromLatin1(name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found.front(), member);
    }
    // No lamp, help, finish picture or diagnosis box in this window.
    EXPECT_EQ(w->BildPanelen, nullptr);
    EXPECT_FALSE(w->lampknapp->isVisible());
    EXPECT_FALSE(w->Testlabel->isVisible());
    EXPECT_EQ(w->Testlabel->text(), accepted() + ", , , ");
    // The headline box stands beside the picture.
    EXPECT_GT(w->OverskriftYtterShape->x(), w->Image1->geometry().right());
    EXPECT_EQ(w->InstruktionsLabel->x(), w->OverskriftYtterShape->x());
}

// A short question stands in the lower label alone; one of three lines
// starts in the upper label and goes on in two lines in the lower one,
// with the input below them.
TEST_F(TbildenTest, QuestionLinesFillOneOrBothLabels) {
    // 24 letters to a line on this screen.
    const std::string longQuestion = "Vad heter den del som sitter mellan handen och armen h\xE4r?";
    for (const auto& [question, upper, lowerLines] :
         {std::tuple{std::string("Vad heter delen?"), false, 1},
          std::tuple{longQuestion, true, 2}}) {
        SCOPED_TRACE(question);
        useFile(kHeadings + question + "#svar\r\n");
        auto w = open();
        EXPECT_EQ(w->FrageLabel1->isVisible(), upper);
        EXPECT_TRUE(w->FrageLabel2->isVisible());
        const QString lower = w->FrageLabel2->text();
        EXPECT_EQ(lower.count(QLatin1Char('\n')) + 1, lowerLines);
        const QString shown = (upper ? w->FrageLabel1->text() + " " : QString()) +
                              QString(lower).replace(QLatin1Char('\n'), QLatin1Char(' '));
        EXPECT_EQ(shown.simplified(), fromCp1252(question).simplified());
        EXPECT_GE(w->Edit1->y(), w->FrageLabel2->geometry().bottom());
        EXPECT_LT(w->FrageLabel2->geometry().right(), w->Aster1->x());
    }
}

TEST_F(TbildenTest, InputIsAsWideAsTheAnswerAndSomeMore) {
    useFile(kHeadings + "Vad heter delen?#\xF6ra\r\n");
    const int shortWidth = open()->Edit1->width();
    useFile(kHeadings + "Vad heter delen?#armb\xE5gsleden\r\n");
    const int longWidth = open()->Edit1->width();
    EXPECT_GT(longWidth, shortWidth);
}

TEST_F(TbildenTest, CapitalsAndSmallLettersAlikeWithAlternatives) {
    useFile(kHeadings + "Vad heter delen med nummer 4?#\xD6ga#&\xF6gon\r\n");
    for (const char* typed : {"\xF6ga", "\xD6GA", "\xF6gon"}) {
        auto w = open();
        answer(*w, fromCp1252(typed));
        EXPECT_EQ(h.state->series.correctCount, 1) << typed;
    }
    auto w = open();
    answer(*w, fromCp1252("\xF6gat"));
    EXPECT_EQ(h.state->series.wrongCount, 1);
}

TEST_F(TbildenTest, WrongAnswerInsideTheSeriesShowsTheAnswerUntilSpace) {
    auto w = open();
    answerSeries(*w, "RRR");
    h.state->settings.setAnswerDisplaySeconds(9);
    const QString expected = accepted();
    w->Edit1->setText(QStringLiteral("fel"));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_TRUE(w->SvarsLabel->isVisible());
    EXPECT_EQ(w->SvarsLabel->text(), expected);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_FALSE(w->Edit1->isEnabled());
    QTest::qWait(300);
    EXPECT_TRUE(w->SvarsLabel->isVisible());
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    EXPECT_EQ(h.state->series.questionNumber, 5);
    EXPECT_FALSE(w->SvarsLabel->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
}

// A wrong last answer brings the button bar at once, with the answer in
// sight; the cover panel and the praise follow the display.
TEST_F(TbildenTest, WrongLastAnswerShowsTheBarAtOnceThenCoverAndPraise) {
    auto w = open();
    answerSeries(*w, "RRRRRRRRR");
    h.state->settings.setAnswerDisplaySeconds(9);
    w->Edit1->setText(QStringLiteral("fel"));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->SvarsLabel->isVisible());
    EXPECT_FALSE(w->SvarsLabel->geometry().intersects(w->buttonBar->geometry()));
    EXPECT_TRUE(w->Timer2->isActive());
    EXPECT_FALSE(w->Bildpanelen->isVisible());
    EXPECT_FALSE(w->LovordPanel->isVisible());
    // Space ends the display, also from a button of the bar, without
    // pressing it.
    w->Button2->setFocus();
    QTest::keyClick(w->Button2, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Bildpanelen->isVisible(); }, 1000));
    EXPECT_FALSE(w->Timer2->isActive());
    EXPECT_TRUE(w->LovordPanel->isVisible());
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->Button1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button1);
    EXPECT_EQ(h.state->series.questionNumber, 11);
}

TEST_F(TbildenTest, PraiseFromEightRightOfTen) {
    for (const auto& [answers, praised] :
         {std::pair{"RRWRRWRRWR", false}, std::pair{"RRWRRRRRWR", true}}) {
        SCOPED_TRACE(answers);
        auto w = open();
        answerSeries(*w, answers);
        ASSERT_TRUE(w->Bildpanelen->isVisible());
        EXPECT_EQ(w->LovordPanel->isVisible(), praised);
        EXPECT_TRUE(w->Image1->isVisible());
    }
}

// Three wrong answers: "Rätta felen" asks exactly those three, in queue
// order; "Fortsätta" afterwards starts a new series.
TEST_F(TbildenTest, CorrectionRoundOfThreeInQueueOrder) {
    auto w = open();
    QStringList wrong;
    for (char how : std::string("RWRRWRRRWR")) {
        if (how == 'W') wrong << w->FrageLabel2->text();
        answer(*w, how == 'R' ? accepted() : QStringLiteral("fel"));
    }
    ASSERT_TRUE(w->Button1->isEnabled());
    w->Button1->click();
    EXPECT_FALSE(w->Bildpanelen->isVisible());
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 3);
    QStringList asked;
    for (int i = 0; i < 3; ++i) {
        asked << w->FrageLabel2->text();
        answer(*w, accepted());
    }
    EXPECT_EQ(asked, wrong);
    EXPECT_TRUE(w->Bildpanelen->isVisible());
    EXPECT_FALSE(w->LovordPanel->isVisible()); // no praise for a correction round
    EXPECT_FALSE(w->Button1->isEnabled());
    w->Button2->click();
    EXPECT_FALSE(w->Bildpanelen->isVisible());
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 10);
    EXPECT_EQ(h.state->series.questionNumber, 1);
}

// Esc in the middle of a series, then "Fortsätta": the same question, the
// counts as they were.
TEST_F(TbildenTest, EscapeAndResumeKeepTheQuestionAndCounts) {
    auto w = open();
    answerSeries(*w, "RRW");
    const QString question = w->FrageLabel2->text();
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    ASSERT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Button1);
    w->Button2->click();
    EXPECT_EQ(w->FrageLabel2->text(), question);
    EXPECT_EQ(h.state->series.correctCount, 2);
    EXPECT_EQ(h.state->series.wrongCount, 1);
    EXPECT_TRUE(w->Edit1->isEnabled());
}

// The picture is read once, from the first data root that has it; without
// it the area stays empty and the questions run.
TEST_F(TbildenTest, PictureFromTheDataRootOrNone) {
    {
        auto w = open();
        EXPECT_TRUE(w->Image1->pixmap().isNull());
        EXPECT_TRUE(w->FrageLabel2->isVisible());
    }
    QImage picture(40, 60, QImage::Format_RGB888);
    picture.fill(Qt::red);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(h.path("BILD"))));
    ASSERT_TRUE(picture.save(QString::fromStdString(h.path("BILD/KROPPEN.BMP")), "BMP"));
    auto w = open();
    ASSERT_FALSE(w->Image1->pixmap().isNull());
    EXPECT_LE(w->Image1->pixmap().width(), w->Image1->width());
    EXPECT_LE(w->Image1->pixmap().height(), w->Image1->height());
}

// At the end of a series the cover hides the questions but leaves the
// whole instruction line in sight, at every screen size.
TEST_F(TbildenTest, CoverLeavesTheInstructionLine) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        glosbo::app::FontTextMeasure fonts;
        glosbo::app::measureScreen(h.state->screen, QRect(QPoint(0, 0), screen), fonts);
        glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
        h.state->selectExercise("SVE38100.DAT");
        ASSERT_TRUE(h.state->files.Kolla("SVE38100.DAT"));
        auto w = glosbo::exercises::makeExerciseWindow<TBilden>({*h.state, services, nullptr});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        answerSeries(*w, "RRRRRRRRRR");
        ASSERT_TRUE(w->Bildpanelen->isVisible());
        EXPECT_GT(w->Bildpanelen->y(), w->InstruktionsLabel->geometry().bottom());
        EXPECT_GT(w->Bildpanelen->height(), 0);
        EXPECT_TRUE(w->Bildpanelen->geometry().contains(w->Edit1->geometry().center()));
    }
}
