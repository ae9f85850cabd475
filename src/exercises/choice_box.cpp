#include "exercises/choice_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace glosbo::exercises {

ChoiceBox::ChoiceBox(int number, QWidget* parent) : QWidget(parent), m_number(number) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ChoiceBox::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void ChoiceBox::setCaptionColor(const QColor& color) {
    m_captionColor = color;
    update();
}

void ChoiceBox::setHighlighted(bool on) {
    if (on == m_highlighted) return;
    m_highlighted = on;
    update();
}

void ChoiceBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_highlighted ? kPointedColor : kColor);
    // Raised: light above and left, shadow below and right; lowered the other
    // way round, so the pointed box looks pressed in.
    const QColor light(Qt::white);
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor& topLeft = m_highlighted ? shadow : light;
    const QColor& bottomRight = m_highlighted ? light : shadow;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.setPen(m_captionColor);
    p.setFont(font());
    p.drawText(r.adjusted(1, 1, -1, -1), Qt::AlignCenter, m_caption);
}

void ChoiceBox::mouseMoveEvent(QMouseEvent* event) {
    emit pointed(m_number);
    QWidget::mouseMoveEvent(event);
}

void ChoiceBox::enterEvent(QEnterEvent* event) {
    emit pointed(m_number);
    QWidget::enterEvent(event);
}

void ChoiceBox::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled()) return;
    emit pressed(m_number, event->button());
    event->accept();
}

} // namespace glosbo::exercises
