#include "exercises/letter_paste.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace glosbo::exercises {

LetterPaste::LetterPaste(QWidget* window) : QObject(window), m_window(window) {
    PopupMenu1 = new QMenu(window);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Klistrain1 = PopupMenu1->addAction(QStringLiteral("Klistra in ß"));
    Klistrain1->setObjectName(QStringLiteral("Klistrain1"));
    Klistrain2 = PopupMenu1->addAction(QStringLiteral("Klistra in Ü"));
    Klistrain2->setObjectName(QStringLiteral("Klistrain2"));
    Klistrain3 = PopupMenu1->addAction(QStringLiteral("Klistra in ü"));
    Klistrain3->setObjectName(QStringLiteral("Klistrain3"));
    connect(PopupMenu1, &QMenu::triggered, this, &LetterPaste::Klistrain1Click);
}

void LetterPaste::attach(QLineEdit* input) {
    m_inputs.push_back(input);
    input->installEventFilter(this);
    input->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(input, &QLineEdit::customContextMenuRequested, this, [this, input](const QPoint& at) {
        m_menuInput = input;
        PopupMenu1->popup(input->mapToGlobal(at));
    });
}

QLineEdit* LetterPaste::target() const {
    for (QLineEdit* input : m_inputs)
        if (input->hasFocus() || m_window->focusWidget() == input) return input;
    if (m_menuInput) return m_menuInput;
    return m_inputs.empty() ? nullptr : m_inputs.front();
}

void LetterPaste::paste(const QString& letter) {
    QApplication::clipboard()->setText(letter);
    if (QLineEdit* input = target(); input && input->isEnabled()) input->paste();
}

void LetterPaste::Klistrain1Click(QAction* entry) {
    const QString caption = entry->text();
    if (!caption.isEmpty()) paste(caption.right(1));
}

bool LetterPaste::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
        if (key->key() == Qt::Key_S &&
            (modifiers == Qt::AltModifier || modifiers == Qt::ControlModifier)) {
            if (auto* input = qobject_cast<QLineEdit*>(watched); input && input->isEnabled()) {
                QApplication::clipboard()->setText(QStringLiteral("ß"));
                input->paste();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace glosbo::exercises
