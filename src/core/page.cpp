#include "core/page.h"

#include <algorithm>

namespace glosbo::core {

void Page::rectangle(double left, double top, double right, double bottom) {
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(right, bottom, left, bottom);
    line(left, bottom, left, top);
}

PageFrame::PageFrame(const PageMargins& printer)
    : m_margins{std::max(printer.left, kLeastMarginMm), std::max(printer.top, kLeastMarginMm),
                std::max(printer.right, kLeastMarginMm), std::max(printer.bottom, kLeastMarginMm)} {
}

void PageFrame::place(std::vector<Page>& pages) const {
    const auto x = [&](double mm) { return m_margins.left + mm; };
    const auto y = [&](double mm) { return m_margins.top + mm; };
    for (Page& page : pages) {
        for (PageText& t : page.texts) {
            t.x = x(t.x);
            t.y = y(t.y);
        }
        for (PageLine& l : page.lines)
            l = {x(l.x1), y(l.y1), x(l.x2), y(l.y2)};
        page.frame = m_margins;
    }
}

namespace {

// The longest start of text that fits width: up to its last space when
// there is one, else as many characters as fit, at least one.
std::size_t fittingLength(std::string_view text, double width, const PageFont& font,
                          const PageMetrics& metrics) {
    std::size_t fits = 0;
    while (fits < text.size() && metrics.widthMm(text.substr(0, fits + 1), font) <= width)
        ++fits;
    if (fits == text.size()) return fits;
    const std::size_t space = text.rfind(' ', fits);
    if (space != std::string_view::npos && space > 0) return space;
    return fits == 0 ? 1 : fits;
}

} // namespace

std::vector<std::string> piecesToFit(std::string_view text, double width, const PageFont& font,
                                     const PageMetrics& metrics) {
    std::vector<std::string> pieces;
    std::string_view rest = text;
    while (metrics.widthMm(rest, font) > width) {
        const std::size_t n = fittingLength(rest, width, font, metrics);
        pieces.emplace_back(rest.substr(0, n));
        const std::size_t next = rest.find_first_not_of(' ', n);
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
    }
    if (!rest.empty() || pieces.empty()) pieces.emplace_back(rest);
    return pieces;
}

} // namespace glosbo::core
