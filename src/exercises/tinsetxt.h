#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <string>
#include <vector>

#include "app/panel.h"
#include "core/reading.h"
#include "exercises/exercise_window.h"
#include "exercises/sentence_reader.h"

namespace glosbo::exercises {

// Read and answer: a question with two or three numbered answers; the pupil
// clicks an answer or types its digit. In the fables a reading text comes
// first, and the pupil can switch between the text and the questions at any
// time. There is no correction round: a wrong answer is shown and the
// series goes on.
class TInseTxt final : public ExerciseWindow {
    Q_OBJECT
public:
    TInseTxt(CreationToken, const app::WindowContext& context);

    static constexpr int kRows = 3;

    QLabel* FrageLabel1 = nullptr;                    // the question, or its second line
    QLabel* FrageLabel2 = nullptr;                    // the first line of a two-line question
    std::array<app::Panel*, kRows> NrPanel{};         // NrPanel1 .. NrPanel3
    std::array<app::Panel*, kRows> AlternativPanel{}; // AlternativPanel1 .. 3
    std::array<QLabel*, kRows> AltLabel{};            // AltLabel1 .. AltLabel3
    QLabel* RattSvarLabel = nullptr;
    QLineEdit* Edit1 = nullptr; // hidden; takes the digit keys
    QPushButton* SeTextButton = nullptr;
    app::Panel* TextPanel1 = nullptr;
    app::Panel* TextPanel2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    // "Läs upp" in the text: sentence by sentence.
    SentenceReader* sentenceReader = nullptr;
    // The button bar's buttons by their names here.
    QPushButton* Button1 = nullptr; // "Fortsätta"
    QPushButton* Button4 = nullptr; // "Avbryta"

    bool textShown() const { return m_textShown; }
    int rightRow() const { return m_rightRow; }
    int answers() const { return m_answers; }
    // The field shown in each row (2 is the right answer).
    const std::array<int, kRows>& order() const { return m_order; }

public slots:
    // A row chosen: the left button (or its digit) answers, the right one
    // pauses the series.
    void RaettTest(int row, Qt::MouseButton button);
    void SeTextButtonClick();
    void PointAt(int row);

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool usableRecord(const core::RecordFields& fields) const override {
        return core::answerCount(fields) >= 2;
    }
    void clearQuestion() override;
    void showQuestion() override;
    std::vector<std::string> shownTexts() const override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Edit1; }
    bool offersCorrection() const override { return false; }
    bool usesLamp() const override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildOwnComponents();
    void paintRows(int lit);
    bool rowsAnswer() const;
    void showTextView();
    void showQuestionView();
    void drawTextHeadline();
    void pause();
    // The question in one or two rows.
    std::vector<std::string> wrapQuestion(const std::string& question);

    core::ReadAndAnswerProgram m_program;
    std::array<int, kRows> m_order{2, 3, 4};
    int m_answers = 0;
    int m_rightRow = 1;
    bool m_showingAnswer = false;
    bool m_textShown = false;
    int m_questionPixels = 24; // the question's designed size, scaled
};

} // namespace glosbo::exercises
