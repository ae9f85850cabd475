#pragma once

#include <QDialog>
#include <QLabel>
#include <memory>
#include <string>

#include "app/read_aloud_button.h"
#include "app/services.h"
#include "app/shape.h"
#include "app/window_registry.h"
#include "core/app_state.h"
#include "core/read_aloud.h"

namespace glosbo::exercises {

class ExerciseFrame;

// Only makeExerciseWindow can make one: an exercise window is never built
// without its creation.
class CreationToken {
    CreationToken() = default;
    template <class W>
    friend std::unique_ptr<W> makeExerciseWindow(const app::WindowContext& context);
};

// The frame every exercise window has: a frameless dialog over the whole
// screen with the headline box and the instruction line, scaled by the scale
// percent. Windows without a question series derive from it directly; the
// series skeleton (ExerciseWindow) builds on it.
class ExerciseFrame : public QDialog {
    Q_OBJECT
public:
    ~ExerciseFrame() override;

    app::Shape* OverskriftYtterShape = nullptr;
    app::Shape* OverskriftInnerShape = nullptr;
    QLabel* Overs1Label = nullptr;
    QLabel* Overs2Label = nullptr;
    QLabel* Overs3Label = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    // "Läs upp" and F4: reads the shown question aloud.
    app::ReadAloudButton* LasUppButton = nullptr;

public slots:
    void RitaOverskriften(const std::string& line1, const std::string& line2,
                          const std::string& line3);

protected:
    ExerciseFrame(const app::WindowContext& context, const char* name, const char* title);

    // Scaling, the screen's size and the current program number: the first
    // steps of every creation.
    void prepareFrame();
    // The instruction line below the headline box, the headline drawn from
    // the heading lines and coloured by the run mode.
    void drawHeadline();
    // Holds every timer of the window while a sound is played to its end, so
    // that no timer runs the window's steps inside the wait.
    void playAndWait(const core::SoundRequest& request);

    int letterUnit() const { return m_state.screen.letterUnit(); }
    QSize screenSize() const { return m_screen; }
    int scalePercent() const { return m_state.screen.scalePercent(); }
    // Width in pixels of a Windows-1252 text in Arial bold at a point size.
    int textWidth(const std::string& text, int pointSize) const;

    // What "Läs upp" reads: the kind of the window, its instruction line
    // when shown, the current record and shownTexts().
    virtual core::ShownQuestion shownQuestion() const;
    // What the window shows beside its record, in the order shown (the
    // boxes, the scrambled items, the answers). By default the texts of the
    // visible labels below the headline, for the games and the windows
    // without a record.
    virtual std::vector<std::string> shownTexts() const;
    // Where the "Läs upp" button stands when the window shows: right of the
    // headline box, or in the bottom right corner when the window hides
    // that box.
    virtual void placeReadAloudButton();
    // A new question is up: what was read stops, and the question is read
    // when the settings say so.
    void questionShown();
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

    core::AppState& m_state;
    app::Services& m_services;

private:
    template <class W>
    friend std::unique_ptr<W> makeExerciseWindow(const app::WindowContext& context);

    // Creation in its order; called once, by makeExerciseWindow, when the
    // whole window exists. The frame alone draws its headline; a window on
    // the frame that sets up more overrides it and calls prepareFrame and
    // drawHeadline itself.
    virtual void FormCreate();
    void fitHeadline(int lines);

    QSize m_screen;
};

// Makes an exercise window of class W and runs its creation. Every exercise
// window is made here: the window catalogue and the tests.
template <class W> std::unique_ptr<W> makeExerciseWindow(const app::WindowContext& context) {
    auto window = std::make_unique<W>(CreationToken{}, context);
    static_cast<ExerciseFrame&>(*window).FormCreate();
    return window;
}

} // namespace glosbo::exercises
