#include "app/focus_style.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "app/style.h"

namespace glosbo::app {

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
    // Three pixels wide on any screen the buttons are big enough for, two on
    // small buttons.
    const int width = option->rect.height() >= 30 ? 3 : 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(style::kNavy, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = 2 + width / 2;
    painter->drawRect(option->rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter->restore();
}

} // namespace glosbo::app
