#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>
#include <vector>

#include "app/panel.h"
#include "core/categories.h"
#include "exercises/choice_box.h"
#include "exercises/click_box_window.h"

namespace glosbo::exercises {

// The click-the-category window: a word or a sentence, perhaps with one part
// in green, and a row of category boxes; the pupil clicks the box of the
// category the item belongs to. After a wrong click the right box lights up
// and a sentence explains the answer. There is no text input: the window
// takes its keys itself (Esc, Space, F2, and the digits in "Hur många
// vokaler?") wherever the focus is, and a right click anywhere opens the
// button bar.
class TPassAkt final : public ClickBoxWindow {
    Q_OBJECT
public:
    TPassAkt(CreationToken, const app::WindowContext& context);

    QLabel* Label3 = nullptr;     // the item, or its line without the marked part
    QLabel* Label4 = nullptr;     // the text before the marked part
    QLabel* Label5 = nullptr;     // the marked part, green
    QLabel* Label6 = nullptr;     // the text after it
    QLabel* Label7 = nullptr;     // the explanation after a wrong click
    app::Panel* Panel1 = nullptr; // the row of boxes
    std::array<ChoiceBox*, core::kMostCategories> boxes{}; // Panel2 .. Panel8
    QLabel* templabel = nullptr;
    QLabel* EngLabel = nullptr;

    const std::vector<std::string>& categories() const { return m_categories; }

public slots:
    // A box chosen with a mouse button (Qt::LeftButton judges, Qt::RightButton
    // opens the button bar); box is 2..8 for Panel2..Panel8.
    void RaettTest(int box, Qt::MouseButton button);
    void PanelMouseMove(int box);

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    void clearQuestion() override;
    bool usableRecord(const core::RecordFields& fields) const override;
    void showQuestion() override;
    void showCorrectAnswer() override;
    QWidget* answerInput() override { return Panel1; }
    bool usesLamp() const override { return false; }
    bool hasRulePage() const override { return m_program.ruleButton; }
    bool chooseByKey(const QKeyEvent* event) override;
    bool showsPictureIn(core::RunMode runMode) const override;
    void enableHelpButtons() override;
    int pictureRise() const override { return letterUnit() / 3; }
    core::WorksheetHeading worksheetHeading() const override;
    bool worksheetShowsInput() const override { return true; }
    core::TaskLines worksheetTask(std::string_view prefix) override;

private:
    void buildOwnComponents();
    void highlightBox(int index);
    void showItem();
    void layOutBoxes();
    void showTranslation();
    int boxHeight() const;

    core::CategoryProgram m_program;
    std::vector<std::string> m_categories;
    int m_itemTop = 0;    // the first item line
    int m_lineHeight = 0; // of the item labels
};

} // namespace glosbo::exercises
