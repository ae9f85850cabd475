#include "games/tkatten.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
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

constexpr int kSmallest = 10;

} // namespace

Tkatten::Tkatten(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "Tkatten", "Vad ska bort?") {
    OverskriftPanel = app::namedPanel(this, QStringLiteral("OverskriftPanel"), kAqua);
    OverskriftLabel = textLabel(OverskriftPanel, "OverskriftLabel", kNavy);
    OverskriftLabel->setText(QStringLiteral("Vad ska bort?"));
    OverskriftLabel->setAlignment(Qt::AlignCenter);
    OverskriftLabel->show();

    for (int k = 0; k < 4; ++k) {
        app::Panel* box = app::namedPanel(this, QStringLiteral("KattPanel%1").arg(k + 1), kSilver);
        box->setBevelWidth(2);
        box->setAccessibleName(QStringLiteral("Ruta %1").arg(k + 1));
        box->setCursor(Qt::PointingHandCursor);
        QLabel* number = textLabel(box, "", kNavy, 27);
        number->setObjectName(QStringLiteral("NummerLabel%1").arg(k + 1));
        number->setText(QString::number(k + 1));
        number->show();
        QLabel* word = textLabel(box, "", kBlack);
        word->setObjectName(QStringLiteral("OrdLabel%1").arg(k + 1));
        word->setAlignment(Qt::AlignCenter);
        word->show();
        for (QWidget* w : std::initializer_list<QWidget*>{box, number, word})
            w->installEventFilter(this);
        KattPanel[std::size_t(k)] = box;
        NummerLabel[std::size_t(k)] = number;
        OrdLabel[std::size_t(k)] = word;
    }
    KommentarLabel = textLabel(this, "KommentarLabel", kMaroon, 24);
    KommentarLabel->setAlignment(Qt::AlignCenter);

    NamnPanel = app::namedPanel(this, QStringLiteral("NamnPanel"), kSilver);
    NamnPanel->setLowered(true);
    for (int p = 0; p < 3; ++p) {
        QLabel* name = textLabel(NamnPanel, "", kBlack, 24);
        name->setObjectName(QStringLiteral("NamnLabel%1").arg(p + 1));
        name->setAutoFillBackground(true);
        app::Panel* bar =
            app::namedPanel(NamnPanel, QStringLiteral("PoangPanel%1").arg(p + 1), kWhite);
        bar->setLowered(true);
        app::Panel* fill =
            app::namedPanel(bar, QStringLiteral("PoangFyllning%1").arg(p + 1), kAqua);
        NamnLabel[std::size_t(p)] = name;
        PoangPanel[std::size_t(p)] = bar;
        PoangFyllning[std::size_t(p)] = fill;
    }

    LovordPanel = new exercises::PraisePanel(this);

    KnappPanel = app::namedPanel(this, QStringLiteral("KnappPanel"), kSilver);
    const auto button = [this](const char* name, const QString& text) {
        return pushButton(KnappPanel, name, text, 18, true);
    };
    Button1 = button("Button1", QStringLiteral("&Fortsätta"));
    Button3 = button("Button3", QStringLiteral("&Avbryta"));
    Button2 = button("Button2", QStringLiteral("&Nya namn"));
    connect(Button1, &QPushButton::clicked, this, &Tkatten::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tkatten::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tkatten::Button3Click);
    KnappPanel->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tkatten::Timer1Timer);
}

void Tkatten::FormCreate() {
    resize(screenSize());
    for (QWidget* w : std::initializer_list<QWidget*>{OverskriftYtterShape, OverskriftInnerShape,
                                                      Overs1Label, Overs2Label, Overs3Label})
        w->hide();
    InstruktionsLabel->setFont(arialBold(26));
    setTextColor(InstruktionsLabel, kGreen);
    InstruktionsLabel->setAlignment(Qt::AlignCenter);
    InstruktionsLabel->setText(QStringLiteral("Klicka på en ruta eller tryck siffra."));
    InstruktionsLabel->show();
    layOut();

    // The game needs at least one record of its format.
    if (core::drawUsableRecord(m_state, core::oddOneOutRecordUsable) == 0) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        QTimer::singleShot(0, this, &Tkatten::reject);
        return;
    }
    newGame();
}

void Tkatten::resizeEvent(QResizeEvent* event) {
    ExerciseFrame::resizeEvent(event);
    if (m_game) layOut();
}

void Tkatten::layOut() {
    const QSize screen = size();
    m_h = screen.width() / 32;
    m_v = screen.height() / 48;
    const int h = m_h;
    const int v = m_v;

    OverskriftPanel->setGeometry(h, v / 4, 30 * h, 6 * v);
    int points = 35;
    while (textWidth("Vad ska bort?", points) > 28 * h && points > kSmallest)
        --points;
    OverskriftLabel->setFont(pointFont(points));
    OverskriftLabel->setGeometry(0, 0, 30 * h, 6 * v);

    const int instructionHeight = QFontMetrics(InstruktionsLabel->font()).height();
    InstruktionsLabel->setGeometry(h, 6 * v + v / 4 + (5 * v - instructionHeight) / 2 - v / 2,
                                   30 * h, instructionHeight);

    for (int k = 0; k < 4; ++k)
        KattPanel[std::size_t(k)]->setGeometry(k % 2 == 0 ? h : h * 33 / 2, k < 2 ? 11 * v : 19 * v,
                                               h * 29 / 2, 7 * v);
    RitaKattpaneler();

    KommentarLabel->setGeometry(h, 27 * v, 30 * h, 3 * v);
    NamnPanel->setGeometry(h, 31 * v, 30 * h, 11 * v);
    if (m_game) RitaNamnPanelen();
    LovordPanel->setGeometry(h + 1, 26 * v + 1, 30 * h - 2, 5 * v - 2);

    KnappPanel->setGeometry(h, screen.height() - 4 * v, 30 * h, 4 * v);
    const int gap = h;
    const int width = (30 * h - 4 * gap) / 3;
    int left = gap;
    for (QPushButton* b : {Button1, Button3, Button2}) {
        b->setGeometry(left, v / 2, width, 3 * v);
        left += width + gap;
    }
}

void Tkatten::newGame() {
    m_game.emplace(std::max(1, m_state.playerCount));
    m_started = true;
    for (int p = 0; p < 3; ++p)
        NamnLabel[std::size_t(p)]->setText(app::fromCp1252(m_state.playerNames[std::size_t(p)]));
    LovordPanel->hide();
    InstruktionsLabel->show();
    for (app::Panel* box : KattPanel)
        box->show();
    NamnPanel->show();
    RitaNamnPanelen();
    NyPost();
}

void Tkatten::RitaKattpaneler() {
    const int h = m_h;
    const int boxWidth = h * 29 / 2;
    const int boxHeight = 7 * m_v;
    const std::string longest = *std::max_element(
        m_words.begin(), m_words.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    int points = 30;
    while (textWidth(longest, points) > boxWidth - 2 * h && points > kSmallest)
        --points;
    for (int k = 0; k < 4; ++k) {
        QLabel* number = NummerLabel[std::size_t(k)];
        number->adjustSize();
        number->move(6, 4);
        QLabel* word = OrdLabel[std::size_t(k)];
        word->setFont(pointFont(points));
        word->setText(app::fromCp1252(m_words[std::size_t(k)]));
        const int wordHeight = QFontMetrics(word->font()).height();
        word->setGeometry(h, (boxHeight - wordHeight) / 2, boxWidth - 2 * h, wordHeight);
    }
}

void Tkatten::RitaNamnPanelen() {
    const int players = m_game->players();
    const int h = m_h;
    const int panelHeight = NamnPanel->height();
    const int barHeight = players == 1 ? 8 * m_v : players == 2 ? 5 * m_v : 3 * m_v;
    const int spare = panelHeight - players * barHeight;
    const int gap = players == 1 ? spare / 2 : spare / (players + 1);
    int longest = 0;
    for (int p = 0; p < players; ++p)
        longest = std::max<int>(longest, int(m_state.playerNames[std::size_t(p)].size()));
    std::string widest;
    for (int p = 0; p < players; ++p)
        if (m_state.playerNames[std::size_t(p)].size() == std::size_t(longest))
            widest = m_state.playerNames[std::size_t(p)];
    int points = 20;
    while (textWidth(widest, points) > 8 * h && points > kSmallest)
        --points;
    for (int p = 0; p < 3; ++p) {
        QLabel* name = NamnLabel[std::size_t(p)];
        app::Panel* bar = PoangPanel[std::size_t(p)];
        const bool shown = p < players;
        name->setVisible(shown);
        bar->setVisible(shown);
        if (!shown) continue;
        const int top = gap + p * (barHeight + gap);
        name->setFont(pointFont(points));
        const int nameHeight = QFontMetrics(name->font()).height();
        name->setGeometry(h / 2, top + (barHeight - nameHeight) / 2, 8 * h + h / 2, nameHeight);
        QPalette palette = name->palette();
        palette.setColor(QPalette::Window, p + 1 == m_game->current() ? kAqua : kSilver);
        name->setPalette(palette);
        bar->setGeometry(h * 19 / 2, top, 20 * h, barHeight);
        const int fill = m_game->points(p + 1) * 20 * h / core::OddOneOutGame::kGoal;
        PoangFyllning[std::size_t(p)]->setGeometry(0, 0, fill, barHeight);
        PoangFyllning[std::size_t(p)]->setVisible(fill > 0);
    }
}

void Tkatten::setBoxesEnabled(bool enabled) {
    m_boxesEnabled = enabled;
    for (app::Panel* box : KattPanel)
        box->setEnabled(enabled);
}

void Tkatten::NyPost() {
    Timer1->stop();
    KommentarLabel->hide();
    for (app::Panel* box : KattPanel)
        box->setColor(kSilver);
    if (core::drawUsableRecord(m_state, core::oddOneOutRecordUsable) == 0) {
        reject();
        return;
    }
    const core::RecordFields fields = m_state.fields;
    const auto order = core::slump(m_state.random());
    for (int k = 0; k < 4; ++k) {
        m_words[std::size_t(k)] = fields[order[std::size_t(k)]];
        if (order[std::size_t(k)] == 1) m_rightBox = k + 1;
    }
    m_comment = fields[5];
    RitaKattpaneler();
    m_game->nextTurn();
    RitaNamnPanelen();
    setBoxesEnabled(true);
}

void Tkatten::RaettTest(int box) {
    if (!m_boxesEnabled || box < 1 || box > 4) return;
    setBoxesEnabled(false);
    std::string typed = m_words[std::size_t(box - 1)];
    const bool right =
        m_state.svarstest(m_state.fields[1], typed, core::CompareKind::Exact) == core::kAnswerRight;
    ++m_state.series.questionNumber;
    core::OddOneOutGame::Next next;
    if (right) {
        ++m_state.series.correctCount;
        next = m_game->right();
    } else {
        ++m_state.series.wrongCount;
        next = m_game->wrong();
        KattPanel[std::size_t(m_rightBox - 1)]->setColor(kAqua);
        KommentarLabel->setText(app::fromCp1252(m_comment));
        KommentarLabel->show();
    }
    RitaNamnPanelen();
    switch (next) {
    case core::OddOneOutGame::Next::Turn:
        NyPost();
        break;
    case core::OddOneOutGame::Next::WaitThenTurn:
        m_ticks = 0;
        if (m_state.settings.answerDisplaySeconds() == 0)
            NyPost();
        else
            Timer1->start();
        break;
    case core::OddOneOutGame::Next::GameOver:
        endGame();
        break;
    }
}

void Tkatten::Timer1Timer() {
    if (++m_ticks >= m_state.settings.answerDisplaySeconds()) NyPost();
}

void Tkatten::endGame() {
    Timer1->stop();
    InstruktionsLabel->hide();
    for (app::Panel* box : KattPanel)
        box->hide();
    KommentarLabel->hide();
    RitaLovord();
    showBar();
}

void Tkatten::RitaLovord() {
    std::vector<std::string> names;
    for (int p : m_game->winners())
        names.push_back(m_state.playerNames[std::size_t(p - 1)]);
    LovordPanel->RitaLovord(
        "   Grattis, " + core::joinWinners(names) + " ", letterUnit(),
        [this](const std::string& t, int points) { return textWidth(t, points); });
}

void Tkatten::showBar() {
    KnappPanel->show();
    KnappPanel->raise();
    Button1->setFocus();
}

void Tkatten::pause() {
    Timer1->stop();
    setBoxesEnabled(false);
    showBar();
}

void Tkatten::Button1Click() {
    KnappPanel->hide();
    if (m_game->over()) {
        newGame();
        return;
    }
    InstruktionsLabel->show();
    LovordPanel->hide();
    // A pause during the wait after a wrong answer goes on to the next
    // turn; otherwise the turn held is answered now.
    if (KommentarLabel->isVisible())
        NyPost();
    else
        setBoxesEnabled(true);
}

void Tkatten::Button2Click() {
    m_services.windows.open("TSpelNam", {m_state, m_services, this});
    KnappPanel->hide();
    Timer1->stop();
    newGame();
}

void Tkatten::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (KnappPanel->isVisible())
            reject();
        else
            pause();
        event->accept();
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        if (m_boxesEnabled) RaettTest(key - Qt::Key_0);
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool Tkatten::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int k = 0; k < 4; ++k) {
            const std::size_t i = std::size_t(k);
            if (watched != KattPanel[i] && watched != NummerLabel[i] && watched != OrdLabel[i])
                continue;
            if (mouse->button() == Qt::RightButton) {
                if (!KnappPanel->isVisible()) pause();
            } else if (mouse->button() == Qt::LeftButton) {
                RaettTest(k + 1);
            }
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::games
