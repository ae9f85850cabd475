#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/services.h"
#include "core/app_state.h"

namespace glosbo::games {

// "Vem eller vilka ska spela?": how many play the odd-one-out game and their
// names. It closes accepted once every shown box holds a name; the names and
// the number of players are then remembered in the shared state. Cancelling
// leaves both as they were.
class TSpelNam final : public QDialog {
    Q_OBJECT
public:
    TSpelNam(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    static constexpr int kNameLength = 19;

    QLabel* TitelLabel = nullptr;
    QPushButton* Panel2 = nullptr;     // "&En spelare"
    QPushButton* Panel3 = nullptr;     // "&Två spelare"
    QPushButton* Panel4 = nullptr;     // "T&re spelare"
    QLabel* Label1 = nullptr;          // the prompt
    std::array<QLineEdit*, 3> Edit{};  // Edit1 .. Edit3
    std::array<QLabel*, 3> FelLabel{}; // "Det var inget namn!" beside each box
    QPushButton* Button2 = nullptr;    // "&Avbryt"

    int shownBoxes() const { return m_shown; }

public slots:
    void Panel2Click() { choose(1); }
    void Panel3Click() { choose(2); }
    void Panel4Click() { choose(3); }
    void Klar();
    void Button2Click() { reject(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int players);
    void enterIn(int box);

    core::AppState& m_state;
    int m_shown = 0;
    int m_failedChecks = 0;
};

} // namespace glosbo::games
