#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <chrono>

#include "app/panel.h"
#include "app/services.h"
#include "core/app_state.h"
#include "core/lock_file.h"

namespace glosbo::results {

// The records table of a word hunt: the 100 best results of the exercise
// with the new result already at its place. Enter saves the table with it
// (merged afresh with what others saved meanwhile), Esc leaves without
// saving. The records file and the new result come from the shared state.
class TRekord final : public QDialog {
    Q_OBJECT
public:
    TRekord(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    // Grid rows: the header row, ranks 1..100 and the extra row for a result
    // that does not make the table.
    static constexpr int kExtraRow = 101;

    app::Panel* OverPanelen = nullptr;
    QLabel* Label1 = nullptr; // "Rekordtabell för programmet " + exercise
    app::Panel* RekordPanelen = nullptr;
    app::Panel* RekordPanel2 = nullptr;
    QTableWidget* StringGrid1 = nullptr; // its header is row 0
    app::Panel* VPanel = nullptr;
    app::Panel* HPanel = nullptr;
    app::Panel* NederPanelen = nullptr;
    QPushButton* Sluta = nullptr;   // "Tillbaka &utan att spara - ESC"
    QPushButton* Button1 = nullptr; // "Tillbaka och &spara - Enter"
    // In Button1's place while another program holds the table's lock.
    QLabel* WaitLabel = nullptr;

    // How long saving waits for another computer's save, and how often it
    // looks again; tests shorten them. The window stays live meanwhile.
    core::LockOptions lockOptions;
    bool waiting() const { return m_retry.isActive(); }

    // The grid row of the new result (1..100, or 101 below the table); 0
    // when the table could not be read.
    int pendingRow() const { return m_pendingRow; }
    // The text of a cell by grid row (0 the header) and column.
    QString cell(int row, int column) const;
    // The first grid row in view below the header.
    int firstVisibleRow() const;

public slots:
    void Button1Click();
    void SlutaClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void layOut();
    void Tabell();
    void IniGrid(int row, const core::RecordEntry& entry);
    void failAndClose(const std::u8string& text);
    void trySave();
    void showWaiting(bool shown);

    core::AppState& m_state;
    app::Services& m_services;
    int m_pendingRow = 0;
    QTimer m_retry;
    std::chrono::milliseconds m_waited{0};
};

} // namespace glosbo::results
