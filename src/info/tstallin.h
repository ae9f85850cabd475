#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/panel.h"
#include "app/services.h"
#include "core/app_state.h"

namespace glosbo::info {

// The settings dialog: how long the right answer stays on screen, and
// whether spoken words are translated into English or German. Every change
// takes effect at once and lasts until the program ends.
class TStallin : public QDialog {
    Q_OBJECT
public:
    TStallin(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    app::Panel* YtterPanel;
    app::Panel* InnerPanel;
    app::Panel* OverPanel;
    QLabel* DroejLabel;
    QLabel* TidLabel;
    QLabel* ExtraLabel;
    QLabel* Extra2Label;
    QWidget* SpinButton1;
    QToolButton* SpinUp;
    QToolButton* SpinDown;
    QLabel* Label1;
    QPushButton* EngButton;
    QLabel* Label2;
    QPushButton* Tysbutton;
    QLabel* LasUppLabel;
    QPushButton* LasUppAutoButton; // "Läs upp frågan automatiskt": Ja / Nej
    QLabel* TalLabel;
    QPushButton* TalButton; // the speaking speed: Normal / Långsam
    QPushButton* SparaButton;
    QPushButton* AvbrytButton;

public slots:
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void EngButtonClick();
    void TysbuttonClick();
    void LasUppAutoButtonClick();
    void TalButtonClick();
    void SparaButtonClick();
    void AvbrytButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    // Places the contents in an inner panel of at least that width; returns
    // the inner panel's size they need.
    QSize layOutContents(int innerWidth);
    void showSeconds();
    void showSpeech();

    core::AppState& m_state;
    app::Services& m_services;
};

} // namespace glosbo::info
