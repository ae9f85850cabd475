#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/panel.h"
#include "core/verb_cycle.h"
#include "exercises/exercise_window.h"
#include "exercises/letter_paste.h"

namespace glosbo::exercises {

// The verb-form window: the verb in parentheses and "Jag"; the pupil writes
// the form of one tense after it. Right answers climb the screen as finished
// sentences, six of them end a cycle with a verdict. It has no progress
// strip, no correction round, no pictures and no praise file.
class TSKRIVHI final : public ExerciseWindow {
    Q_OBJECT
public:
    TSKRIVHI(CreationToken, const app::WindowContext& context);

    QLabel* Label1 = nullptr;      // "Jag"
    QLineEdit* Edit1 = nullptr;    // the form
    QLabel* FrageLabel1 = nullptr; // "(verb)"
    QLabel* Label2 = nullptr;      // the right form, after a wrong one
    app::Panel* Panel2 = nullptr;  // the verdict square beside the input
    // The squares of rows 1..6 (Panel3 .. Panel8).
    std::array<app::Panel*, core::VerbCycle::kRows> rowSquares{};
    // Rows 1..6: the sentence ("Jag " + form) and the verb in parentheses.
    std::array<QLabel*, core::VerbCycle::kRows> rowSentences{};
    std::array<QLabel*, core::VerbCycle::kRows> rowVerbs{};
    QLabel* SlutLabel = nullptr;
    QPushButton* BitBtn2 = nullptr; // "Regel"
    QPushButton* BitBtn3 = nullptr; // "Mer hjälp", never offered
    LetterPaste* letterPaste = nullptr;
    QMenu* PopupMenu1 = nullptr;

    const core::VerbCycle& cycle() const { return m_cycle; }
    int rowStep() const { return m_rowStep; }
    int baseLine() const { return m_baseLine; }
    // The top of row k (1..6).
    int rowTop(int row) const { return m_baseLine - row * m_rowStep; }

public slots:
    void Edit1KeyPress(int key);
    void Timer1Timer();
    void Button2Click();
    void BitBtn2Click();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool buildRecord() override;
    bool usableRecord(const core::RecordFields& fields) const override;
    void showQuestion() override;
    void showCorrectAnswer() override {}
    QWidget* answerInput() override { return Edit1; }
    std::string expectedAnswer() const override { return m_state.fields[2]; }
    QString typedAnswer() const override { return Edit1->text(); }
    bool offersCorrection() const override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    core::TaskLines worksheetTask(std::string_view prefix) override {
        return core::verbTask(prefix, m_state.fields);
    }
    // The verb sent to the worksheet is listed in the rows.
    void worksheetTaskAdded() override;

private:
    void buildOwnComponents();
    // The cycle starts again (FCreate).
    void restart();
    void endCycleOrPause(bool cycleOver);
    void showRow(int row, const std::string& verb, const std::string& form);
    void placeOnRow(int row);
    bool tenseProgram() const;

    core::VerbCycle m_cycle;
    int m_rowStep = 0;
    int m_baseLine = 0;
    int m_worksheetRow = 0;
    bool m_lampAtEnter = false;
    QString m_lastTyped;
};

} // namespace glosbo::exercises
