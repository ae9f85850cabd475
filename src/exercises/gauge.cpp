#include "exercises/gauge.h"

#include <QPainter>
#include <algorithm>

namespace glosbo::exercises {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {}

void Gauge::setMaxValue(int max) {
    m_max = std::max(1, max);
    update();
}

void Gauge::setProgress(int progress) {
    m_progress = progress;
    setAccessibleDescription(QStringLiteral("%1 av %2").arg(progress).arg(m_max));
    update();
}

void Gauge::setColors(const QColor& back, const QColor& fore) {
    m_back = back;
    m_fore = fore;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, m_back);
    const int shown = std::clamp(m_progress, 0, m_max);
    const int filled = r.height() * shown / m_max;
    p.fillRect(QRect(r.left(), r.bottom() - filled + 1, r.width(), filled), m_fore);
    p.setPen(Qt::black);
    p.drawRect(r);
}

} // namespace glosbo::exercises
