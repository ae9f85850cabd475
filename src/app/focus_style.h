#pragma once

#include <QProxyStyle>

namespace glosbo::app {

// The platform's style with a focus that shows: the push button that has
// the keyboard focus gets a navy frame inside its edge, so that a pupil
// working from the keyboard sees which button Enter or Space will press.
class FocusStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace glosbo::app
