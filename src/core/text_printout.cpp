#include "core/text_printout.h"

namespace glosbo::core {

std::vector<Page> layOutPrintedLines(const std::vector<PrintedLine>& lines, double left, double top,
                                     double continueTop, const PageMetrics& metrics,
                                     const PageMargins& printer) {
    const PageFrame frame(printer);
    const double x = printerPixelsToMm(left);
    const double width = frame.width() - 2 * x;
    const double bottom = frame.height() - x;
    std::vector<Page> pages(1);
    double y = printerPixelsToMm(top);
    for (const PrintedLine& line : lines) {
        const std::vector<std::string> pieces = piecesToFit(line.text, width, line.font, metrics);
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
    frame.place(pages);
    return pages;
}

} // namespace glosbo::core
