#pragma once

#include <QRect>
#include <functional>
#include <string>

#include "core/screen.h"

class QWidget;

// Screen measures and the scaling that makes the windows, designed for a
// 640 x 480 screen, fill larger screens.
namespace glosbo::app {

class TextMeasure;

// The area a maximised window gets on the primary screen, as the platform
// reports it. Only the main window asks; every other window reads the
// screen the main window measured from the state.
QRect screenArea();

// The screen of the state as a rectangle.
QRect screenRect(const core::Screen& screen);

// The pixel size of the main window's measuring label, whose letters are
// counted to find the scale.
constexpr int kMeasuringLabelPixels = 19;

// Measures a screen as the main window does at start: the scale percent
// from how many letters of the measuring label fill the area's width, and
// the letter unit from the width of an "L" at 12 points, measured when the
// screen is first asked for it (measure must live until then).
void measureScreen(core::Screen& screen, QRect area, const TextMeasure& measure);

// number * numerator / denominator, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator);

// How many letters "A" the measuring label needs before it is at least as
// wide as the screen. width gives the label's width for a caption. Returns
// 0 when the width never gets there (no usable font).
int lettersToFill(const std::function<int(const std::string&)>& width, int screenWidth);

// The scale percent of the screen from that letter count: 2 * (letters - 1),
// taken as 100 from 96 to 101 so that a screen near the design size is left
// alone. It never exceeds what the screen height allows for the design's
// height, so that a wide screen does not push the windows off its bottom. An
// unknown count (0) gives 100, and so does a
// single letter, which would shrink the windows to nothing.
int scalePercentFor(int letters, int screenHeight);

// Scales the positions, sizes and fonts of every widget inside window, and
// the window's own size and font, by percent / 100. Edges are scaled rather
// than sizes, so controls that touch keep touching.
void scaleWidgets(QWidget& window, int percent);

} // namespace glosbo::app
