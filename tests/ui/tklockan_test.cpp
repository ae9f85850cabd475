#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "app/style.h"
#include "app/text_codec.h"
#include "exercises/tklockan.h"
#include "print/clock_painter.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TKlockan;
using glosbo::test::Harness;

namespace {

// Record n reads "tid n", so the record asked shows in its answer.
std::string clockRecords(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "tid " + std::to_string(n) + "#" + std::to_string(n) + ".00\r\n";
    return text;
}

class TklockanTest : public ::testing::Test {
protected:
    TklockanTest() { useRecords(144); }

    void useRecords(int count) {
        h.writeDataRoot({{"DATA/DAT/SVE55000.DAT", clockRecords(count)},
                         {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
                         {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
                         {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"}});
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TKlockan> open() { return h.openExercise<TKlockan>("SVE55000.DAT"); }

    QString accepted() const { return fromCp1252(h.state->fields[1]); }
    // The record the question was fetched from, by its answer "tid n".
    int askedRecord() const { return std::stoi(h.state->fields[1].substr(4)); }

    void answer(TKlockan& w, const QString& text) {
        w.Edit1->setText(text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return w.Edit1->isEnabled() || w.buttonBar->isVisible(); }));
    }
    void answerSeries(TKlockan& w, const std::string& answers) {
        for (char how : answers)
            answer(w, how == 'R' ? accepted() : QStringLiteral("fel"));
    }

    Harness h;
};

} // namespace

TEST_F(TklockanTest, FixedHeadlineAndTheClockOfTheDrawnRecord) {
    auto w = open();
    EXPECT_EQ(w->Overs1Label->text(), "Hur mycket");
    EXPECT_EQ(w->Overs2Label->text(), QString::fromUtf8("är klockan?"));
    EXPECT_EQ(w->Overs3Label->text(), QString::fromUtf8(" Den är ..."));
    EXPECT_FALSE(w->InstruktionsLabel->isVisible());
    EXPECT_EQ(h.state->clockNumber, askedRecord());
    EXPECT_EQ(w->PaintBox1->width(), w->PaintBox1->height() + 8);
    EXPECT_GT(w->PaintBox1->x(), w->OverskriftYtterShape->geometry().right());
    EXPECT_TRUE(w->lampknapp->isVisible());
    EXPECT_FALSE(w->LampShape->isVisible());
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 10);
}

// The clock drawn in the window is the picture the tool draws for paper.
TEST_F(TklockanTest, PaintBoxShowsTheClockImage) {
    auto w = open();
    const int height = w->PaintBox1->height();
    const QImage shown = w->PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn =
        glosbo::app::clockImage(h.state->clockNumber, height).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), drawn.size());
    // Inside the face's frame; around it lies the window's own background.
    const QRect face(2, 2, drawn.width() - 2, drawn.height() - 2);
    EXPECT_EQ(shown.copy(face), drawn.copy(face));
}

TEST_F(TklockanTest, CorrectionRoundShowsTheQueuedRecordsTime) {
    auto w = open();
    const int wrongRecord = askedRecord();
    answerSeries(*w, "WRRRRRRRRR");
    ASSERT_TRUE(w->Bildpanelen->isVisible());
    EXPECT_FALSE(w->lampknapp->isVisible());
    ASSERT_TRUE(w->Button1->isEnabled());
    w->Button1->click();
    EXPECT_FALSE(w->Bildpanelen->isVisible());
    EXPECT_EQ(askedRecord(), wrongRecord);
    EXPECT_EQ(h.state->clockNumber, wrongRecord);
}

TEST_F(TklockanTest, LampFollowsTheTyping) {
    auto w = open();
    const QString expected = accepted();
    w->lampknapp->click();
    ASSERT_TRUE(w->LampShape->isVisible());
    EXPECT_FALSE(w->lampknapp->isVisible());
    QTest::keyClicks(w->Edit1, expected.left(3));
    EXPECT_EQ(w->LampShape->color(), glosbo::app::style::kLime);
    QTest::keyClicks(w->Edit1, QStringLiteral("x"));
    EXPECT_EQ(w->LampShape->color(), glosbo::app::style::kRed);
}

// The time may begin with a capital, as a sentence does ("Tid 5" for
// "tid 5", and the lamp stays green); every other letter is compared
// exactly ("TID 5" is wrong).
TEST_F(TklockanTest, AnswersAreExactButForTheFirstLettersCase) {
    auto w = open();
    w->lampknapp->click();
    QString capital = accepted();
    capital[0] = capital[0].toUpper();
    QTest::keyClicks(w->Edit1, capital.left(2));
    EXPECT_EQ(w->LampShape->color(), glosbo::app::style::kLime);
    w->Edit1->clear();
    answer(*w, capital);
    EXPECT_EQ(h.state->series.correctCount, 1);
    EXPECT_EQ(h.state->series.wrongCount, 0);
    answer(*w, accepted().toUpper());
    EXPECT_EQ(h.state->series.wrongCount, 1);
}

// A second series earns praise by its own answers only.
TEST_F(TklockanTest, SecondSeriesPraisedOnItsOwnAnswers) {
    auto w = open();
    answerSeries(*w, "RRRRRRRRRR");
    EXPECT_TRUE(w->LovordPanel->isVisible());
    w->Button2->click();
    EXPECT_FALSE(w->LovordPanel->isVisible());
    answerSeries(*w, "RWRWRWRRRR");
    ASSERT_TRUE(w->Bildpanelen->isVisible());
    EXPECT_FALSE(w->LovordPanel->isVisible());
}

// A file of another size still runs: the hands go round again.
TEST_F(TklockanTest, FileOfAnotherSizeRuns) {
    useRecords(150);
    auto w = open();
    answerSeries(*w, "WWWWWWWWWW");
    EXPECT_TRUE(w->buttonBar->isVisible());
}

// Ten clocks make a series in every run mode; a diagnosis test reports
// and closes after them, the other modes show the bar.
TEST_F(TklockanTest, TenClocksASeriesInEveryRunMode) {
    using glosbo::core::RunMode;
    for (RunMode mode : {RunMode::Practice, RunMode::DiagnosisPractice, RunMode::DiagnosisTest}) {
        SCOPED_TRACE(static_cast<int>(mode));
        auto w = h.openExercise<TKlockan>("SVE55000.DAT", mode);
        EXPECT_EQ(h.state->series.seriesLength, 10);
        answerSeries(*w, "RRRRRRRRR");
        EXPECT_EQ(h.state->series.questionNumber, 10);
        w->Edit1->setText(accepted());
        QTest::keyClick(w->Edit1, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible() || !w->isVisible(); }));
        EXPECT_EQ(w->isVisible(), mode != RunMode::DiagnosisTest);
    }
}
