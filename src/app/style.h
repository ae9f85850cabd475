#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QPushButton;
class QString;
class QWidget;

// Colours and fonts of every window of the program, so that a window never
// defines its own copy.
namespace glosbo::app::style {

inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kYellow{0xFF, 0xFF, 0x00};
inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kGreen{0x00, 0x80, 0x00};
inline const QColor kLime{0x00, 0xFF, 0x00};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kAqua{0x00, 0xFF, 0xFF};
// The face of buttons and of texts standing on the window.
inline const QColor kBtnFace{0xC0, 0xC0, 0xC0};
inline const QColor kTeal{0x00, 0x80, 0x80};
inline const QColor kPurple{0x80, 0x00, 0x80};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0x00, 0x00, 0x00};
// The statuses of a diagnosis test in the class overview: pale enough for
// black text, and told apart by their letter where colour is not seen.
inline const QColor kStatusStartColour{0xE4, 0xE4, 0xE4};    // Börja
inline const QColor kStatusWaitColour{0xFF, 0xE8, 0x80};     // Vänta
inline const QColor kStatusTestColour{0xA6, 0xE6, 0xA0};     // Testa
inline const QColor kStatusPractiseColour{0xFF, 0xB4, 0xA8}; // Öva

// Point sizes are converted at 96 dots per inch whatever the screen says,
// so that layouts do not change with the screen's resolution.
constexpr int pixelsForPoints(int pointSize) {
    return (pointSize * 96 + 36) / 72;
}

// Arial at a pixel size, plain.
QFont arial(int pixelSize);
// Arial bold at a pixel size: the font of nearly every text of the program.
QFont arialBold(int pixelSize);
// Arial bold at a point size.
inline QFont pointFont(int pointSize) {
    return arialBold(pixelsForPoints(pointSize));
}

// Text colour of a label or input, on a transparent background.
void setTextColor(QWidget* widget, const QColor& color);
// Text colour on a filled background.
void setTextColor(QWidget* widget, const QColor& color, const QColor& background);
// A hidden label for an exercise's own texts: plain text (they are data,
// never markup), Arial bold at a pixel size, in a colour.
QLabel* textLabel(QWidget* parent, const char* objectName, const QColor& color, int pixelSize = 29);
// A push button in Arial bold at a pixel size. With autoDefault, Enter
// presses it while it has the focus, as Space does.
QPushButton* pushButton(QWidget* parent, const char* objectName, const QString& text, int pixelSize,
                        bool autoDefault);
// The picture on the warning-lamp button: an unlit bulb.
QIcon lampIcon();

} // namespace glosbo::app::style
