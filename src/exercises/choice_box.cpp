#include "exercises/choice_box.h"

#include <QMouseEvent>

namespace glosbo::exercises {

ChoiceBox::ChoiceBox(int number, QWidget* parent) : app::Panel(parent), m_number(number) {
    setColor(kColor);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ChoiceBox::setHighlighted(bool on) {
    setColor(on ? kPointedColor : kColor);
    setLowered(on);
}

void ChoiceBox::mouseMoveEvent(QMouseEvent* event) {
    emit pointed(m_number);
    app::Panel::mouseMoveEvent(event);
}

void ChoiceBox::enterEvent(QEnterEvent* event) {
    emit pointed(m_number);
    app::Panel::enterEvent(event);
}

void ChoiceBox::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    emit pressed(m_number, event->button());
    event->accept();
}

} // namespace glosbo::exercises
