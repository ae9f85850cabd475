#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>
#include <string>

#include "app/panel.h"

namespace glosbo::exercises {

// The picture of Sweden at the end of a series (BildPanelen): the picture
// (Image1) as large as its area allows without distortion, and its caption
// in a box (BildTextPanel, BildLabel) at the picture's left or right edge.
class FinishPicture final : public QWidget {
    Q_OBJECT
public:
    explicit FinishPicture(QWidget* parent);

    QLabel* Image1 = nullptr;
    app::Panel* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;

    // Shows the panel over area, the picture ending rise pixels above its
    // bottom, without a picture (no file, or pictures switched off).
    void showEmpty(const QRect& area, int rise);
    // The same with the picture of a file and its caption (Windows-1252);
    // the caption shows even when the file cannot be read. A caption
    // starting with "1" stands at the left edge without the "1", any other
    // at the right edge. m is the letter unit.
    void showPicture(const QRect& area, int rise, const std::string& file, std::string caption,
                     int m);
};

} // namespace glosbo::exercises
