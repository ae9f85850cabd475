#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/text_measure.h"
#include "games/tberaetta.h"
#include "ui_support.h"

using glosbo::games::Tberaetta;
using glosbo::test::Harness;

namespace {

// Sixteen introductions, "Inledning n" over two more lines, with a comment
// and an empty line that must shift nothing.
std::string introductions(int count) {
    std::string file = "; inledningar\r\n\r\n";
    for (int n = 1; n <= count; ++n)
        file += "Inledning " + std::to_string(n) + "\r\nrad tv\xE5\r\nrad tre\r\n#\r\n";
    return file;
}

// Puts a line into the box (keyClicks cannot type å, ä and ö) and sends it.
void type(QLineEdit* w, const QString& text) {
    w->setText(text);
    QTest::keyClick(w, Qt::Key_Return);
}

QStringList rows(const Tberaetta& w) {
    return {w.Rad[0]->text(), w.Rad[1]->text(), w.Rad[2]->text()};
}

class TberaettaTest : public ::testing::Test {
protected:
    std::unique_ptr<Tberaetta> open(const std::string& file = introductions(16)) {
        h.writeDataRoot({{"DATA/DAT/SVE53000.DAT", file}});
        return h.openExercise<Tberaetta>("SVE53000.DAT");
    }

    Harness h;
};

} // namespace

TEST_F(TberaettaTest, IntroductionsAreBrowsedWithinTheirBounds) {
    h.writeDataRoot({{"DATA/DAT/SVE53000.DAT", introductions(16)}});
    h.state->files.errorPracticeMode = true;
    auto w = h.openExercise<Tberaetta>("SVE53000.DAT");
    EXPECT_FALSE(h.state->files.errorPracticeMode);
    EXPECT_EQ(w->RaknareLabel->text(), "1 av 16");
    EXPECT_EQ(rows(*w), (QStringList{"Inledning 1", QString::fromUtf8("rad två"), "rad tre"}));
    EXPECT_EQ(w->PageLabel->text(), "Tryck PageUp eller PageDown för att ändra inledning.");

    QTest::keyClick(w->BitBtn1, Qt::Key_PageUp);
    EXPECT_EQ(w->RaknareLabel->text(), "1 av 16");
    w->SpeedButton1->click();
    EXPECT_EQ(w->currentIntroduction(), 1);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(w->BitBtn1, Qt::Key_PageDown);
    EXPECT_EQ(w->RaknareLabel->text(), "16 av 16");
    EXPECT_EQ(w->Rad[0]->text(), "Inledning 16");
    QTest::keyClick(w->BitBtn1, Qt::Key_PageDown);
    w->SpeedButton2->click();
    EXPECT_EQ(w->RaknareLabel->text(), "16 av 16");
    w->SpeedButton1->click();
    EXPECT_EQ(w->RaknareLabel->text(), "15 av 16");
    EXPECT_EQ(w->Rad[0]->text(), "Inledning 15");
}

TEST_F(TberaettaTest, AStoryIsWrittenLineByLineAndShown) {
    auto w = open();
    QTest::keyClick(w->BitBtn1, Qt::Key_PageDown);
    QTest::keyClick(w->BitBtn1, Qt::Key_Return); // "OK" is the default button
    EXPECT_FALSE(w->BitBtn1->isEnabled());
    EXPECT_TRUE(w->InstruktionPanel->isVisible());
    EXPECT_EQ(w->InstruktionLabel[0]->text(), "Tom rad avslutar historien.");
    ASSERT_TRUE(w->Edit1->isVisible());
    EXPECT_TRUE(w->Edit1->hasFocus());
    EXPECT_EQ(w->Memo1->toPlainText(), QString::fromUtf8("Inledning 2\nrad två\nrad tre"));

    type(w->Edit1, "Sedan kom draken.");
    EXPECT_EQ(rows(*w),
              (QStringList{QString::fromUtf8("rad två"), "rad tre", "Sedan kom draken."}));
    EXPECT_EQ(w->Edit1->text(), "");
    // PageDown while writing changes the rows, never the story.
    QTest::keyClick(w->Edit1, Qt::Key_PageDown);
    EXPECT_EQ(w->Rad[0]->text(), "Inledning 3");
    EXPECT_TRUE(w->Edit1->hasFocus());
    type(w->Edit1, "Slut.");
    EXPECT_FALSE(w->ResultatPanel->isVisible());
    type(w->Edit1, QString());

    ASSERT_TRUE(w->ResultatPanel->isVisible());
    EXPECT_EQ(w->ResultatRubrik->text(), QString::fromUtf8("Så här blev det"));
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_FALSE(w->Memo1->isReadOnly());
    EXPECT_EQ(w->Memo1->toPlainText(),
              QString::fromUtf8("Inledning 2\nrad två\nrad tre\nSedan kom draken.\nSlut."));
    EXPECT_EQ(w->RaknareLabel->text(), "3 av 16");
    EXPECT_EQ(w->Rad[0]->text(), "Inledning 3");

    // A new story keeps the introduction and starts from it alone; an empty
    // first line ends it at once.
    w->Button2->click();
    EXPECT_FALSE(w->ResultatPanel->isVisible());
    EXPECT_FALSE(w->InstruktionPanel->isVisible());
    EXPECT_TRUE(w->BitBtn1->isEnabled());
    w->BitBtn1->click();
    type(w->Edit1, QString());
    ASSERT_TRUE(w->ResultatPanel->isVisible());
    EXPECT_EQ(w->Memo1->toPlainText(), QString::fromUtf8("Inledning 3\nrad två\nrad tre"));
}

// Sixteen pixels a letter: a line of 60 letters is wider than the rows. Its
// first part is shown and stored, the rest goes back into the box and
// follows with the next Enter.
TEST_F(TberaettaTest, ALineTooWideGoesBackIntoTheBoxInParts) {
    auto w = open();
    w->BitBtn1->click();
    const QString line =
        QStringLiteral("Draken flög över skogen och landade mitt på skolgården igen");
    ASSERT_LE(line.size(), 60);
    type(w->Edit1, line);
    const QString shown = w->Rad[2]->text();
    const QString rest = w->Edit1->text();
    EXPECT_FALSE(rest.isEmpty());
    EXPECT_LE(shown.size() * 16, w->VisaPanel->width());
    EXPECT_FALSE(shown.endsWith(' '));
    EXPECT_EQ(shown + " " + rest, line);
    EXPECT_TRUE(w->Memo1->toPlainText().endsWith("\n" + shown));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    EXPECT_EQ(w->Rad[2]->text(), rest);
    EXPECT_TRUE(w->Memo1->toPlainText().endsWith("\n" + shown + "\n" + rest));
}

TEST_F(TberaettaTest, TheEditedStoryIsPrinted) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    auto w = open();
    w->BitBtn1->click();
    type(w->Edit1, "Det var en gång.");
    type(w->Edit1, QString());
    w->Memo1->setPlainText(QString::fromUtf8("Min egen rubrik\nDet var en gång en ändrad rad."));
    w->BitBtn2->click();
    ASSERT_EQ(h.printer.printed.size(), 1u);
    QProcess run;
    run.start(pdftotext, {h.printer.file(), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    QStringList printed;
    for (const QString& l : QString::fromUtf8(run.readAllStandardOutput()).split('\n'))
        if (!l.trimmed().isEmpty()) printed << l.trimmed();
    EXPECT_EQ(printed, (QStringList{QString::fromUtf8("Berätta"), "Min egen rubrik",
                                    QString::fromUtf8("Det var en gång en ändrad rad.")}));
}

TEST_F(TberaettaTest, EscClosesInEveryState) {
    for (int state = 0; state < 3; ++state) {
        SCOPED_TRACE(state);
        auto w = open();
        if (state >= 1) w->BitBtn1->click();
        if (state == 2) type(w->Edit1, QString());
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);
    }
}

TEST_F(TberaettaTest, AFileWithoutAUsableIntroductionClosesTheWindow) {
    h.writeDataRoot({{"DATA/DAT/SVE53000.DAT", "bara en rad\r\n#\r\n"}});
    h.state->selectExercise("SVE53000.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE53000.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<Tberaetta>({*h.state, h.services, nullptr});
    w->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Filen SVE53000.DAT finns inte eller \xC3\xA4r felaktig"});
}

namespace {

struct Screen {
    int width;
    int height;
};

class TberaettaLayout : public ::testing::TestWithParam<Screen> {};

void expectInside(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&window) || child->size().isEmpty()) continue;
        EXPECT_TRUE(child->parentWidget()->rect().contains(QRect(child->pos(), child->size())))
            << child->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(child)) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
}

} // namespace

// With the real fonts every text fits its place, and a line as long as the
// box takes shows in the rows in parts.
TEST_P(TberaettaLayout, EveryStepFitsTheScreen) {
    const Screen screen = GetParam();
    Harness h;
    h.writeDataRoot(
        {{"DATA/DAT/SVE53000.DAT", "Biblioteket skulle st\xE4nga om fem minuter.\r\n"
                                   "D\xE5 f\xF6ll en bok ner fr\xE5n hyllan framf\xF6r mig.\r\n"
                                   "Den hade ingen titel p\xE5 omslaget.\r\n#\r\n"}});
    glosbo::app::FontTextMeasure fonts;
    glosbo::app::measureScreen(h.state->screen, QRect(0, 0, screen.width, screen.height), fonts);
    glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
    h.state->selectExercise("SVE53000.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE53000.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<Tberaetta>({*h.state, services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    expectInside(*w);
    w->BitBtn1->click();
    type(w->Edit1, QString(60, QLatin1Char('W')));
    expectInside(*w);
    while (!w->Edit1->text().isEmpty())
        QTest::keyClick(w->Edit1, Qt::Key_Return);
    type(w->Edit1, QString());
    ASSERT_TRUE(w->ResultatPanel->isVisible());
    expectInside(*w);
}

INSTANTIATE_TEST_SUITE_P(Screens, TberaettaLayout,
                         ::testing::Values(Screen{800, 600}, Screen{1024, 768}, Screen{1280, 1024},
                                           Screen{1920, 1080}),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });
