#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "app/text_measure.h"
#include "catalogue/window_catalogue.h"
#include "core/fill_in.h"
#include "core/pictures.h"
#include "core/sounds.h"
#include "exercises/tskrivhi.h"
#include "exercises/tskrivinf.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TSKRIVHI;
using glosbo::exercises::TSkrivinf;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// Thirty copies of one record, so that every question is that record.
std::string sameRecords(const std::string& headings, const std::string& record) {
    std::string text = headings;
    for (int n = 1; n <= 30; ++n)
        text += record + "\r\n";
    return text;
}

const std::string kHeadings = "$Prov\r\n$\xA7Skriv ordet som fattas.\r\n";

class TskrivinfTest : public ::testing::Test {
protected:
    TskrivinfTest() {
        std::string tricky = "$Knepiga ord\r\n$\xA7Lyssna och skriv.\r\n";
        for (int n = 1; n <= 30; ++n)
            tricky += "Ett <djur> nummer " + std::to_string(n) + ".\r\n";
        std::string verbs = "$Tempus\r\n$Imperfekt\r\n";
        for (int n = 1; n <= 30; ++n)
            verbs += "springa#sprang\r\n";
        const std::map<std::string, std::string> files = {
            // No help: one gap in the middle of a one-line sentence.
            {"DATA/DAT/SVE42000.DAT", sameRecords(kHeadings, "Katten sover <under> bordet.")},
            // Two gaps; an alternative serves either gap.
            {"DATA/DAT/SVE43300.DAT",
             sameRecords(kHeadings, "I g\xE5r <sprang> jag till <skolan>.#springa#&rusade")},
            // One, two and three help texts.
            {"DATA/DAT/SVE33100.DAT", sameRecords(kHeadings, "Lugn, ingen ko p\xE5 <isen>.#h1")},
            {"DATA/DAT/SVE33200.DAT", sameRecords(kHeadings, "Det gick som en <dans>.#h1#h2")},
            {"DATA/DAT/SVE33300.DAT", sameRecords(kHeadings, "Han <sov> som en stock.#a#b#c")},
            {"DATA/DAT/SVE46200.DAT",
             sameRecords(kHeadings, "Du ska <l\xE4sa> boken.#<L\xE4s> boken!")},
            {"DATA/DAT/SVE24300.DAT", tricky},
            {"DATA/DAT/GLOSENG.DAT", "djur#animal\r\n"},
            {"DATA/DAT/SVDI14.DAT", sameRecords(kHeadings, "Jag \xE4r r\xE4"
                                                           "dd <f\xF6r> ormar.")},
            {"DATA/DAT/SVOVN114.DAT", sameRecords(kHeadings, "Vi v\xE4ntar <p\xE5> bussen.#h1")},
            {"DATA/DAT/SVE46120.DAT", verbs},
            {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
            {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
            {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"},
        };
        for (int n = 1; n <= 30; ++n)
            h.write("LJUD/S243/" + core::recordSoundName("S243", n), "");
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
        glosbo::catalogue::registerWindows(h.windows);
    }

    std::unique_ptr<TSkrivinf> open(const std::string& file,
                                    core::RunMode runMode = core::RunMode::Practice) {
        return h.openExercise<TSkrivinf>(file, runMode);
    }

    // Types into a gap and presses Enter there.
    static void type(TSkrivinf& w, int gap, const QString& text) {
        QLineEdit* edit = gap == 1 ? w.Edit1 : w.Edit2;
        ASSERT_TRUE(edit->isVisible() && edit->isEnabled()) << gap;
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Waits until the next question is open or the series has ended.
    static void waitForNext(TSkrivinf& w) {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return (w.Edit1->isVisible() && w.Edit1->isEnabled()) || w.buttonBar->isVisible();
        }));
    }

    int errorCount() const {
        return h.state->files.file(h.state->files.currentFileIndex).errorCount;
    }

    Harness h;
};

} // namespace

// One gap: text, input, text; the right word gives the next question at
// once; a wrong one shows the word in maroon where the input was, the full
// stop 5 pixels after it, until Space ends the display.
TEST_F(TskrivinfTest, OneGapRightAndWrong) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE42000.DAT");
    ASSERT_EQ(w->questionGaps(), 1);
    ASSERT_EQ(w->questionPieces().size(), 2u);
    QLabel* before = w->questionPieces()[0];
    QLabel* after = w->questionPieces()[1];
    EXPECT_EQ(before->text(), "Katten sover ");
    EXPECT_EQ(after->text(), " bordet.");
    EXPECT_EQ(before->y(), w->Edit1->y());
    EXPECT_NEAR(before->geometry().right(), w->Edit1->x(), 1);
    EXPECT_EQ(w->Edit1->geometry().right() + 1, after->x());
    EXPECT_FALSE(w->Edit2->isVisible());
    EXPECT_FALSE(w->BitBtn2->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit1);

    type(*w, 1, QStringLiteral("under"));
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_TRUE(w->Edit1->isEnabled());
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->Aster1->rutNummer(), 1);

    type(*w, 1, QStringLiteral("\xF6ver"));
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_TRUE(w->Label14->isVisible());
    EXPECT_EQ(w->Label14->text(), "under");
    EXPECT_EQ(w->Label14->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_EQ(errorCount(), 1);
    QTest::keyClick(w.get(), Qt::Key_Space);
    waitForNext(*w);
    EXPECT_EQ(w->series().questionNumber(), 3);
}

// A wrong gap moves a full stop that follows it to 5 pixels after the word.
TEST_F(TskrivinfTest, PunctuationMovesUpToTheRevealedWord) {
    h.writeDataRoot(
        {{"DATA/DAT/SVE43200.DAT", sameRecords(kHeadings, "Han har tv\xE5 <f\xF6tter>.")}});
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE43200.DAT");
    QLabel* stop = w->pieceAfterGap(1);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), ".");
    type(*w, 1, QStringLiteral("f\xF6ttrar"));
    EXPECT_EQ(stop->x(),
              w->Label14->x() +
                  QFontMetrics(w->Label14->font()).horizontalAdvance(w->Label14->text()) + 5);
}

// Two gaps, each judged on its own: squares, counts and queued errors.
TEST_F(TskrivinfTest, TwoGaps) {
    struct Case {
        const char* first;
        const char* second;
        int right, wrong, squares, queued;
        bool wrongSquare;
    };
    const Case cases[] = {
        {"sprang", "skolan", 1, 0, 1, 0, false},
        {"springer", "skolan", 0, 1, 1, 1, true},
        {"sprang", "hem", 0, 1, 1, 1, true},
        // One square for the question, each wrong gap queued.
        {"springer", "hem", 0, 2, 1, 2, true},
        // An alternative answers either gap.
        {"rusade", "rusade", 1, 0, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.second);
        h.state->files.resetCounts();
        auto w = open("SVE43300.DAT");
        ASSERT_EQ(w->questionGaps(), 2);
        EXPECT_TRUE(w->Edit2->isVisible());
        EXPECT_FALSE(w->Edit2->isEnabled()); // it waits for gap 1
        type(*w, 1, QString::fromLatin1(c.first));
        EXPECT_FALSE(w->Edit1->isEnabled());
        EXPECT_EQ(w->focusWidget(), w->Edit2);
        EXPECT_EQ(w->Label14->isVisible(), true);
        type(*w, 2, QString::fromLatin1(c.second));
        waitForNext(*w);
        EXPECT_EQ(w->series().correctCount(), c.right);
        EXPECT_EQ(w->series().wrongCount(), c.wrong);
        EXPECT_EQ(w->Aster1->rutNummer(), c.squares);
        EXPECT_EQ(errorCount(), c.queued);
        EXPECT_EQ(w->series().questionNumber(), 2);
    }
}

TEST_F(TskrivinfTest, GapWordsAreComparedExactly) {
    auto w = open("SVE43300.DAT");
    type(*w, 1, QStringLiteral("Sprang"));
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_EQ(w->Label14->text(), "sprang");
    type(*w, 2, QStringLiteral("Skolan"));
    EXPECT_EQ(w->series().wrongCount(), 2);
}

// Help: none with no or three texts; one press for one text (then
// disabled), two presses for two (then hidden); 46200's rule page on every press.
TEST_F(TskrivinfTest, HelpButton) {
    {
        auto w = open("SVE33300.DAT");
        EXPECT_EQ(w->helpCount(), 0);
        EXPECT_FALSE(w->BitBtn2->isVisible());
    }
    {
        auto w = open("SVE33100.DAT");
        ASSERT_TRUE(w->BitBtn2->isVisible());
        EXPECT_EQ(w->BitBtn2->text(), QString::fromUtf8("&Hjälp"));
        w->BitBtn2->click();
        EXPECT_TRUE(w->Label16->isVisible());
        EXPECT_EQ(w->Label16->text(), "h1");
        EXPECT_FALSE(w->BitBtn2->isEnabled());
        EXPECT_EQ(w->focusWidget(), w->Edit1);
    }
    {
        auto w = open("SVE33200.DAT");
        w->BitBtn2->click();
        EXPECT_TRUE(w->Label16->isVisible());
        EXPECT_FALSE(w->Label17->isVisible());
        EXPECT_TRUE(w->BitBtn2->isEnabled());
        w->BitBtn2->click();
        EXPECT_TRUE(w->Label17->isVisible());
        EXPECT_EQ(w->Label17->text(), "h2");
        EXPECT_FALSE(w->BitBtn2->isVisible());
    }
    {
        auto w = open("SVE46200.DAT");
        EXPECT_EQ(w->BitBtn2->text(), "&Regel");
        // The model above the question: blue text, the green word.
        ASSERT_EQ(w->modelPieces().size(), 3u);
        EXPECT_EQ(w->modelPieces()[1]->text(), QString::fromUtf8("läsa"));
        EXPECT_EQ(w->modelPieces()[1]->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
        EXPECT_EQ(w->modelPieces()[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        for (int press = 1; press <= 3; ++press) {
            w->BitBtn2->click();
            EXPECT_EQ(h.modal.opened.size(), std::size_t(press));
            EXPECT_EQ(h.modal.opened.back(), "TRegelform");
            EXPECT_TRUE(w->BitBtn2->isVisible());
            EXPECT_TRUE(w->BitBtn2->isEnabled());
        }
        type(*w, 1, QString::fromUtf8("Läs"));
        EXPECT_EQ(w->series().correctCount(), 1);
    }
}

// Esc in the second gap, then "Fortsätta": back in that gap, counts kept.
TEST_F(TskrivinfTest, EscapeInTheSecondGapAndContinue) {
    auto w = open("SVE43300.DAT");
    type(*w, 1, QStringLiteral("springer"));
    ASSERT_EQ(w->focusWidget(), w->Edit2);
    QTest::keyClick(w->Edit2, Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Edit2->isEnabled());
    EXPECT_FALSE(w->LampShape->isVisible());
    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->Edit2->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Edit2);
    EXPECT_EQ(w->series().wrongCount(), 1);
    type(*w, 2, QStringLiteral("skolan"));
    waitForNext(*w);
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_EQ(w->series().wrongCount(), 1);
}

// The spoken word: after the question, on F2 and on "Upprepa ordet"; in a
// correction round the queued record's number; the gloss of the gap word.
TEST_F(TskrivinfTest, SpokenWordsAndGloss) {
    h.state->settings.setSoundTranslation(1);
    auto w = open("SVE24300.DAT");
    const auto soundOf = [&](int record) { return core::recordSoundName("S243", record); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sounds.played.empty(); }, 1000));
    const int record = h.state->files.currentRecordNumber;
    ASSERT_TRUE(h.sounds.played.back().path);
    EXPECT_TRUE(h.sounds.played.back().path->ends_with(soundOf(record)));
    EXPECT_TRUE(w->EngLabel->isVisible());
    EXPECT_EQ(w->EngLabel->text(), "animal");

    const std::size_t before = h.sounds.played.size();
    QTest::keyClick(w->Edit1, Qt::Key_F2);
    EXPECT_EQ(h.sounds.played.size(), before + 1);
    ASSERT_TRUE(w->UpprepaButton->isVisible());
    w->UpprepaButton->click();
    EXPECT_EQ(h.sounds.played.size(), before + 2);

    // A wrong gap disables the button; the record is queued.
    h.state->settings.setAnswerDisplaySeconds(9);
    type(*w, 1, QStringLiteral("jur"));
    EXPECT_FALSE(w->UpprepaButton->isEnabled());
    h.state->settings.setAnswerDisplaySeconds(0);
    QTest::keyClick(w.get(), Qt::Key_Space);
    waitForNext(*w);
    for (int i = 0; i < 9; ++i) {
        type(*w, 1, QStringLiteral("djur"));
        waitForNext(*w);
    }
    ASSERT_TRUE(w->buttonBar->isVisible());
    ASSERT_TRUE(w->Button1->isEnabled());
    h.sounds.played.clear();
    w->Button1->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sounds.played.empty(); }, 1000));
    EXPECT_TRUE(h.sounds.played.back().path->ends_with(soundOf(record)));
}

// A gloss is shown only for a word the list holds.
TEST_F(TskrivinfTest, NoGlossForAWordMissingFromTheList) {
    h.state->settings.setSoundTranslation(1);
    h.write("DATA/DAT/GLOSENG.DAT", "katt#cat\r\n");
    auto w = open("SVE24300.DAT");
    EXPECT_FALSE(w->EngLabel->isVisible());
}

// A diagnosis test asks 20 questions without help or lamp and reports the
// right ones; in practice a help press keeps a right answer from counting.
TEST_F(TskrivinfTest, DiagnosisTestAndPractice) {
    h.state->settings.setSoundMode(0);
    {
        h.state->diagnosis.setTestNumber(14);
        auto w = open("SVDI14.DAT", core::RunMode::DiagnosisTest);
        EXPECT_EQ(w->series().length(), 20);
        EXPECT_FALSE(w->lampknapp->isVisible());
        EXPECT_FALSE(w->BitBtn2->isVisible());
        for (int i = 0; i < 20 && w->isVisible(); ++i) {
            type(*w, 1, i % 4 ? QString::fromUtf8("för") : QStringLiteral("av"));
            if (w->isVisible()) waitForNext(*w);
        }
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(h.state->diagnosis.record().result[14], 15);
    }
    {
        auto w = open("SVOVN114.DAT", core::RunMode::DiagnosisPractice);
        ASSERT_TRUE(w->BitBtn2->isVisible());
        w->BitBtn2->click();
        type(*w, 1, QString::fromUtf8("på"));
        EXPECT_EQ(w->series().correctCount(), 0);
        type(*w, 1, QString::fromUtf8("på"));
        EXPECT_EQ(w->series().correctCount(), 1);
    }
}

// In worksheet mode the question shows as it stands, marks included, with
// no inputs; sending it adds its lines to the worksheet under one heading.
TEST_F(TskrivinfTest, WorksheetMode) {
    auto w = open("SVE42000.DAT", core::RunMode::Worksheet);
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_FALSE(w->Edit2->isVisible());
    ASSERT_FALSE(w->questionPieces().empty());
    EXPECT_EQ(w->questionPieces()[0]->text(), "Katten sover <under> bordet.");
    w->SkrivutHelaPanelen->ValjaUtButton->click();
    w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
    w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
    const auto& questions = h.state->worksheets.questions();
    // No worksheet instruction in the file: no sub-heading.
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0], "1.  Prov");
    EXPECT_EQ(questions[1], "   1. Katten sover  _______  bordet.");
    EXPECT_EQ(questions[2], "   2. Katten sover  _______  bordet.");
    EXPECT_EQ(h.state->worksheets.answers()[2], "   2. Katten sover <under> bordet.");
}

// The verb cycle: right answers climb the rows, a wrong one asks the same
// verb again; six right end the cycle with the verdict.
TEST_F(TskrivinfTest, VerbCycle) {
    auto w = h.openExercise<TSKRIVHI>("SVE46120.DAT");
    EXPECT_FALSE(w->Aster1->isVisible());
    EXPECT_EQ(w->FrageLabel1->text(), "(springa)");
    EXPECT_EQ(w->BitBtn2->text(), "Regel");
    EXPECT_TRUE(w->BitBtn2->isVisible());
    const auto answer = [&](const QString& text) {
        w->Edit1->setText(text);
        QTest::keyClick(w->Edit1, Qt::Key_Return);
    };
    answer(QStringLiteral("springde"));
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_TRUE(w->Label2->isVisible());
    EXPECT_EQ(w->Panel2->color(), QColor(0xFF, 0, 0));
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 2000));
    EXPECT_EQ(w->cycle().row(), 1);
    // The setting stays as the pupil chose it.
    EXPECT_EQ(h.state->settings.answerDisplaySeconds(), 0);

    for (int i = 0; i < 6; ++i) {
        answer(i == 0 ? QStringLiteral("SPRANG") : QStringLiteral("sprang"));
        if (i < 5) {
            EXPECT_EQ(w->Timer1->interval(), 100);
            QTest::keyClick(w.get(), Qt::Key_Space);
            ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 2000));
            EXPECT_EQ(w->cycle().row(), i + 2);
            EXPECT_TRUE(w->rowSentences[i]->isVisible());
            EXPECT_EQ(w->rowSentences[i]->text(), "Jag sprang");
            EXPECT_EQ(w->rowSquares[i]->color(), QColor(0, 0xFF, 0));
            EXPECT_EQ(w->FrageLabel1->y(), w->rowTop(i + 2));
        }
    }
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->SlutLabel->isVisible());
    EXPECT_EQ(w->SlutLabel->text(), "Jag sprang");
    EXPECT_TRUE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text().trimmed(),
              QString::fromUtf8("Du gjorde 1 fel. Försök att få alla rätt!"));
    EXPECT_EQ(w->focusWidget(), w->Button2);

    w->Button2->click();
    EXPECT_FALSE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->cycle().row(), 1);
    EXPECT_EQ(w->cycle().wrongCount(), 0);
    EXPECT_EQ(w->focusWidget(), w->Edit1);
}

// Sharp s and the paste entries work in both gaps of the fill-in window.
TEST_F(TskrivinfTest, SharpSInEitherGap) {
    auto w = open("SVE43300.DAT");
    QTest::keyClick(w->Edit1, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("ß"));
    type(*w, 1, QStringLiteral("sprang"));
    w->letterPaste->Klistrain3->trigger();
    EXPECT_EQ(w->Edit2->text(), QString::fromUtf8("ü"));
}

// A two-gap question takes one square however many gaps are wrong, so ten
// questions fill the ten squares exactly; every wrong gap is still queued.
TEST_F(TskrivinfTest, TwoGapSeriesFillsTheStripExactly) {
    auto w = open("SVE43300.DAT");
    w->lastAnswerTimer->setInterval(1);
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        type(*w, 1, QStringLiteral("fel"));
        type(*w, 2, q % 2 ? QStringLiteral("fel") : QStringLiteral("skolan"));
        EXPECT_EQ(w->Aster1->rutNummer(), q);
        waitForNext(*w);
    }
    ASSERT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->Aster1->rutNummer(), 10);
    EXPECT_EQ(w->series().wrongCount(), 15);
    EXPECT_EQ(errorCount(), 15);
}

// Before gap 1 is judged the second gap takes no typing, and in a pause
// neither does: the lamp and Enter always go to the gap in turn.
TEST_F(TskrivinfTest, SecondGapWaitsForTheFirstAndForThePause) {
    auto w = open("SVE43300.DAT");
    EXPECT_TRUE(w->Edit2->isVisible());
    EXPECT_FALSE(w->Edit2->isEnabled());
    w->lampknapp->click();
    QTest::keyClicks(w->Edit1, QStringLiteral("spr"));
    EXPECT_EQ(w->LampShape->color(), glosbo::app::style::kLime);
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    ASSERT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_FALSE(w->Edit2->isEnabled());
    w->Button2->click();
    EXPECT_TRUE(w->Edit1->isEnabled());
    EXPECT_FALSE(w->Edit2->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
}

// The caption of the finish picture stands at its top left.
TEST_F(TskrivinfTest, FinishCaptionAtTheTopLeft) {
    std::string captions;
    for (int n = 1; n <= core::Pictures::kCount; ++n)
        captions += std::to_string(n) + "#Bild " + std::to_string(n) + "\r\n";
    h.state->pictures.parseCaptions(captions);
    h.state->settings.setSwedenPicturesMode(1);
    auto w = open("SVE42000.DAT");
    for (int q = 1; q <= 10; ++q) {
        type(*w, 1, QStringLiteral("under"));
        waitForNext(*w);
    }
    ASSERT_TRUE(w->BildPanelen->BildTextPanel->isVisible());
    EXPECT_EQ(w->BildPanelen->BildTextPanel->x(), 0);
    EXPECT_EQ(w->BildPanelen->BildTextPanel->y(), 0);
}

namespace {

struct LongScreen {
    int width;
    int height;
};

class TskrivinfLongQuestion : public ::testing::TestWithParam<LongScreen> {};

} // namespace

// A question as long as the data check lets through, its gap at the very
// end, laid out with the window's real fonts: every row and the gap's
// input left of the strip, the rows above the lamp, none on another.
TEST_P(TskrivinfLongQuestion, EveryRowAndTheGapAreLaidOut) {
    const LongScreen screen = GetParam();
    std::string question;
    while (question.size() + 12 < core::kLongestFillInQuestion)
        question += "Mormor bakar ";
    question.resize(core::kLongestFillInQuestion - 10);
    question += " <bullar>.";
    Harness h;
    h.writeDataRoot({{"DATA/DAT/SVE42000.DAT", sameRecords(kHeadings, question + "#h1#h2")}});
    ASSERT_EQ(core::fillInLayoutFault(core::fillInProgram(42000),
                                      core::str_postarray(question + "#h1#h2")),
              "");
    glosbo::app::FontTextMeasure fonts;
    glosbo::app::measureScreen(h.state->screen, QRect(0, 0, screen.width, screen.height), fonts);
    glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
    h.state->selectExercise("SVE42000.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE42000.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TSkrivinf>({*h.state, services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));

    ASSERT_EQ(w->questionGaps(), 1);
    EXPECT_TRUE(w->Edit1->isVisible());
    const int stripLeft = w->Aster1->x();
    const QRect input = w->Edit1->geometry();
    EXPECT_LT(input.right(), stripLeft);
    EXPECT_GT(input.top(), w->InstruktionsLabel->geometry().bottom());
    QString shown;
    for (QLabel* piece : w->questionPieces()) {
        // A piece's label is one pixel wider than its text.
        const QRect r = piece->geometry().adjusted(0, 0, -1, 0);
        shown += piece->text();
        EXPECT_LT(r.right(), stripLeft) << piece->text().toStdString();
        EXPECT_LT(r.bottom(), w->lampknapp->y()) << piece->text().toStdString();
        EXPECT_FALSE(r.intersects(input)) << piece->text().toStdString();
        for (QLabel* other : w->questionPieces())
            if (other != piece) {
                EXPECT_FALSE(r.intersects(other->geometry().adjusted(0, 0, -1, 0)));
            }
    }
    EXPECT_LT(input.bottom(), w->lampknapp->y());
    // Every letter but the gap's is on the screen.
    EXPECT_EQ(shown.simplified(),
              fromCp1252(question.substr(0, question.find('<')) + ".").simplified());
    w->BitBtn2->click();
    w->BitBtn2->click();
    EXPECT_LT(w->Label17->geometry().bottom(), w->buttonBar->y());
    EXPECT_GT(w->Label17->height(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, TskrivinfLongQuestion,
                         ::testing::Values(LongScreen{800, 600}, LongScreen{1024, 768},
                                           LongScreen{1920, 1080}),
                         [](const ::testing::TestParamInfo<LongScreen>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });
