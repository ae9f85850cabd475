#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <optional>

#include "app/panel.h"
#include "app/services.h"
#include "core/app_state.h"
#include "core/pending_results.h"

namespace glosbo::results {

// The diagnosis protocol of the pupil logged in: the 17 tests with their
// results, times and statuses. A row is started with Enter or a
// double-click: its test, or its practice when the status says "Öva", runs
// in its exercise window. Every reported result is shown and saved at once.
class Tdiaprot : public QDialog {
    Q_OBJECT
public:
    Tdiaprot(core::AppState& state, app::Services& services, QWidget* parent = nullptr);
    // A pupil's protocol for the teacher to look at: nothing is started or
    // saved, and the diagnosis of the session is left as it is.
    Tdiaprot(core::AppState& state, app::Services& services, const core::DiagnosisRecord& record,
             QWidget* parent = nullptr);

    bool readOnly() const { return m_readOnly.has_value(); }

    QLabel* Label1; // "Diagnosprotokoll för " + name
    QTableWidget* StringGrid1;
    app::Panel* EscapePanel;
    QPushButton* AvbrytButton;
    QPushButton* LosenButton;
    QPushButton* HjalpButton;
    QPushButton* SkrivutButton;
    app::Panel* Panel1; // the help box
    QLabel* HjalpLabel1;
    QLabel* HjalpLabel2;
    app::Panel* Panel2; // the info box
    QLabel* InfoLabel1;
    QLabel* InfoLabel2;

    // Where columns 1 to 4 begin on paper, in percent of the table width.
    const std::array<int, 4>& printColumnStarts() const { return m_printColumns; }

    void rita_prot();
    // Saves the pupil's record; false (and the user told) when it failed.
    bool SparaProtokoll();

public slots:
    void StringGrid1SelectCell(int row);
    void StringGrid1Start();
    void AvbrytButtonClick();
    void LosenButtonClick();
    void HjalpButtonClick();
    void SkrivutButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    Tdiaprot(core::AppState& state, app::Services& services,
             std::optional<core::DiagnosisRecord> readOnly, QWidget* parent);
    // The record shown: the session's, or the one given to look at.
    const core::DiagnosisRecord& record() const;
    int selectedRow() const;
    void setSelectedRow(int row);
    void FormCreate();
    void summa();
    void InfoText(int row);
    void UtseDiagProgram(int test);
    void UtseOvaProgram(int test);
    void openExercise(const char* file, const char* window);
    void selectRow(int row);
    core::PendingResults pendingResults() const;

    core::AppState& m_state;
    app::Services& m_services;
    std::array<int, 4> m_printColumns{};
    bool m_closing = false;
    std::optional<core::DiagnosisRecord> m_readOnly;
    int m_readOnlyRow = 0;
};

} // namespace glosbo::results
