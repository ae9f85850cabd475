#include "app/panel.h"

#include <QPainter>
#include <algorithm>

namespace glosbo::app {

Panel::Panel(QWidget* parent) : QWidget(parent) {}

Panel* namedPanel(QWidget* parent, const QString& objectName, const QColor& color) {
    auto* panel = new Panel(parent);
    panel->setObjectName(objectName);
    panel->setColor(color);
    return panel;
}

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
    // Each edge is a one-pixel band from (x1, y1) to (x2, y2), both ends
    // included, as a line of a one-pixel pen covers it; filled as a
    // rectangle it costs a fraction of what the line rasterizer does.
    const auto band = [&p](int x1, int y1, int x2, int y2, const QColor& colour) {
        p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                         QPoint(std::max(x1, x2), std::max(y1, y2))),
                   colour);
    };
    if (m_singleBorder) {
        if (r.width() + r.height() > 2) { // a panel of one pixel has none
            const QColor black(Qt::black);
            const int right = std::max(r.right(), r.left());
            const int bottom = std::max(r.bottom(), r.top());
            band(r.left(), r.top(), right, r.top(), black);
            band(r.left(), bottom, right, bottom, black);
            band(r.left(), r.top(), r.left(), bottom, black);
            band(right, r.top(), right, bottom, black);
        }
        r.adjust(1, 1, -1, -1);
    }
    // Light above and left, shadow below and right: the panel stands out;
    // the other way round it looks pressed in.
    const QColor white(Qt::white);
    const QColor grey(0x80, 0x80, 0x80);
    const QColor& light = m_lowered ? grey : white;
    const QColor& shadow = m_lowered ? white : grey;
    for (int i = 0; i < m_bevelWidth; ++i) {
        band(r.left(), r.top(), r.right() - 1, r.top(), light);
        band(r.left(), r.top(), r.left(), r.bottom() - 1, light);
        band(r.left(), r.bottom(), r.right(), r.bottom(), shadow);
        band(r.right(), r.top(), r.right(), r.bottom(), shadow);
        r.adjust(1, 1, -1, -1);
    }
    if (!m_caption.isEmpty()) {
        p.setPen(m_captionColor);
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter, m_caption);
    }
}

} // namespace glosbo::app
