#pragma once

#include <QColor>

#include "app/panel.h"

namespace glosbo::exercises {

// One answer box of a row the pupil clicks: a light green panel with a
// raised bevel and a centred caption. The box under the pointer is yellow
// with a lowered bevel; the window decides which box that is, because it
// also highlights a box without any pointer (the first box of a new
// question, the right box after a wrong click).
class ChoiceBox : public app::Panel {
    Q_OBJECT
public:
    static inline const QColor kColor{0x80, 0xFF, 0x00}; // $00FF80
    static inline const QColor kPointedColor{0xFF, 0xFF, 0x00};

    // number: the box's number in its row, as the press handlers pass it on.
    explicit ChoiceBox(int number, QWidget* parent = nullptr);

    int number() const { return m_number; }
    bool highlighted() const { return lowered(); }
    // Yellow and lowered, or green and raised.
    void setHighlighted(bool on);

signals:
    // The pointer moved over the box.
    void pointed(int number);
    // A mouse button went down on the box.
    void pressed(int number, Qt::MouseButton button);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_number;
};

} // namespace glosbo::exercises
