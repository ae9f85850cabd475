#include "info/tstallin.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"

namespace glosbo::info {

using namespace app::style;

namespace {

// The designed size, before scaling; the contents are laid out to the panel
// that the letter unit leaves inside it.
constexpr int kWidth = 420, kHeight = 296;

QLabel* label(QWidget* parent, const char* name, const QString& text, int size,
              const QColor& colour = kBlack) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(arialBold(size));
    l->setStyleSheet(QString("color: %1; background: transparent;").arg(colour.name()));
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QSize size) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(arialBold(14));
    b->resize(size);
    return b;
}

} // namespace

TStallin::TStallin(core::AppState& state, app::Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName("TStallin");
    setWindowTitle("Inställningar");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBlue);
    setPalette(pal);

    YtterPanel = new app::Panel(this);
    YtterPanel->setObjectName("YtterPanel");
    YtterPanel->setColor(kYellow);
    InnerPanel = new app::Panel(YtterPanel);
    InnerPanel->setObjectName("InnerPanel");
    InnerPanel->setColor(kSilver);

    OverPanel = new app::Panel(InnerPanel);
    OverPanel->setObjectName("OverPanel");
    OverPanel->setColor(kNavy);
    OverPanel->setCaptionColor(kYellow);
    OverPanel->setCaption("Inställningar");
    OverPanel->setFont(arialBold(20));
    OverPanel->resize(kWidth, 34);

    DroejLabel = label(InnerPanel, "DroejLabel", "Antal sekunder som rätt svar visas:", 14);
    TidLabel = label(InnerPanel, "TidLabel", "", 18, kNavy);
    TidLabel->setAccessibleName("Antal sekunder");
    TidLabel->setAlignment(Qt::AlignCenter);
    TidLabel->resize(24, 24);
    SpinButton1 = new QWidget(InnerPanel);
    SpinButton1->setObjectName("SpinButton1");
    SpinButton1->resize(22, 36);
    SpinUp = new QToolButton(SpinButton1);
    SpinUp->setObjectName("SpinButton1Up");
    SpinUp->setArrowType(Qt::UpArrow);
    SpinUp->setAccessibleName("Fler sekunder");
    SpinUp->setGeometry(0, 0, 22, 18);
    SpinDown = new QToolButton(SpinButton1);
    SpinDown->setObjectName("SpinButton1Down");
    SpinDown->setArrowType(Qt::DownArrow);
    SpinDown->setAccessibleName("Färre sekunder");
    SpinDown->setGeometry(0, 18, 22, 18);
    ExtraLabel =
        label(InnerPanel, "ExtraLabel", "(Visningen av rätt svar kan alltid brytas", 12, kNavy);
    Extra2Label = label(InnerPanel, "Extra2Label", "med tryck på mellanslagstangenten)", 12, kNavy);

    Label1 = label(InnerPanel, "Label1", "Ljuden översatta till engelska:", 14);
    EngButton = button(InnerPanel, "EngButton", "Nej", QSize(72, 28));
    EngButton->setAccessibleName("Ljuden översatta till engelska");
    Label2 = label(InnerPanel, "Label2", "Ljuden  översatta till tyska:", 14);
    Tysbutton = button(InnerPanel, "Tysbutton", "Nej", QSize(72, 28));
    Tysbutton->setAccessibleName("Ljuden översatta till tyska");

    LasUppLabel = label(InnerPanel, "LasUppLabel", "Läs upp frågan automatiskt:", 14);
    LasUppAutoButton = button(InnerPanel, "LasUppAutoButton", "Nej", QSize(72, 28));
    LasUppAutoButton->setAccessibleName("Läs upp frågan automatiskt");
    TalLabel = label(InnerPanel, "TalLabel", "Talhastighet vid uppläsning:", 14);
    TalButton = button(InnerPanel, "TalButton", "Normal", QSize(96, 28));
    TalButton->setAccessibleName("Talhastighet vid uppläsning");

    SparaButton = button(InnerPanel, "SparaButton", "&Spara", QSize(120, 30));
    AvbrytButton = button(InnerPanel, "AvbrytButton", "&Avbryt", QSize(120, 30));

    connect(SpinUp, &QToolButton::clicked, this, &TStallin::SpinButton1UpClick);
    connect(SpinDown, &QToolButton::clicked, this, &TStallin::SpinButton1DownClick);
    connect(EngButton, &QPushButton::clicked, this, &TStallin::EngButtonClick);
    connect(Tysbutton, &QPushButton::clicked, this, &TStallin::TysbuttonClick);
    connect(LasUppAutoButton, &QPushButton::clicked, this, &TStallin::LasUppAutoButtonClick);
    connect(TalButton, &QPushButton::clicked, this, &TStallin::TalButtonClick);
    connect(SparaButton, &QPushButton::clicked, this, &TStallin::SparaButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TStallin::AvbrytButtonClick);

    FormCreate();
}

void TStallin::FormCreate() {
    if (m_state.screen.scalePercent() != 100)
        app::scaleWidgets(*this, m_state.screen.scalePercent());
    const int m = m_state.screen.letterUnit();
    // The window is made as large as its contents need inside the two frames
    // of a letter unit each, which do not grow with the scale.
    const QSize inner = layOutContents(width() - 4 * m);
    setFixedSize(inner.width() + 4 * m, inner.height() + 4 * m);
    YtterPanel->setGeometry(m, m, width() - 2 * m, height() - 2 * m);
    InnerPanel->setGeometry(m, m, YtterPanel->width() - 2 * m, YtterPanel->height() - 2 * m);
    showSeconds();
    m_state.settings.setSwedenPicturesMode(1);
    const int t = m_state.settings.soundTranslation();
    EngButton->setText(t == 1 ? "Ja" : "Nej");
    Tysbutton->setText(t == 2 ? "Ja" : "Nej");
    showSpeech();
    SparaButton->setDefault(true);
    SparaButton->setFocus();
}

QSize TStallin::layOutContents(int innerWidth) {
    // Distances of the design, scaled as the window is.
    const auto s = [this](int design) {
        return app::mulDiv(design, m_state.screen.scalePercent(), 100);
    };
    const int m = m_state.screen.letterUnit();
    for (QLabel* l : {DroejLabel, ExtraLabel, Extra2Label, Label1, Label2, LasUppLabel, TalLabel})
        l->adjustSize();
    const int left = s(14);
    const int w = std::max({innerWidth,
                            left + DroejLabel->width() + s(12) + TidLabel->width() + s(6) +
                                SpinButton1->width() + s(14),
                            left + TalLabel->width() + s(12) + TalButton->width() + s(14)});
    const int right = w - s(14);
    // Places a row: the label on the left, its control on the right, both
    // centred on the row's middle.
    const auto row = [&](QWidget* text, QWidget* control, int middle) {
        text->move(left, middle - text->height() / 2);
        control->move(right - control->width(), middle - control->height() / 2);
    };

    OverPanel->setGeometry(m, m, w - 2 * m, OverPanel->height());
    int middle = OverPanel->y() + OverPanel->height() + s(30);
    row(DroejLabel, SpinButton1, middle);
    TidLabel->move(SpinButton1->x() - s(6) - TidLabel->width(), middle - TidLabel->height() / 2);
    ExtraLabel->move(left, middle + s(24));
    Extra2Label->move(left, ExtraLabel->y() + ExtraLabel->height());
    middle = Extra2Label->y() + Extra2Label->height() + s(30);
    row(Label1, EngButton, middle);
    row(Label2, Tysbutton, middle + s(38));
    row(LasUppLabel, LasUppAutoButton, middle + s(76));
    row(TalLabel, TalButton, middle + s(114));

    const int gap = s(24);
    const int buttonsLeft = (w - SparaButton->width() - gap - AvbrytButton->width()) / 2;
    const int buttonsTop = TalButton->y() + TalButton->height() + s(24);
    SparaButton->move(buttonsLeft, buttonsTop);
    AvbrytButton->move(buttonsLeft + SparaButton->width() + gap, buttonsTop);
    return QSize(w, buttonsTop + SparaButton->height() + m);
}

void TStallin::showSeconds() {
    TidLabel->setText(QString::number(m_state.settings.answerDisplaySeconds()));
}

void TStallin::SpinButton1UpClick() {
    m_state.settings.setAnswerDisplaySeconds(m_state.settings.answerDisplaySeconds() + 1);
    showSeconds();
}

void TStallin::SpinButton1DownClick() {
    m_state.settings.setAnswerDisplaySeconds(m_state.settings.answerDisplaySeconds() - 1);
    showSeconds();
}

void TStallin::EngButtonClick() {
    core::Settings& settings = m_state.settings;
    switch (settings.soundTranslation()) {
    case 0:
        EngButton->setText("Ja");
        settings.setSoundTranslation(1);
        break;
    case 1:
        EngButton->setText("Nej");
        settings.setSoundTranslation(0);
        break;
    default:
        m_state.sounds.requestTranslationReload();
        EngButton->setText("Ja");
        Tysbutton->setText("Nej");
        settings.setSoundTranslation(1);
        break;
    }
}

void TStallin::TysbuttonClick() {
    core::Settings& settings = m_state.settings;
    switch (settings.soundTranslation()) {
    case 0:
        Tysbutton->setText("Ja");
        settings.setSoundTranslation(2);
        break;
    case 1:
        m_state.sounds.requestTranslationReload();
        Tysbutton->setText("Ja");
        EngButton->setText("No");
        settings.setSoundTranslation(2);
        break;
    default:
        Tysbutton->setText("Nein");
        settings.setSoundTranslation(0);
        break;
    }
}

void TStallin::showSpeech() {
    LasUppAutoButton->setText(m_state.settings.readsQuestionsAloud() ? "Ja" : "Nej");
    TalButton->setText(m_state.settings.slowSpeech() ? "Långsam" : "Normal");
}

void TStallin::LasUppAutoButtonClick() {
    m_state.settings.setReadsQuestionsAloud(!m_state.settings.readsQuestionsAloud());
    showSpeech();
}

void TStallin::TalButtonClick() {
    m_state.settings.setSlowSpeech(!m_state.settings.slowSpeech());
    showSpeech();
}

void TStallin::SparaButtonClick() {
    m_state.FyllEngListan();
    accept();
}

void TStallin::AvbrytButtonClick() {
    reject();
}

void TStallin::keyPressEvent(QKeyEvent* event) {
    // Esc closes; no other key does anything here. A focused button still
    // takes Space and Enter itself.
    if (event->key() == Qt::Key_Escape) reject();
    event->accept();
}

} // namespace glosbo::info
