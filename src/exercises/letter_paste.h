#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <vector>

namespace glosbo::exercises {

// Letters a Swedish keyboard lacks, for the windows where pupils type words:
// Alt+S or Ctrl+S in an input gives "ß", and the input's context menu
// (PopupMenu1) pastes "ß", "Ü" or "ü". Pasting goes through the clipboard,
// which keeps the letter for pasting again.
class LetterPaste final : public QObject {
    Q_OBJECT
public:
    // Builds PopupMenu1 and its entries as children of the window.
    explicit LetterPaste(QWidget* window);

    // Gives an input the shortcut and the context menu.
    void attach(QLineEdit* input);
    // Pastes a letter into the input that has the focus (else the one whose
    // menu opened last, else the first one attached), when it is enabled.
    void paste(const QString& letter);

    QMenu* PopupMenu1 = nullptr;
    QAction* Klistrain1 = nullptr;
    QAction* Klistrain2 = nullptr;
    QAction* Klistrain3 = nullptr;

public slots:
    // A menu entry: pastes the last character of its caption.
    void Klistrain1Click(QAction* entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* target() const;

    QWidget* m_window;
    std::vector<QLineEdit*> m_inputs;
    QLineEdit* m_menuInput = nullptr;
};

} // namespace glosbo::exercises
