#include "app/shape.h"

#include <QPainter>
#include <algorithm>

namespace glosbo::app {

Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::setBrushColor(const QColor& color) {
    m_brush = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_brush);
    const qreal radius = std::min(width(), height()) / 4.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace glosbo::app
