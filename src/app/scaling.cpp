#include "app/scaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "app/text_measure.h"

namespace glosbo::app {
namespace {

// The 480 lines of the design screen and a little room, so that a window
// that uses the whole design height does not touch the bottom of the screen.
constexpr int kDesignHeight = 500;

void scaleFont(QWidget& widget, int percent) {
    if (!widget.testAttribute(Qt::WA_SetFont)) return; // inherits the scaled font of its parent
    QFont font = widget.font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, mulDiv(font.pixelSize(), percent, 100)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    widget.setFont(font);
}

} // namespace

QRect screenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

QRect screenRect(const core::Screen& screen) {
    const core::Screen::Area& a = screen.area();
    return QRect(a.left, a.top, a.width, a.height);
}

void measureScreen(core::Screen& screen, QRect area, const TextMeasure& measure) {
    const int letters = lettersToFill(
        [&](const std::string& caption) { return measure.widthPx(caption, kMeasuringLabelPixels); },
        area.width());
    screen.setMeasured({area.left(), area.top(), area.width(), area.height()},
                       scalePercentFor(letters, area.height()),
                       [&measure] { return measure.width("L", 12); });
}

int mulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::llabs(denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int lettersToFill(const std::function<int(const std::string&)>& width, int screenWidth) {
    // Every letter adds at least a pixel with a working font, so the count
    // can never legitimately pass the screen width. The width only grows
    // with the letters, so the first count that fills the screen is found
    // from the width of one letter and a step or two around that estimate,
    // rather than by measuring every caption from one letter up.
    const int limit = screenWidth + 1;
    if (limit < 1) return 0;
    const auto fills = [&](int n) {
        return width(std::string(std::size_t(n), 'A')) >= screenWidth;
    };
    const int one = width("A");
    int n = one > 0 ? std::clamp(screenWidth / one, 1, limit) : 1;
    if (fills(n)) {
        while (n > 1 && fills(n - 1))
            --n;
        return n;
    }
    while (n < limit)
        if (fills(++n)) return n;
    return 0;
}

int scalePercentFor(int letters, int screenHeight) {
    if (letters <= 1) return 100;
    int percent = 2 * (letters - 1);
    if (screenHeight > 0) percent = std::min(percent, screenHeight * 100 / kDesignHeight);
    if (percent >= 96 && percent <= 101) percent = 100;
    return percent;
}

void scaleWidgets(QWidget& window, int percent) {
    if (percent == 100 || percent <= 0) return;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow()) continue; // a window of its own scales itself
        const QRect g = child->geometry();
        const int left = mulDiv(g.left(), percent, 100);
        const int top = mulDiv(g.top(), percent, 100);
        const int right = mulDiv(g.left() + g.width(), percent, 100);
        const int bottom = mulDiv(g.top() + g.height(), percent, 100);
        child->setGeometry(left, top, right - left, bottom - top);
        scaleFont(*child, percent);
    }
    window.resize(mulDiv(window.width(), percent, 100), mulDiv(window.height(), percent, 100));
    scaleFont(window, percent);
}

} // namespace glosbo::app
