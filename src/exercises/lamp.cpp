#include "exercises/lamp.h"

#include <QMouseEvent>
#include <QPainter>

namespace glosbo::exercises {

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void Lamp::setColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_color);
    const int side = std::min(width(), height()) - 1;
    p.drawEllipse(QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}

void Lamp::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
    event->accept();
}

} // namespace glosbo::exercises
