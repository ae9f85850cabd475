#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "app/panel.h"
#include "exercises/exercise_window.h"

namespace glosbo::exercises {

// The clock face of the clock exercise (PaintBox1): the time of the clock
// number in the shared state.
class ClockPaintBox final : public QWidget {
    Q_OBJECT
public:
    ClockPaintBox(const core::AppState& state, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const core::AppState& m_state;
};

// The clock: an analogue clock shows a time in five-minute steps and the
// pupil writes it in words. The skeleton with the warning lamp, a fixed
// headline instead of the file's, the clock beside it and an empty panel
// over the input at the end of a series.
class TKlockan final : public ExerciseWindow {
    Q_OBJECT
public:
    TKlockan(CreationToken, const app::WindowContext& context);

    ClockPaintBox* PaintBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* SvarsLabel = nullptr;      // the right answer after a wrong one
    QLabel* Testlabel = nullptr;       // hidden: field 2, the time in digits
    app::Panel* Bildpanelen = nullptr; // covers the input at the end of a series
    QTimer* Timer2 = nullptr;          // the answer display after the last question
    QMenu* PopupMenu1 = nullptr;

public slots:
    void Edit1KeyPress(int key);
    void PaintBox1Paint();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Edit1; }
    std::string expectedAnswer() const override;
    QString typedAnswer() const override;
    void coverQuestionArea(bool shown) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOwnComponents();
    void drawFixedHeadline();

    QFont m_headlineFont; // the headline's font, scaled
};

} // namespace glosbo::exercises
