#include "app/style.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace glosbo::app::style {

QFont arial(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

QFont arialBold(int pixelSize) {
    QFont font = arial(pixelSize);
    font.setBold(true);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    widget->setPalette(pal);
}

void setTextColor(QWidget* widget, const QColor& color, const QColor& background) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    pal.setColor(QPalette::Window, background);
    widget->setAutoFillBackground(true);
    widget->setPalette(pal);
}

QLabel* textLabel(QWidget* parent, const char* objectName, const QColor& color, int pixelSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFont(arialBold(pixelSize));
    label->setTextFormat(Qt::PlainText);
    setTextColor(label, color);
    label->hide();
    return label;
}

QPushButton* pushButton(QWidget* parent, const char* objectName, const QString& text, int pixelSize,
                        bool autoDefault) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFont(arialBold(pixelSize));
    button->setAutoDefault(autoDefault);
    return button;
}

QIcon lampIcon() {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    // The glass, and the screw base below it.
    p.setBrush(QColor(0xFF, 0xFF, 0xC0));
    p.drawEllipse(QRectF(8, 3, 32, 30));
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRectF(17, 33, 14, 10));
    p.drawLine(QPointF(17, 38), QPointF(31, 38));
    p.setPen(QPen(QColor(0xC0, 0x80, 0x00), 2));
    QPainterPath filament;
    filament.moveTo(19, 30);
    filament.lineTo(21, 18);
    filament.lineTo(24, 24);
    filament.lineTo(27, 18);
    filament.lineTo(29, 30);
    p.setBrush(Qt::NoBrush);
    p.drawPath(filament);
    return QIcon(pixmap);
}

} // namespace glosbo::app::style
