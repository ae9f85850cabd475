#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "app/panel.h"
#include "core/reading.h"
#include "exercises/exercise_frame.h"

namespace glosbo::exercises {

// The reading gym: five short words in large letters, one under the other.
// The pupil reads them, may hear them said in the same order, and asks for
// five more. Nothing is judged. The window keeps its designed sizes on every
// screen.
class TLasLjud final : public ExerciseFrame {
    Q_OBJECT
public:
    TLasLjud(CreationToken, const app::WindowContext& context);

    app::Panel* OverskriftPanel2 = nullptr;
    QLabel* OverskriftLabel1 = nullptr;
    QLabel* OverskriftLabel2 = nullptr;
    std::array<app::Panel*, core::GymWords::kCount> OrdPanel{}; // OrdPanel1 .. OrdPanel5
    app::Panel* Panel1 = nullptr;
    QPushButton* FlerordButton = nullptr;
    QPushButton* LyssnaButton = nullptr;
    QPushButton* AvbrytButton = nullptr;

    const core::GymWords& words() const { return m_words; }
    // Shows the words of these records (NyPost draws them).
    void showRecords(const std::array<int, core::GymWords::kCount>& recordNumbers);

public slots:
    void NyPost();
    void FlerordButtonClick();
    void LyssnaButtonClick();
    void AvbrytButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate() override;
    void RitaOverskriften2();
    // Plays the sound of one record, to its end.
    void Ljudet(int recordNumber);

    core::GymWords m_words;
    int m_u = 0; // a 48th of the screen height
    int m_v = 0; // a 32nd of the screen width
};

} // namespace glosbo::exercises
