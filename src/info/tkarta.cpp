#include "info/tkarta.h"

#include <QFontMetrics>

#include "app/bmp_image.h"
#include "app/style.h"

namespace glosbo::info {

const std::vector<QString>& TKarta::facts() {
    // Figures of 2024 (Statistics Sweden, the Swedish church, the
    // government's pages on the national minorities).
    static const std::vector<QString> kFacts = {
        "Befolkning: 10,6 miljoner, de flesta i södra halvan.",
        "Yta: 450 000 km². Sverige är Europas femte största land.",
        "Från norr till söder är landet nästan 160 mil långt.",
        "Huvudstaden Stockholm har omkring en miljon invånare.",
        "Landet är indelat i 21 län. Se kartan.",
        "I länen finns 290 kommuner.",
        "Svenska kyrkan är indelad i 13 stift.",
        "Språk: svenska. Fem minoritetsspråk har ett särskilt skydd.",
        "Samerna är Sveriges urfolk. De har ett eget parlament, Sametinget.",
        "Minoriteter: judar, romer, samer, sverigefinnar och tornedalingar.",
        "Minoritetsspråk: finska, jiddisch, meänkieli, romani chib och samiska.",
    };
    return kFacts;
}

TKarta::TKarta(core::AppState& state, app::Services& services, QWidget* parent)
    : InfoPage(state, services, "TKarta", "Sverige", app::style::kSilver, parent) {
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("Karta över Sverige med länen");
    Label1 = makeLabel("Sverige", "Label1", 40, true, this);
    Label1->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 0; i < facts().size(); ++i) {
        QLabel* label = makeLabel(facts()[i], "", 19, false, this);
        label->setObjectName(QString("FactLabel%1").arg(i + 1));
        label->setWordWrap(true);
        FactLabels.push_back(label);
    }
    Panel1 = new app::Panel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setColor(app::style::kSilver);
    Panel1->setBevelWidth(2);
    AvbrytButton = makeButton("&Avbryt", "AvbrytButton", Panel1);
    connect(AvbrytButton, &QPushButton::clicked, this, &TKarta::reject);
    FormCreate();
}

void TKarta::FormCreate() {
    const QRect area = screen();
    const int unit = m_state.screen.letterUnit();
    // The map as tall as the screen, less room for the button row.
    const int mapHeight = area.height() - unit;
    QImage map = picture("/BILD/SVEMAP.BMP");
    int mapWidth = 0;
    if (!map.isNull()) {
        map = fitted(map, QSize(area.width() / 2, mapHeight));
        mapWidth = map.width();
        Image1->setPixmap(QPixmap::fromImage(map));
        Image1->setGeometry(mapWidth / 8, unit / 2, map.width(), map.height());
    } else {
        Image1->hide();
    }
    const int left = mapWidth * 9 / 8 + unit;
    const int width = area.width() - left - unit;
    Label1->setGeometry(left, unit, width, Label1->sizeHint().height());
    const int buttonHeight = AvbrytButton->height();
    const int panelTop = area.height() - 2 * buttonHeight;
    Panel1->setGeometry(left, panelTop, width, buttonHeight * 3 / 2);
    // The facts in the largest font that lets all eleven stand above the
    // button, a third of a line apart.
    const int top = Label1->geometry().bottom() + unit;
    for (int pixels = scaled(19); pixels >= 10; --pixels) {
        const QFont font = app::style::arial(pixels);
        const int gap = QFontMetrics(font).height() / 3;
        int y = top;
        for (QLabel* label : FactLabels) {
            label->setFont(font);
            const int h = label->heightForWidth(width);
            label->setGeometry(left, y, width, h);
            y += h + gap;
        }
        if (y - gap <= panelTop - unit / 2) break;
    }
    AvbrytButton->move((width - AvbrytButton->width()) / 2, buttonHeight / 4);
    AvbrytButton->setFocus();
}

} // namespace glosbo::info
