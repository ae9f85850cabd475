#include "info/tsvhymn.h"

#include "app/sound_service.h"
#include "app/style.h"

namespace glosbo::info {
namespace {

// Verses 1–2 by Richard Dybeck (1844), verses 3–4 by Louise Ahlén (1910).
const std::array<std::array<QString, 5>, 4> kVerses = {{
    {"Du gamla, Du fria, Du fjällhöga nord,", "Du tysta, Du glädjerika sköna!",
     "Jag hälsar Dig, vänaste land uppå jord,", "Din sol, Din himmel, Dina ängder gröna,",
     "Din sol, Din himmel, Dina ängder gröna."},
    {"Du tronar på minnen från fornstora dar,", "då ärat Ditt namn flög över jorden.",
     "Jag vet att Du är och Du blir vad Du var.", "Ja, jag vill leva, jag vill dö i Norden,",
     "Ja, jag vill leva, jag vill dö i Norden."},
    {"Jag städs vill dig tjäna, mitt älskade land,", "din trohet till döden vill jag svära.",
     "Din rätt skall jag värna med håg och med hand,", "din fana högt den bragderika bära,",
     "din fana högt den bragderika bära."},
    {"Med Gud skall jag kämpa för hem och för härd,", "för Sverige, den kära fosterjorden.",
     "Jag byter dig ej mot allt i en värld,", "nej, jag vill leva, jag vill dö i Norden,",
     "nej, jag vill leva, jag vill dö i Norden."},
}};

const std::array<QString, 4> kVerseNames = {"Första versen", "Andra versen", "Tredje versen",
                                            "Fjärde versen"};

} // namespace

const std::array<QString, 5>& TSvHymn::verse(int number) {
    return kVerses.at(std::size_t(number - 1));
}

TSvHymn::TSvHymn(core::AppState& state, app::Services& services, QWidget* parent)
    : InfoPage(state, services, "TSvHymn", "Sveriges nationalsång", app::style::kSilver, parent) {
    Label1 = makeLabel("Sveriges nationalsång", "Label1", 40, true, this);
    Label2 = makeLabel("Nationalsång sedan 1866.", "Label2", 19, false, this);
    Label3 = makeLabel("Text: Richard Dybeck 1844 (vers 1–2) och Louise Ahlén 1910 (vers 3–4). "
                       "Melodi: folkvisa från Västmanland.",
                       "Label3", 17, false, this);
    Label3->setWordWrap(true);
    VersLabel = makeLabel("", "VersLabel", 24, true, this);
    app::style::setTextColor(VersLabel, app::style::kNavy);
    for (std::size_t i = 0; i < RadLabels.size(); ++i)
        RadLabels[i] =
            makeLabel("", QString("RadLabel%1").arg(i + 1).toLatin1().constData(), 26, false, this);
    for (QLabel* label : {Label1, Label2, Label3, VersLabel})
        label->setAlignment(Qt::AlignCenter);
    for (QLabel* label : RadLabels)
        label->setAlignment(Qt::AlignCenter);
    Panel1 = new app::Panel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setColor(app::style::kSilver);
    Panel1->setBevelWidth(2);
    SpelaButton = makeButton("&Spela upp", "SpelaButton", Panel1);
    NyVersButton = makeButton("&Ny vers", "NyVersButton", Panel1);
    AvbrytButton = makeButton("&Avbryt", "AvbrytButton", Panel1);
    connect(SpelaButton, &QPushButton::clicked, this, &TSvHymn::SpelaButtonClick);
    connect(NyVersButton, &QPushButton::clicked, this, &TSvHymn::NyVersButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TSvHymn::AvbrytButtonClick);
    FormCreate();
}

TSvHymn::~TSvHymn() {
    stopAnthem();
}

void TSvHymn::FormCreate() {
    m_verse = 1;
    showVerse();
    const QRect area = screen();
    const int unit = m_state.screen.letterUnit();
    const int width = area.width() - 2 * unit;
    int y = unit;
    for (QLabel* label : {Label1, Label2, Label3, VersLabel}) {
        const int h = label->heightForWidth(width) > 0 ? label->heightForWidth(width)
                                                       : label->sizeHint().height();
        label->setGeometry(unit, y, width, h);
        y += h + unit / 2;
        if (label == Label3) y += unit;
    }
    y += unit / 2;
    const int lineHeight = RadLabels[0]->sizeHint().height() * 5 / 4;
    for (QLabel* label : RadLabels) {
        label->setGeometry(unit, y, width, lineHeight);
        y += lineHeight;
    }
    const int bw = SpelaButton->width(), bh = SpelaButton->height();
    const int panelWidth = 3 * bw + 4 * unit;
    Panel1->setGeometry((area.width() - panelWidth) / 2, area.height() - 2 * bh, panelWidth,
                        bh * 3 / 2);
    SpelaButton->move(unit, bh / 4);
    NyVersButton->move(2 * unit + bw, bh / 4);
    AvbrytButton->move(3 * unit + 2 * bw, bh / 4);
    SpelaButton->setFocus();
}

void TSvHymn::showVerse() {
    VersLabel->setText(kVerseNames.at(std::size_t(m_verse - 1)));
    for (std::size_t i = 0; i < RadLabels.size(); ++i)
        RadLabels[i]->setText(verse(m_verse)[i]);
}

void TSvHymn::play() {
    m_stopped = false;
    m_state.sounds.playFromRoot();
    app::SpelaUppWavLjud(m_state, m_services, "SVERIGE.WAV");
}

void TSvHymn::stopAnthem() {
    if (m_stopped) return;
    m_stopped = true;
    m_state.sounds.clearRootSound();
    m_services.sounds.stop();
}

void TSvHymn::SpelaButtonClick() {
    play();
}

void TSvHymn::NyVersButtonClick() {
    m_services.sounds.stop();
    play();
    m_verse = m_verse % 4 + 1;
    showVerse();
}

void TSvHymn::AvbrytButtonClick() {
    reject();
}

void TSvHymn::done(int result) {
    stopAnthem();
    InfoPage::done(result);
}

} // namespace glosbo::info
