#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/tform1.h"
#include "core/teacher_password.h"
#include "ui_support.h"

using glosbo::app::TForm1;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

QPushButton* button(TForm1& form, int n) {
    auto* b = form.findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
    EXPECT_NE(b, nullptr) << "Button" << n;
    return b;
}

QWidget* widget(TForm1& form, const char* name) {
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QColor panelColor(TForm1& form) {
    return static_cast<glosbo::app::Panel*>(widget(form, "Panel1"))->color();
}

} // namespace

TEST(MainWindow, TenMainButtonsInOrder) {
    Harness h;
    TForm1 form(*h.state, h.services);
    const char* captions[] = {"Sverige", "Stavning",        "Dina ord", "Grammatik", "Diverse",
                              "Diagnos", "Göra arbetsblad", "Manual",   "Om Glosbo", "Avsluta"};
    for (int i = 1; i <= 10; ++i) {
        QPushButton* b = button(form, i);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(captions[i - 1]));
        EXPECT_EQ(b->parentWidget(), widget(form, "Panel1"));
        EXPECT_EQ(b->geometry(), QRect(b->x(), 60 + 32 * (i - 1), 257, 32));
        EXPECT_TRUE(b->isEnabled());
    }
    EXPECT_EQ(static_cast<QLabel*>(widget(form, "Label1"))->text(), "GLOSBO");
    EXPECT_TRUE(
        static_cast<glosbo::app::Panel*>(widget(form, "Panel9"))->caption().contains("Glosbo"));
    EXPECT_EQ(panelColor(form), QColor(0x00, 0x00, 0x80));
    EXPECT_TRUE(h.messages.texts.empty());
}

// The layout holds on a screen that needs no scaling and on one that does.
class MainWindowLayout : public ::testing::TestWithParam<int> {};

TEST_P(MainWindowLayout, PanelCentredAndIndicatorBelowIt) {
    Harness::Setup setup;
    setup.letterWidth = GetParam();
    Harness h(setup);
    // The harness measures its screen as the main window does, so that other
    // windows are tested on the screen the main window would leave them.
    const int harnessPercent = h.state->screen.scalePercent();
    const int harnessUnit = h.state->screen.letterUnit();
    TForm1 form(*h.state, h.services);
    const QSize screen(h.state->screen.width(), h.state->screen.height());
    const int percent = h.state->screen.scalePercent();
    EXPECT_EQ(h.state->screen.letterUnit(), setup.letterWidth);
    EXPECT_EQ(percent, harnessPercent);
    EXPECT_EQ(h.state->screen.letterUnit(), harnessUnit);
    EXPECT_EQ(screen, glosbo::app::screenArea().size());

    const QRect panel = widget(form, "Panel1")->geometry();
    const QRect banner = widget(form, "Panel9")->geometry();
    const QRect shape = widget(form, "Shape1")->geometry();
    const QRect title = widget(form, "Label1")->geometry();
    EXPECT_EQ(panel.size(), QSize(glosbo::app::mulDiv(273, percent, 100),
                                  glosbo::app::mulDiv(388, percent, 100)));
    EXPECT_LE(std::abs(panel.center().x() - screen.width() / 2), 1);
    EXPECT_LE(std::abs(panel.top() - banner.height() - (screen.height() - panel.bottom() - 1)), 1);
    EXPECT_LE(std::abs(shape.center().x() - screen.width() / 2), 1);
    EXPECT_GT(shape.top(), panel.bottom());
    EXPECT_LE(shape.bottom(), screen.height() - 1);
    EXPECT_GT(title.top(), 0);
    EXPECT_LT(title.bottom(), button(form, 1)->y());
}

// 16 pixels a letter: 50 letters on 800 pixels, 98 %, taken as 100.
// 10 pixels a letter: 80 letters, 158 % or what the screen height allows.
INSTANTIATE_TEST_SUITE_P(Screens, MainWindowLayout, ::testing::Values(16, 10));

TEST(MainWindow, ScaledWindowKeepsButtonsTouching) {
    Harness::Setup setup;
    setup.letterWidth = 10;
    Harness h(setup);
    TForm1 form(*h.state, h.services);
    const int percent = glosbo::app::scalePercentFor(80, h.state->screen.height());
    ASSERT_GT(percent, 100);
    ASSERT_EQ(h.state->screen.scalePercent(), percent);
    EXPECT_EQ(button(form, 1)->font().pixelSize(), glosbo::app::mulDiv(19, percent, 100));
    EXPECT_EQ(button(form, 1)->y(), glosbo::app::mulDiv(60, percent, 100));
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(button(form, i)->geometry().bottom() + 1, button(form, i + 1)->y());
}

TEST(MainWindow, WorksheetButtonTogglesTwice) {
    Harness h;
    TForm1 form(*h.state, h.services);
    QSignalSpy toggled(&form, &TForm1::worksheetModeToggled);
    QWidget* shape = widget(form, "Shape1");
    auto* label = static_cast<QLabel*>(widget(form, "Label2"));

    button(form, 7)->click();
    EXPECT_EQ(h.state->runMode, core::RunMode::Worksheet);
    EXPECT_EQ(button(form, 7)->text(), "Avaktivera arbetsblad");
    for (int i : {1, 5, 6})
        EXPECT_FALSE(button(form, i)->isEnabled()) << i;
    for (int i : {2, 3, 4, 7, 8, 9, 10})
        EXPECT_TRUE(button(form, i)->isEnabled()) << i;
    EXPECT_EQ(panelColor(form), QColor(0x80, 0x00, 0x00));
    EXPECT_TRUE(shape->isVisibleTo(&form));
    EXPECT_TRUE(label->isVisibleTo(&form));
    EXPECT_EQ(label->text(), "Arbetsblad aktiverat");
    EXPECT_TRUE(shape->geometry().contains(label->geometry()));
    EXPECT_LE(std::abs(label->geometry().center().x() - shape->geometry().center().x()), 1);
    EXPECT_LE(std::abs(label->geometry().center().y() - shape->geometry().center().y()), 1);

    button(form, 7)->click();
    EXPECT_EQ(h.state->runMode, core::RunMode::Practice);
    EXPECT_EQ(button(form, 7)->text(), QString::fromUtf8("Göra arbetsblad"));
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(button(form, i)->isEnabled()) << i;
    EXPECT_EQ(panelColor(form), QColor(0x00, 0x00, 0x80));
    EXPECT_FALSE(shape->isVisibleTo(&form));
    EXPECT_FALSE(label->isVisibleTo(&form));

    ASSERT_EQ(toggled.count(), 2);
    EXPECT_EQ(toggled.at(0).at(0).toBool(), true);
    EXPECT_EQ(toggled.at(1).at(0).toBool(), false);

    // Each switch starts a new worksheet: lists empty, numbering from 1.
    for (int i = 0; i < 2; ++i) {
        h.state->worksheets.startExercise();
        h.state->worksheets.add({"Plural", ""}, core::writeAnswerTask(" 10. ", "hand", "h"));
        button(form, 7)->click();
        EXPECT_TRUE(h.state->worksheets.empty()) << i;
        EXPECT_EQ(h.state->worksheets.headingNumber(), 0) << i;
        EXPECT_EQ(h.state->worksheets.nextItemPrefix(), "   1. ") << i;
    }
    EXPECT_EQ(h.state->runMode, core::RunMode::Practice);

    // From a diagnosis mode the button switches worksheets on.
    h.state->runMode = core::RunMode::DiagnosisPractice;
    button(form, 7)->click();
    EXPECT_EQ(h.state->runMode, core::RunMode::Worksheet);
}

TEST(MainWindow, KeyboardFocusEnterAndEscape) {
    Harness h;
    TForm1 form(*h.state, h.services);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), button(form, 1));

    // Down and Enter on "Göra arbetsblad", several buttons on.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), button(form, 7));
    QTest::keyClick(button(form, 7), Qt::Key_Return);
    EXPECT_EQ(h.state->runMode, core::RunMode::Worksheet);

    QTest::keyClick(button(form, 7), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

// In kiosk mode Esc, "Avsluta" and the window manager's close all ask for
// the teacher password; only the right one ends the program.
TEST(MainWindow, KioskEndsOnlyWithTheTeacherPassword) {
    Harness h;
    h.state->kiosk = true;
    TForm1 form(*h.state, h.services);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(button(form, 1), Qt::Key_Escape); // cancelled
    EXPECT_TRUE(form.isVisible());
    h.messages.passwordAnswer = "gissning";
    button(form, 10)->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(h.messages.texts.back(), "Felaktigt lösen.");
    EXPECT_FALSE(form.close()); // as the window manager closes it
    EXPECT_TRUE(form.isVisible());

    // No built-in password ends it, and a character Windows-1252 cannot
    // hold is never read as the "?" of a stored password.
    core::TeacherPasswordFile passwords(h.state->roots().diagnosisDir, h.state->clock());
    ASSERT_FALSE(passwords.save("vem?"));
    for (const char* wrong : {"Tre Ekar", "KVARNSTO", "vem\xC5\x81"}) {
        h.messages.passwordAnswer = wrong;
        EXPECT_FALSE(form.close()) << wrong;
        EXPECT_EQ(h.messages.texts.back(), "Felaktigt lösen.");
    }
    h.messages.passwordAnswer = "vem?";
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

// The directory messages at start, in their order.
struct DirectoryCase {
    const char* name;
    Harness::Setup setup;
    std::vector<std::string> expected; // "%R" and "%D" stand for the two directories
};

class StartMessages : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(StartMessages, ReportMissingDirectories) {
    Harness h(GetParam().setup);
    TForm1 form(*h.state, h.services);
    std::vector<std::string> expected;
    for (std::string text : GetParam().expected) {
        if (auto at = text.find("%R"); at != std::string::npos)
            text.replace(at, 2, h.path("RESULTAT"));
        if (auto at = text.find("%D"); at != std::string::npos)
            text.replace(at, 2, h.path("DIAGNOS"));
        expected.push_back(text);
    }
    EXPECT_EQ(h.messages.texts, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, StartMessages,
    ::testing::Values(
        DirectoryCase{"Both", {true, true, false, 16}, {}},
        DirectoryCase{"NoResults", {false, true, false, 16}, {"Katalogen %R finns inte."}},
        DirectoryCase{"EmptyResults", {true, true, true, 16}, {"Katalogen  finns inte."}},
        DirectoryCase{"NoDiagnosis", {true, false, false, 16}, {"Katalogen %D finns inte."}},
        DirectoryCase{"Neither",
                      {false, false, false, 16},
                      {"Katalogen %R finns inte.", "Katalogen %D finns inte."}}),
    [](const auto& info) { return std::string(info.param.name); });

// Which window a main button opens and the run mode it opens it in.
struct ButtonCase {
    int button;
    core::RunMode modeBefore;
    const char* window;
    core::RunMode modeInWindow;
};

class MainButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MainButtons, OpenTheirWindowInTheRightRunMode) {
    const ButtonCase c = GetParam();
    Harness h;
    std::vector<std::pair<std::string, core::RunMode>> seen;
    for (const char* name : {"TF1", "TF2", "TF3", "TF4", "TF5", "TDiag", "TManual", "TOmTolm"}) {
        h.windows.add(name, [name, &seen](const glosbo::app::WindowContext& context) {
            seen.emplace_back(name, context.state.runMode);
            auto window = std::make_unique<QDialog>(context.parent);
            window->setObjectName(name);
            return window;
        });
    }
    TForm1 form(*h.state, h.services);
    h.state->runMode = c.modeBefore;
    button(form, c.button)->click();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, c.window);
    EXPECT_EQ(seen[0].second, c.modeInWindow);
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{c.window});
}

INSTANTIATE_TEST_SUITE_P(
    RunModes, MainButtons,
    ::testing::Values(
        ButtonCase{1, core::RunMode::Practice, "TF1", core::RunMode::Practice},
        ButtonCase{1, core::RunMode::DiagnosisTest, "TF1", core::RunMode::Practice},
        ButtonCase{2, core::RunMode::Worksheet, "TF2", core::RunMode::Worksheet},
        ButtonCase{2, core::RunMode::DiagnosisPractice, "TF2", core::RunMode::DiagnosisPractice},
        ButtonCase{3, core::RunMode::Worksheet, "TF3", core::RunMode::Worksheet},
        ButtonCase{3, core::RunMode::DiagnosisTest, "TF3", core::RunMode::Practice},
        ButtonCase{4, core::RunMode::Worksheet, "TF4", core::RunMode::Worksheet},
        ButtonCase{4, core::RunMode::DiagnosisPracticeErrors, "TF4", core::RunMode::Practice},
        ButtonCase{5, core::RunMode::DiagnosisTest, "TF5", core::RunMode::DiagnosisTest},
        ButtonCase{6, core::RunMode::Practice, "TDiag", core::RunMode::DiagnosisTest},
        ButtonCase{8, core::RunMode::Practice, "TManual", core::RunMode::Practice},
        ButtonCase{9, core::RunMode::Practice, "TOmTolm", core::RunMode::Practice}));

TEST(MainWindow, DiagnosisModeEndsWhenTheDiagnosisWindowCloses) {
    Harness h;
    // The window closes with the run mode still at a diagnosis value, as
    // after three wrong passwords.
    h.windows.add("TDiag", [](const glosbo::app::WindowContext& context) {
        context.state.runMode = core::RunMode::DiagnosisPractice;
        return std::make_unique<QDialog>(context.parent);
    });
    TForm1 form(*h.state, h.services);
    button(form, 6)->click();
    EXPECT_EQ(h.state->runMode, core::RunMode::Practice);
}

// "Diagnos", "Manual" and "Om Glosbo" before their windows are built: the
// pupil is told so, as in the menus, and no run mode is left behind.
TEST(MainWindow, ButtonsWhoseWindowIsNotBuiltSaySo) {
    for (int n : {6, 8, 9}) {
        Harness h;
        TForm1 form(*h.state, h.services);
        button(form, n)->click();
        EXPECT_EQ(h.messages.texts,
                  std::vector<std::string>{core::utf8Bytes(glosbo::app::kNotReadyMessage)})
            << "Button" << n;
        EXPECT_TRUE(h.modal.opened.empty());
        EXPECT_EQ(h.state->runMode, core::RunMode::Practice);
    }
}

TEST(MainWindow, DisabledButtonsOpenNothingInWorksheetMode) {
    Harness h;
    int opened = 0;
    h.windows.add("TF1", [&opened](const glosbo::app::WindowContext& context) {
        ++opened;
        return std::make_unique<QDialog>(context.parent);
    });
    TForm1 form(*h.state, h.services);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    button(form, 7)->click();
    QTest::mouseClick(button(form, 1), Qt::LeftButton);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(h.state->runMode, core::RunMode::Worksheet);
}

// Timer1 never runs; Timer2 fires once, a second after the start, and stops
// itself. Its tick is driven here rather than waited for.
TEST(MainWindow, TimersRunOnceAtMost) {
    Harness h;
    TForm1 form(*h.state, h.services);
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_TRUE(form.Timer2->isActive());
    EXPECT_EQ(form.Timer2->interval(), 1000);
    const int ticks = h.state->tickCounter;
    form.Timer2Timer();
    EXPECT_FALSE(form.Timer2->isActive());
    EXPECT_EQ(h.state->tickCounter, ticks + 1);
}
