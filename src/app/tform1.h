#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "app/panel.h"
#include "app/services.h"
#include "app/shape.h"
#include "core/app_state.h"

namespace glosbo::app {

// The main window: a blue screen with the menu panel of ten main buttons in
// the middle. Every other window opens from it, and closing it ends the
// program.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(core::AppState& state, Services& services, QWidget* parent = nullptr);

    // Shows the window borderless over the whole screen.
    void showOnScreen();

    // Components, named as everywhere in the program.
    Shape* Shape1;     // worksheet indicator
    QLabel* Label2;    // its text
    QLabel* Testlabel; // the measuring label
    Panel* Panel1;     // menu panel
    QLabel* Label1;    // title
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    Panel* Panel9; // banner
    QTimer* Timer1;
    QTimer* Timer2;

signals:
    // Worksheet mode was switched on or off; the worksheets collected so far
    // are dropped.
    void worksheetModeToggled(bool on);

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Timer1Timer();
    void Timer2Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildComponents();
    void FormCreate();
    void checkDirectories();
    void Skaltest();
    void layOut();
    // Practice mode for a menu, except while worksheets are being made.
    void leaveSpecialMode();
    void openWindow(const char* name);

    core::AppState& m_state;
    Services& m_services;
    QSize m_screen;
};

} // namespace glosbo::app
