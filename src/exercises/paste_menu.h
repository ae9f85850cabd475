#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace glosbo::exercises {

// The answer input's pop-up menu for letters a Swedish keyboard lacks:
// "Klistra in ß", "Klistra in Ü" and "Klistra in ü" put the last letter of
// the entry into the input at the cursor, through the clipboard, which
// keeps the letter for pasting again.
struct PasteMenu {
    QMenu* PopupMenu1 = nullptr;
    QAction* Klistrain1 = nullptr;
    QAction* Klistrain2 = nullptr;
    QAction* Klistrain3 = nullptr;
};

// Builds the menu on the window and opens it from the input's context menu.
PasteMenu addPasteMenu(QWidget* window, QLineEdit* input);
// The letter into an enabled input, through the clipboard.
void pasteLetter(QLineEdit* input, const QString& letter);

} // namespace glosbo::exercises
