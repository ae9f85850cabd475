#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/page.h"

// The manual: its text as the window shows it, and its printout.
namespace glosbo::core {

// The lines of the manual file (Windows-1252), each with two spaces in
// front, as the manual window shows them. Line ends may be CR LF or LF.
std::vector<std::string> manualLines(std::string_view fileBytes);

// Where the printed manual stands on the page, in millimetres.
struct ManualLayout {
    static constexpr double kLeft = 15;
    static constexpr double kFirstTop = 10;    // the first page of the whole manual
    static constexpr double kSelectionTop = 5; // the first page of a selection
    static constexpr double kContinueTop = 4;  // every later page
    static constexpr double kBottom = 256;     // no line starts below this
    static constexpr double kPageNumberX = 200;
    static constexpr double kPageNumberY = 2;
    static constexpr double kLineGap = 1;
};

// Lays the lines out in Arial 12, the first page starting at firstTop, each
// page numbered at its top right. A line that would start below the bottom
// starts the next page instead, so every line is printed exactly once, the
// last included. A line too long for the page goes on in the lines below.
// No lines give no pages. printer: the printer's margins, none for a PDF.
std::vector<Page> layOutManual(const std::vector<std::string>& lines, double firstTop,
                               const PageMetrics& metrics, const PageMargins& printer = {});

} // namespace glosbo::core
