#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "app/text_measure.h"
#include "exercises/tsats.h"
#include "ui_support.h"

using glosbo::app::fromCp1252;
using glosbo::exercises::TSats;
using glosbo::test::Harness;
namespace core = glosbo::core;
namespace style = glosbo::app::style;

namespace {

constexpr const char* kHeadings = "$Satser\r\n$\xA7"
                                  "Dra de bl\xE5 orden till r\xE4tt ruta.\r\n";

// Each file holds one kind of sentence (Windows-1252), so that whichever
// record is drawn is the one a test is about.
class TSatsTest : public ::testing::Test {
protected:
    TSatsTest() {
        h.writeDataRoot({
            {"DATA/DAT/SVE47300.DAT",
             std::string(kHeadings) + "<Hunden> <sk\xE4ller> <hela natten>.#S#P#NN\r\n"},
            {"DATA/DAT/SVE47301.DAT", std::string(kHeadings) + "<Hunden> <sk\xE4ller>.#S#P\r\n"},
            {"DATA/DAT/SVE47302.DAT", std::string(kHeadings) + "<Har> <du> <\xE4tit>?#P#S#P\r\n"},
            // Two levels: level 2 sentences have an object as well.
            {"DATA/DAT/SVE47100.DAT",
             std::string(kHeadings) +
                 "1<Katten> <sover>.#S#P\r\n1<Solen> <skiner>.#S#P\r\n"
                 "2<Mamma> <l\xE4ser> <tidningen>.#S#P#NN\r\n12<Vi> <\xE5ker>.#S#P\r\n"},
        });
        h.state->settings.setAnswerDisplaySeconds(0);
        h.state->settings.setSoundMode(0);
    }

    std::unique_ptr<TSats> open(const std::string& file) { return h.openExercise<TSats>(file); }

    static QPoint centreOf(TSats& w, QWidget* widget) {
        return widget->mapTo(&w, widget->rect().center());
    }

    // Drags part k onto box b with the mouse; b = 0 lets it go over the
    // background. The hint label's texts along the way.
    static QStringList dragByMouse(TSats& w, int part, int box) {
        QStringList hints;
        QTest::mousePress(w.Men[part], Qt::LeftButton, Qt::NoModifier,
                          w.Men[part]->rect().center());
        hints << w.Label3->text();
        const QPoint target = box ? centreOf(w, w.Memo[box]) : QPoint(w.width() / 2, 5);
        QTest::mouseMove(&w, target);
        hints << w.Label3->text();
        QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, target);
        return hints;
    }

    // The same with the keys: Tab to the part, Space, the box's digit,
    // Enter (Esc for no box).
    static void dragByKeys(TSats& w, int part, int box) {
        for (int i = 0; i < 6 && w.currentPart() != part; ++i)
            QTest::keyClick(&w, Qt::Key_Tab);
        ASSERT_EQ(w.currentPart(), part);
        QTest::keyClick(&w, Qt::Key_Space);
        ASSERT_EQ(w.draggedPart(), part);
        if (box == 0) {
            QTest::keyClick(&w, Qt::Key_Escape);
            return;
        }
        QTest::keyClick(&w, Qt::Key(Qt::Key_0 + box));
        QTest::keyClick(&w, Qt::Key_Return);
    }

    // Places every part on a box of its role through the drop handler.
    static void solve(TSats& w) {
        const core::Sentence s = *w.sentence(); // the next sentence replaces it
        int b = 0;
        for (const core::Sentence::Box& box : s.boxes()) {
            ++b;
            if (s.isPlaced(box.part)) continue;
            w.PartMouseDown(box.part, w.Men[box.part]->pos());
            w.dropOnBox(b);
        }
    }
    // A first drop on a box of another role, then the right ones.
    static void solveWrong(TSats& w) {
        const int part = w.sentence()->boxes()[0].part;
        w.PartMouseDown(part, w.Men[part]->pos());
        w.dropOnBox(w.sentence()->partsToPlace());
        solve(w);
    }

    static QColor lightOf(const TSats& w) { return w.Shape1->color(); }

    Harness h;
};

} // namespace

// Two boxes, "Predikat" left of "Subjekt"; "hela natten" is refused on both
// with the red light, and the sentence finished with the other two is wrong.
TEST_F(TSatsTest, PartWithoutRoleIsRefusedAndTheSentenceCountsWrong) {
    auto w = open("SVE47300.DAT");
    EXPECT_EQ(w->Overs1Label->text(), "Satsdelar.");
    EXPECT_EQ(w->Overs2Label->text(), "Ackusativ- eller dativobjekt?");
    EXPECT_EQ(w->Memo[1]->caption(), "Predikat");
    EXPECT_EQ(w->Memo[2]->caption(), "Subjekt");
    EXPECT_LT(w->Memo[1]->x(), w->Memo[2]->x());
    EXPECT_FALSE(w->Memo[3]->isVisible());
    EXPECT_FALSE(w->Memo[1]->isEnabled());
    EXPECT_EQ(w->Memo[1]->color(), style::kYellow);
    EXPECT_EQ(w->Men[3]->text(), "hela natten");

    for (int box : {1, 2}) {
        const QPoint home = w->Men[3]->pos();
        dragByMouse(*w, 3, box);
        EXPECT_TRUE(w->FelPanel->isVisible());
        EXPECT_EQ(w->FelPanel->caption(), "Fel. Gör ett nytt försök!");
        EXPECT_EQ(lightOf(*w), style::kRed);
        EXPECT_EQ(w->Men[3]->pos(), home);
        EXPECT_FALSE(w->Memo[box]->isEnabled());
    }
    dragByMouse(*w, 2, 1);
    EXPECT_FALSE(w->FelPanel->isVisible()); // hidden at the press
    EXPECT_EQ(lightOf(*w), style::kLime);
    EXPECT_EQ(w->series().wrongCount(), 0);
    dragByMouse(*w, 1, 2);
    EXPECT_EQ(w->series().wrongCount(), 1);
    EXPECT_EQ(w->series().correctCount(), 0);
    EXPECT_EQ(w->series().questionNumber(), 2);
    EXPECT_EQ(h.state->files.file(h.state->files.currentFileIndex).errorCount, 1);
    EXPECT_FALSE(w->sentence()->isPlaced(1)); // the next sentence
}

// A part on the other part's box is refused and goes back; on its own box
// it is placed centred above it; there again it counts once. The hints of
// the drags.
TEST_F(TSatsTest, PartIsRefusedElsewhereAndCountsOnceOnItsBox) {
    auto w = open("SVE47301.DAT");
    const QPoint home = w->Men[1]->pos();
    w->PartMouseMove(1);
    EXPECT_EQ(w->Label3->text(), "Här kan du klicka med vänster musknapp.");
    EXPECT_TRUE(w->Memo[1]->isEnabled());
    EXPECT_EQ(w->Men[1]->palette().color(QPalette::Window), style::kAqua);

    const QStringList hints = dragByMouse(*w, 1, 1); // "Hunden" on "Predikat"
    EXPECT_EQ(hints, (QStringList{"Håll knappen nedtryckt och dra musen till någon satsdelsruta!",
                                  "Här kan du släppa upp knappen."}));
    EXPECT_EQ(w->Men[1]->pos(), home);
    EXPECT_FALSE(w->sentence()->clean());

    dragByMouse(*w, 1, 2);
    const QRect box = w->Memo[2]->geometry();
    const QRect part = w->Men[1]->geometry();
    EXPECT_EQ(part.top(), box.top() - 30);
    EXPECT_LE(std::abs(part.center().x() - box.center().x()), 1);
    EXPECT_EQ(w->Memo[2]->color(), style::kAqua);
    EXPECT_EQ(w->Men[1]->palette().color(QPalette::WindowText), style::kBlack);
    EXPECT_TRUE(w->Men[6]->isVisible()); // the black copy stays in the sentence
    EXPECT_EQ(w->Men[6]->pos(), home);

    dragByMouse(*w, 1, 2);
    EXPECT_EQ(w->sentence()->placed(), 1);
    EXPECT_EQ(w->Men[1]->geometry(), part);
    EXPECT_EQ(lightOf(*w), style::kLime);

    // Let go over the background: the part goes back, nothing counts.
    dragByMouse(*w, 2, 0);
    EXPECT_EQ(w->sentence()->placed(), 1);
    EXPECT_FALSE(w->FelPanel->isVisible());
}

// Two parts of one role: the second takes the first one's box.
TEST_F(TSatsTest, EitherPartOfARoleTakesEitherBox) {
    auto w = open("SVE47302.DAT");
    EXPECT_EQ(w->Memo[1]->caption(), "Predikat");
    EXPECT_EQ(w->Memo[2]->caption(), "Predikat");
    EXPECT_EQ(w->Memo[3]->caption(), "Subjekt");
    dragByMouse(*w, 3, 1); // "ätit"
    EXPECT_TRUE(w->sentence()->isPlaced(3));
    EXPECT_EQ(lightOf(*w), style::kLime);
    dragByMouse(*w, 1, 2);
    dragByMouse(*w, 2, 3);
    EXPECT_EQ(w->series().correctCount(), 1);
}

// The same drops by the mouse and by the keys leave the same sentence.
TEST_F(TSatsTest, KeysDropAsTheMouseDoes) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> drops; // part, box (0: none)
    };
    const Case cases[] = {
        {"refused", {{3, 1}}},
        {"placed", {{2, 1}}},
        {"placed twice", {{2, 1}, {2, 1}}},
        {"put back", {{1, 0}}},
        {"refused, placed", {{1, 1}, {1, 2}, {3, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto mouse = open("SVE47300.DAT");
        for (auto [part, box] : c.drops)
            dragByMouse(*mouse, part, box);
        auto keys = open("SVE47300.DAT");
        for (auto [part, box] : c.drops)
            dragByKeys(*keys, part, box);
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(keys->sentence()->isPlaced(k), mouse->sentence()->isPlaced(k));
            EXPECT_EQ(keys->Men[k]->pos(), mouse->Men[k]->pos());
        }
        for (int b = 1; b <= 2; ++b)
            EXPECT_EQ(keys->Memo[b]->color(), mouse->Memo[b]->color());
        EXPECT_EQ(keys->sentence()->clean(), mouse->sentence()->clean());
        EXPECT_EQ(keys->FelPanel->isVisible(), mouse->FelPanel->isVisible());
        EXPECT_EQ(lightOf(*keys), lightOf(*mouse));
        EXPECT_EQ(keys->draggedPart(), 0);
    }
}

// Three right sentences lead up a level, a wrong one down, never below 1;
// past the top the praise, and "Fortsätta" starts again at level 1.
TEST_F(TSatsTest, LevelsClimbAndFall) {
    auto w = open("SVE47100.DAT");
    ASSERT_TRUE(w->levelMode());
    EXPECT_EQ(w->levelFile().levels(), 2);
    EXPECT_TRUE(w->NivPanel->isVisible());
    EXPECT_FALSE(w->Aster1->isVisible());
    EXPECT_FALSE(w->Button1->isVisibleTo(w.get()));
    EXPECT_EQ(w->Overs2Label->text(), "Predikat eller subjekt?");
    EXPECT_EQ(w->NivLabel1->text(), "Nivå");
    EXPECT_EQ(w->NivLabel2->text(), "1");
    EXPECT_EQ(w->Gauge1->maxValue(), 2);

    const auto points = [&] { return w->NivLabel2->font().pixelSize(); };
    EXPECT_EQ(points(), style::pixelsForPoints(18));
    solve(*w);
    EXPECT_EQ(points(), style::pixelsForPoints(24));
    solve(*w);
    EXPECT_EQ(points(), style::pixelsForPoints(30));
    solve(*w);
    EXPECT_EQ(w->NivLabel2->text(), "2");
    EXPECT_EQ(w->Gauge1->progress(), 2);
    EXPECT_EQ(points(), style::pixelsForPoints(18));
    EXPECT_EQ(w->sentence()->part(1), "Mamma"); // level 2, never "12"

    solveWrong(*w);
    EXPECT_EQ(w->NivLabel2->text(), "1");
    EXPECT_EQ(w->series().correctCount(), 0);
    solveWrong(*w);
    EXPECT_EQ(w->NivLabel2->text(), "1");
    EXPECT_EQ(w->Gauge1->progress(), 1);

    for (int i = 0; i < 6; ++i)
        solve(*w);
    EXPECT_TRUE(w->climb().topPassed());
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_TRUE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->LovordPanel->LovordLabel1->text(), "Grattis! Du nådde ända upp.");
    EXPECT_FALSE(w->sentence());

    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->LovordPanel->isVisible());
    EXPECT_EQ(w->NivLabel2->text(), "1");
    EXPECT_TRUE(w->sentence());
    EXPECT_EQ(w->climb().level(), 1);
}

// A right click on the background takes "Rätta felen" away for good and
// opens the button bar; Esc opens it too, and a second Esc leaves.
TEST_F(TSatsTest, RightClickAndEsc) {
    auto w = open("SVE47300.DAT");
    QTest::mouseClick(w.get(), Qt::RightButton, Qt::NoModifier, QPoint(w->width() / 2, 5));
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Button1->isVisible());
    w->Button2->click();
    EXPECT_FALSE(w->buttonBar->isVisible());
    // A wrong sentence queues an error; the button stays away all the same.
    dragByMouse(*w, 3, 1);
    dragByMouse(*w, 2, 1);
    dragByMouse(*w, 1, 2);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->Button1->isVisible());
    EXPECT_FALSE(w->Button1->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// A whole series of wrong sentences ends after the answer display with the
// button bar and "Rätta felen" offered.
TEST_F(TSatsTest, SeriesEndsWithTheCorrectionOffered) {
    auto w = open("SVE47301.DAT");
    w->lastAnswerTimer->setInterval(1);
    for (int i = 0; i < 10; ++i)
        solveWrong(*w);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 2000));
    EXPECT_TRUE(w->Button1->isEnabled());
    EXPECT_EQ(w->series().wrongCount(), 10);
    w->Button1->click();
    EXPECT_TRUE(w->series().correctionRound());
    solve(*w);
    EXPECT_EQ(w->series().correctCount(), 1);
}

// In worksheet mode the sentences are shown without their level number and
// cannot be dragged; there is no level box, light or hint.
TEST_F(TSatsTest, WorksheetModeShowsWithoutDragging) {
    auto w = h.openExercise<TSats>("SVE47100.DAT", core::RunMode::Worksheet);
    EXPECT_FALSE(w->levelMode());
    EXPECT_FALSE(w->NivPanel->isVisible());
    EXPECT_FALSE(w->Shape1->isVisible());
    EXPECT_FALSE(w->Label3->isVisible());
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(w->sentence());
        const QString first = w->Mell[1]->isVisible() ? w->Mell[1]->text() : w->Men[1]->text();
        EXPECT_FALSE(first.front().isDigit()) << first.toStdString();
        w->PartMouseDown(1, w->Men[1]->pos());
        EXPECT_EQ(w->draggedPart(), 0);
        w->NyPost();
    }
}

// After a wrong last sentence the finished sentence stays in sight for the
// answer display, but a press on a placed part judges nothing again; Esc
// pauses the display and "Fortsätta" lets it run on to the end.
TEST_F(TSatsTest, FinishedSentenceIsNotJudgedAgainDuringTheDisplay) {
    h.state->settings.setAnswerDisplaySeconds(9);
    auto w = open("SVE47301.DAT");
    for (int i = 0; i < 10; ++i)
        solveWrong(*w);
    ASSERT_TRUE(w->lastAnswerTimer->isActive());
    const int queued = h.state->files.file(h.state->files.currentFileIndex).errorCount;
    const QString part = w->Men[1]->text();
    dragByMouse(*w, 1, 1);
    dragByMouse(*w, 1, 2);
    EXPECT_EQ(w->series().wrongCount(), 10);
    EXPECT_EQ(h.state->files.file(h.state->files.currentFileIndex).errorCount, queued);
    EXPECT_EQ(w->Men[1]->text(), part);
    EXPECT_TRUE(w->Men[1]->isVisible());

    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(w->lastAnswerTimer->isActive());
    w->Button2->click();
    EXPECT_TRUE(w->lastAnswerTimer->isActive());
    EXPECT_FALSE(w->buttonBar->isVisible());
    EXPECT_EQ(w->series().wrongCount(), 10);
    QTest::keyClick(w.get(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->buttonBar->isVisible(); }, 2000));
    EXPECT_EQ(w->series().wrongCount(), 10);
    EXPECT_TRUE(w->Button1->isEnabled());
}

// Past the top level the level box reads the top level, and the settings
// leave the bar in sight: the climb waits for "Fortsätta".
TEST_F(TSatsTest, SettingsAfterTheTopKeepTheBar) {
    auto w = open("SVE47100.DAT");
    for (int i = 0; i < 6; ++i)
        solve(*w);
    ASSERT_TRUE(w->climb().topPassed());
    EXPECT_EQ(w->NivLabel2->text(), "2");
    EXPECT_EQ(w->Gauge1->progress(), 2);
    w->BitBtn1->click();
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_EQ(w->NivLabel2->text(), "2");
    EXPECT_TRUE(w->Button2->hasFocus());
}

// On a large screen the sentence fills its rows as on a small one (a full
// stop never stands alone on a row), and a placed part stands clear above
// its box, not on the box's text.
TEST_F(TSatsTest, LargeScreenRowsAndPlacedParts) {
    h.writeDataRoot({{"DATA/DAT/SVE47300.DAT",
                      std::string(kHeadings) +
                          "<Min gamla farmor fr\xE5n Norrland> <skickade> <alla sina barnbarn> "
                          "<ett l\xE5ngt brev>.#S#P#DO#AO\r\n"}});
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        glosbo::app::FontTextMeasure fonts;
        glosbo::app::measureScreen(h.state->screen, QRect(QPoint(0, 0), screen), fonts);
        glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
        h.state->selectExercise("SVE47300.DAT");
        ASSERT_TRUE(h.state->files.Kolla("SVE47300.DAT"));
        auto w = glosbo::exercises::makeExerciseWindow<TSats>({*h.state, services, nullptr});
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        // The full stop after the last part stands on that part's row.
        QLabel* stop = nullptr;
        for (int k = 1; k <= 6; ++k)
            if (w->Mell[k]->isVisible() && w->Mell[k]->text() == ".") stop = w->Mell[k];
        ASSERT_TRUE(stop);
        EXPECT_EQ(stop->y(), w->Men[4]->y());
        // Every part but the last placed, so that the sentence stays.
        const core::Sentence s = *w->sentence();
        for (int b = 1; b < int(s.boxes().size()); ++b) {
            const int part = s.boxes()[std::size_t(b - 1)].part;
            w->PartMouseDown(part, w->Men[part]->pos());
            w->dropOnBox(b);
            EXPECT_LT(w->Men[part]->geometry().bottom(), w->Memo[b]->y());
        }
    }
}
