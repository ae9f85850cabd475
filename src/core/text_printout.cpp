#include "core/text_printout.h"

namespace glosbo::core {
namespace {

// The longest start of text that fits width: up to its last space when
// there is one, else as many characters as fit, at least one.
std::size_t fittingLength(const std::string& text, double width, const PageFont& font,
                          const PageMetrics& metrics) {
    std::size_t fits = 0;
    while (fits < text.size() && metrics.widthMm(text.substr(0, fits + 1), font) <= width)
        ++fits;
    if (fits == text.size()) return fits;
    const std::size_t space = text.rfind(' ', fits);
    if (space != std::string::npos && space > 0) return space;
    return fits == 0 ? 1 : fits;
}

// The pieces of a line that each fit between the margins.
std::vector<std::string> piecesOf(const std::string& text, double width, const PageFont& font,
                                  const PageMetrics& metrics) {
    std::vector<std::string> pieces;
    std::string rest = text;
    while (metrics.widthMm(rest, font) > width) {
        const std::size_t n = fittingLength(rest, width, font, metrics);
        pieces.push_back(rest.substr(0, n));
        const std::size_t next = rest.find_first_not_of(' ', n);
        rest = next == std::string::npos ? std::string() : rest.substr(next);
    }
    if (!rest.empty() || pieces.empty()) pieces.push_back(rest);
    return pieces;
}

} // namespace

std::vector<Page> layOutPrintedLines(const std::vector<PrintedLine>& lines, double left, double top,
                                     double continueTop, const PageMetrics& metrics) {
    const double x = printerPixelsToMm(left);
    const double width = Page::kWidth - 2 * x;
    const double bottom = Page::kHeight - x;
    std::vector<Page> pages(1);
    double y = printerPixelsToMm(top);
    for (const PrintedLine& line : lines) {
        const std::vector<std::string> pieces = piecesOf(line.text, width, line.font, metrics);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const double height = metrics.heightMm(pieces[i], line.font);
            if (y + height > bottom && !pages.back().texts.empty()) {
                pages.emplace_back();
                y = printerPixelsToMm(continueTop);
            }
            pages.back().text(x, y, pieces[i], line.font);
            const bool last = i + 1 == pieces.size();
            if (last && line.nextTop >= 0)
                y = printerPixelsToMm(line.nextTop);
            else
                y += height + (last ? printerPixelsToMm(line.gapAfter) : 0.0);
        }
    }
    return pages;
}

} // namespace glosbo::core
