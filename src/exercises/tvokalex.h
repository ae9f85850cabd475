#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "app/panel.h"
#include "core/vowel_exam.h"
#include "exercises/exercise_frame.h"

namespace glosbo::exercises {

// The vowel exam: four steps answered with keys (how many vowels, the
// vowels, the soft ones, the hard ones), every wrong key counted, and a
// result table with a grade from 1 to 10. No data file: the questions are
// the exam's own. The window sees every key first (key preview).
class TVokalex final : public ExerciseFrame {
    Q_OBJECT
public:
    TVokalex(CreationToken, const app::WindowContext& context);

    core::VowelExam& exam() { return m_exam; }

    QLabel* InstruktionsLabel1 = nullptr;
    QLabel* InstruktionsLabel2 = nullptr;
    QLabel* KommentarLabel = nullptr;
    std::array<app::Panel*, 9> SPanel{}; // SPanel1 .. SPanel9
    app::Panel* Panel1 = nullptr;        // the button bar
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    app::Panel* ResultatPanelen = nullptr;
    app::Panel* ResultatPanel1 = nullptr;
    app::Panel* ResultatPanel2 = nullptr;
    QLabel* Lovordlabel = nullptr; // the comment under the grade
    QTimer* Timer1 = nullptr;

    // The result table's figures, by row (steps 1 to 4, then the sum).
    std::array<QLabel*, 5> answerLabels{};
    std::array<QLabel*, 5> idealLabels{};
    QLabel* maxGradeLabel = nullptr;
    QLabel* gradeLabel = nullptr;

public slots:
    void Nypost();
    void FormKeyPress(QKeyEvent* event);
    void Timer1Timer();
    void Resultat();
    void Button2Click();
    void Button3Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void FormCreate() override;
    void buildComponents();
    void Inled();
    void layOutResult();
    void showButtonBar();
    QLabel* resultLabel(const char* name, const QString& text);

    core::VowelExam m_exam;
    int m_ticks = 0;
    bool m_leaving = false;
    // The fixed texts of the result table.
    QLabel* m_heading = nullptr;
    QLabel* m_answersHead = nullptr;
    QLabel* m_givenHead = nullptr;
    QLabel* m_idealHead = nullptr;
    std::array<QLabel*, 5> m_rowTexts{};
    QLabel* m_maxGradeText = nullptr;
    QLabel* m_gradeText = nullptr;
};

} // namespace glosbo::exercises
