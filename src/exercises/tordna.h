#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/panel.h"
#include "exercises/exercise_window.h"

namespace glosbo::exercises {

// The put-in-order window: a list of names in a scrambled order, which the
// pupil drags into the right order (alphabetical in the exercises that use
// it) and then judges with "Sorteringen klar". After a wrong answer the
// right order stands beside the pupil's for the answer display.
//
// Dragging is the window's own: a name pressed and moved past the drag
// distance follows to the name it is let go on. From the keyboard, Up and
// Down choose a name and Ctrl+Up / Ctrl+Down move it one place, as a drop
// does; Alt+K judges.
class TOrdna final : public ExerciseWindow {
    Q_OBJECT
public:
    TOrdna(CreationToken, const app::WindowContext& context);

    app::Panel* ListPanel1 = nullptr;
    QListWidget* ListBox1 = nullptr; // the pupil's order
    app::Panel* ListPanel2 = nullptr;
    QListWidget* ListBox2 = nullptr; // the right order, after a wrong answer
    QPushButton* KlarButton = nullptr;
    QPushButton* HjalpButton = nullptr;
    app::Panel* HjalpPanel = nullptr;
    QLabel* HjalpMemo = nullptr;

    // The names as the pupil's list shows them (Windows-1252).
    const std::vector<std::string>& shownOrder() const { return m_shown; }
    const std::vector<std::string>& rightOrder() const { return m_right; }
    // The name being dragged, -1 when none.
    int draggedIndex() const { return m_dragIndex; }

public slots:
    // The name at from let go on the name at to (-1: below the list or
    // outside it, where nothing changes). Every move goes through here.
    void dropName(int from, int to);
    // "Sorteringen klar".
    void RaettTest();
    void HjalpButtonClick();
    void HjalpMemoClick();

protected:
    void placeQuestionControls() override;
    bool usableRecord(const core::RecordFields& fields) const override;
    void showQuestion() override;
    std::vector<std::string> shownTexts() const override { return m_shown; }
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return ListBox1; }
    bool usesLamp() const override { return false; }
    bool captionStaysLeft() const override { return true; }
    void enableHelpButtons() override;
    bool FormKeyUp(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOwnComponents();
    void fillList(QListWidget* list, const std::vector<std::string>& items);
    void openSorting();

    std::vector<std::string> m_right;
    std::vector<std::string> m_shown;
    int m_pressIndex = -1; // the name under the press
    QPoint m_pressPos;
    int m_dragIndex = -1;
    int m_itemHeight = 29;
};

} // namespace glosbo::exercises
