#include "info/tomtolm.h"

#include <QMouseEvent>
#include <algorithm>

#include "app/bmp_image.h"
#include "app/program_options.h"
#include "app/style.h"

namespace glosbo::info {
namespace {

const char* const kCredits =
    "Program, övningar, bilder och texter: Glosbo-projektet\n"
    "Kartdata: Natural Earth\n"
    "Rösterna: espeak-ng\n"
    "Glosbo är fri programvara under GNU General Public License, version 3 eller senare "
    "(GPL-3.0-or-later).";

const char* const kAboutGlosbo =
    "<h3>Vad är Glosbo?</h3>"
    "<p>Glosbo är ett program där elever övar svenska: stavning, ord, grammatik, diktamen, "
    "läsning, ordlekar och klockan. Läraren kan ge diagnosprov, se resultaten i ett protokoll "
    "och skriva ut arbetsblad med facit.</p>"
    "<p>Glosbo är fri programvara. Källkoden följer med programmet och får användas, ändras "
    "och delas enligt GPL-3.0-or-later. Övningarna är vanliga textfiler som en lärare kan "
    "ändra och kontrollera med kommandot <b>glosbo-data</b>.</p>";

const char* const kHelp =
    "<h3>Hjälp och felrapporter</h3>"
    "<p>Tryck på <b>Manual</b> i huvudfönstret: där står hur varje del fungerar, både för "
    "elever och för lärare.</p>"
    "<p>Kör <b>glosbo --help</b> eller <b>man glosbo</b> i ett terminalfönster för att se hur "
    "programmet startas och var det letar efter sina filer.</p>"
    "<p>Hittar du ett fel i en övning eller i programmet? Skriv ner vad du gjorde, vad som "
    "hände och vilken version som står här ovanför, och lämna det till den som sköter "
    "datorerna på skolan. Hon eller han kan rapportera felet till Glosbo-projektet.</p>";

// Shrinks the label's font until its wrapped text fits the label's height,
// so that no paragraph of a panel is cut off below.
void shrinkToHeight(QLabel* label, int smallestPixels) {
    QFont font = label->font();
    while (font.pixelSize() > smallestPixels &&
           label->heightForWidth(label->width()) > label->height()) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }
}

} // namespace

TOmTolm::TOmTolm(core::AppState& state, app::Services& services, QWidget* parent)
    : InfoPage(state, services, "TOmTolm", "Om Glosbo", app::style::kSilver, parent) {
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("Glosbos bakgrundsbild");
    Label1 = makeLabel("Glosbo " + QString::fromStdString(app::programVersion()), "Label1", 48,
                       true, this);
    Label2 = makeLabel("Uppgraderad : " + QString::fromStdString(state.roots().upgradeNote),
                       "Label2", 19, false, this);
    Label3 = makeLabel(kCredits, "Label3", 19, false, this);
    Label3->setWordWrap(true);
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, app::style::kSilver);
        label->setPalette(p);
    }
    LogoButton1 = makeButton("Om &Glosbo", "LogoButton1", this);
    LogoButton2 = makeButton("&Hjälp", "LogoButton2", this);
    InfoPanel1 = makeInfoPanel("InfoPanel1", kAboutGlosbo);
    InfoPanel2 = makeInfoPanel("InfoPanel2", kHelp);
    AvbrytButton = makeButton("&Avbryt", "AvbrytButton", this);
    connect(LogoButton1, &QPushButton::clicked, this, &TOmTolm::LogoButton1Click);
    connect(LogoButton2, &QPushButton::clicked, this, &TOmTolm::LogoButton2Click);
    connect(AvbrytButton, &QPushButton::clicked, this, &TOmTolm::reject);
    Image1->installEventFilter(this);
    FormCreate();
}

app::Panel* TOmTolm::makeInfoPanel(const char* objectName, const QString& html) {
    auto* panel = new app::Panel(this);
    panel->setObjectName(objectName);
    panel->setColor(app::style::kYellow);
    panel->setBevelWidth(2);
    auto* text = new QLabel(html, panel);
    text->setObjectName(QString(objectName) + "Text");
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setFont(app::style::arial(scaled(17)));
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->installEventFilter(this);
    panel->installEventFilter(this);
    panel->hide();
    return panel;
}

void TOmTolm::FormCreate() {
    const QRect area = screen();
    const int unit = m_state.screen.letterUnit();
    QImage background = picture("/BILD/Glos97.BMP");
    if (!background.isNull()) {
        background = fitted(background, area.size());
        Image1->setPixmap(QPixmap::fromImage(background));
        Image1->setGeometry((area.width() - background.width()) / 2,
                            (area.height() - background.height()) / 2, background.width(),
                            background.height());
    } else {
        Image1->hide();
    }
    // The credits stand a letter's width inside their panel, and the panels
    // grow (up to the screen's margins) so that no credit breaks mid-name.
    Label3->setContentsMargins(unit, 0, unit, 0);
    QStringList credits = QString(kCredits).split('\n');
    credits.removeLast(); // the licence sentence may wrap
    int creditsWidth = 0;
    for (const QString& line : credits)
        creditsWidth = std::max(creditsWidth, Label3->fontMetrics().horizontalAdvance(line));
    const int width =
        std::min(std::max(area.width() * 2 / 3, creditsWidth + 3 * unit), area.width() - 2 * unit);
    const int left = (area.width() - width) / 2;
    int y = area.height() / 6;
    for (QLabel* label : {Label1, Label2, Label3}) {
        const int h = label == Label3 ? label->heightForWidth(width) : label->sizeHint().height();
        label->setGeometry(left, y, width, h + unit / 2);
        y += h + unit;
    }
    const int bw = AvbrytButton->width(), bh = AvbrytButton->height();
    AvbrytButton->move((area.width() - bw) / 2, area.height() - bh * 5 / 4 - unit / 2);
    const int logoY = AvbrytButton->y() - bh - unit;
    LogoButton1->move(area.width() / 2 - bw - unit, logoY);
    LogoButton2->move(area.width() / 2 + unit, logoY);
    for (app::Panel* panel : {InfoPanel1, InfoPanel2}) {
        const QRect r(left, y, width, std::max(logoY - y - unit, 4 * unit));
        panel->setGeometry(r);
        auto* text = panel->findChild<QLabel*>();
        text->setGeometry(unit, unit, r.width() - 2 * unit, r.height() - 2 * unit);
        shrinkToHeight(text, 9);
    }
    AvbrytButton->setFocus();
}

void TOmTolm::LogoButton1Click() {
    InfoPanel2->hide();
    InfoPanel1->setVisible(!InfoPanel1->isVisible());
}

void TOmTolm::LogoButton2Click() {
    InfoPanel1->hide();
    InfoPanel2->setVisible(!InfoPanel2->isVisible());
}

void TOmTolm::mousePressEvent(QMouseEvent* event) {
    InfoPanel1->hide();
    InfoPanel2->hide();
    InfoPage::mousePressEvent(event);
}

bool TOmTolm::eventFilter(QObject* watched, QEvent* event) {
    // A click on the background or on an open panel closes the panels.
    if (event->type() == QEvent::MouseButtonPress) {
        InfoPanel1->hide();
        InfoPanel2->hide();
    }
    return InfoPage::eventFilter(watched, event);
}

} // namespace glosbo::info
