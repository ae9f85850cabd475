#pragma once

#include <QLabel>
#include <vector>

#include "app/panel.h"
#include "info/info_page.h"

namespace glosbo::info {

// The Swedish flag between Moder Svea and the three crowns, with six lines
// about them.
class TFlagga final : public InfoPage {
    Q_OBJECT
public:
    TFlagga(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    static const std::vector<QString>& lines();

    QLabel* Label1; // "Sveriges flagga"
    QLabel* Image1; // the flag
    QLabel* Image2; // Moder Svea, hidden when missing
    QLabel* Image3; // the three crowns, hidden when missing
    std::vector<QLabel*> TextLabels;
    app::Panel* Panel1;
    QPushButton* AvbrytButton;

private:
    void FormCreate();
};

} // namespace glosbo::info
