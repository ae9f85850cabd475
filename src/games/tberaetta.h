#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <vector>

#include "app/panel.h"
#include "core/story_writing.h"
#include "exercises/exercise_frame.h"

namespace glosbo::games {

// The pupil's own story: a three-line introduction chosen with PageUp and
// PageDown (or the arrow buttons), then line after line written below it,
// read, corrected and printed at the end. The window sees PageUp and
// PageDown first in every state; Esc closes it in every state.
class Tberaetta final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    Tberaetta(exercises::CreationToken, const app::WindowContext& context);

    app::Panel* RamPanel = nullptr; // the red frame
    QLabel* RubrikLabel = nullptr;  // "Berätta"
    // Choosing the introduction.
    app::Panel* InledningPanel = nullptr;
    QLabel* PageLabel = nullptr;
    QToolButton* SpeedButton1 = nullptr; // previous introduction
    QToolButton* SpeedButton2 = nullptr; // next introduction
    QLabel* InledningNrLabel = nullptr;
    QLabel* RaknareLabel = nullptr; // "1 of 16"
    QPushButton* Button1 = nullptr; // "&Avbryta"
    QPushButton* BitBtn1 = nullptr; // "OK"
    // The writing instructions over the introduction panel while writing.
    app::Panel* InstruktionPanel = nullptr;
    std::array<QLabel*, 3> InstruktionLabel{};
    // The three last lines, the introduction first.
    app::Panel* VisaPanel = nullptr;
    std::array<QLabel*, 4> Rad{}; // Rad1 .. Rad4
    QLineEdit* Edit1 = nullptr;
    // The finished story.
    app::Panel* ResultatPanel = nullptr;
    QLabel* ResultatRubrik = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn2 = nullptr; // "&Skriv ut"
    QPushButton* Button2 = nullptr; // "&Ny historia"
    QPushButton* Button3 = nullptr; // "&Avbryta"

    int introductionCount() const { return int(m_introductions.size()); }
    int currentIntroduction() const { return m_current; }

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void VisaStory();
    void BitBtn2Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate() override;
    void buildComponents();
    void layOut();
    bool FormKeyDown(QKeyEvent* event);
    void Edit1KeyPress();
    void showIntroduction();
    bool fitsDisplay(std::string_view text) const;

    std::vector<core::StoryIntroduction> m_introductions;
    int m_current = 1;
};

} // namespace glosbo::games
