#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "app/panel.h"
#include "app/read_aloud_button.h"
#include "app/services.h"
#include "core/app_state.h"

namespace glosbo::info {

// Shows the rule page of an exercise full screen. Other windows open it
// through the window registry, with the program number in the context.
class TRegelform : public QDialog {
    Q_OBJECT
public:
    // Shows the rule page of a program.
    TRegelform(core::AppState& state, app::Services& services, std::uint16_t programNumber,
               QWidget* parent = nullptr);

    app::Panel* Panel1;
    QLabel* Image1;
    QTextBrowser* WebBrowser1;
    QPushButton* ClosePanel2Knapp;
    app::ReadAloudButton* LasUppButton;

    // The file shown, empty when the page is missing.
    const QString& shownFile() const { return m_shown; }

public slots:
    void ClosePanel2KnappClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void Webregel();

    core::AppState& m_state;
    app::Services& m_services;
    std::uint16_t m_programNumber;
    QString m_shown;
};

} // namespace glosbo::info
