#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QWidget;

// Colours and fonts of the exercise windows.
namespace glosbo::exercises {

inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kYellow{0xFF, 0xFF, 0x00};
inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kGreen{0x00, 0x80, 0x00};
inline const QColor kLime{0x00, 0xFF, 0x00};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kTeal{0x00, 0x80, 0x80};

// Arial bold at a pixel size.
QFont arialBold(int pixelSize);
// Text colour of a label or input, on a transparent background.
void setTextColor(QWidget* widget, const QColor& color);
// A hidden label for the exercise's own texts: plain text (they are data,
// never markup), Arial bold at a pixel size, in a colour.
QLabel* textLabel(QWidget* parent, const char* objectName, const QColor& color, int pixelSize = 29);
// The picture on the warning-lamp button: an unlit bulb.
QIcon lampIcon();

} // namespace glosbo::exercises
