#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <array>

#include "app/services.h"
#include "core/app_state.h"
#include "core/diagnosis_file.h"
#include "results/class_overview_model.h"

namespace glosbo::results {

// The teacher's overview of the class: every pupil of the diagnosis file
// with the result and status of each test, the pupils who passed each test
// and the tests each pupil passed. The file is read once when the window
// opens and never written. Enter shows the pupil's protocol, read-only; a
// heading or S sorts by its column; Esc closes.
class TKlass : public QDialog {
    Q_OBJECT
public:
    TKlass(core::AppState& state, app::Services& services, QWidget* parent = nullptr);

    QLabel* Label1;   // "Klassöversikt" and the number of pupils
    QLabel* FelLabel; // a missing or damaged file
    QTableView* KlassGrid;
    std::array<QLabel*, 4> StatusLabels; // the colours and letters of the statuses
    QLabel* HjalpLabel;
    QPushButton* SkrivutButton;
    QPushButton* StangButton;

    const ClassOverviewModel& model() const { return *m_model; }

public slots:
    // Sorts by a column: the first time up (names A to Ö, results and
    // passes lowest first), again the other way.
    void sortByColumn(int column);
    // The pupil of the current row in the protocol window, read-only.
    void openProtocol();
    void SkrivutButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void layOut();
    void showSortIndicator();

    core::AppState& m_state;
    app::Services& m_services;
    core::DiagnosisContents m_contents;
    ClassOverviewModel* m_model; // owned as a child
};

} // namespace glosbo::results
