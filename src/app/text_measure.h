#pragma once

#include <QFont>
#include <map>
#include <string_view>

#include "app/style.h"
#include "core/wrap.h"

namespace glosbo::app {

// The measuring label: widths of Windows-1252 texts in Arial bold, the font
// every layout of the program is measured in.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;

    virtual int widthPx(std::string_view cp1252, int pixelSize) const = 0;
    int width(std::string_view cp1252, int pointSize) const {
        return widthPx(cp1252, style::pixelsForPoints(pointSize));
    }
    // The width function the core's text wrapper takes.
    core::TextWidthFunction widthFunction() const;

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
