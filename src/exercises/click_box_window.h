#pragma once

#include <QPushButton>

#include "exercises/exercise_window.h"

namespace glosbo::exercises {

// What the clicking windows share: a row of boxes clicked with the mouse
// instead of a text input, keys taken wherever the focus is (Space ends the
// answer display, Esc pauses and a second Esc leaves, F2 says the word
// again), a right click that pauses, the "Regel" button and the repeated
// word.
class ClickBoxWindow : public ExerciseWindow {
    Q_OBJECT
public:
    QPushButton* BitBtn2 = nullptr; // "Regel"

public slots:
    void UpprepaButtonClick();
    void BitBtn2Click();

protected:
    // How a window pauses: whether Esc and a right click on the window
    // freeze the boxes until "Fortsätta", and whether a right click ends a
    // diagnosis test.
    struct PauseRules {
        bool escFreezesBoxes = false;
        bool rightClickFreezesBoxes = false;
        bool rightClickLeavesTest = false;
    };

    ClickBoxWindow(const app::WindowContext& context, const Skeleton& skeleton, PauseRules rules);

    // Whether "Regel" opens the rule page of the program.
    virtual bool hasRulePage() const = 0;
    // A box chosen with a key of the program (the digits of the vowel
    // count); false for keys the window leaves alone.
    virtual bool chooseByKey(const QKeyEvent*) { return false; }
    // After the rule page has closed.
    virtual void afterRulePage() {}

    // Esc or a right click during the series: the button bar over the
    // question, the boxes frozen when asked.
    void pause(bool freezeBoxes);
    // A right click on a box.
    void rightClickOnBox();

    bool FormKeyUp(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PauseRules m_rules;
};

} // namespace glosbo::exercises
