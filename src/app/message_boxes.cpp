#include "app/message_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/active_window.h"
#include "app/text_codec.h"

namespace glosbo::app {
namespace {

QWidget* frontWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// Qt's own button texts would be English without a translator.
void okBox(QMessageBox::Icon icon, const std::u8string& text) {
    QMessageBox box(icon, QStringLiteral("Glosbo"), fromUtf8(text), QMessageBox::NoButton,
                    frontWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    const KeepActiveWindow keep;
    box.exec();
}

} // namespace

void QtMessageBoxes::information(const std::u8string& text) {
    okBox(QMessageBox::Information, text);
}

void QtMessageBoxes::warning(const std::u8string& text) {
    okBox(QMessageBox::Warning, text);
}

void QtMessageBoxes::error(const std::u8string& text) {
    okBox(QMessageBox::Critical, text);
}

bool QtMessageBoxes::confirm(const std::u8string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Glosbo"), fromUtf8(text),
                    QMessageBox::NoButton, frontWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nej"), QMessageBox::NoRole);
    // The question always precedes a removal, so Enter must not remove.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    const KeepActiveWindow keep;
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtMessageBoxes::askPassword(const std::u8string& prompt) {
    QInputDialog dialog(frontWindow());
    dialog.setWindowTitle(QStringLiteral("Glosbo"));
    dialog.setLabelText(fromUtf8(prompt));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Avbryt"));
    const KeepActiveWindow keep;
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

} // namespace glosbo::app
