#include "exercises/exercise_window.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/text_codec.h"
#include "exercises/style.h"

namespace glosbo::exercises {

ExerciseWindow::ExerciseWindow(core::AppState& state, app::Services& services,
                               core::CompletionRule rule, QWidget* parent, core::ResumeRule resume)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_services(services),
      m_series(state, rule, resume), m_screen(app::screenArea().size()) {
    buildComponents();
}

ExerciseWindow::~ExerciseWindow() = default;

int ExerciseWindow::textWidth(const std::string& text, int pointSize) const {
    return m_services.measure.width(text, pointSize);
}

void ExerciseWindow::FormCreate() {
    if (m_state.scalePercent != 100) app::scaleWidgets(*this, m_state.scalePercent);
    resize(m_screen);
    m_state.updateProgramNumber();
    Inled();
    setUpProgram();

    m_series.begin();
    m_firstQuestion = true;
    DiagPanel1->hide();

    const core::RunMode mode = m_state.runMode;
    if (worksheetMode()) {
        if (QWidget* input = answerInput()) {
            input->setEnabled(false);
            input->hide();
        }
        const QRect outer = SkrivutOverskriftShape1->geometry();
        const int m = letterUnit();
        SkrivutOverskriftShape2->setGeometry(outer.adjusted(m / 2, m / 2, -m / 2, -m / 2));
        SkrivutOverskriftLabel->setGeometry(SkrivutOverskriftShape2->geometry());
        SkrivutOverskriftShape1->show();
        SkrivutOverskriftShape2->show();
        SkrivutOverskriftLabel->show();
        SkrivutOverskriftLabel->raise();
        Panel1->hide();
        lampknapp->hide();
        Aster1->hide();
        InstruktionsLabel->hide();
    } else {
        InstruktionsLabel->show();
    }
    placeInstruction();
    placeQuestionControls();

    const core::Headings& h = m_state.files.headings;
    RitaOverskriften(h.lines[0], h.lines[1], h.lines[2]);

    OverskriftInnerShape->setBrushColor(mode == core::RunMode::Practice    ? kNavy
                                        : mode == core::RunMode::Worksheet ? kMaroon
                                                                           : kGreen);
    if (mode == core::RunMode::Practice) {
        NyStartaAster(true);
        lampknapp->setVisible(m_lampAvailable);
    } else if (m_series.showsDiagnosisBox()) {
        NyStartaAster(false);
        lampknapp->setVisible(m_lampAvailable && mode != core::RunMode::DiagnosisTest);
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    NyPost();
}

void ExerciseWindow::NyPost() {
    Timer1->stop();
    Timer3->stop();
    clearQuestion();
    Panel1->hide();
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
    if (verdict.marksStrip) {
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
    if (right)
        Avslutning();
    else
        Timer3->start();
}

void ExerciseWindow::Timer1Timer() {
    if (m_series.tick() && m_series.running()) NyPost();
}

void ExerciseWindow::Timer3Timer() {
    if (!m_series.tick()) return;
    Timer3->stop();
    Panel1->show();
    Avslutning();
}

bool ExerciseWindow::showsPictureIn(core::RunMode) const {
    return true;
}

void ExerciseWindow::Avslutning() {
    showFinishPicture();
    const core::SeriesEnd end = m_series.finish();
    if (end.closeWindow) {
        m_leaving = true;
        accept();
        return;
    }
    if (end.diagnosisBoxToFront) DiagPanel1->raise();
    if (end.praise) RitaLovord((*end.praise)[0], (*end.praise)[1], (*end.praise)[2]);
    showButtonBar(end.correctionOffered && offersCorrection());
}

void ExerciseWindow::showButtonBar(bool offerCorrection) {
    Panel1->show();
    Panel1->raise();
    Button1->setEnabled(offerCorrection);
    if (offerCorrection)
        Button1->setFocus();
    else
        Button2->setFocus();
}

void ExerciseWindow::NyStartaAster(bool on) {
    if (!on) {
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
    const auto heading = core::TestOverSkrift(m_state.runMode, m_state.practiceCounter);
    if (!heading) {
        DiagPanel2->hide();
        return;
    }
    DiagLabel1->setText(QString::fromStdString(*heading)); // UTF-8
    DiagPanel2->show();
}

void ExerciseWindow::UppDateraDiagnosResultatet() {
    showDiagnosisValues(m_series.questionNumber());
}

void ExerciseWindow::showDiagnosisValues(int questionNumber) {
    DiagPanel1->show();
    DiagLabel2->setText(QString::fromStdString(core::diagnosisQuestionText(questionNumber)));
    DiagLabel4->setText(QString::number(m_series.correctCount()));
}

void ExerciseWindow::showLampControls() {
    if (!m_lampAvailable || !core::allowsLamp(m_state.runMode)) {
        lampknapp->hide();
        LampShape->hide();
        return;
    }
    lampknapp->setVisible(!m_series.lampOn());
    lampknapp->setEnabled(true);
    LampShape->setVisible(m_series.lampOn());
}

void ExerciseWindow::Button1Click() {
    BildPanelen->hide();
    if (m_series.startCorrectionRound()) {
        if (m_state.runMode == core::RunMode::Practice) LovordPanel->hide();
        NyStartaAster(true);
    }
    showLampControls();
    Panel1->hide();
    BitBtn1->setEnabled(true);
    NyPost();
}

void ExerciseWindow::Button2Click() {
    Panel1->hide();
    if (m_series.continueSeries()) {
        BildPanelen->hide();
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
        Timer3->stop();
        m_series.leave();
    }
    QDialog::reject();
}

void ExerciseWindow::BitBtn1Click() {
    if (worksheetMode()) return;
    const bool repeatShown = UpprepaButton->isVisibleTo(this);
    m_services.windows.open("TStallin", app::WindowContext{m_state, m_services, this});
    const int sound = m_state.settings.soundMode;
    const bool repeat = repeatShown && (sound == 1 || sound == 3);
    UpprepaButton->setEnabled(repeat);
    UpprepaButton->setVisible(repeat);
    // Only a running series takes the pupil back to the input; after its end
    // the button bar stays.
    if (m_series.running()) {
        Panel1->hide();
        openInput();
        if (QWidget* input = answerInput(); input && input->isEnabled()) input->setFocus();
    }
}

void ExerciseWindow::escapeFromInput() {
    if (!m_series.running()) return;
    showButtonBar(m_series.correctionAvailable() && offersCorrection());
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

void ExerciseWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (Timer1->isActive() || Timer3->isActive()) {
            m_series.skipDisplay();
            return;
        }
        break;
    case Qt::Key_Escape:
        // Esc is "Avbryta" only while the button bar is there.
        if (Panel1->isVisible() && Button3->isEnabled()) Button3Click();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void ExerciseWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* input = answerInput(); input && input->isEnabled() && input->isVisible())
        input->setFocus();
}

} // namespace glosbo::exercises
