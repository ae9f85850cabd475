#pragma once

#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "app/panel.h"
#include "exercises/exercise_window.h"

namespace glosbo::exercises {

// The picture questions: a large picture of a child's body or head at the
// left for as long as the window is open, and beside it typed questions
// about its numbered parts. The skeleton without lamp, help, finish picture,
// diagnosis or worksheets; at the end of a series an empty panel covers the
// question area.
class TBilden final : public ExerciseWindow {
    Q_OBJECT
public:
    TBilden(CreationToken, const app::WindowContext& context);

    QLabel* Image1 = nullptr;
    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* SvarsLabel = nullptr;
    QLabel* Testlabel = nullptr;
    app::Panel* Bildpanelen = nullptr; // the cover panel at the end of a series
    QTimer* Timer2 = nullptr;          // the answer display after the last question

public slots:
    void Edit1KeyPress(int key);

protected:
    void setUpProgram() override;
    void placeReadAloudButton() override;
    void placeQuestionControls() override;
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Edit1; }
    bool usesLamp() const override { return false; }
    void coverQuestionArea(bool shown) override;
    bool FormKeyUp(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOwnComponents();
    void loadPicture();
    int pixels(int designPixels) const { return designPixels * scalePercent() / 100; }

    std::string m_pictureFile;
    QRect m_pictureArea;
    int m_rowHeight = 0;
};

} // namespace glosbo::exercises
