#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <optional>
#include <vector>

#include "app/panel.h"
#include "core/reveal.h"
#include "exercises/exercise_frame.h"

namespace glosbo::games {

// "Avslöja": a short story with every word hidden behind asterisks. The
// pupil brings the words back, dragging them from a list onto their places
// or guessing them; three boxes show the share of right answers, how much of
// the story is found and the number of attempts.
class Tavsloj final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    Tavsloj(exercises::CreationToken, const app::WindowContext& context);

    static constexpr int kGuessLength = 20;

    QLabel* TitelSkugga = nullptr;
    QLabel* TitelLabel = nullptr;
    QWidget* VansterRegel = nullptr;
    QWidget* HogerRegel = nullptr;
    // The story.
    QWidget* StoryPanel = nullptr;
    std::array<QLabel*, core::RevealStory::kRows> NamnLabel{}; // NamnLabel1 .. NamnLabel7
    std::array<QLabel*, core::RevealStory::kSlots> Ord{};      // Ord1 .. Ord49
    // The story choice.
    app::Panel* ValPanel = nullptr;
    QLabel* ValLabel1 = nullptr;
    QLabel* ValLabel2 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // drag the words
    QRadioButton* RadioButton2 = nullptr; // guess them
    QPushButton* Button2 = nullptr;       // "&Avbryta"
    // Guessing.
    app::Panel* GissaPanel = nullptr;
    QLabel* GissaLabel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr; // "&Se historien" / "&Göm historien"
    // Dragging.
    QListWidget* ListBox1 = nullptr;
    // The statistics.
    std::array<app::Panel*, 3> StatPanel{};
    std::array<QLabel*, 3> StatRubrik{};
    std::array<QLabel*, 3> StatVarde{};

    const std::optional<core::RevealStory>& story() const { return m_story; }
    int storyCount() const { return int(m_stories.size()); }

public slots:
    void Resett();
    void ListBox2Click();
    void utruta(const QString& entry, int slot);
    void Textkoll();
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate() override;
    void letastorys();
    void UpdateInfo();
    void OrdnaLabels();
    void showSlots(bool words);
    void fillWordList();
    int scaled(int pixels) const;
    void layOut();

    std::vector<std::vector<std::string>> m_stories;
    std::optional<core::RevealStory> m_story;
    bool m_storyShown = false;
    double m_factor = 1.0; // screen pixels per designed pixel
};

} // namespace glosbo::games
