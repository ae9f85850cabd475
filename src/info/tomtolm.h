#pragma once

#include <QLabel>

#include "app/panel.h"
#include "info/info_page.h"

namespace glosbo::info {

// About Glosbo: name and version, the upgrade note, who made it, and two
// panels a pupil or teacher opens from the small buttons above "&Avbryt".
class TOmTolm final : public InfoPage {
    Q_OBJECT
public:
    TOmTolm(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    QLabel* Image1;           // the background picture
    QLabel* Label1;           // "Glosbo" and the version
    QLabel* Label2;           // "Uppgraderad : " and the note
    QLabel* Label3;           // the credits
    QPushButton* LogoButton1; // what Glosbo is
    QPushButton* LogoButton2; // help and reporting a problem
    app::Panel* InfoPanel1;
    app::Panel* InfoPanel2;
    QPushButton* AvbrytButton;

public slots:
    void LogoButton1Click();
    void LogoButton2Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    app::Panel* makeInfoPanel(const char* objectName, const QString& html);
};

} // namespace glosbo::info
