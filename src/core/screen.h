#pragma once

#include <functional>
#include <utility>

namespace glosbo::core {

// The screen the windows fill, and the scale the main window measured for
// it. The main window measures it once at start; every other window lays
// itself out from it.
class Screen {
public:
    // The part of the screen a maximised window gets, in pixels.
    struct Area {
        int left = 0;
        int top = 0;
        int width = 640;
        int height = 480;
    };

    const Area& area() const { return m_area; }
    int width() const { return m_area.width; }
    int height() const { return m_area.height; }
    // How much the windows, designed for 640 x 480, are enlarged.
    int scalePercent() const { return m_scalePercent; }
    // The width of an "L" in the measuring font: the unit of the margins.
    int letterUnit() const {
        if (m_measureLetterUnit) {
            m_letterUnit = m_measureLetterUnit();
            m_measureLetterUnit = nullptr;
        }
        return m_letterUnit;
    }

    void setMeasured(Area area, int scalePercent, int letterUnit) {
        m_area = area;
        m_scalePercent = scalePercent;
        m_letterUnit = letterUnit;
        m_measureLetterUnit = nullptr;
    }
    // The same with the letter unit measured when it is first asked for:
    // measuring it loads a font that the main window does not show, and it
    // is first needed after the window is on the screen.
    void setMeasured(Area area, int scalePercent, std::function<int()> measureLetterUnit) {
        m_area = area;
        m_scalePercent = scalePercent;
        m_measureLetterUnit = std::move(measureLetterUnit);
    }

private:
    Area m_area;
    int m_scalePercent = 100;
    mutable int m_letterUnit = 8;
    mutable std::function<int()> m_measureLetterUnit;
};

} // namespace glosbo::core
