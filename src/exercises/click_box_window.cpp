#include "exercises/click_box_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "app/style.h"

namespace glosbo::exercises {

using namespace app::style;

ClickBoxWindow::ClickBoxWindow(const app::WindowContext& context, const Skeleton& skeleton,
                               PauseRules rules)
    : ExerciseWindow(context, skeleton), m_rules(rules) {
    BitBtn2 = new QPushButton(QStringLiteral("&Regel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setFont(arialBold(14));
    BitBtn2->setGeometry(26, 380, 110, 32);
    BitBtn2->setAutoDefault(false);
    BitBtn2->hide();
    UpprepaButton->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &ClickBoxWindow::BitBtn2Click);
    connect(UpprepaButton, &QPushButton::clicked, this, &ClickBoxWindow::UpprepaButtonClick);
}

void ClickBoxWindow::pause(bool freezeBoxes) {
    // During the answer display the boxes stay as the display has them.
    if (pauseAnswerDisplay()) return;
    if (!series().running()) return;
    if (freezeBoxes) answerInput()->setEnabled(false);
    escapeFromInput();
}

void ClickBoxWindow::rightClickOnBox() {
    if (m_rules.rightClickLeavesTest && m_state.runMode == core::RunMode::DiagnosisTest) {
        Button3Click();
        return;
    }
    pause(false);
}

void ClickBoxWindow::UpprepaButtonClick() {
    wordSound->Ljudet();
}

void ClickBoxWindow::BitBtn2Click() {
    if (hasRulePage())
        m_services.windows.open("TRegelform", {m_state, m_services, this, m_state.programNumber});
    afterRulePage();
}

bool ClickBoxWindow::FormKeyUp(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (!Timer1->isActive() && !lastAnswerTimer->isActive()) return false;
        series().skipDisplay();
        return true;
    case Qt::Key_Escape:
        // The first Esc opens the button bar, the second leaves.
        if (buttonBar->isVisible())
            Button3Click();
        else if (m_rules.escFreezesBoxes)
            pause(true);
        else
            escapeFromInput();
        return true;
    case Qt::Key_F2:
        if (wordSound->soundExercise()) wordSound->Ljudet();
        return true;
    default:
        return chooseByKey(event);
    }
}

void ClickBoxWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (m_rules.rightClickLeavesTest && m_state.runMode == core::RunMode::DiagnosisTest) {
            Button3Click();
            return;
        }
        if (m_rules.rightClickFreezesBoxes) BitBtn2->setEnabled(false);
        pause(m_rules.rightClickFreezesBoxes);
        event->accept();
        return;
    }
    ExerciseWindow::mousePressEvent(event);
}

} // namespace glosbo::exercises
