#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "app/scaling.h"
#include "app/text_measure.h"
#include "exercises/exercise_window.h"
#include "exercises/tbilden.h"
#include "exercises/tflerbar.h"
#include "exercises/tklockan.h"
#include "exercises/tordna.h"
#include "exercises/tpassakt.h"
#include "exercises/tsats.h"
#include "exercises/tskriv.h"
#include "exercises/tskrivhi.h"
#include "exercises/tskrivinf.h"
#include "ui_support.h"

using glosbo::exercises::ExerciseWindow;
using glosbo::exercises::TFLERBAR;
using glosbo::exercises::TOrdna;
using glosbo::exercises::TPassAkt;
using glosbo::exercises::TSats;
using glosbo::exercises::TSKRIV;
using glosbo::exercises::TSKRIVHI;
using glosbo::exercises::TSkrivinf;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// Long records: a question of two full lines, the longest typed answer and
// two long help lines; a sentence of two full lines with eight words of ten
// letters to choose among; an item of two lines and seven categories.
const std::string kLongQuestion =
    "Skriv det ord som saknas i den h\xE4r mycket l\xE5nga meningen om en resa fr\xE5n "
    "Smygehuk i s\xF6"
    "der till Treriksr\xF6set i norr med t\xE5g och buss";
const std::string kLongAnswer = std::string(45, 'm');

std::map<std::string, std::string> longRecords() {
    const std::string heading = "$Ett mycket l\xE5ngt huvudnamn p\xE5 \xF6vningen\r\n"
                                "$En andra rad som ocks\xE5 \xE4r l\xE5ng\r\n"
                                "$\xA7Instruktionen \xE4r en l\xE5ng mening som g\xE5r n\xE4stan "
                                "\xF6ver hela sk\xE4rmen.\r\n";
    return {
        {"DATA/DAT/SVE31110.DAT", heading + kLongQuestion + "#" + kLongAnswer + "#" +
                                      kLongQuestion + "#" + kLongQuestion + "\r\n"},
        {"DATA/DAT/SVE31010.DAT",
         heading + "P\xE5 v\xE4gen fr\xE5n Smygehuk till Treriksr\xF6set k\xF6rde "
                   "<Lastbilarna> om oss hela dagen l\xE5ngt.#Cyklisterna#Flygplanen#Motorb\xE5tar"
                   "#Traktorerna#Husvagnarna#Sparkcyklar#Segelb\xE5tar\r\n"},
        {"DATA/DAT/SVE38100.DAT", heading + kLongQuestion + "#" + kLongAnswer + "\r\n"},
        {"DATA/DAT/SVE55000.DAT", "tjugofem minuter i halv tolv p\xE5 kv\xE4llen#11.05\r\n"},
        // Two lines with a gap on each, two long help texts.
        {"DATA/DAT/SVE43300.DAT", heading +
                                      "P\xE5 v\xE4gen fr\xE5n Smygehuk till Treriksr\xF6set "
                                      "<k\xF6rde> vi med t\xE5g och buss hela dagen och sedan "
                                      "<promenerade> vi.#" +
                                      kLongQuestion + "#" + kLongQuestion + "\r\n"},
        {"DATA/DAT/SVE46150.DAT", heading + "promenera#ska promenera#&kommer att promenera\r\n"},
        {"DATA/DAT/SVE47400.DAT", heading + kLongQuestion +
                                      " <objekt>.#Predikatsfyllnad#Subjekt#Predikat#Objekt"
                                      "#Adverbial#Attribut#Agent\r\n"},
        // Five long parts that fill three rows, in a level file.
        {"DATA/DAT/SVE47100.DAT",
         heading + "1<Min gamla farmor fr\xE5n Norrland> <skickade> <alla sina barnbarn i hela "
                   "Sverige> <ett mycket l\xE5ngt brev med bilder> <i g\xE5r kv\xE4ll>."
                   "#S#P#DO#AO#NN\r\n"},
        // Eight long names.
        {"DATA/DAT/SVE34800.DAT", heading + "Alexander#Alexandra#Alfreda#Algot#Alhassan#Alicia"
                                            "#Alida#Alvaro\r\n"},
    };
}

struct Screen {
    int width;
    int height;
};

struct WindowCase {
    const char* name;
    const char* file;
    std::function<std::unique_ptr<ExerciseWindow>(const glosbo::app::WindowContext&)> make;
    // Brings out what a wrong answer and the help show.
    std::function<void(ExerciseWindow&)> answerWrong;
    // The wrong answer starts the answer display.
    bool displaysAnswer = true;
};

const WindowCase kWindows[] = {
    {"TSKRIV", "SVE31110.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TSKRIV>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<TSKRIV&>(w);
         t.BitBtn2->click();
         t.BitBtn3->click();
         t.Edit1->setText(QString(45, QLatin1Char('x')));
         QTest::keyClick(t.Edit1, Qt::Key_Return);
     }},
    {"TFLERBAR", "SVE31010.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TFLERBAR>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<TFLERBAR&>(w);
         for (auto* box : t.boxes)
             if (box->isVisible() && box->caption() != t.TestLabel->text()) {
                 QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
                 return;
             }
     }},
    {"TPassAkt", "SVE47400.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TPassAkt>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<TPassAkt&>(w);
         for (int i = 0; i < int(t.categories().size()); ++i)
             if (t.categories()[std::size_t(i)] != "Predikatsfyllnad") {
                 auto* box = t.boxes[std::size_t(i)];
                 QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
                 return;
             }
     }},
    {"TSats", "SVE47100.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TSats>(c);
     },
     [](ExerciseWindow& w) {
         // The subject and the predicate placed above their boxes, the
         // part without a role refused.
         auto& t = static_cast<TSats&>(w);
         const auto boxes = t.sentence()->boxes();
         for (int b = 1; b <= int(boxes.size()); ++b) {
             const int part = boxes[std::size_t(b - 1)].part;
             if (part > 2) continue;
             t.PartMouseDown(part, t.Men[part]->pos());
             t.dropOnBox(b);
         }
         t.PartMouseDown(5, t.Men[5]->pos());
         t.dropOnBox(1);
         EXPECT_TRUE(t.FelPanel->isVisible());
     },
     false},
    {"TOrdna", "SVE34800.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TOrdna>(c);
     },
     [](ExerciseWindow& w) { static_cast<TOrdna&>(w).KlarButton->click(); }},
    {"TBilden", "SVE38100.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<glosbo::exercises::TBilden>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<glosbo::exercises::TBilden&>(w);
         t.Edit1->setText(QString(45, QLatin1Char('x')));
         QTest::keyClick(t.Edit1, Qt::Key_Return);
     }},
    {"TKlockan", "SVE55000.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<glosbo::exercises::TKlockan>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<glosbo::exercises::TKlockan&>(w);
         t.lampknapp->click();
         t.Edit1->setText(QString(45, QLatin1Char('x')));
         QTest::keyClick(t.Edit1, Qt::Key_Return);
     }},
    {"TSkrivinf", "SVE43300.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TSkrivinf>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<TSkrivinf&>(w);
         t.BitBtn2->click();
         t.BitBtn2->click();
         t.Edit1->setText(QStringLiteral("fel"));
         QTest::keyClick(t.Edit1, Qt::Key_Return);
         t.Edit2->setText(QStringLiteral("fel"));
         QTest::keyClick(t.Edit2, Qt::Key_Return);
     }},
    {"TSKRIVHI", "SVE46150.DAT",
     [](const glosbo::app::WindowContext& c) {
         return glosbo::exercises::makeExerciseWindow<TSKRIVHI>(c);
     },
     [](ExerciseWindow& w) {
         auto& t = static_cast<TSKRIVHI&>(w);
         t.Edit1->setText(QStringLiteral("fel"));
         QTest::keyClick(t.Edit1, Qt::Key_Return);
     }},
};

// The question's texts, inputs, boxes and buttons: every shown control of
// the window but the headline, the strip, the button bar and the panels of
// the end of a series and of the diagnosis.
void expectInsideTheQuestionArea(ExerciseWindow& w) {
    const int stripLeft = w.Aster1->x();
    const int barTop = w.buttonBar->y();
    const QList<QWidget*> skipped = {w.Aster1,
                                     w.buttonBar,
                                     w.BildPanelen,
                                     w.LovordPanel,
                                     w.DiagPanel1,
                                     w.worksheetBadge,
                                     w.Overs1Label,
                                     w.Overs2Label,
                                     w.Overs3Label,
                                     w.OverskriftYtterShape,
                                     w.OverskriftInnerShape};
    int checked = 0;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&w) || child->size().isEmpty()) continue;
        bool inSkipped = false;
        for (QWidget* s : skipped)
            inSkipped = inSkipped || (s && (s == child || s->isAncestorOf(child)));
        if (inSkipped) continue;
        if (auto* label = qobject_cast<QLabel*>(child); label && label->text().isEmpty()) continue;
        const QRect r(child->mapTo(&w, QPoint(0, 0)), child->size());
        EXPECT_LT(r.right(), stripLeft) << child->objectName().toStdString();
        EXPECT_LT(r.bottom(), barTop) << child->objectName().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 3);
}

using LayoutCase = std::tuple<int, Screen>;

class ExerciseLayout : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(ExerciseLayout, QuestionStaysLeftOfTheStripAndAboveTheButtonBar) {
    const auto& [windowIndex, screen] = GetParam();
    const WindowCase& c = kWindows[windowIndex];
    Harness h;
    h.writeDataRoot(longRecords());
    h.state->settings.setAnswerDisplaySeconds(9);
    h.state->settings.setSoundMode(0);
    // Measured in the real fonts, the screen as the main window measures it.
    glosbo::app::FontTextMeasure fonts;
    glosbo::app::measureScreen(h.state->screen, QRect(0, 0, screen.width, screen.height), fonts);
    glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
    const int scale = h.state->screen.scalePercent();
    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(screen.width) + "x" +
                 std::to_string(screen.height) + ", " + std::to_string(scale) + " %");

    h.state->selectExercise(c.file);
    ASSERT_TRUE(h.state->files.Kolla(c.file));
    auto w = c.make({*h.state, services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    ASSERT_EQ(w->size(), QSize(screen.width, screen.height));
    {
        SCOPED_TRACE("question");
        expectInsideTheQuestionArea(*w);
    }
    c.answerWrong(*w);
    if (c.displaysAnswer) {
        ASSERT_TRUE(w->Timer1->isActive() || w->lastAnswerTimer->isActive());
    }
    {
        SCOPED_TRACE("right answer shown");
        expectInsideTheQuestionArea(*w);
    }
}

// The sizes at the scale the main window finds for them.
INSTANTIATE_TEST_SUITE_P(Screens, ExerciseLayout,
                         ::testing::Combine(::testing::Range(0, int(std::size(kWindows))),
                                            ::testing::Values(Screen{800, 600}, Screen{1024, 768},
                                                              Screen{1280, 1024},
                                                              Screen{1920, 1080})),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             const Screen& s = std::get<1>(info.param);
                             return std::string(kWindows[std::get<0>(info.param)].name) + "_" +
                                    std::to_string(s.width) + "x" + std::to_string(s.height);
                         });

namespace {

// Whether each control of the window is enabled and shown, but the button
// bar's, which a pause brings and "Fortsätta" takes away.
std::map<QWidget*, std::pair<bool, bool>> controlStates(ExerciseWindow& w) {
    std::map<QWidget*, std::pair<bool, bool>> states;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (child == w.buttonBar || w.buttonBar->isAncestorOf(child)) continue;
        states[child] = {child->isEnabled(), child->isVisibleTo(&w)};
    }
    return states;
}

// A key as the pupil types it: to the control that has the keyboard.
void typeKey(ExerciseWindow& w, Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused && w.isAncestorOf(focused) ? focused : &w, key);
}

class AnswerDisplayPause : public ::testing::TestWithParam<int> {};

} // namespace

// Esc during the answer display after a wrong answer, then "Fortsätta" (when
// Esc brought the bar): the window is as it was, the answer still closed
// and the right answer still shown, the display runs on, and Space ends it
// with the next question. Nothing is judged twice.
TEST_P(AnswerDisplayPause, WindowComesBackAsItWas) {
    const WindowCase& c = kWindows[GetParam()];
    if (!c.displaysAnswer) GTEST_SKIP() << c.name << " shows no answer within a series";
    SCOPED_TRACE(c.name);
    Harness h;
    h.writeDataRoot(longRecords());
    h.state->settings.setAnswerDisplaySeconds(9);
    h.state->settings.setSoundMode(0);
    h.state->selectExercise(c.file);
    ASSERT_TRUE(h.state->files.Kolla(c.file));
    auto w = c.make({*h.state, h.services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QApplication::setActiveWindow(w.get());

    c.answerWrong(*w);
    ASSERT_TRUE(w->Timer1->isActive());
    const auto before = controlStates(*w);
    const int question = w->series().questionNumber();
    const int wrong = w->series().wrongCount();

    typeKey(*w, Qt::Key_Escape);
    if (w->buttonBar->isVisible()) {
        EXPECT_FALSE(w->Timer1->isActive()) << "the display waits under the bar";
        // "Rätta felen" or "Fortsätta" has the keyboard.
        EXPECT_TRUE(w->buttonBar->isAncestorOf(w->focusWidget()));
        w->Button2->click();
        EXPECT_FALSE(w->buttonBar->isVisible());
    }
    EXPECT_TRUE(w->Timer1->isActive());
    const auto after = controlStates(*w);
    for (const auto& [control, state] : before)
        EXPECT_EQ(after.at(control), state) << control->objectName().toStdString();
    EXPECT_EQ(w->series().questionNumber(), question);

    typeKey(*w, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Timer1->isActive(); }, 2000));
    EXPECT_EQ(w->series().questionNumber(), question);
    EXPECT_EQ(w->series().wrongCount(), wrong);
    EXPECT_FALSE(w->buttonBar->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Windows, AnswerDisplayPause, ::testing::Range(0, int(std::size(kWindows))),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(kWindows[info.param].name);
                         });

// No window keeps an empty place in its button bar: the buttons it shows
// fill the bar from its left edge to its right.
TEST_P(AnswerDisplayPause, ButtonBarHasNoEmptyPlace) {
    const WindowCase& c = kWindows[GetParam()];
    SCOPED_TRACE(c.name);
    Harness h;
    h.writeDataRoot(longRecords());
    h.state->selectExercise(c.file);
    ASSERT_TRUE(h.state->files.Kolla(c.file));
    auto w = c.make({*h.state, h.services, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    int left = w->buttonBar->width();
    int right = 0;
    int shown = 0;
    for (auto* button : w->buttonBar->findChildren<QPushButton*>()) {
        if (button->isHidden()) continue;
        ++shown;
        left = std::min(left, button->x());
        right = std::max(right, button->geometry().right());
    }
    EXPECT_GE(shown, 3);
    const int pad = std::max(3, w->buttonBar->height() / 8);
    EXPECT_LE(left, pad);
    EXPECT_GE(right, w->buttonBar->width() - 1 - 2 * pad);
}
