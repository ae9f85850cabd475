#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <optional>

#include "app/panel.h"
#include "core/word_duel.h"
#include "exercises/exercise_frame.h"
#include "exercises/finish_picture.h"
#include "exercises/praise_panel.h"

namespace glosbo::games {

// The word duel: five words a turn, and the pupil tells how many of them
// belong to the game's word class. A right answer scores for the pupil, a
// wrong one gives the same points to the computer; the first to 20 wins.
class TFalska final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    TFalska(exercises::CreationToken, const app::WindowContext& context);

    static constexpr int kNameLength = 12;
    static constexpr int kSquares = 40;

    // The name entry.
    app::Panel* NamnPanel = nullptr;
    QLabel* NamnLabel1 = nullptr; // "Skriv ditt namn." and its later prompts
    QLabel* NamnLabel2 = nullptr; // "Tryck Enter."
    QLineEdit* Edit1 = nullptr;
    // The turn.
    std::array<QLabel*, 5> OrdLabel{};   // OrdLabel1 .. OrdLabel5
    std::array<QLabel*, 5> KlassLabel{}; // KlassLabel1 .. KlassLabel5
    QLabel* Instruktion2Label = nullptr;
    QWidget* SifferPanel = nullptr;
    std::array<QPushButton*, 6> SpeedButton{}; // SpeedButton1 .. SpeedButton6: "0" .. "5"
    QLabel* MarkorLabel = nullptr;             // the right number after a wrong answer
    // The score track.
    app::Panel* BanaYtterPanel = nullptr;
    app::Panel* BanaMittPanel = nullptr;
    app::Panel* BanaInnerPanel = nullptr;
    std::array<app::Panel*, kSquares> Ruta{}; // Ruta1 .. Ruta40 by tag
    QLabel* ElevLabel = nullptr;
    QLabel* DatornLabel = nullptr;
    // The end.
    exercises::FinishPicture* BildPanelen = nullptr;
    exercises::PraisePanel* LovordPanel = nullptr;
    app::Panel* KnappPanel = nullptr;
    QPushButton* Button3 = nullptr; // "&Fortsätta"
    QPushButton* Button4 = nullptr; // "&Avbryta"
    QPushButton* BitBtn1 = nullptr; // "&Inställningar"
    QTimer* Timer1 = nullptr;
    // Runs while the end text is new: the keys that would press a button
    // of the bar do nothing, so a key still pressed to end the wait does
    // not close the duel before its end can be read.
    QTimer* LasTimer = nullptr;

    const core::WordDuel& duel() const { return m_duel; }
    const std::optional<core::DuelTurn>& turn() const { return m_turn; }
    bool buttonsEnabled() const { return SpeedButton[0]->isEnabled(); }
    bool squareScored(int tag) const;

public slots:
    void Edit1KeyPress();
    void NyPost();
    void Kollasvar(int answer);
    void Timer1Timer();
    void Button3Click();
    void BitBtn1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate() override;
    void layOut();
    void Avslutning();
    void RitaOverskriften();
    void fitNames();
    void setButtonsEnabled(bool enabled);
    void colourSquares(int first, int last, bool scored);
    void showBar(QPushButton* focus);

    core::WordDuel m_duel;
    std::optional<core::DuelTurn> m_turn;
    std::string m_target;
    std::string m_name;
    int m_emptyNames = 0;
    bool m_named = false;
    bool m_answered = false;
    bool m_waiting = false;
    bool m_endAfterWait = false;
    int m_ticks = 0;
    int m_square = 0;     // square width
    int m_wordPixels = 0; // the words' size before any shrinking
    int m_namePixels = 0; // the names' size on the score track
};

} // namespace glosbo::games
