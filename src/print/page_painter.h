#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "core/page.h"

class QPagedPaintDevice;
class QPainter;
class QRect;

// Drawing pages that the core laid out in millimetres, with Qt Gui alone, so
// that the command-line tool can write the same pages as PDF files.
namespace glosbo::app {

// Draws one page into area, its 210 × 297 millimetres (297 × 210 for a
// landscape page) stretched to the area's size.
void drawPage(QPainter& painter, const QRect& area, const core::Page& page);

// Draws pages on a paged device that has been set up (a printer or a PDF
// writer), one sheet a page, the A4 millimetres of a page on the whole
// sheet, turned as each page is laid out. When the device's margins are
// wider than those a page was laid out for, the page is shrunk into the
// printable area as a whole. False when painting cannot start.
bool drawPages(QPagedPaintDevice& device, const std::vector<core::Page>& pages);

// Writes the pages as an A4 PDF file. False when the file cannot be written.
bool writePdf(const QString& file, const std::vector<core::Page>& pages);

// Sizes of text in the printer fonts, in millimetres.
class PrinterMetrics final : public core::PageMetrics {
public:
    double widthMm(std::string_view cp1252, const core::PageFont& font) const override;
    double heightMm(std::string_view cp1252, const core::PageFont& font) const override;
};

} // namespace glosbo::app
