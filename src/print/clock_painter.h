#pragma once

#include <QFont>
#include <QImage>

#include "core/clock.h"

class QPainter;

// The clock face of the clock exercise, drawn with Qt Gui alone: the window
// paints it and glosbo-data draws it for paper, the same way.
namespace glosbo::app {

// The numerals' font, a pixel height high.
QFont clockFont(int pixelHeight);
// The face of a record at a height, measured in that font.
core::ClockFace measuredClockFace(int recordNumber, int height);
// Paints the face with its top-left corner at the painter's origin.
void paintClock(QPainter& painter, const core::ClockFace& face);
// The face of a record on a (height + 8) x height picture.
QImage clockImage(int recordNumber, int height);

} // namespace glosbo::app
