#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/panel.h"
#include "core/dictation.h"
#include "exercises/exercise_window.h"
#include "exercises/paste_menu.h"

namespace glosbo::exercises {

// The dictation: the program says a word, flashes it on the screen for a
// moment, or both; the pupil types it and presses Enter. How the word is
// put is chosen with three buttons and holds for the next dictation too;
// the time a word is flashed is set per window in tenths of a second.
class TDiktam final : public ExerciseWindow {
    Q_OBJECT
public:
    TDiktam(CreationToken, const app::WindowContext& context);

    QLabel* FrageLabel1 = nullptr; // stay empty: the word is the question
    QLabel* FrageLabel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* BlinkLabel = nullptr; // the flashed word, above the input
    QLabel* Label5 = nullptr;     // the word, after a wrong answer
    QLabel* Label6 = nullptr;     // the help
    QLabel* EngLabel = nullptr;   // the word translated
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BaraHoraButton = nullptr;
    QPushButton* BaraseordetButton = nullptr;
    QPushButton* SeochHoraButton = nullptr;
    QLabel* SeIntervalLabel = nullptr;
    app::Panel* SeTidPanel = nullptr;
    QWidget* TidSpinButton = nullptr;
    QToolButton* TidSpinUp = nullptr;
    QToolButton* TidSpinDown = nullptr;
    QTimer* Timer3 = nullptr; // ends the flash
    QTimer* Timer5 = nullptr; // puts the word a moment after a new question
    QMenu* PopupMenu1 = nullptr;

    const core::DisplayTime& displayTime() const { return m_displayTime; }
    // The word sound of the current question: "S241007.WAV"; empty outside 1..999.
    std::string soundFileName() const;

public slots:
    void Edit1KeyPress(int key);
    void BitBtn2Click();
    void UpprepaButtonClick();
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void TidSpinButtonUpClick();
    void TidSpinButtonDownClick();
    void Timer3Timer();
    void Timer5Timer();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool usableRecord(const core::RecordFields& fields) const override {
        return !fields[1].empty();
    }
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Edit1; }
    std::string expectedAnswer() const override { return m_state.fields[1]; }
    QString typedAnswer() const override { return Edit1->text(); }
    void enableHelpButtons() override;
    bool captionStaysLeft() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOwnComponents();
    // Puts the word by the presentation: says it, flashes it, or both.
    void present();
    void playWord();
    void flash();
    void choosePresentation(core::Presentation presentation);
    // The presentation and its display-time controls, without the input.
    void showPresentation(core::Presentation presentation);
    // True when a word can be heard, or the pupil has been told it cannot;
    // the first time it cannot, says so and gives false.
    bool hearingPossible();
    void showDisplayTime();
    // The input back to the pupil, unless an answer or a flash is showing.
    void giveInputBack();
    bool showingAnswer() const;
    void placeWordRow();

    core::DisplayTime m_displayTime;
    int m_minimumInputWidth = 0;
    int m_ticks = 0;
    QRect m_inputPlace;
};

} // namespace glosbo::exercises
