#include <QFontMetrics>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/text_codec.h"
#include "app/text_measure.h"
#include "core/pictures.h"
#include "core/sounds.h"
#include "exercises/tdiktam.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TDiktam;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// Twelve words with a sound each, and a file of one word.
class TdiktamTest : public ::testing::Test {
protected:
    TdiktamTest() {
        std::string words = "$Diktamen\r\n$Ganska sv\xE5rt\r\n$\xA7Skriv ordet.\r\n";
        std::map<std::string, std::string> files;
        for (int n = 1; n <= 12; ++n) {
            words += "ord" + std::to_string(n) + "##Ett tips.\r\n";
            files["LJUD/S241/" + core::recordSoundName("S241", n)] = "RIFF";
        }
        files["DATA/DAT/SVE24100.DAT"] = words;
        files["DATA/DAT/SVE24200.DAT"] = "$Diktamen\r\nskjorta##Han har en vit ___.\r\n";
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TDiktam> open(const std::string& file = "SVE24100.DAT") {
        return h.openExercise<TDiktam>(file);
    }

    static void type(TDiktam& w, const QString& text) {
        w.Edit1->setText(text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
    }

    std::string lastPlayed() const {
        if (h.sounds.played.empty() || !h.sounds.played.back().path) return {};
        return *h.sounds.played.back().path;
    }

    Harness h;
};

} // namespace

TEST_F(TdiktamTest, SeeOnlyFlashesTheWordForTheDisplayTime) {
    h.state->presentation = core::Presentation::See;
    auto w = open();
    EXPECT_TRUE(w->SeTidPanel->isVisible());
    EXPECT_EQ(w->SeTidPanel->caption(), "1");
    // The flash's length is the timer's interval; how long the test saw it
    // depends on the machine's load, so it is not timed here.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->BlinkLabel->isVisible(); }, 1000));
    EXPECT_EQ(w->BlinkLabel->text(), fromCp1252(h.state->fields[1]));
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_EQ(w->Timer3->interval(), 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 2000));
    EXPECT_FALSE(w->BlinkLabel->isVisible());
    EXPECT_TRUE(w->Edit1->hasFocus());
    EXPECT_TRUE(h.sounds.played.empty()); // seen, not heard
}

TEST_F(TdiktamTest, PresentationChosenHoldsInTheNextDictation) {
    {
        auto w = open();
        EXPECT_FALSE(w->SeTidPanel->isVisible());
        EXPECT_FALSE(w->SeIntervalLabel->isVisible());
        w->SeochHoraButton->click();
        EXPECT_TRUE(w->SeTidPanel->isVisible());
        EXPECT_TRUE(w->TidSpinButton->isVisible());
        EXPECT_EQ(w->SeIntervalLabel->text(), "Visningstid:");
    }
    auto next = open("SVE24200.DAT");
    EXPECT_EQ(h.state->presentation, core::Presentation::SeeAndHear);
    EXPECT_TRUE(next->SeTidPanel->isVisible());
    next->BaraHoraButton->click();
    EXPECT_FALSE(next->SeTidPanel->isVisible());
    // The word flashed first keeps the input closed until its display ends.
    ASSERT_TRUE(QTest::qWaitFor([&] { return next->Edit1->isEnabled(); }, 2000));
    EXPECT_TRUE(next->Edit1->hasFocus());
}

TEST_F(TdiktamTest, DisplayTimeStopsAtOneAndThirtyTenths) {
    h.state->presentation = core::Presentation::See;
    auto w = open();
    w->TidSpinDown->click();
    EXPECT_EQ(w->SeTidPanel->caption(), "1");
    for (int i = 0; i < 35; ++i)
        w->TidSpinUp->click();
    EXPECT_EQ(w->SeTidPanel->caption(), "30");
    EXPECT_EQ(w->displayTime().milliseconds(), 3000);
    w->TidSpinDown->click();
    EXPECT_EQ(w->SeTidPanel->caption(), "29");
}

TEST_F(TdiktamTest, WordInOtherCaseIsRightAWrongOneShowsTheWordUntilSpace) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE24200.DAT");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    type(*w, QStringLiteral("SKJORTA"));
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_FALSE(w->Label5->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    type(*w, QStringLiteral("sjorta"));
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_TRUE(w->Label5->isVisible());
    EXPECT_EQ(w->Label5->text(), "skjorta");
    EXPECT_EQ(w->Label5->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_FALSE(w->Edit1->isEnabled());
    // Choosing a presentation meanwhile does not give the input back.
    w->BaraHoraButton->click();
    EXPECT_FALSE(w->Edit1->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Label5->isVisible(); }, 1000));
    EXPECT_TRUE(w->Edit1->isEnabled());
    EXPECT_EQ(h.state->series.questionNumber, 3);
}

TEST_F(TdiktamTest, F2PlaysTheWordExceptInSeeOnlyMode) {
    auto w = open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sounds.played.empty(); }, 1000));
    const std::size_t heard = h.sounds.played.size();
    QTest::keyClick(w->Edit1, Qt::Key_F2);
    EXPECT_EQ(h.sounds.played.size(), heard + 1);
    w->BaraseordetButton->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    QTest::keyClick(w->Edit1, Qt::Key_F2);
    EXPECT_EQ(h.sounds.played.size(), heard + 1);
    EXPECT_TRUE(h.messages.texts.empty());
}

// The sound is named by the record number; in a correction round by the
// queued record's number.
TEST_F(TdiktamTest, SoundOfTheRecordAndOfTheQueuedRecord) {
    auto w = open();
    int wrongRecord = 0;
    for (int q = 1; q <= 10; ++q) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000)) << q;
        const int record = h.state->files.currentRecordNumber;
        EXPECT_EQ(w->soundFileName(), core::recordSoundName("S241", record));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return lastPlayed().ends_with(core::recordSoundName("S241", record)); }, 1000));
        if (record == 7) {
            EXPECT_TRUE(lastPlayed().ends_with("LJUD/S241/S241007.WAV")) << lastPlayed();
        }
        if (q == 4) {
            wrongRecord = record;
            type(*w, QStringLiteral("fel"));
        } else {
            type(*w, fromCp1252(h.state->fields[1]));
        }
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 2000));
    EXPECT_FALSE(w->UpprepaButton->isEnabled());
    ASSERT_TRUE(w->Button1->isEnabled());
    w->Button1->click();
    EXPECT_EQ(w->soundFileName(), core::recordSoundName("S241", wrongRecord));
    w->UpprepaButton->click();
    EXPECT_TRUE(lastPlayed().ends_with(core::recordSoundName("S241", wrongRecord)));
}

TEST_F(TdiktamTest, HelpShowsFieldThree) {
    auto w = open("SVE24200.DAT");
    EXPECT_EQ(w->BitBtn2->text(), QString::fromUtf8("H&jälp"));
    ASSERT_TRUE(w->BitBtn2->isVisible());
    EXPECT_FALSE(w->Label6->isVisible());
    w->BitBtn2->click();
    EXPECT_TRUE(w->Label6->isVisible());
    EXPECT_EQ(w->Label6->text(), "Han har en vit ___.");
    EXPECT_FALSE(w->BitBtn2->isVisible());
}

TEST_F(TdiktamTest, CtrlSPastesTheSharpS) {
    auto w = open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    QTest::keyClick(w->Edit1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("ß"));
    EXPECT_NE(w->PopupMenu1, nullptr);
}

// Esc mid-dictation opens the bar; "Fortsätta" goes on with the same word,
// the input enabled and focused, and F2 says that word again. As in every
// series window, the counts start again from there.
TEST_F(TdiktamTest, ContinueAfterEscGoesOnWithTheSameWord) {
    auto w = open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    type(*w, fromCp1252(h.state->fields[1]));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    const std::string word = h.state->fields[1];
    const int record = h.state->files.currentRecordNumber;

    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    ASSERT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->lampknapp->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button2);

    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(h.state->series.questionNumber, 2);
    EXPECT_EQ(h.state->fields[1], word);
    EXPECT_TRUE(w->Edit1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
    EXPECT_TRUE(w->UpprepaButton->isEnabled());
    QTest::keyClick(w->Edit1, Qt::Key_F2);
    EXPECT_TRUE(lastPlayed().ends_with(core::recordSoundName("S241", record)));
    type(*w, fromCp1252(word));
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_EQ(h.state->series.questionNumber, 3);
}

// Without an audio output the pupil is told so once, and the word is seen
// as well as heard; "Bara höra ordet" later is the pupil's own choice.
TEST_F(TdiktamTest, NoSoundOutputSaysSoOnceAndShowsTheWord) {
    h.sounds.audible = false;
    h.state->presentation = core::Presentation::Hear;
    {
        auto w = open();
        ASSERT_EQ(h.messages.texts.size(), 1u);
        EXPECT_NE(h.messages.texts[0].find("kan inte spela upp ljud"), std::string::npos);
        EXPECT_EQ(h.state->presentation, core::Presentation::SeeAndHear);
        EXPECT_TRUE(w->SeTidPanel->isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->BlinkLabel->isVisible(); }, 1000));
        EXPECT_EQ(w->BlinkLabel->text(), fromCp1252(h.state->fields[1]));
        w->BaraHoraButton->click();
        EXPECT_EQ(h.state->presentation, core::Presentation::Hear);
    }
    auto w = open();
    EXPECT_EQ(h.messages.texts.size(), 1u);
    EXPECT_EQ(h.state->presentation, core::Presentation::Hear);
}

// With sound nothing is said and the pupil's choice holds.
TEST_F(TdiktamTest, WithSoundNothingIsSaid) {
    h.state->presentation = core::Presentation::Hear;
    auto w = open();
    w->BaraHoraButton->click();
    EXPECT_TRUE(h.messages.texts.empty());
    EXPECT_EQ(h.state->presentation, core::Presentation::Hear);
}

// At every size: the display time's widest value fits its box, the lamp
// leaves the translation clear, every accelerator belongs to one control
// and the finish caption stands at the top left.
TEST_F(TdiktamTest, LayoutAndAccelerators) {
    std::string captions;
    for (int n = 1; n <= core::Pictures::kCount; ++n)
        captions += std::to_string(n) + "#Bild " + std::to_string(n) + "\r\n";
    h.writeDataRoot({{"DATA/DAT/SVE24100.DAT", "$Diktamen\r\nord##Ett tips.\r\n"},
                     {"DATA/DAT/GLOSENG.DAT", "ord#word\r\n"}});
    h.state->pictures.parseCaptions(captions);
    h.state->settings.setSoundTranslation(1);
    h.state->presentation = core::Presentation::See;
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        glosbo::app::FontTextMeasure fonts;
        glosbo::app::measureScreen(h.state->screen, QRect(QPoint(0, 0), screen), fonts);
        glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
        h.state->selectExercise("SVE24100.DAT");
        ASSERT_TRUE(h.state->files.Kolla("SVE24100.DAT"));
        auto w = glosbo::exercises::makeExerciseWindow<TDiktam>({*h.state, services, nullptr});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        for (int i = 0; i < 29; ++i)
            w->TidSpinUp->click();
        EXPECT_EQ(w->SeTidPanel->caption(), "30");
        EXPECT_LE(QFontMetrics(w->SeTidPanel->font()).horizontalAdvance(QStringLiteral("30")),
                  w->SeTidPanel->width() - 4);
        EXPECT_GE(w->TidSpinUp->font().pixelSize(), w->TidSpinButton->height() / 2 - 4);
        for (int i = 0; i < 29; ++i)
            w->TidSpinDown->click();
        w->lampknapp->click();
        ASSERT_TRUE(w->EngLabel->isVisible());
        EXPECT_GT(w->EngLabel->x(), w->LampShape->geometry().right());

        std::map<QChar, int> owners;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            const int amp = b->text().indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < b->text().size()) ++owners[b->text().at(amp + 1).toLower()];
        }
        for (const auto& [key, count] : owners)
            EXPECT_EQ(count, 1) << "Alt+" << QString(key).toStdString();

        for (int q = 0; q < 10 && w->series().running(); ++q) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 2000));
            type(*w, QStringLiteral("ord"));
        }
        ASSERT_TRUE(w->BildPanelen->BildTextPanel->isVisible());
        EXPECT_EQ(w->BildPanelen->BildTextPanel->x(), 0);
    }
}
