#include "core/manual.h"

namespace glosbo::core {

std::vector<std::string> manualLines(std::string_view fileBytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < fileBytes.size()) {
        std::size_t end = fileBytes.find('\n', start);
        if (end == std::string_view::npos) end = fileBytes.size();
        std::string_view line = fileBytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back("  " + std::string(line));
        start = end + 1;
    }
    return lines;
}

std::vector<Page> layOutManual(const std::vector<std::string>& lines, double firstTop,
                               const PageMetrics& metrics, const PageMargins& printer) {
    std::vector<Page> pages;
    if (lines.empty()) return pages;
    const PageFrame frame(printer);
    const PageFont font{12, false, "Arial"};
    // Every line advances by the height of one line of text, whatever it holds.
    const double advance = metrics.heightMm("Hej", font) + ManualLayout::kLineGap;
    const auto newPage = [&] {
        pages.emplace_back();
        const std::string number = std::to_string(pages.size());
        pages.back().text(frame.fitX(ManualLayout::kPageNumberX, metrics.widthMm(number, font)),
                          ManualLayout::kPageNumberY, number, font);
    };
    newPage();
    double y = firstTop;
    for (const std::string& line : lines) {
        for (const std::string& piece :
             piecesToFit(line, frame.width() - ManualLayout::kLeft, font, metrics)) {
            if (y > ManualLayout::kBottom) {
                newPage();
                y = ManualLayout::kContinueTop;
            }
            pages.back().text(ManualLayout::kLeft, y, piece, font);
            y += advance;
        }
    }
    frame.place(pages);
    return pages;
}

} // namespace glosbo::core
