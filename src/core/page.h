#pragma once

#include <string>
#include <string_view>
#include <vector>

// A printed page as the core lays it out: texts and straight lines placed in
// millimetres on an A4 sheet (210 × 297 mm, or 297 × 210 mm turned to
// landscape), origin at the top left. The print service maps millimetres
// onto the printer's page.
namespace glosbo::core {

struct PageFont {
    int points = 12;
    bool bold = false;
    std::string family = "Arial";

    bool operator==(const PageFont&) const = default;
};

struct PageText {
    double x = 0;     // left edge, mm
    double y = 0;     // top edge, mm
    std::string text; // Windows-1252
    PageFont font;
};

struct PageLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // mm
};

struct Page {
    static constexpr double kWidth = 210, kHeight = 297;
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    // Turned on its side: 297 mm wide and 210 mm high.
    bool landscape = false;

    double width() const { return landscape ? kHeight : kWidth; }
    double height() const { return landscape ? kWidth : kHeight; }

    void text(double x, double y, std::string_view text, const PageFont& font) {
        texts.push_back({x, y, std::string(text), font});
    }
    void line(double x1, double y1, double x2, double y2) { lines.push_back({x1, y1, x2, y2}); }
    // A rectangle drawn as four lines.
    void rectangle(double left, double top, double right, double bottom);
};

// Sizes of printed text in millimetres; the print service measures with the
// printer's fonts, tests with fixed numbers.
class PageMetrics {
public:
    virtual ~PageMetrics() = default;
    virtual double widthMm(std::string_view cp1252, const PageFont& font) const = 0;
    virtual double heightMm(std::string_view cp1252, const PageFont& font) const = 0;
};

} // namespace glosbo::core
