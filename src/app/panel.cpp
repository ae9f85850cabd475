#include "app/panel.h"

#include <QPainter>

namespace glosbo::app {

Panel::Panel(QWidget* parent) : QWidget(parent) {}

void Panel::setColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void Panel::setBevelWidth(int width) {
    m_bevelWidth = width;
    update();
}

void Panel::setLowered(bool lowered) {
    if (lowered == m_lowered) return;
    m_lowered = lowered;
    update();
}

void Panel::setSingleBorder(bool on) {
    m_singleBorder = on;
    update();
}

void Panel::setCaption(const QString& caption) {
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void Panel::setCaptionColor(const QColor& color) {
    m_captionColor = color;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_color);
    if (m_singleBorder) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    // Light above and left, shadow below and right: the panel stands out;
    // the other way round it looks pressed in.
    const QColor white(Qt::white);
    const QColor grey(0x80, 0x80, 0x80);
    const QColor& light = m_lowered ? grey : white;
    const QColor& shadow = m_lowered ? white : grey;
    for (int i = 0; i < m_bevelWidth; ++i) {
        p.setPen(light);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(shadow);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
    if (!m_caption.isEmpty()) {
        p.setPen(m_captionColor);
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter, m_caption);
    }
}

} // namespace glosbo::app
