#include "exercises/exercise_window.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

ExerciseWindow::ExerciseWindow(const app::WindowContext& context, const Skeleton& skeleton)
    : ExerciseFrame(context, skeleton.name, skeleton.title),
      m_series(context.state, skeleton.completion, skeleton.resume), m_skeleton(skeleton) {
    buildComponents();
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::FormCreate() {
    prepareFrame();
    DiagPanel1->layOutValues();
    if (m_skeleton.layout) Inled();
    setUpProgram();

    m_series.begin();
    m_firstQuestion = true;
    DiagPanel1->hide();

    const core::RunMode mode = m_state.runMode;
    if (worksheetMode()) {
        enterWorksheetMode();
    } else {
        InstruktionsLabel->show();
    }
    drawHeadline();
    placeQuestionControls();

    if (mode == core::RunMode::Practice) {
        NyStartaAster(true);
        lampknapp->setVisible(lampAvailable());
    } else if (m_series.showsDiagnosisBox()) {
        NyStartaAster(false);
        lampknapp->setVisible(lampAvailable() && mode != core::RunMode::DiagnosisTest);
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    if (!lampAvailable()) lampknapp->hide();
    if (m_skeleton.previewsKeys) previewKeys();
    if (m_skeleton.firstQuestion == FirstQuestion::AtCreation)
        NyPost();
    else
        introduce();
}

void ExerciseWindow::enterWorksheetMode() {
    if (QWidget* input = answerInput()) {
        input->setEnabled(false);
        input->setVisible(worksheetShowsInput());
    }
    buttonBar->hide();
    lampknapp->hide();
    Aster1->hide();
    InstruktionsLabel->hide();
    if (!m_skeleton.worksheetBar) return;
    worksheetBadge->showBadge(letterUnit());
    m_state.worksheets.startExercise();
    SkrivutHelaPanelen = new WorksheetBar(this, m_state.worksheets, m_services.printer);
    SkrivutHelaPanelen->layOut(buttonBar->geometry(),
                               OverskriftYtterShape->geometry().bottom() + letterUnit());
    SkrivutHelaPanelen->setRecordCount(
        m_state.files.file(m_state.files.currentFileIndex).recordCount);
    connect(SkrivutHelaPanelen, &WorksheetBar::nextQuestion, this, &ExerciseWindow::NyPost);
    connect(SkrivutHelaPanelen, &WorksheetBar::addShown, this,
            &ExerciseWindow::addShownToWorksheet);
    connect(SkrivutHelaPanelen, &WorksheetBar::addHeading, this,
            &ExerciseWindow::addWorksheetHeading);
    connect(SkrivutHelaPanelen, &WorksheetBar::leave, this, &ExerciseWindow::reject);
    SkrivutHelaPanelen->start();
}

core::WorksheetHeading ExerciseWindow::worksheetHeading() const {
    const core::Headings& headings = m_state.files.headings;
    return core::writeAnswerHeading(headings.lines, headings.worksheetInstruction,
                                    m_state.worksheets.title());
}

void ExerciseWindow::addWorksheetHeading() {
    if (m_state.worksheets.headingPending()) m_state.worksheets.addHeading(worksheetHeading());
}

void ExerciseWindow::addShownToWorksheet() {
    core::Worksheets& sheets = m_state.worksheets;
    const core::TaskLines task = worksheetTask(sheets.nextItemPrefix());
    if (task.questions.empty() && task.answers.empty()) return;
    sheets.add(worksheetHeading(), task);
    worksheetTaskAdded();
    NyPost();
}

bool ExerciseWindow::worksheetKey(int key) {
    if (!worksheetMode()) return false;
    if (key == Qt::Key_Escape) {
        // Esc is "Till &menyn", whichever bar is up.
        if (SkrivutHelaPanelen)
            SkrivutHelaPanelen->SkrivutAvbryt1ButtonClick();
        else
            reject();
        return true;
    }
    return SkrivutHelaPanelen && SkrivutHelaPanelen->countKey(key);
}

void ExerciseWindow::previewKeys() {
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
}

void ExerciseWindow::NyPost() {
    Timer1->stop();
    lastAnswerTimer->stop();
    m_pausedDisplay = nullptr;
    clearQuestion();
    buttonBar->hide();
    Button1->setEnabled(false);
    lampknapp->setEnabled(true);

    if (!buildRecord())
        m_series.fetchRecord([this](const core::RecordFields& f) { return usableRecord(f); });
    m_series.beginQuestion();

    const core::RunMode mode = m_state.runMode;
    if (mode != core::RunMode::Worksheet) {
        if (m_series.showsDiagnosisBox()) UppDateraDiagnosResultatet();
        lampknapp->setEnabled(core::allowsLamp(mode));
    }
    showQuestion();
    if (!worksheetMode()) openInput();
    m_firstQuestion = false;
    questionShown();
}

void ExerciseWindow::openInput() {
    QWidget* input = answerInput();
    if (!input || worksheetMode()) return;
    input->setEnabled(true);
    input->show();
    if (!m_firstQuestion) input->setFocus();
}

void ExerciseWindow::closeInput() {
    QWidget* input = answerInput();
    if (!input) return;
    // The focus leaves the input first, so that it does not pass to a
    // button that the next Enter or Space would press.
    if (input->hasFocus() || focusWidget() == input) input->clearFocus();
    input->setEnabled(false);
}

void ExerciseWindow::giveVerdict(bool right, bool queueable) {
    const core::Verdict verdict = m_series.judge(right, queueable);
    if (verdict.marksStrip && m_skeleton.strip) {
        const int square = verdict.answered > Aster1->maxAntalRutor() ? 0 : verdict.answered;
        Aster1->setRutNummer(square);
        if (!right) Aster1->setRatt(false);
        Aster1->setVisa(true);
        Aster1->update();
    }
    if (!right) showCorrectAnswer();
    if (m_series.showsDiagnosisBox()) showDiagnosisValues(verdict.answered);

    if (!verdict.seriesOver) {
        if (right)
            NyPost();
        else
            Timer1->start();
        return;
    }
    closeInput();
    lampknapp->setEnabled(false);
    Timer1->stop();
    if (right) {
        Avslutning();
    } else {
        if (m_skeleton.barDuringLastAnswer) {
            buttonBar->show();
            buttonBar->raise();
        }
        lastAnswerTimer->start();
    }
}

void ExerciseWindow::Timer1Timer() {
    if (m_series.tick() && m_series.running()) NyPost();
}

void ExerciseWindow::lastAnswerTimerTimer() {
    if (!m_series.tick()) return;
    lastAnswerTimer->stop();
    buttonBar->show();
    Avslutning();
}

bool ExerciseWindow::showsPictureIn(core::RunMode) const {
    return true;
}

void ExerciseWindow::Avslutning() {
    if (m_skeleton.endOfSeries) {
        if (m_skeleton.finishPicture)
            showFinishPicture();
        else
            coverQuestionArea(true);
    }
    const core::SeriesEnd end = m_series.finish();
    if (end.closeWindow) {
        m_leaving = true;
        accept();
        return;
    }
    if (end.diagnosisBoxToFront) DiagPanel1->raise();
    if (end.praise && m_skeleton.endOfSeries)
        RitaLovord((*end.praise)[0], (*end.praise)[1], (*end.praise)[2]);
    showButtonBar(end.correctionOffered && offersCorrection() && m_skeleton.endOfSeries);
}

void ExerciseWindow::showButtonBar(bool offerCorrection) {
    buttonBar->show();
    buttonBar->raise();
    Button1->setEnabled(offerCorrection);
    if (offerCorrection)
        Button1->setFocus();
    else
        Button2->setFocus();
}

void ExerciseWindow::NyStartaAster(bool on) {
    if (!on || !m_skeleton.strip) {
        Aster1->hide();
        return;
    }
    DiagPanel1->hide();
    Aster1->setRutNummer(0);
    Aster1->setMaxAntalRutor(std::min(m_series.length(), 255));
    Aster1->setVisa(true);
    Aster1->show();
    Aster1->update();
    Aster1->setStarta(true);
}

void ExerciseWindow::TestOverSkrift() {
    DiagPanel1->setHeading(
        core::TestOverSkrift(m_state.runMode, m_state.diagnosis.practiceCounter()));
}

void ExerciseWindow::UppDateraDiagnosResultatet() {
    showDiagnosisValues(m_series.questionNumber());
}

void ExerciseWindow::showDiagnosisValues(int questionNumber) {
    if (m_skeleton.diagnosisBox) DiagPanel1->showValues(questionNumber, m_series.correctCount());
}

void ExerciseWindow::RitaLovord(const std::string& w1, const std::string& w2,
                                const std::string& w3) {
    LovordPanel->RitaLovord(
        w1 + " " + w2 + " " + w3, letterUnit(),
        [this](const std::string& text, int points) { return textWidth(text, points); });
    buttonBar->raise();
}

void ExerciseWindow::showLampControls() {
    if (!lampAvailable() || !core::allowsLamp(m_state.runMode)) {
        lampknapp->hide();
        LampShape->hide();
        return;
    }
    lampknapp->setVisible(!m_series.lampOn());
    lampknapp->setEnabled(true);
    LampShape->setVisible(m_series.lampOn());
}

void ExerciseWindow::Button1Click() {
    if (BildPanelen) BildPanelen->hide();
    coverQuestionArea(false);
    if (m_series.startCorrectionRound()) {
        if (m_state.runMode == core::RunMode::Practice) LovordPanel->hide();
        NyStartaAster(true);
    }
    showLampControls();
    buttonBar->hide();
    BitBtn1->setEnabled(true);
    NyPost();
}

void ExerciseWindow::Button2Click() {
    if (m_pausedDisplay) {
        resumeAnswerDisplay();
        return;
    }
    buttonBar->hide();
    if (m_series.continueSeries()) {
        if (BildPanelen) BildPanelen->hide();
        coverQuestionArea(false);
        if (m_state.runMode == core::RunMode::Practice) LovordPanel->hide();
        if (m_series.showsDiagnosisBox()) UppDateraDiagnosResultatet();
        if (m_state.runMode == core::RunMode::Practice) {
            NyStartaAster(true);
        } else {
            NyStartaAster(false);
            TestOverSkrift();
        }
        NyPost();
    }
    openInput();
    if (QWidget* input = answerInput(); input && input->isEnabled()) input->setFocus();
    showLampControls();
    BitBtn1->setEnabled(true);
    enableHelpButtons();
}

void ExerciseWindow::Button3Click() {
    reject();
}

void ExerciseWindow::reject() {
    if (!m_leaving) {
        m_leaving = true;
        Timer1->stop();
        lastAnswerTimer->stop();
        m_series.leave();
        if (worksheetMode()) m_state.worksheets.endExercise();
        if (SkrivutHelaPanelen) SkrivutHelaPanelen->Utskrift->hide();
    }
    QDialog::reject();
}

void ExerciseWindow::BitBtn1Click() {
    if (worksheetMode()) return;
    const bool repeatShown = UpprepaButton->isVisibleTo(this);
    m_services.windows.open("TStallin", app::WindowContext{m_state, m_services, this});
    const bool repeat = repeatShown && m_state.settings.playsWords();
    UpprepaButton->setEnabled(repeat);
    UpprepaButton->setVisible(repeat);
    if (m_pausedDisplay) {
        resumeAnswerDisplay();
        return;
    }
    // Only a running series takes the pupil back to the input; after its end
    // the button bar stays.
    if (m_series.running()) {
        buttonBar->hide();
        openInput();
        if (QWidget* input = answerInput(); input && input->isEnabled()) input->setFocus();
    }
}

void ExerciseWindow::escapeFromInput() {
    LasUppButton->stop();
    if (pauseAnswerDisplay()) return;
    if (!m_series.running()) return;
    showButtonBar(m_series.correctionAvailable() && offersCorrection());
}

bool ExerciseWindow::pauseAnswerDisplay() {
    if (m_pausedDisplay) return true;
    QTimer* display = Timer1->isActive()            ? Timer1
                      : lastAnswerTimer->isActive() ? lastAnswerTimer
                                                    : nullptr;
    if (!display) return false;
    display->stop();
    m_pausedDisplay = display;
    // Within the series the bar offers what it offers after any Esc; after
    // the last question the end of the series, with its own offer, is
    // still to come.
    showButtonBar(display == Timer1 && m_series.correctionAvailable() && offersCorrection());
    return true;
}

void ExerciseWindow::resumeAnswerDisplay() {
    QTimer* display = m_pausedDisplay;
    m_pausedDisplay = nullptr;
    if (!(display == lastAnswerTimer && m_skeleton.barDuringLastAnswer)) buttonBar->hide();
    // No control keeps the keyboard: Space goes to the window and cuts the
    // display short, as before the pause.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    display->start();
}

void ExerciseWindow::LampknappClick() {
    m_series.setLamp(true);
    lampknapp->hide();
    LampShape->show();
    LampShape->raise();
    if (QWidget* input = answerInput(); input && input->isEnabled()) input->setFocus();
    updateLamp();
}

void ExerciseWindow::LampShapeMouseDown() {
    LampShape->hide();
    m_series.setLamp(false);
    lampknapp->show();
}

void ExerciseWindow::updateLamp() {
    if (!LampShape->isVisibleTo(this)) return;
    const bool green = m_state.GreenRedTest(app::toCp1252(typedAnswer()), expectedAnswer()) == 1;
    LampShape->setColor(green ? kLime : kRed);
}

bool ExerciseWindow::FormKeyUp(QKeyEvent*) {
    return false;
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event) {
    // Worksheet mode shows no input and no button bar, only the worksheet
    // bar.
    if (worksheetKey(event->key())) return;
    if (m_skeleton.previewsKeys && FormKeyUp(event)) return;
    switch (event->key()) {
    case Qt::Key_Space:
        if (Timer1->isActive() || lastAnswerTimer->isActive()) {
            m_series.skipDisplay();
            return;
        }
        break;
    case Qt::Key_Escape:
        // Esc is "Avbryta" only while the button bar is there.
        if (buttonBar->isVisible() && Button3->isEnabled()) Button3Click();
        return;
    default:
        break;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_skeleton.previewsKeys && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (worksheetKey(key->key())) return true;
        if (FormKeyUp(key)) return true;
    }
    return ExerciseFrame::eventFilter(watched, event);
}

void ExerciseWindow::showEvent(QShowEvent* event) {
    ExerciseFrame::showEvent(event);
    if (QWidget* input = answerInput(); input && input->isEnabled() && input->isVisible())
        input->setFocus();
}

} // namespace glosbo::exercises
