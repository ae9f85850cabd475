#pragma once

#include <QLabel>
#include <vector>

#include "app/panel.h"
#include "info/info_page.h"

namespace glosbo::info {

// The map of Sweden with a column of facts beside it.
class TKarta final : public InfoPage {
    Q_OBJECT
public:
    TKarta(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    // The facts shown beside the map, one line each.
    static const std::vector<QString>& facts();

    QLabel* Image1;
    QLabel* Label1; // "Sverige"
    std::vector<QLabel*> FactLabels;
    app::Panel* Panel1; // the bevelled frame of the button
    QPushButton* AvbrytButton;

private:
    void FormCreate();
};

} // namespace glosbo::info
