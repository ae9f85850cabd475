#include "app/text_measure.h"

#include <QFontMetrics>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::app {

core::TextWidthFunction TextMeasure::widthFunction() const {
    return [this](std::string_view text, int pointSize) { return width(text, pointSize); };
}

QFont TextMeasure::measuringFont(int pixelSize) {
    return style::arialBold(pixelSize);
}

int FontTextMeasure::widthPx(std::string_view cp1252, int pixelSize) const {
    auto it = m_fonts.find(pixelSize);
    if (it == m_fonts.end()) it = m_fonts.emplace(pixelSize, measuringFont(pixelSize)).first;
    return QFontMetrics(it->second).horizontalAdvance(fromCp1252(cp1252));
}

} // namespace glosbo::app
