#include "app/print_service.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <cmath>

#include "app/text_codec.h"

namespace glosbo::app {

namespace {

constexpr double kMmPerInch = 25.4;
// Fonts are measured at this resolution; sizes in millimetres do not
// depend on it.
constexpr int kMeasureDpi = 1200;

QFont qtFont(const core::PageFont& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPointSize(font.points);
    f.setBold(font.bold);
    return f;
}

void setUpA4(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

// The font at the pixel size it has on a printer of kMeasureDpi.
QFontMetricsF measuring(const core::PageFont& font) {
    QFont f = qtFont(font);
    f.setPixelSize(int(std::lround(font.points * kMeasureDpi / 72.0)));
    return QFontMetricsF(f);
}

} // namespace

double PrinterMetrics::widthMm(std::string_view cp1252, const core::PageFont& font) const {
    return measuring(font).horizontalAdvance(fromCp1252(cp1252)) * kMmPerInch / kMeasureDpi;
}

double PrinterMetrics::heightMm(std::string_view, const core::PageFont& font) const {
    return measuring(font).height() * kMmPerInch / kMeasureDpi;
}

void drawPage(QPainter& painter, const QRect& area, const core::Page& page) {
    // Whole device pixels, as the page is addressed in millimetres of A4.
    const double sx = area.width() / core::Page::kWidth;
    const double sy = area.height() / core::Page::kHeight;
    const auto px = [&](double mm) { return int(area.x() + std::lround(sx * mm)); };
    const auto py = [&](double mm) { return int(area.y() + std::lround(sy * mm)); };
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, int(std::lround(0.2 * sx))));
    painter.save();
    painter.setPen(pen);
    for (const core::PageLine& l : page.lines)
        painter.drawLine(px(l.x1), py(l.y1), px(l.x2), py(l.y2));
    for (const core::PageText& t : page.texts) {
        painter.setFont(qtFont(t.font));
        // y is the top of the text; Qt draws on the baseline.
        const double ascent = painter.fontMetrics().ascent();
        painter.drawText(QPointF(px(t.x), py(t.y) + ascent), fromCp1252(t.text));
    }
    painter.restore();
}

bool drawPages(QPrinter& printer, const std::vector<core::Page>& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        // The painter's origin is the paint rectangle's corner already.
        drawPage(painter, QRect(QPoint(0, 0), area.size()), pages[i]);
    }
    return painter.end();
}

bool QtPrintService::print(const std::vector<core::Page>& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpA4(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted || printer.copyCount() < 1) return false;
    return drawPages(printer, pages);
}

bool PdfPrintService::print(const std::vector<core::Page>& pages, QWidget*) {
    printed.push_back(pages);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_file);
    setUpA4(printer);
    return drawPages(printer, pages);
}

} // namespace glosbo::app
