#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "app/panel.h"
#include "app/services.h"
#include "app/shape.h"
#include "app/taster.h"
#include "core/app_state.h"
#include "core/series.h"
#include "exercises/lamp.h"

namespace glosbo::exercises {

// The skeleton every exercise window shares: the headline box, the
// instruction line, the progress strip, the warning lamp, the button bar,
// the answer display after a wrong answer, the end of a series with its
// picture and praise, the correction round and the diagnosis box. The flow
// itself is core::Series; this class holds the widgets and wires them.
//
// A window derives from it, builds its own controls in its constructor and
// then calls FormCreate(), which lays the window out and asks the first
// question through the virtual hooks below.
class ExerciseWindow : public QDialog {
    Q_OBJECT
public:
    ~ExerciseWindow() override;

    core::Series& series() { return m_series; }

    // Components shared by the exercise windows, named as everywhere.
    app::Shape* OverskriftYtterShape = nullptr;
    app::Shape* OverskriftInnerShape = nullptr;
    QLabel* Overs1Label = nullptr;
    QLabel* Overs2Label = nullptr;
    QLabel* Overs3Label = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    app::TAster* Aster1 = nullptr;
    QToolButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;
    app::Panel* Panel1 = nullptr; // the button bar
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QWidget* BildPanelen = nullptr;
    QLabel* Image1 = nullptr;
    app::Panel* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;
    QWidget* LovordPanel = nullptr;
    app::Shape* LovordYttershape = nullptr;
    app::Shape* lovordinnershape = nullptr;
    QLabel* LovordLabel1 = nullptr;
    app::Panel* DiagPanel1 = nullptr;
    app::Panel* DiagPanel2 = nullptr;
    QLabel* DiagLabel1 = nullptr;
    QLabel* DiagLabel3 = nullptr;
    QLabel* DiagLabel5 = nullptr;
    app::Shape* DiagShape1 = nullptr; // holds the question number
    QLabel* DiagLabel2 = nullptr;
    app::Shape* DiagShape2 = nullptr; // holds the correct count
    QLabel* DiagLabel4 = nullptr;
    app::Shape* SkrivutOverskriftShape1 = nullptr;
    app::Shape* SkrivutOverskriftShape2 = nullptr;
    QLabel* SkrivutOverskriftLabel = nullptr;
    QPushButton* UpprepaButton = nullptr;
    QTimer* Timer1 = nullptr; // answer display during the series
    QTimer* Timer3 = nullptr; // answer display after the last question

public slots:
    void NyPost();
    void Avslutning();
    void NyStartaAster(bool on);
    void RitaOverskriften(const std::string& line1, const std::string& line2,
                          const std::string& line3);
    void RitaLovord(const std::string& w1, const std::string& w2, const std::string& w3);
    void TestOverSkrift();
    void UppDateraDiagnosResultatet();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();
    void Timer1Timer();
    void Timer3Timer();
    void LampknappClick();
    void LampShapeMouseDown();

protected:
    ExerciseWindow(core::AppState& state, app::Services& services, core::CompletionRule rule,
                   QWidget* parent, core::ResumeRule resume = core::ResumeRule::CountsRestart);

    // Creation in its order; the derived window calls it at the end of its
    // constructor, when its own controls exist at their designed places.
    void FormCreate();

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
    // The answer input of a text window, nullptr where there is none.
    virtual QWidget* answerInput() { return nullptr; }
    // The text the warning lamp checks the typing against.
    virtual std::string expectedAnswer() const { return {}; }
    virtual QString typedAnswer() const { return {}; }
    // Whether this exercise can ever offer a correction round.
    virtual bool offersCorrection() const { return true; }
    // Whether the finish picture shows in a run mode.
    virtual bool showsPictureIn(core::RunMode runMode) const;
    // The help buttons' enabled state after the button bar.
    virtual void enableHelpButtons() {}
    // How far the finish picture's panel reaches above the tenth of the
    // screen's 48 rows; the picture itself ends that much above the panel's
    // bottom.
    virtual int pictureRise() const { return letterUnit() / 2; }

    // The verdict on an answer the window has judged.
    void giveVerdict(bool right, bool queueable = true);
    // Esc in the input: the button bar while the series runs.
    void escapeFromInput();
    // The lamp follows the typing.
    void updateLamp();
    // Enables, shows and (after the first question) focuses the input.
    void openInput();
    void closeInput();

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

    bool worksheetMode() const { return m_state.runMode == core::RunMode::Worksheet; }
    int letterUnit() const { return m_state.letterUnit; }
    QSize screenSize() const { return m_screen; }
    // Width in pixels of a Windows-1252 text in Arial bold at a point size.
    int textWidth(const std::string& text, int pointSize) const;

    core::AppState& m_state;
    app::Services& m_services;
    core::Series m_series;
    bool m_firstQuestion = true;
    // Hidden for exercises that never use the lamp.
    bool m_lampAvailable = true;

private:
    void buildComponents();
    void Inled();
    void placeInstruction();
    void layOutButtonBar();
    void layOutDiagnosisBox();
    void showFinishPicture();
    void showButtonBar(bool offerCorrection);
    // Lamp button and lamp after a round or a new series.
    void showLampControls();
    void showDiagnosisValues(int questionNumber);
    void fitHeadline(int lines);

    QSize m_screen;
    bool m_leaving = false;
};

} // namespace glosbo::exercises
