#pragma once

#include <string>
#include <vector>

#include "core/page.h"

// Plain lines of text printed down the page, as the crazy text and the
// pupil's own story are printed. Positions are given in printer pixels of a
// 300 dpi printer, from the printable area's corner (PageFrame), so that a
// printout looks the same on every printer.
namespace glosbo::core {

constexpr double kPrinterDpi = 300;

inline double printerPixelsToMm(double pixels) {
    return pixels * 25.4 / kPrinterDpi;
}

struct PrintedLine {
    std::string text; // Windows-1252
    PageFont font;
    // Space below the line before the next one, in printer pixels.
    double gapAfter = 0;
    // When set (not negative), the next line stands at this height instead.
    double nextTop = -1;
};

// Lays the lines out at left, the first at top, in the printable area of a
// printer with the given margins. A line that would pass the bottom margin
// (as wide as the left one) starts a new page at continueTop,
// and a line wider than the page between the margins is wrapped at its
// spaces (or, for a word longer than the line, inside the word), its
// pieces close together, so that no text is lost off the paper. No lines
// give one empty page. printer: the margins of the printer, none for a PDF.
std::vector<Page> layOutPrintedLines(const std::vector<PrintedLine>& lines, double left, double top,
                                     double continueTop, const PageMetrics& metrics,
                                     const PageMargins& printer = {});

} // namespace glosbo::core
