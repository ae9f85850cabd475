#include "print/clock_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace glosbo::app {

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kLime{0x00, 0xFF, 0x00};
const QColor kRed{0xFF, 0x00, 0x00};

QPoint qt(core::ClockPoint p) {
    return {p.x, p.y};
}

void paintHand(QPainter& painter, core::ClockPoint centre, const core::ClockHand& hand,
               const QColor& colour) {
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon({qt(centre), qt(hand.tip), qt(hand.side1)}));
    painter.drawPolygon(QPolygon({qt(centre), qt(hand.tip), qt(hand.side2)}));
}

} // namespace

QFont clockFont(int pixelHeight) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPixelSize(std::max(pixelHeight, 1));
    return font;
}

core::ClockFace measuredClockFace(int recordNumber, int height) {
    const QFontMetrics metrics(clockFont(std::max(height, 1) / 12));
    return core::clockFace(recordNumber, height, [&metrics](int numeral) {
        const QString text = QString::number(numeral);
        return core::ClockTextSize{metrics.horizontalAdvance(text), metrics.height()};
    });
}

void paintClock(QPainter& painter, const core::ClockFace& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kAqua);
    painter.drawRect(2, 2, face.width - 3, face.height - 3);

    painter.setFont(clockFont(face.fontHeight));
    const QFontMetrics metrics(painter.font());
    for (int i = 1; i <= 12; ++i) {
        const core::ClockPoint corner = face.numerals[i];
        painter.drawText(QPoint(corner.x, corner.y + metrics.ascent()), QString::number(i));
    }

    paintHand(painter, face.centre, face.hourHand, kBlue);
    painter.setBrush(kLime);
    painter.drawEllipse(qt(face.dot), face.dotRadius, face.dotRadius);
    paintHand(painter, face.centre, face.minuteHand, kRed);
    painter.restore();
}

QImage clockImage(int recordNumber, int height) {
    const core::ClockFace face = measuredClockFace(recordNumber, height);
    QImage image(face.width, face.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintClock(painter, face);
    return image;
}

} // namespace glosbo::app
