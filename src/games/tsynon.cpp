#include "games/tsynon.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/data_fs.h"
#include "core/pictures.h"
#include "core/records_file.h"
#include "core/swedish_order.h"
#include "games/game_messages.h"

namespace glosbo::games {

using namespace app::style;

namespace {

constexpr int kSmallest = 8;

// A navy box with a sunken bevel and yellow text.
app::Panel* box(QWidget* parent, const char* name) {
    app::Panel* p = app::namedPanel(parent, name, kNavy);
    p->setLowered(true);
    p->setBevelWidth(2);
    return p;
}

QLabel* boxLabel(QWidget* parent, const char* name) {
    QLabel* l = textLabel(parent, name, kYellow, 20);
    l->setFont(arial(20));
    l->setAlignment(Qt::AlignCenter);
    l->show();
    return l;
}

QPushButton* barButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 18, true);
}

QFont arialPoints(int points) {
    return arial(pixelsForPoints(points));
}

} // namespace

TSynon::TSynon(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "TSynon", "Ordjakt") {
    OverskriftPanel = box(this, "OverskriftPanel");
    OverskriftLabel = boxLabel(OverskriftPanel, "OverskriftLabel");

    OrdLabel = textLabel(this, "OrdLabel", kNavy, 29);
    OrdLabel->show();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Ditt ord"));
    Edit1->installEventFilter(this);

    KvarPanel = box(this, "KvarPanel");
    KvarLabel1 = boxLabel(KvarPanel, "KvarLabel1");
    KvarLabel1->setText(QStringLiteral("Återstår"));
    KvarLabel2 = boxLabel(KvarPanel, "KvarLabel2");
    UppgiftPanel = box(this, "UppgiftPanel");
    UppgiftLabel1 = boxLabel(UppgiftPanel, "UppgiftLabel1");
    UppgiftLabel1->setText(QStringLiteral("Uppgift"));
    UppgiftLabel2 = boxLabel(UppgiftPanel, "UppgiftLabel2");
    PoengPanel = box(this, "PoengPanel");
    PoengLabel1 = boxLabel(PoengPanel, "PoengLabel1");
    PoengLabel1->setText(QStringLiteral("Poäng"));
    PoengLabel2 = boxLabel(PoengPanel, "PoengLabel2");

    SeListanPanel2 = box(this, "SeListanPanel2");
    SeListanPanel2->setCursor(Qt::PointingHandCursor);
    SeListanPanel2->setAccessibleName(QStringLiteral("Visa återstående ord"));
    SeListanLabel1 = boxLabel(SeListanPanel2, "SeListanLabel1");
    // The letter of the key that toggles the list is underlined.
    SeListanLabel1->setTextFormat(Qt::RichText);
    SeListanLabel2 = boxLabel(SeListanPanel2, "SeListanLabel2");
    for (QWidget* w :
         std::initializer_list<QWidget*>{SeListanPanel2, SeListanLabel1, SeListanLabel2})
        w->installEventFilter(this);

    ListPanel = box(this, "ListPanel");
    ListLabel = boxLabel(ListPanel, "ListLabel");
    ListLabel->setText(QStringLiteral("Återstående "));
    ListBox1 = new QListWidget(ListPanel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Återstående ord"));
    ListBox1->installEventFilter(this);
    ListPanel->hide();

    BildPanelen = new exercises::FinishPicture(this);

    KnappPanel = app::namedPanel(this, "KnappPanel", kSilver);
    FortsattaButton = barButton(KnappPanel, "FortsattaButton", QStringLiteral("&Fortsätta"));
    SparaButton = barButton(KnappPanel, "SparaButton", QStringLiteral("&Resultattabell"));
    AvslutaButton = barButton(KnappPanel, "AvslutaButton", QStringLiteral("&Avbryta"));
    connect(FortsattaButton, &QPushButton::clicked, this, &TSynon::FortsattaButtonClick);
    connect(SparaButton, &QPushButton::clicked, this, &TSynon::SparaButtonClick);
    connect(AvslutaButton, &QPushButton::clicked, this, &TSynon::AvslutaButtonClick);
    KnappPanel->hide();

    BakgrundPanel = app::namedPanel(this, "BakgrundPanel", kBlue);
    BakgrundPanel->hide();
    NamnPanel = app::namedPanel(this, "NamnPanel", kYellow);
    NamnPanel->setBevelWidth(2);
    NamnLabel1 = textLabel(NamnPanel, "NamnLabel1", kNavy, 26);
    NamnLabel1->setText(QStringLiteral("Skriv ditt namn."));
    NamnLabel1->show();
    NamnLabel2 = textLabel(NamnPanel, "NamnLabel2", kNavy, 26);
    NamnLabel2->setText(QStringLiteral("Tryck sedan Enter."));
    NamnLabel2->show();
    Edit2 = new QLineEdit(NamnPanel);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("Ditt namn"));
    Edit2->setFont(arialBold(26));
    Edit2->installEventFilter(this);
    NamnPanel->hide();
}

void TSynon::FormCreate() {
    resize(screenSize());
    for (QWidget* w : std::initializer_list<QWidget*>{OverskriftYtterShape, OverskriftInnerShape,
                                                      Overs1Label, Overs2Label, Overs3Label})
        w->hide();
    OverskriftLabel->setText(app::fromCp1252(m_state.files.headings.lines[0]));
    InstruktionsLabel->setText(app::fromCp1252(m_state.files.headings.instruction));
    InstruktionsLabel->setWordWrap(true);
    InstruktionsLabel->show();
    m_state.series = core::SeriesCounters{core::SynonymHunt::kTasks, 0, 0, 1};
    m_state.recordsPath = core::recordsPathFor(m_state.roots(), m_state.files.currentExerciseFile);
    m_hunt.newGame();
    layOut();
    SparaButton->setEnabled(false);

    // The game needs at least one task with a word to find.
    if (!core::drawHuntTask(m_state)) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        QTimer::singleShot(0, this, &TSynon::reject);
        return;
    }
    m_started = true;
    Nypost();
}

void TSynon::resizeEvent(QResizeEvent* event) {
    ExerciseFrame::resizeEvent(event);
    if (m_started) layOut();
}

void TSynon::layOut() {
    const QSize screen = size();
    const int h = m_h = std::max(1, screen.width() / 32);
    const int v = m_v = std::max(1, screen.height() / 48);
    const int m = std::max(1, letterUnit());

    // The headline: line 1 from 25 points (grown with the screen) down
    // until it fits, centred, 3/8 of the spare height above it.
    OverskriftPanel->setGeometry(h, v / 4, 30 * h, 6 * v);
    int points = scaled(25);
    const std::string heading = app::toCp1252(OverskriftLabel->text());
    while (points > kSmallest && (textWidth(heading, points) > 28 * h ||
                                  QFontMetrics(pointFont(points)).height() > 6 * v - 4))
        --points;
    OverskriftLabel->setFont(pointFont(points));
    const int headingHeight = QFontMetrics(OverskriftLabel->font()).height();
    OverskriftLabel->setGeometry(0, (6 * v - headingHeight) * 3 / 8, 30 * h, headingHeight);

    // The count boxes in a row below the headline.
    KvarPanel->setGeometry(h, 29 * v / 4, 9 * h, 6 * v);
    UppgiftPanel->setGeometry(23 * h / 2, 29 * v / 4, 9 * h, 6 * v);
    PoengPanel->setGeometry(22 * h, 29 * v / 4, 9 * h, 6 * v);
    UppGraderaRutorna();

    // Instruction, word and input on the left, the list on the right.
    const int left = 20 * h;
    InstruktionsLabel->setFont(arialBold(std::max(12, 5 * v / 4)));
    setTextColor(InstruktionsLabel, kGreen);
    InstruktionsLabel->setGeometry(h, 19 * v, left, InstruktionsLabel->heightForWidth(left));
    const int instructionHeight = QFontMetrics(InstruktionsLabel->font()).height();
    OrdLabel->setFont(arialBold(std::max(16, 5 * v / 2)));
    const int wordHeight = QFontMetrics(OrdLabel->font()).height();
    OrdLabel->setGeometry(h, InstruktionsLabel->geometry().bottom() + 1 + instructionHeight / 2,
                          left, wordHeight);
    Edit1->setFont(arialBold(std::max(14, 2 * v)));
    Edit1->setGeometry(h, OrdLabel->y() + 3 * wordHeight / 2, 39 * h / 2,
                       Edit1->fontMetrics().height() + 10);

    ListPanel->setGeometry(22 * h, 29 * v / 2, 9 * h, 57 * v / 2);
    ListLabel->setFont(arialPoints(std::max(8, std::min(scaled(14), v))));
    const int listCaption = QFontMetrics(ListLabel->font()).height();
    ListLabel->setGeometry(2, m / 2, ListPanel->width() - 4, listCaption);
    ListBox1->setFont(arialBold(std::max(12, 3 * v / 2)));
    ListBox1->setGeometry(m / 2, m / 2 + listCaption + m / 2, ListPanel->width() - m,
                          ListPanel->height() - listCaption - 2 * m);

    SeListanPanel2->setGeometry(h, 37 * v, 29 * h / 2, 6 * v);
    fitVisaBox();

    KnappPanel->setGeometry(h, screen.height() - 4 * v - m / 2, 30 * h, 4 * v);
    const std::array<QPushButton*, 3> buttons{FortsattaButton, SparaButton, AvslutaButton};
    const std::array<int, 3> lefts{3 * h / 2, 43 * h / 4, 20 * h};
    // The captions from 18 pixels (grown with the screen) down until the
    // longest fits its button.
    int buttonPixels = scaled(18);
    while (
        buttonPixels > 10 &&
        (QFontMetrics(arialBold(buttonPixels)).horizontalAdvance(QStringLiteral("Resultattabell")) >
             8 * h - m ||
         QFontMetrics(arialBold(buttonPixels)).height() > 2 * v))
        --buttonPixels;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setFont(arialBold(buttonPixels));
        buttons[i]->setGeometry(lefts[i], v / 2, 8 * h, 3 * v);
    }

    // The name box in the middle of the backdrop.
    BakgrundPanel->setGeometry(0, 0, screen.width(), screen.height());
    const int nameLine = NamnLabel1->fontMetrics().height();
    const int editHeight = Edit2->fontMetrics().height() + 10;
    const int nameWidth =
        std::min(screen.width() - 2 * m,
                 std::max(NamnLabel2->fontMetrics().horizontalAdvance(NamnLabel2->text()),
                          Edit2->fontMetrics().horizontalAdvance(
                              QString(core::RecordEntry::kNameLimit, QLatin1Char('M')))) +
                     4 * m);
    const int nameHeight = 2 * nameLine + editHeight + 3 * m;
    NamnPanel->setGeometry((screen.width() - nameWidth) / 2, (screen.height() - nameHeight) / 2,
                           nameWidth, nameHeight);
    NamnLabel1->setGeometry(2 * m, m, nameWidth - 4 * m, nameLine);
    NamnLabel2->setGeometry(2 * m, m + nameLine, nameWidth - 4 * m, nameLine);
    Edit2->setGeometry(2 * m, 2 * m + 2 * nameLine, nameWidth - 4 * m, editHeight);
}

int TSynon::scaled(int points) const {
    return std::max(1, points * scalePercent() / 100);
}

void TSynon::fitCountBox(app::Panel* panel, QLabel* caption, QLabel* value) {
    // The caption from 20 points (grown with the screen) down until it fits
    // the width and takes at most 3/8 of the height; the value in the same
    // size right below it.
    const int width = panel->width();
    const int height = panel->height();
    int points = scaled(20);
    for (; points > kSmallest; --points) {
        const QFontMetrics fm(arialPoints(points));
        if (fm.horizontalAdvance(caption->text()) <= width - 8 && fm.height() <= 3 * height / 8)
            break;
    }
    const QFont font = arialPoints(points);
    const int line = QFontMetrics(font).height();
    const int top = (height - 2 * line) / 2;
    for (QLabel* l : {caption, value})
        l->setFont(font);
    caption->setGeometry(2, top, width - 4, line);
    value->setGeometry(2, top + line, width - 4, line);
}

void TSynon::fitVisaBox() {
    const int width = SeListanPanel2->width();
    const int height = SeListanPanel2->height();
    if (m_listShown) {
        SeListanLabel1->setText(QStringLiteral("<u>F</u>ortsätta skriva"));
        SeListanLabel2->setText(QStringLiteral("F3"));
    } else {
        SeListanLabel1->setText(QStringLiteral("<u>V</u>isa återstående ord"));
        SeListanLabel2->setText(QStringLiteral("F3"));
    }
    // The longer of the two first lines decides the size, so that the box
    // does not jump when it changes.
    int points = scaled(20);
    for (; points > kSmallest; --points) {
        const QFontMetrics fm(arialPoints(points));
        if (fm.horizontalAdvance(QStringLiteral("Visa återstående ord")) <= width - 8 &&
            2 * fm.height() <= height - 4)
            break;
    }
    const QFont font = arialPoints(points);
    const int line = QFontMetrics(font).height();
    const int top = (height - 2 * line) / 2;
    SeListanLabel1->setFont(font);
    SeListanLabel2->setFont(font);
    SeListanLabel1->setGeometry(2, top, width - 4, line);
    SeListanLabel2->setGeometry(2, top + line, width - 4, line);
}

void TSynon::UppGraderaRutorna() {
    KvarLabel2->setText(QString::number(m_hunt.remaining()));
    UppgiftLabel2->setText(QStringLiteral("%1 av %2")
                               .arg(std::min(m_hunt.taskNumber(), core::SynonymHunt::kTasks))
                               .arg(core::SynonymHunt::kTasks));
    PoengLabel2->setText(QString::number(m_hunt.score()));
    fitCountBox(KvarPanel, KvarLabel1, KvarLabel2);
    fitCountBox(UppgiftPanel, UppgiftLabel1, UppgiftLabel2);
    fitCountBox(PoengPanel, PoengLabel1, PoengLabel2);
}

void TSynon::showRemaining(std::vector<std::string> words) {
    // In Swedish order: Qt's own sorting would put Ä before Å and capitals
    // before small letters.
    std::stable_sort(words.begin(), words.end(), core::swedishLess);
    ListBox1->clear();
    for (const std::string& w : words)
        ListBox1->addItem(app::fromCp1252(w));
}

void TSynon::Nypost() {
    std::optional<core::HuntTask> task = core::drawHuntTask(m_state);
    if (!task) {
        reject();
        return;
    }
    OrdLabel->setText(app::fromCp1252(task->word));
    showRemaining(task->words);
    m_hunt.startTask(std::move(*task), m_state.monotonic().milliseconds());
    m_state.series.questionNumber = std::uint16_t(m_hunt.taskNumber());
    UppGraderaRutorna();
    Edit1->clear();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TSynon::Edit1KeyPress() {
    if (!Edit1->isEnabled() || m_hunt.over()) return;
    Edit1->setEnabled(false);
    const core::SynonymHunt::Answer a = m_hunt.answer(app::toCp1252(Edit1->text()));
    if (a.found) {
        showRemaining(m_hunt.remainingWords());
        ++m_state.series.correctCount;
    }
    UppGraderaRutorna();
    Edit1->clear();
    if (a.taskOver) {
        TidMatning();
        return;
    }
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TSynon::TidMatning() {
    const bool last = m_hunt.endTask(m_state.monotonic().milliseconds());
    UppGraderaRutorna();
    if (last)
        Avslutning();
    else
        Nypost();
}

void TSynon::Avslutning() {
    Edit1->setEnabled(false);
    // The picture stands below the count boxes, so that the final score
    // stays in sight, and covers the rest of the task.
    const int top = KvarPanel->geometry().bottom() + 1 + m_v / 2;
    const QRect area(m_h, top, 30 * m_h, std::max(0, height() - 6 * m_v - top));
    const int number = m_state.settings.showsPictures() ? m_state.haemta_Bildslumptal() : 0;
    if (number == 0) {
        BildPanelen->showEmpty(area, 0);
    } else {
        const auto file = core::findDataFile(m_state.roots(), core::exercisePictureName(number));
        BildPanelen->showPicture(area, 0, file.value_or(std::string()),
                                 m_state.pictures.currentCaption(), letterUnit());
    }
    SparaButton->setEnabled(m_hunt.score() > 0 && !m_entered);
    SeListanPanel2->setEnabled(false);
    SeListanPanel2->hide();
    showBar();
    FortsattaButton->setFocus();
}

void TSynon::showBar() {
    KnappPanel->show();
    KnappPanel->raise();
}

void TSynon::VisaListan() {
    if (!SeListanPanel2->isEnabled() || KnappPanel->isVisible()) return;
    m_listShown = !m_listShown;
    fitVisaBox();
    if (m_listShown) {
        m_hunt.listShown();
        ListPanel->show();
        Edit1->setEnabled(false);
        ListBox1->setFocus();
    } else {
        ListPanel->hide();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
}

void TSynon::Button1Click() {
    if (!KnappPanel->isVisible()) {
        showBar();
        ListBox1->setEnabled(false);
        Edit1->setEnabled(false);
        SeListanPanel2->setEnabled(false);
        FortsattaButton->setFocus();
        return;
    }
    if (NamnPanel->isVisible()) {
        // Leaves the name box; the game can still be entered.
        NamnPanel->hide();
        BakgrundPanel->hide();
        SparaButton->setFocus();
        return;
    }
    reject();
}

void TSynon::FortsattaButtonClick() {
    BildPanelen->hide();
    SparaButton->setEnabled(false);
    NamnPanel->hide();
    BakgrundPanel->hide();
    KnappPanel->hide();
    m_listShown = false;
    ListPanel->hide();
    ListBox1->setEnabled(true);
    SeListanPanel2->setEnabled(true);
    SeListanPanel2->show();
    fitVisaBox();
    m_state.series = core::SeriesCounters{core::SynonymHunt::kTasks, 0, 0, 1};
    m_hunt.newGame();
    m_entered = false;
    Nypost();
}

void TSynon::SparaButtonClick() {
    if (!SparaButton->isEnabled()) return;
    BakgrundPanel->show();
    BakgrundPanel->raise();
    NamnPanel->show();
    NamnPanel->raise();
    Edit2->setText(app::fromCp1252(m_state.playerNames[0]));
    Edit2->selectAll();
    Edit2->setFocus();
}

void TSynon::Edit2KeyPress() {
    const std::string typed = app::toCp1252(Edit2->text());
    m_state.playerNames[0] = typed.substr(0, core::RecordEntry::kNameLimit);
    NamnPanel->hide();
    BakgrundPanel->hide();
    m_state.pendingRecord = core::RecordEntry{};
    m_state.pendingRecord.name = m_state.playerNames[0];
    m_state.pendingRecord.result = m_hunt.score();
    m_entered = true;
    SparaButton->setEnabled(false);
    m_services.windows.open("TRekord", {m_state, m_services, this});
    BildPanelen->show();
    FortsattaButton->setFocus();
}

void TSynon::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Button1Click();
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool TSynon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        if (watched == Edit1) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Edit1KeyPress();
                return true;
            }
            if (key->key() == Qt::Key_F3 || (alt && key->key() == Qt::Key_V)) {
                VisaListan();
                return true;
            }
        } else if (watched == ListBox1) {
            if (key->key() == Qt::Key_F3 || (alt && key->key() == Qt::Key_F)) {
                VisaListan();
                return true;
            }
        } else if (watched == Edit2) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Edit2KeyPress();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == SeListanPanel2 || watched == SeListanLabel1 || watched == SeListanLabel2)) {
        VisaListan();
        return true;
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::games
