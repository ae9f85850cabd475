#include "exercises/finish_picture.h"

#include <QPixmap>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

FinishPicture::FinishPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BildPanelen"));
    setAutoFillBackground(true);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Bild från Sverige"));
    Image1->setAlignment(Qt::AlignCenter);
    BildTextPanel = new app::Panel(this);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildTextPanel->setColor(kYellow);
    BildTextPanel->setSingleBorder(true);
    BildLabel = textLabel(BildTextPanel, "BildLabel", kNavy, 16);
    BildLabel->show();
    BildTextPanel->hide();
    hide();
}

void FinishPicture::showEmpty(const QRect& area, int rise) {
    setGeometry(area);
    Image1->setGeometry(0, 0, area.width(), area.height() - rise);
    show();
    raise();
    BildTextPanel->hide();
    Image1->hide();
}

void FinishPicture::showPicture(const QRect& area, int rise, const std::string& file,
                                std::string caption, int m) {
    showEmpty(area, rise);
    // The picture fills its area as far as it can without being distorted.
    const QSize size(width(), Image1->height());
    QRect shown(QPoint(0, 0), size);
    QPixmap picture;
    if (!file.empty()) picture.load(QString::fromStdString(file));
    if (!picture.isNull()) {
        const QPixmap scaled = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown = QRect(QPoint((size.width() - scaled.width()) / 2, 0), scaled.size());
        Image1->setPixmap(scaled);
        Image1->setGeometry(shown);
        Image1->show();
    }

    const bool atLeft = !caption.empty() && caption.front() == '1';
    if (atLeft) caption.erase(0, 1);
    if (caption.empty()) return;
    BildLabel->setText(app::fromCp1252(caption));
    BildLabel->adjustSize();
    const int boxWidth = BildLabel->width() + 2 * m;
    const int boxHeight = BildLabel->height() + m;
    BildTextPanel->setGeometry(atLeft ? shown.left() : shown.right() + 1 - boxWidth, shown.top(),
                               boxWidth, boxHeight);
    BildLabel->move(m, m / 2);
    BildTextPanel->show();
    BildTextPanel->raise();
}

} // namespace glosbo::exercises
