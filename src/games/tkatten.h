#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <optional>

#include "app/panel.h"
#include "core/odd_one_out.h"
#include "exercises/exercise_frame.h"
#include "exercises/praise_panel.h"

namespace glosbo::games {

// "Vad ska bort?": four words in four numbered boxes, one of which does not
// belong with the others. One to three players (named in TSpelNam) take
// turns; the first to 5 points wins, and later players one point behind get
// a last chance to draw level.
class Tkatten final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    Tkatten(exercises::CreationToken, const app::WindowContext& context);

    app::Panel* OverskriftPanel = nullptr;
    QLabel* OverskriftLabel = nullptr;
    std::array<app::Panel*, 4> KattPanel{}; // KattPanel1 .. KattPanel4
    std::array<QLabel*, 4> NummerLabel{};   // the box numbers
    std::array<QLabel*, 4> OrdLabel{};      // the words
    QLabel* KommentarLabel = nullptr;
    app::Panel* NamnPanel = nullptr;
    std::array<QLabel*, 3> NamnLabel{};         // the players' names
    std::array<app::Panel*, 3> PoangPanel{};    // the score bars
    std::array<app::Panel*, 3> PoangFyllning{}; // their aqua fill
    exercises::PraisePanel* LovordPanel = nullptr;
    app::Panel* KnappPanel = nullptr;
    QPushButton* Button1 = nullptr; // "&Fortsätta"
    QPushButton* Button2 = nullptr; // "&Nya namn"
    QPushButton* Button3 = nullptr; // "&Avbryta"
    QTimer* Timer1 = nullptr;

    const core::OddOneOutGame& game() const { return *m_game; }
    // The box (1..4) that shows the odd word.
    int rightBox() const { return m_rightBox; }
    bool boxesEnabled() const { return m_boxesEnabled; }

public slots:
    void NyPost();
    void RaettTest(int box);
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button3Click() { reject(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate() override;
    void layOut();
    void newGame();
    void RitaKattpaneler();
    void RitaNamnPanelen();
    void RitaLovord();
    void setBoxesEnabled(bool enabled);
    void pause();
    void showBar();
    void endGame();

    std::optional<core::OddOneOutGame> m_game;
    std::array<std::string, 4> m_words;
    std::string m_comment;
    int m_rightBox = 0;
    bool m_boxesEnabled = false;
    bool m_started = false;
    int m_ticks = 0;
    int m_h = 0; // a 32nd of the screen width
    int m_v = 0; // a 48th of the screen height
};

} // namespace glosbo::games
