#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "app/panel.h"
#include "app/services.h"
#include "core/app_state.h"
#include "menus/menu_table.h"

namespace glosbo::app {
class WindowRegistry;
}

namespace glosbo::menus {

// One menu of the menu tree: a navy panel with a yellow title and a column
// of buttons, one for each entry of its menu, the last of which closes it.
// The objectName is the menu's class name ("TF23").
class MenuWindow : public QDialog {
    Q_OBJECT
public:
    MenuWindow(const Menu& menu, core::AppState& state, app::Services& services,
               QWidget* parent = nullptr);

    const Menu& menu() const { return m_menu; }

    app::Panel* Panel1;
    QLabel* Label1;
    // Button1.. in the order of the entries.
    const std::vector<QPushButton*>& buttons() const { return m_buttons; }

public slots:
    // The button of entry index (0-based) was pressed.
    void ButtonClick(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildComponents();
    void FormCreate();

    const Menu& m_menu;
    core::AppState& m_state;
    app::Services& m_services;
    std::vector<QPushButton*> m_buttons;
};

// Adds every menu of the tree to the registry under its class name.
void registerMenus(app::WindowRegistry& registry);

} // namespace glosbo::menus
