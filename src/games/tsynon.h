#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>

#include "app/panel.h"
#include "core/synonym_hunt.h"
#include "exercises/exercise_frame.h"
#include "exercises/finish_picture.h"

namespace glosbo::games {

// The word hunt against the clock ("Poet", "Skarva", "Synonym 1" and
// "Synonym 2"): a word is shown and the pupil types the words of its hidden
// list one by one. Six tasks make a game; a score above 0 may go into the
// records table of the exercise.
class TSynon final : public exercises::ExerciseFrame {
    Q_OBJECT
public:
    TSynon(exercises::CreationToken, const app::WindowContext& context);

    app::Panel* OverskriftPanel = nullptr;
    QLabel* OverskriftLabel = nullptr;
    QLabel* OrdLabel = nullptr; // the word of the task
    QLineEdit* Edit1 = nullptr; // the pupil's answers
    // The three count boxes, each a caption over a value.
    app::Panel* KvarPanel = nullptr; // "Återstår"
    QLabel* KvarLabel1 = nullptr;
    QLabel* KvarLabel2 = nullptr;
    app::Panel* UppgiftPanel = nullptr; // "Uppgift"
    QLabel* UppgiftLabel1 = nullptr;
    QLabel* UppgiftLabel2 = nullptr;
    app::Panel* PoengPanel = nullptr; // "Poäng"
    QLabel* PoengLabel1 = nullptr;
    QLabel* PoengLabel2 = nullptr;
    // The "Visa" box that shows and hides the list.
    app::Panel* SeListanPanel2 = nullptr;
    QLabel* SeListanLabel1 = nullptr;
    QLabel* SeListanLabel2 = nullptr;
    // The remaining words.
    app::Panel* ListPanel = nullptr;
    QLabel* ListLabel = nullptr; // "Återstående "
    QListWidget* ListBox1 = nullptr;
    exercises::FinishPicture* BildPanelen = nullptr;
    app::Panel* KnappPanel = nullptr;
    QPushButton* FortsattaButton = nullptr; // "&Fortsätta"
    QPushButton* SparaButton = nullptr;     // "&Resultattabell"
    QPushButton* AvslutaButton = nullptr;   // "&Avbryta"
    // The name for the records table over its backdrop.
    app::Panel* BakgrundPanel = nullptr;
    app::Panel* NamnPanel = nullptr;
    QLabel* NamnLabel1 = nullptr; // "Skriv ditt namn."
    QLabel* NamnLabel2 = nullptr; // "Tryck sedan Enter."
    QLineEdit* Edit2 = nullptr;

    const core::SynonymHunt& hunt() const { return m_hunt; }
    bool listShown() const { return m_listShown; }

public slots:
    void Nypost();
    void Edit1KeyPress();
    void VisaListan();
    void Button1Click(); // Esc
    void FortsattaButtonClick();
    void SparaButtonClick();
    void AvslutaButtonClick() { reject(); }
    void Edit2KeyPress();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate() override;
    void layOut();
    void TidMatning();
    void Avslutning();
    void UppGraderaRutorna();
    // Fills the list of remaining words, in Swedish alphabetical order.
    void showRemaining(std::vector<std::string> words);
    void fitCountBox(app::Panel* box, QLabel* caption, QLabel* value);
    void fitVisaBox();
    // A design size in points grown by the scale percent of the screen.
    int scaled(int points) const;
    void showBar();

    core::SynonymHunt m_hunt;
    bool m_started = false;
    bool m_listShown = false;
    bool m_entered = false; // the game's score went into the records table
    int m_h = 0;
    int m_v = 0;
};

} // namespace glosbo::games
