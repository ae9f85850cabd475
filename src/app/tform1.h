#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <array>

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
    // The start pictures: three on each side of the menu panel.
    static constexpr std::size_t kStartSlots = 6;

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
    // The start pictures of Sweden: three left of the menu panel, three right.
    QLabel* BildImage11;
    QLabel* BildImage12;
    QLabel* BildImage13;
    QLabel* BildImage21;
    QLabel* BildImage22;
    QLabel* BildImage23;
    QLabel* Label3; // first line of the caption of the start picture under the mouse
    QLabel* Label4; // its second line

    // The picture of Sweden in each start-picture slot, top left first.
    const std::array<int, kStartSlots>& startPictureNumbers() const {
        return m_startPictureNumbers;
    }

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
    // The mouse moved over start-picture slot 0..5: its caption is shown under it.
    void BildImageMouseMove(int slot);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildComponents();
    void FormCreate();
    void checkDirectories();
    void Skaltest();
    void layOut();
    void startbilder();
    // Where a start picture is: under the PC path, else the CD path; empty
    // when it is under neither.
    QString startPicturePath(const std::string& fileName) const;
    // The pictures at paths, each at most as large as room; null where a
    // path is empty or its file unreadable.
    static std::array<QImage, kStartSlots>
    loadStartPictures(const std::array<QString, kStartSlots>& paths, QSize room);
    // Practice mode for a menu, except while worksheets are being made.
    void leaveSpecialMode();
    void openWindow(const char* name);

    core::AppState& m_state;
    Services& m_services;
    QRect m_area;   // the screen as the platform reports it
    QSize m_screen; // its size
    std::array<QLabel*, kStartSlots> m_startSlots{};
    std::array<int, kStartSlots> m_startPictureNumbers{};
    int m_captionPoints = 8; // Label3 loses a point when a caption is too wide
};

} // namespace glosbo::app
