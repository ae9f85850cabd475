#include "print/page_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace glosbo::app {

namespace {

constexpr double kMmPerInch = 25.4;
// Fonts are measured at this resolution; sizes in millimetres do not
// depend on it.
constexpr int kMeasureDpi = 1200;

QString text(std::string_view cp1252) {
    // Windows-1252 and Latin-1 differ only in 0x80..0x9F.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString s;
    s.reserve(qsizetype(cp1252.size()));
    for (const char c : cp1252) {
        const auto b = static_cast<unsigned char>(c);
        s.append(b >= 0x80 && b < 0xA0 ? QChar(kHigh[b - 0x80]) : QChar(b));
    }
    return s;
}

QFont qtFont(const core::PageFont& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPointSize(font.points);
    f.setBold(font.bold);
    return f;
}

// The font at the pixel size it has on a printer of kMeasureDpi.
QFontMetricsF measuring(const core::PageFont& font) {
    QFont f = qtFont(font);
    f.setPixelSize(int(std::lround(font.points * kMeasureDpi / 72.0)));
    return QFontMetricsF(f);
}

} // namespace

double PrinterMetrics::widthMm(std::string_view cp1252, const core::PageFont& font) const {
    return measuring(font).horizontalAdvance(text(cp1252)) * kMmPerInch / kMeasureDpi;
}

double PrinterMetrics::heightMm(std::string_view, const core::PageFont& font) const {
    return measuring(font).height() * kMmPerInch / kMeasureDpi;
}

void drawPage(QPainter& painter, const QRect& area, const core::Page& page) {
    // Whole device pixels, as the page is addressed in millimetres of A4.
    const double sx = area.width() / page.width();
    const double sy = area.height() / page.height();
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
        painter.drawText(QPointF(px(t.x), py(t.y) + ascent), text(t.text));
    }
    painter.restore();
}

static QPageLayout::Orientation orientationOf(const core::Page& page) {
    return page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool drawPages(QPagedPaintDevice& device, const std::vector<core::Page>& pages) {
    // The sheet is turned as the first page is laid out, before painting
    // starts, and again between pages where a page is laid out otherwise.
    if (!pages.empty()) device.setPageOrientation(orientationOf(pages.front()));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const int dpi = device.logicalDpiX();
    const double pixelsPerMm = dpi / kMmPerInch;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            if (orientationOf(pages[i]) != device.pageLayout().orientation())
                device.setPageOrientation(orientationOf(pages[i]));
            if (!device.newPage()) return false;
        }
        // A page is laid out on the whole sheet, but the painter's origin is
        // the corner of the printable area inside the printer's margins.
        const QPageLayout layout = device.pageLayout();
        const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
        const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
        const core::PageMargins& m = pages[i].frame;
        // The area the page keeps its text in: on the sheet where it was
        // laid out when the printer's margins leave room for it, else
        // shrunk as a whole, text and all, into the printable area, so
        // that every measured frame still holds its text.
        const QRectF frame(m.left, m.top, pages[i].width() - m.left - m.right,
                           pages[i].height() - m.top - m.bottom);
        const double scale =
            std::min({1.0, printable.width() / frame.width(), printable.height() / frame.height()});
        const double left = std::clamp(frame.left() - printable.left(), 0.0,
                                       std::max(0.0, printable.width() - frame.width() * scale));
        const double top = std::clamp(frame.top() - printable.top(), 0.0,
                                      std::max(0.0, printable.height() - frame.height() * scale));
        painter.save();
        painter.translate(left * pixelsPerMm, top * pixelsPerMm);
        painter.scale(scale, scale);
        const QRect sheet(int(std::lround(-frame.left() * pixelsPerMm)),
                          int(std::lround(-frame.top() * pixelsPerMm)),
                          int(std::lround(paper.width() * pixelsPerMm)),
                          int(std::lround(paper.height() * pixelsPerMm)));
        drawPage(painter, sheet, pages[i]);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(const QString& file, const std::vector<core::Page>& pages) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&out);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setCreator(QStringLiteral("Glosbo"));
    const bool drawn = drawPages(writer, pages);
    out.close();
    return drawn && out.error() == QFileDevice::NoError;
}

} // namespace glosbo::app
