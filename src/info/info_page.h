#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>

#include "app/read_aloud_button.h"
#include "app/services.h"
#include "core/app_state.h"

class QLabel;

namespace glosbo::info {

// The frame the manual, about and Sweden pages share: a borderless
// full-screen window in one colour that closes on Esc, with buttons a
// pupil reaches by mouse, Tab, Enter, Space and their Alt letter.
class InfoPage : public QDialog {
    Q_OBJECT
public:
    InfoPage(core::AppState& state, app::Services& services, const char* objectName,
             const QString& title, const QColor& background, QWidget* parent);

    // "Läs upp" and F4: read the page's texts aloud.
    app::ReadAloudButton* LasUppButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // A button with an Alt-letter caption ("&Avbryt") in the pages' bold font.
    QPushButton* makeButton(const QString& caption, const char* objectName, QWidget* parent);
    // A label of the page, in Arial of a pixel size scaled to the screen.
    QLabel* makeLabel(const QString& text, const char* objectName, int pixelSize, bool bold,
                      QWidget* parent);
    // A picture from the data roots (PC path first, then CD path); a null
    // image when it is under neither or cannot be read.
    QImage picture(std::string_view relative) const;
    // The image as large as fits in room, keeping its proportions: pictures
    // stored for a small screen grow on a large one.
    static QImage fitted(const QImage& image, QSize room);
    // Pixels scaled to the screen.
    int scaled(int pixels) const;
    QRect screen() const;

    core::AppState& m_state;
    app::Services& m_services;
};

} // namespace glosbo::info
