#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "app/text_codec.h"
#include "catalogue/window_catalogue.h"
#include "exercises/tskriv.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TSKRIV;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// Thirty records "fråga n # svar n" for the ordinary exercises.
std::string numberedRecords(const std::string& headings) {
    std::string text = headings;
    for (int n = 1; n <= 30; ++n)
        text += "fr\xE5ga " + std::to_string(n) + "#svar " + std::to_string(n) + "\r\n";
    return text;
}

// A small data root with the exercise files of these tests (Windows-1252)
// and one praise line for each praise file a practice series can ask for.
class TskrivTest : public ::testing::Test {
protected:
    TskrivTest() {
        const std::map<std::string, std::string> files = {
            {"DATA/DAT/SVE31110.DAT",
             numberedRecords("$Vilket ord 1\r\n$Tre bokst\xE4ver\r\n$\xA7Skriv ordet.\r\n")},
            {"DATA/DAT/SVE45000.DAT", "$Plural\r\n$\xA7Skriv plural.\r\nbil#bilar\r\n"},
            {"DATA/DAT/SVE31210.DAT", "$Skapa ord\r\nfr\xE5ga#svar#ett#tv\xE5\r\n"},
            {"DATA/DAT/SVE36100.DAT", "$Avstavning\r\nlampa#lam-pa\r\n"},
            {"DATA/DAT/SVE35000.DAT", "$Krypto\r\nGdi#Hej#A B C#D E F\r\n"},
            {"DATA/DAT/SVE34400.DAT", "$Ordna 2\r\nABCDE#ABCDE\r\n"},
            {"DATA/DAT/SVOVN112.DAT",
             "$Plural\r\nfot#f\xF6tter#T\xE4nk p\xE5 vokalen.\r\nhand#h\xE4nder#T\xE4nk p\xE5 "
             "vokalen.\r\n"},
            {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
            {"DATA/LOV/SVOM9002.LOV", "Ett fel!\r\n"},
            {"DATA/LOV/SVOM9013.LOV", "Tv\xE5 fel!\r\n"},
        };
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    std::unique_ptr<TSKRIV> open(const std::string& file,
                                 core::RunMode runMode = core::RunMode::Practice) {
        return h.openExercise<TSKRIV>(file, runMode);
    }

    QString acceptedAnswer() const { return fromCp1252(h.state->fields[2]); }

    // Types an answer and presses Enter; after a wrong answer waits until
    // the next question is open or the series has ended.
    void answer(TSKRIV& w, const QString& text) {
        w.Edit1->setText(text);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return w.Edit1->isEnabled() || w.buttonBar->isVisible() || !w.isVisible(); }));
    }
    void answerRight(TSKRIV& w) { answer(w, acceptedAnswer()); }
    void answerWrong(TSKRIV& w) { answer(w, QStringLiteral("fel")); }
    // 'R' right, 'W' wrong, one per question.
    void answerSeries(TSKRIV& w, const std::string& answers) {
        for (char how : answers) {
            if (how == 'R')
                answerRight(w);
            else
                answerWrong(w);
        }
    }

    int errorCount() const {
        return h.state->files.file(h.state->files.currentFileIndex).errorCount;
    }

    Harness h;
};

} // namespace

TEST_F(TskrivTest, TenRightAnswersEndWithPraiseAndNothingToCorrect) {
    h.state->settings.setAnswerDisplaySeconds(9); // never waited for
    auto w = open("SVE31110.DAT");
    EXPECT_EQ(w->InstruktionsLabel->text(), "Skriv ordet.");
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 10);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(w->Edit1->isEnabled()) << i;
        answerRight(*w);
        EXPECT_FALSE(w->Label5->isVisible()) << i;
        EXPECT_FALSE(w->Timer1->isActive());
    }
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->BildPanelen->isVisible());
    EXPECT_TRUE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text().trimmed(), QString::fromUtf8("Alla rätt!"));
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button2);
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_EQ(w->Aster1->rutNummer(), 10);
}

// Praise needs at least 8 right of 10; wrong answers leave something to correct.
TEST_F(TskrivTest, PraiseFromEightRight) {
    for (const auto& [answers, praised] :
         {std::pair{"RRWRRWRRWR", false}, std::pair{"RRWRRRRRWR", true}}) {
        SCOPED_TRACE(answers);
        auto w = open("SVE31110.DAT");
        answerSeries(*w, answers);
        ASSERT_TRUE(w->buttonBar->isVisible());
        EXPECT_EQ(w->LovordPanel->isVisible(), praised);
        EXPECT_TRUE(w->Button1->isEnabled());
        EXPECT_EQ(w->focusWidget(), w->Button1);
    }
}

TEST_F(TskrivTest, WrongLastAnswerShowsTheAnswerUntilSpace) {
    auto w = open("SVE31110.DAT");
    answerSeries(*w, "RRRRRRRRR");
    h.state->settings.setAnswerDisplaySeconds(9);
    const QString expected = acceptedAnswer();
    w->Edit1->setText(QStringLiteral("fel"));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_TRUE(w->Label5->isVisible());
    EXPECT_EQ(w->Label5->text(), expected);
    EXPECT_TRUE(w->lastAnswerTimer->isActive());
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Edit1->isEnabled());
    // The focus left the input, so Space reaches the window and no button.
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 1000));
    EXPECT_FALSE(w->lastAnswerTimer->isActive());
    EXPECT_TRUE(w->BildPanelen->isVisible());
    EXPECT_TRUE(w->Button1->isEnabled());
}

TEST_F(TskrivTest, WrongAnswerInsideTheSeriesIsShownThenTheNextQuestion) {
    auto w = open("SVE31110.DAT");
    const QString first = w->FrageLabel2->text();
    h.state->settings.setAnswerDisplaySeconds(9);
    w->Edit1->setText(QStringLiteral("fel"));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_TRUE(w->Label5->isVisible());
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_FALSE(w->Aster1->isRight(1));
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }, 1000));
    EXPECT_NE(w->FrageLabel2->text(), first);
    EXPECT_FALSE(w->Label5->isVisible());
    EXPECT_TRUE(w->Edit1->text().isEmpty());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
}

// "Rätta felen" asks the queued records of the file, in queue order, with
// a strip of as many squares; all right empties the file's error count.
TEST_F(TskrivTest, CorrectionRoundOfThreeInQueueOrder) {
    auto w = open("SVE31110.DAT");
    QStringList wrong;
    for (char how : std::string("RWRRWRRRWR")) {
        if (how == 'W') wrong << w->FrageLabel2->text();
        how == 'R' ? answerRight(*w) : answerWrong(*w);
    }
    ASSERT_EQ(errorCount(), 3);
    ASSERT_TRUE(w->Button1->isEnabled());
    w->Button1->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->BildPanelen->isVisible());
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 3);
    EXPECT_EQ(w->Aster1->rutNummer(), 0);
    QStringList asked;
    for (int i = 0; i < 3; ++i) {
        asked << w->FrageLabel2->text();
        answerRight(*w);
    }
    EXPECT_EQ(asked, wrong);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->LovordPanel->isVisible());
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button2);
}

TEST_F(TskrivTest, TwelveQueuedErrorsGiveARoundOfTen) {
    auto w = open("SVE31110.DAT");
    answerSeries(*w, "WWWWWWRRRR");
    w->Button2->click();
    answerSeries(*w, "WWWWWWRRRR");
    ASSERT_EQ(errorCount(), 12);
    w->Button1->click();
    EXPECT_EQ(w->Aster1->maxAntalRutor(), 10);
    EXPECT_EQ(w->series().length(), 10);
}

TEST_F(TskrivTest, EscThenContinueKeepsTheQuestionAndRestartsTheCounts) {
    auto w = open("SVE31110.DAT");
    answerSeries(*w, "RRRR");
    const QString fifth = w->FrageLabel2->text();
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->Button2);
    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(w->FrageLabel2->text(), fifth);
    EXPECT_EQ(w->series().questionNumber(), 5);
    EXPECT_EQ(w->series().correctCount(), 0);
    EXPECT_EQ(w->focusWidget(), w->Edit1);
    EXPECT_EQ(w->Aster1->rutNummer(), 4);

    // Esc on the last question, then "Fortsätta": a new series.
    answerSeries(*w, "RRRRR");
    ASSERT_EQ(w->series().questionNumber(), 10);
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    w->Button2->click();
    EXPECT_EQ(w->series().questionNumber(), 1);
    EXPECT_EQ(w->Aster1->rutNummer(), 0);

    // A second Esc, on the button bar, leaves the window.
    QSignalSpy finished(w.get(), &QDialog::finished);
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(TskrivTest, SettingsDuringTheSeriesReturnToTheInput) {
    h.windows.add("TStallin", [](const glosbo::app::WindowContext&) {
        auto dialog = std::make_unique<QDialog>();
        dialog->setObjectName(QStringLiteral("TStallin"));
        return dialog;
    });
    auto w = open("SVE31110.DAT");
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    w->BitBtn1->click();
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TStallin"});
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
}

// The headline box: one line at 30 pt centred in the box, longer lines
// shrink to fit but not below 10 pt, two and three lines share the box.
TEST_F(TskrivTest, HeadlineFitting) {
    // The box's room below is figured for a letter unit of 8.
    h.state->screen.setMeasured(h.state->screen.area(), 100, 8);
    auto w = open("SVE31110.DAT");
    const QRect inner = w->OverskriftInnerShape->geometry();
    const auto points = [](QLabel* l) { return l->font().pixelSize(); };

    w->RitaOverskriften("Plural", "", "");
    EXPECT_EQ(points(w->Overs1Label), 40); // 30 pt
    EXPECT_FALSE(w->Overs2Label->isVisible());
    EXPECT_FALSE(w->Overs3Label->isVisible());
    const QRect one = w->Overs1Label->geometry();
    EXPECT_LE(std::abs(one.center().y() - inner.center().y()), 1);
    EXPECT_EQ(one.width(), inner.width() - h.state->screen.letterUnit());
    EXPECT_EQ(w->Overs1Label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    // 16 pixels a letter: 14 letters fit the 272 pixels the box allows at
    // any size, 40 letters never do.
    w->RitaOverskriften(std::string(40, 'x'), "", "");
    EXPECT_EQ(points(w->Overs1Label), 13); // 10 pt

    w->RitaOverskriften("Vilket ord", "Tre", "");
    EXPECT_EQ(points(w->Overs1Label), 27); // 20 pt
    EXPECT_EQ(points(w->Overs2Label), 27);
    EXPECT_TRUE(w->Overs2Label->isVisible());
    EXPECT_GT(w->Overs2Label->y(), w->Overs1Label->y());
    EXPECT_GE(w->Overs1Label->y(), inner.top());
    EXPECT_LE(w->Overs2Label->geometry().bottom(), inner.bottom());

    w->RitaOverskriften("Ett", std::string(30, 'y'), "Tre");
    EXPECT_EQ(points(w->Overs1Label), 13);
    EXPECT_EQ(points(w->Overs2Label), 13);
    EXPECT_TRUE(w->Overs3Label->isVisible());
    EXPECT_LE(points(w->Overs3Label), points(w->Overs1Label));
    EXPECT_GE(points(w->Overs3Label), 11); // 8 pt at the least
    EXPECT_GT(w->Overs3Label->y(), w->Overs2Label->y());
}

TEST_F(TskrivTest, LettersInAlphabeticalOrder) {
    auto w = open("SVE34400.DAT");
    EXPECT_FALSE(w->lampknapp->isVisible());
    std::set<QString> seen;
    for (int i = 0; i < 10; ++i) {
        const QString letters = w->FrageLabel2->text();
        ASSERT_EQ(letters.size(), 5);
        EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), 5);
        for (QChar c : letters)
            EXPECT_TRUE(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ").contains(c))
                << int(c.unicode());
        EXPECT_NE(letters, acceptedAnswer());
        EXPECT_FALSE(w->BitBtn2->isVisible());
        seen.insert(letters);
        // In lower case and in Swedish order: accepted.
        i % 2 ? answerRight(*w) : answer(*w, acceptedAnswer().toLower());
    }
    EXPECT_GT(seen.size(), 1u);
    EXPECT_EQ(w->series().correctCount(), 10);

    // Never anything to correct, not even after wrong answers.
    w->Button2->click();
    answerSeries(*w, "WWWWWWWWWW");
    EXPECT_FALSE(w->Button1->isEnabled());
    w->Button2->click();
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(w->Button1->isEnabled());
}

TEST_F(TskrivTest, PluralLayout) {
    auto w = open("SVE45000.DAT");
    EXPECT_EQ(w->FrageLabel1->text(), "en");
    EXPECT_EQ(w->FrageLabel2->text(), "bil");
    EXPECT_EQ(w->Label4->text(), "flera ");
    EXPECT_TRUE(w->FrageLabel1->isVisible());
    EXPECT_TRUE(w->Label4->isVisible());
    // "en bil" above, "flera" and the input below, the noun over the input.
    EXPECT_EQ(w->FrageLabel1->y(), w->FrageLabel2->y());
    EXPECT_GT(w->FrageLabel2->x(), w->FrageLabel1->x());
    EXPECT_EQ(w->FrageLabel2->x(), w->Edit1->x());
    EXPECT_EQ(w->Label4->x(), w->FrageLabel1->x());
    EXPECT_EQ(w->Label4->y(), w->Edit1->y() + 2);
    EXPECT_GT(w->Edit1->y(), w->FrageLabel2->y());
    EXPECT_GE(w->Edit1->x(), w->Label4->x() + 6 * 16);
    answer(*w, QStringLiteral("Bilar"));
    EXPECT_EQ(w->series().correctCount(), 1);
}

TEST_F(TskrivTest, HelpButtons) {
    auto w = open("SVE31210.DAT");
    EXPECT_EQ(w->helpCount(), 2);
    EXPECT_TRUE(w->BitBtn2->isVisible());
    EXPECT_EQ(w->BitBtn2->text(), QString::fromUtf8("&Hjälp"));
    EXPECT_FALSE(w->Label6->isVisible());
    EXPECT_FALSE(w->BitBtn3->isVisible());
    w->BitBtn2->click();
    EXPECT_TRUE(w->Label6->isVisible());
    EXPECT_EQ(w->Label6->text(), "ett");
    EXPECT_FALSE(w->BitBtn2->isVisible());
    EXPECT_TRUE(w->BitBtn3->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit1);
    w->BitBtn3->click();
    EXPECT_TRUE(w->Label7->isVisible());
    EXPECT_EQ(w->Label7->text(), QString::fromUtf8("två"));
    EXPECT_FALSE(w->BitBtn3->isVisible());
    // Help costs nothing in practice.
    answerRight(*w);
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_FALSE(w->Label6->isVisible());
}

TEST_F(TskrivTest, RuleButtonOpensTheRulePage) {
    glosbo::catalogue::registerWindows(h.windows);
    auto w = open("SVE36100.DAT");
    EXPECT_TRUE(w->BitBtn2->isVisible());
    EXPECT_EQ(w->BitBtn2->text(), "&Regel");
    w->BitBtn2->click();
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TRegelform"});
    EXPECT_TRUE(w->BitBtn2->isVisible());
    EXPECT_TRUE(w->BitBtn2->isEnabled());
    EXPECT_EQ(h.state->programNumber, 36100);
}

TEST_F(TskrivTest, CipherInstructions) {
    auto w = open("SVE35000.DAT");
    ASSERT_TRUE(w->Memo1->isVisible());
    const QStringList lines = w->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QString::fromUtf8("Gör så här:"));
    EXPECT_EQ(lines[3], "AQN läser du alltså som BRO");
    EXPECT_EQ(lines[7], QString::fromUtf8("Om du klickar på denna ruta så försvinner den."));
    EXPECT_TRUE(w->Memo1->isReadOnly());
    EXPECT_TRUE(w->BitBtn2->isVisible());
    QTest::mouseClick(w->Memo1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(w->Memo1->isVisible());
    EXPECT_EQ(w->focusWidget(), w->Edit1);

    // In a window of its own, the first Enter hides it too, for good.
    auto second = open("SVE35000.DAT");
    ASSERT_TRUE(second->Memo1->isVisible());
    answerWrong(*second);
    EXPECT_FALSE(second->Memo1->isVisible());
    answerRight(*second);
    EXPECT_FALSE(second->Memo1->isVisible());
}

TEST_F(TskrivTest, SharpSAndThePasteEntries) {
    auto w = open("SVE31110.DAT");
    w->Edit1->setText(QStringLiteral("Stra"));
    QTest::keyClick(w->Edit1, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("Straß"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("ß"));
    w->Edit1->setCursorPosition(0);
    QTest::keyClick(w->Edit1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("ßStraß"));
    // With a second modifier it is not the shortcut.
    QTest::keyClick(w->Edit1, Qt::Key_S, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(w->Edit1->text().count(QString::fromUtf8("ß")), 2);

    w->Edit1->setText(QStringLiteral("ber"));
    w->Edit1->setCursorPosition(1);
    w->Klistrain2->trigger();
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("bÜer"));
    w->Klistrain3->trigger();
    EXPECT_EQ(w->Edit1->text(), QString::fromUtf8("bÜüer"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("ü"));
}

TEST_F(TskrivTest, WarningLampFollowsTheTyping) {
    auto w = open("SVE31110.DAT");
    ASSERT_TRUE(w->lampknapp->isVisible());
    w->lampknapp->click();
    EXPECT_TRUE(w->LampShape->isVisible());
    EXPECT_FALSE(w->lampknapp->isVisible());
    EXPECT_EQ(w->LampShape->color(), QColor(Qt::red)); // nothing typed
    QTest::keyClicks(w->Edit1, QStringLiteral("sv"));
    EXPECT_EQ(w->LampShape->color(), QColor(0x00, 0xFF, 0x00));
    QTest::keyClicks(w->Edit1, QStringLiteral("x"));
    EXPECT_EQ(w->LampShape->color(), QColor(0xFF, 0x00, 0x00));
    QTest::mouseClick(w->LampShape, Qt::LeftButton);
    EXPECT_FALSE(w->LampShape->isVisible());
    EXPECT_TRUE(w->lampknapp->isVisible());
}

// In diagnosis practice help makes a right answer not count; the box shows
// the question and the answers counted.
TEST_F(TskrivTest, DiagnosisPracticeHelpAndBox) {
    h.state->diagnosis.setTestNumber(12);
    h.state->diagnosis.setPracticeCounter(0);
    auto w = open("SVOVN112.DAT", core::RunMode::DiagnosisPractice);
    EXPECT_TRUE(w->DiagPanel1->isVisible());
    EXPECT_EQ(w->DiagPanel1->DiagLabel1->text(), QString::fromUtf8("Övning 1"));
    EXPECT_EQ(w->DiagPanel1->DiagLabel2->text(), "1/20");
    EXPECT_FALSE(w->Aster1->isVisible());
    EXPECT_TRUE(w->lampknapp->isVisible());
    EXPECT_EQ(w->DiagPanel1->DiagLabel2->width(), w->DiagPanel1->DiagShape1->width() - 16);

    ASSERT_TRUE(w->BitBtn2->isVisible());
    w->BitBtn2->click();
    answerRight(*w);
    EXPECT_EQ(w->series().correctCount(), 0);
    EXPECT_EQ(w->DiagPanel1->DiagLabel4->text(), "0");
    answerRight(*w);
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_EQ(w->DiagPanel1->DiagLabel2->text(), "3/20");
    EXPECT_EQ(w->DiagPanel1->DiagLabel4->text(), "1");
}

TEST_F(TskrivTest, DiagnosisTestReportsAndCloses) {
    h.state->diagnosis.setTestNumber(12);
    auto w = open("SVE45000.DAT", core::RunMode::DiagnosisTest);
    EXPECT_FALSE(w->lampknapp->isVisible());
    EXPECT_EQ(w->DiagPanel1->DiagLabel1->text(), "Diagnos: Testning");
    QSignalSpy finished(w.get(), &QDialog::finished);
    for (int i = 0; i < 20; ++i)
        answerRight(*w);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(h.state->diagnosis.record().result[12], 20);
    EXPECT_TRUE(h.state->diagnosis.savePending());
}

TEST_F(TskrivTest, WorksheetModeAsksNothing) {
    auto w = open("SVE31110.DAT", core::RunMode::Worksheet);
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Aster1->isVisible());
    EXPECT_FALSE(w->lampknapp->isVisible());
    EXPECT_FALSE(w->InstruktionsLabel->isVisible());
    EXPECT_TRUE(w->worksheetBadge->SkrivutOverskriftLabel->isVisible());
    EXPECT_EQ(w->OverskriftInnerShape->brushColor(), QColor(0x80, 0x00, 0x00));
    EXPECT_FALSE(w->FrageLabel2->text().isEmpty());
    w->BitBtn1Click();
    EXPECT_TRUE(h.modal.opened.empty());
}

// A caption that starts with "1" stands without it at the picture's left
// edge, any other at its right edge.
TEST_F(TskrivTest, FinishPictureAndCaption) {
    QDir().mkpath(QString::fromStdString(h.path("BILD")));
    std::string captions;
    for (int n = 1; n <= 40; ++n) {
        captions += std::to_string(n) + (n % 2 ? "#1R\xF6"
                                                 "d flugsvamp#x\r\n"
                                               : "#Vitsippor#x\r\n");
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(
            QString::fromStdString(h.path(glosbo::core::exercisePictureName(n).substr(1))));
    }
    std::ofstream(h.path("BILD/BILDTEXT.DAT"), std::ios::binary) << captions;
    h.state->startUp();
    h.state->settings.setAnswerDisplaySeconds(0);

    auto w = open("SVE31110.DAT");
    std::set<QString> seen;
    for (int series = 0; series < 12 && seen.size() < 2; ++series) {
        answerSeries(*w, "RRRRRRRRRR");
        ASSERT_TRUE(w->BildPanelen->Image1->isVisible());
        ASSERT_TRUE(w->BildPanelen->BildTextPanel->isVisible());
        const QString caption = w->BildPanelen->BildLabel->text();
        const QRect box = w->BildPanelen->BildTextPanel->geometry();
        const QRect picture = w->BildPanelen->Image1->geometry();
        if (caption == QString::fromUtf8("Röd flugsvamp"))
            EXPECT_EQ(box.left(), picture.left());
        else
            EXPECT_EQ(box.right(), picture.right());
        EXPECT_EQ(box.top(), picture.top());
        EXPECT_GE(box.width(),
                  w->BildPanelen->BildLabel->width() + 2 * h.state->screen.letterUnit());
        seen.insert(caption);
        w->Button2->click();
        EXPECT_FALSE(w->BildPanelen->isVisible());
    }
    EXPECT_EQ(seen, (std::set<QString>{QString::fromUtf8("Röd flugsvamp"), "Vitsippor"}));
}
