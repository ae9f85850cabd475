#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "core/write_answer.h"
#include "exercises/exercise_window.h"

namespace glosbo::exercises {

// The write-the-answer window: a question of one or two lines and an input
// line; the pupil types the answer and presses Enter. Besides the skeleton
// it has help lines, the rule page, the letters exercises that build their
// own questions, the plural layout, the cipher instructions and the paste
// entries for letters a Swedish keyboard lacks.
class TSKRIV final : public ExerciseWindow {
    Q_OBJECT
public:
    TSKRIV(CreationToken, const app::WindowContext& context);

    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    QLabel* Label4 = nullptr; // "flera " in the plural layout
    QLabel* Label5 = nullptr; // the accepted answer, after a wrong answer
    QLabel* Label6 = nullptr; // help line 1
    QLabel* Label7 = nullptr; // help line 2
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn2 = nullptr; // "Hjälp" or "Regel"
    QPushButton* BitBtn3 = nullptr; // "Mer hjälp"
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Testlabel = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Klistrain1 = nullptr;
    QAction* Klistrain2 = nullptr;
    QAction* Klistrain3 = nullptr;

    int helpCount() const { return m_helpCount; }

public slots:
    void Edit1KeyPress(int key);
    void BitBtn2Click();
    void BitBtn3Click();
    void Memo1Click();
    void Klistrain1Click(QAction* entry);
    void NollaLabeller();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool buildRecord() override;
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Edit1; }
    std::string expectedAnswer() const override;
    QString typedAnswer() const override { return Edit1->text(); }
    bool offersCorrection() const override { return !m_program.letters; }
    bool showsPictureIn(core::RunMode runMode) const override;
    bool usesLamp() const override { return m_program.lamp; }
    void enableHelpButtons() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    core::TaskLines worksheetTask(std::string_view prefix) override {
        return core::writeAnswerTask(prefix, m_state.fields);
    }

private:
    void buildOwnComponents();
    void pasteLetter(const QString& letter);
    void focusInput();
    void layOutQuestionRow();

    core::WriteAnswerProgram m_program;
    int m_helpCount = 0;
    bool m_memoDismissed = false;
    QRect m_question1, m_question2, m_input, m_answer; // places before the plural layout
};

} // namespace glosbo::exercises
