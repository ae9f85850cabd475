#pragma once

#include <algorithm>
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

// The edges of the sheet a printer cannot print on, in millimetres.
struct PageMargins {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const PageMargins&) const = default;
};

struct Page {
    static constexpr double kWidth = 210, kHeight = 297;
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    // Turned on its side: 297 mm wide and 210 mm high.
    bool landscape = false;

    double width() const { return landscape ? kHeight : kWidth; }
    double height() const { return landscape ? kWidth : kHeight; }
    // The printable area the page was laid out in: its text stays inside.
    // A printer with wider margins gets the page shrunk to fit them.
    PageMargins frame;

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

// No text comes closer to an edge of the sheet than this, PDF files
// included: they are printed later, on printers that have margins.
inline constexpr double kLeastMarginMm = 5;

// Where a printout's places go on the sheet. A printout is laid out from
// the top left corner of the printable area, as on a printer's own page:
// the sheet less the printer's margins, each at least kLeastMarginMm. Its
// text stays inside that area, width() by height() millimetres.
class PageFrame {
public:
    explicit PageFrame(const PageMargins& printer = {});

    const PageMargins& margins() const { return m_margins; }
    double width() const { return Page::kWidth - m_margins.left - m_margins.right; }
    double height() const { return Page::kHeight - m_margins.top - m_margins.bottom; }
    // x such that a text of width w starting there ends inside the area,
    // but no further right than wanted.
    double fitX(double wanted, double w) const {
        return std::max(0.0, std::min(wanted, width() - w));
    }

    // Moves pages laid out in the printable area onto the sheet.
    void place(std::vector<Page>& pages) const;

private:
    PageMargins m_margins;
};

// The pieces of a line that each fit into width millimetres: broken at
// spaces, or inside a word longer than the width, the spaces at a break
// dropped. A line that fits is its one piece.
std::vector<std::string> piecesToFit(std::string_view text, double width, const PageFont& font,
                                     const PageMetrics& metrics);

} // namespace glosbo::core
