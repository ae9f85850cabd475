#pragma once

#include <QLabel>
#include <QPoint>
#include <array>
#include <optional>
#include <string>

#include "app/panel.h"
#include "app/shape.h"
#include "core/sentence_parts.h"
#include "exercises/exercise_window.h"
#include "exercises/gauge.h"
#include "exercises/lamp.h"

namespace glosbo::exercises {

// The sentence-parts window: a sentence with its parts in colour and a box
// for the role of each part below it. The pupil drags every coloured part
// onto the box of its role. Some programs climb through levels (three right
// sentences in a row lead one level up, a wrong one one level down) instead
// of asking a series.
//
// Dragging is the window's own: a part follows the pointer from the press to
// the release. From the keyboard, Tab goes from part to part, Space picks
// the part up, Left/Right or 1-5 choose a box, Enter drops it there and Esc
// puts it back.
class TSats final : public ExerciseWindow {
    Q_OBJECT
public:
    TSats(CreationToken, const app::WindowContext& context);

    static constexpr int kParts = core::kMostSentenceParts;

    // Mell1..Mell6 at [1..6]: the texts between the parts.
    std::array<QLabel*, 7> Mell{};
    // Men1..Men5 at [1..5]: the parts; Men6..Men10 at [6..10]: their black
    // copies, which stay in the sentence.
    std::array<QLabel*, 11> Men{};
    // Memo1..Memo5 at [1..5]: the boxes of the roles.
    std::array<app::Panel*, 6> Memo{};
    Lamp* Shape1 = nullptr;   // lime, or red after a wrong drop
    QLabel* Label3 = nullptr; // the hints
    QLabel* Label1 = nullptr; // one space: the hang of a text before a part
    app::Panel* FelPanel = nullptr;
    QWidget* NivPanel = nullptr; // the level box
    app::Shape* NivYtterShape = nullptr;
    app::Shape* NivInnerShape = nullptr;
    QLabel* NivLabel1 = nullptr;
    QLabel* NivLabel2 = nullptr;
    Gauge* Gauge1 = nullptr;

    bool levelMode() const { return m_levelMode; }
    const core::LevelClimb& climb() const { return m_climb; }
    const core::LevelFile& levelFile() const { return m_levels; }
    // The sentence shown; nothing when no record could be shown.
    const std::optional<core::Sentence>& sentence() const { return m_sentence; }
    // The part under the pointer or chosen with Tab, 0 for none.
    int currentPart() const { return m_current; }
    // The part being dragged or carried, 0 for none.
    int draggedPart() const { return m_dragPart; }
    // The box a carried part would be dropped on.
    int keyTarget() const { return m_keyTarget; }

public slots:
    // The pointer over part k (1..5) without a drag.
    void PartMouseMove(int part);
    // The left button down on part k: the drag begins.
    void PartMouseDown(int part, QPoint windowPos);
    // The dragged part dropped on box 1..5, or on no box (0): every drop
    // goes through here, by the mouse or by the keyboard.
    void dropOnBox(int box);
    // "Fortsätta": after the top of the levels, the climb starts again.
    void ContinueClick();

protected:
    void setUpProgram() override;
    void placeQuestionControls() override;
    bool buildRecord() override;
    bool usableRecord(const core::RecordFields& fields) const override;
    void clearQuestion() override;
    void showQuestion() override;
    void showCorrectAnswer() override {}
    bool usesLamp() const override { return false; }
    bool captionStaysLeft() const override { return true; }
    bool offersCorrection() const override { return !m_levelMode && !m_button1Gone; }
    bool FormKeyUp(QKeyEvent* event) override;
    core::WorksheetHeading worksheetHeading() const override;
    core::TaskLines worksheetTask(std::string_view prefix) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildOwnComponents();
    void layOutBoxes();
    void layOutLevelBox();
    void redrawLevelBox();
    void flowSentence();
    void showBoxes();
    void setBoxesEnabled(bool on);
    void showHint(std::optional<int> hint);
    void setPartBackground(int part, const QColor& color);
    void markCurrent(int part);
    // The box under a point of the window, 0 for none.
    int boxAt(QPoint windowPos) const;
    void dragMoveTo(QPoint windowPos);
    void returnPart(int part);
    // How far above its box a placed part stands.
    int aboveBox(const QLabel& part) const;
    void placePart(int part, int box);
    // A sentence with all its parts placed.
    void Avklarad();
    void pickUpByKey();
    void carryTo(int box);
    void tabToPart(int step);
    void openButtonBar();

    core::SentencePartsProgram m_program;
    bool m_levelMode = false;
    core::LevelFile m_levels;
    core::LevelClimb m_climb;
    std::optional<core::Sentence> m_sentence;
    core::DragHints m_hints;
    int m_current = 0;    // the part under the pointer
    int m_dragPart = 0;   // the part dragged or carried
    bool m_byKey = false; // carried by the keyboard
    int m_keyTarget = 0;
    int m_overBox = 0;              // the box the drag is over
    QPoint m_grab;                  // where in the part the pointer holds it
    std::array<QPoint, 6> m_home{}; // where each part stands when not dragged
    bool m_button1Gone = false;
    int m_labelHeight = 0;
    int m_rowTop = 0;
    int m_marginLeft = 0;
};

} // namespace glosbo::exercises
