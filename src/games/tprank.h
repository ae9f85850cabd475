#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <vector>

#include "app/panel.h"
#include "core/crazy_text.h"
#include "exercises/exercise_frame.h"

namespace glosbo::games {

// The crazy text: the pupil picks a story, writes adjectives, singular nouns
// and plural nouns without seeing it, and reads (and prints) the story with
// the words put into its gaps in a random order. Esc closes the window in
// every state.
class TPrank final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    TPrank(exercises::CreationToken, const app::WindowContext& context);

    // The story list.
    QWidget* HistoriePanel = nullptr;
    QLabel* ValjLabel = nullptr;
    QListWidget* ListBox1 = nullptr;
    // The word entry.
    QWidget* OrdPanel = nullptr;
    QLabel* FragaLabel = nullptr;
    std::array<QLabel*, core::CrazyText::kRows> OrdLabel{}; // OrdLabel1 .. OrdLabel10
    QLineEdit* Edit1 = nullptr;
    // The finished text.
    app::Panel* ResultatPanel = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "&Utskrift"
    QPushButton* Button2 = nullptr; // "&Ny historia"
    QPushButton* Button1 = nullptr; // "&Avbryt"

    // The round in progress; nothing while the story list shows.
    const std::optional<core::CrazyText>& round() const { return m_round; }
    // The lines of the finished text, as shown.
    const std::vector<std::string>& textLines() const { return m_lines; }

public slots:
    void ListBox1Click();
    void BitBtn1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate() override;
    void buildComponents();
    void layOut();
    bool AntalHistorier();
    void MataInOrd();
    void takeWord();
    void SettInOrd();
    void showStoryList();

    std::vector<core::CrazyStory> m_stories;
    std::optional<core::CrazyText> m_round;
    std::vector<std::string> m_lines;
    int m_rowStep = 0;
};

} // namespace glosbo::games
