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
                               const PageMetrics& metrics) {
    std::vector<Page> pages;
    if (lines.empty()) return pages;
    const PageFont font{12, false, "Arial"};
    // Every line advances by the height of one line of text, whatever it holds.
    const double advance = metrics.heightMm("Hej", font) + ManualLayout::kLineGap;
    const auto newPage = [&] {
        pages.emplace_back();
        pages.back().text(ManualLayout::kPageNumberX, ManualLayout::kPageNumberY,
                          std::to_string(pages.size()), font);
    };
    newPage();
    double y = firstTop;
    for (const std::string& line : lines) {
        if (y > ManualLayout::kBottom) {
            newPage();
            y = ManualLayout::kContinueTop;
        }
        pages.back().text(ManualLayout::kLeft, y, line, font);
        y += advance;
    }
    return pages;
}

} // namespace glosbo::core
