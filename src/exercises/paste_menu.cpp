#include "exercises/paste_menu.h"

#include <QApplication>
#include <QClipboard>

namespace glosbo::exercises {

PasteMenu addPasteMenu(QWidget* window, QLineEdit* input) {
    PasteMenu menu;
    menu.PopupMenu1 = new QMenu(window);
    menu.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto entry = [&](const char* name, const QString& caption) {
        QAction* action = menu.PopupMenu1->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    menu.Klistrain1 = entry("Klistrain1", QStringLiteral("Klistra in ß"));
    menu.Klistrain2 = entry("Klistrain2", QStringLiteral("Klistra in Ü"));
    menu.Klistrain3 = entry("Klistrain3", QStringLiteral("Klistra in ü"));

    input->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* popup = menu.PopupMenu1;
    QObject::connect(input, &QLineEdit::customContextMenuRequested, popup,
                     [input, popup](const QPoint& at) { popup->popup(input->mapToGlobal(at)); });
    QObject::connect(popup, &QMenu::triggered, input, [input](QAction* chosen) {
        const QString caption = chosen->text();
        if (!caption.isEmpty()) pasteLetter(input, caption.right(1));
    });
    return menu;
}

void pasteLetter(QLineEdit* input, const QString& letter) {
    QApplication::clipboard()->setText(letter);
    if (input->isEnabled()) input->paste();
}

} // namespace glosbo::exercises
