#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <vector>

#include "core/fill_in.h"
#include "exercises/exercise_window.h"
#include "exercises/letter_paste.h"

namespace glosbo::exercises {

// The fill-in window: a sentence in which one or two words are replaced by
// inputs; the pupil types each missing word and presses Enter, and each gap
// is judged on its own. Some exercises show a model sentence above the
// question, some speak the word, one shows its translation.
class TSkrivinf final : public ExerciseWindow {
    Q_OBJECT
public:
    TSkrivinf(CreationToken, const app::WindowContext& context);

    // The sentence pieces of the model and the question, in the order used.
    std::array<QLabel*, 11> sentenceLabels{}; // Label3 .. Label13
    QLabel* Label14 = nullptr;                // the word of gap 1, shown after it is judged
    QLabel* Label15 = nullptr;                // the word of gap 2
    QLabel* Label16 = nullptr;                // help text 1
    QLabel* Label17 = nullptr;                // help text 2
    QLabel* Label18 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* BitBtn2 = nullptr; // "Hjälp" or "Regel"
    QPushButton* BitBtn3 = nullptr; // "Hjälp 2", never offered by the question flow
    QPushButton* BitBtn4 = nullptr; // "Hjälp 3", never offered by the question flow
    QLabel* EngLabel = nullptr;
    LetterPaste* letterPaste = nullptr;
    QMenu* PopupMenu1 = nullptr;

    const core::FillInProgram& program() const { return m_program; }
    int questionGaps() const { return m_question.gaps; }
    int helpCount() const { return m_record.helpCount; }
    // The piece labels of the question in use, left to right, row by row.
    const std::vector<QLabel*>& questionPieces() const { return m_questionPieces; }
    // The piece labels of the model sentence in use.
    const std::vector<QLabel*>& modelPieces() const { return m_modelPieces; }
    // The piece that follows a gap on its row (nullptr when none).
    QLabel* pieceAfterGap(int gap) const { return m_after[gap - 1]; }

public slots:
    void Edit1KeyPress(int key);
    void Edit2KeyPress(int key);
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void UpprepaButtonClick();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool usableRecord(const core::RecordFields& fields) const override;
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override {}
    QWidget* answerInput() override { return input(m_currentInput); }
    std::string expectedAnswer() const override;
    QString typedAnswer() const override { return input(m_currentInput)->text(); }
    void enableHelpButtons() override;
    bool captionStaysLeft() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    core::TaskLines worksheetTask(std::string_view prefix) override;

private:
    void buildOwnComponents();
    QLineEdit* input(int gap) const { return gap == 2 ? Edit2 : Edit1; }
    QLabel* answerLabel(int gap) const { return gap == 2 ? Label15 : Label14; }
    void judgeGap(int gap);
    void escapeFrom(int gap);
    void markSquare(bool right);
    // Shows a word in the gap's place instead of its input.
    void reveal(int gap, const QString& word, const QColor& color);
    void showModel(const std::vector<std::string>& lines, int top);
    void showQuestionRows(const std::vector<std::string>& lines, int top);
    void showWorksheetQuestion(const std::array<std::string, 4>& lines);
    QLabel* nextPiece();
    // The rows of a sentence in the sentence font, as many as it needs.
    std::vector<std::string> wrap(const std::string& sentence) const;
    std::array<std::string, 4> wrapWorksheet(const std::string& sentence) const;
    // Places the model, the question rows and below them the buttons
    // (place), or only measures; true when the help texts still fit above
    // the bottom controls.
    bool layOutSentences(const std::vector<std::string>& model,
                         const std::vector<std::string>& question, bool place);
    void setSentencePixels(int pixels);
    int questionTop() const;
    // The lamp and help buttons in a row at top.
    void placeButtons(int top);
    void showTranslation();
    void layOutHelp();
    void focusCurrentInput();

    core::FillInProgram m_program;
    core::FillInRecord m_record;
    core::GapSentence m_question;
    int m_gapsAnswered = 0;
    int m_currentInput = 1;
    int m_nextHelp = 1;
    std::size_t m_piecesUsed = 0;
    std::vector<QLabel*> m_questionPieces;
    std::vector<QLabel*> m_modelPieces;
    // Piece labels beyond the named ones, for sentences of many rows.
    std::vector<QLabel*> m_extraPieces;
    std::array<QLabel*, 2> m_after{};
    int m_rowHeight = 0;
    int m_sentencePixels = 0; // the designed size, scaled
    int m_buttonHeight = 0;
    int m_helpTop = 0;
    int m_helpBottom = 0;
};

} // namespace glosbo::exercises
