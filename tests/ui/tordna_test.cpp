#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include "app/text_codec.h"
#include "core/pictures.h"
#include "exercises/tordna.h"
#include "ui_support.h"

using glosbo::exercises::TOrdna;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

class TOrdnaTest : public ::testing::Test {
protected:
    TOrdnaTest() {
        h.writeDataRoot({
            {"DATA/DAT/SVE34600.DAT", "$Ordna 4\r\n$\xA7"
                                      "Dra namnen i bokstavsordning.\r\nAnna#Bo#Cecilia\r\n"},
            // Nine names: the ninth is never shown.
            {"DATA/DAT/SVE34700.DAT",
             "$Ordna 5\r\nAda#Ali#Alva#Amir#Ann#Anna#Arvid#Axel#\xC5sa\r\n"},
        });
        h.state->settings.setAnswerDisplaySeconds(9);
    }

    std::unique_ptr<TOrdna> open(const std::string& file = "SVE34600.DAT") {
        auto w = h.openExercise<TOrdna>(file);
        w->lastAnswerTimer->setInterval(1);
        return w;
    }

    static QStringList names(const QListWidget* list) {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        return shown;
    }

    // Presses on the name at row from, moves past the drag distance and lets
    // go at a point of the list's viewport.
    static void drag(TOrdna& w, int from, QPoint to) {
        QWidget* viewport = w.ListBox1->viewport();
        const QPoint start = w.ListBox1->visualItemRect(w.ListBox1->item(from)).center();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 2));
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }
    static QPoint rowCentre(const TOrdna& w, int row) {
        return w.ListBox1->visualItemRect(w.ListBox1->item(row)).center();
    }

    // Puts the list in the right order by drops through the handler.
    static void sortByDrops(TOrdna& w) {
        const auto& right = w.rightOrder();
        for (int i = 0; i < int(right.size()); ++i) {
            const auto& shown = w.shownOrder();
            const int from = int(std::find(shown.begin() + i, shown.end(), right[std::size_t(i)]) -
                                 shown.begin());
            w.dropName(from, i);
        }
    }

    Harness h;
};

} // namespace

// Three names never start in the right order; the last dropped on the first
// goes to the top; a drop below the list or a short move changes nothing.
TEST_F(TOrdnaTest, DraggingMovesANameToTheTarget) {
    auto w = open();
    EXPECT_EQ(names(w->ListBox2), (QStringList{"Anna", "Bo", "Cecilia"}));
    EXPECT_FALSE(w->ListPanel2->isVisible());
    EXPECT_EQ(w->KlarButton->text(), "Sorteringen &klar");
    for (int i = 0; i < 30; ++i) {
        EXPECT_NE(w->shownOrder(), w->rightOrder());
        w->NyPost();
    }

    const QStringList before = names(w->ListBox1);
    drag(*w, 2, rowCentre(*w, 0));
    EXPECT_EQ(names(w->ListBox1), (QStringList{before[2], before[0], before[1]}));
    drag(*w, 0, rowCentre(*w, 2)); // down: after the target
    EXPECT_EQ(names(w->ListBox1), (QStringList{before[0], before[1], before[2]}));

    const QPoint below = rowCentre(*w, 2) +
                         QPoint(0, 2 * w->ListBox1->visualItemRect(w->ListBox1->item(2)).height());
    drag(*w, 0, below);
    EXPECT_EQ(names(w->ListBox1), before);
    drag(*w, 0, QPoint(-20, rowCentre(*w, 1).y()));
    EXPECT_EQ(names(w->ListBox1), before);
    // Pressed and let go on another name without moving far: no drag.
    QWidget* viewport = w->ListBox1->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, rowCentre(*w, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, rowCentre(*w, 0));
    EXPECT_EQ(names(w->ListBox1), before);
    EXPECT_EQ(w->shownOrder().size(), 3u);
}

// Right: one new list at once. Wrong: the right list beside, disabled,
// until Space ends the answer display; then the next list.
TEST_F(TOrdnaTest, RightGoesOnAtOnceWrongShowsTheRightOrder) {
    auto w = open();
    sortByDrops(*w);
    EXPECT_EQ(names(w->ListBox1), (QStringList{"Anna", "Bo", "Cecilia"}));
    w->ListBox1->setFocus();
    QTest::keyClick(w->ListBox1, Qt::Key_K, Qt::AltModifier); // pressed as by a click
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->series().correctCount() == 1; }, 2000));
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_NE(w->shownOrder(), w->rightOrder());
    EXPECT_FALSE(w->Timer1->isActive());

    w->KlarButton->click();
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_TRUE(w->ListPanel2->isVisible());
    EXPECT_GT(w->ListPanel2->x(), w->ListPanel1->geometry().right());
    EXPECT_FALSE(w->ListBox1->isEnabled());
    EXPECT_FALSE(w->KlarButton->isEnabled());
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(h.state->files.file(h.state->files.currentFileIndex).errorCount, 1);
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->ListPanel2->isVisible(); }, 2000));
    EXPECT_TRUE(w->ListBox1->isEnabled());
    EXPECT_EQ(w->series().questionNumber(), 3);
}

// The keys move the chosen name as a drop does.
TEST_F(TOrdnaTest, CtrlArrowsMoveTheName) {
    auto w = open("SVE34700.DAT");
    EXPECT_EQ(w->rightOrder().size(), 8u); // the ninth field is left out
    const QStringList before = names(w->ListBox1);
    w->ListBox1->setFocus();
    w->ListBox1->setCurrentRow(3);
    QTest::keyClick(w->ListBox1, Qt::Key_Up, Qt::ControlModifier);
    QStringList moved = before;
    moved.move(3, 2);
    EXPECT_EQ(names(w->ListBox1), moved);
    EXPECT_EQ(w->ListBox1->currentRow(), 2);
    QTest::keyClick(w->ListBox1, Qt::Key_Down);
    QTest::keyClick(w->ListBox1, Qt::Key_Down, Qt::ControlModifier);
    moved.move(3, 4);
    EXPECT_EQ(names(w->ListBox1), moved);
    w->ListBox1->setCurrentRow(7);
    QTest::keyClick(w->ListBox1, Qt::Key_Down, Qt::ControlModifier); // nowhere to go
    EXPECT_EQ(names(w->ListBox1), moved);
}

// The help shows its eleven lines; a click on them hides it.
TEST_F(TOrdnaTest, HelpShowsAndHides) {
    auto w = open();
    w->HjalpButton->click();
    EXPECT_TRUE(w->HjalpPanel->isVisible());
    const QStringList lines = w->HjalpMemo->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "  Gör så här:");
    EXPECT_EQ(lines[10], "    som är under listan.  ");
    QTest::mouseClick(w->HjalpMemo, Qt::LeftButton);
    EXPECT_FALSE(w->HjalpPanel->isVisible());
}

// Esc opens the button bar, "Fortsätta" goes on with the counts kept, and
// a second Esc leaves.
TEST_F(TOrdnaTest, EscPausesKeepingTheCounts) {
    auto w = open();
    sortByDrops(*w);
    w->KlarButton->click();
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(w->series().correctCount(), 1);
    EXPECT_TRUE(w->KlarButton->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// The last list of a series ends it: no further list, the button bar.
TEST_F(TOrdnaTest, SeriesEndsAfterTheLastList) {
    auto w = open();
    for (int i = 0; i < 10; ++i) {
        sortByDrops(*w);
        w->KlarButton->click();
    }
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->KlarButton->isEnabled());
    EXPECT_FALSE(w->ListPanel1->isEnabled());
    EXPECT_EQ(w->series().correctCount(), 10);
    EXPECT_EQ(w->series().questionNumber(), 11);
}

// The caption of the finish picture stands at the picture's left edge.
TEST_F(TOrdnaTest, FinishPictureCaptionAtTheLeft) {
    QDir().mkpath(QString::fromStdString(h.path("BILD")));
    std::string captions;
    for (int n = 1; n <= 40; ++n) {
        captions += std::to_string(n) + "#Vitsippor#x\r\n";
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(
            QString::fromStdString(h.path(glosbo::core::exercisePictureName(n).substr(1))));
    }
    std::ofstream(h.path("BILD/BILDTEXT.DAT"), std::ios::binary) << captions;
    h.state->startUp();
    auto w = open();
    for (int i = 0; i < 10; ++i) {
        sortByDrops(*w);
        w->KlarButton->click();
    }
    ASSERT_TRUE(w->BildPanelen->BildTextPanel->isVisible());
    EXPECT_EQ(w->BildPanelen->BildLabel->text(), "Vitsippor");
    EXPECT_EQ(w->BildPanelen->BildTextPanel->x(), w->BildPanelen->Image1->x());
}
