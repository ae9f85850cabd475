#include "games/tfalska.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/game_records.h"
#include "games/game_messages.h"

namespace glosbo::games {

using namespace app::style;

namespace {

constexpr int kWordPixels = 29;
// How long the keys leave the bar alone once the end text is shown.
constexpr int kReadingMs = 1500;

bool pressesButton(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

QPushButton* barButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 18, true);
}

} // namespace

TFalska::TFalska(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "TFalska", "Ordkamp") {
    setFocusPolicy(Qt::StrongFocus);
    NamnPanel = app::namedPanel(this, QStringLiteral("NamnPanel"), kSilver);
    NamnPanel->setBevelWidth(2);
    NamnLabel1 = textLabel(NamnPanel, "NamnLabel1", kNavy, 26);
    NamnLabel2 = textLabel(NamnPanel, "NamnLabel2", kNavy, 26);
    NamnLabel1->setText(QStringLiteral("Skriv ditt namn."));
    NamnLabel2->setText(QStringLiteral("Tryck Enter."));
    NamnLabel1->show();
    NamnLabel2->show();
    Edit1 = new QLineEdit(NamnPanel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Ditt namn"));
    Edit1->setMaxLength(kNameLength);
    Edit1->setFont(arialBold(26));
    Edit1->installEventFilter(this);

    for (int i = 0; i < 5; ++i) {
        QLabel* word = textLabel(this, "", kNavy, kWordPixels);
        word->setObjectName(QStringLiteral("OrdLabel%1").arg(i + 1));
        QLabel* wordClass = textLabel(this, "", kRed, kWordPixels);
        wordClass->setObjectName(QStringLiteral("KlassLabel%1").arg(i + 1));
        OrdLabel[std::size_t(i)] = word;
        KlassLabel[std::size_t(i)] = wordClass;
    }
    Instruktion2Label = textLabel(this, "Instruktion2Label", kMaroon, 22);
    Instruktion2Label->setText(QStringLiteral("Välj här. Svarar du fel får datorn poängen."));

    SifferPanel = new QWidget(this);
    SifferPanel->setObjectName(QStringLiteral("SifferPanel"));
    for (int n = 0; n <= 5; ++n) {
        auto* b = new QPushButton(QString::number(n), SifferPanel);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(n + 1));
        b->setAccessibleName(QStringLiteral("Svar %1").arg(n));
        b->setFont(arialBold(26));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, n] { Kollasvar(n); });
        SpeedButton[std::size_t(n)] = b;
    }
    MarkorLabel = textLabel(SifferPanel, "MarkorLabel", kWhite, 26);
    MarkorLabel->setAutoFillBackground(true);
    MarkorLabel->setAlignment(Qt::AlignCenter);
    QPalette marker = MarkorLabel->palette();
    marker.setColor(QPalette::Window, kRed);
    MarkorLabel->setPalette(marker);
    SifferPanel->hide();

    BanaYtterPanel = app::namedPanel(this, QStringLiteral("BanaYtterPanel"), kBlue);
    BanaMittPanel = app::namedPanel(BanaYtterPanel, QStringLiteral("BanaMittPanel"), kYellow);
    BanaInnerPanel = app::namedPanel(BanaMittPanel, QStringLiteral("BanaInnerPanel"), kSilver);
    for (int t = 1; t <= kSquares; ++t) {
        app::Panel* square =
            app::namedPanel(BanaInnerPanel, QStringLiteral("Ruta%1").arg(t), kBlue);
        Ruta[std::size_t(t - 1)] = square;
    }
    ElevLabel = textLabel(BanaInnerPanel, "ElevLabel", kNavy, 22);
    DatornLabel = textLabel(BanaInnerPanel, "DatornLabel", kNavy, 22);
    DatornLabel->setText(QStringLiteral("Datorn"));
    ElevLabel->show();
    DatornLabel->show();
    BanaYtterPanel->hide();

    BildPanelen = new exercises::FinishPicture(this);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    BildPanelen->hide();
    LovordPanel = new exercises::PraisePanel(this);

    KnappPanel = app::namedPanel(this, QStringLiteral("KnappPanel"), kSilver);
    Button3 = barButton(KnappPanel, "Button3", QStringLiteral("&Fortsätta"));
    Button4 = barButton(KnappPanel, "Button4", QStringLiteral("&Avbryta"));
    BitBtn1 = barButton(KnappPanel, "BitBtn1", QStringLiteral("&Inställningar"));
    connect(Button3, &QPushButton::clicked, this, &TFalska::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFalska::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &TFalska::BitBtn1Click);
    KnappPanel->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TFalska::Timer1Timer);

    LasTimer = new QTimer(this);
    LasTimer->setObjectName(QStringLiteral("LasTimer"));
    LasTimer->setSingleShot(true);
    LasTimer->setInterval(kReadingMs);
    for (QPushButton* b : {Button3, Button4, BitBtn1})
        b->installEventFilter(this);
}

void TFalska::FormCreate() {
    prepareFrame();
    drawHeadline();
    RitaOverskriften();
    m_target = core::duelTargetClass(m_state.programNumber);
    InstruktionsLabel->hide();
    layOut();
    Edit1->setText(app::fromCp1252(m_state.playerNames[0].substr(0, kNameLength)));
    // The duel needs at least one word of its format.
    if (core::drawUsableRecord(m_state, core::duelRecordUsable) == 0) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        QTimer::singleShot(0, this, &TFalska::reject);
        return;
    }
    NamnPanel->show();
    Edit1->setFocus();
}

void TFalska::layOut() {
    const int u = std::max(1, letterUnit());
    const int W = width();
    const int H = height();

    const int barHeight = H / 48 * 4;
    KnappPanel->setGeometry(u / 2, H - u / 5 - barHeight, W - u, barHeight);
    // The three buttons as wide as the widest caption needs.
    int buttonWidth = 0;
    for (QPushButton* b : {Button3, Button4, BitBtn1})
        buttonWidth = std::max(buttonWidth, b->fontMetrics().horizontalAdvance(
                                                QString(b->text()).remove(QLatin1Char('&'))) +
                                                3 * u);
    buttonWidth = std::min(buttonWidth, (W - u) / 3 - u);
    const int gap = int(std::lround(double(W - u - 3 * buttonWidth) / 4));
    int left = gap;
    for (QPushButton* b : {Button3, Button4, BitBtn1}) {
        b->setGeometry(left, barHeight / 8, buttonWidth, barHeight * 3 / 4);
        left += buttonWidth + gap;
    }

    // The score track right above the button bar. The names stand left of
    // the squares in a size that grows with the screen; the squares leave
    // them the width of "MMMMMMMM" in that size.
    const int innerWidth = W - u - 2 * u;
    m_namePixels = std::max(12, 22 * scalePercent() / 100);
    int F = innerWidth -
            QFontMetrics(arialBold(m_namePixels)).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    // A name is at most half the track's height.
    for (; m_namePixels > 10; --m_namePixels) {
        F = innerWidth -
            QFontMetrics(arialBold(m_namePixels)).horizontalAdvance(QStringLiteral("MMMMMMMM"));
        if (QFontMetrics(arialBold(m_namePixels)).height() <= 3 * int(std::lround(F * 0.04)) / 2)
            break;
    }
    m_square = int(std::lround(F * 0.04));
    const int step = int(std::lround(F * 0.05));
    const int innerHeight = 3 * m_square;
    const int outerHeight = innerHeight + 2 * u;
    BanaYtterPanel->setGeometry(u / 2, KnappPanel->y() - outerHeight, W - u, outerHeight);
    BanaMittPanel->setGeometry(u / 2, u / 2, W - 2 * u, innerHeight + u);
    BanaInnerPanel->setGeometry(u / 2, u / 2, innerWidth, innerHeight);
    for (int t = 1; t <= kSquares; ++t) {
        const int top = t <= 20 ? innerHeight / 11 - 2 : 6 * innerHeight / 11 - 2;
        Ruta[std::size_t(t - 1)]->setGeometry(innerWidth - ((40 - t) % 20 + 1) * step,
                                              std::max(0, top), m_square, m_square);
    }
    fitNames();

    // The praise above the track; the picture between headline and track.
    const QRect headline = OverskriftYtterShape->geometry();
    LovordPanel->setGeometry(u / 2, BanaYtterPanel->y() - H / 48 * 5, W - u, H / 48 * 5);
    BildPanelen->setGeometry(u / 2, headline.bottom() + u / 2, W - u,
                             std::max(0, LovordPanel->y() - headline.bottom() - u / 2));

    // The turn below the headline box.
    InstruktionsLabel->adjustSize();
    const int instructionTop = headline.bottom() + 1 + InstruktionsLabel->height() / 2;
    InstruktionsLabel->move(headline.left(), instructionTop);
    // The words shrink until the number buttons stand clear of the track.
    if (m_wordPixels == 0) m_wordPixels = OrdLabel[0]->font().pixelSize();
    const int button = std::max({36, 5 * u / 2, SpeedButton[0]->fontMetrics().height() * 3 / 2});
    const int instruction2Height = Instruktion2Label->fontMetrics().height();
    int pixels = m_wordPixels;
    int wordHeight = 0;
    int firstWord = 0;
    int panelTop = 0;
    for (;; --pixels) {
        wordHeight = QFontMetrics(arialBold(pixels)).height();
        firstWord = instructionTop + 3 * std::max(InstruktionsLabel->height(), wordHeight) / 2;
        const int instruction2Top = firstWord + 4 * 6 * wordHeight / 5 + 3 * wordHeight / 2;
        panelTop = instruction2Top + 3 * instruction2Height / 2;
        if (panelTop + button <= BanaYtterPanel->y() - u / 2 || pixels <= 12) break;
    }
    int top = firstWord;
    for (std::size_t i = 0; i < OrdLabel.size(); ++i) {
        OrdLabel[i]->setFont(arialBold(pixels));
        KlassLabel[i]->setFont(arialBold(pixels));
        OrdLabel[i]->move(headline.left(), top);
        top += 6 * wordHeight / 5;
    }
    Instruktion2Label->adjustSize();
    Instruktion2Label->move(headline.left(), panelTop - 3 * instruction2Height / 2);
    SifferPanel->setGeometry(headline.left(), panelTop, 6 * button, button);
    for (int n = 0; n <= 5; ++n)
        SpeedButton[std::size_t(n)]->setGeometry(n * button, 0, button, button);
    MarkorLabel->resize(button, button);

    // The name box as large as its texts in the fonts they are shown in.
    const QFontMetrics prompt = NamnLabel1->fontMetrics();
    const int lineHeight = prompt.height();
    const int editHeight = Edit1->fontMetrics().height() + 10;
    int widest = Edit1->fontMetrics().horizontalAdvance(QString(kNameLength, QLatin1Char('M')));
    for (const char* text : {"Skriv ditt namn.", "Ditt namn tack!!!", "Avbryt med Escape."})
        widest = std::max(widest, prompt.horizontalAdvance(QString::fromUtf8(text)));
    const int nameWidth = std::min(W - 2 * u, widest + 4 * u);
    NamnPanel->setGeometry((W - nameWidth) / 2, headline.bottom() + 2 * u, nameWidth,
                           2 * lineHeight + editHeight + 3 * u);
    NamnLabel1->setGeometry(2 * u, u, nameWidth - 4 * u, lineHeight);
    NamnLabel2->setGeometry(2 * u, u + lineHeight, nameWidth - 4 * u, lineHeight);
    Edit1->setGeometry(2 * u, 2 * u + 2 * lineHeight, nameWidth - 4 * u, editHeight);
}

void TFalska::fitNames() {
    // Each name in the half of the track beside its row, shrunk until it
    // ends clear of the first square.
    const int u = std::max(1, letterUnit());
    const int innerHeight = BanaInnerPanel->height();
    const int room = Ruta[0]->x() - u - std::max(2, u / 2);
    for (QLabel* label : {ElevLabel, DatornLabel}) {
        int pixels = m_namePixels;
        while (pixels > 8 &&
               QFontMetrics(arialBold(pixels)).horizontalAdvance(label->text()) > room)
            --pixels;
        label->setFont(arialBold(pixels));
        label->setGeometry(u, label == ElevLabel ? 0 : innerHeight / 2, std::max(0, room),
                           innerHeight / 2);
    }
}

void TFalska::RitaOverskriften() {
    // The duel's own headline: every line bold, 5 pixels in from the inner
    // shape's left edge; one line at 30 points in the middle, two at 22
    // points with equal gaps, three at 16 points at fixed heights. A line
    // too wide shrinks to the inner width less 20 pixels (not below 10
    // points).
    const QRect inner = OverskriftInnerShape->geometry();
    const auto px = [this](int design) { return design * scalePercent() / 100; };
    const auto points = [this](int design) { return std::max(1, design * scalePercent() / 100); };
    const std::array<QLabel*, 3> labels{Overs1Label, Overs2Label, Overs3Label};
    int lines = 0;
    for (QLabel* label : labels)
        if (!label->text().isEmpty()) ++lines;
    if (lines == 0) return;
    const auto fit = [&](QLabel* label, int size) {
        const int floor = std::min(size, points(10));
        while (size > floor &&
               textWidth(app::toCp1252(label->text()), size) >= inner.width() - px(20))
            --size;
        return size;
    };
    const auto place = [&](QLabel* label, int size, int top) {
        label->setFont(pointFont(size));
        label->setGeometry(inner.left() + px(5), top, inner.width() - px(10),
                           QFontMetrics(pointFont(size)).height());
        label->setAlignment(Qt::AlignCenter);
        label->raise();
    };
    const auto height = [](int size) { return QFontMetrics(pointFont(size)).height(); };
    if (lines == 1) {
        const int size = fit(Overs1Label, points(30));
        place(Overs1Label, size, inner.top() + (inner.height() - height(size)) / 2);
    } else if (lines == 2) {
        const int size1 = fit(Overs1Label, points(22));
        const int size2 = fit(Overs2Label, points(22));
        const int g = (inner.height() - height(size1) - height(size2)) / 3;
        place(Overs1Label, size1, inner.top() + g + px(2));
        place(Overs2Label, size2, inner.top() + 2 * g + height(size1) - px(2));
    } else {
        const int size1 = fit(Overs1Label, points(16));
        const int size2 = fit(Overs2Label, points(16));
        const int size3 = fit(Overs3Label, size2);
        place(Overs1Label, size1, inner.top() + px(5));
        place(Overs2Label, size2, inner.top() + px(25));
        place(Overs3Label, size3, inner.top() + px(45));
    }
}

void TFalska::Edit1KeyPress() {
    const std::string name = app::toCp1252(Edit1->text());
    if (name.empty()) {
        NamnLabel1->setText(QString::fromStdString(core::emptyNamePrompt(++m_emptyNames)));
        return;
    }
    m_name = name;
    m_state.playerNames[0] = name.substr(0, 20);
    ElevLabel->setText(Edit1->text());
    fitNames();
    m_named = true;
    // The window takes the keys from here on: the hidden name box would
    // otherwise keep the focus and swallow the digits.
    setFocus();
    NamnPanel->hide();
    SifferPanel->show();
    BanaYtterPanel->show();
    NyPost();
}

void TFalska::NyPost() {
    Timer1->stop();
    m_waiting = false;
    m_turn = core::drawDuelTurn(m_state, m_target);
    if (!m_turn) {
        reject();
        return;
    }
    int widest = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        OrdLabel[i]->setText(app::fromCp1252(m_turn->words[i].word));
        OrdLabel[i]->adjustSize();
        OrdLabel[i]->show();
        widest = std::max(widest, OrdLabel[i]->width());
        KlassLabel[i]->setText(app::fromCp1252(m_turn->words[i].wordClass));
        KlassLabel[i]->adjustSize();
        KlassLabel[i]->hide();
    }
    for (std::size_t i = 0; i < 5; ++i)
        KlassLabel[i]->move(OrdLabel[0]->x() + widest + letterUnit(), OrdLabel[i]->y());
    MarkorLabel->hide();
    m_answered = false;
    setButtonsEnabled(true);
    m_ticks = 0;
    InstruktionsLabel->show();
    Instruktion2Label->show();
}

void TFalska::setButtonsEnabled(bool enabled) {
    for (QPushButton* b : SpeedButton)
        b->setEnabled(enabled);
}

void TFalska::colourSquares(int first, int last, bool scored) {
    for (int t = std::max(1, first); t <= std::min(last, kSquares); ++t)
        Ruta[std::size_t(t - 1)]->setColor(scored ? kYellow : kBlue);
}

bool TFalska::squareScored(int tag) const {
    return Ruta[std::size_t(tag - 1)]->color() == kYellow;
}

void TFalska::Kollasvar(int answer) {
    if (!m_turn || m_answered || !buttonsEnabled()) return;
    m_answered = true;
    const int c = m_turn->count;
    const core::WordDuel::Verdict v = m_duel.answer(answer, c);
    m_state.files.errorPracticeMode = false;
    colourSquares(v.squares.first, v.squares.last, true);
    if (!v.right) {
        MarkorLabel->setText(QString::number(c));
        MarkorLabel->move(c * MarkorLabel->width(), 0);
        MarkorLabel->show();
        MarkorLabel->raise();
    }
    setButtonsEnabled(false);
    for (std::size_t i = 0; i < 5; ++i)
        KlassLabel[i]->setVisible(m_turn->words[i].target);
    if (v.right) {
        if (v.over)
            Avslutning();
        else
            NyPost();
        return;
    }
    // A wrong answer stays in sight for the answer display seconds, even
    // when it ends the game.
    m_waiting = true;
    m_endAfterWait = v.over;
    m_ticks = 0;
    Timer1->start();
}

void TFalska::Timer1Timer() {
    if (!m_waiting) {
        Timer1->stop();
        return;
    }
    // No tick counts while the game is paused.
    if (KnappPanel->isVisible()) return;
    if (++m_ticks < 10 * m_state.settings.answerDisplaySeconds()) return;
    Timer1->stop();
    m_waiting = false;
    if (m_endAfterWait)
        Avslutning();
    else
        NyPost();
}

void TFalska::Avslutning() {
    Timer1->stop();
    m_waiting = false;
    // The empty picture covers the last turn; the praise stands over it.
    BildPanelen->showEmpty(BildPanelen->geometry(), 0);
    BildPanelen->raise();
    const std::string text = m_duel.won() ? core::duelWonText(m_name) : core::duelLostText(m_name);
    LovordPanel->RitaLovord(text, letterUnit(), [this](const std::string& t, int points) {
        return textWidth(t, points);
    });
    showBar(Button4);
    LasTimer->start();
}

void TFalska::showBar(QPushButton* focus) {
    KnappPanel->show();
    KnappPanel->raise();
    focus->setFocus();
}

void TFalska::Button3Click() {
    KnappPanel->hide();
    setFocus();
    if (!m_named) {
        Edit1->setFocus();
        return;
    }
    // A wait held by the pause goes on where it stopped.
    if (m_waiting) {
        Timer1->start();
        return;
    }
    if (m_duel.over()) {
        for (QLabel* l : KlassLabel)
            l->hide();
        BildPanelen->hide();
        LovordPanel->hide();
        m_duel.reset();
        colourSquares(1, kSquares, false);
        NyPost();
        return;
    }
    // The turn in progress goes on; an answered turn stays answered.
    setButtonsEnabled(!m_answered);
}

void TFalska::BitBtn1Click() {
    const core::RunMode mode = m_state.runMode;
    if (mode != core::RunMode::Worksheet)
        m_services.windows.open("TStallin", {m_state, m_services, this});
    KnappPanel->hide();
    setFocus();
    if (m_waiting) {
        Timer1->start();
        return;
    }
    if (m_named && !m_duel.over()) setButtonsEnabled(!m_answered);
}

void TFalska::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (KnappPanel->isVisible()) {
            reject();
        } else {
            // A pause: the wait after a wrong answer stops with the game
            // and goes on after "Fortsätta".
            Timer1->stop();
            setButtonsEnabled(false);
            showBar(Button3);
        }
        event->accept();
        return;
    }
    if (key == Qt::Key_Space && m_waiting && !KnappPanel->isVisible()) {
        // Ends the wait at the next tick.
        m_ticks = 10 * m_state.settings.answerDisplaySeconds();
        event->accept();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_5) {
        if (m_named && buttonsEnabled()) Kollasvar(key - Qt::Key_0);
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool TFalska::eventFilter(QObject* watched, QEvent* event) {
    if (LasTimer->isActive() && watched->parent() == KnappPanel &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        pressesButton(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Edit1KeyPress();
            return true;
        }
        if (key == Qt::Key_Escape) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::games
