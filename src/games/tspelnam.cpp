#include "games/tspelnam.h"

#include <QKeyEvent>

#include "app/panel.h"
#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::games {

using namespace app::style;

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 400;

const QString kTitle = QStringLiteral("Vem eller vilka ska spela?");

void paint(QPushButton* choice, bool chosen) {
    choice->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; "
                                         "border: 2px solid grey; }")
                              .arg(chosen ? kAqua.name() : kWhite.name()));
    choice->setEnabled(!chosen);
}

} // namespace

TSpelNam::TSpelNam(core::AppState& state, app::Services&, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("TSpelNam"));
    setWindowTitle(kTitle);
    resize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSilver);
    setPalette(p);

    // A raised frame sets the window off from the window below it.
    auto* frame = new app::Panel(this);
    frame->setObjectName(QStringLiteral("RamPanel"));
    frame->setColor(kSilver);
    frame->setBevelWidth(3);
    frame->setGeometry(0, 0, kWidth, kHeight);

    TitelLabel = textLabel(this, "TitelLabel", kNavy, 22);
    TitelLabel->setText(kTitle);
    TitelLabel->setGeometry(20, 12, kWidth - 40, 32);
    TitelLabel->show();

    const auto choice = [this](const char* name, const QString& text, int left) {
        QPushButton* b = pushButton(this, name, text, 18, false);
        b->setGeometry(left, 56, 160, 44);
        paint(b, false);
        return b;
    };
    Panel2 = choice("Panel2", QStringLiteral("&En spelare"), 20);
    Panel3 = choice("Panel3", QStringLiteral("&Två spelare"), 200);
    Panel4 = choice("Panel4", QStringLiteral("T&re spelare"), 380);
    connect(Panel2, &QPushButton::clicked, this, &TSpelNam::Panel2Click);
    connect(Panel3, &QPushButton::clicked, this, &TSpelNam::Panel3Click);
    connect(Panel4, &QPushButton::clicked, this, &TSpelNam::Panel4Click);

    Label1 = textLabel(this, "Label1", kNavy, 20);
    Label1->setGeometry(20, 116, kWidth - 40, 28);
    Label1->show();

    for (int i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setAccessibleName(QStringLiteral("Namn %1").arg(i + 1));
        edit->setMaxLength(kNameLength);
        edit->setFont(arialBold(20));
        edit->setGeometry(20, 156 + 52 * i, 280, 36);
        edit->setText(app::fromCp1252(m_state.playerNames[std::size_t(i)].substr(0, kNameLength)));
        edit->installEventFilter(this);
        edit->hide();
        Edit[std::size_t(i)] = edit;
        auto* message = textLabel(this, "", kRed, 18);
        message->setObjectName(QStringLiteral("FelLabel%1").arg(i + 1));
        message->setText(QStringLiteral("Det var inget namn!"));
        message->setGeometry(316, 160 + 52 * i, kWidth - 330, 28);
        FelLabel[std::size_t(i)] = message;
        // Typing in a box takes back the messages of the boxes below it.
        connect(edit, &QLineEdit::textEdited, this, [this, i] {
            for (int below = i + 1; below < 3; ++below)
                FelLabel[std::size_t(below)]->hide();
        });
    }

    Button2 = new QPushButton(QStringLiteral("&Avbryt"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(arialBold(18));
    Button2->setAutoDefault(false);
    Button2->setGeometry(kWidth - 160, kHeight - 60, 140, 40);
    connect(Button2, &QPushButton::clicked, this, &TSpelNam::Button2Click);

    if (m_state.playerCount >= 1 && m_state.playerCount <= 3) {
        choose(m_state.playerCount);
    } else {
        Label1->setText(QStringLiteral("Hur många ska spela?"));
        Panel2->setFocus();
    }
}

void TSpelNam::choose(int players) {
    m_shown = players;
    paint(Panel2, players == 1);
    paint(Panel3, players == 2);
    paint(Panel4, players == 3);
    static const char* const kPrompts[] = {"Skriv ditt namn.", "Skriv era namn. Tryck Enter.",
                                           "Skriv era namn."};
    Label1->setText(QString::fromUtf8(kPrompts[players - 1]));
    for (int i = 0; i < 3; ++i) {
        Edit[std::size_t(i)]->setVisible(i < players);
        if (i >= players) FelLabel[std::size_t(i)]->hide();
    }
    Edit[0]->setFocus();
}

void TSpelNam::enterIn(int box) {
    // Enter moves to the next shown box and checks after the last; with the
    // number of players known from the last game it checks at once.
    if (box + 1 < m_shown && !(box == 0 && m_state.playerCount == m_shown))
        Edit[std::size_t(box + 1)]->setFocus();
    else
        Klar();
}

void TSpelNam::Klar() {
    if (m_shown == 0) return;
    bool allNamed = true;
    for (int i = 0; i < m_shown; ++i) {
        const bool empty = Edit[std::size_t(i)]->text().isEmpty();
        FelLabel[std::size_t(i)]->setVisible(empty);
        allNamed = allNamed && !empty;
    }
    if (!allNamed) {
        if (++m_failedChecks > 3) {
            setWindowTitle(QStringLiteral("Du kan avbryta med Escapeknappen."));
            TitelLabel->setText(windowTitle());
        }
        return;
    }
    m_state.playerCount = m_shown;
    for (int i = 0; i < m_shown; ++i)
        m_state.playerNames[std::size_t(i)] =
            app::toCp1252(Edit[std::size_t(i)]->text()).substr(0, 20);
    accept();
}

bool TSpelNam::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            for (int i = 0; i < 3; ++i)
                if (watched == Edit[std::size_t(i)]) {
                    enterIn(i);
                    return true;
                }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace glosbo::games
