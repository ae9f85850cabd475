#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <QScrollBar>

#include "app/scaling.h"
#include "app/text_measure.h"
#include "games/tprank.h"
#include "ui_support.h"

using glosbo::games::TPrank;
using glosbo::test::Harness;

namespace {

// Three stories: one with three adjectives and two singular nouns, one with
// a stray "#" (left out of the list) and one more.
const std::string kStories = "; stories for the test\r\n"
                             "$Resan\r\n"
                             "Bussen var #1 och #1.\r\n"
                             "En #2 satt bredvid en #2.\r\n"
                             "Alla var #1.\r\n"
                             "#\r\n"
                             "$Trasig\r\n"
                             "En #5 rad.\r\n"
                             "#\r\n"
                             "$Draken\r\n"
                             "Draken \xE5t #3.\r\n"
                             "#\r\n";

void type(QWidget* w, const QString& text) {
    QTest::keyClicks(w, text);
    QTest::keyClick(w, Qt::Key_Return);
}

class TprankTest : public ::testing::Test {
protected:
    void writeFiles(const std::string& stories = kStories) {
        h.writeDataRoot({{"DATA/DAT/SVE51000.DAT", stories},
                         {"DATA/DAT/SVE23100.DAT", "a#b\r\nc#d\r\ne#f\r\ng#h\r\n"}});
    }
    std::unique_ptr<TPrank> open() {
        writeFiles();
        return h.openExercise<TPrank>("SVE51000.DAT");
    }

    // Chooses the first story and types a, b, c and x, y.
    void writeFirstStory(TPrank& w) {
        w.ListBox1->setCurrentRow(0);
        QTest::keyClick(w.ListBox1, Qt::Key_Return);
        for (const char* word : {"a", "b", "c", "x", "y"})
            type(w.Edit1, QString::fromLatin1(word));
        type(w.Edit1, QString()); // no plural nouns: one Enter
    }

    Harness h;
};

} // namespace

TEST_F(TprankTest, AStoryIsWrittenKindByKindAndFilledIn) {
    auto w = open();
    ASSERT_EQ(w->ListBox1->count(), 2); // the broken story is left out
    EXPECT_EQ(w->ListBox1->item(0)->text(), "Resan");
    EXPECT_EQ(w->ListBox1->item(1)->text(), "Draken");
    EXPECT_EQ(w->ListBox1->currentRow(), 0);
    EXPECT_TRUE(w->HistoriePanel->isVisible());

    QTest::keyClick(w->ListBox1, Qt::Key_Return);
    EXPECT_FALSE(w->HistoriePanel->isVisible());
    EXPECT_TRUE(w->OrdPanel->isVisible());
    EXPECT_EQ(w->FragaLabel->text(), "Skriv 3 adjektiv.");
    EXPECT_EQ(w->Edit1->pos(), w->OrdLabel[0]->pos());
    type(w->Edit1, "a");
    EXPECT_EQ(w->OrdLabel[0]->text(), "a");
    EXPECT_EQ(w->Edit1->text(), "");
    EXPECT_EQ(w->Edit1->pos(), w->OrdLabel[1]->pos());
    type(w->Edit1, "b");
    type(w->Edit1, "c");
    EXPECT_EQ(w->FragaLabel->text(), "Skriv 2 substantiv i singularis.");
    EXPECT_EQ(w->OrdLabel[0]->text(), "");
    EXPECT_EQ(w->Edit1->pos(), w->OrdLabel[0]->pos());
    type(w->Edit1, "x");
    type(w->Edit1, "y");
    EXPECT_EQ(w->FragaLabel->text(), "Skriv 0 substantiv i pluralis.");
    EXPECT_FALSE(w->ResultatPanel->isVisible());
    type(w->Edit1, QString());

    ASSERT_TRUE(w->ResultatPanel->isVisible());
    EXPECT_FALSE(w->OrdPanel->isVisible());
    EXPECT_TRUE(w->Memo1->isReadOnly());
    const QStringList lines = w->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Resan");
    // Each adjective and each noun stands in the text once.
    const QString text = w->Memo1->toPlainText();
    for (const char* word : {" a", " b", " c", " x", " y"})
        EXPECT_EQ(text.count(QRegularExpression(QString::fromLatin1(word) + "\\b")), 1) << word;
}

// The words are shuffled with the state's random source alone: the draw of
// every exercise file and its queued errors stay as they were.
TEST_F(TprankTest, ShufflingLeavesTheExerciseDrawAlone) {
    writeFiles();
    auto& s = *h.state;
    s.selectExercise("SVE23100.DAT");
    ASSERT_TRUE(s.files.Kolla("SVE23100.DAT"));
    const int slot = s.files.currentFileIndex;
    s.haemta_slumptal();
    s.files.haemtafel("SVE23100.DAT", glosbo::core::QueueOp::Add);
    std::vector<int> before;
    for (int i = 1; i <= glosbo::core::DrawPermutation::kSize; ++i)
        before.push_back(s.draw.entry(i));
    const int position = s.files.file(slot).drawPosition;
    const int queued = s.files.queueLength();

    auto w = h.openExercise<TPrank>("SVE51000.DAT");
    writeFirstStory(*w);
    ASSERT_TRUE(w->ResultatPanel->isVisible());
    std::vector<int> after;
    for (int i = 1; i <= glosbo::core::DrawPermutation::kSize; ++i)
        after.push_back(s.draw.entry(i));
    EXPECT_EQ(after, before);
    EXPECT_EQ(s.files.file(slot).drawPosition, position);
    EXPECT_EQ(s.files.queueLength(), queued);
    EXPECT_EQ(queued, 1);
}

TEST_F(TprankTest, NewStoryGoesBackToTheListAndEscClosesInEveryState) {
    for (int state = 0; state < 3; ++state) {
        SCOPED_TRACE(state);
        auto w = open();
        if (state >= 1) {
            QTest::keyClick(w->ListBox1, Qt::Key_Return);
            ASSERT_TRUE(w->Edit1->hasFocus());
        }
        if (state == 2) {
            for (const char* word : {"a", "b", "c", "x", "y", ""})
                type(w->Edit1, QString::fromLatin1(word));
            ASSERT_TRUE(w->ResultatPanel->isVisible());
            w->Button2->click();
            EXPECT_TRUE(w->HistoriePanel->isVisible());
            EXPECT_FALSE(w->ResultatPanel->isVisible());
            EXPECT_EQ(w->ListBox1->currentRow(), 0);
            EXPECT_TRUE(w->ListBox1->hasFocus());
            writeFirstStory(*w);
            ASSERT_TRUE(w->ResultatPanel->isVisible());
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w.get(), Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);
    }
}

TEST_F(TprankTest, AFileWithoutAUsableStoryClosesTheWindow) {
    for (const std::string& stories : {std::string("$Trasig\r\nEn #7.\r\n#\r\n"),
                                       std::string("; no title\r\nEn rad.\r\n#\r\n")}) {
        h.messages.texts.clear();
        writeFiles(stories);
        h.state->selectExercise("SVE51000.DAT");
        ASSERT_TRUE(h.state->files.Kolla("SVE51000.DAT"));
        auto w = glosbo::exercises::makeExerciseWindow<TPrank>({*h.state, h.services, nullptr});
        w->show();
        EXPECT_EQ(h.messages.texts, std::vector<std::string>{
                                        "Filen SVE51000.DAT finns inte eller \xC3\xA4r felaktig"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
        EXPECT_EQ(w->result(), QDialog::Rejected);
    }
}

// The printout read back from the PDF file: every line, in order.
TEST_F(TprankTest, TheTextIsPrinted) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    auto w = open();
    writeFirstStory(*w);
    w->BitBtn1->click();
    ASSERT_EQ(h.printer.printed.size(), 1u);
    ASSERT_EQ(h.printer.printed[0].size(), 1u);
    QProcess run;
    run.start(pdftotext, {h.printer.file(), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    QStringList printed;
    for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split('\n'))
        if (!line.trimmed().isEmpty()) printed << line.trimmed();
    EXPECT_EQ(printed, w->Memo1->toPlainText().split('\n'));
}

namespace {

struct Screen {
    int width;
    int height;
};

class TprankLayout : public ::testing::TestWithParam<Screen> {};

// Every shown control lies inside its parent and the window.
void expectInside(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&window) || child->size().isEmpty()) continue;
        const QRect inParent(child->pos(), child->size());
        EXPECT_TRUE(child->parentWidget()->rect().contains(inParent))
            << child->objectName().toStdString();
        const QRect inWindow(child->mapTo(&window, QPoint(0, 0)), child->size());
        EXPECT_TRUE(window.rect().contains(inWindow)) << child->objectName().toStdString();
    }
}

} // namespace

// With the real fonts: the list, all ten word rows with the box on the last,
// and a long story's text, which needs no scrolling sideways.
TEST_P(TprankLayout, EveryStepFitsTheScreen) {
    const Screen screen = GetParam();
    Harness h;
    std::string story = "$Ett l\xE5ngt \xE4ventyr\r\n";
    for (int i = 0; i < 8; ++i)
        story += "P\xE5 v\xE4gen till skolan m\xF6tte vi en #1 drake som \xE5t #3 och drack #2 "
                 "hela dagen.\r\n";
    story += "Draken var #1 och #1.\r\n#\r\n";
    h.writeDataRoot({{"DATA/DAT/SVE51000.DAT", story}});
    glosbo::app::FontTextMeasure fonts;
    glosbo::app::measureScreen(h.state->screen, QRect(0, 0, screen.width, screen.height), fonts);
    glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
    h.state->selectExercise("SVE51000.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE51000.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TPrank>({*h.state, services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    ASSERT_EQ(w->size(), QSize(screen.width, screen.height));
    expectInside(*w);

    QTest::keyClick(w->ListBox1, Qt::Key_Return);
    for (int i = 0; i < 9; ++i)
        type(w->Edit1, QString(20, QLatin1Char('W')));
    ASSERT_EQ(w->Edit1->pos(), w->OrdLabel[9]->pos());
    expectInside(*w);
    type(w->Edit1, QStringLiteral("sista"));
    for (int i = 0; i < 8; ++i)
        type(w->Edit1, QStringLiteral("elefant"));
    for (int i = 0; i < 8; ++i)
        type(w->Edit1, QStringLiteral("elefanter"));
    ASSERT_TRUE(w->ResultatPanel->isVisible());
    expectInside(*w);
    EXPECT_EQ(w->Memo1->horizontalScrollBar()->maximum(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, TprankLayout,
                         ::testing::Values(Screen{800, 600}, Screen{1024, 768}, Screen{1280, 1024},
                                           Screen{1920, 1080}),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });
