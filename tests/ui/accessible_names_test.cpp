#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <set>

#include "catalogue/window_catalogue.h"
#include "menus/menu_table.h"
#include "ui_support.h"

namespace app = glosbo::app;
namespace core = glosbo::core;
namespace menus = glosbo::menus;

namespace {

bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Instead of running a window, lists its controls that a screen reader
// could not name: no text, no buddy label, no accessible name.
class NameChecker final : public app::ModalWindows {
public:
    int exec(QDialog& dialog, Placement) override {
        opened.insert(dialog.objectName().toStdString());
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (!isControl(w)) continue;
            // Parts of a control (a spin box's line edit, a view's viewport
            // buttons) are named by the control they belong to.
            if (w->parentWidget() && isControl(w->parentWidget())) continue;
            if (qobject_cast<QScrollBar*>(w)) continue; // a scroll area's own
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.push_back(dialog.objectName().toStdString() + "/" +
                                  w->objectName().toStdString() + " (" +
                                  w->metaObject()->className() + ")");
        }
        return QDialog::Rejected;
    }
    std::set<std::string> opened;
    std::vector<std::string> unnamed;
};

} // namespace

// Every window of the program, opened as its menu entry or button opens it
// on the bundled data: every control has a Swedish name a screen reader
// can say.
TEST(AccessibleNames, EveryControlOfEveryWindowHasAName) {
    glosbo::test::Harness h;
    core::DataRoots roots = h.state->roots();
    roots.cdPath = GLOSBO_BUNDLED_DATA;
    h.state = std::make_unique<core::AppState>(roots, h.messages, nullptr, nullptr);
    ASSERT_TRUE(h.state->startUp());
    NameChecker checker;
    app::Services services{h.messages, checker, h.measure, h.windows, h.sounds, h.printer};
    glosbo::catalogue::registerWindows(h.windows);
    const app::WindowContext context{*h.state, services, nullptr};

    std::set<std::string> seen;
    for (const menus::Menu& menu : menus::menuTable()) {
        h.windows.open(menu.name, context);
        for (const menus::MenuEntry& entry : menu.entries) {
            if (!entry.isExercise()) continue;
            h.state->selectExercise(entry.dataFile);
            h.state->files.Kolla(entry.dataFile);
            for (const std::string& window : menus::windowsOpenedBy(entry))
                if (seen.insert(window).second) h.windows.open(window, context);
        }
    }
    const std::vector<std::string> entryMessages = h.messages.texts;
    for (const char* window : {"TManual", "TOmTolm", "TKarta", "TFlagga", "TSvHymn", "TStallin",
                               "TDiag", "TVokalex", "TRegelform", "TRekord"})
        if (seen.insert(window).second) h.windows.open(window, context);

    EXPECT_GE(checker.opened.size(), 25u);
    std::string list;
    for (const std::string& u : checker.unnamed)
        list += "  " + u + "\n";
    EXPECT_TRUE(checker.unnamed.empty()) << "controls without a name:\n" << list;
    // Every menu entry's window opened on the bundled data without a
    // complaint (a game that cannot read its file says so and closes).
    std::string messages;
    for (const std::string& m : entryMessages)
        messages += "  " + m + "\n";
    EXPECT_TRUE(entryMessages.empty()) << "messages shown:\n" << messages;
}
