#pragma once

#include <QRect>
#include <functional>
#include <string>

class QWidget;

// Screen measures and the scaling that makes the windows, designed for a
// 640 x 480 screen, fill larger screens.
namespace glosbo::app {

// The area a maximised window gets on the primary screen. Windows take its
// size as the screen size when they lay themselves out.
QRect screenArea();

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
