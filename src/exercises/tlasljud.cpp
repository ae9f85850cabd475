#include "exercises/tlasljud.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// The smallest headline size: a long heading shrinks no further.
constexpr int kSmallestHeadline = 10;

} // namespace

TLasLjud::TLasLjud(CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "TLasLjud", "Läsgympa") {
    OverskriftPanel2 = new app::Panel(this);
    OverskriftPanel2->setObjectName(QStringLiteral("OverskriftPanel2"));
    OverskriftPanel2->setColor(kNavy);
    OverskriftPanel2->setBevelWidth(2);
    OverskriftPanel2->setLowered(true);
    OverskriftPanel2->setSingleBorder(true);
    OverskriftLabel1 = textLabel(OverskriftPanel2, "OverskriftLabel1", kYellow);
    OverskriftLabel2 = textLabel(OverskriftPanel2, "OverskriftLabel2", kYellow);
    for (QLabel* label : {OverskriftLabel1, OverskriftLabel2}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TranslucentBackground);
    }
    for (int i = 0; i < core::GymWords::kCount; ++i) {
        auto* panel = new app::Panel(this);
        panel->setObjectName(QStringLiteral("OrdPanel%1").arg(i + 1));
        panel->setColor(kSilver);
        panel->setCaptionColor(kNavy);
        panel->setFont(arialBold(35));
        OrdPanel[std::size_t(i)] = panel;
    }
    Panel1 = new app::Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(kSilver);
    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(arialBold(16));
        b->setAutoDefault(true);
        return b;
    };
    FlerordButton = button("FlerordButton", QStringLiteral("&Fler ord"));
    LyssnaButton = button("LyssnaButton", QStringLiteral("&Höra orden"));
    AvbrytButton = button("AvbrytButton", QStringLiteral("&Avbryt"));
    setTabOrder(AvbrytButton, FlerordButton);
    setTabOrder(FlerordButton, LyssnaButton);
    connect(FlerordButton, &QPushButton::clicked, this, &TLasLjud::FlerordButtonClick);
    connect(LyssnaButton, &QPushButton::clicked, this, &TLasLjud::LyssnaButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TLasLjud::AvbrytButtonClick);
}

void TLasLjud::FormCreate() {
    // Not scaled: the window keeps its designed sizes on the whole screen.
    const QSize screen = screenSize();
    resize(screen);
    m_u = screen.height() / 48;
    m_v = screen.width() / 32;
    m_state.files.errorPracticeMode = false;
    for (QWidget* w : std::initializer_list<QWidget*>{OverskriftYtterShape, OverskriftInnerShape,
                                                      Overs1Label, Overs2Label, Overs3Label})
        w->hide();
    LyssnaButton->setEnabled(m_state.settings.playsWords());

    RitaOverskriften2();
    InstruktionsLabel->setFont(arialBold(24));
    InstruktionsLabel->setText(app::fromCp1252(m_state.files.headings.instruction));
    InstruktionsLabel->adjustSize();
    InstruktionsLabel->move(56, OverskriftPanel2->geometry().bottom() + 1 + m_u);

    const QSize word(165, 41);
    int top = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    for (app::Panel* panel : OrdPanel) {
        panel->setGeometry(QRect(QPoint(52, top), word));
        top += 4 * word.height() / 3;
    }

    const int barHeight = 49;
    Panel1->setGeometry(0, screen.height() - barHeight, screen.width(), barHeight);
    const QFontMetrics text(FlerordButton->font());
    int left = m_v;
    for (QPushButton* b : {FlerordButton, LyssnaButton, AvbrytButton}) {
        const int width = text.horizontalAdvance(b->text()) + 4 * text.averageCharWidth();
        b->setGeometry(left, 6, width, barHeight - 12);
        left += width + m_v;
    }
    NyPost();
    AvbrytButton->setFocus();
}

void TLasLjud::RitaOverskriften2() {
    const QRect panel(m_v, m_u / 2, 20 * m_v, 7 * m_u);
    OverskriftPanel2->setGeometry(panel);
    const core::Headings& h = m_state.files.headings;
    OverskriftLabel1->setText(app::fromCp1252(h.lines[0]));
    OverskriftLabel2->setText(app::fromCp1252(h.lines[1]));
    const auto height = [](int points) { return QFontMetrics(pointFont(points)).height(); };
    const auto wide = [&](QLabel* label, int points) {
        return textWidth(app::toCp1252(label->text()), points) > panel.width();
    };
    int size1 = 25;
    while (wide(OverskriftLabel1, size1) && size1 > kSmallestHeadline)
        --size1;
    if (!h.lines[1].empty()) {
        int size2 = size1;
        while (wide(OverskriftLabel2, size2) && size2 > kSmallestHeadline)
            --size2;
        size1 = size2;
        while (panel.height() - 2 * height(size1) - m_u / 2 < height(size1) &&
               size1 > kSmallestHeadline)
            --size1;
        const int h1 = height(size1);
        const int top1 = (panel.height() - 2 * h1) / 4;
        OverskriftLabel1->setFont(pointFont(size1));
        OverskriftLabel1->setGeometry(0, top1, panel.width(), h1);
        OverskriftLabel2->setFont(pointFont(size1));
        OverskriftLabel2->setGeometry(0, top1 + 5 * h1 / 4, panel.width(), h1);
        OverskriftLabel2->show();
    } else {
        while (height(size1) > panel.height() && size1 > kSmallestHeadline)
            --size1;
        const int h1 = height(size1);
        OverskriftLabel1->setFont(pointFont(size1));
        OverskriftLabel1->setGeometry(0, 3 * (panel.height() - h1) / 8, panel.width(), h1);
        OverskriftLabel2->hide();
    }
    OverskriftLabel1->show();
}

void TLasLjud::NyPost() {
    showRecords(core::drawGymRecords(m_state));
}

void TLasLjud::showRecords(const std::array<int, core::GymWords::kCount>& recordNumbers) {
    m_words = core::fetchGymWords(m_state, recordNumbers);
    for (std::size_t i = 0; i < OrdPanel.size(); ++i)
        OrdPanel[i]->setCaption(app::fromCp1252(m_words.words[i]));
}

void TLasLjud::FlerordButtonClick() {
    NyPost();
}

void TLasLjud::Ljudet(int recordNumber) {
    const std::string name = core::readingGymSoundName(m_state.sounds.directory(), recordNumber);
    if (name.empty()) return;
    // Each word's sound is looked for by its own record number, which
    // chooses its hundreds folder.
    m_state.files.currentRecordNumber = static_cast<std::uint16_t>(recordNumber);
    const core::SoundRequest request = m_state.soundRequest(name);
    if (!request.path) {
        m_services.messages.information(request.missingMessage);
        return;
    }
    playAndWait(request);
}

void TLasLjud::LyssnaButtonClick() {
    for (QPushButton* b : {FlerordButton, LyssnaButton, AvbrytButton})
        b->setEnabled(false);
    for (int number : m_words.recordNumbers)
        Ljudet(number);
    m_state.files.currentRecordNumber = static_cast<std::uint16_t>(m_words.recordNumbers.back());
    for (QPushButton* b : {FlerordButton, LyssnaButton, AvbrytButton})
        b->setEnabled(true);
    // A message on a missing sound may have taken the keyboard away: the
    // window takes it back, on the button just pressed.
    if (isVisible() && QApplication::activeWindow() != this) activateWindow();
    LyssnaButton->setFocus();
}

void TLasLjud::AvbrytButtonClick() {
    accept();
}

void TLasLjud::keyPressEvent(QKeyEvent* event) {
    // Esc does nothing here: the window closes only with "Avbryt".
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

} // namespace glosbo::exercises
