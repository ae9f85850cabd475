#include "info/tflagga.h"

#include "app/bmp_image.h"
#include "app/style.h"

namespace glosbo::info {

const std::vector<QString>& TFlagga::lines() {
    static const std::vector<QString> kLines = {
        "Nationaldag 6 juni.",
        "De tre kronorna har sedan 1364 varit Sveriges märke.",
        "Flaggan kom till på 1500-talet. Den infördes officiellt 1906.",
        "Sverige har sedan 1600-talet liknats vid en mor för oss alla,",
        "Moder Svea. Här ses hon på en gammal sedel.",
        "Bredvid henne ligger Svea lejon.",
    };
    return kLines;
}

TFlagga::TFlagga(core::AppState& state, app::Services& services, QWidget* parent)
    : InfoPage(state, services, "TFlagga", "Sveriges flagga", app::style::kSilver, parent) {
    Label1 = makeLabel("Sveriges flagga", "Label1", 40, true, this);
    Label1->setAlignment(Qt::AlignCenter);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("Sveriges flagga");
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setAccessibleName("Moder Svea på en gammal sedel");
    Image3 = new QLabel(this);
    Image3->setObjectName("Image3");
    Image3->setAccessibleName("Tre kronor");
    // 14 point on a large screen, 12 on a small one.
    const int points = m_state.screen.scalePercent() >= 110 ? 14 : 12;
    for (std::size_t i = 0; i < lines().size(); ++i) {
        auto* label = new QLabel(lines()[i], this);
        label->setObjectName(QString("TextLabel%1").arg(i + 1));
        label->setFont(app::style::pointFont(points));
        label->setAlignment(Qt::AlignCenter);
        TextLabels.push_back(label);
    }
    Panel1 = new app::Panel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setColor(app::style::kSilver);
    Panel1->setBevelWidth(2);
    AvbrytButton = makeButton("&Avbryt", "AvbrytButton", Panel1);
    connect(AvbrytButton, &QPushButton::clicked, this, &TFlagga::reject);
    FormCreate();
}

void TFlagga::FormCreate() {
    const QRect area = screen();
    const int unit = m_state.screen.letterUnit();
    Label1->setGeometry(0, unit, area.width(), Label1->sizeHint().height());
    int y = Label1->geometry().bottom() + unit;

    const int lineHeight = TextLabels.front()->sizeHint().height();
    const int buttonHeight = AvbrytButton->height();
    const int textHeight = int(TextLabels.size()) * lineHeight;
    const int flagRoom = area.height() - y - textHeight - 3 * buttonHeight - 2 * unit;
    QImage flag = picture("/BILD/SV_FLAG.BMP");
    QRect flagRect(area.width() / 2, y, 0, 0);
    if (!flag.isNull() && flagRoom > 0) {
        flag = fitted(flag, QSize(area.width() / 2, flagRoom));
        flagRect = QRect((area.width() - flag.width()) / 2, y, flag.width(), flag.height());
        Image1->setPixmap(QPixmap::fromImage(flag));
        Image1->setGeometry(flagRect);
    } else {
        Image1->hide();
    }
    // Svea in the room left of the flag, the crowns in the room right of it,
    // both centred on the flag's height.
    const auto placeBeside = [&](QLabel* label, std::string_view file, int roomLeft,
                                 int roomWidth) {
        QImage image = picture(file);
        // Two letter units clear of the flag and of the screen's edge.
        if (image.isNull() || roomWidth < 6 * unit) {
            label->hide();
            return;
        }
        image = fitted(image, QSize(roomWidth - 4 * unit, std::max(flagRect.height(), 1)));
        label->setPixmap(QPixmap::fromImage(image));
        label->setGeometry(roomLeft + (roomWidth - image.width()) / 2,
                           flagRect.center().y() - image.height() / 2, image.width(),
                           image.height());
    };
    placeBeside(Image2, "/BILD/SVEA.BMP", 0, flagRect.left());
    placeBeside(Image3, "/BILD/TREKRONA.BMP", flagRect.right() + 1,
                area.width() - flagRect.right() - 1);

    y = std::max(flagRect.bottom(), y) + unit;
    for (QLabel* label : TextLabels) {
        label->setGeometry(0, y, area.width(), lineHeight);
        y += lineHeight;
    }
    const int panelWidth = AvbrytButton->width() + 2 * unit;
    Panel1->setGeometry((area.width() - panelWidth) / 2, area.height() - 2 * buttonHeight,
                        panelWidth, buttonHeight * 3 / 2);
    AvbrytButton->move(unit, buttonHeight / 4);
    AvbrytButton->setFocus();
}

} // namespace glosbo::info
