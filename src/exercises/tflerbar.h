#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>

#include "core/alternatives.h"
#include "exercises/choice_box.h"
#include "exercises/click_box_window.h"

namespace glosbo::exercises {

// The choose-the-alternative window: a sentence with a gap ("?") and a row
// of boxes with the words that may fill it. Pointing at a box previews its
// word in the gap; a click judges it at once. The words come from the
// record or from the marked words of the whole file. There is no text
// input: the window takes Esc, Space and F2 wherever the focus is, and a
// right click opens the button bar.
class TFLERBAR final : public ClickBoxWindow {
    Q_OBJECT
public:
    TFLERBAR(CreationToken, const app::WindowContext& context);

    QLabel* Label4 = nullptr;           // the text before the gap
    QLabel* Label5 = nullptr;           // the gap: "?" or the pointed word
    QLabel* Label6 = nullptr;           // the text after the gap
    QLabel* Label8 = nullptr;           // the other line of a two-line sentence
    QLabel* KorrektSvarLabel = nullptr; // the right word after a wrong choice
    QLabel* EfterdelLabel = nullptr;    // the text after the gap beside it
    QLabel* TestLabel = nullptr;        // hidden copy of the right word
    QLabel* EngLabel = nullptr;         // the spoken word translated
    QWidget* Panel1 = nullptr;          // the row of answer boxes
    std::array<ChoiceBox*, core::AlternativeWords::kShown> boxes{}; // Panel2 .. Panel10

    const core::AlternativeWords& words() const { return m_words; }
    int caseOffset() const { return m_caseOffset; }
    bool showingAnswer() const { return m_showingAnswer; }

public slots:
    // A box pressed: the left button judges its word, the right one pauses.
    // box is the box's number, 2 (Panel2) to 9 (Panel10).
    void RaettTest(int box, Qt::MouseButton button);
    // The pointer over a box: it lights up and its word fills the gap.
    void PanelMouseMove(int box);

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    void clearQuestion() override;
    void showQuestion() override;
    std::vector<std::string> shownTexts() const override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Panel1; }
    core::WorksheetHeading worksheetHeading() const override;
    bool worksheetShowsInput() const override { return true; }
    core::TaskLines worksheetTask(std::string_view prefix) override;
    bool usesLamp() const override { return false; }
    void enableHelpButtons() override;
    bool hasRulePage() const override { return m_program.ruleButton; }
    void afterRulePage() override;

private:
    void buildOwnComponents();
    void layOutSentence(int rowTop, const std::string& line);
    void layOutBoxes(int top);
    void placeAfterGap(QLabel* gap, QLabel* after);
    void showTranslation();
    int lineHeight() const;

    core::ChoiceProgram m_program;
    core::AlternativeWords m_words;
    int m_caseOffset = 0;
    std::string m_rightWord;
    bool m_showingAnswer = false;
    int m_left = 24;    // the sentence's left edge
    int m_rowLeft = 30; // the box row's
};

} // namespace glosbo::exercises
