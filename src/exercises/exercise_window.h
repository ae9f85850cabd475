#pragma once

#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "app/panel.h"
#include "app/taster.h"
#include "core/series.h"
#include "exercises/diagnosis_box.h"
#include "exercises/exercise_frame.h"
#include "exercises/finish_picture.h"
#include "exercises/lamp.h"
#include "exercises/praise_panel.h"
#include "exercises/skeleton.h"
#include "exercises/tutskrift.h"
#include "exercises/word_sound.h"
#include "exercises/worksheet_badge.h"
#include "exercises/worksheet_bar.h"

namespace glosbo::exercises {

// The skeleton of the exercise windows that ask a series of questions: the
// progress strip, the warning lamp, the button bar, the answer display after
// a wrong answer, the end of a series with its picture and praise, the
// correction round and the diagnosis box, on the frame's headline. The flow
// itself is core::Series; this class holds the widgets and wires them.
//
// A window derives from it (as a final class), gives its Skeleton row to
// the constructor, builds its own controls in its constructor and answers
// the hooks below; makeExerciseWindow then runs FormCreate, which lays the
// window out and asks the first question.
class ExerciseWindow : public ExerciseFrame {
    Q_OBJECT
public:
    ~ExerciseWindow() override;

    core::Series& series() { return m_series; }
    const Skeleton& skeleton() const { return m_skeleton; }

    // Components shared by the exercise windows, named as everywhere; the
    // button bar and the last-answer timer by the window's Skeleton.
    app::TAster* Aster1 = nullptr;
    QToolButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;
    app::Panel* buttonBar = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    FinishPicture* BildPanelen = nullptr; // windows with a finish picture only
    PraisePanel* LovordPanel = nullptr;
    DiagnosisBox* DiagPanel1 = nullptr;
    WorksheetBadge* worksheetBadge = nullptr;
    WorksheetBar* SkrivutHelaPanelen = nullptr; // in worksheet mode only
    QPushButton* UpprepaButton = nullptr;
    QTimer* Timer1 = nullptr;          // answer display during the series
    QTimer* lastAnswerTimer = nullptr; // answer display after the last question
    WordSound* wordSound = nullptr;    // holds Timer5; windows with word sounds

public slots:
    void NyPost();
    void Avslutning();
    void NyStartaAster(bool on);
    void RitaLovord(const std::string& w1, const std::string& w2, const std::string& w3);
    void TestOverSkrift();
    void UppDateraDiagnosResultatet();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();
    void Timer1Timer();
    void lastAnswerTimerTimer();
    void LampknappClick();
    void LampShapeMouseDown();

protected:
    ExerciseWindow(const app::WindowContext& context, const Skeleton& skeleton);

    // Hooks of the window. Per-program flags and fonts, after the scaling.
    virtual void setUpProgram() {}
    // Places the question controls below the instruction line.
    virtual void placeQuestionControls() {}
    // Builds the record in the record fields instead of drawing one; false
    // for the windows that draw from their file.
    virtual bool buildRecord() { return false; }
    // Whether a drawn record can be asked; the next one is drawn otherwise.
    virtual bool usableRecord(const core::RecordFields&) const { return true; }
    // Empties and hides the help and extra controls of the last question.
    virtual void clearQuestion() {}
    // Shows the question of the record fields (and its help controls).
    virtual void showQuestion() = 0;
    // Shows the right answer after a wrong one.
    virtual void showCorrectAnswer() = 0;
    // The answer input of a text window, the box row of a clicking one.
    virtual QWidget* answerInput() { return nullptr; }
    // The text the warning lamp checks the typing against.
    virtual std::string expectedAnswer() const { return {}; }
    virtual QString typedAnswer() const { return {}; }
    // Whether this exercise can ever offer a correction round.
    virtual bool offersCorrection() const { return true; }
    // Whether the finish picture shows in a run mode.
    virtual bool showsPictureIn(core::RunMode runMode) const;
    // Whether every caption of the finish picture stands at its left edge,
    // not only those marked so.
    virtual bool captionStaysLeft() const { return false; }
    // Whether the program of the window uses the warning lamp at all.
    virtual bool usesLamp() const { return true; }
    // The help buttons' enabled state after the button bar.
    virtual void enableHelpButtons() {}
    // For windows with an introduction: shown after the headline, instead
    // of the first question; the window asks that itself with NyPost.
    virtual void introduce() {}
    // How far the finish picture's panel reaches above the tenth of the
    // screen's 48 rows; the picture itself ends that much above the panel's
    // bottom.
    virtual int pictureRise() const { return letterUnit() / 2; }
    // Windows without a finish picture: covers the question area at the end
    // of a series (true) and uncovers it for the next round (false).
    virtual void coverQuestionArea(bool) {}
    // Worksheet mode. The heading of the exercise: by default that of the
    // windows that write answers (heading lines, "$%" instruction).
    virtual core::WorksheetHeading worksheetHeading() const;
    // The lines the question shown adds to the worksheet, numbered with
    // prefix; a window without worksheet lines adds none.
    virtual core::TaskLines worksheetTask(std::string_view /*prefix*/) { return {}; }
    // Whether the answer input stays in sight, disabled, in worksheet mode
    // (the boxes of the choosing and clicking windows).
    virtual bool worksheetShowsInput() const { return false; }
    // After a task went into the worksheet, before the next question.
    virtual void worksheetTaskAdded() {}

    // A key the window takes before its focused control (windows that
    // preview keys). True when the key was used.
    virtual bool FormKeyUp(QKeyEvent* event);

    // The verdict on an answer the window has judged.
    void giveVerdict(bool right, bool queueable = true);
    // Esc in the input, or a pause: the button bar while the series runs.
    // During the answer display it pauses the display instead.
    void escapeFromInput();
    // Esc or a pause during the answer display: the display stops under the
    // button bar, and "Fortsätta" or the settings let it run on from where
    // it stood, so that the window comes back exactly as it was (the
    // answer still closed, the right answer still shown). False when no
    // answer was being shown.
    bool pauseAnswerDisplay();
    bool answerDisplayPaused() const { return m_pausedDisplay != nullptr; }
    // The bar's buttons of one size across it; a hidden "Rätta felen"
    // leaves no empty place.
    void layOutButtonBar();
    // The lamp follows the typing.
    void updateLamp();
    // Enables, shows and (after the first question) focuses the input.
    void openInput();
    void closeInput();

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

    bool worksheetMode() const { return m_state.runMode == core::RunMode::Worksheet; }
    bool lampAvailable() const { return m_skeleton.lamp && usesLamp(); }

    core::Series m_series;
    bool m_firstQuestion = true;

private:
    void FormCreate() override;
    void buildComponents();
    void Inled();
    void enterWorksheetMode();
    // Adds the exercise heading if pending, then the question shown, and
    // puts up the next question.
    void addShownToWorksheet();
    void addWorksheetHeading();
    // Up, Down and Esc of the worksheet bar; true when the key was used.
    bool worksheetKey(int key);
    void showFinishPicture();
    void showButtonBar(bool offerCorrection);
    // Lamp button and lamp after a round or a new series.
    void showLampControls();
    void showDiagnosisValues(int questionNumber);
    // Every focusable control passes its keys to FormKeyUp first.
    void previewKeys();

    // Lets a paused answer display run on; the bar goes.
    void resumeAnswerDisplay();

    Skeleton m_skeleton;
    bool m_leaving = false;
    // The display timer that a pause stopped.
    QTimer* m_pausedDisplay = nullptr;
};

} // namespace glosbo::exercises
