#pragma once

#include <QFont>
#include <map>
#include <string_view>

#include "core/wrap.h"

namespace glosbo::app {

// The measuring label: widths of Windows-1252 texts in Arial bold, the font
// every layout of the program is measured in. Point sizes are converted at
// 96 dots per inch whatever the screen says, so that layouts do not change
// with the screen's resolution.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;

    virtual int widthPx(std::string_view cp1252, int pixelSize) const = 0;
    int width(std::string_view cp1252, int pointSize) const {
        return widthPx(cp1252, pixelsForPoints(pointSize));
    }
    // The width function the core's text wrapper takes.
    core::TextWidthFunction widthFunction() const;

    static int pixelsForPoints(int pointSize) { return (pointSize * 96 + 36) / 72; }
    // The measuring font at a pixel size.
    static QFont measuringFont(int pixelSize);
};

class FontTextMeasure final : public TextMeasure {
public:
    int widthPx(std::string_view cp1252, int pixelSize) const override;

private:
    mutable std::map<int, QFont> m_fonts;
};

} // namespace glosbo::app
